// The editor: the page rules, fields that follow the protocol, the port and each other.
#include "editor/editor.h"

#include "app/operator.h"
#include "editor/rom.h"
#include "platform/tekst.h"
#include "store/settings.h"

namespace brul {

using namespace rom;

// ---- Protocol-dependent pages -------------------------------------------------

void Editor::ProtokollChange() {
  if (Protokoll.itemIndex() < 0) Protokoll.setItemIndex(FinnIndeks(Protokoll.text(), Protokoll.items()));
  const int i = Protokoll.itemIndex();
  const std::string p = i >= 0 ? Protokoll.items()[static_cast<size_t>(i)] : std::string();
  auto er = [&](std::initializer_list<const char*> navn) {
    if (i < 0) return false;
    for (const char* n : navn)
      if (p == n) return true;
    return false;
  };
  TabMazatrol.setShown(er({"Mazatrol"}));
  TabParallell.setShown(er({"Parallell"}));
  TabComPort.setShown(!TabParallell.shown());
  TabTerminal.setShown(er({"Terminal"}));
  TabProtokoll.setShown(!er({"LSV2", "Parallell", "ForInst", "FTP", "Terminal", "LoggeBoks"}));
  TabHenteprogram.setShown(TabProtokoll.shown());
  TabHenteProgram2.setShown(TabProtokoll.shown());
  TabLogging.setShown(TabProtokoll.shown());
  TabForInst.setShown(er({"ForInst", "ForInstTerm"}));
  TabToolDir.setShown(TabProtokoll.shown() || TabForInst.shown());
  TabLoggeBoks.setShown(er({"LoggeBoks"}));
  TabFiler.setShown(!er({"Terminal", "ForInst"}) && TabComPort.shown() && !TabLoggeBoks.shown());
  TabComPort.setShown(!er({"FTP"}));
  TabFTP.setShown(er({"FTP"}));
  FirmaChange();
}

void Editor::HenteProgramChange() {
  if (HenteProgram.itemIndex() < 0)
    HenteProgram.setItemIndex(FinnIndeks(HenteProgram.text(), HenteProgram.items()));
  const int i = HenteProgram.itemIndex();
  const std::string h = i >= 0 ? HenteProgram.items()[static_cast<size_t>(i)] : std::string();
  TabHenteprogram.setShown(TabProtokoll.shown() && !(i >= 0 && (h == "Parenteser" || h == "SiemensXYZ")));
  TabHenteProgram2.setShown(TabHenteprogram.shown() && HenteProgram.text().find('2') != std::string::npos);
  bool av = i < 0;
  for (const char* n : {"FanucIJK", "FanucJK", "SiemensIJK", "Kommentarer", "MazatrolLangt", "MazatrolKort",
                        "Cincinatti", "IJK", "XYZ"})
    if (h == n) av = true;
  for (Control* c : std::initializer_list<Control*>{&StartHent, &StoppHent, &StartPrint, &StoppPrint, &StartDir,
                                                    &StoppDir, &StartHentL, &StoppHentL, &StartPrintL,
                                                    &StoppPrintL, &StartDirL, &StoppDirL})
    c->setEnabled(!av);
  FirmaChange();
}

void Editor::AktiverGrunnoppsett(bool enable) {
  for (Control* c : std::initializer_list<Control*>{&Protokoll, &HenteProgram, &ToolProtokoll, &DirFilType,
                                                    &ProtokollL, &HenteProgL, &ToolProtokollL, &DirFilTypeL,
                                                    &Grunnoppsett})
    c->setEnabled(enable);
  OpprettHenteprogram.setEnabled(!enable);
  DefaultBaud.setEnabled(!enable);
}

void Editor::AlternativChange() {
  NyttForvalg = true;
  AktiverGrunnoppsett(false);
  FirmaChange();
  DefaultBaud.setChecked(true);
}

void Editor::StyringChange() {
  Alternativ.setItems(Alternativer(Styring.itemIndex()));
  Alternativ.setItemIndex(0);
  AlternativChange();
}

// ---- Linked fields ------------------------------------------------------------

// A port typed outside the list has no index to pass on; its text is passed
// instead, or the partner would go on showing the previous port and the save,
// which takes the port section from Com, would ignore the port typed on the
// "Com" page.
void Editor::ComChange() {
  ComPort.setItemIndex(Com.itemIndex());
  if (Com.itemIndex() < 0) ComPort.setText(Com.text());
  lesPortNokler();
  FirmaChange();
}

void Editor::ComPortClick() {
  Com.setItemIndex(ComPort.itemIndex());
  if (ComPort.itemIndex() < 0) Com.setText(ComPort.text());
  lesPortNokler();
  FirmaChange();
}

void Editor::BaudChange() {
  BaudRate.setItemIndex(Baud.itemIndex());
  FirmaChange();
}

void Editor::BaudRateClick() {
  Baud.setItemIndex(BaudRate.itemIndex());
  FirmaChange();
}

void Editor::HandShakeChange() {
  HandShakeR.setItemIndex(HandShake.itemIndex());
  FirmaChange();
}

void Editor::HandShakeRClick() {
  HandShake.setItemIndex(HandShakeR.itemIndex());
  FirmaChange();
}

void Editor::MaxLengdeChange() {
  if (!speiler_) {
    speiler_ = true;
    MaxLengdeD.setText(MaxLengde.text());
    speiler_ = false;
  }
  FirmaChange();
}

void Editor::MaxLengdeDChange() {
  if (!speiler_) {
    speiler_ = true;
    MaxLengde.setText(MaxLengdeD.text());
    speiler_ = false;
  }
  FirmaChange();
}

void Editor::KatalogChange() {
  FirmaChange();
  OpprettKataloger.setChecked(true);
  if (NyttForvalg) {
    OpprettHenteprogram.setChecked(true);
    if (!UtKatalog.checked()) Katalog2.setText(Katalog.text());
  }
  FtpKatalog.setText(Katalog.text());
}

void Editor::DefaultBaudClick() {
  FirmaChange();
  const bool fri = !DefaultBaud.checked();
  for (Control* c : std::initializer_list<Control*>{&Baud, &HandShake, &BaudL, &HandShakeL}) c->setEnabled(fri);
}

void Editor::LagreKoderClick() {
  StartStoppKodeUt.setChecked(!LagreKoder.checked());
  FirmaChange();
}

void Editor::UtvidExit() {
  if (Utvid.text().empty()) return;
  if (TallFraTekst(Break.text()) < 5)
    VisMelding("Tips - Utviding av filer",
               "Hvis \"Read\" må trykkes på styringen mellom hvert\rprogram, sett Break-tiden til ca. 10 sekund");
}

void Editor::ToolGridSetEditText(int, int, const std::string&) { FirmaChange(); }

void Editor::BoksGridSetEditText(int, int, const std::string&) { FirmaChange(); }

}  // namespace brul
