// The commands that show what start-up found and what the store reads.
#include <ostream>

#include "app/tilstand.h"
#include "cli/kommandoer.h"
#include "platform/kodeside.h"
#include "store/settings.h"
#include "store/visuell.h"

namespace brul::cli {

int KommandoPaths(Kontekst& k) {
  k.ut << "IniFil=" << IniFil << '\n'
       << "ExeKatalog=" << ExeKatalog << '\n'
       << "DataKatalog=" << DataKatalog << '\n';
  return 0;
}

int KommandoGet(Kontekst& k) {
  const std::string standard = k.args.size() > 2 ? k.args[2] : std::string();
  k.ut << LesStreng(k.args[0], k.args[1], standard) << '\n';
  return 0;
}

int KommandoDecode(Kontekst& k) {
  std::string tekst = k.args[0];
  FraVisuell(tekst);
  // The transfer programs send these bytes on the line, so they are written
  // as the code page holds them, with nothing added.
  std::string bytes;
  std::string ugyldig;
  if (!Utf8TilWin1252(tekst, bytes, &ugyldig)) {
    k.feil << "decode: tegnet \"" << ugyldig << "\" finnes ikke i Windows-1252\n";
    return 1;
  }
  k.ut << bytes;
  return 0;
}

}  // namespace brul::cli
