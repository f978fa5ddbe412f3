#include "gui/hovedvindu.h"

#include <QCloseEvent>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "app/operator.h"
#include "app/tilstand.h"
#include "editor/editor.h"
#include "editor/kommandoer.h"
#include "gui/binding.h"
#include "gui/hurtigtaster.h"
#include "gui/maskinvalgskriver.h"
#include "platform/sti.h"

namespace brul::gui {

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }
constexpr size_t MestViste = 11;  // the most tabs shown at once

// Tabs with less room beside their captions, so that eleven of them fit a
// window not much wider than the pages need.
class TettFaneStil : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;
  int pixelMetric(PixelMetric m, const QStyleOption* o, const QWidget* w) const override {
    if (m == PM_TabBarTabHSpace) return std::min(QProxyStyle::pixelMetric(m, o, w), 12);
    return QProxyStyle::pixelMetric(m, o, w);
  }
};
// A combo box, spin box or slider takes the mouse wheel only while it has the
// focus: a wheel turned over the page to scroll it must not change a value
// the pointer happens to pass.
class HjulKunMedFokus : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Wheel && !static_cast<QWidget*>(o)->hasFocus()) {
      e->ignore();  // on to the parent
      return true;
    }
    return QObject::eventFilter(o, e);
  }
};

void HjulBareMedFokus(QWidget* rot) {
  auto* filter = new HjulKunMedFokus(rot);
  for (QWidget* w : rot->findChildren<QWidget*>()) {
    // Scroll bars are sliders too, but the wheel is what moves them.
    if (!qobject_cast<QComboBox*>(w) && !qobject_cast<QAbstractSpinBox*>(w) &&
        (!qobject_cast<QAbstractSlider*>(w) || qobject_cast<QScrollBar*>(w)))
      continue;
    if (w->focusPolicy() == Qt::WheelFocus) w->setFocusPolicy(Qt::StrongFocus);  // the wheel gives no focus either
    w->installEventFilter(filter);
  }
}
}  // namespace

