#pragma once
// Shared by the preset engine and the per-family preset files: small setters
// that choose list items by text, and the family entry points.
#include <string>
#include <vector>

#include "editor/controls.h"
#include "presets/henteprogram.h"
#include "presets/katalog.h"

namespace brul {

class Editor;

// Puts a text into a combo box and selects the item that matches it without
// regard to letter case (none when no item matches; the text then stays).
// Selecting from code raises no change event, as for the operator's list pick
// in the original window only the explicit handler calls follow.
void VelgTekst(Combo& boks, const std::string& tekst);
// Selects the radio button whose caption matches the text without regard to
// letter case; raises the group's click handler when the selection changes.
void VelgTekst(RadioGroup& gruppe, const std::string& tekst);
// The machine folder as a folder path: a missing final backslash is added, so
// paths built on it never land beside the folder.
std::string MappeSti(const std::string& katalog);

// Writes the fetch programs in list order (each through LagHenteProg).
void LagHenteProg(Editor& e, const std::vector<Henteprogram>& filer);

// The presets of each controller family, run by SettForvalg with the selected
// Styring index S and Alternativ index V.
void ForvalgBurny(Editor& e);
void ForvalgCincinatti(Editor& e, int v);
void ForvalgFagor(Editor& e, int v);
void ForvalgFanuc(Editor& e, int s, int v);
void ForvalgForinstiller(Editor& e, int v);
void ForvalgHaas(Editor& e);
void ForvalgHeidenhain135(Editor& e);
void ForvalgHeidenhain(Editor& e, int s, int v);
void ForvalgHandterminal(Editor& e);
void ForvalgKoike(Editor& e);
void ForvalgLsv2(Editor& e, int v);
void ForvalgMazatrol(Editor& e, int s, int v);
void ForvalgOkuma3000(Editor& e);
void ForvalgOkuma(Editor& e, int s, int v);
void ForvalgParallell(Editor& e, int v);
void ForvalgPhilips(Editor& e, int v);
void ForvalgSiemens(Editor& e, int s, int v);
void ForvalgSmt(Editor& e);
void ForvalgStandardIso(Editor& e, int v);

}  // namespace brul
