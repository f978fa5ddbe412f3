#include "store/historikk.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <iterator>
#include <fstream>
#include <optional>
#include <set>
#include <system_error>

#include "app/tilstand.h"
#include "platform/fil.h"
#include "platform/sti.h"
#include "store/batch.h"
#include "store/ini_document.h"
#include "store/lager.h"
#include "store/kodeside.h"
#include "store/tekst.h"

namespace brul::historikk {
namespace {

namespace fs = std::filesystem;

std::string gjeldendeMerknad;

// Local paths are UTF-8 on every system; the folder listing wants a path.
fs::path Sti(const std::string& utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

std::string Nummer(int nr) {
  char b[16];
  std::snprintf(b, sizeof b, "%06d", nr);
  return b;
}

std::string Fil(const std::string& mappe, int nr, const char* ext) {
  return mappe + (platform::ErSkilletegn(mappe.back()) ? "" : "/") + Nummer(nr) + ext;
}

// The version numbers in the folder, ascending; `rester` gets the first
// names of versions whose save was stopped before it was done.
std::vector<int> Numre(const std::string& mappe, std::vector<std::string>* rester = nullptr) {
  std::vector<int> ut;
  std::error_code ec;
  for (fs::directory_iterator it(Sti(mappe), ec), slutt; !ec && it != slutt; it.increment(ec)) {
    const std::string navn = it->path().filename().string();
    if (rester && navn.size() == 13 && navn.compare(6, 7, ".ini.ny") == 0) rester->push_back(navn);
    if (navn.size() != 10 || navn.compare(6, 4, ".ini") != 0) continue;
    if (navn.find_first_not_of("0123456789") != 6) continue;
    ut.push_back(std::stoi(navn.substr(0, 6)));
  }
  std::sort(ut.begin(), ut.end());
  return ut;
}

// Values hold no line breaks (the store refuses them); tabs and backslashes
// are escaped so that each record stays one line of tab-separated fields.
std::string Vern(const std::string& s) {
  std::string ut;
  for (char c : s) {
    if (c == '\\') ut += "\\\\";
    else if (c == '\t') ut += "\\t";
    else if (c == '\n') ut += "\\n";
    else if (c == '\r') ut += "\\r";
    else ut += c;
  }
  return ut;
}

std::string Avvern(const std::string& s) {
  std::string ut;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '\\' || i + 1 == s.size()) {
      ut += s[i];
      continue;
    }
    const char c = s[++i];
    ut += c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c;
  }
  return ut;
}

std::vector<std::string> Felt(const std::string& linje) {
  std::vector<std::string> ut;
  std::size_t a = 0;
  for (;;) {
    const std::size_t b = linje.find('\t', a);
    ut.push_back(Avvern(linje.substr(a, b == std::string::npos ? std::string::npos : b - a)));
    if (b == std::string::npos) return ut;
    a = b + 1;
  }
}

std::string Verdi(const std::optional<std::string>& v) { return v ? "=" + Vern(*v) : "-"; }
std::optional<std::string> TilVerdi(const std::string& f) {
  if (f.empty() || f[0] != '=') return std::nullopt;
  return f.substr(1);
}

std::string Tid() {
  const std::time_t na = std::time(nullptr);
  char b[32] = "";
  if (const std::tm* tm = std::localtime(&na)) std::strftime(b, sizeof b, "%Y-%m-%d %H:%M:%S", tm);
  return b;
}

// The machines a save touched, by name: "Maskin3 (DREIEBENK)"; otherwise the
// sections it touched.
std::string Maskiner(const Endringer& e, const IniDocument& etter) {
  std::vector<std::string> seksjoner;
  auto legg = [&](const std::string& s) {
    if (std::none_of(seksjoner.begin(), seksjoner.end(), [&](const std::string& x) { return LikTekst(x, s); }))
      seksjoner.push_back(s);
  };
  for (const NokkelEndring& n : e.nokler) legg(n.seksjon);
  for (const std::string& s : e.slettedeSeksjoner) legg(s);
  std::string maskiner, andre;
  for (const std::string& s : seksjoner) {
    const bool maskin = s.size() > 6 && LikTekst(s.substr(0, 6), "Maskin") &&
                        s.find_first_not_of("0123456789", 6) == std::string::npos;
    std::string tekst = s;
    if (maskin) {
      const auto navn = etter.les(s, "Navn");
      if (navn && !navn->empty()) tekst += " (" + *navn + ")";
    }
    std::string& mal = maskin ? maskiner : andre;
    mal += (mal.empty() ? "" : ", ") + tekst;
  }
  return maskiner.empty() ? andre : maskiner;
}

bool ErMaskinvalg(std::string_view seksjon, std::string_view nokkel) {
  return LikTekst(seksjon, "Program") && LikTekst(nokkel, "Maskin");
}
bool ErMaskinvalg(const NokkelEndring& n) { return ErMaskinvalg(n.seksjon, n.nokkel); }

// Picking a machine remembers it in the file at once. Kept as versions, the
// picks of an operator clicking through the machines would push every real
// save out of the history.
bool BareMaskinvalg(const Endringer& e) {
  return e.slettedeSeksjoner.empty() && !e.nokler.empty() &&
         std::all_of(e.nokler.begin(), e.nokler.end(), [](const NokkelEndring& n) { return ErMaskinvalg(n); });
}

std::string Feiltekst(const std::string& mappe, const std::string& grunn) {
  return "Forrige versjon av " + IniFil + " ble ikke tatt vare på i " + mappe + ": " + grunn + ".";
}


void Anvend(IniDocument& d, const Endringer& e) {
  for (const std::string& s : e.slettedeSeksjoner) d.slettSeksjon(s);
  for (const NokkelEndring& n : e.nokler) {
    if (n.ny) d.skriv(n.seksjon, n.nokkel, *n.ny);
    else d.slettNokkel(n.seksjon, n.nokkel);
  }
}

// A kept version is written once and never replaced: a new name, filled
// under a temporary one and then renamed, so a version is listed only whole.
// Not flushed to the disk as the settings file is: the save itself is
// already safe, and three flushes per save would triple its cost.
bool Skriv(const std::string& fil, const std::string& bytes, std::string& grunn) {
  const fs::path mal = Sti(fil), tmp = Sti(fil + ".tmp");
  {
    std::ofstream ut(tmp, std::ios::binary | std::ios::trunc);
    ut.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!ut.flush()) {
      grunn = "filen kan ikke skrives";
      std::error_code ec;
      fs::remove(tmp, ec);
      return false;
    }
  }
  std::error_code ec;
  fs::rename(tmp, mal, ec);
  if (ec) {
    grunn = ec.message();
    fs::remove(tmp, ec);
    return false;
  }
  return true;
}

