#include "app/oppstart.h"

#include <filesystem>
#include <system_error>

#include "app/operator.h"
#include "app/tilstand.h"
#include "platform/fil.h"
#include "platform/prosess.h"
#include "platform/sti.h"
#include "store/konfignokkel.h"
#include "store/settings.h"

namespace brul {
namespace {

namespace fs = std::filesystem;

// Something other than a folder that stands where the file should (a FIFO,
// a device, a broken link) is no missing file: the read then says what it
// is, instead of a question about the installation diskette.
bool FilFinnes(const std::string& sti) {
  if (sti.empty()) return false;
  const std::string lokal = platform::LokalSti(sti);
  return platform::FinnesFil(lokal) || (platform::IkkeVanligFil(lokal) && !platform::FinnesMappe(lokal));
}

bool HarSkilletegn(const std::string& sti) {
  for (char c : sti)
    if (platform::ErSkilletegn(c)) return true;
  return false;
}

bool HarStasjon(const std::string& sti) {
  return sti.size() >= 2 && sti[1] == ':' &&
         ((sti[0] >= 'A' && sti[0] <= 'Z') || (sti[0] >= 'a' && sti[0] <= 'z'));
}

// A file named on the command line is the operator's own: relative to the
// folder the command runs in, made absolute so that the program-folder rule
// for bare names does not move it. A stored-form path with a drive or a
// network path (\\SRV\CNC\Brul.ini) is taken as it is; the drive map finds
// it, or says that it cannot.
std::string KommandolinjeFil(const std::string& fil) {
  if (fil.empty() || HarStasjon(fil) || fil[0] == '\\') return fil;
  // Through u8string so a name with æøå survives on Windows too, where a
  // narrow path means the ANSI code page.
  std::error_code ec;
  fs::path abs = fs::absolute(fs::path(std::u8string(fil.begin(), fil.end())), ec);
  if (ec) return fil;
  std::u8string ut = abs.lexically_normal().u8string();
  return std::string(ut.begin(), ut.end());
}

// A folder of this system (the settings file's, or one Brul.conf names) in the
// form the file's readers know, through the drive map, so that a folder
// written into the file (the data folder of the file index, a machine folder
// by default) is one the Windows programs can open. A folder under no mapped
// folder has no such form and stays as it is.
std::string LagretForm(const std::string& mappe) {
  if (mappe.empty() || mappe[0] != '/') return mappe;
  std::string grunn;
  return platform::LagretSti(mappe, grunn).value_or(mappe);
}

// The settings file's folder with its closing separator; "C:\\" for a
// file named from a drive's current folder (C:Brul.ini).
std::string IniKatalog(const std::string& ini) {
  for (std::size_t i = ini.size(); i > 0; --i)
    if (platform::ErSkilletegn(ini[i - 1])) return ini.substr(0, i);
  return HarStasjon(ini) ? ini.substr(0, 2) + "\\" : std::string();
}

}  // namespace

std::string UbruktMappe() {
  for (const std::string* mappe : {&DataKatalog, &ExeKatalog}) {
    if (!platform::ErLokalForm(*mappe)) continue;
    // As it lies here: the folder read back through the file is upper-cased.
    std::string lokal = platform::LokalSti(*mappe);
    if (lokal.empty()) lokal = *mappe;
    while (lokal.size() > 1 && lokal.back() == '/') lokal.pop_back();
    return "Mappen " + lokal +
           " ligger ikke i en mappe som er satt opp i [Stasjoner] i Brul.conf: Windows-programmene kan ikke lese "
           "den, og ingenting lages der. Legg den til under [Stasjoner] i Brul.conf (for eksempel C=" +
           lokal + "), eller sett ExeKatalog= og DataKatalog= under [Brul] i Brul.conf til mapper på en stasjon "
           "som er satt opp.";
  }
  return {};
}

std::optional<std::string> IniFraArgumenter(int argc, const char* const* argv) {
  std::optional<std::string> ini;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--ini" && i + 1 < argc) {
      ini = argv[++i];
    } else if (a.rfind("--ini=", 0) == 0) {
      ini = a.substr(6);
    } else if (a == "--svar") {
      ++i;
    } else if (a.empty() || a[0] != '-') {
      break;  // the command; what follows is its own
    }
  }
  return ini;
}

std::string ProgramKatalog(const std::string& programFil) {
  for (std::size_t i = programFil.size(); i > 0; --i)
    if (platform::ErSkilletegn(programFil[i - 1])) return programFil.substr(0, i);
  return {};
}

