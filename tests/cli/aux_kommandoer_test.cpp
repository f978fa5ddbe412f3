// brulini ports and brulini index end to end: the overview's text byte for
// byte, the question and the warning, and the file index written into the
// settings file.
#include <gtest/gtest.h>

#include <algorithm>
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
// folder C:\Data. (Not "Aux.ini": AUX is a device name on Windows.)
struct Oppsatt {
  explicit Oppsatt(const std::string& innhold) {
    DemoInstallasjon::Skriv(demo.brul() / "Tillegg.ini", innhold);
    demo.SkrivKonf("[Brul]\r\nINI-Fil=C:\\Brul\\Tillegg.ini\r\nDataKatalog=C:\\Data\r\n");
  }
  std::string les() const { return DemoInstallasjon::Les(demo.brul() / "Tillegg.ini"); }
  DemoInstallasjon demo;
};

TEST(CliPorts, PrintsTheClipboardText) {
  const std::string etterMaskin =
      "01:DREIEBENK\tCOM2\tC:\\CNC\\DREI\\  (OBS: BackupKatalog)\n"
      "02:MASKIN2\tCOM4\tC:\\CNC\\FRES\\\n"
      "03:ROBOT\tCOM4\tC:\\BRUL\\MASKIN3\\\n";
  const std::string etterPort =
      "COM1\t\t\n"
      "COM2\t01:DREIEBENK\tC:\\CNC\\DREI\\\n"
      "COM3\t\t\n"
      "COM4\t03:ROBOT\tC:\\BRUL\\MASKIN3\\\n";
  const struct {
    std::vector<std::string> args;
    std::string ut;
    bool spurt;
  } tilfeller[] = {
      {{"ports", "--by-machine"}, etterMaskin, false},
      {{"ports", "--by-port"}, etterPort, false},
      {{"--svar", "ComPortListe=Ja", "ports"}, etterPort, true},
      {{"ports"}, etterMaskin, true},
      {{"ports", "--svar", "ComPortListe=Ja"}, etterPort, true},
      {{"ports", "--svar", "Sortere på porter=Ja"}, etterPort, true},
  };
  for (const auto& t : tilfeller) {
    Oppsatt o(Oppsett);
    const Utfall u = o.demo.Kjor(t.args);
    EXPECT_EQ(u.kode, 0) << t.args.back() << ": " << u.feil;
    EXPECT_EQ(u.ut, t.ut) << t.args.back();
    EXPECT_EQ(u.feil.find("ComPortListe: Sortere på porter ?\n") != std::string::npos, t.spurt) << u.feil;
    EXPECT_EQ(o.les(), Oppsett) << "the overview changes nothing";
  }
}

// The stored count is read as the window's Maskiner field shows it: digits
// taken out of the text, 0 or none as 1, wrapped at 256.
TEST(CliPorts, CountsTheMachinesAsTheWindowShowsThem) {
  const struct {
    const char* maskiner;
    int linjer;  // lines of the listing by machine
  } tilfeller[] = {
      {"2 maskiner", 2}, {"3", 3}, {"0", 1}, {"ingen", 1}, {"05", 5}, {"-2", 254}, {"258", 2},
  };
  for (const auto& t : tilfeller) {
    Oppsatt o(std::string("[Program]\r\nMaskiner=") + t.maskiner + "\r\n" + Oppsett.substr(Oppsett.find("[Maskin1]")));
    const Utfall u = o.demo.Kjor({"ports", "--by-machine"});
    EXPECT_EQ(u.kode, 0) << t.maskiner << ": " << u.feil;
    EXPECT_EQ(u.feil, "") << t.maskiner;
    EXPECT_EQ(std::count(u.ut.begin(), u.ut.end(), '\n'), t.linjer) << t.maskiner << ":\n" << u.ut;
    EXPECT_EQ(u.ut.rfind("01:DREIEBENK\t", 0), 0u) << t.maskiner;
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

// A question the command asks on its own behalf is Yes only while the caller
// has not answered it; an answer given by caption or by the question's text
// is obeyed.
TEST(CliSvar, AnExplicitAnswerIsObeyed) {
  const std::string maskiner = Oppsett.substr(Oppsett.find("[Maskin1]"));
  const std::string program = "[Program]\r\nMaskiner=3\r\n";
  const std::string indeks = "\r\n[C:\\Data]\r\nFilType=*.EXE\r\n"
                             "\r\n[C:\\CNC\\DREI]\r\nFilType=*.NC\r\n"
                             "\r\n[C:\\SIKRING]\r\nFilType=*.*\r\n"
                             "\r\n[C:\\CNC\\FRES]\r\nFilType=*.H\r\n"
                             "\r\n[C:\\CNC\\FRES\\BACKUP]\r\nFilType=*.*\r\n";
  // set: the first edit lies on "Program", the second on "Maskin"; the page
  // change asks whether to save the first.
  const std::vector<std::string> set = {"set", "1", "Vis=False", "MaskinNavn=Dreier"};
  auto med = [](std::vector<std::string> a, const std::string& svar) {
    a.insert(a.end(), {"--svar", svar});
    return a;
  };
  const struct {
    std::vector<std::string> args;
    bool visLagret;     // the edit before the page change reached the file
    bool indeksSkrevet;
  } tilfeller[] = {
      {set, true, false},
      {med(set, "Maskin1: Oppsettet er endret=Nei"), false, false},
      {med(set, "Lagre endringer=Nei"), false, false},
      {med(set, "Lagre endringer ?=nei"), false, false},
      {med(set, "Lagre endringer=Ja"), true, false},
      {{"index"}, false, true},
      {{"index", "--svar", "Indeks=Nei"}, false, false},
      {{"--svar", "Generere katalog/extension liste=Nei", "index"}, false, false},
  };
  for (const auto& t : tilfeller) {
    SCOPED_TRACE(t.args.back());
    Oppsatt o(program + maskiner);
    const Utfall u = o.demo.Kjor(t.args);
    EXPECT_EQ(u.kode, 0) << u.feil;
    const std::string fil = o.les();
    EXPECT_EQ(fil.find("Vis=False") != std::string::npos, t.visLagret) << fil;
    EXPECT_EQ(fil.find("FilType=") != std::string::npos, t.indeksSkrevet) << fil;
    if (t.args[0] == "set") {
      EXPECT_NE(fil.find("Navn=Dreier"), std::string::npos) << "the last page is saved by OK";
    }
    if (t.indeksSkrevet) {
      EXPECT_EQ(fil, program + maskiner + indeks);
    }
  }
}

}  // namespace
}  // namespace brul