Versjon LesVersjon(const std::string& mappe, int nr) {
  Versjon v;
  v.nr = nr;
  v.fil = Fil(mappe, nr, ".ini");
  const platform::FilLesing l = platform::LesHeleFil(Fil(mappe, nr, ".txt"));
  std::size_t a = 0;
  const std::string& b = l.bytes;
  while (a < b.size()) {
    std::size_t slutt = b.find('\n', a);
    if (slutt == std::string::npos) slutt = b.size();
    const std::vector<std::string> f = Felt(b.substr(a, slutt - a));
    a = slutt + 1;
    if (f.size() == 2 && f[0] == "tid") v.tid = f[1];
    else if (f.size() == 2 && f[0] == "maskin") v.maskin = f[1];
    else if (f.size() == 2 && f[0] == "merknad") v.merknad = f[1];
    else if (f.size() == 2 && f[0] == "slettet") v.endringer.slettedeSeksjoner.push_back(f[1]);
    else if (f.size() == 5 && f[0] == "endret")
      v.endringer.nokler.push_back({f[1], f[2], TilVerdi(f[3]), TilVerdi(f[4])});
  }
  return v;
}

}  // namespace

std::string Mappe(const std::string& lokalIni) { return lokalIni + ".historikk"; }

std::optional<NyVersjon> Forbered(const std::string& lokalIni, const std::string& forBytes, const IniDocument& etter,
                                  const Berort* berort) {
  // A pick writes the remembered machine alone: nothing else can differ.
  if (berort && std::all_of(berort->nokler.begin(), berort->nokler.end(),
                            [](const auto& b) { return ErMaskinvalg(b.first, b.second); }))
    return std::nullopt;
  const Endringer e = berort ? Forskjell(berort->for_, etter, berort->nokler)
                             : Forskjell(IniDocument::fraBytes(forBytes), etter);
  if (BareMaskinvalg(e)) return std::nullopt;
  NyVersjon v;
  v.mappe = Mappe(lokalIni);
  std::string info = "tid\t" + Tid() + "\nmaskin\t" + Vern(Maskiner(e, etter)) + "\n";
  if (!gjeldendeMerknad.empty()) info += "merknad\t" + Vern(gjeldendeMerknad) + "\n";
  for (const std::string& s : e.slettedeSeksjoner) info += "slettet\t" + Vern(s) + "\n";
  for (const NokkelEndring& n : e.nokler)
    info += "endret\t" + Vern(n.seksjon) + "\t" + Vern(n.nokkel) + "\t" + Verdi(n.gammel) + "\t" + Verdi(n.ny) + "\n";

  // Only a folder this program made is ever written into or removed: a file
  // of that name belongs to someone else, and the history stays off.
  bool ok = true;
  if (!platform::FinnesMappe(v.mappe)) {
    if (platform::FinnesFil(v.mappe) || platform::IkkeVanligFil(v.mappe)) {
      v.feil = "det finnes allerede noe annet enn en historikkmappe med dette navnet, så historikken er slått av "
               "til det flyttes";
      ok = false;
    } else {
      ok = platform::LagMappe(v.mappe, v.feil);
      v.nyMappe = ok;
    }
  }
  if (ok) {
    // A save stopped between the replacement of the settings file and the
    // last step of its version left the old file under its first name. The
    // settings file tells which: still that very file, the replacement never
    // happened and the version goes; another file, the save stood and its
    // version is completed. (Saves are one at a time, so none is running.)
    std::vector<std::string> rester;
    Numre(v.mappe, &rester);
    const platform::FilStempel ini = platform::Stempel(lokalIni);
    std::error_code ec;
    for (const std::string& r : rester) {
      const std::string forst = v.mappe + "/" + r, navn = v.mappe + "/" + r.substr(0, 10);
      const platform::FilStempel st = platform::Stempel(forst);
      const bool samme = st.finnes && ini.finnes && st.inode == ini.inode && st.enhet == ini.enhet;
      if (!samme && platform::FinnesFil(v.mappe + "/" + r.substr(0, 6) + ".txt")) {
        fs::rename(Sti(forst), Sti(navn), ec);
      } else {
        fs::remove(Sti(forst), ec);
        fs::remove(Sti(v.mappe + "/" + r.substr(0, 6) + ".txt"), ec);
      }
    }
    v.numre = Numre(v.mappe);
  }
  v.nr = v.numre.empty() ? 1 : v.numre.back() + 1;
  v.ini = Fil(v.mappe, v.nr, ".ini");
  v.lenke = v.ini + ".ny";
  // The description first: the version is listed once its content is there.
  if (ok && !Skriv(Fil(v.mappe, v.nr, ".txt"), info, v.feil)) Avbryt(v);
  return v;
}

