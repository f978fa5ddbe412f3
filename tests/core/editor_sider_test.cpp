// Which pages a protocol shows and which fetch-program fields a fetch-program
// type enables, for every item of both lists typed in any letter case.
#include <algorithm>
#include <cctype>

#include "editor_felles.h"
#include "platform/tekst.h"

namespace brul::test {
namespace {

std::string smaa(std::string s) {
  for (auto& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}
std::string store(std::string s) {
  for (auto& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

// Pages in the order Filer, Com, Protokoll, Henteprog., Henteprog2, Tool/Dir,
// Mazak, Terminal, Parallell, Forinnst., Logging, LoggeBoks, FTP.
constexpr SideId styrte[] = {SideId::Filer,      SideId::Com,     SideId::Protokoll, SideId::Henteprog,
                             SideId::Henteprog2, SideId::ToolDir, SideId::Mazak,     SideId::Terminal,
                             SideId::Parallell,  SideId::ForInst, SideId::Logging,   SideId::LoggeBoks,
                             SideId::FTP};

std::string vist(Editor& e) {
  std::string s;
  for (SideId id : styrte) s += e.side(id).shown() ? '1' : '-';
  return s;
}

TEST(EditorSider, ProtokollVelgerSidene) {
  const std::string vanlig = "111111----1--";
  const std::vector<std::pair<std::string, std::string>> tabell{
      {"BTR", vanlig},       {"Buffer", vanlig},   {"DC2", vanlig},     {"Echo", vanlig},
      {"Fapt", vanlig},      {"Filer", vanlig},    {"FilTemp", vanlig}, {"ForInstKartotek", vanlig},
      {"FtpTemp", vanlig},   {"Heidenhain", vanlig}, {"HHLsv2", vanlig}, {"Hybrid", vanlig},
      {"Ingen", vanlig},     {"Linje", vanlig},    {"Makino", vanlig},  {"Okuma", vanlig},
      {"OkumaLSV2", vanlig}, {"Siemens", vanlig},  {"Standard", vanlig}, {"Ukjent9", vanlig},
      {"Mazatrol", "1111111---1--"},
      {"ForInstTerm", "111111---11--"},
      {"ForInst", "-1---1---1---"},
      {"FTP", "1-----------1"},
      {"LoggeBoks", "-1---------1-"},
      {"LSV2", "11-----------"},
      {"Parallell", "-1------1----"},
      {"Terminal", "-1-----1-----"},
  };
  EditorKladd k(ToMaskiner());
  Editor& e = k.start();
  // All 27 items appear in the table above.
  for (const auto& item : e.Protokoll.items())
    EXPECT_TRUE(std::any_of(tabell.begin(), tabell.end(), [&](auto& r) { return r.first == item; })) << item;
  for (const auto& [protokoll, sider] : tabell) {
    for (const std::string& skrevet : {protokoll, smaa(protokoll), store(protokoll)}) {
      // Henteprog. and Henteprog2 as the protocol leaves them: the fetch type
      // narrows them only when it changes.
      e.Protokoll.operatorText(skrevet);
      EXPECT_EQ(vist(e), sider) << skrevet;
      const int i = FinnIndeks(protokoll, e.Protokoll.items());
      EXPECT_EQ(e.Protokoll.itemIndex(), i) << skrevet;
      if (i >= 0) {
        EXPECT_EQ(e.Protokoll.text(), protokoll) << "the list's own spelling is shown";
      }
      else {
        EXPECT_EQ(e.Protokoll.text(), skrevet);
      }
      EXPECT_TRUE(e.Endret());
      EXPECT_TRUE(e.TabProgram.shown() && e.TabMaskin.shown() && e.TabAnnet.shown());
    }
  }
}

TEST(EditorSider, HenteprogramVelgerSiderOgFelt) {
  struct Rad {
    std::string type;
    bool side1, side2, felt;
  };
  const std::vector<Rad> tabell{
      {"Cincinatti", true, false, false},    {"FanucIJK", true, false, false},
      {"FanucJK", true, false, false},       {"IJK", true, false, false},
      {"Kommentarer", true, false, false},   {"MazatrolKort", true, false, false},
      {"MazatrolLangt", true, false, false}, {"SiemensIJK", true, false, false},
      {"XYZ", true, false, false},           {"FAPTKommentarer", true, false, true},
      {"Nummer", true, false, true},         {"NummerSerie", true, false, true},
      {"Okuma", true, false, true},          {"OkumaParenteser", true, false, true},
      {"Philips", true, false, true},        {"Siemens3", true, false, true},
      {"Siemens8", true, false, true},       {"Standard", true, false, true},
      {"Universal", true, false, true},      {"Nummer2", true, true, true},
      {"Standard2", true, true, true},       {"Universal2", true, true, true},
      {"Parenteser", false, false, true},    {"SiemensXYZ", false, false, true},
      {"", true, false, false},              {"Ukjent", true, false, false},
      {"Ukjent2", true, true, false},
  };
  EditorKladd k(ToMaskiner());
  Editor& e = k.start();
  ASSERT_EQ(e.HenteProgram.items().size(), 24u);
  const Control* felt[] = {&e.StartHent, &e.StoppHent, &e.StartPrint, &e.StoppPrint, &e.StartDir, &e.StoppDir,
                           &e.StartHentL, &e.StoppHentL, &e.StartPrintL, &e.StoppPrintL, &e.StartDirL, &e.StoppDirL};
  for (const auto& r : tabell) {
    for (const std::string& skrevet : {r.type, smaa(r.type), store(r.type)}) {
      e.StartHent.setText("(");
      e.HenteProgram.operatorText(skrevet);
      EXPECT_EQ(e.TabHenteprogram.shown(), r.side1) << skrevet;
      EXPECT_EQ(e.TabHenteProgram2.shown(), r.side2) << skrevet;
      for (const Control* c : felt) EXPECT_EQ(c->enabled(), r.felt) << skrevet << " " << c->name();
      EXPECT_EQ(e.StartHent.text(), "(") << "the fields keep their text";
    }
  }
  // With the page "Protokoll" hidden both fetch pages are hidden.
  e.Protokoll.operatorText("LSV2");
  e.HenteProgram.operatorText("Nummer2");
  EXPECT_FALSE(e.TabHenteprogram.shown());
  EXPECT_FALSE(e.TabHenteProgram2.shown());
}

TEST(EditorSider, VariantLaaserGrunnoppsettetTilLagringEllerLasting) {
  EditorKladd k(ToMaskiner("Styring=Fanuc\r\n"));
  Editor& e = k.start();
  const Control* grunn[] = {&e.Protokoll, &e.HenteProgram, &e.ToolProtokoll, &e.DirFilType,
                            &e.ProtokollL, &e.HenteProgL,  &e.ToolProtokollL, &e.DirFilTypeL, &e.Grunnoppsett};
  auto laast = [&] {
    for (const Control* c : grunn) EXPECT_EQ(c->enabled(), !e.NyttForvalg) << c->name();
    EXPECT_EQ(e.OpprettHenteprogram.enabled(), e.NyttForvalg);
    EXPECT_EQ(e.DefaultBaud.enabled(), e.NyttForvalg);
  };
  EXPECT_FALSE(e.NyttForvalg);
  EXPECT_EQ(e.Styring.itemIndex(), 3);
  EXPECT_EQ(e.Alternativ.items().size(), 6u);
  EXPECT_FALSE(e.DefaultBaud.checked());
  laast();
  e.Alternativ.operatorPick(2);
  EXPECT_TRUE(e.NyttForvalg);
  EXPECT_TRUE(e.DefaultBaud.checked());
  EXPECT_FALSE(e.Baud.enabled());
  EXPECT_FALSE(e.HandShakeL.enabled());
  EXPECT_TRUE(e.BaudRate.enabled()) << "the Com page's groups stay enabled";
  laast();
  e.Alternativ.operatorPick(1);  // twice in a row: still locked, still ticked
  EXPECT_TRUE(e.DefaultBaud.checked());
  laast();
  e.DefaultBaud.setChecked(false);
  EXPECT_TRUE(e.Baud.enabled());
  EXPECT_TRUE(e.BaudL.enabled());
  e.AngreClick();
  laast();
  EXPECT_FALSE(e.DefaultBaud.checked());
  EXPECT_FALSE(e.Endret());
  // Picking another controller type rebuilds the variants and selects the first.
  e.Styring.operatorPick(14);
  e.Alternativ.operatorPick(4);
  e.Styring.operatorPick(15);
  EXPECT_EQ(e.Alternativ.items(), (std::vector<std::string>{"Med langt navn", "Med kort navn"}));
  EXPECT_EQ(e.Alternativ.itemIndex(), 0);
  for (int s : {7, 11, 12, 18}) {
    e.Styring.operatorPick(s);
    EXPECT_EQ(e.Alternativ.items(), std::vector<std::string>{"Standard oppsett"}) << s;
  }
}

TEST(EditorSider, StyringFraFilenVelgesUtenHensynTilStoreBokstaver) {
  struct Tilfelle {
    std::string styring, alternativ;
    int s, a;
    size_t varianter;
  };
  const std::vector<Tilfelle> tabell{
      {"fanuc", "med kommentarer", 3, 1, 6},
      {"Ukjent styring", "Standard oppsett", -1, 0, 1},
      {"Haas", "Feil variant", 7, -1, 1},
      {"mazatrol (4 siffer)", "robot", 14, 4, 5},
  };
  for (const auto& t : tabell) {
    EditorKladd k(ToMaskiner("Styring=" + t.styring + "\r\nAlternativ=" + t.alternativ + "\r\n"));
    Editor& e = k.start();
    EXPECT_EQ(e.Styring.itemIndex(), t.s) << t.styring;
    EXPECT_EQ(e.Alternativ.itemIndex(), t.a) << t.alternativ;
    EXPECT_EQ(e.Alternativ.items().size(), t.varianter);
    EXPECT_FALSE(e.NyttForvalg);
    EXPECT_FALSE(e.Endret());
  }
}

TEST(EditorSider, BtrOgEchoStyrerProtokollsidensFelt) {
  const std::vector<std::tuple<std::string, bool, bool>> tabell{
      {"btr", true, false}, {"Echo", false, true}, {"Standard", false, false}, {"BTRX", false, false}};
  for (const auto& [protokoll, btr, rcc] : tabell) {
    EditorKladd k(ToMaskiner("Protokoll=" + protokoll + "\r\n"));
    Editor& e = k.start();
    EXPECT_EQ(e.LagreKoder.enabled(), btr) << protokoll;
    EXPECT_EQ(e.StartStoppKodeUt.enabled(), btr) << protokoll;
    EXPECT_EQ(e.LagreAlt.enabled(), btr) << protokoll;
    EXPECT_EQ(e.RCC.visible(), rcc) << protokoll;
  }
}

}  // namespace
}  // namespace brul::test
