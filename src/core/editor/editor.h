#pragma once
// The editor window as a headless model: every control of the sixteen pages
// and the bottom bar as a named member, the editor's state (changed, armed
// preset, active page) and its event handlers. The window binds widgets to the
// controls by name (find) and forwards the operator's actions; the command
// line and the tests drive the same object without a display.
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "editor/controls.h"
#include "schema/lister.h"
#include "schema/nokler.h"
#include "schema/sider.h"
#include "schema/styringer.h"
#include "store/batch.h"
#include "windows/portoversikt.h"

namespace brul {

struct Maskinvalgskriving;
class MaskinvalgKjorer;

class Editor {
 public:
  Editor();
  Editor(const Editor&) = delete;
  Editor& operator=(const Editor&) = delete;

  // ---- Window ----------------------------------------------------------
  std::string Caption = "Tarvsamband - Redigering av Brul.INI";
  std::string HjelpFil;  // set by FormCreate
  // Why the settings file cannot be saved, found by FormCreate; empty when it
  // can. The window says so once; choosing a machine then stores nothing.
  std::string Skrivebeskyttet;
  // The text of the question before a new controller type deletes `seksjon`
  // and its port's section.
  std::string SletteSporsmal(const std::string& seksjon) const;

  // ---- Pages, in tab order ---------------------------------------------
  Page TabProgram{"TabProgram", "Program"};
  Page TabMaskin{"TabMaskin", "Maskin"};
  Page TabFiler{"TabFiler", "Filer"};
  Page TabComPort{"TabComPort", "Com"};
  Page TabProtokoll{"TabProtokoll", "Protokoll"};
  Page TabHenteprogram{"TabHenteprogram", "Henteprog."};
  Page TabHenteProgram2{"TabHenteProgram2", "Henteprog2"};
  Page TabToolDir{"TabToolDir", "Tool/Dir"};
  Page TabMazatrol{"TabMazatrol", "Mazak"};
  Page TabTerminal{"TabTerminal", "Terminal"};
  Page TabParallell{"TabParallell", "Parallell"};
  Page TabForInst{"TabForInst", "Forinnst."};
  Page TabLogging{"TabLogging", "Logging"};
  Page TabLoggeBoks{"TabLoggeBoks", "LoggeBoks"};
  Page TabFTP{"TabFTP", "FTP"};
  Page TabAnnet{"TabAnnet", "Annet"};

  // ---- Bottom bar ------------------------------------------------------
  Combo MaskinBoks{"MaskinBoks"};
  Button Brul_INI{"Brul_INI", "Brul.INI"};
  Button Angre{"Angre", "Angre"};
  Button OKBtn{"OKBtn", "OK"};
  Button Avslutt{"Avslutt", "Avslutt"};

  // ---- Page "Program" ----------------------------------------------------
  Edit Maskiner{"Maskiner"};
  Edit VisMaskiner{"VisMaskiner"};
  Check Vis{"Vis"};
  Check VisAvsluttBoks{"VisAvsluttBoks"};
  Check TekstFormat{"TekstFormat"};
  Check Felleskataloger{"Felleskataloger"};
  Check BakFiler{"BakFiler"};
  Check Hendelser{"Hendelser"};
  Check Indeks{"Indeks"};
  Check UtKatalog{"UtKatalog"};
  Edit Skriver{"Skriver"};
  Edit SideLengde{"SideLengde"};
  Check Matrise{"Matrise"};
  Check PJL{"PJL"};

  // ---- Page "Maskin" -----------------------------------------------------
  Edit MaskinNavn{"MaskinNavn"};
  Combo Styring{"Styring", StyringsTekster()};
  Combo Alternativ{"Alternativ"};
  Combo Com{"Com", PortListe()};
  Label BaudL{"BaudL", "Baud-rate:"};
  Combo Baud{"Baud", BaudListe()};
  Label HandShakeL{"HandShakeL", "Handshake:"};
  Combo HandShake{"HandShake", HandShakeListe()};
  Button ComPortBtn{"ComPortBtn", "..."};
  Label Grunnoppsett{"Grunnoppsett", "Grunnoppsett", ControlKind::Group};
  Label ProtokollL{"ProtokollL", "Protokoll:"};
  Combo Protokoll{"Protokoll", ProtokollListe()};
  Label HenteProgL{"HenteProgL", "Henteprog:"};
  Combo HenteProgram{"HenteProgram", HenteProgramListe()};
  Label ToolProtokollL{"ToolProtokollL", "Toolprotokoll:"};
  Combo ToolProtokoll{"ToolProtokoll", ToolProtokollListe()};
  Label DirFilTypeL{"DirFilTypeL", "DirFilType:"};
  Combo DirFilType{"DirFilType", DirFilTypeListe()};
  Edit Katalog{"Katalog"};
  Edit Ext{"Ext"};
  Check OpprettKataloger{"OpprettKataloger"};
  Check OpprettHenteprogram{"OpprettHenteprogram"};
  Check DefaultBaud{"DefaultBaud"};

