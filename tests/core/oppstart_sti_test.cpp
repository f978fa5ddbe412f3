// Stored paths (C:\BRUL\MASKIN1\) opened on a system with slashes, drive
// folders and letter case that counts.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/oppstart.h"
#include "app/skriptoperator.h"
#include "app/tilstand.h"
#include "editor/controls.h"
#include "editor/kommandoer.h"
#include "oppstart_felles.h"
#include "platform/sti.h"
#include "platform/tekst.h"
#include "store/settings.h"

namespace brul {
namespace {

using test::oppstart::BevarTilstand;
using test::oppstart::Kladd;

TEST(LokalSti, StasjonOgBokstavstorrelseFinnerDetSomFinnes) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows opens stored paths as they are: no drive map, no letter-case search";
#endif
  BevarTilstand bevar;
  Kladd kladd;
  kladd.mappe("c/Brul/Maskin1");
  kladd.fil("c/Brul/Maskin1/O1000.nc", "%");
  kladd.mappe("c/Brul/Særskilt");
  kladd.mappe("c/to/ab");
  kladd.mappe("c/to/AB");
  kladd.fil("diskett/Brul.ini", "");
  kladd.mappe("cnc/Maskin1");
  kladd.mappe("dypere/Fres");
  platform::SettStasjoner({{'C', kladd.sti("c")},
                           {'A', kladd.sti("diskett") + "/"},
                           {"\\\\Srv\\Cnc", kladd.sti("cnc")},
                           {"\\\\SRV\\CNC\\Dypere\\", kladd.sti("dypere")}});
  const std::string c = kladd.sti("c") + "/";

