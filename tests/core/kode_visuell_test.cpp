// The bracketed control-code notation: single bytes, tokens and whole values.
#include <gtest/gtest.h>

#include <string>

#include "app/skriptoperator.h"
#include "store/visuell.h"

namespace brul {
namespace {

TEST(VisuellKode, HverByteSinForm) {
  struct Rad {
    int byte;
    std::string ventet;
  } rader[] = {{0, "[NUL]"},  {9, "[TAB]"},   {10, "[LF]"},  {13, "[CR]"},   {17, "[XON]"},
               {18, "[DC2]"}, {19, "[XOFF]"}, {20, "[DC4]"}, {31, "[US]"},   {32, " "},
               {33, "[33]"},  {34, "\""},     {35, "[35]"},  {36, "$"},      {64, "[64]"},
               {65, "A"},     {91, "[91]"},   {92, "\\"},    {93, "[93]"},   {94, "^"},
               {126, "~"},    {127, "[127]"}, {128, "[128]"}, {200, "[200]"}, {255, "[255]"}};
  for (const auto& r : rader) EXPECT_EQ(VisuellKode(static_cast<unsigned char>(r.byte)), r.ventet) << r.byte;
}

TEST(VisuellKode, AlleBytesTolkesTilbake) {
  for (int b = 0; b < 256; ++b) {
    const std::string form = VisuellKode(static_cast<unsigned char>(b));
    if (form.size() == 1) continue;
    unsigned char ut = 0;
    ASSERT_TRUE(TolkVisuellKode(form, ut)) << form;
    EXPECT_EQ(ut, b) << form;
  }
}

TEST(TolkVisuellKode, TokenTilByte) {
  struct Rad {
    std::string token;
    bool ok;
    int byte;
  } rader[] = {{"[CR]", true, 13},  {"[XOFF]", true, 19}, {"[32]", true, 32},  {"[$20]", true, 32},
               {"[0X20]", true, 32}, {"[X20]", true, 32}, {"[ 7]", true, 7},    {"[255]", true, 255},
               {"[0]", true, 0},     {"[256]", false, 0}, {"[-1]", false, 0},   {"[FOO]", false, 0},
               {"[]", false, 0},     {"[HT]", false, 0},  {"[DC1]", false, 0},  {"[+5]", true, 5},
               {"[cr]", false, 0}};  // tokens come upper-cased
  for (const auto& r : rader) {
    unsigned char b = 99;
    EXPECT_EQ(TolkVisuellKode(r.token, b), r.ok) << r.token;
    if (r.ok) {
      EXPECT_EQ(b, r.byte) << r.token;
    }
  }
}

struct FraRad {
  const char* navn;
  std::string inn, ut;
  bool melding;
};

class FraVisuellTest : public ::testing::TestWithParam<FraRad> {};

TEST_P(FraVisuellTest, DekoderOgMelderFeil) {
  const FraRad& r = GetParam();
  SkriptOperator op;
  MedOperator med(op);
  std::string t = r.inn;
  FraVisuell(t);
  EXPECT_EQ(t, r.ut);
  if (r.melding) {
    ASSERT_EQ(op.logg().size(), 1u);
    EXPECT_EQ(op.logg()[0].caption, "Feil med visuell string");
    // The value, then why each wrong token is wrong, naming it.
    EXPECT_EQ(op.logg()[0].text.rfind(r.inn + "\n\"[", 0), 0u) << op.logg()[0].text;
  } else {
    EXPECT_TRUE(op.logg().empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Verdier, FraVisuellTest,
    ::testing::Values(
        FraRad{"cr_lf", "[CR][LF]", "\r\n", false}, FraRad{"smaa_bokstaver", "[cr][lf]", "\r\n", false},
        FraRad{"dc2_32", "[DC2][32]", "\x12 ", false}, FraRad{"hex_dollar", "[$20]", " ", false},
        FraRad{"hex_0x", "[0x20]", " ", false}, FraRad{"xoff", "[XOFF]", "\x13", false},
        FraRad{"preset", "[DC2]%", "\x12%", false}, FraRad{"nul_eot_dc4", "[NUL][EOT][DC4]", std::string("\0\x04\x14", 3), false},
        FraRad{"tekst_og_kode", "N5003[32]", "N5003 ", false},
        FraRad{"hello_uten_slutt", "[HELLO]", "HELLO]", true},
        FraRad{"for_stor", "[256]", "", true}, FraRad{"negativ", "[-1]", "", true},
        FraRad{"ukjent_fjernes_helt", "A[FOO]B", "AB", true},
        FraRad{"godt_beholdes_ved_feil", "[CR][FOO][LF]", "\r\n", true},
        FraRad{"to_tegn", "A[", "A[", false}, FraRad{"to_tegn_2", "ab", "ab", false},
        FraRad{"ingen_klamme", "ABC]DEF", "ABC]DEF", false}, FraRad{"tom", "", "", false},
        FraRad{"klamme_sist", "AB[", "AB", true},
        FraRad{"hoy_byte_som_1252", "[200][128][129]", "\xC3\x88\xE2\x82\xAC\xC2\x81", false},
        FraRad{"norsk_tekst_beholdes", "Sj\xC3\xB8[CR]", "Sj\xC3\xB8\r", false},
        FraRad{"seks_tegn_telles_som_tegn", "[\xC3\xB8\xC3\xB8\xC3\xB8\xC3\xB8]", "", true},
        FraRad{"tom_klamme", "A[]B", "AB", true}),
    [](const auto& info) { return std::string(info.param.navn); });

}  // namespace
}  // namespace brul
