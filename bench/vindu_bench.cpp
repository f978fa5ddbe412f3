// The main window (offscreen) on the 255-machine installation: one machine
// switch from the operator's key on the machine selector until the pages show
// the new machine, every event it leaves pending (repaints included) handled.
//
// Each iteration presses Down or Up on the closed selector in turn (and lets
// it go once the time is taken), so every switch is a change, and checks that
// the machine's name and port on the pages are the new machine's and that
// the name's field was painted again: a switch that did not happen fails the
// run rather than measuring nothing.
//
// Counters (wall clock, per switch; the run's time is the mean):
//   median_ms  the median switch (goal: at most 16, one frame)
//   p90_ms     the ninth decile
//   cpu_ms     processor time per switch, its write included
//   skrevet_ms the median from the key until the machine to start with is
//              written to disk (the window may write it on another thread
//              while it paints; the next pick waits for it, so the run waits
//              for it between switches, outside the time measured)
//   skrevet    1 when the pick was remembered in the file by the end of the run
//
// Variants: HuskMaskin/1 is the real window; HuskMaskin/2 the same with the
// write of the machine to start with ([Program] Maskin) done by the pick on
// the window's thread before it returns; HuskMaskin/0 leaves the machine
// unremembered, the least a switch costs.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "app/operator.h"
#include "app/skriptoperator.h"
#include "app/tilstand.h"
#include "editor/editor.h"
#include "generer.h"
#include "gui/hovedvindu.h"
#include "presets/forvalg.h"
#include "store/settings.h"

namespace brul {
namespace {

// A key pressed or let go on a widget, as the keyboard sends it.
void Tast(QWidget* w, int tast, bool ned) {
  QKeyEvent e(ned ? QEvent::KeyPress : QEvent::KeyRelease, tast, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

// Everything the switch left for the event loop: posted events, zero timers,
// the repaints they ask for.
void TomHendelser() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
  }
}

// Counts the paints of the widget it watches: a page that shows the new
// machine has painted it.
class Malinger : public QObject {
 public:
  using QObject::QObject;
  int n = 0;
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++n;
    return QObject::eventFilter(o, e);
  }
};

void BytteMaskin(benchmark::State& state) {
  const bool husk = state.range(0) != 0;
  const bool sammeTraad = state.range(0) == 2;
  bench::GenerertInstallasjon inst;
  SkriptOperator op;
  settOperator(&op);
  RegistrerForvalg();
  auto ed = std::make_unique<Editor>();
  auto vindu = std::make_unique<gui::HovedVindu>(*ed);
  ed->HuskMaskinvalg = husk;
  if (sammeTraad) ed->maskinvalgKjorer = nullptr;  // the pick writes before it returns
  vindu->show();
  TomHendelser();

  auto* boks = vindu->widget<QComboBox>("MaskinBoks");
  auto* navn = vindu->widget<QLineEdit>("MaskinNavn");
  auto* port = vindu->widget<QComboBox>("Com");
  if (!boks || !navn || !port || boks->count() != 255) {
    state.SkipWithError("vinduet mangler maskinvelgeren eller feltene");
    settOperator(nullptr);
    return;
  }
  // From machine 199, as the editor's own benchmark picks.
  boks->setFocus(Qt::OtherFocusReason);
  boks->setCurrentIndex(198);
  emit boks->activated(198);
  TomHendelser();

  Malinger malt;
  navn->installEventFilter(&malt);
  std::vector<double> tider, skrevet;
  const double cpu0 = bench::CpuSekunder();
  bool ned = true;
  for (auto _ : state) {
    const int ventet = boks->currentIndex() + (ned ? 1 : -1);
    malt.n = 0;
    const auto t0 = std::chrono::steady_clock::now();
    Tast(boks, ned ? Qt::Key_Down : Qt::Key_Up, true);
    TomHendelser();
    const auto t1 = std::chrono::steady_clock::now();
    const double s = std::chrono::duration<double>(t1 - t0).count();
    state.SetIterationTime(s);
    tider.push_back(s);
    // The generated file names no machine (the section's name is shown) and
    // gives machine m the port Com(m % 8 + 1).
    const int m = ventet + 1;
    const QString maskin = QStringLiteral("Maskin%1").arg(m), com = QStringLiteral("Com%1").arg(m % 8 + 1);
    if (boks->currentIndex() != ventet || ed->ValgtMaskin() != m ||
        navn->text().compare(maskin, Qt::CaseInsensitive) != 0 ||
        port->currentText().compare(com, Qt::CaseInsensitive) != 0 || malt.n == 0) {
      state.SkipWithError(("bytte til " + maskin + " vises ikke: " + navn->text() + ", " + port->currentText() +
                           QStringLiteral(", %1 maling(er)").arg(malt.n))
                              .toStdString()
                              .c_str());
      break;
    }
    // The key let go, some tens of milliseconds after it was pressed, and
    // the operator's pause before the next one: the machine's write, which
    // the window may run on another thread, is done before the next pick
    // (which would wait for it).
    Tast(boks, ned ? Qt::Key_Down : Qt::Key_Up, false);
    vindu->fullforMaskinvalg();
    skrevet.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
    ned = !ned;
  }
  const double cpu = bench::CpuSekunder() - cpu0;
  if (!tider.empty()) {
    std::sort(tider.begin(), tider.end());
    state.counters["median_ms"] = tider[tider.size() / 2] * 1e3;
    state.counters["p90_ms"] = tider[tider.size() * 9 / 10] * 1e3;
    state.counters["cpu_ms"] = cpu / static_cast<double>(tider.size()) * 1e3;
  }
  if (!skrevet.empty()) {
    std::sort(skrevet.begin(), skrevet.end());
    state.counters["skrevet_ms"] = skrevet[skrevet.size() / 2] * 1e3;
  }
  vindu.reset();
  ed.reset();
  const std::string lagret = LesFraFil(IniFil, "Program", "Maskin", "");
  state.counters["skrevet"] = lagret != "1";
  settOperator(nullptr);
}

BENCHMARK(BytteMaskin)
    ->ArgName("HuskMaskin")
    ->Arg(1)
    ->Arg(2)
    ->Arg(0)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(60)
    ->Repetitions(3);

}  // namespace
}  // namespace brul

int main(int argc, char** argv) {
  // The window needs no screen: it runs on the offscreen platform unless told otherwise.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
