#include "gui/portform.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "windows/portoversikt.h"

namespace brul::gui {

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }
constexpr int Kolonnebredde = 200;
constexpr int Radhoyde = 16;
constexpr int SynligeRader = 16;
}  // namespace

PortVindu::PortVindu(TPortForm& modell, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_(modell) {
  setObjectName("PortForm");
  setWindowTitle(QString::fromUtf8(TPortForm::Caption));
  setModal(true);

  grid_ = new QTableWidget(0, 3, this);
  grid_->setObjectName("Grid");
  grid_->verticalHeader()->hide();
  grid_->verticalHeader()->setDefaultSectionSize(Radhoyde);
  grid_->verticalHeader()->setMinimumSectionSize(Radhoyde);
  grid_->horizontalHeader()->setDefaultSectionSize(Kolonnebredde);
  grid_->horizontalHeader()->setStretchLastSection(false);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionMode(QAbstractItemView::ContiguousSelection);
  grid_->setWordWrap(false);
  // Three columns and a header plus sixteen rows in view; more scroll.
  grid_->setFixedSize(3 * Kolonnebredde + 2 * grid_->frameWidth() + grid_->verticalScrollBar()->sizeHint().width(),
                      (SynligeRader + 1) * Radhoyde + 2 * grid_->frameWidth() + 8);

  auto* bunn = new QWidget(this);
  bunn->setObjectName("BottomPanel");
  auto* blay = new QHBoxLayout(bunn);
  blay->setContentsMargins(0, 0, 0, 0);
  utklipp_ = new QPushButton(Q(m_.UtklippsTavleBtn.caption()), bunn);
  utklipp_->setObjectName("UtklippsTavleBtn");
  avslutt_ = new QPushButton(Q(m_.Avslutt.caption()), bunn);
  avslutt_->setObjectName("Avslutt");
  avslutt_->setDefault(true);
  blay->addStretch(1);
  blay->addWidget(utklipp_);
  blay->addWidget(avslutt_);

  auto* lay = new QVBoxLayout(this);
  lay->setContentsMargins(4, 4, 4, 4);
  lay->addWidget(grid_);
  lay->addWidget(bunn);
  lay->activate();
  setFixedSize(sizeHint());

  connect(utklipp_, &QPushButton::clicked, this, [this] { m_.UtklippsTavleBtn.click(); });
  connect(avslutt_, &QPushButton::clicked, this, [this] { m_.Avslutt.click(); });

  m_.onVis = [this] {
    visGrid();
    if (QScreen* skjerm = QGuiApplication::primaryScreen()) {
      QRect r = frameGeometry();
      r.moveCenter(skjerm->availableGeometry().center());
      move(r.topLeft());
    }
    exec();
  };
  m_.onLukk = [this] { reject(); };
  m_.onUtklipp = [](const std::string& tekst) {
    if (QClipboard* c = QGuiApplication::clipboard()) c->setText(Q(tekst));
  };
}

PortVindu::~PortVindu() {
  m_.onVis = nullptr;
  m_.onLukk = nullptr;
  m_.onUtklipp = nullptr;
}

void PortVindu::visGrid() {
  const PortTabell& g = m_.grid;
  grid_->clearContents();
  grid_->setRowCount(std::max(0, g.rowCount() - 1));
  QStringList hode;
  for (int c = 0; c < 3; ++c) hode << (g.rowCount() > 0 ? Q(g.cell(0, c)) : QString());
  grid_->setHorizontalHeaderLabels(hode);
  for (int r = 1; r < g.rowCount(); ++r)
    for (int c = 0; c < 3; ++c) grid_->setItem(r - 1, c, new QTableWidgetItem(Q(g.cell(r, c))));
  // Every column is wide enough for its longest text (a long machine name,
  // a folder with its "(OBS: BackupKatalog)" note), at least the usual
  // width, and the window follows, within the screen.
  grid_->resizeColumnsToContents();
  int bredde = 2 * grid_->frameWidth() + grid_->verticalScrollBar()->sizeHint().width();
  for (int c = 0; c < 3; ++c) {
    grid_->setColumnWidth(c, std::max(grid_->columnWidth(c) + 8, Kolonnebredde));
    bredde += grid_->columnWidth(c);
  }
  if (QScreen* skjerm = QGuiApplication::primaryScreen())
    bredde = std::min(bredde, skjerm->availableGeometry().width() - 40);
  grid_->setFixedWidth(bredde);
  layout()->activate();
  setFixedSize(sizeHint());
}

}  // namespace brul::gui
