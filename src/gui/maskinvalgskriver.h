#pragma once
// Runs the write of the machine a pick remembers ([Program] Maskin) on a
// thread of its own, so that the pages show the new machine without waiting
// for the disk, and keeps the settings file to that one thread meanwhile:
// any event that could reach the model (a key, a click, a focus change, a
// timer, a close) first waits for the write and lets the editor take in what
// it came to. Painting and layout go on in the meantime.
#include <QObject>
#include <memory>

#include "editor/maskinvalg.h"

class QThread;

namespace brul {
class Editor;
}  // namespace brul

namespace brul::gui {

class MaskinvalgSkriver : public QObject, public MaskinvalgKjorer {
 public:
  // Takes the editor's writes from now on; `ed` must outlive this object.
  explicit MaskinvalgSkriver(Editor& ed, QObject* parent = nullptr);
  ~MaskinvalgSkriver() override;  // the pending write done and taken in first

  // The pending write done (here, if its thread has not started yet) and
  // taken in by the editor; nothing when none is pending.
  void fullfor() override;
  bool venter() const { return static_cast<bool>(jobb_); }

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void legg(std::shared_ptr<Maskinvalgskriving> jobb) override;
  void start();

  Editor& ed_;
  std::shared_ptr<Maskinvalgskriving> jobb_;
  QThread* traad_ = nullptr;
};

}  // namespace brul::gui
