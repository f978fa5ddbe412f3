// The file index: which sections get which FilType, in which order, and that
// the folders of the machine sections as stored decide it.
#include <gtest/gtest.h>

#include <string>

#include "editor/filindeks.h"
#include "port_felles.h"
#include "store/settings.h"

namespace brul {
namespace {

using test::IniKladd;

TEST(SkrivFilindeks, WritesDataMachineAndBackupEntriesInOrder) {
  IniKladd ini(
      "[Program]\r\nMaskiner=2\r\n"
      "[Maskin1]\r\nKatalog=c:\\cnc\\m1\\\r\nExt=.Min\r\n"
      "[Maskin2]\r\nKatalog=C:\\CNC\\M2\\\r\nBackupKatalog=C:\\Sikring\\M2\\\r\n");
  SkrivFilindeks(2);
  EXPECT_EQ(ini.les(),
            "[Program]\r\nMaskiner=2\r\n"
            "[Maskin1]\r\nKatalog=c:\\cnc\\m1\\\r\nExt=.Min\r\n"
            "[Maskin2]\r\nKatalog=C:\\CNC\\M2\\\r\nBackupKatalog=C:\\Sikring\\M2\\\r\n"
            "\r\n[C:\\BRUL\\DATA]\r\nFilType=*.EXE\r\n"
            "\r\n[C:\\CNC\\M1]\r\nFilType=*.MIN\r\n"
            "\r\n[C:\\CNC\\M1\\BACKUP]\r\nFilType=*.*\r\n"
            "\r\n[C:\\CNC\\M2]\r\nFilType=*.NC\r\n"
            "\r\n[C:\\SIKRING\\M2]\r\nFilType=*.*\r\n");
  EXPECT_TRUE(ini.op.logg().empty());
}

TEST(SkrivFilindeks, FolderEntries) {
  const struct {
    const char* navn;
    const char* ini;
    long antall;
    const char* seksjon;
    const char* filType;  // "" for absent
    const char* data = "C:\\BRUL\\DATA\\";
  } tilfeller[] = {
      {"a data folder keeps its pattern, in capitals", "[C:\\BRUL\\DATA]\r\nFilType=*.txt\r\n", 0,
       "C:\\BRUL\\DATA", "*.TXT"},
      {"a data folder without one gets *.EXE", "", 0, "C:\\BRUL\\DATA", "*.EXE"},
      {"no machines: only the data folder", "[Maskin1]\r\nKatalog=C:\\M1\\\r\n", 0, "C:\\M1", ""},
      {"a machine beyond the count is left out", "[Maskin2]\r\nKatalog=C:\\M2\\\r\n", 1, "C:\\M2", ""},
      {"the installation's extension stands in for a missing Ext",
       "[Program]\r\nExt=.h\r\n[Maskin1]\r\nKatalog=C:\\M1\\\r\n", 1, "C:\\M1", "*.H"},
      {"two machines in one folder: the higher one's extension stands",
       "[Maskin1]\r\nKatalog=C:\\F\\\r\nExt=.A\r\n[Maskin2]\r\nKatalog=C:\\F\\\r\nExt=.B\r\n", 2, "C:\\F", "*.B"},
      {"machine 1's backup is machine 2's folder: machine 2 writes last",
       "[Maskin1]\r\nKatalog=C:\\M1\\\r\nBackupKatalog=C:\\M2\\\r\n[Maskin2]\r\nKatalog=C:\\M2\\\r\n", 2, "C:\\M2",
       "*.NC"},
      {"machine 2's backup is machine 1's folder: the backup entry wins",
       "[Maskin1]\r\nKatalog=C:\\M1\\\r\n[Maskin2]\r\nKatalog=C:\\M2\\\r\nBackupKatalog=C:\\M1\\\r\n", 2, "C:\\M1",
       "*.*"},
      {"default backup folder follows the stored folder", "[Maskin1]\r\nKatalog=d:\\cnc\\m1\\\r\n", 1,
       "D:\\CNC\\M1\\BACKUP", "*.*"},
      {"a folder stored without its backslash names the same folder", "[Maskin1]\r\nKatalog=C:\\CNC\\M1\r\n", 1,
       "C:\\CNC\\M1", "*.NC"},
      {"and its backup folder lies inside it", "[Maskin1]\r\nKatalog=C:\\CNC\\M1\r\n", 1, "C:\\CNC\\M1\\BACKUP",
       "*.*"},
      {"a machine without a folder is skipped", "[Maskin1]\r\nExt=.X\r\n", 1, "\\BACKUP", ""},
      {"a program folder under no mapped drive (a local path) names no section", "", 0, "/OPT/BRULINI/BIN", "",
       "/OPT/BRULINI/BIN/"},
  };
  for (const auto& t : tilfeller) {
    IniKladd ini(t.ini, t.data);
    SkrivFilindeks(t.antall);
    EXPECT_EQ(LesStreng(t.seksjon, "FilType", ""), t.filType) << t.navn;
    // Only a data folder of this system with no Windows form is said, with
    // the Brul.conf entry to add (on Windows every folder has that form).
#ifdef _WIN32
    EXPECT_TRUE(ini.op.logg().empty()) << t.navn;
#else
    EXPECT_EQ(ini.op.logg().size(), std::string(t.seksjon).rfind("/", 0) == 0 ? 1u : 0u) << t.navn;
#endif
  }
}

TEST(SkrivFilindeks, OtherKeysOfAFolderSectionStay) {
  IniKladd ini("[C:\\M1]\r\nEier=Ola\r\nFilType=*.GAMMEL\r\n[Maskin1]\r\nKatalog=C:\\M1\\\r\n");
  SkrivFilindeks(1);
  EXPECT_EQ(LesStreng("C:\\M1", "FilType", ""), "*.NC");
  EXPECT_EQ(LesStreng("C:\\M1", "Eier", ""), "OLA");
}

TEST(SkrivFilindeks, EmptyDataFolderNamesNoSection) {
  IniKladd ini("[Maskin1]\r\nKatalog=C:\\M1\\\r\n", "");
  SkrivFilindeks(1);
  EXPECT_EQ(ini.les().find("\r\n[]"), std::string::npos);
  EXPECT_EQ(LesStreng("C:\\M1", "FilType", ""), "*.NC");
}

}  // namespace
}  // namespace brul
