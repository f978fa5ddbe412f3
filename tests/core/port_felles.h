#pragma once
// A scratch settings file for the overview and file-index tests: IniFil and
// DataKatalog point into a scratch folder for the life of the object.
#include <string>

#include "app/skriptoperator.h"
#include "app/tilstand.h"
#include "oppstart_felles.h"

namespace brul::test {

class IniKladd {
 public:
  explicit IniKladd(const std::string& innhold, const std::string& data = "C:\\BRUL\\DATA\\")
      : med_(op) {
    kladd.fil("Brul.ini", innhold);
    IniFil = kladd.sti("Brul.ini");
    DataKatalog = data;
  }
  std::string les() const { return kladd.les("Brul.ini"); }

  Kladd kladd;
  SkriptOperator op;

 private:
  BevarTilstand bevar_;
  MedOperator med_;
};

}  // namespace brul::test
