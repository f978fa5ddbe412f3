#include "gui/binding.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QAbstractItemView>
#include <QScrollBar>

#include "editor/controls.h"
#include "gui/askform.h"  // completes the operator's dialog pointer
#include "gui/vinduoperator.h"

namespace brul::gui {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

void VisTilstand(const Control& m, QWidget* w, QWidget* folger) {
  // The widget's own flag, not the effective state a disabled group box gives it.
  if (w->testAttribute(Qt::WA_ForceDisabled) == m.enabled()) w->setEnabled(m.enabled());
  if (w->isHidden() == m.visible()) w->setVisible(m.visible());
  if (folger && folger->isHidden() == m.visible()) folger->setVisible(m.visible());
}

// Focus leaving a field is its exit event. A focus that merely moves to
// another window (a message box, a pop-up list) is no exit: the operator is
// still in the field.
class ForlatFilter : public QObject {
 public:
  ForlatFilter(Edit& m, QObject* eier) : QObject(eier), m_(m) {}
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::FocusOut) {
      const auto grunn = static_cast<QFocusEvent*>(e)->reason();
      // A window that is closing or gone is no field the operator leaves
      // for another: no exit rule (and no advice box) then.
      const auto* w = static_cast<QWidget*>(o);
      if (grunn != Qt::ActiveWindowFocusReason && grunn != Qt::PopupFocusReason && w->window()->isVisible()) {
        // Left by a mouse press (on OK, say): what the exit rule says waits
        // for the release, so the click still reaches the button.
        if (grunn == Qt::MouseFocusReason) UnderMusetrykk([this] { m_.leave(); });
        else m_.leave();
      }
    }
    return QObject::eventFilter(o, e);
  }

 private:
  Edit& m_;
};

// Sets a line edit's text while keeping the operator's cursor where it was
// when the field is being typed in.
void SettTekst(QLineEdit* le, const QString& t) {
  if (le->text() == t) return;
  const bool fokus = le->hasFocus();
  const int pos = le->cursorPosition();
  le->setText(t);
  if (fokus) le->setCursorPosition(std::min<int>(pos, static_cast<int>(t.size())));
}

}  // namespace

void KobleEdit(Edit& m, QLineEdit* w, QWidget* folger) {
  QPointer<QLineEdit> p(w);
  QPointer<QWidget> f(folger);
  m.onView = [&m, p, f] {
    if (!p) return;
    const QSignalBlocker blokk(p);
    SettTekst(p, Q(m.text()));
    VisTilstand(m, p, f);
  };
  m.onView();
  QObject::connect(w, &QLineEdit::textEdited, w, [&m](const QString& t) { m.setText(t.toStdString()); });
  w->installEventFilter(new ForlatFilter(m, w));
}

void KobleCheck(Check& m, QCheckBox* w) {
  QPointer<QCheckBox> p(w);
  m.onView = [&m, p] {
    if (!p) return;
    const QSignalBlocker blokk(p);
    if (p->isChecked() != m.checked()) p->setChecked(m.checked());
    VisTilstand(m, p, nullptr);
  };
  m.onView();
  QObject::connect(w, &QCheckBox::clicked, w, [&m](bool on) { m.setChecked(on); });
}

