// The main window over the editor model on a scratch settings file: edits in
// widgets reach the model and come back in the coupled widgets, loads show
// without counting as edits, a refused page change keeps the page, tabs
// follow the protocol, and the close box asks like Avslutt.
#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest>
#include <fstream>
#include <memory>
#include <map>
#include <set>
#include <vector>

#include "schema/sider.h"

#include "app/lagring.h"
#include "app/skriptoperator.h"
#include "app/tilstand.h"
#include "editor/editor.h"
#include "gui/askform.h"
#include "gui/gridvisning.h"
#include "gui/hovedvindu.h"
#include "gui/vinduoperator.h"
#include "platform/fil.h"
#include "store/ini_document.h"
#include "store/settings.h"
#include "vindu_felles.h"

using brul::Editor;
using brul::SideId;
using brul::SkriptOperator;
using brul::gui::HovedVindu;

namespace {

const char* const ToMaskiner =
    "[Program]\r\nMaskiner=2\r\nMaskin=1\r\n\r\n"
    "[Maskin1]\r\nNavn=Fres\r\nPort=Com2\r\nProtokoll=Standard\r\nHenteProgram=Standard\r\n\r\n"
    "[Com2]\r\nBaud=2400\r\n\r\n"
    "[Maskin2]\r\nNavn=Dreiebenk\r\nProtokoll=FTP\r\n";

// A scratch installation: IniFil and the folders point into a temporary
// folder, and the model's questions go to a scripted operator.
struct Kladd : brul::test::VinduKladd {
  explicit Kladd(const std::string& ini = ToMaskiner) {
    skrivFil("Brul.ini", ini);
    brul::IniFil = rot() + "Brul.ini";
    brul::ExeKatalog = brul::DataKatalog = rot();
    lagVindu();
    vindu->show();
  }
  template <class W>
  W* w(const char* navn) const {
    W* p = vindu->widget<W>(navn);
    if (!p) qWarning("no widget %s", navn);
    return p;
  }
  // The file once the window's pending write (the machine a pick remembers) is done.
  std::string fil(const std::string& seksjon, const std::string& nokkel) const {
    vindu->fullforMaskinvalg();
    return brul::LesFraFil(brul::IniFil, seksjon, nokkel, "<mangler>");
  }
  int sporsmal() const {
    int n = 0;
    for (const auto& h : op.logg()) n += h.type == SkriptOperator::Hendelse::Type::Sporsmal;
    return n;
  }
  bool endret() const { return ed->Endret(); }
  // What the operator sees of the changed state.
  bool visesEndret() const {
    return w<QPushButton>("OKBtn")->isEnabled() && w<QPushButton>("Angre")->isEnabled() &&
           !w<QComboBox>("MaskinBoks")->isEnabled();
  }
  bool visesUendret() const {
    return !w<QPushButton>("OKBtn")->isEnabled() && !w<QPushButton>("Angre")->isEnabled() &&
           w<QComboBox>("MaskinBoks")->isEnabled();
  }
  void klikkFane(SideId id) {
    QTabBar* bar = vindu->sider()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(HovedVindu::fane(id)).center());
  }
  void skriv(const char* felt, const QString& tekst) {
    QLineEdit* le = vindu->widget<QLineEdit>(felt);
    if (!le) le = w<QComboBox>(felt)->lineEdit();
    le->setFocus();
    le->selectAll();
    QTest::keyClicks(le, tekst);
  }
};

// The operator picks an entry from a combo box's list.
void Velg(QComboBox* c, int i) {
  c->setCurrentIndex(i);
  emit c->activated(i);
}

int Valgt(QGroupBox* radio) {
  const auto knapper = radio->findChildren<QRadioButton*>();
  for (QRadioButton* k : knapper)
    if (k->isChecked()) return k->objectName().section('_', -1).toInt();
  return -1;
}

}  // namespace

class HovedVinduTest : public QObject {
  Q_OBJECT
 private slots:
  void vinduOgLasting();
  void kobledeFelt_data();
  void kobledeFelt();
  void sidebytte_data();
  void sidebytte();
  void faner_data();
  void faner();
  void skjultAktivSideFlytter();
  void ctrlTabHopperOverSkjulte_data();
  void ctrlTabHopperOverSkjulte();
  void maskinvalgViserNyMaskin();
  void maskinvalgSkrivesEtterVisning_data();
  void maskinvalgSkrivesEtterVisning();
  void lukking_data();
  void lukking();
  void sideneKlippesIkke();
  void tabulatorFolgerSidetabellen();
  void dobbeltklikkSkriverBareFraBakgrunnen();
  void forlatFelt_data();
  void forlatFelt();
  void enterTrykkerBareOK_data();
  void enterTrykkerBareOK();
  void fokusTilbakeTilSiden_data();
  void fokusTilbakeTilSiden();
  void hjuletEndrerBareKomboMedFokus_data();
  void hjuletEndrerBareKomboMedFokus();
  void utvidTipsetTarIkkeOKKlikket();
  void gridNavigasjonSkriverIkke_data();
  void gridNavigasjonSkriverIkke();
  void deleteTommerGridcelle();
  void skrivebeskyttetFil();
  void annetProgramsEndringer_data();
  void annetProgramsEndringer();
  void brulIniUtenEditorSierHvordan();
  void cleanup();
};

