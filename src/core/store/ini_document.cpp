#include "store/ini_document.h"

#include <algorithm>
#include <bit>
#include <cstring>
#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#include <emmintrin.h>
#endif
#include <functional>
#include <unordered_map>
#include <unordered_set>

#include "platform/kodeside.h"
#include "platform/tekst.h"

namespace brul {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool Blank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
  std::size_t a = 0, b = s.size();
  while (a < b && Blank(s[a])) ++a;
  while (b > a && Blank(s[b - 1])) --b;
  return s.substr(a, b - a);
}

// Where the name of a header line lies, if the line is one: "[" as the first
// non-blank character, the name up to the last "]".
std::optional<std::string_view> HodeNavn(std::string_view raw) {
  const std::string_view t = Trim(raw);
  if (t.empty() || t.front() != '[') return std::nullopt;
  const std::size_t slutt = t.rfind(']');
  if (slutt == std::string_view::npos || slutt == 0) return std::nullopt;
  return Trim(t.substr(1, slutt - 1));
}

bool HarLinjeskift(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

bool Ascii(std::string_view s) {
  for (char c : s)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

// The value part of a key line as the profile functions return it: they
// stop at a NUL byte, as at the end of the line.
std::string_view Verdi(std::string_view raw) {
  raw = raw.substr(raw.find('=') + 1);
  std::string_view v = Trim(raw.substr(0, raw.find('\0')));
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
    v = v.substr(1, v.size() - 2);
  return v;
}

std::string KuttTil(std::string s, std::size_t maks) {
  // No text of at most `maks` bytes has more than `maks` characters.
  if (s.size() <= maks) return s;
  std::size_t pos = 0, n = 0;
  while (pos < s.size() && n < maks) {
    NesteTegn(s, pos);
    ++n;
  }
  s.resize(pos);
  return s;
}

// Where the next line ends (a CR or an LF), from `fra`; `n` when no line
// break follows.
#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
// Sixteen bytes compared at a time: one pass, and no call per line.
struct Linjeskift {
  const char* data;
  std::size_t n;

  std::size_t finn(std::size_t fra) const {
    const __m128i cr = _mm_set1_epi8('\r'), lf = _mm_set1_epi8('\n');
    std::size_t i = fra;
    for (; i + 16 <= n; i += 16) {
      const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
      const int treff = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, cr), _mm_cmpeq_epi8(v, lf)));
      if (treff != 0) return i + static_cast<std::size_t>(std::countr_zero(static_cast<unsigned>(treff)));
    }
    for (; i < n; ++i)
      if (data[i] == '\r' || data[i] == '\n') return i;
    return n;
  }
};
#else
// The last CR found is remembered across calls: a file with LF endings is
// searched for a CR once.
struct Linjeskift {
  const char* data;
  std::size_t n;
  std::size_t nesteCr = 0;  // position of the next CR at or after the last search, n if none
  bool crKjent = false;

  std::size_t finn(std::size_t fra) {
    if (!crKjent || nesteCr < fra) {
      const void* p = fra < n ? std::memchr(data + fra, '\r', n - fra) : nullptr;
      nesteCr = p ? static_cast<std::size_t>(static_cast<const char*>(p) - data) : n;
      crKjent = true;
    }
    const std::size_t grense = nesteCr;
    const void* p = grense > fra ? std::memchr(data + fra, '\n', grense - fra) : nullptr;
    return p ? static_cast<std::size_t>(static_cast<const char*>(p) - data) : grense;
  }
};
#endif

}  // namespace

IniDocument::IniDocument() = default;

IniDocument IniDocument::fraBytes(std::string_view bytes) {
  if (bytes.substr(0, 2) == std::string_view("\xFF\xFE", 2)) {
    // Held as UTF-8 while it is worked on, and written back as it came.
    std::string hale;
    const std::string utf8 = Utf16LeTilUtf8(bytes.substr(2), hale);
    IniDocument d = fraBytes(utf8, Koding::Utf16Le);
    d.hale_ = std::move(hale);
    return d;
  }
  if (bytes.substr(0, kBom.size()) == kBom) return fraBytes(bytes.substr(kBom.size()), Koding::Utf8Bom);
  return fraBytes(bytes, Koding::Win1252);
}

