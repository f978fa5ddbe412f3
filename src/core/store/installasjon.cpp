#include "store/installasjon.h"

namespace brul::lager {
Installasjon installasjonen;
}  // namespace brul::lager
