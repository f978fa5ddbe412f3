#include "platform/tekst.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "platform/kodeside.h"

namespace brul {
namespace {

char32_t StorBokstav(char32_t c) {
  if (c >= U'a' && c <= U'z') return c - 0x20;
  // à..þ except ÷ (the division sign has no capital).
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
  switch (c) {
    case 0x0161: return 0x0160;  // š
    case 0x0153: return 0x0152;  // œ
    case 0x017E: return 0x017D;  // ž
    case 0x00FF: return 0x0178;  // ÿ
    default: return c;           // ß, µ and everything outside the code page stay
  }
}

}  // namespace

std::string TilStore(std::string_view utf8) {
  std::string ut;
  ut.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const auto b = static_cast<unsigned char>(utf8[pos]);
    if (b < 0x80) {
      ut.push_back(b >= 'a' && b <= 'z' ? static_cast<char>(b - 0x20) : static_cast<char>(b));
      ++pos;
      continue;
    }
    LeggTilUtf8(ut, StorBokstav(NesteTegn(utf8, pos)));
  }
  return ut;
}

bool LikTekst(std::string_view a, std::string_view b) { return TilStore(a) == TilStore(b); }

int FinnIndeks(std::string_view tekst, const std::vector<std::string>& items) {
  const std::string s = TilStore(tekst);
  for (std::size_t i = 0; i < items.size(); ++i)
    if (TilStore(items[i]) == s) return static_cast<int>(i);
  return -1;
}

std::size_t Redigeringsavstand(std::string_view a0, std::string_view b0) {
  const std::string a = TilStore(a0), b = TilStore(b0);
  std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
  for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
  for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i)
    for (std::size_t j = 1; j <= b.size(); ++j) {
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
    }
  return d[a.size()][b.size()];
}

bool TolkHeltall(std::string_view t, long& verdi) {
  std::size_t i = 0;
  while (i < t.size() && (t[i] == ' ' || t[i] == '\t')) ++i;
  bool negativ = false;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) negativ = t[i++] == '-';
  int grunntall = 10;
  if (i < t.size() && t[i] == '$') {
    grunntall = 16;
    ++i;
  } else if (i < t.size() && (t[i] == 'x' || t[i] == 'X')) {
    grunntall = 16;
    ++i;
  } else if (i + 1 < t.size() && t[i] == '0' && (t[i + 1] == 'x' || t[i + 1] == 'X')) {
    grunntall = 16;
    i += 2;
  }
  if (i >= t.size()) return false;
  // A 32-bit integer on every system, as the Windows programs that read the
  // file have it (long is 64 bits on Linux). Accumulated as a negative number
  // so that the most negative value fits.
  constexpr long kMin = std::numeric_limits<std::int32_t>::min();
  long sum = 0;
  for (; i < t.size(); ++i) {
    const char c = t[i];
    int siffer;
    if (c >= '0' && c <= '9') siffer = c - '0';
    else if (grunntall == 16 && c >= 'a' && c <= 'f') siffer = c - 'a' + 10;
    else if (grunntall == 16 && c >= 'A' && c <= 'F') siffer = c - 'A' + 10;
    else return false;
    if (sum < (kMin + siffer) / grunntall) return false;
    sum = sum * grunntall - siffer;
  }
  if (!negativ) {
    if (sum == kMin) return false;
    sum = -sum;
  }
  verdi = sum;
  return true;
}

}  // namespace brul
