#pragma once
// The main window on a scratch installation in a temporary folder, shared by
// the window tests: the paths a test sets are put back, the model's
// questions go to a scripted operator, and the window goes before the
// editor it shows.
#include <QTemporaryDir>
#include <fstream>
#include <memory>
#include <string>

#include "app/skriptoperator.h"
#include "core/oppstart_felles.h"
#include "editor/editor.h"
#include "gui/hovedvindu.h"
#include "presets/forvalg.h"

namespace brul::test {

struct VinduKladd {
  QTemporaryDir dir;
  BevarTilstand bevar;
  SkriptOperator op;
  MedOperator med{op};
  std::unique_ptr<Editor> ed;
  std::unique_ptr<gui::HovedVindu> vindu;

  // The temporary folder, with a closing slash.
  std::string rot() const { return dir.path().toStdString() + "/"; }
  // Writes `ini` as the file `relativ` below the folder.
  void skrivFil(const std::string& relativ, const std::string& ini) const {
    std::ofstream(rot() + relativ, std::ios::binary) << ini;
  }
  // The editor and its window, once the installation is in place.
  void lagVindu() {
    RegistrerForvalg();
    ed = std::make_unique<Editor>();
    vindu = std::make_unique<gui::HovedVindu>(*ed);
  }
};

}  // namespace brul::test
