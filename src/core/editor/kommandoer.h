#pragma once
// The editor's auxiliary commands that reach outside the dialog: the settings
// file in a text editor, the folder browser of the folder fields, the
// presetter tips and the page layout of the window print. None of them
// changes the settings file.
#include <string>

namespace brul {

class Edit;
class Editor;

// A field's text read as a whole number, 0 when it is not one (blanks, a
// sign, decimal digits, or hexadecimal ones after "$", "x" or "0x"; a number
// beyond the integer range is not one either).
long HeltallEllerNull(const std::string& tekst);

// ComPortBtnClick: the overview's machine count, from the Maskiner field as
// typed (saved or not).
long OversiktAntall(const Editor& e);

// Brul_INIClick: opens IniFil in the operator's text editor and returns at
// once. When no editor can be started (none chosen and no desktop opener),
// the operator is told how to choose one; what the editor does later is not
// watched.
void ApneIniFil();

// Where a stored path (C:\Brul\Brul.ini) lies on this system, as the last
// line of a message that names the file as it is stored: empty where the two
// are the same or the path has no place here.
std::string HerPaMaskinen(const std::string& lagret);

// KatalogDblClick: the folder browser titled "Velg katalog, " + the machine's
// name; on OK the field gets the chosen folder with a closing separator (its
// change rule runs), on Cancel nothing changes. True when a folder was chosen.
bool VelgKatalogFor(Edit& felt, const std::string& maskinNavn);
// The message when a folder has no form the Windows programs can read:
// `grunn` says why, and which folders can be used.
std::string KatalogAvvist(const std::string& grunn);

// ForInstTipsClick: caption and text of the presetter tips for the machine
// section selected in the bottom bar.
inline constexpr const char* ForInstTipsCaption = "Forinnstiller - tips";
std::string ForInstTipsTekst(const std::string& valgtSeksjon);

// FormDblClick: where the window image goes on the printed page. The image
// keeps its proportions and fills the page height, or the page width when the
// full height would make it wider than the page.
struct Flate {
  double x = 0, y = 0, bredde = 0, hoyde = 0;
};
Flate UtskriftFlate(double bildeBredde, double bildeHoyde, double sideBredde, double sideHoyde);
inline constexpr const char* UtskriftCaption = "Utskrift";
inline constexpr const char* UtskriftTekst = "Siden har blitt skrevet ut";

}  // namespace brul
