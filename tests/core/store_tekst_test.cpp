// Upper-casing and comparison by the Windows-1252 rule, the shared integer
// syntax, and the lossless code page conversion.
#include <gtest/gtest.h>

#include <string>

#include "platform/kodeside.h"
#include "platform/tekst.h"

namespace brul {
namespace {

TEST(TilStore, Windows1252Regelen) {
  struct Rad {
    std::string inn, ut;
  } rader[] = {
      {"abc xyz", "ABC XYZ"},
      {"c:\\dnc\\m1", "C:\\DNC\\M1"},
      {"æøå", "ÆØÅ"},
      {"àáâãäåçèéêëìíîïðñòóôõöùúûüýþ", "ÀÁÂÃÄÅÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖÙÚÛÜÝÞ"},
      {"÷×", "÷×"},
      {"šœžÿ", "ŠŒŽŸ"},
      {"ß µ", "ß µ"},
      {"ĳ ω я", "ĳ ω я"},  // outside the code page: unchanged
      {"\xC2\x81", "\xC2\x81"},
      {"a\xFF" "b", "A\xFF" "B"},  // an invalid byte stays
      {"", ""},
  };
  for (const auto& r : rader) EXPECT_EQ(TilStore(r.inn), r.ut) << r.inn;
}

TEST(TilStore, LikTekstOgFinnIndeks) {
  EXPECT_TRUE(LikTekst("Blåbær", "BLÅBÆR"));
  EXPECT_FALSE(LikTekst("Blåbær", "BLABAR"));
  const std::vector<std::string> items = {"Ingen", "XON/XOFF", "Hardware", "xon/xoff"};
  EXPECT_EQ(FinnIndeks("XON/XOFF", items), 1);
  EXPECT_EQ(FinnIndeks("hardware", items), 2);
  EXPECT_EQ(FinnIndeks("RTS", items), -1);
  EXPECT_EQ(FinnIndeks("", items), -1);
  EXPECT_EQ(FinnIndeks("", {"a", ""}), 1);
}

TEST(TolkHeltall, StandardSyntaks) {
  struct Rad {
    std::string tekst;
    bool ok;
    long verdi;
  } rader[] = {
      {"0", true, 0},        {"12", true, 12},     {" \t12", true, 12},  {"-12", true, -12},
      {"+12", true, 12},     {"$ff", true, 255},   {"$FF", true, 255},   {"x10", true, 16},
      {"0x10", true, 16},    {"0X1a", true, 26},   {"-0x10", true, -16}, {"0", true, 0},
      {"", false, 0},        {" ", false, 0},      {"-", false, 0},      {"$", false, 0},
      {"0x", false, 0},      {"12 ", false, 0},    {"1e3", false, 0},    {"$g", false, 0},
      {"1 2", false, 0},     {"--1", false, 0},    {"+-1", false, 0},    {"0b1", false, 0},
      // The limits of a 32-bit integer, on every system alike.
      {"2147483647", true, 2147483647},     {"-2147483648", true, -2147483648L},
      {"2147483648", false, 0},             {"-2147483649", false, 0},
      {"9223372036854775807", false, 0},    {"$10000000000000000", false, 0},
  };
  for (const auto& r : rader) {
    long v = 4711;
    EXPECT_EQ(TolkHeltall(r.tekst, v), r.ok) << r.tekst;
    EXPECT_EQ(v, r.ok ? r.verdi : 4711) << r.tekst;
  }
}

TEST(Kodeside, AlleBytesRundtUtenTap) {
  std::string alle;
  for (int b = 0; b < 256; ++b) alle.push_back(static_cast<char>(b));
  const std::string utf8 = Win1252TilUtf8(alle);
  EXPECT_TRUE(GyldigUtf8(utf8));
  std::string tilbake;
  ASSERT_TRUE(Utf8TilWin1252(utf8, tilbake));
  EXPECT_EQ(tilbake, alle);
  EXPECT_EQ(AntallTegn(utf8), 256u);
}

TEST(Kodeside, Tegnkart) {
  struct Rad {
    int byte;
    char32_t tegn;
  } rader[] = {{0x41, U'A'},     {0x80, 0x20AC},  {0x81, 0x0081}, {0x8A, 0x0160}, {0x8D, 0x008D},
               {0x8F, 0x008F},   {0x90, 0x0090},  {0x9D, 0x009D}, {0x9F, 0x0178}, {0xA0, 0x00A0},
               {0xE6, U'æ'},     {0xFF, 0x00FF}};
  for (const auto& r : rader) {
    EXPECT_EQ(Win1252Tegn(static_cast<unsigned char>(r.byte)), r.tegn) << r.byte;
    EXPECT_EQ(Win1252Byte(r.tegn), r.byte) << r.byte;
  }
  // Characters the code page has no byte for, including the C1 controls it
  // uses for printable characters.
  for (char32_t c : {char32_t(0x80), char32_t(0x8A), char32_t(0x9F), char32_t(0x2116), char32_t(0x1F600)})
    EXPECT_EQ(Win1252Byte(c), -1) << static_cast<long>(c);
  std::string ut, feil;
  EXPECT_FALSE(Utf8TilWin1252("ab\xE2\x84\x96" "c", ut, &feil));
  EXPECT_EQ(feil, "\xE2\x84\x96");
  EXPECT_FALSE(Utf8TilWin1252("ab\xC3", ut, &feil));  // cut off
  EXPECT_EQ(feil, "\xC3");
}

TEST(Kodeside, Utf8Gyldighet) {
  struct Rad {
    std::string bytes;
    bool gyldig, flerbyte;
  } rader[] = {{"abc", true, false},           {"\xC3\xA6", true, true},       {"\xF0\x9F\x98\x80", true, true},
               {"\xC3", false, false},         {"\xC0\x80", false, false},     {"\xE0\x80\xAF", false, false},
               {"\xED\xA0\x80", false, false}, {"\xF4\x90\x80\x80", false, false}, {"\xFF", false, false},
               {"\x80", false, false},         {"", true, false}};
  for (const auto& r : rader) {
    bool fler = false;
    EXPECT_EQ(GyldigUtf8(r.bytes, &fler), r.gyldig) << r.bytes;
    if (r.gyldig) {
      EXPECT_EQ(fler, r.flerbyte) << r.bytes;
    }
  }
}

}  // namespace
}  // namespace brul