std::string_view IniDocument::linjesluttI(std::string_view bytes) {
  if (bytes.substr(0, 2) == std::string_view("\xFF\xFE", 2)) return {};
  if (bytes.substr(0, kBom.size()) == kBom) bytes.remove_prefix(kBom.size());
  const std::size_t i = bytes.find_first_of("\r\n");
  if (i == std::string_view::npos) return "\r\n";
  if (bytes[i] == '\n') return "\n";
  return i + 1 < bytes.size() && bytes[i + 1] == '\n' ? "\r\n" : "\r";
}

IniDocument IniDocument::fraBytes(std::string_view bytes, Koding koding) {
  IniDocument d;
  d.koding_ = koding;
  // Room for the lines a save writes, so the first of them does not move
  // the whole file to a bigger buffer.
  d.buf_.reserve(bytes.size() + 1 + bytes.size() / 64 + 256);
  d.buf_.assign(bytes);
  d.buf_.push_back('\0');  // after the last line: it has no ending of its own
  const std::size_t n = bytes.size();
  const char* data = d.buf_.data();

  Linjeskift skift{data, n};
  const std::size_t forsteSlutt = skift.finn(0);
  if (forsteSlutt < n) {
    if (data[forsteSlutt] == '\n') d.eol_ = "\n";
    else if (forsteSlutt + 1 < n && data[forsteSlutt + 1] == '\n') d.eol_ = "\r\n";
    else d.eol_ = "\r";
  }

  d.alle_.reserve(n / 24 + 16);
  Seksjon* aktiv = &d.forord_;
  std::size_t pos = 0;
  while (pos < n) {
    const std::size_t slutt = skift.finn(pos);
    const Linje l{pos, slutt - pos};
    if (slutt >= n) pos = n;
    else pos = slutt + (data[slutt] == '\r' && slutt + 1 < n && data[slutt + 1] == '\n' ? 2 : 1);
    // Only a line whose first non-blank character is "[" can be a header.
    std::size_t i = l.start;
    while (i < slutt && Blank(data[i])) ++i;
    if (i < slutt && data[i] == '[' && HodeNavn(d.raw(l))) {
      Seksjon s;
      s.hode = l;
      s.fra = d.alle_.size();
      d.seksjoner_.push_back(std::move(s));
      aktiv = &d.seksjoner_.back();
      continue;
    }
    d.alle_.push_back(l);
    ++aktiv->antall;
  }
  return d;
}

std::string_view IniDocument::slutt(const Linje& l) const {
  const std::size_t e = l.start + l.lengde;
  switch (buf_[e]) {
    case '\n': return "\n";
    case '\r': return e + 1 < buf_.size() && buf_[e + 1] == '\n' ? "\r\n" : "\r";
    default: return {};
  }
}

std::string IniDocument::seksjonsBytes(std::string_view seksjon) const {
  std::string ut;
  const Seksjon* s = finn(seksjon);
  if (!s) return ut;
  auto legg = [&](const Linje& l) {
    const std::string_view e = slutt(l);
    ut.append(raw(l));
    ut.append(e.empty() ? std::string_view(eol_) : e);
  };
  legg(s->hode);
  const Linje* l = linjer(*s);
  for (std::size_t i = 0, n = antall(*s); i < n; ++i) legg(l[i]);
  return ut;
}

std::string IniDocument::tilBytes() const {
  if (koding_ == Koding::Utf16Le) {
    IniDocument kopi = *this;
    kopi.koding_ = Koding::Win1252;  // the lines alone, as they stand (UTF-8)
    std::string ut("\xFF\xFE", 2), del;
    Utf8TilUtf16Le(kopi.tilBytes(), del);
    return ut + del + hale_;
  }
  std::string ut;
  ut.reserve(buf_.size() + kBom.size() + eol_.size());
  if (koding_ == Koding::Utf8Bom) ut += kBom;
  // Lines that follow each other in buf_ go out in one piece.
  std::size_t fra = 0, til = 0;
  auto tom = [&] {
    ut.append(buf_, fra, til - fra);
    fra = til;
  };
  auto legg = [&](const Linje& l) {
    const std::string_view e = slutt(l);
    if (l.start != til) {
      tom();
      fra = til = l.start;
    }
    til = l.start + l.lengde + e.size();
    // Only the last line can lack an ending; a changed file gets one.
    if (e.empty() && endret_) {
      tom();
      ut += eol_;
    }
  };
  auto seksjon = [&](const Seksjon& s) {
    const Linje* l = linjer(s);
    for (std::size_t i = 0, n = antall(s); i < n; ++i) legg(l[i]);
  };
  seksjon(forord_);
  for (const Seksjon& s : seksjoner_) {
    legg(s.hode);
    seksjon(s);
  }
  tom();
  return ut;
}

