// How the INI document reads a file: the reading rules the transfer programs
// see through the Windows profile functions.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "store/ini_document.h"

namespace brul {
namespace {

struct LeseRad {
  const char* navn;
  std::string fil;
  std::string seksjon, nokkel;
  std::optional<std::string> ventet;
};

const std::string kLang(5000, 'x');

class IniLesing : public ::testing::TestWithParam<LeseRad> {};

TEST_P(IniLesing, LeserSomProfilfunksjonene) {
  const LeseRad& r = GetParam();
  const IniDocument d = IniDocument::fraBytes(r.fil);
  EXPECT_EQ(d.les(r.seksjon, r.nokkel), r.ventet);
  // Reading never changes a byte.
  EXPECT_EQ(d.tilBytes(), r.fil);
  EXPECT_FALSE(d.endret());
}

INSTANTIATE_TEST_SUITE_P(
    Regler, IniLesing,
    ::testing::Values(
        LeseRad{"navn_uten_storrelse", "[Maskin1]\r\nKatalog=C:\\A\r\n", "MASKIN1", "katalog", "C:\\A"},
        LeseRad{"norske_bokstaver_foldes", "[Bl\xE5" "b\xE6r]\r\nN\xF8kkel=1\r\n", "BLÅBÆR", "NØKKEL", "1"},
        LeseRad{"norske_bokstaver_1252", "[Bl\xE5\x62\xE6r]\r\nN\xF8kkel=\xC6\r\n", "BLÅBÆR", "nøkkel",
                "Æ"},
        LeseRad{"blanke_rundt_alt", "[ Maskin1 ]\r\n \tKatalog \t= \t C:\\A \t\r\n", "Maskin1", "Katalog",
                "C:\\A"},
        LeseRad{"blanke_inni_verdi", "[S]\r\nk= a  b \r\n", "S", "k", "a  b"},
        LeseRad{"doble_anforsel", "[S]\r\nk= \"a b\" \r\n", "S", "k", "a b"},
        LeseRad{"enkle_anforsel", "[S]\r\nk='a b'\r\n", "S", "k", "a b"},
        LeseRad{"blandet_anforsel_blir", "[S]\r\nk=\"a b'\r\n", "S", "k", "\"a b'"},
        LeseRad{"ubalansert_anforsel_blir", "[S]\r\nk=\"a b\r\n", "S", "k", "\"a b"},
        LeseRad{"bare_ett_par_fjernes", "[S]\r\nk=\"\"a\"\"\r\n", "S", "k", "\"a\""},
        LeseRad{"enslig_anforsel", "[S]\r\nk=\"\r\n", "S", "k", "\""},
        LeseRad{"kommentarlinje", "[S]\r\n;k=1\r\n", "S", "k", std::nullopt},
        LeseRad{"kommentar_etter_blanke", "[S]\r\n  ;k=1\r\nk=2\r\n", "S", "k", "2"},
        LeseRad{"ingen_kommentar_etter_verdi", "[S]\r\nk=v ;x\r\n", "S", "k", "v ;x"},
        LeseRad{"hash_er_tekst", "[S]\r\n#k=1\r\n", "S", "#k", "1"},
        LeseRad{"skraastreker_er_tekst", "[S]\r\n//k=1\r\n", "S", "//k", "1"},
        LeseRad{"linje_uten_likhetstegn", "[S]\r\nk\r\n", "S", "k", std::nullopt},
        LeseRad{"forste_likhetstegn_deler", "[S]\r\nk=a=b\r\n", "S", "k", "a=b"},
        LeseRad{"forste_duplikat_nokkel", "[S]\r\nk=1\r\nK=2\r\n", "S", "k", "1"},
        LeseRad{"forste_duplikat_seksjon", "[S]\r\nk=1\r\n[s]\r\nk=2\r\nj=3\r\n", "S", "k", "1"},
        LeseRad{"andre_duplikat_seksjon_ubrukt", "[S]\r\nk=1\r\n[s]\r\nj=3\r\n", "S", "j", std::nullopt},
        LeseRad{"hode_til_siste_klamme", "[a]b]xyz\r\nk=1\r\n", "a]b", "k", "1"},
        LeseRad{"tekst_etter_hode_ignoreres", "[S] ; merknad\r\nk=1\r\n", "S", "k", "1"},
        LeseRad{"klamme_uten_slutt_er_ikke_hode", "[S]\r\nk=1\r\n[T\r\nj=2\r\n", "S", "j", "2"},
        LeseRad{"klamme_uten_slutt_ingen_seksjon", "[S]\r\n[T\r\nj=2\r\n", "T", "j", std::nullopt},
        LeseRad{"linjer_for_forste_hode", "k=1\r\n[S]\r\nj=2\r\n", "", "k", std::nullopt},
        LeseRad{"linjer_for_forste_hode_2", "k=1\r\n[S]\r\nj=2\r\n", "S", "k", std::nullopt},
        LeseRad{"tom_verdi_er_tom", "[S]\r\nk=\r\n", "S", "k", ""},
        LeseRad{"blank_verdi_er_tom", "[S]\r\nk=   \r\n", "S", "k", ""},
        LeseRad{"tomme_anforsel_er_tom", "[S]\r\nk=\"\"\r\n", "S", "k", ""},
        LeseRad{"mangler_seksjon", "[S]\r\nk=1\r\n", "T", "k", std::nullopt},
        LeseRad{"mangler_nokkel", "[S]\r\nk=1\r\n", "S", "j", std::nullopt},
        LeseRad{"tom_fil", "", "S", "k", std::nullopt},
        LeseRad{"nokkel_i_neste_seksjon", "[S]\r\n[T]\r\nk=1\r\n", "S", "k", std::nullopt},
        LeseRad{"lengde_4095", "[S]\r\nk=" + kLang + "\r\n", "S", "k", std::string(4095, 'x')},
        LeseRad{"nulltegn_avslutter_verdien", std::string("[S]\r\nk= a \0b\r\n", 14), "S", "k", "a"},
        LeseRad{"lengde_i_tegn_utf8", "\xEF\xBB\xBF[S]\r\nk=" + std::string(5, 'x') + std::string("\xC3\xA6") + "\r\n",
                "S", "k", "xxxxx\xC3\xA6"},
        LeseRad{"bare_lf", "[S]\nk=1\nj=2\n", "S", "j", "2"},
        LeseRad{"bare_cr", "[S]\rk=1\rj=2\r", "S", "j", "2"},
        LeseRad{"blandede_linjeslutt", "[S]\r\nk=1\nj=2\rl=3", "S", "l", "3"},
        LeseRad{"uten_siste_linjeskift", "[S]\r\nk=1", "S", "k", "1"},
        LeseRad{"utf8_bom", "\xEF\xBB\xBF[S]\r\nk=\xC3\xB8\r\n", "S", "k", "\xC3\xB8"},
        LeseRad{"utf8_uten_bom_leses_som_1252", "[S]\r\nk=\xC3\xB8\r\n", "S", "k", "\xC3\x83\xC2\xB8"},
        LeseRad{"ansi_som_ikke_er_utf8", "[S]\r\nk=\xF8\r\n", "S", "k", "\xC3\xB8"},
        LeseRad{"ansi_euro", "[S]\r\nk=\x80\r\n", "S", "k", "\xE2\x82\xAC"},
        LeseRad{"udefinert_1252_byte", "[S]\r\nk=\x81\x8D\x8F\x90\x9D\r\n", "S", "k",
                "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},
        LeseRad{"nokkel_med_1252_fold", "[S]\r\n\x9A\x9C\x9E\xFF=1\r\n", "S", "\xC5\xA0\xC5\x92\xC5\xBD\xC5\xB8",
                "1"}),
    [](const auto& info) { return std::string(info.param.navn); });

TEST(IniKoding, GjenkjennerTegnsett) {
  struct Rad {
    std::string fil;
    IniDocument::Koding koding;
    std::string eol;
  } rader[] = {
      {"[S]\r\nk=v\r\n", IniDocument::Koding::Win1252, "\r\n"},
      // Text that looks like UTF-8 is still Windows-1252 without a mark:
      // that is how every other program reads it.
      {"[S]\nk=\xC3\xA6\n", IniDocument::Koding::Win1252, "\n"},
      {std::string("\xFF\xFE[\0S\0]\0\r\0\n\0", 12), IniDocument::Koding::Utf16Le, "\r\n"},
      {"\xEF\xBB\xBF[S]\rk=v\r", IniDocument::Koding::Utf8Bom, "\r"},
      {"[S]\r\nk=\xC3\r\n", IniDocument::Koding::Win1252, "\r\n"},         // broken UTF-8
      {"[S]\r\nk=\xED\xA0\x80\r\n", IniDocument::Koding::Win1252, "\r\n"},  // a surrogate is no UTF-8
      {"[S]\r\nk=\xC0\xAF\r\n", IniDocument::Koding::Win1252, "\r\n"},      // overlong
      {"", IniDocument::Koding::Win1252, "\r\n"},
  };
  for (const auto& r : rader) {
    const IniDocument d = IniDocument::fraBytes(r.fil);
    EXPECT_EQ(d.koding(), r.koding) << r.fil;
    EXPECT_EQ(d.linjeslutt(), r.eol) << r.fil;
    EXPECT_EQ(d.tilBytes(), r.fil);
  }
}

TEST(IniKoding, ListerSeksjonerOgNoklerSomLagret) {
  const IniDocument d = IniDocument::fraBytes(
      "før=1\r\n[Maskin1]\r\nKatalog=a\r\n;x=1\r\nbare\r\nkatalog=b\r\nPort=COM1\r\n[COM1]\r\nBaud=9600\r\n[maskin1]\r\nY=1\r\n");
  EXPECT_EQ(d.seksjoner(), (std::vector<std::string>{"Maskin1", "COM1"}));
  EXPECT_EQ(d.nokler("MASKIN1"), (std::vector<std::string>{"Katalog", "Port"}));
  EXPECT_TRUE(d.harSeksjon("com1"));
  EXPECT_FALSE(d.harSeksjon("COM2"));
}

}  // namespace
}  // namespace brul
