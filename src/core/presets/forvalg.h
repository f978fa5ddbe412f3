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
void ForvalgPort(Editor& e, int baud, bool xonXoff, bool fjernNull, bool blokkvis,
                 const std::string& nyBlokkvis, const std::string& brytBlokkvis);
void ForvalgKatalog(Editor& e, const std::string& dirProgramNr, bool katalog, bool timeSize);
void ForvalgVariabel(Editor& e, const std::string& navn, const std::string& verdi);

// Asks for one fetch program in the machine folder (Katalog + name + Ext) when
// "Opprett henteprogram" is ticked. The save writes it once the settings are
// stored; a failure is reported then ("Opprette henteprogram").
void LagHenteProg(Editor& e, const std::string& navn, const std::string& innhold);

}  // namespace brul