std::vector<IniDocument::Linje>& IniDocument::egne(Seksjon& s) {
  if (!s.egen) {
    s.egne.assign(alle_.begin() + static_cast<std::ptrdiff_t>(s.fra),
                  alle_.begin() + static_cast<std::ptrdiff_t>(s.fra + s.antall));
    s.egen = true;
  }
  return s.egne;
}

IniDocument::Linje IniDocument::leggTil(std::string_view raw, std::string_view slutt) {
  // A view into buf_ itself would not survive the growth of buf_.
  const std::less<const char*> for_;
  if (!raw.empty() && !for_(raw.data(), buf_.data()) && for_(raw.data(), buf_.data() + buf_.size()))
    return leggTil(std::string(raw), slutt);
  Linje l{buf_.size(), raw.size()};
  buf_ += raw;
  buf_ += slutt;
  // A 0 byte ends a line without an ending, and keeps a lone CR from being
  // read together with the LF that a later line may start with.
  if (slutt.empty() || slutt == "\r") buf_.push_back('\0');
  return l;
}

void IniDocument::settRaw(Linje& l, std::string_view raw) {
  const std::string e(slutt(l));
  l = leggTil(raw, e);
}

std::string IniDocument::tekst(std::string_view raw) const {
  return koding_ == Koding::Win1252 ? Win1252TilUtf8(raw) : std::string(raw);
}

std::string IniDocument::foldNavn(std::string_view raw) const {
  if (Ascii(raw)) {
    std::string ut(raw);
    for (char& c : ut)
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 0x20);
    return ut;
  }
  return TilStore(tekst(raw));
}

bool IniDocument::koder(std::string_view utf8, std::string& raw) {
  if (koding_ == Koding::Win1252) return Utf8TilWin1252(utf8, raw, &ugyldigTegn_);
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const std::size_t start = pos;
    if (NesteTegn(utf8, pos) >= kUgyldigBase) {
      ugyldigTegn_ = std::string(utf8.substr(start, 1));
      return false;
    }
  }
  raw = std::string(utf8);
  return true;
}

void IniDocument::indekserSeksjoner() const {
  if (seksjonerIndeksert_) return;
  seksjonIndeks_.clear();
  seksjonIndeks_.reserve(seksjoner_.size());
  for (std::size_t i = 0; i < seksjoner_.size(); ++i) {
    const Seksjon& s = seksjoner_[i];
    if (s.foldet.empty()) s.foldet = foldNavn(*HodeNavn(raw(s.hode)));
    seksjonIndeks_.emplace(s.foldet, i);
  }
  seksjonerIndeksert_ = true;
}

void IniDocument::indekser(const Seksjon& s) const {
  if (s.indeksert) return;
  s.nokler.clear();
  s.bare.clear();
  const Linje* l = linjer(s);
  const std::size_t n = antall(s);
  s.nokler.reserve(n);
  for (std::size_t i = 0; i < n; ++i) {
    const std::string_view t = Trim(raw(l[i]));
    if (t.empty() || t.front() == ';') continue;
    const std::size_t lik = t.find('=');
    if (lik == std::string_view::npos)
      s.bare.emplace(foldNavn(t), i);
    else
      s.nokler.emplace(foldNavn(Trim(t.substr(0, lik))), i);
  }
  s.indeksert = true;
}

const IniDocument::Seksjon* IniDocument::finn(std::string_view seksjon) const {
  indekserSeksjoner();
  const auto it = seksjonIndeks_.find(TilStore(Trim(seksjon)));
  return it == seksjonIndeks_.end() ? nullptr : &seksjoner_[it->second];
}

