#include "store/forhandsvisning.h"

#include <algorithm>
#include <map>
#include <set>

#include "platform/sti.h"
#include "platform/tekst.h"
#include "store/historikk.h"
#include "store/ini_document.h"
#include "store/lager.h"

namespace brul {
namespace {

struct Virtuell {
  platform::FilLesing opprinnelig;  // the file as the dry run found it
  platform::FilLesing na;           // as the saves of the dry run left it
};

struct Okt {
  std::map<std::string, Virtuell> filer;  // by local path of the settings file
  std::set<std::string> mapper;           // local paths of folders "created"
  std::vector<std::string> kataloger;     // the same, as the editor named them
  std::vector<Endringer::Fil> tekstfiler;
};

Okt* okt = nullptr;

std::string Sitat(const std::optional<std::string>& v) { return "\"" + v.value_or("") + "\""; }

std::string Forelder(const std::string& lokal) {
  std::size_t p = lokal.size();
  while (p > 0 && !platform::ErSkilletegn(lokal[p - 1])) --p;
  if (p == 0) return ".";
  return p == 1 ? lokal.substr(0, 1) : lokal.substr(0, p - 1);
}

}  // namespace

Endringer Forskjell(std::string_view forBytes, std::string_view etterBytes) {
  return Forskjell(IniDocument::fraBytes(forBytes), IniDocument::fraBytes(etterBytes));
}

std::string Seksjonsnavn(const std::string& navn) {
  const std::size_t fra = navn.find_first_not_of(" \t"), til = navn.find_last_not_of(" \t");
  return TilStore(fra == std::string::npos ? std::string() : navn.substr(fra, til - fra + 1));
}

namespace {

Endringer Forskjell(const IniDocument& a, const IniDocument& b, const std::vector<std::string>* bare) {
  auto seksjoner = [bare](const IniDocument& d) { return bare ? d.seksjoner(*bare) : d.seksjoner(); };
  Endringer e;
  for (const std::string& s : seksjoner(a))
    if (!b.harSeksjon(s)) e.slettedeSeksjoner.push_back(s);
  for (const std::string& s : seksjoner(b)) {
    const bool fantes = a.harSeksjon(s);
    // Most of a save leaves most sections as they were: those need no look
    // at their keys.
    if (fantes && a.likSeksjon(b, s)) continue;
    if (!fantes) {
      for (const std::string& k : b.nokler(s)) e.nokler.push_back({s, k, std::nullopt, b.les(s, k)});
      continue;
    }
    // Only keys with a line that is not on both sides can read differently.
    for (const std::string& k : a.ulikeNokler(b, s)) {
      auto ny = b.les(s, k);
      auto gammel = a.les(s, k);
      if (gammel != ny) e.nokler.push_back({s, k, std::move(gammel), std::move(ny)});
    }
  }
  return e;
}

}  // namespace

Endringer Forskjell(const IniDocument& a, const IniDocument& b) { return Forskjell(a, b, nullptr); }

Endringer Forskjell(const IniDocument& a, const IniDocument& b, const Berorte& berorte) {
  std::vector<std::string> bare;
  for (const auto& [seksjon, nokkel] : berorte) {
    std::string s = Seksjonsnavn(seksjon);
    if (std::find(bare.begin(), bare.end(), s) == bare.end()) bare.push_back(std::move(s));
  }
  return Forskjell(a, b, &bare);
}

std::vector<std::string> Beskrivelse(const Endringer& e) {
  std::vector<std::string> ut;
  std::string seksjon;
  for (const NokkelEndring& n : e.nokler) {
    if (ut.empty() || !LikTekst(seksjon, n.seksjon)) {
      seksjon = n.seksjon;
      ut.push_back("[" + seksjon + "]");
    }
    if (!n.gammel) ut.push_back("  " + n.nokkel + ": ny, " + Sitat(n.ny));
    else if (!n.ny) ut.push_back("  " + n.nokkel + ": slettes (var " + Sitat(n.gammel) + ")");
    else ut.push_back("  " + n.nokkel + ": " + Sitat(n.gammel) + " → " + Sitat(n.ny));
  }
  for (const std::string& s : e.slettedeSeksjoner) ut.push_back("[" + s + "]: seksjonen slettes");
  for (const std::string& k : e.kataloger) ut.push_back("Katalog opprettes: " + k);
  for (const Endringer::Fil& f : e.filer) ut.push_back((f.erstattes ? "Fil erstattes: " : "Fil skrives: ") + f.sti);
  if (ut.empty()) ut.push_back("Ingen endringer.");
  return ut;
}

Torrkjoring::Torrkjoring() {
  // An inner dry run joins the outer one, which alone owns the memory.
  if (okt) return;
  const auto holdt = lager::ParkerForTorrkjoring();
  okt = new Okt;
  eier_ = true;
  if (holdt) okt->filer.try_emplace(holdt->first, Virtuell{holdt->second, holdt->second});
}

Torrkjoring::Torrkjoring(const std::string& lokal, const platform::FilLesing& fil) : Torrkjoring() {
  if (eier_) okt->filer.try_emplace(lokal, Virtuell{fil, fil});
}

Torrkjoring::~Torrkjoring() {
  if (!eier_) return;
  delete okt;
  okt = nullptr;
  lager::HentEtterTorrkjoring();
}

Endringer Torrkjoring::endringer() const {
  Endringer e;
  if (!okt) return e;
  for (const auto& [lokal, v] : okt->filer) {
    Endringer d = Forskjell(v.opprinnelig.bytes, v.na.bytes);
    e.nokler.insert(e.nokler.end(), d.nokler.begin(), d.nokler.end());
    e.slettedeSeksjoner.insert(e.slettedeSeksjoner.end(), d.slettedeSeksjoner.begin(), d.slettedeSeksjoner.end());
  }
  e.kataloger = okt->kataloger;
  e.filer = okt->tekstfiler;
  return e;
}

std::vector<Endringer::Fil> Torrkjoring::filer() const { return okt ? okt->tekstfiler : std::vector<Endringer::Fil>{}; }

bool ITorrkjoring() { return okt != nullptr; }

namespace torr {

std::optional<platform::FilLesing> LesInnstillinger(const std::string& lokal, bool* fraDisk) {
  if (!okt) return std::nullopt;
  auto it = okt->filer.find(lokal);
  if (fraDisk) *fraDisk = it == okt->filer.end();
  if (it == okt->filer.end()) {
    platform::FilLesing l = platform::LesHel(lokal);
    it = okt->filer.emplace(lokal, Virtuell{l, l}).first;
  }
  return it->second.na;
}

std::optional<bool> ErstattInnstillinger(const std::string& lokal, const platform::FilLesing& forrige,
                                         const std::string& bytes) {
  if (!okt) return std::nullopt;
  Virtuell& v = okt->filer.try_emplace(lokal, Virtuell{forrige, forrige}).first->second;
  v.na.status = platform::LeseStatus::Ok;
  v.na.bytes = bytes;
  return true;
}

std::optional<bool> FinnesMappe(const std::string& lokal) {
  if (!okt) return std::nullopt;
  return okt->mapper.count(lokal) || platform::FinnesMappe(lokal);
}

std::optional<bool> LagMappe(const std::string& sti, const std::string& lokal, std::string& grunn) {
  if (!okt) return std::nullopt;
  if (!*FinnesMappe(Forelder(lokal))) {
    grunn = "mappen over finnes ikke";
    return false;
  }
  if (okt->mapper.insert(lokal).second) okt->kataloger.push_back(sti);
  return true;
}

std::optional<bool> ErstattTekstfil(const std::string& sti, const std::string& lokal, std::string& grunn) {
  if (!okt) return std::nullopt;
  if (!*FinnesMappe(Forelder(lokal))) {
    grunn = "mappen finnes ikke";
    return false;
  }
  auto& filer = okt->tekstfiler;
  const bool skrevet = std::any_of(filer.begin(), filer.end(), [&](const Endringer::Fil& f) { return f.sti == sti; });
  if (!skrevet) filer.push_back({sti, platform::FinnesFil(lokal)});
  return true;
}

}  // namespace torr
}  // namespace brul
