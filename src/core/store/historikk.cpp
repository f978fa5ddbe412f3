#include "store/historikk.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <iterator>
#include <map>
#include <fstream>
#include <optional>
#include <set>
#include <system_error>
#include <utility>

#include "platform/fil.h"
#include "platform/kodeside.h"
#include "platform/sti.h"
#include "platform/tekst.h"
#include "store/batch.h"
#include "store/delta.h"
#include "store/erstatning.h"
#include "store/ini_document.h"
#include "store/installasjon.h"
#include "store/lager.h"

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

std::string IMappe(const std::string& mappe, const std::string& navn) {
  return mappe + (platform::ErSkilletegn(mappe.back()) ? "" : "/") + navn;
}

std::string Fil(const std::string& mappe, int nr, const char* ext) { return IMappe(mappe, Nummer(nr) + ext); }

// A file of a removed version, kept to hold the next description: on some
// file systems making a new file costs a save more than all the rest of
// its history, and writing into an old one next to nothing.
constexpr const char* kLedig = "ledig";

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

std::string Trim(const std::string& s) {
  const std::size_t fra = s.find_first_not_of(" \t"), til = s.find_last_not_of(" \t");
  return fra == std::string::npos ? std::string() : s.substr(fra, til - fra + 1);
}

bool ErMaskinseksjon(const std::string& s) {
  return s.size() > 6 && LikTekst(s.substr(0, 6), "Maskin") && s.find_first_not_of("0123456789", 6) == std::string::npos;
}

// The machines a save touched, by name: "Maskin3 (DREIEBENK)". A port
// section belongs to the machines whose Port names it (its page is theirs);
// a save that touched no machine is named by the sections it touched.
std::string Maskiner(const Endringer& e, const IniDocument& etter) {
  std::vector<std::string> seksjoner, maskiner;
  auto legg = [](std::vector<std::string>& i, const std::string& s) {
    if (std::none_of(i.begin(), i.end(), [&](const std::string& x) { return LikTekst(x, s); })) i.push_back(s);
  };
  for (const NokkelEndring& n : e.nokler) legg(seksjoner, Trim(n.seksjon));
  for (const std::string& s : e.slettedeSeksjoner) legg(seksjoner, Trim(s));
  std::vector<std::string> alle;
  for (const std::string& s : seksjoner) {
    if (ErMaskinseksjon(s)) {
      legg(maskiner, s);
      continue;
    }
    if (alle.empty())
      for (std::string& x : etter.seksjoner())
        if (ErMaskinseksjon(Trim(x))) alle.push_back(std::move(x));
    for (const std::string& m : alle) {
      const auto port = etter.les(m, "Port");
      if (port && LikTekst(Trim(*port), s)) legg(maskiner, Trim(m));
    }
  }
  std::string ut;
  for (const std::string& m : maskiner.empty() ? seksjoner : maskiner) {
    std::string tekst = m;
    if (ErMaskinseksjon(m))
      if (const auto navn = etter.les(m, "Navn"); navn && !navn->empty()) tekst += " (" + *navn + ")";
    ut += (ut.empty() ? "" : ", ") + tekst;
  }
  return ut;
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
  return "Forrige versjon av " + lager::Innstillingsfil() + " ble ikke tatt vare på i " + mappe + ": " + grunn + ".";
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

// Writes a description into the kept file, renamed to `fil`; false when
// there is none or it cannot be used (then a new one is written).
bool SkrivILedig(const std::string& mappe, Mappeinnhold& m, const std::string& fil, const std::string& bytes) {
  if (!m.ledig) return false;
  m.sum -= std::min(m.sum, *m.ledig);
  m.ledig.reset();
  std::error_code ec;
  fs::rename(Sti(IMappe(mappe, kLedig)), Sti(fil), ec);
  if (ec) return false;
  {
    std::fstream ut(Sti(fil), std::ios::in | std::ios::out | std::ios::binary);
    ut.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!ut.flush()) return false;
  }
  fs::resize_file(Sti(fil), bytes.size(), ec);
  return !ec;
}

