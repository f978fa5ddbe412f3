#include "editor/lagringsvisning.h"

#include <functional>
#include <optional>

#include "app/operator.h"
#include "app/skriptoperator.h"
#include "editor/editor.h"

namespace brul {
namespace {

// Sets a value with the control's handler set aside, so restoring it does not
// run the linked field or rule a second time.
template <class Handler, class Sett>
void utenHandler(Handler& h, Sett sett) {
  auto satt = std::move(h);
  h = nullptr;
  sett();
  h = std::move(satt);
}

// Everything a save can change in the editor: each control's state, which
// pages are shown, the armed preset and the active page.
class Tilstand {
 public:
  explicit Tilstand(Editor& e) : e_(e) {
    for (Control* c : e.kontroller()) {
      Kopi k;
      k.c = c;
      k.enabled = c->enabled();
      k.visible = c->visible();
      switch (c->kind()) {
        case ControlKind::Edit: k.tekst = static_cast<Edit*>(c)->text(); break;
        case ControlKind::Check: k.tick = static_cast<Check*>(c)->checked(); break;
        case ControlKind::Combo: {
          auto* b = static_cast<Combo*>(c);
          k.items = b->items();
          k.tekst = b->text();
          k.indeks = b->itemIndex();
          break;
        }
        case ControlKind::RadioGroup: k.indeks = static_cast<RadioGroup*>(c)->itemIndex(); break;
        case ControlKind::Grid: {
          auto* g = static_cast<Grid*>(c);
          k.celler.resize(static_cast<std::size_t>(g->rowCount()));
          for (int r = 0; r < g->rowCount(); ++r)
            for (int col = 0; col < g->colCount(); ++col) k.celler[static_cast<std::size_t>(r)].push_back(g->cell(r, col));
          break;
        }
        default: break;
      }
      kopier_.push_back(std::move(k));
    }
    for (int i = 0; i < AntallSider; ++i) vist_.push_back(e.side(static_cast<SideId>(i)).shown());
    nyttForvalg_ = e.NyttForvalg;
    aktiv_ = e.aktivSide();
    grunnlag_ = e.grunnlag();
  }

  // Puts it all back without raising a handler: the handlers are set aside
  // while the values go in, so no linked field or rule runs twice.
  void tilbake() {
    // The file the pages stand for: a dry run's saves moved it, the real
    // save that may follow starts from it again.
    e_.settGrunnlag(grunnlag_);
    for (Kopi& k : kopier_) {
      Control* c = k.c;
      switch (c->kind()) {
        case ControlKind::Edit: {
          auto* f = static_cast<Edit*>(c);
          utenHandler(f->onChange, [&] { f->setText(k.tekst); });
          break;
        }
        case ControlKind::Check: {
          auto* b = static_cast<Check*>(c);
          utenHandler(b->onClick, [&] { b->setChecked(k.tick); });
          break;
        }
        case ControlKind::Combo: {
          auto* b = static_cast<Combo*>(c);
          if (b->items() != k.items) b->setItems(k.items);
          b->setText(k.tekst);
          b->setItemIndex(k.indeks);
          if (k.indeks < 0) b->setText(k.tekst);
          break;
        }
        case ControlKind::RadioGroup: {
          auto* g = static_cast<RadioGroup*>(c);
          utenHandler(g->onClick, [&] { g->setItemIndex(k.indeks); });
          break;
        }
        case ControlKind::Grid: {
          auto* g = static_cast<Grid*>(c);
          g->setRowCount(static_cast<int>(k.celler.size()));
          for (std::size_t r = 0; r < k.celler.size(); ++r)
            for (std::size_t col = 0; col < k.celler[r].size(); ++col)
              g->setCell(static_cast<int>(r), static_cast<int>(col), k.celler[r][col]);
          break;
        }
        default: break;
      }
      c->setEnabled(k.enabled);
      c->setVisible(k.visible);
    }
    for (int i = 0; i < AntallSider; ++i) e_.side(static_cast<SideId>(i)).setShown(vist_[static_cast<std::size_t>(i)]);
    e_.NyttForvalg = nyttForvalg_;
    if (e_.aktivSide() != aktiv_) e_.settAktivSide(aktiv_);
  }

