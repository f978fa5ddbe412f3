// brulini preset end to end on a copy of the demo installation: the keys the
// preset leaves in the settings file, the questions answered with --svar and
// the fetch programs written into the machine folders, byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "kjor.h"

namespace brul {
namespace {

using test::DemoInstallasjon;
using test::Utfall;

// The lines of one section of the raw file, header excluded.
std::vector<std::string> Seksjon(const std::string& fil, const std::string& navn) {
  std::vector<std::string> linjer;
  size_t pos = fil.find("[" + navn + "]\r\n");
  if (pos == std::string::npos) return linjer;
  pos = fil.find("\r\n", pos) + 2;
  while (pos < fil.size() && fil[pos] != '[') {
    size_t slutt = fil.find("\r\n", pos);
    if (slutt == std::string::npos) slutt = fil.size();
    linjer.push_back(fil.substr(pos, slutt - pos));
    pos = slutt + 2;
  }
  return linjer;
}

bool Har(const std::vector<std::string>& seksjon, const std::string& linje) {
  return std::find(seksjon.begin(), seksjon.end(), linje) != seksjon.end();
}

// Every file of a machine folder with its bytes.
std::map<std::string, std::string> Filer(const std::filesystem::path& mappe) {
  std::map<std::string, std::string> f;
  for (const auto& d : std::filesystem::directory_iterator(mappe))
    if (d.is_regular_file()) f[d.path().filename().string()] = DemoInstallasjon::Les(d.path());
  return f;
}

struct CliRad {
  std::string navn;
  std::vector<std::string> args;       // after --ini FILE
  int maskin;                          // the machine folder to look at
  std::map<std::string, std::string> nyeFiler;  // files the preset adds, with their bytes
  std::vector<std::pair<std::string, std::string>> linjer;  // section, exact line
  std::vector<std::pair<std::string, std::string>> ikke;    // section, line that must be gone
  std::vector<std::string> feil;       // texts that standard error must show
  std::string forIni = {};             // text put right after the machine's section header
};

std::ostream& operator<<(std::ostream& ut, const CliRad& r) { return ut << r.navn; }

const std::vector<CliRad> Rader = {
    {"FanucComments",
     {"preset", "1", "Fanuc", "Med kommentarer", "--opprett-henteprogram"},
     1,
     {{"5000.NC", "%\r\n:5000 (5002)\r\n(HENTEPROGRAM)\r\nM30\r\n%\r\n"},
      {"5002.NC", "%\r\n:5002 (5)\r\n(KATALOG-HENTEPROGRAM)\r\nM30\r\n%\r\n"},
      {"5003.NC", "%\r\n:5003 (TOOLS)\r\n(TOOLDATA-HENTEPROGRAM)\r\nM30\r\n%\r\n"},
      {"9020.NC",
       "%\r\n:9020\r\nPOPEN\r\nDPRNT [MAKRO 4]\r\nDPRNT [PARAM#4115[40]]\r\nPCLOS\r\nM99\r\n%\r\n"}},
     {{"Maskin1", "Protokoll=BTR"}, {"Maskin1", "StartKode=[DC2]"},
      {"Maskin1", "HenteProgram=Kommentarer"}, {"Maskin1", "DirProgramNr=:5006(KATALOG)"},
      {"Maskin1", "MaxLengde=14"}, {"Maskin1", "BackupFiles=3"}, {"Maskin1", "FtpFilNavn=Kommentarer"},
      {"Com3", "Baud=4800"}, {"Com3", "TimeOut=4"}},
     {},
     {}},
    // The operator keeps the port: baud rate and line format stay.
    {"FanucKeepPort",
     {"preset", "1", "Fanuc", "Med parenteser", "--behold-port"},
     1,
     {},
     {{"Maskin1", "Protokoll=BTR"}, {"Maskin1", "HenteProgram=Parenteser"}, {"Com3", "Baud=9600"},
      {"Com3", "Bit=7"}, {"Com3", "StoppBit=2"}, {"Com3", "Paritet=E"}},
     {},
     {}},
    {"SiemensAnsweredYes",
     {"--svar", "Siemens=Ja", "preset", "4", "Siemens (splitt program)", "Med kommentarer",
      "--opprett-henteprogram"},
     4,
     {{"5000.MPF", "%MPF5000\r\n(5002)\r\n(HENTEPROGRAM)\r\nM30\r\n"},
      {"5002.MPF", "%MPF5002\r\n(5)\r\n(KATALOG-HENTEPROGRAM)\r\nM02\r\n"},
      {"5003.MPF", "%MPF5003\r\n(TOOLS)\r\n(TOOLDATA-HENTEPROGRAM)\r\nM02\r\n"}},
     {{"Maskin4", "Styring=Siemens (splitt program)"}, {"Maskin4", "Protokoll=Linje"},
      {"Maskin4", "StoppKode=M30"}, {"Maskin4", "StoppFeil=M02"},
      {"Maskin4", "DirProgramNr=%MPF5006(KATALOG)"}, {"Maskin4", "Tool=%MPF5003"},
      {"Maskin4", "IngenFil=%MPF5008[CR][LF]N1 (FINNER IKKE FILEN)[CR][LF]N2 M30[CR][LF]"},
      {"Com4", "Baud=9600"}},
     {},
     {"Benyttes %MPF som hovedprogram (Nei = %)?"}},
    {"SiemensNForm",
     {"preset", "4", "Siemens (samle program)", "Med _N_ og kommentarer", "--opprett-henteprogram"},
     4,
     {{"5000.MPF", "%_N_5000_MPF\r\n(5002)\r\n(HENTEPROGRAM)\r\nM30\r\n"},
      {"5002.MPF", "%_N_5002_MPF\r\n(5)\r\n(KATALOG-HENTEPROGRAM)\r\nM02\r\n"},
      {"5003.MPF", "%_N_5003_MPF\r\n(TOOLS)\r\n(TOOLDATA-HENTEPROGRAM)\r\nM02\r\n"}},
     {{"Maskin4", "Protokoll=Standard"}, {"Maskin4", "HenteProgram=Siemens_N"},
      {"Maskin4", "Hent=%_N_5000_MPF"}, {"Maskin4", "MaxLengde=40"}},
     {},
     {}},
    {"PresetterTerminalCom3",
     {"--svar", "Terminal=Com3", "preset", "5", "Forinstiller", "Med håndterminal"},
     5,
     {},
     {{"Maskin5", "Protokoll=ForInstTerm"}, {"Maskin5", "Variabel1=DISPLAY"},
      {"Maskin5", "DISPLAY=0"}, {"Maskin5", "Variabel2=TERMPORT"}, {"Maskin5", "TERMPORT=Com3"},
      {"Com3", "Baud=1200"}, {"Com3", "HandShake=False"}, {"Com3", "TimeMultiplier=250"}},
     {{"Maskin5", "Variabel3=DISPLAY"}},
     {"Hvilken Com-port skal benyttes ?"}},
    {"MazatrolClearsOldVariables",
     {"--svar", "Nytt oppsett=Ja", "preset", "3", "Mazatrol (8 siffer)", "Med kort navn",
      "--opprett-henteprogram"},
     3,
     {{"5000.NC", "%\nO5000 (5002)\n(HENTEPROGRAM)\nM30\n%\r\n"},
      {"5002.NC", "%\nO5002 (5)\n(KATALOG-HENTEPROGRAM)\nM30\n%\r\n"}},
     {{"Maskin3", "Ext=.MAZ"}, {"Maskin3", "HenteProgram=MazatrolKort"}},
     {{"Maskin3", "Variabel1=Gammel"}},
     {"Slette variabler under \"Annet\" først ?"},
     "Variabel1=Gammel\r\nGammel=1\r\n"},
    {"MazatrolKeepsOldVariables",
     {"--svar", "Nytt oppsett=Nei", "preset", "3", "Mazatrol (8 siffer)", "Med kort navn"},
     3,
     {},
     {{"Maskin3", "Variabel1=Gammel"}, {"Maskin3", "Gammel=1"}, {"Maskin3", "Ext=.MAZ"},
      {"Maskin3", "Hent=O00005000"}, {"Maskin3", "DirProgramNr=O00005006(KATALOG)"},
      {"Com2", "Baud=19200"}, {"Com2", "StoppBit=2"}},
     {},
     {"Slette variabler under \"Annet\" først ?"},
     "Variabel1=Gammel\r\nGammel=1\r\n"},
};

class CliPreset : public ::testing::TestWithParam<CliRad> {};

TEST_P(CliPreset, FileAndFetchProgramsAfterPreset) {
  const CliRad& r = GetParam();
  DemoInstallasjon demo;
  std::string ini = DemoInstallasjon::Les(demo.ini());
  if (!r.forIni.empty()) {
    const std::string hode = "[Maskin" + std::to_string(r.maskin) + "]\r\n";
    ini.insert(ini.find(hode) + hode.size(), r.forIni);
    DemoInstallasjon::Skriv(demo.ini(), ini);
  }
  const auto mappe = demo.brul() / ("Maskin" + std::to_string(r.maskin));
  auto forventet = Filer(mappe);
  for (const auto& [navn, bytes] : r.nyeFiler) forventet[navn] = bytes;

  std::vector<std::string> args = {"--ini", demo.ini().string()};
  args.insert(args.end(), r.args.begin(), r.args.end());
  const Utfall u = demo.Kjor(args);
  ASSERT_EQ(u.kode, 0) << u.feil;
  EXPECT_EQ(Filer(mappe), forventet);
  const std::string etter = DemoInstallasjon::Les(demo.ini());
  for (const auto& [seksjon, linje] : r.linjer)
    EXPECT_TRUE(Har(Seksjon(etter, seksjon), linje)) << seksjon << ": " << linje;
  for (const auto& [seksjon, linje] : r.ikke)
    EXPECT_FALSE(Har(Seksjon(etter, seksjon), linje)) << seksjon << ": " << linje;
  for (const auto& tekst : r.feil) EXPECT_NE(u.feil.find(tekst), std::string::npos) << tekst;
  EXPECT_EQ(u.feil.find("Oppretting av fil feilet"), std::string::npos) << u.feil;
}

INSTANTIATE_TEST_SUITE_P(Rader, CliPreset, ::testing::ValuesIn(Rader),
                         [](const auto& i) { return i.param.navn; });

// A machine folder that is missing: each fetch program is reported once, the
// preset is saved all the same, and the exit status tells that something was
// reported.
TEST(CliPresetFeil, MissingFolderReportedPerFile) {
  DemoInstallasjon demo;
  std::filesystem::remove_all(demo.brul() / "Maskin1");
  const Utfall u = demo.Kjor({"--ini", demo.ini().string(), "preset", "1", "Fanuc",
                              "Med parenteser", "--opprett-henteprogram"});
  EXPECT_EQ(u.kode, 1) << u.feil;
  size_t n = 0;
  for (size_t p = u.feil.find("Oppretting av fil feilet"); p != std::string::npos;
       p = u.feil.find("Oppretting av fil feilet", p + 1))
    ++n;
  EXPECT_EQ(n, 4u) << u.feil;
  const std::string etter = DemoInstallasjon::Les(demo.ini());
  EXPECT_TRUE(Har(Seksjon(etter, "Maskin1"), "HenteProgram=Parenteser"));
  EXPECT_TRUE(Har(Seksjon(etter, "Maskin1"), "Protokoll=BTR"));
}

// An unknown controller changes nothing.
TEST(CliPresetFeil, UnknownControllerLeavesFile) {
  DemoInstallasjon demo;
  const std::string for_ = DemoInstallasjon::Les(demo.ini());
  const Utfall u = demo.Kjor({"--ini", demo.ini().string(), "preset", "1", "Fanuc 99", "Med parenteser"});
  EXPECT_NE(u.kode, 0);
  EXPECT_EQ(DemoInstallasjon::Les(demo.ini()), for_);
}

}  // namespace
}  // namespace brul

