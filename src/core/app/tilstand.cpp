#include "app/tilstand.h"

namespace brul {
std::string& IniFil = lager::installasjonen.iniFil;
std::string& ExeKatalog = lager::installasjonen.exeKatalog;
std::string& DataKatalog = lager::installasjonen.dataKatalog;
}  // namespace brul
