#include "gui/app.h"

#include <QApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QThread>
#include <QTranslator>
#include <cstdio>
#include <optional>
#include <string>

#include "app/ingen_konfig.h"
#include "app/oppstart.h"
#include "editor/editor.h"
#include "gui/askform.h"
#include "gui/hjelpmeny.h"
#include "gui/hovedvindu.h"
#include "gui/kontrollvindu.h"
#include "gui/portform.h"
#include "gui/vinduoperator.h"
#include "platform/fil.h"
#include "presets/forvalg.h"
#include "store/lager.h"

namespace brul::gui {
namespace {

// The notice of a save that waits for another program or another save: on
// standard error, and in a small window of its own over the editor, painted
// at once because the save holds the window's thread until the wait ends.
void SiFraOmVenting(const std::string& tekst) {
  if (!tekst.empty()) std::fprintf(stderr, "brulini: %s\n", tekst.c_str());
  auto vis = [tekst] {
    static QPointer<QLabel> varsel;
    if (tekst.empty()) {
      delete varsel;
      return;
    }
    if (!varsel) {
      varsel = new QLabel(QApplication::activeWindow(), Qt::Tool | Qt::FramelessWindowHint);
      varsel->setObjectName(QStringLiteral("Ventevarsel"));
      varsel->setFrameStyle(QFrame::Box | QFrame::Plain);
      varsel->setMargin(12);
    }
    varsel->setText(QString::fromStdString(tekst));
    varsel->adjustSize();
    if (QWidget* eier = varsel->parentWidget())
      varsel->move(eier->geometry().center() - varsel->rect().center());
    varsel->show();
    varsel->raise();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  };
  // A wait on another thread (the remembered machine written in the
  // background) is shown by the window's own thread.
  if (!qApp) return;
  if (QThread::currentThread() == qApp->thread()) vis();
  else QMetaObject::invokeMethod(qApp, vis, Qt::QueuedConnection);
}

}  // namespace

int Kjor(int argc, char** argv) {
  RegistrerForvalg();  // OK applies an armed preset through it
  // Start-up is one action: finding the settings file and the window's first
  // load read it once.
  std::optional<lager::EnLesing> oppstart(std::in_place);
  // The settings file is found before the application object exists.
  FinnIniFil(IniFraArgumenter(argc, argv));

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Brul.INI - Redigering"));
  QApplication::setApplicationVersion(QStringLiteral(BRUL_VERSJON));
  QApplication::setOrganizationName(QStringLiteral("Brul"));
  QApplication::setDesktopFileName(QStringLiteral("brulini"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/brulini.svg")));
  // The toolkit's own texts (the folder browser, the text fields' menu,
  // standard buttons) in Bokmål, as the rest of the program. The program
  // carries the texts it shows itself; the system's translation, Bokmål or
  // else Nynorsk (some distributions carry only that), covers the rest.
  // The translator installed last is asked first.
  QTranslator qtTekster;
  for (QLocale::Language sprak : {QLocale::NorwegianBokmal, QLocale::NorwegianNynorsk})
    if (qtTekster.load(QLocale(sprak), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
      QApplication::installTranslator(&qtTekster);
      break;
    }
  QTranslator egneQtTekster;
  if (egneQtTekster.load(QStringLiteral(":/i18n/qtbase_nb.qm"))) QApplication::installTranslator(&egneQtTekster);

  // A wait for another program or another save is told after a second.
  platform::SettVentevarsel(&SiFraOmVenting);
  VinduOperator op;
  // With no Brul.conf at all the window is the only place to say so.
  if (SiFraOmIngenKonfig(op, platform::FinnKonfigFiler())) return 0;
  if (!SjekkIniFil(op)) return 0;  // still no settings file: end without a window

  // The windows in the order the program has always made them: the editor,
  // the question dialog, the COM-port overview.
  Editor editor;
  HovedVindu vindu(editor);
  oppstart.reset();  // every later action reads the file anew
  new HjelpKommandoer(vindu);  // help menu, F1, folder browser, print; the window owns it
  new KontrollKommandoer(vindu);  // Kontroller, Vis endringer, Historikk; the window owns it
  op.settEier(&vindu);
  AskForm ask(&vindu);
  op.settAskForm(&ask);
  PortVindu portVindu(editor.PortForm, &vindu);
  vindu.show();
  app.exec();
  return 0;
}

}  // namespace brul::gui
