// Stored paths (C:\BRUL\MASKIN1\) opened on a system with slashes, drive
// folders and letter case that counts.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "oppstart_felles.h"
#include "platform/sti.h"

namespace brul {
namespace {

using test::oppstart::BevarTilstand;
using test::oppstart::Kladd;

TEST(LokalSti, StasjonOgBokstavstorrelseFinnerDetSomFinnes) {
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

// The way back: a folder of this system (the folder browser's answer) as the
// Windows programs that read the file must see it.
TEST(LagretSti, MappetMappeBlirWindowsSti) {
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

TEST(MedSkilletegn, LeggerTilEttSkilletegnDerDetMangler) {
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

}  // namespace
}  // namespace brul
