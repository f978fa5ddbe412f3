#include "platform/kodeside.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace brul {
namespace {

// 0x80..0x9F; the undefined codes map to the C1 control of the same number.
constexpr std::array<char32_t, 32> kHoy = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

char32_t Win1252Tegn(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHoy[byte - 0x80];
  return byte;
}

int Win1252Byte(char32_t tegn) {
  if (tegn < 0x80 || (tegn >= 0xA0 && tegn <= 0xFF)) return static_cast<int>(tegn);
  for (std::size_t i = 0; i < kHoy.size(); ++i)
    if (kHoy[i] == tegn) return static_cast<int>(0x80 + i);
  return -1;
}

void LeggTilUtf8(std::string& ut, char32_t c) {
  if (c >= kUgyldigBase) {
    ut.push_back(static_cast<char>(c - kUgyldigBase));
  } else if (c < 0x80) {
    ut.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    ut.push_back(static_cast<char>(0xC0 | (c >> 6)));
    ut.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    ut.push_back(static_cast<char>(0xE0 | (c >> 12)));
    ut.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    ut.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    ut.push_back(static_cast<char>(0xF0 | (c >> 18)));
    ut.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    ut.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    ut.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

char32_t NesteTegn(std::string_view s, std::size_t& pos) {
  const auto b0 = static_cast<unsigned char>(s[pos]);
  if (b0 < 0x80) {
    ++pos;
    return b0;
  }
  int n = 0;
  char32_t c = 0, min = 0;
  if (b0 >= 0xC2 && b0 <= 0xDF) { n = 1; c = b0 & 0x1F; min = 0x80; }
  else if (b0 >= 0xE0 && b0 <= 0xEF) { n = 2; c = b0 & 0x0F; min = 0x800; }
  else if (b0 >= 0xF0 && b0 <= 0xF4) { n = 3; c = b0 & 0x07; min = 0x10000; }
  if (n == 0 || pos + n >= s.size()) {
    ++pos;
    return kUgyldigBase + b0;
  }
  for (int i = 1; i <= n; ++i) {
    const auto b = static_cast<unsigned char>(s[pos + i]);
    if ((b & 0xC0) != 0x80) {
      ++pos;
      return kUgyldigBase + b0;
    }
    c = (c << 6) | (b & 0x3F);
  }
  if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    ++pos;
    return kUgyldigBase + b0;
  }
  pos += n + 1;
  return c;
}

std::string Win1252TilUtf8(std::string_view bytes) {
  std::string ut;
  ut.reserve(bytes.size() + bytes.size() / 8);
  for (char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    if (b < 0x80) ut.push_back(ch);
    else LeggTilUtf8(ut, Win1252Tegn(b));
  }
  return ut;
}

bool Utf8TilWin1252(std::string_view utf8, std::string& ut, std::string* ugyldig) {
  ut.clear();
  ut.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const std::size_t start = pos;
    const char32_t c = NesteTegn(utf8, pos);
    const int b = c >= kUgyldigBase ? -1 : Win1252Byte(c);
    if (b < 0) {
      if (ugyldig) *ugyldig = std::string(utf8.substr(start, pos - start));
      return false;
    }
    ut.push_back(static_cast<char>(b));
  }
  return true;
}

bool GyldigUtf8(std::string_view bytes, bool* flerbyte) {
  bool fler = false;
  std::size_t pos = 0;
  const std::size_t n = bytes.size();
  while (pos < n) {
    // Runs of ASCII, by far the most of a settings file, eight bytes at a time.
    while (pos + 8 <= n) {
      std::uint64_t ord;
      std::memcpy(&ord, bytes.data() + pos, 8);
      if (ord & 0x8080808080808080ULL) break;
      pos += 8;
    }
    while (pos < n && static_cast<unsigned char>(bytes[pos]) < 0x80) ++pos;
    if (pos >= n) break;
    const std::size_t start = pos;
    if (NesteTegn(bytes, pos) >= kUgyldigBase) return false;
    if (pos - start > 1) fler = true;
  }
  if (flerbyte) *flerbyte = fler;
  return true;
}

std::size_t AntallTegn(std::string_view utf8) {
  std::size_t n = 0, pos = 0;
  while (pos < utf8.size()) {
    NesteTegn(utf8, pos);
    ++n;
  }
  return n;
}

std::string Utf16LeTilUtf8(std::string_view bytes, std::string& hale) {
  std::string ut;
  ut.reserve(bytes.size());
  const std::size_t n = bytes.size() / 2;
  auto enhet = [&](std::size_t i) {
    return static_cast<char32_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                 (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
  };
  for (std::size_t i = 0; i < n; ++i) {
    char32_t c = enhet(i);
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < n && enhet(i + 1) >= 0xDC00 && enhet(i + 1) < 0xE000) {
      c = 0x10000 + ((c - 0xD800) << 10) + (enhet(i + 1) - 0xDC00);
      ++i;
    }
    if (c >= 0xD800 && c < 0xE000) {
      // A lone surrogate: the three bytes UTF-8 would give it if it could.
      ut += static_cast<char>(0xE0 | (c >> 12));
      ut += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      ut += static_cast<char>(0x80 | (c & 0x3F));
      continue;
    }
    LeggTilUtf8(ut, c);
  }
  hale.assign(bytes.substr(2 * n));
  return ut;
}

bool Utf8TilUtf16Le(std::string_view utf8, std::string& ut) {
  ut.clear();
  ut.reserve(utf8.size() * 2);
  auto legg = [&](char32_t e) {
    ut += static_cast<char>(e & 0xFF);
    ut += static_cast<char>((e >> 8) & 0xFF);
  };
  for (std::size_t pos = 0; pos < utf8.size();) {
    const auto b = static_cast<unsigned char>(utf8[pos]);
    if (b == 0xED && pos + 2 < utf8.size() && (static_cast<unsigned char>(utf8[pos + 1]) & 0xE0) == 0xA0) {
      legg(0xD000 | ((static_cast<unsigned char>(utf8[pos + 1]) & 0x3F) << 6) |
           (static_cast<unsigned char>(utf8[pos + 2]) & 0x3F));
      pos += 3;
      continue;
    }
    const char32_t c = NesteTegn(utf8, pos);
    if (c >= kUgyldigBase) return false;
    if (c >= 0x10000) {
      legg(0xD800 + ((c - 0x10000) >> 10));
      legg(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      legg(c);
    }
  }
  return true;
}

}  // namespace brul
