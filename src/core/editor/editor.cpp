#include "editor/editor.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <stdexcept>

#include "app/lagring.h"
#include "app/maskin.h"
#include "app/operator.h"
#include "app/oppstart.h"
#include "app/tilstand.h"
#include "editor/filindeks.h"
#include "editor/forvalgspass.h"
#include "editor/kommandoer.h"
#include "editor/konverteringer.h"
#include "editor/maskinvalg.h"
#include "platform/fil.h"
#include "platform/sti.h"
#include "store/batch.h"
#include "store/forhandsvisning.h"
#include "store/lager.h"
#include "store/settings.h"
#include "platform/tekst.h"

namespace brul {
namespace {

// Loading and saving go through the machine pages in this order.
constexpr SideId maskinSider[] = {SideId::Maskin,   SideId::Filer,     SideId::Com,     SideId::Protokoll,
                                  SideId::Henteprog, SideId::Henteprog2, SideId::ToolDir, SideId::Mazak,
                                  SideId::Parallell, SideId::Terminal,  SideId::ForInst, SideId::Logging,
                                  SideId::LoggeBoks, SideId::FTP,       SideId::Annet};

const char* const versjon = BRUL_VERSJON;

// Counts nested loads so that Laster() holds for the whole of LesOppsett.
struct Teller {
  int& n;
  explicit Teller(int& t) : n(t) { ++n; }
  ~Teller() { --n; }
};

// The batch of one operator action; none when measuring the cost without.
struct Handling {
  std::optional<Batch> b;
  explicit Handling(bool batch) {
    if (batch) b.emplace();
  }
  // Asks about conflicts and reports a failure; `flettet` tells whether
  // another program's changes were kept beside the action's own.
  bool commit(bool* flettet = nullptr) { return b ? LagreHandling(*b, flettet) : true; }
  bool avvist() const { return b && b->avvist(); }
  void forkast() {
    if (b) b->forkast();
  }
};

// A path field's value as the Windows programs that read the file name it
// (a folder of this system through the drive map). One they cannot name is
// refused with the reason, and the whole save with it: nothing is written,
// and no folder is created from it.
bool SomLagret(const Nokkel& n, const std::string& seksjon, std::string& verdi) {
  std::string grunn;
  const auto lagret = platform::LagretVerdi(verdi, n.sti == Sti::Mappe, grunn);
  if (lagret) {
    verdi = *lagret;
    return true;
  }
  std::string tekst = "[" + seksjon + "] " + n.nokkel + " ble ikke lagret i " + IniFil + ". " + KatalogAvvist(grunn);
  // A default folder from a data folder with no Windows form: the entry to add.
  if (const std::string mappe = UbruktMappe(); !mappe.empty() && platform::ErLokalForm(verdi))
    tekst += "\n" + mappe;
  VisMelding("Lagre", tekst);
  Batch().avvis();
  return false;
}

}  // namespace

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

// ---- Frame and machine selection --------------------------------------------

void Editor::FormCreate() {
  HjelpFil = ExeKatalog + "Hjelp\\BrulINI.HLP";
  Skrivebeskyttet = platform::SkrivebeskyttetGrunn(platform::LokalSti(IniFil)).value_or("");
  Caption += std::string("  (versjon ") + versjon + ")";
  settAktivSide(SideId::Maskin);
  // A stored number beyond the integer range must not wrap onto a real
  // machine: it counts as beyond the machine count (machine 1 is selected).
  const long start = LesTall("Program", "Maskin", 0);
  StartMaskin = start > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max()
                : start < 0                              ? 0
                                                         : static_cast<int>(start);
  LesOppsett(true, true);
  // The machine list of the presetter grid keeps the count of start-up.
  std::vector<std::string> maskiner;
  for (size_t i = 1; i <= MaskinBoks.items().size(); ++i) maskiner.push_back(std::to_string(i));
  ToolGrid.setDropDown(3, maskiner);
}

void Editor::FirmaChange() {
  OKBtn.setEnabled(true);
  Angre.setEnabled(true);
  MaskinBoks.setEnabled(false);
}

void Editor::MaskinerChange() {
  if (!normaliserer_) VisMaskiner.setText(Maskiner.text());
  FirmaChange();
}

int AntallMaskiner(const std::string& tekst) {
  long antall = TallFraTekst(tekst) % 256;
  if (antall < 0) antall += 256;
  return antall == 0 ? 1 : static_cast<int>(antall);
}

void Editor::MaskinerExit() {
  int valgt = MaskinBoks.itemIndex();
  if (StartMaskin > 0) valgt = StartMaskin - 1;
  StartMaskin = 0;

  const int antall = AntallMaskiner(Maskiner.text());
  {
    // While loading, a stored count written another way ("05") is shown
    // normalised without overwriting a VisMaskiner value stored beside it;
    // a VisMaskiner that is not stored reads as the count and follows it,
    // as it does while the count is typed.
    const std::string skrevet = Maskiner.text();
    bool forrige = normaliserer_;
    normaliserer_ = Laster();
    Maskiner.setText(std::to_string(antall));
    normaliserer_ = forrige;
    if (Laster() && VisMaskiner.text() == skrevet && skrevet != Maskiner.text()) {
      bool lagret = false;
      for (const std::string& n : LesNokler("Program")) lagret = lagret || LikTekst(n, "VisMaskiner");
      if (!lagret) VisMaskiner.setText(Maskiner.text());
    }
  }

  std::vector<std::string> navn;
  {
    Handling b(enBatch_);
    for (int i = 1; i <= antall; ++i) navn.push_back(LesStreng(MaskinSeksjon(i), "Navn", MaskinSeksjon(i)));
    (void)b.commit();
  }
  MaskinBoks.setItems(std::move(navn));
  MaskinBoks.setItemIndex(valgt < 0 || valgt >= antall ? 0 : valgt);
  // A lower count can drop the machine shown; the pages then show the
  // machine now selected, or the next save would write the machine shown
  // into the section of another. A load does this itself.
  if (!Laster() && ValgtMaskin() != visteMaskin_) lesMaskinSider();
}

void Editor::MaskinBoksChange() {
  // The machine to start with next time cannot be stored in a read-only
  // file; the operator was told once at start-up, not at every choice. A
  // look at a machine (the command line's show) records nothing.
  const bool husk = Skrivebeskyttet.empty() && HuskMaskinvalg;
  if (maskinvalgKjorer) maskinvalgKjorer->fullfor();  // an earlier pick's write first
  if (husk && maskinvalgKjorer && enBatch_ && !lager::IBatch()) {
    // The window shows the machine at once; the durable write of it follows
    // on another thread, against what the pages were loaded from.
    LesOppsett(false, true);
    auto jobb = std::make_shared<Maskinvalgskriving>();
    jobb->verdi = std::to_string(MaskinBoks.itemIndex() + 1);
    jobb->grunnlag = grunnlag_;
    maskinvalgKjorer->legg(std::move(jobb));
    return;
  }
  Handling b(enBatch_);
  LesOppsett(false, true);
  if (husk) SkrivStreng("Program", "Maskin", std::to_string(MaskinBoks.itemIndex() + 1));
  bool flettet = false;
  if (b.commit(&flettet) && flettet) LesOppsett(true, true);
  taGrunnlag();
}

void Editor::MaskinvalgSkrevet(const Maskinvalgskriving& s) {
  if (s.utfall) {
    if (!s.utfall.historikkfeil.empty()) VisMelding("Historikk", s.utfall.historikkfeil);
    // Another program's changes were kept beside the machine: the pages show
    // what the file now holds, as after a pick that wrote it itself.
    if (s.utfall.flettet) LesOppsett(true, true);
    else if (!s.etter.tomt() && grunnlag_.data() == s.grunnlag.data()) grunnlag_ = s.etter;
    return;
  }
  // Not written: done again here, where a conflict can be asked about and a
  // failure told, against the same base.
  Handling b(enBatch_);
  if (b.b && !s.grunnlag.tomt()) b.b->settGrunnlag(s.grunnlag);
  SkrivStreng("Program", "Maskin", s.verdi);
  bool flettet = false;
  if (b.commit(&flettet) && flettet) LesOppsett(true, true);
  taGrunnlag();
}

bool Editor::MaskinBoksClick() {
  if (Endret()) {
    if (operatoren().sporsmal(ValgtSeksjon() + ": Oppsettet er endret", "Lagre endringer ?", Ikon::Ingen)) {
      if (!OKBtnClick()) return false;
      // A save is followed by a load of the machine pages, so that they show
      // what the file now holds: a field whose default follows another
      // (BackupKatalog follows Katalog) was loaded before that field changed.
      // The page "Program" keeps the count as typed: a count of 0 still
      // refuses the page change.
      if (ValgtMaskin() != visteMaskin_) LesOppsett(true, true);
      else lesMaskinSider();
      return true;
    }
  }
  LesOppsett(true, true);
  return true;
}

bool Editor::PageControl1Changing() {
  if (!MaskinBoksClick()) return false;
  return TallFraTekst(Maskiner.text()) > 0;
}

// Every machine page is loaded again, not only the one shown: a linked field
// (Baud, the port's line settings, MaxLengde) carries an edit onto other
// pages, and a preset saved later writes those pages too.
void Editor::AngreClick() { LesOppsett(false, true); }

bool Editor::AvsluttClick() {
  if (!MaskinBoksClick()) return false;
  if (onLukk) onLukk();
  return true;
}

bool Editor::LukkForespurt() {
  if (!Endret()) return true;
  return MaskinBoksClick();
}

int Editor::ValgtMaskin() const { return MaskinBoks.itemIndex() + 1; }

std::string Editor::ValgtSeksjon() const { return MaskinSeksjon(ValgtMaskin()); }

// ---- Defaults and rows -------------------------------------------------------

std::string Editor::Seksjon(SeksjonsType s) const {
  switch (s) {
    case SeksjonsType::Program: return "Program";
    case SeksjonsType::Maskin: return ValgtSeksjon();
    case SeksjonsType::Port: return PortSeksjon();
  }
  return {};
}

std::string Editor::StandardTekst(const Standard& s) const {
  using T = Standard::Type;
  switch (s.type) {
    case T::Fast: return s.verdi;
    case T::Kontroll: return tekstAv(s.verdi);
    case T::IkkeKontroll: return StandardBool(s) ? "True" : "False";
    case T::Seksjon: return ValgtSeksjon();
    case T::StrekSeksjon: return "-" + ValgtSeksjon();
    case T::PortForvalg: return "Com" + std::to_string(ValgtMaskin() + 2);
    case T::MaskinKatalog: return brul::MaskinKatalog(ValgtMaskin());
    case T::ProgramExt: return brul::ProgramExt();
    case T::StartKode: return TabProtokoll.shown() ? "%X" : "%";
  }
  return {};
}

bool Editor::StandardBool(const Standard& s) const {
  using T = Standard::Type;
  if (s.type == T::Kontroll || s.type == T::IkkeKontroll) {
    const Control* c = finn(s.verdi);
    if (!c || c->kind() != ControlKind::Check) throw std::logic_error("ingen avkrysningsboks " + s.verdi);
    const bool v = static_cast<const Check*>(c)->checked();
    return s.type == T::Kontroll ? v : !v;
  }
  return LikTekst(s.verdi, "True");
}

void Editor::lesRad(const Nokkel& n) {
  if (n.bruk == Bruk::BareLagre) return;
  if (n.regel == Regel::Spesial) {
    KonverteringAv(n.konvertering).les(*this, n);
    return;
  }
  const std::string seksjon = Seksjon(n.seksjon);
  Control* c = find(n.kontroll);
  if (!c) throw std::logic_error("ukjent kontroll " + n.kontroll);
  if (n.regel == Regel::Tick) {
    static_cast<Check*>(c)->setChecked(LesBool(seksjon, n.nokkel, StandardBool(n.les)));
    return;
  }
  const std::string v = LesStreng(seksjon, n.nokkel, StandardTekst(n.les));
  switch (n.regel) {
    case Regel::Tekst: static_cast<Edit*>(c)->setText(v); break;
    case Regel::Liste: {
      auto* b = static_cast<Combo*>(c);
      b->setText(v);
      b->setItemIndex(FinnIndeks(v, b->items()));
      break;
    }
    case Regel::ListeTekst: static_cast<Combo*>(c)->setText(v); break;
    case Regel::ListeValg: {
      // Only the selection is loaded; a stored value that is no item is shown
      // as it is, since the box's text is what a save writes back.
      auto* b = static_cast<Combo*>(c);
      const int i = FinnIndeks(v, b->items());
      if (i < 0) b->setText(v);
      b->setItemIndex(i);
      break;
    }
    case Regel::Valg: {
      auto* g = static_cast<RadioGroup*>(c);
      g->setItemIndex(FinnIndeks(v, g->items()));
      break;
    }
    case Regel::Tick:
    case Regel::Spesial: break;
  }
}

void Editor::lagreRad(const Nokkel& n) {
  if (n.bruk == Bruk::BareLes) return;
  if (n.bruk == Bruk::LagreUtenForvalg && NyttForvalg) return;
  if (n.regel == Regel::Spesial) {
    KonverteringAv(n.konvertering).lagre(*this, n);
    return;
  }
  const std::string seksjon = Seksjon(n.seksjon);
  const Standard& skriv = n.skriv;
  Control* c = find(n.kontroll);
  if (!c) throw std::logic_error("ukjent kontroll " + n.kontroll);
  switch (n.regel) {
    case Regel::Tick:
      LagreBool(seksjon, n.nokkel, StandardBool(skriv), static_cast<Check*>(c)->checked());
      break;
    case Regel::Tekst: {
      std::string verdi = static_cast<Edit*>(c)->text();
      if (n.sti != Sti::Ingen) {
        // A path as the page loaded it (its default from a data folder with
        // no Windows form included) that cannot be named as the Windows
        // programs name it is left as it is, not written; only one the
        // operator typed is refused, and the save with it.
        std::string grunn;
        const bool lastet = TilStore(verdi) == LesStreng(seksjon, n.nokkel, StandardTekst(n.les));
        if (lastet && !platform::LagretVerdi(verdi, n.sti == Sti::Mappe, grunn)) return;
        if (!SomLagret(n, seksjon, verdi)) return;
      }
      LagreStreng(seksjon, n.nokkel, StandardTekst(skriv), verdi);
      break;
    }
    case Regel::Liste:
    case Regel::ListeTekst:
    case Regel::ListeValg:
      LagreStreng(seksjon, n.nokkel, StandardTekst(skriv), static_cast<Combo*>(c)->text());
      break;
    case Regel::Valg: {
      auto* g = static_cast<RadioGroup*>(c);
      if (g->itemIndex() >= 0) LagreStreng(seksjon, n.nokkel, StandardTekst(skriv), g->selectedText());
      break;
    }
    case Regel::Spesial: break;
  }
}

// ---- Loading --------------------------------------------------------------

void Editor::lesSide(SideId id) {
  if (id == SideId::Terminal) OppdaterMaskiner.setChecked(false);
  for (const Nokkel& n : Nokler(id)) lesRad(n);
  if (id == SideId::Maskin) {
    ProtokollChange();
    HenteProgramChange();
  } else if (id == SideId::Protokoll) {
    const std::string p = TilStore(Protokoll.text());
    LagreKoder.setEnabled(p == "BTR");
    StartStoppKodeUt.setEnabled(p == "BTR");
    LagreAlt.setEnabled(p == "BTR");
    RCC.setVisible(p == "ECHO");
  }
}

void Editor::LesOppsett(bool LesProgram, bool AlleSider) {
  Handling b(enBatch_);
  {
    Teller t(laster_);
    if (LesProgram || aktiv_ == SideId::Program) {
      lesSide(SideId::Program);
      MaskinerExit();
    }
    // Every machine page is loaded when the Program step selected another
    // machine than the pages show.
    const bool alle = AlleSider || ValgtMaskin() != visteMaskin_;
    for (SideId s : maskinSider)
      if (alle || aktiv_ == s) lesSide(s);
    if (alle) {
      visteMaskin_ = ValgtMaskin();
      vistPort_ = PortSeksjon();
    } else if (!LikTekst(PortSeksjon(), vistPort_)) {
      // Reloading one page brought back the stored port after another was
      // picked: the port keys on the other pages follow it, and so does the
      // "Com" page's port box.
      const int i = FinnIndeks(Com.text(), ComPort.items());
      ComPort.setItemIndex(i);
      if (i < 0) ComPort.setText(Com.text());
      lesPortRader();
    }
    nullstillKommandobokser();
    slutt();
  }
  (void)b.commit();
  taGrunnlag();
}

void Editor::taGrunnlag() {
  if (Laster()) return;  // the outermost load takes it
  grunnlag_ = lager::NaaverendeGrunnlag();
}

void Editor::nullstillKommandobokser() {
  OpprettKataloger.setChecked(false);
  OpprettHenteprogram.setChecked(false);
  DefaultBaud.setChecked(false);
}

// The machine pages of the machine now selected, keeping the pending edits of
// the page "Program" (the only page a changed count can come from).
void Editor::lesMaskinSider() {
  const bool endret = Endret();
  Handling b(enBatch_);
  {
    Teller t(laster_);
    for (SideId s : maskinSider) lesSide(s);
    visteMaskin_ = ValgtMaskin();
    vistPort_ = PortSeksjon();
    nullstillKommandobokser();
    slutt();
  }
  (void)b.commit();
  taGrunnlag();
  if (endret) FirmaChange();
}

// The keys of the port section on every page that shows them, from the
// section the port now named holds. A port without a section keeps what the
// pages show, so that a machine moves to a new port with its settings.
void Editor::lesPortNokler() {
  Handling b(enBatch_);
  {
    Teller t(laster_);
    if (!portBilde_) portBilde_ = taPortBilde();
    if (!LesNokler(PortSeksjon()).empty()) {
      lesPortRader();
      portEndret_ = false;  // the port's stored settings replaced what was changed
    } else {
      // A port typed letter by letter passes other ports on its way ("Com1"
      // before "Com12"): a new port gets what the pages showed before the
      // first pick, not the settings of a port passed on the way.
      for (const auto& sett : *portBilde_) sett();
      vistPort_ = PortSeksjon();
    }
  }
  (void)b.commit();
}

// What the port keys' controls show, as steps that put it back; combo boxes
// last, as the radio groups' handlers set their partner boxes.
std::vector<std::function<void()>> Editor::taPortBilde() {
  std::vector<std::function<void()>> forst, sist;
  for (Control* c : portKontroller_) {
    switch (c->kind()) {
      case ControlKind::Edit: {
        auto* f = static_cast<Edit*>(c);
        forst.push_back([f, t = f->text()] { f->setText(t); });
        break;
      }
      case ControlKind::Check: {
        auto* f = static_cast<Check*>(c);
        forst.push_back([f, v = f->checked()] { f->setChecked(v); });
        break;
      }
      case ControlKind::RadioGroup: {
        auto* g = static_cast<RadioGroup*>(c);
        forst.push_back([g, i = g->itemIndex()] { g->setItemIndex(i); });
        break;
      }
      case ControlKind::Combo: {
        auto* b = static_cast<Combo*>(c);
        sist.push_back([b, t = b->text(), i = b->itemIndex()] {
          b->setItemIndex(i);
          if (i < 0) b->setText(t);
        });
        break;
      }
      default: break;
    }
  }
  forst.insert(forst.end(), sist.begin(), sist.end());
  return forst;
}

void Editor::lesPortRader() {
  for (SideId s : {SideId::Maskin, SideId::Com, SideId::Mazak})
    for (const Nokkel& n : Nokler(s))
      if (n.seksjon == SeksjonsType::Port) lesRad(n);
  vistPort_ = PortSeksjon();
}

// The final steps of a load and of a save.
void Editor::slutt() {
  portBilde_.reset();
  portEndret_ = false;
  OKBtn.setEnabled(false);
  Angre.setEnabled(false);
  NyttForvalg = false;
  AktiverGrunnoppsett(true);
  MaskinBoks.setEnabled(!OKBtn.enabled());
  // A page whose tab the loaded protocol hides cannot stay the page shown.
  if (!side(aktiv_).shown()) settAktivSide(SideId::Maskin);
}

// ---- Saving -----------------------------------------------------------------

void Editor::lagKataloger() {
  if (!OpprettKataloger.checked()) return;
  // The folder as the save stored it; the path built from it needs its
  // final backslash, or the last part would be taken for a file name.
  std::string grunn;
  std::string k = Katalog.text();
  bool ok = !k.empty();
  if (ok) {
    const auto lagret = platform::LagretVerdi(k, true, grunn);
    ok = lagret.has_value();
    if (ok) k = *lagret;
  }
  if (ok && k.back() != '\\') k += '\\';
  // Only a folder on a mapped drive or share is created: a relative one
  // would land wherever the program was started.
  if (ok && !platform::Forankret(k)) {
    ok = false;
    grunn = platform::kIkkeForankret;
  }
  // The folder and the reason on lines of their own: a drive with no
  // mapping, a file in the way, no access.
  ok = ok && LagKatalog(k, grunn) && LagKatalog(k + "Backup\\", grunn);
  if (ok) OpprettKataloger.setChecked(false);
  else if (k.empty()) operatoren().melding("Opprette katalog", "Feil med oppretting av katalog");
  else operatoren().melding("Opprette katalog", "Feil med oppretting av katalog\n" + k + "\n" + grunn);
}

void Editor::lagreSide(SideId id) {
  for (const Nokkel& n : Nokler(id)) lagreRad(n);
}

// The question before a new controller type deletes the machine's section
// and its port's: it names the other machines whose settings go with the
// port section, so nobody deletes them unknowingly.
std::string Editor::SletteSporsmal(const std::string& seksjon) const {
  std::string tekst = "Slette seksjon [" + seksjon + "] og [" + Com.text() + "] først ?";
  if (Com.text().empty()) return tekst;
  std::string andre;
  const int antall = static_cast<int>(MaskinBoks.items().size());
  for (int i = 1; i <= antall; ++i) {
    if (i == ValgtMaskin()) continue;
    const std::string s = MaskinSeksjon(i);
    if (!LikTekst(LesStreng(s, "Port", "Com" + std::to_string(i + 2)), Com.text())) continue;
    andre += (andre.empty() ? "" : ", ") + s + " (" + LesStreng(s, "Navn", s) + ")";
  }
  if (!andre.empty()) tekst += "\r[" + Com.text() + "] brukes også av " + andre + ".";
  return tekst;
}

void Editor::lagreMaskinSide() {
  const std::string seksjon = ValgtSeksjon();
  if (NyttForvalg) {
    const std::string lagret = LesStreng(seksjon, "Styring", "");
    if (!lagret.empty() && !LikTekst(lagret, Styring.text()) &&
        operatoren().sporsmalSlette("Bytte styringstype", SletteSporsmal(seksjon))) {
      SlettSeksjon(seksjon);
      if (!Com.text().empty()) SlettSeksjon(Com.text());
    }
  }
  lagreSide(SideId::Maskin);
}

void Editor::lagreComSide() {
  if (ComPort.itemIndex() < 0 && Com.text().empty()) return;
  if (ComPort.itemIndex() >= 0) Com.setItemIndex(ComPort.itemIndex());
  lagreSide(SideId::Com);
}

void Editor::oppdaterMaskiner() {
  if (!OppdaterMaskiner.checked()) return;
  for (const Edit* f : {&F1, &F2, &F3, &F4, &F5})
    if (TallFraTekst(f->text()) > 0) LagreBool("Maskin" + f->text(), "FilNavnProgram", false, true);
}

std::string Editor::LagringsPort() const {
  if (aktiv_ == SideId::Com && ComPort.itemIndex() >= 0) return ComPort.text();
  return PortSeksjon();
}

bool Editor::OKBtnClick() {
  // Port settings the operator changed are stored in the section of the
  // machine's port: with no port they would be dropped without a word.
  const bool portSide =
      std::ranges::any_of(portKontroller_, [this](const Control* c) { return sideAv(c->name()) == aktiv_; });
  if (portEndret_ && portSide && LagringsPort().empty()) {
    VisMelding("Lagre", "Maskinen har ingen port (Com er tom), så endringene i portinnstillingene kan ikke lagres. "
                        "Velg en port, eller trykk Angre.");
    return false;
  }
  if (forLagring && !forLagring()) return false;
  Handling b(enBatch_);
  // Only what the operator changed against what the pages were loaded from
  // is written: another program's later change to a key shown but not
  // edited stays.
  if (b.b) b.b->settGrunnlag(grunnlag_);
  VentendeHenteprogram.clear();
  if (NyttForvalg) KjorForvalgspass(*this);
  const bool nf = NyttForvalg;
  auto aktiv = [&](SideId s) { return aktiv_ == s; };
  if (aktiv(SideId::Program)) lagreSide(SideId::Program);
  if (aktiv(SideId::Maskin) || nf) lagreMaskinSide();
  if (aktiv(SideId::Filer) || nf) lagreSide(SideId::Filer);
  if (aktiv(SideId::Com) || nf) lagreComSide();
  for (SideId s : {SideId::Protokoll, SideId::Henteprog, SideId::Henteprog2, SideId::ToolDir, SideId::Mazak})
    if (aktiv(s) || nf) lagreSide(s);
  if (aktiv(SideId::Parallell) || (nf && TilStore(Protokoll.text()) == "PARALLELL")) lagreSide(SideId::Parallell);
  if (aktiv(SideId::Terminal)) {
    oppdaterMaskiner();
    lagreSide(SideId::Terminal);
  }
  if (aktiv(SideId::ForInst)) lagreSide(SideId::ForInst);
  if (aktiv(SideId::Logging) || nf) lagreSide(SideId::Logging);
  if (aktiv(SideId::LoggeBoks)) lagreSide(SideId::LoggeBoks);
  if (aktiv(SideId::FTP) || nf) lagreSide(SideId::FTP);
  if (aktiv(SideId::Annet) || nf) lagreSide(SideId::Annet);
  // A page is saved whole or not at all: after a refused value (reported by
  // the store) nothing of the action is written, and the editor stays
  // changed so the operator can correct it.
  if (b.avvist()) {
    b.forkast();
    VentendeHenteprogram.clear();
    FirmaChange();
    return false;
  }
  // The selector shows the new Navn. Rebuilt only now, after every page is
  // written into the section of the machine the pages were loaded for.
  if (aktiv(SideId::Maskin) || nf) MaskinerExit();
  // Nothing typed is lost when the file cannot be written: the editor stays
  // changed (and a chosen preset stays armed) so OK can be pressed again.
  bool flettet = false;
  if (!b.commit(&flettet)) {
    b.forkast();
    VentendeHenteprogram.clear();
    FirmaChange();
    return false;
  }
  // Folders and fetch-program files belong to a save that is stored; the
  // folders come first, as the files go into them.
  lagKataloger();
  skrivHenteprogrammer();
  if (aktiv(SideId::ForInst)) ToolGridLagret(*this);
  slutt();
  // Another program's changes kept beside this save are shown at once: the
  // pages show the file as it now is, and the next save is measured from it.
  if (flettet) LesOppsett(true, true);
  else taGrunnlag();
  if (etterLagring) etterLagring();
  return true;
}

void Editor::skrivHenteprogrammer() {
  std::vector<std::pair<std::string, std::string>> filer;
  filer.swap(VentendeHenteprogram);
  for (const auto& [fil, innhold] : filer) {
    // Which file, and why, each on a line of its own.
    std::string grunn;
    if (!SkrivTekstfil(fil, innhold, grunn))
      VisMelding("Opprette henteprogram", "Oppretting av fil feilet\n" + fil + "\n" + grunn);
  }
}

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