IniDocument::Seksjon* IniDocument::finn(std::string_view seksjon) {
  return const_cast<Seksjon*>(static_cast<const IniDocument*>(this)->finn(seksjon));
}

std::optional<std::size_t> IniDocument::sokNokkel(const Seksjon& s, std::string_view foldet) const {
  const bool asciiSok = Ascii(foldet);
  const Linje* l = linjer(s);
  for (std::size_t i = 0, n = antall(s); i < n; ++i) {
    const std::string_view t = Trim(raw(l[i]));
    if (t.empty() || t.front() == ';') continue;
    // Most lines differ from the name in their first letter.
    const auto c = static_cast<unsigned char>(t.front());
    if (asciiSok && !foldet.empty() && c < 0x80 &&
        (c >= 'a' && c <= 'z' ? static_cast<char>(c - 0x20) : static_cast<char>(c)) != foldet.front())
      continue;
    const std::size_t lik = t.find('=');
    if (lik == std::string_view::npos) continue;
    const std::string_view navn = Trim(t.substr(0, lik));
    if (Ascii(navn)) {
      if (navn.size() != foldet.size()) continue;
      bool lik2 = true;
      for (std::size_t j = 0; j < navn.size() && lik2; ++j) {
        const char b = navn[j];
        lik2 = (b >= 'a' && b <= 'z' ? static_cast<char>(b - 0x20) : b) == foldet[j];
      }
      if (lik2) return i;
    } else if (foldNavn(navn) == foldet) {
      return i;
    }
  }
  return std::nullopt;
}

std::optional<std::string> IniDocument::les(std::string_view seksjon, std::string_view nokkel) const {
  const Seksjon* s = finn(seksjon);
  if (!s) return std::nullopt;
  const std::string foldet = TilStore(Trim(nokkel));
  std::optional<std::size_t> linje;
  if (!s->indeksert && s->gjennomlest < 2) {
    ++s->gjennomlest;
    linje = sokNokkel(*s, foldet);
  } else {
    indekser(*s);
    const auto it = s->nokler.find(foldet);
    if (it != s->nokler.end()) linje = it->second;
  }
  if (!linje) return std::nullopt;
  return KuttTil(tekst(Verdi(raw(linjer(*s)[*linje]))), kMaksLengde);
}

bool IniDocument::harSeksjon(std::string_view seksjon) const { return finn(seksjon) != nullptr; }

std::vector<std::string> IniDocument::seksjoner() const {
  indekserSeksjoner();
  std::vector<std::string> ut;
  for (std::size_t i = 0; i < seksjoner_.size(); ++i)
    if (seksjonIndeks_.at(seksjoner_[i].foldet) == i) ut.push_back(tekst(*HodeNavn(raw(seksjoner_[i].hode))));
  return ut;
}

std::vector<std::string> IniDocument::seksjoner(const std::vector<std::string>& bare) const {
  indekserSeksjoner();
  std::vector<std::size_t> funnet;
  for (const std::string& navn : bare)
    if (const auto it = seksjonIndeks_.find(navn); it != seksjonIndeks_.end()) funnet.push_back(it->second);
  std::sort(funnet.begin(), funnet.end());
  funnet.erase(std::unique(funnet.begin(), funnet.end()), funnet.end());
  std::vector<std::string> ut;
  for (const std::size_t i : funnet) ut.push_back(tekst(*HodeNavn(raw(seksjoner_[i].hode))));
  return ut;
}

std::vector<std::string> IniDocument::nokler(std::string_view seksjon) const {
  std::vector<std::string> ut;
  const Seksjon* s = finn(seksjon);
  if (!s) return ut;
  indekser(*s);
  const Linje* l = linjer(*s);
  for (std::size_t i = 0, n = antall(*s); i < n; ++i) {
    const std::string_view t = Trim(raw(l[i]));
    const std::size_t lik = t.find('=');
    if (t.empty() || t.front() == ';' || lik == std::string_view::npos) continue;
    const std::string_view navn = Trim(t.substr(0, lik));
    if (s->nokler.at(foldNavn(navn)) == i) ut.push_back(tekst(navn));
  }
  return ut;
}