// Adds `bytes` at the end of an existing file `fil`.
bool LeggTil(const std::string& fil, const std::string& bytes) {
  std::ofstream ut(Sti(fil), std::ios::binary | std::ios::app);
  if (!ut) return false;
  ut.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(ut.flush());
}

// ---- Versions as what changed ----
//
// The newest version is a full copy (NNNNNN.ini, with its description in
// NNNNNN.txt). When the next save comes, it becomes NNNNNN.dif: its
// description, then what rebuilds it from the next newer version's content
// (pieces of that content and the bytes that differ, store/delta.h); at the
// save after, a second delta, from the version two newer, is added. Restoring
// starts from the newest version and goes down, each version rebuilt from
// whichever of its two newer neighbours could be. Each content is named by
// its length and hash, so a delta is applied only to the content it was made
// against and its result is checked: a damaged delta file costs that version
// alone and never gives back wrong bytes (the newest version, a full copy,
// is what all the others are rebuilt from). A full copy is kept every
// kKjedeMaks versions while it fits in the size cap several times over. Full
// copies of the old form (NNNNNN.ini without a content line) are turned into
// deltas at the next save.

// A chain is rebuilt through at most this many deltas, where the file is
// small enough that the full copies fit in the history's size cap.
constexpr int kKjedeMaks = 20;

// What the last save of this process kept and wrote. The next save, when it
// finds the file as written, need not read back the full copy it turns into
// a delta: the delta that gives that copy from what was written was made for
// the second way back already. Every use is checked against the names of the
// contents, so a stale one is only not used.
struct Sist {
  std::string mappe;
  int nr = 0;              // the version it kept as a full copy
  std::string merke;       // that version's content name
  std::size_t lengde = 0;  // and length
  std::string skrevetMerke;  // the name of what the save wrote
  std::string tilbake;       // gives the version's content from what the save wrote
  int forhand = 0;           // the version below that got its second way back, made against that
};
Sist sist;

std::string Les(const std::string& fil, bool* ok = nullptr) {
  platform::FilLesing l = platform::LesHeleFil(fil);
  if (ok) *ok = l.status == platform::LeseStatus::Ok;
  return l.status == platform::LeseStatus::Ok ? std::move(l.bytes) : std::string();
}

// A version's stored parts: the description and, for a delta, what it is
// made against and the delta itself.
struct Lagret {
  std::string beskrivelse;  // the description's lines
  std::string innhold;      // "length<TAB>hash" of the version's content; empty in the old form
  // What rebuilds it: from the next newer version's content, then (added at
  // the save after) from the one after that, so that one damaged version
  // does not cost the older ones.
  struct Lenke {
    std::string fra;  // "length<TAB>hash" of the content the delta is made against
    std::string_view delta;
  };
  std::vector<Lenke> lenker;
  bool lengder = false;     // every delta says its length (more can be added)
  std::string fil;          // the .dif file's bytes, which the deltas view
  bool erDelta = false;
  // A description (.txt) that holds a delta: one being turned into a .dif
  // was stopped. The lines from the delta on are not its description.
  bool halvDelta = false;
};

// "delta<TAB>length<TAB>hash<TAB>bytes": the line before a delta, which says
// what it is made against and how long it is. The first form had no length
// and ran to the end of the file.
std::string Deltalinje(const std::string& fra, std::size_t lengde) {
  return "delta\t" + fra + "\t" + std::to_string(lengde) + "\n";
}

