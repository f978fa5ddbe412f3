#pragma once
// Start-up in the window, where nobody reads standard error: the settings
// file's drive has no place on this system because there is no Brul.conf at
// all.
#include "platform/register.h"

namespace brul {

struct Operator;

// When IniFil has no place here and neither of `filer` exists: says so,
// where the program looked and where to make one, and asks whether to open
// that folder (made first if it is missing) with the desktop's opener. True
// when it spoke; the window then ends, as the file cannot be read. False
// where a Brul.conf exists, the file has a place, or no place for a
// Brul.conf is known (Windows, where the registry holds the key).
bool SiFraOmIngenKonfig(Operator& op, const platform::KonfigFiler& filer);

}  // namespace brul