void HovedVinduTest::vinduOgLasting() {
  Kladd k;
  QVERIFY(QTest::qWaitForWindowExposed(k.vindu.get()));
  QCOMPARE(k.vindu->windowTitle(), QString("Tarvsamband - Redigering av Brul.INI  (versjon " BRUL_VERSJON ")"));
  QCOMPARE(k.vindu->minimumSize(), k.vindu->maximumSize());  // fixed size
  QCOMPARE(k.vindu->sider()->count(), 16);
  QCOMPARE(k.vindu->sider()->tabText(HovedVindu::fane(SideId::ForInst)), QString("Forinnst."));
  QCOMPARE(k.vindu->sider()->currentIndex(), HovedVindu::fane(SideId::Maskin));
  // Loading fills the widgets and leaves the editor unchanged: showing the
  // model's values did not come back as edits.
  QVERIFY(!k.endret());
  QVERIFY(k.visesUendret());
  auto* boks = k.w<QComboBox>("MaskinBoks");
  QCOMPARE(boks->count(), 2);
  QCOMPARE(boks->itemText(1), QString("DREIEBENK"));
  QCOMPARE(boks->currentIndex(), 0);
  // Its open list shows every name whole.
  for (int i = 0; i < boks->count(); ++i)
    QVERIFY(boks->view()->minimumWidth() > boks->view()->fontMetrics().horizontalAdvance(boks->itemText(i)));
  QCOMPARE(k.w<QLineEdit>("MaskinNavn")->text(), QString("FRES"));
  QCOMPARE(k.w<QComboBox>("Com")->currentText(), QString("Com2"));
  QCOMPARE(k.w<QComboBox>("Baud")->currentText(), QString("2400"));
  QCOMPARE(Valgt(k.w<QGroupBox>("BaudRate")), 3);
  QCOMPARE(k.w<QComboBox>("ComPort")->currentIndex(), 1);
  // No button of the bottom bar is a default button: Enter is the window's.
  for (const char* b : {"Brul_INI", "Angre", "OKBtn", "Avslutt"}) {
    QVERIFY2(!k.w<QPushButton>(b)->isDefault(), b);
    QVERIFY2(!k.w<QPushButton>(b)->autoDefault(), b);
  }
  QCOMPARE(k.w<QLabel>("ProtokollL")->text(), QString("Protokoll:"));
}

void HovedVinduTest::kobledeFelt_data() {
  QTest::addColumn<QString>("felt");
  QTest::addColumn<QString>("handling");  // "velg N", "klikk N" or "skriv TEXT"
  QTest::addColumn<QString>("partner");
  QTest::addColumn<QString>("ventet");    // partner's text, or its selected index for radio groups

  QTest::newRow("Com velger i ComPort") << "Com" << "velg 6" << "ComPort" << "Com7";
  QTest::newRow("ComPort velger i Com") << "ComPort" << "velg 4" << "Com" << "Com5";
  QTest::newRow("Com skrevet") << "Com" << "skriv Com9" << "ComPort" << "Com9";
  QTest::newRow("Baud velger i BaudRate") << "Baud" << "velg 5" << "BaudRate" << "5";
  QTest::newRow("BaudRate velger i Baud") << "BaudRate" << "klikk 2" << "Baud" << "1200";
  QTest::newRow("Baud utenfor lista tømmer BaudRate") << "Baud" << "skriv 1234" << "BaudRate" << "-1";
  QTest::newRow("HandShake velger i HandShakeR") << "HandShake" << "velg 2" << "HandShakeR" << "2";
  QTest::newRow("HandShakeR velger i HandShake") << "HandShakeR" << "klikk 4" << "HandShake" << "Forsinket, begge";
  QTest::newRow("MaxLengde til MaxLengdeD") << "MaxLengde" << "skriv 35" << "MaxLengdeD" << "35";
  QTest::newRow("MaxLengdeD til MaxLengde") << "MaxLengdeD" << "skriv 8" << "MaxLengde" << "8";
  QTest::newRow("Katalog til FtpKatalog") << "Katalog" << "skriv D:\\Fres\\" << "FtpKatalog" << "D:\\Fres\\";
}

void HovedVinduTest::kobledeFelt() {
  QFETCH(QString, felt);
  QFETCH(QString, handling);
  QFETCH(QString, partner);
  QFETCH(QString, ventet);
  Kladd k;
  QVERIFY(QTest::qWaitForWindowExposed(k.vindu.get()));
  // Edit on the page that holds the field, as the operator would.
  k.ed->settAktivSide(k.ed->sideAv(felt.toStdString()));
  QCOMPARE(k.vindu->sider()->currentIndex(), HovedVindu::fane(k.ed->aktivSide()));

  const QString verb = handling.section(' ', 0, 0);
  const QString arg = handling.section(' ', 1);
  const QByteArray navn = felt.toLatin1();
  if (verb == "velg") Velg(k.w<QComboBox>(navn), arg.toInt());
  else if (verb == "klikk")
    QTest::mouseClick(k.w<QGroupBox>(navn)->findChild<QRadioButton*>(felt + "_" + arg), Qt::LeftButton);
  else k.skriv(navn, arg);

  QWidget* p = k.vindu->widget(partner.toStdString());
  QVERIFY(p);
  if (auto* c = qobject_cast<QComboBox*>(p)) QCOMPARE(c->currentText(), ventet);
  else if (auto* e = qobject_cast<QLineEdit*>(p)) QCOMPARE(e->text(), ventet);
  else QCOMPARE(Valgt(qobject_cast<QGroupBox*>(p)), ventet.toInt());
  // The widget and the model agree, and the edit marks the editor changed.
  QCOMPARE(QString::fromStdString(k.ed->tekstAv(partner.toStdString()).empty()
                                      ? std::to_string(static_cast<brul::RadioGroup*>(k.ed->find(partner.toStdString()))->itemIndex())
                                      : k.ed->tekstAv(partner.toStdString())),
           ventet);
  QVERIFY(k.endret());
  QVERIFY(k.visesEndret());
}

void HovedVinduTest::sidebytte_data() {
  QTest::addColumn<QString>("maskiner");  // the Maskiner text when the operator clicks another tab
  QTest::addColumn<bool>("skrevet");      // typed in the field (focus then leaves it) or set by the model
  QTest::addColumn<QString>("svar");      // to "Lagre endringer ?"
  QTest::addColumn<bool>("byttet");
  QTest::addColumn<QString>("lagret");    // Maskiner in the file afterwards

  QTest::newRow("Nei forkaster og bytter") << "3" << true << "Nei" << true << "2";
  QTest::newRow("Ja lagrer og bytter") << "3" << true << "Ja" << true << "3";
  // Leaving the field refuses a count outside 1-255 (the field gets back the
  // count in use), so such a text is left only when the field is not left
  // (as the model can do).
  QTest::newRow("0 skrevet avvises og bytter") << "0" << true << "Ja" << true << "2";
  QTest::newRow("Ja lagrer 0 og nekter") << "0" << false << "Ja" << false << "0";
  QTest::newRow("Ja lagrer bokstaver og nekter") << "abc" << false << "Ja" << false << "abc";
  QTest::newRow("Nei med 0 forkaster og bytter") << "0" << false << "Nei" << true << "2";
}

