// brulini: with no arguments the desktop editor, with a sub-command the
// command line (which needs no display).
#include <string>
#include <vector>

#include "cli/cli.h"
#include "platform/konsoll.h"

#ifdef BRUL_HAS_GUI
#include "gui/app.h"
#endif

int main(int argc, char** argv) {
  brul::platform::Konsoll konsoll;
  // The arguments in UTF-8 (on Windows argv holds them in the ANSI code page).
  std::vector<std::string> args = brul::platform::Argumenter(argc, argv);
  std::vector<char*> pekere;
  for (auto& a : args) pekere.push_back(a.data());
  pekere.push_back(nullptr);
  const int antall = static_cast<int>(args.size());
  char** utf8 = pekere.data();

  if (brul::cli::ErKommandolinje(antall, utf8)) return brul::cli::Kjor(antall, utf8);
#ifdef BRUL_HAS_GUI
  return brul::gui::Kjor(antall, utf8);
#else
  return brul::cli::Kjor(antall, utf8);
#endif
}
