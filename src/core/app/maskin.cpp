#include "app/maskin.h"

#include <cstdint>

#include "app/tilstand.h"
#include "platform/fil.h"
#include "platform/sti.h"
#include "store/settings.h"

namespace brul {

std::string MaskinSeksjon(int nummer) {
  return "Maskin" + std::to_string(static_cast<std::uint8_t>(nummer));
}

std::string MaskinKatalog(int nummer) {
  const std::string seksjon = MaskinSeksjon(nummer);
  std::string katalog = LesStreng(seksjon, "Katalog", "");
  if (!katalog.empty()) return katalog;

  const std::string egen = DataKatalog + seksjon;
  if (platform::FinnesMappe(platform::LokalSti(egen)))
    return platform::MedSkilletegn(egen);
  return DataKatalog;
}

}  // namespace brul
