#include "store/settings.h"

#include <algorithm>

#include "platform/fil.h"
#include "platform/kodeside.h"
#include "platform/sti.h"
#include "platform/tekst.h"
#include "store/batch.h"
#include "store/erstatning.h"
#include "store/forhandsvisning.h"
#include "store/ini_document.h"
#include "store/installasjon.h"
#include "store/lager.h"
#include "store/merknad.h"
#include "store/visuell.h"

namespace brul {
namespace {

using Utfall = IniDocument::Utfall;

// A write the file could not hold is refused whole, with the reason.
void MeldAvvist(Utfall u, const std::string& seksjon, const std::string& nokkel) {
  std::string grunn;
  switch (u) {
    case Utfall::Linjeskift:
      grunn = "teksten inneholder et linjeskift, som ikke kan stå i en ini-fil";
      break;
    case Utfall::UgyldigNavn:
      grunn = "navnet på seksjonen eller nøkkelen er tomt eller inneholder \"=\", \";\" eller \"[\" først";
      break;
    case Utfall::IkkeLagerbart: {
      const std::string tegn = lager::UgyldigTegn();
      const bool gyldig = GyldigUtf8(tegn);
      grunn = gyldig ? "tegnet \"" + tegn + "\" kan ikke lagres i filens tegnsett"
                     : "teksten er ikke gyldig UTF-8";
      break;
    }
    case Utfall::ForLang:
      grunn = "verdien er lengre enn de " + std::to_string(IniDocument::kMaksLengde) +
              " tegnene som leses fra fila";
      break;
    case Utfall::Nulltegn:
      grunn = "teksten inneholder et nulltegn, der all lesing av fila stopper";
      break;
    default:
      return;
  }
  lager::Merk("Lagre", "[" + seksjon + "] " + nokkel + " ble ikke lagret i " + lager::Innstillingsfil() + ": " + grunn + ".");
}

// Deletes a key inside the running batch. When that batch is the caller's own
// outermost one, the deletion is written at once, so that a failure is
// reported as a failed deletion and not as a failed save.
void SlettVerdiIBatch(const std::string& seksjon, const std::string& nokkel) {
  const std::string caption = "Slette verdi i " + lager::Innstillingsfil();
  if (!lager::Lesefeil().empty()) {
    lager::Merk(caption, "Feil med objekt");
    return;
  }
  lager::SlettNokkel(seksjon, nokkel);
  std::string grunn;
  if (lager::Ytterst() && !lager::CommitStille(grunn))
    lager::Merk(caption, "Feil med sletting av [" + seksjon + "] - " + nokkel);
}

// Commits the typed layer's own batch. Outside an operator's action a write
// is a single write: the latest writer wins any conflict, and a failure is
// said here, as no caller is there to say it.
void Fullfor(Batch& b) {
  if (!lager::Ytterst()) return;
  b.velgAlle(KonfliktValg::Min);
  const Lagreutfall u = b.commit();
  if (!u) lager::Merk("Lagre", (lager::Innstillingsfil().empty() ? "Kunne ikke lagre" : "Kunne ikke lagre " + lager::Innstillingsfil()) + ": " + u.grunn + ".");
  else if (!u.historikkfeil.empty()) lager::Merk("Historikk", u.historikkfeil);
}

}  // namespace

std::string LesFraFil(const std::string& fil, const std::string& seksjon, const std::string& nokkel,
                      const std::string& standard) {
  if (fil.empty()) {
    lager::Merk("Advarsel", "Programfeil - ingen aktiv ini-fil:\n[" + seksjon + "], " + nokkel +
                               " = " + standard);
    return standard;
  }
  if (seksjon.empty() || nokkel.empty()) return standard;
  if (fil == lager::Innstillingsfil()) {
    Batch b;
    const IniDocument* dok = lager::Dokument();
    if (!dok) return standard;
    return dok->les(seksjon, nokkel).value_or(standard);
  }
  const platform::FilLesing lest = platform::LesHeleFil(platform::LokalSti(fil));
  if (lest.status != platform::LeseStatus::Ok) return standard;
  return IniDocument::fraBytes(lest.bytes).les(seksjon, nokkel).value_or(standard);
}

std::string LesStreng(const std::string& seksjon, const std::string& nokkel, const std::string& standard,
                      bool dekode) {
  std::string v = LesFraFil(lager::Innstillingsfil(), seksjon, nokkel, standard);
  if (dekode) FraVisuell(v);
  return TilStore(v);
}

bool LesBool(const std::string& seksjon, const std::string& nokkel, bool standard) {
  const std::string v = LesStreng(seksjon, nokkel, standard ? "True" : "False");
  return v == "TRUE" || v == "1";
}

std::vector<std::string> LesNokler(const std::string& seksjon) {
  if (lager::Innstillingsfil().empty() || seksjon.empty()) return {};
  Batch b;
  const IniDocument* dok = lager::Dokument();
  return dok ? dok->nokler(seksjon) : std::vector<std::string>{};
}

long LesTall(const std::string& seksjon, const std::string& nokkel, long standard) {
  long v = standard;
  if (!TolkHeltall(LesStreng(seksjon, nokkel, std::to_string(standard)), v)) return standard;
  return v;
}

void SkrivStreng(const std::string& seksjon, const std::string& nokkel, const std::string& verdi) {
  Batch b;
  const Utfall u = lager::Skriv(seksjon, nokkel, verdi);
  if (u != Utfall::Endret && u != Utfall::Uendret) MeldAvvist(u, seksjon, nokkel);
  Fullfor(b);
}

void SkrivBool(const std::string& seksjon, const std::string& nokkel, bool verdi) {
  SkrivStreng(seksjon, nokkel, verdi ? "True" : "False");
}

void LagreStreng(const std::string& seksjon, const std::string& nokkel, const std::string& standard,
                 const std::string& verdi) {
  if (seksjon.empty() || nokkel.empty()) return;
  Batch b;
  const std::string na = LesStreng(seksjon, nokkel, standard);
  const std::string ny = TilStore(verdi);
  if (na == ny) return;
  // Deleted in this batch rather than in a nested one, so that outside an
  // operator's batch a failure is reported as the failed deletion it is.
  if (TilStore(standard) == ny) SlettVerdiIBatch(seksjon, nokkel);
  else SkrivStreng(seksjon, nokkel, verdi);
  Fullfor(b);
}

void LagreBool(const std::string& seksjon, const std::string& nokkel, bool standard, bool verdi) {
  if (seksjon.empty() || nokkel.empty()) return;
  Batch b;
  if (LesBool(seksjon, nokkel, standard) != verdi) SkrivBool(seksjon, nokkel, verdi);
  Fullfor(b);
}

void SlettSeksjon(const std::string& seksjon) {
  const std::string caption = "Slette seksjon i " + lager::Innstillingsfil();
  Batch b;
  if (!lager::Lesefeil().empty()) {
    lager::Merk(caption, "Feil med objekt");
    return;
  }
  lager::SlettSeksjon(seksjon);
  std::string grunn;
  if (lager::Ytterst() && !lager::CommitStille(grunn))
    lager::Merk(caption, "Feil med sletting av [" + seksjon + "]");
}

void SlettVerdi(const std::string& seksjon, const std::string& nokkel) {
  Batch b;
  SlettVerdiIBatch(seksjon, nokkel);
}

std::string FyllNuller(long n, int bredde) {
  std::string s = std::to_string(n);
  const std::size_t b = static_cast<std::size_t>(std::clamp(bredde, 0, 255));
  while (s.size() < b) s.insert(n < 0 ? 1 : 0, 1, '0');
  return s;
}

long TallFraTekst(const std::string& tekst) {
  // The scan covers the length modulo 256, as for the 8-bit field texts this
  // has always been used on.
  const std::size_t antall = AntallTegn(tekst) % 256;
  std::string tall;
  std::size_t pos = 0;
  for (std::size_t n = 0; n < antall; ++n) {
    const char c = tekst[pos];
    NesteTegn(tekst, pos);
    if (c == '-' || (c >= '0' && c <= '9')) tall.push_back(c);
  }
  long v = 0;
  return TolkHeltall(tall, v) ? v : 0;
}

int EtternavnPos(const std::string& navn) {
  for (std::size_t i = navn.size(); i > 0; --i) {
    if (navn[i - 1] == '.') return static_cast<int>(i);
    if (navn[i - 1] == '\\') return 0;
  }
  return 0;
}

std::string ProgramExt() { return LesStreng("Program", "Ext", ".NC"); }

void SjekkNomReg(const std::string& caption, const std::string& toolReg, const std::string& nomReg) {
  if (!nomReg.empty() && EtternavnPos(nomReg) == 0 && nomReg != toolReg)
    lager::Merk(caption, "NomReg må være lik ToolReg");
}

bool LagKatalog(const std::string& sti) {
  std::string grunn;
  return LagKatalog(sti, grunn);
}

bool LagKatalog(const std::string& sti, std::string& grunn) {
  bool ok = true;
  std::string mappe = sti;
  while (!mappe.empty() && mappe.back() != '\\') mappe.pop_back();
  if (!mappe.empty()) mappe.pop_back();
  if (mappe.empty()) {
    grunn = "stien " + sti + " har ingen katalog";
    return false;
  }
  // A folder on a drive nobody mapped is created nowhere.
  if (!platform::LokalSti(mappe, grunn)) return false;
  if (mappe.size() > 3) {
    // The parent is what "mappe\.." names: everything up to the last
    // backslash, a drive root keeping its backslash.
    const std::size_t p = mappe.rfind('\\');
    if (p != std::string::npos) {
      std::string forelder = mappe.substr(0, p);
      if (forelder.size() <= 2) forelder += '\\';
      if (!lager::FinnesMappe(platform::LokalSti(forelder))) ok = LagKatalog(mappe, grunn);
    }
  }
  if (!lager::FinnesMappe(platform::LokalSti(mappe))) {
    return lager::LagMappe(mappe, grunn);
  }
  return ok;
}

bool SkrivTekstfil(const std::string& sti, const std::string& tekst) {
  std::string grunn;
  return SkrivTekstfil(sti, tekst, grunn);
}

bool SkrivTekstfil(const std::string& sti, const std::string& tekst, std::string& grunn) {
  // Fetch-program files are read byte by byte by the machines: 8-bit text.
  std::string bytes;
  if (!Utf8TilWin1252(tekst, bytes)) {
    grunn = "teksten har tegn som en 8-biters tekstfil ikke kan holde";
    return false;
  }
  bytes += "\r\n";
  // A file on a drive nobody mapped is written nowhere, and neither is one
  // relative to whatever folder the program was started in.
  if (!platform::LokalSti(sti, grunn)) return false;
  if (!platform::Forankret(sti)) {
    grunn = platform::kIkkeForankret;
    return false;
  }
  return lager::ErstattTekstfil(sti, bytes, grunn);
}

}  // namespace brul
