#include "editor/hjelp.h"

#include <system_error>

#include "app/tilstand.h"
#include "platform/prosess.h"
#include "platform/sti.h"
#include "schema/sider.h"

namespace fs = std::filesystem;

namespace brul {
namespace {

// The bottom bar is no page; its own number and the page control's stand
// beside the page table.
constexpr int BunnlinjeNr = 10;
constexpr const char* BunnlinjeNavn = "Panel2";
constexpr const char* SideKontrollNavn = "PageControl1";

// A group box without a registry name is listed by its caption.
void SamleGruppe(const Gruppe& g, std::vector<HjelpRad>& ut) {
  const std::string& navn = g.navn.empty() ? g.tekst : g.navn;
  if (g.hjelp > 0 && !navn.empty()) ut.push_back({navn, g.hjelp});
  for (const auto& f : g.felter)
    if (f.hjelp > 0 && !f.kontroll.empty()) ut.push_back({f.kontroll, f.hjelp});
  for (const auto& u : g.grupper) SamleGruppe(u, ut);
}

// Looks for a control, label or named group on a page: its own number (the
// field's for a label), or -1 when the page does not hold the name.
int FinnIGruppe(const Gruppe& g, const std::string& navn) {
  if (!g.navn.empty() && g.navn == navn) return g.hjelp;
  for (const auto& f : g.felter)
    if ((!f.kontroll.empty() && f.kontroll == navn) || (!f.label.empty() && f.label == navn)) return f.hjelp;
  for (const auto& u : g.grupper)
    if (const int nr = FinnIGruppe(u, navn); nr >= 0) return nr;
  return -1;
}

struct Funn {
  int nr = 0;        // own number
  int sideNr = 0;    // number of the page holding it
  bool funnet = false;
};

Funn Finn(const std::string& navn) {
  if (navn == BunnlinjeNavn) return {BunnlinjeNr, BunnlinjeNr, true};
  if (navn == SideKontrollNavn) return {SideKontrollHjelp, BunnlinjeNr, true};
  if (const int nr = FinnIGruppe(BunnLinje(), navn); nr >= 0) return {nr, BunnlinjeNr, true};
  for (const auto& side : Sider()) {
    if (side.navn == navn) return {side.hjelp, side.hjelp, true};
    for (const auto& g : side.grupper)
      if (const int nr = FinnIGruppe(g, navn); nr >= 0) return {nr, side.hjelp, true};
  }
  return {};
}

bool Finnes(const fs::path& p) {
  std::error_code ec;
  return fs::is_regular_file(p, ec);
}

}  // namespace

std::vector<HjelpRad> HjelpTabell() {
  std::vector<HjelpRad> ut = {{BunnlinjeNavn, BunnlinjeNr}, {SideKontrollNavn, SideKontrollHjelp}};
  SamleGruppe(BunnLinje(), ut);
  for (const auto& side : Sider()) {
    if (side.hjelp > 0) ut.push_back({side.navn, side.hjelp});
    for (const auto& g : side.grupper) SamleGruppe(g, ut);
  }
  return ut;
}

int HjelpNr(const std::string& navn) { return Finn(navn).nr; }

int HjelpNrForEmne(const std::string& navn) {
  const Funn f = Finn(navn);
  return f.nr > 0 ? f.nr : f.sideNr;
}

int SideNr(int nr) {
  if (nr <= 0) return 0;
  if (nr < 100) return 10;
  return nr / 100 * 100;
}

fs::path HjelpKatalog(const std::vector<fs::path>& kandidater) {
  for (const auto& k : kandidater)
    if (!k.empty() && Finnes(k / "index.html")) return k;
  return {};
}

fs::path HjelpKatalog() {
  std::vector<fs::path> kandidater;
  // A program folder on a drive with no mapping has no local path (an empty
  // one), and "Hjelp" alone would be looked for in the current folder.
  if (const std::string exe = platform::LokalSti(ExeKatalog); !exe.empty())
    kandidater.push_back(fs::path(exe) / "Hjelp");
  if (const std::string exe = platform::ProgramFil(); !exe.empty()) {
    const fs::path mappe = fs::path(exe).parent_path();
    kandidater.push_back(mappe / "Hjelp");
    // An installation under a prefix (/usr/local/bin/brulini) keeps its data
    // in the prefix's share folder, where `cmake --install` puts the topics.
    kandidater.push_back(mappe.parent_path() / "share" / "brulini" / "Hjelp");
  }
  return HjelpKatalog(kandidater);
}

fs::path HjelpEmne(const fs::path& katalog, int nr) {
  if (katalog.empty()) return {};
  for (const int n : {nr, SideNr(nr)}) {
    if (n <= 0) continue;
    const fs::path p = katalog / (std::to_string(n) + ".html");
    if (Finnes(p)) return p;
  }
  const fs::path innhold = katalog / "index.html";
  return Finnes(innhold) ? innhold : fs::path{};
}

}  // namespace brul
