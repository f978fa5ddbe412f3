// Several writers on one settings file at once: this program's command line
// on different machines, and other programs that rewrite the file in place,
// slowly in place, or by rename, each at a random moment. Whatever the
// interleaving, every change whose writer said it was saved is in the final
// file, no read of ours ever sees a half-written file, and the history has a
// whole version for every save. BRUL_SAMTIDIG_RUNDER sets the rounds (the
// soak runs thousands), BRUL_SAMTIDIG_FRO the seed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "app/tilstand.h"
#include "cli/kjor.h"
#include "store/historikk.h"
#include "store/ini_document.h"

namespace brul::test {
namespace {

#ifndef _WIN32
long Tall(const char* navn, long standard) {
  const char* v = std::getenv(navn);
  return v && *v ? std::strtol(v, nullptr, 10) : standard;
}

TEST(Samtidig, IngenLagringGaarTaptOgIngenLeserSerHalvFil) {
  DemoInstallasjon demo;
  MedMiljo hjem("XDG_CONFIG_HOME", (demo.rot() / "xdg-bruker").string());
  MedMiljo dirs("XDG_CONFIG_DIRS", (demo.rot() / "xdg-maskin").string());
  const long runder = Tall("BRUL_SAMTIDIG_RUNDER", 8);
  std::mt19937 slump(static_cast<unsigned>(Tall("BRUL_SAMTIDIG_FRO", 20261208)));
  const std::string ini = demo.ini().string();
  const std::string navn5 = "OKUMA LB3000 (DREIING, S\xC3\x98NDRE HALL)\n";

  std::map<int, std::string> sist;      // machine -> the last value a set said it saved
  std::vector<std::string> fremmede;    // keys the other programs said they wrote
  long lagringer = 0;                   // sets that said they saved
  for (long r = 0; r < runder; ++r) {
    struct Jobb {
      std::vector<std::string> args{};
      int maskin = 0;         // a set on this machine
      bool leser = false;     // a get that must see the whole file
      std::string fremmed{};  // a key another program adds
      int kode = -1;
      std::string ut{}, feil{};
    };
    std::vector<Jobb> jobber;
    std::vector<int> maskiner = {1, 2, 3, 4, 5};
    std::shuffle(maskiner.begin(), maskiner.end(), slump);
    for (int i = 0, n = 2 + static_cast<int>(slump() % 3); i < n; ++i) {
      const std::string v = "R" + std::to_string(r) + "M" + std::to_string(maskiner[static_cast<size_t>(i)]);
      jobber.push_back({.args = {BRULINI_EXE, "set", std::to_string(maskiner[static_cast<size_t>(i)]), "IngenFil=" + v},
                        .maskin = maskiner[static_cast<size_t>(i)]});
    }
    // One other program a round: two of them that do not know of each other
    // lose each other's updates whatever this program does.
    if (const char* modus = std::vector<const char*>{"plass", "treg", "bytt", nullptr}[slump() % 4]) {
      const std::string k = std::string(modus) + std::to_string(r);
      jobber.push_back({.args = {BRUL_TOOL_store_fremmed, modus, ini, k, "300"}, .fremmed = k});
    }
    for (int i = 0; i < 2; ++i) jobber.push_back({.args = {BRULINI_EXE, "get", "Maskin5", "Navn", "-"}, .leser = true});
    std::shuffle(jobber.begin(), jobber.end(), slump);
    std::vector<std::thread> trader;
    for (std::size_t j = 0; j < jobber.size(); ++j) {
      const long vent = static_cast<long>(slump() % 40000);
      trader.emplace_back([&, j, vent] {
        std::this_thread::sleep_for(std::chrono::microseconds(vent));
        const std::string ut = (demo.rot() / ("ut" + std::to_string(j))).string();
        const std::string feil = (demo.rot() / ("feil" + std::to_string(j))).string();
        jobber[j].kode = KjorProgram(jobber[j].args, demo.rot().string(), ut, feil);
        jobber[j].ut = DemoInstallasjon::Les(ut);
        jobber[j].feil = DemoInstallasjon::Les(feil);
      });
    }
    for (auto& t : trader) t.join();
    for (const Jobb& j : jobber) {
      SCOPED_TRACE("runde " + std::to_string(r) + ": " + j.args[1] + " " + j.args[2] + " " + j.args.back());
      if (j.leser) {
        // Whole or refused for a writer at work, never a default.
        if (j.kode == 0) EXPECT_EQ(j.ut, navn5);
        else EXPECT_NE(j.feil.find("skriver i filen"), std::string::npos) << j.feil;
      } else if (j.maskin > 0) {
        EXPECT_TRUE(j.kode == 0 || j.kode == 1) << j.feil;
        if (j.kode == 0) {
          sist[j.maskin] = j.args.back().substr(9);
          ++lagringer;
        }
      } else if (j.kode == 0) {
        fremmede.push_back(j.fremmed);
      }
    }
  }
  const IniDocument slutt = IniDocument::fraBytes(DemoInstallasjon::Les(demo.ini()));
  for (const auto& [m, v] : sist)
    EXPECT_EQ(slutt.les("Maskin" + std::to_string(m), "IngenFil"), v) << "Maskin" << m;
  for (const std::string& k : fremmede) EXPECT_EQ(slutt.les("Fremmed", k), k);
  EXPECT_EQ(slutt.les("Maskin5", "Navn").value_or(""), "Okuma LB3000 (dreiing, s\xC3\xB8ndre hall)");
  // One whole version for each save (the newest hundred are kept), each of
  // which can be rebuilt.
  IniFil = demo.ini().string();
  const auto versjoner = historikk::Liste();
  for (const auto& v : versjoner) {
    const IniDocument d = IniDocument::fraBytes(historikk::Innhold(v.nr).value_or(""));
    EXPECT_TRUE(d.les("Maskin5", "Navn").has_value()) << "versjon " << v.nr;
  }
  EXPECT_EQ(versjoner.size(), static_cast<std::size_t>(std::min(lagringer, 100L)));
  RecordProperty("lagringer", std::to_string(lagringer));
  std::printf("%ld samtidige lagringer, %zu andre programmers skrivinger, ingen tapt\n", lagringer,
              fremmede.size());
}
#endif

}  // namespace
}  // namespace brul::test
