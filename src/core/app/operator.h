#pragma once
// The operator as the model sees them: every message, question and dialog the
// core needs goes through this interface. The window implements it with real
// dialogs; the command line and the tests answer from a script.
#include <optional>
#include <string>

namespace brul {

struct Operator {
  virtual ~Operator() = default;
  // A message with an OK button (the system's VisMelding).
  virtual void melding(const std::string& caption, const std::string& text) = 0;
  // A Yes/No question; true for Yes.
  virtual bool sporsmal(const std::string& caption, const std::string& text) = 0;
  // The one-line question dialog: `answer` holds the proposal on entry and the
  // operator's text on return; the result is true for OK, false for Avbryt.
  virtual bool stillSporsmal(const std::string& caption, const std::string& question,
                             std::string& answer) = 0;
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