HovedVindu::HovedVindu(Editor& ed, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      ed_(ed) {
  setObjectName("PagesDlg");
  setWindowIcon(QIcon(QStringLiteral(":/brulini.svg")));
  setSizeGripEnabled(false);

  sider_ = new QTabWidget(this);
  sider_->setObjectName("PageControl1");
  sider_->setUsesScrollButtons(true);
  sider_->tabBar()->setExpanding(false);
  auto* stil = new TettFaneStil(QApplication::style()->name());
  stil->setParent(sider_->tabBar());
  sider_->tabBar()->setStyle(stil);
  byggSider();
  bunn_ = byggBunnlinje();

  auto* lay = new QVBoxLayout(this);
  lay->setContentsMargins(4, 4, 4, 4);
  lay->setSpacing(4);
  lay->addWidget(sider_, 1);
  lay->addWidget(bunn_);

  // No protocol shows more than eleven tabs at once (the ordinary set plus
  // Mazak or Forinnst.): the window is wide enough for the eleven widest, so
  // every shown tab is in view without the tab bar's scroll buttons.
  {
    std::vector<int> bredder;
    sider_->tabBar()->ensurePolished();
    for (int i = 0; i < sider_->count(); ++i)  // every tab is still shown here
      bredder.push_back(sider_->tabBar()->tabRect(i).width());
    std::sort(bredder.rbegin(), bredder.rend());
    int sum = 0;
    for (size_t i = 0; i < bredder.size() && i < MestViste; ++i) sum += bredder[i];
    sider_->setMinimumWidth(sum + 8);
  }

  // The size is fixed while every control is still shown, so that nothing
  // the rules show later can be clipped.
  lay->activate();
  setFixedSize(sizeHint().expandedTo(minimumSizeHint()));

  kobleSider();
  connect(sider_, &QTabWidget::currentChanged, this, &HovedVindu::faneByttet);

  HjulBareMedFokus(this);
  ed_.FormCreate();
  // From here on a pick shows the machine without waiting for the disk.
  skriver_ = new MaskinvalgSkriver(ed_, this);
  setWindowTitle(Q(ed_.Caption));
  visAktivSide();
  if (!ed_.Skrivebeskyttet.empty()) skrivebeskyttet();

  if (QScreen* skjerm = QGuiApplication::primaryScreen()) {
    QRect r = frameGeometry();
    r.moveCenter(skjerm->availableGeometry().center());
    move(r.topLeft());
  }
}

HovedVindu::~HovedVindu() {
  // The last pick's machine is written before the window lets the editor go.
  fullforMaskinvalg();
  // Hidden first, so that the fields losing their focus while the window is
  // torn down run no exit rules.
  hide();
  // The model outlives the window: it must stop telling widgets that are gone.
  for (Control* c : ed_.kontroller()) Frikoble(*c);
  for (const auto& s : Sider()) ed_.side(s.id).onView = nullptr;
  ed_.onAktivSide = nullptr;
  ed_.onLukk = nullptr;
}

void HovedVindu::fullforMaskinvalg() {
  if (skriver_) skriver_->fullfor();
}

QWidget* HovedVindu::widget(const std::string& navn) const {
  auto it = kart_.find(navn);
  return it == kart_.end() ? nullptr : it->second;
}

QPushButton* HovedVindu::knapp(const std::string& navn) const { return widget<QPushButton>(navn); }

void HovedVindu::byggSider() {
  std::vector<ByggetSide> bygget;
  for (const SideOppsett& s : Sider()) bygget.push_back(ByggSide(ed_, s, kart_));
  const std::vector<int> kolonner = VelgKolonner(bygget);
  for (size_t i = 0; i < bygget.size(); ++i) {
    LeggUt(bygget[i], kolonner[i]);
    sider_->addTab(bygget[i].side, MedHurtigtast(Sider()[i].tekst));
  }
  for (const char* navn : {"ComPortBtn", "ForInstTips"})
    if (QPushButton* b = knapp(navn))
      connect(b, &QPushButton::clicked, this, navn == std::string("ComPortBtn")
                                                  ? &HovedVindu::comPortKlikket
                                                  : &HovedVindu::forInstTipsKlikket);
}

QWidget* HovedVindu::byggBunnlinje() {
  auto* bunn = new QWidget(this);
  bunn->setObjectName("Bunnlinje");
  bunn->installEventFilter(this);
  auto* lay = new QHBoxLayout(bunn);
  lay->setContentsMargins(4, 2, 4, 2);
  lay->setSpacing(6);

  auto* maskinL = new QLabel(QStringLiteral("Maskin:"), bunn);
  auto* maskinBoks = new QComboBox(bunn);
  maskinBoks->setObjectName("MaskinBoks");
  maskinBoks->setEditable(false);
  maskinBoks->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  maskinBoks->setMinimumContentsLength(30);
  maskinBoks->setMaxVisibleItems(20);
  maskinL->setBuddy(maskinBoks);
  kart_["MaskinBoks"] = maskinBoks;
  KobleCombo(ed_.MaskinBoks, maskinBoks, nullptr);
  // A load passes the selector through a disabled state (each field it fills
  // counts as an edit until the load ends, which frees the box again). Shown,
  // that state would pass the focus on and back and end a key's pick
  // with focus events: the box is disabled only outside a load.
  ed_.MaskinBoks.onView = [this, vis = ed_.MaskinBoks.onView] {
    if (!ed_.Laster() || ed_.MaskinBoks.enabled()) vis();
  };
  // A pick from the list hands the focus back to the page; stepping through
  // the machines with the arrow keys on the closed box keeps it there.
  maskinBoks->installEventFilter(this);
  connect(maskinBoks, &QComboBox::activated, this, [this, maskinBoks] {
    if (!tastValg_) fokusTilSiden();
    else if (maskinBoks->isEnabled()) maskinBoks->setFocus(Qt::OtherFocusReason);
  });
  lay->addWidget(maskinL);
  lay->addWidget(maskinBoks);
  lay->addStretch(1);

  auto lagKnapp = [&](Button& m, const QString& tekst) {
    auto* b = new QPushButton(tekst, bunn);
    b->setObjectName(Q(m.name()));
    // No button of the bar is the dialog's default: Enter presses OK only,
    // and only while OK is enabled (keyPressEvent), whichever button has the focus.
    b->setAutoDefault(false);
    b->setDefault(false);
    kart_[m.name()] = b;
    lay->addWidget(b);
    return b;
  };
  QPushButton* brulIni = lagKnapp(ed_.Brul_INI, MedHurtigtast("Brul.INI"));
  KobleKnapp(ed_.Brul_INI, brulIni);
  connect(brulIni, &QPushButton::clicked, this, &HovedVindu::brulIniKlikket);
  QPushButton* angre = lagKnapp(ed_.Angre, MedHurtigtast("Angre"));
  KobleKnapp(ed_.Angre, angre);
  connect(angre, &QPushButton::clicked, this, &HovedVindu::fokusTilSiden);
  QPushButton* ok = lagKnapp(ed_.OKBtn, MedHurtigtast("OK"));
  KobleKnapp(ed_.OKBtn, ok);
  connect(ok, &QPushButton::clicked, this, &HovedVindu::fokusTilSiden);
  // Avslutt asks in the model; the model tells the window when it may close.
  QPushButton* avsluttKnapp = lagKnapp(ed_.Avslutt, MedHurtigtast("Avslutt"));
  KobleKnapp(ed_.Avslutt, avsluttKnapp);
  ed_.onLukk = [this] { avslutt(); };
  return bunn;
}

void HovedVindu::kobleSider() {
  for (const SideOppsett& s : Sider()) {
    Page& side = ed_.side(s.id);
    const int indeks = fane(s.id);
    // A hidden page gives up its Alt key: pages never shown together share
    // letters, and a hidden one must not take the key from the one shown.
    const QString merket = MedHurtigtast(s.tekst);
    const QString umerket = Q(s.tekst);
    side.onView = [this, &side, indeks, merket, umerket] {
      ++synk_;
      sider_->setTabVisible(indeks, side.shown());
      sider_->setTabText(indeks, side.shown() ? merket : umerket);
      --synk_;
    };
    side.onView();
  }
  ed_.onAktivSide = [this] { visAktivSide(); };
}

void HovedVindu::visAktivSide() {
  visteFane_ = fane(ed_.aktivSide());
  if (sider_->currentIndex() == visteFane_) return;
  ++synk_;
  sider_->setCurrentIndex(visteFane_);
  --synk_;
}

void HovedVindu::faneByttet(int indeks) {
  if (indeks < 0) return;
  if (synk_ > 0) {
    // The tab bar left a page whose tab the model just hid. The model is told
    // once its own change is over, without any question (nothing is pending
    // after a load).
    if (indeks != visteFane_)
      QTimer::singleShot(0, this, [this] {
        const int na = sider_->currentIndex();
        if (na >= 0 && na != fane(ed_.aktivSide()) && sider_->isTabVisible(fane(ed_.aktivSide())) == false) {
          ed_.settAktivSide(static_cast<SideId>(na));
          visAktivSide();
        }
      });
    return;
  }
  // The operator picked a tab. The old page stays in view while the model
  // decides (it may ask about pending edits); a refused change leaves it.
  const int gammel = visteFane_;
  // Ctrl+Tab steps onto hidden tabs too: go on in the same direction to
  // the next tab that is shown.
  const int n = sider_->count();
  if (!sider_->isTabVisible(indeks) && n > 0) {
    const int retning = (indeks == (gammel + n - 1) % n) ? -1 : 1;
    int neste = indeks;
    do neste = (neste + retning + n) % n;
    while (neste != gammel && !sider_->isTabVisible(neste));
    indeks = neste;
  }
  ++synk_;
  sider_->setCurrentIndex(gammel);
  --synk_;
  ed_.byttSide(static_cast<SideId>(indeks));
  visAktivSide();
}

void HovedVindu::fokusTilSiden() {
  QWidget* side = sider_->currentWidget();
  if (!side || !isVisible()) return;
  auto kan = [side](QWidget* w) {
    return w && side->isAncestorOf(w) && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus);
  };
  QWidget* mal = side->focusWidget();
  if (!kan(mal)) {
    mal = nullptr;
    QWidget* w = side;
    for (int n = 0; n < 10000 && !mal; ++n) {
      w = w->nextInFocusChain();
      if (w == side) break;
      if (kan(w)) mal = w;
    }
  }
  if (mal) mal->setFocus(Qt::OtherFocusReason);
}

