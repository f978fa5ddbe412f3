#pragma once
// The history of the settings file: every save keeps the file as it was
// before in a folder beside it ("Brul.ini.historikk" for "Brul.ini"), as
// NNNNNN.ini with NNNNNN.txt saying when, for which machine and which keys
// the save changed. The newest kHistorikkMaks versions are kept.
#include <string>
#include <vector>

#include "store/forhandsvisning.h"

namespace brul::historikk {

constexpr int kHistorikkMaks = 100;

struct Versjon {
  int nr = 0;               // rising; the newest save has the highest
  std::string tid;          // "2026-12-08 09:15:02", local time
  std::string maskin;       // "Maskin3 (DREIEBENK)", or the sections changed
  std::string merknad;      // "Gjenoppretting av nr. 12", empty for a save
  Endringer endringer;      // what the save changed (keys and sections)
  std::string fil;          // local path of the kept file
};

// The history folder of a settings file (a local path).
std::string Mappe(const std::string& lokalIni);

// Called once the settings file has been replaced: keeps `forBytes` as the
// newest version and removes the oldest beyond kHistorikkMaks. A save that
// changed nothing but the remembered machine ([Program] Maskin) keeps none.
// `etter` is the new content as the save holds it, so it is not read again.
// A failure is reported (caption "Historikk"); the save itself stands.
void Bevar(const std::string& lokalIni, const std::string& forBytes, const IniDocument& etter);

// The versions of IniFil, newest first.
std::vector<Versjon> Liste();

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

// Puts version `nr` of IniFil back, as one save (which itself goes into the
// history). Changes another program made to the file after that save are
// kept: they are shown to the operator first (caption "Endret av et annet
// program"), and No cancels. False when nothing was restored; the reason has
// been reported.
bool Gjenopprett(int nr);

}  // namespace brul::historikk
