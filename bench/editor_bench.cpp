// The editor against a 255-machine installation: selecting machine 200 (a
// full load of every page, and the machine remembered for the next start) and
// saving a page, each once with one batch per action and once with every key
// read or written on its own.
//
// Counters (processor time, the machine being shared; "_vegg" the same by the
// clock on the wall, which includes waiting for the disk):
//   mot_lesing   a pick of the batched run (LastMaskin200: the load alone)
//                against one bare read and line split of the file (goal:
//                at most 3)
//   ratio        the unbatched run against the batched one (for a page save:
//                goal at least 50)
//   mot_les_skriv a batched pick or page save against one bare read and one
//                bare atomic replacement of the file: what it adds to the
//                least anything must do that writes the file (a pick writes
//                the machine to start with)
//   tak          an unbatched page save against that least: the highest
//                "ratio" any page save could reach against it
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <string>

#include "app/operator.h"
#include "app/skriptoperator.h"
#include "app/tilstand.h"
#include "editor/editor.h"
#include "generer.h"
#include "platform/fil.h"

namespace brul {
namespace {

// The shared 255-machine installation with the editor's operator: questions
// are answered No and messages recorded, nothing waits for a person.
class Installasjon {
 public:
  Installasjon() { settOperator(&op_); }
  ~Installasjon() { settOperator(nullptr); }
  const bench::GenerertInstallasjon& filer() const { return inst_; }

 private:
  bench::GenerertInstallasjon inst_;
  SkriptOperator op_;
};

struct Tider {
  double cpu = 0, vegg = 0;  // seconds per iteration
};

// The batched runs' times, for the ratio the unbatched runs report.
Tider& Tid(const std::string& navn) {
  static std::map<std::string, Tider> t;
  return t[navn];
}

// Runs the loop and returns the time per iteration; a batched run keeps it
// under `navn`, an unbatched one reports "ratio" against it.
template <class F>
Tider Maal(benchmark::State& state, const std::string& navn, bool batch, F&& steg) {
  const double cpu0 = bench::CpuSekunder();
  const auto vegg0 = std::chrono::steady_clock::now();
  for (auto _ : state) steg();
  const double n = static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1));
  Tider t;
  t.cpu = (bench::CpuSekunder() - cpu0) / n;
  t.vegg = std::chrono::duration<double>(std::chrono::steady_clock::now() - vegg0).count() / n;
  if (batch) {
    Tid(navn) = t;
  } else if (Tid(navn).cpu > 0) {
    state.counters["ratio"] = t.cpu / Tid(navn).cpu;
    state.counters["ratio_vegg"] = t.vegg / Tid(navn).vegg;
  }
  return t;
}

// One bare read and line split of the installation's file.
Tider LesOgDel(const bench::GenerertInstallasjon& inst) {
  constexpr int kGanger = 50;
  const double cpu0 = bench::CpuSekunder();
  const auto vegg0 = std::chrono::steady_clock::now();
  for (int i = 0; i < kGanger; ++i) benchmark::DoNotOptimize(bench::LesOgDelLinjer(inst.iniFil()));
  Tider t;
  t.cpu = (bench::CpuSekunder() - cpu0) / kGanger;
  t.vegg = std::chrono::duration<double>(std::chrono::steady_clock::now() - vegg0).count() / kGanger;
  return t;
}

// One bare read of the file and one bare atomic replacement of it with the
// same bytes (written, flushed to disk, renamed): the least any save costs.
Tider LesOgSkriv(const bench::GenerertInstallasjon& inst) {
  constexpr int kGanger = 10;
  const std::string sti = inst.iniFil().string();
  const std::string bytes = platform::LesHeleFil(sti).bytes;
  const double cpu0 = bench::CpuSekunder();
  const auto vegg0 = std::chrono::steady_clock::now();
  for (int i = 0; i < kGanger; ++i) {
    benchmark::DoNotOptimize(bench::LesOgDelLinjer(inst.iniFil()));
    std::string feil;
    platform::ErstattFil(sti, bytes, feil);
  }
  Tider t;
  t.cpu = (bench::CpuSekunder() - cpu0) / kGanger;
  t.vegg = std::chrono::duration<double>(std::chrono::steady_clock::now() - vegg0).count() / kGanger;
  return t;
}

