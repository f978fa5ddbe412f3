#pragma once
// What rebuilds one content from another: the deltas the history keeps its
// older versions as, and the names ("length<TAB>hash") that tell a delta
// which content it was made against and whether its result is right.
//
// A delta is a list of steps, each "k <from> <count>\n" (bytes copied from
// the base) or "n <count>\n<bytes>" (bytes as they stand).
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace brul::historikk {

// "length<TAB>hash" of a content.
std::string Merke(std::string_view s);
// Whether `s` is the content `merke` names, in whichever form it was made.
bool Passer(const std::string& merke, std::string_view s);

// What rebuilds `b` from `a`.
std::string LagDelta(std::string_view a, std::string_view b);
// `a` with delta `d` applied; nullopt when the delta does not fit it.
std::optional<std::string> BrukDelta(std::string_view a, std::string_view d);
// The delta that gives what `d1` gives from content A, made from content C,
// where `d2` gives A from C (A `lengdeA` bytes long); nullopt when they do
// not fit together.
std::optional<std::string> Sett(std::string_view d1, std::string_view d2, std::size_t lengdeA);

// The decimal number at `i` (moved past it); nullopt when there is none or it
// does not fit.
std::optional<std::size_t> Tall(std::string_view s, std::size_t& i);

}  // namespace brul::historikk
