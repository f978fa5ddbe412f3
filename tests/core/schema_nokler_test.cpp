// The schema tables against the editor's controls and the help numbers.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>

#include "editor/editor.h"
#include "schema/lister.h"
#include "schema/nokler.h"
#include "schema/sider.h"

namespace brul::test {
namespace {

void samleFelt(const Gruppe& g, std::vector<const Felt*>& ut) {
  for (const auto& f : g.felter) ut.push_back(&f);
  for (const auto& u : g.grupper) samleFelt(u, ut);
}

std::vector<const Felt*> felt(const SideOppsett& s) {
  std::vector<const Felt*> v;
  for (const auto& g : s.grupper) samleFelt(g, v);
  return v;
}

TEST(SchemaNokler, HverRadPekerPaaEnKontrollAvRiktigSlag) {
  Editor e;
  for (const SideOppsett& s : Sider()) {
    for (const Nokkel& n : Nokler(s.id)) {
      Control* c = e.find(n.kontroll);
      ASSERT_NE(c, nullptr) << n.nokkel << " -> " << n.kontroll;
      ControlKind ventet = ControlKind::Edit;
      switch (n.regel) {
        case Regel::Tekst: ventet = ControlKind::Edit; break;
        case Regel::Liste:
        case Regel::ListeTekst:
        case Regel::ListeValg: ventet = ControlKind::Combo; break;
        case Regel::Valg: ventet = ControlKind::RadioGroup; break;
        case Regel::Tick: ventet = ControlKind::Check; break;
        case Regel::Spesial: ventet = c->kind(); break;
      }
      EXPECT_EQ(c->kind(), ventet) << n.nokkel;
      if (n.regel == Regel::Tick) {
        EXPECT_EQ(n.type, VerdiType::Bool) << n.nokkel;
      }
      if (n.regel == Regel::Tekst || n.regel == Regel::Valg) {
        EXPECT_EQ(n.type, VerdiType::Tekst) << n.nokkel;
      }
      // Rows of a page edit controls of that page (the basic-setup keys that
      // other pages write first live on the page "Maskin").
      if (n.bruk != Bruk::BareLagre && n.nokkel != "BareTall" && n.konvertering != Konvertering::PortCom) {
        EXPECT_EQ(e.sideAv(n.kontroll), s.id) << n.nokkel;
      }
    }
  }
}

TEST(SchemaNokler, SideoppsettetOgKontrollregisteretStemmerOverens) {
  Editor e;
  std::set<std::string> paSider;
  for (const SideOppsett& s : Sider()) {
    EXPECT_EQ(e.side(s.id).caption(), s.tekst);
    EXPECT_EQ(e.side(s.id).name(), s.navn);
    for (const Felt* f : felt(s)) {
      if (f->kontroll.empty()) continue;
      EXPECT_NE(e.find(f->kontroll), nullptr) << f->kontroll;
      EXPECT_TRUE(paSider.insert(f->kontroll).second) << f->kontroll << " placed twice";
      if (!f->label.empty()) {
        EXPECT_NE(e.find(f->label), nullptr) << f->label;
      }
    }
  }
  for (const Control* c : e.kontroller()) {
    if (c->kind() == ControlKind::Label || c->kind() == ControlKind::Group) continue;
    const bool bunn = FinnFelt(c->name()) && !SideMedKontroll(c->name());
    EXPECT_TRUE(paSider.count(c->name()) || bunn) << c->name() << " is on no page";
  }
  EXPECT_EQ(Sider().size(), static_cast<size_t>(AntallSider));
}

// The help context numbers of every page and control.
TEST(SchemaNokler, Hjelpenummer) {
  const std::string tabell =
      "TabProgram 100 Maskiner 102 VisMaskiner 105 Felleskataloger 106 Vis 107 UtKatalog 108 VisAvsluttBoks 109 "
      "Hendelser 110 TekstFormat 111 Indeks 112 Skriver 113 Matrise 114 SideLengde 115 PJL 116 BakFiler 117 "
      "TabMaskin 200 MaskinNavn 201 Com 202 Styring 203 Baud 204 Alternativ 205 HandShake 206 Katalog 207 Ext 208 "
      "OpprettKataloger 209 OpprettHenteprogram 210 DefaultBaud 211 Protokoll 212 ToolProtokoll 213 "
      "HenteProgram 214 DirFilType 215 "
      "TabFiler 300 IngenFil 301 FeilFil 302 Kvittering 303 KvitteringsTid 304 FeilMelding 305 BackupKatalog 306 "
      "BackupFiles 307 Utvid 308 UtvidEkstra 309 FjernLinje 310 FjernTegn 311 FilFormat 312 ByttFra 313 "
      "ByttTil 314 StoreBokstaver 315 "
      "TabComPort 400 BaudRate 402 HandShakeR 403 Paritet 406 NyBlokkvis 407 BrytBlokkvis 408 TegnKode 409 "
      "Bit 410 EOB 411 StoppBit 412 TimeOut 413 Break 414 TimeMultiplier 415 ComDelay 416 StoppTid 417 "
      "FjernNull 0 Blokkvis 0 ComPort 0 "
      "TabProtokoll 500 StartKode 501 StoppTegn 502 StoppKode 503 StoppFeil 504 StartStoppKodeUt 505 "
      "LagreKoder 506 LagreAlt 507 StartEkstra 508 StoppEkstra 509 Ventetid 510 RCC 511 "
      "TabHenteprogram 600 BareTall 601 StartLagre 602 StoppLagre 603 Hent 604 StartHent 605 StoppHent 606 "
      "Print 607 StartPrint 608 StoppPrint 609 DirHent 610 StartDir 611 StoppDir 612 FilNavnProgram 613 "
      "MaxLengde 614 MaxLinjer 615 Tool 616 MaxHent 617 KatalogTegn 618 FilNavnNullstill 0 "
      "TabHenteProgram2 700 StartLagre2 701 StoppLagre2 702 Hent2 703 StartHent2 704 StoppHent2 705 "
      "Katalog2 706 Ext2 707 "
      "TabToolDir 800 ToolProgramNr 801 DirProgramNr 802 ToolReg 803 TimeSize 804 NomReg 805 AutoToolLoad 806 "
      "SlettToolReg 807 ToolLagre 808 ToolMult 809 ToolDesimaler 810 MaxLengdeD 811 "
      "TabMazatrol 900 MazatrolAuto 901 MazPrint 902 MazExt 903 MazatrolNavn 904 HenteProgramNr 905 "
      "Hent5000 906 Robot 907 SjekkFormat 908 TapeMarks 0 "
      "TabTerminal 1000 TerminalMaskiner 1001 OppdaterMaskiner 1002 F1 1003 F2 1004 F3 1005 F4 1006 F5 1007 "
      "TabParallell 1100 Adresse 1101 BareFram 1102 Punch 1103 ParallellKode 1104 InvMotor 1105 "
      "InvRetning 1106 InvRead 1107 InvSpocket 1108 TimeOutP 1109 BreakP 1110 ParDelay 1111 StartPos 1112 "
      "TabForInst 1200 Forinstiller 1201 SlettTool 1202 StortProgNr 1203 ForInstPrint 1204 ToolGrid 1205 "
      "TabAnnet 1300 AnnetGrid 1301 "
      "TabLogging 1400 LoggeFil 1401 MakroProgram 1402 Makro 1403 StartHendelse 1404 StoppHendelse 1405 "
      "StartParameter 1406 StoppParameter 1407 "
      "TabLoggeBoks 1500 LoggeMaskin 1501 MaskeInv 1502 SjekkTid 1503 BoksGrid 1504 "
      "TabFTP 0 FtpKatalog 0 "
      "MaskinBoks 1 Brul_INI 2 Angre 3 OKBtn 4 Avslutt 5";
  std::istringstream inn(tabell);
  std::string navn;
  int nr = 0;
  int sjekket = 0;
  while (inn >> navn >> nr) {
    const SideOppsett* side = nullptr;
    for (const auto& s : Sider())
      if (s.navn == navn) side = &s;
    if (side) {
      EXPECT_EQ(side->hjelp, nr) << navn;
    } else {
      const Felt* f = FinnFelt(navn);
      ASSERT_NE(f, nullptr) << navn;
      EXPECT_EQ(f->hjelp, nr) << navn;
    }
    ++sjekket;
  }
  EXPECT_GT(sjekket, 170);
  EXPECT_EQ(BunnLinje().hjelp, 10);
  EXPECT_EQ(SideKontrollHjelp, 50);
}

TEST(SchemaNokler, HandshakeTabellen) {
  struct Rad {
    int valg;
    bool hs, xon, sd, hw, hwStandard;
  };
  const std::vector<Rad> tabell{{0, false, false, false, false, false},
                                {1, true, false, false, true, true},
                                {2, true, true, false, false, false},
                                {3, true, false, true, true, true},
                                {4, true, true, true, true, false},
                                {-1, false, false, false, false, false}};
  for (const auto& r : tabell) {
    const auto v = HandShakeLagring(r.valg);
    EXPECT_EQ(v.handShake, r.hs) << r.valg;
    EXPECT_EQ(v.xonXoff, r.xon) << r.valg;
    EXPECT_EQ(v.sendDelay, r.sd) << r.valg;
    EXPECT_EQ(v.hardwareStart, r.hw) << r.valg;
    EXPECT_EQ(v.hardwareStartForvalg, r.hwStandard) << r.valg;
    if (r.valg >= 0) {
      EXPECT_EQ(HandShakeValg(v.handShake, v.xonXoff, v.sendDelay, v.hardwareStart), r.valg);
    }
  }
}

TEST(SchemaNokler, ListeneHarRiktigLengdeOgRekkefolge) {
  EXPECT_EQ(PortListe().size(), 26u);
  EXPECT_EQ(PortListe()[25], "Com26");
  EXPECT_EQ(ProtokollListe().size(), 27u);
  EXPECT_EQ(HenteProgramListe().size(), 24u);
  EXPECT_EQ(ToolProtokollListe().size(), 42u);
  EXPECT_EQ(DirFilTypeListe().size(), 12u);
  EXPECT_EQ(FilFormatListe().size(), 13u);
  EXPECT_EQ(ForinstillerListe().size(), 16u);
  EXPECT_EQ(HendelseKoder().size(), 28u);
  for (size_t i = 1; i < HendelseKoder().size(); ++i)
    EXPECT_LT(HendelseKoder()[i - 1].kode, HendelseKoder()[i].kode);
  EXPECT_EQ(HendelseTekst(106), "106:Verktøy");
  EXPECT_EQ(HendelseTekst(55), "55");
  std::vector<std::string> maskin;
  for (const auto& n : Nokler(SideId::Maskin)) maskin.push_back(n.nokkel);
  EXPECT_EQ(maskin, (std::vector<std::string>{"Navn", "Styring", "Alternativ", "Port", "Baud", "HandShake",
                                              "Katalog", "Ext", "Protokoll", "HenteProgram", "ToolProtokoll",
                                              "DirFilType"}));
}

}  // namespace
}  // namespace brul::test
