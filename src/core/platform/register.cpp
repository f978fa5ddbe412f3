#include "platform/register.h"

#include "platform/tekst.h"

namespace brul::platform {

std::string MinneNokkel::les(const std::string& navn) const {
  for (const auto& [n, verdi] : verdier_)
    if (LikTekst(n, navn)) return verdi;
  return {};
}

}  // namespace brul::platform
