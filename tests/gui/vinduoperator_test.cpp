// The window's operator: what each kind of message box looks like, what the
// answer is, and that it is the core's operator exactly while it lives.
#include <QAbstractButton>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "app/skriptoperator.h"
#include "gui/askform.h"
#include "gui/vinduoperator.h"

using brul::gui::AskForm;
using brul::gui::VinduOperator;

namespace {

struct Sett {
  QString tittel, tekst;
  QMessageBox::Icon ikon = QMessageBox::NoIcon;
  QStringList knapper;
};

// Inspects the modal box once it is open, then presses the button with the
// given text.
void SvarPa(Sett& sett, const QString& knapp) {
  QTimer::singleShot(0, [&sett, knapp] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    sett.tittel = box->windowTitle();
    sett.tekst = box->text();
    sett.ikon = box->icon();
    QAbstractButton* trykk = nullptr;
    for (QAbstractButton* b : box->buttons()) {
      sett.knapper << b->text();
      if (b->text() == knapp) trykk = b;
    }
    if (trykk) trykk->click();
    else box->reject();
  });
}

}  // namespace

class VinduOperatorTest : public QObject {
  Q_OBJECT
 private slots:
  void sporsmal_data();
  void sporsmal();
  void escapeSvarerIkke();
  void melding();
  void stillSporsmalBrukerDialogen();
  void registrering();
};

void VinduOperatorTest::sporsmal_data() {
  QTest::addColumn<QString>("knapp");
  QTest::addColumn<bool>("svar");
  QTest::newRow("Ja") << "&Ja" << true;
  QTest::newRow("Nei") << "&Nei" << false;
  QTest::newRow("lukket uten svar er Nei") << "" << false;
}

void VinduOperatorTest::sporsmal() {
  QFETCH(QString, knapp);
  QFETCH(bool, svar);
  VinduOperator op;
  Sett sett;
  SvarPa(sett, knapp);
  QCOMPARE(op.sporsmal("Maskin2: Oppsettet er endret", "Lagre endringer ?"), svar);
  QCOMPARE(sett.tittel, QString("Maskin2: Oppsettet er endret"));
  QCOMPARE(sett.tekst, QString("Lagre endringer ?"));
  QCOMPARE(sett.ikon, QMessageBox::Question);
  QCOMPARE(sett.knapper.size(), 2);
  QVERIFY(sett.knapper.contains("&Ja") && sett.knapper.contains("&Nei"));
}

void VinduOperatorTest::escapeSvarerIkke() {
  // Escape on "Lagre endringer ?" must not discard the edits as a Nei would.
  VinduOperator op;
  bool apenEtterEscape = false;
  QTimer::singleShot(0, [&apenEtterEscape] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    QTest::keyClick(box, Qt::Key_Escape);
    QTest::keyClick(box->button(QMessageBox::Yes), Qt::Key_Escape);
    QCoreApplication::processEvents();
    apenEtterEscape = box->isVisible();
    box->button(QMessageBox::Yes)->click();
  });
  QVERIFY(op.sporsmal("Maskin2: Oppsettet er endret", "Lagre endringer ?"));
  QVERIFY(apenEtterEscape);
}

void VinduOperatorTest::melding() {
  VinduOperator op;
  Sett sett;
  SvarPa(sett, "OK");
  op.melding("Tips - Utviding av filer", "Hvis \"Read\" må trykkes på styringen mellom hvert\rprogram");
  QCOMPARE(sett.tittel, QString("Tips - Utviding av filer"));
  QCOMPARE(sett.ikon, QMessageBox::NoIcon);
  QCOMPARE(sett.knapper, QStringList{"OK"});
  QVERIFY(sett.tekst.startsWith(QString::fromUtf8("Hvis \"Read\" må")));
}

void VinduOperatorTest::stillSporsmalBrukerDialogen() {
  AskForm ask;
  VinduOperator op(nullptr, &ask);
  QTimer::singleShot(0, &ask, [&ask] {
    ask.answerEdit()->setText("Com6");
    QTest::keyClick(ask.answerEdit(), Qt::Key_Return);
  });
  std::string svar = "Com";
  QVERIFY(op.stillSporsmal("Terminal", "Hvilken Com-port skal benyttes ?", svar));
  QCOMPARE(svar, std::string("Com6"));
  QCOMPARE(ask.windowTitle(), QString("Terminal"));
}

void VinduOperatorTest::registrering() {
  brul::SkriptOperator skript;
  brul::MedOperator med(skript);
  {
    VinduOperator op;
    QCOMPARE(&brul::operatoren(), static_cast<brul::Operator*>(&op));
  }
  // Gone with the window: the previous operator answers again.
  QCOMPARE(&brul::operatoren(), static_cast<brul::Operator*>(&skript));
}

QTEST_MAIN(VinduOperatorTest)
#include "vinduoperator_test.moc"