 private:
  struct Kopi {
    Control* c = nullptr;
    bool enabled = true, visible = true, tick = false;
    std::string tekst;
    int indeks = -1;
    std::vector<std::string> items;
    std::vector<std::vector<std::string>> celler;
  };
  Editor& e_;
  std::vector<Kopi> kopier_;
  std::vector<bool> vist_;
  Grunnlag grunnlag_;
  bool nyttForvalg_ = false;
  SideId aktiv_ = SideId::Maskin;
};

using Svar = Lagringsvisning::Svar;

// Asks the operator and notes the answers; the messages are kept for the
// preview instead of being shown now (the real save shows them).
class Opptak final : public Operator {
 public:
  Opptak(Operator& ekte, Lagringsvisning& v) : ekte_(ekte), v_(v) {}
  using Operator::melding;
  using Operator::sporsmal;
  void melding(const std::string& caption, const std::string& text, Ikon) override {
    v_.meldinger.push_back(caption + ": " + text);
  }
  bool sporsmal(const std::string& caption, const std::string& text, Ikon ikon) override {
    const bool ja = ekte_.sporsmal(caption, text, ikon);
    v_.svar.push_back({Svar::Type::Sporsmal, caption, text, {}, ja});
    return ja;
  }
  // A question whose Ja deletes keeps Nei as its default answer here too.
  bool sporsmalSlette(const std::string& caption, const std::string& text) override {
    const bool ja = ekte_.sporsmalSlette(caption, text);
    v_.svar.push_back({Svar::Type::Sporsmal, caption, text, {}, ja});
    return ja;
  }
  bool stillSporsmal(const std::string& caption, const std::string& question, std::string& answer) override {
    const bool ok = ekte_.stillSporsmal(caption, question, answer);
    v_.svar.push_back({Svar::Type::Dialog, caption, question, answer, ok});
    return ok;
  }
  std::optional<std::string> velgKatalog(const std::string& title, const std::string& start) override {
    auto k = ekte_.velgKatalog(title, start);
    v_.svar.push_back({Svar::Type::Katalog, title, start, k.value_or(""), k.has_value()});
    return k;
  }

 private:
  Operator& ekte_;
  Lagringsvisning& v_;
};

}  // namespace

SvarFraVisning::SvarFraVisning(Operator& ekte, const Lagringsvisning& v) : ekte_(ekte), v_(v) {}

void SvarFraVisning::melding(const std::string& caption, const std::string& text, Ikon ikon) {
  spor([&] { ekte_.melding(caption, text, ikon); });
}

bool SvarFraVisning::sporsmal(const std::string& caption, const std::string& text, Ikon ikon) {
  if (const Svar* s = neste(Svar::Type::Sporsmal, caption, text)) return s->ja;
  return spor([&] { return ekte_.sporsmal(caption, text, ikon); });
}

bool SvarFraVisning::sporsmalSlette(const std::string& caption, const std::string& text) {
  if (const Svar* s = neste(Svar::Type::Sporsmal, caption, text)) return s->ja;
  return spor([&] { return ekte_.sporsmalSlette(caption, text); });
}

bool SvarFraVisning::stillSporsmal(const std::string& caption, const std::string& question, std::string& answer) {
  if (const Svar* s = neste(Svar::Type::Dialog, caption, question)) {
    answer = s->svar;
    return s->ja;
  }
  return spor([&] { return ekte_.stillSporsmal(caption, question, answer); });
}

std::optional<std::string> SvarFraVisning::velgKatalog(const std::string& title, const std::string& start) {
  if (const Svar* s = neste(Svar::Type::Katalog, title, start))
    return s->ja ? std::optional<std::string>(s->svar) : std::nullopt;
  return spor([&] { return ekte_.velgKatalog(title, start); });
}

const Lagringsvisning::Svar* SvarFraVisning::neste(Svar::Type type, const std::string& caption,
                                                   const std::string& tekst) {
  if (i_ >= v_.svar.size()) return nullptr;
  const Svar& s = v_.svar[i_];
  if (s.type != type || s.caption != caption || s.tekst != tekst) return nullptr;
  ++i_;
  return &s;
}

std::vector<std::string> Lagringsvisning::linjer() const {
  std::vector<std::string> ut = Beskrivelse(endringer);
  if (!meldinger.empty()) {
    ut.push_back("");
    ut.push_back("Meldinger ved lagringen:");
    for (const std::string& m : meldinger) ut.push_back("  " + m);
  }
  return ut;
}

Lagringsvisning VisLagring(Editor& e) {
  Lagringsvisning v;
  Tilstand for_(e);
  {
    Opptak opptak(operatoren(), v);
    MedOperator med(opptak);
    Torrkjoring torr;
    e.OKBtnClick();
    v.endringer = torr.endringer();
  }
  for_.tilbake();
  return v;
}

bool LagreSomVist(Editor& e, const Lagringsvisning& v) {
  SvarFraVisning a(operatoren(), v);
  MedOperator med(a);
  return e.OKBtnClick();
}

}  // namespace brul