void HovedVindu::skrivebeskyttet() {
  setWindowTitle(windowTitle() + QStringLiteral("  (skrivebeskyttet)"));
  // OK stays disabled whatever the rules say: nothing can be saved. The
  // model's changed state (Angre, the locked machine selector) is shown as usual.
  QPushButton* ok = knapp(ed_.OKBtn.name());
  ok->setToolTip(QStringLiteral("Kan ikke lagre: ") + Q(ed_.Skrivebeskyttet));
  auto vis = ed_.OKBtn.onView;
  ed_.OKBtn.onView = [vis, ok = QPointer<QPushButton>(ok)] {
    if (vis) vis();
    if (ok) ok->setEnabled(false);
  };
  ed_.OKBtn.onView();
}

void HovedVindu::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (vist_) return;
  vist_ = true;
  if (!ed_.Skrivebeskyttet.empty())
    QTimer::singleShot(0, this, [this] {
      // Named as everywhere else (as it is stored), with where it lies here.
      operatoren().melding("Skrivebeskyttet",
                           "Innstillingsfilen " + IniFil + " kan ikke lagres: " + ed_.Skrivebeskyttet +
                               ".\nDu kan se på oppsettet, men endringer kan ikke lagres." + HerPaMaskinen(IniFil),
                           Ikon::Advarsel);
    });
}

