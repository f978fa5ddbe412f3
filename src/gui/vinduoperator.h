#pragma once
// The operator as the window shows it: message boxes for messages and
// Yes/No questions, the question dialog, and the folder browser. Registered
// with settOperator for as long as it lives.
#include <QPointer>
#include <QMessageBox>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "app/operator.h"

namespace brul::gui {

class AskForm;

class VinduOperator final : public Operator {
 public:
  // `eier` owns the message boxes (may be null: no owner window), `ask` is
  // the question dialog (may be null: one is made when needed).
  explicit VinduOperator(QWidget* eier = nullptr, AskForm* ask = nullptr);
  ~VinduOperator() override;
  VinduOperator(const VinduOperator&) = delete;
  VinduOperator& operator=(const VinduOperator&) = delete;

  void settEier(QWidget* eier) { eier_ = eier; }
  void settAskForm(AskForm* ask) { ask_ = ask; }

  using Operator::melding;
  using Operator::sporsmal;
  void melding(const std::string& caption, const std::string& text, Ikon ikon) override;
  bool sporsmal(const std::string& caption, const std::string& text, Ikon ikon) override;
  bool sporsmalSlette(const std::string& caption, const std::string& text) override;
  bool stillSporsmal(const std::string& caption, const std::string& question,
                     std::string& answer) override;
  std::optional<std::string> velgKatalog(const std::string& title, const std::string& start) override;
  int velgEn(const std::string& caption, const std::string& text, const std::vector<std::string>& valg) override;

  // Messages waiting for the mouse button to be released (see UnderMusetrykk).
  size_t ventende() const { return vent_.size(); }

 private:
  struct Melding {
    std::string caption, text;
    Ikon ikon;
  };
  void visVentende();
  // The Yes/No box both questions share; only the default button differs.
  bool spor(const std::string& caption, const std::string& text, Ikon ikon, bool neiForvalg);
  QPointer<QWidget> eier_;
  QPointer<AskForm> ask_;
  Operator* forrige_;
  std::vector<Melding> vent_;
  QObject* slippVakt_ = nullptr;
};

// Runs `f` for a mouse press that is still held (a field left by clicking a
// button): a message `f` shows waits until the button is released. A message
// box opened under the pressed button would take the release, and the click
// the operator made would be lost.
void UnderMusetrykk(const std::function<void()>& f);

// The Yes/No question box with the question icon, built but not shown, so
// the start-up question and the window's questions look alike. `neiForvalg`
// makes Nei the default button (questions whose Ja deletes).
QMessageBox* LagSporsmal(QWidget* eier, const QString& caption, const QString& text,
                         Ikon ikon = Ikon::Sporsmal, bool neiForvalg = false);

}  // namespace brul::gui