bool IniDocument::likSeksjon(const IniDocument& annen, std::string_view seksjon) const {
  const Seksjon* x = finn(seksjon);
  const Seksjon* y = annen.finn(seksjon);
  if (!x || !y) return x == y;
  if (koding_ != annen.koding_ || antall(*x) != annen.antall(*y)) return false;
  const Linje* lx = linjer(*x);
  const Linje* ly = annen.linjer(*y);
  const std::size_t n = antall(*x);
  if (n > 0 && !x->egen && !y->egen) {
    // A section nobody changed lies in its buffer as read, its lines one
    // after the other with their endings: the same run of bytes on both
    // sides splits into the same lines, so most sections of a save take one
    // comparison. Runs that differ may still differ only in line endings.
    auto lop = [](const IniDocument& d, const Linje* l, std::size_t antall) {
      const std::size_t slutt = l[antall - 1].start + l[antall - 1].lengde;
      return std::string_view(d.buf_).substr(l[0].start, slutt - l[0].start);
    };
    if (lop(*this, lx, n) == lop(annen, ly, n)) return true;
  }
  for (std::size_t i = 0; i < n; ++i)
    if (raw(lx[i]) != annen.raw(ly[i])) return false;
  return true;
}

std::vector<std::string> IniDocument::ulikeNokler(const IniDocument& annen, std::string_view seksjon) const {
  auto alle = [seksjon](const IniDocument& d) {
    std::vector<std::string_view> ut;
    if (const Seksjon* s = d.finn(seksjon)) {
      const Linje* l = d.linjer(*s);
      for (std::size_t i = 0, n = d.antall(*s); i < n; ++i) ut.push_back(d.raw(l[i]));
    }
    return ut;
  };
  const std::vector<std::string_view> her = alle(*this), der = alle(annen);
  // Lines on one side matched with equal lines on the other, one for one.
  std::unordered_map<std::string_view, long> telling;
  for (const std::string_view l : her) ++telling[l];
  std::vector<std::string> ut;
  std::unordered_set<std::string> sett;
  auto legg = [&](const IniDocument& d, std::string_view linje) {
    const std::string_view t = Trim(linje);
    const std::size_t lik = t.find('=');
    if (t.empty() || t.front() == ';' || lik == std::string_view::npos) return;
    const std::string_view navn = Trim(t.substr(0, lik));
    if (sett.insert(d.foldNavn(navn)).second) ut.push_back(d.tekst(navn));
  };
  for (const std::string_view l : der)
    if (auto it = telling.find(l); it != telling.end() && it->second > 0) --it->second;
    else legg(annen, l);
  for (const std::string_view l : her)
    if (auto it = telling.find(l); it != telling.end() && it->second > 0) {
      --it->second;
      legg(*this, l);
    }
  return ut;
}

IniDocument::Utfall IniDocument::sjekkNavn(std::string_view navn, bool nokkel) const {
  if (HarLinjeskift(navn)) return Utfall::Linjeskift;
  if (navn.find('\0') != std::string_view::npos) return Utfall::Nulltegn;
  const std::string_view t = Trim(navn);
  if (t.empty()) return Utfall::UgyldigNavn;
  // A key the file could not read back under the same name.
  if (nokkel && (t.find('=') != std::string_view::npos || t.front() == ';' || t.front() == '['))
    return Utfall::UgyldigNavn;
  return Utfall::Endret;
}

