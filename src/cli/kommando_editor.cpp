// The editor driven from the command line: show what a machine's pages hold,
// edit controls as the operator would, and apply a controller preset.
#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "app/lagring.h"
#include "app/skriptoperator.h"
#include "cli/kommandoer.h"
#include "editor/editor.h"
#include "platform/tekst.h"
#include "presets/katalog.h"
#include "store/batch.h"

namespace brul::cli {
namespace {

std::string liste(const std::vector<std::string>& items) {
  std::string s;
  for (const auto& i : items) s += (s.empty() ? "" : ", ") + ("\"" + i + "\"");
  return s;
}

int maskinNummer(const std::string& arg) {
  if (arg.empty() || arg.size() > 3 || arg.find_first_not_of("0123456789") != std::string::npos)
    throw BrukFeil{"maskinnummeret må være et tall fra 1 til 255: \"" + arg + "\""};
  const int n = std::stoi(arg);
  if (n < 1 || n > 255) throw BrukFeil{"maskinnummeret må være et tall fra 1 til 255: \"" + arg + "\""};
  return n;
}

// Starts the editor and lets the operator pick the machine, as in the window.
void startMedMaskin(Editor& e, const std::string& arg) {
  const int n = maskinNummer(arg);
  e.FormCreate();
  const int antall = static_cast<int>(e.MaskinBoks.items().size());
  if (n > antall)
    throw BrukFeil{"maskin " + arg + " finnes ikke; innstillingsfilen har " + std::to_string(antall) +
                   (antall == 1 ? " maskin" : " maskiner")};
  if (e.MaskinBoks.itemIndex() != n - 1) e.MaskinBoks.operatorPick(n - 1);
}

std::string verdi(const Control& c) {
  switch (c.kind()) {
    case ControlKind::Edit: return static_cast<const Edit&>(c).text();
    case ControlKind::Combo: return static_cast<const Combo&>(c).text();
    case ControlKind::Check: return static_cast<const Check&>(c).checked() ? "True" : "False";
    case ControlKind::RadioGroup: return static_cast<const RadioGroup&>(c).selectedText();
    default: return {};
  }
}

// One assignment of `set`: KONTROLL=VERDI or TABELL[RAD,KOL]=TEKST.
struct Tilordning {
  std::string navn;
  int rad = -1, kol = -1;  // a grid cell when rad >= 0
  std::string verdi;
  std::string tekst;       // as given, for messages
};

Tilordning tolk(const std::string& arg) {
  const size_t lik = arg.find('=');
  if (lik == std::string::npos || lik == 0)
    throw BrukFeil{"forventet KONTROLL=VERDI eller TABELL[RAD,KOL]=TEKST: \"" + arg + "\""};
  Tilordning t;
  t.tekst = arg;
  t.navn = arg.substr(0, lik);
  t.verdi = arg.substr(lik + 1);
  const size_t klamme = t.navn.find('[');
  if (klamme != std::string::npos) {
    const size_t komma = t.navn.find(',', klamme);
    if (t.navn.back() != ']' || komma == std::string::npos)
      throw BrukFeil{"forventet TABELL[RAD,KOL]=TEKST: \"" + arg + "\""};
    const std::string rad = t.navn.substr(klamme + 1, komma - klamme - 1);
    const std::string kol = t.navn.substr(komma + 1, t.navn.size() - komma - 2);
    auto tall = [&](const std::string& s) {
      if (s.empty() || s.size() > 6 || s.find_first_not_of("0123456789") != std::string::npos)
        throw BrukFeil{"rad og kolonne må være tall: \"" + arg + "\""};
      return std::stoi(s);
    };
    t.rad = tall(rad);
    t.kol = tall(kol);
    t.navn = t.navn.substr(0, klamme);
  }
  return t;
}

// "; mente du A, B eller C?" with the names nearest to one that is none of
// them, nearest first: a typo is a letter or two away (one in a short name),
// and a name typed in part is the start of the one meant. Empty when none is.
std::string menteDu(const std::string& navn, const std::vector<std::string>& kjente) {
  const std::size_t grense = navn.size() <= 4 ? 1 : 2;
  const std::string stor = TilStore(navn);
  std::vector<std::pair<std::size_t, std::string>> treff;
  for (const auto& k : kjente) {
    const std::size_t d = Redigeringsavstand(navn, k);
    if (d <= grense) treff.emplace_back(d, k);
    else if (stor.size() >= 3 && TilStore(k).rfind(stor, 0) == 0) treff.emplace_back(grense + 1, k);
  }
  std::stable_sort(treff.begin(), treff.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  if (treff.size() > 5) treff.resize(5);
  std::string s;
  for (std::size_t i = 0; i < treff.size(); ++i)
    s += (i == 0 ? "; mente du " : i + 1 == treff.size() ? " eller " : ", ") + treff[i].second;
  return s.empty() ? s : s + "?";
}

// What would do after a name that is none of them: the nearest, then all of
// them one a line, indented, for a list too long for one line.
std::string gyldige(const std::string& navn, const std::vector<std::string>& kjente) {
  const std::string forslag = menteDu(navn, kjente);
  std::string s = forslag.empty() ? "; gyldige:" : forslag + " Gyldige:";
  for (const auto& n : kjente) s += "\n  " + n;
  return s;
}

// Checks what can be checked before anything is done, so that a wrong
// argument changes nothing.
Control& sjekk(Editor& e, const Tilordning& t) {
  Control* c = e.find(t.navn);
  if (!c || !e.paSide(t.navn)) {
    const std::string forslag = menteDu(t.navn, KontrollNavn(e));
    throw BrukFeil{"ukjent kontroll \"" + t.navn + "\"" + (forslag.empty() ? "; se: brulini controls" : forslag)};
  }
  const bool erGrid = c->kind() == ControlKind::Grid;
  if (erGrid != (t.rad >= 0))
    throw BrukFeil{erGrid ? "en tabell settes som " + t.navn + "[RAD,KOL]=TEKST"
                          : "\"" + t.navn + "\" er ingen tabell"};
  switch (c->kind()) {
    case ControlKind::Check:
      if (!LikTekst(t.verdi, "True") && !LikTekst(t.verdi, "False"))
        throw BrukFeil{t.navn + " er en avkrysningsboks: verdien må være True eller False, ikke \"" + t.verdi + "\""};
      break;
    case ControlKind::RadioGroup: {
      const auto& g = static_cast<RadioGroup&>(*c);
      if (FinnIndeks(t.verdi, g.items()) < 0)
        throw BrukFeil{"ugyldig valg \"" + t.verdi + "\" for " + t.navn + "; gyldige: " + liste(g.items())};
      break;
    }
    case ControlKind::Combo: {
      const auto& b = static_cast<Combo&>(*c);
      if (b.selectOnly && FinnIndeks(t.verdi, b.items()) < 0)
        throw BrukFeil{"ugyldig valg \"" + t.verdi + "\" for " + t.navn + "; gyldige: " + liste(b.items())};
      break;
    }
    case ControlKind::Edit:
    case ControlKind::Grid: break;
    default: throw BrukFeil{"\"" + t.navn + "\" kan ikke redigeres"};
  }
  return *c;
}

void utfor(Editor& e, Control& c, const Tilordning& t) {
  switch (c.kind()) {
    case ControlKind::Edit: {
      auto& f = static_cast<Edit&>(c);
      f.setText(t.verdi);
      f.leave();
      break;
    }
    case ControlKind::Combo: {
      auto& b = static_cast<Combo&>(c);
      if (b.selectOnly) b.operatorPick(FinnIndeks(t.verdi, b.items()));
      else b.operatorText(t.verdi);
      break;
    }
    case ControlKind::Check: static_cast<Check&>(c).setChecked(LikTekst(t.verdi, "True")); break;
    case ControlKind::RadioGroup: {
      auto& g = static_cast<RadioGroup&>(c);
      g.setItemIndex(FinnIndeks(t.verdi, g.items()));
      break;
    }
    case ControlKind::Grid: {
      auto& g = static_cast<Grid&>(c);
      if (t.rad >= g.rowCount() || t.kol >= g.colCount() || !g.editable(t.rad, t.kol))
        throw BrukFeil{"cellen " + t.navn + "[" + std::to_string(t.rad) + "," + std::to_string(t.kol) +
                       "] kan ikke redigeres (tabellen har " + std::to_string(g.rowCount()) + " rader og " +
                       std::to_string(g.colCount()) + " kolonner, overskrift og faste kolonner kan ikke endres)"};
      g.operatorEdit(t.rad, t.kol, t.verdi);
      break;
    }
    default: break;
  }
  (void)e;
}

// Presses OK when there is something to save; 1 when the save failed.
int trykkOK(Editor& e) {
  if (!e.Endret()) return 0;
  return e.OKBtnClick() ? 0 : 1;
}

}  // namespace

int KommandoShow(Kontekst& k) {
  Editor e;
  e.HuskMaskinvalg = false;  // a look, not the operator's choice
  startMedMaskin(e, k.args[0]);
  for (const SideOppsett& s : Sider())
    k.ut << '[' << s.tekst << "] " << (e.side(s.id).shown() ? "shown" : "hidden") << '\n';
  for (const Control* c : e.kontroller()) {
    if (c->kind() == ControlKind::Grid) {
      const auto& g = static_cast<const Grid&>(*c);
      for (int r = g.fixedRows(); r < g.rowCount(); ++r)
        for (int col = 0; col < g.colCount(); ++col)
          if (!g.cell(r, col).empty())
            k.ut << g.name() << '[' << r << ',' << col << "]=" << g.cell(r, col) << '\n';
      continue;
    }
    if (c->kind() != ControlKind::Edit && c->kind() != ControlKind::Combo && c->kind() != ControlKind::Check &&
        c->kind() != ControlKind::RadioGroup)
      continue;
    k.ut << c->name() << '=' << verdi(*c) << (c->enabled() ? "" : " (disabled)")
         << (c->visible() ? "" : " (hidden)") << '\n';
  }
  return 0;
}

namespace {

// The assignments of `set`, page by page, then OK.
int settAlle(Kontekst& k, Editor& e, const std::vector<Tilordning>& tilordninger) {
  startMedMaskin(e, k.args[0]);
  for (const auto& t : tilordninger) {
    Control& c = sjekk(e, t);
    const SideId side = e.sideAv(t.navn);
    if (e.aktivSide() != side) {
      if (!e.side(side).shown())
        throw BrukFeil{"siden \"" + e.side(side).caption() + "\" med " + t.navn +
                       " vises ikke for denne protokollen"};
      // The window asks before the page changes. Unless the caller answered
      // it, the edits so far are saved, as the whole command asks for them.
      k.op.standardSvar(e.ValgtSeksjon() + ": Oppsettet er endret", "Ja");
      if (!e.byttSide(side)) {
        k.feil << "brulini: kunne ikke bytte til siden \"" << e.side(side).caption() << "\"\n";
        return 1;
      }
    }
    if (!c.enabled()) throw BrukFeil{t.navn + " er ikke tilgjengelig (deaktivert) nå"};
    if (!c.visible()) throw BrukFeil{t.navn + " er ikke tilgjengelig (skjult) nå"};
    utfor(e, c, t);
  }
  // A port setting is stored in the section of the port the machine uses: a
  // machine left with no port has none, and the save would drop the value
  // without a word.
  if (e.LagringsPort().empty())
    for (const auto& t : tilordninger)
      if (std::ranges::count(e.portKontroller(), &sjekk(e, t)))
        throw BrukFeil{t.navn + " lagres for porten, men maskinen har ingen port (Com er tom); velg en port (Com=Com1 til Com26) i samme kommando"};
  return trykkOK(e);
}

}  // namespace

int KommandoSet(Kontekst& k) {
  Editor e;
  std::vector<Tilordning> tilordninger;
  for (size_t i = 1; i < k.args.size(); ++i) tilordninger.push_back(tolk(k.args[i]));
  for (const auto& t : tilordninger) sjekk(e, t);
  // The whole command is one action: refused as wrong use (or stopped by any
  // other error) it writes nothing, neither the machine choice nor the pages
  // saved before the refusal.
  Batch handling;
  // The command line is an absolute write: a key another program changed
  // meanwhile gets the value given here, unless --svar says otherwise.
  k.op.standardSvar(kKonfliktCaption, kBeholdMin);
  try {
    const int kode = settAlle(k, e, tilordninger);
    // A set is all or nothing: any value refused (with its message) keeps
    // the rest from being written too.
    const bool avvist = std::ranges::any_of(k.op.logg(), [](const SkriptOperator::Hendelse& h) {
      return h.type == SkriptOperator::Hendelse::Type::Melding && !ErMerknad(h.caption);
    });
    if (kode != 0 || handling.avvist() || avvist) {
      handling.forkast();
      k.feil << "brulini: ingenting ble lagret\n";
      return 1;
    }
    // Every page's edits dropped by a Nei to "Lagre endringer ?": nothing
    // asked was saved, and that is said rather than passed over.
    const bool nei = std::ranges::any_of(k.op.logg(), [](const SkriptOperator::Hendelse& h) {
      return h.type == SkriptOperator::Hendelse::Type::Sporsmal && h.text == "Lagre endringer ?";
    });
    if (nei && !handling.harEndringer() && !e.Endret()) {
      k.feil << "brulini: ingenting ble lagret: endringene ble forkastet da \"Lagre endringer ?\" ble besvart Nei\n";
      return 1;
    }
    if (!LagreHandling(handling)) {
      handling.forkast();
      return 1;
    }
    return kode;
  } catch (...) {
    handling.forkast();
    throw;
  }
}

int KommandoPreset(Kontekst& k) {
  bool opprett = false, behold = false;
  std::vector<std::string> pos;
  for (const auto& a : k.args) {
    if (a == "--opprett-henteprogram") opprett = true;
    else if (a == "--behold-port") behold = true;
    else if (a.rfind("--", 0) == 0) throw BrukFeil{"ukjent valg \"" + a + "\" til preset"};
    else pos.push_back(a);
  }
  if (pos.size() != 3) throw BrukFeil{"preset trenger MASKIN STYRING ALTERNATIV"};
  const int s = FinnIndeks(pos[1], StyringsTekster());
  if (s < 0) throw BrukFeil{"ukjent styring \"" + pos[1] + "\"" + gyldige(pos[1], StyringsTekster())};
  const int a = FinnIndeks(pos[2], Alternativer(s));
  if (a < 0)
    throw BrukFeil{"ukjent alternativ \"" + pos[2] + "\" for " + StyringsTekster()[static_cast<size_t>(s)] +
                   gyldige(pos[2], Alternativer(s))};

  Editor e;
  k.op.standardSvar(kKonfliktCaption, kBeholdMin);
  startMedMaskin(e, pos[0]);
  if (!e.byttSide(SideId::Maskin)) return 1;
  e.Styring.operatorPick(s);
  if (e.Alternativ.itemIndex() != a) e.Alternativ.operatorPick(a);
  if (opprett) e.OpprettHenteprogram.setChecked(true);
  if (behold) e.DefaultBaud.setChecked(false);
  return trykkOK(e);
}

}  // namespace brul::cli
