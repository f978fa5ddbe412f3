#pragma once
// The settings access layer: every read, write and delete of the settings file
// IniFil goes through these functions. Texts are UTF-8 inside the program;
// reads come back upper-cased. Each call outside a Batch is its own batch (one
// read, at most one atomic write); inside a Batch all calls share one read and
// one commit.
#include <string>
#include <vector>

namespace brul {

// Raw read from any file: the stored text, not upper-cased.
std::string LesFraFil(const std::string& fil, const std::string& seksjon,
                      const std::string& nokkel, const std::string& standard);

std::string LesStreng(const std::string& seksjon, const std::string& nokkel,
                      const std::string& standard, bool dekode = false);
bool LesBool(const std::string& seksjon, const std::string& nokkel, bool standard);
// The key names of a section as stored (the first of each name, in file
// order); empty when the section is absent or the file cannot be read.
std::vector<std::string> LesNokler(const std::string& seksjon);
long LesTall(const std::string& seksjon, const std::string& nokkel, long standard);

void SkrivStreng(const std::string& seksjon, const std::string& nokkel, const std::string& verdi);
void SkrivBool(const std::string& seksjon, const std::string& nokkel, bool verdi);
void LagreStreng(const std::string& seksjon, const std::string& nokkel,
                 const std::string& standard, const std::string& verdi);
void LagreBool(const std::string& seksjon, const std::string& nokkel, bool standard, bool verdi);
void SlettSeksjon(const std::string& seksjon);
void SlettVerdi(const std::string& seksjon, const std::string& nokkel);

// Helpers shared by the editor, the presets and the auxiliary commands.
std::string FyllNuller(long n, int bredde);
long TallFraTekst(const std::string& tekst);
// 1-based byte position of the dot that starts the extension, 0 for none (a
// backslash met first, scanning from the end, means none).
int EtternavnPos(const std::string& navn);
std::string ProgramExt();
void SjekkNomReg(const std::string& caption, const std::string& toolReg, const std::string& nomReg);
bool LagKatalog(const std::string& sti);
bool SkrivTekstfil(const std::string& sti, const std::string& tekst);
// The same; on failure `grunn` says why, for the operator (a drive with no
// mapping, a missing folder, no access).
bool LagKatalog(const std::string& sti, std::string& grunn);
bool SkrivTekstfil(const std::string& sti, const std::string& tekst, std::string& grunn);

}  // namespace brul
