#include "gui/maskinvalgskriver.h"

#include <QCoreApplication>
#include <QEvent>
#include <QThread>
#include <QTimer>

#include "editor/editor.h"
#include "store/lager.h"

namespace brul::gui {

namespace {

// Events that only draw or arrange widgets: they never reach the model, so
// they need not wait for the write.
bool BareVisning(QEvent::Type t) {
  switch (t) {
    case QEvent::Paint:
    case QEvent::UpdateRequest:
    case QEvent::UpdateLater:
    case QEvent::LayoutRequest:
    case QEvent::Polish:
    case QEvent::PolishRequest:
    case QEvent::ChildAdded:
    case QEvent::ChildPolished:
    case QEvent::ChildRemoved:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Expose:
    case QEvent::StyleChange:
    case QEvent::FontChange:
    case QEvent::PaletteChange:
    case QEvent::EnabledChange:
    case QEvent::ToolTipChange:
    case QEvent::ZOrderChange:
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
    case QEvent::HoverLeave:
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::DynamicPropertyChange:
      return true;
    default:
      return false;
  }
}

}  // namespace

MaskinvalgSkriver::MaskinvalgSkriver(Editor& ed, QObject* parent) : QObject(parent), ed_(ed) {
  ed_.maskinvalgKjorer = this;
  QCoreApplication::instance()->installEventFilter(this);
}

MaskinvalgSkriver::~MaskinvalgSkriver() {
  QCoreApplication::instance()->removeEventFilter(this);
  fullfor();
  ed_.maskinvalgKjorer = nullptr;
}

void MaskinvalgSkriver::legg(std::shared_ptr<Maskinvalgskriving> jobb) {
  fullfor();  // in order: an earlier pick's write first
  jobb_ = std::move(jobb);
  // Started once the handling of the pick is over: until then the window's
  // thread may still read the file for it.
  QMetaObject::invokeMethod(this, &MaskinvalgSkriver::start, Qt::QueuedConnection);
}

void MaskinvalgSkriver::start() {
  if (!jobb_ || traad_) return;
  if (lager::IBatch()) {
    // An action of the window's thread is open (a question inside a save):
    // the file is its until it ends.
    QTimer::singleShot(10, this, &MaskinvalgSkriver::start);
    return;
  }
  QThread* t = QThread::create([j = jobb_] { j->kjor(); });
  traad_ = t;
  connect(t, &QThread::finished, this, [this, t] {
    if (traad_ == t) fullfor();
  });
  t->start();
}

void MaskinvalgSkriver::fullfor() {
  if (!jobb_) return;
  const std::shared_ptr<Maskinvalgskriving> j = std::move(jobb_);
  jobb_.reset();
  if (traad_) {
    traad_->wait();
    delete traad_;
    traad_ = nullptr;
  } else {
    j->kjor();
  }
  ed_.MaskinvalgSkrevet(*j);
}

bool MaskinvalgSkriver::eventFilter(QObject* o, QEvent* e) {
  // The notice of a wait the write itself is in (posted to the application
  // from the write's thread) is shown, not held back until the wait is over.
  // Inside an action of this thread that holds the file open the write has
  // not begun (it never starts inside one), and waits for its end.
  const bool varsel = e->type() == QEvent::MetaCall && o == QCoreApplication::instance();
  if (!jobb_ || o == this || varsel || BareVisning(e->type())) return QObject::eventFilter(o, e);
  // The store's state is looked at only while the write's thread is not
  // running: meanwhile this thread opens no action (every event that could
  // open one waits below), and the state is that thread's.
  if (!traad_ && lager::IBatch()) return QObject::eventFilter(o, e);
  // Not started yet, the window's thread is still handling the pick: what
  // that handling sends on its own way (the focus handed back to the page)
  // is part of it. What comes from outside it, the operator's next key or
  // click, a timer, a posted call, waits for the write, and so in order.
  const bool iValget = !traad_ && !e->spontaneous() && e->type() != QEvent::Timer && e->type() != QEvent::MetaCall;
  if (!iValget) fullfor();
  return QObject::eventFilter(o, e);
}

}  // namespace brul::gui
