#include "platform/sti.h"

namespace brul::platform {

// Windows opens the stored paths as they are, and a folder it picks is
// already in the stored form. Only a drive letter given a folder with
// SettStasjoner (the tests' scratch drives; start-up sets none on Windows)
// opens in that folder, unless the path already lies in that folder (a
// scratch folder on drive C is itself a C: path).
namespace {
// Whether `sti` is `mappe` or lies in it, letters compared without regard to case.
bool UnderMappe(const std::string& sti, const std::string& mappe) {
  if (mappe.empty() || sti.size() < mappe.size()) return false;
  for (std::size_t i = 0; i < mappe.size(); ++i) {
    char a = sti[i], b = mappe[i];
    if (a >= 'a' && a <= 'z') a = static_cast<char>(a - 'a' + 'A');
    if (b >= 'a' && b <= 'z') b = static_cast<char>(b - 'a' + 'A');
    if (a == '/') a = '\\';
    if (b == '/') b = '\\';
    if (a != b) return false;
  }
  return sti.size() == mappe.size() || sti[mappe.size()] == '\\' || sti[mappe.size()] == '/';
}
}  // namespace

std::optional<std::string> LokalSti(const std::string& sti, std::string&) {
  const auto& kart = Stasjoner();
  if (kart.empty() || sti.size() < 2 || sti[1] != ':') return sti;
  const auto it = kart.find(Stasjon(sti[0]));
  if (it == kart.end() || UnderMappe(sti, it->second)) return sti;  // already local
  std::string rest = sti.substr(2);
  if (!rest.empty() && rest[0] != '\\' && rest[0] != '/') rest.insert(0, 1, '\\');
  return it->second + rest;
}

std::optional<std::string> LagretSti(const std::string& lokal, std::string& grunn) {
  if (lokal.empty()) {
    grunn = "ingen mappe er valgt";
    return std::nullopt;
  }
  return lokal;
}

bool ErSkilletegn(char c) { return c == '\\'; }

bool ErLokalForm(const std::string&) { return false; }

bool Forankret(const std::string&) { return true; }

std::string MedSkilletegn(const std::string& sti) {
  if (sti.empty() || sti.back() == '\\') return sti;
  return sti + '\\';
}

}  // namespace brul::platform