void HovedVinduTest::sidebytte() {
  QFETCH(QString, maskiner);
  QFETCH(bool, skrevet);
  QFETCH(QString, svar);
  QFETCH(bool, byttet);
  QFETCH(QString, lagret);
  Kladd k;
  QVERIFY(QTest::qWaitForWindowExposed(k.vindu.get()));
  k.klikkFane(SideId::Program);  // nothing pending: no question
  QCOMPARE(k.ed->aktivSide(), SideId::Program);
  QCOMPARE(k.sporsmal(), 0);

  k.op.svar("Maskin1: Oppsettet er endret", svar.toStdString());
  if (skrevet) k.skriv("Maskiner", maskiner);
  else k.ed->Maskiner.setText(maskiner.toStdString());
  QCOMPARE(k.w<QLineEdit>("Maskiner")->text(), maskiner);
  QVERIFY(k.visesEndret());
  k.klikkFane(SideId::Maskin);
  QCOMPARE(k.sporsmal(), 1);  // asked once; a refused change does not ask again
  const SideId ventet = byttet ? SideId::Maskin : SideId::Program;
  QCOMPARE(k.ed->aktivSide(), ventet);
  QCOMPARE(k.vindu->sider()->currentIndex(), HovedVindu::fane(ventet));
  QCOMPARE(QString::fromStdString(k.fil("Program", "Maskiner")), lagret);
  QVERIFY(k.visesUendret());
}

void HovedVinduTest::faner_data() {
  QTest::addColumn<QString>("protokoll");  // typed into the Protokoll box
  QTest::addColumn<QStringList>("skjult");  // the tabs hidden afterwards

  QTest::newRow("lsv2 med små bokstaver")
      << "lsv2" << QStringList{"Protokoll", "Henteprog.", "Henteprog2", "Tool/Dir", "Mazak", "Terminal",
                               "Parallell", "Forinnst.", "Logging", "LoggeBoks", "FTP"};
  QTest::newRow("FTP skjuler Com")
      << "FTP" << QStringList{"Com", "Protokoll", "Henteprog.", "Henteprog2", "Tool/Dir", "Mazak", "Terminal",
                              "Parallell", "Forinnst.", "Logging", "LoggeBoks"};
  QTest::newRow("Parallell viser Parallell")
      << "Parallell" << QStringList{"Filer", "Protokoll", "Henteprog.", "Henteprog2", "Tool/Dir", "Mazak",
                                    "Terminal", "Forinnst.", "Logging", "LoggeBoks", "FTP"};
  QTest::newRow("ForInst")
      << "ForInst" << QStringList{"Filer", "Protokoll", "Henteprog.", "Henteprog2", "Mazak", "Terminal",
                                  "Parallell", "Logging", "LoggeBoks", "FTP"};
  QTest::newRow("Mazatrol viser Mazak")
      << "Mazatrol" << QStringList{"Terminal", "Parallell", "Forinnst.", "LoggeBoks", "FTP"};
  QTest::newRow("ukjent protokoll gir vanlige sider")
      << "Ny9" << QStringList{"Mazak", "Terminal", "Parallell", "Forinnst.", "LoggeBoks", "FTP"};
}

void HovedVinduTest::faner() {
  QFETCH(QString, protokoll);
  QFETCH(QStringList, skjult);
  Kladd k;
  QVERIFY(QTest::qWaitForWindowExposed(k.vindu.get()));
  k.skriv("Protokoll", protokoll);
  QTabWidget* t = k.vindu->sider();
  QStringList faktisk;
  for (int i = 0; i < t->count(); ++i) {
    QCOMPARE(t->isTabVisible(i), k.ed->side(static_cast<SideId>(i)).shown());
    if (!t->isTabVisible(i)) faktisk << t->tabText(i);
  }
  QCOMPARE(faktisk, skjult);
  QCOMPARE(t->currentIndex(), HovedVindu::fane(SideId::Maskin));
  QVERIFY(k.visesEndret());
}

void HovedVinduTest::skjultAktivSideFlytter() {
  // Machine 2 uses FTP: selecting it while the page "Com" is shown hides
  // that page; the model learns which page the window shows instead.
  Kladd k;
  QVERIFY(QTest::qWaitForWindowExposed(k.vindu.get()));
  k.klikkFane(SideId::Com);
  QCOMPARE(k.ed->aktivSide(), SideId::Com);
  Velg(k.w<QComboBox>("MaskinBoks"), 1);
  QVERIFY(!k.vindu->sider()->isTabVisible(HovedVindu::fane(SideId::Com)));
  QTRY_COMPARE(HovedVindu::fane(k.ed->aktivSide()), k.vindu->sider()->currentIndex());
  QVERIFY(k.vindu->sider()->isTabVisible(k.vindu->sider()->currentIndex()));
  QVERIFY(k.visesUendret());
}

// A pick shows the machine before the machine to start with is written (on
// another thread); the next key waits for that write. What another program
// wrote in between is kept and shown, and a change of the same key is asked
// about on the window's thread.
void HovedVinduTest::maskinvalgSkrivesEtterVisning_data() {
  QTest::addColumn<QString>("fra");    // another program's line before the write ("" none)
  QTest::addColumn<QString>("til");    // ... and what it made of it
  QTest::addColumn<QString>("svar");   // to "Endret av et annet program"
  QTest::addColumn<QString>("maskin");  // [Program] Maskin afterwards
  QTest::addColumn<QString>("protokoll");  // shown afterwards
  QTest::newRow("alene") << "" << "" << "" << "2" << "FTP";
  QTest::newRow("annen nøkkel") << "Protokoll=FTP" << "Protokoll=Standard" << "" << "2" << "Standard";
  QTest::newRow("samme nøkkel, min") << "Maskin=1" << "Maskin=7" << brul::kBeholdMin << "2" << "FTP";
  QTest::newRow("samme nøkkel, deres") << "Maskin=1" << "Maskin=7" << brul::kBeholdDeres << "7" << "FTP";
}

