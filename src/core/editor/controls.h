#pragma once
// The editor's controls as plain objects, so every rule of the editor runs and
// is tested without a window. Each control carries two hooks:
//  - its handler (onChange / onClick / onSetEditText): the editor's own event
//    handler, raised by the events the original toolkit raises;
//  - onView: the window's observer, told after any change of state so it can
//    show it. Raising onView never raises a handler.
#include <functional>
#include <string>
#include <vector>

namespace brul {

enum class ControlKind { Edit, Check, Combo, RadioGroup, Grid, Button, Label, Group };

class Control {
 public:
  Control(std::string name, ControlKind kind) : name_(std::move(name)), kind_(kind) {}
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& name() const { return name_; }
  ControlKind kind() const { return kind_; }

  bool enabled() const { return enabled_; }
  void setEnabled(bool on);
  bool visible() const { return visible_; }
  void setVisible(bool on);

  std::function<void()> onView;  // the window's observer

 protected:
  void notify() const {
    if (onView) onView();
  }

 private:
  std::string name_;
  ControlKind kind_;
  bool enabled_ = true;
  bool visible_ = true;
};

// A one-line edit box. Setting a different text, from code or by the operator,
// raises onChange.
class Edit : public Control {
 public:
  explicit Edit(std::string name) : Control(std::move(name), ControlKind::Edit) {}
  const std::string& text() const { return text_; }
  void setText(const std::string& t);
  std::function<void()> onChange;
  std::function<void()> onExit;  // focus leaves the box (the window and the CLI call leave())
  void leave() {
    if (onExit) onExit();
  }

 private:
  std::string text_;
};

// A check box. Setting a different tick, from code or by the operator, raises
// onClick.
class Check : public Control {
 public:
  explicit Check(std::string name) : Control(std::move(name), ControlKind::Check) {}
  bool checked() const { return checked_; }
  void setChecked(bool on);
  std::function<void()> onClick;

 private:
  bool checked_ = false;
};

// A combo box with a list and free text. Only the operator raises onChange
// (operatorText, operatorPick); code sets text and index silently.
class Combo : public Control {
 public:
  explicit Combo(std::string name, std::vector<std::string> items = {})
      : Control(std::move(name), ControlKind::Combo), items_(std::move(items)) {}

  const std::vector<std::string>& items() const { return items_; }
  void setItems(std::vector<std::string> items);  // clears the selection, keeps the text
  void clearItems() { setItems({}); }
  void addItem(const std::string& item);

  const std::string& text() const { return text_; }
  int itemIndex() const { return index_; }
  // Code: sets the text; the selection is dropped unless the text is still
  // exactly the selected item.
  void setText(const std::string& t);
  // Code: selects an item (its text becomes the box's text); -1 drops the
  // selection and keeps the text.
  void setItemIndex(int i);
  // Operator: types a text (the item spelled exactly so becomes selected).
  void operatorText(const std::string& t);
  // Operator: picks an item from the list.
  void operatorPick(int i);
  bool selectOnly = false;  // a list without free text (HandShake)
  std::function<void()> onChange;

 private:
  std::vector<std::string> items_;
  std::string text_;
  int index_ = -1;
};

// A radio group. Setting a different index, from code or by the operator,
// raises onClick.
class RadioGroup : public Control {
 public:
  RadioGroup(std::string name, std::string caption, std::vector<std::string> items)
      : Control(std::move(name), ControlKind::RadioGroup),
        caption_(std::move(caption)),
        items_(std::move(items)) {}
  const std::string& caption() const { return caption_; }
  const std::vector<std::string>& items() const { return items_; }
  int itemIndex() const { return index_; }
  void setItemIndex(int i);
  // The text of the selected item, empty when none is selected.
  std::string selectedText() const;
  std::function<void()> onClick;

 private:
  std::string caption_;
  std::vector<std::string> items_;
  int index_ = -1;
};

// A string grid: row 0 is the header; drop-down lists per column. Only the
// operator's cell edits (typed or picked) raise onSetEditText.
class Grid : public Control {
 public:
  Grid(std::string name, int cols, int rows, int fixedRows, int fixedCols);

  int colCount() const { return cols_; }
  int rowCount() const { return static_cast<int>(cells_.size()); }
  void setRowCount(int rows);  // new rows are empty; removed rows are gone
  int fixedRows() const { return fixedRows_; }
  int fixedCols() const { return fixedCols_; }

  const std::string& cell(int row, int col) const;
  void setCell(int row, int col, const std::string& text);  // code: silent
  // The operator types into or picks for a cell.
  void operatorEdit(int row, int col, const std::string& text);
  bool editable(int row, int col) const { return row >= fixedRows_ && col >= fixedCols_; }

  // Drop-down list of a column (empty: a plain text cell).
  const std::vector<std::string>& dropDown(int col) const;
  void setDropDown(int col, std::vector<std::string> list);

  std::function<void(int row, int col, const std::string& text)> onSetEditText;

 private:
  void check(int row, int col) const;
  int cols_;
  int fixedRows_;
  int fixedCols_;
  std::vector<std::vector<std::string>> cells_;
  std::vector<std::vector<std::string>> lists_;
};

// A push button of the bottom bar: enabled state and a click handler.
class Button : public Control {
 public:
  Button(std::string name, std::string caption)
      : Control(std::move(name), ControlKind::Button), caption_(std::move(caption)) {}
  const std::string& caption() const { return caption_; }
  void click() {
    if (enabled() && onClick) onClick();
  }
  std::function<void()> onClick;

 private:
  std::string caption_;
};

// A label or a group box whose enabled state the rules switch (ProtokollL,
// the group Grunnoppsett). It holds no value and raises nothing.
class Label : public Control {
 public:
  Label(std::string name, std::string caption, ControlKind kind = ControlKind::Label)
      : Control(std::move(name), kind), caption_(std::move(caption)) {}
  const std::string& caption() const { return caption_; }

 private:
  std::string caption_;
};

// A tabbed page: its caption and whether its tab is shown.
class Page {
 public:
  Page(std::string name, std::string caption) : name_(std::move(name)), caption_(std::move(caption)) {}
  const std::string& name() const { return name_; }
  const std::string& caption() const { return caption_; }
  bool shown() const { return shown_; }
  void setShown(bool on) {
    if (shown_ == on) return;
    shown_ = on;
    if (onView) onView();
  }
  std::function<void()> onView;

 private:
  std::string name_;
  std::string caption_;
  bool shown_ = true;
};

// The handler a change of the control raises: onChange of an edit or combo
// box, onClick of a check box or radio group; nullptr for other kinds.
std::function<void()>* Endringshandler(Control& c);

}  // namespace brul