  // ---- Page "Filer" ------------------------------------------------------
  Edit IngenFil{"IngenFil"};
  Edit FeilFil{"FeilFil"};
  Edit KvitteringsTid{"KvitteringsTid"};
  Edit Kvittering{"Kvittering"};
  Edit FeilMelding{"FeilMelding"};
  Edit BackupFiles{"BackupFiles"};
  Edit BackupKatalog{"BackupKatalog"};
  Edit FjernLinje{"FjernLinje"};
  Edit FjernTegn{"FjernTegn"};
  Combo FilFormat{"FilFormat", FilFormatListe()};
  Edit ByttFra{"ByttFra"};
  Edit ByttTil{"ByttTil"};
  Check StoreBokstaver{"StoreBokstaver"};
  Edit Utvid{"Utvid"};
  Edit UtvidEkstra{"UtvidEkstra"};

  // ---- Page "Com" --------------------------------------------------------
  Combo ComPort{"ComPort", PortListe()};
  RadioGroup BaudRate{"BaudRate", "BaudRate", BaudListe()};
  RadioGroup HandShakeR{"HandShakeR", "HandShake", HandShakeListe()};
  RadioGroup Paritet{"Paritet", "Paritet", ParitetListe()};
  RadioGroup TegnKode{"TegnKode", "Kode", TegnKodeListe()};
  RadioGroup Bit{"Bit", "Bit", BitListe()};
  RadioGroup StoppBit{"StoppBit", "StoppBit", StoppBitListe()};
  Check FjernNull{"FjernNull"};
  Check Blokkvis{"Blokkvis"};
  Edit NyBlokkvis{"NyBlokkvis"};
  Edit BrytBlokkvis{"BrytBlokkvis"};
  Edit TimeOut{"TimeOut"};
  Edit Break{"Break"};
  Edit TimeMultiplier{"TimeMultiplier"};
  Edit ComDelay{"ComDelay"};
  Edit EOB{"EOB"};
  Edit StoppTid{"StoppTid"};

  // ---- Page "Protokoll" --------------------------------------------------
  Edit StartKode{"StartKode"};
  Edit StoppKode{"StoppKode"};
  Edit StoppTegn{"StoppTegn"};
  Edit StoppFeil{"StoppFeil"};
  Edit StartEkstra{"StartEkstra"};
  Edit StoppEkstra{"StoppEkstra"};
  Edit Ventetid{"Ventetid"};
  Check RCC{"RCC"};
  Check StartStoppKodeUt{"StartStoppKodeUt"};
  Check LagreKoder{"LagreKoder"};
  Check LagreAlt{"LagreAlt"};

  // ---- Page "Henteprog." -------------------------------------------------
  Check BareTall{"BareTall"};
  Edit StartLagre{"StartLagre"};
  Edit StoppLagre{"StoppLagre"};
  Edit Hent{"Hent"};
  Label StartHentL{"StartHentL", "StartHent:"};
  Edit StartHent{"StartHent"};
  Label StoppHentL{"StoppHentL", "StoppHent:"};
  Edit StoppHent{"StoppHent"};
  Edit Print{"Print"};
  Label StartPrintL{"StartPrintL", "StartPrint:"};
  Edit StartPrint{"StartPrint"};
  Label StoppPrintL{"StoppPrintL", "StoppPrint"};
  Edit StoppPrint{"StoppPrint"};
  Edit DirHent{"DirHent"};
  Label StartDirL{"StartDirL", "StartDir:"};
  Edit StartDir{"StartDir"};
  Label StoppDirL{"StoppDirL", "StoppDir:"};
  Edit StoppDir{"StoppDir"};
  Edit MaxLengde{"MaxLengde"};
  Edit Tool{"Tool"};
  Check FilNavnProgram{"FilNavnProgram"};
  Edit KatalogTegn{"KatalogTegn"};
  Edit MaxHent{"MaxHent"};
  Edit MaxLinjer{"MaxLinjer"};
  Check FilNavnNullstill{"FilNavnNullstill"};