// `kanVaereDelta` false where the listing shows no .dif for it.
Lagret LesLagret(const std::string& mappe, int nr, bool kanVaereDelta = true) {
  Lagret l;
  bool ok = false;
  if (kanVaereDelta) l.fil = Les(Fil(mappe, nr, ".dif"), &ok);
  l.erDelta = ok;
  if (!ok) l.fil = Les(Fil(mappe, nr, ".txt"));
  const std::string_view fil = l.fil;
  std::size_t a = 0;
  while (a < fil.size()) {
    std::size_t slutt = fil.find('\n', a);
    if (slutt == std::string::npos) slutt = fil.size();
    const std::string_view linje = fil.substr(a, slutt - a);
    a = std::min(slutt + 1, fil.size());
    if (linje.starts_with("delta\t")) {
      l.halvDelta = !l.erDelta;
      if (!l.erDelta) break;
      // The merke holds one tab; a third field is the length.
      const std::size_t t1 = linje.find('\t', 6), t2 = t1 == std::string::npos ? t1 : linje.find('\t', t1 + 1);
      std::size_t i = t2 == std::string::npos ? 0 : t2 + 1;
      const auto lengde = t2 == std::string::npos ? std::nullopt : Tall(linje, i);
      if (!lengde || i != linje.size() || *lengde > fil.size() - a) {
        l.lengder = false;
        if (t2 == std::string::npos) l.lenker.push_back({std::string(linje.substr(6)), fil.substr(a)});
        break;
      }
      l.lengder = true;
      l.lenker.push_back({std::string(linje.substr(6, t2 - 6)), fil.substr(a, *lengde)});
      a += *lengde;
      continue;
    }
    if (!l.lenker.empty()) {  // nothing but deltas follows the first
      l.lengder = false;
      break;
    }
    if (linje.starts_with("innhold\t")) l.innhold = linje.substr(8);
    l.beskrivelse.append(linje).push_back('\n');
  }
  return l;
}

// The content of version numre[i], or nullopt when it cannot be rebuilt
// (never other bytes than it had). Rebuilt from the newest version down,
// each from whichever of its two newer neighbours could be.
std::optional<std::string> Gjenskap(const std::string& mappe, const std::vector<int>& numre, std::size_t i,
                                    std::function<std::optional<std::string>()> fil) {
  struct Kjent {
    std::optional<std::string> innhold;
    std::string merke;  // its name, once the content was found to be it
    std::function<std::optional<std::string>()> hent;  // reads it, at first need
  };
  // The contents of numre[j + 1] and numre[j + 2]; above the newest version
  // stands the settings file, what the last save wrote unless another
  // program changed it since. It is read only when a version needs it (the
  // newest full copy is damaged).
  Kjent nyere[2] = {{std::nullopt, {}, std::move(fil)}, {}};
  for (std::size_t j = numre.size(); j-- > i;) {
    const Lagret l = LesLagret(mappe, numre[j]);
    Kjent her;
    bool ok = false;
    if (std::string kopi = Les(Fil(mappe, numre[j], ".ini"), &ok); ok) {
      // An old full copy has nothing to check it against.
      if (l.innhold.empty() || Passer(l.innhold, kopi)) her.innhold = std::move(kopi);
    }
    // Each delta is applied to whichever newer content it names.
    for (const Lagret::Lenke& lenke : l.lenker) {
      for (Kjent& grunn : nyere) {
        if (her.innhold || !l.erDelta) continue;
        if (!grunn.innhold && grunn.hent) grunn.innhold = std::exchange(grunn.hent, nullptr)();
        if (!grunn.innhold) continue;
        if (lenke.fra != grunn.merke) {
          if (!Passer(lenke.fra, *grunn.innhold)) continue;
          grunn.merke = lenke.fra;
        }
        std::optional<std::string> ut = BrukDelta(*grunn.innhold, lenke.delta);
        if (ut && Passer(l.innhold, *ut)) her.innhold = std::move(ut);
      }
    }
    if (her.innhold) her.merke = l.innhold;
    nyere[1] = std::move(nyere[0]);
    nyere[0] = std::move(her);
  }
  return std::move(nyere[0].innhold);
}

// The number of a version's file name ("000017.dif", "000017.ini.ny"), 0
// for a name of no version.
int NummerAv(const std::string& navn) {
  if (navn.size() < 10 || navn.find_first_not_of("0123456789") != 6 || navn[6] != '.') return 0;
  return std::stoi(navn.substr(0, 6));
}

