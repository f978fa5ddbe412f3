#include "app/operator.h"

#include <cstdio>

#include "store/merknad.h"

namespace brul {
namespace {

// Used before any window or script exists (start-up, tools): nothing is lost,
// the text reaches standard error, and no question is taken as a Yes.
struct StandardFeil final : Operator {
  using Operator::melding;
  using Operator::sporsmal;
  void melding(const std::string& caption, const std::string& text, Ikon) override {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
  }
  bool sporsmal(const std::string& caption, const std::string& text, Ikon) override {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    return false;
  }
  bool stillSporsmal(const std::string& caption, const std::string& question,
                     std::string&) override {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), question.c_str());
    return false;
  }
  std::optional<std::string> velgKatalog(const std::string&, const std::string&) override {
    return std::nullopt;
  }
};

StandardFeil standardFeil;
Operator* aktiv = &standardFeil;

// The store's notes are messages like any other once someone can see them.
void SiMerknad(const lager::Merknad& m) { aktiv->melding(m.tittel, m.tekst); }

}  // namespace

Operator& operatoren() { return *aktiv; }
void settOperator(Operator* op) {
  aktiv = op ? op : &standardFeil;
  lager::SettMerknadsmottaker(&SiMerknad);
}
void VisMelding(const std::string& caption, const std::string& text) {
  aktiv->melding(caption, text);
}

}  // namespace brul