  // ---- Page "Henteprog2" -------------------------------------------------
  Edit StartLagre2{"StartLagre2"};
  Edit StoppLagre2{"StoppLagre2"};
  Edit Hent2{"Hent2"};
  Edit StartHent2{"StartHent2"};
  Edit StoppHent2{"StoppHent2"};
  Edit Katalog2{"Katalog2"};
  Edit Ext2{"Ext2"};

  // ---- Page "Tool/Dir" ---------------------------------------------------
  Edit ToolLagre{"ToolLagre"};
  Edit ToolMult{"ToolMult"};
  Edit ToolDesimaler{"ToolDesimaler"};
  Edit ToolReg{"ToolReg"};
  Edit NomReg{"NomReg"};
  Check AutoToolLoad{"AutoToolLoad"};
  Check SlettToolReg{"SlettToolReg"};
  Edit ToolProgramNr{"ToolProgramNr"};
  Edit MaxLengdeD{"MaxLengdeD"};
  Edit DirProgramNr{"DirProgramNr"};
  RadioGroup TimeSize{"TimeSize", "TimeSize", TimeSizeListe()};
  Check UnderKataloger{"UnderKataloger"};
  Edit Artikkel{"Artikkel"};
  Edit Beskrivelse{"Beskrivelse"};

  // ---- Page "Mazak" ------------------------------------------------------
  Check MazatrolAuto{"MazatrolAuto"};
  Check MazPrint{"MazPrint"};
  Check MazatrolNavn{"MazatrolNavn"};
  Edit MazExt{"MazExt"};
  Edit HenteProgramNr{"HenteProgramNr"};
  Check Hent5000{"Hent5000"};
  Edit Robot{"Robot"};
  Check SjekkFormat{"SjekkFormat"};
  Check TapeMarks{"TapeMarks"};
  Check LinjeSjekk{"LinjeSjekk"};
  Check SaveTapeMarks{"SaveTapeMarks"};

  // ---- Page "Terminal" ---------------------------------------------------
  Edit TerminalMaskiner{"TerminalMaskiner"};
  Check OppdaterMaskiner{"OppdaterMaskiner"};
  Edit F1{"F1"};
  Edit F2{"F2"};
  Edit F3{"F3"};
  Edit F4{"F4"};
  Edit F5{"F5"};
  Check Linjer2{"Linjer2"};

  // ---- Page "Parallell" --------------------------------------------------
  Check InvMotor{"InvMotor"};
  Check InvRetning{"InvRetning"};
  Check InvRead{"InvRead"};
  Check InvSpocket{"InvSpocket"};
  Check BareFram{"BareFram"};
  Check Punch{"Punch"};
  Edit TimeOutP{"TimeOutP"};
  Edit BreakP{"BreakP"};
  Edit ParDelay{"ParDelay"};
  RadioGroup ParallellKode{"ParallellKode", "Kode", ParallellKodeListe()};
  Edit Adresse{"Adresse"};
  Edit StartPos{"StartPos"};

  // ---- Page "Forinnst." --------------------------------------------------
  Combo Forinstiller{"Forinstiller", ForinstillerListe()};
  Button ForInstTips{"ForInstTips", ""};
  Edit SlettTool{"SlettTool"};
  Check ForInstPrint{"ForInstPrint"};
  Check StortProgNr{"StortProgNr"};
  Grid ToolGrid{"ToolGrid", 7, 21, 1, 0};

  // ---- Page "Logging" ----------------------------------------------------
  Edit LoggeFil{"LoggeFil"};
  Combo MakroProgram{"MakroProgram", MakroProgramListe()};
  Edit Makro{"Makro"};
  Edit StartHendelse{"StartHendelse"};
  Edit StoppHendelse{"StoppHendelse"};
  Edit StartParameter{"StartParameter"};
  Edit StoppParameter{"StoppParameter"};

