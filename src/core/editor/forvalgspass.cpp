#include "editor/forvalgspass.h"

#include <stdexcept>
#include <utility>

namespace brul {
namespace {

// Held in a function so that a registration made while the program's statics
// are set up finds it ready.
Forvalgspass& Pass() {
  static Forvalgspass pass;
  return pass;
}

}  // namespace

void RegistrerForvalgspass(Forvalgspass pass) { Pass() = std::move(pass); }

void KjorForvalgspass(Editor& e) {
  if (!Pass()) throw std::logic_error("ingen forvalg er registrert for redigeringen");
  Pass()(e);
}

}  // namespace brul
