// The editor: saving a page (OK), row by row, and what a save makes beside the file.
#include "editor/editor.h"

#include <algorithm>

#include "app/maskin.h"
#include "app/operator.h"
#include "app/oppstart.h"
#include "app/tilstand.h"
#include "editor/forvalgspass.h"
#include "editor/kommandoer.h"
#include "editor/konverteringer.h"
#include "editor/rom.h"
#include "platform/tekst.h"
#include "store/settings.h"

namespace brul {

using namespace rom;

namespace {

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

}  // namespace brul