  // ---- Page "LoggeBoks" --------------------------------------------------
  Edit LoggeMaskin{"LoggeMaskin"};
  Edit MaskeInv{"MaskeInv"};
  Edit SjekkTid{"SjekkTid"};
  Grid BoksGrid{"BoksGrid", 4, 33, 1, 1};

  // ---- Page "FTP" --------------------------------------------------------
  Edit FtpKatalog{"FtpKatalog"};
  Edit FtpExt{"FtpExt"};
  Edit NcExt{"NcExt"};
  Check FtpUnderKataloger{"FtpUnderKataloger"};
  Combo FtpFilNavn{"FtpFilNavn", FtpFilNavnListe()};
  Edit FtpStartLagre{"FtpStartLagre"};
  Edit FtpStoppLagre{"FtpStoppLagre"};

  // ---- Page "Annet" ------------------------------------------------------
  Grid AnnetGrid{"AnnetGrid", 3, 21, 1, 1};

  // ---- The COM-port overview (opened by ComPortBtn) ----------------------
  TPortForm PortForm;

  // ---- State -----------------------------------------------------------
  bool NyttForvalg = false;  // a controller variant was chosen since the last load or save
  int StartMaskin = 0;       // machine to select once after start-up (1-based, 0 for none)
  // A machine picked is remembered in the file ([Program] Maskin) as the
  // operator's choice; a look at a machine (the command line's show) is none.
  bool HuskMaskinvalg = true;
  // The system number each row of ToolGrid was loaded with (empty for none):
  // a row given another number at save moves its system.
  std::vector<std::string> ToolGridSystemer;
  // Fetch-program files (path, content) the preset of a save asks for; they
  // are written once the save is stored, so a refused or failed save leaves
  // no files behind.
  std::vector<std::pair<std::string, std::string>> VentendeHenteprogram;
  // The changed state: held as the enabled state of OK.
  bool Endret() const { return OKBtn.enabled(); }
  // True while LesOppsett fills the controls (handlers that must not ask the
  // operator during a load look at it).
  bool Laster() const { return laster_ > 0; }

  // ---- Registry for the view, the command line and the tests ------------
  Control* find(const std::string& name);            // nullptr when unknown
  const std::vector<Control*>& kontroller() const { return kontroller_; }  // declaration order
  Page& side(SideId id);
  SideId sideAv(const std::string& kontroll) const;  // the page a control sits on (Program for the bottom bar)
  bool paSide(const std::string& kontroll) const;    // false for the bottom bar
  SideId aktivSide() const { return aktiv_; }
  // Programmatic page change: no question, no handler.
  void settAktivSide(SideId id);
  // The operator clicks a tab: PageControl1Changing decides; true when the page changed.
  bool byttSide(SideId id);
  std::function<void()> onAktivSide;  // the view: the active page changed

  // ---- Frame and machine selection ---------------------------------------
  void FormCreate();
  void FirmaChange();
  void MaskinerChange();
  void MaskinerExit();
  void MaskinBoksChange();
  // Resolves pending edits (save or discard); false when a save was asked for
  // and could not be written, so the edits are still pending.
  bool MaskinBoksClick();
  // Before the active page changes; returns whether the change is allowed.
  bool PageControl1Changing();
  void AngreClick();
  // Returns whether the window may close (false when a save failed).
  bool AvsluttClick();
  // The close box of the window: asks like Avslutt.
  bool LukkForespurt();
  std::string ValgtSeksjon() const;
  int ValgtMaskin() const;  // 1-based

  // ---- Loading and saving ------------------------------------------------
  void LesOppsett(bool LesProgram, bool AlleSider);
  // Returns whether the save was written; on failure the editor stays changed.
  bool OKBtnClick();

  // ---- Protocol-dependent pages and presets ------------------------------
  void ProtokollChange();
  void HenteProgramChange();
  void AktiverGrunnoppsett(bool enable);
  void AlternativChange();
  void StyringChange();

  // ---- Linked fields -----------------------------------------------------
  void ComChange();
  void ComPortClick();
  void BaudChange();
  void BaudRateClick();
  void HandShakeChange();
  void HandShakeRClick();
  void MaxLengdeChange();
  void MaxLengdeDChange();
  void KatalogChange();
  void DefaultBaudClick();
  void LagreKoderClick();
  void UtvidExit();
  void ToolGridSetEditText(int row, int col, const std::string& text);
  void BoksGridSetEditText(int row, int col, const std::string& text);

