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
};

}  // namespace brul
