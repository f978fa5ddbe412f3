#pragma once
// The view of a model grid (ToolGrid, BoksGrid, AnnetGrid): a table whose
// header is the model's fixed first row. Columns with a drop-down list in the
// model are edited through an editable combo box over the cell: every typed
// change goes into the cell at once, a pick writes and closes, and scrolling
// closes it. A cell is written only when the operator types into it, picks an
// item or clears it with Delete: moving through the cells with the keyboard,
// opening or closing a box and the mouse wheel never write. Every cell edit
// goes to the model as an operator edit; the model tells the view what to show.
#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <vector>

namespace brul {
class Grid;
}

#include <QComboBox>

namespace brul::gui {

class GridVisning;

class KomboDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  explicit KomboDelegate(GridVisning* grid);

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
  void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const override;
  bool eventFilter(QObject* o, QEvent* e) override;

  // The drop-down box now open, if any.
  QComboBox* apenKombo() const { return kombo_.data(); }

 private:
  GridVisning* grid_;
  mutable QPointer<QComboBox> kombo_;
};

class GridVisning : public QTableWidget {
  Q_OBJECT
 public:
  GridVisning(brul::Grid& modell, QWidget* parent = nullptr);
  ~GridVisning() override;

  brul::Grid& modell() const { return modell_; }
  // Model row and column of a view cell, and back.
  int modellRad(int visningsRad) const;
  int visningsRad(int modellRad) const;
  // True when the model column edits through a drop-down list.
  bool erKombo(int kol) const;
  // Opens the drop-down box over a cell of a drop-down column.
  void visKombo(int rad, int kol);
  QComboBox* apenKombo() const { return delegate_->apenKombo(); }
  // Closes the open drop-down box (its cell keeps what was written).
  void lukkKombo();
  // True while a cell editor (drop-down box or text field) is open.
  bool redigerer() const { return state() == EditingState; }

  // Shows the model's state; called from the model's onView.
  void oppdater();
  // Moves the current cell as the key would in the table itself (the
  // drop-down box hands its up and down keys over).
  void flytt(QKeyEvent* e);

  // Wide enough for every column, tall enough for a few rows: the page
  // grows to show the columns rather than clip them.
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void scrollContentsBy(int dx, int dy) override;
  void keyPressEvent(QKeyEvent* e) override;
  using QTableWidget::edit;
  bool edit(const QModelIndex& i, EditTrigger t, QEvent* e) override;

 private:
  brul::Grid& modell_;
  KomboDelegate* delegate_;
  int innholdsBredde_ = 0;
  std::vector<size_t> listeLengde_;  // per column: the drop-down list size the width was set for
};

}  // namespace brul::gui
