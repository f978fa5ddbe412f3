// The grid view over a model grid: drop-down cells write on each keystroke
// and close on a pick or a scroll; the header row and fixed columns never
// edit; model changes show at once without coming back as edits.
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtTest>
#include <map>
#include <string>
#include <vector>

#include "editor/controls.h"
#include "gui/gridvisning.h"

using brul::Grid;
using brul::gui::GridVisning;

namespace {

struct Redigering {
  int rad, kol;
  std::string tekst;
  bool operator==(const Redigering&) const = default;
};

// A presetter-like grid: 7 columns, 21 rows, header row, drop-down lists in
// columns 1 to 4, column 4 empty.
struct Oppsett {
  Grid modell{"ToolGrid", 7, 21, 1, 0};
  std::vector<Redigering> logg;
  GridVisning* vis = nullptr;
  Oppsett() {
    const char* hoder[] = {"Sys", "Type", "ProgDiv", "Mask", "NomSjekk", "ToolReg", "NomReg"};
    for (int k = 0; k < 7; ++k) modell.setCell(0, k, hoder[k]);
    modell.setDropDown(1, {"Drei", "Diameter", "Radius", "Fres", "Div2"});
    modell.setDropDown(2, {"100", "1000"});
    modell.setDropDown(3, {"1", "2", "3"});
    modell.onSetEditText = [this](int r, int k, const std::string& t) { logg.push_back({r, k, t}); };
    vis = new GridVisning(modell);
    vis->resize(420, 160);
    vis->show();
  }
  ~Oppsett() {
    modell.onView = nullptr;
    delete vis;
  }
  QComboBox* kombo() const { return vis->apenKombo(); }
  bool apen() const { return kombo() && kombo()->isVisible() && vis->redigerer(); }
};

}  // namespace

class GridVisningTest : public QObject {
  Q_OBJECT
 private slots:
  void hodeOgFasteCeller();
  void kombocelleSkriverForHvertTegn();
  void valgSkriverOgLukker();
  void rullingLukker();
  void tomListeErVanligCelle();
  void modellendringVisesUtenEkko_data();
  void modellendringVisesUtenEkko();
  void radantallFolgerModellen();
  void kombokolonneRommerLengsteValg();
  void navigasjonSkriverIkke_data();
  void navigasjonSkriverIkke();
  void deleteTommerCellen_data();
  void deleteTommerCellen();
  void cleanup();
};

void GridVisningTest::hodeOgFasteCeller() {
  Oppsett o;
  QVERIFY(QTest::qWaitForWindowExposed(o.vis));
  // The model's row 0 is the header; view row 0 is model row 1.
  QCOMPARE(o.vis->rowCount(), 20);
  QCOMPARE(o.vis->horizontalHeaderItem(2)->text(), QString("ProgDiv"));
  QCOMPARE(o.vis->modellRad(0), 1);
  // Clicking the header of a drop-down column opens nothing.
  const QPoint hode(o.vis->horizontalHeader()->sectionViewportPosition(1) + 5, 5);
  QTest::mouseClick(o.vis->horizontalHeader()->viewport(), Qt::LeftButton, {}, hode);
  QVERIFY(!o.apen());
  QVERIFY(o.logg.empty());

  // A grid with a fixed column: its cells do not edit.
  Grid boks("BoksGrid", 4, 33, 1, 1);
  boks.setCell(1, 0, "Bit0,1");
  GridVisning bv(boks);
  QVERIFY(!(bv.item(0, 0)->flags() & Qt::ItemIsEditable));
  QVERIFY(bv.item(0, 1)->flags() & Qt::ItemIsEditable);
  QCOMPARE(bv.item(0, 0)->text(), QString("Bit0,1"));
}

void GridVisningTest::kombocelleSkriverForHvertTegn() {
  Oppsett o;
  QVERIFY(QTest::qWaitForWindowExposed(o.vis));
  o.vis->setCurrentCell(0, 2);  // selecting the cell opens its box
  QVERIFY(o.apen());
  QTest::keyClicks(o.kombo()->lineEdit(), "10");
  const std::vector<Redigering> ventet{{1, 2, "1"}, {1, 2, "10"}};
  QCOMPARE(o.logg.size(), ventet.size());
  QVERIFY(o.logg == ventet);
  QCOMPARE(o.modell.cell(1, 2), std::string("10"));
  QCOMPARE(o.vis->item(0, 2)->text(), QString("10"));
  QVERIFY(o.apen());  // typing keeps it open
  // The box offers the column's list.
  QCOMPARE(o.kombo()->count(), 2);
  QCOMPARE(o.kombo()->itemText(1), QString("1000"));
}

