#include "app/tilstand.h"

namespace brul {
std::string IniFil;
std::string ExeKatalog;
std::string DataKatalog;
}  // namespace brul
