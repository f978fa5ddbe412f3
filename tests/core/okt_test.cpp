// Operator sessions played at random over the headless editor. Each step is
// one operator action drawn from what the window offers at that moment; after
// it the settings file is compared with its own bytes before the step, the
// installation's files with theirs, and the page shown with a fresh load of
// the file. A session is fully given by its seed, so every seed that once
// found a fault stays in the table below.
//
// BRUL_OKT_OKTER=N runs N sessions in the soak test (script/soak) and prints
// "sessions, actions, violations"; BRUL_OKT_FRO=S plays only seed S and
// prints every action.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "../../bench/generer.h"
#include "app/maskin.h"
#include "app/skriptoperator.h"
#include "app/tilstand.h"
#include "editor/editor.h"
#include "editor/konverteringer.h"
#include "okt_fil.h"
#include "platform/sti.h"
#include "schema/nokler.h"
#include "skrapdisk.h"
#include "store/settings.h"

namespace brul::test::okt {
namespace {

namespace fs = std::filesystem;

std::filesystem::path DemoMappe() {
  return fs::path(__FILE__).parent_path().parent_path().parent_path() / "demo";
}

// A stored value as a later load shows it: blanks around it and one pair of
// quotes go, at most 4095 characters come back, upper-cased.
std::string Norm(const std::string& s) {
  std::string t = Trim(s);
  if (t.size() >= 2 && (t.front() == '"' || t.front() == '\'') && t.back() == t.front())
    t = t.substr(1, t.size() - 2);
  if (AntallTegn(t) > 4095) {
    size_t pos = 0;
    for (int n = 0; n < 4095; ++n) NesteTegn(t, pos);
    t.resize(pos);
  }
  return TilStore(t);
}

// Keys the editor writes somewhere: the key tables, the keys of the special
// conversions, the grid families and what the presets write directly.
bool EidNokkel(const std::string& n) {
  static const std::set<std::string> faste = [] {
    std::set<std::string> s = {"MASKIN",     "VISMASKINER", "HANDSHAKE", "XONXOFF",  "SENDDELAY",
                               "HARDWARESTART", "TIMESIZE", "TIME",      "SIZE",     "PROGLINJE",
                               "TEKSTLINJE", "FJERNNULL",   "FJERNTEGN", "LINJER",   "PORT",
                               "BAUD",       "TIMEMULTIPLIER", "STYRING"};
    for (int i = 0; i < AntallSider; ++i)
      for (const Nokkel& k : Nokler(static_cast<SideId>(i))) s.insert(TilStore(k.nokkel));
    return s;
  }();
  if (faste.count(n)) return true;
  auto medTall = [&](const std::string& prefiks) {
    if (n.rfind(prefiks, 0) != 0 || n.size() == prefiks.size()) return false;
    return std::all_of(n.begin() + static_cast<long>(prefiks.size()), n.end(),
                       [](char c) { return (c >= '0' && c <= '9') || c == ','; });
  };
  for (const char* p : {"SYSTEM", "PROGDIV", "FILNAVN", "NOMSJEKK", "TOOLREG", "NOMREG", "VARIABEL", "BIT",
                        "PARAMETERBIT", "KOMMENTARBIT"})
    if (medTall(p)) return true;
  return false;
}

// Controls that show a key of the port section.
bool PortKontroll(const std::string& kontroll) {
  static const std::set<std::string> navn = [] {
    std::set<std::string> s = {"Com", "ComPort", "HandShake", "HandShakeR", "Baud", "BaudRate", "MazPrint"};
    for (int i = 0; i < AntallSider; ++i)
      for (const Nokkel& k : Nokler(static_cast<SideId>(i)))
        if (k.seksjon == SeksjonsType::Port) s.insert(k.kontroll);
    return s;
  }();
  return navn.count(kontroll) > 0;
}

// The variable names a section lists in its Variabel slots.
std::set<std::string> Variabler(const Blokk* b, bool utf8) {
  std::set<std::string> ut;
  if (!b) return ut;
  for (const std::string& l : b->linjer) {
    const std::string k = NokkelAv(l, utf8);
    if (k.rfind("VARIABEL", 0) != 0) continue;
    const std::string t = Trim(UtenLinjeslutt(l));
    ut.insert(Norm(utf8 ? t.substr(t.find('=') + 1) : Win1252TilUtf8(t.substr(t.find('=') + 1))));
  }
  return ut;
}

// A whole file at once (reading it by character costs most of a Debug run).
std::string LesFil(const fs::path& p) {
  std::ifstream inn(p, std::ios::binary);
  std::string s;
  if (!inn) return s;
  inn.seekg(0, std::ios::end);
  s.resize(static_cast<size_t>(std::max<std::streamoff>(0, inn.tellg())));
  inn.seekg(0);
  inn.read(s.data(), static_cast<std::streamsize>(s.size()));
  return s;
}

// Files and folders below the scratch root with their bytes.
using Tre = std::map<std::string, std::string>;
Tre LesTre(const fs::path& rot) {
  Tre t;
  std::error_code ec;
  for (auto it = fs::recursive_directory_iterator(rot, ec); it != fs::recursive_directory_iterator();
       it.increment(ec)) {
    const std::string rel = fs::relative(it->path(), rot).generic_string();
    // The editor's own history of earlier versions keeps and prunes itself.
    if (rel.rfind("Brul/Brul.ini.historikk", 0) == 0) {
      it.disable_recursion_pending();
      continue;
    }
    if (rel == "Brul/Brul.ini") continue;  // compared on its own
    if (rel == "Brul/Brul.ini.lock") continue;  // the installation's lock, made by the first save
    t[rel] = it->is_directory() ? std::string("<mappe>") : LesFil(it->path());
  }
  return t;
}

// What the checks need to know of the moment before a step.
struct Foer {
  std::string bytes;
  Tre tre;
  SideId aktiv;
  bool endret, forvalg, henteprogram, kataloger, oppdater;
  std::string com, comPort, katalog;
  int vist;
};

class Okt {
 public:
  Okt(uint64_t fro, int antall, bool ekko)
      : rng_(fro), fro_(fro), antall_(antall), ekko_(ekko), disk_("okt") {}
  // A fixed action list on the start file of `fro` instead of random actions
  // (the regression rows). Lines: "skriv NAVN=tekst", "velg NAVN=element",
  // "kryss NAVN", "celle GRID(rad,kolonne)=tekst", "side Caption", "svar Caption=Ja" (holds for the rest; the
  // caption "Lagre" stands for "Lagre endringer ?"), "maskin N", "OK",
  // "Angre", "Avslutt".
  Okt(uint64_t fro, std::vector<std::string> skript)
      : Okt(fro, static_cast<int>(skript.size()), false) {
    skript_ = std::move(skript);
  }

