#pragma once
// "Kontroller": a read-only check of the whole settings file and the
// installation it describes, for the mistakes the transfer programs silently
// live with (a duplicate or misspelt key, a malformed control code, a port
// that does not exist, a missing folder or fetch program). Nothing is written.
#include <string>
#include <vector>

#include "schema/sider.h"

namespace brul {

enum class Alvor {
  Feil,      // the transfer programs will misbehave
  Advarsel,  // probably not what was meant
  Info,
};

struct Funn {
  Alvor alvor = Alvor::Info;
  std::string hvor;      // "Maskin3", "Program", "Com4", "Fil", or a file-index folder
  int maskin = 0;        // the machine to select (1-based), 0 for none
  bool harSide = false;  // whether `side` names the page the key is edited on
  SideId side = SideId::Maskin;
  std::string kontroll;  // the control that edits it, empty for none
  std::string nokkel;    // the key, empty for none
  std::string tekst;     // what is wrong and what to do, Norwegian
};

const char* AlvorTekst(Alvor a);  // "Feil", "Advarsel", "Info"

// Checks IniFil and the folders and files it names. The operator is not
// asked or told anything; the findings come in file order within each kind.
// The fetch programs each machine's preset writes are looked for by running
// the preset dry, which is what costs: `maskin` > 0 limits that to the one
// machine. Inside a running action (an open batch) it is left out, as a dry
// run there would join the action.
std::vector<Funn> Kontroller(int maskin = 0);

// The findings of kind Feil or Advarsel in `etter` that `for_` does not have:
// what a save brought in. Two findings are the same when kind, place, key and
// text agree, the line numbers in the text aside (a line added above a fault
// moves it without making it new).
std::vector<Funn> NyeFunn(const std::vector<Funn>& for_, const std::vector<Funn>& etter);

// One finding as a note for the operator: "Feil i [Com3] Baud: ...".
std::string FunnMerknad(const Funn& f);

// One finding as a tab-separated line: severity, where, page, key, text.
std::string FunnLinje(const Funn& f);

}  // namespace brul
