#include "store/tekst.h"

#include <cstdint>
#include <limits>

#include "store/kodeside.h"

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
