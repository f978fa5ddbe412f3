#pragma once
// TPortForm as a window: the overview's grid, "Til Utklippstavle" and
// "Avslutt". The model (brul::TPortForm) decides what is listed; this window
// shows it modally when the model asks and puts the copied text on the
// system clipboard.
#include <QDialog>

class QPushButton;
class QTableWidget;

namespace brul {
class TPortForm;
}

namespace brul::gui {

class PortVindu : public QDialog {
  Q_OBJECT
 public:
  // Binds to `modell`, which must outlive the window.
  explicit PortVindu(TPortForm& modell, QWidget* parent = nullptr);
  ~PortVindu() override;

  QTableWidget* grid() const { return grid_; }
  QPushButton* utklippsKnapp() const { return utklipp_; }
  QPushButton* avsluttKnapp() const { return avslutt_; }

  // Copies the grid of the model into the table (the header row as the
  // table's column headers).
  void visGrid();

 private:
  TPortForm& m_;
  QTableWidget* grid_;
  QPushButton* utklipp_;
  QPushButton* avslutt_;
};

}  // namespace brul::gui
