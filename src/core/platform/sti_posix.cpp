#include "platform/sti.h"

#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

#include "store/tekst.h"

namespace brul::platform {
namespace {

namespace fs = std::filesystem;

Stasjonskart kart_;

std::vector<std::string> Deler(const std::string& sti) {
  std::vector<std::string> ut;
  std::string del;
  for (char c : sti) {
    if (c == '/') {
      if (!del.empty()) ut.push_back(std::move(del));
      del.clear();
    } else {
      del += c;
    }
  }
  if (!del.empty()) ut.push_back(std::move(del));
  return ut;
}

// The name under which `navn` exists in `katalog`: itself when it exists as
// written, else the first entry (in name order, so the answer does not depend
// on the directory's order) that equals it without regard to letter case.
// Empty when there is none.
std::string FinnNavn(const fs::path& katalog, const std::string& navn) {
  std::error_code ec;
  if (fs::exists(katalog / navn, ec)) return navn;
  std::string beste;
  fs::directory_iterator it(katalog.empty() ? fs::path(".") : katalog, ec);
  if (ec) return {};
  for (const auto& oppforing : it) {
    std::string kandidat = oppforing.path().filename().string();
    if (LikTekst(kandidat, navn) && (beste.empty() || kandidat < beste)) beste = kandidat;
  }
  return beste;
}

}  // namespace

std::string LokalSti(const std::string& sti) {
  std::string s = sti;
  for (char& c : s)
    if (c == '\\') c = '/';

  std::string rot;  // what the resolved components are put behind
  std::string rest = s;
  if (s.size() >= 2 && s[1] == ':' &&
      ((s[0] >= 'A' && s[0] <= 'Z') || (s[0] >= 'a' && s[0] <= 'z'))) {
    char stasjon = static_cast<char>(s[0] & ~0x20);
    auto it = kart_.find(stasjon);
    // A drive nobody mapped has no place here; the path stays recognisable
    // (and cannot be found) rather than landing somewhere unintended.
    if (it == kart_.end() || it->second.empty()) return s;
    rot = it->second;
    while (rot.size() > 1 && rot.back() == '/') rot.pop_back();
    if (rot != "/") rot += '/';
    rest = s.substr(2);
  } else if (!s.empty() && s.front() == '/') {
    rot = "/";
  }

  const bool avsluttetMedSkille = !rest.empty() && rest.back() == '/';
  std::vector<std::string> deler = Deler(rest);
  std::string ut = rot;
  fs::path katalog = rot;
  bool finnes = true;
  for (std::size_t i = 0; i < deler.size(); ++i) {
    std::string del = deler[i];
    if (finnes && del != "." && del != "..") {
      std::string funnet = FinnNavn(katalog, del);
      if (funnet.empty())
        finnes = false;
      else
        del = funnet;
    }
    if (finnes) katalog /= del;
    ut += del;
    if (i + 1 < deler.size() || avsluttetMedSkille) ut += '/';
  }
  if (ut.empty() && !s.empty()) return s;
  return ut;
}

void SettStasjoner(Stasjonskart kart) { kart_ = std::move(kart); }
const Stasjonskart& Stasjoner() { return kart_; }

bool ErSkilletegn(char c) { return c == '\\' || c == '/'; }

std::string MedSkilletegn(const std::string& sti) {
  if (sti.empty() || ErSkilletegn(sti.back())) return sti;
  const bool bareSkraastrek = sti.find('\\') == std::string::npos &&
                              sti.find('/') != std::string::npos;
  return sti + (bareSkraastrek ? '/' : '\\');
}

}  // namespace brul::platform
