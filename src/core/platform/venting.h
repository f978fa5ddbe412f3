#pragma once
// The bounded waits of the file primitives (for a program writing the
// settings file, for another save's lock), the same on every system: told
// to the front end once they pass kVarselMs, given up after kVentMs.
// Platform-internal.
#include <chrono>
#include <string>
#include <thread>

#include "platform/fil.h"

namespace brul::platform {

inline constexpr const char* kVenterSkriver = "Venter på et annet program som skriver i innstillingsfilen ...";
inline constexpr const char* kVenterLagring = "Venter på at en annen lagring av innstillingsfilen blir ferdig ...";

// Why a wait was given up, for the operator.
inline std::string SkriverGrunn() {
  return "et annet program skriver i filen og ble ikke ferdig på " + std::to_string(kVentMs / 1000) + " sekunder";
}
inline std::string LagringGrunn() {
  return "en annen lagring av filen ble ikke ferdig på " + std::to_string(kVentMs / 1000) + " sekunder";
}

class Venting {
 public:
  explicit Venting(const char* hva) : hva_(hva), start_(std::chrono::steady_clock::now()) {}
  ~Venting() {
    if (varslet_) Varsle({});  // the wait is over
  }
  Venting(const Venting&) = delete;
  Venting& operator=(const Venting&) = delete;
  // False once the wait is over; otherwise sleeps a little (briefly at
  // first: most writers are done within a few milliseconds).
  bool igjen() {
    const auto gatt =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start_).count();
    if (gatt >= kVentMs) return false;
    if (!varslet_ && gatt >= kVarselMs) {
      varslet_ = true;
      Varsle(hva_);
    }
    std::this_thread::sleep_for(std::chrono::microseconds(gatt < 50 ? 1000 : 5000));
    return true;
  }

 private:
  const char* hva_;
  std::chrono::steady_clock::time_point start_;
  bool varslet_ = false;
};

}  // namespace brul::platform
