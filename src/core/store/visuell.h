#pragma once
// The bracketed notation in which settings hold control characters: printable
// characters stand for themselves, other bytes are written as "[CR]", "[DC2]"
// or "[200]".
//
// Decoded values are byte strings in the program's UTF-8: a byte below 128 is
// that character, a byte from 128 to 255 is the Windows-1252 character of that
// code (the undefined codes as U+0081 ... U+009D). Utf8TilWin1252 (kodeside.h)
// gives back the exact bytes; this keeps every decoded value valid UTF-8 and
// storable in the settings file.
#include <string>
#include <string_view>

namespace brul {

// The visual form of one byte: "[CR]" for 13, "[91]" for "[", "A" for 65.
std::string VisuellKode(unsigned char byte);
// Decodes one upper-cased token including its brackets ("[CR]", "[$20]").
bool TolkVisuellKode(std::string_view token, unsigned char& byte);
// Decodes a whole visual string in place. A malformed value keeps what could
// be decoded and is reported once (caption "Feil med visuell string"; the
// text is the value, then a line per token that did not decode, saying why).
void FraVisuell(std::string& tekst);

}  // namespace brul
