#pragma once
// The preset pass: turns the controller and variant chosen in Styring and
// Alternativ into protocol, fetch-program, response and port values in the
// editor's controls, and writes the fetch-program files when asked to. The
// writers set controls as an operator would, so the linked-field rules run.
#include <string>
#include <vector>

namespace brul {

class Editor;

// Applies the preset chosen in the editor (machine, controller and variant) to the
// editor's controls and writes the direct settings the preset needs.
void SettForvalg(Editor& e);
// Registers SettForvalg as the pass the editor's OK runs for an armed preset.
// The program and the test fixtures call it at start-up; the presets also
// register themselves once they are linked in, and calling it is what makes
// sure they are.
void RegistrerForvalg();

// The seven writer operations the controller presets are made of.
void ForvalgProtokoll(Editor& e, const std::string& protokoll, const std::string& startKode,
                      const std::string& stoppKode, const std::string& stoppTegn,
                      const std::string& stoppFeil);
void ForvalgHenting(Editor& e, const std::string& henteProgram, const std::string& hent,
                    const std::string& print, const std::string& dirHent, const std::string& start,
                    const std::string& stopp);
void ForvalgHentingNr(Editor& e, const std::string& henteProgram, const std::string& startLagre,
                      const std::string& stoppLagre, const std::string& hent,
                      const std::string& print, const std::string& dirHent);
void ForvalgRespons(Editor& e, const std::string& ingenFil, const std::string& kvittering,
                    const std::string& feilMelding, const std::string& fjernTegn);
// The line settings of a preset, named as the fields they set. The baud rate
// and the handshake are taken over only while DefaultBaud is ticked.
struct Portverdier {
  int baud = 9600;
  bool xonXoff = false;  // handshake "Software (Xon/Xoff)"; else "Hardware (RTS/CTS)"
  bool fjernNull = false;
  bool blokkvis = false;
  std::string nyBlokkvis{};    // NyBlokkvis and BrytBlokkvis are set when blokkvis
  std::string brytBlokkvis{};  // is ticked or either of them is given
};
void ForvalgPort(Editor& e, const Portverdier& p);
// The folder listing's program number and its time and size columns.
struct Katalogverdier {
  std::string dirProgramNr{};
  bool katalogMerke = false;  // DirProgramNr gets "(KATALOG)" after the number
  bool timeSize = false;      // TimeSize "TimeSize"; else "Ingen"
};
void ForvalgKatalog(Editor& e, const Katalogverdier& k);
void ForvalgVariabel(Editor& e, const std::string& navn, const std::string& verdi);

// Asks for one fetch program in the machine folder (Katalog + name + Ext) when
// "Opprett henteprogram" is ticked. The save writes it once the settings are
// stored; a failure is reported then ("Opprette henteprogram").
void LagHenteProg(Editor& e, const std::string& navn, const std::string& innhold);

}  // namespace brul