void KobleCombo(Combo& m, QComboBox* w, QWidget* folger) {
  QPointer<QComboBox> p(w);
  QPointer<QWidget> f(folger);
  if (w->isEditable()) {
    w->setInsertPolicy(QComboBox::NoInsert);
    w->setCompleter(nullptr);  // the model gets exactly what is typed
  }
  m.onView = [&m, p, f] {
    if (!p) return;
    const QSignalBlocker blokk(p);
    const auto& items = m.items();
    bool like = p->count() == static_cast<int>(items.size());
    for (int i = 0; like && i < p->count(); ++i) like = p->itemText(i) == Q(items[static_cast<size_t>(i)]);
    if (!like) {
      p->clear();
      for (const auto& it : items) p->addItem(Q(it));
      // A long machine name in the selector, which keeps a fixed width.
      VisHeleListen(p);
    }
    QLineEdit* le = p->isEditable() ? p->lineEdit() : nullptr;
    const bool fokus = le && le->hasFocus();
    const int pos = le ? le->cursorPosition() : 0;
    if (p->currentIndex() != m.itemIndex()) p->setCurrentIndex(m.itemIndex());
    if (le && le->text() != Q(m.text())) {
      le->setText(Q(m.text()));
      if (fokus) le->setCursorPosition(std::min<int>(pos, static_cast<int>(le->text().size())));
    }
    VisTilstand(m, p, f);
  };
  m.onView();
  if (w->isEditable())
    QObject::connect(w->lineEdit(), &QLineEdit::textEdited, w,
                     [&m](const QString& t) { m.operatorText(t.toStdString()); });
  QObject::connect(w, &QComboBox::activated, w, [&m](int i) { m.operatorPick(i); });
}

QButtonGroup* LagRadioKnapper(RadioGroup& m, QGroupBox* boks, int perKolonne) {
  auto* gruppe = new QButtonGroup(boks);
  auto* lay = new QGridLayout(boks);
  lay->setContentsMargins(6, 2, 6, 4);
  lay->setVerticalSpacing(2);
  const int n = static_cast<int>(m.items().size());
  const int kolonner = std::max(1, (n + perKolonne - 1) / perKolonne);
  const int rader = (n + kolonner - 1) / std::max(1, kolonner);
  for (int i = 0; i < n; ++i) {
    auto* knapp = new QRadioButton(Q(m.items()[static_cast<size_t>(i)]), boks);
    knapp->setObjectName(Q(m.name() + "_" + std::to_string(i)));
    gruppe->addButton(knapp, i);
    lay->addWidget(knapp, i % rader, i / rader);
  }
  KobleRadio(m, boks, gruppe);
  return gruppe;
}

void KobleRadio(RadioGroup& m, QGroupBox* boks, QButtonGroup* knapper) {
  QPointer<QGroupBox> p(boks);
  QPointer<QButtonGroup> g(knapper);
  m.onView = [&m, p, g] {
    if (!p || !g) return;
    QAbstractButton* valgt = g->button(m.itemIndex());
    if (g->checkedButton() != valgt) {
      const QSignalBlocker blokk(g);
      if (valgt) {
        const QSignalBlocker b2(valgt);
        valgt->setChecked(true);
      } else {
        // An exclusive group cannot be cleared button by button.
        g->setExclusive(false);
        for (QAbstractButton* b : g->buttons()) {
          const QSignalBlocker b2(b);
          b->setChecked(false);
        }
        g->setExclusive(true);
      }
    }
    VisTilstand(m, p, nullptr);
  };
  m.onView();
  QObject::connect(knapper, &QButtonGroup::idClicked, boks, [&m](int id) { m.setItemIndex(id); });
}

void KobleKnapp(Button& m, QPushButton* w) {
  QPointer<QPushButton> p(w);
  m.onView = [&m, p] {
    if (p) VisTilstand(m, p, nullptr);
  };
  m.onView();
  QObject::connect(w, &QPushButton::clicked, w, [&m] { m.click(); });
}

void KobleLabel(Label& m, QWidget* w) { KobleTilstand(m, w); }

void KobleTilstand(Control& m, QWidget* w) {
  QPointer<QWidget> p(w);
  m.onView = [&m, p] {
    if (p) VisTilstand(m, p, nullptr);
  };
  m.onView();
}

void VisHeleListen(QComboBox* w) {
  QAbstractItemView* liste = w->view();
  liste->setTextElideMode(Qt::ElideNone);
  liste->setMinimumWidth(liste->sizeHintForColumn(0) + liste->verticalScrollBar()->sizeHint().width() +
                         2 * liste->frameWidth() + 4);
}

void Frikoble(Control& m) { m.onView = nullptr; }

}  // namespace brul::gui