bool Fullfor(const NyVersjon& v, const std::string& forBytes, bool lenket, std::string& melding) {
  std::string grunn = v.feil;
  std::error_code ec;
  if (grunn.empty() && lenket) {
    fs::rename(Sti(v.lenke), Sti(v.ini), ec);
    lenket = !ec;
  }
  if (grunn.empty() && !lenket) Skriv(v.ini, forBytes, grunn);
  if (!grunn.empty()) {
    Avbryt(v);
    melding = Feiltekst(v.mappe, grunn);
    return false;
  }
  fs::remove(Sti(v.lenke), ec);
  for (const std::string& r : v.rester) fs::remove(Sti(v.mappe) / r, ec);
  const std::size_t antall = v.numre.size() + 1;
  for (std::size_t i = 0; i + kHistorikkMaks < antall; ++i) {
    fs::remove(Sti(Fil(v.mappe, v.numre[i], ".ini")), ec);
    fs::remove(Sti(Fil(v.mappe, v.numre[i], ".txt")), ec);
  }
  return lenket;
}

void Avbryt(const NyVersjon& v) {
  std::error_code ec;
  fs::remove(Sti(v.ini), ec);
  fs::remove(Sti(v.lenke), ec);
  fs::remove(Sti(Fil(v.mappe, v.nr, ".txt")), ec);
  // A folder made for this version alone goes with it (only while empty).
  if (v.nyMappe) fs::remove(Sti(v.mappe), ec);
}

