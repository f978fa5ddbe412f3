#pragma once
// The fetch programs ("henteprogrammer") the presets write into a machine
// folder: small CNC programs the control runs to ask the PC for a file, a
// folder listing or tool data. Their texts are data; the transfer programs
// recognise them by number and comment, so every byte counts.
#include <string>
#include <string_view>
#include <vector>

namespace brul {

struct Henteprogram {
  std::string navn;     // file name without folder and extension ("5000", "H")
  std::string innhold;  // the content; the file gets one more CR LF after it
};

// Separators inside a line list: LF stands between two lines instead of the
// usual CR LF; CRLF as the last element makes the content end with a line break.
inline constexpr std::string_view LF = "\n";
inline constexpr std::string_view CRLF = "\r\n";

// Joins lines with CR LF, except where an LF element stands between them.
std::string Linjer(std::initializer_list<std::string_view> deler);

std::vector<Henteprogram> CincinattiHenteprogram();
// Each Fanuc variant (alternativ::fanuc) gives 5000, 5002, 5003 and 9020; any
// other number 9020 alone.
std::vector<Henteprogram> FanucHenteprogram(int variant);
std::vector<Henteprogram> HaasHenteprogram();
std::vector<Henteprogram> Heidenhain135Henteprogram();
std::vector<Henteprogram> HeidenhainBeginHenteprogram();
std::vector<Henteprogram> HeidenhainG71Henteprogram();
std::vector<Henteprogram> MazatrolHenteprogram();
std::vector<Henteprogram> Okuma3000Henteprogram();
std::vector<Henteprogram> OkumaHenteprogram();
// The Philips variants up to MedEKoderSomFilnavn (alternativ::philips); any
// other gives none.
std::vector<Henteprogram> PhilipsHenteprogram(int variant);
// Each Siemens variant (alternativ::siemens), with the program prefix and
// suffix; any other number gives none.
std::vector<Henteprogram> SiemensHenteprogram(int variant, const std::string& prefiks,
                                              const std::string& suffiks);

}  // namespace brul
