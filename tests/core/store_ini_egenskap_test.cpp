// The parser against a plain reference on random files: whatever the bytes,
// the document gives them back unchanged, and every look-up answers what a
// straightforward reading of the rules (split the lines, find the first
// section of the name, then the first key of the name in it) answers. The
// parser keeps lines as views into one buffer and builds its indexes late;
// this is what keeps such shortcuts honest.
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "platform/kodeside.h"
#include "platform/tekst.h"
#include "store/ini_document.h"

namespace brul {
namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// The rules read the slow and obvious way.
struct Referanse {
  bool utf8 = false;
  std::vector<std::string_view> linjer;
  std::string utf16;  // a UTF-16LE file's text, as UTF-8

  // Only a byte-order mark makes a file anything but Windows-1252.
  explicit Referanse(std::string_view b) {
    if (b.substr(0, 3) == "\xEF\xBB\xBF") {
      utf8 = true;
      b.remove_prefix(3);
    } else if (b.substr(0, 2) == "\xFF\xFE") {
      std::string hale;
      utf16 = Utf16LeTilUtf8(b.substr(2), hale);
      utf8 = true;
      b = utf16;
    }
    std::size_t pos = 0;
    while (pos < b.size()) {
      std::size_t i = pos;
      while (i < b.size() && b[i] != '\r' && b[i] != '\n') ++i;
      linjer.push_back(b.substr(pos, i - pos));
      if (i + 1 < b.size() && b[i] == '\r' && b[i + 1] == '\n') ++i;
      pos = i + 1;
    }
  }
  std::string Tekst(std::string_view raw) const { return utf8 ? std::string(raw) : Win1252TilUtf8(raw); }
  static std::optional<std::string_view> Hode(std::string_view l) {
    const std::string_view t = Trim(l);
    if (t.empty() || t.front() != '[') return std::nullopt;
    const std::size_t s = t.rfind(']');
    if (s == std::string_view::npos || s == 0) return std::nullopt;
    return Trim(t.substr(1, s - 1));
  }
  // Index of the first header of that name, the line count when none.
  std::size_t Seksjon(std::string_view navn) const {
    for (std::size_t i = 0; i < linjer.size(); ++i)
      if (auto h = Hode(linjer[i]); h && TilStore(Tekst(*h)) == TilStore(Trim(navn))) return i;
    return linjer.size();
  }
  std::optional<std::string> Les(std::string_view seksjon, std::string_view nokkel) const {
    for (std::size_t i = Seksjon(seksjon) + 1; i < linjer.size() && !Hode(linjer[i]); ++i) {
      const std::string_view t = Trim(linjer[i]);
      const std::size_t lik = t.find('=');
      if (t.empty() || t.front() == ';' || lik == std::string_view::npos) continue;
      if (TilStore(Tekst(Trim(t.substr(0, lik)))) != TilStore(Trim(nokkel))) continue;
      std::string_view v = t.substr(lik + 1);
      v = Trim(v.substr(0, v.find('\0')));  // a read stops at a NUL byte
      if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
      std::string ut = Tekst(v);
      std::size_t pos = 0, n = 0;
      while (pos < ut.size() && n < IniDocument::kMaksLengde) {
        NesteTegn(ut, pos);
        ++n;
      }
      ut.resize(pos);
      return ut;
    }
    return std::nullopt;
  }
  // The lines of the first section of that name, none when it is missing.
  std::optional<std::vector<std::string_view>> Linjer(std::string_view navn) const {
    std::size_t i = Seksjon(navn);
    if (i == linjer.size()) return std::nullopt;
    std::vector<std::string_view> ut;
    while (++i < linjer.size() && !Hode(linjer[i])) ut.push_back(linjer[i]);
    return ut;
  }
};

TEST(IniEgenskap, TilfeldigeFilerGirSammeByteOgSvarSomReferansen) {
  // Pieces that make the rules matter (headers, blanks, quotes, comments,
  // every line ending, a byte-order mark, Windows-1252 and UTF-8 letters in
  // both cases, undefined and zero bytes), and names to look up.
  const std::vector<std::string> biter = {
      "[",  "]",   "=",    ";",    " ",      "\t",     "\r",       "\n",   "\r\n", "\"",     "'",
      "a",  "A",   "Navn", "NAVN", "navn",   "S",      "s",        "x=y",  "[S]",  "[ s ]",  "\xE6",
      "\xC6", "\xC3\xA6", "\xC3\x86", "\x81", "\xFF", std::string(1, '\0'), "\xEF\xBB\xBF", "v", "[\xC6]",
      "[\xC3\xA6]", std::string(40, 'k'), "\xFF\xFE"};
  const std::vector<std::string> navn = {"S",    "s",      "a",      "A",  "Navn", " navn ", "\xC3\xA6",
                                         "\xC3\x86", "x", "k", "[S]", "v",  "",     std::string(40, 'K')};
  std::mt19937 slump(20261208);
  for (int runde = 0; runde < 2000; ++runde) {
    std::string fil;
    const int antall = static_cast<int>(slump() % 80);
    for (int i = 0; i < antall; ++i) {
      if (slump() % 10 == 0) fil.push_back(static_cast<char>(slump() % 256));
      else fil += biter[slump() % biter.size()];
    }
    SCOPED_TRACE("runde " + std::to_string(runde));
    const IniDocument d = IniDocument::fraBytes(fil);
    ASSERT_EQ(d.tilBytes(), fil);
    const Referanse r(fil);
    for (const std::string& s : navn) {
      ASSERT_EQ(d.harSeksjon(s), r.Seksjon(s) < r.linjer.size()) << s;
      for (const std::string& k : navn) ASSERT_EQ(d.les(s, k), r.Les(s, k)) << s << " / " << k;
    }
    // Against the same file, one with a byte changed, or one with other line
    // endings: a section is alike in both when its lines are, byte for byte.
    std::string annen = fil;
    const unsigned variant = slump() % 3;
    if (variant == 1 && !annen.empty()) annen[slump() % annen.size()] = biter[slump() % biter.size()][0];
    for (std::size_t p = 0; variant == 2 && (p = annen.find("\r\n", p)) != std::string::npos;) annen.erase(p, 1);
    const IniDocument a = IniDocument::fraBytes(annen);
    const Referanse ra(annen);
    for (const std::string& s : navn) {
      const auto lx = r.Linjer(s), ly = ra.Linjer(s);
      const bool lik = lx && ly ? d.koding() == a.koding() && *lx == *ly : !lx && !ly;
      ASSERT_EQ(d.likSeksjon(a, s), lik) << s << " / variant " << variant;
    }
  }
}

// A document that was edited behaves as one read from the bytes it gives:
// the store starts a save from the document of the last one when the file
// still holds its bytes, instead of parsing them again: not where the bytes
// no longer show the line ending it gives new lines.
TEST(IniEgenskap, EndretDokumentErSomDetLestFraSineByte) {
  const std::vector<std::string> filer = {"", "x", "[S]\r\nk=1\r\n", "[S]\nk=1", "\xEF\xBB\xBF[S]\nk=\xC3\xA6\n[T]\n",
                                          std::string("\xFF\xFE[\0S\0]\0\r\0\n\0", 12), "; c\r[s]\rK=2\r[S]\r\n"};
  const std::vector<std::string> navn = {"S", "s", "T", " t ", "\xC3\x86", "k", "K", "Ny"};
  const std::vector<std::string> verdier = {"", "1", "a b", "\xC3\xA6\xC3\xB8", "\xE2\x82\xAC", "x=y", ";z"};
  std::mt19937 slump(testing::UnitTest::GetInstance()->random_seed());
  for (int runde = 0; runde < 300; ++runde) {
    IniDocument d = IniDocument::fraBytes(filer[slump() % filer.size()]);
    for (int i = 0; i < 12; ++i) {
      if (d.linjeslutt() != IniDocument::linjesluttI(d.tilBytes())) d = IniDocument::fraBytes(d.tilBytes());
      IniDocument lest = IniDocument::fraBytes(d.tilBytes());
      const std::string& s = navn[slump() % navn.size()];
      const std::string& k = navn[slump() % navn.size()];
      const std::string& v = verdier[slump() % verdier.size()];
      const unsigned hva = slump() % 6;
      auto gjor = [&](IniDocument& x) {
        return hva == 0 ? x.slettSeksjon(s) : hva == 1 ? x.slettNokkel(s, k) : x.skriv(s, k, v);
      };
      ASSERT_EQ(gjor(d), gjor(lest)) << runde << "/" << i;
      ASSERT_EQ(d.tilBytes(), lest.tilBytes()) << runde << "/" << i;
      ASSERT_EQ(d.koding(), lest.koding()) << runde << "/" << i;
    }
  }
}

// An edit never changes how the other programs read the file: a file keeps
// its encoding through any write it can hold, and what is written reads
// back. Windows-1252 text that happens to look like UTF-8 stays Windows-1252.
TEST(IniEgenskap, SkrivingBeholderFilensTegnsett) {
  const std::vector<std::string> filer = {
      "[Maskin1]\r\nNavn=Fres \xD8" "250\r\n; \xC3\xB8\r\n",
      "\xEF\xBB\xBF[Maskin1]\nNavn=Fres \xC3\x98" "250\n",
      std::string("\xFF\xFE[\0M\0]\0\r\0\n\0k\0=\0\xD8\0\r\0\n\0", 22)};
  const std::vector<std::string> verdier = {"Fres 250", "Fres \xC3\x98" "250", "\xC3\xA6\xC3\xB8\xC3\xA5", "", "a=b"};
  std::mt19937 slump(7);
  for (const std::string& fil : filer) {
    IniDocument d = IniDocument::fraBytes(fil);
    const IniDocument::Koding koding = d.koding();
    for (int i = 0; i < 40; ++i) {
      const std::string& v = verdier[slump() % verdier.size()];
      const std::string k = i % 2 ? "Navn" : "K" + std::to_string(slump() % 5);
      const bool lik = d.les("Maskin1", k) == v;
      ASSERT_EQ(d.skriv("Maskin1", k, v), lik ? IniDocument::Utfall::Uendret : IniDocument::Utfall::Endret);
      const IniDocument igjen = IniDocument::fraBytes(d.tilBytes());
      ASSERT_EQ(igjen.koding(), koding) << i;
      ASSERT_EQ(igjen.les("Maskin1", k), std::optional<std::string>(v)) << i;
    }
  }
}

}  // namespace
}  // namespace brul
