// Presets of LSV2, Mazatrol, Okuma and the parallel card, read back from the
// settings file after the save that applied them.
#include "preset_felles.h"

namespace brul::test {
namespace {

// The operator picks another code before saving; the card's preset takes the
// stored machine code again.
void AnnenParallellKode(PresetMiljo& m) { m.e->ParallellKode.setItemIndex(0); }

const std::string Gammel = "IngenFil=GAMMEL\r\nHent=GAMMEL\r\nExt=.NC\r\n";

const std::vector<Rad> Rader = {
    {"LSV2 Siemens without clear", 13, 0, true, {},
     {{'M', "Protokoll", "LSV2"}, {'V', "STATUS", "False"}, {'V', "KORTCLEAR", "False"},
      {'V', "CLEAR", ""}, {'V', "TERMINATOR", "[CR][LF]"}, {'M', "MaxLengde", "4"},
      {'M', "IngenFil", ""}, {'M', "BackupFiles", "3"}, {'H', "", "0"}, {'P', "Baud", "9600"},
      {'p', "FjernNull", "False"}}},
    {"LSV2 Siemens with clear", 13, 1, true, {},
     {{'V', "CLEAR", "%0001%8999[CR][LF]L000001L49900"}, {'V', "TERMINATOR", "[CR][LF]"},
      {'M', "MaxLengde", "4"}}},
    {"LSV2 Deckel", 13, 2, false, {},
     {{'V', "CLEAR", ""}, {'V', "TERMINATOR", "*"}, {'M', "MaxLengde", "6"}, {'H', "", "0"},
      {'P', "Baud", "2400"}}},
    {"Mazatrol 8 digits short name", 15, 1, true, {},
     {{'M', "ProgLinje", "0"}, {'M', "TekstLinje", "0"}, {'M', "Protokoll", "Mazatrol"},
      {'M', "StartKode", "%"},
      {'M', "StoppKode", "%"}, {'M', "HenteProgram", "MazatrolKort"},
      {'M', "Hent", "O00005000"}, {'M', "Print", "O00005004"}, {'M', "DirHent", "O00005002"},
      {'M', "StartHent", "("}, {'M', "StoppHent", ")"}, {'M', "MaxLengde", "8"},
      {'m', "BareTall", "True"}, {'M', "DirFilType", "Mazatrol"},
      {'M', "IngenFil", "%[LF]O00005008 (FINNER IKKE FILEN)[LF](FINNER IKKE FILEN)[LF]M30[LF]%"},
      {'M', "Kvittering", "%[LF]O00005005 (LAGRING OK)[LF](LAGRET #N, #B TEGN)[LF]M30[LF]%"},
      {'M', "FeilMelding",
       "%[LF]O00005009 (LAGRING FEILET)[LF](LAGRING AV #N FEILET)[LF]M30[LF]%"},
      {'M', "DirProgramNr", "O00005006(KATALOG)"}, {'m', "TimeSize", "True"},
      {'m', "MazatrolNavn", "True"}, {'M', "Ext", ".MAZ"}, {'M', "Ext2", ".NC"},
      {'m', "TapeMarks", "True"}, {'M', "SaveTapeMarks", "True"},
      {'M', "FeilFil", "C:\\BRUL\\MASKIN\\M1\\IngenFil.MAZ"}, {'M', "HenteProgramNr", "5000"},
      {'m', "Hent5000", "False"}, {'P', "Baud", "19200"}, {'H', "", "2"},
      {'p', "FjernNull", "True"}, {'P', "StoppBit", "2"}, {'P', "EOB", "[LF]"},
      {'P', "TimeOut", "3"}}},
    // Two stop bits whatever the operator keeps of the line settings.
    {"Mazatrol 8 digits, own line", 15, 1, false, {},
     {{'P', "StoppBit", "2"}, {'P', "Baud", "2400"}, {'H', "", "1"}}},
    {"Mazatrol 4 digits long name", 14, 0, true, {},
     {{'M', "MaxLengde", "20"}, {'M', "HenteProgram", "MazatrolLangt"}, {'M', "Hent", "O5000"},
      {'M', "DirProgramNr", "O5006(KATALOG)"}, {'m', "BareTall", "False"},
      {'m', "MazatrolNavn", "False"}, {'P', "Baud", "4800"},
      {'M', "IngenFil", "%[LF]O5008 (FINNER IKKE FILEN)[LF](FINNER IKKE FILEN)[LF]M30[LF]%"}}},
    {"Mazatrol 4 digits robot", 14, 4, true, {},
     {{'M', "ProgLinje", "0"}, {'M', "TekstLinje", "0"}, {'M', "Protokoll", "Mazatrol"},
      {'M', "FeilFil", "C:\\BRUL\\MASKIN\\M1\\IngenFil.MAZ"}, {'M', "HenteProgramNr", "10000"},
      {'m', "Hent5000", "False"}, {'P', "Baud", "4800"}, {'P', "StoppBit", "2"},
      {'P', "EOB", "[LF]"}, {'M', "Ext", ".NC"}, {'M', "Hent", "GAMMEL"},
      {'M', "IngenFil", "GAMMEL"}, {'M', "HenteProgram", "Standard"}},
     PresetIni(Gammel)},
    {"Mazatrol 4 digits without comments", 14, 2, true, {},
     {{'M', "HenteProgramNr", "0"}, {'m', "Hent5000", "True"}}},
    {"Okuma 5000 without name in return", 17, 2, true, {},
     {{'M', "Protokoll", "Okuma"}, {'M', "StartKode", "%[CR][LF]"}, {'M', "StoppKode", "[NUL]"},
      {'M', "StoppTegn", "[DC4]"}, {'M', "FjernTegn", "[NUL]"},
      {'M', "HenteProgram", "OkumaParenteser"}, {'m', "BareTall", "False"},
      {'M', "DirFilType", "Okuma"}, {'M', "IngenFil", "(FINNER IKKE FILEN)[CR][LF]M30[CR][LF]"},
      {'M', "Kvittering", "(LAGRET #N, #B TEGN)[CR][LF]M30[CR][LF]"},
      {'M', "FeilMelding", "(LAGRING AV #N FEILET)[CR][LF]M30[CR][LF]"},
      {'M', "DirProgramNr", ""}, {'m', "TimeSize", "True"}, {'P', "Baud", "4800"},
      {'H', "", "1"}, {'p', "FjernNull", "False"}, {'P', "TimeOut", "5"}, {'P', "Break", "5"},
      {'P', "StoppBit", "2"}, {'M', "MaxLengde", "20"}, {'V', "OKUMANAVN", "20"},
      {'V', "PREFIKS", "P"}, {'V', "FEEDHOLES", "50"}, {'V', "FILNAVNUT", "False"},
      {'m', "StoreBokstaver", "True"}, {'M', "ByttFra", "{}ÆØÅ\\"}, {'M', "ByttTil", "()AOA/"}}},
    {"Okuma 5000 default parameters", 17, 1, true, {},
     {{'M', "StoppKode", "[NUL]"}, {'M', "FjernTegn", "[NUL]"}, {'H', "", "2"},
      {'V', "FEEDHOLES", "50"}, {'V', "FILNAVNUT", "True"}}},
    {"Okuma 5000 normal", 17, 0, true, {},
     {{'M', "StoppKode", "%"}, {'M', "FjernTegn", ""}, {'H', "", "1"}, {'V', "FEEDHOLES", "0"}}},
    {"Okuma A,E,U", 18, 0, true, {},
     {{'M', "StoppKode", "%"}, {'M', "FjernTegn", ""}, {'H', "", "2"},
      {'p', "FjernNull", "True"}, {'V', "FEEDHOLES", "0"}, {'V', "FILNAVNUT", "True"}}},
    {"Okuma 3000", 16, 0, true, {},
     {{'M', "FilFormat", "Okuma3000"}, {'M', "Protokoll", "Buffer"}, {'M', "StartKode", "%"},
      {'M', "StoppKode", "[NUL]"}, {'M', "StoppTegn", "[NUL]"}, {'M', "HenteProgram", "Standard"},
      {'M', "Hent", "M31"}, {'M', "Print", "--P"}, {'M', "StoppPrint", "--P"},
      {'M', "DirHent", "M02"}, {'M', "StartHent", "A"}, {'M', "StoppHent", ""},
      {'m', "BareTall", "False"}, {'M', "DirFilType", "Okuma3000"},
      {'M', "IngenFil", "[NUL]%[LF]N1 (FINNER IKKE FILEN)[LF]N2 M31[LF][NUL]"},
      {'M', "FeilMelding", "[NUL]%[LF]N1 (LAGRING AV #N FEILET)[LF]N2 M31[LF][NUL]"},
      {'m', "TimeSize", "True"}, {'P', "Baud", "9600"}, {'H', "", "2"},
      {'p', "FjernNull", "False"}}},
    {"Parallel card Fanuc, stored code EIA", 19, 0, true, {},
     {{'M', "Protokoll", "Parallell"}, {'M', "StartKode", "%"}, {'m', "BareFram", "True"},
      {'m', "Punch", "True"}, {'m', "InvMotor", "False"}, {'m', "InvRetning", "False"},
      {'m', "InvRead", "False"}, {'m', "InvSpocket", "False"}, {'M', "Kode", "EIA"},
      {'M', "Delay", "1"}},
     PresetIni("Kode=EIA\r\nInvMotor=True\r\nInvSpocket=True\r\n"), AnnenParallellKode},
    {"Parallel card Okuma", 19, 1, true, {},
     {{'m', "BareFram", "False"}, {'m', "Punch", "True"}, {'m', "InvRetning", "True"},
      {'M', "Delay", "3"}, {'M', "FilFormat", "Okuma3000"}, {'M', "Kode", "Iso"}},
     PresetIni(), AnnenParallellKode},
    // A variant typed by hand: the punch tick and the chosen code stay as they are.
    {"Parallel card, unknown variant", 19, -1, true, {},
     {{'m', "Punch", "True"}, {'m', "BareFram", "False"}, {'m', "InvRetning", "False"},
      {'M', "Delay", "1"}, {'M', "Kode", "Ascii"}, {'M', "Protokoll", "Parallell"}},
     PresetIni("Punch=True\r\nKode=EIA\r\n"),
     [](PresetMiljo& m) {
       m.e->Alternativ.operatorText("Annen utgave");
       AnnenParallellKode(m);
     }},
};

class Lsv2OkumaPreset : public ::testing::TestWithParam<Rad> {};

TEST_P(Lsv2OkumaPreset, SavedValuesMatchTheController) { KjorRad(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Rader, Lsv2OkumaPreset, ::testing::ValuesIn(Rader), RadNavn{});

// The card uses no COM port: the preset leaves no port chosen, so the save
// writes nothing into the machine's old port section.
TEST(ParallellPreset, LeavesNoPortChosen) {
  PresetMiljo m;
  m.velg(19, 0);
  ASSERT_TRUE(m.lagre());
  EXPECT_EQ(m.e->Com.text(), "");
  EXPECT_EQ(m.e->Com.itemIndex(), -1);
  EXPECT_EQ(m.e->ComPort.itemIndex(), -1);
  EXPECT_EQ(m.port("Baud"), "2400");
  // Nothing is left for the default line settings to do: the boxes are free again.
  EXPECT_FALSE(m.e->DefaultBaud.checked());
  EXPECT_TRUE(m.e->Baud.enabled());
  EXPECT_TRUE(m.e->HandShake.enabled());
}

}  // namespace
}  // namespace brul::test
