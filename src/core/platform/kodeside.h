#pragma once
// Conversion between the program's UTF-8 and the 8-bit Windows-1252 code page
// the settings file and the fetch-program files are stored in. The mapping is
// lossless both ways: the five codes Windows-1252 leaves undefined (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) become the control characters U+0081 ... U+009D and
// go back to the same byte, so a byte never changes by passing through.
#include <cstdint>
#include <string>
#include <string_view>

namespace brul {

// The Unicode character of one Windows-1252 byte (undefined codes as above).
char32_t Win1252Tegn(unsigned char byte);
// The Windows-1252 byte of a character, or -1 when the code page has none.
int Win1252Byte(char32_t tegn);

std::string Win1252TilUtf8(std::string_view bytes);
// False when `utf8` is not valid UTF-8 or holds a character Windows-1252
// cannot store; `ugyldig` then receives that character (as UTF-8, or the
// offending byte). `ut` is only complete on success.
bool Utf8TilWin1252(std::string_view utf8, std::string& ut, std::string* ugyldig = nullptr);

// Decodes the character starting at `pos` and advances `pos`. An invalid
// sequence yields its first byte as a character above U+10FFFF (0x110000 +
// byte) and advances by one, so callers can keep such bytes unchanged.
char32_t NesteTegn(std::string_view utf8, std::size_t& pos);
constexpr char32_t kUgyldigBase = 0x110000;
void LeggTilUtf8(std::string& ut, char32_t tegn);

// True when `bytes` is valid UTF-8; `flerbyte` tells whether it holds at least
// one multi-byte sequence.
bool GyldigUtf8(std::string_view bytes, bool* flerbyte = nullptr);

// UTF-16LE (without a byte-order mark) to UTF-8 and back, losslessly: a
// surrogate without its partner travels as its own three-byte sequence, and
// an odd last byte is given back in `hale`.
std::string Utf16LeTilUtf8(std::string_view bytes, std::string& hale);
// False when `utf8` is no text of Utf16LeTilUtf8's form.
bool Utf8TilUtf16Le(std::string_view utf8, std::string& ut);

// Number of characters (code points; an invalid byte counts as one).
std::size_t AntallTegn(std::string_view utf8);

}  // namespace brul
