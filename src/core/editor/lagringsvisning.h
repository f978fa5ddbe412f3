#pragma once
// "Vis endringer": what OK will do, found by pressing OK in a dry run
// (Torrkjoring) and then putting every control of the editor back as it was,
// so the edits stay pending. The questions the save asks are asked during the
// preview; the real save gets the same answers, so the operator is asked once.
#include <optional>
#include <string>
#include <vector>

#include "app/operator.h"
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
// The operator of the save that follows a preview: the questions the
// preview asked get the answers given then, in the same order; anything else
// goes to the real operator.
class SvarFraVisning final : public Operator {
 public:
  SvarFraVisning(Operator& ekte, const Lagringsvisning& v);
  using Operator::melding;
  using Operator::sporsmal;
  void melding(const std::string& caption, const std::string& text, Ikon ikon) override;
  bool sporsmal(const std::string& caption, const std::string& text, Ikon ikon) override;
  bool sporsmalSlette(const std::string& caption, const std::string& text) override;
  bool stillSporsmal(const std::string& caption, const std::string& question, std::string& answer) override;
  std::optional<std::string> velgKatalog(const std::string& title, const std::string& start) override;
  // True while the real operator is being asked or told something.
  bool opptatt() const { return opptatt_ > 0; }

 private:
  const Lagringsvisning::Svar* neste(Lagringsvisning::Svar::Type type, const std::string& caption,
                                     const std::string& tekst);
  // Asks or tells the real operator with opptatt() true meanwhile.
  template <class F>
  decltype(auto) spor(F f) {
    struct Opptatt {
      int& n;
      explicit Opptatt(int& teller) : n(teller) { ++n; }
      ~Opptatt() { --n; }
    } opptatt(opptatt_);
    return f();
  }
  Operator& ekte_;
  const Lagringsvisning& v_;
  std::size_t i_ = 0;
  int opptatt_ = 0;
};

// Presses OK, answering the questions the preview asked as the operator
// answered them then (anything new goes to the operator). Returns what
// OKBtnClick returns.
bool LagreSomVist(Editor& e, const Lagringsvisning& v);

}  // namespace brul
