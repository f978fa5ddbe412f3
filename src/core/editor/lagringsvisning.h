#pragma once
// "Vis endringer": what OK will do, found by pressing OK in a dry run
// (Torrkjoring) and then putting every control of the editor back as it was,
// so the edits stay pending. The questions the save asks are asked during the
// preview; the real save gets the same answers, so the operator is asked once.
#include <string>
#include <vector>

#include "store/forhandsvisning.h"

namespace brul {

class Editor;

struct Lagringsvisning {
  Endringer endringer;
  std::vector<std::string> meldinger;  // "CAPTION: TEXT" the save would show
  struct Svar {
    enum class Type { Sporsmal, Dialog, Katalog } type;
    std::string caption, tekst, svar;
    bool ja = false;
  };
  std::vector<Svar> svar;  // in the order asked
  std::vector<std::string> linjer() const;  // Beskrivelse, then the messages
};

// Runs OK in a dry run and gives the editor back unchanged.
Lagringsvisning VisLagring(Editor& e);
// Presses OK, answering the questions the preview asked as the operator
// answered them then (anything new goes to the operator). Returns what
// OKBtnClick returns.
bool LagreSomVist(Editor& e, const Lagringsvisning& v);

}  // namespace brul
