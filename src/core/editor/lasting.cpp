// The editor: loading a machine's pages from the file, row by row.
#include "editor/editor.h"

#include "app/maskin.h"
#include "editor/konverteringer.h"
#include "editor/rom.h"
#include "platform/tekst.h"
#include "store/settings.h"

namespace brul {

using namespace rom;

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

}  // namespace brul