void HovedVinduTest::maskinvalgSkrivesEtterVisning() {
  QFETCH(QString, fra);
  QFETCH(QString, til);
  QFETCH(QString, svar);
  QFETCH(QString, maskin);
  QFETCH(QString, protokoll);
  Kladd k;
  QVERIFY(QTest::qWaitForWindowExposed(k.vindu.get()));
  k.op.svar(brul::kKonfliktCaption, svar.toStdString());
  Velg(k.w<QComboBox>("MaskinBoks"), 1);
  QCOMPARE(k.w<QLineEdit>("MaskinNavn")->text(), QString("DREIEBENK"));
  std::string ini = brul::platform::LesHeleFil(brul::IniFil).bytes;
  QVERIFY(ini.find("Maskin=1\r\n") != std::string::npos);  // not written yet
  if (!fra.isEmpty()) k.skrivFil("Brul.ini", ini.replace(ini.find(fra.toStdString()), fra.size(), til.toStdString()));
  QCoreApplication::processEvents();  // the write starts
  QTest::keyClick(k.w<QLineEdit>("MaskinNavn"), Qt::Key_End);
  QCOMPARE(QString::fromStdString(k.fil("Program", "Maskin")), maskin);
  QCOMPARE(k.sporsmal(), svar.isEmpty() ? 0 : 1);
  QCOMPARE(k.w<QComboBox>("Protokoll")->currentText(), protokoll);
  QCOMPARE(k.w<QLineEdit>("MaskinNavn")->text(), QString("DREIEBENK"));
  QVERIFY(k.visesUendret());
}

void HovedVinduTest::ctrlTabHopperOverSkjulte_data() {
  QTest::addColumn<int>("fra");
  QTest::addColumn<bool>("bakover");
  QTest::addColumn<int>("til");
  // Machine 1 (Standard, fetch type Standard): Henteprog2, Mazak, Terminal,
  // Parallell, Forinnst., LoggeBoks and FTP are hidden.
  QTest::newRow("Henteprog. til Tool/Dir") << int(SideId::Henteprog) << false << int(SideId::ToolDir);
  QTest::newRow("Tool/Dir til Logging") << int(SideId::ToolDir) << false << int(SideId::Logging);
  QTest::newRow("Logging til Annet") << int(SideId::Logging) << false << int(SideId::Annet);
  QTest::newRow("Annet rundt til Program") << int(SideId::Annet) << false << int(SideId::Program);
  QTest::newRow("bakover fra Logging til Tool/Dir") << int(SideId::Logging) << true << int(SideId::ToolDir);
  QTest::newRow("bakover fra Annet til Logging") << int(SideId::Annet) << true << int(SideId::Logging);
}

void HovedVinduTest::ctrlTabHopperOverSkjulte() {
  QFETCH(int, fra);
  QFETCH(bool, bakover);
  QFETCH(int, til);
  Kladd k;
  QVERIFY(QTest::qWaitForWindowExposed(k.vindu.get()));
  k.ed->settAktivSide(static_cast<SideId>(fra));
  QTest::keyClick(k.vindu->sider(), bakover ? Qt::Key_Backtab : Qt::Key_Tab,
                  bakover ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier);
  QCOMPARE(int(k.ed->aktivSide()), til);
  QCOMPARE(k.vindu->sider()->currentIndex(), til);
}

void HovedVinduTest::maskinvalgViserNyMaskin() {
  Kladd k;
  QVERIFY(QTest::qWaitForWindowExposed(k.vindu.get()));
  Velg(k.w<QComboBox>("MaskinBoks"), 1);
  QCOMPARE(k.w<QLineEdit>("MaskinNavn")->text(), QString("DREIEBENK"));
  QCOMPARE(k.w<QComboBox>("Protokoll")->currentText(), QString("FTP"));
  QCOMPARE(k.w<QComboBox>("Com")->currentText(), QString("Com4"));  // machine 2's default port
  QCOMPARE(k.fil("Program", "Maskin"), std::string("2"));
  QVERIFY(k.visesUendret());
  // The selector is locked while an edit is pending, and free again after Angre.
  k.skriv("MaskinNavn", "Dreiebenk 2");
  QVERIFY(k.visesEndret());
  QTest::mouseClick(k.w<QPushButton>("Angre"), Qt::LeftButton);
  QVERIFY(k.visesUendret());
  QCOMPARE(k.w<QLineEdit>("MaskinNavn")->text(), QString("DREIEBENK"));
}

void HovedVinduTest::lukking_data() {
  QTest::addColumn<bool>("rediger");
  QTest::addColumn<QString>("svar");
  QTest::addColumn<bool>("avslutt");  // the Avslutt button instead of the close box
  QTest::addColumn<int>("sporsmal");
  QTest::addColumn<QString>("navn");  // Navn of machine 1 in the file afterwards

  QTest::newRow("uendret lukkes uten spørsmål") << false << "Ja" << false << 0 << "Fres";
  QTest::newRow("lukkeboks, Ja lagrer") << true << "Ja" << false << 1 << "Ny fres";
  QTest::newRow("lukkeboks, Nei forkaster") << true << "Nei" << false << 1 << "Fres";
  QTest::newRow("Avslutt, Ja lagrer") << true << "Ja" << true << 1 << "Ny fres";
  QTest::newRow("Avslutt, Nei forkaster") << true << "Nei" << true << 1 << "Fres";
}

void HovedVinduTest::lukking() {
  QFETCH(bool, rediger);
  QFETCH(QString, svar);
  QFETCH(bool, avslutt);
  QFETCH(int, sporsmal);
  QFETCH(QString, navn);
  Kladd k;
  QVERIFY(QTest::qWaitForWindowExposed(k.vindu.get()));
  k.op.svar("Maskin1: Oppsettet er endret", svar.toStdString());
  if (rediger) k.skriv("MaskinNavn", "Ny fres");
  if (avslutt) QTest::mouseClick(k.w<QPushButton>("Avslutt"), Qt::LeftButton);
  else k.vindu->close();
  QVERIFY(!k.vindu->isVisible());
  QCOMPARE(k.sporsmal(), sporsmal);
  if (sporsmal) {
    QCOMPARE(QString::fromStdString(k.op.logg().back().caption), QString("Maskin1: Oppsettet er endret"));
    QCOMPARE(QString::fromStdString(k.op.logg().back().text), QString("Lagre endringer ?"));
  }
  QCOMPARE(QString::fromStdString(k.fil("Maskin1", "Navn")), navn);
}

