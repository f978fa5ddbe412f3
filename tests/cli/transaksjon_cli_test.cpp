// What a command does with the settings file, told by its exit status and by
// what is on disk afterwards: all or nothing for a set, a reason instead of
// defaults for a file that cannot be read, the file's encoding kept, and a
// history that never takes what is not its own.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "cli/kjor.h"
#include "store/ini_document.h"

namespace brul::test {
namespace {

namespace fs = std::filesystem;

struct Rad {
  const char* navn;
  std::function<void(const DemoInstallasjon&)> forbered;  // the file as another program or a user left it
  std::vector<std::string> args;
  int kode;
  const char* feil;  // a part of standard error ("" for none wanted)
  std::function<void(const DemoInstallasjon&, const std::string& for_)> sjekk;
};

std::string Utf16(const std::string& ascii) {
  std::string ut("\xFF\xFE", 2);
  for (char c : ascii) ut += std::string{c, '\0'};
  return ut;
}

IniDocument Dok(const DemoInstallasjon& d) { return IniDocument::fraBytes(DemoInstallasjon::Les(d.ini())); }

TEST(CliTransaksjon, StatusOgFilSierDetSamme) {
  auto uendret = [](const DemoInstallasjon& d, const std::string& for_) { EXPECT_EQ(DemoInstallasjon::Les(d.ini()), for_); };
  const std::vector<Rad> rader = {
#ifndef _WIN32
      {"fifo", [](const DemoInstallasjon& d) { fs::remove(d.ini()); ::mkfifo(d.ini().c_str(), 0644); },
       {"get", "Maskin1", "Navn"}, 1, "FIFO", nullptr},
      {"lenke_til_ingenting", [](const DemoInstallasjon& d) { fs::remove(d.ini()); fs::create_symlink("borte.ini", d.ini()); },
       {"show", "1"}, 1, "lenke", nullptr},
#endif
      {"mappe", [](const DemoInstallasjon& d) { fs::remove(d.ini()); fs::create_directory(d.ini()); },
       {"get", "Maskin1", "Navn"}, 1, "", nullptr},
      {"alt_eller_ingenting_maskiner", nullptr, {"set", "1", "Skriver=lpt1", "Maskiner=300"}, 1,
       "ingenting ble lagret", uendret},
      {"verdi_uten_navn", nullptr, {"set", "1", "IngenFil=ny", "AnnetGrid[2,2]=42"}, 1, "ingenting ble lagret", uendret},
      {"show_skriver_ikke", nullptr, {"show", "1"}, 0, "", uendret},
      {"historikkmappen_er_en_fil",
       [](const DemoInstallasjon& d) { DemoInstallasjon::Skriv(d.brul() / "Brul.ini.historikk", "min fil"); },
       {"set", "1", "IngenFil=ny"}, 0, "Historikk",
       [](const DemoInstallasjon& d, const std::string&) {
         EXPECT_EQ(DemoInstallasjon::Les(d.brul() / "Brul.ini.historikk"), "min fil");
         EXPECT_EQ(Dok(d).les("Maskin1", "IngenFil"), std::optional<std::string>("ny"));
       }},
      {"utf16_beholdes", [](const DemoInstallasjon& d) {
         DemoInstallasjon::Skriv(d.ini(), Utf16("[Program]\r\nMaskiner=1\r\n[Maskin1]\r\nNavn=A\r\n"));
       },
       {"set", "1", "IngenFil=ny"}, 0, "",
       [](const DemoInstallasjon& d, const std::string&) {
         EXPECT_EQ(DemoInstallasjon::Les(d.ini()).substr(0, 2), std::string("\xFF\xFE", 2));
         EXPECT_EQ(Dok(d).les("Maskin1", "IngenFil"), std::optional<std::string>("ny"));
       }},
      {"tegnsettet_snur_ikke", [](const DemoInstallasjon& d) {
         DemoInstallasjon::Skriv(d.ini(), "[Program]\r\nMaskiner=1\r\n[Maskin1]\r\nNavn=Fres \xD8" "250\r\n; \xC3\xB8\r\n");
       },
       {"set", "1", "MaskinNavn=Dreie \xC3\x98" "3"}, 0, "",
       [](const DemoInstallasjon& d, const std::string&) {
         const std::string fil = DemoInstallasjon::Les(d.ini());
         EXPECT_NE(fil.find("Navn=Dreie \xD8" "3\r\n"), std::string::npos);
         EXPECT_EQ(fil.find("\xC3\x98"), std::string::npos);
       }},
  };
  for (const Rad& r : rader) {
    SCOPED_TRACE(r.navn);
    DemoInstallasjon demo;
    if (r.forbered) r.forbered(demo);
    const std::string for_ = fs::is_regular_file(demo.ini()) ? DemoInstallasjon::Les(demo.ini()) : std::string();
    const Utfall u = demo.Kjor(r.args);
    EXPECT_EQ(u.kode, r.kode) << u.feil;
    EXPECT_NE(u.feil.find(r.feil), std::string::npos) << u.feil;
    if (r.sjekk) r.sjekk(demo, for_);
  }
}

// A restore keeps what another program added since, its comment lines too;
// a save stopped between the replacement and its version loses no version.
TEST(CliTransaksjon, GjenopprettingBeholderAndresLinjerOgHalveVersjonerFullfores) {
  DemoInstallasjon demo;
  ASSERT_EQ(demo.Kjor({"set", "1", "IngenFil=A"}).kode, 0);
  std::string fil = DemoInstallasjon::Les(demo.ini());
  fil += "; lagt til av et annet program\r\n[Fremmed]\r\nK=1\r\n";
  DemoInstallasjon::Skriv(demo.ini(), fil);
  const Utfall u = demo.Kjor({"--svar", "Endret av et annet program=Ja", "restore", "1"});
  ASSERT_EQ(u.kode, 0) << u.feil;
  const std::string etter = DemoInstallasjon::Les(demo.ini());
  EXPECT_NE(etter.find("; lagt til av et annet program\r\n"), std::string::npos);
  EXPECT_EQ(IniDocument::fraBytes(etter).les("Fremmed", "K"), std::optional<std::string>("1"));
  EXPECT_EQ(IniDocument::fraBytes(etter).les("Maskin1", "IngenFil"), std::nullopt);
  // The state a save killed after its rename leaves: a description and the
  // old file under its first name, which is no longer the settings file.
  const fs::path mappe = demo.brul() / "Brul.ini.historikk";
  DemoInstallasjon::Skriv(mappe / "000009.txt", "tid\t2026-12-08 10:00:00\nmaskin\tMaskin1\n");
  DemoInstallasjon::Skriv(mappe / "000009.ini.ny", "[Maskin1]\r\nNavn=Gammel\r\n");
  ASSERT_EQ(demo.Kjor({"set", "1", "IngenFil=B"}).kode, 0);
  EXPECT_TRUE(fs::exists(mappe / "000009.ini") || fs::exists(mappe / "000009.dif"));
  EXPECT_FALSE(fs::exists(mappe / "000009.ini.ny"));
  EXPECT_TRUE(fs::exists(mappe / "000010.ini"));
}

}  // namespace
}  // namespace brul::test