  struct Tilfelle {
    std::string inn;
    std::string ut;
  } tilfeller[] = {
      {"C:\\BRUL\\MASKIN1\\", c + "Brul/Maskin1/"},
      {"c:\\brul\\maskin1\\o1000.NC", c + "Brul/Maskin1/O1000.nc"},
      {"C:\\BRUL\\MASKIN1\\NY\\FIL.NC", c + "Brul/Maskin1/NY/FIL.NC"},
      {"C:\\BRUL\\MANGLER\\MASKIN1", c + "Brul/MANGLER/MASKIN1"},
      {"C:\\BRUL\\SÆRSKILT", c + "Brul/Særskilt"},
      {"C:\\BRUL\\særskilt\\", c + "Brul/Særskilt/"},
      {"C:\\to\\ab", c + "to/ab"},
      {"C:\\to\\Ab", c + "to/AB"},
      {"C:\\\\Brul\\\\Maskin1", c + "Brul/Maskin1"},
      {"C:\\", c},
      {"C:Brul", c + "Brul"},
      {"A:\\Brul.ini", kladd.sti("diskett") + "/Brul.ini"},
      {"A:\\BRUL.INI", kladd.sti("diskett") + "/Brul.ini"},
      // A drive or share nobody mapped opens nothing: not a folder named
      // "D:" or "/srv" here.
      {"D:\\Dnc\\Brul.ini", ""},
      {"q:\\nodrive\\", ""},
      {"\\\\srv\\share\\m1\\", ""},
      {"\\\\annen\\cnc\\Maskin1", ""},
      {"\\\\srv", ""},
      {"\\Brul\\Brul.ini", ""},  // the root of a current drive this system does not have
      // Network paths: the longest mapped start, letter case ignored.
      {"\\\\SRV\\CNC\\MASKIN1\\", kladd.sti("cnc") + "/Maskin1/"},
      {"\\\\srv\\cnc", kladd.sti("cnc") + "/"},
      {"//srv/cnc/maskin1", kladd.sti("cnc") + "/Maskin1"},
      {"\\\\srv\\cnc\\dypere\\fres\\", kladd.sti("dypere") + "/Fres/"},
      {"\\\\srv\\cnc\\DYPERE", kladd.sti("dypere") + "/"},
      // ".." as Windows resolves it: by name, never above the root.
      {"C:\\Brul\\..\\to\\ab", c + "to/ab"},
      {"C:\\..\\..\\Brul\\.\\Maskin1", c + "Brul/Maskin1"},
      {"C:..\\Brul", c + "Brul"},
      {"C:\\Brul\\..\\..\\", c},
      {"\\\\srv\\cnc\\..\\..\\maskin1", kladd.sti("cnc") + "/Maskin1"},
      {"\\\\srv\\cnc\\dypere\\..\\maskin1", kladd.sti("cnc") + "/Maskin1"},
      {"\\\\srv\\cnc\\..\\annen\\x", kladd.sti("cnc") + "/annen/x"},  // the share stays
      {kladd.sti("C/BRUL/maskin1"), kladd.sti("c/Brul/Maskin1")},
      {"ikke-her-brul\\Maskin1\\", "ikke-her-brul/Maskin1/"},
      {"", ""},
  };
  for (const auto& t : tilfeller) {
    SCOPED_TRACE(t.inn);
    EXPECT_EQ(platform::LokalSti(t.inn), t.ut);
  }
}

TEST(LokalSti, UkjentStasjonForblirUfunnet) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows opens stored paths as they are: no drive map, no letter-case search";
#endif
  BevarTilstand bevar;
  platform::SettStasjoner({{'C', "/srv/brul"}, {"\\\\Srv\\Cnc", "/mnt/cnc"}});
  EXPECT_EQ(platform::LokalSti("D:\\Brul\\Brul.ini"), "");
  struct Tilfelle {
    const char* inn;
    const char* grunn;
  } tilfeller[] = {
      {"D:\\Brul\\Brul.ini", "stasjon D: er ikke satt opp i [Stasjoner] i Brul.conf"},
      {"q:\\nodrive\\", "stasjon Q: er ikke satt opp i [Stasjoner] i Brul.conf"},
      {"\\\\srv\\share\\m1\\", "nettverksstien \\\\srv\\share er ikke satt opp i [Stasjoner] i Brul.conf"},
      {"\\\\srv", "nettverksstien \\\\srv mangler navn på delt mappe"},
      {"\\Brul", "stien \\Brul mangler stasjon"},
  };
  for (const auto& t : tilfeller) {
    SCOPED_TRACE(t.inn);
    std::string grunn;
    EXPECT_EQ(platform::LokalSti(t.inn, grunn), std::nullopt);
    EXPECT_EQ(grunn, t.grunn);
  }
  std::string grunn;
  EXPECT_EQ(platform::LokalSti("c:\\brul", grunn), "/srv/brul/brul");
  EXPECT_EQ(grunn, "");
}

