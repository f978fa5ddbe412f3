// The fetch programs a preset writes into the machine folder, compared byte
// for byte with the texts the controls expect.
#include <algorithm>
#include <filesystem>
#include <map>

#include "preset_felles.h"

namespace brul::test {
namespace {

using Filer = std::map<std::string, std::string>;

// Every file in the machine folder with its bytes.
Filer Innhold(const PresetMiljo& m) {
  Filer f;
  for (const auto& d : std::filesystem::directory_iterator(m.mappe()))
    if (d.is_regular_file()) f[d.path().filename().string()] = m.fil(d.path().filename().string());
  return f;
}

struct FilRad {
  std::string navn;
  int s;
  int v;  // -1: the operator typed a variant that is not in the list
  std::vector<std::pair<std::string, std::string>> svar;
  Filer filer;
  std::string ini = PresetIni();
};

std::ostream& operator<<(std::ostream& ut, const FilRad& r) { return ut << r.navn; }

// The settings file with the machine's own extension replaced.
std::string MedMaskinExt(const std::string& ext) {
  std::string ini = PresetIni();
  ini.replace(ini.find("Ext=.NC\r\nMazExt"), 7, "Ext=" + ext);
  return ini;
}

const std::string F9020 =
    "%\r\n:9020\r\nPOPEN\r\nDPRNT [MAKRO 4]\r\nDPRNT [PARAM#4115[40]]\r\nPCLOS\r\nM99\r\n%\r\n";

const std::vector<FilRad> Rader = {
    {"Burny writes none", 0, 0, {}, {}},
    {"Cincinatti standard writes none", 1, 0, {}, {}},
    {"Cincinatti DC2", 1, 1, {}, {{"5000.NC", "%\n(MSG5002,)\nM30\r\n"}}},
    {"Fanuc comments", 3, 1, {},
     {{"5000.NC", "%\r\n:5000 (5002)\r\n(HENTEPROGRAM)\r\nM30\r\n%\r\n"},
      {"5002.NC", "%\r\n:5002 (5)\r\n(KATALOG-HENTEPROGRAM)\r\nM30\r\n%\r\n"},
      {"5003.NC", "%\r\n:5003 (TOOLS)\r\n(TOOLDATA-HENTEPROGRAM)\r\nM30\r\n%\r\n"},
      {"9020.NC", F9020}}},
    {"Fanuc med buffer ASCII FAPT", 5, 5, {},
     {{"5000.NC", "%\r\n:5000 (5002)\r\n(HENTEPROGRAM)\r\nM30\r\n%\r\n"},
      {"5002.NC", "%\r\n:5002 (5)\r\n(KATALOG-HENTEPROGRAM)\r\nM30\r\n%\r\n"},
      {"5003.NC", "%\r\n:5003 (TOOLS)\r\n(TOOLDATA-HENTEPROGRAM)\r\nM30\r\n%\r\n"},
      {"9020.NC", F9020}}},
    {"Fanuc IJK", 3, 2, {},
     {{"5000.NC", "%\r\n:5000\r\nK5002\r\n(HENTEPROGRAM)\r\nM30\r\n%\r\n"},
      {"5002.NC", "%\r\n:5002\r\nK5\r\n(KATALOG-HENTEPROGRAM)\r\nM30\r\n%\r\n"},
      {"5003.NC", "%\r\n:5003\r\nKTOOLS\r\n(TOOLDATA-HENTEPROGRAM)\r\nM30\r\n%\r\n"},
      {"9020.NC", F9020}}},
    {"Fanuc blokkvis JK", 4, 3, {},
     {{"5000.NC", "%\r\n:5000\r\nK5002\r\n(HENTEPROGRAM)\r\nM30\r\n%\r\n"},
      {"5002.NC", "%\r\n:5002\r\nK5\r\n(KATALOG-HENTEPROGRAM)\r\nM30\r\n%\r\n"},
      {"5003.NC", "%\r\n:5003\r\nKTOOLS\r\n(TOOLDATA-HENTEPROGRAM)\r\nM30\r\n%\r\n"},
      {"9020.NC", F9020}}},
    {"Fanuc blokkvis parentheses", 4, 0, {},
     {{"5000.NC", "%\r\n:5000\r\n(L)()(5002)\r\n(HENTEPROGRAM)\r\nM30\r\n%\r\n"},
      {"5002.NC", "%\r\n:5002\r\n(D)()(5)\r\n(KATALOG-HENTEPROGRAM)\r\nM30\r\n%\r\n"},
      {"5003.NC", "%\r\n:5003\r\n(T)()(TOOLS)\r\n(TOOLDATA-HENTEPROGRAM)\r\nM30\r\n%\r\n"},
      {"9020.NC", F9020}}},
    {"Fanuc binary FAPT", 3, 4, {},
     {{"5000.NC", "%\r\n:5000\r\n(L)()(5002)\r\n(HENTEPROGRAM)\r\nM30\r\n%\r\n"},
      {"5002.NC", "%\r\n:5002\r\n(D)()(5)\r\n(KATALOG-HENTEPROGRAM)\r\nM30\r\n%\r\n"},
      {"5003.NC", "%\r\n:5003\r\n(T)()(TOOLS)\r\n(TOOLDATA-HENTEPROGRAM)\r\nM30\r\n%\r\n"},
      {"9020.NC", F9020}}},
    {"Fanuc without a variant", 3, -1, {}, {{"9020.NC", F9020}}},
    {"Haas", 7, 0, {},
     {{"5000.NC", "%\r\nO05000 (5002)\r\n(HENTEPROGRAM)\r\nM30\r\n%\r\n\r\n"},
      {"5002.NC", "%\r\nO05002 (5)\r\n(KATALOG-HENTEPROGRAM)\r\nM30\r\n%\r\n\r\n"}}},
    {"Heidenhain 135/145", 8, 0, {}, {{"5000.NC", "\r\nX5002\r\n\r\n"}}},
    {"Heidenhain 150 block-wise", 9, 0, {},
     {{"5000.NC", "0 BEGIN PGM 5000 MM \r\n1 END PGM 5000 MM \r\n"}}},
    {"Heidenhain 406 BEGIN", 10, 1, {},
     {{"5000.NC", "0 BEGIN PGM 5000 MM \r\n1 END PGM 5000 MM \r\n"}}},
    {"Heidenhain 406 G71", 10, 2, {}, {{"5000.NC", "%5000 G71 \r\nN9999 %5000 G71 \r\n\r\n"}}},
    {"Koike writes none", 12, 0, {}, {}},
    // Written with the installation's extension, not the machine's own.
    {"Mazatrol 4 digits long name", 14, 0, {},
     {{"5000.NC", "%\nO5000 (5002)\n(HENTEPROGRAM)\nM30\n%\r\n"},
      {"5002.NC", "%\nO5002 (5)\n(KATALOG-HENTEPROGRAM)\nM30\n%\r\n"}},
     MedMaskinExt(".CNC")},
    {"Mazatrol 8 digits short name", 15, 1, {},
     {{"5000.NC", "%\nO5000 (5002)\n(HENTEPROGRAM)\nM30\n%\r\n"},
      {"5002.NC", "%\nO5002 (5)\n(KATALOG-HENTEPROGRAM)\nM30\n%\r\n"}}},
    {"Mazatrol robot writes none", 14, 4, {}, {}},
    {"Okuma 3000", 16, 0, {},
     {{"5000.NC", "A5002\r\n%\r\nN1 (HENTEPROGRAM)\r\nN2 M31\r\n"},
      {"5002.NC", "A5\r\n%\r\nN1 (KATALOG-HENTEPROGRAM)\r\nN2 M02\r\n"}}},
    {"Okuma 5000", 17, 2, {},
     {{"H.NC", "(L)()(D)\r\n(HENTEPROGRAM)\r\nM30\r\n"},
      {"D.NC", "(D)()()\r\n(KATALOG-HENTEPROGRAM)\r\nM30\r\n"}}},
    {"Okuma A,E,U", 18, 0, {},
     {{"H.NC", "(L)()(D)\r\n(HENTEPROGRAM)\r\nM30\r\n"},
      {"D.NC", "(D)()()\r\n(KATALOG-HENTEPROGRAM)\r\nM30\r\n"}}},
    {"Philips parentheses", 20, 0, {},
     {{"5000.NC", "%PM5000\r\nN5000 (HENTEPROGRAM)\r\nN1 (L)()(5002)\r\nN2 M30\r\n"},
      {"5002.NC", "%PM5002\r\nN5002 (KATALOG-HENTEPROGRAM)\r\nN1 (D)()(5)\r\nN2 M30\r\n"},
      {"5003.NC", "%PM5003\r\nN5003 (TOOLDATA-HENTEPROGRAM)\r\nN1 (T)()(TOOLS)\r\nN2 M30\r\n"}}},
    {"Philips comments", 20, 1, {},
     {{"5000.NC", "%PM5000\r\nN5000 (5002)\r\nN1 (HENTEPROGRAM)\r\nN2 M30\r\n"},
      {"5002.NC", "%PM5002\r\nN5002 (5)\r\nN1 (KATALOG-HENTEPROGRAM)\r\nN2 M30\r\n"},
      {"5003.NC", "%PM5003\r\nN5003 (TOOLS)\r\nN1 (TOOLDATA-HENTEPROGRAM)\r\nN2 M30\r\n"}}},
    {"Philips E codes", 20, 2, {},
     {{"5000.NC", "%PM5000\r\nN5000 (HENTEPROGRAM)\r\nN1 E97=1 E98=5002\nN2 M30\r\n"},
      {"5002.NC", "%PM5002\r\nN5002 (KATALOG-HENTEPROGRAM)\nN1 E97=2 E98=5\nN2 M30\r\n"},
      {"5003.NC", "%PM5003\r\nN5003 (TOOLDATA-HENTEPROGRAM)\nN1 E97=2 E98=TOOLS\nN2 M30\r\n"}}},
    {"Philips echo writes none", 20, 3, {}, {}},
    {"Siemens parentheses, plain %", 21, 0, {{"Siemens", "Nei"}},
     {{"5000.NC", "%5000\r\n(L)()(5002)\r\n(HENTEPROGRAM)\r\nM30\r\n"},
      {"5002.NC", "%5002\r\n(D)()(5)\r\n(KATALOG-HENTEPROGRAM)\r\nM30\r\n"},
      {"5003.NC", "%5003\r\n(T)()(TOOLS)\r\n(TOOLDATA-HENTEPROGRAM)\r\nM30\r\n"}}},
    {"Siemens comments, %MPF", 22, 1, {{"Siemens", "Ja"}},
     {{"5000.NC", "%MPF5000\r\n(5002)\r\n(HENTEPROGRAM)\r\nM30\r\n"},
      {"5002.NC", "%MPF5002\r\n(5)\r\n(KATALOG-HENTEPROGRAM)\r\nM02\r\n"},
      {"5003.NC", "%MPF5003\r\n(TOOLS)\r\n(TOOLDATA-HENTEPROGRAM)\r\nM02\r\n"}}},
    {"Siemens _N_ form", 23, 2, {{"Siemens", "Ja"}},
     {{"5000.NC", "%_N_5000_MPF\r\n(5002)\r\n(HENTEPROGRAM)\r\nM30\r\n"},
      {"5002.NC", "%_N_5002_MPF\r\n(5)\r\n(KATALOG-HENTEPROGRAM)\r\nM02\r\n"},
      {"5003.NC", "%_N_5003_MPF\r\n(TOOLS)\r\n(TOOLDATA-HENTEPROGRAM)\r\nM02\r\n"}}},
    {"Siemens XYZ, %MPF", 23, 3, {{"Siemens", "Ja"}},
     {{"5000.NC", "%MPF5000\r\nN1 G7 X5002\r\nN2 (HENTEPROGRAM)\r\nN3 M30\r\n"},
      {"5002.NC", "%MPF5002\r\nN1 G8 X5\r\nN2 (KATALOG-HENTEPROGRAM)\r\nN3 M30\r\n"},
      {"5003.NC", "%MPF5003\r\nN1 G6 XTOOLS\r\nN2 (TOOLDATA-HENTEPROGRAM)\r\nN3 M30\r\n"}}},
    {"Siemens IJK, plain %", 21, 4, {{"Siemens", "Nei"}},
     {{"5000.NC", "%5000\r\nN1 K5002\r\nN2 (HENTEPROGRAM)\r\nN3 M30\r\n"},
      {"5002.NC", "%5002\r\nN1 K5\r\nN2 (KATALOG-HENTEPROGRAM)\r\nN3 M30\r\n"},
      {"5003.NC", "%5003\r\nN1 KTOOLS\r\nN2 (TOOLDATA-HENTEPROGRAM)\r\nN3 M30\r\n"}}},
    {"SMT writes none", 24, 0, {}, {}},
    {"Standard ISO writes none", 25, 1, {}, {}},
};

class Henteprogramfiler : public ::testing::TestWithParam<FilRad> {};

TEST_P(Henteprogramfiler, FilesMatchByteForByte) {
  const FilRad& r = GetParam();
  PresetMiljo m(r.ini);
  for (const auto& [caption, svar] : r.svar) m.op.svar(caption, svar);
  if (r.v >= 0) {
    m.velg(r.s, r.v);
  } else {
    m.velg(r.s, -1);
    m.e->Alternativ.operatorText("Annen utgave");
    ASSERT_EQ(m.e->Alternativ.itemIndex(), -1);
  }
  m.e->OpprettHenteprogram.setChecked(true);
  ASSERT_TRUE(m.lagre());
  EXPECT_EQ(Innhold(m), r.filer);
  EXPECT_TRUE(m.op.meldinger().empty());
  EXPECT_FALSE(m.e->OpprettHenteprogram.checked());
}

INSTANTIATE_TEST_SUITE_P(Rader, Henteprogramfiler, ::testing::ValuesIn(Rader), RadNavn{});

// Without the tick no file is touched, whatever the preset.
TEST(Henteprogram, UntickedWritesNothing) {
  for (int s : {1, 3, 7, 8, 14, 17, 20, 21}) {
    SCOPED_TRACE(s);
    PresetMiljo m;
    m.velg(s, s == 1 ? 1 : 0);
    ASSERT_FALSE(m.e->OpprettHenteprogram.checked());
    ASSERT_TRUE(m.lagre());
    EXPECT_TRUE(Innhold(m).empty());
  }
}

// An existing fetch program is replaced without a question.
TEST(Henteprogram, ReplacesAnExistingFile) {
  PresetMiljo m;
  std::ofstream(m.mappe() / "5000.NC", std::ios::binary) << "gammelt innhold som er lengre\r\n";
  m.velg(8, 0);
  m.e->OpprettHenteprogram.setChecked(true);
  ASSERT_TRUE(m.lagre());
  EXPECT_EQ(m.fil("5000.NC"), "\r\nX5002\r\n\r\n");
  EXPECT_TRUE(m.op.logg().empty());
}

// A folder typed without its final backslash still receives the files inside it.
TEST(Henteprogram, FolderWithoutFinalBackslash) {
  std::string ini = PresetIni();
  ini.replace(ini.find("M1\\\r\n"), 5, "M1\r\n");
  PresetMiljo m(ini);
  m.velg(7, 0);
  m.e->OpprettHenteprogram.setChecked(true);
  ASSERT_TRUE(m.lagre());
  EXPECT_EQ(m.fil("5000.NC"), "%\r\nO05000 (5002)\r\n(HENTEPROGRAM)\r\nM30\r\n%\r\n\r\n");
  EXPECT_TRUE(m.harFil("5002.NC"));
  EXPECT_FALSE(std::filesystem::exists(m.mappe().parent_path() / "M15000.NC"));
  EXPECT_EQ(m.maskin("BackupKatalog"), "C:\\BRUL\\MASKIN\\M1\\Backup\\");
}

// Files that cannot be written: one message each, the others still written,
// the preset and the save complete.
struct FeilRad {
  std::string navn;
  std::vector<std::string> sperret;  // names made into folders so the file cannot be written
  bool utenMappe;                    // the machine folder does not exist at all
  int meldinger;
};

std::ostream& operator<<(std::ostream& ut, const FeilRad& r) { return ut << r.navn; }

class HenteprogramFeil : public ::testing::TestWithParam<FeilRad> {};

TEST_P(HenteprogramFeil, OneMessagePerFileAndTheSaveCompletes) {
  const FeilRad& r = GetParam();
  PresetMiljo m;
  for (const auto& n : r.sperret) std::filesystem::create_directories(m.mappe() / n);
  if (r.utenMappe) std::filesystem::remove_all(m.mappe());
  m.velg(3, 0);
  m.e->OpprettHenteprogram.setChecked(true);
  ASSERT_TRUE(m.lagre());
  // Each message names its file and the reason on lines of their own.
  std::vector<std::string> forventet;
  for (const std::string n : {"5000.NC", "5002.NC", "5003.NC", "9020.NC"})
    if (r.utenMappe || std::find(r.sperret.begin(), r.sperret.end(), n) != r.sperret.end())
      forventet.push_back("Opprette henteprogram: Oppretting av fil feilet\nC:\\BRUL\\MASKIN\\M1\\" + n + "\n" +
                          (r.utenMappe ? "mappen finnes ikke" : "det finnes en mappe med dette navnet"));
  EXPECT_EQ(forventet.size(), static_cast<size_t>(r.meldinger));
  EXPECT_EQ(m.op.meldinger(), forventet);
  SjekkVerdier(m, {{'M', "Protokoll", "BTR"}, {'M', "DirFilType", "Fanuc"},
                   {'V', "LOMMER", "20"}, {'M', "DirProgramNr", ":5006"}});
  EXPECT_FALSE(m.e->Endret());
  if (r.utenMappe) return;
  for (const std::string n : {"5000.NC", "5002.NC", "5003.NC", "9020.NC"}) {
    if (std::find(r.sperret.begin(), r.sperret.end(), n) == r.sperret.end()) {
      EXPECT_TRUE(std::filesystem::is_regular_file(m.mappe() / n)) << n;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rader, HenteprogramFeil,
    ::testing::Values(FeilRad{"MissingFolder", {}, true, 4},
                      FeilRad{"OneBlocked", {"5002.NC"}, false, 1},
                      FeilRad{"TwoBlocked", {"5000.NC", "9020.NC"}, false, 2}),
    [](const auto& i) { return i.param.navn; });

}  // namespace
}  // namespace brul::test
