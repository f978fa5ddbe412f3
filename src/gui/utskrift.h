#pragma once
// The window print: an image of a window on the default printer, one page,
// scaled to fit with its proportions kept, then the confirmation.
class QWidget;

namespace brul::gui {

// True when the page was printed. Without a printer, or when the job cannot
// start, the operator is told why and nothing is confirmed.
bool SkrivUtVindu(QWidget* vindu);

}  // namespace brul::gui
