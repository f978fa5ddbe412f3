// Fuzz target: the settings file read, edited, written out and read again.
//
// The input is a short edit script followed by the file's bytes. The first
// byte gives the number of edits (byte % 8); each edit is four bytes,
// operation, section, key and value, each followed by the literal bytes it
// asks for:
//   operation % 3: 0 writes the value, 1 deletes the key, 2 erases the section;
//   section, key: below 0x80 a name the document holds (by index), below 0xC0
//     one of kNavn, else the next (byte & 0x3F) bytes of the input;
//   value: below 0x80 one of kVerdier, else the next (byte & 0x7F) bytes.
// A delete or an erase is repeated until the name is gone: deleting the first
// of duplicate keys or sections uncovers the next.
//
// Invariants: an edit refused, or reported as no change, leaves the bytes as
// they were; a written key reads back its value as the profile functions read
// it, a deleted key and an erased section read absent; keys no edit touched
// read as before; the bytes written read back, in the same encoding, to what
// the document they came from answers; and every line no edit addressed is in
// the output byte for byte with its own line ending, in its order, with only
// blank lines, headers and key lines of the edits between.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "krav.h"
#include "platform/kodeside.h"
#include "platform/tekst.h"
#include "store/ini_document.h"

namespace {

using brul::IniDocument;
using Utfall = IniDocument::Utfall;

const std::string kNavn[] = {"Ny", "ny", " Maskin1 ", "MASKIN1", "Æøå", "ÆØÅ", "a]b", "[x", "x]",
                             "a=b", ";c", "", " ", "K\r\nL", "\xF0\x9F\x98\x80", "Sek\tsjon", "\"q\"",
                             std::string("n\0ul", 4)};
const std::string kVerdier[] = {"", "v", " blanke ", "\"sitert\"", "'a'", "\"", "Ø250", "€", "a=b",
                                "x;y", "\xC3\x83\xCB\x9C", "\xF0\x9F\x98\x80", "a\r\nb", "a\rb",
                                std::string("a\0b", 3), std::string(5000, 'x'), "\xFF", "[S]"};
constexpr std::string_view kBom = "\xEF\xBB\xBF";

struct Inndata {
  const char* p;
  std::size_t n;
  unsigned char byte() {
    if (n == 0) return 0;
    --n;
    return static_cast<unsigned char>(*p++);
  }
  std::string bytes(std::size_t k) {
    k = std::min(k, n);
    std::string s(p, k);
    p += k;
    n -= k;
    return s;
  }
};

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

std::string Fold(std::string_view navn) { return brul::TilStore(Trim(navn)); }

// A written value as a read gives it back: trimmed, one pair of quotes
// removed, cut to the longest value a read returns.
std::string Lest(std::string_view v, bool rens = true) {
  if (rens) {
    v = Trim(v);
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
      v = v.substr(1, v.size() - 2);
  }
  std::size_t pos = 0;
  for (std::size_t n = 0; pos < v.size() && n < IniDocument::kMaksLengde; ++n) brul::NesteTegn(v, pos);
  return std::string(v.substr(0, pos));
}

struct Linje {
  std::string_view tekst, slutt;
};

// A file's lines as a reader splits them: at CR LF, LF or CR.
std::vector<Linje> Linjer(std::string_view b) {
  std::vector<Linje> ut;
  for (std::size_t pos = 0; pos < b.size();) {
    const std::size_t e = std::min(b.find_first_of("\r\n", pos), b.size());
    const std::size_t etter =
        e == b.size() ? e : e + (b[e] == '\r' && e + 1 < b.size() && b[e + 1] == '\n' ? 2 : 1);
    ut.push_back({b.substr(pos, e - pos), b.substr(e, etter - e)});
    pos = etter;
  }
  return ut;
}

// A header's name: "[" first, the name up to the last "]".
std::optional<std::string_view> Hode(std::string_view linje) {
  const std::string_view t = Trim(linje);
  const std::size_t slutt = t.rfind(']');
  if (t.empty() || t.front() != '[' || slutt == std::string_view::npos || slutt == 0) return std::nullopt;
  return Trim(t.substr(1, slutt - 1));
}

// The key of a key line, with or without "=".
std::optional<std::string_view> Nokkel(std::string_view linje) {
  const std::string_view t = Trim(linje);
  if (t.empty() || t.front() == ';') return std::nullopt;
  return Trim(t.substr(0, t.find('=')));
}

struct Valg {
  unsigned char byte = 0;
  std::string tekst;
};

struct Redigering {
  unsigned char op = 0;
  Valg seksjon, nokkel, verdi;
};

// What the edits leave, by folded name.
struct Modell {
  struct Seksjon {
    std::string navn;
    bool slettet = false;  // erased: the keys it had read absent
    bool borte = false;    // erased and not written to since
    std::map<std::string, std::pair<std::string, std::optional<std::string>>> nokler;
  };
  std::map<std::string, Seksjon> seksjoner;
  std::set<std::string> slettet, skrevet;
  std::set<std::pair<std::string, std::string>> rort;

