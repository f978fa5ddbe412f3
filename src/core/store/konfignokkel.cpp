#include "store/konfignokkel.h"

#include <utility>

#include "platform/fil.h"
#include "store/ini_document.h"
#include "store/settings.h"

namespace brul::lager {
namespace {

class KonfigNokkel final : public platform::BrulNokkel {
 public:
  explicit KonfigNokkel(std::string fil) : fil_(std::move(fil)) {}
  std::string les(const std::string& navn) const override {
    if (navn.empty()) return {};
    return LesFraFil(fil_, "Brul", navn, "");
  }
  platform::Stasjonskart stasjoner() const override {
    // Drive letters (C=/srv/brul) and network paths (\\SRV\CNC=/mnt/cnc);
    // other names map nothing. The first of two spellings of one entry wins,
    // as the first of two equal keys does.
    platform::Stasjonskart kart;
    const platform::FilLesing lest = platform::LesHeleFil(fil_);
    if (lest.status != platform::LeseStatus::Ok) return kart;
    const IniDocument dok = IniDocument::fraBytes(lest.bytes);
    for (const std::string& navn : dok.nokler("Stasjoner")) {
      const platform::Stasjon stasjon(navn);
      std::string mappe = dok.les("Stasjoner", navn).value_or("");
      if (stasjon.gyldig() && !mappe.empty()) kart.try_emplace(stasjon, std::move(mappe));
    }
    return kart;
  }

 private:
  std::string fil_;
};

bool FilFinnes(const std::string& fil) { return !fil.empty() && platform::FinnesFil(fil); }

}  // namespace

std::unique_ptr<platform::BrulNokkel> ApneBrulNokkel(const platform::KonfigFiler& filer) {
  // As with the registry: the machine-wide key wins when it exists at all,
  // and the user's key is looked at only when it does not.
  if (FilFinnes(filer.maskin)) return std::make_unique<KonfigNokkel>(filer.maskin);
  if (FilFinnes(filer.bruker)) return std::make_unique<KonfigNokkel>(filer.bruker);
  return nullptr;
}

std::unique_ptr<platform::BrulNokkel> ApneBrulNokkel() {
  if (auto nokkel = platform::ApneRegisterNokkel()) return nokkel;
  return ApneBrulNokkel(platform::FinnKonfigFiler());
}

}  // namespace brul::lager
