#pragma once
// What the editor's rooms share inside the editor: the order of the machine
// pages, the count of nested loads, and the batch of one operator action.
// Not for use outside src/core/editor.
#include <optional>

#include "app/lagring.h"
#include "editor/editor.h"
#include "store/batch.h"

namespace brul::rom {

// Loading and saving go through the machine pages in this order.
inline constexpr SideId maskinSider[] = {SideId::Maskin,   SideId::Filer,     SideId::Com,     SideId::Protokoll,
                                         SideId::Henteprog, SideId::Henteprog2, SideId::ToolDir, SideId::Mazak,
                                         SideId::Parallell, SideId::Terminal,  SideId::ForInst, SideId::Logging,
                                         SideId::LoggeBoks, SideId::FTP,       SideId::Annet};

// Counts nested loads so that Laster() holds for the whole of LesOppsett.
struct Teller {
  int& n;
  explicit Teller(int& t) : n(t) { ++n; }
  ~Teller() { --n; }
};

// The batch of one operator action; none when measuring the cost without.
struct Handling {
  std::optional<Batch> b;
  explicit Handling(bool batch) {
    if (batch) b.emplace();
  }
  // Asks about conflicts and reports a failure; `flettet` tells whether
  // another program's changes were kept beside the action's own.
  bool commit(bool* flettet = nullptr) { return b ? LagreHandling(*b, flettet) : true; }
  bool avvist() const { return b && b->avvist(); }
  void forkast() {
    if (b) b->forkast();
  }
};

}  // namespace brul::rom
