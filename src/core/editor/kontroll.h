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
std::vector<Funn> Kontroller();

// One finding as a tab-separated line: severity, where, page, key, text.
std::string FunnLinje(const Funn& f);

}  // namespace brul
