#pragma once
// The installation the store works on: which settings file every batch reads
// and writes. Start-up fills it once, before any window or command exists,
// and the layers above know it by the names in app/tilstand.h. Paths are kept
// as the installation writes them (C:\Brul\Brul.ini); platform::LokalSti
// turns them into paths of this system.
#include <string>

namespace brul {

struct Installasjon {
  std::string iniFil;       // the settings file; never empty after start-up
  std::string exeKatalog;   // program folder, ends with a backslash
  std::string dataKatalog;  // data folder, ends with a backslash
};

namespace lager {
// The one the running program was started on. Nothing reads or sets it
// before main() begins.
extern Installasjon installasjonen;
// Its settings file, as the installation writes the path.
inline const std::string& Innstillingsfil() { return installasjonen.iniFil; }
}  // namespace lager

}  // namespace brul
