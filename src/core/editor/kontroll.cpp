#include "editor/kontroll.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <set>

#include "app/maskin.h"
#include "app/skriptoperator.h"
#include "app/tilstand.h"
#include "editor/editor.h"
#include "editor/filindeks.h"
#include "platform/fil.h"
#include "platform/kodeside.h"
#include "platform/sti.h"
#include "platform/tekst.h"
#include "schema/lister.h"
#include "schema/nokler.h"
#include "schema/styringer.h"
#include "store/batch.h"
#include "store/forhandsvisning.h"
#include "store/ini_document.h"
#include "store/lager.h"
#include "store/settings.h"
#include "store/visuell.h"

namespace brul {
namespace {

// Where a key is edited.
struct Plass {
  SideId side;
  std::string kontroll;
};

// Keys held in the control-code notation.
const std::set<std::string>& VisuelleNokler() {
  static const std::set<std::string> s = [] {
    std::set<std::string> v;
    for (const char* k :
         {"StartKode", "StoppKode", "StoppTegn", "StoppFeil", "StartEkstra", "StoppEkstra", "StartLagre",
          "StoppLagre", "StartHent", "StoppHent", "StartPrint", "StoppPrint", "StartDir", "StoppDir",
          "StartLagre2", "StoppLagre2", "StartHent2", "StoppHent2", "IngenFil", "Kvittering", "FeilMelding",
          "FjernTegn", "NyBlokkvis", "BrytBlokkvis", "EOB", "FtpStartLagre", "FtpStoppLagre"})
      v.insert(TilStore(k));
    return v;
  }();
  return s;
}

struct Tabeller {
  std::map<std::string, Plass> maskin, port;  // upper-cased key -> where it is edited
  std::map<std::string, const Nokkel*> maskinRad, portRad;
  std::vector<std::string> maskinNavn, portNavn;  // as spelt in the tables, for suggestions
  std::vector<std::string> boksEtiketter;
  std::map<std::string, std::vector<std::string>> lister;  // control name -> the list a new editor offers
};

const Tabeller& Tab() {
  static const Tabeller t = [] {
    Tabeller t;
    for (int i = 0; i < AntallSider; ++i) {
      const SideId side = static_cast<SideId>(i);
      for (const Nokkel& n : Nokler(side)) {
        if (n.seksjon == SeksjonsType::Program) continue;
        const bool port = n.seksjon == SeksjonsType::Port;
        auto& kart = port ? t.port : t.maskin;
        if (kart.emplace(TilStore(n.nokkel), Plass{side, n.kontroll}).second) {
          (port ? t.portNavn : t.maskinNavn).push_back(n.nokkel);
          (port ? t.portRad : t.maskinRad)[TilStore(n.nokkel)] = &n;
        }
      }
    }
    // Keys that a special conversion reads and writes beside its row's key.
    const std::pair<const char*, Plass> maskinEkstra[] = {
        {"ProgLinje", {SideId::Mazak, "MazatrolAuto"}}, {"TekstLinje", {SideId::Mazak, "MazatrolAuto"}},
        {"Time", {SideId::ToolDir, "TimeSize"}},        {"Size", {SideId::ToolDir, "TimeSize"}},
        {"FjernTegn", {SideId::Filer, "FjernTegn"}}};
    for (const auto& [k, p] : maskinEkstra)
      if (t.maskin.emplace(TilStore(k), p).second) t.maskinNavn.push_back(k);
    for (const char* k : {"XonXoff", "SendDelay", "HardwareStart"})
      if (t.port.emplace(TilStore(k), Plass{SideId::Com, "HandShakeR"}).second) t.portNavn.push_back(k);
    Editor e;
    for (int r = 1; r < e.BoksGrid.rowCount(); ++r)
      if (!e.BoksGrid.cell(r, 0).empty()) t.boksEtiketter.push_back(TilStore(e.BoksGrid.cell(r, 0)));
    for (Control* c : e.kontroller()) {
      if (c->kind() == ControlKind::Combo) t.lister[c->name()] = static_cast<Combo*>(c)->items();
      else if (c->kind() == ControlKind::RadioGroup) t.lister[c->name()] = static_cast<RadioGroup*>(c)->items();
    }
    return t;
  }();
  return t;
}

bool Tall(std::string_view s) { return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos; }

// The page and control of a machine-section key, the grid families included.
std::optional<Plass> MaskinPlass(const std::string& nokkel, const std::set<std::string>& variabler) {
  const Tabeller& t = Tab();
  const std::string k = TilStore(nokkel);
  if (auto it = t.maskin.find(k); it != t.maskin.end()) return it->second;
  for (const char* f : {"SYSTEM", "PROGDIV", "FILNAVN", "NOMSJEKK", "TOOLREG", "NOMREG"}) {
    const std::string_view p(f);
    if (k.size() > p.size() && k.compare(0, p.size(), p) == 0 && Tall(std::string_view(k).substr(p.size())))
      return Plass{SideId::ForInst, "ToolGrid"};
  }
  if (k.size() > 8 && k.compare(0, 8, "VARIABEL") == 0 && Tall(std::string_view(k).substr(8)))
    return Plass{SideId::Annet, "AnnetGrid"};
  if (variabler.count(k)) return Plass{SideId::Annet, "AnnetGrid"};
  for (const std::string& l : t.boksEtiketter)
    if (k == l || k == "PARAMETER" + l || k == "KOMMENTAR" + l) return Plass{SideId::LoggeBoks, "BoksGrid"};
  return std::nullopt;
}

std::string Naermeste(const std::string& nokkel, const std::vector<std::string>& kjente) {
  std::string best;
  std::size_t min = nokkel.size() <= 4 ? 1 : 2;  // a short name is a typo only one letter away
  for (const std::string& k : kjente) {
    const std::size_t d = Redigeringsavstand(nokkel, k);
    if (d <= min && (best.empty() || d < min)) {
      best = k;
      min = d;
    }
  }
  return best;
}

// The position of the first token FraVisuell could not decode, or npos.
std::size_t VisuellFeil(const std::string& verdi, std::string& token) {
  if (verdi.size() <= 2) return std::string::npos;
  for (std::size_t i = 0; i < verdi.size(); ++i) {
    if (verdi[i] != '[') continue;
    const std::size_t slutt = verdi.find(']', i);
    if (slutt == std::string::npos || slutt - i > 5) {
      token = verdi.substr(i, std::min<std::size_t>(6, verdi.size() - i));
      return i;
    }
    token = verdi.substr(i, slutt - i + 1);
    unsigned char b = 0;
    if (!TolkVisuellKode(TilStore(token), b)) return i;
    i = slutt;
  }
  return std::string::npos;
}

std::string Liste(const std::vector<std::string>& items) {
  std::string s;
  for (const std::string& i : items) s += (s.empty() ? "" : ", ") + i;
  return s;
}

class Kontroll {
 public:
  std::vector<Funn> funn;
  int bare = 0;  // the one machine whose preset is run dry, 0 for all

