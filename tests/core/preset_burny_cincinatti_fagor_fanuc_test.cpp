// Presets of Burny, Cincinatti, Fagor and the Fanuc entries, read back from
// the settings file after the save that applied them.
#include "preset_felles.h"

namespace brul::test {
namespace {

const std::string Backup = "C:\\BRUL\\MASKIN\\M1\\Backup\\";

// The operator chose the software handshake before the save.
void SoftwareHandShake(PresetMiljo& m) { m.e->HandShake.operatorPick(2); }

const std::vector<Rad> Rader = {
    {"Burny", 0, 0, true, {},
     {{'M', "Protokoll", "BTR"}, {'M', "StartKode", "[DC2]"}, {'M', "StoppKode", "[BEL]"},
      {'M', "StoppTegn", "[DC4]"}, {'M', "StoppFeil", ""}, {'m', "StartStoppKodeUt", "False"},
      {'M', "HenteProgram", "Standard"}, {'M', "Hent", "DOWNLOAD"},
      {'M', "Print", "PROGRAM:00005004"}, {'M', "DirHent", "PROGRAM:00005002"},
      {'M', "StartHent", "PROGRAM:"}, {'M', "StartLagre2", "PROGRAM:"}, {'M', "StoppHent", ""},
      {'m', "BareTall", "True"}, {'M', "DirFilType", "Ingen"},
      {'M', "IngenFil", "UPLOAD PROGRAM:00005008[CR][LF]%[CR][LF]N10M30[CR][LF]"},
      {'M', "Kvittering", "UPLOAD PROGRAM:00005005[CR][LF]%[CR][LF]N10M30[CR][LF]"},
      {'M', "FeilMelding", "UPLOAD PROGRAM:00005009[CR][LF]%[CR][LF]N10M30[CR][LF]"},
      {'M', "KvitteringsTid", "10"}, {'M', "BackupFiles", "3"}, {'M', "BackupKatalog", Backup},
      {'M', "DirProgramNr", ""}, {'m', "TimeSize", "False"}, {'P', "Baud", "1200"},
      {'H', "", "2"}, {'p', "FjernNull", "True"}, {'p', "BlokkVis", "False"},
      {'P', "Kode", "Iso"}, {'P', "EOB", "[CR][LF]"}, {'P', "TimeOut", "3"},
      {'P', "TimeMultiplier", "1000"}}},
    {"Cincinatti standard", 1, 0, true, {},
     {{'M', "Protokoll", "Standard"}, {'M', "StartKode", "("}, {'M', "StoppKode", ""},
      {'V', "MAXNULL", "0"}, {'V', "LAGKATALOGER", "True"}, {'M', "HenteProgram", "Cincinatti"},
      {'M', "StartLagre", "\""}, {'M', "StoppLagre", "\""}, {'M', "StartLagre2", "\""},
      {'M', "Hent", "HENTEPROGRAM"}, {'M', "Hent2", "HENTEPROGRAM"}, {'M', "Print", "5004"},
      {'M', "DirHent", "5002"}, {'M', "StartPrint", "5004"}, {'M', "StartDir", "5002"},
      {'M', "StartHent", "(MSG,"}, {'M', "MaxHent", "300"}, {'M', "MaxLengde", "32"},
      {'M', "DirFilType", "Ingen"}, {'M', "IngenFil", ""}, {'M', "Kvittering", ""},
      {'M', "KvitteringsTid", ""}, {'P', "Baud", "9600"}, {'H', "", "1"},
      {'p', "FjernNull", "False"}}},
    {"Cincinatti DC2", 1, 1, true, {},
     {{'M', "Protokoll", "DC2"}, {'M', "StartKode", "[LF]"}, {'M', "StoppKode", "[NUL][EOT][DC4]"},
      {'M', "StoppTegn", "[DC4]"}, {'P', "EOB", "[LF]"}, {'M', "HenteProgram", "Standard"},
      {'M', "Hent", "M30"}, {'M', "Print", "(P)("}, {'M', "DirHent", "(D)("},
      {'M', "StartHent", "(MSG"}, {'M', "StoppHent", ","}, {'M', "StoppLagre2", ","},
      {'m', "BareTall", "False"}, {'M', "MaxLinjer", "6"}, {'M', "DirFilType", "Ingen"},
      {'P', "Baud", "9600"}, {'H', "", "2"}, {'p', "FjernNull", "False"}}},
    {"Fagor ISO", 2, 0, true, {},
     {{'M', "Protokoll", "Standard"}, {'M', "StartKode", "%"}, {'M', "StoppKode", "[EOT]"},
      {'M', "StoppTegn", "[EOT][EOT]"}, {'M', "Hent", "M30"}, {'M', "Print", "--P,"},
      {'M', "DirHent", "M02"}, {'M', "StartHent", "%"}, {'M', "StoppHent", ","},
      {'M', "VenteTid", "15"},
      {'M', "IngenFil", "%5008,MX,[LF]N10 (FINNER IKKE FILEN)[LF]N20 M30[LF]"},
      {'M', "Kvittering", "%5005,MX,[LF]N10 (LAGRET #N, #B TEGN)[LF]N20 M30[LF]"},
      {'M', "FeilMelding", "%5009,MX,[LF]N10 (LAGRING AV #N FEILET)[LF]N20 M30[LF]"},
      {'P', "Kode", "Ascii"}, {'P', "EOB", "[LF]"}, {'P', "Baud", "9600"}, {'H', "", "2"},
      {'p', "FjernNull", "True"}}},
    // Ascii is the control's code whatever the operator keeps of the line settings.
    {"Fagor ISO, own line settings", 2, 0, false, {},
     {{'P', "Kode", "Ascii"}, {'P', "Baud", "2400"}, {'H', "", "1"}, {'p', "FjernNull", "True"}}},
    {"Fagor 4 digits", 2, 2, true, {},
     {{'M', "StoppKode", "[ESC]"}, {'M', "StoppTegn", "[ESC]"}, {'M', "HenteProgram", "Standard"},
      {'m', "BareTall", "True"}, {'M', "MaxLengde", "4"}, {'M', "StartLagre", "%0"},
      {'M', "StoppLagre", ""}, {'M', "Hent", "%5"}, {'M', "StartHent", "%5"},
      {'M', "StoppHent", ""}, {'M', "Hent2", "H2"}, {'V', "TALLSJEKK", "False"},
      {'P', "Kode", "Ascii"}, {'P', "Delay", "1"}, {'P', "Baud", "9600"}, {'H', "", "1"},
      {'p', "FjernNull", "True"}},
     PresetIni("Hent2=H2\r\n")},
    {"Fagor hand terminal", 2, 1, true, {},
     {{'M', "StartLagre", "%"}, {'M', "StoppLagre", ""}, {'M', "MaxLengde", "5"},
      {'m', "BareTall", "True"}, {'m', "FilNavnProgram", "True"}, {'P', "Kode", "Ascii"},
      {'P', "Delay", "1"}}},
    {"Fanuc blokkvis, binary FAPT", 4, 4, true, {},
     {{'M', "FjernTegn", "[NUL]"}, {'p', "FjernNull", "False"}, {'p', "BlokkVis", "True"},
      {'P', "NyBlokkvis", "[DC2]%"}, {'P', "BrytBlokkvis", "[DC4]"}, {'M', "Protokoll", "Fapt"},
      {'M', "StartKode", "%"}, {'M', "StoppKode", ""}, {'M', "StoppTegn", "[DC4]"},
      {'P', "Baud", "4800"}, {'H', "", "2"}, {'P', "TimeOut", "4"}, {'P', "Break", "4"},
      {'M', "HenteProgram", "Parenteser"}, {'m', "BareTall", "False"},
      {'M', "ToolLagre", "G10G90"}, {'V', "LOMMER", "20"}, {'V', "MAKSPARM", "32"},
      {'M', "DirFilType", "Fanuc"}, {'M', "MaxLengde", "14"}, {'M', "DirProgramNr", ":5006"},
      {'m', "TimeSize", "True"}, {'V', "STATUSNAVN", "True"}, {'M', "Ext2", ".FPT"},
      {'M', "IngenFil", "%[LF]:5008[LF](FINNER IKKE FILEN)[LF]M30[LF]%"},
      {'M', "Kvittering", "%[LF]:5005[LF](LAGRET #N, #B TEGN)[LF]M30[LF]%"},
      {'M', "FeilMelding", "%[LF]:5009[LF](LAGRING AV #N FEILET)[LF]M30[LF]%"}}},
    // Default line settings bring the software handshake, hence BTR.
    {"Fanuc parentheses, default line", 3, 0, true, {},
     {{'M', "Protokoll", "BTR"}, {'M', "StartKode", "[DC2]"}, {'M', "StoppKode", "[DC4]"},
      {'M', "StoppTegn", "[DC4]"}, {'H', "", "2"}, {'P', "Baud", "4800"},
      {'p', "FjernNull", "True"}, {'p', "BlokkVis", "False"}, {'M', "HenteProgram", "Parenteser"},
      {'m', "FtpUnderKataloger", "False"}, {'M', "FtpFilNavn", "Parenteser"},
      {'M', "FtpExt", ".*"}, {'M', "NcExt", ""}, {'M', "MaxLengde", "14"}}},
    // A hardware line kept by the operator gets the plain protocol and the delayed handshake.
    {"Fanuc IJK, own hardware line", 3, 2, false, {},
     {{'M', "Protokoll", "Standard"}, {'M', "StartKode", "%"}, {'M', "StoppKode", ""},
      {'M', "StoppTegn", ""}, {'H', "", "3"}, {'P', "Baud", "2400"},
      {'M', "HenteProgram", "FanucIJK"}, {'M', "StartLagre", ":"}, {'M', "StoppLagre", ""},
      {'M', "Hent", ":5000"}, {'M', "Print", ":5004"}, {'M', "DirHent", ":5002"},
      {'M', "StartPrint", ":5004"}, {'M', "StartDir", ":5002"}, {'M', "Hent2", ":5000"},
      {'m', "BareTall", "True"}, {'M', "MaxLengde", "7"}, {'M', "DirProgramNr", ":5006"}}},
    {"Fanuc med buffer, own software line", 5, 5, false, {},
     {{'M', "Protokoll", "Standard"}, {'M', "StartKode", "%"}, {'M', "StoppTegn", "[DC4]"},
      {'H', "", "2"}, {'P', "Baud", "2400"}, {'M', "HenteProgram", "FAPTKommentarer"},
      {'M', "Hent", "O5000"}, {'M', "StartLagre", "O"}, {'M', "StoppLagre", ""},
      {'M', "StartHent", "("}, {'M', "StoppHent", ")"}, {'V', "MAXHENT2", "850"},
      {'V', "MAXLINJER2", "40"}, {'M', "MaxLengde", "14"}},
     PresetIni(), SoftwareHandShake},
    {"Fanuc med buffer JK, default line", 5, 3, true, {},
     {{'M', "Protokoll", "Standard"}, {'M', "StartKode", "%"}, {'M', "StoppTegn", "[DC4]"},
      {'P', "Baud", "9600"}, {'H', "", "2"}, {'M', "HenteProgram", "FanucJK"},
      {'M', "MaxLengde", "4"}, {'m', "BareTall", "True"}}},
    {"Fanuc comments", 3, 1, true, {},
     {{'M', "DirProgramNr", ":5006(KATALOG)"}, {'M', "MaxLengde", "14"},
      {'M', "FtpFilNavn", "Kommentarer"}, {'M', "HenteProgram", "Kommentarer"},
      {'M', "Hent", "O5000"}, {'M', "Print", "--P)"}, {'M', "DirHent", "O5002"},
      {'M', "StartLagre", "O"}, {'M', "StoppLagre", ""}, {'M', "StartHent", "("},
      {'M', "StoppHent", ")"}, {'m', "BareTall", "False"}}},
};

class BurnyFanucPreset : public ::testing::TestWithParam<Rad> {};

TEST_P(BurnyFanucPreset, SavedValuesMatchTheController) { KjorRad(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Rader, BurnyFanucPreset, ::testing::ValuesIn(Rader), RadNavn{});

}  // namespace
}  // namespace brul::test
