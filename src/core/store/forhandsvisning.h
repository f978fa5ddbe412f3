#pragma once
// What a save will do, found by doing it: while a Torrkjoring is alive every
// commit of the settings file, every folder creation and every fetch-program
// file goes to memory instead of the disk, so the real save path runs and the
// files stay untouched. The key-level difference of two file contents
// (Forskjell) describes both a dry run and a save that really happened, so the
// preview and the history use one description.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/fil.h"
#include "store/ini_document.h"

namespace brul {

// One key that a save writes, changes or deletes.
struct NokkelEndring {
  std::string seksjon, nokkel;
  std::optional<std::string> gammel, ny;  // nullopt: absent before / after
};

struct Endringer {
  std::vector<NokkelEndring> nokler;       // per section, in file order
  std::vector<std::string> slettedeSeksjoner;
  struct Fil {
    std::string sti;   // as the editor names it (C:\BRUL\MASKIN1\5000.NC)
    bool erstattes = false;
    friend bool operator==(const Fil&, const Fil&) = default;
  };
  std::vector<Fil> filer;                  // fetch-program files written
  std::vector<std::string> kataloger;      // folders created
  bool tom() const { return nokler.empty() && slettedeSeksjoner.empty() && filer.empty() && kataloger.empty(); }
};

// The key-level difference between two contents of the settings file: keys
// added, changed or removed (as the profile functions read them: first
// section and first key of a name), and sections that are gone.
Endringer Forskjell(std::string_view forBytes, std::string_view etterBytes);
// The same for contents already read (a save has the new one at hand).
Endringer Forskjell(const IniDocument& a, const IniDocument& b);

// The sections (with an empty key) and keys a save's operations touched.
using Berorte = std::vector<std::pair<std::string, std::string>>;
// The difference in the sections of `berorte` alone (names without regard to
// case), for a `b` made from `a` by operations that touched only those: the
// other sections are the same and need no comparison.
Endringer Forskjell(const IniDocument& a, const IniDocument& b, const Berorte& berorte);

// What a save's operations touched, with those sections as they stood before
// it: all a description of the save needs, without the whole old file.
struct Berort {
  Berorte nokler;
  IniDocument for_;  // the touched sections alone (IniDocument::seksjonsBytes)
};

// A section name as a look-up matches it: blanks around it and letter case
// do not count.
std::string Seksjonsnavn(const std::string& navn);

// The description for the operator, one line each, Norwegian:
//   [Maskin1]
//     Baud: "9600" → "19200"
//     Navn: ny, "DREIEBENK"
//     TimeOut: slettes (var "3")
//   [Com4]: seksjonen slettes
//   Katalog opprettes: C:\BRUL\MASKIN1
//   Fil skrives: C:\BRUL\MASKIN1\5000.NC   (or "Fil erstattes: ...")
std::vector<std::string> Beskrivelse(const Endringer& e);

// A dry run of everything the program saves while it is alive; an inner one
// joins the outer.
class Torrkjoring {
 public:
  Torrkjoring();
  // A dry run that takes the settings file (local path `lokal`) to hold
  // `fil`, read already, instead of reading it again.
  Torrkjoring(const std::string& lokal, const platform::FilLesing& fil);
  ~Torrkjoring();
  Torrkjoring(const Torrkjoring&) = delete;
  Torrkjoring& operator=(const Torrkjoring&) = delete;
  // Everything the saves so far would have done.
  Endringer endringer() const;
  // Only the fetch-program files so far (cheap: no comparison of the file).
  std::vector<Endringer::Fil> filer() const;

 private:
  bool eier_ = false;
};

bool ITorrkjoring();

// The dry run's side of the store's disk operations (store/erstatning.h):
// while a dry run is running, each is done on its copies and gives the
// result; outside one each gives nullopt, and the operation goes to the disk.
namespace torr {
std::optional<platform::FilLesing> LesInnstillinger(const std::string& lokal, bool* fraDisk);
std::optional<bool> ErstattInnstillinger(const std::string& lokal, const platform::FilLesing& forrige,
                                         const std::string& bytes);
std::optional<bool> FinnesMappe(const std::string& lokal);
std::optional<bool> LagMappe(const std::string& sti, const std::string& lokal, std::string& grunn);
std::optional<bool> ErstattTekstfil(const std::string& sti, const std::string& lokal, std::string& grunn);
}  // namespace torr

}  // namespace brul
