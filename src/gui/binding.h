#pragma once
// Binds one widget to the model control of the same name, both ways: the
// operator's edits go to the control's operator API, and every change the
// model makes is shown at once through the control's onView, with the
// widget's signals blocked so that showing never echoes back as an edit.
#include <QPointer>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace brul {
class Button;
class Check;
class Combo;
class Control;
class Edit;
class Label;
class RadioGroup;
}  // namespace brul

namespace brul::gui {

// `folger` (may be null) is a caption label that is shown and hidden with the field.
void KobleEdit(Edit& m, QLineEdit* w, QWidget* folger);
void KobleCheck(Check& m, QCheckBox* w);
void KobleCombo(Combo& m, QComboBox* w, QWidget* folger);
void KobleRadio(RadioGroup& m, QGroupBox* boks, QButtonGroup* knapper);
void KobleKnapp(Button& m, QPushButton* w);
// Labels and group boxes whose enabled state the rules switch.
void KobleLabel(Label& m, QWidget* w);
// Only the enabled and shown state of any control (a button the window
// handles itself).
void KobleTilstand(Control& m, QWidget* w);

// Makes the radio buttons of a group box for the model's items, in columns
// of at most `perKolonne` buttons, and binds them.
QButtonGroup* LagRadioKnapper(RadioGroup& m, QGroupBox* boks, int perKolonne);

// Makes the open list of a drop-down box wide enough to show every entry
// whole, even where the box itself is narrower (a fixed width, a grid cell).
// Call after the items are in.
void VisHeleListen(QComboBox* w);

// Stops showing the model: clears the control's onView.
void Frikoble(Control& m);

}  // namespace brul::gui
