// The frame: machine selection, the changed state, the questions before a
// page change or quitting, the machine count, the linked fields and the save
// order's side effects (folders, controller change, failed writes).
#include "editor_felles.h"
#include "platform/sti.h"
#include "platform/tekst.h"

namespace brul::test {
namespace {

const std::string mangler = "<mangler>";
const std::string endret1 = "Maskin1: Oppsettet er endret";

std::string fem(const std::string& program) {
  std::string s = "[Program]\r\n" + program;
  for (int i = 1; i <= 5; ++i) s += "\r\n[Maskin" + std::to_string(i) + "]\r\nNavn=M" + std::to_string(i) + "\r\n";
  return s;
}

TEST(EditorRamme, StartmaskinVelgesVedOppstart) {
  const std::vector<std::pair<std::string, int>> tabell{
      {"Maskiner=5\r\nMaskin=3\r\n", 2}, {"Maskiner=5\r\nMaskin=9\r\n", 0}, {"Maskiner=5\r\n", 0},
      {"Maskiner=5\r\nMaskin=5\r\n", 4}, {"Maskiner=5\r\nMaskin=-2\r\n", 0},
      {"Maskiner=5\r\nMaskin=4294967299\r\n", 0}, {"Maskiner=5\r\nMaskin=-4294967293\r\n", 0}};
  for (const auto& [program, valgt] : tabell) {
    EditorKladd k(fem(program));
    Editor& e = k.start();
    EXPECT_EQ(e.MaskinBoks.itemIndex(), valgt) << program;
    EXPECT_EQ(e.MaskinBoks.items().size(), 5u);
    EXPECT_EQ(e.MaskinNavn.text(), "M" + std::to_string(valgt + 1));
    EXPECT_EQ(e.StartMaskin, 0);
    EXPECT_EQ(e.aktivSide(), SideId::Maskin);
    EXPECT_FALSE(e.Endret());
    EXPECT_TRUE(e.MaskinBoks.enabled());
    EXPECT_EQ(e.Caption, "Tarvsamband - Redigering av Brul.INI  (versjon " BRUL_VERSJON ")");
  }
}

TEST(EditorRamme, ValgAvMaskinLagresStraks) {
  EditorKladd k(fem("Maskiner=5\r\nMaskin=1\r\n"));
  Editor& e = k.start();
  e.MaskinBoks.operatorPick(3);
  EXPECT_EQ(k.fil("Program", "Maskin"), "4");
  EXPECT_EQ(e.MaskinNavn.text(), "M4");
  EXPECT_EQ(e.ValgtSeksjon(), "Maskin4");
  EXPECT_FALSE(e.Endret());
}

TEST(EditorRamme, EndretStyrerKnappeneOgMaskinvelgeren) {
  EditorKladd k(ToMaskiner("IngenFil=X\r\n"));
  Editor& e = k.start();
  auto tilstand = [&](bool endret) {
    EXPECT_EQ(e.OKBtn.enabled(), endret);
    EXPECT_EQ(e.Angre.enabled(), endret);
    EXPECT_EQ(e.MaskinBoks.enabled(), !endret);
    EXPECT_EQ(e.Endret(), endret);
  };
  tilstand(false);
  ASSERT_TRUE(e.byttSide(SideId::Filer));
  e.IngenFil.setText("Y");
  tilstand(true);
  e.AngreClick();
  tilstand(false);
  EXPECT_EQ(e.IngenFil.text(), "X");
  // Every kind of control marks the editor changed.
  std::vector<std::function<void()>> endringer{
      [&] { e.FilFormat.operatorText("Fanuc"); },
      [&] { e.StoreBokstaver.setChecked(true); },
      [&] { e.FtpStartLagre.setText("["); },
      [&] { e.ToolGrid.operatorEdit(1, 1, "Fres"); },
      [&] { e.BoksGrid.operatorEdit(1, 1, "1:Program start"); },
      [&] { e.AnnetGrid.operatorEdit(1, 1, "X"); },
      [&] { e.TegnKode.setItemIndex(0); },
      [&] { e.Ventetid.setText("2"); },
  };
  for (auto& endring : endringer) {
    e.AngreClick();
    tilstand(false);
    endring();
    tilstand(true);
  }
}

TEST(EditorRamme, SidebytteMedEndringerSporFoerst) {
  for (const std::string svar : {"Ja", "Nei"}) {
    EditorKladd k(ToMaskiner("IngenFil=X\r\n"));
    k.op.svar(endret1, svar);
    Editor& e = k.start();
    ASSERT_TRUE(e.byttSide(SideId::Filer));
    e.IngenFil.setText("Y");
    EXPECT_TRUE(e.byttSide(SideId::Com));
    EXPECT_EQ(e.aktivSide(), SideId::Com);
    ASSERT_EQ(k.op.logg().size(), 1u);
    EXPECT_EQ(k.op.logg()[0].caption, endret1);
    EXPECT_EQ(k.op.logg()[0].text, "Lagre endringer ?");
    EXPECT_EQ(k.op.logg()[0].ikon, Ikon::Ingen);  // the one question without the question icon
    EXPECT_EQ(k.fil("Maskin1", "IngenFil"), svar == "Ja" ? "Y" : "X");
    EXPECT_EQ(e.IngenFil.text(), svar == "Ja" ? "Y" : "X");
    EXPECT_FALSE(e.Endret());
  }
  // Without edits nothing is asked.
  EditorKladd k(ToMaskiner());
  Editor& e = k.start();
  EXPECT_TRUE(e.byttSide(SideId::Program));
  EXPECT_TRUE(k.op.logg().empty());
  // A hidden page cannot be chosen.
  EXPECT_FALSE(e.byttSide(SideId::Mazak));
}

TEST(EditorRamme, SidenSomProtokollenSkjulerVisesIkkeEtterSporsmaalet) {
  // The tab was shown for the protocol typed; what the answer leaves decides.
  const std::vector<std::tuple<std::string, SideId, std::string>> tabell{
      {"Nei", SideId::Maskin, "STANDARD"}, {"Ja", SideId::Mazak, "Mazatrol"}};
  for (const auto& [svar, side, lagret] : tabell) {
    EditorKladd k(ToMaskiner("Protokoll=Standard\r\n"));
    k.op.svar(endret1, svar);
    Editor& e = k.start();
    e.Protokoll.operatorText("Mazatrol");
    ASSERT_TRUE(e.TabMazatrol.shown());
    EXPECT_EQ(e.byttSide(SideId::Mazak), side == SideId::Mazak) << svar;
    EXPECT_EQ(e.aktivSide(), side) << svar;
    EXPECT_TRUE(e.side(e.aktivSide()).shown()) << svar;
    EXPECT_TRUE(LikTekst(k.fil("Maskin1", "Protokoll"), lagret)) << svar;
    EXPECT_FALSE(e.Endret()) << svar;
  }
}

// A typed count outside 1-255 is refused with a message and the field gets
// back the count in use (5); one inside is taken, written as a number.
TEST(EditorRamme, MaskinantallUtenforAvvises) {
  const std::vector<std::pair<std::string, int>> tabell{
      {"", 5}, {"abc", 5}, {"0", 5}, {"3", 3}, {"05", 5}, {"300", 5}, {"256", 5}, {"-5", 5}, {"255", 255}, {"1", 1}};
  for (const auto& [skrevet, antall] : tabell) {
    EditorKladd k(fem("Maskiner=5\r\nMaskin=2\r\n"));
    Editor& e = k.start();
    ASSERT_TRUE(e.byttSide(SideId::Program));
    e.Maskiner.setText(skrevet);
    EXPECT_EQ(e.VisMaskiner.text(), skrevet) << "VisMaskiner follows while typing";
    e.Maskiner.leave();
    const bool avvist = skrevet != "05" && antall == 5;
    EXPECT_EQ(k.op.meldinger(), avvist ? std::vector<std::string>{"Antall maskiner: Antall maskiner må være fra 1 til 255, ikke \"" + skrevet + "\"."}
                                       : std::vector<std::string>{}) << skrevet;
    EXPECT_EQ(e.VisMaskiner.text(), std::to_string(antall)) << skrevet;
    EXPECT_EQ(e.Maskiner.text(), std::to_string(antall)) << skrevet;
    EXPECT_EQ(e.MaskinBoks.items().size(), static_cast<size_t>(antall)) << skrevet;
    EXPECT_EQ(e.MaskinBoks.itemIndex(), antall >= 2 ? 1 : 0) << skrevet;
    if (antall > 5) {
      EXPECT_EQ(e.MaskinBoks.items()[5], "MASKIN6");
    }
  }
}

TEST(EditorRamme, MaskinantallNullHindrerSidebytte) {
  EditorKladd k(fem("Maskiner=5\r\n"));
  k.op.svar(endret1, "Ja");
  Editor& e = k.start();
  ASSERT_TRUE(e.byttSide(SideId::Program));
  e.Maskiner.setText("0");
  EXPECT_FALSE(e.byttSide(SideId::Maskin));
  EXPECT_EQ(e.aktivSide(), SideId::Program);
  EXPECT_EQ(k.fil("Program", "Maskiner"), "0");
}

TEST(EditorRamme, ProgramsidenLagrerStandarder) {
  EditorKladd k("[Program]\r\nMaskiner=4\r\nVisMaskiner=4\r\nSkriver=LPT2\r\nVis=J\r\n\r\n[Maskin1]\r\n");
  Editor& e = k.start();
  EXPECT_FALSE(e.Vis.checked()) << "J is no true";
  ASSERT_TRUE(e.byttSide(SideId::Program));
  e.VisMaskiner.setText("3");
  e.Skriver.setText("lpt1");
  ASSERT_TRUE(e.OKBtnClick());
  EXPECT_EQ(k.fil("Program", "VisMaskiner"), "3");
  EXPECT_EQ(k.fil("Program", "Skriver"), mangler);
  EXPECT_EQ(k.fil("Program", "Vis"), "J");
  e.Maskiner.setText("1");
  ASSERT_TRUE(e.OKBtnClick());
  EXPECT_EQ(k.fil("Program", "Maskiner"), mangler);
  EXPECT_EQ(k.fil("Program", "VisMaskiner"), mangler);
}

TEST(EditorRamme, KoblingerMellomFelt) {
  EditorKladd k(ToMaskiner());
  Editor& e = k.start();
  e.Com.operatorPick(6);
  EXPECT_EQ(e.ComPort.text(), "Com7");
  e.AngreClick();
  e.ComPort.operatorPick(6);
  EXPECT_EQ(e.Com.text(), "Com7");
  EXPECT_TRUE(e.Endret());
  e.Baud.operatorText("110");
  EXPECT_EQ(e.BaudRate.itemIndex(), -1);
  e.BaudRate.setItemIndex(5);
  EXPECT_EQ(e.Baud.text(), "9600");
  e.HandShake.operatorPick(3);
  EXPECT_EQ(e.HandShakeR.itemIndex(), 3);
  e.HandShakeR.setItemIndex(0);
  EXPECT_EQ(e.HandShake.text(), "Ingen");
  int endringer = 0;
  e.MaxLengde.onView = [&] { ++endringer; };
  e.MaxLengdeD.setText("31");
  EXPECT_EQ(e.MaxLengde.text(), "31");
  EXPECT_EQ(endringer, 1);
  e.MaxLengde.setText("32");
  EXPECT_EQ(e.MaxLengdeD.text(), "32");
  e.LagreKoder.setChecked(true);
  EXPECT_FALSE(e.StartStoppKodeUt.checked());
  e.StartStoppKodeUt.setChecked(false);
  e.LagreKoder.setChecked(false);
  EXPECT_TRUE(e.StartStoppKodeUt.checked());
  e.StartStoppKodeUt.setChecked(false);
  EXPECT_FALSE(e.LagreKoder.checked()) << "only one direction";
}

TEST(EditorRamme, PortUtenforListenSpeilesSomTekst) {
  // Typed on either page, a port that is no item shows on both and its
  // section receives the "Com" page.
  const std::vector<std::pair<bool, std::string>> tabell{{true, "Com30"}, {false, "Com31"}, {false, "com5"}};
  for (const auto& [paMaskinsiden, port] : tabell) {
    EditorKladd k(ToMaskiner());
    k.op.svar(endret1, "Ja");
    Editor& e = k.start();
    ASSERT_EQ(e.Com.text(), "Com2");
    if (paMaskinsiden) e.Com.operatorText(port);
    ASSERT_TRUE(e.byttSide(SideId::Com));
    if (!paMaskinsiden) e.ComPort.operatorText(port);
    // Saved on the page change and loaded again: shown as read back, upper-cased.
    EXPECT_TRUE(LikTekst(e.Com.text(), port)) << e.Com.text();
    EXPECT_TRUE(LikTekst(e.ComPort.text(), port)) << e.ComPort.text();
    EXPECT_EQ(e.Com.itemIndex(), -1);
    e.TimeOut.setText("7");
    ASSERT_TRUE(e.OKBtnClick());
    EXPECT_EQ(k.fil(port, "TimeOut"), "7") << port;
    EXPECT_EQ(k.fil("Com2", "TimeOut"), mangler) << port;
    EXPECT_EQ(k.fil("Maskin1", "Port"), port);
  }
}

TEST(EditorRamme, KatalogregelenAvhengerAvForvalg) {
  struct Tilfelle {
    bool forvalg, utKatalog;
    bool henteprogram, katalog2;
  };
  const std::vector<Tilfelle> tabell{
      {false, false, false, false}, {true, false, true, true}, {true, true, true, false}};
  for (const auto& t : tabell) {
    EditorKladd k(ToMaskiner("Katalog2=C:\\K2\\\r\nFtpKatalog=C:\\F\\\r\n"));
    Editor& e = k.start();
    e.UtKatalog.setChecked(t.utKatalog);
    if (t.forvalg) e.Alternativ.operatorPick(0);
    e.Katalog.setText("C:\\NY\\");
    EXPECT_TRUE(e.OpprettKataloger.checked());
    EXPECT_EQ(e.OpprettHenteprogram.checked(), t.henteprogram);
    EXPECT_EQ(e.Katalog2.text(), t.katalog2 ? "C:\\NY\\" : "C:\\K2\\");
    EXPECT_EQ(e.FtpKatalog.text(), "C:\\NY\\");
  }
}

TEST(EditorRamme, UtvidGirTipsVedKortBreak) {
  const std::vector<std::tuple<std::string, std::string, bool>> tabell{
      {"X", "", true}, {"X", "0", true}, {"X", "4", true}, {"X", "5", false},
      {"X", "12", false}, {"X", "4,5", false}, {"", "0", false}};
  for (const auto& [utvid, brk, tips] : tabell) {
    EditorKladd k(ToMaskiner());
    Editor& e = k.start();
    e.Break.setText(brk);
    e.Utvid.setText(utvid);
    const bool endret = e.Endret();
    e.Utvid.leave();
    ASSERT_EQ(k.op.meldinger().size(), tips ? 1u : 0u) << utvid << "/" << brk;
    if (tips) {
      EXPECT_EQ(k.op.meldinger()[0], "Tips - Utviding av filer: Hvis \"Read\" må trykkes på styringen mellom "
                                     "hvert\rprogram, sett Break-tiden til ca. 10 sekund");
    }
    EXPECT_EQ(e.Endret(), endret);
  }
}

TEST(EditorRamme, KatalogerOpprettesMedSisteSkraastrek) {
  for (const std::string katalog : {"C:\\Brul\\Ny\\", "C:\\Brul\\Ny"}) {
    EditorKladd k(ToMaskiner());
    Editor& e = k.start();
    e.Katalog.setText(katalog);
    ASSERT_TRUE(e.OKBtnClick());
    EXPECT_TRUE(std::filesystem::is_directory(k.rot() / "Brul" / "Ny" / "Backup")) << katalog;
    EXPECT_FALSE(e.OpprettKataloger.checked());
    EXPECT_EQ(k.fil("Maskin1", "Katalog"), katalog) << "stored as typed";
    EXPECT_TRUE(k.op.meldinger().empty());
  }
  EditorKladd k(ToMaskiner());
  Editor& e = k.start();
  EditorFilKladd::Skriv(k.rot() / "Blokk", "fil");
  e.Katalog.setText("C:\\Blokk\\Ny\\");
  ASSERT_TRUE(e.OKBtnClick());
  EXPECT_EQ(k.op.meldinger(), std::vector<std::string>{"Opprette katalog: Feil med oppretting av katalog\n"
                                                       "C:\\Blokk\\Ny\\\nen del av stien er ikke en mappe"});
  EXPECT_TRUE(e.OpprettKataloger.checked());
  EXPECT_EQ(k.fil("Maskin1", "Katalog"), "C:\\Blokk\\Ny\\");
}

TEST(EditorRamme, BytteStyringstypeSporOmSletting) {
  struct Tilfelle {
    std::string styring;  // picked by the operator
    bool sporres;
    std::string svar;
    std::string maskin2 = "";  // keys of [Maskin2]
    std::string tekst = "Slette seksjon [Maskin1] og [Com2] først ?";
  };
  const std::vector<Tilfelle> tabell{
      {"Haas", true, "Ja"},
      {"Haas", true, "Nei"},
      {"Fanuc", false, ""},
      // A port shared with another machine: the question says whose settings go.
      {"Haas", true, "Nei", "Navn=Dreiebenk\r\nPort=com2\r\n",
       "Slette seksjon [Maskin1] og [Com2] først ?\r[Com2] brukes også av Maskin2 (DREIEBENK)."}};
  for (const auto& t : tabell) {
    EditorKladd k(ToMaskiner("Styring=FANUC\r\nUkjent=1\r\n", "Egen=2\r\n") + t.maskin2);
    if (!t.svar.empty()) k.op.svar("Bytte styringstype", t.svar);
    Editor& e = k.start();
    e.Styring.operatorPick(FinnIndeks(t.styring, e.Styring.items()));
    ASSERT_TRUE(e.OKBtnClick());
    bool spurt = false;
    for (const auto& h : k.op.logg())
      if (h.caption == "Bytte styringstype") {
        spurt = true;
        EXPECT_EQ(h.text, t.tekst);
      }
    EXPECT_EQ(spurt, t.sporres) << t.styring;
    const bool slettet = t.svar == "Ja";
    EXPECT_EQ(k.fil("Maskin1", "Ukjent"), slettet ? mangler : "1");
    EXPECT_EQ(k.fil("Com2", "Egen"), slettet ? mangler : "2");
    EXPECT_TRUE(LikTekst(k.fil("Maskin1", "Styring"), t.styring)) << k.fil("Maskin1", "Styring");
    EXPECT_TRUE(LikTekst(k.fil("Maskin1", "Navn"), "Fres")) << "the pages are written after the deletion";
    EXPECT_FALSE(e.NyttForvalg);
    EXPECT_FALSE(e.Endret());
  }
}

// A save that cannot be written is reported and loses nothing: the editor
// stays changed, so the operator can press OK again.
TEST(EditorRamme, FeiletLagringBeholderEndringene) {
  EditorKladd k(ToMaskiner());
  k.op.svar(endret1, "Ja");
  Editor& e = k.start();
  ASSERT_TRUE(e.byttSide(SideId::Filer));
  e.IngenFil.setText("Y");
  std::filesystem::remove(k.ini());
  std::filesystem::create_directories(k.ini() / "x");
  EXPECT_FALSE(e.OKBtnClick());
  EXPECT_TRUE(e.Endret());
  EXPECT_EQ(e.IngenFil.text(), "Y");
  ASSERT_FALSE(k.op.logg().empty());
  EXPECT_EQ(k.op.logg().back().caption, "Lagre");
  EXPECT_EQ(k.op.meldinger().size(), 1u) << "reported once";
  // Neither a page change nor the close box drops the edits.
  EXPECT_FALSE(e.byttSide(SideId::Com));
  EXPECT_EQ(e.aktivSide(), SideId::Filer);
  EXPECT_FALSE(e.LukkForespurt());
  EXPECT_FALSE(e.AvsluttClick());
  std::filesystem::remove_all(k.ini());
  k.skriv(ToMaskiner());
  EXPECT_TRUE(e.OKBtnClick());
  EXPECT_EQ(k.fil("Maskin1", "IngenFil"), "Y");
}

TEST(EditorRamme, LukkeboksenSporSomAvslutt) {
  struct Tilfelle {
    bool endret;
    std::string svar;
    bool sporsmal;
    std::string lagret;
  };
  const std::vector<Tilfelle> tabell{{false, "", false, mangler}, {true, "Nei", true, mangler}, {true, "Ja", true, "Y"}};
  for (const auto& t : tabell) {
    EditorKladd k(ToMaskiner());
    if (!t.svar.empty()) k.op.svar(endret1, t.svar);
    Editor& e = k.start();
    int lukket = 0;
    e.onLukk = [&] { ++lukket; };
    if (t.endret) e.Ext.setText("Y");
    EXPECT_TRUE(e.LukkForespurt());
    EXPECT_EQ(lukket, 0) << "the close box closes the window itself";
    EXPECT_EQ(k.op.logg().size(), t.sporsmal ? 1u : 0u);
    EXPECT_EQ(k.fil("Maskin1", "Ext"), t.lagret);
    EXPECT_TRUE(e.AvsluttClick());
    EXPECT_EQ(lukket, 1);
  }
}

}  // namespace
}  // namespace brul::test

