#include "gui/hjelpvindu.h"

#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QHBoxLayout>

#include "app/operator.h"
#include "editor/hjelp.h"

namespace fs = std::filesystem;

namespace brul::gui {

HjelpVindu::HjelpVindu(QWidget* parent, fs::path katalog)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::WindowMinMaxButtonsHint),
      katalog_(std::move(katalog)) {
  setObjectName("HjelpVindu");
  setWindowTitle(QStringLiteral("Brul.INI - Hjelp"));
  leser_ = new QTextBrowser(this);
  leser_->setObjectName("Hjelpetekst");
  leser_->setOpenLinks(true);
  leser_->setOpenExternalLinks(false);

  auto* innhold = new QPushButton(QStringLiteral("&Innhold"), this);
  auto* tilbake = new QPushButton(QStringLiteral("&Tilbake"), this);
  auto* lukk = new QPushButton(QStringLiteral("&Lukk"), this);
  connect(innhold, &QPushButton::clicked, this, [this] { visInnhold(); });
  connect(tilbake, &QPushButton::clicked, leser_, &QTextBrowser::backward);
  connect(leser_, &QTextBrowser::backwardAvailable, tilbake, &QPushButton::setEnabled);
  connect(lukk, &QPushButton::clicked, this, &QDialog::close);
  tilbake->setEnabled(false);

  auto* knapper = new QHBoxLayout;
  knapper->addWidget(innhold);
  knapper->addWidget(tilbake);
  knapper->addStretch(1);
  knapper->addWidget(lukk);
  auto* lay = new QVBoxLayout(this);
  lay->addWidget(leser_, 1);
  lay->addLayout(knapper);
  resize(560, 420);
}

fs::path HjelpVindu::katalog() {
  if (katalog_.empty()) katalog_ = HjelpKatalog();
  return katalog_;
}

bool HjelpVindu::vis(const fs::path& fil) {
  if (fil.empty()) {
    operatoren().melding("Hjelp",
                         "Finner ikke hjelpetekstene. De skal ligge i mappen Hjelp ved programmet "
                         "(med innholdssiden index.html).");
    return false;
  }
  leser_->setSource(QUrl::fromLocalFile(QString::fromStdString(fil.string())));
  show();
  raise();
  activateWindow();
  return true;
}

bool HjelpVindu::visEmne(int nr) { return vis(HjelpEmne(katalog(), nr)); }

bool HjelpVindu::visInnhold() { return vis(HjelpEmne(katalog(), 0)); }

}  // namespace brul::gui
