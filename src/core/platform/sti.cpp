#include "platform/sti.h"

#include <ostream>
#include <utility>

#include "platform/tekst.h"

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

namespace {

// Whether the ".." of a path in Windows form climb above its root: a drive
// (C:\, and C:x from the drive's root), a share (\\SRV\CNC), or the root of
// the current drive (\x). `rot` names it. A relative path has no root here.
bool OverRoten(const std::string& sti, std::string& rot) {
  std::size_t i = 0;
  std::size_t fast = 0;  // components that are the root itself (server and share)
  if (sti.size() >= 2 && sti[1] == ':' && ErBokstav(sti[0])) {
    rot = Stasjon(sti[0]).somSti();
    i = 2;
  } else if (sti.size() >= 2 && ErSkille(sti[0]) && ErSkille(sti[1])) {
    rot = "\\";
    fast = 2;
  } else if (!sti.empty() && ErSkille(sti[0])) {
    rot.clear();  // the current drive, whichever it is
  } else {
    return false;
  }
  long dybde = 0;
  std::size_t del = 0;
  while (i <= sti.size()) {
    std::size_t slutt = i;
    while (slutt < sti.size() && !ErSkille(sti[slutt])) ++slutt;
    const std::string navn = sti.substr(i, slutt - i);
    i = slutt + 1;
    if (navn.empty()) continue;
    if (del < fast) {
      // Server and share: no ".." or "." stands for either.
      if (navn == "." || navn == "..") return true;
      rot += "\\" + navn;
      ++del;
      continue;
    }
    if (navn == ".") continue;
    if (navn == "..") {
      if (--dybde < 0) return true;
    } else {
      ++dybde;
    }
  }
  return false;
}

}  // namespace

std::optional<std::string> LagretVerdi(const std::string& verdi, bool mappe, std::string& grunn) {
  if (verdi.empty()) return verdi;
  if (ErLokalForm(verdi)) {
    // As it lies here: a value read back from the file comes upper-cased,
    // and a preset adds to it with backslashes (Katalog + "Backup\").
    std::string lokal = LokalSti(verdi);
    std::string navn;  // a file's own name, kept as given behind its folder
    if (!mappe && lokal.back() != '/') {
      const std::size_t p = lokal.rfind('/');
      navn = lokal.substr(p + 1);
      if (navn == "." || navn == "..") navn.clear();
      else lokal.erase(p + 1);
    }
    const auto lagret = LagretSti(lokal, grunn);
    if (!lagret) return std::nullopt;
    if (mappe || navn.empty()) return MedSkilletegn(*lagret);
    return MedSkilletegn(*lagret) + navn;
  }
  std::string rot;
  if (OverRoten(verdi, rot)) {
    grunn = "stien " + verdi + " går opp over roten av " + (rot.empty() ? "stasjonen" : rot);
    return std::nullopt;
  }
  return verdi;
}

std::string LokalSti(const std::string& sti) {
  std::string grunn;
  return LokalSti(sti, grunn).value_or(std::string());
}

}  // namespace brul::platform
