#include "gui/kontrollvindu.h"

#include <algorithm>

#include <QBoxLayout>
#include <QLayout>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QTabWidget>
#include <QTreeWidget>

#include "app/lagring.h"
#include "app/operator.h"
#include "app/tilstand.h"
#include "editor/editor.h"
#include "gui/hovedvindu.h"
#include "gui/hurtigtaster.h"
#include "store/forhandsvisning.h"
#include "store/historikk.h"
#include "store/lager.h"

namespace brul::gui {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

QString Linjer(const std::vector<std::string>& l) {
  QString t;
  for (const std::string& s : l) t += Q(s) + QLatin1Char('\n');
  return t;
}

// A row as high as its texts need when they wrap within their column's
// width: the view itself measures them as if the column had no end.
class Ombryting : public QStyledItemDelegate {
 public:
  explicit Ombryting(QTreeView* v) : QStyledItemDelegate(v), v_(v) {}
  QSize sizeHint(const QStyleOptionViewItem& o, const QModelIndex& i) const override {
    QStyleOptionViewItem opt(o);
    opt.rect = QRect(0, 0, std::max(1, v_->header()->sectionSize(i.column())), std::max(1, o.rect.height()));
    return QStyledItemDelegate::sizeHint(opt, i);
  }

 private:
  QTreeView* v_;
};

QPlainTextEdit* Tekstfelt(QWidget* eier) {
  auto* t = new QPlainTextEdit(eier);
  t->setReadOnly(true);
  t->setLineWrapMode(QPlainTextEdit::NoWrap);
  t->setFont(QFont(QStringLiteral("Monospace")));
  return t;
}

}  // namespace

// ---- Kontroller --------------------------------------------------------------

KontrollVindu::KontrollVindu(HovedVindu& hoved, QWidget* parent, const std::vector<Funn>* nye)
    : QDialog(parent), hoved_(hoved) {
  setObjectName(nye ? "NyeFunnVindu" : "KontrollVindu");
  setWindowTitle(nye ? QStringLiteral("Lagret, men kontrollen fant noe nytt") : QStringLiteral("Kontroller Brul.INI"));
  auto* lay = new QVBoxLayout(this);
  const QString hjelp = QStringLiteral("Dobbeltklikk et funn for å gå til maskinen, siden og feltet.");
  auto* tekst = new QLabel(nye ? QStringLiteral("Lagringen er gjort. Kontrollen fant dette, som ikke var der før. ") +
                                     hjelp
                               : hjelp,
                           this);
  tekst->setWordWrap(true);
  lay->addWidget(tekst);
  liste_ = new QTreeWidget(this);
  liste_->setObjectName("Funn");
  liste_->setRootIsDecorated(false);
  // Long texts wrap within their column instead of ending in "…".
  liste_->setWordWrap(true);
  liste_->setTextElideMode(Qt::ElideNone);
  liste_->setUniformRowHeights(false);
  liste_->setItemDelegate(new Ombryting(liste_));
  liste_->setHeaderLabels({QStringLiteral("Alvor"), QStringLiteral("Hvor"), QStringLiteral("Side"),
                           QStringLiteral("Nøkkel"), QStringLiteral("Hva er galt, og hva du kan gjøre")});
  lay->addWidget(liste_, 1);
  auto* knapper = new QDialogButtonBox(this);
  auto* igjen = knapper->addButton(QStringLiteral("&Kontroller igjen"), QDialogButtonBox::ActionRole);
  auto* lukk = knapper->addButton(QStringLiteral("&Lukk"), QDialogButtonBox::RejectRole);
  connect(igjen, &QPushButton::clicked, this, &KontrollVindu::oppdater);
  connect(lukk, &QPushButton::clicked, this, &QDialog::reject);
  lay->addWidget(knapper);
  connect(liste_, &QTreeWidget::itemDoubleClicked, this,
          [this](QTreeWidgetItem* i) { gaaTil(liste_->indexOfTopLevelItem(i)); });
  // Row heights follow the width the text column gets.
  connect(liste_->header(), &QHeaderView::sectionResized, liste_, [this] { liste_->doItemsLayout(); });
  resize(980, nye ? 300 : 420);
  if (nye) {
    funn_ = *nye;
    fyll();
  } else {
    oppdater();
  }
}

void KontrollVindu::oppdater() {
  funn_ = Kontroller();
  fyll();
}

