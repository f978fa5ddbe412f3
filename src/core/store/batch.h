#pragma once
// One operator action against the settings file: one read, one atomic commit.
// Batches nest: an inner Batch joins the outermost one, which alone commits.
namespace brul {

class Batch {
 public:
  Batch();
  ~Batch();  // an outermost batch that was not committed commits here
  Batch(const Batch&) = delete;
  Batch& operator=(const Batch&) = delete;

  // Writes the pending changes of the outermost batch in one atomic
  // replacement of the file, replaying them on the newest content when another
  // program changed the file meanwhile. A failure is reported to the operator
  // (caption "Lagre") and returns false; nothing is reported as saved that was
  // not. In an inner batch this does nothing and returns true.
  bool commit();
  // True when a write of the running action was refused (a line break, a key
  // name the file could not read back, a character its encoding lacks) since
  // the action began or last committed.
  bool avvist() const;
  // Marks the running action refused: for a value a caller found it cannot
  // store so that it reads back, and has reported.
  void avvis();
  // Drops every change of the running action, those of enclosing batches
  // included, without writing anything: an action that cannot be done whole
  // is not done at all. The next read sees the file as it is on disk.
  void forkast();
};

}  // namespace brul