void GridVisningTest::valgSkriverOgLukker() {
  Oppsett o;
  QVERIFY(QTest::qWaitForWindowExposed(o.vis));
  o.vis->setCurrentCell(3, 1);
  QVERIFY(o.apen());
  QPointer<QComboBox> k = o.kombo();
  k->setCurrentIndex(3);
  emit k->activated(3);  // what the list does when the operator picks "Fres"
  QCOMPARE(o.modell.cell(4, 1), std::string("Fres"));
  QVERIFY(!o.logg.empty());
  QCOMPARE(o.logg.back(), (Redigering{4, 1, "Fres"}));
  QVERIFY(!o.vis->redigerer());
  QVERIFY(!k || !k->isVisible());
  QCOMPARE(o.vis->item(3, 1)->text(), QString("Fres"));
  // A click on the same cell opens the box again, prefilled with the cell.
  o.vis->visKombo(3, 1);
  QVERIFY(o.apen());
  QCOMPARE(o.kombo()->currentText(), QString("Fres"));
}

void GridVisningTest::rullingLukker() {
  Oppsett o;
  QVERIFY(QTest::qWaitForWindowExposed(o.vis));
  o.vis->setCurrentCell(0, 3);
  QVERIFY(o.apen());
  QTest::keyClicks(o.kombo()->lineEdit(), "7");
  QVERIFY(o.vis->verticalScrollBar()->maximum() > 0);
  o.vis->verticalScrollBar()->setValue(o.vis->verticalScrollBar()->maximum());
  QVERIFY(!o.apen());
  QCOMPARE(o.modell.cell(1, 3), std::string("7"));  // the cell keeps what was written
}

void GridVisningTest::tomListeErVanligCelle() {
  Oppsett o;
  QVERIFY(QTest::qWaitForWindowExposed(o.vis));
  o.vis->setCurrentCell(0, 4);  // NomSjekk: no list in this grid
  QVERIFY(!o.vis->redigerer());
  QVERIFY(!o.kombo());
  // Plain cells edit in place; each keystroke reaches the model.
  QTest::keyClick(o.vis, 'a');  // any key opens the cell's text field
  QVERIFY(o.vis->redigerer());
  QCOMPARE(o.modell.cell(1, 4), std::string("a"));
  QLineEdit* felt = o.vis->viewport()->findChild<QLineEdit*>();
  QVERIFY(felt);
  QTest::keyClicks(felt, "b");
  QCOMPARE(o.modell.cell(1, 4), std::string("ab"));
  QVERIFY(!o.logg.empty());
  QCOMPARE(o.logg.back(), (Redigering{1, 4, "ab"}));
}

void GridVisningTest::modellendringVisesUtenEkko_data() {
  QTest::addColumn<int>("rad");
  QTest::addColumn<int>("kol");
  QTest::addColumn<QString>("tekst");
  QTest::newRow("kombokolonne") << 1 << 1 << "Drei";
  QTest::newRow("vanlig kolonne") << 20 << 6 << "T12";
  QTest::newRow("tomt") << 5 << 0 << "";
}

void GridVisningTest::modellendringVisesUtenEkko() {
  QFETCH(int, rad);
  QFETCH(int, kol);
  QFETCH(QString, tekst);
  Oppsett o;
  o.modell.setCell(rad, kol, "forrige");
  o.modell.setCell(rad, kol, tekst.toStdString());
  QCOMPARE(o.vis->item(o.vis->visningsRad(rad), kol)->text(), tekst);
  QVERIFY(o.logg.empty());
}

void GridVisningTest::radantallFolgerModellen() {
  Grid annet("AnnetGrid", 3, 2, 1, 1);
  GridVisning v(annet);
  QCOMPARE(v.rowCount(), 1);
  annet.setRowCount(6);
  annet.setCell(5, 2, "42");
  QCOMPARE(v.rowCount(), 5);
  QCOMPARE(v.item(4, 2)->text(), QString("42"));
  annet.setRowCount(2);
  QCOMPARE(v.rowCount(), 1);
  annet.onView = nullptr;
}

void GridVisningTest::kombokolonneRommerLengsteValg() {
  // The editor fills the lists after the grid is built: the column widens then.
  Grid boks("BoksGrid", 4, 5, 1, 1);
  GridVisning v(boks);
  const int forrige = v.columnWidth(1);
  const QString lengst = "100:Maskin feil med en lang tekst";
  boks.setDropDown(1, {"1:Program start", lengst.toStdString()});
  QVERIFY(v.columnWidth(1) > v.fontMetrics().horizontalAdvance(lengst));
  QVERIFY(v.columnWidth(1) > forrige);
  boks.onView = nullptr;
}

