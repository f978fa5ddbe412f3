#pragma once
// TPagesDlg: the editor's main window. A fixed-size dialog with the sixteen
// pages built from the page table and the bottom bar (machine selector,
// Brul.INI, Angre, OK, Avslutt). It is a thin view over brul::Editor: it binds
// every widget to the model control of its name, forwards the operator's
// actions, and shows every change the model makes.
#include <QDialog>
#include <map>
#include <string>
#include <vector>

#include "gui/sidebygger.h"
#include "schema/sider.h"

class QComboBox;
class QPushButton;
class QTabWidget;

namespace brul {
class Editor;
}

namespace brul::gui {

class MaskinvalgSkriver;

class HovedVindu : public QDialog {
  Q_OBJECT
 public:
  // Builds the window over `ed` and runs its creation (FormCreate), which
  // loads the settings. `ed` must outlive the window.
  explicit HovedVindu(Editor& ed, QWidget* parent = nullptr);
  ~HovedVindu() override;

  Editor& editor() const { return ed_; }
  // The widget bound to a control, label, group box or page, by its name
  // (MaskinBoks, OKBtn, Baud, ProtokollL, Grunnoppsett, TabMaskin); null
  // when there is none.
  QWidget* widget(const std::string& navn) const;
  template <class W>
  W* widget(const std::string& navn) const {
    return qobject_cast<W*>(widget(navn));
  }
  QPushButton* knapp(const std::string& navn) const;
  QTabWidget* sider() const { return sider_; }
  // The tab index of a page (tabs are in page order; hidden ones stay in place).
  static int fane(SideId id) { return static_cast<int>(id); }
  // A machine pick's write of the machine to start with runs on another
  // thread while the pages show the machine; this waits for it and lets the
  // editor take in what it came to (any key, click or close does so first).
  void fullforMaskinvalg();

 signals:
  // For the auxiliary commands: the window reports these and leaves the
  // action to whoever connects. The buttons also click their model controls.
  void brulIniKlikket();
  void comPortKlikket();
  void forInstTipsKlikket();
  // A double-click on the window background or the bottom bar.
  void dobbeltklikket();

 protected:
  void closeEvent(QCloseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void showEvent(QShowEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void byggSider();
  QWidget* byggBunnlinje();
  void kobleSider();
  void faneByttet(int indeks);
  void visAktivSide();
  void avslutt();
  // The focus goes back to the page: to the field that had it last, or the
  // page's first field. A bottom-bar button keeps no focus after its work, so
  // Enter or Space cannot press it again by surprise.
  void fokusTilSiden();
  void skrivebeskyttet();

  Editor& ed_;
  MaskinvalgSkriver* skriver_ = nullptr;
  QTabWidget* sider_ = nullptr;
  QWidget* bunn_ = nullptr;
  WidgetKart kart_;
  int visteFane_ = -1;  // the tab the model knows as active
  int synk_ = 0;        // >0 while the window itself moves the tab
  bool lukkGodkjent_ = false;
  bool vist_ = false;  // shown once: the read-only notice has been given
  bool tastValg_ = false;  // a key on the machine selector is being handled
};

}  // namespace brul::gui