// A drive or share nobody mapped: every place that would open, create or
// write such a path says why and touches nothing, least of all a folder named
// "Q:" in the current folder or /srv/share under the root.
TEST(LokalSti, IkkeSattOppLagesIngensteds) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows opens stored paths as they are: no drive map, no letter-case search";
#endif
  BevarTilstand bevar;
  Kladd kladd;
  SkriptOperator op;
  MedOperator medOp(op);
  // A decoy where the old mapping would have looked.
  kladd.fil("Q:/x/Brul.ini", "[S]\r\nk=lokkemat\r\n");
  const auto forrigeMappe = std::filesystem::current_path();
  std::filesystem::current_path(kladd.rot());
  platform::SettStasjoner({{'C', kladd.sti("c")}});
  const std::string q = "stasjon Q: er ikke satt opp i [Stasjoner] i Brul.conf";
  const std::string unc = "nettverksstien \\\\srv\\share er ikke satt opp i [Stasjoner] i Brul.conf";
  struct Tilfelle {
    const char* sti;
    const std::string& grunn;
  } tilfeller[] = {{"Q:\\nodrive\\", q}, {"q:\\x\\", q}, {"\\\\srv\\share\\m1\\", unc}};
  for (const auto& t : tilfeller) {
    SCOPED_TRACE(t.sti);
    std::string grunn;
    EXPECT_FALSE(LagKatalog(std::string(t.sti) + "Backup\\", grunn));
    EXPECT_EQ(grunn, t.grunn);
    grunn.clear();
    EXPECT_FALSE(SkrivTekstfil(std::string(t.sti) + "5000.NC", "%", grunn));
    EXPECT_EQ(grunn, t.grunn);
    IniFil = std::string(t.sti) + "Brul.ini";
    EXPECT_EQ(LesFraFil(IniFil, "S", "k", "standard"), "standard");
    EXPECT_EQ(LesStreng("S", "k", "standard"), "STANDARD");
    op.tom();
    SkrivStreng("S", "k", "v");
    EXPECT_EQ(op.meldinger(), std::vector<std::string>{"Lagre: Kunne ikke lagre " + IniFil +
                                                       ": filen kan ikke leses (" + t.grunn + ")."});
    // Start-up: no diskette question for a file that has no place here.
    op.tom();
    EXPECT_FALSE(SjekkIniFil(op, 1));
    EXPECT_EQ(op.meldinger(), std::vector<std::string>{"Mangler konfigurasjonsfilen \"" + IniFil +
                                                       "\": Filen kan ikke åpnes: " + t.grunn + "."});
  }
  std::filesystem::current_path(forrigeMappe);
  std::vector<std::string> her;
  for (const auto& e : std::filesystem::recursive_directory_iterator(kladd.rot()))
    her.push_back(e.path().lexically_relative(kladd.rot()).generic_string());
  std::sort(her.begin(), her.end());
  EXPECT_EQ(her, (std::vector<std::string>{"Q:", "Q:/x", "Q:/x/Brul.ini"}));
  EXPECT_EQ(kladd.les("Q:/x/Brul.ini"), "[S]\r\nk=lokkemat\r\n");
  EXPECT_FALSE(std::filesystem::exists("/srv/share/m1"));
}

// The way back: a folder of this system (the folder browser's answer) as the
// Windows programs that read the file must see it.
TEST(LagretSti, MappetMappeBlirWindowsSti) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows opens stored paths as they are: no drive map, no letter-case search";
#endif
  BevarTilstand bevar;
  Kladd kladd;
  kladd.mappe("c/Brul/Maskin7");
  kladd.mappe("cnc/dypere/Fres");
  kladd.mappe("utenfor");
  std::filesystem::create_directory_symlink(kladd.sti("c/Brul"), kladd.sti("lenke"));
  platform::SettStasjoner({{'C', kladd.sti("c") + "/"},
                           {"\\\\Srv\\Cnc", kladd.sti("cnc")},
                           {"\\\\Srv\\Cnc\\Fres", kladd.sti("cnc/dypere/Fres")},
                           {'E', kladd.sti("cnc/dypere")}});
  struct Tilfelle {
    std::string inn;
    std::optional<std::string> ut;
  } tilfeller[] = {
      {kladd.sti("c/Brul/Maskin7"), "C:\\Brul\\Maskin7"},
      {kladd.sti("c/Brul/Maskin7/"), "C:\\Brul\\Maskin7"},
      {kladd.sti("c"), "C:\\"},
      {kladd.sti("c/Brul/../Brul/./Maskin7"), "C:\\Brul\\Maskin7"},
      {kladd.sti("cnc"), "\\\\SRV\\CNC"},
      {kladd.sti("cnc/Ny mappe"), "\\\\SRV\\CNC\\Ny mappe"},
      // The longest mapped folder wins, a drive letter or a network path.
      {kladd.sti("cnc/dypere/Fres/M1"), "\\\\SRV\\CNC\\FRES\\M1"},
      {kladd.sti("cnc/dypere/Dreie"), "E:\\Dreie"},
      // Through a link to a mapped folder.
      {kladd.sti("lenke/Maskin7"), "C:\\Brul\\Maskin7"},
      // Already in the stored form: kept.
      {"C:\\CNC\\DREIEBENK", "C:\\CNC\\DREIEBENK"},
      {"\\\\srv\\cnc\\m1", "\\\\srv\\cnc\\m1"},
      // Under no mapped folder: no stored form.
      {kladd.sti("utenfor"), std::nullopt},
      {kladd.sti("c2"), std::nullopt},  // a name that only starts like a mapped folder
      {"/", std::nullopt},
  };
  for (const auto& t : tilfeller) {
    SCOPED_TRACE(t.inn);
    std::string grunn;
    const auto ut = platform::LagretSti(t.inn, grunn);
    EXPECT_EQ(ut, t.ut);
    if (ut) {
      // And back again to the same folder.
      EXPECT_EQ(std::filesystem::weakly_canonical(platform::LokalSti(*ut)),
                std::filesystem::weakly_canonical(platform::LokalSti(t.inn)));
      EXPECT_EQ(grunn, "");
    } else {
      EXPECT_NE(grunn.find("mappen " + t.inn + " ligger ikke i en mappe som er satt opp i [Stasjoner] i Brul.conf"),
                std::string::npos)
          << grunn;
      EXPECT_NE(grunn.find("\n" + kladd.sti("c") + " (C:)"), std::string::npos) << grunn;
      EXPECT_NE(grunn.find("\n" + kladd.sti("cnc") + " (\\\\SRV\\CNC)"), std::string::npos) << grunn;
    }
  }
  platform::SettStasjoner({});
  std::string grunn;
  EXPECT_EQ(platform::LagretSti(kladd.sti("c"), grunn), std::nullopt);
  EXPECT_NE(grunn.find("ingen mapper er satt opp i [Stasjoner] i Brul.conf"), std::string::npos) << grunn;
}

