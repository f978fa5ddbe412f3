// The check of the installation, the preview of a save (--vis) and the
// history of the settings file on the command line.
#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "app/lagring.h"
#include "app/tilstand.h"
#include "cli/kommandoer.h"
#include "editor/kontroll.h"
#include "store/forhandsvisning.h"
#include "store/historikk.h"

namespace brul::cli {
namespace {

int Nummer(const std::string& arg) {
  if (arg.empty() || arg.size() > 6 || arg.find_first_not_of("0123456789") != std::string::npos)
    throw BrukFeil{"versjonen må være et nummer fra historikken: \"" + arg + "\""};
  return std::stoi(arg);
}

// Runs a command that saves, and notes on standard error each fault of kind
// Feil or Advarsel the check finds that was not there before. The command's
// first argument is the machine it edits: the costly part of the check is
// limited to it. The notes do not change the exit status: the save stands.
int MedKontroll(Kontekst& k, int (*kjor)(Kontekst&)) {
  const std::string& arg = k.args.empty() ? std::string() : k.args[0];
  const int maskin =
      arg.empty() || arg.size() > 3 || arg.find_first_not_of("0123456789") != std::string::npos ? 0 : std::stoi(arg);
  const std::vector<Funn> for_ = Kontroller(maskin);
  const int kode = kjor(k);
  if (kode != 0) return kode;
  for (const Funn& f : NyeFunn(for_, Kontroller(maskin))) k.feil << "brulini: merk: " << FunnMerknad(f) << '\n';
  return kode;
}

// Runs a command that saves as a dry run when --vis is among its arguments:
// the save goes through the same path, the list of what it would do is
// printed, and nothing is changed.
int MedVis(Kontekst& k, int (*kjor)(Kontekst&)) {
  auto it = std::find(k.args.begin(), k.args.end(), "--vis");
  if (it == k.args.end()) return MedKontroll(k, kjor);
  k.args.erase(it);
  Torrkjoring torr;
  const int kode = kjor(k);
  for (const std::string& l : Beskrivelse(torr.endringer())) k.ut << l << '\n';
  return kode;
}

}  // namespace

int KommandoCheck(Kontekst& k) {
  bool feil = false;
  for (const Funn& f : Kontroller()) {
    k.ut << FunnLinje(f) << '\n';
    feil = feil || f.alvor == Alvor::Feil;
  }
  return feil ? 1 : 0;
}

int KommandoSetVis(Kontekst& k) { return MedVis(k, KommandoSet); }
int KommandoPresetVis(Kontekst& k) { return MedVis(k, KommandoPreset); }

int KommandoHistory(Kontekst& k) {
  const auto versjoner = historikk::Liste();
  if (!k.args.empty()) {
    const int nr = Nummer(k.args[0]);
    auto v = std::find_if(versjoner.begin(), versjoner.end(), [&](const auto& x) { return x.nr == nr; });
    if (v == versjoner.end()) {
      k.feil << "brulini: versjon " << nr << " finnes ikke i historikken\n";
      return 1;
    }
    k.ut << v->nr << '\t' << v->tid << '\t' << v->maskin << (v->merknad.empty() ? "" : "\t" + v->merknad) << '\n';
    for (const std::string& l : Beskrivelse(v->endringer)) k.ut << l << '\n';
    return 0;
  }
  if (versjoner.empty()) k.ut << "Historikken for " << IniFil << " er tom: ingen lagring er tatt vare på ennå.\n";
  for (const auto& v : versjoner) {
    const std::size_t n = v.endringer.nokler.size() + v.endringer.slettedeSeksjoner.size();
    k.ut << v.nr << '\t' << v.tid << '\t' << v.maskin << '\t' << n << (n == 1 ? " endring" : " endringer")
         << (v.merknad.empty() ? "" : "\t" + v.merknad) << '\n';
  }
  return 0;
}

int KommandoRestore(Kontekst& k) {
  if (GjenopprettVersjon(Nummer(k.args[0]))) return 0;
  k.feil << "brulini: ingenting ble gjenopprettet\n";
  return 1;
}

}  // namespace brul::cli
