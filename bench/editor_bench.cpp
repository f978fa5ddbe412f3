// The editor against a 255-machine installation: selecting machine 200 (a
// full load of every page) and saving one page, each once with one batch per
// action and once with every key read or written on its own. The counter
// "ratio" of an unbatched run gives how many times slower it is.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <string>

#include "app/operator.h"
#include "app/skriptoperator.h"
#include "app/tilstand.h"
#include "generer.h"
#include "editor/editor.h"

namespace brul {
namespace {

// The shared 255-machine installation with the editor's operator: questions
// are answered No and messages recorded, nothing waits for a person.
class Installasjon {
 public:
  Installasjon() { settOperator(&op_); }
  ~Installasjon() { settOperator(nullptr); }

 private:
  bench::GenerertInstallasjon inst_;
  SkriptOperator op_;
};

// Seconds per iteration of the batched runs, for the ratio the unbatched runs report.
double& Tid(const std::string& navn) {
  static std::map<std::string, double> t;
  return t[navn];
}

// Runs the loop and reports the time per iteration; an unbatched run also
// reports "ratio": its time divided by the batched run's.
template <class F>
void Maal(benchmark::State& state, const std::string& navn, bool batch, F&& steg) {
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : state) steg();
  const double sek = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() /
                     static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1));
  if (batch) Tid(navn) = sek;
  else if (Tid(navn) > 0) state.counters["ratio"] = sek / Tid(navn);
}

// Per iteration: the operator picks machine 200 (after 199, so every pick is a change).
void VelgMaskin200(benchmark::State& state, bool batch) {
  Installasjon inst;
  Editor e;
  e.FormCreate();
  e.settEnBatchPerHandling(batch);
  Maal(state, "velg", batch, [&] {
    e.MaskinBoks.operatorPick(198);
    e.MaskinBoks.operatorPick(199);
    benchmark::DoNotOptimize(e.MaskinNavn.text());
  });
}

// Per iteration: one field of the page "Filer" of machine 200 changed and saved.
void LagreSide(benchmark::State& state, bool batch) {
  Installasjon inst;
  Editor e;
  e.FormCreate();
  e.MaskinBoks.operatorPick(199);
  e.byttSide(SideId::Filer);
  e.settEnBatchPerHandling(batch);
  bool a = false;
  Maal(state, "lagre", batch, [&] {
    e.IngenFil.setText((a = !a) ? "O1000" : "O2000");
    if (!e.OKBtnClick()) state.SkipWithError("lagring feilet");
  });
}

void BM_VelgMaskin200_EnBatch(benchmark::State& s) { VelgMaskin200(s, true); }
void BM_VelgMaskin200_UtenBatch(benchmark::State& s) { VelgMaskin200(s, false); }
void BM_LagreSide_EnBatch(benchmark::State& s) { LagreSide(s, true); }
void BM_LagreSide_UtenBatch(benchmark::State& s) { LagreSide(s, false); }

BENCHMARK(BM_VelgMaskin200_EnBatch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VelgMaskin200_UtenBatch)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_LagreSide_EnBatch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LagreSide_UtenBatch)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace brul