void KontrollVindu::fyll() {
  liste_->clear();
  for (const Funn& f : funn_) {
    auto* i = new QTreeWidgetItem(liste_, {QString::fromLatin1(AlvorTekst(f.alvor)), Q(f.hvor),
                                           f.harSide ? Q(Side(f.side).tekst) : QString(), Q(f.nokkel), Q(f.tekst)});
    i->setToolTip(4, Q(f.tekst));
    if (f.alvor == Alvor::Feil) i->setForeground(0, QColor(Qt::red));
  }
  if (funn_.empty()) new QTreeWidgetItem(liste_, {QString(), QString(), QString(), QString(),
                                                  QStringLiteral("Ingen funn: filen og installasjonen ser riktige ut.")});
  for (int c = 0; c < 4; ++c) liste_->resizeColumnToContents(c);
}

void KontrollVindu::gaaTil(int i) {
  if (i < 0 || i >= static_cast<int>(funn_.size())) return;
  const Funn f = funn_[static_cast<std::size_t>(i)];
  Editor& e = hoved_.editor();
  if (f.maskin > 0 && f.maskin - 1 != e.MaskinBoks.itemIndex()) {
    // Pending edits are saved or discarded first, as when the operator
    // changes machine.
    if (e.Endret() && !e.MaskinBoksClick()) return;
    if (f.maskin <= static_cast<int>(e.MaskinBoks.items().size())) e.MaskinBoks.operatorPick(f.maskin - 1);
  }
  if (f.harSide && e.side(f.side).shown() && e.aktivSide() != f.side && !e.byttSide(f.side)) return;
  hoved_.raise();
  hoved_.activateWindow();
  if (!f.kontroll.empty())
    if (QWidget* w = hoved_.widget(f.kontroll)) w->setFocus(Qt::OtherFocusReason);
}

// ---- Vis endringer -----------------------------------------------------------