IniDocument::Utfall IniDocument::skriv(std::string_view seksjon, std::string_view nokkel,
                                       std::string_view verdi) {
  ugyldigTegn_.clear();
  for (const auto u : {sjekkNavn(seksjon, false), sjekkNavn(nokkel, true)})
    if (u != Utfall::Endret) return u;
  if (HarLinjeskift(verdi)) return Utfall::Linjeskift;
  if (verdi.find('\0') != std::string_view::npos) return Utfall::Nulltegn;
  seksjon = Trim(seksjon);
  nokkel = Trim(nokkel);
  std::string rawVerdi;
  if (!koder(verdi, rawVerdi)) return Utfall::IkkeLagerbart;
  // Every reader gets at most kMaksLengde of it back: the rest would be
  // lost without a word. Counted in the file's bytes, as the 8-bit readers
  // count (in a Windows-1252 file one byte is one character).
  if (rawVerdi.size() > kMaksLengde && Verdi("=" + rawVerdi).size() > kMaksLengde) return Utfall::ForLang;

  if (Seksjon* s = finn(seksjon)) {
    indekser(*s);
    const std::string foldet = TilStore(nokkel);
    if (auto it = s->nokler.find(foldet); it != s->nokler.end()) {
      const std::string_view gammel = raw(linjer(*s)[it->second]);
      if (Verdi(gammel) == rawVerdi) return Utfall::Uendret;
      // The key keeps the spelling it has in the file.
      const std::string_view t = Trim(gammel);
      std::string ny = std::string(Trim(t.substr(0, t.find('=')))) + "=" + rawVerdi;
      if (ny == gammel) return Utfall::Uendret;
      settRaw(egne(*s)[it->second], ny);
    } else if (auto b = s->bare.find(foldet); b != s->bare.end()) {
      Linje& l = egne(*s)[b->second];
      settRaw(l, std::string(Trim(raw(l))) + "=" + rawVerdi);
      s->indeksert = false;
    } else {
      std::string rawNokkel;
      if (!koder(nokkel, rawNokkel)) return Utfall::IkkeLagerbart;
      // After the section's last key line and the comments right below it;
      // blank lines, and the comments after them that introduce the next
      // section, stay where they are.
      std::vector<Linje>& linjer = egne(*s);
      std::size_t pos = linjer.size();
      auto tomEllerKommentar = [&](std::size_t i) {
        const std::string_view t = Trim(raw(linjer[i]));
        return t.empty() || t.front() == ';';
      };
      while (pos > 0 && tomEllerKommentar(pos - 1)) --pos;
      while (pos < linjer.size() && !Trim(raw(linjer[pos])).empty()) ++pos;
      const Linje ny = nyLinje(rawNokkel + "=" + rawVerdi);
      linjer.insert(linjer.begin() + static_cast<std::ptrdiff_t>(pos), ny);
      s->indeksert = false;
    }
    endret_ = true;
    return Utfall::Endret;
  }

  std::string rawSeksjon, rawNokkel;
  if (!koder(seksjon, rawSeksjon) || !koder(nokkel, rawNokkel)) return Utfall::IkkeLagerbart;
  Seksjon& forrige = seksjoner_.empty() ? forord_ : seksjoner_.back();
  const Linje* siste = antall(forrige) > 0       ? &linjer(forrige)[antall(forrige) - 1]
                       : seksjoner_.empty() ? nullptr
                                            : &forrige.hode;
  if (siste && !Trim(raw(*siste)).empty()) {
    const Linje blank = nyLinje("");
    egne(forrige).push_back(blank);
  }
  Seksjon s;
  s.hode = nyLinje("[" + rawSeksjon + "]");
  s.egen = true;
  s.egne.push_back(nyLinje(rawNokkel + "=" + rawVerdi));
  seksjoner_.push_back(std::move(s));
  if (seksjonerIndeksert_) {
    const Seksjon& ny = seksjoner_.back();
    ny.foldet = foldNavn(*HodeNavn(raw(ny.hode)));
    seksjonIndeks_.emplace(ny.foldet, seksjoner_.size() - 1);
  }
  endret_ = true;
  return Utfall::Endret;
}

IniDocument::Utfall IniDocument::slettNokkel(std::string_view seksjon, std::string_view nokkel) {
  Seksjon* s = finn(seksjon);
  if (!s) return Utfall::Uendret;
  indekser(*s);
  const auto it = s->nokler.find(TilStore(Trim(nokkel)));
  if (it == s->nokler.end()) return Utfall::Uendret;
  std::vector<Linje>& linjer = egne(*s);
  linjer.erase(linjer.begin() + static_cast<std::ptrdiff_t>(it->second));
  s->indeksert = false;
  endret_ = true;
  return Utfall::Endret;
}

IniDocument::Utfall IniDocument::slettSeksjon(std::string_view seksjon) {
  indekserSeksjoner();
  const auto it = seksjonIndeks_.find(TilStore(Trim(seksjon)));
  if (it == seksjonIndeks_.end()) return Utfall::Uendret;
  seksjoner_.erase(seksjoner_.begin() + static_cast<std::ptrdiff_t>(it->second));
  seksjonerIndeksert_ = false;
  endret_ = true;
  return Utfall::Endret;
}

}  // namespace brul
