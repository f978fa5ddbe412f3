#pragma once
// Shared by the settings-store tests: a scratch drive C: mapped to a temporary
// folder, IniFil pointing into it, and the operator recording every message.
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "app/skriptoperator.h"
#include "app/tilstand.h"
#include "platform/sti.h"

namespace brul::test {

class StoreKladd {
 public:
  StoreKladd()
      : ini_(IniFil), kart_(platform::Stasjoner()) {
    std::random_device rd;
    rot_ = std::filesystem::temp_directory_path() /
           ("brul-store-" + std::to_string(rd()) + "-" + std::to_string(rd()));
    std::filesystem::create_directories(rot_ / "Brul");
    platform::SettStasjoner({{'C', rot_.string()}});
    IniFil = "C:\\Brul\\Brul.ini";
  }
  ~StoreKladd() {
    IniFil = ini_;
    platform::SettStasjoner(kart_);
    std::error_code ec;
    std::filesystem::permissions(rot_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(rot_, ec);
  }
  StoreKladd(const StoreKladd&) = delete;
  StoreKladd& operator=(const StoreKladd&) = delete;

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

  SkriptOperator logg;

 private:
  std::filesystem::path rot_;
  std::string ini_;
  platform::Stasjonskart kart_;
  MedOperator medOp_{logg};
};

}  // namespace brul::test
