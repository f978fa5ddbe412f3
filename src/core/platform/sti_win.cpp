#include "platform/sti.h"

#include <utility>

namespace brul::platform {
namespace {
Stasjonskart kart_;
}

// Windows opens the stored paths as they are.
std::string LokalSti(const std::string& sti) { return sti; }

void SettStasjoner(Stasjonskart kart) { kart_ = std::move(kart); }
const Stasjonskart& Stasjoner() { return kart_; }

bool ErSkilletegn(char c) { return c == '\\'; }

std::string MedSkilletegn(const std::string& sti) {
  if (sti.empty() || sti.back() == '\\') return sti;
  return sti + '\\';
}

}  // namespace brul::platform
