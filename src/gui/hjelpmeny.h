#pragma once
// The main window's auxiliary commands that need widgets: the help pop-up
// menu ("Hva er dette ?", "Emner i hjelp", "Context Nr") on every control
// with its help context number, F1, the folder browser on a double-click of
// Katalog and BackupKatalog, and the window print on a double-click of the
// window background or the bottom bar.
#include <QObject>
#include <string>

class QMenu;
class QWidget;

namespace brul::gui {

class HovedVindu;
class HjelpVindu;

class HjelpKommandoer : public QObject {
  Q_OBJECT
 public:
  // Attaches to the window's widgets; lives as the window's child.
  explicit HjelpKommandoer(HovedVindu& vindu);

  HjelpVindu* hjelp() const { return hjelp_; }
  // The menu as it is built for a widget (for the tests); the caller owns it.
  QMenu* lagMeny(const std::string& navn, int nr, int emne, QWidget* forelder);
  // F1: the topic of the focused control, else of the page shown.
  void visHjelpForFokus();

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void koble(QWidget* w, const std::string& navn, int nr, int emne);

  HovedVindu& v_;
  HjelpVindu* hjelp_;
};

}  // namespace brul::gui