void HovedVinduTest::sideneKlippesIkke() {
  // Every page, hidden or not, fits the fixed page area: nothing is clipped.
  Kladd k;
  QVERIFY(QTest::qWaitForWindowExposed(k.vindu.get()));
  QTabWidget* t = k.vindu->sider();
  const QSize flate = t->currentWidget()->size();
  for (int i = 0; i < t->count(); ++i) {
    QWidget* side = t->widget(i);
    QVERIFY2(side->layout(), qPrintable(t->tabText(i)));
    const QSize min = side->layout()->minimumSize();
    QVERIFY2(min.width() <= flate.width() && min.height() <= flate.height(),
             qPrintable(QString("%1: %2x%3 > %4x%5").arg(t->tabText(i)).arg(min.width()).arg(min.height())
                            .arg(flate.width()).arg(flate.height())));
  }
}

namespace {
void Feltnavn(const brul::Gruppe& g, std::vector<std::string>& ut) {
  for (const auto& f : g.felter)
    if (!f.kontroll.empty()) ut.push_back(f.kontroll);
  for (const auto& under : g.grupper) Feltnavn(under, ut);
}
}  // namespace

void HovedVinduTest::tabulatorFolgerSidetabellen() {
  // The Tab key visits the fields of every page in the order of the page
  // table, and the bottom bar after the pages.
  Kladd k;
  QVERIFY(QTest::qWaitForWindowExposed(k.vindu.get()));
  std::map<QWidget*, int> plass;
  int n = 0;
  QWidget* w = k.vindu.get();
  do {
    plass.emplace(w, n++);
    w = w->nextInFocusChain();
  } while (w != k.vindu.get() && n < 10000);
  // A widget's place: its own, or that of its first descendant in the chain
  // (the buttons of a radio group).
  auto sted = [&](QWidget* x) {
    int best = -1;
    for (const auto& [v, i] : plass)
      if ((v == x || x->isAncestorOf(v)) && (best < 0 || i < best)) best = i;
    return best;
  };
  int forrige = -1;
  for (const auto& side : brul::Sider()) {
    std::vector<std::string> navn;
    for (const auto& g : side.grupper) Feltnavn(g, navn);
    for (const auto& f : navn) {
      QWidget* x = k.vindu->widget(f);
      QVERIFY2(x, f.c_str());
      const int i = sted(x);
      QVERIFY2(i > forrige, qPrintable(QString::fromStdString(side.navn + ": " + f)));
      forrige = i;
    }
  }
  for (const char* b : {"MaskinBoks", "Brul_INI", "Angre", "OKBtn", "Avslutt"}) {
    const int i = sted(k.vindu->widget(b));
    QVERIFY2(i > forrige, b);
    forrige = i;
  }
}

void HovedVinduTest::forlatFelt_data() {
  QTest::addColumn<QString>("hvordan");
  QTest::addColumn<int>("rad");  // advice boxes shown
  QTest::newRow("Tab til neste felt gir rådet") << "tab" << 1;
  QTest::newRow("klikk i et annet felt gir rådet") << "klikk" << 1;
  QTest::newRow("vinduet lukkes: ingen råd") << "lukk" << 0;
  QTest::newRow("vinduet rives ned: ingen råd") << "slett" << 0;
}

void HovedVinduTest::forlatFelt() {
  // Leaving Utvid with a short Break shows the advice; a window that closes
  // while the field has the focus does not.
  QFETCH(QString, hvordan);
  QFETCH(int, rad);
  Kladd k;
  QVERIFY(QTest::qWaitForWindowActive(k.vindu.get()));
  k.ed->settAktivSide(SideId::Filer);
  k.skriv("Utvid", "1");
  QVERIFY(k.w<QLineEdit>("Utvid")->hasFocus());
  if (hvordan == "tab") QTest::keyClick(k.w<QLineEdit>("Utvid"), Qt::Key_Tab);
  else if (hvordan == "klikk") QTest::mouseClick(k.w<QLineEdit>("FjernLinje"), Qt::LeftButton);
  else if (hvordan == "lukk") k.vindu->close();
  else k.vindu.reset();
  int antall = 0;
  for (const auto& h : k.op.logg()) antall += h.caption == "Tips - Utviding av filer";
  QCOMPARE(antall, rad);
}

void HovedVinduTest::cleanup() {
  for (QWidget* w : QApplication::topLevelWidgets()) w->close();
}

// Printing is for a double-click on the window's own background or the bottom
// bar's; one on a label, a group box or a page (which Qt passes on to the
// window) must not send a page to the printer.
void HovedVinduTest::dobbeltklikkSkriverBareFraBakgrunnen() {
  Kladd k;
  QSignalSpy utskrift(k.vindu.get(), &HovedVindu::dobbeltklikket);
  QLabel* navnLabel = nullptr;
  for (QLabel* l : k.vindu->findChildren<QLabel*>())
    if (l->text() == QStringLiteral("Navn:")) navnLabel = l;
  QVERIFY(navnLabel);
  QGroupBox* gruppe = nullptr;
  for (QGroupBox* g : k.vindu->findChildren<QGroupBox*>())
    if (g->title() == QStringLiteral("Maskindata")) gruppe = g;
  QVERIFY(gruppe);
  QPoint bakgrunn(-1, -1);
  // (0,0) would mean "the centre" to QTest.
  for (int y = 1; y < k.vindu->height() && bakgrunn.x() < 0; ++y)
    for (int x = 1; x < k.vindu->width(); ++x)
      if (!k.vindu->childAt(x, y)) {
        bakgrunn = QPoint(x, y);
        break;
      }
  QVERIFY(bakgrunn.x() >= 0);

  QTest::mouseDClick(k.vindu.get(), Qt::LeftButton, {}, bakgrunn);
  QCOMPARE(utskrift.count(), 1);
  QTest::mouseDClick(navnLabel, Qt::LeftButton, {}, navnLabel->rect().center());
  QTest::mouseDClick(gruppe, Qt::LeftButton, {}, QPoint(2, gruppe->height() - 2));
  QTest::mouseDClick(k.vindu->sider()->currentWidget(), Qt::LeftButton, {}, QPoint(1, 1));
  QCOMPARE(utskrift.count(), 1);
}

