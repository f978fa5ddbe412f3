#include "store/batch.h"

#include <algorithm>
#include <optional>
#include <tuple>
#include <vector>

#include "platform/fil.h"
#include "platform/sti.h"
#include "platform/tekst.h"
#include "store/erstatning.h"
#include "store/forhandsvisning.h"
#include "store/historikk.h"
#include "store/installasjon.h"
#include "store/lager.h"

namespace brul {

struct Grunnlag::Data {
  std::string fil;  // the settings file when it was read
  platform::FilLesing lest;
  // The document of `lest`, shared with the batch that read it, and handed
  // over whole to the first batch that starts from it (a later one reads the
  // file): a copy of a document costs more than reading it.
  mutable std::shared_ptr<IniDocument> dok;
};

namespace {

struct Operasjon {
  enum class Type { Skriv, SlettNokkel, SlettSeksjon, Erstatt } type;
  std::string seksjon, nokkel, verdi;
};

struct Tilstand {
  int dybde = 0;
  bool lastet = false;
  std::string fil;    // IniFil when the document was read
  std::string lokal;  // the local path of it
  platform::FilLesing lest;
  std::shared_ptr<IniDocument> dok;  // shared with a Grunnlag until changed (Skrivbar)
  std::vector<Operasjon> ops;  // since the last commit
  bool avvist = false;         // a write since the last commit was refused
  int holdt = 0;               // live lager::EnLesing objects
  std::size_t lesinger = 0;    // reads of the settings file, for the tests that count them
  // The sections the operations since the last commit touched, as the file
  // held them before (IniDocument::seksjonsBytes): what the history compares
  // the saved document with, so the old file need not be parsed again.
  std::string forTekst;
  std::vector<std::string> forNavn;  // their names (Seksjonsnavn)
  IniDocument::Koding forKoding = IniDocument::Koding::Win1252;
  Grunnlag grunnlag;  // what the edits are against, when not the batch's own read
  std::weak_ptr<const Grunnlag::Data> gitt;  // the last base handed out, which may share `dok`
  std::vector<std::tuple<std::string, std::string, KonfliktValg>> valg;  // answers to conflicts
  std::optional<KonfliktValg> alleValg;
  // The document of the last batch that ended with nothing pending, and the
  // bytes it is (read, or written by its save). The next batch that reads
  // the very same bytes starts from it instead of parsing them again: a save
  // that follows another one in this process parses nothing.
  struct {
    std::string fil, bytes;
    std::shared_ptr<IniDocument> dok;
  } kjent;
};

Tilstand t;

// The batch's document, to be changed: its own copy once a Grunnlag shares it.
IniDocument& Skrivbar() {
  if (t.kjent.dok == t.dok) t.kjent = {};
  if (t.dok.use_count() > 1) {
    // The base handed out last gives its document up: a batch that starts
    // from that base later reads the file instead.
    if (const auto g = t.gitt.lock(); g && g->dok == t.dok) g->dok.reset();
    if (t.dok.use_count() > 1) t.dok = std::make_shared<IniDocument>(*t.dok);
  }
  return *t.dok;
}

Lagreutfall Lagre();

platform::FilLesing LesFilen(platform::HoldtFil* holdt = nullptr) {
  // The read of a save keeps the file open across the rename (Lagre).
  if (holdt && !ITorrkjoring()) {
    ++t.lesinger;
    return holdt->les(t.lokal);
  }
  // Only reads of the disk are counted: a dry run reads the file once and
  // then serves its own copy.
  bool fraDisk = true;
  platform::FilLesing l = lager::LesInnstillinger(t.lokal, &fraDisk);
  if (fraDisk) ++t.lesinger;
  return l;
}

// Whether the document of a batch that ended can serve the next one of the
// same action: only a file read whole, with nothing pending, and never one
// that a dry run holds in memory.
bool KanBeholdes() {
  return t.holdt > 0 && t.dok && t.ops.empty() && t.lest.status == platform::LeseStatus::Ok && !ITorrkjoring();
}

// The document a command keeps between its batches, set aside while a dry
// run runs and given back after it.
struct Parkert {
  std::string fil, lokal;
  platform::FilLesing lest;
  std::shared_ptr<IniDocument> dok;
};
std::optional<Parkert> parkert;

void GlemFor() {
  t.forTekst.clear();
  t.forNavn.clear();
}

void GlemValg() {
  t.grunnlag = {};
  t.valg.clear();
  t.alleValg.reset();
}

// Drops the batch's read and changes; `medValg` also its base and answers,
// which a new read at the start of a batch keeps (they were given for it).
void Forkast(bool medValg = true) {
  // Kept only where the document is exactly those bytes: nothing pending on
  // it, and the file read (or written) whole.
  if (t.dok && t.ops.empty() && t.lest.status == platform::LeseStatus::Ok && !t.fil.empty())
    t.kjent = {t.fil, std::move(t.lest.bytes), std::move(t.dok)};
  t.lastet = false;
  t.dok.reset();
  t.lest = {};
  t.ops.clear();
  t.avvist = false;
  GlemFor();
  if (medValg) GlemValg();
}

// Keeps a section as `d` holds it before an operation touches it first.
void Husk(const IniDocument& d, const std::string& seksjon) {
  std::string navn = Seksjonsnavn(seksjon);
  if (std::find(t.forNavn.begin(), t.forNavn.end(), navn) != t.forNavn.end()) return;
  if (t.forNavn.empty()) t.forKoding = d.koding();
  t.forNavn.push_back(std::move(navn));
  t.forTekst += d.seksjonsBytes(seksjon);
}

void Last() {
  if (t.lastet && t.fil == lager::Innstillingsfil()) return;
  if (t.lastet && !t.ops.empty()) {
    // The settings file was switched in the middle of a batch (only start-up does, before
    // anything is edited): the old file gets what was done to it before the
    // new one is read, this action's values winning any conflict.
    t.alleValg = KonfliktValg::Min;
    (void)Lagre();
  }
  Forkast(false);
  t.lastet = true;
  t.fil = lager::Innstillingsfil();
  if (lager::Innstillingsfil().empty()) return;
  std::string grunn;
  const auto lokal = platform::LokalSti(lager::Innstillingsfil(), grunn);
  if (!lokal) {
    // A file on a drive nobody mapped is neither read nor written anywhere.
    t.lest.status = platform::LeseStatus::Feil;
    t.lest.feil = grunn;
    return;
  }
  t.lokal = *lokal;
  // The pages were loaded from the file as it still is (the same file, size
  // and time to the nanosecond): the action starts from what they were
  // loaded from instead of reading and parsing it again. Its save reads the
  // file anew under the lock all the same, and merges with whatever differs.
  if (const Grunnlag::Data* g = t.grunnlag.data();
      g && g->fil == t.fil && g->dok && g->lest.status == platform::LeseStatus::Ok && !ITorrkjoring() &&
      platform::Stempel(t.lokal) == g->lest.stempel) {
    t.lest = g->lest;
    t.dok = std::move(g->dok);
    return;
  }
  t.lest = LesFilen();
  auto kjent = std::move(t.kjent);
  t.kjent = {};
  // Only where its line ending for new lines is the one a read would take:
  // the file no longer shows it once its last line ending was removed.
  if (t.lest.status == platform::LeseStatus::Ok && kjent.dok && kjent.fil == t.fil && kjent.bytes == t.lest.bytes &&
      kjent.dok->linjeslutt() == IniDocument::linjesluttI(kjent.bytes))
    t.dok = std::move(kjent.dok);
  else if (t.lest.status == platform::LeseStatus::Ok)
    t.dok = std::make_shared<IniDocument>(IniDocument::fraBytes(t.lest.bytes));
  else if (t.lest.status == platform::LeseStatus::Mangler)
    t.dok = std::make_shared<IniDocument>();
}

IniDocument::Utfall Gjor(Operasjon op, IniDocument& d) {
  switch (op.type) {
    case Operasjon::Type::Skriv: return d.skriv(op.seksjon, op.nokkel, op.verdi);
    case Operasjon::Type::SlettNokkel: return d.slettNokkel(op.seksjon, op.nokkel);
    case Operasjon::Type::SlettSeksjon: return d.slettSeksjon(op.seksjon);
    case Operasjon::Type::Erstatt:
      if (d.tilBytes() == op.verdi) return IniDocument::Utfall::Uendret;
      d = IniDocument::fraBytes(op.verdi);
      return IniDocument::Utfall::Endret;
  }
  return IniDocument::Utfall::Uendret;
}

// Replays a batch's own operations on another content; false (with the
// reason) when a value cannot be held by that content's encoding.
bool SpillAv(const std::vector<Operasjon>& ops, IniDocument& dok, std::string& grunn) {
  for (const Operasjon& op : ops) {
    const auto u = Gjor(op, dok);
    if (u != IniDocument::Utfall::Endret && u != IniDocument::Utfall::Uendret) {
      grunn = "verdien for [" + op.seksjon + "] " + op.nokkel +
              " kan ikke lagres i filens tegnsett, som et annet program har endret";
      return false;
    }
  }
  return true;
}

// What a batch's operations touched and how it stood, for the history;
// nullopt when one of them put back a whole content.
std::optional<Berort> Beroring(const std::vector<Operasjon>& ops) {
  Berorte nokler;
  for (const Operasjon& op : ops) {
    if (op.type == Operasjon::Type::Erstatt) return std::nullopt;
    nokler.emplace_back(op.seksjon, op.nokkel);
  }
  return Berort{std::move(nokler), IniDocument::fraBytes(t.forTekst, t.forKoding)};
}

bool SammeInnhold(const platform::FilLesing& a, const platform::FilLesing& b) {
  return a.status == b.status && a.bytes == b.bytes;
}

IniDocument Dokument(const platform::FilLesing& l) {
  return l.status == platform::LeseStatus::Ok ? IniDocument::fraBytes(l.bytes) : IniDocument();
}

// The answer given to a conflict on that key, else `alle`.
std::optional<KonfliktValg> Valgt(const std::string& seksjon, const std::string& nokkel,
                                  std::optional<KonfliktValg> alle) {
  for (const auto& [s, k, v] : t.valg)
    if (LikTekst(Seksjonsnavn(s), Seksjonsnavn(seksjon)) && LikTekst(k, nokkel)) return v;
  return alle;
}

// Applies the edits that lead from `grunn` to `min` onto `na`, the file as
// another program left it: keys only one side changed keep that side's
// value, and the other program's lines stay as it wrote them. A key both
// changed to different values is a conflict, settled by the answers given
// (`alle` for every one not answered on its own); unanswered ones are
// returned and nothing is applied. False (with the reason) when `na`'s
// encoding cannot hold a value.
bool Flett(const IniDocument& grunn, const IniDocument& min, IniDocument& na, std::optional<KonfliktValg> alle,
           std::vector<Konflikt>& apne, std::string& grunnTekst) {
  const Endringer e = Forskjell(grunn, min);
  struct Steg {
    const NokkelEndring* n;
    const std::string* seksjon;
  };
  std::vector<Steg> steg;
  for (const std::string& s : e.slettedeSeksjoner) {
    if (!na.harSeksjon(s)) continue;
    if (!grunn.likSeksjon(na, s)) {
      const auto v = Valgt(s, "", alle);
      if (!v) apne.push_back({s, "", std::string("(seksjonen)"), std::nullopt, std::string("(endret)")});
      if (v != KonfliktValg::Min) continue;
    }
    steg.push_back({nullptr, &s});
  }
  for (const NokkelEndring& n : e.nokler) {
    const auto deres = na.les(n.seksjon, n.nokkel);
    if (deres == n.ny) continue;  // already so
    if (deres != n.gammel) {
      // Both changed it. Only letter case told apart from what was loaded is
      // no change the operator made (values are shown upper-cased).
      if (n.gammel && n.ny && LikTekst(*n.gammel, *n.ny)) continue;
      const auto v = Valgt(n.seksjon, n.nokkel, alle);
      if (!v) apne.push_back({n.seksjon, n.nokkel, n.gammel, n.ny, deres});
      if (v != KonfliktValg::Min) continue;
    }
    steg.push_back({&n, nullptr});
  }
  if (!apne.empty()) return true;
  for (const Steg& st : steg) {
    IniDocument::Utfall u;
    if (st.seksjon) u = na.slettSeksjon(*st.seksjon);
    else if (st.n->ny) u = na.skriv(st.n->seksjon, st.n->nokkel, *st.n->ny);
    else u = na.slettNokkel(st.n->seksjon, st.n->nokkel);
    if (u != IniDocument::Utfall::Endret && u != IniDocument::Utfall::Uendret) {
      grunnTekst = "verdien for [" + (st.n ? st.n->seksjon + "] " + st.n->nokkel : *st.seksjon + "]") +
                   " kan ikke lagres i filens tegnsett, som et annet program har endret";
      return false;
    }
  }
  return true;
}

IniDocument::Utfall Utfor(Operasjon op) {
  Last();
  if (!t.dok) {
    // Nothing can be applied to a file that cannot be read; the operation is
    // kept so that the commit reports why it was not saved.
    t.ops.push_back(std::move(op));
    return IniDocument::Utfall::Endret;
  }
  if (op.type != Operasjon::Type::Erstatt) Husk(*t.dok, op.seksjon);
  const auto u = Gjor(op, Skrivbar());
  if (u == IniDocument::Utfall::Endret) t.ops.push_back(std::move(op));
  else if (u != IniDocument::Utfall::Uendret) t.avvist = true;
  return u;
}

Lagreutfall Avvis(std::string grunn) {
  Lagreutfall u;
  u.type = Lagreutfall::Type::Avvist;
  u.grunn = std::move(grunn);
  return u;
}

// A program that rewrites the file in place may have written into the old
// file after the read, or after the rename through a handle it opened
// before: that change went with the replaced file. It is carried over onto
// the file as it is now, its values winning (it wrote after this save read).
void BarOver(const platform::FilLesing& lest, const std::string& sen, const std::string& delt) {
  if (!delt.empty()) historikk::Rett(delt, lest.bytes);
  const IniDocument grunn = Dokument(lest), deres = IniDocument::fraBytes(sen);
  for (int runde = 0; runde < 8; ++runde) {
    platform::HoldtFil holdt;
    const platform::FilLesing na = LesFilen(&holdt);
    if (na.status == platform::LeseStatus::Feil) return;
    IniDocument ny = Dokument(na);
    std::vector<Konflikt> apne;
    std::string grunnTekst;
    // The other program's late write is the newer one: it wins.
    if (!Flett(grunn, deres, ny, KonfliktValg::Min, apne, grunnTekst)) return;
    const std::string bytes = ny.tilBytes();
    if (na.status == platform::LeseStatus::Ok && bytes == na.bytes) return;
    std::string feil;
    bool endret = false;
    if (platform::ErstattFil(t.lokal, bytes, feil, nullptr, nullptr, &na.stempel, &endret)) {
      t.lest.bytes = bytes;
      t.lest.stempel = platform::Stempel(t.lokal);
      t.dok = std::make_shared<IniDocument>(std::move(ny));
      return;
    }
    if (!endret) return;
  }
}

Lagreutfall Lagre() {
  if (!t.lastet || t.ops.empty()) {
    t.avvist = false;
    GlemValg();
    return {};
  }
  if (t.fil.empty()) {
    t.ops.clear();
    return Avvis("ingen aktiv ini-fil");
  }
  if (!t.dok) {
    Lagreutfall u = Avvis(t.lest.feil.empty() ? "filen kan ikke leses" : "filen kan ikke leses (" + t.lest.feil + ")");
    Forkast();
    return u;
  }
  // What the operator's edits are measured against: the file as the pages
  // were loaded from it, or else as this batch read it.
  const Grunnlag::Data* g = t.grunnlag.data();
  if (g && g->fil != t.fil) g = nullptr;
  const platform::FilLesing& grunnlag = g ? g->lest : t.lest;
  const bool dokFraGrunnlag = SammeInnhold(t.lest, grunnlag);

  // Our own saves, in every process, one at a time.
  platform::Laas laas;
  std::string laasfeil;
  if (!ITorrkjoring() && !laas.ta(platform::LaasSti(t.lokal), laasfeil)) return Avvis(laasfeil);

  Lagreutfall utfall;
  for (int runde = 0;; ++runde) {
    platform::HoldtFil holdt;
    platform::FilLesing na = LesFilen(&holdt);
    if (na.status == platform::LeseStatus::Feil) {
      // Kept: the operator may try again once the other program is done.
      if (na.opptatt) return Avvis("filen kan ikke leses (" + na.feil + ")");
      Lagreutfall u = Avvis("filen kan ikke leses (" + na.feil + ")");
      Forkast();
      return u;
    }
    std::optional<IniDocument> flettet;
    if (!(SammeInnhold(na, grunnlag) && dokFraGrunnlag)) {
      // Another program changed the file since the base was read: this
      // action's edits are applied to its content, key by key.
      const IniDocument grunnDok = Dokument(grunnlag);
      std::optional<IniDocument> min;
      if (!dokFraGrunnlag) {
        min = grunnDok;
        std::string grunn;
        if (!SpillAv(t.ops, *min, grunn)) return Avvis(grunn);
      }
      flettet = Dokument(na);
      std::vector<Konflikt> apne;
      std::string grunn;
      if (!Flett(grunnDok, min ? *min : *t.dok, *flettet, t.alleValg, apne, grunn)) return Avvis(grunn);
      if (!apne.empty()) {
        Lagreutfall u;
        u.type = Lagreutfall::Type::Konflikt;
        u.konflikter = std::move(apne);
        return u;
      }
      utfall.flettet = !SammeInnhold(na, grunnlag);
    }
    const IniDocument& ny = flettet ? *flettet : *t.dok;
    std::string bytes = ny.tilBytes();
    if (na.status == platform::LeseStatus::Ok && bytes == na.bytes) {
      // Nothing to write: the file already holds every edit.
      if (flettet) t.dok = std::make_shared<IniDocument>(std::move(*flettet));
      t.lest = std::move(na);
      t.ops.clear();
      t.avvist = false;
      GlemFor();
      GlemValg();
      return utfall;
    }
    const std::optional<Berort> berort = flettet ? std::nullopt : Beroring(t.ops);
    std::string delt;          // the kept version, when it is the replaced file itself
    std::string grunn;
    bool endretUnderveis = false;
    if (!lager::ErstattInnstillinger(t.lokal, na, bytes, ny, berort ? &*berort : nullptr, delt,
                                     utfall.historikkfeil, grunn, &endretUnderveis)) {
      // A file another program put in place while this one was written is
      // read again, and the edits applied to it.
      if (endretUnderveis && runde < 20) continue;
      Lagreutfall u = Avvis(grunn);
      // What is on disk is the truth from now on.
      Forkast();
      return u;
    }
    const platform::FilLesing lest = std::move(na);  // the file as the save found it
    if (flettet) t.dok = std::make_shared<IniDocument>(std::move(*flettet));
    t.lest.status = platform::LeseStatus::Ok;
    t.lest.stempel = platform::Stempel(t.lokal);
    t.lest.bytes = std::move(bytes);
    t.lest.feil.clear();
    t.ops.clear();
    t.avvist = false;
    GlemFor();  // what is written is the next save's base
    GlemValg();
    const std::optional<std::string> sen = holdt.etterErstatning();
    if (sen && !(lest.status == platform::LeseStatus::Ok && *sen == lest.bytes)) BarOver(lest, *sen, delt);
    return utfall;
  }
}

}  // namespace

namespace lager {

bool IBatch() { return t.dybde > 0; }
bool Ytterst() { return t.dybde == 1; }

const IniDocument* Dokument() {
  Last();
  return t.dok.get();
}

const platform::FilLesing& Lesing() {
  Last();
  return t.lest;
}

IniDocument::Utfall Skriv(std::string_view s, std::string_view k, std::string_view v) {
  return Utfor({Operasjon::Type::Skriv, std::string(s), std::string(k), std::string(v)});
}
IniDocument::Utfall SlettNokkel(std::string_view s, std::string_view k) {
  return Utfor({Operasjon::Type::SlettNokkel, std::string(s), std::string(k), {}});
}
IniDocument::Utfall SlettSeksjon(std::string_view s) {
  return Utfor({Operasjon::Type::SlettSeksjon, std::string(s), {}, {}});
}
IniDocument::Utfall ErstattAlt(std::string_view bytes) {
  return Utfor({Operasjon::Type::Erstatt, {}, {}, std::string(bytes)});
}

EnLesing::EnLesing() { ++t.holdt; }

EnLesing::~EnLesing() {
  if (--t.holdt == 0 && t.dybde == 0) Forkast();
}

std::size_t AntallLesinger() { return t.lesinger; }

std::optional<std::pair<std::string, platform::FilLesing>> ParkerForTorrkjoring() {
  if (t.dybde != 0 || !t.lastet || t.holdt == 0 || !t.dok || !t.ops.empty() ||
      t.lest.status != platform::LeseStatus::Ok)
    return std::nullopt;
  parkert = Parkert{t.fil, t.lokal, t.lest, t.dok};
  Forkast(false);
  return std::make_pair(parkert->lokal, parkert->lest);
}

void HentEtterTorrkjoring() {
  if (!parkert) return;
  if (t.dybde == 0 && t.holdt > 0 && parkert->fil == Innstillingsfil()) {
    Forkast(false);
    t.lastet = true;
    t.fil = std::move(parkert->fil);
    t.lokal = std::move(parkert->lokal);
    t.lest = std::move(parkert->lest);
    t.dok = std::move(parkert->dok);
  }
  parkert.reset();
}

std::string UgyldigTegn() { return t.dok ? t.dok->ugyldigTegn() : std::string(); }

std::string Lesefeil() {
  Last();
  if (t.fil.empty()) return "ingen aktiv ini-fil";
  return t.dok ? std::string() : (t.lest.feil.empty() ? "filen kan ikke leses" : t.lest.feil);
}

bool CommitStille(std::string& grunn) {
  if (t.dybde > 1) return true;
  t.alleValg = KonfliktValg::Min;  // a single write outside an action: the latest writer wins
  const Lagreutfall u = Lagre();
  if (!u) grunn = u.grunn;
  return static_cast<bool>(u);
}

Grunnlag NaaverendeGrunnlag() {
  if (t.dybde == 0 || !t.lastet || !t.ops.empty() || !t.dok || t.fil.empty()) return {};
  if (t.lest.status == platform::LeseStatus::Feil) return {};
  auto d = std::make_shared<Grunnlag::Data>();
  d->fil = t.fil;
  d->lest = t.lest;
  d->dok = t.dok;
  t.gitt = d;
  return Grunnlag(std::move(d));
}

}  // namespace lager

Batch::Batch() {
  // A refusal belongs to the action it happened in, also when the document
  // of an earlier batch of the same command is kept for this one.
  if (t.dybde == 0) t.avvist = false;
  ++t.dybde;
}

Batch::~Batch() {
  if (t.dybde == 1) {
    try {
      if (!t.alleValg) t.alleValg = KonfliktValg::Min;
      (void)commit();
    } catch (...) {
      // A destructor must not throw; an exception here means memory ran out.
    }
    if (!KanBeholdes()) Forkast();
  }
  --t.dybde;
}

bool Batch::avvist() const { return t.avvist; }

void Batch::avvis() { t.avvist = true; }

void Batch::forkast() { Forkast(); }

bool Batch::harEndringer() const { return !t.ops.empty(); }

Lagreutfall Batch::commit() {
  if (t.dybde > 1) return {};
  return Lagre();
}

void Batch::settGrunnlag(const Grunnlag& g) { t.grunnlag = g; }

void Batch::velg(const std::string& seksjon, const std::string& nokkel, KonfliktValg valg) {
  t.valg.emplace_back(seksjon, nokkel, valg);
}

void Batch::velgAlle(KonfliktValg valg) { t.alleValg = valg; }

}  // namespace brul
