#pragma once
// An operator that answers from a script and records what it was shown: the
// command line's `--svar CAPTION=ANSWER` and every test use it.
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/operator.h"

namespace brul {

class SkriptOperator final : public Operator {
 public:
  struct Hendelse {
    enum class Type { Melding, Sporsmal, Dialog, Katalog } type;
    std::string caption;
    std::string text;
    Ikon ikon = Ikon::Ingen;
  };

  // Answers by caption: "Ja"/"Nei" (any letter case) for Yes/No questions,
  // anything else there is taken as No with a message; a text for the
  // question dialog and the folder browser. A question whose caption has no
  // answer takes one given for its text, with or without the closing "?"
  // ("Lagre endringer"), as that is what a reader of the echo sees first.
  // Unanswered questions are No, unanswered dialogs cancelled.
  void svar(const std::string& caption, const std::string& answer) { svar_[caption] = answer; }
  // The answer assumed when the script gives none for this caption (by
  // caption or by text); an explicit answer always wins.
  void standardSvar(const std::string& caption, const std::string& answer) { standard_[caption] = answer; }
  // Where shown texts are echoed (the command line passes std::cerr); none by default.
  void ekko(std::ostream* out) { ekko_ = out; }

  using Operator::melding;
  using Operator::sporsmal;
  void melding(const std::string& caption, const std::string& text, Ikon ikon) override;
  bool sporsmal(const std::string& caption, const std::string& text, Ikon ikon) override;
  bool stillSporsmal(const std::string& caption, const std::string& question,
                     std::string& answer) override;
  std::optional<std::string> velgKatalog(const std::string& title, const std::string& start) override;
  // Answered by the text of a choice (any letter case); none is Avbryt.
  int velgEn(const std::string& caption, const std::string& text, const std::vector<std::string>& valg) override;

  const std::vector<Hendelse>& logg() const { return logg_; }
  std::vector<std::string> meldinger() const;  // "CAPTION: TEXT" of every message
  void tom() { logg_.clear(); }

 private:
  std::optional<std::string> finn(const std::string& caption, const std::string& tekst = {}) const;
  std::map<std::string, std::string> svar_;
  std::map<std::string, std::string> standard_;
  std::vector<Hendelse> logg_;
  std::ostream* ekko_ = nullptr;
};

// Sets an operator for the lifetime of a scope and restores the previous one.
class MedOperator {
 public:
  explicit MedOperator(Operator& op) : forrige_(&operatoren()) { settOperator(&op); }
  ~MedOperator() { settOperator(forrige_); }
  MedOperator(const MedOperator&) = delete;
  MedOperator& operator=(const MedOperator&) = delete;

 private:
  Operator* forrige_;
};

}  // namespace brul