  void kjor();

 private:
  void legg(Alvor a, std::string hvor, int maskin, std::optional<Plass> p, std::string nokkel, std::string tekst) {
    Funn f;
    f.alvor = a;
    f.hvor = std::move(hvor);
    f.maskin = maskin;
    if (p) {
      f.harSide = true;
      f.side = p->side;
      f.kontroll = p->kontroll;
    }
    f.nokkel = std::move(nokkel);
    f.tekst = std::move(tekst);
    funn.push_back(std::move(f));
  }
  int maskinAv(const std::string& seksjon) const {
    if (seksjon.size() <= 6 || !LikTekst(seksjon.substr(0, 6), "Maskin") || !Tall(seksjon.substr(6)) ||
        seksjon.size() > 9)
      return 0;
    const int n = std::stoi(seksjon.substr(6));
    return n >= 1 && n <= antall_ ? n : 0;
  }
  // The first machine on a port, to open its page "Com".
  int maskinPaPort(const std::string& port) const {
    for (const auto& [n, p] : porter_)
      if (LikTekst(p, port)) return n;
    return 0;
  }

  void linjer();
  void maskiner();
  void maskin(int n);
  void porter();
  void portSeksjon(const std::string& port);
  void verdi(const std::string& seksjon, int maskin, const Nokkel& rad, const std::optional<Plass>& p);
  void visuell(const std::string& seksjon, int maskin, const std::string& nokkel, const std::optional<Plass>& p);
  bool sti(const std::string& seksjon, int maskin, const std::string& nokkel, const std::optional<Plass>& p);
  void backup(int maskin, const std::string& katalog);
  void henteprogrammer();
  void filindeks();

