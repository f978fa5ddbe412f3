#include "store/merknad.h"

#include <cstdio>

namespace brul::lager {
namespace {

void TilStandardFeil(const Merknad& m) { std::fprintf(stderr, "%s: %s\n", m.tittel.c_str(), m.tekst.c_str()); }

Merknadsmottaker mottakeren = &TilStandardFeil;

}  // namespace

void SettMerknadsmottaker(Merknadsmottaker mottaker) { mottakeren = mottaker ? mottaker : &TilStandardFeil; }

void Merk(const std::string& tittel, const std::string& tekst) { mottakeren(Merknad{tittel, tekst}); }

}  // namespace brul::lager
