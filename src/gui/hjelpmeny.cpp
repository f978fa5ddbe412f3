#include "gui/hjelpmeny.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>
#include <QTabWidget>
#include <functional>
#include <string>
#include <vector>

#include "app/operator.h"
#include "editor/editor.h"
#include "editor/hjelp.h"
#include "editor/kommandoer.h"
#include "gui/hjelpvindu.h"
#include "gui/hovedvindu.h"
#include "gui/utskrift.h"
#include "schema/sider.h"

namespace brul::gui {

namespace {

const char* const NavnEgenskap = "brulHjelpNavn";
const char* const NrEgenskap = "brulHjelpNr";
const char* const EmneEgenskap = "brulHjelpEmne";

// Walks a page's groups: the menu goes on every control, label and group box
// except those of the FTP page, which has no help.
void Samle(const Gruppe& g, std::vector<std::string>& navn) {
  if (!g.navn.empty()) navn.push_back(g.navn);
  for (const Felt& f : g.felter) {
    if (!f.kontroll.empty()) navn.push_back(f.kontroll);
    if (!f.label.empty()) navn.push_back(f.label);
  }
  for (const Gruppe& u : g.grupper) Samle(u, navn);
}

}  // namespace

HjelpKommandoer::HjelpKommandoer(HovedVindu& vindu) : QObject(&vindu), v_(vindu) {
  hjelp_ = new HjelpVindu(&vindu);

  // Pages (not FTP), their controls, and the bottom bar.
  for (const SideOppsett& s : Sider()) {
    if (s.id == SideId::FTP) continue;
    const int sideNr = s.hjelp;
    koble(v_.widget(s.navn), s.navn, s.hjelp, s.hjelp);
    std::vector<std::string> navn;
    for (const Gruppe& g : s.grupper) Samle(g, navn);
    for (const auto& n : navn) {
      const int nr = HjelpNr(n);
      koble(v_.widget(n), n, nr, nr > 0 ? nr : sideNr);
    }
    // Group boxes that carry a number but no name of their own are found by
    // their caption on the page.
    std::function<void(const Gruppe&)> grupper = [&](const Gruppe& g) {
      if (g.navn.empty() && g.hjelp > 0 && v_.widget(s.navn))
        for (QGroupBox* boks : v_.widget(s.navn)->findChildren<QGroupBox*>())
          if (boks->title() == QString::fromStdString(g.tekst)) koble(boks, g.tekst, g.hjelp, g.hjelp);
      for (const Gruppe& u : g.grupper) grupper(u);
    };
    for (const Gruppe& g : s.grupper) grupper(g);
  }
  for (const Felt& f : BunnLinje().felter)
    if (!f.kontroll.empty()) koble(v_.widget(f.kontroll), f.kontroll, f.hjelp, f.hjelp > 0 ? f.hjelp : 10);
  if (QWidget* bunn = v_.findChild<QWidget*>(QStringLiteral("Bunnlinje"))) koble(bunn, "Panel2", 10, 10);
  koble(v_.sider(), "PageControl1", SideKontrollHjelp, SideKontrollHjelp);

  auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), &v_);
  f1->setContext(Qt::WindowShortcut);
  connect(f1, &QShortcut::activated, this, &HjelpKommandoer::visHjelpForFokus);

  for (const char* navn : {"Katalog", "BackupKatalog"})
    if (QWidget* w = v_.widget(navn)) w->installEventFilter(this);

  connect(&v_, &HovedVindu::dobbeltklikket, this, [this] { SkrivUtVindu(&v_); });
}

void HjelpKommandoer::koble(QWidget* w, const std::string& navn, int nr, int emne) {
  if (!w) return;
  w->setProperty(NavnEgenskap, QString::fromStdString(navn));
  w->setProperty(NrEgenskap, nr);
  w->setProperty(EmneEgenskap, emne);
  w->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(w, &QWidget::customContextMenuRequested, this, [this, w, navn, nr, emne](const QPoint& p) {
    QMenu* meny = lagMeny(navn, nr, emne, w);
    meny->setAttribute(Qt::WA_DeleteOnClose);
    meny->popup(w->mapToGlobal(p));
  });
}

QMenu* HjelpKommandoer::lagMeny(const std::string& navn, int nr, int emne, QWidget* forelder) {
  auto* meny = new QMenu(forelder);
  meny->setObjectName("PopupMenu1");
  QAction* hva = meny->addAction(QStringLiteral("&Hva er dette ?"));
  hva->setObjectName("Hvaerdette1");
  connect(hva, &QAction::triggered, this, [this, emne] { hjelp_->visEmne(emne); });
  QAction* emner = meny->addAction(QStringLiteral("&Emner i hjelp"));
  emner->setObjectName("Emnerihjelp1");
  connect(emner, &QAction::triggered, this, [this] { hjelp_->visInnhold(); });
  QAction* kontekst = meny->addAction(QStringLiteral("&Context Nr"));
  kontekst->setObjectName("ContextNr");
  connect(kontekst, &QAction::triggered, this,
          [navn, nr] { operatoren().melding(navn, std::to_string(nr)); });
  return meny;
}

void HjelpKommandoer::visHjelpForFokus() {
  for (QWidget* w = QApplication::focusWidget(); w && w != &v_; w = w->parentWidget()) {
    const QVariant emne = w->property(EmneEgenskap);
    if (emne.isValid() && emne.toInt() > 0) {
      hjelp_->visEmne(emne.toInt());
      return;
    }
  }
  hjelp_->visEmne(Side(v_.editor().aktivSide()).hjelp);  // FTP has none: the contents
}

bool HjelpKommandoer::eventFilter(QObject* o, QEvent* e) {
  if (e->type() == QEvent::MouseButtonDblClick) {
    Editor& ed = v_.editor();
    if (o == v_.widget("Katalog") && ed.Katalog.enabled()) {
      VelgKatalogFor(ed.Katalog, ed.MaskinNavn.text());
      return true;
    }
    if (o == v_.widget("BackupKatalog") && ed.BackupKatalog.enabled()) {
      VelgKatalogFor(ed.BackupKatalog, ed.MaskinNavn.text());
      return true;
    }
  }
  return QObject::eventFilter(o, e);
}

}  // namespace brul::gui
