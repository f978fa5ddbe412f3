#include "gammel_ini.h"

#include "platform/kodeside.h"
#include "platform/tekst.h"

namespace brul::bench::gammel {
namespace {

// The validation of that time: one character decoded at a time.
bool GyldigUtf8(std::string_view bytes, bool* flerbyte) {
  bool fler = false;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    const std::size_t start = pos;
    if (NesteTegn(bytes, pos) >= kUgyldigBase) return false;
    if (pos - start > 1) fler = true;
  }
  if (flerbyte) *flerbyte = fler;
  return true;
}


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

// The value part of a key line as the profile functions return it.
std::string_view Verdi(std::string_view raw) {
  std::string_view v = Trim(raw.substr(raw.find('=') + 1));
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
    v = v.substr(1, v.size() - 2);
  return v;
}

std::string KuttTil(std::string s, std::size_t maks) {
  std::size_t pos = 0, n = 0;
  while (pos < s.size() && n < maks) {
    NesteTegn(s, pos);
    ++n;
  }
  s.resize(pos);
  return s;
}

}  // namespace

IniDocument::IniDocument() = default;

IniDocument IniDocument::fraBytes(std::string_view bytes) {
  IniDocument d;
  if (bytes.substr(0, kBom.size()) == kBom) {
    d.koding_ = Koding::Utf8Bom;
    bytes.remove_prefix(kBom.size());
  } else {
    bool fler = false;
    d.koding_ = GyldigUtf8(bytes, &fler) && fler ? Koding::Utf8 : Koding::Win1252;
  }
  const std::size_t forsteSlutt = bytes.find_first_of("\r\n");
  if (forsteSlutt != std::string_view::npos) {
    if (bytes[forsteSlutt] == '\n') d.eol_ = "\n";
    else if (forsteSlutt + 1 < bytes.size() && bytes[forsteSlutt + 1] == '\n') d.eol_ = "\r\n";
    else d.eol_ = "\r";
  }
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    const std::size_t slutt = bytes.find_first_of("\r\n", pos);
    Linje l;
    if (slutt == std::string_view::npos) {
      l.raw = std::string(bytes.substr(pos));
      pos = bytes.size();
    } else {
      l.raw = std::string(bytes.substr(pos, slutt - pos));
      const bool crlf = bytes[slutt] == '\r' && slutt + 1 < bytes.size() && bytes[slutt + 1] == '\n';
      l.eol = crlf ? "\r\n" : std::string(1, bytes[slutt]);
      pos = slutt + l.eol.size();
    }
    if (auto navn = HodeNavn(l.raw)) {
      Seksjon s;
      s.foldet = TilStore(d.tekst(std::string(*navn)));
      s.hode = std::move(l);
      d.seksjoner_.push_back(std::move(s));
    } else if (d.seksjoner_.empty()) {
      d.forord_.push_back(std::move(l));
    } else {
      d.seksjoner_.back().linjer.push_back(std::move(l));
    }
  }
  d.indekserSeksjoner();
  return d;
}

std::string IniDocument::tilBytes() const {
  std::string ut;
  if (koding_ == Koding::Utf8Bom) ut += kBom;
  auto legg = [&](const Linje& l) {
    ut += l.raw;
    // Only the last line can lack an ending; a changed file gets one.
    ut += l.eol.empty() && endret_ ? eol_ : l.eol;
  };
  for (const Linje& l : forord_) legg(l);
  for (const Seksjon& s : seksjoner_) {
    legg(s.hode);
    for (const Linje& l : s.linjer) legg(l);
  }
  return ut;
}