// What a path field stores, whoever typed it: a folder of this system in
// Windows form through the drive map, Windows forms as given; nothing that
// leads out of a mapped folder or that no Windows program could open.
TEST(LagretVerdi, LokaleStierBlirWindowsStierOgIngenStiKlatrerUt) {
  BevarTilstand bevar;
  Kladd kladd;
  kladd.mappe("c/Brul");
  kladd.mappe("utenfor");
  platform::SettStasjoner({{'C', kladd.sti("c")}});
  const std::optional<std::string> avvist;
  struct Tilfelle {
    std::string inn;
    bool mappe;
    std::optional<std::string> ut;
    bool lokal;  // a local path of this system: not one on Windows
  } tilfeller[] = {
      {TilStore(kladd.sti("c/brul")) + "/M1/", true, "C:\\Brul\\M1\\", true},  // as read back from the file
      {kladd.sti("c/Brul") + "\\M1\\Backup\\", true, "C:\\Brul\\M1\\Backup\\", true},
      {kladd.sti("c/x/../Brul/./M1"), true, "C:\\Brul\\M1\\", true},
      {kladd.sti("c/Brul/Logg/m1.log"), false, "C:\\Brul\\Logg\\m1.log", true},
      {kladd.sti("utenfor/m1.log"), false, avvist, true},
      {"C:\\Brul\\..\\Nye\\M1\\", true, "C:\\Brul\\..\\Nye\\M1\\", false},
      {"C:..\\M1", true, avvist, false},
      {"\\..\\M1", true, avvist, false},
      {"\\\\SRV\\CNC\\M1\\", true, "\\\\SRV\\CNC\\M1\\", false},
      {"\\\\SRV\\CNC\\M1\\..\\..\\ANNEN\\", true, avvist, false},
      {"\\\\SRV\\..\\X\\", true, avvist, false},
      {"", true, "", false},
  };
  for (const auto& t : tilfeller) {
    SCOPED_TRACE(t.inn);
#ifdef _WIN32
    if (t.lokal) continue;
#endif
    std::string grunn;
    EXPECT_EQ(platform::LagretVerdi(t.inn, t.mappe, grunn), t.ut);
    const bool klatrer = t.inn.find("..") != std::string::npos && !t.lokal;
    if (!t.ut) {
      EXPECT_NE(grunn.find(klatrer ? "går opp over roten av" : "Disse kan brukes:\n"), std::string::npos) << grunn;
    }
  }
  // A data folder under no mapped folder: what to add to Brul.conf.
  DataKatalog = ExeKatalog = "";
  EXPECT_EQ(UbruktMappe(), "");
#ifndef _WIN32
  DataKatalog = TilStore(kladd.sti("utenfor/"));
  EXPECT_EQ(UbruktMappe().rfind("Mappen " + kladd.sti("utenfor") + " ligger ikke i en mappe som er satt opp", 0), 0u);
  EXPECT_NE(UbruktMappe().find("ExeKatalog= og DataKatalog= under [Brul]"), std::string::npos);
#endif
}

