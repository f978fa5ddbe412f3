#pragma once
// What the operator is told and asked about a save. The store answers a
// commit with an outcome; this says it: conflicts with another program's
// changes are asked key by key, a failure is told, and so is a history
// version that could not be kept.
#include "store/batch.h"

namespace brul {

// The caption of the question about a key another program changed too.
inline constexpr const char* kKonfliktCaption = "Endret av et annet program";
// Its choices, in this order.
inline constexpr const char* kBeholdMin = "Behold min";
inline constexpr const char* kBeholdDeres = "Behold deres";

// Commits `b`, asking about every conflict; Avbryt on any of them writes
// nothing and keeps the batch's changes for another try (the caller drops
// them or keeps the editor changed). True when the save stands.
// `flettet` tells whether other programs' changes were kept beside ours.
bool LagreHandling(Batch& b, bool* flettet = nullptr);

// Puts version `nr` of the history back. Other programs' later changes are
// shown first (caption "Endret av et annet program"), and Nei cancels; a
// failure is told (caption "Gjenopprett"). True when restored.
bool GjenopprettVersjon(int nr);

}  // namespace brul
