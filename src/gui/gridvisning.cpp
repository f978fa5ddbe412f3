#include "gui/gridvisning.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyleOptionComboBox>

#include "editor/controls.h"
#include "gui/binding.h"

namespace brul::gui {

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

KomboDelegate::KomboDelegate(GridVisning* grid) : QStyledItemDelegate(grid), grid_(grid) {}

QWidget* KomboDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                     const QModelIndex& index) const {
  const int kol = index.column();
  const int rad = grid_->modellRad(index.row());
  GridVisning* grid = grid_;
  if (grid->erKombo(kol)) {
    auto* kombo = new QComboBox(parent);
    kombo->setObjectName(QStringLiteral("%1Kombo%2").arg(Q(grid->modell().name())).arg(kol));
    kombo->setEditable(true);
    // The wheel over the box scrolls the grid (which closes it); it never
    // steps through the list.
    kombo->setFocusPolicy(Qt::StrongFocus);
    kombo->setInsertPolicy(QComboBox::NoInsert);
    kombo->setCompleter(nullptr);  // the cell must get exactly what is typed
    for (const auto& valg : grid->modell().dropDown(kol)) kombo->addItem(Q(valg));
    kombo->setCurrentIndex(-1);
    // The list is as wide as its longest entry, even where the column is not.
    VisHeleListen(kombo);
    // Typing writes each change into the cell at once; the box stays open.
    connect(kombo->lineEdit(), &QLineEdit::textEdited, kombo, [grid, rad, kol](const QString& t) {
      grid->modell().operatorEdit(rad, kol, t.toStdString());
    });
    // A pick writes the entry and closes the box; the grid takes the focus back.
    connect(kombo, &QComboBox::activated, kombo, [grid, kombo, rad, kol](int i) {
      if (i < 0) return;
      grid->modell().operatorEdit(rad, kol, kombo->itemText(i).toStdString());
      grid->lukkKombo();
      grid->setFocus(Qt::OtherFocusReason);
    });
    kombo_ = kombo;
    return kombo;
  }
  auto* edit = new QLineEdit(parent);
  edit->setFrame(false);
  // A typed cell counts as edited with every keystroke, as the drop-down
  // cells do, so OK is enabled while the operator is still typing.
  connect(edit, &QLineEdit::textEdited, edit, [grid, rad, kol](const QString& t) {
    grid->modell().operatorEdit(rad, kol, t.toStdString());
  });
  return edit;
}

void KomboDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  const QString tekst = index.data(Qt::EditRole).toString();
  if (auto* kombo = qobject_cast<QComboBox*>(editor)) {
    // Selected, as a text cell's field is: typing replaces the cell and
    // Delete clears it.
    if (kombo->currentText() != tekst) {
      // The box's current item is the cell's own entry: a box whose item
      // differs from its text picks the matching item when it loses the
      // focus, and that pick would write the cell.
      kombo->setCurrentIndex(kombo->findText(tekst, Qt::MatchExactly | Qt::MatchCaseSensitive));
      kombo->setEditText(tekst);
      kombo->lineEdit()->selectAll();
    }
  } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
    if (edit->text() != tekst) edit->setText(tekst);
  }
}

// Closing a cell's box or field writes nothing: what the operator typed or
// picked is in the cell already, and a box closed by moving on (arrow keys,
// Tab, a click elsewhere, scrolling) must not write what it merely shows.
void KomboDelegate::setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const {}

void KomboDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                         const QModelIndex&) const {
  QRect r = option.rect;
  if (qobject_cast<QComboBox*>(editor)) r.setHeight(std::max(r.height(), editor->sizeHint().height()));
  editor->setGeometry(r);
}

