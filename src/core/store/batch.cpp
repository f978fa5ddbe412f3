#include "store/batch.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "app/operator.h"
#include "app/tilstand.h"
#include "platform/fil.h"
#include "platform/sti.h"
#include "store/forhandsvisning.h"
#include "store/historikk.h"
#include "store/lager.h"

namespace brul {
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
  std::optional<IniDocument> dok;
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
};

Tilstand t;

bool Lagre(std::string& grunn, int runde = 0);

platform::FilLesing LesFilen(platform::HoldtFil* holdt = nullptr) {
  ++t.lesinger;
  // The check before a save keeps the file open across the rename (Lagre).
  if (holdt && !ITorrkjoring()) return holdt->les(t.lokal);
  return lager::LesInnstillinger(t.lokal);
}

// Whether the document of a batch that ended can serve the next one of the
// same action: only a file read whole, with nothing pending, and never one
// that a dry run holds in memory.
bool KanBeholdes() {
  return t.holdt > 0 && t.dok && t.ops.empty() && t.lest.status == platform::LeseStatus::Ok && !ITorrkjoring();
}

void GlemFor() {
  t.forTekst.clear();
  t.forNavn.clear();
}

void Forkast() {
  t.lastet = false;
  t.dok.reset();
  t.lest = {};
  t.ops.clear();
  t.avvist = false;
  GlemFor();
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
  if (t.lastet && t.fil == IniFil) return;
  if (t.lastet && !t.ops.empty()) {
    // IniFil was switched in the middle of a batch: the old file gets what was
    // done to it before the new one is read.
    std::string grunn;
    if (!Lagre(grunn)) VisMelding("Lagre", "Kunne ikke lagre " + t.fil + ": " + grunn);
  }
  Forkast();
  t.lastet = true;
  t.fil = IniFil;
  if (IniFil.empty()) return;
  std::string grunn;
  const auto lokal = platform::LokalSti(IniFil, grunn);
  if (!lokal) {
    // A file on a drive nobody mapped is neither read nor written anywhere.
    t.lest.status = platform::LeseStatus::Feil;
    t.lest.feil = grunn;
    return;
  }
  t.lokal = *lokal;
  t.lest = LesFilen();
  if (t.lest.status == platform::LeseStatus::Ok) t.dok = IniDocument::fraBytes(t.lest.bytes);
  else if (t.lest.status == platform::LeseStatus::Mangler) t.dok = IniDocument();
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

// Replays a batch's own operations on a file another program changed; false
// (with the reason) when a value cannot be held by that file's encoding.
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

// What another program changed from `fra` to `til`, key by key, as
// operations that can be replayed on a third content: the difference the
// preview and the history describe, as writes and deletions.
std::vector<Operasjon> Forskjeller(const IniDocument& fra, const IniDocument& til) {
  const Endringer e = Forskjell(fra, til);
  std::vector<Operasjon> ut;
  for (const std::string& s : e.slettedeSeksjoner) ut.push_back({Operasjon::Type::SlettSeksjon, s, {}, {}});
  for (const NokkelEndring& n : e.nokler) {
    if (n.ny) ut.push_back({Operasjon::Type::Skriv, n.seksjon, n.nokkel, *n.ny});
    else ut.push_back({Operasjon::Type::SlettNokkel, n.seksjon, n.nokkel, {}});
  }
  return ut;
}

// The sections `ops` touch, kept again as a newer base `d` holds them.
void HuskAlle(const IniDocument& d, const std::vector<Operasjon>& ops) {
  GlemFor();
  for (const Operasjon& op : ops)
    if (op.type != Operasjon::Type::Erstatt) Husk(d, op.seksjon);
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

IniDocument::Utfall Utfor(Operasjon op) {
  Last();
  if (!t.dok) {
    // Nothing can be applied to a file that cannot be read; the operation is
    // kept so that the commit reports why it was not saved.
    t.ops.push_back(std::move(op));
    return IniDocument::Utfall::Endret;
  }
  if (op.type != Operasjon::Type::Erstatt) Husk(*t.dok, op.seksjon);
  const auto u = Gjor(op, *t.dok);
  if (u == IniDocument::Utfall::Endret) t.ops.push_back(std::move(op));
  else if (u != IniDocument::Utfall::Uendret) t.avvist = true;
  return u;
}

bool Lagre(std::string& grunn, int runde) {
  if (!t.lastet || t.ops.empty()) {
    t.avvist = false;
    return true;
  }
  if (t.fil.empty()) {
    grunn = "ingen aktiv ini-fil";
    t.ops.clear();
    return false;
  }
  if (!t.dok) {
    grunn = t.lest.feil.empty() ? "filen kan ikke leses" : "filen kan ikke leses (" + t.lest.feil + ")";
    Forkast();
    return false;
  }
  platform::HoldtFil holdt;
  platform::FilLesing na = LesFilen(&holdt);
  if (na.status == platform::LeseStatus::Feil) {
    grunn = "filen kan ikke leses (" + na.feil + ")";
    Forkast();
    return false;
  }
  const bool annen = na.status != t.lest.status || !(na.stempel == t.lest.stempel) || na.bytes != t.lest.bytes;
  if (annen) {
    // Another program changed the file since this batch read it: our own
    // operations are replayed on its content, so its changes survive.
    IniDocument frisk = na.status == platform::LeseStatus::Ok ? IniDocument::fraBytes(na.bytes) : IniDocument();
    HuskAlle(frisk, t.ops);
    if (!SpillAv(t.ops, frisk, grunn)) {
      Forkast();
      return false;
    }
    t.dok = std::move(frisk);
    t.lest = std::move(na);
  }
  std::vector<Operasjon> gjort = std::move(t.ops);
  t.ops.clear();
  t.avvist = false;
  std::string bytes = t.dok->tilBytes();
  if (t.lest.status == platform::LeseStatus::Ok && bytes == t.lest.bytes) {
    GlemFor();
    return true;
  }
  const std::optional<Berort> berort = Beroring(gjort);
  GlemFor();                 // what is written is the next save's base
  std::string delt;          // the kept version, when it is the replaced file itself
  std::string versjonsfeil;  // why no version was kept
  if (!lager::ErstattInnstillinger(t.lokal, t.lest, bytes, *t.dok, berort ? &*berort : nullptr, delt, versjonsfeil,
                                   grunn)) {
    // What is on disk is the truth from now on.
    Forkast();
    return false;
  }
  const std::string grunnlag = std::move(t.lest.bytes);  // the file as the check found it
  t.lest.status = platform::LeseStatus::Ok;
  t.lest.stempel = platform::Stempel(t.lokal);
  t.lest.bytes = std::move(bytes);
  // The document already holds what was written; it is not parsed again.

  // A program that rewrites the file in place may have written into the old
  // file after the check, or after the rename through a handle it opened
  // before: that change went with the replaced file. It is carried over in
  // one more commit, with our operations replayed on it as on any change
  // made before the check; should the new file have changed meanwhile too,
  // both changes are replayed on it key by key.
  const std::optional<std::string> sen = holdt.etterErstatning();
  // Said only now: while the save held the old file, a program that opens it
  // for writing waits, and a message waits for the operator.
  if (!versjonsfeil.empty()) VisMelding("Historikk", versjonsfeil);
  if (!sen || *sen == grunnlag) return true;
  if (!delt.empty()) historikk::Rett(delt, grunnlag);
  if (runde >= 8) return true;
  IniDocument frisk = IniDocument::fraBytes(*sen);
  std::vector<Operasjon> ops = Forskjeller(IniDocument::fraBytes(grunnlag), frisk);
  if (!SpillAv(gjort, frisk, grunn)) {
    Forkast();
    return false;
  }
  ops.insert(ops.end(), gjort.begin(), gjort.end());
  HuskAlle(*t.dok, ops);  // the next commit's base is what was just written
  t.dok = std::move(frisk);
  t.ops = std::move(ops);
  return Lagre(grunn, runde + 1);
}

}  // namespace

namespace lager {

bool IBatch() { return t.dybde > 0; }
bool Ytterst() { return t.dybde == 1; }

const IniDocument* Dokument() {
  Last();
  return t.dok ? &*t.dok : nullptr;
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

std::string UgyldigTegn() { return t.dok ? t.dok->ugyldigTegn() : std::string(); }

std::string Lesefeil() {
  Last();
  if (t.fil.empty()) return "ingen aktiv ini-fil";
  return t.dok ? std::string() : (t.lest.feil.empty() ? "filen kan ikke leses" : t.lest.feil);
}

bool CommitStille(std::string& grunn) {
  if (t.dybde > 1) return true;
  return Lagre(grunn);
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
      commit();
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

bool Batch::commit() {
  if (t.dybde > 1) return true;
  std::string grunn;
  if (Lagre(grunn)) return true;
  VisMelding("Lagre", (t.fil.empty() ? "Kunne ikke lagre" : "Kunne ikke lagre " + t.fil) + ": " + grunn + ".");
  return false;
}

}  // namespace brul
