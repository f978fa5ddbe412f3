#include "gui/sidebygger.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>
#include <limits>

#include "editor/editor.h"
#include "gui/binding.h"
#include "gui/gridvisning.h"
#include "schema/sider.h"

namespace brul::gui {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

constexpr int Avstand = 6;        // between blocks and columns
constexpr int RadioPerKolonne = 5;

class Bygger {
 public:
  Bygger(Editor& ed, WidgetKart& kart) : ed_(ed), kart_(kart) {}

  void registrer(const std::string& navn, QWidget* w) {
    if (navn.empty()) return;
    w->setObjectName(Q(navn));
    kart_[navn] = w;
  }

  // A group box with its fields and nested groups.
  QGroupBox* gruppe(const Gruppe& g, QWidget* forelder) {
    auto* boks = new QGroupBox(Q(g.tekst), forelder);
    registrer(g.navn, boks);
    if (!g.navn.empty())
      if (Control* c = ed_.find(g.navn); c && (c->kind() == ControlKind::Group || c->kind() == ControlKind::Label))
        KobleLabel(static_cast<Label&>(*c), boks);
    auto* lay = new QGridLayout(boks);
    lay->setContentsMargins(6, 4, 6, 6);
    lay->setHorizontalSpacing(6);
    lay->setVerticalSpacing(3);
    lay->setColumnStretch(1, 1);
    int rad = 0;
    int forsteFeltRad = -1;
    for (const Felt& f : g.felter) felt(f, boks, lay, rad, forsteFeltRad);
    for (const Gruppe& under : g.grupper) {
      // An untitled inner group only places its fields between the others.
      if (under.tekst.empty()) {
        for (const Felt& f : under.felter) felt(f, boks, lay, rad, forsteFeltRad);
        continue;
      }
      lay->addWidget(gruppe(under, boks), rad++, 0, 1, 3);
    }
    return boks;
  }

  // One field in a two-column grid (caption, field); check boxes, radio
  // groups, grids and notes span both columns; a button goes beside the
  // first field of its group.
  void felt(const Felt& f, QWidget* forelder, QGridLayout* lay, int& rad, int& forsteFeltRad) {
    Control* c = f.kontroll.empty() ? nullptr : ed_.find(f.kontroll);
    if (!c) {
      if (f.tekst.empty()) return;
      auto* merknad = new QLabel(Q(f.tekst), forelder);
      merknad->setWordWrap(true);
      lay->addWidget(merknad, rad++, 0, 1, 3);
      return;
    }
    QWidget* w = nullptr;
    switch (c->kind()) {
      case ControlKind::Edit: {
        auto* le = new QLineEdit(forelder);
        QLabel* l = tekst(f, le, forelder);
        lay->addWidget(le, rad, 1);
        if (l) lay->addWidget(l, rad, 0);
        KobleEdit(static_cast<Edit&>(*c), le, f.label.empty() ? l : nullptr);
        if (forsteFeltRad < 0) forsteFeltRad = rad;
        ++rad;
        w = le;
        break;
      }
      case ControlKind::Combo: {
        auto& m = static_cast<Combo&>(*c);
        auto* cb = new QComboBox(forelder);
        cb->setEditable(!m.selectOnly);
        cb->setMaxVisibleItems(16);
        // A width that does not follow the list: the variant list changes
        // with the controller, and the window's size is fixed.
        std::size_t lengst = 0;
        for (const auto& it : m.items()) lengst = std::max(lengst, it.size());
        cb->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        cb->setMinimumContentsLength(static_cast<int>(std::clamp<std::size_t>(lengst, 12, 22)));
        QLabel* l = tekst(f, cb, forelder);
        lay->addWidget(cb, rad, 1);
        if (l) lay->addWidget(l, rad, 0);
        KobleCombo(m, cb, f.label.empty() ? l : nullptr);
        if (forsteFeltRad < 0) forsteFeltRad = rad;
        ++rad;
        w = cb;
        break;
      }
      case ControlKind::Check: {
        auto* cb = new QCheckBox(Q(f.tekst), forelder);
        lay->addWidget(cb, rad++, 0, 1, 3);
        KobleCheck(static_cast<Check&>(*c), cb);
        w = cb;
        break;
      }
      case ControlKind::RadioGroup: {
        w = radio(static_cast<RadioGroup&>(*c), forelder);
        lay->addWidget(w, rad++, 0, 1, 3);
        break;
      }
      case ControlKind::Grid: {
        w = new GridVisning(static_cast<Grid&>(*c), forelder);
        lay->addWidget(w, rad++, 0, 1, 3);
        break;
      }
      case ControlKind::Button: {
        auto& m = static_cast<Button&>(*c);
        const std::string& t = !f.tekst.empty() ? f.tekst : m.caption();
        auto* b = new QPushButton(Q(t.empty() ? std::string("?") : t), forelder);
        b->setAutoDefault(false);
        if (b->text().size() <= 3) b->setFixedWidth(b->fontMetrics().horizontalAdvance(b->text()) + 24);
        if (forsteFeltRad >= 0)
          lay->addWidget(b, forsteFeltRad, 2);
        else
          lay->addWidget(b, rad++, 0, 1, 3, Qt::AlignLeft);
        KobleKnapp(m, b);
        w = b;
        break;
      }
      case ControlKind::Label:
      case ControlKind::Group: {
        auto* l = new QLabel(Q(f.tekst.empty() ? static_cast<Label&>(*c).caption() : f.tekst), forelder);
        lay->addWidget(l, rad++, 0, 1, 3);
        KobleLabel(static_cast<Label&>(*c), l);
        w = l;
        break;
      }
    }
    registrer(f.kontroll, w);
    verktoytips(w, f);
  }

