// Stored paths (C:\BRUL\MASKIN1\) opened on a system with slashes, drive
// folders and letter case that counts.
#include <gtest/gtest.h>

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
  platform::SettStasjoner({{'C', kladd.sti("c")}, {'A', kladd.sti("diskett") + "/"}});
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
      {"D:\\Dnc\\Brul.ini", "D:/Dnc/Brul.ini"},
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
  platform::SettStasjoner({});
  EXPECT_EQ(platform::LokalSti("C:\\Brul\\Brul.ini"), "C:/Brul/Brul.ini");
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