EndringsVindu::EndringsVindu(const Lagringsvisning& v, bool forvalg, QWidget* parent) : QDialog(parent) {
  setObjectName("EndringsVindu");
  setWindowTitle(QStringLiteral("Vis endringer"));
  auto* lay = new QVBoxLayout(this);
  lay->addWidget(new QLabel(forvalg ? QStringLiteral("Forvalget lagres slik. OK lagrer, Avbryt går tilbake med "
                                                     "endringene ulagret.")
                                    : QStringLiteral("OK lagrer dette. Avbryt går tilbake med endringene ulagret."),
                            this));
  tekst_ = Tekstfelt(this);
  tekst_->setPlainText(Linjer(v.linjer()));
  lay->addWidget(tekst_, 1);
  auto* knapper = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  knapper->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
  knapper->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Avbryt"));
  connect(knapper, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(knapper, &QDialogButtonBox::rejected, this, &QDialog::reject);
  lay->addWidget(knapper);
  resize(720, 480);
}

// ---- Historikk ---------------------------------------------------------------

HistorikkVindu::HistorikkVindu(HovedVindu& hoved, QWidget* parent) : QDialog(parent), hoved_(hoved) {
  setObjectName("HistorikkVindu");
  setWindowTitle(QStringLiteral("Historikk"));
  auto* lay = new QVBoxLayout(this);
  lay->addWidget(new QLabel(QStringLiteral("Hver lagring tar vare på filen slik den var før. Velg en lagring for å "
                                           "se hva den endret."),
                            this));
  auto* deler = new QSplitter(this);
  liste_ = new QListWidget(deler);
  liste_->setObjectName("Lagringer");
  tekst_ = Tekstfelt(deler);
  deler->setStretchFactor(1, 2);
  lay->addWidget(deler, 1);
  auto* knapper = new QDialogButtonBox(this);
  gjenopprett_ = knapper->addButton(QStringLiteral("&Gjenopprett"), QDialogButtonBox::ActionRole);
  auto* lukk = knapper->addButton(QStringLiteral("&Lukk"), QDialogButtonBox::RejectRole);
  connect(gjenopprett_, &QPushButton::clicked, this, [this] { gjenopprett(); });
  connect(lukk, &QPushButton::clicked, this, &QDialog::reject);
  lay->addWidget(knapper);
  connect(liste_, &QListWidget::currentRowChanged, this, [this] { vis(); });
  resize(900, 440);
  oppdater();
}

void HistorikkVindu::oppdater() {
  liste_->clear();
  versjoner_ = historikk::Liste();
  for (const historikk::Versjon& v : versjoner_) {
    const QString rad = Q(std::to_string(v.nr) + "  " + v.tid + "  " + v.maskin +
                          (v.merknad.empty() ? std::string() : "  (" + v.merknad + ")"));
    auto* i = new QListWidgetItem(rad, liste_);
    i->setToolTip(rad);
  }
  tilpassListen();
  if (!versjoner_.empty()) liste_->setCurrentRow(0);
  vis();
}

void HistorikkVindu::tilpassListen() {
  // The list as wide as its widest entry: the window grows for it as far as
  // the screen allows, and the list takes at most two thirds of it. An entry
  // still too long shows whole in its tip.
  auto* deler = qobject_cast<QSplitter*>(liste_->parentWidget());
  if (!deler || liste_->count() == 0) return;
  const int innhold = liste_->sizeHintForColumn(0) + 2 * liste_->frameWidth() +
                      liste_->verticalScrollBar()->sizeHint().width() + 8;
  int bredde = width();
  if (const QScreen* skjerm = screen()) {
    const int plass = skjerm->availableGeometry().width() - 40;  // and the window's frame
    bredde = std::max(bredde, std::min(innhold + 520, plass));
  }
  if (bredde != width()) resize(bredde, height());
  const int liste = std::min(innhold, bredde * 2 / 3);
  // The text beside takes what the window gains or loses later.
  deler->setSizes({liste, std::max(1, bredde - liste - 30)});
}

void HistorikkVindu::vis() {
  const int rad = liste_->currentRow();
  gjenopprett_->setEnabled(rad >= 0);
  if (rad < 0) {
    tekst_->setPlainText(QStringLiteral("Ingen lagringer i historikken ennå."));
    return;
  }
  const historikk::Versjon& v = versjoner_[static_cast<std::size_t>(rad)];
  tekst_->setPlainText(Q("Lagret " + v.tid + ", " + v.maskin + (v.merknad.empty() ? "" : " (" + v.merknad + ")") +
                         ":\n\n") +
                       Linjer(Beskrivelse(v.endringer)));
}

bool HistorikkVindu::gjenopprett() {
  const int rad = liste_->currentRow();
  if (rad < 0) return false;
  const int nr = versjoner_[static_cast<std::size_t>(rad)].nr;
  const std::string tid = versjoner_[static_cast<std::size_t>(rad)].tid;
  Editor& e = hoved_.editor();
  // The restored file replaces what the editor shows: pending edits first.
  if (e.Endret() && !e.MaskinBoksClick()) return false;
  if (!operatoren().sporsmal("Gjenopprett", "Legge tilbake " + IniFil + " slik filen var før lagringen " + tid +
                                                " (nr. " + std::to_string(nr) + ") ?"))
    return false;
  const bool ok = GjenopprettVersjon(nr);
  if (ok) e.LesOppsett(true, true);
  oppdater();
  return ok;
}

// ---- The commands --------------------------------------------------------------

KontrollKommandoer::KontrollKommandoer(HovedVindu& hoved)
    : QObject(&hoved), hoved_(hoved), ed_(hoved.editor()) {
  godta = [](EndringsVindu& v) { return v.exec() == QDialog::Accepted; };
  Editor& e = hoved.editor();
  QPushButton* brulIni = hoved.knapp(e.Brul_INI.name());
  QWidget* bunn = brulIni ? brulIni->parentWidget() : nullptr;
  auto* lay = bunn ? qobject_cast<QBoxLayout*>(bunn->layout()) : nullptr;
  int plass = lay ? lay->indexOf(brulIni) + 1 : 0;
  auto lagKnapp = [&](const char* navn, const char* tekst, void (KontrollKommandoer::*gjor)()) {
    auto* b = new QPushButton(MedHurtigtast(tekst), bunn);
    b->setObjectName(QString::fromLatin1(navn));
    b->setAutoDefault(false);
    if (lay) lay->insertWidget(plass++, b);
    connect(b, &QPushButton::clicked, this, gjor);
    return b;
  };
  lagKnapp("KontrollerBtn", "Kontroller", &KontrollKommandoer::kontroller);
  QPushButton* vis = lagKnapp("VisEndringerBtn", "Vis endringer", &KontrollKommandoer::visEndringer);
  lagKnapp("HistorikkBtn", "Historikk", &KontrollKommandoer::historikk);
  // The window fixed its size (and centred itself) before these buttons
  // were there: widen it around the same centre, so it does not grow past the
  // screen's edge.
  if (lay) lay->activate();
  if (QLayout* hovedLay = hoved.layout()) {
    hovedLay->invalidate();
    const int bredde = hovedLay->totalMinimumSize().width();
    if (const int mer = bredde - hoved.width(); mer > 0) {
      hoved.setFixedWidth(bredde);
      hoved.move(std::max(0, hoved.x() - mer / 2), hoved.y());
    }
  }

  // "Vis endringer" is there while OK is: while something is pending.
  auto forrige = e.OKBtn.onView;
  e.OKBtn.onView = [forrige, vis = QPointer<QPushButton>(vis), &e] {
    if (forrige) forrige();
    if (vis) vis->setEnabled(e.OKBtn.enabled());
  };
  e.OKBtn.onView();
  e.forLagring = [this] { return forLagring(); };
  e.etterLagring = [this] { etterLagring(); };
}

KontrollKommandoer::~KontrollKommandoer() {
  ed_.forLagring = nullptr;
  ed_.etterLagring = nullptr;
  med_.reset();
}

bool KontrollKommandoer::forLagring() {
  forFunn_.reset();
  if (!visForvalg()) return false;
  // The check as the file stands before the save. Not for a dry run (the
  // preview), nor inside a running action, where its own dry runs would join.
  if (!ITorrkjoring() && !lager::IBatch()) {
    forMaskin_ = hoved_.editor().ValgtMaskin();
    forFunn_ = Kontroller(forMaskin_);
  }
  return true;
}

void KontrollKommandoer::etterLagring() {
  if (!forFunn_ || ITorrkjoring()) return;
  // Once the save has let go of the file: the check runs its own dry runs.
  QTimer::singleShot(0, this, [this, for_ = std::move(*forFunn_)] {
    const std::vector<Funn> nye = NyeFunn(for_, Kontroller(forMaskin_));
    if (nye.empty()) return;
    delete nye_;
    nye_ = new KontrollVindu(hoved_, &hoved_, &nye);
    nye_->setAttribute(Qt::WA_DeleteOnClose);
    connect(nye_, &QObject::destroyed, this, [this, v = nye_] {
      if (nye_ == v) nye_ = nullptr;
    });
    nye_->show();
    nye_->raise();
  });
  forFunn_.reset();
}

bool KontrollKommandoer::visForvalg() {
  Editor& e = hoved_.editor();
  if (iGang_ || !e.NyttForvalg) return true;
  avsluttSvar();
  iGang_ = true;
  Lagringsvisning v = VisLagring(e);
  iGang_ = false;
  EndringsVindu vindu(v, true, &hoved_);
  if (!godta(vindu)) return false;
  // The save runs on when this returns: its questions get the answers just
  // given, until the event loop comes back.
  vist_ = std::make_unique<Lagringsvisning>(std::move(v));
  svar_ = std::make_unique<SvarFraVisning>(operatoren(), *vist_);
  med_ = std::make_unique<MedOperator>(*svar_);
  QTimer::singleShot(0, this, &KontrollKommandoer::avsluttSvar);
  return true;
}

void KontrollKommandoer::avsluttSvar() {
  if (svar_ && svar_->opptatt()) {
    // A message of the save is open in its own event loop: later.
    QTimer::singleShot(100, this, &KontrollKommandoer::avsluttSvar);
    return;
  }
  med_.reset();
  svar_.reset();
  vist_.reset();
}

void KontrollKommandoer::visEndringer() {
  Editor& e = hoved_.editor();
  if (!e.Endret() || iGang_) return;
  iGang_ = true;
  const Lagringsvisning v = VisLagring(e);
  iGang_ = false;
  EndringsVindu vindu(v, e.NyttForvalg, &hoved_);
  if (!godta(vindu)) return;
  iGang_ = true;
  LagreSomVist(e, v);
  iGang_ = false;
}

void KontrollKommandoer::kontroller() {
  if (!kontroll_) kontroll_ = new KontrollVindu(hoved_, &hoved_);
  else kontroll_->oppdater();
  kontroll_->show();
  kontroll_->raise();
}

void KontrollKommandoer::historikk() {
  if (!historikk_) historikk_ = new HistorikkVindu(hoved_, &hoved_);
  else historikk_->oppdater();
  historikk_->show();
  historikk_->raise();
}

}  // namespace brul::gui
