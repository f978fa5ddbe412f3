#pragma once
// The start-up state: set once by FinnIniFil before any window exists, then
// read by everyone. Paths are kept as the installation writes them
// (C:\Brul\Brul.ini); platform::LokalSti turns them into paths of this system.
#include <string>

namespace brul {

extern std::string IniFil;       // the settings file; never empty after start-up
extern std::string ExeKatalog;   // program folder, ends with a backslash
extern std::string DataKatalog;  // data folder, ends with a backslash

}  // namespace brul