std::string ProgramNavn(const std::string& programFil) {
  std::string navn = programFil.substr(ProgramKatalog(programFil).size());
  auto punkt = navn.rfind('.');
  if (punkt != std::string::npos) navn.erase(punkt);
  return navn;
}

void FinnIniFil(const OppstartKilder& kilder) {
  const platform::BrulNokkel* nokkel = kilder.nokkel;
  // The drive map must be in place before any stored path is looked at.
  platform::SettStasjoner(nokkel ? nokkel->stasjoner() : platform::Stasjonskart{});

  std::string ini;
  std::string exe;
  std::string data;
  if (nokkel) {
    // A copy of the program under another name reads a value of that name.
    // A name that is empty would read the key's unnamed default value, which
    // nobody set for us, so it is not asked for.
    std::string navn = ProgramNavn(kilder.programFil);
    if (!navn.empty()) ini = nokkel->les(navn);
    if (ini.empty()) ini = nokkel->les("INI-Fil");
    exe = nokkel->les("ExeKatalog");
    data = nokkel->les("DataKatalog");
  }

  const std::string programKatalog = ProgramKatalog(kilder.programFil);
  if (kilder.iniFil) {
    ini = KommandolinjeFil(*kilder.iniFil);
  } else {
    if (ini.empty()) ini = "C:\\Brul\\Brul.ini";
    if (!HarSkilletegn(ini)) ini = programKatalog + ini;
    if (!FilFinnes(ini) && !programKatalog.empty() && FilFinnes(programKatalog + "Brul.ini"))
      ini = programKatalog + "Brul.ini";
  }
  IniFil = ini;

  if (exe.empty()) exe = platform::StandardExeKatalog(programKatalog, IniKatalog(ini));
  exe = LagretForm(exe);
  data = LagretForm(data);
  // The settings file has the last word on the program folder; like every
  // value read from it, the result is upper-cased.
  exe = LesStreng("Program", "ExeKatalog", exe);
  ExeKatalog = platform::MedSkilletegn(exe);

  if (data.empty()) data = ExeKatalog;
  DataKatalog = platform::MedSkilletegn(data);
}

void FinnIniFil(const std::optional<std::string>& iniFil) {
  auto nokkel = lager::ApneBrulNokkel();
  OppstartKilder kilder;
  kilder.programFil = platform::ProgramFil();
  kilder.nokkel = nokkel.get();
  kilder.iniFil = iniFil;
  FinnIniFil(kilder);
}

bool SjekkIniFil(Operator& op, int maksSporsmal) {
  std::string grunn;
  if (!IniFil.empty() && !platform::LokalSti(IniFil, grunn)) {
    // Nothing to fetch it into: the file has no place on this system.
    op.melding("Mangler konfigurasjonsfilen \"" + IniFil + "\"", "Filen kan ikke åpnes: " + grunn + ".");
    return false;
  }
  int spurt = 0;
  while (!FilFinnes(IniFil)) {
    if (maksSporsmal > 0 && spurt >= maksSporsmal) break;
    ++spurt;
    if (!op.sporsmal("Mangler konfigurasjonsfilen \"" + IniFil + "\"",
                     "Hente fra siste installasjonsdiskett ?"))
      break;
    // The copy never replaces a file that appeared meanwhile. A failed one
    // (no diskette, no file on it, a folder that cannot take it) says why
    // before the question comes again: a Yes that silently led nowhere would
    // leave the operator guessing.
    const std::string diskett = "A:\\Brul.ini";
    const auto fra = platform::LokalSti(diskett, grunn);
    const std::string til = platform::LokalSti(IniFil);
    std::string feil;
    if (fra && platform::KopierFil(*fra, til, feil)) continue;
    if (FilFinnes(IniFil)) break;
    if (!fra)
      feil = diskett + " kan ikke åpnes: " + grunn + ".";
    else if (!platform::FinnesFil(*fra))
      feil = "Installasjonsdisketten har ingen Brul.ini: " + diskett + " finnes ikke (så etter " + *fra + ").";
    else
      feil = "Kunne ikke kopiere " + diskett + " (" + *fra + ") til " + IniFil + " (" + til + "): " + feil + ".";
    op.melding("Installasjonsdiskett", feil);
  }
  return FilFinnes(IniFil);
}

}  // namespace brul