  QGroupBox* radio(RadioGroup& m, QWidget* forelder) {
    auto* boks = new QGroupBox(Q(m.caption()), forelder);
    LagRadioKnapper(m, boks, RadioPerKolonne);
    return boks;
  }

  // The caption label of a field; bound to its model label when it has one.
  QLabel* tekst(const Felt& f, QWidget* felt, QWidget* forelder) {
    if (f.tekst.empty()) return nullptr;
    auto* l = new QLabel(Q(f.tekst), forelder);
    l->setBuddy(felt);
    if (!f.hint.empty()) l->setToolTip(Q(f.hint));
    if (!f.label.empty()) {
      registrer(f.label, l);
      if (Control* c = ed_.find(f.label); c && c->kind() == ControlKind::Label)
        KobleLabel(static_cast<Label&>(*c), l);
    }
    return l;
  }

  void verktoytips(QWidget* w, const Felt& f) {
    if (!f.hint.empty()) w->setToolTip(Q(f.hint));
    if (f.hjelp) w->setProperty("hjelp", f.hjelp);
  }

 private:
  Editor& ed_;
  WidgetKart& kart_;
};

QSize Hint(QWidget* w) { return w->sizeHint().expandedTo(w->minimumSizeHint()); }

}  // namespace

ByggetSide ByggSide(Editor& ed, const SideOppsett& oppsett, WidgetKart& kart) {
  ByggetSide s;
  s.side = new QWidget;
  s.side->setObjectName(Q(oppsett.navn));
  if (oppsett.hjelp) s.side->setProperty("hjelp", oppsett.hjelp);
  kart[oppsett.navn] = s.side;
  Bygger b(ed, kart);

  // Loose fields of the page itself are gathered into frameless blocks;
  // radio groups form blocks of their own; grids go below, full width.
  QWidget* los = nullptr;
  QGridLayout* losLay = nullptr;
  int losRad = 0, losForste = -1;
  auto lukkLos = [&] {
    los = nullptr;
    losLay = nullptr;
    losRad = 0;
    losForste = -1;
  };
  for (const Gruppe& g : oppsett.grupper) {
    if (!g.tekst.empty()) {
      lukkLos();
      s.blokker.push_back(b.gruppe(g, s.side));
      continue;
    }
    for (const Felt& f : g.felter) {
      Control* c = f.kontroll.empty() ? nullptr : ed.find(f.kontroll);
      if (c && c->kind() == ControlKind::RadioGroup) {
        lukkLos();
        QGroupBox* boks = b.radio(static_cast<RadioGroup&>(*c), s.side);
        b.registrer(f.kontroll, boks);
        b.verktoytips(boks, f);
        s.blokker.push_back(boks);
        continue;
      }
      if (c && c->kind() == ControlKind::Grid) {
        lukkLos();
        auto* grid = new GridVisning(static_cast<Grid&>(*c), s.side);
        b.registrer(f.kontroll, grid);
        b.verktoytips(grid, f);
        s.bunn.push_back(grid);
        continue;
      }
      if (!los) {
        los = new QWidget(s.side);
        losLay = new QGridLayout(los);
        losLay->setContentsMargins(6, 4, 6, 4);
        losLay->setHorizontalSpacing(6);
        losLay->setVerticalSpacing(3);
        losLay->setColumnStretch(1, 1);
        s.blokker.push_back(los);
      }
      b.felt(f, los, losLay, losRad, losForste);
    }
    for (const Gruppe& under : g.grupper) {
      lukkLos();
      s.blokker.push_back(b.gruppe(under, s.side));
    }
  }
  return s;
}

