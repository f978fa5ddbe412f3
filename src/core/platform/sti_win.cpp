#include "platform/sti.h"

namespace brul::platform {

// Windows opens the stored paths as they are, and a folder it picks is
// already in the stored form.
std::optional<std::string> LokalSti(const std::string& sti, std::string&) { return sti; }
std::string LokalSti(const std::string& sti) { return sti; }

std::optional<std::string> LagretSti(const std::string& lokal, std::string& grunn) {
  if (lokal.empty()) {
    grunn = "ingen mappe er valgt";
    return std::nullopt;
  }
  return lokal;
}

bool ErSkilletegn(char c) { return c == '\\'; }

std::string MedSkilletegn(const std::string& sti) {
  if (sti.empty() || sti.back() == '\\') return sti;
  return sti + '\\';
}

}  // namespace brul::platform
