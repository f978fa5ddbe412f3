// brulini check, set/preset --vis, history and restore end to end on the
// demo installation.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "kjor.h"

namespace brul {
namespace {

using test::DemoInstallasjon;
using test::Utfall;

struct Steg {
  std::vector<std::string> args;
  int kode;
  std::vector<std::string> ut;  // parts of standard output, in this order
  bool uendret;                 // the settings file is left as it was
  std::string merk = "";        // the note on standard error; none when empty
};

struct CliRad {
  const char* navn;
  std::string ini;  // replaces the demo's settings file when not empty
  std::vector<Steg> steg;
};

TEST(CliKontroll, CheckVisHistoryRestore) {
  const std::vector<CliRad> tabell{
      {"DemoHarIngenFeil", "",
       {{{"check"}, 0, {"Info\tCom4\tCom\tPort\tCom4 brukes av Maskin4 (", ") og Maskin5 ("}, true}}},
      {"FeilGirKode1", "[Program]\r\nMaskiner=1\r\n[Maskin1]\r\nPort=Com30\r\nStartKode=[FOO]\r\n",
       {{{"check"},
         1,
         {"Feil\tMaskin1\tProtokoll\tStartKode\t\"[FOO]\" kan ikke tolkes",
          "Feil\tMaskin1\tMaskin\tPort\tPorten \"Com30\" finnes ikke"},
         true}}},
      {"SetVisEndrerIngenting", "",
       {{{"set", "1", "MaskinNavn=Ny", "--vis"}, 0, {"[Maskin1]\n  Navn: \"Dreiebenk", "\" → \"Ny\"\n"}, true},
        {{"history"}, 0, {"er tom: ingen lagring er tatt vare på ennå.\n"}, true}}},
      {"PresetVisNevnerFilene", "",
       {{{"preset", "1", "Fanuc", "Med kommentarer", "--opprett-henteprogram", "--vis"},
         0,
         {"  Protokoll: \"Standard\" → \"BTR\"", "Fil erstattes: C:\\BRUL\\MASKIN1\\5000.NC\n"},
         true}}},
      // A save notes the faults it brought in, and only those: the command still saved.
      {"SetMerkerNyFeil", "",
       {{{"set", "1", "Baud=12345"}, 0, {}, false, "brulini: merk: Feil i [Com3] Baud: \"12345\" står ikke i listen"},
        {{"set", "1", "MaskinNavn=Ny"}, 0, {}, false}}},
      {"LagreHistorikkGjenopprett", "",
       {{{"set", "1", "MaskinNavn=Ny"}, 0, {}, false},
        {{"history"}, 0, {"1\t", "\tMaskin1 (Ny)\t2 endringer\n"}, true},
        {{"history", "1"}, 0, {"[Maskin1]\n  Navn: \"Dreiebenk"}, true},
        {{"restore", "1"}, 0, {}, false},
        {{"history"}, 0, {"2\t", "\tGjenoppretting av nr. 1\n1\t"}, true},
        {{"restore", "7"}, 1, {}, true}}},
      // A save of machine 1's port is listed by the machine.
      {"PortLagringNevnerMaskinen", "",
       {{{"set", "1", "Baud=4800"}, 0, {}, false}, {{"history", "1"}, 0, {"\tMaskin1 (", "[Com3]\n  Baud: \"9600\" → \"4800\"\n"}, true}}},
  };
  for (const CliRad& r : tabell) {
    SCOPED_TRACE(r.navn);
    DemoInstallasjon demo;
    if (!r.ini.empty()) DemoInstallasjon::Skriv(demo.ini(), r.ini);
    const std::string demoIni = DemoInstallasjon::Les(demo.ini());
    for (const Steg& s : r.steg) {
      SCOPED_TRACE(s.args.front());
      const std::string for_ = DemoInstallasjon::Les(demo.ini());
      const Utfall u = demo.Kjor(s.args);
      EXPECT_EQ(u.kode, s.kode) << u.feil;
      std::size_t pos = 0;
      for (const std::string& del : s.ut) {
        const std::size_t p = u.ut.find(del, pos);
        ASSERT_NE(p, std::string::npos) << del << "\nin:\n" << u.ut;
        pos = p + del.size();
      }
      EXPECT_EQ(DemoInstallasjon::Les(demo.ini()) == for_, s.uendret);
      EXPECT_EQ(u.feil.find(s.merk.empty() ? "brulini: merk:" : s.merk) != std::string::npos, !s.merk.empty()) << u.feil;
    }
    if (std::string(r.navn) == "LagreHistorikkGjenopprett") {
      // Byte for byte, but for the machine remembered since (no part of a version).
      std::string forventet = demoIni;
      forventet.replace(forventet.find("\r\nMaskin=2\r\n"), 12, "\r\nMaskin=1\r\n");
      EXPECT_EQ(DemoInstallasjon::Les(demo.ini()), forventet) << "restore gives the file back byte for byte";
    }
  }
}

// A restore keeps what another program changed since, and only after a Yes.
TEST(CliKontroll, RestoreSporOmEtAnnetProgramsEndring) {
  DemoInstallasjon demo;
  ASSERT_EQ(demo.Kjor({"set", "1", "MaskinNavn=Ny"}).kode, 0);
  const std::string annet = DemoInstallasjon::Les(demo.ini()) + "[Ekstra]\r\nNokkel=1\r\n";
  DemoInstallasjon::Skriv(demo.ini(), annet);
  Utfall u = demo.Kjor({"restore", "1"});
  EXPECT_EQ(u.kode, 1);
  EXPECT_NE(u.feil.find("Endret av et annet program: Et annet program har endret filen"), std::string::npos) << u.feil;
  EXPECT_NE(u.feil.find("[Ekstra]\n  Nokkel: ny, \"1\""), std::string::npos) << u.feil;
  EXPECT_EQ(DemoInstallasjon::Les(demo.ini()), annet);
  u = demo.Kjor({"--svar", "Endret av et annet program=Ja", "restore", "1"});
  EXPECT_EQ(u.kode, 0) << u.feil;
  const std::string na = DemoInstallasjon::Les(demo.ini());
  EXPECT_NE(na.find("[Ekstra]\r\nNokkel=1\r\n"), std::string::npos);
  EXPECT_EQ(na.find("Navn=Ny"), std::string::npos);
  // With the settings file gone, restore brings it back from its history, asking for no diskette.
  std::filesystem::remove(demo.ini());
  u = demo.Kjor({"restore", "2"});
  EXPECT_EQ(u.kode, 0) << u.feil;
  EXPECT_EQ(DemoInstallasjon::Les(demo.ini()), annet);
}

}  // namespace
}  // namespace brul
