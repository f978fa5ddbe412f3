#include "platform/sti.h"

namespace brul::platform {

// Interim: separators only. The drive mapping and case-insensitive resolution
// replace this.
std::string LokalSti(const std::string& sti) {
  std::string ut = sti;
  for (char& c : ut)
    if (c == '\\') c = '/';
  return ut;
}

}  // namespace brul::platform