void HovedVindu::avslutt() {
  lukkGodkjent_ = true;
  close();
}

void HovedVindu::closeEvent(QCloseEvent* e) {
  // The close box asks as Avslutt does, so pending edits are not dropped.
  if (!lukkGodkjent_ && !ed_.LukkForespurt()) {
    e->ignore();
    return;
  }
  lukkGodkjent_ = true;
  e->accept();
}

void HovedVindu::keyPressEvent(QKeyEvent* e) {
  // The window has no cancel button: Escape does nothing.
  if (e->key() == Qt::Key_Escape) {
    e->accept();
    return;
  }
  // Enter presses OK, and only while OK is enabled. The focus goes to OK
  // first, so the field being left runs its exit rule before the save, as
  // when OK is clicked.
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
    e->accept();
    QPushButton* ok = knapp(ed_.OKBtn.name());
    if (!ok || !ok->isEnabled() || !ok->isVisible()) return;
    ok->setFocus(Qt::OtherFocusReason);
    if (ok->isEnabled()) ok->click();
    else fokusTilSiden();
    return;
  }
  QDialog::keyPressEvent(e);
}

// Only the window's own background and the bottom bar's print the window. Qt
// hands a double-click that a label, a group box or a page leaves unused on to
// its parent; such a click was not meant as a print.
void HovedVindu::mouseDoubleClickEvent(QMouseEvent* e) {
  if (!childAt(e->position().toPoint())) emit dobbeltklikket();
  QDialog::mouseDoubleClickEvent(e);
}

bool HovedVindu::eventFilter(QObject* o, QEvent* e) {
  if (o == widget("MaskinBoks") && (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease))
    tastValg_ = e->type() == QEvent::KeyPress;
  if (o == bunn_ && e->type() == QEvent::MouseButtonDblClick) {
    if (!bunn_->childAt(static_cast<QMouseEvent*>(e)->position().toPoint())) emit dobbeltklikket();
    return true;
  }
  return QDialog::eventFilter(o, e);
}

}  // namespace brul::gui
