#pragma once
// The history of the settings file: every save keeps the file as it was
// before in a folder beside it ("Brul.ini.historikk" for "Brul.ini"). The
// newest is a full copy, NNNNNN.ini with NNNNNN.txt saying when, for which
// machine and which keys the save changed; the next save turns it into
// NNNNNN.dif, the description and what rebuilds the version from the next
// newer one. The newest kHistorikkMaks versions are kept, as far as they fit
// in kHistorikkBytes.
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "store/forhandsvisning.h"

namespace brul::historikk {

constexpr int kHistorikkMaks = 100;
constexpr std::uintmax_t kHistorikkBytes = 2u * 1024 * 1024;

struct Versjon {
  int nr = 0;               // rising; the newest save has the highest
  std::string tid;          // "2026-12-08 09:15:02", local time
  std::string maskin;       // "Maskin3 (DREIEBENK)", or the sections changed
  std::string merknad;      // "Gjenoppretting av nr. 12", empty for a save
  Endringer endringer;      // what the save changed (keys and sections)
  std::string fil;          // local path of the kept file (.ini a full copy, .dif a delta)
};

// The history folder of a settings file (a local path).
std::string Mappe(const std::string& lokalIni);

// What the history folder holds, as one listing of it.
struct Mappeinnhold {
  std::set<int> ini, dif;                // versions kept whole, and as deltas
  std::map<int, std::uintmax_t> bytes;   // per version, all its files
  std::uintmax_t sum = 0;                // every file in the folder
  std::vector<std::string> rester;       // first names left by saves that were stopped
  std::optional<std::uintmax_t> ledig;   // the size of the file kept for the next description, if any
};

// A version being kept while the settings file is replaced: prepared before
// the replacement, completed after it.
struct NyVersjon {
  std::string mappe, ini;
  // The name the replaced file gets first, renamed to `ini` once the save
  // stands: a save stopped in between leaves no version listed that is the
  // settings file itself under a second name.
  std::string lenke;
  int nr = 0;
  std::vector<int> numre;  // the versions there before, ascending
  Mappeinnhold innhold;    // the folder as the version was prepared in it, this version's description included
  std::string merke;       // length and hash of the version's content
  bool nyMappe = false;    // the folder was made for it
  std::string feil;        // why it could not be prepared; said once the save stands
};

// Before the settings file is replaced with `etter`: whether the save keeps
// the old content `forBytes` as a version, with its description written. A
// save that changed nothing but the remembered machine ([Program] Maskin)
// keeps none. `berort` is what the save touched and how it stood, nullptr
// when it may have touched anything (then `forBytes` is parsed); the rest is
// the same on both sides and is not compared. nullopt when no version is kept. A failure
// is kept in the result and given by Fullfor, once the save stands.
std::optional<NyVersjon> Forbered(const std::string& lokalIni, const std::string& forBytes, const IniDocument& etter,
                                  const Berort* berort);
// After the replacement with `etter`: `lenket` tells whether the old file was given the
// name `lenke` (a link), which becomes the version's; otherwise `forBytes`
// is written as the version. The oldest versions beyond kHistorikkMaks are
// removed. True when the version kept is the replaced file itself. A failure
// goes into `melding` (caption "Historikk"), for the caller to show once the
// save no longer holds the file: the save itself stands.
bool Fullfor(const NyVersjon& v, const std::string& forBytes, std::string_view etter, bool lenket,
             std::string& melding);
// The replacement failed: the prepared version goes.
void Avbryt(const NyVersjon& v);
// A version kept as a link to the replaced file, which another program wrote
// into after the replacement: it gets back the content the save replaced.
void Rett(const std::string& ini, const std::string& forBytes);

// The versions of IniFil, newest first.
std::vector<Versjon> Liste();

// The content of version `nr` of IniFil, byte for byte as the file was
// before that save; nullopt when it is not there or cannot be rebuilt.
std::optional<std::string> Innhold(int nr);

// While alive, saves are noted with this text in the history.
class Merknad {
 public:
  explicit Merknad(std::string tekst);
  ~Merknad();
  Merknad(const Merknad&) = delete;
  Merknad& operator=(const Merknad&) = delete;

 private:
  std::string forrige_;
};

struct Gjenoppretting {
  bool ok = false;           // restored
  bool avbrutt = false;      // the confirmation said no: nothing restored
  std::string feil;          // why nothing was restored, for the operator
  std::string historikkfeil; // restored, but no version of it could be kept
};

// Puts version `nr` of IniFil back, as one save (which itself goes into the
// history). Changes another program made to the file after that save are
// kept, its lines as it wrote them: `bekreft` is given their description
// first, and false cancels. The remembered machine stays as it is. With the
// settings file gone, the version is put back as it is.
Gjenoppretting Gjenopprett(int nr, const std::function<bool(const std::string& tekst)>& bekreft);

}  // namespace brul::historikk
