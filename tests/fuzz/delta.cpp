// Fuzz target: the deltas the history keeps its versions as. The input is
// cut in three contents A, B and C. A delta rebuilds exactly what it was made
// for; the delta made of two (B from A, A from C) rebuilds B from C; the
// content names tell contents apart by length; and any bytes taken as a
// delta are applied or refused without a crash.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "krav.h"
#include "store/delta.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace brul::historikk;
  const std::string_view inn(reinterpret_cast<const char*>(data), size);
  // Cut at the first two bytes 0x1F (or at the end): A, B, C.
  const std::size_t i = std::min(inn.find('\x1F'), inn.size());
  const std::size_t j = i < inn.size() ? std::min(inn.find('\x1F', i + 1), inn.size()) : inn.size();
  const std::string_view a = inn.substr(0, i);
  const std::string_view b = i < inn.size() ? inn.substr(i + 1, j - i - 1) : std::string_view();
  const std::string_view c = j < inn.size() ? inn.substr(j + 1) : std::string_view();

  const std::string ab = LagDelta(a, b), ca = LagDelta(c, a);
  KREV(BrukDelta(a, ab) == std::string(b));
  KREV(BrukDelta(c, ca) == std::string(a));
  const auto satt = Sett(ab, ca, a.size());
  KREV(satt && BrukDelta(c, *satt) == std::string(b));

  KREV(Passer(Merke(a), a));
  if (a.size() != b.size()) KREV(!Passer(Merke(a), b));

  // The raw input as a delta: applied or refused, never more than it says.
  if (const auto ut = BrukDelta(a, inn)) KREV(ut->size() <= a.size() * (inn.size() + 1) + inn.size());
  (void)Sett(inn, ab, b.size());
  return 0;
}
