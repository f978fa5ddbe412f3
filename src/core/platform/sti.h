#pragma once
// Paths as the installation stores them (C:\Brul\Maskin1\) and as this system
// opens them. On Windows they are the same; elsewhere a drive letter or a
// network path maps to a folder through the [Stasjoner] section of Brul.conf,
// backslashes become slashes, and each existing component is found without
// regard to letter case (stored paths come back upper-cased).
#include <compare>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>

namespace brul::platform {

// What [Stasjoner] maps: a drive letter (C) or the start of a network path
// (\\SRV\CNC, server and share, possibly deeper). Kept in one spelling,
// upper case with backslashes and no closing one, so "c", "\\srv\cnc\" and
// "\\SRV\CNC" are the same entry.
class Stasjon {
 public:
  Stasjon(char bokstav);  // NOLINT: a drive letter is a Stasjon
  Stasjon(const char* navn) : Stasjon(std::string(navn)) {}  // NOLINT
  Stasjon(const std::string& navn);                           // NOLINT
  const std::string& navn() const { return navn_; }
  bool erUnc() const { return navn_.size() > 1; }
  // As written in a stored path: "C:" or "\\SRV\CNC".
  std::string somSti() const { return erUnc() ? navn_ : navn_ + ":"; }
  // A letter or a network path of server and share; anything else (QQ, an
  // empty name) maps nothing and is left out of the map.
  bool gyldig() const { return !navn_.empty(); }
  friend auto operator<=>(const Stasjon&, const Stasjon&) = default;
  friend std::ostream& operator<<(std::ostream& ut, const Stasjon& s);

 private:
  std::string navn_;
};

// Drive letters and network paths, and the local folders they stand for.
// Start-up fills it from Brul.conf; tests set their own. Unused on Windows.
using Stasjonskart = std::map<Stasjon, std::string>;
void SettStasjoner(Stasjonskart kart);
const Stasjonskart& Stasjoner();

// The local path of a stored path. A drive letter or a network path opens
// through the map only: one the map lacks cannot be opened at all, and
// `grunn` then names the missing entry ("stasjon Q: er ikke satt opp i
// [Stasjoner] i Brul.conf"). ".." and "." in a stored path are resolved as
// Windows resolves them, never above the drive's or share's root, so a
// stored path never leaves its mapped folder. Relative paths stay relative;
// components that do not exist yet are kept as given, so a file about to be
// created keeps the name it was given.
std::optional<std::string> LokalSti(const std::string& sti, std::string& grunn);
// The same, with an empty path (which opens nothing) for one that cannot be
// resolved.
std::string LokalSti(const std::string& sti);

// The way back: the stored form of a local folder (as the folder browser
// gives it), through the mapped folder that holds it (the longest one), with
// backslashes. A path already in stored form is kept. A folder under no
// mapped folder has no stored form: nullopt, and `grunn` tells which folders
// can be used. On Windows every path is already in stored form.
std::optional<std::string> LagretSti(const std::string& lokal, std::string& grunn);

// Whether a path is a local path of this system (/srv/brul/Maskin1), which
// the Windows programs reading the file cannot open. Never on Windows, where
// "/Brul" is the root of the current drive.
bool ErLokalForm(const std::string& sti);
// Whether a stored path names a place of its own (a drive or a network path)
// rather than one relative to a current folder: only such a path can be
// created here, inside its mapped folder. Every path on Windows.
bool Forankret(const std::string& sti);
// Why a path that is not anchored so is refused, for the operator.
inline constexpr const char* kIkkeForankret =
    "stien er ikke en hel sti med stasjon (C:\\…) eller nettverkssti (\\\\SERVER\\DELT\\…)";

// The form a value typed into a path field (a folder, or a file when `mappe`
// is false) is stored in, whoever typed it. A local path of this system goes
// through LagretSti, its ".." resolved first (a folder gets its closing
// backslash, as from the folder browser); one under no mapped folder has no
// such form. A path in Windows form (C:\Nye\M1\, \\SRV\CNC\M1) is kept as
// given, unless its ".." climbs above its drive's root or its share. Empty
// and relative values are kept. nullopt with `grunn` when refused.
std::optional<std::string> LagretVerdi(const std::string& verdi, bool mappe, std::string& grunn);

// Whether `c` separates folders in a path: the backslash, and on systems
// other than Windows the slash too (a local path such as /srv/brul/Brul.ini).
bool ErSkilletegn(char c);
// The path with one folder separator at its end: unchanged when it is empty or
// already ends with one; otherwise a backslash is appended, or a slash when
// the path is a local path of this system that uses slashes only.
std::string MedSkilletegn(const std::string& sti);

}  // namespace brul::platform
