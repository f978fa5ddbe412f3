#pragma once
// Builds the widgets of the editor's pages from the page table: group boxes
// (nested where the table nests them), captions, fields, check boxes, combo
// boxes, radio groups and grids, each bound to the model control of its name.
// The blocks of a page are then laid out in as many columns as keep the
// window compact.
#include <map>
#include <string>
#include <vector>

#include <QSize>

class QWidget;

namespace brul {
class Editor;
struct SideOppsett;
}  // namespace brul

namespace brul::gui {

// What the builder made, by control name (fields, labels, group boxes,
// buttons, grids, radio groups) so the window and its extensions can reach
// every widget.
using WidgetKart = std::map<std::string, QWidget*>;

struct ByggetSide {
  QWidget* side = nullptr;
  std::vector<QWidget*> blokker;  // group boxes and loose fields, in table order
  std::vector<QWidget*> bunn;     // grids placed on the page itself: full width below
};

ByggetSide ByggSide(Editor& ed, const SideOppsett& oppsett, WidgetKart& kart);

// The size of the page's blocks in `kolonner` columns (contiguous, in
// order), split so that the tallest column is as short as possible; the
// split is returned as the index of the first block of every column.
QSize KolonneStorrelse(const ByggetSide& s, int kolonner, std::vector<int>* delinger = nullptr);
// Lays the page out in that many columns.
void LeggUt(ByggetSide& s, int kolonner);

// Chooses a column count per page so that the common size of all pages
// (the window's page area) is as small as possible.
std::vector<int> VelgKolonner(const std::vector<ByggetSide>& sider, int maksKolonner = 3);

}  // namespace brul::gui
