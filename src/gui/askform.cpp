#include "gui/askform.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace brul::gui {

AskForm::AskForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName("AskForm");
  setWindowTitle(QStringLiteral("Spørsmål"));
  setModal(true);

  heading_ = new QLabel(QStringLiteral("Heading"), this);
  heading_->setObjectName("Heading");
  heading_->setWordWrap(true);
  answer_ = new QLineEdit(QStringLiteral("Answer"), this);
  answer_->setObjectName("Answer");
  answer_->installEventFilter(this);
  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setObjectName("OK");
  avbryt_ = new QPushButton(QStringLiteral("Avbryt"), this);
  avbryt_->setObjectName("Avbryt");
  // Neither button is a default button: Enter accepts only from the answer
  // field, and a button that merely has focus must not take Enter over.
  for (QPushButton* b : {ok_, avbryt_}) {
    b->setAutoDefault(false);
    b->setDefault(false);
  }
  connect(ok_, &QPushButton::clicked, this, [this] { OKClick(); });
  connect(avbryt_, &QPushButton::clicked, this, [this] { AvbrytClick(); });

  auto* knapper = new QHBoxLayout;
  knapper->addStretch();
  knapper->addWidget(ok_);
  knapper->addWidget(avbryt_);
  knapper->addStretch();
  auto* lay = new QVBoxLayout(this);
  lay->addWidget(heading_);
  lay->addWidget(answer_);
  lay->addStretch();
  lay->addLayout(knapper);
  setMinimumWidth(260);
}

bool AskForm::StillSporsmal(const std::string& caption, const std::string& question, std::string& answer) {
  akseptert_ = false;
  setWindowTitle(QString::fromStdString(caption));
  heading_->setText(QString::fromStdString(question));
  answer_->setText(QString::fromStdString(answer));
  adjustSize();
  if (parentWidget()) {
    const QRect eier = parentWidget()->window()->geometry();
    move(eier.center() - rect().center());
  }
  exec();
  answer = answer_->text().toStdString();
  return akseptert_;
}

void AskForm::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  answer_->setFocus(Qt::OtherFocusReason);
  answer_->selectAll();
}

void AskForm::keyPressEvent(QKeyEvent* e) {
  // Escape does nothing here (QDialog would reject), and Enter outside the
  // answer field must not accept through a default button.
  if (e->key() == Qt::Key_Escape || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
    e->accept();
    return;
  }
  QDialog::keyPressEvent(e);
}

bool AskForm::eventFilter(QObject* watched, QEvent* e) {
  if (watched == answer_ && e->type() == QEvent::KeyPress) {
    auto* k = static_cast<QKeyEvent*>(e);
    if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
      OKClick();
      return true;
    }
  }
  return QDialog::eventFilter(watched, e);
}

void AskForm::OKClick() {
  akseptert_ = true;
  done(QDialog::Accepted);
}

void AskForm::AvbrytClick() { done(QDialog::Rejected); }

}  // namespace brul::gui
