#pragma once
// The COM-port overview (TPortForm) as a model: which machine uses which serial
// port and folder, listed by port or by machine from the stored machine
// sections. The window shows `Grid` and forwards its two buttons here.
#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace brul {

using PortRad = std::array<std::string, 3>;

// The listing the window shows: rows of three cells, the header row first.
// Reaching for a cell outside it throws std::out_of_range.
class PortTabell {
 public:
  int rowCount() const { return static_cast<int>(rader_.size()); }
  void setRowCount(int rader);  // new rows are empty; removed rows are gone
  const std::string& cell(int rad, int kolonne) const;
  void setCell(int rad, int kolonne, const std::string& tekst);

 private:
  void sjekk(int rad, int kolonne) const;
  std::vector<PortRad> rader_;
};

// A button of the overview: its caption and what a click does.
class PortKnapp {
 public:
  explicit PortKnapp(std::string caption) : caption_(std::move(caption)) {}
  const std::string& caption() const { return caption_; }
  void click() {
    if (onClick) onClick();
  }
  std::function<void()> onClick;

 private:
  std::string caption_;
};

// The listings, header row first. Both read the machine sections 1..antall in
// one batch and change nothing. A count above the 255 machines a settings file
// can hold is taken as 255.
std::vector<PortRad> ListeEtterPort(long antall);
std::vector<PortRad> ListeEtterMaskin(long antall);

// The clipboard text of rows 1.. (the header is left out): the three cells
// joined by tabs, CR LF between rows, none after the last.
std::string UtklippsTekst(const std::vector<PortRad>& rader);

// The row of the listing by port that a port text belongs to: the number
// formed by its 4th and 5th characters (COM12 gives 12, LPT1 gives 1), 0 when
// they do not form one.
int PortRadNr(const std::string& port);

class TPortForm {
 public:
  TPortForm();

  static constexpr const char* Caption = "Oversikt over ComPorter";
  PortTabell grid;
  PortKnapp UtklippsTavleBtn{"Til Utklippstavle"};
  PortKnapp Avslutt{"Avslutt"};

  // Warns and returns when there are no machines; else asks "Sortere på
  // porter ?", fills the grid and asks the window to show itself (onVis).
  void VisOversikt(long antall);
  // Fills the grid without asking (the command line chooses the order itself).
  void Fyll(long antall, bool etterPort);
  // The grid's rows below the header as clipboard text.
  std::string Tekst() const;
  // Copies Tekst() through onUtklipp; with no rows below the header the
  // clipboard is left as it was.
  void UtklippsTavleBtnClick();

  std::function<void()> onVis;                        // show the window modally
  std::function<void()> onLukk;                       // Avslutt: close the window
  std::function<void(const std::string&)> onUtklipp;  // put plain text on the clipboard

 private:
  void settRader(const std::vector<PortRad>& rader);
};

}  // namespace brul