std::string IniDocument::tekst(const std::string& raw) const {
  return koding_ == Koding::Win1252 ? Win1252TilUtf8(raw) : raw;
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

void IniDocument::indekserSeksjoner() {
  seksjonIndeks_.clear();
  for (std::size_t i = 0; i < seksjoner_.size(); ++i) seksjonIndeks_.emplace(seksjoner_[i].foldet, i);
}

void IniDocument::indekser(const Seksjon& s) const {
  if (s.indeksert) return;
  s.nokler.clear();
  s.bare.clear();
  for (std::size_t i = 0; i < s.linjer.size(); ++i) {
    const std::string_view t = Trim(s.linjer[i].raw);
    if (t.empty() || t.front() == ';') continue;
    const std::size_t lik = t.find('=');
    if (lik == std::string_view::npos)
      s.bare.emplace(TilStore(tekst(std::string(t))), i);
    else
      s.nokler.emplace(TilStore(tekst(std::string(Trim(t.substr(0, lik))))), i);
  }
  s.indeksert = true;
}

const IniDocument::Seksjon* IniDocument::finn(std::string_view seksjon) const {
  const auto it = seksjonIndeks_.find(TilStore(Trim(seksjon)));
  return it == seksjonIndeks_.end() ? nullptr : &seksjoner_[it->second];
}

IniDocument::Seksjon* IniDocument::finn(std::string_view seksjon) {
  return const_cast<Seksjon*>(static_cast<const IniDocument*>(this)->finn(seksjon));
}

std::optional<std::string> IniDocument::les(std::string_view seksjon, std::string_view nokkel) const {
  const Seksjon* s = finn(seksjon);
  if (!s) return std::nullopt;
  indekser(*s);
  const auto it = s->nokler.find(TilStore(Trim(nokkel)));
  if (it == s->nokler.end()) return std::nullopt;
  return KuttTil(tekst(std::string(Verdi(s->linjer[it->second].raw))), kMaksLengde);
}

bool IniDocument::harSeksjon(std::string_view seksjon) const { return finn(seksjon) != nullptr; }

std::vector<std::string> IniDocument::seksjoner() const {
  std::vector<std::string> ut;
  for (std::size_t i = 0; i < seksjoner_.size(); ++i)
    if (seksjonIndeks_.at(seksjoner_[i].foldet) == i)
      ut.push_back(tekst(std::string(*HodeNavn(seksjoner_[i].hode.raw))));
  return ut;
}

std::vector<std::string> IniDocument::nokler(std::string_view seksjon) const {
  std::vector<std::string> ut;
  const Seksjon* s = finn(seksjon);
  if (!s) return ut;
  indekser(*s);
  for (std::size_t i = 0; i < s->linjer.size(); ++i) {
    const std::string_view raw = s->linjer[i].raw;
    const std::string_view t = Trim(raw);
    const std::size_t lik = t.find('=');
    if (t.empty() || t.front() == ';' || lik == std::string_view::npos) continue;
    std::string navn = tekst(std::string(Trim(t.substr(0, lik))));
    if (s->nokler.at(TilStore(navn)) == i) ut.push_back(std::move(navn));
  }
  return ut;
}

IniDocument::Utfall IniDocument::sjekkNavn(std::string_view navn, bool nokkel) const {
  if (HarLinjeskift(navn)) return Utfall::Linjeskift;
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
  seksjon = Trim(seksjon);
  nokkel = Trim(nokkel);
  std::string rawVerdi;
  if (!koder(verdi, rawVerdi)) return Utfall::IkkeLagerbart;

  if (Seksjon* s = finn(seksjon)) {
    indekser(*s);
    const std::string foldet = TilStore(nokkel);
    if (auto it = s->nokler.find(foldet); it != s->nokler.end()) {
      Linje& l = s->linjer[it->second];
      if (Verdi(l.raw) == rawVerdi) return Utfall::Uendret;
      // The key keeps the spelling it has in the file.
      const std::string_view t = Trim(l.raw);
      std::string ny = std::string(Trim(t.substr(0, t.find('=')))) + "=" + rawVerdi;
      if (ny == l.raw) return Utfall::Uendret;
      l.raw = std::move(ny);
    } else if (auto b = s->bare.find(foldet); b != s->bare.end()) {
      Linje& l = s->linjer[b->second];
      l.raw = std::string(Trim(l.raw)) + "=" + rawVerdi;
      s->indeksert = false;
    } else {
      std::string rawNokkel;
      if (!koder(nokkel, rawNokkel)) return Utfall::IkkeLagerbart;
      // After the last non-blank line, so a blank line between sections stays
      // where it is.
      std::size_t pos = s->linjer.size();
      while (pos > 0 && Trim(s->linjer[pos - 1].raw).empty()) --pos;
      s->linjer.insert(s->linjer.begin() + static_cast<std::ptrdiff_t>(pos),
                       nyLinje(rawNokkel + "=" + rawVerdi));
      s->indeksert = false;
    }
    endret_ = true;
    return Utfall::Endret;
  }

  std::string rawSeksjon, rawNokkel;
  if (!koder(seksjon, rawSeksjon) || !koder(nokkel, rawNokkel)) return Utfall::IkkeLagerbart;
  const Linje* siste = nullptr;
  if (!seksjoner_.empty()) {
    const Seksjon& s = seksjoner_.back();
    siste = s.linjer.empty() ? &s.hode : &s.linjer.back();
  } else if (!forord_.empty()) {
    siste = &forord_.back();
  }
  if (siste && !Trim(siste->raw).empty()) {
    if (seksjoner_.empty()) forord_.push_back(nyLinje(""));
    else seksjoner_.back().linjer.push_back(nyLinje(""));
  }
  Seksjon s;
  s.hode = nyLinje("[" + rawSeksjon + "]");
  s.foldet = TilStore(seksjon);
  s.linjer.push_back(nyLinje(rawNokkel + "=" + rawVerdi));
  seksjoner_.push_back(std::move(s));
  seksjonIndeks_.emplace(seksjoner_.back().foldet, seksjoner_.size() - 1);
  endret_ = true;
  return Utfall::Endret;
}

IniDocument::Utfall IniDocument::slettNokkel(std::string_view seksjon, std::string_view nokkel) {
  Seksjon* s = finn(seksjon);
  if (!s) return Utfall::Uendret;
  indekser(*s);
  const auto it = s->nokler.find(TilStore(Trim(nokkel)));
  if (it == s->nokler.end()) return Utfall::Uendret;
  s->linjer.erase(s->linjer.begin() + static_cast<std::ptrdiff_t>(it->second));
  s->indeksert = false;
  endret_ = true;
  return Utfall::Endret;
}

IniDocument::Utfall IniDocument::slettSeksjon(std::string_view seksjon) {
  const auto it = seksjonIndeks_.find(TilStore(Trim(seksjon)));
  if (it == seksjonIndeks_.end()) return Utfall::Uendret;
  seksjoner_.erase(seksjoner_.begin() + static_cast<std::ptrdiff_t>(it->second));
  indekserSeksjoner();
  endret_ = true;
  return Utfall::Endret;
}

}  // namespace brul::bench::gammel