  // The text of the port section the machine's line settings live in.
  std::string PortSeksjon() const { return Com.text(); }
  // The port section a save now would write the port keys into: the "Com"
  // page's port box when it is the page shown and has a port picked.
  std::string LagringsPort() const;
  // The controls of the port keys (pages "Maskin", "Com" and "Mazak"), each once.
  const std::vector<Control*>& portKontroller() const { return portKontroller_; }
  // The section a key table row addresses, and its defaults as they stand now
  // (defaults taken from another control read that control at this moment).
  std::string Seksjon(SeksjonsType s) const;
  std::string StandardTekst(const Standard& s) const;
  bool StandardBool(const Standard& s) const;
  // The view: Avslutt (or the close box) allowed the window to close.
  std::function<void()> onLukk;
  // The view: asked before OK saves anything; false leaves every edit and the
  // armed preset pending, as a save that could not be written does.
  std::function<bool()> forLagring;
  // The view: told after a save that stood (not after one refused or failed).
  std::function<void()> etterLagring;
  // The text a control shows (edit, combo) by registry name; empty for others.
  std::string tekstAv(const std::string& kontroll) const;
  // The file as the pages were loaded from it (a preview puts it back after
  // its dry run).
  const Grunnlag& grunnlag() const { return grunnlag_; }
  void settGrunnlag(const Grunnlag& g) { grunnlag_ = g; }
  // A window that must not wait for the disk sets this: a pick then loads
  // the pages and hands the write of the machine it remembers to it, as a
  // job to run on another thread. Until the job has run and
  // MaskinvalgSkrevet has taken in what it came to, on this thread, nothing
  // may use the settings file. Null, a pick writes it before it returns.
  MaskinvalgKjorer* maskinvalgKjorer = nullptr;
  // What a job of maskinvalgKjorer came to, taken in before the next use of
  // the file: the base of the next save, the pages loaded again when another
  // program's changes were merged, and a write the job could not finish
  // alone (a conflict, a failure) done here, with its question or message.
  void MaskinvalgSkrevet(const Maskinvalgskriving& s);
  // For measuring only: false makes every read and write of a load or a save
  // its own access to the file, as outside a batch. Default true.
  void settEnBatchPerHandling(bool paa) { enBatch_ = paa; }

 private:
  void registrer();
  void kobleHandlere();
  void lesSide(SideId id);
  void lesMaskinSider();
  void skrivHenteprogrammer();
  void lesPortNokler();
  void lesPortRader();
  std::vector<std::function<void()>> taPortBilde();
  void nullstillKommandobokser();
  void lagreSide(SideId id);
  void lagreMaskinSide();
  void lagreComSide();
  void lagKataloger();
  void slutt();  // the final steps of a load or a save
  void taGrunnlag();  // the file as the pages now show it, for the next save
  void lesRad(const Nokkel& n);
  void lagreRad(const Nokkel& n);
  void oppdaterMaskiner();
  void gridOppsett();
  void visAktivSide();
  const Control* finn(const std::string& name) const;

  std::vector<Control*> kontroller_;
  std::vector<Control*> portKontroller_;
  std::map<std::string, Control*> navn_;
  std::map<std::string, SideId> sideAv_;
  SideId aktiv_ = SideId::Maskin;
  int laster_ = 0;
  bool speiler_ = false;     // MaxLengde and MaxLengdeD copy each other
  bool normaliserer_ = false;  // MaskinerExit rewrites Maskiner while loading
  bool enBatch_ = true;        // one batch per load and per save
  int visteMaskin_ = 0;        // the machine the machine pages were loaded for (1-based)
  std::string vistPort_;       // the port section the port keys on the pages stand for
  // What the port keys' controls showed before the first port picked since
  // the last load or save.
  std::optional<std::vector<std::function<void()>>> portBilde_;
  // The operator changed a control of a port key since the last load or save.
  bool portEndret_ = false;
  // The file as the pages were loaded from it: what a save's edits are
  // measured against.
  Grunnlag grunnlag_;
};

// The machine count a stored Maskiner value means: wrapped to 8 bits as the
// transfer programs do, 0 read as 1. The editor shows that many machines and
// the check looks at the same ones.
int AntallMaskiner(const std::string& tekst);

}  // namespace brul