Mappeinnhold Oversikt(const std::string& mappe) {
  // The files of versions three or more below the newest are never changed
  // again, only removed (a save adds to the newest two): their sizes are
  // kept here for the folder listed last, so that a save looks only at the
  // few files that can have changed.
  static std::string fasteMappe;
  static std::map<std::string, std::uint64_t> faste;
  if (mappe != fasteMappe) {
    faste.clear();
    fasteMappe = mappe;
  }
  const std::vector<std::string> navn = platform::FilnavnI(mappe);
  int nyeste = 0;
  for (const std::string& n : navn) nyeste = std::max(nyeste, NummerAv(n));
  Mappeinnhold m;
  std::map<std::string, std::uint64_t> fortsatt;
  for (const std::string& n : navn) {
    const int nr = NummerAv(n);
    std::uint64_t b = 0;
    if (const auto it = faste.find(n); nr > 0 && nr <= nyeste - 3 && it != faste.end()) {
      b = it->second;
    } else {
      const platform::FilStempel st = platform::Stempel(mappe + (platform::ErSkilletegn(mappe.back()) ? "" : "/") + n);
      b = st.finnes ? st.storrelse : 0;
    }
    if (nr > 0 && nr <= nyeste - 3) fortsatt.emplace(n, b);
    m.sum += b;
    if (n == kLedig) m.ledig = b;
    if (nr == 0) continue;
    if (n.size() == 13 && n.compare(6, 7, ".ini.ny") == 0) m.rester.push_back(n);
    m.bytes[nr] += b;
    if (n.size() == 10 && n.compare(6, 4, ".ini") == 0) m.ini.insert(nr);
    if (n.size() == 10 && n.compare(6, 4, ".dif") == 0) m.dif.insert(nr);
  }
  faste = std::move(fortsatt);
  return m;
}

// The versions a listing holds, ascending.
std::vector<int> Numre(const Mappeinnhold& m) {
  std::vector<int> ut(m.ini.begin(), m.ini.end());
  ut.insert(ut.end(), m.dif.begin(), m.dif.end());
  std::sort(ut.begin(), ut.end());
  ut.erase(std::unique(ut.begin(), ut.end()), ut.end());
  return ut;
}

std::vector<int> Numre(const std::string& mappe) { return Numre(Oversikt(mappe)); }

// Removes version `nr`; the file of a small delta is kept for the next
// description while none is.
void Fjern(const std::string& mappe, int nr, Mappeinnhold& m) {
  std::error_code ec;
  const auto b = m.bytes.find(nr);
  const std::uintmax_t bytes = b == m.bytes.end() ? 0 : b->second;
  if (!m.ledig && m.dif.count(nr) && !m.ini.count(nr) && bytes <= 65536) {
    fs::rename(Sti(Fil(mappe, nr, ".dif")), Sti(IMappe(mappe, kLedig)), ec);
    if (!ec) m.ledig = bytes;
  }
  for (const char* ext : {".ini", ".txt", ".dif"}) fs::remove(Sti(Fil(mappe, nr, ext)), ec);
}

// Version `nr`, a delta made against content A (`a`, named `aMerke`), gets a
// second one made against content C (named `cMerke`), which `dA` rebuilds A
// from: should A's own version be damaged later, `nr` is still rebuilt from
// C. Made from the two deltas alone, without reading either content. Only
// where the second made in advance (TilDelta) was against another content:
// another program changed the file between the two saves.
void ToLenker(const std::string& mappe, int nr, std::string_view dA, std::size_t lengdeA, const std::string& aMerke,
              const std::string& cMerke, Mappeinnhold& m) {
  if (!m.dif.count(nr) || m.ini.count(nr)) return;
  const Lagret l = LesLagret(mappe, nr);
  if (!l.erDelta || !l.lengder || l.lenker.empty() || l.lenker[0].fra != aMerke) return;
  for (const Lagret::Lenke& lenke : l.lenker)
    if (lenke.fra == cMerke) return;  // made against it in advance (below)
  const std::optional<std::string> d = Sett(l.lenker[0].delta, dA, lengdeA);
  if (!d) return;
  const std::string hale = Deltalinje(cMerke, d->size()) + *d;
  if (!LeggTil(Fil(mappe, nr, ".dif"), hale)) return;
  m.bytes[nr] += hale.size();
  m.sum += hale.size();
}

