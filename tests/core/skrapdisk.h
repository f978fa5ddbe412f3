#pragma once
// A scratch drive C: in a temporary folder, with IniFil = C:\Brul\Brul.ini,
// for tests that go through the store as an installation would. IniFil and
// the drive map are put back, and the folder removed, when the test ends.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "app/tilstand.h"
#include "platform/sti.h"

namespace brul::test {

class SkrapDisk {
 public:
  explicit SkrapDisk(const std::string& navn) : ini_(IniFil), kart_(platform::Stasjoner()) {
    std::random_device rd;
    rot_ = std::filesystem::temp_directory_path() /
           ("brul-" + navn + "-" + std::to_string(rd()) + "-" + std::to_string(rd()));
    std::filesystem::create_directories(rot_ / "Brul");
    platform::SettStasjoner({{'C', rot_.string()}});
    IniFil = "C:\\Brul\\Brul.ini";
  }
  ~SkrapDisk() {
    IniFil = ini_;
    platform::SettStasjoner(kart_);
    std::error_code ec;
    // A test may have taken the write bit away to make a commit fail.
    std::filesystem::permissions(rot_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(rot_, ec);
  }
  SkrapDisk(const SkrapDisk&) = delete;
  SkrapDisk& operator=(const SkrapDisk&) = delete;

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

}  // namespace brul::test
