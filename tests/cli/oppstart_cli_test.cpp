// The command line's base: start-up, paths, get, decode, the missing settings
// file, and the exit status of every kind of misuse.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "kjor.h"

namespace brul {
namespace {

using test::DemoInstallasjon;
using test::Utfall;

TEST(CliPaths, FinnerInstallasjonenGjennomBrulConf) {
  DemoInstallasjon demo;
  Utfall u = demo.Kjor({"paths"});
  EXPECT_EQ(u.kode, 0) << u.feil;
  EXPECT_EQ(u.ut, "IniFil=C:\\Brul\\Brul.ini\nExeKatalog=C:\\BRUL\\\nDataKatalog=C:\\BRUL\\\n");
  EXPECT_EQ(u.feil, "");
}

TEST(CliPaths, IniRelativtTilMappenKommandoenKjorerI) {
  DemoInstallasjon demo;
  // Brul.conf names a file that does not exist: --ini must take over.
  demo.SkrivKonf("[Brul]\r\nINI-Fil=C:\\Annet\\Brul.ini\r\nDataKatalog=C:\\Data\r\n");
  Utfall u = demo.Kjor({"--ini", "Brul.ini", "paths"}, demo.brul());
  EXPECT_EQ(u.kode, 0) << u.feil;
  EXPECT_EQ(u.ut, "IniFil=" + demo.ini().string() +
                      "\nExeKatalog=C:\\BRUL\\\nDataKatalog=C:\\Data\\\n");
}

TEST(CliGet, LeserSomRedigeringenOgEndrerIngenting) {
  DemoInstallasjon demo;
  const std::string for_ = DemoInstallasjon::Les(demo.ini());
  struct Tilfelle {
    std::vector<std::string> args;
    std::string ut;
  } tilfeller[] = {
      {{"get", "Maskin1", "Navn"}, "DREIEBENK Ø250 (FANUC 0I-TC)\n"},
      {{"get", "maskin2", "KATALOG"}, "C:\\BRUL\\MASKIN2\\\n"},
      {{"get", "Maskin5", "FjernTegn"}, "[NUL]\n"},
      {{"get", "Com1", "Baud"}, "38400\n"},
      {{"get", "Maskin5", "Port"}, "COM4\n"},
      {{"get", "C:\\Brul\\Maskin1", "FilType"}, "*.NC\n"},
      {{"get", "Maskin9", "Navn", "ukjent"}, "UKJENT\n"},
      {{"get", "Maskin1", "Finnesikke"}, "\n"},
  };
  for (const auto& t : tilfeller) {
    SCOPED_TRACE(t.args[1] + "/" + t.args[2]);
    Utfall u = demo.Kjor(t.args);
    EXPECT_EQ(u.kode, 0) << u.feil;
    EXPECT_EQ(u.ut, t.ut);
  }
  EXPECT_EQ(DemoInstallasjon::Les(demo.ini()), for_);
}

TEST(CliDecode, SkriverBytenePaaLinjen) {
  DemoInstallasjon demo;
  struct Tilfelle {
    std::string tekst;
    std::string bytes;
    int kode;
    std::string feil;
  } tilfeller[] = {
      {"[CR][LF]", "\r\n", 0, ""},
      {"[cr][lf]", "\r\n", 0, ""},
      {"[DC2][32]", std::string("\x12 "), 0, ""},
      {"[NUL][EOT][DC4]", std::string("\0\x04\x14", 3), 0, ""},
      {"%[200][255]", "%\xC8\xFF", 0, ""},
      {"[128][129]", "\x80\x81", 0, ""},
      {"Ærø", "\xC6r\xF8", 0, ""},
      {"ab", "ab", 0, ""},
      {"[FOO]x", "x", 1,
       "Feil med visuell string: [FOO]x\n\"[FOO]\" er ingen kontrollkode. Skriv koden som [CR], [DC2] eller et tall "
       "fra [0] til [255].\n"},
      {"[CRX", "CRX", 1,
       "Feil med visuell string: [CRX\n\"[CRX\" har ingen \"]\": en kode har høyst fire tegn mellom klammene. "
       "\"[\" er tatt bort.\n"},
      {"Ω", "", 1, "decode: tegnet \"Ω\" finnes ikke i Windows-1252\n"},
  };
  for (const auto& t : tilfeller) {
    SCOPED_TRACE(t.tekst);
    Utfall u = demo.Kjor({"decode", t.tekst});
    EXPECT_EQ(u.kode, t.kode);
    EXPECT_EQ(u.ut, t.bytes);
    EXPECT_EQ(u.feil, t.feil);
  }
}

// The reason in one line, the command's own syntax when the command is
// known, and where the whole usage is; not the whole usage itself.
TEST(CliBruk, FeilBrukGirStatusToOgGrunnenPaaEnLinje) {
  DemoInstallasjon demo;
  const std::string hint = "Mer hjelp: brulini --help\n";
  struct Tilfelle {
    std::vector<std::string> args;
    std::string melding;
    std::string syntaks;  // the command's usage line, empty when no command is known
  } tilfeller[] = {
      {{"bogus"}, "brulini: ukjent kommando \"bogus\"", ""},
      {{"get", "Maskin1"}, "brulini: feil antall argumenter til get", "Bruk: brulini get SEKSJON NØKKEL [STANDARD]"},
      {{"get", "a", "b", "c", "d"}, "brulini: feil antall argumenter til get", "Bruk: brulini get SEKSJON NØKKEL [STANDARD]"},
      {{"paths", "mer"}, "brulini: feil antall argumenter til paths", "Bruk: brulini paths"},
      {{"decode"}, "brulini: feil antall argumenter til decode", "Bruk: brulini decode TEKST"},
      {{"--ini"}, "brulini: --ini mangler verdi", ""},
      {{"--ini=", "paths"}, "brulini: --ini mangler filnavn", ""},
      {{"--svar", "UtenLikhetstegn", "paths"}, "brulini: --svar må ha formen TITTEL=SVAR", ""},
      {{"--frobnicate", "paths"}, "brulini: ukjent valg \"--frobnicate\"", ""},
      {{"paths", "--ini"}, "brulini: --ini mangler verdi", ""},
      {{"show", "1", "--svar", "x"}, "brulini: --svar må ha formen TITTEL=SVAR", ""},
      {{"ports", "--sorted"}, "brulini: ports: ukjent valg \"--sorted\"", "Bruk: brulini ports [--by-port|--by-machine]"},
      {{"set", "1", "Ukjent=1"}, "brulini: ukjent kontroll \"Ukjent\"", "Bruk: brulini set MASKIN KONTROLL=VERDI..."},
      {{"set", "1", "Katalg=x"}, "brulini: ukjent kontroll \"Katalg\"; mente du Katalog eller Katalog2?\n",
       "Bruk: brulini set MASKIN KONTROLL=VERDI..."},
      {{"set", "1", "Xyzzy=1"}, "brulini: ukjent kontroll \"Xyzzy\"; se: brulini controls\n",
       "Bruk: brulini set MASKIN KONTROLL=VERDI..."},
      {{"controls", "Ingen"}, "brulini: ukjent side \"Ingen\"", "Bruk: brulini controls [SIDE]"},
      {{"presets", "Ingen"}, "brulini: ukjent styring \"Ingen\"", "Bruk: brulini presets [STYRING]"},
  };
  for (const auto& t : tilfeller) {
    SCOPED_TRACE(t.args[0]);
    Utfall u = demo.Kjor(t.args);
    EXPECT_EQ(u.kode, 2);
    EXPECT_EQ(u.ut, "");
    EXPECT_EQ(u.feil.rfind(t.melding, 0), 0u) << u.feil;
    // The command's line may list options of its own after the ones named here.
    const std::string resten = u.feil.substr(u.feil.find('\n') + 1);
    EXPECT_EQ(resten.rfind(t.syntaks, 0), 0u) << u.feil;
    EXPECT_EQ(std::count(resten.begin(), resten.end(), '\n'), t.syntaks.empty() ? 1 : 2) << u.feil;
    EXPECT_EQ(resten.substr(resten.size() - std::min(resten.size(), hint.size())), hint) << u.feil;
  }
}

TEST(CliBruk, HjelpGirBrukstekstenOgStatusNull) {
  DemoInstallasjon demo;
  Utfall u = demo.Kjor({"--help"});
  EXPECT_EQ(u.kode, 0);
  EXPECT_EQ(u.ut.rfind("Bruk: brulini", 0), 0u) << u.ut;
  EXPECT_NE(u.ut.find("--svar TITTEL=SVAR"), std::string::npos);
  for (const char* valg : {"--version", "-V"}) {
    u = demo.Kjor({valg});
    EXPECT_EQ(u.kode, 0);
    EXPECT_EQ(u.ut, "brulini " BRUL_VERSJON "\n");
  }
}

TEST(CliOppstart, ManglendeFilSporsOgHentesFraDisketten) {
  const std::string sporsmal =
      "Hente fra siste installasjonsdiskett ?";
  struct Tilfelle {
    const char* navn;
    bool diskett;
    const char* svar;
    int kode;
    bool hentet;
  } tilfeller[] = {
      {"ikke besvart: status 1, ingen fil", true, nullptr, 1, false},
      {"Nei: status 1, ingen fil", true, "Nei", 1, false},
      {"Ja uten diskett: ett spørsmål, status 1", false, "Ja", 1, false},
      {"Ja: hentet og kommandoen kjører", true, "Ja", 0, true},
  };
  for (const auto& t : tilfeller) {
    SCOPED_TRACE(t.navn);
    DemoInstallasjon demo;
    const std::string diskett = DemoInstallasjon::Les(demo.ini());
    if (t.diskett) DemoInstallasjon::Skriv(demo.diskett() / "Brul.ini", diskett);
    std::filesystem::remove(demo.ini());
    const std::string caption = "Mangler konfigurasjonsfilen \"C:\\Brul\\Brul.ini\"";
    std::vector<std::string> args;
    if (t.svar) args = {"--svar", caption + "=" + t.svar};
    args.push_back("get");
    args.push_back("Program");
    args.push_back("Maskiner");
    Utfall u = demo.Kjor(args);
    EXPECT_EQ(u.kode, t.kode) << u.feil;
    EXPECT_EQ(u.feil.rfind(caption + ": " + sporsmal + "\n", 0), 0u) << u.feil;
    EXPECT_EQ(u.ut, t.hentet ? "5\n" : "");
    EXPECT_EQ(std::filesystem::exists(demo.ini()), t.hentet);
    if (t.hentet) {
      EXPECT_EQ(DemoInstallasjon::Les(demo.ini()), diskett);
    } else {
#ifdef _WIN32
      const std::string lokal = "\"\n";  // no local path beside it on Windows
#else
      const std::string lokal = "\" (";
#endif
      EXPECT_NE(u.feil.find("brulini: finner ikke innstillingsfilen \"C:\\Brul\\Brul.ini" + lokal),
                std::string::npos)
          << u.feil;
    }
  }
}

// paths and decode read no setting: they run without the settings file and
// nobody is asked to fetch it. paths says where it looked, with status 1.
TEST(CliOppstart, PathsOgDecodeKlarerSegUtenFilen) {
  struct Tilfelle {
    std::vector<std::string> args;
    int kode;
    std::string ut;
    std::vector<std::string> feil;  // lines standard error must hold
  } tilfeller[] = {
#ifdef _WIN32
      // Windows: no drive map and no Brul.conf to name.
      {{"paths"}, 1, "IniFil=C:\\Brul\\Brul.ini\nExeKatalog=",
       {"brulini: finner ikke innstillingsfilen \"C:\\Brul\\Brul.ini\""}},
      {{"decode", "[DC2]%"}, 0, "\x12%", {}},
      {{"--ini", "Mangler.ini", "paths"}, 1, "IniFil=", {"\\Mangler.ini\"\n"}},
#else
      {{"paths"}, 1, "IniFil=C:\\Brul\\Brul.ini\nExeKatalog=",
       {"brulini: finner ikke innstillingsfilen \"C:\\Brul\\Brul.ini\" (", "/c/Brul/Brul.ini)\n",
        "brulini: navnet og stasjonene er tatt fra ", "/xdg-bruker/Brul.conf\n"}},
      {{"decode", "[DC2]%"}, 0, "\x12%", {}},
      {{"--ini", "Mangler.ini", "paths"}, 1, "IniFil=/", {"/Mangler.ini\"\n"}},
#endif
  };
  for (const auto& t : tilfeller) {
    SCOPED_TRACE(t.args.back());
    DemoInstallasjon demo;
    DemoInstallasjon::Skriv(demo.diskett() / "Brul.ini", DemoInstallasjon::Les(demo.ini()));
    std::filesystem::remove(demo.ini());
    Utfall u = demo.Kjor(t.args);
    EXPECT_EQ(u.kode, t.kode) << u.feil;
    EXPECT_EQ(u.ut.rfind(t.ut, 0), 0u) << u.ut;
    EXPECT_EQ(u.feil.find("Hente fra siste installasjonsdiskett"), std::string::npos) << u.feil;
    for (const auto& linje : t.feil) EXPECT_NE(u.feil.find(linje), std::string::npos) << linje << "\n" << u.feil;
    EXPECT_FALSE(std::filesystem::exists(demo.ini())) << "nothing fetched";
  }
}

// --ini and --svar stand where users put them: after the command too. "--"
// passes what follows to the command as it is.
TEST(CliBruk, ValgeneKanStaEtterKommandoen) {
  struct Tilfelle {
    std::vector<std::string> args;
    std::string ut;
  } tilfeller[] = {
#ifdef _WIN32
      // The demo lies in the real C:\Brul there, not under the working folder.
      {{"get", "Maskin1", "Navn", "--ini", "C:\\Brul\\Annen.ini"}, "ANNEN\n"},
      {{"get", "--ini=C:\\Brul\\Annen.ini", "Maskin1", "Navn"}, "ANNEN\n"},
#else
      {{"get", "Maskin1", "Navn", "--ini", "c/Brul/Annen.ini"}, "ANNEN\n"},
      {{"get", "--ini=c/Brul/Annen.ini", "Maskin1", "Navn"}, "ANNEN\n"},
#endif
      {{"get", "Maskin1", "Navn"}, "DREIEBENK Ø250 (FANUC 0I-TC)\n"},
      {{"decode", "--", "--ini"}, "--ini"},
      {{"decode", "--", "--svar"}, "--svar"},
  };
  for (const auto& t : tilfeller) {
    SCOPED_TRACE(t.args.back());
    DemoInstallasjon demo;
    DemoInstallasjon::Skriv(demo.brul() / "Annen.ini", "[Maskin1]\r\nNavn=Annen\r\n");
    Utfall u = demo.Kjor(t.args);
    EXPECT_EQ(u.kode, 0) << u.feil;
    EXPECT_EQ(u.ut, t.ut);
  }
}

// Questions and messages are echoed as the window shows them: the question's
// own question mark once, and a line break in a message as a line break.
TEST(CliEkko, SomVinduetViserDem) {
  struct Tilfelle {
    std::vector<std::string> args;
    std::string feil;  // what standard error must hold
  } tilfeller[] = {
      {{"ports"}, "ComPortListe: Sortere på porter ?\n"},
      {{"index", "--svar", "Indeks=Nei"}, "Indeks: Generere katalog/extension liste ?\n"},
      {{"set", "1", "Break=2", "Utvid=.BAK"},
       "Tips - Utviding av filer: Hvis \"Read\" må trykkes på styringen mellom hvert\nprogram, sett "
       "Break-tiden til ca. 10 sekund\n"},
  };
  for (const auto& t : tilfeller) {
    SCOPED_TRACE(t.args[0]);
    DemoInstallasjon demo;
    Utfall u = demo.Kjor(t.args);
    EXPECT_NE(u.feil.find(t.feil), std::string::npos) << u.feil;
    EXPECT_EQ(u.feil.find("? ?"), std::string::npos) << u.feil;
    EXPECT_EQ(u.feil.find('\r'), std::string::npos) << u.feil;
  }
}

}  // namespace
}  // namespace brul
