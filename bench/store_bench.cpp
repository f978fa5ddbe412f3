// Reading one machine's worth of keys (250 LesStreng) from a 255-machine
// settings file, once inside one Batch (one read and parse of the file) and
// once with every call on its own (a read and parse per call). The counter
// "forhold" of StoreForhold is how many times faster the batch is; the goal
// is at least 100.
//
// The parse of the whole file: StoreTolk reports MB/s for the store's parser
// and for the one it replaced (bench/gammel_ini), timed in turn on the same
// bytes, and "forhold", how many times faster the store's is (goal: 5); with
// "_oppslag" the first look-up in a machine section is included, since the
// store builds its indexes at first use.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "gammel_ini.h"
#include "generer.h"
#include "store/batch.h"
#include "store/ini_document.h"
#include "store/settings.h"

namespace brul {
namespace {

constexpr int kKall = 250;

// The keys a machine load reads: machine 200's keys and its port's, plus
// some that are absent and fall back to their default.
std::vector<std::pair<std::string, std::string>> Oppslag() {
  std::vector<std::pair<std::string, std::string>> ut;
  for (int i = 0; static_cast<int>(ut.size()) < kKall; ++i) {
    if (i % 10 == 9) ut.emplace_back("Com1", "Baud");
    else if (i % 25 == 24) ut.emplace_back("Maskin200", "Mangler" + std::to_string(i));
    else ut.emplace_back("Maskin200", bench::GenerertNokkel(i % 150));
  }
  return ut;
}

std::size_t LesAlle(const std::vector<std::pair<std::string, std::string>>& oppslag) {
  std::size_t sum = 0;
  for (const auto& [s, k] : oppslag) sum += LesStreng(s, k, "standard").size();
  return sum;
}

std::size_t IEnBatch(const std::vector<std::pair<std::string, std::string>>& oppslag) {
  Batch b;
  return LesAlle(oppslag);
}

void StoreLesIBatch(benchmark::State& state) {
  bench::GenerertInstallasjon inst;
  const auto oppslag = Oppslag();
  for (auto _ : state) benchmark::DoNotOptimize(IEnBatch(oppslag));
  state.counters["filstorrelse"] = static_cast<double>(inst.storrelse());
}
BENCHMARK(StoreLesIBatch)->Unit(benchmark::kMillisecond);

void StoreLesUtenBatch(benchmark::State& state) {
  bench::GenerertInstallasjon inst;
  const auto oppslag = Oppslag();
  for (auto _ : state) benchmark::DoNotOptimize(LesAlle(oppslag));
}
BENCHMARK(StoreLesUtenBatch)->Unit(benchmark::kMillisecond)->Iterations(1);

// Both ways in each iteration, so the ratio comes from the same conditions.
void StoreForhold(benchmark::State& state) {
  using Klokke = std::chrono::steady_clock;
  bench::GenerertInstallasjon inst;
  const auto oppslag = Oppslag();
  Klokke::duration med{}, uten{};
  for (auto _ : state) {
    const auto t0 = Klokke::now();
    benchmark::DoNotOptimize(IEnBatch(oppslag));
    const auto t1 = Klokke::now();
    benchmark::DoNotOptimize(LesAlle(oppslag));
    const auto t2 = Klokke::now();
    med += t1 - t0;
    uten += t2 - t1;
  }
  state.counters["forhold"] = med.count() > 0 ? static_cast<double>(uten.count()) / med.count() : 0.0;
  state.counters["batch_ms"] =
      std::chrono::duration<double, std::milli>(med).count() / static_cast<double>(state.iterations());
}
BENCHMARK(StoreForhold)->Unit(benchmark::kMillisecond)->Iterations(2);

void StoreTolkNy(benchmark::State& state) {
  const std::string bytes = bench::GenererBrulIni();
  for (auto _ : state) benchmark::DoNotOptimize(IniDocument::fraBytes(bytes));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(StoreTolkNy)->Unit(benchmark::kMillisecond);

void StoreTolkGammel(benchmark::State& state) {
  const std::string bytes = bench::GenererBrulIni();
  for (auto _ : state) benchmark::DoNotOptimize(bench::gammel::IniDocument::fraBytes(bytes));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(StoreTolkGammel)->Unit(benchmark::kMillisecond);

// Both parsers in each iteration, each document destroyed inside its own
// timing, so the ratio comes from the same conditions.
void StoreTolk(benchmark::State& state) {
  const std::string bytes = bench::GenererBrulIni();
  double ny = 0, gammel = 0, nyOppslag = 0, gammelOppslag = 0;
  for (auto _ : state) {
    double t0 = bench::CpuSekunder();
    benchmark::DoNotOptimize(IniDocument::fraBytes(bytes));
    double t1 = bench::CpuSekunder();
    benchmark::DoNotOptimize(bench::gammel::IniDocument::fraBytes(bytes));
    double t2 = bench::CpuSekunder();
    ny += t1 - t0;
    gammel += t2 - t1;
    t0 = bench::CpuSekunder();
    benchmark::DoNotOptimize(IniDocument::fraBytes(bytes).les("Maskin200", "Katalog0"));
    t1 = bench::CpuSekunder();
    benchmark::DoNotOptimize(bench::gammel::IniDocument::fraBytes(bytes).les("Maskin200", "Katalog0"));
    t2 = bench::CpuSekunder();
    nyOppslag += t1 - t0;
    gammelOppslag += t2 - t1;
  }
  const double mb = static_cast<double>(bytes.size()) * static_cast<double>(state.iterations()) / 1e6;
  state.counters["MB_s"] = ny > 0 ? mb / ny : 0.0;
  state.counters["MB_s_gammel"] = gammel > 0 ? mb / gammel : 0.0;
  state.counters["forhold"] = ny > 0 ? gammel / ny : 0.0;
  state.counters["forhold_oppslag"] = nyOppslag > 0 ? gammelOppslag / nyOppslag : 0.0;
}
BENCHMARK(StoreTolk)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace
}  // namespace brul