// Once version `nyeste` (content `nyere`) is kept whole: the full copies
// below it become deltas, down to the first delta or full copy kept on
// purpose, with a full copy left where a chain would grow too long. What
// cannot be read stays as it is. `m` is the folder's listing, kept up to date.
// `skrevet` is what this save wrote; `ny` holds its name and the delta from it
// to `nyere`, and notes the version below that gets its second way back from it.
void TilDelta(const std::string& mappe, const std::vector<int>& numre, std::string_view nyere, std::string nyereMerke,
              std::string_view skrevet, Sist& ny, Mappeinnhold& m) {
  // Deltas already hanging below the newest full copy before this one.
  int under = 0;
  for (auto it = numre.rbegin() + (numre.empty() ? 0 : 1); it != numre.rend() && m.dif.count(*it) && !m.ini.count(*it);
       ++it)
    ++under;
  int lengde = 0;
  std::string holder;  // owns `nyere` past the first step
  for (auto it = numre.rbegin(); it != numre.rend(); ++it) {
    const int nr = *it;
    if (!m.ini.count(nr) || m.dif.count(nr)) break;
    const Lagret l = LesLagret(mappe, nr, false);
    if (it != numre.rbegin() && !l.innhold.empty()) break;  // a full copy kept on purpose
    // The copy the last save kept, and the file still as that save wrote it:
    // its delta from `nyere` is at hand.
    const bool husket = it == numre.rbegin() && sist.nr == nr && sist.mappe == mappe && !l.innhold.empty() &&
                        l.innhold == sist.merke && nyereMerke == sist.skrevetMerke;
    std::string innhold, delta;
    std::size_t lengdeInnhold = 0;
    if (husket) {
      delta = sist.tilbake;
      lengdeInnhold = sist.lengde;
    } else {
      bool ok = false;
      innhold = Les(Fil(mappe, nr, ".ini"), &ok);
      if (!ok) break;
      delta = LagDelta(nyere, innhold);
      lengdeInnhold = innhold.size();
    }
    // A full copy with its content line is not checked again here: a damaged
    // one gives a delta whose result fails that check when it is rebuilt.
    const std::string merke = l.innhold.empty() ? Merke(innhold) : l.innhold;
    ++lengde;
    const bool behold = lengde + (it == numre.rbegin() ? under : 0) > kKjedeMaks &&
                        lengdeInnhold * 4 <= static_cast<std::size_t>(kHistorikkBytes);
    std::string grunn;
    const std::string txt = Fil(mappe, nr, ".txt");
    std::error_code ec;
    if (behold) {
      if (l.innhold.empty() && !Skriv(txt, l.beskrivelse + "innhold\t" + merke + "\n", grunn)) break;
      lengde = 0;
    } else {
      std::string hale;
      if (l.innhold.empty()) hale += "innhold\t" + merke + "\n";
      hale += Deltalinje(nyereMerke, delta.size()) + delta;
      // The version after the newest will be what this save writes, unless
      // another program changes the file first: made against that in
      // advance, this version does not depend on the newest alone.
      bool forhand = false;
      if (it == numre.rbegin() && skrevet != nyere) {
        if (const auto d = Sett(delta, ny.tilbake, nyere.size())) {
          hale += Deltalinje(ny.skrevetMerke, d->size()) + *d;
          forhand = true;
        }
      }
      // The description gets the delta added and is renamed: no file is made
      // for it. A description that holds a delta already (a save stopped
      // here before) is written anew instead.
      const std::string dif = Fil(mappe, nr, ".dif");
      const bool omdopt = !l.halvDelta && (l.fil.empty() || l.fil.back() == '\n') && LeggTil(txt, hale);
      if (omdopt) {
        if (fs::rename(Sti(txt), Sti(dif), ec); ec) break;
      } else if (!Skriv(dif, l.beskrivelse + hale, grunn)) {
        break;
      }
      if (forhand) ny.forhand = nr;
      fs::remove(Sti(Fil(mappe, nr, ".ini")), ec);
      if (!omdopt) fs::remove(Sti(txt), ec);
      m.sum -= std::min(m.sum, m.bytes[nr]);
      m.bytes[nr] = l.beskrivelse.size() + hale.size();
      m.sum += m.bytes[nr];
      m.ini.erase(nr);
      m.dif.insert(nr);
    }
    // The version below got its second way back at the last save, against
    // what is the newer content now: nothing to add.
    const bool harForhand = husket && it + 1 != numre.rend() && sist.forhand == *(it + 1);
    if (it == numre.rbegin() && it + 1 != numre.rend() && !harForhand)
      ToLenker(mappe, *(it + 1), delta, lengdeInnhold, merke, nyereMerke, m);
    if (husket) {
      // Only a full copy of the old form below goes on from here, and it
      // needs this content itself.
      if (it + 1 == numre.rend() || !m.ini.count(*(it + 1)) || m.dif.count(*(it + 1))) break;
      std::optional<std::string> gitt = BrukDelta(nyere, delta);
      if (!gitt) break;
      innhold = std::move(*gitt);
    }
    holder = std::move(innhold);
    nyere = holder;
    nyereMerke = merke;
  }
}

