// The command line: global options, start-up, and a table of sub-commands.
//
// Exit status: 0 success; 1 a reported failure, that is the command returned
// 1 or the operator was shown at least one message (VisMelding) while it ran,
// since this system reports its failures and warnings to the operator that
// way, or the settings file is missing; 2 a usage error (the usage text
// follows on standard error: the reason and where to read more).
#include "cli/cli.h"

#include <algorithm>
#include <exception>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/oppstart.h"
#include "app/skriptoperator.h"
#include "app/tilstand.h"
#include "cli/kommandoer.h"
#include "platform/fil.h"
#include "platform/register.h"
#include "platform/sti.h"
#include "presets/forvalg.h"
#include "store/lager.h"

namespace brul::cli {
namespace {

struct Kommando {
  const char* navn;
  const char* syntaks;      // the arguments, as the usage text shows them
  const char* beskrivelse;  // one line, Norwegian
  int minArgs;
  int maxArgs;              // -1: no upper limit
  int (*kjor)(Kontekst&);
  // False for the commands that read no setting: they run when the settings
  // file is missing, and nobody is asked to fetch it.
  bool trengerIni = true;
};

// One row per command; the usage text is built from this table.
const Kommando kKommandoer[] = {
    {"paths", "", "viser IniFil, ExeKatalog og DataKatalog (og om innstillingsfilen mangler)", 0, 0,
     KommandoPaths, false},
    {"get", "SEKSJON NØKKEL [STANDARD]", "viser verdien slik redigeringen leser den (store bokstaver)",
     2, 3, KommandoGet},
    {"decode", "TEKST", "skriver bytene en visuell streng står for (Windows-1252)", 1, 1,
     KommandoDecode, false},
    {"ports", "[--by-port|--by-machine]",
     "oversikt over ComPorter som tabulatordelt tekst (som «Til Utklippstavle»)", 0, 1, KommandoPorts},
    {"index", "", "genererer katalog/extension-listen (filindeksen) som når Indeks krysses av", 0, 0,
     KommandoIndex},
    {"show", "MASKIN", "viser sidene og feltene slik redigeringen viser maskinen", 1, 1, KommandoShow},
    {"set", "MASKIN KONTROLL=VERDI... [--vis]",
     "endrer felt som operatøren (TABELL[RAD,KOL]=TEKST for tabeller), side for side, og trykker OK; "
     "--vis viser hva OK ville gjort, uten å endre noe", 2, -1,
     KommandoSetVis},
    {"preset", "MASKIN STYRING ALTERNATIV [--opprett-henteprogram] [--behold-port] [--vis]",
     "velger styring og alternativ som operatøren og lagrer forvalget med OK; --vis viser hva OK ville gjort, "
     "uten å endre noe", 3, 6, KommandoPresetVis},
    {"check", "", "kontrollerer innstillingsfilen og installasjonen; ett funn per linje (alvor, hvor, side, "
     "nøkkel, tekst)", 0, 0, KommandoCheck},
    {"history", "[N]", "lister lagringene i historikken, eller hva lagring N endret", 0, 1, KommandoHistory,
     false},
    {"restore", "N", "legger tilbake filen slik den var før lagring N (spør om endringer fra andre programmer)",
     1, 1, KommandoRestore, false},
    {"controls", "[SIDE]", "lister kontrollene set tar, side for side, med verdiene de godtar", 0, 1,
     KommandoControls, false},
    {"presets", "[STYRING]", "lister styringene og alternativene preset tar", 0, 1, KommandoPresets,
     false},
};

const Kommando* FinnKommando(const std::string& navn) {
  for (const auto& k : kKommandoer)
    if (navn == k.navn) return &k;
  return nullptr;
}

std::string Syntaks(const Kommando& k) {
  return std::string("brulini ") + k.navn + (*k.syntaks ? std::string(" ") + k.syntaks : std::string());
}

void SkrivBruk(std::ostream& ut) {
  ut << "Bruk: brulini [--ini FIL] [--svar TITTEL=SVAR]... KOMMANDO [ARGUMENTER]\n"
        "      brulini [--ini FIL]   (redigeringsvinduet)\n"
        "      brulini --version\n"
        "\n"
        "Kommandoer:\n";
  for (const auto& k : kKommandoer) {
    std::string linje = std::string("  ") + k.navn;
    if (*k.syntaks) linje += std::string(" ") + k.syntaks;
    ut << linje << '\n' << "      " << k.beskrivelse << '\n';
  }
  ut << "\n"
        "Valg:\n"
        "  --ini FIL              bruk FIL som innstillingsfil (i stedet for registeret/Brul.conf)\n"
        "  --svar TITTEL=SVAR     svar på spørsmålet med denne tittelen eller teksten (Ja/Nei\n"
        "                         eller tekst); kan gjentas. Spørsmål og meldinger skrives på\n"
        "                         standard feil.\n"
        "  -h, --help             viser denne teksten\n"
        "  -V, --version          viser versjonen\n"
        "  Valgene kan stå hvor som helst; etter -- er alt argumenter til kommandoen.\n"
        "\n"
        "Avslutningskode: 0 ferdig, 1 feil meldt, 2 feil bruk.\n";
}

struct Tolkning {
  std::optional<std::string> ini;
  std::vector<std::pair<std::string, std::string>> svar;
  bool hjelp = false;
  bool versjon = false;
  std::optional<std::string> kommando;
  std::vector<std::string> args;
};

// Reads the global options wherever they stand, before or after the command,
// as users write them; the first other word is the command, and the rest
// (options of the command's own included) belongs to it. After "--" every
// word goes to the command as it is.
Tolkning Tolk(int argc, char** argv) {
  Tolkning t;
  bool bareArgumenter = false;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    auto verdi = [&](const std::string& valg) -> std::string {
      if (a.size() > valg.size() && a.compare(0, valg.size() + 1, valg + "=") == 0)
        return a.substr(valg.size() + 1);
      if (i + 1 >= argc) throw BrukFeil{valg + " mangler verdi"};
      return argv[++i];
    };
    if (!bareArgumenter) {
      if (a == "--") {
        bareArgumenter = true;
        continue;
      }
      if (a == "--ini" || a.rfind("--ini=", 0) == 0) {
        std::string fil = verdi("--ini");
        if (fil.empty()) throw BrukFeil{"--ini mangler filnavn"};
        t.ini = fil;
        continue;
      }
      if (a == "--svar" || a.rfind("--svar=", 0) == 0) {
        std::string s = verdi("--svar");
        auto lik = s.find('=');
        if (lik == std::string::npos || lik == 0)
          throw BrukFeil{"--svar må ha formen TITTEL=SVAR: \"" + s + "\""};
        t.svar.emplace_back(s.substr(0, lik), s.substr(lik + 1));
        continue;
      }
      if (a == "-h" || a == "--help" || a == "--hjelp") {
        t.hjelp = true;
        continue;
      }
      if (a == "-V" || a == "--version" || a == "--versjon") {
        t.versjon = true;
        continue;
      }
      if (!t.kommando && !a.empty() && a[0] == '-') throw BrukFeil{"ukjent valg \"" + a + "\""};
    }
    if (!t.kommando)
      t.kommando = a;
    else
      t.args.push_back(a);
  }
  return t;
}

// A wrong use is told in one line, with the command's own syntax when the
// command is known; the whole usage is one --help away.
int Bruksfeil(const std::string& tekst, const Kommando* kommando = nullptr) {
  std::cerr << "brulini: " << tekst << '\n';
  if (kommando) std::cerr << "Bruk: " << Syntaks(*kommando) << '\n';
  std::cerr << "Mer hjelp: brulini --help\n";
  return 2;
}

// Where start-up looked for the settings file, for the one who has to put it
// there: the local file the name leads to and the Brul.conf that named it.
void SkrivHvorDetBleLett(std::ostream& feil, bool medIni) {
  feil << "brulini: finner ikke innstillingsfilen \"" << IniFil << "\"";
  std::string grunn;
  const auto lokal = platform::LokalSti(IniFil, grunn);
  if (!lokal) feil << ": " << grunn;
  else if (*lokal != IniFil) feil << " (" << *lokal << ")";
  feil << '\n';
  if (medIni) return;  // the name was given with --ini
#ifndef _WIN32
  const platform::KonfigFiler konf = platform::FinnKonfigFiler();
  std::string brukt;
  for (const std::string& f : {konf.maskin, konf.bruker})
    if (brukt.empty() && !f.empty() && platform::FinnesFil(f)) brukt = f;
  if (!brukt.empty())
    feil << "brulini: navnet og stasjonene er tatt fra " << brukt << '\n';
  else
    feil << "brulini: ingen Brul.conf funnet (så etter " << (konf.maskin.empty() ? "-" : konf.maskin)
         << " og " << (konf.bruker.empty() ? "-" : konf.bruker) << ")\n";
#endif
}

}  // namespace

