// The auxiliary windows and commands of the desktop editor: the COM-port
// overview shows the model's grid and copies it to the clipboard, the help
// window opens the topic of a number, the pop-up menu and F1 find the
// control's number, and the print without a printer says so.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <memory>

#include "app/skriptoperator.h"
#include "app/tilstand.h"
#include "editor/editor.h"
#include "gui/hjelpmeny.h"
#include "gui/hjelpvindu.h"
#include "gui/hovedvindu.h"
#include "gui/portform.h"
#include "gui/utskrift.h"
#include "vindu_felles.h"
#include "windows/portoversikt.h"

using brul::Editor;
using brul::SkriptOperator;
using brul::gui::HjelpKommandoer;
using brul::gui::HjelpVindu;
using brul::gui::HovedVindu;
using brul::gui::PortVindu;

namespace {

namespace fs = std::filesystem;

const char* const Oppsett =
    "[Program]\r\nMaskiner=2\r\n"
    "[Maskin1]\r\nNavn=Drei\r\nPort=Com2\r\nKatalog=C:\\CNC\\DREI\\\r\n"
    "[Maskin2]\r\nNavn=Fres\r\nPort=Com1\r\nKatalog=C:\\CNC\\FRES\\\r\n";

// The source tree: the Hjelp folder the program ships.
fs::path Rot() { return fs::path(__FILE__).parent_path().parent_path().parent_path(); }

struct Kladd : brul::test::VinduKladd {
  HjelpKommandoer* hjelp = nullptr;

  Kladd() {
    skrivFil("Brul.ini", Oppsett);
    brul::IniFil = rot() + "Brul.ini";
    brul::DataKatalog = rot();
    brul::ExeKatalog = Rot().string() + "/";  // its Hjelp folder is the shipped one
    lagVindu();
    hjelp = new HjelpKommandoer(*vindu);
    vindu->show();
  }
};

QString Kilde(const QTextBrowser* b) { return QFileInfo(b->source().toLocalFile()).fileName(); }

}  // namespace

class AuxTest : public QObject {
  Q_OBJECT
 private slots:
  void oversiktenViserModellenOgKopierer();
  void oversiktenApnesFraKnappenOgLukkesMedAvslutt();
  void hjelpVinduetApnerEmnet_data();
  void hjelpVinduetApnerEmnet();
  void hjelpUtenMappeSierIfra();
  void menyenGirKontrollensNummer_data();
  void menyenGirKontrollensNummer();
  void f1ViserEmnetTilFeltetMedFokus();
  void utskriftUtenSkriverSierIfra();
};

void AuxTest::oversiktenViserModellenOgKopierer() {
  Kladd k;
  PortVindu vindu(k.ed->PortForm);
  k.ed->PortForm.Fyll(2, true);
  vindu.visGrid();
  QTableWidget* g = vindu.grid();
  QCOMPARE(g->columnCount(), 3);
  QCOMPARE(g->rowCount(), 2);
  QCOMPARE(g->horizontalHeaderItem(0)->text(), QStringLiteral("ComPort"));
  QCOMPARE(g->item(0, 1)->text(), QStringLiteral("02:FRES"));
  QCOMPARE(g->item(1, 2)->text(), QStringLiteral("C:\\CNC\\DREI\\"));
  QCOMPARE(vindu.utklippsKnapp()->text(), QStringLiteral("Til Utklippstavle"));

  QApplication::clipboard()->setText(QStringLiteral("før"));
  QTest::mouseClick(vindu.utklippsKnapp(), Qt::LeftButton);
  QCOMPARE(QApplication::clipboard()->text(),
           QStringLiteral("COM1\t02:FRES\tC:\\CNC\\FRES\\\r\nCOM2\t01:DREI\tC:\\CNC\\DREI\\"));

  // A listing without rows leaves the clipboard alone.
  k.ed->PortForm.grid.setRowCount(1);
  vindu.visGrid();
  QTest::mouseClick(vindu.utklippsKnapp(), Qt::LeftButton);
  QCOMPARE(QApplication::clipboard()->text(),
           QStringLiteral("COM1\t02:FRES\tC:\\CNC\\FRES\\\r\nCOM2\t01:DREI\tC:\\CNC\\DREI\\"));

  // Long texts are not cut: a column is as wide as its longest text, and
  // the window as wide as its columns.
  auto& m = k.ed->PortForm.grid;
  m.setRowCount(2);
  m.setCell(1, 0, "COM1");
  m.setCell(1, 1, "01:DREIEBENK MAZAK QTN 250 II (HALL 3)");
  m.setCell(1, 2, "C:\\CNC\\QTN250\\  (OBS: BackupKatalog)");
  vindu.visGrid();
  int sum = 0;
  for (int c = 0; c < 3; ++c) {
    const int tekst = g->fontMetrics().horizontalAdvance(g->item(0, c)->text());
    QVERIFY2(g->columnWidth(c) > tekst, qPrintable(g->item(0, c)->text()));
    sum += g->columnWidth(c);
  }
  QVERIFY2(g->width() >= sum, qPrintable(QString("%1 < %2").arg(g->width()).arg(sum)));
  QVERIFY(vindu.width() > g->width());
}

