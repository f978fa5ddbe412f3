#include "platform/konsoll.h"

#include "platform/kodeside.h"

namespace brul::platform {
namespace {

// How many bytes the UTF-8 sequence that starts with `b` has; 0 for a byte
// that starts none.
std::size_t SekvensLengde(unsigned char b) {
  if (b >= 0xC2 && b <= 0xDF) return 2;
  if (b >= 0xE0 && b <= 0xEF) return 3;
  if (b >= 0xF0 && b <= 0xF4) return 4;
  return 0;
}

}  // namespace

std::string KonsollTekst(std::string& rest, std::string_view bytes, bool slutt) {
  std::string alle = rest;
  alle.append(bytes);
  rest.clear();
  std::string ut;
  std::size_t pos = 0;
  while (pos < alle.size()) {
    const auto b = static_cast<unsigned char>(alle[pos]);
    const std::size_t lengde = SekvensLengde(b);
    if (!slutt && lengde > 0 && alle.size() - pos < lengde) {
      // Wait for the rest of the sequence when what came so far can start one.
      bool fortsettelse = true;
      for (std::size_t i = pos + 1; i < alle.size(); ++i)
        fortsettelse = fortsettelse && (static_cast<unsigned char>(alle[i]) & 0xC0) == 0x80;
      if (fortsettelse) {
        rest = alle.substr(pos);
        break;
      }
    }
    std::size_t neste = pos;
    const char32_t tegn = NesteTegn(alle, neste);
    if (tegn >= kUgyldigBase) {
      LeggTilUtf8(ut, Win1252Tegn(b));
      pos += 1;
    } else {
      ut.append(alle, pos, neste - pos);
      pos = neste;
    }
  }
  return ut;
}

}  // namespace brul::platform
