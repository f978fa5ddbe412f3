// The typed settings layer over a real file: defaults, upper-casing, the
// write-if-changed rules, deletions and the small shared helpers.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/sti.h"
#include "store/batch.h"
#include "store/settings.h"
#include "store_felles.h"

namespace brul {
namespace {

using test::StoreKladd;

// A file with the key k of [S] holding `lagret`, or without the key.
std::string MedVerdi(const std::optional<std::string>& lagret) {
  return "[S]\r\nx=1\r\n" + (lagret ? "k=" + *lagret + "\r\n" : std::string());
}

TEST(LesBool, SantBareForTrueOgEn) {
  struct Rad {
    std::optional<std::string> lagret;
    bool standard, ventet;
  } rader[] = {
      {"True", false, true}, {"true", false, true}, {"TRUE", false, true}, {"1", false, true},
      {" 1 ", false, true},  {"Yes", true, false},  {"ja", true, false},   {"", true, false},
      {"False", true, false}, {"0", true, false},   {"2", true, false},    {"01", true, false},
      {std::nullopt, true, true}, {std::nullopt, false, false},
  };
  StoreKladd k;
  for (const auto& r : rader) {
    k.skriv(MedVerdi(r.lagret));
    EXPECT_EQ(LesBool("S", "k", r.standard), r.ventet) << r.lagret.value_or("<mangler>") << " " << r.standard;
  }
  EXPECT_TRUE(k.logg.logg().empty());
}

TEST(LesTall, HeleTekstenSomHeltall) {
  struct Rad {
    std::optional<std::string> lagret;
    long ventet;
  } rader[] = {
      {"12", 12},     {"$1F", 31},   {"x1f", 31},   {"X1F", 31},    {"0x1F", 31},   {"0X10", 16},
      {"-5", -5},     {"+7", 7},     {"-$10", -16}, {"12a", -1},    {"", -1},       {"$", -1},
      {"0x", -1},     {"1 2", -1},   {"1.5", -1},   {"\"42\"", 42}, {"  9", 9},     {"--1", -1},
      {"007", 7},     {"99999999999999999999", -1}, {std::nullopt, -1},
      // A 32-bit integer on every system, as the Windows programs read it.
      {"2147483647", 2147483647}, {"2147483648", -1}, {"-2147483648", -2147483648L}, {"-2147483649", -1},
      {"$7FFFFFFF", 2147483647},  {"$80000000", -1},  {"4294967297", -1},
  };
  StoreKladd k;
  for (const auto& r : rader) {
    k.skriv(MedVerdi(r.lagret));
    EXPECT_EQ(LesTall("S", "k", -1), r.ventet) << r.lagret.value_or("<mangler>");
  }
}

TEST(LesStreng, StoreBokstaverOgStandard) {
  StoreKladd k;
  k.skriv("[Maskin1]\r\nKatalog=c:\\dnc\\m1\r\nNavn=bl\xE5\x62\xE6rsyltet\xF8y \x9A\xFF\xDF\r\nTom=\r\n"
          "Kode=[cr][LF]\r\n");
  EXPECT_EQ(LesStreng("Maskin1", "Katalog", ""), "C:\\DNC\\M1");
  EXPECT_EQ(LesStreng("MASKIN1", "navn", ""), "BLÅBÆRSYLTETØY ŠŸß");
  EXPECT_EQ(LesStreng("Maskin1", "Tom", "standard"), "");
  EXPECT_EQ(LesStreng("Maskin1", "Mangler", "c:\\std"), "C:\\STD");
  EXPECT_EQ(LesStreng("Maskin2", "Katalog", "x"), "X");
  EXPECT_EQ(LesStreng("Maskin1", "Kode", ""), "[CR][LF]");
  EXPECT_EQ(LesStreng("Maskin1", "Kode", "", true), "\r\n");
  EXPECT_EQ(LesStreng("", "Katalog", "d"), "D");
  EXPECT_EQ(LesStreng("Maskin1", "", "d"), "D");
  EXPECT_EQ(LesFraFil(IniFil, "Maskin1", "Katalog", ""), "c:\\dnc\\m1");
  EXPECT_TRUE(k.logg.logg().empty());
}

TEST(LesStreng, ManglendeFilGirStandardOgLagesIkke) {
  StoreKladd k;
  EXPECT_EQ(LesStreng("S", "k", "abc"), "ABC");
  EXPECT_FALSE(std::filesystem::exists(k.ini()));
}

TEST(LesFraFil, TomStiAdvarer) {
  StoreKladd k;
  EXPECT_EQ(LesFraFil("", "Maskin1", "Katalog", "C:\\X"), "C:\\X");
  ASSERT_EQ(k.logg.meldinger().size(), 1u);
  EXPECT_EQ(k.logg.logg()[0].caption, "Advarsel");
  EXPECT_EQ(k.logg.logg()[0].text, "Programfeil - ingen aktiv ini-fil:\n[Maskin1], Katalog = C:\\X");
  IniFil = "";
  EXPECT_EQ(LesStreng("P", "k", "d"), "D");
  EXPECT_EQ(k.logg.logg().size(), 2u);
}

TEST(LesFraFil, AnnenFilLesesUtenomBatch) {
  StoreKladd k;
  k.skriv("[S]\r\nk=hoved\r\n");
  StoreKladd::Skriv(k.rot() / "Brul" / "Annen.ini", "[S]\r\nk=annen\r\n");
  Batch b;
  EXPECT_EQ(LesStreng("S", "k", ""), "HOVED");
  EXPECT_EQ(LesFraFil("C:\\Brul\\Annen.ini", "S", "k", ""), "annen");
  EXPECT_EQ(LesFraFil("C:\\Brul\\Mangler.ini", "S", "k", "std"), "std");
}

struct LagreRad {
  const char* navn;
  std::optional<std::string> for_;
  std::string standard, verdi;
  std::optional<std::string> etter;
};

class LagreStrengTest : public ::testing::TestWithParam<LagreRad> {};

TEST_P(LagreStrengTest, SkriverBareEndringer) {
  const LagreRad& r = GetParam();
  StoreKladd k;
  k.skriv(MedVerdi(r.for_));
  const auto stempel = std::filesystem::last_write_time(k.ini());
  LagreStreng("S", "k", r.standard, r.verdi);
  EXPECT_EQ(k.les(), MedVerdi(r.etter));
  if (r.for_ == r.etter) {
    EXPECT_EQ(std::filesystem::last_write_time(k.ini()), stempel);
  }
  EXPECT_TRUE(k.logg.logg().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Regler, LagreStrengTest,
    ::testing::Values(LagreRad{"standard_fjerner_nokkel", "COM2", "COM1", "com1", std::nullopt},
                      LagreRad{"standard_uten_nokkel_skriver_ikke", std::nullopt, "COM1", "COM1", std::nullopt},
                      LagreRad{"bare_storrelse_skriver_ikke", "Com1", "", "COM1", "Com1"},
                      LagreRad{"ny_verdi_med_egen_storrelse", "a", "", "Bb", "Bb"},
                      LagreRad{"ny_nokkel", std::nullopt, "x", "Ny", "Ny"},
                      LagreRad{"tom_verdi_ulik_standard", "a", "x", "", ""},
                      LagreRad{"norsk_storrelse", "\xE6\xF8\xE5", "", "ÆØÅ", "\xE6\xF8\xE5"}),
    [](const auto& info) { return std::string(info.param.navn); });

TEST(LagreStreng, TomtNavnGjorIngenting) {
  StoreKladd k;
  LagreStreng("", "k", "", "v");
  LagreStreng("S", "", "", "v");
  LagreBool("", "k", false, true);
  EXPECT_FALSE(std::filesystem::exists(k.ini()));
  EXPECT_TRUE(k.logg.logg().empty());
}

TEST(LagreBool, SkriverNarLestVerdiErAnnen) {
  struct Rad {
    std::optional<std::string> for_;
    bool standard, verdi;
    std::optional<std::string> etter;
  } rader[] = {
      {"False", true, true, "True"},          // true is the default, yet stored false reads false
      {"ja", true, true, "True"},             // "ja" reads false
      {std::nullopt, true, true, std::nullopt},
      {std::nullopt, false, true, "True"},
      {"True", false, false, "False"},        // never removed, even when equal to the default
      {"1", false, true, "1"},
      {"TRUE", false, true, "TRUE"},
  };
  for (const auto& r : rader) {
    StoreKladd k;
    k.skriv(MedVerdi(r.for_));
    LagreBool("S", "k", r.standard, r.verdi);
    EXPECT_EQ(k.les(), MedVerdi(r.etter)) << r.for_.value_or("<mangler>");
  }
}

TEST(SkrivStreng, SkriverUbetingetOgBoolSomTekst) {
  StoreKladd k;
  SkrivStreng("Program", "Maskiner", "3");
  SkrivBool("Program", "Logg", true);
  SkrivBool("Program", "Vis", false);
  SkrivStreng("Maskin1", "Navn", "");
  EXPECT_EQ(k.les(), "[Program]\r\nMaskiner=3\r\nLogg=True\r\nVis=False\r\n\r\n[Maskin1]\r\nNavn=\r\n");
  EXPECT_TRUE(k.logg.logg().empty());
}

TEST(SkrivStreng, AvviserLinjeskiftOgUlagerbareTegn) {
  struct Rad {
    std::string seksjon, nokkel, verdi, del;
  } rader[] = {
      {"S", "k", "a\r\nb", "linjeskift"},
      {"S", "k\n", "a", "linjeskift"},
      {"S", "k", "\xE2\x84\x96", "\"\xE2\x84\x96\""},
      {"S", "k", "\xC3", "UTF-8"},
      {"S", "a=b", "1", "\"=\""},
      {"S", "k", std::string(4096, 'x'), "lengre enn de 4095 tegnene"},
      {"S", "k", std::string("a\0b", 3), "nulltegn"},
      {"S", std::string("k\0", 2), "a", "nulltegn"},
  };
  for (const auto& r : rader) {
    StoreKladd k;
    k.skriv("[S]\r\nk=1\r\n");
    SkrivStreng(r.seksjon, r.nokkel, r.verdi);
    EXPECT_EQ(k.les(), "[S]\r\nk=1\r\n");
    ASSERT_EQ(k.logg.logg().size(), 1u);
    EXPECT_EQ(k.logg.logg()[0].caption, "Lagre");
    EXPECT_NE(k.logg.logg()[0].text.find(r.del), std::string::npos) << k.logg.logg()[0].text;
    EXPECT_NE(k.logg.logg()[0].text.find(IniFil), std::string::npos);
  }
}

TEST(SkrivStreng, UtenIniFilMeldesOgSkrivesIkke) {
  StoreKladd k;
  IniFil = "";
  SkrivStreng("S", "k", "v");
  EXPECT_EQ(k.logg.meldinger(), std::vector<std::string>{"Lagre: Kunne ikke lagre: ingen aktiv ini-fil."});
  EXPECT_FALSE(std::filesystem::exists(k.ini()));
}

TEST(SlettVerdi, FjernerBareNokkelSomFinnes) {
  StoreKladd k;
  k.skriv("[S]\r\nk=1\r\nx=1\r\n[T]\r\nk=2\r\n");
  SlettVerdi("S", "mangler");
  SlettVerdi("Mangler", "k");
  EXPECT_EQ(k.les(), "[S]\r\nk=1\r\nx=1\r\n[T]\r\nk=2\r\n");
  SlettVerdi("s", "K");
  EXPECT_EQ(k.les(), "[S]\r\nx=1\r\n[T]\r\nk=2\r\n");
  SlettSeksjon("t");
  EXPECT_EQ(k.les(), "[S]\r\nx=1\r\n");
  SlettSeksjon("T");
  EXPECT_TRUE(k.logg.logg().empty());
}

TEST(SlettVerdi, UlesbarFilGirFeilMedObjekt) {
  StoreKladd k;
  std::filesystem::create_directory(k.ini());  // a folder where the file should be
  SlettVerdi("S", "k");
  SlettSeksjon("S");
  ASSERT_EQ(k.logg.logg().size(), 2u);
  EXPECT_EQ(k.logg.logg()[0].caption, "Slette verdi i C:\\Brul\\Brul.ini");
  EXPECT_EQ(k.logg.logg()[0].text, "Feil med objekt");
  EXPECT_EQ(k.logg.logg()[1].caption, "Slette seksjon i C:\\Brul\\Brul.ini");
  EXPECT_EQ(k.logg.logg()[1].text, "Feil med objekt");
}

TEST(Hjelpere, FyllNuller) {
  struct Rad {
    long n;
    int bredde;
    std::string ventet;
  } rader[] = {{7, 3, "007"}, {-7, 4, "-007"}, {123, 3, "123"}, {1234, 3, "1234"}, {0, 2, "00"},
               {-12, 2, "-12"}, {5, 0, "5"}, {5, -3, "5"}, {1, 300, std::string(254, '0') + "1"}};
  for (const auto& r : rader) EXPECT_EQ(FyllNuller(r.n, r.bredde), r.ventet) << r.n << "/" << r.bredde;
}

TEST(Hjelpere, TallFraTekst) {
  struct Rad {
    std::string tekst;
    long ventet;
  } rader[] = {{"12 maskiner", 12}, {"-3", -3}, {"1-2", 0},   {"", 0},        {"abc", 0},
               {"-", 0},            {"ca. 4 stk", 4}, {"1 2 3", 123}, {"æ5ø", 5},
               {std::string(255, 'x') + "7", 0},        // 256 characters: the scan covers none
               {std::string(254, 'x') + "7", 7},        // 255: all of it
               {"7" + std::string(256, 'x') + "8", 7}};  // 258: the first two
  for (const auto& r : rader) EXPECT_EQ(TallFraTekst(r.tekst), r.ventet) << r.tekst.size();
}

TEST(Hjelpere, EtternavnPos) {
  struct Rad {
    std::string navn;
    int ventet;
  } rader[] = {{"FILE.NC", 5}, {"C:\\DIR.X\\FILE", 0}, {"C:\\DIR\\A.B.C", 11}, {"", 0},
               {"NAVN", 0},    {".NC", 1},             {"A.", 2},              {"C:\\A\\", 0}};
  for (const auto& r : rader) EXPECT_EQ(EtternavnPos(r.navn), r.ventet) << r.navn;
}

TEST(Hjelpere, SjekkNomReg) {
  struct Rad {
    std::string tool, nom;
    bool advarer;
  } rader[] = {{"R2", "TOOL.DAT", false}, {"R2", "R1", true}, {"R1", "R1", false},
               {"R1", "", false},          {"r1", "R1", true}, {"", "R1", true}};
  for (const auto& r : rader) {
    StoreKladd k;
    SjekkNomReg("Verktøy", r.tool, r.nom);
    if (r.advarer) {
      ASSERT_EQ(k.logg.logg().size(), 1u) << r.nom;
      EXPECT_EQ(k.logg.logg()[0].caption, "Verktøy");
      EXPECT_EQ(k.logg.logg()[0].text, "NomReg må være lik ToolReg");
    } else {
      EXPECT_TRUE(k.logg.logg().empty()) << r.nom;
    }
  }
}

TEST(Hjelpere, ProgramExt) {
  StoreKladd k;
  EXPECT_EQ(ProgramExt(), ".NC");
  k.skriv("[Program]\r\nExt=.h\r\n");
  EXPECT_EQ(ProgramExt(), ".H");
}

TEST(LagKatalog, LagerHeleKjeden) {
  StoreKladd k;
  const auto& rot = k.rot();
  EXPECT_TRUE(LagKatalog("C:\\A\\B\\C\\"));
  EXPECT_TRUE(std::filesystem::is_directory(rot / "A" / "B" / "C"));
  EXPECT_TRUE(LagKatalog("C:\\D\\E\\fil.txt"));
  EXPECT_TRUE(std::filesystem::is_directory(rot / "D" / "E"));
  EXPECT_FALSE(std::filesystem::exists(rot / "D" / "E" / "fil.txt"));
  EXPECT_TRUE(LagKatalog("C:\\A\\B\\C\\"));  // already there
  EXPECT_TRUE(LagKatalog("C:\\a\\b\\"));     // found without regard to case
  EXPECT_TRUE(LagKatalog("C:\\"));
  StoreKladd::Skriv(rot / "Fil", "x");
  EXPECT_FALSE(LagKatalog("C:\\Fil\\Under\\"));  // a file in the way
  EXPECT_FALSE(LagKatalog("C:\\Fil\\Under\\Mer\\"));
}

TEST(SkrivTekstfil, Skriver1252MedCrLf) {
  StoreKladd k;
  const auto fil = k.rot() / "Brul" / "HENT.NC";
  EXPECT_TRUE(SkrivTekstfil("C:\\Brul\\HENT.NC", "%\r\nO1 (Hent \xC3\xB8)\r\nM30"));
  EXPECT_EQ(StoreKladd::Les(fil), "%\r\nO1 (Hent \xF8)\r\nM30\r\n");
  EXPECT_TRUE(SkrivTekstfil("C:\\Brul\\HENT.NC", ""));
  EXPECT_EQ(StoreKladd::Les(fil), "\r\n");
  EXPECT_TRUE(SkrivTekstfil("C:\\Brul\\HENT.NC", "\xC2\x81"));  // an undefined code keeps its byte
  EXPECT_EQ(StoreKladd::Les(fil), "\x81\r\n");
  EXPECT_FALSE(SkrivTekstfil("C:\\Brul\\HENT.NC", "\xE2\x84\x96"));
  EXPECT_EQ(StoreKladd::Les(fil), "\x81\r\n");
  EXPECT_FALSE(SkrivTekstfil("C:\\Mangler\\HENT.NC", "x"));
  EXPECT_FALSE(std::filesystem::exists(k.rot() / "Mangler"));
  std::filesystem::create_directory(k.rot() / "Brul" / "MAPPE.NC");
  EXPECT_FALSE(SkrivTekstfil("C:\\Brul\\MAPPE.NC", "x"));
#ifndef _WIN32
  // A path relative to wherever the program was started is written nowhere.
  std::string grunn;
  EXPECT_FALSE(SkrivTekstfil("Brul\\HENT2.NC", "x", grunn));
  EXPECT_EQ(grunn, platform::kIkkeForankret);
#endif
  EXPECT_TRUE(k.logg.logg().empty());
}

}  // namespace
}  // namespace brul