  int handlinger = 0;
  std::vector<std::string> brudd;

  void kjor() {
    const fs::path cwd = fs::current_path();
    const std::string data = DataKatalog, exe = ExeKatalog;
    // A folder typed without a drive is made relative to the working folder:
    // keep it inside the scratch drive.
    fs::current_path(disk_.rot());
    DataKatalog = "C:\\Brul\\";
    ExeKatalog = "C:\\Brul\\";
    lagStart();
    startEditor();
    for (int i = 0; i < antall_ && brudd.empty(); ++i) steg();
    e_.reset();
    DataKatalog = data;
    ExeKatalog = exe;
    fs::current_path(cwd);
  }

 private:
  int en(int n) { return n <= 0 ? 0 : static_cast<int>(rng_() % static_cast<uint64_t>(n)); }
  bool ja(int prosent) { return en(100) < prosent; }

  void lagStart() {
    switch (fro_ % 3) {
      case 0: {
        // Entry by entry: copying a folder onto one that exists fails with
        // "File exists" in the Windows build's standard library.
        for (const auto& e : fs::directory_iterator(DemoMappe()))
          fs::copy(e.path(), disk_.rot() / "Brul" / e.path().filename(),
                   fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        start_ = "demo";
        break;
      }
      case 1: {
        int m = 0;
        disk_.skriv(RarFil(rng_, m));
        for (int i = 1; i <= m; ++i)
          if (ja(50)) fs::create_directories(disk_.rot() / "Brul" / ("Maskin" + std::to_string(i)));
        start_ = "rar";
        break;
      }
      default:
        disk_.skriv(bench::GenererBrulIni(255, 2 + en(6)));
        start_ = "255";
    }
    demo_ = start_ == "demo" ? LesFil(disk_.ini()) : std::string();
  }

  void startEditor() {
    SkriptOperator op;
    MedOperator med(op);
    e_ = std::make_unique<Editor>();
    lukket_ = false;
    e_->onLukk = [this] { lukket_ = true; };
    e_->FormCreate();
    vist_ = e_->ValgtMaskin();
  }

  // ---- Texts an operator types ------------------------------------------------

  std::string tekst() {
    static const char* const faste[] = {
        "", " ", "  5  ", "0", "1", "3", "12", "-3", "255", "256", "99999999999", "[CR][LF]", "[", "]",
        "[DC2]%[CR]", "\xC3\x86\xC3\xB8\xC3\xA5", "m\xC3\xA5l \xC3\x86\xC3\x98\xC3\x85", "\xCE\xA9", " \xCE\xA9",
        "\xE2\x82\xAC", "\"sitert\"", "'enkel'", "a=b", ";x", "O1000", "%", "C:\\Brul\\Maskin1\\",
        "C:\\Brul\\Ny mappe", "c:\\brul\\maskin2", "Com3", "com7", "Com12", "LPT1", ".nc", "True", "False",
        "x\xC2\x81y", "Fres", "Drei", "tekst med  blanke "};
    if (ja(4)) return std::string(4090 + static_cast<size_t>(en(20)), 'L');
    std::string t = faste[en(static_cast<int>(std::size(faste)))];
    if (ja(10)) t += std::to_string(en(1000));
    // Nothing typed may lead outside the scratch drive.
    if (!t.empty() && (t[0] == '\\' || t[0] == '/')) t = "C:" + t;
    return t;
  }

  static std::string Vis(const std::string& t) {
    if (t.size() > 40) return "\"" + t.substr(0, 8) + "...(" + std::to_string(t.size()) + ")\"";
    return "\"" + t + "\"";
  }

  // ---- One step ------------------------------------------------------------------

  void steg() {
    Editor& e = *e_;
    SkriptOperator op;
    // Every question of this step gets a random answer, written into the log.
    std::string svar;
    auto sett = [&](const std::string& caption, bool v) {
      op.svar(caption, v ? "Ja" : "Nei");
      svar += " " + caption.substr(0, 6) + "=" + (v ? "J" : "N");
    };
    terminal_.clear();
    if (!skript_.empty()) {
      for (const auto& [c, v] : skriptSvar_) op.svar(c == "Lagre" ? e.ValgtSeksjon() + ": Oppsettet er endret" : c, v);
    } else {
      sett(e.ValgtSeksjon() + ": Oppsettet er endret", ja(60));
      for (const char* c : {"Nytt oppsett", "Siemens", "Bytte styringstype", "Indeks"}) sett(c, ja(50));
      if (ja(70)) {
        static const char* const porter[] = {"Com5", "Com1", " ", "COM9", "Com2"};
        terminal_ = porter[en(5)];
        op.svar("Terminal", terminal_);
      }
    }
    MedOperator med(op);

    Foer f{LesFil(disk_.ini()), LesTre(disk_.rot()), e.aktivSide(), e.Endret(), e.NyttForvalg,
           e.OpprettHenteprogram.checked(), e.OpprettKataloger.checked(), e.OppdaterMaskiner.checked(),
           e.Com.text(), e.ComPort.text(), e.Katalog.text(), vist_};
    std::string hva = skript_.empty() ? handling() : skriptHandling(skript_[static_cast<size_t>(handlinger)]);
    ++handlinger;
    hva += " |" + svar;
    logg_.push_back(hva);
    if (ekko_) std::cout << "  " << handlinger << ": " << hva << "\n";
    sjekk(f, op);
    if (lukket_ && brudd.empty()) startEditor();
  }

  std::string skriptHandling(const std::string& linje) {
    Editor& e = *e_;
    const size_t rom = linje.find(' ');
    const std::string verb = linje.substr(0, rom);
    const std::string rest = rom == std::string::npos ? std::string() : linje.substr(rom + 1);
    const size_t lik = rest.find('=');
    const std::string navn = rest.substr(0, lik), verdi = lik == std::string::npos ? "" : rest.substr(lik + 1);
    Control* c = e.find(navn);
    if (verb == "svar") skriptSvar_[navn] = verdi;
    else if (verb == "OK") e.OKBtn.click();
    else if (verb == "Angre") e.Angre.click();
    else if (verb == "Avslutt") e.Avslutt.click();
    else if (verb == "maskin") e.MaskinBoks.operatorPick(std::stoi(rest) - 1);
    else if (verb == "side") {
      for (int i = 0; i < AntallSider; ++i)
        if (e.side(static_cast<SideId>(i)).caption() == rest) e.byttSide(static_cast<SideId>(i));
    } else if (verb == "kryss" && c && c->kind() == ControlKind::Check) {
      static_cast<Check*>(c)->setChecked(!static_cast<Check*>(c)->checked());
    } else if (verb == "skriv" && c && c->kind() == ControlKind::Edit) {
      static_cast<Edit*>(c)->setText(verdi);
      static_cast<Edit*>(c)->leave();
    } else if (verb == "skriv" && c && c->kind() == ControlKind::Combo) {
      static_cast<Combo*>(c)->operatorText(verdi);
    } else if (verb == "velg" && c && c->kind() == ControlKind::Combo) {
      auto* b = static_cast<Combo*>(c);
      const int i = FinnIndeks(verdi, b->items());
      if (i < 0) melde("skriptet velger \"" + verdi + "\", som " + navn + " ikke har");
      else b->operatorPick(i);
    } else if (verb == "celle") {  // "celle AnnetGrid(1,2)=tekst"
      const size_t p = navn.find('(');
      auto* g = dynamic_cast<Grid*>(e.find(navn.substr(0, p)));
      if (g) g->operatorEdit(std::stoi(navn.substr(p + 1)), std::stoi(navn.substr(navn.find(',') + 1)), verdi);
    } else if (verb == "velg" && c && c->kind() == ControlKind::RadioGroup) {
      static_cast<RadioGroup*>(c)->setItemIndex(FinnIndeks(verdi, static_cast<RadioGroup*>(c)->items()));
    } else {
      melde("ukjent skriptlinje: " + linje);
    }
    return linje;
  }

  std::vector<Control*> betjenbare() {
    Editor& e = *e_;
    std::vector<Control*> ut;
    for (Control* c : e.kontroller()) {
      if (!e.paSide(c->name()) || e.sideAv(c->name()) != e.aktivSide()) continue;
      if (!c->visible() || !c->enabled()) continue;
      switch (c->kind()) {
        case ControlKind::Edit:
        case ControlKind::Check:
        case ControlKind::Combo:
        case ControlKind::RadioGroup:
        case ControlKind::Grid: ut.push_back(c); break;
        default: break;
      }
    }
    return ut;
  }

  // Carries out one operator action and describes it.
  std::string handling() {
    Editor& e = *e_;
    const int v = en(100);
    if (v < 45) {
      std::vector<Control*> k = betjenbare();
      if (e.aktivSide() == SideId::Maskin && ja(40)) {
        std::vector<Control*> grunn;
        for (Control* c : k)
          for (const char* n : {"Styring", "Alternativ", "Protokoll", "HenteProgram", "Com", "Katalog"})
            if (c->name() == n) grunn.push_back(c);
        if (!grunn.empty()) k = grunn;
      }
      if (k.empty()) return "ingen betjenbar kontroll";
      return betjen(*k[static_cast<size_t>(en(static_cast<int>(k.size())))]);
    }
    if (v < 53) {
      if (!e.MaskinBoks.enabled() || e.MaskinBoks.items().empty()) return "maskinvalg stengt";
      const int i = en(static_cast<int>(e.MaskinBoks.items().size()));
      e.MaskinBoks.operatorPick(i);
      return "velg maskin " + std::to_string(i + 1);
    }
    if (v < 68) {
      std::vector<SideId> sider;
      for (int i = 0; i < AntallSider; ++i)
        if (e.side(static_cast<SideId>(i)).shown()) sider.push_back(static_cast<SideId>(i));
      const SideId s = sider[static_cast<size_t>(en(static_cast<int>(sider.size())))];
      const bool ok = e.byttSide(s);
      return "side " + e.side(s).caption() + (ok ? "" : " (nektet)");
    }
    if (v < 80) {
      const bool paa = e.OKBtn.enabled();
      e.OKBtn.click();
      return paa ? "OK" : "OK (stengt)";
    }
    if (v < 85) {
      e.Angre.click();
      return "Angre";
    }
    if (v < 88) {
      e.Avslutt.click();
      return lukket_ ? "Avslutt" : "Avslutt (nektet)";
    }
    if (v < 94) return nullLagring();
    if (v < 97 && e.aktivSide() == SideId::Program) {
      const std::string t = ja(50) ? std::to_string(en(300)) : tekst();
      e.Maskiner.setText(t);
      e.Maskiner.leave();
      return "skriv Maskiner=" + Vis(t);
    }
    if (e.aktivSide() == SideId::Maskin && e.ComPortBtn.enabled()) {
      e.ComPortBtn.click();
      return "ComPortBtn";
    }
    if (e.aktivSide() == SideId::ForInst) {
      e.ForInstTips.click();
      return "ForInstTips";
    }
    return "ingenting";
  }

  std::string betjen(Control& c) {
    const std::string n = c.name();
    switch (c.kind()) {
      case ControlKind::Edit: {
        auto& f = static_cast<Edit&>(c);
        const std::string t = tekst();
        f.setText(t);
        f.leave();
        return "skriv " + n + "=" + Vis(t);
      }
      case ControlKind::Check: {
        auto& b = static_cast<Check&>(c);
        b.setChecked(!b.checked());
        return std::string(b.checked() ? "kryss av " : "fjern kryss ") + n;
      }
      case ControlKind::Combo: {
        auto& b = static_cast<Combo&>(c);
        if (!b.items().empty() && (b.selectOnly || ja(75))) {
          const int i = en(static_cast<int>(b.items().size()));
          b.operatorPick(i);
          return "velg " + n + "=" + Vis(b.items()[static_cast<size_t>(i)]);
        }
        // A port names a section: typed as a port name, not as any text.
        static const char* const porter[] = {"Com12", "com7", "", "LPT1", " Com3 ", "Com16"};
        const std::string t = (n == "Com" || n == "ComPort") ? porter[en(6)] : tekst();
        b.operatorText(t);
        return "skriv " + n + "=" + Vis(t);
      }
      case ControlKind::RadioGroup: {
        auto& g = static_cast<RadioGroup&>(c);
        const int i = en(static_cast<int>(g.items().size()));
        g.setItemIndex(i);
        return "velg " + n + "=" + Vis(g.items()[static_cast<size_t>(i)]);
      }
      case ControlKind::Grid: {
        auto& g = static_cast<Grid&>(c);
        const int r = g.fixedRows() + en(std::min(g.rowCount() - g.fixedRows(), ja(70) ? 4 : 1000));
        const int k = g.fixedCols() + en(g.colCount() - g.fixedCols());
        const auto& liste = g.dropDown(k);
        std::string t;
        if (ja(20)) t = g.cell(r, k);  // moved through the cell and left it as it was
        else if (!liste.empty() && ja(60)) t = liste[static_cast<size_t>(en(static_cast<int>(liste.size())))];
        else t = tekst();
        g.operatorEdit(r, k, t);
        return "celle " + n + "(" + std::to_string(r) + "," + std::to_string(k) + ")=" + Vis(t);
      }
      default: return "ingenting";
    }
  }

  // The operator changes a field and changes it back, then presses OK: the
  // file must not change, or at most once, the first time a page is saved as
  // this editor writes it (an odd file is normalised by its first save). The
  // demo file is already written that way.
  std::string nullLagring() {
    Editor& e = *e_;
    if (e.Endret()) return "nullendring (allerede endret)";
    const std::string foer = LesFil(disk_.ini());
    e.FirmaChange();
    e.OKBtn.click();
    const std::string midt = LesFil(disk_.ini());
    if (foer == demo_ && midt != foer) melde("en side lagret uten endring endret demofila");
    e.FirmaChange();
    e.OKBtn.click();
    if (LesFil(disk_.ini()) != midt) melde("en side lagret uten endring for andre gang endret fila");
    return "nullendring og OK";
  }

  // ---- The checks --------------------------------------------------------------

  void melde(const std::string& tekst) { brudd.push_back(tekst); }

  void sjekk(const Foer& f, const SkriptOperator& op) {
    Editor& e = *e_;
    const std::string etter = LesFil(disk_.ini());
    bool avvist = false, slettet = false, terminal = false;
    for (const auto& h : op.logg()) {
      if (h.text.find("ble ikke lagret") != std::string::npos) avvist = true;
      if (h.caption == "Bytte styringstype") slettet = true;  // answered at random; erasing is allowed
      if (h.caption == "Terminal") terminal = true;
    }
    if (avvist) {
      if (etter != f.bytes) melde("en avvist lagring skrev til fila");
      if (!e.Endret() && !lukket_) melde("en avvist lagring etterlot redigeringen som lagret");
    }
    if (etter != f.bytes) sjekkSeksjoner(f, etter, slettet, terminal);
    sjekkFiler(f, avvist);
    // A step that changed nothing (a closed control, a refused page change)
    // leaves the pages as the last check found them.
    const bool somFor = etter == f.bytes && !f.endret && f.aktiv == e.aktivSide() && f.vist == e.ValgtMaskin();
    if (!lukket_ && !e.Endret() && !somFor) {
      sjekkSider();
      vist_ = e.ValgtMaskin();
    }
    if (ekko_ && !brudd.empty()) {  // for the one playing a seed by hand
      SkrapDisk::Skriv(fs::temp_directory_path() / "okt_foer.ini", f.bytes);
      SkrapDisk::Skriv(fs::temp_directory_path() / "okt_etter.ini", etter);
    }
  }

  void sjekkSeksjoner(const Foer& f, const std::string& etter, bool slettet, bool terminal) {
    Editor& e = *e_;
    const bool u0 = ErUtf8Fil(f.bytes), u1 = ErUtf8Fil(etter);
    const std::vector<Blokk> b0 = Blokker(f.bytes), b1 = Blokker(etter);
    if (Kjerne(b0[0]) != Kjerne(b1[0])) melde("linjene foran første seksjon ble endret");
    std::map<std::string, std::vector<const Blokk*>> s0, s1;
    for (size_t i = 1; i < b0.size(); ++i) s0[b0[i].navn].push_back(&b0[i]);
    for (size_t i = 1; i < b1.size(); ++i) s1[b1[i].navn].push_back(&b1[i]);

    const std::string maskin = TilStore(MaskinSeksjon(f.vist));
    std::set<std::string> egne = {"PROGRAM", maskin};
    for (const std::string& p : {f.com, f.comPort, e.Com.text(), e.ComPort.text()})
      if (!Trim(p).empty()) egne.insert(TilStore(Trim(p)));
    const std::string lagretPort = LesFraFil(IniFil, MaskinSeksjon(f.vist), "Port", "");
    if (!lagretPort.empty()) egne.insert(TilStore(lagretPort));
    if (terminal && !Trim(terminal_).empty()) egne.insert(TilStore(Trim(terminal_)));

    std::set<std::string> navn;
    for (const auto& [n, v] : s0) navn.insert(n);
    for (const auto& [n, v] : s1) navn.insert(n);
    for (const std::string& n : navn) {
      const auto& v0 = s0[n];
      const auto& v1 = s1[n];
      if (egne.count(n)) {
        const Blokk* a = v0.empty() ? nullptr : v0[0];
        const Blokk* b = v1.empty() ? nullptr : v1[0];
        if (a && !b && !slettet) melde("seksjonen [" + n + "] ble slettet");
        if (a && b && !slettet) sjekkFremmedeLinjer(n, *a, *b, u0, u1);
        continue;
      }
      // The file index writes FilType into folder sections, the terminal
      // page FilNavnProgram into the machines it names.
      bool ok = v0.size() == v1.size() || (v0.empty() && v1.size() == 1);
      for (size_t i = 0; ok && i < v1.size(); ++i) {
        const Blokk tom{n, {}};
        const Blokk& a = i < v0.size() ? *v0[i] : tom;
        const Blokk& b = *v1[i];
        if (i < v0.size() && Kjerne(a) == Kjerne(b)) continue;
        if (KjerneUten(a, "FILTYPE", u0) == KjerneUten(b, "FILTYPE", u1)) continue;
        if (f.oppdater && f.aktiv == SideId::Terminal &&
            KjerneUten(a, "FILNAVNPROGRAM", u0) == KjerneUten(b, "FILNAVNPROGRAM", u1))
          continue;
        ok = false;
      }
      if (!ok) melde("seksjonen [" + n + "] ble endret, men sidene viste [" + maskin + "]");
    }
  }

  // Comments, lines without "=" and keys the editor does not write stay in
  // the sections it saves.
  void sjekkFremmedeLinjer(const std::string& n, const Blokk& a, const Blokk& b, bool u0, bool u1) {
    std::set<std::string> var = Variabler(&a, u0);
    for (const std::string& v : Variabler(&b, u1)) var.insert(v);
    auto fremmede = [&](const Blokk& x, bool u) {
      std::multiset<std::string> ut;
      for (size_t i = 1; i < x.linjer.size(); ++i) {
        const std::string l = UtenLinjeslutt(x.linjer[i]);
        if (Trim(l).empty()) continue;
        const std::string k = NokkelAv(l, u);
        if (!k.empty() && (EidNokkel(k) || var.count(k))) continue;
        // A line without "=" becomes a key when that name is written.
        if (k.empty() && Trim(l)[0] != ';' && (EidNokkel(Brett(Trim(l), u)) || var.count(Brett(Trim(l), u))))
          continue;
        ut.insert(u ? l : Win1252TilUtf8(l));
      }
      return ut;
    };
    const auto foer = fremmede(a, u0), etter = fremmede(b, u1);
    for (const std::string& l : foer)
      if (etter.count(l) < foer.count(l)) {
        melde("linjen \"" + l + "\" i [" + n + "] ble borte");
        return;
      }
  }

  void sjekkFiler(const Foer& f, bool avvist) {
    const Tre etter = LesTre(disk_.rot());
    const bool henteprogram = f.forvalg && f.henteprogram && !avvist;
    std::string mappe;
    if (henteprogram) {
      std::error_code ec;
      mappe = fs::weakly_canonical(platform::LokalSti(platform::MedSkilletegn(f.katalog)), ec).generic_string();
    }
    auto iMappe = [&](const std::string& rel) {
      std::error_code ec;
      const std::string p = fs::weakly_canonical((disk_.rot() / rel).parent_path(), ec).generic_string();
      return henteprogram && (p == mappe || p + "/" == mappe);
    };
    for (const auto& [p, bytes] : f.tre) {
      if (p == "Brul/Brul.ini") continue;
      auto it = etter.find(p);
      if (it == etter.end()) melde("filen " + p + " ble slettet");
      else if (it->second != bytes && !iMappe(p)) melde("filen " + p + " ble endret");
    }
    for (const auto& [p, bytes] : etter) {
      if (f.tre.count(p) || p == "Brul/Brul.ini") continue;
      if (bytes == "<mappe>") {
        if (!f.kataloger) melde("mappen " + p + " ble laget uten \"Opprett kataloger\"");
      } else if (!iMappe(p)) {
        melde("filen " + p + " ble laget uten et lagret forvalg med \"Opprett henteprogram\"");
      }
    }
  }

  // With no edit pending, the page shown is what a fresh load of the
  // selected machine shows.
  void sjekkSider() {
    Editor& e = *e_;
    SkriptOperator stille;
    MedOperator med(stille);
    // Loaded as start-up loads it, with the selected machine as the one to start with.
    const int i = e.ValgtMaskin();
    Editor f;
    f.StartMaskin = i;
    f.LesOppsett(true, true);
    if (e.MaskinBoks.items().size() != f.MaskinBoks.items().size())
      melde("maskinlisten har " + std::to_string(e.MaskinBoks.items().size()) + " maskiner, fila " +
            std::to_string(f.MaskinBoks.items().size()));
    if (i < 1 || i > static_cast<int>(f.MaskinBoks.items().size())) return;
    if (f.ValgtMaskin() != i) {
      f.MaskinBoks.setItemIndex(i - 1);
      f.LesOppsett(false, true);
    }
    for (int s = 0; s < AntallSider; ++s) {
      const SideId id = static_cast<SideId>(s);
      // After a change of protocol alone the fetch-program pages follow the
      // "Protokoll" page until the machine is loaded again.
      const bool folger = (id == SideId::Henteprog || id == SideId::Henteprog2) &&
                          e.side(id).shown() == e.TabProtokoll.shown();
      if (e.side(id).shown() != f.side(id).shown() && !folger)
        melde("fanen " + e.side(id).caption() + (e.side(id).shown() ? " vises" : " er skjult") +
              ", men ikke etter ny lesing");
    }
    if (!f.side(e.aktivSide()).shown()) return;
    for (Control* c : e.kontroller()) {
      const std::string& n = c->name();
      if (!e.paSide(n) || e.sideAv(n) != e.aktivSide() || !c->visible()) continue;
      // Requests carried out by a save, not settings.
      if (n == "OpprettKataloger" || n == "OpprettHenteprogram" || n == "DefaultBaud" || n == "OppdaterMaskiner")
        continue;
      const Control* g = f.find(n);
      std::string a, b;
      switch (c->kind()) {
        case ControlKind::Edit:
          a = Norm(static_cast<Edit*>(c)->text());
          b = Norm(static_cast<const Edit*>(g)->text());
          break;
        case ControlKind::Combo:
          a = Norm(static_cast<Combo*>(c)->text());
          b = Norm(static_cast<const Combo*>(g)->text());
          break;
        case ControlKind::Check:
          a = static_cast<Check*>(c)->checked() ? "kryss" : "tom";
          b = static_cast<const Check*>(g)->checked() ? "kryss" : "tom";
          break;
        case ControlKind::RadioGroup:
          a = std::to_string(static_cast<RadioGroup*>(c)->itemIndex());
          b = std::to_string(static_cast<const RadioGroup*>(g)->itemIndex());
          break;
        case ControlKind::Grid:
          a = GridTekst(*static_cast<Grid*>(c));
          b = GridTekst(*static_cast<const Grid*>(g));
          break;
        default: continue;
      }
      // An emptied port or presetter is stored as no key: a load shows the
      // default (the port Com<n+2> and that port's line settings).
      // A radio group with no selection is not written: a load shows what is stored.
      // A loaded presetter row whose number is no longer valid is skipped by
      // the save: what is stored for its old number is loaded again.
      const bool standard = (a.empty() && (n == "Com" || n == "ComPort" || n == "Forinstiller")) ||
                            (c->kind() == ControlKind::RadioGroup && a == "-1") ||
                            (Trim(e.Com.text()).empty() && PortKontroll(n)) ||
                            (n == "ToolGrid" && UgyldigLastetRad(e));
      if (a != b && !standard) {
        melde(n + " viser " + Vis(a) + ", men ny lesing viser " + Vis(b));
        return;
      }
    }
  }

  static bool UgyldigLastetRad(const Editor& e) {
    const Grid& g = e.ToolGrid;
    for (int r = 1; r < g.rowCount() && static_cast<size_t>(r) < e.ToolGridSystemer.size(); ++r) {
      if (e.ToolGridSystemer[static_cast<size_t>(r)].empty() || !SystemNummer(g.cell(r, 0)).empty()) continue;
      for (int c = 0; c < g.colCount(); ++c)
        if (!g.cell(r, c).empty()) return true;
    }
    return false;
  }

  // A grid as its save stores it: the presetter rows by system number (a
  // row with no type is no row), the log-box rows by event code, the
  // variables by name (the last row of a name wins, a value equal to the
  // name removes the variable).
  static std::string GridTekst(const Grid& g) {
    std::string s;
    auto celle = [&](int r, int c) { return r < g.rowCount() ? Norm(g.cell(r, c)) : std::string(); };
    if (g.name() == "ToolGrid") {
      std::map<long, std::string> rader;
      for (int r = 1; r < g.rowCount(); ++r) {
        const std::string nr = SystemNummer(g.cell(r, 0));
        if (nr.empty()) continue;
        const long k = std::stol(nr.size() > 9 ? "999999999" : nr);
        if (celle(r, 1).empty()) {
          rader.erase(k);
          continue;
        }
        std::string rad;
        for (int c = 1; c < 7; ++c) rad += celle(r, c) + "|";
        rader[k] = rad;
      }
      for (const auto& [k, r] : rader) s += std::to_string(k) + ":" + r + "\n";
    } else if (g.name() == "BoksGrid") {
      for (int r = 1; r < g.rowCount(); ++r) {
        const long kode = HendelseKode(g.cell(r, 1));
        s += std::to_string(kode < 1 ? 0 : kode) + "|" + (kode < 1 ? "" : celle(r, 2)) + "|" + celle(r, 3) + "\n";
      }
    } else {
      std::map<std::string, std::string> verdi;
      for (int r = 1; r < g.rowCount(); ++r) {
        const std::string n = celle(r, 1);
        if (!n.empty()) verdi[n] = celle(r, 2) == n ? "" : celle(r, 2);
      }
      for (int r = 1; r < g.rowCount(); ++r) {
        const std::string n = celle(r, 1);
        if (!n.empty()) s += std::to_string(r) + ":" + n + "=" + verdi[n] + "\n";
      }
    }
    return s;
  }

  std::mt19937_64 rng_;
  uint64_t fro_;
  int antall_;
  bool ekko_;
  SkrapDisk disk_;
  std::string start_, demo_, terminal_;
  std::unique_ptr<Editor> e_;
  bool lukket_ = false;
  int vist_ = 1;
  std::vector<std::string> logg_;
  std::vector<std::string> skript_;
  std::map<std::string, std::string> skriptSvar_;

 public:
  std::string rapport() const {
    std::string s = "fro " + std::to_string(fro_) + " (" + start_ + "), handling " + std::to_string(handlinger) +
                    ": " + brudd.front() + "\n  siste handlinger:\n";
    const size_t fra = logg_.size() > 12 ? logg_.size() - 12 : 0;
    for (size_t i = fra; i < logg_.size(); ++i) s += "    " + std::to_string(i + 1) + ": " + logg_[i] + "\n";
    return s;
  }
};

// What the sessions found, each as the shortest action list that shows it,
// played on the start file of the seed (0: the demo installation).
struct Regresjon {
  const char* funn;
  uint64_t fro;
  std::vector<std::string> skript;
};
const std::vector<Regresjon> kRegresjoner = {
    {"Ja to \"Lagre endringer ?\" saved without loading again: BackupKatalog showed the default of the old Katalog",
     0, {"svar Lagre=Ja", "skriv Katalog=C:\\Brul\\Ny\\", "side Filer"}},
    {"Angre loaded only the page shown: Baud carried onto \"Com\" stayed there and a preset saved it",
     0, {"velg Baud=1200", "Angre", "skriv Styring=Ingen slik", "OK"}},
    {"Angre after a port change: \"Com\" kept the other port's settings and a preset saved them there",
     0, {"velg Com=Com4", "Angre", "skriv Styring=Ingen slik", "OK", "side Com"}},
    {"a quoted variable name was stored in its slot, which reads back without the quotes: another key",
     0, {"side Annet", "celle AnnetGrid(1,1)=\"sitert\"", "celle AnnetGrid(1,2)=5", "OK"}},
    {"a variable name longer than a read returns was stored in its slot and read back as another key",
     0, {"side Annet", "celle AnnetGrid(2,1)=" + std::string(4100, 'V'), "celle AnnetGrid(2,2)=1", "OK"}},
    {"a preset with \"Opprett henteprogram\" and an empty Katalog wrote its fetch programs into the current folder",
     0, {"velg Styring=Haas", "kryss OpprettHenteprogram", "skriv Katalog=", "OK"}},
    {"a refused preset save still made the machine folder and its fetch programs",
     0, {"velg Styring=Haas", "kryss OpprettHenteprogram", "skriv Katalog=C:\\Brul\\Haas\\",
         "skriv MaskinNavn=\xCE\xA9", "OK"}},
    {"a presetter row given another system number kept the old number's keys: the row came back at the next load",
     5008, {"side Forinnst.", "celle ToolGrid(2,0)=1", "OK"}},
};

TEST(OktSesjoner, FasteFroOgRegresjoner) {
  if (const char* s = std::getenv("BRUL_OKT_FRO")) {
    Okt o(std::strtoull(s, nullptr, 10), 400, true);
    o.kjor();
    EXPECT_TRUE(o.brudd.empty()) << o.rapport();
    return;
  }
  for (const Regresjon& r : kRegresjoner) {
    Okt o(r.fro, r.skript);
    o.kjor();
    EXPECT_EQ(o.handlinger, static_cast<int>(r.skript.size())) << r.funn;
    EXPECT_TRUE(o.brudd.empty()) << r.funn << "\n" << o.rapport();
  }
  const uint64_t antall = std::getenv("BRUL_OKT_ANTALL") ? std::strtoull(std::getenv("BRUL_OKT_ANTALL"), nullptr, 10) : 20;
  for (uint64_t fro = 1; fro <= antall; ++fro) {
    Okt o(fro, 100, false);
    o.kjor();
    EXPECT_TRUE(o.brudd.empty()) << o.rapport();
  }
}

// The soak: many sessions, a count of actions and violations at the end.
TEST(OktSesjoner, Soak) {
  const char* n = std::getenv("BRUL_OKT_OKTER");
  if (!n) GTEST_SKIP() << "BRUL_OKT_OKTER=N setter antall økter";
  const long okter = std::strtol(n, nullptr, 10);
  const uint64_t start = std::getenv("BRUL_OKT_START") ? std::strtoull(std::getenv("BRUL_OKT_START"), nullptr, 10) : 1000;
  long handlinger = 0, brudd = 0;
  for (long i = 0; i < okter; ++i) {
    Okt o(start + static_cast<uint64_t>(i), 300, false);
    o.kjor();
    handlinger += o.handlinger;
    if (!o.brudd.empty()) {
      ++brudd;
      std::cout << o.rapport() << std::flush;
    }
    if ((i + 1) % 100 == 0 || i + 1 == okter)
      std::cout << "sessions " << i + 1 << ", actions " << handlinger << ", violations " << brudd << std::endl;
  }
  EXPECT_EQ(brudd, 0);
}

}  // namespace
}  // namespace brul::test::okt
