#include "store/visuell.h"

#include <array>

#include "platform/kodeside.h"
#include "platform/tekst.h"
#include "store/merknad.h"

namespace brul {
namespace {

constexpr std::array<const char*, 32> kNavn = {
    "NUL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL", "BS",  "TAB", "LF",
    "VT",  "FF",  "CR",  "SO",  "SI",  "DLE", "XON", "DC2", "XOFF", "DC4", "NAK",
    "SYN", "ETB", "CAN", "EM",  "SUB", "ESC", "FS",  "GS",  "RS",  "US"};

// A token is "[", at most four characters and "]": the "]" is looked for
// among the six characters starting with the "[".
constexpr std::size_t kTokenTegn = 6;

}  // namespace

std::string VisuellKode(unsigned char b) {
  if (b < 32) return std::string("[") + kNavn[b] + "]";
  if (b == '!' || b == '#' || b == '@' || b == '[' || b == ']' || b >= 127)
    return "[" + std::to_string(b) + "]";
  return std::string(1, static_cast<char>(b));
}

bool TolkVisuellKode(std::string_view token, unsigned char& byte) {
  if (token.size() > 2) {
    long v = 0;
    if (TolkHeltall(token.substr(1, token.size() - 2), v) && v >= 0 && v <= 255) {
      byte = static_cast<unsigned char>(v);
      return true;
    }
  }
  for (unsigned char k = 0; k < 32; ++k) {
    if (VisuellKode(k) == token) {
      byte = k;
      return true;
    }
  }
  return false;
}

void FraVisuell(std::string& tekst) {
  if (AntallTegn(tekst) <= 2 || tekst.find('[') == std::string::npos) return;
  std::string ut;
  std::string feil;  // one line per token that did not decode, and why
  std::size_t pos = 0;
  while (pos < tekst.size()) {
    if (tekst[pos] != '[') {
      const std::size_t start = pos;
      NesteTegn(tekst, pos);
      ut.append(tekst, start, pos - start);
      continue;
    }
    // Find "]" among the next six characters (counted as characters, not bytes).
    std::size_t p = pos, slutt = std::string::npos;
    for (std::size_t n = 0; n < kTokenTegn && p < tekst.size(); ++n) {
      if (tekst[p] == ']') {
        slutt = p;
        break;
      }
      NesteTegn(tekst, p);
    }
    if (slutt == std::string::npos) {
      // the "[" is dropped, the rest is read as text
      feil += "\n\"" + tekst.substr(pos, p - pos) +
              "\" har ingen \"]\": en kode har høyst fire tegn mellom klammene. \"[\" er tatt bort.";
      ++pos;
      continue;
    }
    unsigned char byte = 0;
    if (TolkVisuellKode(TilStore(std::string_view(tekst).substr(pos, slutt - pos + 1)), byte))
      LeggTilUtf8(ut, Win1252Tegn(byte));
    else
      feil += "\n\"" + tekst.substr(pos, slutt - pos + 1) +
              "\" er ingen kontrollkode. Skriv koden som [CR], [DC2] eller et tall fra [0] til [255].";
    pos = slutt + 1;
  }
  if (!feil.empty()) lager::Merk("Feil med visuell string", tekst + feil);
  tekst = std::move(ut);
}

}  // namespace brul
