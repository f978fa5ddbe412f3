#include "editor/editor.h"

#include "app/operator.h"
#include "editor/filindeks.h"
#include "editor/kommandoer.h"
#include "editor/rom.h"
#include "store/settings.h"

namespace brul {
using namespace rom;

Editor::Editor() {
  registrer();
  kobleHandlere();
  HandShake.selectOnly = true;
  TabParallell.setShown(false);
  gridOppsett();
}

// ---- Registry --------------------------------------------------------------

void Editor::registrer() {
  Control* alle[] = {
      &MaskinBoks, &Brul_INI, &Angre, &OKBtn, &Avslutt,
      // Program
      &Maskiner, &VisMaskiner, &Vis, &VisAvsluttBoks, &TekstFormat, &Felleskataloger, &BakFiler,
      &Hendelser, &Indeks, &UtKatalog, &Skriver, &SideLengde, &Matrise, &PJL,
      // Maskin
      &MaskinNavn, &Styring, &Alternativ, &Com, &BaudL, &Baud, &HandShakeL, &HandShake, &ComPortBtn,
      &Grunnoppsett, &ProtokollL, &Protokoll, &HenteProgL, &HenteProgram, &ToolProtokollL,
      &ToolProtokoll, &DirFilTypeL, &DirFilType, &Katalog, &Ext, &OpprettKataloger,
      &OpprettHenteprogram, &DefaultBaud,
      // Filer
      &IngenFil, &FeilFil, &KvitteringsTid, &Kvittering, &FeilMelding, &BackupFiles, &BackupKatalog,
      &FjernLinje, &FjernTegn, &FilFormat, &ByttFra, &ByttTil, &StoreBokstaver, &Utvid, &UtvidEkstra,
      // Com
      &ComPort, &BaudRate, &HandShakeR, &Paritet, &TegnKode, &Bit, &StoppBit, &FjernNull, &Blokkvis,
      &NyBlokkvis, &BrytBlokkvis, &TimeOut, &Break, &TimeMultiplier, &ComDelay, &EOB, &StoppTid,
      // Protokoll
      &StartKode, &StoppKode, &StoppTegn, &StoppFeil, &StartEkstra, &StoppEkstra, &Ventetid, &RCC,
      &StartStoppKodeUt, &LagreKoder, &LagreAlt,
      // Henteprog.
      &BareTall, &StartLagre, &StoppLagre, &Hent, &StartHentL, &StartHent, &StoppHentL, &StoppHent,
      &Print, &StartPrintL, &StartPrint, &StoppPrintL, &StoppPrint, &DirHent, &StartDirL, &StartDir,
      &StoppDirL, &StoppDir, &MaxLengde, &Tool, &FilNavnProgram, &KatalogTegn, &MaxHent, &MaxLinjer,
      &FilNavnNullstill,
      // Henteprog2
      &StartLagre2, &StoppLagre2, &Hent2, &StartHent2, &StoppHent2, &Katalog2, &Ext2,
      // Tool/Dir
      &ToolLagre, &ToolMult, &ToolDesimaler, &ToolReg, &NomReg, &AutoToolLoad, &SlettToolReg,
      &ToolProgramNr, &MaxLengdeD, &DirProgramNr, &TimeSize, &UnderKataloger, &Artikkel, &Beskrivelse,
      // Mazak
      &MazatrolAuto, &MazPrint, &MazatrolNavn, &MazExt, &HenteProgramNr, &Hent5000, &Robot,
      &SjekkFormat, &TapeMarks, &LinjeSjekk, &SaveTapeMarks,
      // Terminal
      &TerminalMaskiner, &OppdaterMaskiner, &F1, &F2, &F3, &F4, &F5, &Linjer2,
      // Parallell
      &InvMotor, &InvRetning, &InvRead, &InvSpocket, &BareFram, &Punch, &TimeOutP, &BreakP, &ParDelay,
      &ParallellKode, &Adresse, &StartPos,
      // Forinnst.
      &Forinstiller, &ForInstTips, &SlettTool, &ForInstPrint, &StortProgNr, &ToolGrid,
      // Logging
      &LoggeFil, &MakroProgram, &Makro, &StartHendelse, &StoppHendelse, &StartParameter,
      &StoppParameter,
      // LoggeBoks
      &LoggeMaskin, &MaskeInv, &SjekkTid, &BoksGrid,
      // FTP
      &FtpKatalog, &FtpExt, &NcExt, &FtpUnderKataloger, &FtpFilNavn, &FtpStartLagre, &FtpStoppLagre,
      // Annet
      &AnnetGrid,
  };
  for (Control* c : alle) {
    kontroller_.push_back(c);
    navn_[c->name()] = c;
  }
  // Where each control sits, from the page layout (labels and named group
  // boxes sit on the page of their control).
  std::function<void(const Gruppe&, SideId)> gaa = [&](const Gruppe& g, SideId s) {
    if (!g.navn.empty()) sideAv_[g.navn] = s;
    for (const Felt& f : g.felter) {
      if (!f.kontroll.empty()) sideAv_[f.kontroll] = s;
      if (!f.label.empty()) sideAv_[f.label] = s;
    }
    for (const Gruppe& u : g.grupper) gaa(u, s);
  };
  for (const SideOppsett& s : Sider())
    for (const Gruppe& g : s.grupper) gaa(g, s.id);
}

void Editor::kobleHandlere() {
  for (Control* c : kontroller_)
    if (auto* h = Endringshandler(*c)) *h = [this] { FirmaChange(); };
  MaskinBoks.onChange = [this] { MaskinBoksChange(); };
  OKBtn.onClick = [this] { OKBtnClick(); };
  Angre.onClick = [this] { AngreClick(); };
  Avslutt.onClick = [this] { AvsluttClick(); };

  Maskiner.onChange = [this] { MaskinerChange(); };
  Maskiner.onExit = [this] {
    // A count typed outside 1-255 is refused and the field gets back the
    // count in use; taken as its remainder by 256 it would silently show
    // other machines (300 would be 44). A stored count is read as before.
    const long skrevet = TallFraTekst(Maskiner.text());
    if ((skrevet < 1 || skrevet > 255) && !MaskinBoks.items().empty()) {
      operatoren().melding("Antall maskiner", "Antall maskiner må være fra 1 til 255, ikke \"" + Maskiner.text() + "\".",
                           Ikon::Advarsel);
      Maskiner.setText(std::to_string(MaskinBoks.items().size()));
    }
    MaskinerExit();
  };
  Styring.onChange = [this] { StyringChange(); };
  Alternativ.onChange = [this] { AlternativChange(); };
  Protokoll.onChange = [this] { ProtokollChange(); };
  HenteProgram.onChange = [this] { HenteProgramChange(); };
  Com.onChange = [this] { ComChange(); };
  ComPort.onChange = [this] { ComPortClick(); };
  Baud.onChange = [this] { BaudChange(); };
  BaudRate.onClick = [this] { BaudRateClick(); };
  HandShake.onChange = [this] { HandShakeChange(); };
  HandShakeR.onClick = [this] { HandShakeRClick(); };
  MaxLengde.onChange = [this] { MaxLengdeChange(); };
  MaxLengdeD.onChange = [this] { MaxLengdeDChange(); };
  Katalog.onChange = [this] { KatalogChange(); };
  DefaultBaud.onClick = [this] { DefaultBaudClick(); };
  LagreKoder.onClick = [this] { LagreKoderClick(); };
  Utvid.onExit = [this] { UtvidExit(); };
  ToolGrid.onSetEditText = [this](int r, int c, const std::string& t) { ToolGridSetEditText(r, c, t); };
  AnnetGrid.onSetEditText = [this](int r, int c, const std::string& t) { ToolGridSetEditText(r, c, t); };
  BoksGrid.onSetEditText = [this](int r, int c, const std::string& t) { BoksGridSetEditText(r, c, t); };

  // A change the operator makes to a port key is noted, so that a save with
  // no port to store it under is not done without a word.
  for (SideId side : {SideId::Maskin, SideId::Com, SideId::Mazak})
    for (const Nokkel& n : Nokler(side)) {
      Control* c = n.seksjon == SeksjonsType::Port ? find(n.kontroll) : nullptr;
      if (c && std::find(portKontroller_.begin(), portKontroller_.end(), c) == portKontroller_.end())
        portKontroller_.push_back(c);
    }
  for (Control* c : portKontroller_)
    if (auto* h = Endringshandler(*c)) {
      *h = [this, eget = std::move(*h)] {
        if (!Laster()) portEndret_ = true;
        if (eget) eget();
      };
    }

  // Auxiliary commands (editor/kommandoer.h, editor/filindeks.h).
  Indeks.onClick = [this] { IndeksClick(*this); };
  Brul_INI.onClick = [] { ApneIniFil(); };
  ComPortBtn.onClick = [this] { PortForm.VisOversikt(OversiktAntall(*this)); };
  ForInstTips.onClick = [this] { operatoren().melding(ForInstTipsCaption, ForInstTipsTekst(ValgtSeksjon()), Ikon::Informasjon); };
}

// Headers, fixed row labels and the fixed drop-down lists. The machine list of
// the presetter grid's column 3 is added by FormCreate once the count is known.
void Editor::gridOppsett() {
  const char* const tool[] = {"Sys", "Type", "ProgDiv", "Mask", "NomSjekk", "ToolReg", "NomReg"};
  for (int c = 0; c < 7; ++c) ToolGrid.setCell(0, c, tool[c]);
  ToolGrid.setDropDown(1, ToolTypeListe());
  ToolGrid.setDropDown(2, ProgDivListe());
  ToolGrid.setDropDown(4, NomSjekkListe());

  const char* const boks[] = {"Bit, av/på", "Hendelse", "Parameter", "Kommentar"};
  for (int c = 0; c < 4; ++c) BoksGrid.setCell(0, c, boks[c]);
  BoksGrid.setDropDown(1, HendelseListe());
  for (int k = 0; k <= 15; ++k) {
    BoksGrid.setCell(2 * k + 1, 0, "Bit" + std::to_string(k) + ",1");
    BoksGrid.setCell(2 * k + 2, 0, "Bit" + std::to_string(k) + ",0");
  }

  const char* const annet[] = {"Variabel", "VariabelNavn", "Verdi"};
  for (int c = 0; c < 3; ++c) AnnetGrid.setCell(0, c, annet[c]);
  for (int r = 1; r < AnnetGrid.rowCount(); ++r) AnnetGrid.setCell(r, 0, "Variabel" + std::to_string(r));
}

Control* Editor::find(const std::string& name) {
  auto it = navn_.find(name);
  return it == navn_.end() ? nullptr : it->second;
}

const Control* Editor::finn(const std::string& name) const {
  auto it = navn_.find(name);
  return it == navn_.end() ? nullptr : it->second;
}

std::string Editor::tekstAv(const std::string& kontroll) const {
  const Control* c = finn(kontroll);
  if (!c) throw std::logic_error("ukjent kontroll " + kontroll);
  if (c->kind() == ControlKind::Edit) return static_cast<const Edit*>(c)->text();
  if (c->kind() == ControlKind::Combo) return static_cast<const Combo*>(c)->text();
  return {};
}

Page& Editor::side(SideId id) {
  Page* sider[] = {&TabProgram, &TabMaskin,  &TabFiler,    &TabComPort, &TabProtokoll, &TabHenteprogram,
                   &TabHenteProgram2, &TabToolDir, &TabMazatrol, &TabTerminal, &TabParallell, &TabForInst,
                   &TabLogging, &TabLoggeBoks, &TabFTP, &TabAnnet};
  const auto i = static_cast<size_t>(id);
  if (i >= std::size(sider)) throw std::out_of_range("ukjent side");
  return *sider[i];
}

SideId Editor::sideAv(const std::string& kontroll) const {
  auto it = sideAv_.find(kontroll);
  return it == sideAv_.end() ? SideId::Program : it->second;
}

bool Editor::paSide(const std::string& kontroll) const { return sideAv_.count(kontroll) > 0; }

void Editor::settAktivSide(SideId id) {
  if (aktiv_ == id) return;
  aktiv_ = id;
  visAktivSide();
}

void Editor::visAktivSide() {
  if (onAktivSide) onAktivSide();
}

bool Editor::byttSide(SideId id) {
  if (id == aktiv_) return true;
  if (!side(id).shown()) return false;
  if (!PageControl1Changing()) return false;
  // Resolving the pending edits reloads the machine or saves it with an armed
  // preset; either may leave a protocol that hides the page asked for, and a
  // hidden page cannot become the page shown.
  if (!side(id).shown()) return false;
  settAktivSide(id);
  return true;
}

}  // namespace brul
