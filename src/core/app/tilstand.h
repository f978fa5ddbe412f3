#pragma once
// The start-up state: set once by FinnIniFil before any window exists, then
// read by everyone. The values are the store's installation, under the names
// the program has always used for them.
#include <string>

#include "store/installasjon.h"

namespace brul {

extern std::string& IniFil;       // the settings file; never empty after start-up
extern std::string& ExeKatalog;   // program folder, ends with a backslash
extern std::string& DataKatalog;  // data folder, ends with a backslash

}  // namespace brul
