#pragma once
// The operator as the model sees them: every message, question and dialog the
// core needs goes through this interface. The window implements it with real
// dialogs; the command line and the tests answer from a script.
#include <optional>
#include <string>
#include <vector>

namespace brul {

// The icon of a message box.
enum class Ikon { Ingen, Sporsmal, Informasjon, Advarsel };

struct Operator {
  virtual ~Operator() = default;
  // A message with an OK button; VisMelding shows it without an icon.
  virtual void melding(const std::string& caption, const std::string& text, Ikon ikon) = 0;
  void melding(const std::string& caption, const std::string& text) { melding(caption, text, Ikon::Ingen); }
  // A Yes/No question; true for Yes. Questions carry the question icon unless
  // the caller says otherwise.
  virtual bool sporsmal(const std::string& caption, const std::string& text, Ikon ikon) = 0;
  bool sporsmal(const std::string& caption, const std::string& text) {
    return sporsmal(caption, text, Ikon::Sporsmal);
  }
  // A Yes/No question whose Ja deletes something: Nei is its default answer,
  // so that a hasty Enter keeps the data. Everyone who does not offer a
  // default answer asks it as any other question.
  virtual bool sporsmalSlette(const std::string& caption, const std::string& text) {
    return sporsmal(caption, text, Ikon::Sporsmal);
  }
  // The one-line question dialog: `answer` holds the proposal on entry and the
  // operator's text on return; the result is true for OK, false for Avbryt.
  virtual bool stillSporsmal(const std::string& caption, const std::string& question,
                             std::string& answer) = 0;
  // A question with a button for each of `valg`; the index of the one
  // pressed, -1 for Avbryt (or the close box). Those who cannot ask cancel.
  virtual int velgEn(const std::string& caption, const std::string& text, const std::vector<std::string>& valg) {
    (void)caption, (void)text, (void)valg;
    return -1;
  }
  // A folder browser; nullopt when cancelled.
  virtual std::optional<std::string> velgKatalog(const std::string& title,
                                                 const std::string& start) = 0;
};

// The operator the core reports to. Never null: until someone registers one,
// messages go to standard error and questions are answered No / cancelled.
Operator& operatoren();
// Registers `op` (not owned); nullptr restores the standard-error fallback.
void settOperator(Operator* op);

// The system's VisMelding: a message to the operator.
void VisMelding(const std::string& caption, const std::string& text);

}  // namespace brul
