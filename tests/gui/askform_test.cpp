// The question dialog: how each way of closing it sets the result and the
// answer, and that Escape does not close it.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "gui/askform.h"

using brul::gui::AskForm;

class AskFormTest : public QObject {
  Q_OBJECT
 private slots:
  void lukking_data();
  void lukking();
  void escapeLukkerIkke();
  void visningOgFokus();
  void cleanup();
};

// How the operator ends the dialog after typing.
enum class Slutt { Enter, OKKnapp, Avbryt, Lukkeboks };
Q_DECLARE_METATYPE(Slutt)

void AskFormTest::lukking_data() {
  QTest::addColumn<QString>("skrevet");  // typed over the selected proposal; empty: nothing typed
  QTest::addColumn<Slutt>("slutt");
  QTest::addColumn<bool>("resultat");
  QTest::addColumn<QString>("svar");

  QTest::newRow("Enter godtar det skrevne") << "Com4" << Slutt::Enter << true << "Com4";
  QTest::newRow("OK godtar det skrevne") << "Com5" << Slutt::OKKnapp << true << "Com5";
  QTest::newRow("Avbryt gir false, men svaret er det skrevne") << "Com7" << Slutt::Avbryt << false << "Com7";
  QTest::newRow("lukkeboksen virker som Avbryt") << "Com8" << Slutt::Lukkeboks << false << "Com8";
  QTest::newRow("forslaget uendret med Enter") << "" << Slutt::Enter << true << "Com";
  QTest::newRow("tomt svar med OK") << "\b" << Slutt::OKKnapp << true << "";
}

void AskFormTest::lukking() {
  QFETCH(QString, skrevet);
  QFETCH(Slutt, slutt);
  QFETCH(bool, resultat);
  QFETCH(QString, svar);

  AskForm ask;
  bool handlet = false, synlig = false, fokus = false;
  QTimer::singleShot(0, &ask, [&] {
    // No early return here: the dialog must be closed whatever is found.
    synlig = ask.isVisible();
    QLineEdit* felt = ask.answerEdit();
    (void)QTest::qWaitForWindowActive(&ask);
    fokus = felt->hasFocus();
    if (skrevet == "\b") QTest::keyClick(felt, Qt::Key_Backspace);  // the proposal is selected
    else if (!skrevet.isEmpty()) QTest::keyClicks(felt, skrevet);
    switch (slutt) {
      case Slutt::Enter: QTest::keyClick(felt, Qt::Key_Return); break;
      case Slutt::OKKnapp: QTest::mouseClick(ask.okButton(), Qt::LeftButton); break;
      case Slutt::Avbryt: QTest::mouseClick(ask.avbrytButton(), Qt::LeftButton); break;
      case Slutt::Lukkeboks: ask.close(); break;
    }
    handlet = true;
  });
  std::string answer = "Com";
  const bool r = ask.StillSporsmal("Terminal", "Hvilken Com-port skal benyttes ?", answer);
  QVERIFY(handlet);
  QVERIFY(synlig);
  QVERIFY(fokus);
  QCOMPARE(r, resultat);
  QCOMPARE(QString::fromStdString(answer), svar);
  QVERIFY(!ask.isVisible());
}

void AskFormTest::escapeLukkerIkke() {
  AskForm ask;
  bool varApen = false;
  QTimer::singleShot(0, &ask, [&] {
    QTest::keyClick(ask.answerEdit(), Qt::Key_Escape);
    QTest::keyClick(&ask, Qt::Key_Escape);
    varApen = ask.isVisible();
    QTest::mouseClick(ask.avbrytButton(), Qt::LeftButton);
  });
  std::string answer = "x";
  QVERIFY(!ask.StillSporsmal("T", "Q", answer));
  QVERIFY(varApen);
}

void AskFormTest::visningOgFokus() {
  // The dialog is reused: a second question starts afresh (flag cleared,
  // new caption, question and proposal).
  AskForm ask;
  for (int runde = 0; runde < 2; ++runde) {
    QString tittel, sporsmal, tekst;
    QTimer::singleShot(0, &ask, [&] {
      tittel = ask.windowTitle();
      sporsmal = ask.heading()->text();
      tekst = ask.answerEdit()->text();
      if (runde == 0) QTest::keyClick(ask.answerEdit(), Qt::Key_Return);
      else ask.close();
    });
    std::string answer = runde == 0 ? "Com" : "Com2";
    const bool r = ask.StillSporsmal(runde == 0 ? "Terminal" : "Spørsmål 2", "Hvilken Com-port skal benyttes ?", answer);
    QCOMPARE(r, runde == 0);
    QCOMPARE(tittel, runde == 0 ? QString("Terminal") : QString::fromUtf8("Spørsmål 2"));
    QCOMPARE(sporsmal, QString("Hvilken Com-port skal benyttes ?"));
    QCOMPARE(tekst, runde == 0 ? QString("Com") : QString("Com2"));
  }
}

void AskFormTest::cleanup() {
  for (QWidget* w : QApplication::topLevelWidgets()) w->close();
}

QTEST_MAIN(AskFormTest)
#include "askform_test.moc"
