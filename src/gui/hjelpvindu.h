#pragma once
// The program's help viewer: a window with the HTML topics of the folder
// "Hjelp" beside the program, opened on a topic by its help context number or
// on the contents page. One viewer serves the whole window.
#include <QDialog>
#include <filesystem>

class QTextBrowser;

namespace brul::gui {

class HjelpVindu : public QDialog {
  Q_OBJECT
 public:
  // `katalog` empty: the help folder is looked up as the program runs.
  explicit HjelpVindu(QWidget* parent = nullptr, std::filesystem::path katalog = {});

  // Shows the topic of the number (the page's topic, then the contents, when
  // it has none of its own). False, after telling the operator, when there is
  // no help folder.
  bool visEmne(int nr);
  bool visInnhold();

  QTextBrowser* leser() const { return leser_; }

 private:
  bool vis(const std::filesystem::path& fil);
  std::filesystem::path katalog();

  QTextBrowser* leser_;
  std::filesystem::path katalog_;
};

}  // namespace brul::gui
