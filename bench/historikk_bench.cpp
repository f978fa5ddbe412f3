// A save with its history on the 255-machine installation: 120 saves, each of
// one key of another machine, as the history keeps them (the newest a full
// copy, the others what changed).
//
// Counters (processor time, the machine being shared; "_vegg" by the clock):
//   mot_les_skriv  a save against one bare read and one bare atomic
//                  replacement of the file (goal: at most 2)
//   historikk_MB   the history folder after the run, its files' bytes
//                  (goal: at most 2 for 100 versions)
//   versjoner      the versions it holds (the newest 100)
//   uten_historikk the same saves with the history off, against the same
//                  least (what the store's save costs without it)
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/operator.h"
#include "app/skriptoperator.h"
#include "generer.h"
#include "platform/fil.h"
#include "store/historikk.h"
#include "store/settings.h"

namespace brul {
namespace {

struct Tider {
  double cpu = 0, vegg = 0;  // seconds per iteration
};

template <class F>
Tider Tid(int ganger, F&& steg) {
  const double cpu0 = bench::CpuSekunder();
  const auto vegg0 = std::chrono::steady_clock::now();
  for (int i = 0; i < ganger; ++i) steg(i);
  return {(bench::CpuSekunder() - cpu0) / ganger,
          std::chrono::duration<double>(std::chrono::steady_clock::now() - vegg0).count() / ganger};
}

void BM_LagreMedHistorikk(benchmark::State& state) {
  bench::GenerertInstallasjon inst;
  SkriptOperator op;
  settOperator(&op);
  const std::string sti = inst.iniFil().string();
  constexpr int kLagringer = 120;
  Tider lagre;
  for (auto _ : state) {
    lagre = Tid(kLagringer, [](int i) {
      SkrivStreng("Maskin" + std::to_string(1 + (i * 37) % 255), bench::GenerertNokkel(i % 150),
                  "VERDI" + std::to_string(i));
    });
  }
  // One bare read of the file and one bare atomic replacement with the same bytes.
  const std::string bytes = platform::LesHeleFil(sti).bytes;
  const Tider io = Tid(20, [&](int) {
    benchmark::DoNotOptimize(bench::LesOgDelLinjer(inst.iniFil()));
    std::string feil;
    platform::ErstattFil(sti, bytes, feil);
  });
  std::uintmax_t sum = 0;
  for (const auto& f : std::filesystem::directory_iterator(sti + ".historikk")) sum += f.file_size();
  state.counters["mot_les_skriv"] = lagre.cpu / io.cpu;
  state.counters["mot_les_skriv_vegg"] = lagre.vegg / io.vegg;
  state.counters["lagring_ms"] = lagre.cpu * 1e3;
  state.counters["les_skriv_ms"] = io.cpu * 1e3;
  state.counters["fil_MB"] = static_cast<double>(inst.storrelse()) / (1024.0 * 1024.0);
  state.counters["historikk_MB"] = static_cast<double>(sum) / (1024.0 * 1024.0);
  state.counters["versjoner"] = static_cast<double>(historikk::Liste().size());
  {
    // The same saves with the history off: a file holds its folder's name.
    bench::GenerertInstallasjon uten;
    std::ofstream(uten.iniFil().string() + ".historikk") << "av";
    const Tider t = Tid(kLagringer, [](int i) {
      SkrivStreng("Maskin" + std::to_string(1 + (i * 37) % 255), bench::GenerertNokkel(i % 150),
                  "VERDI" + std::to_string(i));
    });
    state.counters["uten_historikk"] = t.cpu / io.cpu;
    state.counters["uten_historikk_vegg"] = t.vegg / io.vegg;
  }
  settOperator(nullptr);
}

BENCHMARK(BM_LagreMedHistorikk)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace brul
