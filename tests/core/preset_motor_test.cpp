// The preset pass itself: the variables question, the common values, the
// writers' only-if rules and when a preset is applied at all.
#include "preset_felles.h"
#include "presets/forvalg.h"

namespace brul::test {
namespace {

// The variables question decides whether old free variables go first.
struct VariabelRad {
  std::string navn;
  std::string maskin;  // extra keys of the machine section
  std::string svar;    // answer to "Nytt oppsett", empty for none
  int sporsmal;        // how often it is asked
  // VariabelN -> name afterwards; a name that differs only in letter case keeps
  // its stored spelling, as every save does.
  std::vector<std::pair<std::string, std::string>> plasser;
  std::vector<std::pair<std::string, std::string>> verdier;  // variable -> value afterwards
};

std::ostream& operator<<(std::ostream& ut, const VariabelRad& r) { return ut << r.navn; }

class VariabelSporsmal : public ::testing::TestWithParam<VariabelRad> {};

// Slots 1 to 20 and 22, 23 in use (V1=1 ... V23=23), slot 21 a gap.
std::string MangePlasser() {
  std::string s;
  for (int r = 1; r <= 23; ++r) {
    if (r == 21) continue;
    const std::string n = std::to_string(r);
    s += "Variabel" + n + "=V" + n + "\r\nV" + n + "=" + n + "\r\n";
  }
  return s;
}

TEST_P(VariabelSporsmal, OldVariablesKeptOrCleared) {
  const VariabelRad& r = GetParam();
  PresetMiljo m(PresetIni(r.maskin));
  if (!r.svar.empty()) m.op.svar("Nytt oppsett", r.svar);
  m.velg(3, 0);  // Fanuc: adds LOMMER and MAKSPARM
  ASSERT_TRUE(m.lagre());
  SjekkVerdier(m, {{'Q', "Nytt oppsett", std::to_string(r.sporsmal)}});
  for (const auto& h : m.op.logg()) {
    if (h.caption == "Nytt oppsett") {
      EXPECT_EQ(h.text, "Slette variabler under \"Annet\" først ?");
    }
  }
  for (const auto& [slot, navn] : r.plasser) EXPECT_EQ(m.maskin(slot), navn) << slot;
  for (const auto& [navn, verdi] : r.verdier) EXPECT_EQ(m.variabel(navn), verdi) << navn;
}

INSTANTIATE_TEST_SUITE_P(
    Rader, VariabelSporsmal,
    ::testing::Values(
        VariabelRad{"EmptyGridNoQuestion", "", "Ja", 0,
                    {{"Variabel1", "LOMMER"}, {"Variabel2", "MAKSPARM"}, {"Variabel3", ""}},
                    {{"LOMMER", "20"}, {"MAKSPARM", "32"}}},
        VariabelRad{"YesClearsOldOnes", "Variabel1=Gammel\r\nGammel=1\r\n", "Ja", 1,
                    {{"Variabel1", "LOMMER"}, {"Variabel2", "MAKSPARM"}, {"Variabel3", ""}},
                    {{"LOMMER", "20"}}},
        VariabelRad{"NoKeepsAndAppends", "Variabel1=Gammel\r\nGammel=1\r\n", "Nei", 1,
                    {{"Variabel1", "Gammel"}, {"Variabel2", "LOMMER"}, {"Variabel3", "MAKSPARM"}},
                    {{"Gammel", "1"}, {"LOMMER", "20"}}},
        VariabelRad{"SameNameUpdatedInPlace",
                    "Variabel1=Lommer\r\nLommer=5\r\nVariabel2=Annen\r\nAnnen=x\r\n", "Nei", 1,
                    {{"Variabel1", "Lommer"}, {"Variabel2", "Annen"}, {"Variabel3", "MAKSPARM"},
                     {"Variabel4", ""}},
                    {{"Lommer", "20"}, {"Annen", "x"}}},
        // Slots beyond the 20 rows of a new grid are kept; the preset's
        // variables go after the last slot in use, not into the gap.
        VariabelRad{"NoKeepsSlotsBeyondTheGrid", MangePlasser(), "Nei", 1,
                    {{"Variabel20", "V20"}, {"Variabel21", ""}, {"Variabel22", "V22"}, {"Variabel23", "V23"},
                     {"Variabel24", "LOMMER"}, {"Variabel25", "MAKSPARM"}},
                    {{"V22", "22"}, {"V23", "23"}, {"LOMMER", "20"}}}),
    [](const auto& i) { return i.param.navn; });

// FjernLinje: an empty one becomes "*", a filled one stays, Heidenhain empties it.
struct FjernLinjeRad {
  std::string navn;
  std::string lagret;
  int s, v;
  std::string forventet;
};

std::ostream& operator<<(std::ostream& ut, const FjernLinjeRad& r) { return ut << r.navn; }

class FjernLinjeRegel : public ::testing::TestWithParam<FjernLinjeRad> {};

TEST_P(FjernLinjeRegel, OnlyAnEmptyFieldGetsTheStar) {
  const FjernLinjeRad& r = GetParam();
  PresetMiljo m(PresetIni(r.lagret.empty() ? "" : "FjernLinje=" + r.lagret + "\r\n"));
  m.velg(r.s, r.v);
  ASSERT_TRUE(m.lagre());
  EXPECT_EQ(m.maskin("FjernLinje"), r.forventet);
}

INSTANTIATE_TEST_SUITE_P(Rader, FjernLinjeRegel,
                         ::testing::Values(FjernLinjeRad{"EmptyBecomesStar", "", 25, 0, "*"},
                                           FjernLinjeRad{"PercentStays", "%", 25, 0, "%"},
                                           FjernLinjeRad{"HeidenhainEmpties", "%", 10, 1, ""},
                                           FjernLinjeRad{"HeidenhainG71Keeps", "", 10, 2, "*"}),
                         [](const auto& i) { return i.param.navn; });

// Values every preset starts from, also with no known controller.
TEST(PresetMotor, CommonValuesWithoutKnownController) {
  PresetMiljo m(PresetIni("Protokoll=BTR\r\nFilFormat=Fanuc\r\n",
                          "TimeOut=7\r\nBreak=9\r\nTimeMultiplier=500\r\nEOB=[LF]\r\n"));
  m.e->Styring.operatorText("Ukjent styring");
  ASSERT_EQ(m.e->Styring.itemIndex(), -1);
  ASSERT_EQ(m.e->Alternativ.text(), "Standard oppsett");
  ASSERT_TRUE(m.e->NyttForvalg);
  ASSERT_TRUE(m.lagre());
  SjekkVerdier(m, {{'P', "TimeOut", "3"}, {'P', "Break", "3"}, {'P', "TimeMultiplier", "1000"},
                   {'P', "EOB", "[CR][LF]"}, {'M', "FilFormat", "Standard"},
                   {'M', "FjernLinje", "*"}, {'M', "Protokoll", "BTR"}, {'P', "Baud", "2400"},
                   {'M', "Styring", "Ukjent styring"}});
  // No line settings were taken over, yet the boxes are not left locked.
  EXPECT_FALSE(m.e->DefaultBaud.checked());
  EXPECT_TRUE(m.e->Baud.enabled());
  EXPECT_TRUE(m.e->HandShake.enabled());
}

// The response writer: acknowledgement time only with an acknowledgement,
// backup settings always.
struct ResponsRad {
  std::string navn;
  int s, v;
  std::string kvitteringsTid;
};

std::ostream& operator<<(std::ostream& ut, const ResponsRad& r) { return ut << r.navn; }

class ResponsRegel : public ::testing::TestWithParam<ResponsRad> {};

TEST_P(ResponsRegel, BackupAndAcknowledgement) {
  const ResponsRad& r = GetParam();
  PresetMiljo m(PresetIni("KvitteringsTid=7\r\nBackupFiles=9\r\nBackupKatalog=D:\\Annet\\\r\n"));
  m.velg(r.s, r.v);
  ASSERT_TRUE(m.lagre());
  SjekkVerdier(m, {{'M', "KvitteringsTid", r.kvitteringsTid},
                   {'M', "BackupFiles", "3"},
                   {'M', "BackupKatalog", "C:\\BRUL\\MASKIN\\M1\\Backup\\"},
                   {'M', "FeilFil", ""}});
}

INSTANTIATE_TEST_SUITE_P(Rader, ResponsRegel,
                         ::testing::Values(ResponsRad{"WithAcknowledgement", 25, 0, "10"},
                                           ResponsRad{"WithoutAcknowledgement", 1, 0, ""},
                                           ResponsRad{"Koike", 12, 0, ""},
                                           ResponsRad{"Haas", 7, 0, "10"}),
                         [](const auto& i) { return i.param.navn; });

// Block markers reach the port only when block-wise transfer ends up ticked
// or markers are given.
TEST(PresetMotor, BlockMarkersKeptWhenNotBlockWise) {
  PresetMiljo m(PresetIni("", "BlokkVis=True\r\nNyBlokkvis=[STX]\r\nBrytBlokkvis=[ETX]\r\n"));
  m.velg(25, 0);
  ASSERT_TRUE(m.lagre());
  SjekkVerdier(m, {{'p', "BlokkVis", "False"}, {'P', "NyBlokkvis", "[STX]"},
                   {'P', "BrytBlokkvis", "[ETX]"}});
}

// Without DefaultBaud the line keeps the operator's values; the rest still applies.
TEST(PresetMotor, OwnLineSettingsKept) {
  PresetMiljo m(PresetIni("", "Kode=Eia\r\nBit=7\r\nParitet=E\r\nStoppBit=2\r\n"));
  m.velg(24, 0);  // SMT: 9600, software handshake, FjernNull
  m.e->DefaultBaud.setChecked(false);
  ASSERT_TRUE(m.lagre());
  SjekkVerdier(m, {{'P', "Baud", "2400"}, {'H', "", "1"}, {'P', "Kode", "Eia"}, {'P', "Bit", "7"},
                   {'P', "Paritet", "E"}, {'P', "StoppBit", "2"}, {'p', "FjernNull", "True"},
                   {'P', "EOB", ""}});
}

TEST(PresetMotor, DefaultLineSettingsApplied) {
  PresetMiljo m(PresetIni("", "Kode=Eia\r\nBit=7\r\nParitet=E\r\nStoppBit=2\r\n"));
  m.velg(24, 0);
  ASSERT_TRUE(m.lagre());
  SjekkVerdier(m, {{'P', "Baud", "9600"}, {'H', "", "2"}, {'P', "Kode", "Iso"}, {'P', "Bit", "8"},
                   {'P', "Paritet", "N"}, {'P', "StoppBit", "1"}});
}

// A load between the choice and the save disarms the preset.
TEST(PresetMotor, LoadingDisarms) {
  PresetMiljo m(PresetIni("Protokoll=BTR\r\nHenteProgram=XYZ\r\n"));
  m.velg(25, 0);
  m.e->LesOppsett(false, true);
  EXPECT_FALSE(m.e->NyttForvalg);
  m.e->MaskinNavn.setText("Dreiebenk");
  ASSERT_TRUE(m.lagre());
  SjekkVerdier(m, {{'M', "Protokoll", "BTR"}, {'M', "HenteProgram", "XYZ"},
                   {'M', "Navn", "Dreiebenk"}, {'M', "IngenFil", ""}});
}

// A variable always finds a slot, also in a grid without empty rows.
TEST(PresetMotor, VariableInFullGridGetsNewRow) {
  PresetMiljo m;
  Grid& g = m.e->AnnetGrid;
  g.setRowCount(3);
  g.setCell(1, 1, "A");
  g.setCell(2, 1, "B");
  ForvalgVariabel(*m.e, "Ny", "1");
  ForvalgVariabel(*m.e, "b", "2");
  ASSERT_EQ(g.rowCount(), 4);
  EXPECT_EQ(g.cell(3, 0), "Variabel3");
  EXPECT_EQ(g.cell(3, 1), "NY");
  EXPECT_EQ(g.cell(3, 2), "1");
  EXPECT_EQ(g.cell(2, 1), "B");
  EXPECT_EQ(g.cell(2, 2), "2");
}

}  // namespace
}  // namespace brul::test
