#pragma once
// The sixteen pages of the editor as data: their order, captions, groups and
// the controls in each group. The window builds itself from this table, the
// loader and the saver walk the key tables of the same pages, so a control,
// its caption and its key are written down once.
#include <string>
#include <vector>

namespace brul {

// In tab order.
enum class SideId {
  Program, Maskin, Filer, Com, Protokoll, Henteprog, Henteprog2, ToolDir,
  Mazak, Terminal, Parallell, ForInst, Logging, LoggeBoks, FTP, Annet
};
constexpr int AntallSider = 16;

// A control placed on a page. `kontroll` is the control's registry name; for
// an edit box `tekst` is its label ("Navn:"), for a check box its caption; a
// radio group and a grid carry their own captions and leave it empty. An empty
// `kontroll` is a static text (a note beside a field).
struct Felt {
  std::string kontroll;
  std::string tekst;
  std::string hint;   // tool tip, empty for none
  int hjelp = 0;      // help context number, 0 for none
  std::string label;  // registry name of the label control when it has one (ProtokollL)
};

struct Gruppe {
  std::string navn;   // control name of the group box when it has one (Grunnoppsett)
  std::string tekst;  // caption; empty for controls placed directly on the page or
                      // in the enclosing group, without a frame of their own
  std::vector<Felt> felter;
  int hjelp = 0;      // help context number of the group box, 0 for none
  std::vector<Gruppe> grupper;  // nested group boxes
};

struct SideOppsett {
  SideId id;
  std::string navn;   // TabMaskin
  std::string tekst;  // "Maskin"
  int hjelp = 0;
  std::vector<Gruppe> grupper;
};

// The pages in tab order.
const std::vector<SideOppsett>& Sider();
const SideOppsett& Side(SideId id);
// The bottom bar below the pages (machine selector and buttons), help 10.
const Gruppe& BunnLinje();
// Help context number of the page control itself.
constexpr int SideKontrollHjelp = 50;
// The page of a control by its registry name (the bottom bar is no page:
// nullptr), and the control's entry.
const SideOppsett* SideMedKontroll(const std::string& kontroll);
const Felt* FinnFelt(const std::string& kontroll);

}  // namespace brul
