// The parts of the file primitives that are the same on every system.
#include "platform/fil.h"

namespace brul::platform {
namespace {
Ventevarsel varsel = nullptr;
}

void SettVentevarsel(Ventevarsel v) { varsel = v; }

void Varsle(const std::string& tekst) {
  if (varsel) varsel(tekst);
}

std::string LaasSti(const std::string& lokalIni) { return lokalIni + ".lock"; }

}  // namespace brul::platform
