#pragma once
// TAskForm: the small modal dialog that asks the operator for one line of
// text. Created once and reused for every question.
#include <QDialog>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace brul::gui {

class AskForm : public QDialog {
  Q_OBJECT
 public:
  explicit AskForm(QWidget* parent = nullptr);

  // Shows the dialog modally. `answer` holds the proposal on entry and the
  // text of the entry field on return, however the dialog was closed; the
  // result is true only when the operator accepted with OK or Enter.
  bool StillSporsmal(const std::string& caption, const std::string& question, std::string& answer);

  QLabel* heading() const { return heading_; }
  QLineEdit* answerEdit() const { return answer_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* avbrytButton() const { return avbryt_; }

 protected:
  void showEvent(QShowEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void OKClick();
  void AvbrytClick();

  QLabel* heading_;
  QLineEdit* answer_;
  QPushButton* ok_;
  QPushButton* avbryt_;
  bool akseptert_ = false;
};

}  // namespace brul::gui