namespace brul {
namespace {

// Every way a path reaches the file (set, preset) against every kind of path:
// what is stored, the exit status, and what exists on disk afterwards.
// Nothing is written or created outside the mapped folders, and a refused
// value leaves the file as it was. {C} is drive C's folder, {K} the scratch
// folder beside it (mapped to nothing).
TEST(CliStier, HverVeiInnLagrerWindowsStierOgLagerIngentingUtenfor) {
  const std::string lang(5000, 'x');
  const std::vector<std::string> preset = {"preset", "1", "Fanuc", "Med parenteser", "--behold-port"};
  struct Tilfelle {
    std::vector<std::string> args;
    std::string katalog;  // Maskin1's Katalog before, in place of the demo's; empty: as it is
    int kode;
    std::string nokkel, lagret;  // the key of Maskin1 as read back; empty: Maskin1 is unchanged
    std::string lages, lagesIkke;
    bool bareLinux;  // a local path of this system: Windows has none
  } tilfeller[] = {
      {{"set", "1", "Katalog=C:\\Brul\\Nye\\M1\\", "OpprettKataloger=True"}, "", 0, "Katalog", "C:\\BRUL\\NYE\\M1\\",
       "{C}/Brul/Nye/M1/Backup", "", false},
      {{"set", "1", "Katalog={C}/Brul/Nye/M2", "OpprettKataloger=True"}, "", 0, "Katalog", "C:\\BRUL\\NYE\\M2\\",
       "{C}/Brul/Nye/M2/Backup", "", true},
      {{"set", "1", "Katalog={K}/utenfor/M3", "OpprettKataloger=True"}, "", 1, "", "", "", "{K}/utenfor", true},
      {{"set", "1", "Katalog={C}/../utenfor/M4", "OpprettKataloger=True"}, "", 1, "", "", "", "{K}/utenfor", true},
      // A folder that cannot be made refuses the whole set: nothing is stored.
      {{"set", "1", "Katalog=Relativ\\M5\\", "OpprettKataloger=True"}, "", 1, "Katalog", "", "",
       "{K}/Relativ", true},
      {{"set", "1", "Katalog=C:\\Brul\\x\\..\\Nye\\M6\\", "OpprettKataloger=True"}, "", 0, "Katalog",
       "C:\\BRUL\\X\\..\\NYE\\M6\\", "{C}/Brul/Nye/M6/Backup", "", false},
      {{"set", "1", "Katalog=C:\\..\\..\\M7\\", "OpprettKataloger=True"}, "", 1, "", "", "", "{C}/M7", false},
      {{"set", "1", "BackupKatalog=\\\\SRV\\CNC\\M8\\"}, "", 0, "BackupKatalog", "\\\\SRV\\CNC\\M8\\", "", "", false},
      {{"set", "1", "BackupKatalog=\\\\SRV\\CNC\\..\\ANNEN\\"}, "", 1, "", "", "", "", false},
      {{"set", "1", "Katalog=C:\\Brul\\Lang" + lang + "\\", "OpprettKataloger=True"}, "", 1, "", "", "",
       "{C}/Brul/Lang" + lang.substr(0, 100), false},
      {{"set", "1", "MaskinNavn=" + lang}, "", 1, "", "", "", "", false},
      {preset, "{C}/Brul/LM1", 0, "BackupKatalog", "C:\\BRUL\\LM1\\BACKUP\\", "", "", true},
      {preset, "{K}/utenfor/LM2", 1, "", "", "", "{K}/utenfor", true},
      {preset, "C:\\..\\LM3\\", 1, "", "", "", "", false},
      {preset, "C:\\Brul\\" + lang, 1, "", "", "", "", false},
  };
  for (auto t : tilfeller) {
#ifdef _WIN32
    if (t.bareLinux) continue;
#endif
    DemoInstallasjon demo;
    auto fyll = [&](std::string s) {
      for (const auto& [merke, mappe] : {std::pair<std::string, std::filesystem::path>{"{C}", demo.brul().parent_path()},
                                         {"{K}", demo.rot()}})
        for (auto p = s.find(merke); p != std::string::npos; p = s.find(merke))
          s.replace(p, merke.size(), mappe.generic_string());
      return s;
    };
    for (auto& a : t.args) a = fyll(a);
    SCOPED_TRACE(t.args[2].substr(0, 60) + (t.katalog.empty() ? "" : " / Katalog=" + t.katalog.substr(0, 40)));
    if (!t.katalog.empty()) {
      std::string fil = DemoInstallasjon::Les(demo.ini());
      const std::string gammel = "Katalog=C:\\Brul\\Maskin1\\\r\n";
      fil.replace(fil.find(gammel), gammel.size(), "Katalog=" + fyll(t.katalog) + "\r\n");
      DemoInstallasjon::Skriv(demo.ini(), fil);
    }
    const std::string for_ = DemoInstallasjon::Les(demo.ini());
    Utfall u = demo.Kjor(t.args);
    EXPECT_EQ(u.kode, t.kode) << u.feil;
    if (t.lagret.empty()) {
      EXPECT_TRUE(Seksjon(DemoInstallasjon::Les(demo.ini()), "Maskin1") == Seksjon(for_, "Maskin1"));
    } else {
      EXPECT_EQ(demo.Kjor({"get", "Maskin1", t.nokkel}).ut, t.lagret + "\n");
    }
    if (!t.lages.empty()) {
      EXPECT_TRUE(std::filesystem::is_directory(fyll(t.lages)));
    }
    if (!t.lagesIkke.empty()) {
      EXPECT_FALSE(std::filesystem::exists(fyll(t.lagesIkke)));
    }
  }
}

}  // namespace
}  // namespace brul
