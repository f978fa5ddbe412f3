#pragma once
// File primitives of this system: whole-file reads with a change stamp, atomic
// replacement, folder creation and copying without overwriting. Paths are
// local paths (after LokalSti), UTF-8. Failures come back as a Norwegian
// reason for the operator; nothing here raises.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
  // Feil because another program kept the file open for writing for longer
  // than a read waits: what could be read would be half a file.
  bool opptatt = false;
};

// How long a read or a save waits for another program that writes the
// settings file, and for another save of this program, before it gives up.
constexpr int kVentMs = 10000;
// Told once a read or a save has waited this long, so the operator knows why
// nothing happens yet.
constexpr int kVarselMs = 1000;
// Called with a Norwegian text when a wait passes kVarselMs, and with an
// empty one when that wait is over; the front end shows it (standard error,
// the window's title). None by default.
using Ventevarsel = void (*)(const std::string& tekst);
void SettVentevarsel(Ventevarsel v);
void Varsle(const std::string& tekst);

// Why the path cannot be read as a settings file although something stands
// there: a folder, a FIFO, a device, a socket, a symbolic link that leads
// nowhere or in a circle. nullopt for a regular file and for nothing at all.
std::optional<std::string> IkkeVanligFil(const std::string& sti);

// The installation's lock: a lock on a file beside the settings file, held
// from the read a save makes to the end of its history version, so that two
// saves of this program (in two processes, or on two PCs where the share
// supports locks) never overlap. Other programs do not take it.
class Laas {
 public:
  Laas() = default;
  ~Laas();
  Laas(const Laas&) = delete;
  Laas& operator=(const Laas&) = delete;
  // Takes the lock on `sti` (created when missing, never removed), waiting
  // up to kVentMs; false with the reason when another save held it all that
  // time. Where no lock file can be made (a missing or read-only folder),
  // nothing can be saved either: true without a lock, and the save says why.
  bool ta(const std::string& sti, std::string& feil);
  void slipp();

 private:
  std::intptr_t h_ = -1;
};
// The lock file of a settings file (a local path).
std::string LaasSti(const std::string& lokalIni);

// Reads the whole file. A missing file or folder is Mangler; a file that is
// there but cannot be read (a folder, no access) is Feil.
FilLesing LesHeleFil(const std::string& sti);
// The same for the settings file: never a file another program is writing
// at that moment (waited for as HoldtFil::les does), never a FIFO or device.
FilLesing LesHel(const std::string& sti);
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
  // program has the file open for writing, the read waits (up to kVentMs)
  // for it to finish, so that no half-rewritten content is taken; after
  // that the read fails with `opptatt`.
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
// With `forventet`, the file is replaced only while it is still the file of
// that stamp (same identity, size and time): a file another program put in
// its place meanwhile makes the call fail with `endretUnderveis` set, and
// nothing is replaced.
bool ErstattFil(const std::string& sti, std::string_view bytes, std::string& feil,
                const std::string* gammelSom = nullptr, bool* lenket = nullptr,
                const FilStempel* forventet = nullptr, bool* endretUnderveis = nullptr);

// Why a save could not replace the file, nullopt when it can: its owner made
// it read-only (this holds even for a user whose rights would override it,
// as a Windows read-only attribute does), this user may not write it, or its
// folder takes no new file (the save writes its new copy there first). A
// missing file is judged by its folder alone.
std::optional<std::string> SkrivebeskyttetGrunn(const std::string& sti);

bool FinnesMappe(const std::string& sti);
bool FinnesFil(const std::string& sti);
// The names of the regular files in a folder, in one pass over it (no look
// at each file where the system's listing tells a regular file by itself).
// Empty when the folder cannot be read.
std::vector<std::string> FilnavnI(const std::string& mappe);
// Creates one folder; its parent must exist.
bool LagMappe(const std::string& sti, std::string& feil);
// Copies `fra` to `til`; fails when `til` already exists.
bool KopierFil(const std::string& fra, const std::string& til, std::string& feil);

}  // namespace brul::platform
