#include "platform/register.h"

#include <utility>

#include "platform/fil.h"
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
    Stasjonskart kart;
    for (char bokstav = 'A'; bokstav <= 'Z'; ++bokstav) {
      std::string mappe = LesFraFil(fil_, "Stasjoner", std::string(1, bokstav), "");
      if (!mappe.empty()) kart[bokstav] = mappe;
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
