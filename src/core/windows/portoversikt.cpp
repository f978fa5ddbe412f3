#include "windows/portoversikt.h"

#include <algorithm>
#include <stdexcept>

#include "app/operator.h"
#include "platform/tekst.h"
#include "store/batch.h"
#include "store/settings.h"

namespace brul {
namespace {

// A settings file holds at most 255 machines (the count is 8-bit); a larger
// number typed into Maskiner must not make the overview read forever.
constexpr long MaksMaskiner = 255;

long Begrens(long antall) { return std::clamp(antall, 0L, MaksMaskiner); }

std::string Seksjon(long k) { return "Maskin" + std::to_string(k); }

struct Maskin {
  std::string port, navn, katalog;
};

Maskin LesMaskin(long k) {
  const std::string s = Seksjon(k);
  return {LesStreng(s, "Port", "Com" + std::to_string(k + 2)),
          LesStreng(s, "Navn", "Maskin" + std::to_string(k)),
          LesStreng(s, "Katalog", "C:\\Brul\\Maskin" + std::to_string(k) + "\\")};
}

std::string Etikett(long k, const std::string& navn) { return FyllNuller(k, 2) + ":" + navn; }

}  // namespace

int PortRadNr(const std::string& port) {
  if (port.size() < 4) return 0;
  long v = 0;
  return TolkHeltall(port.substr(3, 2), v) && v > 0 ? static_cast<int>(v) : 0;
}

std::vector<PortRad> ListeEtterPort(long antall) {
  antall = Begrens(antall);
  Batch batch;  // one read for the whole listing
  std::vector<PortRad> rader(1, PortRad{"ComPort", "Maskin", "Katalog"});
  int hoyeste = 0;
  for (long k = 1; k <= antall; ++k) {
    const Maskin m = LesMaskin(k);
    const int r = PortRadNr(m.port);
    if (r <= 0) continue;
    if (static_cast<int>(rader.size()) <= r) rader.resize(static_cast<size_t>(r) + 1);
    // A later machine on the same port replaces an earlier one.
    rader[static_cast<size_t>(r)] = {m.port, Etikett(k, m.navn), m.katalog};
    hoyeste = std::max(hoyeste, r);
  }
  // Free ports up to the highest one in use are listed by name.
  for (int r = 1; r <= hoyeste; ++r)
    if (rader[static_cast<size_t>(r)][0].empty()) rader[static_cast<size_t>(r)][0] = "COM" + std::to_string(r);
  return rader;
}

std::vector<PortRad> ListeEtterMaskin(long antall) {
  antall = Begrens(antall);
  Batch batch;
  std::vector<PortRad> rader(1, PortRad{"Maskin", "ComPort", "Katalog"});
  for (long k = 1; k <= antall; ++k) {
    const Maskin m = LesMaskin(k);
    PortRad rad{Etikett(k, m.navn), m.port, m.katalog};
    const std::string backup = LesStreng(Seksjon(k), "BackupKatalog", "");
    const long filer = LesTall(Seksjon(k), "BackupFiles", 3);
    // Marks a machine whose backups land outside its own folder. A machine
    // without a folder has none for the backups to be inside.
    const bool innenfor = !m.katalog.empty() && backup.find(m.katalog) != std::string::npos;
    if (filer > 0 && !backup.empty() && !innenfor) rad[2] += "  (OBS: BackupKatalog)";
    rader.push_back(std::move(rad));
  }
  return rader;
}

std::string UtklippsTekst(const std::vector<PortRad>& rader) {
  std::string tekst;
  for (size_t r = 1; r < rader.size(); ++r) {
    if (r > 1) tekst += "\r\n";
    tekst += rader[r][0] + "\t" + rader[r][1] + "\t" + rader[r][2];
  }
  return tekst;
}

void PortTabell::sjekk(int rad, int kolonne) const {
  if (rad < 0 || rad >= rowCount() || kolonne < 0 || kolonne >= 3)
    throw std::out_of_range("Grid: no cell " + std::to_string(rad) + "," + std::to_string(kolonne));
}

void PortTabell::setRowCount(int rader) { rader_.resize(static_cast<size_t>(std::max(rader, 0))); }

const std::string& PortTabell::cell(int rad, int kolonne) const {
  sjekk(rad, kolonne);
  return rader_[static_cast<size_t>(rad)][static_cast<size_t>(kolonne)];
}

void PortTabell::setCell(int rad, int kolonne, const std::string& tekst) {
  sjekk(rad, kolonne);
  rader_[static_cast<size_t>(rad)][static_cast<size_t>(kolonne)] = tekst;
}

TPortForm::TPortForm() {
  grid.setRowCount(1);
  UtklippsTavleBtn.onClick = [this] { UtklippsTavleBtnClick(); };
  Avslutt.onClick = [this] {
    if (onLukk) onLukk();
  };
}

void TPortForm::settRader(const std::vector<PortRad>& rader) {
  // Each opening rebuilds the whole grid, so nothing of an earlier listing
  // (a longer one, or the other order) is left behind in rows not refilled.
  grid.setRowCount(0);
  grid.setRowCount(static_cast<int>(rader.size()));
  for (size_t r = 0; r < rader.size(); ++r)
    for (int c = 0; c < 3; ++c) grid.setCell(static_cast<int>(r), c, rader[r][static_cast<size_t>(c)]);
}

void TPortForm::Fyll(long antall, bool etterPort) {
  settRader(etterPort ? ListeEtterPort(antall) : ListeEtterMaskin(antall));
}

void TPortForm::VisOversikt(long antall) {
  if (antall <= 0) {
    operatoren().melding("Maskiner", "Ingen maskiner er satt opp!", Ikon::Advarsel);
    return;
  }
  const bool etterPort = operatoren().sporsmal("ComPortListe", "Sortere på porter ?");
  Fyll(antall, etterPort);
  if (onVis) onVis();
}

std::string TPortForm::Tekst() const {
  std::vector<PortRad> rader;
  for (int r = 0; r < grid.rowCount(); ++r) rader.push_back({grid.cell(r, 0), grid.cell(r, 1), grid.cell(r, 2)});
  return UtklippsTekst(rader);
}

void TPortForm::UtklippsTavleBtnClick() {
  if (grid.rowCount() <= 1) return;
  if (onUtklipp) onUtklipp(Tekst());
}

}  // namespace brul
