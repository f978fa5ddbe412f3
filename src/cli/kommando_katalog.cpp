// What the command line takes, listed for the one who writes it: the control
// names of `set`, page by page, and the controller types and variants of
// `preset`. Neither reads the settings file.
#include <ostream>
#include <string>
#include <vector>

#include "cli/kommandoer.h"
#include "editor/editor.h"
#include "platform/tekst.h"
#include "presets/katalog.h"
#include "schema/sider.h"

namespace brul::cli {
namespace {

// Characters, not bytes, so that a label with "ø" lines up.
size_t Bredde(const std::string& s) {
  size_t n = 0;
  for (unsigned char c : s)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

std::string Utfylt(const std::string& s, size_t bredde) {
  const size_t b = Bredde(s);
  return s + std::string(b < bredde ? bredde - b : 1, ' ');
}

std::string Valg(const std::vector<std::string>& items) {
  std::string s;
  for (const auto& i : items) s += (s.empty() ? "" : " | ") + i;
  return s;
}

// What `set` takes for this control; empty for a control it cannot edit.
std::string HvaDenTar(const Control& c) {
  switch (c.kind()) {
    case ControlKind::Edit: return "tekst";
    case ControlKind::Check: return "True | False";
    case ControlKind::RadioGroup: return Valg(static_cast<const RadioGroup&>(c).items());
    case ControlKind::Combo: {
      const auto& b = static_cast<const Combo&>(c);
      // The controller and its variant are chosen together: see presets.
      if (c.name() == "Styring" || c.name() == "Alternativ") return "tekst (se: brulini presets)";
      if (b.items().empty()) return "tekst";
      return (b.selectOnly ? "" : "tekst eller ") + Valg(b.items());
    }
    case ControlKind::Grid: {
      const auto& g = static_cast<const Grid&>(c);
      std::vector<std::string> kolonner;
      for (int k = g.fixedCols(); k < g.colCount(); ++k)
        kolonner.push_back(std::to_string(k) + " " + g.cell(0, k));
      return "tabell, kolonne " + Valg(kolonner);
    }
    default: return {};
  }
}

void SkrivFelter(Editor& e, const std::vector<Gruppe>& grupper, std::ostream& ut) {
  for (const Gruppe& g : grupper) {
    for (const Felt& f : g.felter) {
      if (f.kontroll.empty()) continue;
      Control* c = e.find(f.kontroll);
      if (!c) continue;
      const std::string hva = HvaDenTar(*c);
      if (hva.empty()) continue;
      const std::string navn = c->kind() == ControlKind::Grid ? f.kontroll + "[RAD,KOL]" : f.kontroll;
      std::string tekst = f.tekst;
      if (tekst.empty() && c->kind() == ControlKind::RadioGroup)
        tekst = static_cast<const RadioGroup&>(*c).caption();
      ut << "  " << Utfylt(navn, 22) << Utfylt(tekst.empty() ? "" : "\"" + tekst + "\"", 28) << hva << '\n';
    }
    SkrivFelter(e, g.grupper, ut);
  }
}

void SamleNavn(Editor& e, const std::vector<Gruppe>& grupper, std::vector<std::string>& navn) {
  for (const Gruppe& g : grupper) {
    for (const Felt& f : g.felter) {
      const Control* c = f.kontroll.empty() ? nullptr : e.find(f.kontroll);
      if (c && !HvaDenTar(*c).empty()) navn.push_back(f.kontroll);
    }
    SamleNavn(e, g.grupper, navn);
  }
}

}  // namespace

std::vector<std::string> KontrollNavn(Editor& e) {
  std::vector<std::string> navn;
  for (const SideOppsett& s : Sider()) SamleNavn(e, s.grupper, navn);
  return navn;
}

int KommandoControls(Kontekst& k) {
  Editor e;
  bool funnet = false;
  std::vector<std::string> sider;
  for (const SideOppsett& s : Sider()) {
    sider.push_back(s.tekst);
    if (!k.args.empty() && !LikTekst(k.args[0], s.tekst) && !LikTekst(k.args[0], s.navn)) continue;
    funnet = true;
    k.ut << '[' << s.tekst << "]\n";
    SkrivFelter(e, s.grupper, k.ut);
  }
  if (!funnet) throw BrukFeil{"ukjent side \"" + k.args[0] + "\"; sidene er " + Valg(sider)};
  return 0;
}

int KommandoPresets(Kontekst& k) {
  const auto& styringer = StyringsTekster();
  if (!k.args.empty()) {
    const int s = FinnIndeks(k.args[0], styringer);
    if (s < 0) throw BrukFeil{"ukjent styring \"" + k.args[0] + "\"; se: brulini presets"};
    for (const auto& a : Alternativer(s)) k.ut << a << '\n';
    return 0;
  }
  for (size_t s = 0; s < styringer.size(); ++s) {
    k.ut << styringer[s] << '\n';
    for (const auto& a : Alternativer(static_cast<int>(s))) k.ut << "  " << a << '\n';
  }
  return 0;
}

}  // namespace brul::cli
