#pragma once
// The machine a pick remembers for the next start ([Program] Maskin), written
// as a job of its own: a window runs it on another thread, so that the
// operator sees the new machine without waiting for the disk.
#include <memory>
#include <string>

#include "store/batch.h"

namespace brul {

struct Maskinvalgskriving {
  std::string verdi;   // the machine picked (1-based), as stored
  Grunnlag grunnlag;   // the file as the pages were loaded for that machine
  Lagreutfall utfall;  // what the write came to
  Grunnlag etter;      // the file as written; empty unless it was written without merging

  // The store's transaction for the one key. Runs on any thread, and only
  // while nothing else uses the store. It asks and tells nothing: a write it
  // cannot finish without the operator (a conflict) or could not do is
  // dropped whole, for the editor to do again on its own thread.
  void kjor();
};

// Where the editor hands the jobs: a front end that runs them on another
// thread. It must keep the store to that thread while a job runs, and let
// the editor take in what each came to (Editor::MaskinvalgSkrevet) on the
// editor's thread before anything there uses the file again.
class MaskinvalgKjorer {
 public:
  virtual ~MaskinvalgKjorer() = default;
  virtual void legg(std::shared_ptr<Maskinvalgskriving> jobb) = 0;
  // The pending job done and taken in, now; nothing when none is pending.
  virtual void fullfor() = 0;
};

}  // namespace brul
