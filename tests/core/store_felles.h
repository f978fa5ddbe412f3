#pragma once
// Shared by the settings-store tests: a scratch drive C: mapped to a temporary
// folder, IniFil pointing into it, and the operator recording every message.
#include "app/skriptoperator.h"
#include "skrapdisk.h"

namespace brul::test {

class StoreKladd : public SkrapDisk {
 public:
  StoreKladd() : SkrapDisk("store") {}

  SkriptOperator logg;

 private:
  MedOperator medOp_{logg};
};

}  // namespace brul::test