QSize KolonneStorrelse(const ByggetSide& s, int kolonner, std::vector<int>* delinger) {
  const int n = static_cast<int>(s.blokker.size());
  std::vector<QSize> hint;
  for (QWidget* w : s.blokker) hint.push_back(Hint(w));
  kolonner = std::clamp(kolonner, 1, std::max(1, n));

  // Every contiguous split into `kolonner` columns (pages have at most a
  // dozen blocks and three columns, so trying them all is cheap).
  std::vector<int> beste, start(static_cast<size_t>(kolonner), 0);
  QSize besteStr(std::numeric_limits<int>::max(), std::numeric_limits<int>::max());
  std::function<void(int, int)> prov = [&](int k, int fra) {
    if (k == kolonner) {
      int bredde = 0, hoyde = 0;
      for (int c = 0; c < kolonner; ++c) {
        const int a = start[static_cast<size_t>(c)];
        const int e = c + 1 < kolonner ? start[static_cast<size_t>(c + 1)] : n;
        int b = 0, h = 0;
        for (int i = a; i < e; ++i) {
          b = std::max(b, hint[static_cast<size_t>(i)].width());
          h += hint[static_cast<size_t>(i)].height() + (i > a ? Avstand : 0);
        }
        bredde += b + (c > 0 ? Avstand : 0);
        hoyde = std::max(hoyde, h);
      }
      if (hoyde < besteStr.height() || (hoyde == besteStr.height() && bredde < besteStr.width())) {
        besteStr = QSize(bredde, hoyde);
        beste = start;
      }
      return;
    }
    // Column k starts at `fra` (column 0 at 0) and leaves a block for each later column.
    for (int i = fra; i <= n - (kolonner - k); ++i) {
      if (k == 0 && i != 0) break;
      start[static_cast<size_t>(k)] = i;
      prov(k + 1, i + 1);
    }
  };
  if (n == 0) {
    besteStr = QSize(0, 0);
    beste = {0};
  } else {
    prov(0, 0);
  }
  for (QWidget* g : s.bunn) {
    const QSize h = Hint(g);
    besteStr.setWidth(std::max(besteStr.width(), h.width()));
    besteStr.setHeight(besteStr.height() + (besteStr.height() ? Avstand : 0) + h.height());
  }
  if (delinger) *delinger = beste;
  return besteStr + QSize(2 * Avstand, 2 * Avstand);
}

void LeggUt(ByggetSide& s, int kolonner) {
  std::vector<int> start;
  KolonneStorrelse(s, kolonner, &start);
  auto* lay = new QVBoxLayout(s.side);
  lay->setContentsMargins(Avstand, Avstand, Avstand, Avstand);
  lay->setSpacing(Avstand);
  auto* rad = new QHBoxLayout;
  rad->setSpacing(Avstand);
  const int n = static_cast<int>(s.blokker.size());
  for (size_t c = 0; c < start.size() && n > 0; ++c) {
    auto* kol = new QVBoxLayout;
    kol->setSpacing(Avstand);
    const int e = c + 1 < start.size() ? start[c + 1] : n;
    for (int i = start[c]; i < e; ++i) kol->addWidget(s.blokker[static_cast<size_t>(i)]);
    kol->addStretch(1);
    rad->addLayout(kol, 1);
  }
  lay->addLayout(rad, s.bunn.empty() ? 1 : 0);
  for (QWidget* g : s.bunn) lay->addWidget(g, 1);
}

std::vector<int> VelgKolonner(const std::vector<ByggetSide>& sider, int maksKolonner) {
  // The sizes every page can take.
  std::vector<std::vector<QSize>> valg;
  std::vector<int> bredder;
  for (const auto& s : sider) {
    std::vector<QSize> v;
    const int maks = std::max(1, std::min<int>(maksKolonner, static_cast<int>(s.blokker.size())));
    for (int k = 1; k <= maks; ++k) {
      v.push_back(KolonneStorrelse(s, k));
      bredder.push_back(v.back().width());
    }
    valg.push_back(v);
  }
  // The page area is as wide as the widest page and as tall as the tallest:
  // try each width and let every page take its lowest layout within it.
  std::vector<int> best(sider.size(), 1);
  long long bestAreal = std::numeric_limits<long long>::max();
  for (int bredde : bredder) {
    int hoyde = 0;
    bool mulig = true;
    std::vector<int> k(sider.size(), 1);
    for (size_t i = 0; i < valg.size() && mulig; ++i) {
      int lav = -1;
      for (size_t j = 0; j < valg[i].size(); ++j)
        if (valg[i][j].width() <= bredde && (lav < 0 || valg[i][j].height() < valg[i][static_cast<size_t>(lav)].height()))
          lav = static_cast<int>(j);
      if (lav < 0) mulig = false;
      else {
        k[i] = lav + 1;
        hoyde = std::max(hoyde, valg[i][static_cast<size_t>(lav)].height());
      }
    }
    const long long areal = static_cast<long long>(bredde) * hoyde;
    if (mulig && areal < bestAreal) {
      bestAreal = areal;
      best = k;
    }
  }
  return best;
}

}  // namespace brul::gui
