// The command line: global options, start-up, and a table of sub-commands.
//
// Exit status: 0 success; 1 a reported failure, that is the command returned
// 1 or the operator was shown at least one message (VisMelding) while it ran,
// since this system reports its failures and warnings to the operator that
// way, or the settings file is missing; 2 a usage error (the usage text
// follows on standard error).
#include "cli/cli.h"

#include <exception>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/oppstart.h"
#include "app/skriptoperator.h"
#include "app/tilstand.h"
#include "cli/kommandoer.h"

namespace brul::cli {
namespace {

struct Kommando {
  const char* navn;
  const char* syntaks;      // the arguments, as the usage text shows them
  const char* beskrivelse;  // one line, Norwegian
  int minArgs;
  int maxArgs;              // -1: no upper limit
  int (*kjor)(Kontekst&);
};

// One row per command; the usage text is built from this table.
const Kommando kKommandoer[] = {
    {"paths", "", "viser IniFil, ExeKatalog og DataKatalog", 0, 0, KommandoPaths},
    {"get", "SECTION KEY [DEFAULT]", "viser verdien slik redigeringen leser den (store bokstaver)",
     2, 3, KommandoGet},
    {"decode", "TEXT", "skriver bytene en visuell streng står for (Windows-1252)", 1, 1,
     KommandoDecode},
    {"ports", "[--by-port|--by-machine]",
     "oversikt over ComPorter som tabulatordelt tekst (som «Til Utklippstavle»)", 0, 1, KommandoPorts},
    {"index", "", "genererer katalog/extension-listen (filindeksen) som når Indeks krysses av", 0, 0,
     KommandoIndex},
    {"show", "MACHINE", "viser sidene og feltene slik redigeringen viser maskinen", 1, 1, KommandoShow},
    {"set", "MACHINE CONTROL=VALUE...",
     "endrer felt som operatøren (GRID[RAD,KOL]=TEKST for tabeller), side for side, og trykker OK", 2, -1,
     KommandoSet},
    {"preset", "MACHINE STYRING ALTERNATIV [--opprett-henteprogram] [--behold-port]",
     "velger styring og alternativ som operatøren og lagrer forvalget med OK", 3, 5, KommandoPreset},
};

const Kommando* FinnKommando(const std::string& navn) {
  for (const auto& k : kKommandoer)
    if (navn == k.navn) return &k;
  return nullptr;
}

void SkrivBruk(std::ostream& ut) {
  ut << "Bruk: brulini [--ini FILE] [--svar CAPTION=ANSWER]... COMMAND [ARGS]\n"
        "      brulini [--ini FILE]   (redigeringsvinduet)\n"
        "\n"
        "Kommandoer:\n";
  for (const auto& k : kKommandoer) {
    std::string linje = std::string("  ") + k.navn;
    if (*k.syntaks) linje += std::string(" ") + k.syntaks;
    ut << linje << '\n' << "      " << k.beskrivelse << '\n';
  }
  ut << "\n"
        "Valg:\n"
        "  --ini FILE             bruk FILE som innstillingsfil (i stedet for registeret/Brul.conf)\n"
        "  --svar CAPTION=ANSWER  svar på spørsmålet med denne tittelen (Ja/Nei eller tekst);\n"
        "                         kan gjentas. Spørsmål og meldinger skrives på standard feil.\n"
        "\n"
        "Avslutningskode: 0 ferdig, 1 feil meldt, 2 feil bruk.\n";
}

struct Tolkning {
  std::optional<std::string> ini;
  std::vector<std::pair<std::string, std::string>> svar;
  bool hjelp = false;
  std::optional<std::string> kommando;
  std::vector<std::string> args;
};

// Reads the global options up to the command's name; everything after the
// name belongs to the command.
Tolkning Tolk(int argc, char** argv) {
  Tolkning t;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    auto verdi = [&](const std::string& valg) -> std::string {
      if (a.size() > valg.size() && a.compare(0, valg.size() + 1, valg + "=") == 0)
        return a.substr(valg.size() + 1);
      if (i + 1 >= argc) throw BrukFeil{valg + " mangler verdi"};
      return argv[++i];
    };
    if (a == "--ini" || a.rfind("--ini=", 0) == 0) {
      std::string fil = verdi("--ini");
      if (fil.empty()) throw BrukFeil{"--ini mangler filnavn"};
      t.ini = fil;
    } else if (a == "--svar" || a.rfind("--svar=", 0) == 0) {
      std::string s = verdi("--svar");
      auto lik = s.find('=');
      if (lik == std::string::npos || lik == 0)
        throw BrukFeil{"--svar må ha formen CAPTION=ANSWER: \"" + s + "\""};
      t.svar.emplace_back(s.substr(0, lik), s.substr(lik + 1));
    } else if (a == "-h" || a == "--help" || a == "--hjelp") {
      t.hjelp = true;
    } else if (!a.empty() && a[0] == '-') {
      throw BrukFeil{"ukjent valg \"" + a + "\""};
    } else {
      t.kommando = a;
      t.args.assign(argv + i + 1, argv + argc);
      break;
    }
  }
  return t;
}

int Bruksfeil(const std::string& tekst) {
  std::cerr << "brulini: " << tekst << "\n\n";
  SkrivBruk(std::cerr);
  return 2;
}

}  // namespace

bool ErKommandolinje(int argc, char** argv) {
  try {
    Tolkning t = Tolk(argc, argv);
    return t.kommando.has_value() || t.hjelp;
  } catch (const BrukFeil&) {
    return true;  // the command line explains what is wrong
  }
}

int Kjor(int argc, char** argv) {
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
  if (!t.kommando)
    return Bruksfeil("mangler kommando (dette bygget av brulini har ikke redigeringsvinduet)");
  const Kommando* kommando = FinnKommando(*t.kommando);
  if (!kommando) return Bruksfeil("ukjent kommando \"" + *t.kommando + "\"");
  const int antall = static_cast<int>(t.args.size());
  if (antall < kommando->minArgs || (kommando->maxArgs >= 0 && antall > kommando->maxArgs))
    return Bruksfeil(std::string("feil antall argumenter til ") + kommando->navn);

  SkriptOperator op;
  op.ekko(&std::cerr);
  for (const auto& [caption, answer] : t.svar) op.svar(caption, answer);
  MedOperator medOperator(op);

  try {
    FinnIniFil(t.ini);
    // Asked once: a scripted Yes that cannot fetch the file would otherwise
    // ask for ever.
    if (!SjekkIniFil(op, 1)) {
      std::cerr << "brulini: finner ikke innstillingsfilen \"" << IniFil << "\"\n";
      return 1;
    }
    Kontekst k{t.args, op, std::cout, std::cerr};
    int kode = kommando->kjor(k);
    std::cout.flush();
    if (kode == 0 && !op.meldinger().empty()) kode = 1;
    return kode;
  } catch (const BrukFeil& f) {
    return Bruksfeil(f.tekst);
  } catch (const std::exception& e) {
    std::cerr << "brulini: " << e.what() << '\n';
    return 1;
  }
}

}  // namespace brul::cli
