#pragma once
// Context help: every page and most controls carry a help context number, and
// the help folder "Hjelp" beside the program holds one topic per number
// (1010.html) and a contents page (index.html). The window's help viewer and
// its pop-up menu ask here which topic to show.
#include <filesystem>
#include <string>
#include <vector>

namespace brul {

struct HjelpRad {
  std::string navn;  // registry name of the page, group or control
  int nr;
};

// Every numbered page, group and control of the editor, with the bottom bar
// and the page control. Pages come from the page table, the bottom bar from
// here.
std::vector<HjelpRad> HjelpTabell();

// The control's own help context number (ContextNrClick shows it); 0 for a
// control without one. A label shows its field's number.
int HjelpNr(const std::string& navn);

// The number whose topic "Hva er dette ?" and F1 show for a control: its own
// number, else that of the page that holds it, else 0 (the contents).
int HjelpNrForEmne(const std::string& navn);

// The page topic a number belongs to: n×100 for the numbers of page n, 10 for
// the bottom bar's small numbers, 0 for 0.
int SideNr(int nr);

// The help folder: ExeKatalog + "Hjelp\" of the installation, else the folder
// "Hjelp" beside the running program (a build tree or an installation whose
// program folder was moved), else share/brulini/Hjelp under the program's
// prefix (an installation by `cmake --install`). A folder counts only when it
// holds index.html. Empty when none does.
std::filesystem::path HjelpKatalog();
std::filesystem::path HjelpKatalog(const std::vector<std::filesystem::path>& kandidater);

// The file of topic nr in the folder: nr.html; a number without a topic of
// its own falls back to its page's topic, and then to the contents page.
// Empty when not even the contents page exists.
std::filesystem::path HjelpEmne(const std::filesystem::path& katalog, int nr);

}  // namespace brul