namespace brul::test {
namespace {

// Loading only the active page, or every page of another machine, reads the
// port keys from the section the machine's Port names and takes defaults from
// what the other controls hold at that moment.
TEST(EditorRamme, DelvisLastingOgPortseksjon) {
  EditorKladd k("[Program]\r\nMaskiner=2\r\n\r\n[Maskin1]\r\nPort=Com2\r\nKatalog=C:\\A\\\r\n\r\n"
                "[Maskin2]\r\nPort=com9\r\n\r\n[Com2]\r\nTimeOut=2\r\n\r\n[COM9]\r\nTimeOut=9\r\n");
  Editor& e = k.start();
  ASSERT_TRUE(e.byttSide(SideId::Com));
  EXPECT_EQ(e.TimeOut.text(), "2");
  e.MaskinBoks.operatorPick(1);
  EXPECT_EQ(e.TimeOut.text(), "9");
  EXPECT_EQ(e.Com.text(), "Com9");
  EXPECT_EQ(e.ComPort.itemIndex(), 8);
  // Angre on "Filer" loads the page "Maskin" too: an edit carried onto it is
  // dropped, and BackupKatalog defaults to the stored Katalog.
  e.MaskinBoks.operatorPick(0);
  ASSERT_TRUE(e.byttSide(SideId::Filer));
  e.Katalog.setText("C:\\B\\");
  e.AngreClick();
  EXPECT_EQ(e.BackupKatalog.text(), "C:\\A\\");
  EXPECT_EQ(e.Katalog.text(), "C:\\A\\") << "Angre on Filer reloads the page Maskin";
}

// With a preset armed, the page "Program" is written too when it is the
// active page, and the pages of the machine whichever page is active.
TEST(EditorRamme, ForvalgSkriverAlleMaskinsiderOgProgramNaarDenErAktiv) {
  EditorKladd k(ToMaskiner("Styring=Fanuc\r\n"));
  Editor& e = k.start();
  ASSERT_TRUE(e.byttSide(SideId::Program));
  e.SideLengde.setText("66");
  e.Alternativ.operatorPick(1);
  EXPECT_TRUE(e.NyttForvalg);
  ASSERT_TRUE(e.OKBtnClick());
  EXPECT_EQ(k.fil("Program", "SideLengde"), "66");
  EXPECT_EQ(k.fil("Maskin1", "Alternativ"), "Med kommentarer");
  EXPECT_NE(k.fil("Maskin1", "Protokoll"), mangler);
  EXPECT_FALSE(e.NyttForvalg);
  EXPECT_TRUE(e.Protokoll.enabled());
  EXPECT_FALSE(e.Endret());
}

TEST(EditorRamme, ComSidenUtenPortSkriverIngenting) {
  EditorKladd k(ToMaskiner());
  Editor& e = k.start();
  ASSERT_TRUE(e.byttSide(SideId::Com));
  e.Com.setText("");
  e.ComPort.setItemIndex(-1);
  e.TimeOut.setText("7");
  // The changed setting has no port to be stored under: the save is refused
  // and said, rather than done without it.
  EXPECT_FALSE(e.OKBtnClick());
  EXPECT_TRUE(e.Endret());
  ASSERT_FALSE(k.op.logg().empty());
  EXPECT_EQ(k.op.logg().back().caption, "Lagre");
  EXPECT_EQ(k.fil("Com2", "TimeOut"), mangler);
  EXPECT_EQ(k.fil("", "TimeOut"), mangler);
  EXPECT_EQ(k.fil("Maskin1", "Port"), "Com2");
  // With nothing changed but the port, the page writes nothing.
  e.AngreClick();
  ASSERT_TRUE(e.byttSide(SideId::Com));
  e.Com.setText("");
  e.ComPort.setItemIndex(-1);
  EXPECT_TRUE(e.OKBtnClick());
  EXPECT_EQ(k.fil("Maskin1", "Port"), "Com2");
}

// A port that is no list item (a number above 26, or another kind of port)
// is shown as text; its keys still come from the section of that name.
TEST(EditorRamme, PortUtenforListen) {
  for (const std::string port : {"Com30", "Lpt1"}) {
    EditorKladd k("[Program]\r\n\r\n[Maskin1]\r\nPort=" + port + "\r\n\r\n[" + port + "]\r\nTimeOut=6\r\n");
    Editor& e = k.start();
    EXPECT_EQ(e.Com.itemIndex(), -1) << port;
    EXPECT_EQ(e.ComPort.itemIndex(), -1) << port;
    EXPECT_TRUE(LikTekst(e.Com.text(), port)) << e.Com.text();
    EXPECT_EQ(e.TimeOut.text(), "6") << port;
    ASSERT_TRUE(e.byttSide(SideId::Com));
    e.TimeOut.setText("8");
    ASSERT_TRUE(e.OKBtnClick());
    EXPECT_EQ(k.fil(port, "TimeOut"), "8") << port;
    EXPECT_EQ(k.fil("Maskin1", "Port"), port);
  }
}

// Operator sequences that once moved one machine's or one port's values
// into another section, lost slots or wrote half a page. Each row ends with
// the file as it must be and whether the editor still holds unsaved edits.
TEST(EditorRamme, IngentingFlyttesTapesEllerSkrivesHalvt) {
  struct Tilfelle {
    std::string navn;
    std::string ini;
    std::function<void(Editor&)> handling;
    std::vector<std::tuple<std::string, std::string, std::string>> fil;  // section, key, stored value
    bool endret;
  };
  const std::vector<Tilfelle> tabell{
      // A lower count drops the selected machine 5: the pages show machine 1
      // before anything is saved into its section.
      {"MaskinerSenket",
       "[Program]\r\nMaskiner=5\r\nMaskin=5\r\n\r\n[Maskin1]\r\nNavn=M1\r\nPort=Com2\r\nKatalog=C:\\M1\\\r\n"
       "\r\n[Maskin5]\r\nNavn=M5\r\nPort=Com9\r\nKatalog=C:\\M5\\\r\n",
       [](Editor& e) {
         ASSERT_TRUE(e.byttSide(SideId::Program));
         e.Maskiner.setText("3");
         e.Maskiner.leave();
         EXPECT_EQ(e.MaskinNavn.text(), "M1");
         ASSERT_TRUE(e.byttSide(SideId::Maskin));
         e.MaskinNavn.setText("Ny");
         ASSERT_TRUE(e.OKBtnClick());
       },
       {{"Maskin1", "Navn", "Ny"}, {"Maskin1", "Port", "Com2"}, {"Maskin1", "Katalog", "C:\\M1\\"},
        {"Program", "Maskiner", "3"}, {"Maskin5", "Port", "Com9"}},
       false},
      // Slots beyond the rows shown at start-up are shown too, so a save of
      // another row leaves them as they are.
      {"VariabelplasserBakTabellen",
       ToMaskiner("Variabel1=A\r\nA=1\r\nVariabel21=B\r\nB=2\r\nVariabel22=C\r\nC=3\r\n"),
       [](Editor& e) {
         ASSERT_TRUE(e.byttSide(SideId::Annet));
         e.AnnetGrid.operatorEdit(1, 2, "5");
         ASSERT_TRUE(e.OKBtnClick());
       },
       {{"Maskin1", "A", "5"}, {"Maskin1", "Variabel21", "B"}, {"Maskin1", "Variabel22", "C"},
        {"Maskin1", "C", "3"}},
       false},
      // Another port picked on "Com" shows that port's settings; only what
      // the operator then changes reaches its section.
      {"AnnenPortPaaComSiden",
       "[Program]\r\n\r\n[Maskin1]\r\nPort=Com7\r\n\r\n[Com7]\r\nBaud=2400\r\nTimeOut=5\r\n\r\n"
       "[Com3]\r\nBaud=9600\r\nBit=7\r\nStoppBit=2\r\nTimeOut=9\r\n",
       [](Editor& e) {
         ASSERT_TRUE(e.byttSide(SideId::Com));
         e.ComPort.operatorPick(2);
         EXPECT_EQ(e.TimeOut.text(), "9");
         e.Paritet.setItemIndex(2);
         ASSERT_TRUE(e.OKBtnClick());
       },
       {{"Com3", "Bit", "7"}, {"Com3", "StoppBit", "2"}, {"Com3", "TimeOut", "9"}, {"Com3", "Baud", "9600"},
        {"Com3", "Paritet", "O"}, {"Com7", "Paritet", mangler}, {"Maskin1", "Port", "Com3"}},
       false},
      // A new port typed letter by letter passes Com1 on the way to Com12:
      // the machine moves with its own settings, not with those of Com1.
      {"NyPortFaarMaskinensOppsett",
       "[Program]\r\n\r\n[Maskin1]\r\nPort=Com7\r\n\r\n[Com7]\r\nBaud=2400\r\nTimeOut=5\r\n\r\n"
       "[Com1]\r\nBaud=9600\r\nTimeOut=9\r\n",
       [](Editor& e) {
         e.Com.operatorText("Com1");
         EXPECT_EQ(e.Baud.text(), "9600");
         e.Com.operatorText("Com12");
         EXPECT_EQ(e.Baud.text(), "2400");
         EXPECT_EQ(e.TimeOut.text(), "5");
         ASSERT_TRUE(e.OKBtnClick());
       },
       {{"Com12", "Baud", "2400"}, {"Maskin1", "Port", "Com12"}, {"Com1", "Baud", "9600"}, {"Com1", "TimeOut", "9"}},
       false},
      // Port settings changed for a machine left with no port have nowhere
      // to go: the save is refused whole (whether they were changed before
      // or after the port was emptied), while an emptied port alone is saved.
      {"PortinnstillingUtenPort", "[Program]\r\n\r\n[Maskin1]\r\nPort=Com7\r\n\r\n[Com7]\r\nBaud=2400\r\n",
       [](Editor& e) {
         e.Com.operatorText("");
         e.Baud.operatorText("9600");
         EXPECT_FALSE(e.OKBtnClick());
       },
       {{"Com7", "Baud", "2400"}, {"Maskin1", "Port", "Com7"}, {"Program", "Maskin", mangler}},
       true},
      {"PortinnstillingForPortenTommes",
       "[Program]\r\n\r\n[Maskin1]\r\nPort=Com7\r\n\r\n[Com7]\r\nBaud=2400\r\n",
       [](Editor& e) {
         ASSERT_TRUE(e.byttSide(SideId::Com));
         e.TimeOut.setText("7");
         e.ComPort.operatorText("");
         EXPECT_FALSE(e.OKBtnClick());
       },
       {{"Com7", "TimeOut", mangler}, {"Maskin1", "Port", "Com7"}},
       true},
      {"TomPortAleneLagres", "[Program]\r\n\r\n[Maskin1]\r\nPort=Com7\r\n\r\n[Com7]\r\nBaud=2400\r\n",
       [](Editor& e) {
         e.Com.operatorText("");
         EXPECT_TRUE(e.OKBtnClick());
       },
       {{"Com7", "Baud", "2400"}, {"Maskin1", "Port", mangler}},
       false},
      {"PortinnstillingMedNyPort", "[Program]\r\n\r\n[Maskin1]\r\nPort=Com7\r\n\r\n[Com7]\r\nBaud=2400\r\n",
       [](Editor& e) {
         e.Com.operatorText("");
         e.Baud.operatorText("4800");
         e.Com.operatorText("Com9");
         e.Baud.operatorText("9600");
         EXPECT_TRUE(e.OKBtnClick());
       },
       {{"Com7", "Baud", "2400"}, {"Com9", "Baud", "9600"}, {"Maskin1", "Port", "Com9"}},
       false},
      // A refused variable name refuses the whole page: not even its slot
      // or the valid row beside it is written.
      {"AvvistSideSkrivesIkke", ToMaskiner(),
       [](Editor& e) {
         ASSERT_TRUE(e.byttSide(SideId::Annet));
         e.AnnetGrid.operatorEdit(1, 1, "Gyldig");
         e.AnnetGrid.operatorEdit(1, 2, "1");
         e.AnnetGrid.operatorEdit(2, 1, "[Program]");
         e.AnnetGrid.operatorEdit(2, 2, "[Program]");
         EXPECT_FALSE(e.OKBtnClick());
       },
       {{"Maskin1", "Variabel1", mangler}, {"Maskin1", "Gyldig", mangler}, {"Maskin1", "Variabel2", mangler}},
       true},
      // VisMaskiner not stored follows the count as it is shown, not as stored.
      {"VisMaskinerFolgerNormalisertAntall",
       "[Program]\r\nMaskiner=05\r\n\r\n[Maskin1]\r\n",
       [](Editor& e) {
         EXPECT_EQ(e.VisMaskiner.text(), "5");
         ASSERT_TRUE(e.byttSide(SideId::Program));
         e.Skriver.setText("LPT2");
         ASSERT_TRUE(e.OKBtnClick());
       },
       {{"Program", "VisMaskiner", mangler}, {"Program", "Skriver", "LPT2"}},
       false},
  };
  for (const auto& t : tabell) {
    SCOPED_TRACE(t.navn);
    EditorKladd k(t.ini);
    k.op.svar(endret1, "Ja");
    Editor& e = k.start();
    t.handling(e);
    for (const auto& [seksjon, nokkel, verdi] : t.fil) EXPECT_EQ(k.fil(seksjon, nokkel), verdi) << seksjon << " " << nokkel;
    EXPECT_EQ(e.Endret(), t.endret);
  }
}

}  // namespace
}  // namespace brul::test
