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
#include "store/settings.h"

namespace brul::test {

// The demo installation's settings file, beside the sources.
inline std::filesystem::path DemoIni() {
  return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "demo" / "Brul.ini";
}

// A scratch drive C: in a temporary folder, IniFil = C:\Brul\Brul.ini.
class EditorFilKladd {
 public:
  EditorFilKladd() : ini_(IniFil), kart_(platform::Stasjoner()) {
    std::random_device rd;
    rot_ = std::filesystem::temp_directory_path() /
           ("brul-editor-" + std::to_string(rd()) + "-" + std::to_string(rd()));
    std::filesystem::create_directories(rot_ / "Brul");
    platform::SettStasjoner({{'C', rot_.string()}});
    IniFil = "C:\\Brul\\Brul.ini";
  }
  ~EditorFilKladd() {
    IniFil = ini_;
    platform::SettStasjoner(kart_);
    std::error_code ec;
    std::filesystem::remove_all(rot_, ec);
  }
  EditorFilKladd(const EditorFilKladd&) = delete;
  EditorFilKladd& operator=(const EditorFilKladd&) = delete;

  const std::filesystem::path& rot() const { return rot_; }
  std::filesystem::path ini() const { return rot_ / "Brul" / "Brul.ini"; }
  void skriv(const std::string& innhold) const { Skriv(ini(), innhold); }
  std::string les() const { return Les(ini()); }
  static void Skriv(const std::filesystem::path& p, const std::string& innhold) {
    std::ofstream(p, std::ios::binary | std::ios::trunc) << innhold;
  }
  static std::string Les(const std::filesystem::path& p) {
    std::ifstream inn(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(inn), {});
  }

 private:
  std::string ini_;
  platform::Stasjonskart kart_;
  std::filesystem::path rot_;
};

class EditorKladd : public EditorFilKladd {
 public:
  explicit EditorKladd(const std::string& ini) { skriv(ini); }

  // Creates the editor as start-up does.
  Editor& start() {
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