  std::string lokal_;        // the settings file's local path
  platform::FilLesing fil_;  // as the check read it; its dry runs start from it
  std::string& bytes_ = fil_.bytes;
  IniDocument dok_;
  long antall_ = 0;
  std::vector<std::pair<int, std::string>> porter_;  // machine, port (machines that use one)
  std::map<int, std::string> katalogOk_;           // machines whose folder exists
};

// Line by line, as the profile functions see the file: what they skip, what
// they read twice, and bytes and line endings they do not expect.
void Kontroll::linjer() {
  std::size_t crlf = 0, lf = 0, cr = 0, pos = 0;
  int nr = 0;
  std::string seksjon;   // as stored, empty before the first header
  bool forste = false;   // in the first section of its name
  std::map<std::string, int> seksjoner;           // upper-cased name -> line
  std::map<std::string, std::pair<int, std::string>> nokler;  // in the current section: key -> line, value
  const bool utf8 = dok_.koding() != IniDocument::Koding::Win1252;
  int udefinert = 0, utf8Lik = 0;
  while (pos < bytes_.size()) {
    ++nr;
    std::size_t slutt = bytes_.find_first_of("\r\n", pos);
    std::string raw = bytes_.substr(pos, slutt == std::string::npos ? std::string::npos : slutt - pos);
    if (slutt == std::string::npos) pos = bytes_.size();
    else if (bytes_[slutt] == '\r' && slutt + 1 < bytes_.size() && bytes_[slutt + 1] == '\n') {
      ++crlf;
      pos = slutt + 2;
    } else {
      ++(bytes_[slutt] == '\n' ? lf : cr);
      pos = slutt + 1;
    }
    if (nr == 1 && raw.compare(0, 3, "\xEF\xBB\xBF") == 0) raw.erase(0, 3);
    const std::string hvor = seksjon.empty() ? "Fil" : seksjon;
    const int m = maskinAv(seksjon);
    if (!utf8 && udefinert < 5) {
      for (unsigned char c : raw)
        if (c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D) {
          char hex[8];
          std::snprintf(hex, sizeof hex, "0x%02X", c);
          legg(Alvor::Advarsel, hvor, m, std::nullopt, "",
               "Linje " + std::to_string(nr) + " har byten " + hex +
                   ", som Windows-1252 ikke definerer; programmene kan vise den som et annet tegn. Rett linjen i en "
                   "teksteditor.");
          ++udefinert;
          break;
        }
    }
    // A file without a byte-order mark is Windows-1252 to every program:
    // text someone saved as UTF-8 into it shows as two odd characters each.
    if (bool fler = false; !utf8 && utf8Lik < 5 && GyldigUtf8(raw, &fler) && fler) {
      std::string ment = raw;
      ment.erase(0, ment.find_first_not_of(" \t"));
      legg(Alvor::Advarsel, hvor, m, std::nullopt, "",
           "Linje " + std::to_string(nr) + " ser ut som UTF-8 (\"" + ment + "\"), men filen er Windows-1252: "
               "overføringsprogrammene viser \"" + Win1252TilUtf8(ment) + "\". Skriv teksten inn på nytt i "
               "redigeringen, som lagrer den i filens tegnsett.");
      ++utf8Lik;
    }
    // Quoted and named in UTF-8, as every text this program gives out.
    if (!utf8) raw = Win1252TilUtf8(raw);
    std::size_t a = raw.find_first_not_of(" \t");
    if (a == std::string::npos) continue;
    const std::string t = raw.substr(a, raw.find_last_not_of(" \t") - a + 1);
    if (t[0] == ';') continue;
    const std::size_t lukk = t.rfind(']');
    if (t[0] == '[' && lukk != std::string::npos && lukk > 0) {
      std::string navn = t.substr(1, lukk - 1);
      navn.erase(0, navn.find_first_not_of(" \t"));
      navn.erase(navn.find_last_not_of(" \t") + 1);
      seksjon = navn;
      nokler.clear();
      const auto [it, ny] = seksjoner.emplace(TilStore(navn), nr);
      forste = ny;
      if (!ny)
        legg(Alvor::Feil, navn, maskinAv(navn), std::nullopt, "",
             "Seksjonen [" + navn + "] står flere ganger (linje " + std::to_string(it->second) + " og " +
                 std::to_string(nr) + "). Programmene leser bare den første (linje " + std::to_string(it->second) +
                 "); flytt nøklene dit og slett den andre.");
      continue;
    }
    const std::size_t lik = t.find('=');
    std::string navn = lik == std::string::npos ? std::string() : t.substr(0, lik);
    navn.erase(navn.find_last_not_of(" \t") + 1);
    if (lik == std::string::npos || navn.empty()) {
      legg(Alvor::Advarsel, hvor, m, std::nullopt, "",
           "Linje " + std::to_string(nr) + " (\"" + t + "\") er verken seksjon, nøkkel eller kommentar; programmene " +
               "overser den. Gjør den til en kommentar med \";\" først, eller slett den.");
      continue;
    }
    if (seksjon.empty()) {
      legg(Alvor::Advarsel, "Fil", 0, std::nullopt, navn,
           "Linje " + std::to_string(nr) + " står før første seksjon og leses aldri. Flytt den inn i en seksjon.");
      continue;
    }
    if (!forste) continue;  // the whole section is already reported
    std::string verdi = t.substr(lik + 1);
    verdi.erase(0, verdi.find_first_not_of(" \t"));
    const auto [it, ny] = nokler.emplace(TilStore(navn), std::make_pair(nr, verdi));
    if (!ny) {
      const bool ulik = it->second.second != verdi;
      legg(ulik ? Alvor::Feil : Alvor::Advarsel, seksjon, m, std::nullopt, navn,
           navn + " står to ganger i [" + seksjon + "] (linje " + std::to_string(it->second.first) + " og " +
               std::to_string(nr) + "). Programmene leser bare den første (linje " +
               std::to_string(it->second.first) + (ulik ? ", \"" + it->second.second + "\"" : std::string()) +
               "); slett den andre.");
    }
  }
  const int typer = (crlf > 0) + (lf > 0) + (cr > 0);
  if (typer > 1)
    legg(Alvor::Advarsel, "Fil", 0, std::nullopt, "",
         "Filen blander linjeslutt (CR LF: " + std::to_string(crlf) + ", LF: " + std::to_string(lf) +
             ", CR: " + std::to_string(cr) + "). Lagre den med én sort linjeslutt i en teksteditor.");
}

void Kontroll::visuell(const std::string& seksjon, int m, const std::string& nokkel, const std::optional<Plass>& p) {
  const auto v = dok_.les(seksjon, nokkel);
  if (!v) return;
  std::string token;
  if (VisuellFeil(*v, token) == std::string::npos) return;
  legg(Alvor::Feil, seksjon, m, p, nokkel,
       "\"" + *v + "\" kan ikke tolkes: \"" + token +
           "\" er ingen kontrollkode. Skriv koden som [CR], [DC2] eller et tall fra [0] til [255].");
}

// A path the Windows programs cannot open: one of this system (/srv/brul/M1),
// or one on a drive or share the drive map lacks. False when reported.
bool Kontroll::sti(const std::string& seksjon, int m, const std::string& nokkel, const std::optional<Plass>& p) {
  const std::string v = dok_.les(seksjon, nokkel).value_or("");
  if (v.empty()) return true;
  std::string grunn;
  if (platform::ErLokalForm(v)) {
    const auto lagret = platform::LagretVerdi(v, true, grunn);
    legg(Alvor::Feil, seksjon, m, p, nokkel,
         v + " er en sti på denne maskinen, som Windows-programmene ikke kan åpne. " +
             (lagret ? "Skriv den som " + *lagret + "."
                     : "Den ligger heller ikke under noen tilordnet mappe: " + grunn + ". Velg en mappe under en av dem."));
    return false;
  }
  if (!platform::LokalSti(v, grunn)) {
    legg(Alvor::Feil, seksjon, m, p, nokkel,
         v + " kan ikke finnes: " + grunn + ". Legg den inn i Brul.conf eller rett stien.");
    return false;
  }
  return true;
}

// Backups are kept only where the folder exists.
void Kontroll::backup(int n, const std::string& katalog) {
  const std::string s = MaskinSeksjon(n);
  const long antall = TallFraTekst(dok_.les(s, "BackupFiles").value_or(""));
  if (antall <= 0) return;
  std::string mappe = TilStore(dok_.les(s, "BackupKatalog").value_or(""));
  if (mappe.empty()) mappe = platform::MedSkilletegn(katalog) + "BACKUP\\";
  std::string grunn;  // a path that cannot be opened here is reported as such
  if (platform::ErLokalForm(mappe) || !platform::LokalSti(mappe, grunn)) return;
  if (platform::FinnesMappe(platform::LokalSti(mappe))) return;
  legg(Alvor::Feil, s, n, Tab().maskin.at("BACKUPKATALOG"), "BackupKatalog",
       "Backupkatalogen " + mappe + " finnes ikke, men BackupFiles er " + std::to_string(antall) +
           ", så programmene kan ikke ta vare på sikkerhetskopiene. Opprett katalogen, eller rett BackupKatalog.");
}

// A stored value that matches no item of the control's list.
void Kontroll::verdi(const std::string& seksjon, int m, const Nokkel& rad, const std::optional<Plass>& p) {
  const auto v = dok_.les(seksjon, rad.nokkel);
  if (!v || v->empty()) return;
  if (rad.type == VerdiType::Bool) {
    const std::string s = TilStore(*v);
    if (s != "TRUE" && s != "FALSE" && s != "1" && s != "0")
      legg(Alvor::Advarsel, seksjon, m, p, rad.nokkel,
           "\"" + *v + "\" er hverken True eller False; programmene leser den som False.");
    return;
  }
  std::vector<std::string> items;
  Alvor alvor = Alvor::Feil;
  if (rad.konvertering == Konvertering::Paritet) {
    if (std::string("ENOeno").find((*v)[0]) == std::string::npos)
      legg(Alvor::Feil, seksjon, m, p, rad.nokkel,
           "Paritet \"" + *v + "\" er ukjent; bruk Even, None eller Odd.");
    return;
  }
  if (rad.konvertering == Konvertering::Styring) {
    items = StyringsTekster();
    alvor = Alvor::Advarsel;
  } else if (rad.nokkel == "Alternativ") {
    const int s = FinnIndeks(dok_.les(seksjon, "Styring").value_or(""), StyringsTekster());
    if (s < 0) return;
    items = Alternativer(s);
    alvor = Alvor::Advarsel;
  } else if (rad.nokkel == "Baud") {
    items = BaudListe();
  } else if (rad.nokkel == "Port") {
    return;  // the port has its own check
  } else if (rad.regel == Regel::Liste || rad.regel == Regel::ListeValg || rad.regel == Regel::Valg) {
    const auto& lister = Tab().lister;
    auto it = lister.find(rad.kontroll);
    if (it == lister.end()) return;
    items = it->second;
  } else {
    return;
  }
  if (items.empty() || FinnIndeks(*v, items) >= 0) return;
  legg(alvor, seksjon, m, p, rad.nokkel,
       "\"" + *v + "\" står ikke i listen for " + rad.nokkel + " (" + Liste(items) + "). Velg en verdi fra listen.");
}

void Kontroll::maskin(int n) {
  const std::string s = MaskinSeksjon(n);
  const Tabeller& t = Tab();
  if (dok_.harSeksjon(s)) {
    std::set<std::string> variabler;
    for (const std::string& k : dok_.nokler(s))
      if (auto p = MaskinPlass(k, {}); p && p->kontroll == "AnnetGrid" && TilStore(k).rfind("VARIABEL", 0) == 0)
        if (auto v = dok_.les(s, k); v && !v->empty()) variabler.insert(TilStore(*v));
    for (const std::string& k : dok_.nokler(s)) {
      const auto p = MaskinPlass(k, variabler);
      if (!p) {
        const std::string forslag = Naermeste(k, t.maskinNavn);
        if (!forslag.empty())
          legg(Alvor::Advarsel, s, n, t.maskin.at(TilStore(forslag)), k,
               "Nøkkelen " + k + " er ukjent; mente du " + forslag + "? Programmene bruker bare " + forslag +
                   ", så verdien her virker ikke.");
        else
          legg(Alvor::Info, s, n, std::nullopt, k,
               "Nøkkelen " + k + " er ukjent for redigeringen, som verken viser eller endrer den. La den stå om " +
                   "et overføringsprogram bruker den.");
        continue;
      }
      if (VisuelleNokler().count(TilStore(k))) visuell(s, n, k, p);
      if (auto r = t.maskinRad.find(TilStore(k)); r != t.maskinRad.end()) {
        verdi(s, n, *r->second, p);
        if (r->second->sti != Sti::Ingen && !LikTekst(k, "Katalog")) sti(s, n, k, p);
      }
    }
  }
  // The port.
  const std::string protokoll = dok_.les(s, "Protokoll").value_or("");
  if (!LikTekst(protokoll, "Parallell")) {
    const std::string port = dok_.les(s, "Port").value_or("Com" + std::to_string(n + 2));
    const Plass plass{SideId::Maskin, "Com"};
    if (FinnIndeks(port, PortListe()) < 0)
      legg(Alvor::Feil, s, n, plass, "Port",
           "Porten \"" + port + "\" finnes ikke; velg en port fra Com1 til Com26.");
    else {
      porter_.emplace_back(n, PortListe()[static_cast<std::size_t>(FinnIndeks(port, PortListe()))]);
      if (!dok_.harSeksjon(port))
        legg(Alvor::Advarsel, s, n, plass, "Port",
             "Porten " + port + " har ingen seksjon [" + port + "]; programmene bruker standardverdiene " +
                 "(4800 baud). Lagre siden \"Com\" for maskinen.");
    }
  }
  // The folder.
  std::string katalog = TilStore(dok_.les(s, "Katalog").value_or(""));
  if (katalog.empty()) katalog = MaskinKatalog(n);
  const Plass kplass{SideId::Maskin, "Katalog"};
  // A drive or network share the map does not know opens nothing: say which
  // entry is missing, in the words every other refusal uses.
  std::string grunn;
  if (!sti(s, n, "Katalog", kplass)) return;
  if (!platform::LokalSti(katalog, grunn)) {
    legg(Alvor::Feil, s, n, kplass, "Katalog",
         "Katalogen " + katalog + " kan ikke finnes: " + grunn + ". Legg den inn i Brul.conf eller rett stien.");
    return;
  }
  if (!platform::FinnesMappe(platform::LokalSti(katalog))) {
    legg(Alvor::Feil, s, n, kplass, "Katalog",
         "Katalogen " + katalog + " finnes ikke, så programmene kan verken hente eller lagre filer for maskinen. " +
             "Kryss av \"Opprett kataloger\" og trykk OK, eller rett stien.");
    return;
  }
  katalogOk_[n] = katalog;
  backup(n, katalog);
}

void Kontroll::maskiner() {
  antall_ = AntallMaskiner(dok_.les("Program", "Maskiner").value_or("1"));
  for (const std::string& s : dok_.seksjoner()) {
    if (s.size() <= 6 || s.size() > 9 || !LikTekst(s.substr(0, 6), "Maskin") || !Tall(s.substr(6))) continue;
    const int n = std::stoi(s.substr(6));
    if (n > antall_)
      legg(Alvor::Advarsel, s, 0, Plass{SideId::Program, "Maskiner"}, "Maskiner",
           "[" + s + "] finnes, men Maskiner er " + std::to_string(antall_) +
               ", så redigeringen viser den ikke og programmene bruker den ikke. Øk Maskiner eller slett seksjonen.");
  }
  for (int n = 1; n <= antall_; ++n) maskin(n);
  // Two machines in one folder take each other's files: each after the
  // first is told which machine has the folder already.
  std::map<std::string, int> forste;
  for (const auto& [n, k] : katalogOk_) {
    const auto [it, ny] = forste.emplace(TilStore(platform::MedSkilletegn(k)), n);
    if (ny) continue;
    legg(Alvor::Advarsel, MaskinSeksjon(n), n, Plass{SideId::Maskin, "Katalog"}, "Katalog",
         MaskinSeksjon(n) + " har samme katalog " + k + " som " + MaskinSeksjon(it->second) +
             ", og de henter og lagrer hverandres filer. Gi hver maskin sin katalog.");
  }
}

void Kontroll::portSeksjon(const std::string& port) {
  const Tabeller& t = Tab();
  const int m = maskinPaPort(port);
  for (const std::string& k : dok_.nokler(port)) {
    auto it = t.port.find(TilStore(k));
    if (it == t.port.end()) {
      const std::string forslag = Naermeste(k, t.portNavn);
      if (!forslag.empty())
        legg(Alvor::Advarsel, port, m, t.port.at(TilStore(forslag)), k,
             "Nøkkelen " + k + " er ukjent; mente du " + forslag + "? Programmene bruker bare " + forslag + ".");
      else
        legg(Alvor::Info, port, m, std::nullopt, k,
             "Nøkkelen " + k + " er ukjent for redigeringen. La den stå om et overføringsprogram bruker den.");
      continue;
    }
    if (VisuelleNokler().count(TilStore(k))) visuell(port, m, k, it->second);
    if (auto r = t.portRad.find(TilStore(k)); r != t.portRad.end()) verdi(port, m, *r->second, it->second);
  }
}

void Kontroll::porter() {
  // Every port's section, whether a machine uses it now or not: a machine
  // moved to it later takes its values as they stand.
  std::set<std::string> sjekket;
  for (const std::string& s : dok_.seksjoner()) {
    const int i = FinnIndeks(s, PortListe());
    if (i < 0 || !sjekket.insert(PortListe()[static_cast<std::size_t>(i)]).second) continue;
    portSeksjon(PortListe()[static_cast<std::size_t>(i)]);
  }
  std::vector<std::string> sett;
  for (const auto& [n, p] : porter_)
    if (std::find(sett.begin(), sett.end(), p) == sett.end()) sett.push_back(p);
  for (const std::string& p : sett) {
    std::vector<int> ns;
    for (const auto& [n, q] : porter_)
      if (q == p) ns.push_back(n);
    if (ns.size() < 2) continue;
    std::string navn;
    for (std::size_t i = 0; i < ns.size(); ++i) {
      const std::string s = MaskinSeksjon(ns[i]);
      const std::string n = dok_.les(s, "Navn").value_or("");
      navn += (i == 0 ? "" : i + 1 == ns.size() ? " og " : ", ") + s + (n.empty() ? "" : " (" + n + ")");
    }
    legg(Alvor::Info, p, ns[0], Plass{SideId::Com, "ComPort"}, "Port",
         p + " brukes av " + navn + ": de samme linjeinnstillingene (baud, handshake, paritet) gjelder for alle.");
  }
}

// The fetch programs the machine's controller preset writes, found by
// applying the preset in a dry run: the files it would write new are missing.
void Kontroll::henteprogrammer() {
  if (katalogOk_.empty()) return;
  SkriptOperator stille;  // the preset's questions are answered No, nothing is shown
  MedOperator med(stille);
  Torrkjoring torr(lokal_, fil_);
  Editor e;
  e.FormCreate();
  for (const auto& [n, katalog] : katalogOk_) {
    if (bare > 0 && n != bare) continue;
    const std::string s = MaskinSeksjon(n);
    const int st = FinnIndeks(dok_.les(s, "Styring").value_or(""), StyringsTekster());
    if (st < 0 || n > static_cast<int>(e.MaskinBoks.items().size())) continue;
    const int alt = FinnIndeks(dok_.les(s, "Alternativ").value_or(""), Alternativer(st));
    e.MaskinBoks.setItemIndex(n - 1);
    e.LesOppsett(false, true);
    e.settAktivSide(SideId::Maskin);
    e.Styring.operatorPick(st);
    if (alt >= 0 && e.Alternativ.itemIndex() != alt) e.Alternativ.operatorPick(alt);
    e.OpprettHenteprogram.setChecked(true);
    const std::size_t for_ = torr.filer().size();
    e.OKBtnClick();
    const auto filer = torr.filer();
    std::string mangler;
    int antall = 0;
    for (std::size_t i = for_; i < filer.size(); ++i) {
      if (filer[i].erstattes) continue;
      const std::string& f = filer[i].sti;
      mangler += (mangler.empty() ? "" : ", ") + f.substr(f.find_last_of('\\') + 1);
      ++antall;
    }
    if (antall == 0) continue;
    legg(Alvor::Advarsel, s, n, Plass{SideId::Maskin, "OpprettHenteprogram"}, "",
         (antall == 1 ? "Henteprogrammet " + mangler + " som forvalget for " : "Henteprogrammene " + mangler +
                                                                                   " som forvalget for ") +
             StyringsTekster()[static_cast<std::size_t>(st)] + " skriver, mangler i " + katalog +
             ". Velg styringen på nytt, kryss av \"Opprett henteprogram\" og trykk OK.");
  }
}

// The file index as `index` would write it, found by running it dry.
void Kontroll::filindeks() {
  bool brukt = TilStore(dok_.les("Program", "Indeks").value_or("")) == "TRUE";
  for (const std::string& s : dok_.seksjoner())
    if (s.find('\\') != std::string::npos && dok_.les(s, "FilType")) brukt = true;
  if (!brukt) return;
  SkriptOperator stille;
  MedOperator med(stille);
  Torrkjoring torr(lokal_, fil_);
  SkrivFilindeks(antall_);
  const Plass p{SideId::Program, "Indeks"};
  // Ticking the box is what writes the index; when it is ticked already,
  // it is ticked anew.
  const std::string gjor = TilStore(dok_.les("Program", "Indeks").value_or("")) == "TRUE"
                               ? "Fjern krysset \"CNC oppdaterer filindeks\" på siden Program og sett det igjen"
                               : "Kryss av \"CNC oppdaterer filindeks\" på siden Program";
  for (const NokkelEndring& n : torr.endringer().nokler) {
    if (!n.gammel)
      legg(Alvor::Advarsel, n.seksjon, 0, p, n.nokkel,
           "Filindeksen mangler [" + n.seksjon + "] " + n.nokkel + "=" + n.ny.value_or("") +
               ". " + gjor + " (eller kjør index).");
    else
      legg(Alvor::Advarsel, n.seksjon, 0, p, n.nokkel,
           "Filindeksen har " + n.nokkel + "=" + *n.gammel + " for [" + n.seksjon + "], men maskinoppsettet gir " +
               n.ny.value_or("") + ". Oppdater filindeksen: " + gjor + " (eller kjør index).");
  }
}

void Kontroll::kjor() {
  if (IniFil.empty()) return;
  lokal_ = platform::LokalSti(IniFil);
  if (lager::IBatch()) {
    // Inside a running action the store holds that action's edits: the
    // check looks at the file itself.
    fil_ = platform::LesHeleFil(lokal_);
  } else {
    // Through the store: the file a command read at its start, or a save
    // just wrote, serves the check too.
    Batch b;
    fil_ = lager::Lesing();
  }
  const platform::FilLesing& l = fil_;
  if (l.status != platform::LeseStatus::Ok) {
    legg(Alvor::Feil, "Fil", 0, std::nullopt, "",
         l.status == platform::LeseStatus::Mangler ? IniFil + " finnes ikke."
                                                    : IniFil + " kan ikke leses: " + l.feil + ".");
    return;
  }
  dok_ = IniDocument::fraBytes(bytes_);
  maskiner();
  linjer();
  porter();
  // A dry run inside a running action would add its writes to that action.
  if (lager::IBatch()) return;
  henteprogrammer();
  filindeks();
}

}  // namespace

const char* AlvorTekst(Alvor a) {
  switch (a) {
    case Alvor::Feil: return "Feil";
    case Alvor::Advarsel: return "Advarsel";
    case Alvor::Info: return "Info";
  }
  return "";
}

std::vector<Funn> Kontroller(int maskin) {
  Kontroll k;
  k.bare = maskin;
  k.kjor();
  return std::move(k.funn);
}

namespace {

// The text with the number after each "linje "/"Linje " (and after the " og "
// that joins two of them) left out.
std::string UtenLinjenumre(const std::string& tekst) {
  std::string ut;
  for (std::size_t i = 0; i < tekst.size();) {
    const bool linje = tekst.compare(i + 1, 5, "inje ") == 0 && (tekst[i] == 'l' || tekst[i] == 'L');
    const bool og = !ut.empty() && ut.back() == '#' && tekst.compare(i, 4, " og ") == 0;
    if (!linje && !og) {
      ut += tekst[i++];
      continue;
    }
    const std::size_t tall = i + (linje ? 6 : 4);
    std::size_t slutt = tall;
    while (slutt < tekst.size() && std::isdigit(static_cast<unsigned char>(tekst[slutt]))) ++slutt;
    if (slutt == tall) {
      ut += tekst[i++];
      continue;
    }
    ut += tekst.substr(i, tall - i) + "#";
    i = slutt;
  }
  return ut;
}

}  // namespace

std::vector<Funn> NyeFunn(const std::vector<Funn>& for_, const std::vector<Funn>& etter) {
  auto nokkel = [](const Funn& f) {
    return std::to_string(static_cast<int>(f.alvor)) + '\n' + f.hvor + '\n' + f.nokkel + '\n' + UtenLinjenumre(f.tekst);
  };
  std::multiset<std::string> fantes;
  for (const Funn& f : for_) fantes.insert(nokkel(f));
  std::vector<Funn> nye;
  for (const Funn& f : etter) {
    if (f.alvor == Alvor::Info) continue;
    // As many of a kind as there were before are old; one more is new.
    if (auto it = fantes.find(nokkel(f)); it != fantes.end()) fantes.erase(it);
    else nye.push_back(f);
  }
  return nye;
}

std::string FunnMerknad(const Funn& f) {
  const std::string hvor = f.hvor == "Fil" ? "filen" : "[" + f.hvor + "]";
  return std::string(AlvorTekst(f.alvor)) + " i " + hvor + (f.nokkel.empty() ? "" : " " + f.nokkel) + ": " + f.tekst;
}

std::string FunnLinje(const Funn& f) {
  std::string side = f.harSide ? Side(f.side).tekst : std::string();
  std::string tekst = f.tekst;
  std::replace(tekst.begin(), tekst.end(), '\t', ' ');
  std::replace(tekst.begin(), tekst.end(), '\n', ' ');
  return std::string(AlvorTekst(f.alvor)) + "\t" + f.hvor + "\t" + side + "\t" + f.nokkel + "\t" + tekst;
}

}  // namespace brul