// Enter presses OK, only while OK is enabled, wherever the focus is; a
// focused bottom-bar button never takes Enter for itself.
void HovedVinduTest::enterTrykkerBareOK_data() {
  QTest::addColumn<bool>("rediger");   // MaskinNavn typed first
  QTest::addColumn<QString>("fokus");  // where Enter is pressed
  QTest::addColumn<QString>("navn");   // Navn of machine 1 in the file afterwards
  QTest::newRow("endret felt: Enter lagrer") << true << "MaskinNavn" << "Ny fres";
  QTest::newRow("endret, fokus på Avslutt: lagrer, lukker ikke") << true << "Avslutt" << "Ny fres";
  QTest::newRow("endret, fokus på Angre: lagrer") << true << "Angre" << "Ny fres";
  QTest::newRow("uendret, fokus på Brul.INI: ingenting") << false << "Brul_INI" << "Fres";
  QTest::newRow("uendret, fokus på Avslutt: ingenting") << false << "Avslutt" << "Fres";
  QTest::newRow("uendret felt: ingenting") << false << "MaskinNavn" << "Fres";
}

void HovedVinduTest::enterTrykkerBareOK() {
  QFETCH(bool, rediger);
  QFETCH(QString, fokus);
  QFETCH(QString, navn);
  Kladd k;
  QVERIFY(QTest::qWaitForWindowActive(k.vindu.get()));
  QSignalSpy brulIni(k.vindu.get(), &HovedVindu::brulIniKlikket);
  if (rediger) k.skriv("MaskinNavn", "Ny fres");
  QWidget* w = k.vindu->widget(fokus.toStdString());
  w->setFocus(Qt::TabFocusReason);
  QTest::keyClick(w, Qt::Key_Return);
  QVERIFY(k.vindu->isVisible());
  QCOMPARE(brulIni.count(), 0);
  QCOMPARE(QString::fromStdString(k.fil("Maskin1", "Navn")), navn);
  QVERIFY(!k.endret());
  QCOMPARE(k.sporsmal(), 0);
}

// After a machine pick, OK or Angre the focus is back on the page, never on a
// bottom-bar button where Enter or Space would press it.
void HovedVinduTest::fokusTilbakeTilSiden_data() {
  QTest::addColumn<QString>("handling");
  QTest::newRow("maskinvalg") << "maskin";
  QTest::newRow("piltast i maskinvelgeren blir der") << "pil";
  QTest::newRow("OK") << "OK";
  QTest::newRow("Angre") << "Angre";
}

void HovedVinduTest::fokusTilbakeTilSiden() {
  QFETCH(QString, handling);
  Kladd k;
  QVERIFY(QTest::qWaitForWindowActive(k.vindu.get()));
  if (handling == "maskin") {
    auto* boks = k.w<QComboBox>("MaskinBoks");
    QTest::mouseClick(boks, Qt::LeftButton);  // the box takes the focus as a click gives it
    QApplication::processEvents();
    boks->hidePopup();
    boks->setFocus(Qt::MouseFocusReason);
    Velg(boks, 1);
  } else if (handling == "pil") {
    auto* boks = k.w<QComboBox>("MaskinBoks");
    boks->setFocus(Qt::TabFocusReason);
    QTest::keyClick(boks, Qt::Key_Down);
    QCOMPARE(boks->currentIndex(), 1);
    QCOMPARE(k.w<QLineEdit>("MaskinNavn")->text(), QString("DREIEBENK"));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(boks));  // the next arrow goes on from here
    return;
  } else {
    k.skriv("MaskinNavn", "Ny fres");
    QTest::mouseClick(k.w<QPushButton>(handling == "OK" ? "OKBtn" : "Angre"), Qt::LeftButton);
    QCOMPARE(QString::fromStdString(k.fil("Maskin1", "Navn")), handling == "OK" ? QString("Ny fres") : QString("Fres"));
  }
  QVERIFY(k.visesUendret());
  QWidget* side = k.vindu->sider()->currentWidget();
  QTRY_VERIFY(QApplication::focusWidget() && side->isAncestorOf(QApplication::focusWidget()));
  if (handling != "maskin") QCOMPARE(QApplication::focusWidget(), k.vindu->widget("MaskinNavn"));
}

// The wheel changes a combo box only while it has the focus.
void HovedVinduTest::hjuletEndrerBareKomboMedFokus_data() {
  QTest::addColumn<QString>("felt");
  QTest::addColumn<bool>("fokus");
  QTest::newRow("Baud uten fokus") << "Baud" << false;
  QTest::newRow("Protokoll uten fokus") << "Protokoll" << false;
  QTest::newRow("MaskinBoks uten fokus") << "MaskinBoks" << false;
  QTest::newRow("Baud med fokus") << "Baud" << true;
}

void HovedVinduTest::hjuletEndrerBareKomboMedFokus() {
  QFETCH(QString, felt);
  QFETCH(bool, fokus);
  Kladd k;
  QVERIFY(QTest::qWaitForWindowActive(k.vindu.get()));
  const QByteArray navn = felt.toLatin1();
  if (felt != "MaskinBoks") k.ed->settAktivSide(k.ed->sideAv(felt.toStdString()));
  auto* boks = k.w<QComboBox>(navn);
  QCOMPARE(boks->focusPolicy(), Qt::StrongFocus);  // the wheel gives no focus
  if (fokus) boks->setFocus(Qt::TabFocusReason);
  else k.w<QLineEdit>("MaskinNavn")->isVisible() ? k.w<QLineEdit>("MaskinNavn")->setFocus() : k.vindu->setFocus();
  const int forrige = boks->currentIndex();
  const QByteArray fil = brul::LesFraFil(brul::IniFil, "Maskin1", "Protokoll", "").c_str();
  const QPointF midt = QPointF(boks->rect().center());
  QWheelEvent hjul(midt, boks->mapToGlobal(midt), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                   Qt::NoScrollPhase, false);
  QApplication::sendEvent(boks, &hjul);
  QCOMPARE(boks->currentIndex() != forrige, fokus);
  QCOMPARE(k.endret(), fokus);
  QCOMPARE(QByteArray(brul::LesFraFil(brul::IniFil, "Maskin1", "Protokoll", "").c_str()), fil);
}

