#pragma once
// The windows of the check, the preview of a save and the history, and the
// commands beside "Brul.INI" that open them ("Kontroller", "Vis endringer",
// "Historikk"). KontrollKommandoer puts its buttons into the main window's
// bottom bar and shows the preview before an armed preset is saved.
#include <QDialog>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/skriptoperator.h"
#include "editor/kontroll.h"
#include "editor/lagringsvisning.h"
#include "store/historikk.h"

class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace brul::gui {

class HovedVindu;

// The findings of the check; a double-click on one selects its machine,
// page and control in the main window. Given `nye`, it shows those (what a
// save brought in) instead of running the check.
class KontrollVindu : public QDialog {
  Q_OBJECT
 public:
  KontrollVindu(HovedVindu& hoved, QWidget* parent = nullptr, const std::vector<Funn>* nye = nullptr);
  void oppdater();  // runs the check again
  QTreeWidget* liste() const { return liste_; }
  const std::vector<Funn>& funn() const { return funn_; }
  // Shows finding i in the main window (what a double-click does).
  void gaaTil(int i);

 private:
  void fyll();
  HovedVindu& hoved_;
  QTreeWidget* liste_ = nullptr;
  std::vector<Funn> funn_;
};

// "Vis endringer": what OK will write; OK saves, Avbryt goes back with the
// edits still pending.
class EndringsVindu : public QDialog {
  Q_OBJECT
 public:
  EndringsVindu(const Lagringsvisning& v, bool forvalg, QWidget* parent = nullptr);
  QPlainTextEdit* tekst() const { return tekst_; }

 private:
  QPlainTextEdit* tekst_ = nullptr;
};

// The saves kept in the history, what each changed, and "Gjenopprett".
class HistorikkVindu : public QDialog {
  Q_OBJECT
 public:
  HistorikkVindu(HovedVindu& hoved, QWidget* parent = nullptr);
  void oppdater();
  QListWidget* liste() const { return liste_; }
  QPlainTextEdit* tekst() const { return tekst_; }
  QPushButton* gjenopprettKnapp() const { return gjenopprett_; }
  // Restores the selected version after the question; true when it was put back.
  bool gjenopprett();

 private:
  void vis();
  void tilpassListen();
  HovedVindu& hoved_;
  QListWidget* liste_ = nullptr;
  QPlainTextEdit* tekst_ = nullptr;
  QPushButton* gjenopprett_ = nullptr;
  // The history as oppdater read it, a row each: choosing a row reads nothing.
  std::vector<historikk::Versjon> versjoner_;
};

class KontrollKommandoer : public QObject {
  Q_OBJECT
 public:
  explicit KontrollKommandoer(HovedVindu& hoved);
  ~KontrollKommandoer() override;
  // "Vis endringer": the preview of any pending edit; OK saves.
  void visEndringer();
  void kontroller();
  void historikk();
  // The window that decides OK / Avbryt; replaceable by tests.
  std::function<bool(EndringsVindu&)> godta;
  KontrollVindu* kontrollVindu() const { return kontroll_; }
  // The findings the last save brought in, while there were any.
  KontrollVindu* nyeFunnVindu() const { return nye_; }
  HistorikkVindu* historikkVindu() const { return historikk_; }

 private:
  // Before every save of the editor (OK, Enter, "Lagre endringer ?" on a
  // page change or Avslutt): an armed preset is shown first, and Avbryt
  // leaves it pending.
  bool forLagring();
  bool visForvalg();
  // The check before a save, and after it what the save brought in.
  void etterLagring();
  void avsluttSvar();
  HovedVindu& hoved_;
  // Kept apart from hoved_: the window destroys this object from its QWidget
  // base, after its own part is gone, and the editor outlives it.
  Editor& ed_;
  KontrollVindu* kontroll_ = nullptr;
  KontrollVindu* nye_ = nullptr;
  std::optional<std::vector<Funn>> forFunn_;
  int forMaskin_ = 0;
  HistorikkVindu* historikk_ = nullptr;
  bool iGang_ = false;  // a preview or its save is running: no second preview
  // The answers of the last preview, given to the save that follows it.
  std::unique_ptr<Lagringsvisning> vist_;
  std::unique_ptr<SvarFraVisning> svar_;
  std::unique_ptr<MedOperator> med_;
};

}  // namespace brul::gui
