// Context help: every number of the editor's help table has a topic in the
// shipped Hjelp folder, the numbers sit on the right controls, and a number
// without a topic of its own falls back to its page and then the contents.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "editor/hjelp.h"
#include "editor/kommandoer.h"
#include "oppstart_felles.h"

namespace fs = std::filesystem;

namespace brul {
namespace {

// The folder shipped beside the program, as it is in the source tree.
fs::path Kilde() { return fs::path(__FILE__).parent_path().parent_path().parent_path() / "Hjelp"; }

// The fixed assignment of help context numbers (one row per page and per
// numbered control or group).
const struct {
  const char* navn;
  int nr;
} Tabell[] = {
    {"TabProgram", 100}, {"Maskiner", 102}, {"VisMaskiner", 105}, {"Felleskataloger", 106}, {"Vis", 107},
    {"UtKatalog", 108}, {"VisAvsluttBoks", 109}, {"Hendelser", 110}, {"TekstFormat", 111}, {"Indeks", 112},
    {"Skriver", 113}, {"Matrise", 114}, {"SideLengde", 115}, {"PJL", 116}, {"BakFiler", 117},
    {"TabMaskin", 200}, {"MaskinNavn", 201}, {"Com", 202}, {"Styring", 203}, {"Baud", 204},
    {"Alternativ", 205}, {"HandShake", 206}, {"Katalog", 207}, {"Ext", 208}, {"OpprettKataloger", 209},
    {"OpprettHenteprogram", 210}, {"DefaultBaud", 211}, {"Protokoll", 212}, {"ToolProtokoll", 213},
    {"HenteProgram", 214}, {"DirFilType", 215},
    {"TabFiler", 300}, {"IngenFil", 301}, {"FeilFil", 302}, {"Kvittering", 303}, {"KvitteringsTid", 304},
    {"FeilMelding", 305}, {"BackupKatalog", 306}, {"BackupFiles", 307}, {"Utvid", 308}, {"UtvidEkstra", 309},
    {"FjernLinje", 310}, {"FjernTegn", 311}, {"FilFormat", 312}, {"ByttFra", 313}, {"ByttTil", 314},
    {"StoreBokstaver", 315},
    {"TabComPort", 400}, {"BaudRate", 402}, {"HandShakeR", 403}, {"FjernNull", 0}, {"Paritet", 406},
    {"NyBlokkvis", 407}, {"BrytBlokkvis", 408}, {"TegnKode", 409}, {"Bit", 410}, {"EOB", 411},
    {"StoppBit", 412}, {"TimeOut", 413}, {"Break", 414}, {"TimeMultiplier", 415}, {"ComDelay", 416},
    {"StoppTid", 417},
    {"TabProtokoll", 500}, {"StartKode", 501}, {"StoppTegn", 502}, {"StoppKode", 503}, {"StoppFeil", 504},
    {"StartStoppKodeUt", 505}, {"LagreKoder", 506}, {"LagreAlt", 507}, {"StartEkstra", 508},
    {"StoppEkstra", 509}, {"Ventetid", 510}, {"RCC", 511},
    {"TabHenteprogram", 600}, {"BareTall", 601}, {"StartLagre", 602}, {"StoppLagre", 603}, {"Hent", 604},
    {"StartHent", 605}, {"StoppHent", 606}, {"Print", 607}, {"StartPrint", 608}, {"StoppPrint", 609},
    {"DirHent", 610}, {"StartDir", 611}, {"StoppDir", 612}, {"FilNavnProgram", 613}, {"MaxLengde", 614},
    {"MaxLinjer", 615}, {"Tool", 616}, {"MaxHent", 617}, {"KatalogTegn", 618},
    {"TabHenteProgram2", 700}, {"StartLagre2", 701}, {"StoppLagre2", 702}, {"Hent2", 703},
    {"StartHent2", 704}, {"StoppHent2", 705}, {"Katalog2", 706}, {"Ext2", 707},
    {"TabToolDir", 800}, {"ToolProgramNr", 801}, {"DirProgramNr", 802}, {"ToolReg", 803}, {"TimeSize", 804},
    {"NomReg", 805}, {"AutoToolLoad", 806}, {"SlettToolReg", 807}, {"ToolLagre", 808}, {"ToolMult", 809},
    {"ToolDesimaler", 810}, {"MaxLengdeD", 811},
    {"TabMazatrol", 900}, {"MazatrolAuto", 901}, {"MazPrint", 902}, {"MazExt", 903}, {"MazatrolNavn", 904},
    {"HenteProgramNr", 905}, {"Hent5000", 906}, {"Robot", 907}, {"SjekkFormat", 908},
    {"TabTerminal", 1000}, {"TerminalMaskiner", 1001}, {"OppdaterMaskiner", 1002}, {"F1", 1003},
    {"F2", 1004}, {"F3", 1005}, {"F4", 1006}, {"F5", 1007},
    {"TabParallell", 1100}, {"Adresse", 1101}, {"BareFram", 1102}, {"Punch", 1103}, {"ParallellKode", 1104},
    {"InvMotor", 1105}, {"InvRetning", 1106}, {"InvRead", 1107}, {"InvSpocket", 1108}, {"TimeOutP", 1109},
    {"BreakP", 1110}, {"ParDelay", 1111}, {"StartPos", 1112},
    {"TabForInst", 1200}, {"Forinstiller", 1201}, {"SlettTool", 1202}, {"StortProgNr", 1203},
    {"ForInstPrint", 1204}, {"ToolGrid", 1205},
    {"TabAnnet", 1300}, {"AnnetGrid", 1301},
    {"TabLogging", 1400}, {"LoggeFil", 1401}, {"MakroProgram", 1402}, {"Makro", 1403},
    {"StartHendelse", 1404}, {"StoppHendelse", 1405}, {"StartParameter", 1406}, {"StoppParameter", 1407},
    {"TabLoggeBoks", 1500}, {"LoggeMaskin", 1501}, {"MaskeInv", 1502}, {"SjekkTid", 1503}, {"BoksGrid", 1504},
    {"TabFTP", 0}, {"FtpKatalog", 0}, {"Panel2", 10}, {"MaskinBoks", 1}, {"Brul_INI", 2}, {"Angre", 3},
    {"OKBtn", 4}, {"Avslutt", 5}, {"PageControl1", 50}, {"Blokkvis", 0}, {"ComPortBtn", 0},
};

TEST(Hjelp, EveryControlCarriesItsNumber) {
  for (const auto& r : Tabell) EXPECT_EQ(HjelpNr(r.navn), r.nr) << r.navn;
  EXPECT_EQ(HjelpNr("FinnesIkke"), 0);
}

TEST(Hjelp, EveryNumberOfTheTableOpensItsOwnTopic) {
  const fs::path kilde = Kilde();
  ASSERT_TRUE(fs::is_regular_file(kilde / "index.html")) << kilde;
  std::set<int> brukt;
  for (const auto& r : HjelpTabell()) {
    ASSERT_GT(r.nr, 0) << r.navn;
    EXPECT_EQ(HjelpEmne(kilde, r.nr), kilde / (std::to_string(r.nr) + ".html")) << r.navn;
    brukt.insert(r.nr);
  }
  for (const auto& r : Tabell)
    if (r.nr > 0) {
      EXPECT_TRUE(brukt.count(r.nr)) << r.navn << " is missing from the help table";
    }
  // And no topic is left that nothing opens.
  for (const auto& fil : fs::directory_iterator(kilde)) {
    if (fil.path().extension() != ".html" || fil.path().stem() == "index") continue;
    EXPECT_TRUE(brukt.count(std::stoi(fil.path().stem().string()))) << fil.path();
  }
}

TEST(Hjelp, TopicsAreUtf8HtmlThatLinksOnlyToTopicsThatExist) {
  const fs::path kilde = Kilde();
  for (const auto& fil : fs::directory_iterator(kilde)) {
    if (fil.path().extension() != ".html") continue;
    std::ifstream inn(fil.path(), std::ios::binary);
    const std::string tekst(std::istreambuf_iterator<char>(inn), {});
    EXPECT_NE(tekst.find("<meta charset=\"utf-8\">"), std::string::npos) << fil.path();
    for (size_t p = tekst.find("href=\""); p != std::string::npos; p = tekst.find("href=\"", p + 1)) {
      const size_t slutt = tekst.find('"', p + 6);
      const std::string mal = tekst.substr(p + 6, slutt - p - 6);
      EXPECT_TRUE(fs::is_regular_file(kilde / mal)) << fil.path() << " -> " << mal;
    }
  }
}

// A topic that only repeats its label does not help: every value's topic
// says in a sentence or two what the value does and gives a typical value.
TEST(Hjelp, ValueTopicsSayWhatTheValueDoesAndATypicalValue) {
  const fs::path kilde = Kilde();
  const std::set<int> kommandoer{2, 3, 4, 5, 10, 50};  // bottom-bar buttons and page groups
  for (const auto& r : HjelpTabell()) {
    if (r.nr % 100 == 0 || kommandoer.count(r.nr)) continue;
    std::ifstream inn(kilde / (std::to_string(r.nr) + ".html"), std::ios::binary);
    const std::string tekst(std::istreambuf_iterator<char>(inn), {});
    EXPECT_NE(tekst.find("<tr><th>Typisk</th><td>"), std::string::npos) << r.navn;
    const size_t a = tekst.find("<p>"), b = tekst.find("</p>", a);
    ASSERT_NE(a, std::string::npos) << r.navn;
    int ord = 0;
    bool iOrd = false;
    for (size_t i = a + 3; i < b; ++i) {
      const bool blank = tekst[i] == ' ';
      ord += !blank && !iOrd;
      iOrd = !blank;
    }
    EXPECT_GE(ord, 10) << r.navn << ": " << tekst.substr(a, b - a);
  }
}

TEST(Hjelp, WhatIsThisFallsBackToThePage) {
  const struct {
    const char* navn;
    int nr;
  } tilfeller[] = {
      {"Break", 414}, {"FjernNull", 400}, {"Blokkvis", 400}, {"FtpKatalog", 0}, {"ComPortBtn", 200},
      {"MaskinBoks", 1}, {"TabFTP", 0}, {"FinnesIkke", 0},
  };
  for (const auto& t : tilfeller) EXPECT_EQ(HjelpNrForEmne(t.navn), t.nr) << t.navn;
}

TEST(Hjelp, ATopicThatIsMissingOpensThePageThenTheContents) {
  test::Kladd kladd;
  kladd.fil("index.html", "i");
  kladd.fil("400.html", "c");
  kladd.fil("10.html", "b");
  const fs::path k = kladd.rot();
  const struct {
    int nr;
    const char* fil;
  } tilfeller[] = {
      {400, "400.html"}, {414, "400.html"}, {3, "10.html"}, {50, "10.html"}, {0, "index.html"},
      {-4, "index.html"}, {1205, "index.html"}, {10, "10.html"},
  };
  for (const auto& t : tilfeller) EXPECT_EQ(HjelpEmne(k, t.nr), k / t.fil) << t.nr;
  EXPECT_EQ(HjelpEmne({}, 400), fs::path{});
  fs::remove(k / "index.html");
  EXPECT_EQ(HjelpEmne(k, 1205), fs::path{});
}

TEST(Hjelp, TheFolderIsTheFirstCandidateWithAContentsPage) {
  test::Kladd kladd;
  kladd.fil("a/Hjelp/400.html", "uten innhold");
  kladd.fil("b/Hjelp/index.html", "i");
  kladd.fil("c/Hjelp/index.html", "i");
  const fs::path a = kladd.rot() / "a/Hjelp", b = kladd.rot() / "b/Hjelp", c = kladd.rot() / "c/Hjelp";
  EXPECT_EQ(HjelpKatalog({a, b, c}), b);
  EXPECT_EQ(HjelpKatalog({{}, c, b}), c);
  EXPECT_EQ(HjelpKatalog({a, kladd.rot() / "finnes-ikke"}), fs::path{});
}

TEST(Hjelp, TheInstallationsProgramFolderComesFirst) {
  test::BevarTilstand bevar;
  test::Kladd kladd;
  kladd.fil("prog/Hjelp/index.html", "i");
  ExeKatalog = kladd.sti("prog") + "/";
  EXPECT_EQ(fs::weakly_canonical(HjelpKatalog()), fs::weakly_canonical(kladd.rot() / "prog/Hjelp"));
}

TEST(ForInstTips, TextNamesTheSelectedMachine) {
  EXPECT_STREQ(ForInstTipsCaption, "Forinnstiller - tips");
  EXPECT_EQ(ForInstTipsTekst("Maskin3"),
            "Sys = Systemnummer (Et for hver maskin)\r"
            "Type = Verktøytype (Drei, Diameter, Radius)\r"
            "ProgDiv = Divisjon for å finne filnavn (Eks. 100)\r"
            "Maskin = Oppdater filnavnet på denne maskinen\r"
            "NomSjekk (0=Aldri, 1=Hvis verktøy, 2=Hvis fil, 3=Alltid)\r"
            "ToolReg = Verktøyregister, målte data (Er-verdier)\r"
            "NomReg = Verktøyregister, nominelle data (Faste)\r"
            "\r"
            "Følgende variabler bør settes under [Maskin3]:\r"
            "Katalog, Ext, ToolReg, NomReg og MaxLengde");
}

TEST(UtskriftFlate, KeepsProportionsAndFitsThePage) {
  const struct {
    double b, h, sb, sh;
    Flate f;
  } tilfeller[] = {
      {483, 330, 4800, 6600, {0, 0, 4800, 4800 * 330.0 / 483}},     // portrait page: width limits
      {483, 330, 6600, 4800, {0, 0, 6600, 6600 * 330.0 / 483}},     // landscape page: still the width
      {330, 483, 6600, 4800, {0, 0, 4800 * 330.0 / 483, 4800}},     // a tall image: the height limits
      {100, 100, 200, 100, {0, 0, 100, 100}},
      {100, 50, 200, 100, {0, 0, 200, 100}},
      {0, 50, 200, 100, {}},
      {100, 50, 0, 100, {}},
  };
  for (const auto& t : tilfeller) {
    const Flate f = UtskriftFlate(t.b, t.h, t.sb, t.sh);
    EXPECT_DOUBLE_EQ(f.bredde, t.f.bredde) << t.b << "x" << t.h << " on " << t.sb << "x" << t.sh;
    EXPECT_DOUBLE_EQ(f.hoyde, t.f.hoyde) << t.b << "x" << t.h << " on " << t.sb << "x" << t.sh;
    EXPECT_LE(f.bredde, t.sb);
    EXPECT_LE(f.hoyde, t.sh);
  }
}

TEST(HeltallEllerNull, FieldTextsAsWholeNumbers) {
  const struct {
    const char* tekst;
    long tall;
  } tilfeller[] = {
      {"12", 12}, {" 7", 7}, {"-3", -3}, {"+4", 4}, {"$1F", 31}, {"0x10", 16}, {"x10", 16},
      {"", 0}, {"abc", 0}, {"12a", 0}, {"1 2", 0}, {"-", 0}, {"$", 0}, {"2147483647", 2147483647},
      {"2147483648", 0}, {"99999999999999999999999", 0}, {"-2147483648", -2147483648L},
  };
  for (const auto& t : tilfeller) EXPECT_EQ(HeltallEllerNull(t.tekst), t.tall) << t.tekst;
}

}  // namespace
}  // namespace brul
