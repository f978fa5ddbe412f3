// Presets of the tool presetter, Haas, Heidenhain, the hand terminal and Koike
// Hybrid, read back from the settings file after the save that applied them.
#include "preset_felles.h"

namespace brul::test {
namespace {

// The presetter model is saved with its own page only.
void ForinnstAktiv(PresetMiljo& m) { m.e->settAktivSide(SideId::ForInst); }

const std::vector<Rad> Rader = {
    // No handshake on the presetter line even when the operator keeps the line settings.
    {"Forinstiller standard, own line", 6, 0, false, {},
     {{'M', "Protokoll", "ForInst"}, {'H', "", "0"}, {'P', "Baud", "2400"},
      {'P', "TimeMultiplier", "250"}, {'M', "Forinstiller", "KelchSiriusC"},
      {'V', "DISPLAY", "1"}, {'M', "MaxLengde", "4"}, {'P', "Kode", "AsciiIso"},
      {'Q', "Terminal", "0"}},
     PresetIni(), ForinnstAktiv},
    {"Forinstiller standard, default line", 6, 0, true, {},
     {{'H', "", "0"}, {'P', "Baud", "9600"}, {'P', "Kode", "AsciiIso"},
      {'p', "FjernNull", "False"}}},
    {"Haas", 7, 0, true, {},
     {{'M', "Protokoll", "Standard"}, {'M', "StartKode", "%"}, {'M', "StoppKode", ""},
      {'M', "HenteProgram", "Kommentarer"}, {'M', "Hent", "O05000"}, {'M', "Print", "--P)"},
      {'M', "DirHent", "O05002"}, {'M', "StartHent", "("}, {'M', "StoppDir", ")"},
      {'M', "VenteTid", "10"},
      {'M', "IngenFil", "%[CR][LF]O05008 (FINNER IKKE FILEN)[CR][LF]M30[CR][LF]%[CR][LF]"},
      {'M', "Kvittering", "%[CR][LF]O05005 (LAGRET #N, #B TEGN)[CR][LF]M30[CR][LF]%[CR][LF]"},
      {'M', "FeilMelding", "%[CR][LF]5009 (LAGRING AV #N FEILET)[CR][LF]M30[CR][LF]%[CR][LF]"},
      {'P', "Baud", "9600"}, {'H', "", "2"}, {'p', "FjernNull", "True"}}},
    {"Heidenhain 135/145", 8, 0, true, {},
     {{'M', "Protokoll", "BTR"}, {'M', "StartKode", "[CR][LF]"}, {'M', "StoppKode", "[ETX]"},
      {'M', "StoppTegn", "[ETX]"}, {'M', "StoppFeil", "END"}, {'M', "HenteProgram", "XYZ"},
      {'M', "Hent", "[ETX]"}, {'M', "Print", "(P)("}, {'M', "StartHent", "("},
      {'m', "BareTall", "True"}, {'M', "DirFilType", "Ingen"}, {'M', "IngenFil", ""},
      {'M', "DirProgramNr", ""}, {'m', "TimeSize", "False"}, {'P', "Baud", "9600"},
      {'H', "", "2"}, {'p', "FjernNull", "False"}}},
    {"Heidenhain 406 with BEGIN", 10, 1, true, {},
     {{'M', "Protokoll", "Linje"}, {'M', "StartKode", "BEGIN"}, {'M', "StoppKode", "END"},
      {'M', "StoppTegn", "[ETX]"}, {'M', "StartEkstra", "[CR][LF]"},
      {'M', "HenteProgram", "Standard"}, {'M', "Hent", "ENDPGM"}, {'M', "Print", ";PRINT"},
      {'M', "StartHent", "BEGINPGM"}, {'M', "StoppHent", "MM"}, {'m', "BareTall", "False"},
      {'M', "DirFilType", "Heidenhain"}, {'M', "MaxLengde", "16"}, {'M', "FjernLinje", ""},
      {'M', "IngenFil", "0 BEGIN PGM 5008 MM [CR][LF]1 END PGM 5008 MM [CR][LF]"},
      {'M', "Kvittering", "0 BEGIN PGM 5005 MM [CR][LF]1 END PGM 5005 MM [CR][LF]"},
      {'V', "DEFAULTEXT", "H"}, {'V', "STARTSJEKK", "True"}, {'V', "LINJESJEKK", "False"},
      {'V', "ENDSJEKK", "False"}, {'V', "XOFFBRUDD", "True"}, {'V', "MEMODUS", "False"},
      {'V', "MELDING", "False"}, {'V', "MAALING", "False"}, {'V', "SECTOR", "1024"},
      {'V', "FILNAVNTEGN", "$"}, {'V', "UNDERKATALOGER", "False"},
      {'M', "Variabel11", "UNDERKATALOGER"}, {'M', "Variabel12", ""}, {'H', "", "2"},
      {'P', "Baud", "9600"}}},
    {"Heidenhain 150 block-wise", 9, 0, true, {},
     {{'M', "Protokoll", "Heidenhain"}, {'m', "BareTall", "True"}, {'M', "MaxLengde", "12"},
      {'V', "ENDSJEKK", "True"}, {'V', "XOFFBRUDD", "False"}}},
    {"Heidenhain 150 with G71", 9, 2, true, {},
     {{'M', "Protokoll", "Linje"}, {'M', "StartKode", "%"}, {'M', "StoppKode", "%"},
      {'M', "StoppTegn", "[ETX]"}, {'M', "StartEkstra", "[CR][LF]"},
      {'M', "HenteProgram", "Standard"}, {'M', "Hent", "N9999"}, {'M', "StartHent", "%"},
      {'M', "StoppHent", "G71"}, {'m', "BareTall", "True"}, {'m', "UnderKataloger", "False"},
      {'M', "DirFilType", "Ingen"}, {'V', "FILNAVNTEGN", "$"},
      {'M', "IngenFil", "%5008 G71 [CR][LF]N9999 %5008 G71 [CR][LF]"},
      {'M', "FeilMelding", "%5009 G71 [CR][LF]N9999 %5009 G71 [CR][LF]"},
      {'M', "FjernLinje", "*"}}},
    {"Heidenhain 406 with G71", 10, 2, true, {},
     {{'m', "UnderKataloger", "True"}, {'m', "BareTall", "False"}}},
    // The hand terminal touches only the protocol and the line.
    {"Haandterminal", 11, 0, true, {},
     {{'M', "Protokoll", "Terminal"}, {'H', "", "0"}, {'P', "Baud", "1200"},
      {'M', "IngenFil", "GAMMEL"}, {'M', "Hent", "GAMMEL"}, {'M', "StartKode", "GAMMEL"},
      {'M', "HenteProgram", "Standard"}, {'M', "BackupFiles", ""}},
     PresetIni("IngenFil=GAMMEL\r\nHent=GAMMEL\r\nStartKode=GAMMEL\r\n")},
    {"Koike Hybrid", 12, 0, true, {},
     {{'M', "Protokoll", "Hybrid"}, {'M', "StartKode", "[DC2]"}, {'M', "StoppKode", "[DC4]"},
      {'M', "HenteProgram", "Standard2"}, {'M', "Hent", "[DC2] 5000"},
      {'M', "Print", "[DC2] 5004"}, {'M', "DirHent", "[DC2] 5002"},
      {'M', "StartHent", "PartNumber"}, {'M', "StartHent2", "PartNumber"},
      {'M', "StartLagre2", "[DC2][32]"}, {'M', "Hent2", "[DC2] 5000"}, {'M', "StoppHent", ""},
      {'m', "BareTall", "True"}, {'P', "Baud", "4800"}, {'H', "", "2"}}},
};

class ForinstHeidenhainPreset : public ::testing::TestWithParam<Rad> {};

TEST_P(ForinstHeidenhainPreset, SavedValuesMatchTheController) { KjorRad(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Rader, ForinstHeidenhainPreset, ::testing::ValuesIn(Rader), RadNavn{});

// The presetter with a hand terminal asks for the terminal's port and writes
// that port's line settings straight into the file.
struct TerminalRad {
  std::string navn;
  std::string svar;  // empty: the operator cancels
  bool skrevet;
};

class ForinstTerminal : public ::testing::TestWithParam<TerminalRad> {};

TEST_P(ForinstTerminal, PortAnswerDecidesTheDirectWrites) {
  const TerminalRad& r = GetParam();
  PresetMiljo m;
  if (!r.svar.empty()) m.op.svar("Terminal", r.svar);
  m.velg(6, 1);
  ASSERT_TRUE(m.lagre());
  SjekkVerdier(m, {{'M', "Protokoll", "ForInstTerm"}, {'Q', "Terminal", "1"}});
  EXPECT_EQ(m.antallVariabler("DISPLAY"), 1);
  if (r.skrevet) {
    EXPECT_EQ(m.variabel("DISPLAY"), "0");
    EXPECT_EQ(m.variabel("TERMPORT"), r.svar);
    EXPECT_EQ(LesFraFil(IniFil, r.svar, "Baud", ""), "1200");
    EXPECT_EQ(LesFraFil(IniFil, r.svar, "TimeMultiplier", ""), "250");
    EXPECT_EQ(LesFraFil(IniFil, r.svar, "HandShake", ""), "False");
  } else {
    EXPECT_EQ(m.variabel("DISPLAY"), "1");
    EXPECT_EQ(m.antallVariabler("TERMPORT"), 0);
    EXPECT_EQ(LesFraFil(IniFil, "Com3", "Baud", "-"), "-");
  }
  // The proposal shown to the operator.
  for (const auto& h : m.op.logg()) {
    if (h.caption == "Terminal") {
      EXPECT_EQ(h.text, "Hvilken Com-port skal benyttes ?");
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Svar, ForinstTerminal,
                         ::testing::Values(TerminalRad{"Com3", "Com3", true},
                                           TerminalRad{"Com7", "Com7", true},
                                           TerminalRad{"Avbrutt", "", false},
                                           TerminalRad{"Blank", "  ", false}),
                         [](const auto& i) { return i.param.navn; });

}  // namespace
}  // namespace brul::test
