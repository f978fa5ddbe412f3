#include "gui/utskrift.h"

#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

#include "app/operator.h"
#include "editor/kommandoer.h"

namespace brul::gui {

bool SkrivUtVindu(QWidget* vindu) {
  if (!vindu) return false;
  const QPrinterInfo standard = QPrinterInfo::defaultPrinter();
  if (standard.isNull()) {
    operatoren().melding(UtskriftCaption,
                         "Finner ingen standardskriver. Velg en standardskriver i systemet og prøv igjen.");
    return false;
  }
  const QPixmap bilde = vindu->grab();
  QPrinter skriver(standard, QPrinter::HighResolution);
  skriver.setDocName(vindu->windowTitle());
  QPainter maler;
  if (!maler.begin(&skriver)) {
    operatoren().melding(UtskriftCaption, "Utskriften til «" + standard.printerName().toStdString() +
                                              "» kunne ikke startes.");
    return false;
  }
  const QRect side = maler.viewport();
  const Flate f = UtskriftFlate(bilde.width(), bilde.height(), side.width(), side.height());
  maler.drawPixmap(QRectF(f.x, f.y, f.bredde, f.hoyde), bilde, QRectF(bilde.rect()));
  if (!maler.end()) {
    operatoren().melding(UtskriftCaption, "Utskriften til «" + standard.printerName().toStdString() +
                                              "» mislyktes.");
    return false;
  }
  operatoren().melding(UtskriftCaption, UtskriftTekst);
  return true;
}

}  // namespace brul::gui
