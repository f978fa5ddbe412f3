#pragma once
// The store's access to the disk for the settings file, fetch-program files
// and folders: the one place where the settings file is replaced, with its
// history version kept in the same step. While a dry run is running, each
// operation goes to the dry run's copies instead (store/forhandsvisning.h).
#include <string>

#include "platform/fil.h"
#include "store/forhandsvisning.h"
#include "store/ini_document.h"

namespace brul::lager {

// `fraDisk` tells whether the disk was read (a dry run reads it once).
platform::FilLesing LesInnstillinger(const std::string& lokal, bool* fraDisk = nullptr);
// Replaces the settings file; `forrige` is the content it replaces (kept in
// the history with the new one). `dok` is `bytes` as the save holds it, so
// the history need not read it again, and `berort` what the save touched
// (nullptr: anything, and the old content is parsed for the history).
// `delt` gets the kept version's file when it is the replaced file itself
// under a second name, and is emptied otherwise; `versjonsfeil` why no
// version could be kept (the save still stands).
// The file is replaced only while it is still the one `forrige` read; one
// another program put in its place meanwhile sets `endretUnderveis`.
bool ErstattInnstillinger(const std::string& lokal, const platform::FilLesing& forrige, const std::string& bytes,
                          const IniDocument& dok, const Berort* berort, std::string& delt, std::string& versjonsfeil,
                          std::string& grunn, bool* endretUnderveis = nullptr);
bool LagMappe(const std::string& sti, std::string& grunn);
bool FinnesMappe(const std::string& lokal);
bool ErstattTekstfil(const std::string& sti, const std::string& bytes, std::string& grunn);

}  // namespace brul::lager