TEST(MedSkilletegn, LeggerTilEttSkilletegnDerDetMangler) {
#ifdef _WIN32
  GTEST_SKIP() << "On Windows a slash is no folder separator of a stored path; the rows are local paths of other systems";
#endif
  struct Tilfelle {
    const char* inn;
    const char* ut;
  } tilfeller[] = {
      {"", ""},
      {"D:\\Dnc", "D:\\Dnc\\"},
      {"D:\\Dnc\\", "D:\\Dnc\\"},
      {"/srv/brul", "/srv/brul/"},
      {"/srv/brul/", "/srv/brul/"},
      {"/srv/brul\\data", "/srv/brul\\data\\"},
      {"Maskin3", "Maskin3\\"},
  };
  for (const auto& t : tilfeller) {
    SCOPED_TRACE(t.inn);
    EXPECT_EQ(platform::MedSkilletegn(t.inn), t.ut);
  }
}

// The folder browser's answer goes into the field in Windows form; a folder
// under no mapped folder leaves the field as it was and says which can be used.
TEST(LagretSti, MappevelgerenLagrerWindowsStier) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows has no drive map: a folder picked there is already in stored form";
#endif
  BevarTilstand bevar;
  Kladd kladd;
  kladd.mappe("c/CNC/Dreiebenk");
  kladd.mappe("cnc/Fres");
  kladd.mappe("utenfor");
  platform::SettStasjoner({{'C', kladd.sti("c")}, {"\\\\Srv\\Cnc", kladd.sti("cnc")}});
  struct Tilfelle {
    std::string valgt;
    std::string felt;  // the field afterwards; it held "C:\\M1\\" before
    bool godtatt;
  } tilfeller[] = {
      {kladd.sti("c/CNC/Dreiebenk"), "C:\\CNC\\Dreiebenk\\", true},
      {kladd.sti("c"), "C:\\", true},
      {kladd.sti("cnc/Fres/"), "\\\\SRV\\CNC\\Fres\\", true},
      {kladd.sti("cnc"), "\\\\SRV\\CNC\\", true},
      {"D:\\", "D:\\", true},  // already a stored path
      {kladd.sti("utenfor"), "C:\\M1\\", false},
  };
  for (const auto& t : tilfeller) {
    SCOPED_TRACE(t.valgt);
    SkriptOperator op;
    MedOperator medOp(op);
    op.svar("Velg katalog, Dreiebenk", t.valgt);
    Edit felt("Katalog");
    felt.setText("C:\\M1\\");
    EXPECT_EQ(VelgKatalogFor(felt, "Dreiebenk"), t.godtatt);
    EXPECT_EQ(felt.text(), t.felt);
    if (t.godtatt) {
      EXPECT_TRUE(op.meldinger().empty());
    } else {
      ASSERT_EQ(op.meldinger().size(), 1u);
      EXPECT_EQ(op.meldinger()[0].rfind("Velg katalog: Katalogen kan ikke brukes: mappen " + t.valgt +
                                            " ligger ikke i en mappe som er satt opp i [Stasjoner] i Brul.conf",
                                        0),
                0u)
          << op.meldinger()[0];
      EXPECT_NE(op.meldinger()[0].find("\n" + kladd.sti("cnc") + " (\\\\SRV\\CNC)"), std::string::npos);
    }
  }
}

}  // namespace
}  // namespace brul
