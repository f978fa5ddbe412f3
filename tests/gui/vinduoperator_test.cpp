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
  QString standard;  // the default button, which Enter presses
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
    if (box->defaultButton()) sett.standard = box->defaultButton()->text();
    QAbstractButton* trykk = nullptr;
    for (QAbstractButton* b : box->buttons()) {
      sett.knapper << b->text();
      if (b->text() == knapp) trykk = b;
    }
    if (knapp == "Enter") QTest::keyClick(box, Qt::Key_Return);
    else if (trykk) trykk->click();
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
  void velgEn_data();
  void velgEn();
};

void VinduOperatorTest::sporsmal_data() {
  QTest::addColumn<QString>("knapp");
  QTest::addColumn<bool>("svar");
  QTest::addColumn<bool>("slette");  // a question whose Ja deletes: Nei is the default
  QTest::newRow("Ja") << "&Ja" << true << false;
  QTest::newRow("Nei") << "&Nei" << false << false;
  QTest::newRow("lukket uten svar er Nei") << "" << false << false;
  QTest::newRow("Enter er Ja") << "Enter" << true << false;
  QTest::newRow("slette: Ja") << "&Ja" << true << true;
  QTest::newRow("slette: Enter er Nei") << "Enter" << false << true;
}

void VinduOperatorTest::sporsmal() {
  QFETCH(QString, knapp);
  QFETCH(bool, svar);
  QFETCH(bool, slette);
  VinduOperator op;
  Sett sett;
  SvarPa(sett, knapp);
  const std::string tittel = slette ? "Bytte styringstype" : "Maskin2: Oppsettet er endret";
  const std::string tekst = slette ? "Slette seksjon [Maskin5] og [Com4] først ?" : "Lagre endringer ?";
  QCOMPARE(slette ? op.sporsmalSlette(tittel, tekst) : op.sporsmal(tittel, tekst), svar);
  QCOMPARE(sett.tittel, QString::fromStdString(tittel));
  QCOMPARE(sett.tekst, QString::fromStdString(tekst));
  QCOMPARE(sett.standard, QString(slette ? "&Nei" : "&Ja"));
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

// The question about a key both this save and another program changed: a
// button for each choice and Avbryt, which Escape also gives.
void VinduOperatorTest::velgEn_data() {
  QTest::addColumn<QString>("knapp");
  QTest::addColumn<int>("svar");
  QTest::newRow("min") << "Behold min" << 0;
  QTest::newRow("deres") << "Behold deres" << 1;
  QTest::newRow("Avbryt") << "Avbryt" << -1;
  QTest::newRow("Enter er min") << "Enter" << 0;
}

void VinduOperatorTest::velgEn() {
  QFETCH(QString, knapp);
  QFETCH(int, svar);
  VinduOperator op;
  Sett sett;
  SvarPa(sett, knapp);
  QCOMPARE(op.velgEn("Endret av et annet program", "[Maskin1] Ext ...", {"Behold min", "Behold deres"}), svar);
  QCOMPARE(sett.tittel, QString("Endret av et annet program"));
  QCOMPARE(sett.knapper, QStringList({"Behold min", "Behold deres", "Avbryt"}));
  QCOMPARE(sett.standard, QString("Behold min"));
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
