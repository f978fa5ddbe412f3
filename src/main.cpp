// brulini: with no arguments the desktop editor, with a sub-command the
// command line (which needs no display).
#include "cli/cli.h"

#ifdef BRUL_HAS_GUI
#include "gui/app.h"
#endif

int main(int argc, char** argv) {
  if (brul::cli::ErKommandolinje(argc, argv)) return brul::cli::Kjor(argc, argv);
#ifdef BRUL_HAS_GUI
  return brul::gui::Kjor(argc, argv);
#else
  return brul::cli::Kjor(argc, argv);
#endif
}