// Leaving Utvid by clicking OK: one click saves, and the advice shows once,
// after the save (a box opened under the pressed button took the click).
void HovedVinduTest::utvidTipsetTarIkkeOKKlikket() {
  Kladd k;
  brul::gui::VinduOperator vop(k.vindu.get());  // real message boxes from here on
  QVERIFY(QTest::qWaitForWindowActive(k.vindu.get()));
  k.ed->settAktivSide(SideId::Filer);
  k.skriv("Utvid", "1");
  int tips = 0;
  bool lagretForTipset = false;
  QTimer lukker;
  QObject::connect(&lukker, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    if (box->windowTitle() == "Tips - Utviding av filer") {
      ++tips;
      lagretForTipset = k.fil("Maskin1", "Utvid") == "1";
    }
    box->accept();
  });
  lukker.start(10);
  QTest::mouseClick(k.w<QPushButton>("OKBtn"), Qt::LeftButton);
  QTRY_COMPARE(tips, 1);
  QVERIFY(lagretForTipset);
  QCOMPARE(QString::fromStdString(k.fil("Maskin1", "Utvid")), QString("1"));
  QVERIFY(!k.endret());
  QTest::qWait(50);
  QCOMPARE(tips, 1);
  QCOMPARE(vop.ventende(), size_t(0));
}

// Moving through the drop-down grids with the keyboard writes nothing: the
// presetter's Type column and the event column of "LoggeBoks".
void HovedVinduTest::gridNavigasjonSkriverIkke_data() {
  QTest::addColumn<int>("side");
  QTest::addColumn<int>("maskin");
  QTest::addColumn<QString>("grid");
  QTest::addColumn<int>("kol");       // the cell of view row 0 clicked first
  QTest::addColumn<QString>("taster");  // R(ight) L(eft) U(p) D(own) T(ab) B(acktab) P(age down)
  QTest::addColumn<int>("rad");       // the current row afterwards
  QTest::newRow("Forinnst.: Sys, høyre, ned tre ganger") << int(SideId::ForInst) << 1 << "ToolGrid" << 0 << "RDDD" << 3;
  QTest::newRow("Forinnst.: Tab gjennom raden og tilbake") << int(SideId::ForInst) << 1 << "ToolGrid" << 0 << "TTTTTTBBB" << 0;
  QTest::newRow("Forinnst.: opp og ned i ProgDiv") << int(SideId::ForInst) << 1 << "ToolGrid" << 2 << "DDUDP" << -1;
  QTest::newRow("LoggeBoks: ned gjennom Hendelse") << int(SideId::LoggeBoks) << 2 << "BoksGrid" << 1 << "DDD" << 3;
  QTest::newRow("LoggeBoks: Tab og piler") << int(SideId::LoggeBoks) << 2 << "BoksGrid" << 1 << "TBDLRU" << 0;
}

void HovedVinduTest::gridNavigasjonSkriverIkke() {
  QFETCH(int, side);
  QFETCH(int, maskin);
  QFETCH(QString, grid);
  QFETCH(int, kol);
  QFETCH(QString, taster);
  QFETCH(int, rad);
  Kladd k("[Program]\r\nMaskiner=2\r\nMaskin=" + std::to_string(maskin) + "\r\n\r\n"
          "[Maskin1]\r\nNavn=Fres\r\nProtokoll=ForInst\r\nSystem0=Drei\r\nSystem5=Fres\r\nSystem7=fres\r\n\r\n"
          "[Maskin2]\r\nNavn=Boks\r\nProtokoll=LoggeBoks\r\nBit0,1=1\r\nBit0,0=2\r\nBit1,1=3\r\n");
  QVERIFY(QTest::qWaitForWindowActive(k.vindu.get()));
  std::ifstream inn(brul::IniFil, std::ios::binary);
  const std::string for_((std::istreambuf_iterator<char>(inn)), std::istreambuf_iterator<char>());
  k.klikkFane(static_cast<SideId>(side));
  QCOMPARE(int(k.ed->aktivSide()), side);
  auto* g = k.vindu->widget<brul::gui::GridVisning>(grid.toStdString());
  QVERIFY(g);
  // The wheel over the grid scrolls it.
  {
    QScrollBar* rulle = g->verticalScrollBar();
    QVERIFY(rulle->maximum() > 0);
    const QPointF midt(g->viewport()->rect().center());
    QWheelEvent hjul(midt, g->viewport()->mapToGlobal(midt), QPoint(), QPoint(0, -120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(g->viewport(), &hjul);
    QVERIFY(rulle->value() > 0);
    rulle->setValue(0);
  }
  const QRect celle = g->visualRect(g->model()->index(0, kol));
  QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, celle.center());
  const std::map<QChar, Qt::Key> tast{{'R', Qt::Key_Right}, {'L', Qt::Key_Left}, {'U', Qt::Key_Up},
                                      {'D', Qt::Key_Down},  {'T', Qt::Key_Tab},  {'B', Qt::Key_Backtab},
                                      {'P', Qt::Key_PageDown}};
  for (QChar c : taster) {
    QWidget* f = QApplication::focusWidget();
    QVERIFY(f);
    QTest::keyClick(f, tast.at(c), c == 'B' ? Qt::ShiftModifier : Qt::NoModifier);
  }
  if (rad >= 0) QCOMPARE(g->currentRow(), rad);
  QVERIFY(!k.endret());
  QVERIFY(!k.w<QPushButton>("OKBtn")->isEnabled());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QTest::mouseClick(k.w<QPushButton>("OKBtn"), Qt::LeftButton);
  std::ifstream inn2(brul::IniFil, std::ios::binary);
  const std::string etter((std::istreambuf_iterator<char>(inn2)), std::istreambuf_iterator<char>());
  QCOMPARE(QString::fromStdString(etter), QString::fromStdString(for_));
}

// Delete clears a grid cell as typing over it would: the page is changed and
// OK saves the cleared cell.
void HovedVinduTest::deleteTommerGridcelle() {
  Kladd k("[Program]\r\nMaskiner=1\r\nMaskin=1\r\n\r\n"
          "[Maskin1]\r\nNavn=Fres\r\nProtokoll=ForInst\r\nSystem0=Drei\r\nProgDiv0=100\r\nToolReg0=T12\r\n");
  QVERIFY(QTest::qWaitForWindowActive(k.vindu.get()));
  k.klikkFane(SideId::ForInst);
  auto* g = k.vindu->widget<brul::gui::GridVisning>("ToolGrid");
  QVERIFY(g);
  // A text cell (ToolReg) and a drop-down cell (ProgDiv, its box open).
  for (int kol : {5, 2}) {
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(g->model()->index(0, kol)).center());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
    QCOMPARE(QString::fromStdString(k.ed->ToolGrid.cell(1, kol)), QString());
  }
  QVERIFY(k.visesEndret());
  QTest::mouseClick(k.w<QPushButton>("OKBtn"), Qt::LeftButton);
  QCOMPARE(QString::fromStdString(k.fil("Maskin1", "ToolReg0")), QString("<mangler>"));
  QCOMPARE(QString::fromStdString(k.fil("Maskin1", "ProgDiv0")), QString("<mangler>"));
  QCOMPARE(QString::fromStdString(k.fil("Maskin1", "System0")), QString("Drei"));
}

