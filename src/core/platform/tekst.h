#pragma once
// Text rules of the settings file: Windows-1252 upper-casing and comparison of
// UTF-8 texts, and the list look-up every combo box and radio group uses.
#include <string>
#include <string_view>
#include <vector>

namespace brul {

// Upper-cases with the Windows-1252 locale rule (æ ø å → Æ Ø Å and the other
// Latin letters); characters outside Windows-1252 stay as they are.
std::string TilStore(std::string_view utf8);
// Equal without regard to letter case, by the same rule.
bool LikTekst(std::string_view a, std::string_view b);
// Index of the first item equal to `tekst` without regard to case, -1 if none.
int FinnIndeks(std::string_view tekst, const std::vector<std::string>& items);
// Edit distance without regard to letter case, two neighbours swapped
// counting as one edit: how far a misspelt name is from the one meant.
std::size_t Redigeringsavstand(std::string_view a, std::string_view b);

// Parses a whole text as an integer in the standard syntax: leading blanks, an
// optional sign, then decimal digits, or hexadecimal digits after "$", "x" or
// "0x" (either letter case). False, and `verdi` untouched, when the text is
// empty, not consumed completely, or outside a 32-bit integer on any system.
bool TolkHeltall(std::string_view tekst, long& verdi);

}  // namespace brul
