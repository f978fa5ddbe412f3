// The conversions between keys and controls: handshake, parity, time stamps,
// the Mazak and terminal boxes, defaults taken from other controls, write
// defaults that keep a key present, and the three grids.
#include "editor_felles.h"
#include "platform/tekst.h"

namespace brul::test {
namespace {

const std::string mangler = "<mangler>";

TEST(EditorKonvertering, HandshakeLesesFraFireNokler) {
  struct Tilfelle {
    std::string com;
    int valg;
  };
  const std::vector<Tilfelle> tabell{
      {"", 1},
      {"HandShake=False\r\n", 0},
      {"HandShake=Yes\r\nXonXoff=True\r\n", 0},
      {"HandShake=1\r\nXonXoff=true\r\n", 2},
      {"SendDelay=True\r\n", 3},
      {"HandShake=False\r\nSendDelay=TRUE\r\n", 3},
      {"SendDelay=True\r\nHardwareStart=True\r\n", 3},
      {"XonXoff=True\r\nSendDelay=True\r\nHardwareStart=True\r\n", 4},
      {"HardwareStart=True\r\n", 1},
  };
  for (const auto& t : tabell) {
    EditorKladd k(ToMaskiner("", t.com));
    Editor& e = k.start();
    EXPECT_EQ(e.HandShake.itemIndex(), t.valg) << t.com;
    EXPECT_EQ(e.HandShakeR.itemIndex(), t.valg) << t.com;
  }
}

TEST(EditorKonvertering, HandshakeLagresSomFireNoklerOgLesesTilbake) {
  struct Tilfelle {
    int valg;
    std::string handShake, xonXoff, sendDelay, hardwareStart;
  };
  const std::vector<Tilfelle> tabell{
      {0, "False", mangler, mangler, mangler},
      {1, mangler, mangler, mangler, mangler},
      {2, mangler, "True", mangler, mangler},
      {3, mangler, mangler, "True", mangler},
      {4, mangler, "True", "True", "True"},
  };
  for (bool paaMaskinSiden : {false, true}) {
    for (const auto& t : tabell) {
      EditorKladd k(ToMaskiner());
      Editor& e = k.start();
      if (paaMaskinSiden) {
        e.HandShake.operatorPick(t.valg);
      } else {
        ASSERT_TRUE(e.byttSide(SideId::Com));
        e.HandShakeR.setItemIndex(t.valg);
      }
      EXPECT_EQ(e.HandShake.itemIndex(), t.valg);
      EXPECT_EQ(e.HandShakeR.itemIndex(), t.valg);
      ASSERT_TRUE(e.OKBtnClick());
      EXPECT_EQ(k.fil("Com2", "HandShake"), t.handShake) << t.valg;
      EXPECT_EQ(k.fil("Com2", "XonXoff"), t.xonXoff) << t.valg;
      EXPECT_EQ(k.fil("Com2", "SendDelay"), t.sendDelay) << t.valg;
      EXPECT_EQ(k.fil("Com2", "HardwareStart"), t.hardwareStart) << t.valg;
      e.LesOppsett(true, true);
      EXPECT_EQ(e.HandShake.itemIndex(), t.valg) << "each item loads back as itself";
    }
  }
}

TEST(EditorKonvertering, ParitetEtterForsteBokstav) {
  struct Tilfelle {
    std::string lagret;
    std::string vist;
  };
  const std::vector<Tilfelle> tabell{{"Paritet=odd\r\n", "Odd"}, {"Paritet=e\r\n", "Even"},
                                     {"Paritet=X\r\n", "None"},  {"Paritet=\r\n", "None"},
                                     {"", "None"},               {"Paritet=Odd parity\r\n", "Odd"}};
  for (const auto& t : tabell) {
    EditorKladd k(ToMaskiner("", t.lagret));
    Editor& e = k.start();
    EXPECT_EQ(e.Paritet.selectedText(), t.vist) << t.lagret;
  }
  const std::vector<std::pair<int, std::string>> lagring{{0, "E"}, {1, mangler}, {2, "O"}};
  for (const auto& [valg, forventet] : lagring) {
    EditorKladd k(ToMaskiner());
    Editor& e = k.start();
    ASSERT_TRUE(e.byttSide(SideId::Com));
    e.Paritet.setItemIndex(valg);
    e.FirmaChange();
    ASSERT_TRUE(e.OKBtnClick());
    EXPECT_EQ(k.fil("Com2", "Paritet"), forventet);
  }
}

TEST(EditorKonvertering, TimeSizeTreNokler) {
  const std::vector<std::pair<std::string, std::string>> lesing{
      {"", "Ingen"},
      {"Time=True\r\n", "Time"},
      {"Size=True\r\n", "Size"},
      {"Time=True\r\nSize=True\r\n", "Time"},
      {"TimeSize=True\r\n", "TimeSize"},
  };
  for (const auto& [lagret, vist] : lesing) {
    EditorKladd k(ToMaskiner(lagret));
    Editor& e = k.start();
    EXPECT_EQ(e.TimeSize.selectedText(), vist) << lagret;
  }
  struct Lagring {
    int valg;
    std::string timeSize, time, size;
  };
  const std::vector<Lagring> tabell{{0, mangler, mangler, mangler},
                                    {1, mangler, "True", mangler},
                                    {2, mangler, mangler, "True"},
                                    {3, "True", mangler, mangler}};
  for (const auto& t : tabell) {
    EditorKladd k(ToMaskiner());
    Editor& e = k.start();
    ASSERT_TRUE(e.byttSide(SideId::ToolDir));
    e.TimeSize.setItemIndex(t.valg);
    e.FirmaChange();
    ASSERT_TRUE(e.OKBtnClick());
    EXPECT_EQ(k.fil("Maskin1", "TimeSize"), t.timeSize) << t.valg;
    EXPECT_EQ(k.fil("Maskin1", "Time"), t.time) << t.valg;
    EXPECT_EQ(k.fil("Maskin1", "Size"), t.size) << t.valg;
    e.LesOppsett(true, true);
    EXPECT_EQ(e.TimeSize.itemIndex(), t.valg);
  }
}

TEST(EditorKonvertering, MazatrolAutoOgLinjer2) {
  struct Tilfelle {
    std::string lagret;
    bool vist;
    bool nyTick;
    std::string progLinje, tekstLinje;
  };
  const std::vector<Tilfelle> tabell{
      {"", false, true, "0", "0"},
      {"ProgLinje=0\r\n", true, true, "0", "0"},
      {"ProgLinje=0\r\nTekstLinje=0\r\n", true, false, mangler, mangler},
      {"ProgLinje=5\r\nTekstLinje=0\r\n", false, false, "5", "0"},
      {"ProgLinje=1\r\nTekstLinje=1\r\n", false, false, "1", "1"},
  };
  for (const auto& t : tabell) {
    EditorKladd k(ToMaskiner("Protokoll=Mazatrol\r\n" + t.lagret));
    Editor& e = k.start();
    EXPECT_EQ(e.MazatrolAuto.checked(), t.vist) << t.lagret;
    ASSERT_TRUE(e.byttSide(SideId::Mazak));
    e.MazatrolAuto.setChecked(t.nyTick);
    e.FirmaChange();
    ASSERT_TRUE(e.OKBtnClick());
    EXPECT_EQ(k.fil("Maskin1", "ProgLinje"), t.progLinje) << t.lagret;
    EXPECT_EQ(k.fil("Maskin1", "TekstLinje"), t.tekstLinje) << t.lagret;
    e.LesOppsett(true, true);
    if (t.progLinje != "5") {
      EXPECT_EQ(e.MazatrolAuto.checked(), t.nyTick) << t.lagret;
    }
  }
  const std::vector<std::tuple<std::string, bool, bool, std::string>> linjer{
      {"", false, true, "2"}, {"Linjer=2\r\n", true, false, mangler}, {"Linjer=4\r\n", false, false, "4"}};
  for (const auto& [lagret, vist, ny, forventet] : linjer) {
    EditorKladd k(ToMaskiner("Protokoll=Terminal\r\n" + lagret));
    Editor& e = k.start();
    EXPECT_EQ(e.Linjer2.checked(), vist) << lagret;
    ASSERT_TRUE(e.byttSide(SideId::Terminal));
    e.Linjer2.setChecked(ny);
    e.FirmaChange();
    ASSERT_TRUE(e.OKBtnClick());
    EXPECT_EQ(k.fil("Maskin1", "Linjer"), forventet) << lagret;
  }
}

TEST(EditorKonvertering, MazPrintSkriverFjernNullOgFjernTegnBareSomAktivSide) {
  EditorKladd k(ToMaskiner("Protokoll=Mazatrol\r\n", "FjernNull=True\r\n"));
  Editor& e = k.start();
  EXPECT_FALSE(e.MazPrint.checked());
  ASSERT_TRUE(e.byttSide(SideId::Mazak));
  e.MazPrint.setChecked(true);
  ASSERT_TRUE(e.OKBtnClick());
  EXPECT_EQ(k.fil("Com2", "FjernNull"), "False");
  EXPECT_EQ(k.fil("Maskin1", "FjernTegn"), "[NUL]");
  e.MazPrint.setChecked(false);
  ASSERT_TRUE(e.OKBtnClick());
  EXPECT_EQ(k.fil("Com2", "FjernNull"), "True");
  EXPECT_EQ(k.fil("Maskin1", "FjernTegn"), mangler);
}

// Defaults taken from another control: a value equal to the other control's
// text is absent after a save; a different one is written.
TEST(EditorKonvertering, StandardFraAnnenKontroll) {
  struct Tilfelle {
    SideId side;
    std::string lagret;  // keys of Maskin1
    std::string kontroll, verdi;
    std::string nokkel, forventet;
  };
  const std::vector<Tilfelle> tabell{
      {SideId::Filer, "Katalog=C:\\CNC\\\r\nBackupKatalog=C:\\B\\\r\n", "BackupKatalog", "C:\\CNC\\",
       "BackupKatalog", mangler},
      {SideId::Filer, "Katalog=C:\\CNC\\\r\n", "BackupKatalog", "C:\\B\\", "BackupKatalog", "C:\\B\\"},
      {SideId::Henteprog, "Print=(X)(\r\nStartPrint=((\r\n", "StartPrint", "(X)(", "StartPrint", mangler},
      {SideId::Henteprog, "DirHent=D(\r\n", "StartDir", "Q", "StartDir", "Q"},
      {SideId::Henteprog2, "HenteProgram=Nummer2\r\nHent=M02\r\nHent2=M03\r\n", "Hent2", "m02", "Hent2", mangler},
      {SideId::FTP, "Protokoll=FTP\r\nKatalog=C:\\CNC\\\r\nFtpKatalog=C:\\F\\\r\n", "FtpKatalog", "c:\\cnc\\", "FtpKatalog",
       mangler},
      {SideId::FTP, "Protokoll=FTP\r\nExt=.H\r\n", "NcExt", ".MIN", "NCExt", ".MIN"},
      {SideId::ToolDir, "ToolProgramNr=5\r\n", "ToolProgramNr", " ", "ToolProgramNr", mangler},
      {SideId::ToolDir, "", "ToolProgramNr", "", "ToolProgramNr", ""},
  };
  for (const auto& t : tabell) {
    EditorKladd k(ToMaskiner(t.lagret));
    Editor& e = k.start();
    ASSERT_TRUE(e.byttSide(t.side));
    static_cast<Edit*>(e.find(t.kontroll))->setText(t.verdi);
    e.FirmaChange();
    ASSERT_TRUE(e.OKBtnClick());
    EXPECT_EQ(k.fil("Maskin1", t.nokkel), t.forventet) << t.kontroll << "=" << t.verdi;
  }
}

// A stored file format that is no item survives a save of the page, even
// after a machine with a known format was shown.
TEST(EditorKonvertering, UkjentFilformatBeholdes) {
  EditorKladd k("[Program]\r\nMaskiner=2\r\n\r\n[Maskin1]\r\nFilFormat=fanuc\r\n\r\n"
                "[Maskin2]\r\nFilFormat=Egen\r\n");
  Editor& e = k.start();
  EXPECT_EQ(e.FilFormat.text(), "Fanuc");
  e.MaskinBoks.operatorPick(1);
  EXPECT_EQ(e.FilFormat.itemIndex(), -1);
  EXPECT_EQ(e.FilFormat.text(), "EGEN");
  ASSERT_TRUE(e.byttSide(SideId::Filer));
  e.IngenFil.setText("X");
  ASSERT_TRUE(e.OKBtnClick());
  EXPECT_EQ(k.fil("Maskin2", "FilFormat"), "Egen");
  EXPECT_EQ(k.fil("Maskin1", "FilFormat"), "fanuc");
}

TEST(EditorKonvertering, BreakFolgerTimeOutSomStandard) {
  EditorKladd k(ToMaskiner("", "TimeOut=8\r\n"));
  Editor& e = k.start();
  ASSERT_TRUE(e.byttSide(SideId::Com));
  EXPECT_EQ(e.Break.text(), "8");
  e.Break.setText("8");
  e.TimeOut.setText("9");
  ASSERT_TRUE(e.OKBtnClick());
  EXPECT_EQ(k.fil("Com2", "TimeOut"), "9");
  EXPECT_EQ(k.fil("Com2", "Break"), "8") << "Break keeps its value when TimeOut moves away from it";
}

TEST(EditorKonvertering, SkrivestandarderHolderNoklerTilStede) {
  EditorKladd k(ToMaskiner());
  Editor& e = k.start();
  e.MaskinBoks.operatorPick(1);  // Maskin2 has no keys
  EXPECT_EQ(e.MaskinNavn.text(), "MASKIN2");
  EXPECT_TRUE(LikTekst(e.Com.text(), "COM4")) << e.Com.text();
  EXPECT_EQ(e.Baud.text(), "4800");
  EXPECT_EQ(e.HandShake.text(), "Hardware (RTS/CTS)");
  EXPECT_EQ(e.Protokoll.text(), "Standard");
  EXPECT_EQ(e.ToolProtokoll.text(), "Ingen");
  EXPECT_EQ(e.TegnKode.selectedText(), "Iso");
  EXPECT_EQ(e.Bit.selectedText(), "8");
  EXPECT_EQ(e.StoppBit.selectedText(), "1");
  EXPECT_EQ(e.Paritet.selectedText(), "None");
  EXPECT_EQ(e.TimeOut.text(), "3");
  EXPECT_EQ(e.Break.text(), "3");
  EXPECT_EQ(e.EOB.text(), "[CR][LF]");
  EXPECT_EQ(e.Forinstiller.text(), "INGEN");
  EXPECT_EQ(e.Forinstiller.itemIndex(), -1);
  e.FirmaChange();
  ASSERT_TRUE(e.OKBtnClick());
  for (const char* n : {"Navn", "Port", "Katalog", "Protokoll", "HenteProgram"})
    EXPECT_NE(k.fil("Maskin2", n), mangler) << n;
  EXPECT_EQ(k.fil("COM4", "Baud"), "4800");
  EXPECT_TRUE(LikTekst(k.fil("Maskin2", "Port"), "COM4"));
  for (const char* n : {"ToolProtokoll", "DirFilType", "Ext", "Styring", "Alternativ"})
    EXPECT_EQ(k.fil("Maskin2", n), mangler) << n;
  EXPECT_EQ(k.fil("COM4", "HandShake"), mangler);
  EXPECT_EQ(k.fil("COM4", "HardwareStart"), mangler);
  // The Protokoll page keeps StartKode present while it is shown.
  ASSERT_TRUE(e.byttSide(SideId::Protokoll));
  e.FirmaChange();
  ASSERT_TRUE(e.OKBtnClick());
  EXPECT_EQ(k.fil("Maskin2", "StartKode"), "%");
  // The presetter text that is no item is written as shown.
  e.Protokoll.operatorText("ForInst");
  ASSERT_TRUE(e.OKBtnClick());
  ASSERT_TRUE(e.byttSide(SideId::ForInst));
  e.FirmaChange();
  ASSERT_TRUE(e.OKBtnClick());
  EXPECT_EQ(k.fil("Maskin2", "Forinstiller"), "INGEN");
}

TEST(EditorKonvertering, DeltPortseksjon) {
  EditorKladd k("[Program]\r\nMaskiner=2\r\n\r\n[Maskin1]\r\nPort=Com5\r\n\r\n[Maskin2]\r\nPort=COM5\r\n\r\n"
                "[com5]\r\nBaud=9600\r\n");
  Editor& e = k.start();
  ASSERT_TRUE(e.byttSide(SideId::Com));
  EXPECT_EQ(e.BaudRate.selectedText(), "9600");
  e.BaudRate.setItemIndex(8);
  EXPECT_EQ(e.Baud.text(), "57600");
  ASSERT_TRUE(e.OKBtnClick());
  e.MaskinBoks.operatorPick(1);
  EXPECT_EQ(e.BaudRate.selectedText(), "57600");
  EXPECT_EQ(e.ComPort.text(), "Com5");
  EXPECT_EQ(k.fil("com5", "Baud"), "57600");
}

TEST(EditorKonvertering, ComPortViserDenLastedePorten) {
  struct Tilfelle {
    std::string port;
    int valg;
    std::string vist;
  };
  const std::vector<Tilfelle> tabell{{"Com30", -1, "COM30"}, {"Lpt1", -1, "LPT1"}, {"com7", 6, "Com7"}};
  for (const auto& t : tabell) {
    EditorKladd k("[Program]\r\nMaskiner=2\r\n\r\n[Maskin1]\r\nPort=Com2\r\n\r\n[Maskin2]\r\nPort=" + t.port +
                  "\r\n\r\n[" + t.port + "]\r\nTimeOut=6\r\n");
    Editor& e = k.start();
    ASSERT_TRUE(e.byttSide(SideId::Com));
    ASSERT_EQ(e.ComPort.text(), "Com2");
    e.MaskinBoks.operatorPick(1);
    EXPECT_EQ(e.TimeOut.text(), "6") << t.port;
    EXPECT_EQ(e.ComPort.itemIndex(), t.valg) << t.port;
    EXPECT_EQ(e.ComPort.text(), t.vist) << "not the port of the machine shown before";
  }
}

TEST(EditorKonvertering, ComSidenUtenValgSkriverIkkeRadiogrupper) {
  EditorKladd k("[Program]\r\n\r\n[Maskin1]\r\nPort=Com2\r\n\r\n[Com2]\r\nKode=Morse\r\nBit=9\r\nBaud=110\r\n");
  Editor& e = k.start();
  ASSERT_TRUE(e.byttSide(SideId::Com));
  EXPECT_EQ(e.TegnKode.itemIndex(), -1);
  EXPECT_EQ(e.Bit.itemIndex(), -1);
  EXPECT_EQ(e.BaudRate.itemIndex(), -1);
  EXPECT_EQ(e.Baud.text(), "110");
  e.TimeOut.setText("4");
  ASSERT_TRUE(e.OKBtnClick());
  EXPECT_EQ(k.fil("Com2", "Kode"), "Morse");
  EXPECT_EQ(k.fil("Com2", "Bit"), "9");
  EXPECT_EQ(k.fil("Com2", "Baud"), "110");
  EXPECT_EQ(k.fil("Com2", "TimeOut"), "4");
}

TEST(EditorKonvertering, Forinnstillertabellen) {
  EditorKladd k(ToMaskiner("Protokoll=ForInst\r\nSystem0=Drei\r\nSystem5=Fres\r\nProgDiv5=100\r\n"
                           "System12=Radius\r\nNomReg12=N.TXT\r\nSystem150=Drei\r\n"));
  Editor& e = k.start();
  Grid& g = e.ToolGrid;
  EXPECT_EQ(g.rowCount(), 24);
  EXPECT_EQ(g.cell(1, 0), "0");
  EXPECT_EQ(g.cell(2, 0), "5");
  EXPECT_EQ(g.cell(2, 1), "FRES");
  EXPECT_EQ(g.cell(2, 2), "100");
  EXPECT_EQ(g.cell(3, 0), "12");
  EXPECT_EQ(g.cell(3, 6), "N.TXT");
  EXPECT_EQ(g.cell(4, 0), "");
  EXPECT_EQ(g.dropDown(3), (std::vector<std::string>{"1", "2"}));
  ASSERT_TRUE(e.byttSide(SideId::ForInst));
  g.operatorEdit(2, 1, "");          // system 5 goes
  g.operatorEdit(4, 0, "100");       // a new system beyond the loaded range
  g.operatorEdit(4, 1, "Fres");
  g.operatorEdit(5, 0, "A");         // not a system number
  g.operatorEdit(5, 1, "Drei");
  g.operatorEdit(6, 0, "-1");
  g.operatorEdit(6, 1, "Drei");
  g.operatorEdit(7, 0, "007");
  g.operatorEdit(7, 1, "Div2");
  g.operatorEdit(7, 5, "T.TXT");
  g.operatorEdit(7, 6, "N");
  g.operatorEdit(3, 0, "13");        // system 12 moves to 13, with its values
  g.operatorEdit(1, 0, "");          // system 0 emptied row and all: it goes
  for (int c = 1; c < 7; ++c) g.operatorEdit(1, c, "");
  EXPECT_TRUE(e.Endret());
  ASSERT_TRUE(e.OKBtnClick());
  EXPECT_EQ(k.fil("Maskin1", "System5"), mangler);
  EXPECT_EQ(k.fil("Maskin1", "ProgDiv5"), "100");
  EXPECT_EQ(k.fil("Maskin1", "System100"), "Fres");
  EXPECT_EQ(k.fil("Maskin1", "System7"), "Div2");
  EXPECT_EQ(k.fil("Maskin1", "ToolReg7"), "T.TXT");
  EXPECT_EQ(k.fil("Maskin1", "SystemA"), mangler);
  EXPECT_EQ(k.fil("Maskin1", "System-1"), mangler);
  EXPECT_EQ(k.fil("Maskin1", "System150"), "Drei");
  EXPECT_EQ(k.fil("Maskin1", "System12"), mangler);
  EXPECT_EQ(k.fil("Maskin1", "NomReg12"), mangler);
  EXPECT_EQ(k.fil("Maskin1", "System13"), "RADIUS");
  EXPECT_EQ(k.fil("Maskin1", "System0"), mangler);
  EXPECT_EQ(k.fil("Maskin1", "NomReg13"), "N.TXT");
  EXPECT_EQ(k.op.meldinger(), std::vector<std::string>{"System 7: NomReg må være lik ToolReg"});
  // The row now stands for 13: another program's new system 12 stays
  // through the next save.
  SkrivStreng("Maskin1", "System12", "Annet");
  g.operatorEdit(3, 2, "1000");
  ASSERT_TRUE(e.OKBtnClick());
  EXPECT_EQ(k.fil("Maskin1", "System12"), "Annet");
  EXPECT_EQ(k.fil("Maskin1", "ProgDiv13"), "1000");
  SlettVerdi("Maskin1", "System12");
  e.LesOppsett(true, true);
  EXPECT_EQ(g.rowCount(), 23);
  EXPECT_EQ(g.cell(1, 0), "7");
  EXPECT_EQ(g.cell(2, 0), "13");
  // Two loaded rows that swap numbers keep both systems; a number that is
  // not valid leaves its system as stored.
  ASSERT_TRUE(e.byttSide(SideId::ForInst));
  g.operatorEdit(1, 0, "13");
  g.operatorEdit(2, 0, "7");
  ASSERT_TRUE(e.OKBtnClick());
  EXPECT_EQ(k.fil("Maskin1", "System7"), "RADIUS");
  EXPECT_EQ(k.fil("Maskin1", "System13"), "DIV2");
  e.LesOppsett(true, true);
  ASSERT_TRUE(e.byttSide(SideId::ForInst));
  g.operatorEdit(1, 0, "x");
  ASSERT_TRUE(e.OKBtnClick());
  EXPECT_EQ(k.fil("Maskin1", "System7"), "RADIUS");
}

TEST(EditorKonvertering, Loggeboksen) {
  EditorKladd k(ToMaskiner("Protokoll=LoggeBoks\r\nBit2,1=100\r\nParameterBit2,1=P\r\nBit3,0=55\r\n"
                           "Bit0,1=12:Timer på\r\nParameterBit0,1=X\r\nKommentarBit0,1=K\r\n"));
  Editor& e = k.start();
  Grid& g = e.BoksGrid;
  EXPECT_EQ(g.cell(5, 0), "Bit2,1");
  EXPECT_EQ(g.cell(5, 1), "100:Maskin feil");
  EXPECT_EQ(g.cell(5, 2), "P");
  EXPECT_EQ(g.cell(8, 0), "Bit3,0");
  EXPECT_EQ(g.cell(8, 1), "55");
  EXPECT_EQ(g.cell(1, 1), "");
  EXPECT_EQ(g.cell(1, 2), "");
  EXPECT_EQ(g.cell(1, 3), "K");
  EXPECT_EQ(g.cell(32, 0), "Bit15,0");
  EXPECT_EQ(g.dropDown(1).size(), 28u);
  EXPECT_EQ(g.dropDown(1)[7], "8:Operatør tilstede");
  ASSERT_TRUE(e.byttSide(SideId::LoggeBoks));
  g.operatorEdit(3, 1, "201:Mistet kontakt");
  g.operatorEdit(4, 1, "12345");
  ASSERT_TRUE(e.OKBtnClick());
  EXPECT_EQ(k.fil("Maskin1", "Bit1,1"), "201");
  EXPECT_EQ(k.fil("Maskin1", "Bit1,0"), "123");
  EXPECT_EQ(k.fil("Maskin1", "Bit0,1"), "0");
  EXPECT_EQ(k.fil("Maskin1", "Bit15,0"), "0");
  EXPECT_EQ(k.fil("Maskin1", "ParameterBit0,1"), mangler);
  EXPECT_EQ(k.fil("Maskin1", "ParameterBit1,1"), mangler);
  EXPECT_EQ(k.fil("Maskin1", "KommentarBit0,1"), "K");
}

TEST(EditorKonvertering, Variabeltabellen) {
  EditorKladd k(ToMaskiner("Variabel1=Alfa\r\nAlfa=1\r\nVariabel3=Beta\r\nBeta=2\r\n"));
  Editor& e = k.start();
  Grid& g = e.AnnetGrid;
  EXPECT_EQ(g.rowCount(), 23);
  EXPECT_EQ(g.cell(1, 1), "ALFA");
  EXPECT_EQ(g.cell(2, 1), "");
  EXPECT_EQ(g.cell(3, 2), "2");
  EXPECT_EQ(g.cell(22, 0), "Variabel22");
  ASSERT_TRUE(e.byttSide(SideId::Annet));
  g.operatorEdit(1, 2, "alfa");   // equal to its name: removed
  g.operatorEdit(2, 1, "Gamma");  // a new variable with an empty value
  g.operatorEdit(3, 1, "");       // slot emptied; Beta itself stays
  ASSERT_TRUE(e.OKBtnClick());
  EXPECT_EQ(k.fil("Maskin1", "Alfa"), mangler);
  EXPECT_EQ(k.fil("Maskin1", "Variabel1"), "Alfa");
  EXPECT_EQ(k.fil("Maskin1", "Variabel2"), "Gamma");
  EXPECT_EQ(k.fil("Maskin1", "Gamma"), "");
  EXPECT_EQ(k.fil("Maskin1", "Variabel3"), mangler);
  EXPECT_EQ(k.fil("Maskin1", "Beta"), "2");
}

TEST(EditorKonvertering, TerminalOppdatererAndreMaskiner) {
  EditorKladd k(ToMaskiner("Protokoll=Terminal\r\n"));
  Editor& e = k.start();
  ASSERT_TRUE(e.byttSide(SideId::Terminal));
  e.F1.setText("0");
  e.F2.setText("2");
  e.F3.setText("X");
  e.OppdaterMaskiner.setChecked(true);
  ASSERT_TRUE(e.OKBtnClick());
  EXPECT_EQ(k.fil("Maskin2", "FilNavnProgram"), "True");
  EXPECT_EQ(k.fil("Maskin1", "F2"), "2");
  EXPECT_EQ(k.fil("Maskin0", "FilNavnProgram"), mangler);
  e.LesOppsett(true, true);
  EXPECT_FALSE(e.OppdaterMaskiner.checked());
}

TEST(EditorKonvertering, NomRegSjekkesMotToolReg) {
  const std::vector<std::tuple<std::string, std::string, bool>> tabell{
      {"A", "B", true}, {"A", "A", false}, {"A", "B.TXT", false}, {"A", "", false}};
  for (const auto& [tool, nom, melding] : tabell) {
    EditorKladd k(ToMaskiner());
    Editor& e = k.start();
    ASSERT_TRUE(e.byttSide(SideId::ToolDir));
    e.ToolReg.setText(tool);
    e.NomReg.setText(nom);
    ASSERT_TRUE(e.OKBtnClick());
    EXPECT_EQ(k.fil("Maskin1", "NomReg"), nom.empty() ? mangler : nom);
    EXPECT_EQ(k.op.meldinger().size(), melding ? 1u : 0u) << tool << "/" << nom;
    if (melding) {
      EXPECT_EQ(k.op.meldinger()[0], "Maskin1: NomReg må være lik ToolReg");
    }
  }
}

}  // namespace
}  // namespace brul::test