// Keys that move, the wheel and opening and closing the list never write:
// only typing, a pick and Delete do. The cells hold entries of their lists,
// one in other letters, and an empty one.
void GridVisningTest::navigasjonSkriverIkke_data() {
  QTest::addColumn<int>("rad");
  QTest::addColumn<int>("kol");
  QTest::addColumn<QString>("taster");  // R L U D T(ab) B(acktab) P(age down) H(wheel) O(pen list) E(scape)
  QTest::addColumn<int>("tilRad");      // the current row afterwards
  QTest::newRow("ned gjennom Type") << 0 << 1 << "DDD" << 3;
  QTest::newRow("opp og ned") << 2 << 1 << "UUDU" << 0;
  QTest::newRow("høyre og venstre over kombokolonnene") << 0 << 0 << "RRRLLR" << 0;
  QTest::newRow("Tab gjennom raden og tilbake") << 0 << 0 << "TTTTTBBBB" << 0;
  QTest::newRow("side ned") << 0 << 2 << "P" << -1;
  QTest::newRow("hjulet over åpen boks") << 0 << 1 << "HHH" << -1;
  QTest::newRow("lista åpnet og lukket") << 1 << 1 << "OE" << 1;
}

void GridVisningTest::navigasjonSkriverIkke() {
  QFETCH(int, rad);
  QFETCH(int, kol);
  QFETCH(QString, taster);
  QFETCH(int, tilRad);
  Oppsett o;
  o.modell.setCell(1, 1, "Drei");
  o.modell.setCell(2, 1, "fres");
  o.modell.setCell(4, 1, "Radius");
  o.modell.setCell(1, 2, "1000");
  o.modell.setCell(1, 3, "2");
  std::vector<std::string> for_;
  for (int r = 0; r < o.modell.rowCount(); ++r)
    for (int k = 0; k < o.modell.colCount(); ++k) for_.push_back(o.modell.cell(r, k));
  o.vis->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(o.vis));
  o.vis->setFocus();
  o.vis->setCurrentCell(rad, kol);
  for (QChar c : taster) {
    QWidget* f = QApplication::focusWidget();
    QVERIFY(f);
    if (c == 'H') {
      QWidget* mal = o.kombo() ? static_cast<QWidget*>(o.kombo()) : o.vis->viewport();
      const QPointF midt(mal->rect().center());
      QWheelEvent hjul(midt, mal->mapToGlobal(midt), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                       Qt::NoScrollPhase, false);
      QApplication::sendEvent(mal, &hjul);
    } else if (c == 'O') {
      QVERIFY(o.kombo());
      o.kombo()->showPopup();
    } else if (c == 'E') {
      o.kombo()->hidePopup();
    } else {
      const std::map<QChar, Qt::Key> tast{{'R', Qt::Key_Right}, {'L', Qt::Key_Left},    {'U', Qt::Key_Up},
                                          {'D', Qt::Key_Down},  {'T', Qt::Key_Tab},     {'B', Qt::Key_Backtab},
                                          {'P', Qt::Key_PageDown}};
      QTest::keyClick(f, tast.at(c), c == 'B' ? Qt::ShiftModifier : Qt::NoModifier);
    }
  }
  if (tilRad >= 0) QCOMPARE(o.vis->currentRow(), tilRad);
  o.vis->clearFocus();  // the open box loses the focus as well
  o.vis->lukkKombo();
  QVERIFY2(o.logg.empty(), o.logg.empty() ? "" : o.logg.front().tekst.c_str());
  std::vector<std::string> etter;
  for (int r = 0; r < o.modell.rowCount(); ++r)
    for (int k = 0; k < o.modell.colCount(); ++k) etter.push_back(o.modell.cell(r, k));
  QVERIFY(etter == for_);
}

void GridVisningTest::deleteTommerCellen_data() {
  QTest::addColumn<int>("kol");
  QTest::newRow("tekstcelle") << 5;
  QTest::newRow("kombocelle med åpen boks") << 2;
}

void GridVisningTest::deleteTommerCellen() {
  QFETCH(int, kol);
  Oppsett o;
  o.modell.setCell(3, kol, "100");
  o.vis->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(o.vis));
  o.vis->setFocus();
  o.vis->setCurrentCell(2, kol);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
  QCOMPARE(o.modell.cell(3, kol), std::string());
  QCOMPARE(o.vis->item(2, kol)->text(), QString());
  QVERIFY(!o.logg.empty());
  QCOMPARE(o.logg.back(), (Redigering{3, kol, ""}));
  // An empty cell stays as it is: nothing to clear, nothing written.
  const size_t n = o.logg.size();
  o.vis->lukkKombo();
  o.vis->setFocus();
  QTest::keyClick(o.vis, Qt::Key_Delete);
  QCOMPARE(o.logg.size(), n);
}

void GridVisningTest::cleanup() {
  for (QWidget* w : QApplication::topLevelWidgets()) w->close();
}

QTEST_MAIN(GridVisningTest)
#include "gridvisning_test.moc"
