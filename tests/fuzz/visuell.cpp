// Fuzz target: the decoder of the bracketed control-code notation. Any text
// decodes without a crash or a hang, valid UTF-8 stays valid, and the input
// taken as bytes, written byte by byte in the notation, decodes without
// complaint to those bytes' characters and converts back to the same bytes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/skriptoperator.h"
#include "krav.h"
#include "platform/kodeside.h"
#include "store/visuell.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace brul;
  // The decoder reports a malformed value to the operator: one that only
  // records, so that a complaint can be asked about.
  static SkriptOperator op;
  static const MedOperator med(op);
  op.tom();
  const std::string inn(reinterpret_cast<const char*>(data), size);

  std::string ut = inn;
  FraVisuell(ut);
  if (inn.find('[') == std::string::npos) KREV(ut == inn && op.logg().empty());
  if (GyldigUtf8(inn)) KREV(GyldigUtf8(ut));

  std::string visuell;
  static bool provd[256] = {};  // each byte's code is the same every time: checked once
  for (const char c : inn) {
    const auto b = static_cast<unsigned char>(c);
    const std::string kode = VisuellKode(b);
    unsigned char tilbake = 0;
    if (!provd[b])
      KREV(kode.size() == 1 ? kode[0] == c && c != '[' : TolkVisuellKode(kode, tilbake) && tilbake == b);
    provd[b] = true;
    visuell += kode;
  }
  op.tom();
  std::string dekodet = visuell;
  FraVisuell(dekodet);
  KREV(op.logg().empty());
  KREV(dekodet == Win1252TilUtf8(inn));
  std::string bytes;
  KREV(Utf8TilWin1252(dekodet, bytes) && bytes == inn);
  return 0;
}
