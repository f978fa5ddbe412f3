#pragma once
// Shared by the start-up tests: a scratch folder that disappears with the
// test, and the start-up state and drive map put back as they were.
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "app/tilstand.h"
#include "platform/sti.h"

namespace brul::test::oppstart {

class Kladd {
 public:
  Kladd() {
    std::random_device rd;
    rot_ = std::filesystem::temp_directory_path() /
           ("brul-oppstart-" + std::to_string(rd()) + "-" + std::to_string(rd()));
    std::filesystem::create_directories(rot_);
  }
  ~Kladd() {
    std::error_code ec;
    std::filesystem::remove_all(rot_, ec);
  }
  Kladd(const Kladd&) = delete;
  Kladd& operator=(const Kladd&) = delete;

  const std::filesystem::path& rot() const { return rot_; }
  // The local path of a relative name, with '/' between the parts.
  std::string sti(const std::string& relativ = "") const {
    return relativ.empty() ? rot_.string() + "/" : (rot_ / relativ).string();
  }
  void mappe(const std::string& relativ) const { std::filesystem::create_directories(rot_ / relativ); }
  void fil(const std::string& relativ, const std::string& innhold) const {
    auto p = rot_ / relativ;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << innhold;
  }
  std::string les(const std::string& relativ) const {
    std::ifstream inn(rot_ / relativ, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(inn), {});
  }

 private:
  std::filesystem::path rot_;
};

// Puts IniFil, ExeKatalog, DataKatalog and the drive map back after a test.
class BevarTilstand {
 public:
  BevarTilstand()
      : ini_(IniFil), exe_(ExeKatalog), data_(DataKatalog), kart_(platform::Stasjoner()) {}
  ~BevarTilstand() {
    IniFil = ini_;
    ExeKatalog = exe_;
    DataKatalog = data_;
    platform::SettStasjoner(kart_);
  }
  BevarTilstand(const BevarTilstand&) = delete;
  BevarTilstand& operator=(const BevarTilstand&) = delete;

 private:
  std::string ini_, exe_, data_;
  platform::Stasjonskart kart_;
};

}  // namespace brul::test::oppstart

// Other tests use these under their short names. The classes themselves live
// in their own namespace: tests/core/editor_felles.h has a Kladd of its own,
// and two classes of one name in one test program would silently share
// inline code.
namespace brul::test {
using oppstart::BevarTilstand;
using oppstart::Kladd;
}  // namespace brul::test
