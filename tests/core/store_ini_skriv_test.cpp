// How the INI document writes: every change touches only the bytes it means
// to change, and what the file cannot hold is refused.
#include <gtest/gtest.h>

#include <string>

#include "store/ini_document.h"

namespace brul {
namespace {

using U = IniDocument::Utfall;

enum class Op { Skriv, Slett, SlettSeksjon };

struct SkriveRad {
  const char* navn;
  std::string for_;
  Op op;
  std::string seksjon, nokkel, verdi;
  U utfall;
  std::string etter;  // the whole file afterwards, byte for byte
};

U Gjor(IniDocument& d, const SkriveRad& r) {
  switch (r.op) {
    case Op::Skriv: return d.skriv(r.seksjon, r.nokkel, r.verdi);
    case Op::Slett: return d.slettNokkel(r.seksjon, r.nokkel);
    case Op::SlettSeksjon: return d.slettSeksjon(r.seksjon);
  }
  return U::Uendret;
}

class IniSkriving : public ::testing::TestWithParam<SkriveRad> {};

TEST_P(IniSkriving, EndrerBareDetSomSkalEndres) {
  const SkriveRad& r = GetParam();
  IniDocument d = IniDocument::fraBytes(r.for_);
  EXPECT_EQ(Gjor(d, r), r.utfall);
  EXPECT_EQ(d.tilBytes(), r.etter);
  EXPECT_EQ(d.endret(), r.utfall == U::Endret);
  if (r.op == Op::Skriv && r.utfall == U::Endret && r.verdi.front() != ' ') {
    // What was written reads back (quotes and outer blanks aside).
    EXPECT_EQ(IniDocument::fraBytes(d.tilBytes()).les(r.seksjon, r.nokkel), r.verdi);
  }
}

const std::string kFil = "[A]\r\nk=1\r\nj = 2\r\n\r\n[B]\r\nx=9\r\n";

INSTANTIATE_TEST_SUITE_P(
    Regler, IniSkriving,
    ::testing::Values(
        SkriveRad{"eksisterende_nokkel_beholder_stavemaate", "[A]\r\n  Katalog = c:\\x \r\n[B]\r\n", Op::Skriv,
                  "a", "KATALOG", "D:\\Y", U::Endret, "[A]\r\nKatalog=D:\\Y\r\n[B]\r\n"},
        SkriveRad{"resten_uendret", kFil, Op::Skriv, "A", "j", "3", U::Endret,
                  "[A]\r\nk=1\r\nj=3\r\n\r\n[B]\r\nx=9\r\n"},
        SkriveRad{"samme_verdi_ingen_skriving", "[A]\r\nj = 2 \r\n", Op::Skriv, "A", "j", "2", U::Uendret,
                  "[A]\r\nj = 2 \r\n"},
        SkriveRad{"samme_verdi_i_anforsel", "[A]\r\nj=\"2\"\r\n", Op::Skriv, "A", "j", "2", U::Uendret,
                  "[A]\r\nj=\"2\"\r\n"},
        SkriveRad{"annen_storrelse_skrives", "[A]\r\nj=com1\r\n", Op::Skriv, "A", "j", "COM1", U::Endret,
                  "[A]\r\nj=COM1\r\n"},
        SkriveRad{"ny_nokkel_etter_siste_ikke_blanke", kFil, Op::Skriv, "A", "ny", "v", U::Endret,
                  "[A]\r\nk=1\r\nj = 2\r\nny=v\r\n\r\n[B]\r\nx=9\r\n"},
        SkriveRad{"ny_nokkel_etter_kommentar", "[A]\r\nk=1\r\n; slutt\r\n\r\n[B]\r\n", Op::Skriv, "A", "n", "v",
                  U::Endret, "[A]\r\nk=1\r\n; slutt\r\nn=v\r\n\r\n[B]\r\n"},
        SkriveRad{"ny_nokkel_foran_kommentar_til_neste_seksjon", "[Maskin1]\r\nA=1\r\n\r\n; kommentar\r\n[Com3]\r\n",
                  Op::Skriv, "Maskin1", "Utvid", "1", U::Endret,
                  "[Maskin1]\r\nA=1\r\nUtvid=1\r\n\r\n; kommentar\r\n[Com3]\r\n"},
        SkriveRad{"ny_nokkel_under_kommentar_til_egen_seksjon", "[A]\r\n; om A\r\n\r\n; om B\r\n[B]\r\n", Op::Skriv,
                  "A", "n", "v", U::Endret, "[A]\r\n; om A\r\nn=v\r\n\r\n; om B\r\n[B]\r\n"},
        SkriveRad{"ny_nokkel_i_tom_seksjon", "[A]\r\n\r\n[B]\r\n", Op::Skriv, "A", "n", "v", U::Endret,
                  "[A]\r\nn=v\r\n\r\n[B]\r\n"},
        SkriveRad{"ny_nokkel_i_siste_seksjon", kFil, Op::Skriv, "B", "y", "", U::Endret,
                  "[A]\r\nk=1\r\nj = 2\r\n\r\n[B]\r\nx=9\r\ny=\r\n"},
        SkriveRad{"ny_seksjon_etter_blank_linje", kFil, Op::Skriv, "C", "k", "v", U::Endret,
                  kFil + "\r\n[C]\r\nk=v\r\n"},
        SkriveRad{"ny_seksjon_naar_blank_finnes", "[A]\r\nk=1\r\n\r\n", Op::Skriv, "C", "k", "v", U::Endret,
                  "[A]\r\nk=1\r\n\r\n[C]\r\nk=v\r\n"},
        SkriveRad{"ny_seksjon_i_tom_fil", "", Op::Skriv, "Program", "Maskiner", "1", U::Endret,
                  "[Program]\r\nMaskiner=1\r\n"},
        SkriveRad{"ny_seksjon_etter_forord", "; Brul\r\n", Op::Skriv, "P", "k", "v", U::Endret,
                  "; Brul\r\n\r\n[P]\r\nk=v\r\n"},
        SkriveRad{"siste_linjeskift_legges_til", "[A]\r\nk=1", Op::Skriv, "A", "j", "2", U::Endret,
                  "[A]\r\nk=1\r\nj=2\r\n"},
        SkriveRad{"siste_linjeskift_ved_endring_inni", "[A]\r\nk=1\r\n[B]\r\nx=1", Op::Skriv, "A", "k", "2",
                  U::Endret, "[A]\r\nk=2\r\n[B]\r\nx=1\r\n"},
        SkriveRad{"lf_fil_beholder_lf", "[A]\nk=1\n", Op::Skriv, "A", "j", "2", U::Endret, "[A]\nk=1\nj=2\n"},
        SkriveRad{"cr_fil_beholder_cr", "[A]\rk=1\r", Op::Skriv, "B", "j", "2", U::Endret,
                  "[A]\rk=1\r\r[B]\rj=2\r"},
        SkriveRad{"blandet_beholder_hver_linje", "[A]\nk=1\r\nj=1\r", Op::Skriv, "A", "k", "2", U::Endret,
                  "[A]\nk=2\r\nj=1\r"},
        SkriveRad{"linje_uten_likhetstegn_fylles", "[A]\r\n  Navn \r\nx=1\r\n", Op::Skriv, "A", "navn", "v",
                  U::Endret, "[A]\r\nNavn=v\r\nx=1\r\n"},
        SkriveRad{"forste_duplikat_skrives", "[A]\r\nk=1\r\nk=2\r\n", Op::Skriv, "A", "K", "3", U::Endret,
                  "[A]\r\nk=3\r\nk=2\r\n"},
        SkriveRad{"forste_duplikat_seksjon_skrives", "[A]\r\nk=1\r\n[a]\r\nk=2\r\n", Op::Skriv, "A", "j", "3",
                  U::Endret, "[A]\r\nk=1\r\nj=3\r\n[a]\r\nk=2\r\n"},
        SkriveRad{"forord_uadresserbart", "k=1\r\n[A]\r\n", Op::Skriv, "A", "k", "2", U::Endret,
                  "k=1\r\n[A]\r\nk=2\r\n"},
        SkriveRad{"blanke_i_verdi_skrives_som_gitt", "[A]\r\n", Op::Skriv, "A", "k", " v ", U::Endret,
                  "[A]\r\nk= v \r\n"},
        SkriveRad{"verdi_paa_4095_tegn_godtas", "[A]\r\n", Op::Skriv, "A", "k", std::string(4095, 'x'),
                  U::Endret, "[A]\r\nk=" + std::string(4095, 'x') + "\r\n"},
        SkriveRad{"verdi_over_4095_tegn_avvises", kFil, Op::Skriv, "A", "k", std::string(4096, 'x'), U::ForLang,
                  kFil},
        SkriveRad{"nulltegn_i_verdi_avvises", kFil, Op::Skriv, "A", "k", std::string("a\0b", 3), U::Nulltegn, kFil},
        SkriveRad{"cr_i_verdi_avvises", kFil, Op::Skriv, "A", "k", "a\rb", U::Linjeskift, kFil},
        SkriveRad{"lf_i_verdi_avvises", kFil, Op::Skriv, "A", "k", "a\nb", U::Linjeskift, kFil},
        SkriveRad{"lf_i_nokkel_avvises", kFil, Op::Skriv, "A", "k\nx", "1", U::Linjeskift, kFil},
        SkriveRad{"cr_i_seksjon_avvises", kFil, Op::Skriv, "A\r", "k", "1", U::Linjeskift, kFil},
        SkriveRad{"likhetstegn_i_nokkel_avvises", kFil, Op::Skriv, "A", "a=b", "1", U::UgyldigNavn, kFil},
        SkriveRad{"semikolon_forst_i_nokkel_avvises", kFil, Op::Skriv, "A", ";a", "1", U::UgyldigNavn, kFil},
        SkriveRad{"tom_nokkel_avvises", kFil, Op::Skriv, "A", " ", "1", U::UgyldigNavn, kFil},
        SkriveRad{"tom_seksjon_avvises", kFil, Op::Skriv, "", "k", "1", U::UgyldigNavn, kFil},
        SkriveRad{"tegn_utenfor_1252_avvises", kFil, Op::Skriv, "A", "k", "\xE2\x84\x96", U::IkkeLagerbart, kFil},
        SkriveRad{"ugyldig_utf8_avvises", kFil, Op::Skriv, "A", "k", "\xFF", U::IkkeLagerbart, kFil},
        SkriveRad{"ny_nokkel_utenfor_1252_avvises", kFil, Op::Skriv, "A", "\xE2\x84\x96", "1",
                  U::IkkeLagerbart, kFil},
        SkriveRad{"1252_lagres_som_byte", "[A]\r\n", Op::Skriv, "A", "k", "\xC3\xB8\xE2\x82\xAC", U::Endret,
                  "[A]\r\nk=\xF8\x80\r\n"},
        SkriveRad{"utf8_fil_lagrer_utf8", "\xEF\xBB\xBF[A]\nk=\xC3\xA6\n", Op::Skriv, "A", "j", "\xE2\x84\x96",
                  U::Endret, "\xEF\xBB\xBF[A]\nk=\xC3\xA6\nj=\xE2\x84\x96\n"},
        // Without a mark the file is Windows-1252 however it looks: a
        // character that code page lacks is refused, never written as UTF-8.
        SkriveRad{"utf8_lignende_uten_bom_er_1252", "[A]\nk=\xC3\xA6\n", Op::Skriv, "A", "j", "\xE2\x84\x96",
                  U::IkkeLagerbart, "[A]\nk=\xC3\xA6\n"},
        SkriveRad{"bom_beholdes", "\xEF\xBB\xBF[A]\r\nk=1\r\n", Op::Skriv, "A", "k", "\xC3\xA5", U::Endret,
                  "\xEF\xBB\xBF[A]\r\nk=\xC3\xA5\r\n"},
        SkriveRad{"udefinert_byte_uberort", "[A]\r\nu=\x81\x8D\r\nk=1\r\n", Op::Skriv, "A", "k", "2", U::Endret,
                  "[A]\r\nu=\x81\x8D\r\nk=2\r\n"},
        SkriveRad{"udefinert_byte_skrives_tilbake", "[A]\r\n", Op::Skriv, "A", "k", "\xC2\x90", U::Endret,
                  "[A]\r\nk=\x90\r\n"},
        SkriveRad{"slett_nokkel", kFil, Op::Slett, "a", "J", "", U::Endret, "[A]\r\nk=1\r\n\r\n[B]\r\nx=9\r\n"},
        SkriveRad{"slett_forste_duplikat", "[A]\r\nk=1\r\nk=2\r\n", Op::Slett, "A", "k", "", U::Endret,
                  "[A]\r\nk=2\r\n"},
        SkriveRad{"slett_siste_nokkel_hodet_blir", "[A]\r\nk=1\r\n", Op::Slett, "A", "k", "", U::Endret,
                  "[A]\r\n"},
        SkriveRad{"slett_manglende_nokkel", kFil, Op::Slett, "A", "zz", "", U::Uendret, kFil},
        SkriveRad{"slett_i_manglende_seksjon", kFil, Op::Slett, "Z", "k", "", U::Uendret, kFil},
        SkriveRad{"slett_bar_linje_ikke", "[A]\r\nk\r\n", Op::Slett, "A", "k", "", U::Uendret, "[A]\r\nk\r\n"},
        SkriveRad{"slett_seksjon_med_kommentarer", "[A]\r\nk=1\r\n[B]\r\n; om B\r\nx=1\r\n\r\n[C]\r\ny=1\r\n",
                  Op::SlettSeksjon, "b", "", "", U::Endret, "[A]\r\nk=1\r\n[C]\r\ny=1\r\n"},
        SkriveRad{"slett_siste_seksjon", kFil, Op::SlettSeksjon, "B", "", "", U::Endret, "[A]\r\nk=1\r\nj = 2\r\n\r\n"},
        SkriveRad{"slett_forste_duplikat_seksjon", "[A]\r\nk=1\r\n[a]\r\nk=2\r\n", Op::SlettSeksjon, "A", "", "",
                  U::Endret, "[a]\r\nk=2\r\n"},
        SkriveRad{"slett_manglende_seksjon", kFil, Op::SlettSeksjon, "Z", "", "", U::Uendret, kFil}),
    [](const auto& info) { return std::string(info.param.navn); });

TEST(IniSkrivingFolger, SlettingAvDuplikatAvdekkerDetNeste) {
  IniDocument d = IniDocument::fraBytes("[A]\r\nk=1\r\nk=2\r\n[A]\r\nk=3\r\n");
  ASSERT_EQ(d.les("A", "k"), "1");
  d.slettNokkel("A", "k");
  EXPECT_EQ(d.les("A", "k"), "2");
  d.slettSeksjon("A");
  EXPECT_EQ(d.les("A", "k"), "3");
  d.slettSeksjon("A");
  EXPECT_FALSE(d.harSeksjon("A"));
  EXPECT_EQ(d.tilBytes(), "");
}

TEST(IniSkrivingFolger, MangeNyeNoklerHoldesIRekkefolge) {
  IniDocument d = IniDocument::fraBytes("[A]\r\n\r\n[B]\r\nx=1\r\n");
  for (int i = 0; i < 50; ++i) d.skriv("A", "k" + std::to_string(i), std::to_string(i));
  for (int i = 0; i < 50; ++i) d.skriv("A", "k" + std::to_string(i), std::to_string(i * 2));
  std::string ventet = "[A]\r\n";
  for (int i = 0; i < 50; ++i) ventet += "k" + std::to_string(i) + "=" + std::to_string(i * 2) + "\r\n";
  EXPECT_EQ(d.tilBytes(), ventet + "\r\n[B]\r\nx=1\r\n");
}

TEST(IniSkrivingFolger, NyFilErWindows1252MedCrLf) {
  IniDocument d;
  EXPECT_EQ(d.skriv("S", "\xC3\x86", "\xC3\xB8"), U::Endret);
  EXPECT_EQ(d.tilBytes(), "[S]\r\n\xC6=\xF8\r\n");
  EXPECT_EQ(d.skriv("S", "k", "\xE2\x84\x96"), U::IkkeLagerbart);
  EXPECT_EQ(d.ugyldigTegn(), "\xE2\x84\x96");
}

}  // namespace
}  // namespace brul
