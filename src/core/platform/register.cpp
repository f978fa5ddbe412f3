#include "platform/register.h"

#include <utility>

#include "platform/fil.h"
#include "store/ini_document.h"
#include "store/settings.h"
#include "store/tekst.h"

namespace brul::platform {
namespace {

// Brul.conf is an INI file like the settings file, so the store reads it; it
// is only ever read here.
class KonfigNokkel final : public BrulNokkel {
 public:
  explicit KonfigNokkel(std::string fil) : fil_(std::move(fil)) {}
  std::string les(const std::string& navn) const override {
    if (navn.empty()) return {};
    return LesFraFil(fil_, "Brul", navn, "");
  }
  Stasjonskart stasjoner() const override {
    // Drive letters (C=/srv/brul) and network paths (\\SRV\CNC=/mnt/cnc);
    // other names map nothing. The first of two spellings of one entry wins,
    // as the first of two equal keys does.
    Stasjonskart kart;
    const platform::FilLesing lest = LesHeleFil(fil_);
    if (lest.status != LeseStatus::Ok) return kart;
    const IniDocument dok = IniDocument::fraBytes(lest.bytes);
    for (const std::string& navn : dok.nokler("Stasjoner")) {
      const Stasjon stasjon(navn);
      std::string mappe = dok.les("Stasjoner", navn).value_or("");
      if (stasjon.gyldig() && !mappe.empty()) kart.try_emplace(stasjon, std::move(mappe));
    }
    return kart;
  }

 private:
  std::string fil_;
};

bool FilFinnes(const std::string& fil) { return !fil.empty() && FinnesFil(fil); }

}  // namespace

std::unique_ptr<BrulNokkel> ApneBrulNokkel(const KonfigFiler& filer) {
  // As with the registry: the machine-wide key wins when it exists at all,
  // and the user's key is looked at only when it does not.
  if (FilFinnes(filer.maskin)) return std::make_unique<KonfigNokkel>(filer.maskin);
  if (FilFinnes(filer.bruker)) return std::make_unique<KonfigNokkel>(filer.bruker);
  return nullptr;
}

std::string MinneNokkel::les(const std::string& navn) const {
  for (const auto& [n, verdi] : verdier_)
    if (LikTekst(n, navn)) return verdi;
  return {};
}

}  // namespace brul::platform
