#include "gui/vinduoperator.h"

#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <memory>

#include "gui/askform.h"
#include "platform/sti.h"

namespace brul::gui {

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }

QMessageBox::Icon QIkon(Ikon ikon) {
  switch (ikon) {
    case Ikon::Sporsmal: return QMessageBox::Question;
    case Ikon::Informasjon: return QMessageBox::Information;
    case Ikon::Advarsel: return QMessageBox::Warning;
    case Ikon::Ingen: break;
  }
  return QMessageBox::NoIcon;
}
class KunJaNei : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) return true;
    if (e->type() == QEvent::Close && e->spontaneous()) {
      e->ignore();
      return true;
    }
    return QObject::eventFilter(o, e);
  }
};

}  // namespace

QMessageBox* LagSporsmal(QWidget* eier, const QString& caption, const QString& text, Ikon ikon) {
  auto* box = new QMessageBox(QIkon(ikon), caption, text, QMessageBox::Yes | QMessageBox::No, eier);
  box->setAttribute(Qt::WA_DeleteOnClose, false);
  // The whole program speaks Norwegian, the buttons too.
  box->button(QMessageBox::Yes)->setText(QStringLiteral("&Ja"));
  box->button(QMessageBox::No)->setText(QStringLiteral("&Nei"));
  box->setDefaultButton(QMessageBox::Yes);
  // Escape and the close box give no answer: taken as Nei they would throw
  // away every pending edit on a stray key. The operator picks Ja or Nei.
  box->installEventFilter(new KunJaNei(box));
  return box;
}

VinduOperator::VinduOperator(QWidget* eier, AskForm* ask) : eier_(eier), ask_(ask), forrige_(&operatoren()) {
  settOperator(this);
}

VinduOperator::~VinduOperator() { settOperator(forrige_); }

void VinduOperator::melding(const std::string& caption, const std::string& text, Ikon ikon) {
  QMessageBox box(QIkon(ikon), Q(caption), Q(text), QMessageBox::Ok, eier_.data());
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

bool VinduOperator::sporsmal(const std::string& caption, const std::string& text, Ikon ikon) {
  std::unique_ptr<QMessageBox> box(LagSporsmal(eier_.data(), Q(caption), Q(text), ikon));
  box->setWindowModality(Qt::ApplicationModal);
  return box->exec() == QMessageBox::Yes;
}

bool VinduOperator::stillSporsmal(const std::string& caption, const std::string& question, std::string& answer) {
  if (ask_) return ask_->StillSporsmal(caption, question, answer);
  AskForm ask(eier_.data());
  return ask.StillSporsmal(caption, question, answer);
}

std::optional<std::string> VinduOperator::velgKatalog(const std::string& title, const std::string& start) {
  const QString valgt = QFileDialog::getExistingDirectory(eier_.data(), Q(title),
                                                       Q(start.empty() ? start : platform::LokalSti(start)));
  if (valgt.isEmpty()) return std::nullopt;
  // The dialog answers with slashes on every system; a stored folder uses the
  // system's own separator (C:\CNC\DREIEBENK), so its closing one is not doubled.
  return QDir::toNativeSeparators(valgt).toStdString();
}

}  // namespace brul::gui
