#pragma once
// Paths as the installation stores them (C:\Brul\Maskin1\) and as this system
// opens them. On Windows they are the same; elsewhere a drive letter maps to a
// folder through the [Stasjoner] section of Brul.conf, backslashes become
// slashes, and each existing component is found without regard to letter case
// (stored paths come back upper-cased).
#include <map>
#include <string>

namespace brul::platform {

// The local path of a stored path. Relative paths stay relative; components
// that do not exist yet are kept as given, so a file about to be created keeps
// the name it was given.
std::string LokalSti(const std::string& sti);

// Drive letters (upper case) and the local folders they stand for. Start-up
// fills it from Brul.conf; tests set their own. Unused on Windows.
using Stasjonskart = std::map<char, std::string>;
void SettStasjoner(Stasjonskart kart);
const Stasjonskart& Stasjoner();

// Whether `c` separates folders in a path: the backslash, and on systems
// other than Windows the slash too (a local path such as /srv/brul/Brul.ini).
bool ErSkilletegn(char c);
// The path with one folder separator at its end: unchanged when it is empty or
// already ends with one; otherwise a backslash is appended, or a slash when
// the path is a local path of this system that uses slashes only.
std::string MedSkilletegn(const std::string& sti);

}  // namespace brul::platform
