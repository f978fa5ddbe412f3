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

// The settings file held open from the check a save makes before it
// replaces the file until the replacement is done. Another program that
// rewrites the file in place (as the profile functions do) may write into
// the old file after that check, even after the rename through a handle it
// opened before; the held file shows that change, so the save can carry it
// over instead of losing it with the replaced file.
class HoldtFil {
 public:
  HoldtFil() = default;
  ~HoldtFil();
  HoldtFil(const HoldtFil&) = delete;
  HoldtFil& operator=(const HoldtFil&) = delete;

  // Reads the whole file like LesHeleFil and keeps it open. While another
  // program has the file open for writing, the read waits (a short while)
  // for it to finish, so that no half-rewritten content is taken.
  FilLesing les(const std::string& sti);
  // After the file was replaced: the content the old file has now, once no
  // other program has it open for writing. nullopt when nothing is held, when
  // nothing can have changed it (no program opened it for writing since the
  // read), or when this system cannot tell: then the content at the check
  // stands.
  std::optional<std::string> etterErstatning();

 private:
  void lukk();
  std::intptr_t h_ = -1;  // the file descriptor or handle
  bool leie_ = false;     // a read lease held since les()
};

// Replaces the file with `bytes` in one step: a temporary file in the same
// folder is written and flushed to disk, then renamed over the target, so a
// reader sees either the old or the new content, never part of it. An existing
// file keeps its permissions; one its owner made read-only is not replaced.
// The folder must exist. Temporary files of this naming that a save left
// behind when it was stopped, and that no running save holds, are removed.
// With `gammelSom`, the file it replaces is also given that name just before
// the rename, as a second link to it where the file system has them, so
// nothing is copied; the return value of `lenket` tells whether it was.
bool ErstattFil(const std::string& sti, std::string_view bytes, std::string& feil,
                const std::string* gammelSom = nullptr, bool* lenket = nullptr);

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