void Rett(const std::string& ini, const std::string& forBytes) {
  std::string grunn;
  // Written under a new name and renamed over the link: the settings file
  // the other program may still write into is not touched. Should that
  // fail, the version holds the other program's content too: still a
  // content the file had.
  (void)Skriv(ini, forBytes, grunn);
}

std::vector<Versjon> Liste() {
  std::vector<Versjon> ut;
  if (IniFil.empty()) return ut;
  const std::string mappe = Mappe(platform::LokalSti(IniFil));
  const std::vector<int> numre = Numre(mappe);
  for (auto it = numre.rbegin(); it != numre.rend(); ++it) ut.push_back(LesVersjon(mappe, *it));
  return ut;
}

Merknad::Merknad(std::string tekst) : forrige_(std::move(gjeldendeMerknad)) { gjeldendeMerknad = std::move(tekst); }
Merknad::~Merknad() { gjeldendeMerknad = std::move(forrige_); }

namespace {

// The comment lines of a content (first non-blank character ';'), as they
// stand: what a key-level difference does not see.
std::vector<std::string> Kommentarer(std::string_view bytes) {
  std::vector<std::string> ut;
  std::size_t a = 0;
  while (a < bytes.size()) {
    std::size_t b = bytes.find_first_of("\r\n", a);
    if (b == std::string_view::npos) b = bytes.size();
    const std::string_view linje = bytes.substr(a, b - a);
    const std::size_t f = linje.find_first_not_of(" \t");
    if (f != std::string_view::npos && linje[f] == ';') ut.emplace_back(linje);
    a = b + 1;
  }
  std::sort(ut.begin(), ut.end());
  return ut;
}

// The comment lines `na` has beyond those of `forventet`.
std::vector<std::string> NyeKommentarer(std::string_view forventet, std::string_view na) {
  const std::vector<std::string> a = Kommentarer(forventet), b = Kommentarer(na);
  std::vector<std::string> ut;
  std::set_difference(b.begin(), b.end(), a.begin(), a.end(), std::back_inserter(ut));
  return ut;
}

}  // namespace

