#pragma once
// What the store has to say beside a commit's outcome: a value refused inside
// one of the typed reads and writes, a single write that failed with no
// caller to tell it. The store never talks to the operator itself; it hands
// the note to whoever the layer above installed (the operator, at start-up),
// and until then to standard error, so nothing said is lost.
#include <string>

namespace brul::lager {

struct Merknad {
  std::string tittel;  // the caption the operator sees
  std::string tekst;
};

using Merknadsmottaker = void (*)(const Merknad&);

// Installs `mottaker`; nullptr restores standard error.
void SettMerknadsmottaker(Merknadsmottaker mottaker);
void Merk(const std::string& tittel, const std::string& tekst);

}  // namespace brul::lager