bool KomboDelegate::eventFilter(QObject* o, QEvent* e) {
  auto* kombo = qobject_cast<QComboBox*>(o);
  if (kombo && e->type() == QEvent::Wheel) {
    e->ignore();  // on to the grid, which scrolls
    return true;
  }
  if (kombo && e->type() == QEvent::KeyPress && !kombo->view()->isVisible()) {
    // A closed box would step to the next item of its list and write it:
    // up and down move to the next row as in any other cell.
    auto* k = static_cast<QKeyEvent*>(e);
    const bool alt = k->modifiers() & Qt::AltModifier;
    switch (k->key()) {
      case Qt::Key_Up:
      case Qt::Key_Down:
      case Qt::Key_PageUp:
      case Qt::Key_PageDown:
        if (alt) break;  // Alt+Down opens the list
        grid_->flytt(k);
        return true;
      default:
        break;
    }
  }
  return QStyledItemDelegate::eventFilter(o, e);
}

GridVisning::GridVisning(brul::Grid& modell, QWidget* parent) : QTableWidget(parent), modell_(modell) {
  setObjectName(Q(modell.name()));
  delegate_ = new KomboDelegate(this);
  setItemDelegate(delegate_);
  verticalHeader()->hide();
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setSectionsClickable(false);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                  QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
  setColumnCount(modell.colCount());
  oppdater();
  resizeColumnsToContents();
  for (int k = 0; k < columnCount(); ++k) setColumnWidth(k, std::max(columnWidth(k) + 8, 48));
  listeLengde_.clear();
  oppdater();  // again: the lists known now widen their columns
  innholdsBredde_ = 0;
  for (int k = 0; k < columnCount(); ++k) innholdsBredde_ += columnWidth(k);
  // The last column takes what is left of the page's width.
  horizontalHeader()->setStretchLastSection(true);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);

  // A drop-down cell opens its box when it is selected or clicked.
  connect(this, &QTableWidget::currentCellChanged, this, [this](int rad, int kol, int, int) {
    if (rad >= 0 && kol >= 0) visKombo(rad, kol);
  });
  connect(this, &QTableWidget::cellClicked, this, [this](int rad, int kol) { visKombo(rad, kol); });

  // The view follows the model: loading, a reload after Angre and the cell a
  // drop-down pick or a preset wrote must show at once.
  modell_.onView = [this] { oppdater(); };
}

GridVisning::~GridVisning() {
  // The model outlives the view.
  modell_.onView = nullptr;
  // An open box is destroyed with the grid's children, after this part of
  // the grid is gone: it must not write into the grid any more.
  if (QComboBox* k = apenKombo()) {
    k->disconnect();
    k->lineEdit()->disconnect();
  }
}

int GridVisning::modellRad(int visningsRad) const { return visningsRad + (modell_.fixedRows() > 0 ? 1 : 0); }
int GridVisning::visningsRad(int modellRad) const { return modellRad - (modell_.fixedRows() > 0 ? 1 : 0); }

bool GridVisning::erKombo(int kol) const {
  return kol >= 0 && kol < modell_.colCount() && !modell_.dropDown(kol).empty();
}

void GridVisning::visKombo(int rad, int kol) {
  if (!erKombo(kol) || rad < 0 || rad >= rowCount()) return;
  if (!modell_.editable(modellRad(rad), kol)) return;
  QComboBox* apen = apenKombo();
  if (apen && apen->isVisible() && currentIndex() == model()->index(rad, kol) && state() == EditingState)
    return;  // already open over this cell
  if (currentRow() != rad || currentColumn() != kol) {
    setCurrentCell(rad, kol);  // opens it through currentCellChanged
    return;
  }
  if (state() == EditingState) return;
  edit(model()->index(rad, kol));
}

void GridVisning::lukkKombo() {
  QComboBox* apen = apenKombo();
  // Enter in the list may have closed the editor already (it is then only
  // waiting to be deleted and no longer the view's).
  if (!apen || state() != EditingState || indexWidget(currentIndex()) != apen) return;
  commitData(apen);
  closeEditor(apen, QAbstractItemDelegate::NoHint);
}

QSize GridVisning::sizeHint() const {
  const int bredde = innholdsBredde_ + verticalScrollBar()->sizeHint().width() + 2 * frameWidth();
  const int hoyde = horizontalHeader()->sizeHint().height() + 6 * verticalHeader()->defaultSectionSize() +
                    horizontalScrollBar()->sizeHint().height() + 2 * frameWidth();
  return {bredde, hoyde};
}

