#include "editor/controls.h"

#include <stdexcept>

namespace brul {

void Control::setEnabled(bool on) {
  if (enabled_ == on) return;
  enabled_ = on;
  notify();
}

void Control::setVisible(bool on) {
  if (visible_ == on) return;
  visible_ = on;
  notify();
}

void Edit::setText(const std::string& t) {
  if (t == text_) return;
  text_ = t;
  notify();
  if (onChange) onChange();
}

void Check::setChecked(bool on) {
  if (on == checked_) return;
  checked_ = on;
  notify();
  if (onClick) onClick();
}

void Combo::setItems(std::vector<std::string> items) {
  items_ = std::move(items);
  index_ = -1;
  notify();
}

void Combo::addItem(const std::string& item) {
  items_.push_back(item);
  notify();
}

void Combo::setText(const std::string& t) {
  if (index_ >= 0 && items_[static_cast<size_t>(index_)] != t) index_ = -1;
  text_ = t;
  notify();
}

void Combo::setItemIndex(int i) {
  if (i < -1 || i >= static_cast<int>(items_.size())) i = -1;
  index_ = i;
  if (i >= 0) text_ = items_[static_cast<size_t>(i)];
  notify();
}

void Combo::operatorText(const std::string& t) {
  text_ = t;
  index_ = -1;
  for (size_t i = 0; i < items_.size(); ++i)
    if (items_[i] == t) {
      index_ = static_cast<int>(i);
      break;
    }
  notify();
  if (onChange) onChange();
}

void Combo::operatorPick(int i) {
  if (i < 0 || i >= static_cast<int>(items_.size())) return;
  index_ = i;
  text_ = items_[static_cast<size_t>(i)];
  notify();
  if (onChange) onChange();
}

void RadioGroup::setItemIndex(int i) {
  if (i < -1 || i >= static_cast<int>(items_.size())) i = -1;
  if (i == index_) return;
  index_ = i;
  notify();
  if (onClick) onClick();
}

std::string RadioGroup::selectedText() const {
  return index_ >= 0 ? items_[static_cast<size_t>(index_)] : std::string();
}

Grid::Grid(std::string name, int cols, int rows, int fixedRows, int fixedCols)
    : Control(std::move(name), ControlKind::Grid),
      cols_(cols),
      fixedRows_(fixedRows),
      fixedCols_(fixedCols),
      cells_(static_cast<size_t>(rows), std::vector<std::string>(static_cast<size_t>(cols))),
      lists_(static_cast<size_t>(cols)) {}

void Grid::check(int row, int col) const {
  if (row < 0 || row >= rowCount() || col < 0 || col >= cols_)
    throw std::out_of_range(name() + ": no cell " + std::to_string(row) + "," + std::to_string(col));
}

void Grid::setRowCount(int rows) {
  if (rows < 0) rows = 0;
  cells_.resize(static_cast<size_t>(rows), std::vector<std::string>(static_cast<size_t>(cols_)));
  notify();
}

const std::string& Grid::cell(int row, int col) const {
  check(row, col);
  return cells_[static_cast<size_t>(row)][static_cast<size_t>(col)];
}

void Grid::setCell(int row, int col, const std::string& text) {
  check(row, col);
  auto& c = cells_[static_cast<size_t>(row)][static_cast<size_t>(col)];
  if (c == text) return;
  c = text;
  notify();
}

void Grid::operatorEdit(int row, int col, const std::string& text) {
  check(row, col);
  if (!editable(row, col)) return;
  cells_[static_cast<size_t>(row)][static_cast<size_t>(col)] = text;
  notify();
  if (onSetEditText) onSetEditText(row, col, text);
}

const std::vector<std::string>& Grid::dropDown(int col) const {
  if (col < 0 || col >= cols_) throw std::out_of_range(name() + ": no column " + std::to_string(col));
  return lists_[static_cast<size_t>(col)];
}

void Grid::setDropDown(int col, std::vector<std::string> list) {
  if (col < 0 || col >= cols_) throw std::out_of_range(name() + ": no column " + std::to_string(col));
  lists_[static_cast<size_t>(col)] = std::move(list);
  notify();
}

std::function<void()>* Endringshandler(Control& c) {
  switch (c.kind()) {
    case ControlKind::Edit: return &static_cast<Edit&>(c).onChange;
    case ControlKind::Combo: return &static_cast<Combo&>(c).onChange;
    case ControlKind::Check: return &static_cast<Check&>(c).onClick;
    case ControlKind::RadioGroup: return &static_cast<RadioGroup&>(c).onClick;
    default: return nullptr;
  }
}

}  // namespace brul
