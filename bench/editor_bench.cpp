// The editor against a 255-machine installation: selecting machine 200 (a
// full load of every page) and saving one page, each once with one batch per
// action and once with every key read or written on its own. The counter
// "ratio" of an unbatched run gives how many times slower it is.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>

#include "app/operator.h"
#include "app/skriptoperator.h"
#include "app/tilstand.h"
#include "editor/editor.h"
#include "platform/sti.h"

namespace brul {
namespace {

// A settings file with 255 machines of about forty keys each, eight ports.
std::string LagInstallasjon() {
  std::string s = "[Program]\r\nMaskiner=255\r\nMaskin=1\r\nExt=.NC\r\n";
  for (int m = 1; m <= 255; ++m) {
    const std::string n = std::to_string(m);
    s += "\r\n[Maskin" + n + "]\r\nNavn=Maskin nr " + n + "\r\nStyring=Fanuc\r\nAlternativ=Med parenteser\r\n" +
         "Port=Com" + std::to_string(m % 8 + 1) + "\r\nKatalog=C:\\Brul\\Maskin" + n + "\\\r\nExt=.NC\r\n" +
         "Protokoll=Standard\r\nHenteProgram=Standard\r\nToolProtokoll=Fanuc\r\nDirFilType=Fanuc\r\n" +
         "StartKode=%\r\nStoppKode=M30\r\nHent=M30\r\nStartHent=(\r\nStoppHent=)\r\nPrint=(P)(\r\n" +
         "MaxLengde=20\r\nBackupFiles=5\r\nFilFormat=Fanuc\r\nToolProgramNr=\r\nIngenFil=O9999\r\n" +
         "Variabel1=Spindel\r\nSpindel=12000\r\nSystem0=Drei\r\nProgDiv0=100\r\nBit0,1=1\r\n" +
         "KommentarBit0,1=Start\r\nFtpFilNavn=Standard\r\nMakroProgram=Ingen\r\n";
  }
  for (int p = 1; p <= 8; ++p)
    s += "\r\n[Com" + std::to_string(p) + "]\r\nBaud=9600\r\nHandShake=True\r\nXonXoff=True\r\nKode=Iso\r\n"
         "Bit=7\r\nStoppBit=2\r\nParitet=E\r\nEOB=[CR][LF]\r\nTimeOut=5\r\n";
  return s;
}

class Installasjon {
 public:
  Installasjon() : kart_(platform::Stasjoner()) {
    std::random_device rd;
    rot_ = std::filesystem::temp_directory_path() / ("brul-bench-" + std::to_string(rd()));
    std::filesystem::create_directories(rot_ / "Brul");
    platform::SettStasjoner({{'C', rot_.string()}});
    IniFil = "C:\\Brul\\Brul.ini";
    std::ofstream(rot_ / "Brul" / "Brul.ini", std::ios::binary) << LagInstallasjon();
    settOperator(&op_);
  }
  ~Installasjon() {
    settOperator(nullptr);
    platform::SettStasjoner(kart_);
    std::error_code ec;
    std::filesystem::remove_all(rot_, ec);
  }

 private:
  SkriptOperator op_;
  platform::Stasjonskart kart_;
  std::filesystem::path rot_;
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