QSize GridVisning::minimumSizeHint() const { return sizeHint(); }

void GridVisning::scrollContentsBy(int dx, int dy) {
  QTableWidget::scrollContentsBy(dx, dy);
  if (dx != 0 || dy != 0) lukkKombo();
}

void GridVisning::flytt(QKeyEvent* e) {
  lukkKombo();
  setFocus(Qt::OtherFocusReason);
  QTableWidget::keyPressEvent(e);
}

// Tab opens the next cell's editor after moving there, but moving to a
// drop-down cell has opened its box already: that is no failure.
bool GridVisning::edit(const QModelIndex& i, EditTrigger t, QEvent* e) {
  if (QTableWidget::edit(i, t, e)) return true;
  return state() == EditingState && i == currentIndex() && indexWidget(i) && indexWidget(i) == apenKombo();
}

void GridVisning::keyPressEvent(QKeyEvent* e) {
  // Delete clears the current cell as typing over it would.
  if (e->key() == Qt::Key_Delete && e->modifiers() == Qt::NoModifier && state() != EditingState) {
    const QModelIndex i = currentIndex();
    if (i.isValid()) {
      const int rad = modellRad(i.row());
      if (rad < modell_.rowCount() && modell_.editable(rad, i.column()) && !modell_.cell(rad, i.column()).empty())
        modell_.operatorEdit(rad, i.column(), "");
      e->accept();
      return;
    }
  }
  QTableWidget::keyPressEvent(e);
}

void GridVisning::oppdater() {
  const QSignalBlocker blokk(this);
  setEnabled(modell_.enabled());
  // A drop-down column is made wide enough for its longest entry once its
  // list is known (the editor fills the lists after the grid is built).
  listeLengde_.resize(static_cast<size_t>(modell_.colCount()), 0);
  for (int k = 0; k < modell_.colCount(); ++k) {
    const auto& liste = modell_.dropDown(k);
    if (liste.size() == listeLengde_[static_cast<size_t>(k)]) continue;
    listeLengde_[static_cast<size_t>(k)] = liste.size();
    int tekst = 0;
    for (const auto& valg : liste) tekst = std::max(tekst, fontMetrics().horizontalAdvance(Q(valg)));
    // Room for the box's frame and arrow beside the text, as the box over
    // the cell has them.
    QStyleOptionComboBox opt;
    opt.initFrom(this);
    opt.editable = true;
    const int bredde =
        style()->sizeFromContents(QStyle::CT_ComboBox, &opt, QSize(tekst, fontMetrics().height()), this).width() + 4;
    if (bredde > columnWidth(k)) setColumnWidth(k, bredde);
  }
  const int topp = modell_.fixedRows() > 0 ? 1 : 0;
  const int rader = std::max(0, modell_.rowCount() - topp);
  if (rowCount() != rader) setRowCount(rader);
  for (int k = 0; k < modell_.colCount(); ++k) {
    const QString overskrift = topp && modell_.rowCount() > 0 ? Q(modell_.cell(0, k)) : QString::number(k);
    QTableWidgetItem* h = horizontalHeaderItem(k);
    if (!h) setHorizontalHeaderItem(k, new QTableWidgetItem(overskrift));
    else if (h->text() != overskrift) h->setText(overskrift);
  }
  for (int r = 0; r < rader; ++r) {
    const int mr = r + topp;
    for (int k = 0; k < modell_.colCount(); ++k) {
      const QString tekst = Q(modell_.cell(mr, k));
      QTableWidgetItem* it = item(r, k);
      if (!it) {
        it = new QTableWidgetItem(tekst);
        Qt::ItemFlags flagg = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (modell_.editable(mr, k)) flagg |= Qt::ItemIsEditable;
        else it->setBackground(palette().brush(QPalette::Button));
        it->setFlags(flagg);
        setItem(r, k, it);
      } else if (it->text() != tekst) {
        it->setText(tekst);
      }
    }
  }
}

}  // namespace brul::gui
