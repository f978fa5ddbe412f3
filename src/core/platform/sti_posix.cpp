#include "platform/sti.h"

#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

#include "platform/tekst.h"

namespace brul::platform {
namespace {

namespace fs = std::filesystem;

bool ErSkille(char c) { return c == '\\' || c == '/'; }
bool ErBokstav(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool HarStasjon(const std::string& s) { return s.size() >= 2 && s[1] == ':' && ErBokstav(s[0]); }
bool ErUnc(const std::string& s) { return s.size() >= 2 && ErSkille(s[0]) && ErSkille(s[1]); }

std::vector<std::string> Deler(const std::string& sti) {
  std::vector<std::string> ut;
  std::string del;
  for (char c : sti) {
    if (ErSkille(c)) {
      if (!del.empty()) ut.push_back(std::move(del));
      del.clear();
    } else {
      del += c;
    }
  }
  if (!del.empty()) ut.push_back(std::move(del));
  return ut;
}

// ".." and "." as Windows resolves them in a path with a root: by name, not
// through the file system, and never above the first `fast` components (the
// share of a network path), so nothing leaves the root.
std::vector<std::string> Normaliser(const std::vector<std::string>& deler, std::size_t fast) {
  std::vector<std::string> ut;
  for (std::size_t i = 0; i < deler.size(); ++i) {
    const std::string& d = deler[i];
    if (i >= fast && d == ".") continue;
    if (i >= fast && d == "..") {
      if (ut.size() > fast) ut.pop_back();
      continue;
    }
    ut.push_back(d);
  }
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

std::string Mappe(std::string mappe) {
  while (mappe.size() > 1 && mappe.back() == '/') mappe.pop_back();
  return mappe;
}

const char* kIkkeSattOpp = " er ikke satt opp i [Stasjoner] i Brul.conf";

}  // namespace

std::optional<std::string> LokalSti(const std::string& sti, std::string& grunn) {
  std::string rot;  // what the resolved components are put behind
  std::vector<std::string> deler;
  if (ErUnc(sti)) {
    // \\server\share\...: the longest network path of the map that starts it.
    deler = Normaliser(Deler(sti), 2);
    if (deler.size() < 2) {
      grunn = "nettverksstien " + sti + " mangler navn på delt mappe";
      return std::nullopt;
    }
    std::size_t lengst = 0;
    for (const auto& [stasjon, mappe] : Stasjoner()) {
      if (!stasjon.erUnc() || mappe.empty()) continue;
      const std::vector<std::string> start = Deler(stasjon.navn());
      if (start.size() <= lengst || start.size() > deler.size()) continue;
      bool lik = true;
      for (std::size_t i = 0; i < start.size() && lik; ++i) lik = LikTekst(start[i], deler[i]);
      if (!lik) continue;
      lengst = start.size();
      rot = mappe;
    }
    if (lengst == 0) {
      grunn = "nettverksstien \\\\" + deler[0] + "\\" + deler[1] + kIkkeSattOpp;
      return std::nullopt;
    }
    deler.erase(deler.begin(), deler.begin() + static_cast<std::ptrdiff_t>(lengst));
  } else if (HarStasjon(sti)) {
    const Stasjon stasjon(sti[0]);
    auto it = Stasjoner().find(stasjon);
    // A drive nobody mapped has no place here: it is not opened anywhere else.
    if (it == Stasjoner().end() || it->second.empty()) {
      grunn = "stasjon " + stasjon.somSti() + kIkkeSattOpp;
      return std::nullopt;
    }
    rot = it->second;
    // "C:Brul" names Brul in the drive's current folder, which here is its root.
    deler = Normaliser(Deler(sti.substr(2)), 0);
  } else if (!sti.empty() && sti[0] == '\\') {
    // "\Brul" is the root of the current drive, and this system has none.
    grunn = "stien " + sti + " mangler stasjon";
    return std::nullopt;
  } else {
    // A local path of this system, or a relative one: as given.
    if (!sti.empty() && sti[0] == '/') rot = "/";
    deler = Deler(sti);
  }
  if (!rot.empty()) {
    rot = Mappe(rot);
    if (rot != "/") rot += '/';
  }

  const bool avsluttetMedSkille = !sti.empty() && ErSkille(sti.back()) && !deler.empty();
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
  return ut;
}

std::optional<std::string> LagretSti(const std::string& lokal, std::string& grunn) {
  if (lokal.empty()) {
    grunn = "ingen mappe er valgt";
    return std::nullopt;
  }
  if (HarStasjon(lokal) || ErUnc(lokal) || lokal[0] == '\\') return lokal;
  std::error_code ec;
  const fs::path sti = fs::absolute(lokal, ec).lexically_normal();
  // The longest mapped folder that holds the path; a drive letter before a
  // network path that maps the same folder. Compared as written first, then
  // with links resolved (a folder reached through a link to a mapped one).
  auto finn = [&](auto&& form) -> std::optional<std::string> {
    const std::string s = Mappe(form(sti).generic_string());
    std::size_t lengst = 0;
    std::optional<std::string> ut;
    for (const auto& [stasjon, mappe] : Stasjoner()) {
      if (mappe.empty()) continue;
      std::string m = Mappe(form(fs::path(mappe).lexically_normal()).generic_string());
      if (m.empty()) continue;
      const bool under = s == m || (s.size() > m.size() && s.compare(0, m.size(), m) == 0 &&
                                    (m == "/" || s[m.size()] == '/'));
      if (!under || (ut && m.size() <= lengst)) continue;
      lengst = m.size();
      std::string rest = s.substr(m.size());
      for (char& c : rest)
        if (c == '/') c = '\\';
      if (!rest.empty() && rest[0] != '\\') rest.insert(0, 1, '\\');
      ut = stasjon.somSti() + (rest.empty() && !stasjon.erUnc() ? std::string("\\") : rest);
    }
    return ut;
  };
  if (auto ut = finn([](const fs::path& p) { return p; })) return ut;
  if (auto ut = finn([](const fs::path& p) {
        std::error_code e;
        fs::path k = fs::weakly_canonical(p, e);
        return e ? p : k;
      }))
    return ut;
  std::string mapper;
  for (const auto& [stasjon, mappe] : Stasjoner()) {
    if (mappe.empty()) continue;
    mapper += "\n" + Mappe(mappe) + " (" + stasjon.somSti() + ")";
  }
  grunn = mapper.empty() ? "ingen mapper er satt opp i [Stasjoner] i Brul.conf, så mappen " + lokal +
                               " kan ikke lagres slik Windows-programmene leser den"
                         : "mappen " + lokal +
                               " ligger ikke i en mappe som er satt opp i [Stasjoner] i Brul.conf. Disse kan "
                               "brukes:" +
                               mapper;
  return std::nullopt;
}

bool ErSkilletegn(char c) { return c == '\\' || c == '/'; }

bool ErLokalForm(const std::string& sti) { return !sti.empty() && sti[0] == '/'; }

bool Forankret(const std::string& sti) { return HarStasjon(sti) || ErUnc(sti); }

std::string MedSkilletegn(const std::string& sti) {
  if (sti.empty() || ErSkilletegn(sti.back())) return sti;
  const bool bareSkraastrek = sti.find('\\') == std::string::npos &&
                              sti.find('/') != std::string::npos;
  return sti + (bareSkraastrek ? '/' : '\\');
}

}  // namespace brul::platform
