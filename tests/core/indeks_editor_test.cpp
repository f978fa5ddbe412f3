// The editor's side of the auxiliary commands: when ticking Indeks asks and
// writes, the overview's count from the Maskiner field, and the tips box for
// the machine chosen in the bottom bar.
#include <gtest/gtest.h>

#include <string>

#include "editor/editor.h"
#include "editor/kommandoer.h"
#include "port_felles.h"
#include "store/settings.h"

namespace brul {
namespace {

using test::IniKladd;

const char* const Fil =
    "[Program]\r\nMaskiner=3\r\n"
    "[Maskin1]\r\nKatalog=C:\\M1\\\r\n"
    "[Maskin2]\r\nKatalog=C:\\M2\\\r\n"
    "[Maskin3]\r\nKatalog=C:\\M3\\\r\n";

TEST(IndeksClick, AsksOnlyForATickOnTheProgramPage) {
  const struct {
    const char* navn;
    bool programSide;
    bool forTikket;  // the box is ticked before the click
    const char* svar;
    const char* maskiner;  // the field's text at the click (unsaved)
    bool spurt;
    const char* m3;  // FilType of C:\M3 afterwards, "" for absent
    const char* data;
  } tilfeller[] = {
      {"Yes writes the list", true, false, "Ja", "3", true, "*.NC", "*.EXE"},
      {"No writes nothing", true, false, "Nei", "3", true, "", ""},
      {"clearing never asks", true, true, "Ja", "3", false, "", ""},
      {"another page never asks", false, false, "Ja", "3", false, "", ""},
      {"the count is the field's text, saved or not", true, false, "Ja", "2", true, "", "*.EXE"},
      {"an empty count writes only the data folder", true, false, "Ja", "", true, "", "*.EXE"},
      {"letters count as none", true, false, "Ja", "tre", true, "", "*.EXE"},
  };
  for (const auto& t : tilfeller) {
    IniKladd ini(Fil);
    Editor e;
    e.FormCreate();
    ASSERT_FALSE(e.Endret()) << t.navn;
    if (t.programSide) e.settAktivSide(SideId::Program);
    e.Indeks.setChecked(t.forTikket);
    e.Maskiner.setText(t.maskiner);
    const std::string for_ = ini.les();
    ini.op.tom();
    ini.op.svar("Indeks", t.svar);
    e.Indeks.setChecked(!t.forTikket);
    EXPECT_TRUE(e.Endret()) << t.navn;
    const bool spurt = !ini.op.logg().empty();
    EXPECT_EQ(spurt, t.spurt) << t.navn;
    if (spurt) {
      EXPECT_EQ(ini.op.logg()[0].caption, "Indeks") << t.navn;
      EXPECT_EQ(ini.op.logg()[0].text, "Generere katalog/extension liste ?") << t.navn;
    }
    EXPECT_EQ(LesStreng("C:\\M3", "FilType", ""), t.m3) << t.navn;
    EXPECT_EQ(LesStreng("C:\\BRUL\\DATA", "FilType", ""), t.data) << t.navn;
    if (!*t.data) {
      EXPECT_EQ(ini.les(), for_) << t.navn;
    }
    // The tick itself is saved by OK only.
    EXPECT_EQ(LesStreng("Program", "Indeks", "-"), "-") << t.navn;
  }
}

TEST(ComPortBtnClick, CountsTheMachinesOfTheField) {
  const struct {
    const char* maskiner;
    int rader;  // listing by machine, header included; 0: the warning
  } tilfeller[] = {{"3", 4}, {"2", 3}, {"0", 0}, {"", 0}, {"x", 0}, {"5", 6}};
  for (const auto& t : tilfeller) {
    IniKladd ini(Fil);
    Editor e;
    e.FormCreate();
    bool vist = false;
    e.PortForm.onVis = [&] { vist = true; };
    e.Maskiner.setText(t.maskiner);
    ini.op.tom();
    e.ComPortBtn.click();
    EXPECT_EQ(vist, t.rader > 0) << t.maskiner;
    if (t.rader > 0) {
      EXPECT_EQ(e.PortForm.grid.rowCount(), t.rader) << t.maskiner;
      EXPECT_TRUE(ini.op.meldinger().empty()) << t.maskiner;
    } else {
      EXPECT_EQ(ini.op.meldinger(), std::vector<std::string>{"Maskiner: Ingen maskiner er satt opp!"});
    }
  }
}

TEST(ForInstTipsClick, NamesTheMachineOfTheBottomBar) {
  IniKladd ini(Fil);
  Editor e;
  e.FormCreate();
  e.MaskinBoks.operatorPick(2);
  ini.op.tom();
  e.ForInstTips.click();
  ASSERT_EQ(ini.op.logg().size(), 1u);
  EXPECT_EQ(ini.op.logg()[0].caption, "Forinnstiller - tips");
  EXPECT_EQ(ini.op.logg()[0].ikon, Ikon::Informasjon);
  EXPECT_NE(ini.op.logg()[0].text.find("\rFølgende variabler bør settes under [Maskin3]:\r"), std::string::npos);
  EXPECT_FALSE(e.Endret());
}

TEST(KatalogDblClick, ChosenFolderGetsItsBackslashAndRunsTheFieldsRule) {
  const struct {
    const char* valgt;  // nullptr: cancelled
    const char* katalog;
  } tilfeller[] = {
      {"C:\\CNC\\DREIEBENK", "C:\\CNC\\DREIEBENK\\"},
      {"D:\\", "D:\\"},
      {nullptr, "C:\\M1\\"},
  };
  for (const auto& t : tilfeller) {
    IniKladd ini(Fil);
    Editor e;
    e.FormCreate();
    e.MaskinNavn.setText("Dreiebenk");
    if (t.valgt) ini.op.svar("Velg katalog, Dreiebenk", t.valgt);
    ini.op.tom();
    e.OpprettKataloger.setChecked(false);
    VelgKatalogFor(e.Katalog, e.MaskinNavn.text());
    ASSERT_FALSE(ini.op.logg().empty());
    EXPECT_EQ(ini.op.logg()[0].caption, "Velg katalog, Dreiebenk");
    EXPECT_EQ(e.Katalog.text(), t.katalog);
    // The folder rule of Katalog: ticks OpprettKataloger and follows in FtpKatalog.
    EXPECT_EQ(e.OpprettKataloger.checked(), t.valgt != nullptr) << t.katalog;
    if (t.valgt) {
      EXPECT_EQ(e.FtpKatalog.text(), t.katalog);
    }
  }
}

}  // namespace
}  // namespace brul
