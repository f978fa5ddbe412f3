#pragma once
// The key tables of every page: for each key its section kind, value kind,
// read and write default, the control that shows it and the rule or named
// conversion between the two. Loading and saving a page walk its table in
// order; the order is the order the transfer programs' installers and the
// tests rely on.
#include <string>
#include <vector>

#include "schema/sider.h"

namespace brul {

enum class SeksjonsType { Program, Maskin, Port };
enum class VerdiType { Tekst, Bool };

// How a control shows a key.
enum class Regel {
  Tekst,       // edit box: the text
  Liste,       // combo box: the text, then the matching item selected
  ListeTekst,  // combo box: the text only (Com and Baud on the page "Maskin")
  ListeValg,   // combo box: only the matching item is selected at load; saved as the text
  Valg,        // radio group: the matching item; saved as its text, not at all without a selection
  Tick,        // check box
  Spesial,     // a named conversion (Konvertering)
};

// The special conversions; the editor holds one load and one save function for each.
enum class Konvertering {
  Ingen,
  Styring,         // text, selection, then StyringChange
  HandShakeBoks,   // four port booleans <-> the HandShake combo box
  HandShakeRadio,  // the same <-> the HandShakeR radio group
  PortCom,         // Port on the page "Com": Com text and selection, ComPort follows
  BaudCom,         // Baud on the page "Com": Baud text and selection, BaudRate follows; saved from BaudRate
  Paritet,         // first letter <-> Even / None / Odd
  TimeSize,        // TimeSize, Time, Size <-> the TimeSize radio group
  NomReg,          // NomReg, then the check against ToolReg
  MazatrolAuto,    // ProgLinje and TekstLinje <-> one check box
  MazPrint,        // port FjernNull (inverted) and machine FjernTegn <-> one check box
  Linjer2,         // Linjer "2"/"4" <-> one check box
  ToolGrid,        // System, ProgDiv, FilNavn, NomSjekk, ToolReg, NomReg + n
  BoksGrid,        // Bit labels, Parameter + label, Kommentar + label
  AnnetGrid,       // Variabel + slot and the variables themselves
};

// A default: a fixed text, or taken from elsewhere at the moment of use.
struct Standard {
  enum class Type {
    Fast,           // `verdi` as it stands ("True"/"False" for booleans)
    Kontroll,       // the text (or tick) of the control named `verdi`
    IkkeKontroll,   // the opposite tick of the check box named `verdi`
    Seksjon,        // the machine's section name (Maskin3)
    StrekSeksjon,   // "-" followed by the machine's section name
    PortForvalg,    // "Com" followed by the machine number plus 2
    MaskinKatalog,  // the machine's default folder
    ProgramExt,     // the installation's program extension
    StartKode,      // "%X" while the page "Protokoll" is shown, "%" while hidden
  };
  Type type = Type::Fast;
  std::string verdi;
};

// When a row takes part.
enum class Bruk {
  Begge,             // loaded and saved
  BareLes,           // loaded only (BareTall on the page "Protokoll")
  BareLagre,         // saved only (the basic-setup keys written first by some pages)
  LagreUtenForvalg,  // loaded; saved only while no preset is armed
};

// What a text key's value names, for the keys that hold a path. Such a value
// is stored as the Windows programs that read the file name it.
enum class Sti { Ingen, Mappe, Fil };

struct Nokkel {
  std::string nokkel;
  SeksjonsType seksjon = SeksjonsType::Maskin;
  VerdiType type = VerdiType::Tekst;
  std::string kontroll;
  Regel regel = Regel::Tekst;
  Standard les;
  Standard skriv;  // the write default; the read default unless the row says otherwise
  Konvertering konvertering = Konvertering::Ingen;
  Bruk bruk = Bruk::Begge;
  Sti sti = Sti::Ingen;
};

// The keys of a page in load and save order.
const std::vector<Nokkel>& Nokler(SideId side);

// The write default of HardwareStart for a handshake item (True only for
// items 1 and 3), and the four booleans each handshake item is saved as.
struct HandShakeVerdier {
  bool handShake, xonXoff, sendDelay, hardwareStart, hardwareStartForvalg;
};
HandShakeVerdier HandShakeLagring(int item);
// The handshake item the four stored booleans select. Item 4 needs XonXoff
// as well: HardwareStart alone belongs to item 3 as it is saved.
int HandShakeValg(bool handShake, bool xonXoff, bool sendDelay, bool hardwareStart);

}  // namespace brul