// Per iteration: the operator picks machine 200, or 199 in every other
// iteration, so every pick is a change.
void VelgMaskin200(benchmark::State& state, bool batch) {
  Installasjon inst;
  Editor e;
  e.FormCreate();
  e.settEnBatchPerHandling(batch);
  bool a = false;
  const Tider t = Maal(state, "velg", batch, [&] {
    e.MaskinBoks.operatorPick((a = !a) ? 199 : 198);
    benchmark::DoNotOptimize(e.MaskinNavn.text());
  });
  if (batch) {
    const Tider les = LesOgDel(inst.filer());
    state.counters["mot_lesing"] = t.cpu / les.cpu;
    state.counters["mot_lesing_vegg"] = t.vegg / les.vegg;
    state.counters["lesing_ms"] = les.cpu * 1e3;
    const Tider io = LesOgSkriv(inst.filer());
    state.counters["mot_les_skriv"] = t.cpu / io.cpu;
    state.counters["les_skriv_ms"] = io.cpu * 1e3;
  }
}

// Per iteration: machine 200's pages loaded again, as a pick does, without
// the save of the machine to start with that a pick of another machine adds.
void LastMaskin200(benchmark::State& state) {
  Installasjon inst;
  Editor e;
  e.FormCreate();
  e.MaskinBoks.operatorPick(199);
  const Tider t = Maal(state, "last", true, [&] {
    e.LesOppsett(false, true);
    benchmark::DoNotOptimize(e.MaskinNavn.text());
  });
  const Tider les = LesOgDel(inst.filer());
  state.counters["mot_lesing"] = t.cpu / les.cpu;
  state.counters["mot_lesing_vegg"] = t.vegg / les.vegg;
}

// Per iteration: one field of a page of machine 200 changed and saved. On the
// page "Maskin" a save also rebuilds the machine list from every machine's
// name; on "Filer" it writes the page's 15 keys and no more.
void LagreSide(benchmark::State& state, bool batch, SideId side, Edit Editor::*felt, const std::string& navn) {
  Installasjon inst;
  Editor e;
  e.FormCreate();
  e.MaskinBoks.operatorPick(199);
  e.byttSide(side);
  e.settEnBatchPerHandling(batch);
  bool a = false;
  const Tider t = Maal(state, navn, batch, [&] {
    (e.*felt).setText((a = !a) ? "O1000" : "O2000");
    if (!e.OKBtnClick()) state.SkipWithError("lagring feilet");
  });
  const Tider io = LesOgSkriv(inst.filer());
  if (batch) {
    state.counters["mot_les_skriv"] = t.cpu / io.cpu;
    state.counters["mot_les_skriv_vegg"] = t.vegg / io.vegg;
  } else {
    state.counters["tak"] = t.cpu / io.cpu;
  }
}

void BM_VelgMaskin200_EnBatch(benchmark::State& s) { VelgMaskin200(s, true); }
void BM_VelgMaskin200_UtenBatch(benchmark::State& s) { VelgMaskin200(s, false); }
void BM_LagreSideMaskin_EnBatch(benchmark::State& s) {
  LagreSide(s, true, SideId::Maskin, &Editor::MaskinNavn, "maskin");
}
void BM_LagreSideMaskin_UtenBatch(benchmark::State& s) {
  LagreSide(s, false, SideId::Maskin, &Editor::MaskinNavn, "maskin");
}
void BM_LagreSideFiler_EnBatch(benchmark::State& s) { LagreSide(s, true, SideId::Filer, &Editor::IngenFil, "filer"); }
void BM_LagreSideFiler_UtenBatch(benchmark::State& s) {
  LagreSide(s, false, SideId::Filer, &Editor::IngenFil, "filer");
}

BENCHMARK(BM_VelgMaskin200_EnBatch)->Unit(benchmark::kMillisecond);
BENCHMARK(LastMaskin200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VelgMaskin200_UtenBatch)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_LagreSideMaskin_EnBatch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LagreSideMaskin_UtenBatch)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_LagreSideFiler_EnBatch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LagreSideFiler_UtenBatch)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace brul
