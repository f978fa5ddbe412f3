// The windows of the check, the preview and the history over the main
// window: a double-click on a finding goes to its machine, page and control;
// an armed preset is shown before it is saved and Avbryt keeps it pending;
// a save can be restored from the history. With BRUL_SKJERMBILDER set to a
// folder, each window is saved there as a picture for the documentation.
#include <QAbstractButton>
#include <QDir>
#include <QKeySequence>
#include <QHeaderView>
#include <QLineEdit>
#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>

#include "app/skriptoperator.h"
#include "app/tilstand.h"
#include "editor/editor.h"
#include "gui/hovedvindu.h"
#include "gui/kontrollvindu.h"
#include "platform/sti.h"
#include "platform/tekst.h"
#include "presets/katalog.h"
#include "vindu_felles.h"

using brul::Editor;
using brul::SideId;
using brul::SkriptOperator;
using brul::gui::HovedVindu;
using brul::gui::KontrollKommandoer;

namespace {

const char* const Ini =
    "[Program]\r\nMaskiner=2\r\nMaskin=1\r\n\r\n"
    "[Maskin1]\r\nNavn=Fres\r\nPort=Com2\r\nProtokoll=Standard\r\n\r\n"
    "[Com2]\r\nBaud=2400\r\n\r\n"
    "[Maskin2]\r\nNavn=Dreiebenk\r\nPort=Com2\r\nProtokol=BTR\r\nStartKode=[DC2][XX]\r\n";

std::string Les(const std::string& fil) {
  std::ifstream inn(fil, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(inn), {});
}

struct Kladd : brul::test::VinduKladd {
  KontrollKommandoer* kommandoer = nullptr;

  // Drive C: is the temporary folder, so the paths read as an installation's.
  Kladd() {
    brul::platform::SettStasjoner({{'C', dir.path().toStdString()}});
    QDir(dir.path()).mkpath("Brul/Maskin1");
    QDir(dir.path()).mkpath("Brul/Maskin2");
    skrivFil("Brul/Brul.ini", Ini);
    brul::IniFil = "C:\\Brul\\Brul.ini";
    brul::ExeKatalog = brul::DataKatalog = "C:\\Brul\\";
    lagVindu();
    kommandoer = new KontrollKommandoer(*vindu);
    vindu->show();
  }
  // The file once the window's pending write (the machine a pick remembers) is done.
  std::string fil() const {
    vindu->fullforMaskinvalg();
    return Les(brul::platform::LokalSti(brul::IniFil));
  }
};

void Bilde(QWidget* w, const char* navn) {
  const QByteArray mappe = qgetenv("BRUL_SKJERMBILDER");
  if (mappe.isEmpty()) return;
  QTest::qWait(50);
  w->grab().save(QString::fromUtf8(mappe) + "/" + navn);
}

}  // namespace

class KontrollVinduTest : public QObject {
  Q_OBJECT
 private slots:
  void knappeneStaarVedBrulIni() {
    Kladd k;
    for (const char* navn : {"KontrollerBtn", "VisEndringerBtn", "HistorikkBtn"})
      QVERIFY2(k.vindu->findChild<QPushButton*>(navn), navn);
    // "Vis endringer" only while something is pending.
    QVERIFY(!k.vindu->findChild<QPushButton*>("VisEndringerBtn")->isEnabled());
    k.ed->MaskinNavn.setText("Ny");
    QVERIFY(k.vindu->findChild<QPushButton*>("VisEndringerBtn")->isEnabled());
  }

