// The missing settings file: the question, the copy from the installation
// diskette, and that nothing is ever overwritten.
#include <gtest/gtest.h>

#include <string>

#include "app/oppstart.h"
#include "app/skriptoperator.h"
#include "app/tilstand.h"
#include "oppstart_felles.h"
#include "platform/sti.h"

namespace brul {
namespace {

using test::oppstart::BevarTilstand;
using test::oppstart::Kladd;

const char* kTekst = "Hente fra siste installasjonsdiskett ?";
const std::string kDiskett = "[Program]\r\nMaskiner=2\r\n";

TEST(SjekkIniFil, SporOgHenterFraDiskettenUtenAaOverskrive) {
  struct Tilfelle {
    const char* navn;
    bool filFinnes;        // C:\Brul\Brul.ini before the check
    bool diskettHarFil;    // A:\Brul.ini
    bool mappeFinnes;      // C:\Brul
    const char* svar;      // answer to the question, nullptr: none (No)
    int maks;
    bool resultat;
    int sporsmal;          // questions asked
    bool kopiert;          // the file holds the diskette's bytes afterwards
    const char* melding;   // begins the message after each Yes that fetched nothing
  } tilfeller[] = {
      {"filen finnes: ingen spørsmål", true, true, true, "Ja", 0, true, 0, false, nullptr},
      {"Nei: ett spørsmål, ingen fil", false, true, true, "Nei", 0, false, 1, false, nullptr},
      {"ikke besvart regnes som Nei", false, true, true, nullptr, 0, false, 1, false, nullptr},
      {"Ja: kopieres fra disketten", false, true, true, "Ja", 0, true, 1, true, nullptr},
      {"Ja uten diskett: spør igjen til grensen", false, false, true, "Ja", 3, false, 3, false,
       "Installasjonsdisketten har ingen Brul.ini: A:\\Brul.ini finnes ikke (så etter "},
      {"Ja, mappen mangler: ingen mappe lages", false, true, false, "Ja", 2, false, 2, false,
       "Kunne ikke kopiere A:\\Brul.ini ("},
  };
  for (const auto& t : tilfeller) {
    SCOPED_TRACE(t.navn);
    BevarTilstand bevar;
    Kladd kladd;
    kladd.mappe("c");
    if (t.mappeFinnes) kladd.mappe("c/Brul");
    if (t.filFinnes) kladd.fil("c/Brul/Brul.ini", "egen\r\n");
    kladd.mappe("a");
    if (t.diskettHarFil) kladd.fil("a/Brul.ini", kDiskett);
    platform::SettStasjoner({{'C', kladd.sti("c")}, {'A', kladd.sti("a")}});
    IniFil = "C:\\Brul\\Brul.ini";

    SkriptOperator op;
    const std::string caption = "Mangler konfigurasjonsfilen \"C:\\Brul\\Brul.ini\"";
    if (t.svar) op.svar(caption, t.svar);
    EXPECT_EQ(SjekkIniFil(op, t.maks), t.resultat);

    int sporsmal = 0, meldinger = 0;
    for (const auto& h : op.logg()) {
      if (h.type == SkriptOperator::Hendelse::Type::Melding && t.melding) {
        // Says what was looked for, and where on this system.
        ++meldinger;
        EXPECT_EQ(h.text.rfind(t.melding, 0), 0u) << h.text;
        EXPECT_NE(h.text.find(kladd.sti("a/Brul.ini")), std::string::npos) << h.text;
        continue;
      }
      ++sporsmal;
      EXPECT_EQ(h.type, SkriptOperator::Hendelse::Type::Sporsmal);
      EXPECT_EQ(h.caption, caption);
      EXPECT_EQ(h.text, kTekst);
    }
    EXPECT_EQ(sporsmal, t.sporsmal);
    EXPECT_EQ(meldinger, t.melding ? t.sporsmal : 0);
    if (t.kopiert) {
      EXPECT_EQ(kladd.les("c/Brul/Brul.ini"), kDiskett);
    }
    if (t.filFinnes) {
      EXPECT_EQ(kladd.les("c/Brul/Brul.ini"), "egen\r\n");
    }
    EXPECT_EQ(std::filesystem::exists(kladd.rot() / "c/Brul"), t.mappeFinnes);
  }
}

TEST(SjekkIniFil, EnMappeMedFilensNavnErIngenFil) {
  BevarTilstand bevar;
  Kladd kladd;
  kladd.mappe("c/Brul/Brul.ini");
  kladd.fil("a/Brul.ini", kDiskett);
  platform::SettStasjoner({{'C', kladd.sti("c")}, {'A', kladd.sti("a")}});
  IniFil = "C:\\Brul\\Brul.ini";
  SkriptOperator op;
  op.svar("Mangler konfigurasjonsfilen \"C:\\Brul\\Brul.ini\"", "Ja");
  EXPECT_FALSE(SjekkIniFil(op, 1));
  EXPECT_TRUE(std::filesystem::is_directory(kladd.rot() / "c/Brul/Brul.ini"));
}

}  // namespace
}  // namespace brul
