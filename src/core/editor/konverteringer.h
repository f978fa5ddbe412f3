#pragma once
// The special conversions between a page's controls and its keys: one named
// load and one named save function per Konvertering of the key tables.
#include "schema/nokler.h"

namespace brul {

class Editor;

struct KonverteringFunksjoner {
  void (*les)(Editor&, const Nokkel&);
  void (*lagre)(Editor&, const Nokkel&);
};

const KonverteringFunksjoner& KonverteringAv(Konvertering k);

void LesStyring(Editor& e, const Nokkel& n);
void LagreStyring(Editor& e, const Nokkel& n);
void LesHandShakeBoks(Editor& e, const Nokkel& n);
void LagreHandShakeBoks(Editor& e, const Nokkel& n);
void LesHandShakeRadio(Editor& e, const Nokkel& n);
void LagreHandShakeRadio(Editor& e, const Nokkel& n);
void LesPortCom(Editor& e, const Nokkel& n);
void LagrePortCom(Editor& e, const Nokkel& n);
void LesBaudCom(Editor& e, const Nokkel& n);
void LagreBaudCom(Editor& e, const Nokkel& n);
void LesParitet(Editor& e, const Nokkel& n);
void LagreParitet(Editor& e, const Nokkel& n);
void LesTimeSize(Editor& e, const Nokkel& n);
void LagreTimeSize(Editor& e, const Nokkel& n);
void LesNomReg(Editor& e, const Nokkel& n);
void LagreNomReg(Editor& e, const Nokkel& n);
void LesMazatrolAuto(Editor& e, const Nokkel& n);
void LagreMazatrolAuto(Editor& e, const Nokkel& n);
void LesMazPrint(Editor& e, const Nokkel& n);
void LagreMazPrint(Editor& e, const Nokkel& n);
void LesLinjer2(Editor& e, const Nokkel& n);
void LagreLinjer2(Editor& e, const Nokkel& n);
void LesToolGrid(Editor& e, const Nokkel& n);
void LagreToolGrid(Editor& e, const Nokkel& n);
void LesBoksGrid(Editor& e, const Nokkel& n);
void LagreBoksGrid(Editor& e, const Nokkel& n);
void LesAnnetGrid(Editor& e, const Nokkel& n);
void LagreAnnetGrid(Editor& e, const Nokkel& n);

// A presetter-grid system number: a whole number of 0 or more written in
// decimal without leading zeros; empty when the cell holds anything else.
std::string SystemNummer(const std::string& celle);
// After the page "Forinnst." was saved: each row of the presetter grid now
// stands for the number it shows (Editor::ToolGridSystemer), so a later save
// moves from there and not from the number it was loaded with.
void ToolGridLagret(Editor& e);
// The event code a log-box cell is saved as: the digits and minus signs of its
// first three characters.
long HendelseKode(const std::string& celle);
// The variable slot a key names: "Variabel" (any letter case) and a slot
// number of 1 to 9999 without leading zeros; 0 for any other key. Slots
// beyond 9999 are not shown, and so never touched by a save.
int VariabelPlass(const std::string& nokkel);
// Whether a text can be a key name the file reads back under that name (not
// blank, no "=", not starting with ";" or "[", no line break).
bool GyldigNokkelnavn(const std::string& navn);

}  // namespace brul
