#pragma once
// The Alt+letter keys of the main window's pages and bottom-bar buttons. The
// model keeps its captions as they are (it compares them and names pages in
// messages); the window shows them with the '&' from here, so an ampersand
// never reaches a text the operator reads.
#include <QString>
#include <string>

namespace brul::gui {

// `tekst` with its key marked ("Maskin" -> "&Maskin"). A caption with no key
// here is shown as it is, a literal '&' and all.
QString MedHurtigtast(const std::string& tekst);

}  // namespace brul::gui