Gjenoppretting Gjenopprett(int nr, const std::function<bool(const std::string&)>& bekreft) {
  Gjenoppretting g;
  const std::vector<Versjon> alle = Liste();
  auto v = std::find_if(alle.begin(), alle.end(), [&](const Versjon& x) { return x.nr == nr; });
  if (v == alle.end()) {
    g.feil = "Versjon " + std::to_string(nr) + " finnes ikke i historikken for " + IniFil + ".";
    return g;
  }
  const platform::FilLesing kopi = platform::LesHeleFil(v->fil);
  if (kopi.status != platform::LeseStatus::Ok) {
    g.feil = "Versjon " + std::to_string(nr) + " kan ikke leses (" + v->fil + ").";
    return g;
  }
  // The file as this program's saves since that version left it: the
  // version with each later save's changes applied, oldest first.
  IniDocument forventet = IniDocument::fraBytes(kopi.bytes);
  for (auto it = std::make_reverse_iterator(v + 1); it != alle.rend(); ++it) Anvend(forventet, it->endringer);
  const std::string forventetBytes = forventet.tilBytes();

  for (int forsok = 0; forsok < 5; ++forsok) {
    Batch b;
    const IniDocument* d = lager::Dokument();
    if (!d) {
      g.feil = "Kunne ikke lese " + IniFil + ": " + lager::Lesefeil() + ".";
      b.forkast();
      return g;
    }
    const std::string naBytes = d->tilBytes();
    // What is in the file and came from none of these saves came from
    // another program: it is kept, lines and all, on top of the restored
    // version. The remembered machine is no part of any version.
    Endringer andre = Forskjell(forventet, *d);
    std::erase_if(andre.nokler, [](const NokkelEndring& n) { return ErMaskinvalg(n); });
    const std::vector<std::string> kommentarer = NyeKommentarer(forventetBytes, naBytes);
    IniDocument mal = IniDocument::fraBytes(kopi.bytes);
    if (andre.tom() && kommentarer.empty()) {
      // Nobody else wrote: the version comes back byte for byte.
      const auto maskin = d->les("Program", "Maskin");
      if (maskin) mal.skriv("Program", "Maskin", *maskin);
      else mal.slettNokkel("Program", "Maskin");
    } else {
      // Our later saves are undone key by key in the file as it is, so the
      // other program's lines stay as it wrote them.
      Endringer tilbake = Forskjell(forventet, mal);
      std::erase_if(tilbake.nokler, [&](const NokkelEndring& n) {
        return ErMaskinvalg(n) || std::any_of(andre.nokler.begin(), andre.nokler.end(), [&](const NokkelEndring& a) {
                 return LikTekst(Seksjonsnavn(a.seksjon), Seksjonsnavn(n.seksjon)) && LikTekst(a.nokkel, n.nokkel);
               });
      });
      mal = *d;
      Anvend(mal, tilbake);
      std::string tekst = "Et annet program har endret filen etter denne lagringen:\n";
      for (const std::string& l : Beskrivelse(andre))
        if (!andre.tom()) tekst += l + "\n";
      for (const std::string& k : kommentarer) tekst += "  kommentar: " + Win1252TilUtf8(k) + "\n";
      tekst += "\nDisse endringene beholdes; resten blir som før lagringen " + v->tid + ". Gjenopprette ?";
      if (!bekreft(tekst)) {
        b.forkast();
        g.avbrutt = true;
        return g;
      }
    }
    Merknad m("Gjenoppretting av nr. " + std::to_string(nr));
    lager::ErstattAlt(mal.tilBytes());
    const Lagreutfall u = b.commit();
    // Another save came between the read and the commit: once more, on
    // the file as it then is (and asked again).
    if (u.type == Lagreutfall::Type::Konflikt || u.flettet) {
      if (u.type == Lagreutfall::Type::Konflikt) b.forkast();
      if (u.flettet) {
        g.ok = true;
        g.historikkfeil = u.historikkfeil;
        return g;
      }
      continue;
    }
    if (!u) {
      g.feil = "Kunne ikke lagre " + IniFil + ": " + u.grunn + ".";
      return g;
    }
    g.ok = true;
    g.historikkfeil = u.historikkfeil;
    return g;
  }
  g.feil = IniFil + " endres hele tiden av et annet program; prøv igjen senere.";
  return g;
}

}  // namespace brul::historikk
