#pragma once
// The running program and the programs it starts.
#include <string>

namespace brul::platform {

// Full local path of the running program file; empty when the system will
// not say.
std::string ProgramFil();

// Opens a local file in the operator's text editor and returns at once:
// Notepad on Windows; elsewhere $VISUAL, else $EDITOR, else the desktop's
// opener (xdg-open). The file name reaches the editor whole, blanks and all.
// False when the editor could not be started.
bool StartTekstEditor(const std::string& fil);

// Opens a local folder with the desktop's own opener (xdg-open; Explorer on
// Windows) and returns at once. False when the opener could not be started.
bool ApneMappe(const std::string& mappe);

}  // namespace brul::platform