  Seksjon& seksjon(const std::string& navn) {
    Seksjon& s = seksjoner[Fold(navn)];
    if (s.navn.empty()) s.navn = navn;
    return s;
  }
  void nokkel(const std::string& s, const std::string& k, std::optional<std::string> v) {
    seksjon(s).nokler[Fold(k)] = {k, std::move(v)};
    rort.insert({Fold(s), Fold(k)});
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Inndata inn{reinterpret_cast<const char*>(data), size};
  std::vector<Redigering> skript(inn.byte() % 8);
  for (Redigering& r : skript) {
    r.op = inn.byte() % 3;
    for (Valg* v : {&r.seksjon, &r.nokkel, &r.verdi}) {
      v->byte = inn.byte();
      if (v == &r.verdi ? v->byte >= 0x80 : v->byte >= 0xC0) v->tekst = inn.bytes(v->byte & (v == &r.verdi ? 0x7F : 0x3F));
    }
  }
  const std::string_view fil(inn.p, inn.n);
  auto navn = [](const Valg& v, const std::vector<std::string>& finnes) {
    if (v.byte >= 0xC0) return v.tekst;
    if (v.byte < 0x80 && !finnes.empty()) return finnes[v.byte % finnes.size()];
    return kNavn[v.byte % std::size(kNavn)];
  };

  const IniDocument o = IniDocument::fraBytes(fil);
  IniDocument d = IniDocument::fraBytes(fil);
  Modell m;
  for (const Redigering& r : skript) {
    const std::string s = navn(r.seksjon, d.seksjoner());
    const std::string k = navn(r.nokkel, d.nokler(s));
    const std::string forBytes = d.tilBytes();
    const bool forEndret = d.endret();
    auto uendret = [&] { return d.tilBytes() == forBytes && d.endret() == forEndret; };
    if (r.op == 0) {
      const std::string v = r.verdi.byte >= 0x80 ? r.verdi.tekst : kVerdier[r.verdi.byte % std::size(kVerdier)];
      const Utfall u = d.skriv(s, k, v);
      if (u != Utfall::Endret) KREV(uendret());
      if (u != Utfall::Endret && u != Utfall::Uendret) continue;
      const std::optional<std::string> lest = d.les(s, k);
      // "No change" also when the file already reads exactly the value given.
      KREV(lest == Lest(v) || (u == Utfall::Uendret && lest == Lest(v, false)));
      m.nokkel(s, k, lest);
      m.seksjon(s).borte = false;
      m.skrevet.insert(Fold(s));
    } else if (r.op == 1) {
      for (std::size_t i = 0; d.les(s, k) && i <= fil.size(); ++i) KREV(d.slettNokkel(s, k) == Utfall::Endret);
      const std::string etter = d.tilBytes();
      KREV(!d.les(s, k) && d.slettNokkel(s, k) == Utfall::Uendret && d.tilBytes() == etter);
      m.nokkel(s, k, std::nullopt);
    } else {
      for (std::size_t i = 0; d.harSeksjon(s) && i <= fil.size(); ++i) KREV(d.slettSeksjon(s) == Utfall::Endret);
      const std::string etter = d.tilBytes();
      KREV(!d.harSeksjon(s) && !d.les(s, k) && d.slettSeksjon(s) == Utfall::Uendret && d.tilBytes() == etter);
      Modell::Seksjon& sek = m.seksjon(s);
      sek.slettet = sek.borte = true;
      for (auto& [fk, nv] : sek.nokler) nv.second.reset();
      m.slettet.insert(Fold(s));
    }
  }

  // The round trip: the bytes read back as the document answers.
  const std::string ut = d.tilBytes();
  KREV(d.endret() || ut == fil);
  const IniDocument r = IniDocument::fraBytes(ut);
  KREV(r.koding() == d.koding() && r.seksjoner() == d.seksjoner());
  for (const std::string& s : d.seksjoner()) {
    KREV(r.nokler(s) == d.nokler(s));
    for (const std::string& k : d.nokler(s)) KREV(r.les(s, k) == d.les(s, k));
  }
  // What was written and deleted, and what no edit touched.
  for (const auto& [fs, sek] : m.seksjoner) {
    for (const auto& [fk, nv] : sek.nokler) KREV(r.les(sek.navn, nv.first) == nv.second);
    if (!sek.slettet) continue;
    KREV(!sek.borte || !r.harSeksjon(sek.navn));
    for (const std::string& k : o.nokler(sek.navn))
      if (!sek.nokler.count(Fold(k))) KREV(!r.les(sek.navn, k));
  }
  for (const std::string& s : o.seksjoner()) {
    const auto sek = m.seksjoner.find(Fold(s));
    if (sek != m.seksjoner.end() && sek->second.slettet) continue;
    for (const std::string& k : o.nokler(s))
      if (sek == m.seksjoner.end() || !sek->second.nokler.count(Fold(k))) KREV(r.les(s, k) == o.les(s, k));
  }

  // The lines. A UTF-16 file's lines are no lines of bytes.
  if (fil.substr(0, 2) == "\xFF\xFE") return 0;
  const bool bom = fil.substr(0, kBom.size()) == kBom;
  KREV((std::string_view(ut).substr(0, kBom.size()) == kBom) == bom);
  auto tekst = [&](std::string_view raw) {
    return d.koding() == IniDocument::Koding::Win1252 ? brul::Win1252TilUtf8(raw) : std::string(raw);
  };
  std::vector<Linje> krevd;  // the lines no edit addressed
  std::string seksjon;
  bool iSeksjon = false;
  for (const Linje& l : Linjer(fil.substr(bom ? kBom.size() : 0))) {
    const auto h = Hode(l.tekst);
    if (h) {
      seksjon = Fold(tekst(*h));
      iSeksjon = true;
    }
    const auto k = Nokkel(l.tekst);
    const bool rort = iSeksjon && (m.slettet.count(seksjon) ||
                                   (!h && k && m.rort.count({seksjon, Fold(tekst(*k))})));
    if (!rort) krevd.push_back(l);
  }
  std::size_t i = 0;
  iSeksjon = false;
  for (const Linje& l : Linjer(std::string_view(ut).substr(bom ? kBom.size() : 0))) {
    const auto h = Hode(l.tekst);
    if (h) {
      seksjon = Fold(tekst(*h));
      iSeksjon = true;
    }
    // A line ending in a lone CR (a line of the file, or a new or rewritten
    // line) reads as one with a blank line ending in LF that an edit put
    // right after it: that blank line is gone.
    const bool sammen = l.slutt == "\r\n";
    if (i < krevd.size() && l.tekst == krevd[i].tekst) {
      const std::string_view e = krevd[i].slutt;
      // The file's last line gets an ending when lines follow.
      if (l.slutt == e || (e.empty() && l.slutt == d.linjeslutt()) || (e == "\r" && sammen)) {
        ++i;
        if (e == "\r" && sammen && i < krevd.size() && krevd[i].tekst.empty() && krevd[i].slutt == "\n") ++i;
        continue;
      }
    }
    const auto k = Nokkel(l.tekst);
    KREV(Trim(l.tekst).empty() || (h && m.skrevet.count(seksjon)) ||
         (!h && iSeksjon && k && m.rort.count({seksjon, Fold(tekst(*k))})));
    if (sammen && i < krevd.size() && krevd[i].tekst.empty() && krevd[i].slutt == "\n") ++i;
  }
  KREV(i == krevd.size());
  return 0;
}
