// The COM-port overview: which machine each port row shows, the machine
// labels, the backup note, the question and the warning, and the exact
// clipboard text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "port_felles.h"
#include "windows/portoversikt.h"

namespace brul {
namespace {

using test::IniKladd;
using Rader = std::vector<PortRad>;

TEST(PortRadNr, TakesCharactersFourAndFive) {
  const struct {
    const char* port;
    int rad;
  } tilfeller[] = {
      {"COM3", 3}, {"COM12", 12}, {"COM26", 26}, {"LPT1", 1}, {"COM123", 12},
      {"COM", 0},  {"COMX", 0},   {"COM0", 0},   {"COM-1", 0}, {"COM1A", 0},
      {"", 0},     {"USB", 0},    {"COM 7", 7},
  };
  for (const auto& t : tilfeller) EXPECT_EQ(PortRadNr(t.port), t.rad) << t.port;
}

struct EtterPortTilfelle {
  const char* navn;
  const char* ini;
  long antall;
  Rader rader;
};

TEST(ListeEtterPort, RowsFollowThePortNumbers) {
  const Rader ingenPorter = {
      {"ComPort", "Maskin", "Katalog"},
      {"COM1", "", ""},
      {"COM2", "", ""},
      {"COM3", "01:MASKIN1", "C:\\BRUL\\MASKIN1\\"},
      {"COM4", "02:MASKIN2", "C:\\BRUL\\MASKIN2\\"},
      {"COM5", "03:MASKIN3", "C:\\BRUL\\MASKIN3\\"},
  };
  const EtterPortTilfelle tilfeller[] = {
      {"three machines without Port keys take COM3 to COM5", "[Program]\r\nMaskiner=3\r\n", 3, ingenPorter},
      {"a shared port shows its highest-numbered machine",
       "[Maskin1]\r\nPort=Com1\r\n[Maskin2]\r\nPort=Com4\r\nNavn=Fres\r\nKatalog=c:\\cnc\\fres\\\r\n"
       "[Maskin3]\r\nPort=Com2\r\n[Maskin4]\r\nPort=Com3\r\n[Maskin5]\r\nPort=com4\r\nNavn=Drei\r\n",
       5,
       {{"ComPort", "Maskin", "Katalog"},
        {"COM1", "01:MASKIN1", "C:\\BRUL\\MASKIN1\\"},
        {"COM2", "03:MASKIN3", "C:\\BRUL\\MASKIN3\\"},
        {"COM3", "04:MASKIN4", "C:\\BRUL\\MASKIN4\\"},
        {"COM4", "05:DREI", "C:\\BRUL\\MASKIN5\\"}}},
      {"an LPT port lands in the row of its digit",
       "[Maskin1]\r\nPort=LPT1\r\n[Maskin2]\r\nPort=Com2\r\n", 2,
       {{"ComPort", "Maskin", "Katalog"},
        {"LPT1", "01:MASKIN1", "C:\\BRUL\\MASKIN1\\"},
        {"COM2", "02:MASKIN2", "C:\\BRUL\\MASKIN2\\"}}},
      {"a port without a number is left out, free ports up to the highest are listed",
       "[Maskin1]\r\nPort=USB\r\n[Maskin2]\r\nPort=Com2\r\n", 2,
       {{"ComPort", "Maskin", "Katalog"},
        {"COM1", "", ""},
        {"COM2", "02:MASKIN2", "C:\\BRUL\\MASKIN2\\"}}},
      {"no port with a number leaves the header alone", "[Maskin1]\r\nPort=Nett\r\n", 1,
       {{"ComPort", "Maskin", "Katalog"}}},
      {"ports beyond Com26 get their own rows",
       "[Maskin1]\r\nPort=Com30\r\n", 1,
       [] {
         Rader r = {{"ComPort", "Maskin", "Katalog"}};
         for (int i = 1; i < 30; ++i) r.push_back({"COM" + std::to_string(i), "", ""});
         r.push_back({"COM30", "01:MASKIN1", "C:\\BRUL\\MASKIN1\\"});
         return r;
       }()},
  };
  for (const auto& t : tilfeller) {
    IniKladd ini(t.ini);
    EXPECT_EQ(ListeEtterPort(t.antall), t.rader) << t.navn;
    EXPECT_EQ(ini.les(), t.ini) << t.navn << ": the overview changes nothing";
  }
}

TEST(ListeEtterMaskin, LabelsPortsFoldersAndTheBackupNote) {
  const struct {
    const char* navn;
    const char* seksjon;  // body of [Maskin1]
    PortRad rad;
  } tilfeller[] = {
      {"defaults", "", {"01:MASKIN1", "COM3", "C:\\BRUL\\MASKIN1\\"}},
      {"backup outside the folder is noted",
       "Katalog=C:\\CNC\\M1\\\r\nBackupKatalog=C:\\BACKUP\\\r\n",
       {"01:MASKIN1", "COM3", "C:\\CNC\\M1\\  (OBS: BackupKatalog)"}},
      {"backup inside the folder is not",
       "Katalog=C:\\CNC\\M1\\\r\nBackupKatalog=C:\\CNC\\M1\\BACKUP\\\r\n",
       {"01:MASKIN1", "COM3", "C:\\CNC\\M1\\"}},
      {"letter case does not count", "Katalog=c:\\cnc\\m1\\\r\nBackupKatalog=C:\\CNC\\M1\\Gammel\\\r\n",
       {"01:MASKIN1", "COM3", "C:\\CNC\\M1\\"}},
      {"no backup files, no note",
       "Katalog=C:\\CNC\\M1\\\r\nBackupKatalog=C:\\BACKUP\\\r\nBackupFiles=0\r\n",
       {"01:MASKIN1", "COM3", "C:\\CNC\\M1\\"}},
      {"no backup folder, no note", "Katalog=C:\\CNC\\M1\\\r\nBackupFiles=5\r\n",
       {"01:MASKIN1", "COM3", "C:\\CNC\\M1\\"}},
      {"an empty folder cannot hold the backups", "Katalog=\r\nBackupKatalog=C:\\BACKUP\\\r\n",
       {"01:MASKIN1", "COM3", "  (OBS: BackupKatalog)"}},
      {"name and port as stored, upper-cased", "Navn=Dreiebenk\r\nPort=Com7\r\n",
       {"01:DREIEBENK", "COM7", "C:\\BRUL\\MASKIN1\\"}},
      {"a port without number still shows", "Port=Nett\r\n", {"01:MASKIN1", "NETT", "C:\\BRUL\\MASKIN1\\"}},
  };
  for (const auto& t : tilfeller) {
    IniKladd ini(std::string("[Maskin1]\r\n") + t.seksjon);
    const Rader rader = ListeEtterMaskin(1);
    ASSERT_EQ(rader.size(), 2u) << t.navn;
    EXPECT_EQ(rader[0], (PortRad{"Maskin", "ComPort", "Katalog"})) << t.navn;
    EXPECT_EQ(rader[1], t.rad) << t.navn;
  }
}

TEST(ListeEtterMaskin, SharedPortShowsOnEveryMachineAndWideNumbersInFull) {
  std::string tekst;
  for (int k = 1; k <= 120; ++k) tekst += "[Maskin" + std::to_string(k) + "]\r\nPort=Com4\r\n";
  IniKladd ini(tekst);
  const Rader rader = ListeEtterMaskin(120);
  ASSERT_EQ(rader.size(), 121u);
  EXPECT_EQ(rader[2][1], "COM4");
  EXPECT_EQ(rader[5][1], "COM4");
  EXPECT_EQ(rader[9][0], "09:MASKIN9");
  EXPECT_EQ(rader[99][0], "99:MASKIN99");
  EXPECT_EQ(rader[100][0], "100:MASKIN100");
}

TEST(ListeEtterMaskin, CountIsLimitedToTheMachinesAFileCanHold) {
  IniKladd ini("");
  EXPECT_EQ(ListeEtterMaskin(100000).size(), 256u);
  EXPECT_EQ(ListeEtterMaskin(-3).size(), 1u);
}

TEST(UtklippsTekst, TabsBetweenCellsCrLfBetweenRowsNoneAtTheEnd) {
  const struct {
    Rader rader;
    std::string tekst;
  } tilfeller[] = {
      {{{"Maskin", "ComPort", "Katalog"}, {"01:A", "COM3", "C:\\X\\"}, {"02:B", "COM4", "C:\\Y\\"}},
       "01:A\tCOM3\tC:\\X\\\r\n02:B\tCOM4\tC:\\Y\\"},
      {{{"ComPort", "Maskin", "Katalog"}, {"COM1", "", ""}}, "COM1\t\t"},
      {{{"ComPort", "Maskin", "Katalog"}}, ""},
      {{}, ""},
  };
  for (const auto& t : tilfeller) EXPECT_EQ(UtklippsTekst(t.rader), t.tekst);
}

TEST(TPortForm, NoMachinesWarnsAndStaysHidden) {
  for (long antall : {0L, -1L}) {
    IniKladd ini("");
    TPortForm form;
    bool vist = false;
    form.onVis = [&] { vist = true; };
    form.VisOversikt(antall);
    EXPECT_FALSE(vist);
    ASSERT_EQ(ini.op.logg().size(), 1u);
    EXPECT_EQ(ini.op.meldinger(), std::vector<std::string>{"Maskiner: Ingen maskiner er satt opp!"});
    EXPECT_EQ(ini.op.logg()[0].ikon, Ikon::Advarsel);
  }
}

TEST(TPortForm, TheAnswerChoosesTheOrderAndEachOpeningRebuilds) {
  std::string tekst = "[Maskin1]\r\nNavn=A\r\nPort=Com2\r\n[Maskin2]\r\nNavn=B\r\nPort=Com1\r\n";
  IniKladd ini(tekst);
  TPortForm form;
  int vist = 0;
  form.onVis = [&] { ++vist; };
  std::string utklipp = "uendret";
  form.onUtklipp = [&](const std::string& t) { utklipp = t; };

  form.VisOversikt(2);  // unanswered: No, by machine
  EXPECT_EQ(vist, 1);
  ASSERT_EQ(ini.op.logg().size(), 1u);
  EXPECT_EQ(ini.op.logg()[0].caption, "ComPortListe");
  EXPECT_EQ(ini.op.logg()[0].text, "Sortere på porter ?");
  form.UtklippsTavleBtn.click();
  EXPECT_EQ(utklipp, "01:A\tCOM2\tC:\\BRUL\\MASKIN1\\\r\n02:B\tCOM1\tC:\\BRUL\\MASKIN2\\");

  // A longer listing by machine, then one by port: nothing of the first stays.
  form.VisOversikt(40);
  EXPECT_EQ(form.grid.rowCount(), 41);
  ini.op.svar("ComPortListe", "Ja");
  form.VisOversikt(2);
  EXPECT_EQ(vist, 3);
  ASSERT_EQ(form.grid.rowCount(), 3);
  EXPECT_EQ(form.grid.cell(0, 0), "ComPort");
  form.UtklippsTavleBtnClick();
  EXPECT_EQ(utklipp, "COM1\t02:B\tC:\\BRUL\\MASKIN2\\\r\nCOM2\t01:A\tC:\\BRUL\\MASKIN1\\");
}

TEST(TPortForm, CopyWithoutRowsLeavesTheClipboard) {
  IniKladd ini("[Maskin1]\r\nPort=Nett\r\n");
  TPortForm form;
  bool kopiert = false;
  form.onUtklipp = [&](const std::string&) { kopiert = true; };
  form.UtklippsTavleBtnClick();  // never opened
  EXPECT_FALSE(kopiert);
  form.Fyll(1, true);  // header only
  form.UtklippsTavleBtnClick();
  EXPECT_FALSE(kopiert);
  form.Fyll(1, false);
  form.UtklippsTavleBtnClick();
  EXPECT_TRUE(kopiert);
}

}  // namespace
}  // namespace brul
