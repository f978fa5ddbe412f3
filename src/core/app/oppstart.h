#pragma once
// Start-up: where the settings file, the program folder and the data folder
// are (FinnIniFil), and making sure the settings file exists before any
// window opens (SjekkIniFil).
#include <optional>
#include <string>

#include "platform/register.h"

namespace brul {

struct Operator;

// What start-up looks at. The real ones come from the running program and
// the system; tests give their own.
struct OppstartKilder {
  // Full local path of the running program file.
  std::string programFil;
  // The key "Software\Brul"; null when no key could be opened.
  const platform::BrulNokkel* nokkel = nullptr;
  // A settings file named on the command line (--ini). It replaces the
  // key's value and is used as given, relative to the current folder; no
  // other file is put in its place when it is missing.
  std::optional<std::string> iniFil;
};

// Fills IniFil, ExeKatalog and DataKatalog from the key, the program's folder
// and the settings file's own [Program] ExeKatalog. Also sets the drive map
// the key holds, so the paths found can be opened.
void FinnIniFil(const OppstartKilder& kilder);
// The same from the running program and the system's key.
void FinnIniFil(const std::optional<std::string>& iniFil = std::nullopt);

// When the data folder (or the program folder) is a folder of this system
// with no Windows form (under no mapped folder): why nothing is created from
// it, naming the Brul.conf entry to add. Empty when both have one.
std::string UbruktMappe();

// The settings file named by "--ini FILE" (or "--ini=FILE") among the
// options before the command, as the window and the command line both take
// it; nullopt when none is given.
std::optional<std::string> IniFraArgumenter(int argc, const char* const* argv);

// The program's folder (with its closing separator) and the name the key's
// first value has: the program's file name without its extension.
std::string ProgramKatalog(const std::string& programFil);
std::string ProgramNavn(const std::string& programFil);

// While IniFil does not exist: asks whether to fetch it from the last
// installation diskette and, on Yes, copies A:\Brul.ini to it without ever
// overwriting a file. `maksSporsmal` limits how often it asks (0: until the
// operator answers No), so a scripted Yes cannot loop for ever when the
// diskette is not there. True when IniFil exists at the end.
bool SjekkIniFil(Operator& op, int maksSporsmal = 0);

}  // namespace brul
