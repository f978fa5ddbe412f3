#pragma once
// One operator action against the settings file: one read, one atomic commit.
// Batches nest: an inner Batch joins the outermost one, which alone commits.
//
// A commit is a transaction of key edits: under the installation's lock it
// reads the file as it is now, applies the edits the action made against
// what it was based on, replaces the file atomically and keeps the history
// version, then lets go. The store never talks to the operator: a commit
// says what happened, and the caller tells or asks.
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace brul {

// A key both this action and another program changed since the action's
// base was read. An empty `nokkel` stands for a whole section this action
// erases and the other program changed.
struct Konflikt {
  std::string seksjon, nokkel;
  std::optional<std::string> grunnlag, min, deres;  // nullopt: absent
};

enum class KonfliktValg { Min, Deres };

// What a commit did.
struct Lagreutfall {
  enum class Type {
    Lagret,     // written, or nothing to write
    Avvist,     // nothing written: `grunn` says why
    Konflikt,   // nothing written: `konflikter` need an answer (Batch::velg)
  } type = Type::Lagret;
  std::string grunn;
  std::vector<Konflikt> konflikter;
  // Another program changed the file since the base was read; its changes
  // were kept beside this action's, so what the operator sees is no longer
  // the whole file.
  bool flettet = false;
  // The save stands, but no history version of it could be kept (why).
  std::string historikkfeil;
  explicit operator bool() const { return type == Type::Lagret; }
};

// The file as the operator saw it: what a later save's edits are measured
// against. Taken after a load; cheap to copy.
class Grunnlag {
 public:
  Grunnlag() = default;
  bool tomt() const { return !d_; }
  struct Data;
  explicit Grunnlag(std::shared_ptr<const Data> d) : d_(std::move(d)) {}
  const Data* data() const { return d_.get(); }

 private:
  std::shared_ptr<const Data> d_;
};

class Batch {
 public:
  Batch();
  ~Batch();  // an outermost batch that was not committed commits here (a conflict: this action's value wins)
  Batch(const Batch&) = delete;
  Batch& operator=(const Batch&) = delete;

  // Writes the pending changes of the outermost batch as one transaction.
  // Nothing is reported to the operator; nothing is reported as saved that
  // was not. In an inner batch this does nothing and says Lagret. After a
  // Konflikt the batch keeps its changes: answer with velg and commit again.
  [[nodiscard]] Lagreutfall commit();
  // The edits of this action are those against `g` (what the operator saw
  // when the pages were loaded), not against the file as this batch read
  // it: a key the operator did not change is not written, whatever the
  // page shows.
  void settGrunnlag(const Grunnlag& g);
  // The answer to a conflict on that key (an empty key: the section).
  void velg(const std::string& seksjon, const std::string& nokkel, KonfliktValg valg);
  // The answer to every conflict not answered one by one.
  void velgAlle(KonfliktValg valg);
  // True when a write of the running action was refused (a line break, a key
  // name the file could not read back, a character its encoding lacks) since
  // the action began or last committed.
  bool avvist() const;
  // Marks the running action refused: for a value a caller found it cannot
  // store so that it reads back, and has reported.
  void avvis();
  // True while the running action holds changes not yet written.
  bool harEndringer() const;
  // Drops every change of the running action, those of enclosing batches
  // included, without writing anything: an action that cannot be done whole
  // is not done at all. The next read sees the file as it is on disk.
  void forkast();
};

namespace lager {
// The file as the running batch last read or wrote it; empty outside a
// batch, and while the batch holds changes not yet written.
Grunnlag NaaverendeGrunnlag();
}  // namespace lager

}  // namespace brul
