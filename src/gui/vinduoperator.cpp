#include "gui/vinduoperator.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
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

int musetrykk = 0;  // >0 while UnderMusetrykk runs

// Waits for the release of the held mouse button, then shows what waits.
class SlippVakt : public QObject {
 public:
  SlippVakt(std::function<void()> vis, QObject* eier) : QObject(eier), vis_(std::move(vis)) {
    qApp->installEventFilter(this);
  }
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::MouseButtonRelease && !ferdig_) {
      ferdig_ = true;
      qApp->removeEventFilter(this);
      // After the release has done its work (the click).
      QTimer::singleShot(0, this, [this] { vis_(); });
    }
    return QObject::eventFilter(o, e);
  }

 private:
  std::function<void()> vis_;
  bool ferdig_ = false;
};

}  // namespace

void UnderMusetrykk(const std::function<void()>& f) {
  ++musetrykk;
  try {
    f();
  } catch (...) {
    --musetrykk;
    throw;
  }
  --musetrykk;
}

QMessageBox* LagSporsmal(QWidget* eier, const QString& caption, const QString& text, Ikon ikon, bool neiForvalg) {
  auto* box = new QMessageBox(QIkon(ikon), caption, text, QMessageBox::Yes | QMessageBox::No, eier);
  box->setAttribute(Qt::WA_DeleteOnClose, false);
  // The whole program speaks Norwegian, the buttons too.
  box->button(QMessageBox::Yes)->setText(QStringLiteral("&Ja"));
  box->button(QMessageBox::No)->setText(QStringLiteral("&Nei"));
  box->setDefaultButton(neiForvalg ? QMessageBox::No : QMessageBox::Yes);
  // Escape and the close box give no answer: taken as Nei they would throw
  // away every pending edit on a stray key. The operator picks Ja or Nei.
  box->installEventFilter(new KunJaNei(box));
  return box;
}

VinduOperator::VinduOperator(QWidget* eier, AskForm* ask) : eier_(eier), ask_(ask), forrige_(&operatoren()) {
  settOperator(this);
}

VinduOperator::~VinduOperator() {
  delete slippVakt_;  // it would show into an operator that is gone
  settOperator(forrige_);
}

void VinduOperator::melding(const std::string& caption, const std::string& text, Ikon ikon) {
  if (musetrykk > 0) {
    vent_.push_back({caption, text, ikon});
    if (!slippVakt_) slippVakt_ = new SlippVakt([this] { visVentende(); }, qApp);
    return;
  }
  QMessageBox box(QIkon(ikon), Q(caption), Q(text), QMessageBox::Ok, eier_.data());
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

bool VinduOperator::sporsmal(const std::string& caption, const std::string& text, Ikon ikon) {
  return spor(caption, text, ikon, false);
}

bool VinduOperator::sporsmalSlette(const std::string& caption, const std::string& text) {
  return spor(caption, text, Ikon::Sporsmal, true);
}

bool VinduOperator::spor(const std::string& caption, const std::string& text, Ikon ikon, bool neiForvalg) {
  std::unique_ptr<QMessageBox> box(LagSporsmal(eier_.data(), Q(caption), Q(text), ikon, neiForvalg));
  box->setWindowModality(Qt::ApplicationModal);
  return box->exec() == QMessageBox::Yes;
}

void VinduOperator::visVentende() {
  if (slippVakt_) slippVakt_->deleteLater();
  slippVakt_ = nullptr;
  const std::vector<Melding> ko = std::move(vent_);
  vent_.clear();
  for (const Melding& m : ko) melding(m.caption, m.text, m.ikon);
}

bool VinduOperator::stillSporsmal(const std::string& caption, const std::string& question, std::string& answer) {
  if (ask_) return ask_->StillSporsmal(caption, question, answer);
  AskForm ask(eier_.data());
  return ask.StillSporsmal(caption, question, answer);
}

int VinduOperator::velgEn(const std::string& caption, const std::string& text, const std::vector<std::string>& valg) {
  QMessageBox box(QMessageBox::Question, Q(caption), Q(text), QMessageBox::NoButton, eier_.data());
  box.setWindowModality(Qt::ApplicationModal);
  std::vector<QPushButton*> knapper;
  for (const std::string& v : valg) knapper.push_back(box.addButton(Q(v), QMessageBox::AcceptRole));
  QPushButton* avbryt = box.addButton(QStringLiteral("Avbryt"), QMessageBox::RejectRole);
  box.setEscapeButton(avbryt);
  if (!knapper.empty()) box.setDefaultButton(knapper.front());
  box.exec();
  for (std::size_t i = 0; i < knapper.size(); ++i)
    if (box.clickedButton() == knapper[i]) return static_cast<int>(i);
  return -1;
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