bool ErMerknad(const std::string& caption) { return caption.rfind("Tips", 0) == 0 || caption == "Historikk"; }

bool ErKommandolinje(int argc, char** argv) {
  try {
    Tolkning t = Tolk(argc, argv);
    return t.kommando.has_value() || t.hjelp || t.versjon;
  } catch (const BrukFeil&) {
    return true;  // the command line explains what is wrong
  }
}

int Kjor(int argc, char** argv) {
  RegistrerForvalg();  // OK applies an armed preset through it
  Tolkning t;
  try {
    t = Tolk(argc, argv);
  } catch (const BrukFeil& f) {
    return Bruksfeil(f.tekst);
  }
  if (t.hjelp) {
    SkrivBruk(std::cout);
    return 0;
  }
  if (t.versjon) {
    std::cout << "brulini " BRUL_VERSJON "\n";
    return 0;
  }
  if (!t.kommando)
    return Bruksfeil("mangler kommando (dette bygget av brulini har ikke redigeringsvinduet)");
  const Kommando* kommando = FinnKommando(*t.kommando);
  if (!kommando) return Bruksfeil("ukjent kommando \"" + *t.kommando + "\"");
  const int antall = static_cast<int>(t.args.size());
  if (antall < kommando->minArgs || (kommando->maxArgs >= 0 && antall > kommando->maxArgs))
    return Bruksfeil(std::string("feil antall argumenter til ") + kommando->navn, kommando);

  // A wait for another program or another save is told after a second, so
  // that a pause is not taken for a hang.
  platform::SettVentevarsel([](const std::string& tekst) {
    if (!tekst.empty()) std::cerr << "brulini: " << tekst << std::endl;
  });
  SkriptOperator op;
  op.ekko(&std::cerr);
  for (const auto& [caption, answer] : t.svar) op.svar(caption, answer);
  MedOperator medOperator(op);

  try {
    // Start-up and the command are one action: the file is read once for both.
    lager::EnLesing enLesing;
    FinnIniFil(t.ini);
    // Asked once: a scripted Yes that cannot fetch the file would otherwise
    // ask for ever.
    if (kommando->trengerIni && !SjekkIniFil(op, 1)) {
      SkrivHvorDetBleLett(std::cerr, t.ini.has_value());
      return 1;
    }
    // A file that is there but cannot be read gives no defaults as if it
    // were empty: every command that reads it fails with the reason.
    if (kommando->trengerIni) {
      if (const std::string grunn = lager::Lesefeil(); !grunn.empty()) {
        std::cerr << "brulini: kan ikke lese innstillingsfilen \"" << IniFil << "\": " << grunn << '\n';
        return 1;
      }
    }
    Kontekst k{t.args, op, std::cout, std::cerr};
    int kode = kommando->kjor(k);
    std::cout.flush();
    // Advice (a tip) is a note on standard error; any other message means
    // something asked was not done.
    if (kode == 0 && std::ranges::any_of(op.logg(), [](const SkriptOperator::Hendelse& h) {
          return h.type == SkriptOperator::Hendelse::Type::Melding && !ErMerknad(h.caption);
        }))
      kode = 1;
    if (kommando->kjor == KommandoPaths && platform::FinnesFil(platform::LokalSti(IniFil)) &&
        !platform::LesHeleFil(platform::LokalSti(IniFil)).feil.empty()) {
      std::cerr << "brulini: kan ikke lese innstillingsfilen \"" << IniFil << "\": "
                << platform::LesHeleFil(platform::LokalSti(IniFil)).feil << '\n';
      kode = 1;
    }
    // paths shows where the file should be; that it is not there is a failure.
    if (kommando->kjor == KommandoPaths && !platform::FinnesFil(platform::LokalSti(IniFil))) {
      SkrivHvorDetBleLett(std::cerr, t.ini.has_value());
      kode = 1;
    }
    return kode;
  } catch (const BrukFeil& f) {
    return Bruksfeil(f.tekst, kommando);
  } catch (const std::exception& e) {
    std::cerr << "brulini: " << e.what() << '\n';
    return 1;
  }
}

}  // namespace brul::cli