Versjon LesVersjon(const std::string& mappe, int nr) {
  Versjon v;
  v.nr = nr;
  const Lagret l = LesLagret(mappe, nr);
  v.fil = Fil(mappe, nr, l.erDelta ? ".dif" : ".ini");
  const std::string& b = l.beskrivelse;
  std::size_t a = 0;
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
  v.merke = Merke(forBytes);
  info += "innhold\t" + v.merke + "\n";
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
    v.innhold = Oversikt(v.mappe);
    const platform::FilStempel ini =
        v.innhold.rester.empty() ? platform::FilStempel{} : platform::Stempel(lokalIni);
    std::error_code ec;
    for (const std::string& r : v.innhold.rester) {
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
    if (!v.innhold.rester.empty()) v.innhold = Oversikt(v.mappe);
    v.numre = Numre(v.innhold);
  }
  v.nr = v.numre.empty() ? 1 : v.numre.back() + 1;
  v.ini = Fil(v.mappe, v.nr, ".ini");
  v.lenke = v.ini + ".ny";
  // The description first: the version is listed once its content is there.
  if (ok && !SkrivILedig(v.mappe, v.innhold, Fil(v.mappe, v.nr, ".txt"), info) &&
      !Skriv(Fil(v.mappe, v.nr, ".txt"), info, v.feil))
    Avbryt(v);
  v.innhold.bytes[v.nr] += info.size();
  v.innhold.sum += info.size();
  return v;
}

