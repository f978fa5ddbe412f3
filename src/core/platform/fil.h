#pragma once
// File primitives of this system: whole-file reads with a change stamp, atomic
// replacement, folder creation and copying without overwriting. Paths are
// local paths (after LokalSti), UTF-8. Failures come back as a Norwegian
// reason for the operator; nothing here raises.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace brul::platform {

// What tells one version of a file from another without reading it.
struct FilStempel {
  bool finnes = false;
  std::uint64_t storrelse = 0;
  std::int64_t endretNs = 0;  // last modification, nanoseconds
  std::uint64_t inode = 0;    // file identity (inode, or the Windows file index)
  std::uint64_t enhet = 0;    // device or volume
  friend bool operator==(const FilStempel&, const FilStempel&) = default;
};

enum class LeseStatus { Ok, Mangler, Feil };

struct FilLesing {
  LeseStatus status = LeseStatus::Mangler;
  std::string bytes;
  FilStempel stempel;
  std::string feil;  // the reason when status is Feil
};

// Reads the whole file. A missing file or folder is Mangler; a file that is
// there but cannot be read (a folder, no access) is Feil.
FilLesing LesHeleFil(const std::string& sti);
FilStempel Stempel(const std::string& sti);

// Replaces the file with `bytes` in one step: a temporary file in the same
// folder is written and flushed to disk, then renamed over the target, so a
// reader sees either the old or the new content, never part of it. An existing
// file keeps its permissions. The folder must exist.
bool ErstattFil(const std::string& sti, std::string_view bytes, std::string& feil);

// Why a save could not replace the file, nullopt when it can: its owner made
// it read-only (this holds even for a user whose rights would override it,
// as a Windows read-only attribute does), this user may not write it, or its
// folder takes no new file (the save writes its new copy there first). A
// missing file is judged by its folder alone.
std::optional<std::string> SkrivebeskyttetGrunn(const std::string& sti);

bool FinnesMappe(const std::string& sti);
bool FinnesFil(const std::string& sti);
// Creates one folder; its parent must exist.
bool LagMappe(const std::string& sti, std::string& feil);
// Copies `fra` to `til`; fails when `til` already exists.
bool KopierFil(const std::string& fra, const std::string& til, std::string& feil);

}  // namespace brul::platform
