#pragma once
// Shared by the editor tests: the editor model on a scratch settings file
// (drive C: mapped to a temporary folder) with a scripted operator.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>

#include "app/skriptoperator.h"
#include "app/tilstand.h"
#include "editor/editor.h"
#include "platform/sti.h"
#include "presets/forvalg.h"
#include "skrapdisk.h"
#include "store/settings.h"

namespace brul::test {

// The demo installation's settings file, beside the sources.
inline std::filesystem::path DemoIni() {
  return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "demo" / "Brul.ini";
}

// A scratch drive C: in a temporary folder, IniFil = C:\Brul\Brul.ini.
class EditorFilKladd : public SkrapDisk {
 public:
  EditorFilKladd() : SkrapDisk("editor") {}
};

class EditorKladd : public EditorFilKladd {
 public:
  explicit EditorKladd(const std::string& ini) { skriv(ini); }

  // Creates the editor as start-up does.
  Editor& start() {
    RegistrerForvalg();
    e = std::make_unique<Editor>();
    e->FormCreate();
    return *e;
  }
  // A key as stored, or "<mangler>" when absent.
  std::string fil(const std::string& seksjon, const std::string& nokkel) const {
    return LesFraFil(IniFil, seksjon, nokkel, "<mangler>");
  }

  SkriptOperator op;
  MedOperator med{op};
  std::unique_ptr<Editor> e;
};

// A small installation: two machines, the second without any keys of its own.
inline std::string ToMaskiner(const std::string& maskin1 = "", const std::string& com = "") {
  return "[Program]\r\nMaskiner=2\r\nMaskin=1\r\n\r\n[Maskin1]\r\nNavn=Fres\r\nPort=Com2\r\n" + maskin1 +
         "\r\n[Com2]\r\nBaud=2400\r\n" + com + "\r\n[Maskin2]\r\n";
}

}  // namespace brul::test
