#pragma once
// Paths as the installation stores them (C:\Brul\Maskin1\) and as this system
// opens them. On Windows they are the same; elsewhere a drive letter maps to a
// folder through the [Stasjoner] section of Brul.conf, backslashes become
// slashes, and each existing component is found without regard to letter case
// (stored paths come back upper-cased).
#include <string>

namespace brul::platform {

std::string LokalSti(const std::string& sti);

}  // namespace brul::platform
