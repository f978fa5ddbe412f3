// brulini ports and brulini index end to end: the overview's text byte for
// byte, the question and the warning, and the file index written into the
// settings file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kjor.h"

namespace brul {
namespace {

using test::DemoInstallasjon;
using test::Utfall;

const std::string Oppsett =
    "[Program]\r\nMaskiner=3\r\n"
    "[Maskin1]\r\nNavn=Dreiebenk\r\nPort=Com2\r\nKatalog=C:\\CNC\\DREI\\\r\nBackupKatalog=C:\\Sikring\\\r\n"
    "[Maskin2]\r\nPort=Com4\r\nKatalog=C:\\CNC\\FRES\\\r\nExt=.H\r\n"
    "[Maskin3]\r\nNavn=Robot\r\nPort=Com4\r\n";

// A scratch installation whose settings file is `innhold`, with the data
// folder C:\Data.
struct Oppsatt {
  explicit Oppsatt(const std::string& innhold) {
    DemoInstallasjon::Skriv(demo.brul() / "Aux.ini", innhold);
    demo.SkrivKonf("[Brul]\r\nINI-Fil=C:\\Brul\\Aux.ini\r\nDataKatalog=C:\\Data\r\n");
  }
  std::string les() const { return DemoInstallasjon::Les(demo.brul() / "Aux.ini"); }
  DemoInstallasjon demo;
};

TEST(CliPorts, PrintsTheClipboardText) {
  const std::string etterMaskin =
      "01:DREIEBENK\tCOM2\tC:\\CNC\\DREI\\  (OBS: BackupKatalog)\r\n"
      "02:MASKIN2\tCOM4\tC:\\CNC\\FRES\\\r\n"
      "03:ROBOT\tCOM4\tC:\\BRUL\\MASKIN3\\";
  const std::string etterPort =
      "COM1\t\t\r\n"
      "COM2\t01:DREIEBENK\tC:\\CNC\\DREI\\\r\n"
      "COM3\t\t\r\n"
      "COM4\t03:ROBOT\tC:\\BRUL\\MASKIN3\\";
  const struct {
    std::vector<std::string> args;
    std::string ut;
    bool spurt;
  } tilfeller[] = {
      {{"ports", "--by-machine"}, etterMaskin, false},
      {{"ports", "--by-port"}, etterPort, false},
      {{"--svar", "ComPortListe=Ja", "ports"}, etterPort, true},
      {{"ports"}, etterMaskin, true},
  };
  for (const auto& t : tilfeller) {
    Oppsatt o(Oppsett);
    const Utfall u = o.demo.Kjor(t.args);
    EXPECT_EQ(u.kode, 0) << t.args.back() << ": " << u.feil;
    EXPECT_EQ(u.ut, t.ut) << t.args.back();
    EXPECT_EQ(u.feil.find("Sortere på porter ?") != std::string::npos, t.spurt) << u.feil;
    EXPECT_EQ(o.les(), Oppsett) << "the overview changes nothing";
  }
}

TEST(CliPorts, NoMachinesIsAReportedFailure) {
  for (const char* maskiner : {"0", "-2", "ingen"}) {
    Oppsatt o(std::string("[Program]\r\nMaskiner=") + maskiner + "\r\n");
    const Utfall u = o.demo.Kjor({"ports", "--by-port"});
    EXPECT_EQ(u.kode, 1) << maskiner;
    EXPECT_EQ(u.ut, "") << maskiner;
    EXPECT_NE(u.feil.find("Maskiner: Ingen maskiner er satt opp!"), std::string::npos) << u.feil;
  }
}

TEST(CliPorts, WrongOptionsAreUsageErrors) {
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"ports", "--sorted"}, {"ports", "--by-port", "--by-machine"}, {"ports", "--by-port", "x"}}) {
    Oppsatt o(Oppsett);
    const Utfall u = o.demo.Kjor(args);
    EXPECT_EQ(u.kode, 2) << args.back();
    EXPECT_EQ(u.ut, "");
  }
}

TEST(CliIndex, WritesTheFolderListAsAYesWould) {
  const struct {
    std::string program;  // the [Program] section
    std::string tillegg;  // what the index adds
  } tilfeller[] = {
      {"[Program]\r\nMaskiner=3\r\n",
       "\r\n[C:\\Data]\r\nFilType=*.EXE\r\n"
       "\r\n[C:\\CNC\\DREI]\r\nFilType=*.NC\r\n"
       "\r\n[C:\\SIKRING]\r\nFilType=*.*\r\n"
       "\r\n[C:\\CNC\\FRES]\r\nFilType=*.H\r\n"
       "\r\n[C:\\CNC\\FRES\\BACKUP]\r\nFilType=*.*\r\n"},
      // Already ticked: the list is written all the same, the tick stays.
      {"[Program]\r\nMaskiner=2\r\nIndeks=True\r\nExt=.Min\r\n",
       "\r\n[C:\\Data]\r\nFilType=*.EXE\r\n"
       "\r\n[C:\\CNC\\DREI]\r\nFilType=*.MIN\r\n"
       "\r\n[C:\\SIKRING]\r\nFilType=*.*\r\n"
       "\r\n[C:\\CNC\\FRES]\r\nFilType=*.H\r\n"
       "\r\n[C:\\CNC\\FRES\\BACKUP]\r\nFilType=*.*\r\n"},
  };
  for (const auto& t : tilfeller) {
    const std::string maskiner = Oppsett.substr(Oppsett.find("[Maskin1]"));
    Oppsatt o(t.program + maskiner);
    const Utfall u = o.demo.Kjor({"index"});
    EXPECT_EQ(u.kode, 0) << u.feil;
    EXPECT_EQ(u.ut, "");
    EXPECT_EQ(o.les(), t.program + maskiner + t.tillegg);
  }
}

}  // namespace
}  // namespace brul
