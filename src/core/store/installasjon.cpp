#include "store/installasjon.h"

namespace brul::lager {
constinit Installasjon installasjonen;
}  // namespace brul::lager
