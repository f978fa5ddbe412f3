// The missing settings file: the question, the copy from the installation
// diskette, and that nothing is ever overwritten.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/ingen_konfig.h"
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
        const std::string sett = std::filesystem::path(kladd.sti("a/Brul.ini")).make_preferred().string();
        EXPECT_NE(h.text.find(sett), std::string::npos) << h.text;
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

// With no Brul.conf at all the window says so, where it looked and which one
// to make, and offers to open its folder (Nei here: nothing is started).
#ifndef _WIN32
// Brul.conf stands in for the registry key on other systems only.
TEST(SiFraOmIngenKonfig, BareNaarIngenBrulConfFinnes) {
  struct Tilfelle {
    const char* navn;
    const char* finnes;  // the Brul.conf that exists, "" for none
    bool kartlagt;       // drive C: is mapped
    bool sier;
  } tilfeller[] = {
      {"ingen Brul.conf", "", false, true},
      {"brukerens finnes", "bruker/Brul.conf", false, false},
      {"maskinens finnes", "maskin/Brul.conf", false, false},
      {"stasjonen er kartlagt", "", true, false},
  };
  for (const auto& t : tilfeller) {
    SCOPED_TRACE(t.navn);
    BevarTilstand bevar;
    Kladd kladd;
    if (*t.finnes) kladd.fil(t.finnes, "[Brul]\n");
    platform::SettStasjoner(t.kartlagt ? platform::Stasjonskart{{'C', kladd.sti()}} : platform::Stasjonskart{});
    IniFil = "C:\\Brul\\Brul.ini";
    SkriptOperator op;
    const platform::KonfigFiler filer{kladd.sti("maskin/Brul.conf"), kladd.sti("bruker/Brul.conf")};
    EXPECT_EQ(SiFraOmIngenKonfig(op, filer), t.sier);
    ASSERT_EQ(op.logg().size(), t.sier ? 1u : 0u);
    if (!t.sier) continue;
    const std::string& tekst = op.logg()[0].text;
    for (const std::string& del :
         {filer.maskin, filer.bruker, "Lag " + filer.bruker, "Åpne mappen " + kladd.sti("bruker")})
      EXPECT_NE(tekst.find(del), std::string::npos) << del << "\n" << tekst;
    EXPECT_FALSE(std::filesystem::exists(kladd.sti("bruker")));  // Nei makes nothing
  }
}
#endif

}  // namespace
}  // namespace brul
