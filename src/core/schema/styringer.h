#pragma once
// The controller catalogue: 26 controller types in list order, each with its
// variants, as the Styring and Alternativ lists show them. The settings file
// stores their texts; the presets name their positions (presets/katalog.h).
#include <string>
#include <vector>

namespace brul {

struct Styringstype {
  std::string navn;
  std::vector<std::string> alternativer;  // empty: the fallback list applies
};

// The 26 types in the order of the Styring list.
const std::vector<Styringstype>& StyringsKatalog();
// The texts of the Styring list.
const std::vector<std::string>& StyringsTekster();
// The variant list for a Styring index: the index is taken as an unsigned 8-bit
// value (-1 becomes 255); types without a list of their own and indices outside
// the catalogue get the fallback list ("Standard oppsett").
const std::vector<std::string>& Alternativer(int styringsIndeks);

}  // namespace brul
