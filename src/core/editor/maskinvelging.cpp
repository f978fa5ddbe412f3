// The editor: the frame, and picking a machine (the selector, the count of machines, closing).
#include "editor/editor.h"

#include <limits>

#include "app/maskin.h"
#include "app/operator.h"
#include "app/tilstand.h"
#include "editor/maskinvalg.h"
#include "editor/rom.h"
#include "platform/sti.h"
#include "platform/tekst.h"
#include "store/forhandsvisning.h"
#include "store/lager.h"
#include "store/settings.h"

namespace brul {

using namespace rom;

namespace {

const char* const versjon = BRUL_VERSJON;

}  // namespace

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

}  // namespace brul