// A read-only settings file: said once at start-up, shown in the title, OK
// stays disabled with the reason as its tip, and choosing a machine says
// nothing (the remembered machine is not stored).
void HovedVinduTest::skrivebeskyttetFil() {
  QTemporaryDir dir;
  const std::string rot = dir.path().toStdString() + "/";
  std::ofstream(rot + "Brul.ini", std::ios::binary) << ToMaskiner;
  QFile::setPermissions(QString::fromStdString(rot + "Brul.ini"), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
  Kladd k(ToMaskiner);
  brul::IniFil = rot + "Brul.ini";  // the window below is built over the read-only file
  k.vindu.reset();
  k.ed = std::make_unique<Editor>();
  k.vindu = std::make_unique<HovedVindu>(*k.ed);
  k.vindu->show();
  QVERIFY(QTest::qWaitForWindowExposed(k.vindu.get()));
  QTRY_COMPARE(k.op.meldinger().size(), size_t(1));
  QVERIFY2(k.op.meldinger()[0].rfind("Skrivebeskyttet: ", 0) == 0, k.op.meldinger()[0].c_str());
  QVERIFY(k.vindu->windowTitle().endsWith("(skrivebeskyttet)"));
  auto* ok = k.w<QPushButton>("OKBtn");
  QVERIFY(!ok->toolTip().isEmpty());
  k.skriv("MaskinNavn", "Ny fres");
  QVERIFY(!ok->isEnabled());
  QVERIFY(k.w<QPushButton>("Angre")->isEnabled());
  QTest::mouseClick(k.w<QPushButton>("Angre"), Qt::LeftButton);
  Velg(k.w<QComboBox>("MaskinBoks"), 1);
  QCOMPARE(k.w<QLineEdit>("MaskinNavn")->text(), QString("DREIEBENK"));
  QTest::qWait(20);
  QCOMPARE(k.op.meldinger().size(), size_t(1));  // the choice said nothing
  QVERIFY(!ok->isEnabled());
  QCOMPARE(k.fil("Program", "Maskin"), std::string("1"));
}

// No editor chosen and no desktop opener on the PATH: Brul.INI says how to
// choose one instead of doing nothing.
void HovedVinduTest::brulIniUtenEditorSierHvordan() {
  Kladd k;
  QVERIFY(QTest::qWaitForWindowExposed(k.vindu.get()));
  QTemporaryDir tom;
  const QByteArray sti = qgetenv("PATH"), visual = qgetenv("VISUAL"), editor = qgetenv("EDITOR");
  const bool harVisual = qEnvironmentVariableIsSet("VISUAL"), harEditor = qEnvironmentVariableIsSet("EDITOR");
  qputenv("PATH", tom.path().toLocal8Bit());
  qunsetenv("VISUAL");
  qunsetenv("EDITOR");
  QTest::mouseClick(k.w<QPushButton>("Brul_INI"), Qt::LeftButton);
  qputenv("PATH", sti);
  if (harVisual) qputenv("VISUAL", visual);
  if (harEditor) qputenv("EDITOR", editor);
  QTRY_COMPARE(k.op.meldinger().size(), size_t(1));
  const std::string m = k.op.meldinger()[0];
  QVERIFY2(m.rfind("Brul.INI: Fant ingen tekstbehandler", 0) == 0, m.c_str());
  QVERIFY2(m.find(brul::IniFil) != std::string::npos && m.find("VISUAL") != std::string::npos, m.c_str());
}

// Another program changes the file while the window shows machine 1 with an
// edit pending: OK writes only what the operator changed, keeps the other
// program's changes, and asks about a key both changed.
void HovedVinduTest::annetProgramsEndringer_data() {
  QTest::addColumn<QString>("deresExt");  // empty: the other program leaves Ext alone
  QTest::addColumn<QString>("svar");
  QTest::addColumn<QString>("ventetExt");
  QTest::addColumn<bool>("lagret");
  QTest::newRow("uten konflikt") << "" << "" << "X1" << true;
  QTest::newRow("konflikt, behold min") << "Y2" << brul::kBeholdMin << "X1" << true;
  QTest::newRow("konflikt, behold deres") << "Y2" << brul::kBeholdDeres << "Y2" << true;
  QTest::newRow("konflikt, avbryt") << "Y2" << "Avbryt" << "Y2" << false;
}

void HovedVinduTest::annetProgramsEndringer() {
  QFETCH(QString, deresExt);
  QFETCH(QString, svar);
  QFETCH(QString, ventetExt);
  QFETCH(bool, lagret);
  Kladd k;
  k.skriv("Ext", "X1");
  QVERIFY(k.endret());
  // The other program: a new name and port rate, perhaps Ext too.
  brul::IniDocument d = brul::IniDocument::fraBytes(brul::platform::LesHeleFil(brul::IniFil).bytes);
  d.skriv("Maskin1", "Navn", "Ny fres");
  d.skriv("Com2", "Baud", "19200");
  if (!deresExt.isEmpty()) d.skriv("Maskin1", "Ext", deresExt.toStdString());
  k.skrivFil("Brul.ini", d.tilBytes());
  if (!svar.isEmpty()) k.op.svar(brul::kKonfliktCaption, svar.toStdString());
  QTest::mouseClick(k.w<QPushButton>("OKBtn"), Qt::LeftButton);
  QCOMPARE(k.fil("Maskin1", "Ext"), ventetExt.toStdString());
  QCOMPARE(k.fil("Maskin1", "Navn"), std::string("Ny fres"));
  QCOMPARE(k.fil("Com2", "Baud"), std::string("19200"));
  QCOMPARE(k.sporsmal(), deresExt.isEmpty() ? 0 : 1);
  QCOMPARE(k.endret(), !lagret);
  // After the save the pages show the file as it now is.
  if (lagret) QCOMPARE(k.w<QLineEdit>("MaskinNavn")->text(), QString("NY FRES"));
}

QTEST_MAIN(HovedVinduTest)
#include "hovedvindu_test.moc"
