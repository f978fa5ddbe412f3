// How many times one command reads the settings file, start-up included. The
// command line runs in this process, so the store's own count of its reads
// can be looked at: a command loads the file once, and a command that saves
// reads it once more, right before the write, to find another program's
// changes. A read more than that is an action that lost its single read.
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/kjor.h"
#include "store/lager.h"

namespace brul::test {
namespace {

// Sets an environment variable for as long as the object lives.
using Miljo = MedMiljo;

// The command line in this process; what it prints is kept, not shown.
struct Kjoring {
  int kode;
  std::size_t lesinger;
  std::string ut, feil;
};

Kjoring KjorHer(const DemoInstallasjon& demo, std::vector<std::string> args) {
  Miljo bruker("XDG_CONFIG_HOME", (demo.rot() / "xdg-bruker").string());
  Miljo maskin("XDG_CONFIG_DIRS", (demo.rot() / "xdg-maskin").string());
  args.insert(args.begin(), "brulini");
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  std::ostringstream ut, feil;
  auto* gammelUt = std::cout.rdbuf(ut.rdbuf());
  auto* gammelFeil = std::cerr.rdbuf(feil.rdbuf());
  const std::size_t for_ = lager::AntallLesinger();
  const int kode = cli::Kjor(static_cast<int>(args.size()), argv.data());
  const std::size_t lesinger = lager::AntallLesinger() - for_;
  std::cout.rdbuf(gammelUt);
  std::cerr.rdbuf(gammelFeil);
  return {kode, lesinger, ut.str(), feil.str()};
}

TEST(CliLesinger, HverKommandoLeserFilenEnGangPlussEnSjekkForLagring) {
  // The demo installation starts on machine 2.
  struct Rad {
    const char* navn;
    std::vector<std::string> args;
    std::size_t lesinger;
  };
  const std::vector<Rad> tabell = {
      {"get", {"get", "Maskin1", "Navn"}, 1},
      {"get_mangler", {"get", "Maskin9", "Navn", "-"}, 1},
      {"paths", {"paths"}, 1},
      {"show_lagret_maskin", {"show", "2"}, 1},
      // A look at another machine records nothing: no save.
      {"show_annen_maskin", {"show", "1"}, 1},
      // A save reads the file once more under its lock. The check before
      // and after it, dry runs included, looks at what the command read and
      // the save wrote.
      {"set", {"set", "2", "IngenFil=O100"}, 2},
      {"set_annen_maskin_flere_sider", {"set", "1", "IngenFil=O100", "TimeOut=9"}, 2},
      {"set_uendret", {"set", "2", "TimeOut=3"}, 1},
      {"preset", {"preset", "2", "Fanuc", "Med kommentarer"}, 2},
      {"ports", {"ports"}, 1},
  };
  for (const Rad& r : tabell) {
    SCOPED_TRACE(r.navn);
    DemoInstallasjon demo;
    const Kjoring k = KjorHer(demo, r.args);
    EXPECT_EQ(k.kode, 0) << k.feil;
    EXPECT_EQ(k.lesinger, r.lesinger);
  }
}

}  // namespace
}  // namespace brul::test
