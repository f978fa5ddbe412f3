#include "platform/sti.h"

#include <ostream>
#include <utility>

#include "store/tekst.h"

namespace brul::platform {
namespace {

Stasjonskart kart_;

bool ErBokstav(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool ErSkille(char c) { return c == '\\' || c == '/'; }

}  // namespace

Stasjon::Stasjon(char bokstav) {
  if (ErBokstav(bokstav)) navn_ = std::string(1, static_cast<char>(bokstav & ~0x20));
}

Stasjon::Stasjon(const std::string& navn) {
  std::size_t fra = 0, til = navn.size();
  while (fra < til && (navn[fra] == ' ' || navn[fra] == '\t')) ++fra;
  while (til > fra && (navn[til - 1] == ' ' || navn[til - 1] == '\t')) --til;
  const std::string n = navn.substr(fra, til - fra);
  if ((n.size() == 1 || (n.size() == 2 && n[1] == ':')) && ErBokstav(n[0])) {
    *this = Stasjon(n[0]);
    return;
  }
  if (n.size() < 2 || !ErSkille(n[0]) || !ErSkille(n[1])) return;
  // \\server\share\...: at least a server and a share, no "." or "..".
  std::string ut;
  int deler = 0;
  std::string del;
  auto legg = [&] {
    if (del.empty()) return true;
    if (del == "." || del == "..") return false;
    ut += '\\' + TilStore(del);
    ++deler;
    del.clear();
    return true;
  };
  for (std::size_t i = 2; i < n.size(); ++i) {
    if (!ErSkille(n[i])) {
      del += n[i];
    } else if (!legg()) {
      return;
    }
  }
  if (!legg() || deler < 2) return;
  navn_ = '\\' + ut;
}

std::ostream& operator<<(std::ostream& ut, const Stasjon& s) { return ut << s.somSti(); }

void SettStasjoner(Stasjonskart kart) {
  // Entries that name no drive nor network path would never match.
  std::erase_if(kart, [](const auto& par) { return !par.first.gyldig(); });
  kart_ = std::move(kart);
}
const Stasjonskart& Stasjoner() { return kart_; }

std::string LokalSti(const std::string& sti) {
  std::string grunn;
  return LokalSti(sti, grunn).value_or(std::string());
}

}  // namespace brul::platform