bool Fullfor(const NyVersjon& v, const std::string& forBytes, std::string_view etter, bool lenket,
             std::string& melding) {
  std::string grunn = v.feil;
  std::error_code ec;
  if (grunn.empty() && lenket) {
    fs::rename(Sti(v.lenke), Sti(v.ini), ec);
    lenket = !ec;
  }
  if (grunn.empty() && !lenket) Skriv(v.ini, forBytes, grunn);
  if (!grunn.empty()) {
    Avbryt(v);
    sist = {};
    melding = Feiltekst(v.mappe, grunn);
    return false;
  }
  if (!lenket) fs::remove(Sti(v.lenke), ec);
  std::vector<int> numre = v.numre;
  Mappeinnhold m = v.innhold;
  Sist ny{v.mappe, v.nr, v.merke, forBytes.size(), Merke(etter), LagDelta(etter, forBytes), 0};
  TilDelta(v.mappe, numre, forBytes, v.merke, etter, ny, m);
  sist = std::move(ny);
  m.bytes[v.nr] += forBytes.size();
  m.sum += forBytes.size();
  // The oldest go first, beyond the count or the size (the newest stays
  // whatever its size: it is what the last save replaced).
  numre.push_back(v.nr);
  std::uintmax_t sum = m.sum;
  for (std::size_t i = 0; i + 1 < numre.size(); ++i) {
    if (numre.size() - i <= static_cast<std::size_t>(kHistorikkMaks) && sum <= kHistorikkBytes) break;
    const auto b = m.bytes.find(numre[i]);
    if (b != m.bytes.end()) sum -= std::min(sum, b->second);
    Fjern(v.mappe, numre[i], m);
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
  if (lager::Innstillingsfil().empty()) return ut;
  const std::string mappe = Mappe(platform::LokalSti(lager::Innstillingsfil()));
  const std::vector<int> numre = Numre(mappe);
  for (auto it = numre.rbegin(); it != numre.rend(); ++it) ut.push_back(LesVersjon(mappe, *it));
  return ut;
}

std::optional<std::string> Innhold(int nr) {
  if (lager::Innstillingsfil().empty()) return std::nullopt;
  const std::string mappe = Mappe(platform::LokalSti(lager::Innstillingsfil()));
  const std::vector<int> numre = Numre(mappe);
  const auto it = std::find(numre.begin(), numre.end(), nr);
  if (it == numre.end()) return std::nullopt;
  return Gjenskap(mappe, numre, static_cast<std::size_t>(it - numre.begin()), []() -> std::optional<std::string> {
    platform::FilLesing fil = lager::LesInnstillinger(platform::LokalSti(lager::Innstillingsfil()));
    if (fil.status != platform::LeseStatus::Ok) return std::nullopt;
    return std::move(fil.bytes);
  });
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
    g.feil = "Versjon " + std::to_string(nr) + " finnes ikke i historikken for " + lager::Innstillingsfil() + ".";
    return g;
  }
  const std::optional<std::string> innhold = Innhold(nr);
  if (!innhold) {
    g.feil = "Versjon " + std::to_string(nr) + " kan ikke leses eller gjenskapes (" + v->fil + ").";
    return g;
  }
  // The file as this program's saves since that version left it: the
  // version with each later save's changes applied, oldest first.
  IniDocument forventet = IniDocument::fraBytes(*innhold);
  for (auto it = std::make_reverse_iterator(v + 1); it != alle.rend(); ++it) Anvend(forventet, it->endringer);
  const std::string forventetBytes = forventet.tilBytes();

  for (int forsok = 0; forsok < 5; ++forsok) {
    Batch b;
    const IniDocument* d = lager::Dokument();
    if (!d) {
      g.feil = "Kunne ikke lese " + lager::Innstillingsfil() + ": " + lager::Lesefeil() + ".";
      b.forkast();
      return g;
    }
    // The settings file is gone: the version comes back as it is.
    const bool borte = !platform::FinnesFil(platform::LokalSti(lager::Innstillingsfil()));
    IniDocument mal = IniDocument::fraBytes(*innhold);
    if (!borte) {
      const std::string naBytes = d->tilBytes();
      // What is in the file and came from none of these saves came from
      // another program: it is kept, lines and all, on top of the restored
      // version. The remembered machine is no part of any version.
      Endringer andre = Forskjell(forventet, *d);
      std::erase_if(andre.nokler, [](const NokkelEndring& n) { return ErMaskinvalg(n); });
      const std::vector<std::string> kommentarer = NyeKommentarer(forventetBytes, naBytes);
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
      g.feil = "Kunne ikke lagre " + lager::Innstillingsfil() + ": " + u.grunn + ".";
      return g;
    }
    g.ok = true;
    g.historikkfeil = u.historikkfeil;
    return g;
  }
  g.feil = lager::Innstillingsfil() + " endres hele tiden av et annet program; prøv igjen senere.";
  return g;
}

}  // namespace brul::historikk