void AuxTest::oversiktenApnesFraKnappenOgLukkesMedAvslutt() {
  Kladd k;
  PortVindu vindu(k.ed->PortForm, k.vindu.get());
  k.op.svar("ComPortListe", "Nei");
  bool vist = false;
  int rader = -1;
  QString tittel;
  QTimer::singleShot(0, &vindu, [&] {
    vist = vindu.isVisible();
    rader = vindu.grid()->rowCount();
    tittel = vindu.windowTitle();
    QTest::mouseClick(vindu.avsluttKnapp(), Qt::LeftButton);
  });
  QTest::mouseClick(k.vindu->knapp("ComPortBtn"), Qt::LeftButton);
  QVERIFY(vist);
  QCOMPARE(rader, 2);
  QCOMPARE(tittel, QStringLiteral("Oversikt over ComPorter"));
  QVERIFY(!vindu.isVisible());
  QCOMPARE(vindu.grid()->horizontalHeaderItem(0)->text(), QStringLiteral("Maskin"));
}

void AuxTest::hjelpVinduetApnerEmnet_data() {
  QTest::addColumn<int>("nr");
  QTest::addColumn<QString>("fil");
  QTest::newRow("eget emne") << 414 << "414.html";
  QTest::newRow("gruppe") << 404 << "404.html";
  QTest::newRow("side") << 1300 << "1300.html";
  QTest::newRow("knapperaden") << 4 << "4.html";
  QTest::newRow("nummer uten emne gir siden") << 499 << "400.html";
  QTest::newRow("null gir innholdet") << 0 << "index.html";
}

void AuxTest::hjelpVinduetApnerEmnet() {
  QFETCH(int, nr);
  QFETCH(QString, fil);
  SkriptOperator op;
  brul::MedOperator med(op);
  HjelpVindu h(nullptr, Rot() / "Hjelp");
  QVERIFY(h.visEmne(nr));
  QCOMPARE(Kilde(h.leser()), fil);
  QVERIFY(!h.leser()->toPlainText().isEmpty());
  QVERIFY(op.logg().empty());
}

void AuxTest::hjelpUtenMappeSierIfra() {
  SkriptOperator op;
  brul::MedOperator med(op);
  QTemporaryDir tom;
  HjelpVindu h(nullptr, fs::path(tom.path().toStdString()));
  QVERIFY(!h.visInnhold());
  QVERIFY(!h.isVisible());
  QCOMPARE(op.logg().size(), size_t(1));
  QCOMPARE(QString::fromStdString(op.logg()[0].caption), QStringLiteral("Hjelp"));
}

void AuxTest::menyenGirKontrollensNummer_data() {
  QTest::addColumn<QString>("navn");
  QTest::addColumn<QString>("melding");
  QTest::addColumn<QString>("emne");
  QTest::newRow("felt") << "Break" << "Break: 414" << "414.html";
  QTest::newRow("avkrysning uten eget nummer") << "FjernNull" << "FjernNull: 0" << "400.html";
  QTest::newRow("knapp i bunnlinjen") << "OKBtn" << "OKBtn: 4" << "4.html";
  QTest::newRow("side") << "TabMaskin" << "TabMaskin: 200" << "200.html";
}

void AuxTest::menyenGirKontrollensNummer() {
  QFETCH(QString, navn);
  QFETCH(QString, melding);
  QFETCH(QString, emne);
  Kladd k;
  QWidget* w = k.vindu->widget(navn.toStdString());
  QVERIFY(w);
  QCOMPARE(w->contextMenuPolicy(), Qt::CustomContextMenu);
  std::unique_ptr<QMenu> meny(k.hjelp->lagMeny(navn.toStdString(), w->property("brulHjelpNr").toInt(),
                                               w->property("brulHjelpEmne").toInt(), w));
  const auto handlinger = meny->actions();
  QCOMPARE(handlinger.size(), 3);
  QCOMPARE(handlinger[0]->text(), QStringLiteral("&Hva er dette ?"));
  QCOMPARE(handlinger[1]->text(), QStringLiteral("&Emner i hjelp"));
  QCOMPARE(handlinger[2]->text(), QStringLiteral("&Context Nr"));
  k.op.tom();
  handlinger[2]->trigger();
  QCOMPARE(k.op.meldinger().size(), size_t(1));
  QCOMPARE(QString::fromStdString(k.op.meldinger()[0]), melding);
  handlinger[0]->trigger();
  QCOMPARE(Kilde(k.hjelp->hjelp()->leser()), emne);
  handlinger[1]->trigger();
  QCOMPARE(Kilde(k.hjelp->hjelp()->leser()), QStringLiteral("index.html"));
}

void AuxTest::f1ViserEmnetTilFeltetMedFokus() {
  Kladd k;
  QVERIFY(QTest::qWaitForWindowActive(k.vindu.get()));
  // The FTP page has no help; its fields get no menu.
  QCOMPARE(k.vindu->widget("FtpKatalog")->contextMenuPolicy(), Qt::DefaultContextMenu);
  QWidget* katalog = k.vindu->widget("Katalog");  // on the page shown at start-up
  katalog->setFocus();
  QTest::keyClick(katalog, Qt::Key_F1);
  QCOMPARE(Kilde(k.hjelp->hjelp()->leser()), QStringLiteral("207.html"));
}

void AuxTest::utskriftUtenSkriverSierIfra() {
  if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("this machine has a printer");
  Kladd k;
  QVERIFY(!brul::gui::SkrivUtVindu(k.vindu.get()));
  QCOMPARE(k.op.meldinger().size(), size_t(1));
  QVERIFY(QString::fromStdString(k.op.meldinger()[0]).startsWith(QStringLiteral("Utskrift: Finner ingen")));
}

QTEST_MAIN(AuxTest)
#include "aux_kommandoer_test.moc"