  void dobbeltklikkGaarTilMaskinSideOgFelt() {
    Kladd k;
    k.vindu->findChild<QPushButton*>("KontrollerBtn")->click();
    auto* kv = k.kommandoer->kontrollVindu();
    QVERIFY(kv && kv->isVisible());
    QVERIFY(kv->liste()->topLevelItemCount() >= 2);
    Bilde(kv, "kontroller.png");
    // The long text of the third finding wraps instead of being cut short.
    QVERIFY(kv->liste()->visualItemRect(kv->liste()->topLevelItem(2)).height() >
            kv->liste()->visualItemRect(kv->liste()->topLevelItem(0)).height());
    int kode = -1, feilstavet = -1;
    for (int i = 0; i < static_cast<int>(kv->funn().size()); ++i) {
      if (kv->funn()[i].nokkel == "StartKode") kode = i;
      if (kv->funn()[i].nokkel == "Protokol") feilstavet = i;
    }
    QVERIFY(kode >= 0 && feilstavet >= 0);
    kv->gaaTil(kode);
    QCOMPARE(k.ed->MaskinBoks.itemIndex(), 1);
    QCOMPARE(k.ed->aktivSide(), SideId::Protokoll);
    QCOMPARE(k.vindu->sider()->currentIndex(), HovedVindu::fane(SideId::Protokoll));
    QCOMPARE(k.vindu->focusWidget(), k.vindu->widget("StartKode"));
    kv->gaaTil(feilstavet);
    QCOMPARE(k.ed->aktivSide(), SideId::Maskin);
    QCOMPARE(k.vindu->focusWidget(), k.vindu->widget("Protokoll"));
    QCOMPARE(k.fil(), std::string(Ini).replace(std::string(Ini).find("Maskin=1"), 8, "Maskin=2"));
  }

  void forvalgVisesForLagringOgAvbrytBeholderDet() {
    Kladd k;
    const std::string for_ = k.fil();
    k.ed->Styring.operatorPick(brul::FinnIndeks("Haas", brul::StyringsTekster()));
    QVERIFY(k.ed->NyttForvalg);
    std::string vist;
    k.kommandoer->godta = [&](brul::gui::EndringsVindu& v) {
      vist = v.tekst()->toPlainText().toStdString();
      Bilde(&v, "vis-endringer.png");
      return false;
    };
    k.vindu->findChild<QPushButton*>("OKBtn")->click();
    QVERIFY2(vist.find("  Styring: ny, \"Haas\"") != std::string::npos, vist.c_str());
    QVERIFY(k.ed->NyttForvalg);
    QVERIFY(k.ed->Endret());
    QCOMPARE(k.ed->Styring.text(), std::string("Haas"));
    QCOMPARE(k.fil(), for_);
    // The same on a page change that saves: Avbryt keeps the page and the preset.
    vist.clear();
    k.op.svar("Maskin1: Oppsettet er endret", "Ja");
    QVERIFY(!k.ed->byttSide(SideId::Filer));
    QVERIFY(!vist.empty());
    QCOMPARE(k.ed->aktivSide(), SideId::Maskin);
    QVERIFY(k.ed->NyttForvalg);
    QCOMPARE(k.fil(), for_);
    k.kommandoer->godta = [](brul::gui::EndringsVindu&) { return true; };
    k.vindu->findChild<QPushButton*>("OKBtn")->click();
    QVERIFY(!k.ed->Endret());
    QVERIFY(k.fil() != for_);
    QVERIFY(k.fil().find("Styring=Haas") != std::string::npos);

    // The history has the save; Gjenopprett puts the file back.
    k.vindu->findChild<QPushButton*>("HistorikkBtn")->click();
    auto* hv = k.kommandoer->historikkVindu();
    QVERIFY(hv && hv->isVisible());
    QVERIFY(hv->liste()->count() >= 1);
    QVERIFY(hv->tekst()->toPlainText().contains("Styring: ny, \"Haas\""));
    Bilde(hv, "historikk.png");
    hv->liste()->setCurrentRow(hv->liste()->count() - 1);
    k.op.svar("Gjenopprett", "Ja");
    QVERIFY(hv->gjenopprett());
    QCOMPARE(k.fil(), std::string(Ini));
    QCOMPARE(k.ed->Styring.text(), std::string(""));
  }

