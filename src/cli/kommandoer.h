#pragma once
// The sub-commands of the command line. Each gets its own arguments in
// `k.args`, prints its result on `k.ut`, and returns 0 on success or 1 for a
// failure it reported (a message to the operator also counts as one, see
// cli.cpp). A wrong use of the arguments throws BrukFeil. Every command has a
// row in the table in cli.cpp.
#include <string>
#include <vector>

#include "cli/cli.h"

namespace brul {
class Editor;
}

namespace brul::cli {

// A message that is advice (a tip) or a note beside a save that stands: it
// goes to standard error and does not make the exit status a failure.
bool ErMerknad(const std::string& caption);

// paths: IniFil=…, ExeKatalog=…, DataKatalog=… one a line.
int KommandoPaths(Kontekst& k);
// get SEKSJON NØKKEL [STANDARD]: the value as the editor reads it (upper-cased).
int KommandoGet(Kontekst& k);
// decode TEKST: the bytes a visual string stands for, in Windows-1252.
int KommandoDecode(Kontekst& k);
// ports [--by-port|--by-machine]: the COM-port overview as the clipboard text.
int KommandoPorts(Kontekst& k);
// index: the file index, as when the operator ticks Indeks on the page
// "Program" and answers Yes.
int KommandoIndex(Kontekst& k);

// show MASKIN: the pages and every control as the editor shows the machine.
int KommandoShow(Kontekst& k);
// set MASKIN KONTROLL=VERDI...: operator edits page by page, then OK.
int KommandoSet(Kontekst& k);
// preset MASKIN STYRING ALTERNATIV [--opprett-henteprogram] [--behold-port].
int KommandoPreset(Kontekst& k);

// controls [SIDE]: the controls set takes, page by page, with what each takes.
int KommandoControls(Kontekst& k);
// presets [STYRING]: the controller types and their variants preset takes.
int KommandoPresets(Kontekst& k);
// The names of the controls `controls` lists, page by page: what set takes.
std::vector<std::string> KontrollNavn(Editor& e);

// set/preset with --vis: the save as a dry run, printing what it would
// change; without --vis they are set and preset.
int KommandoSetVis(Kontekst& k);
int KommandoPresetVis(Kontekst& k);
// check: every finding of the check, one a line; 1 when one is a Feil.
int KommandoCheck(Kontekst& k);
// history [N]: the saves kept, newest first; with N what that save changed.
int KommandoHistory(Kontekst& k);
// restore N: the file as it was before save N, as one save.
int KommandoRestore(Kontekst& k);

}  // namespace brul::cli
