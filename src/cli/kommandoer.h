#pragma once
// The sub-commands of the command line. Each gets its own arguments in
// `k.args`, prints its result on `k.ut`, and returns 0 on success or 1 for a
// failure it reported (a message to the operator also counts as one, see
// cli.cpp). A wrong use of the arguments throws BrukFeil. Every command has a
// row in the table in cli.cpp.
#include "cli/cli.h"

namespace brul::cli {

// paths: IniFil=…, ExeKatalog=…, DataKatalog=… one a line.
int KommandoPaths(Kontekst& k);
// get SECTION KEY [DEFAULT]: the value as the editor reads it (upper-cased).
int KommandoGet(Kontekst& k);
// decode TEXT: the bytes a visual string stands for, in Windows-1252.
int KommandoDecode(Kontekst& k);

}  // namespace brul::cli