  // A save that brings in a fault shows it at once, with the jump to it;
  // faults that were there before are not shown again.
  void lagringViserNyeFunn() {
    Kladd k;
    k.ed->Baud.operatorText("12345");
    k.vindu->findChild<QPushButton*>("OKBtn")->click();
    QTRY_VERIFY(k.kommandoer->nyeFunnVindu());
    auto* nv = k.kommandoer->nyeFunnVindu();
    QCOMPARE(nv->funn().size(), std::size_t{1});
    QCOMPARE(nv->funn()[0].nokkel, std::string("Baud"));
    Bilde(nv, "nye-funn.png");
    k.ed->byttSide(SideId::Filer);
    nv->gaaTil(0);
    QCOMPARE(k.ed->aktivSide(), SideId::Maskin);
    QCOMPARE(k.vindu->focusWidget(), k.vindu->widget("Baud"));
    nv->close();
    k.ed->MaskinNavn.setText("Fres 2");
    k.vindu->findChild<QPushButton*>("OKBtn")->click();
    QTest::qWait(50);
    QVERIFY(!k.kommandoer->nyeFunnVindu());
  }

  // Alt+letter: each bottom-bar button and each page shown, and each button
  // of the check and the history, has a key of its own in its window,
  // whichever protocol decides the pages. A hidden page has none, so pages
  // never shown together may share one.
  void hurtigtasterErUlike_data() {
    QTest::addColumn<QString>("apner");  // the bottom-bar button that opens the window
    QTest::newRow("hovedvinduet") << QString();
    QTest::newRow("Kontroller") << "KontrollerBtn";
    QTest::newRow("Historikk") << "HistorikkBtn";
  }
  void hurtigtasterErUlike() {
    QFETCH(QString, apner);
    Kladd k;
    auto sjekk = [](QWidget* vindu, QTabWidget* sider, const QString& hvor) {
      std::map<QString, QString> brukt;
      auto ta = [&](const QString& tekst, bool maa) {
        const QString tast = QKeySequence::mnemonic(tekst).toString();
        QVERIFY2(!tast.isEmpty() || !maa, qPrintable(hvor + ": ingen hurtigtast for " + tekst));
        if (tast.isEmpty()) return;
        const auto [forst, ny] = brukt.emplace(tast, tekst);
        QVERIFY2(ny, qPrintable(hvor + ": " + tast + " for både " + forst->second + " og " + tekst));
      };
      for (QAbstractButton* b : vindu->findChildren<QAbstractButton*>()) {
        const bool maa =
            sider ? b->parentWidget()->objectName() == "Bunnlinje" : qobject_cast<QPushButton*>(b) != nullptr;
        if (b->isVisibleTo(vindu)) ta(b->text(), maa);
      }
      for (int i = 0; sider && i < sider->count(); ++i) {
        if (sider->isTabVisible(i)) ta(sider->tabText(i), true);
        else QVERIFY2(QKeySequence::mnemonic(sider->tabText(i)).isEmpty(), qPrintable(sider->tabText(i)));
      }
    };
    if (apner.isEmpty()) {
      const auto& protokoller = k.ed->Protokoll.items();
      for (int p = 0; p < static_cast<int>(protokoller.size()); ++p) {
        k.ed->Protokoll.operatorPick(p);
        sjekk(k.vindu.get(), k.vindu->sider(), QString::fromStdString(protokoller[static_cast<std::size_t>(p)]));
      }
      return;
    }
    k.vindu->findChild<QPushButton*>(apner)->click();
    QWidget* vindu = apner == "KontrollerBtn" ? static_cast<QWidget*>(k.kommandoer->kontrollVindu())
                                              : k.kommandoer->historikkVindu();
    sjekk(vindu, nullptr, apner);
  }

  void skjermbildeAvHovedvinduet() {
    Kladd k;
    Bilde(k.vindu.get(), "hovedvindu.png");
  }
};

QTEST_MAIN(KontrollVinduTest)
#include "kontrollvindu_test.moc"
