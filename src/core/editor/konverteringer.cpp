#include "editor/konverteringer.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <set>
#include <string_view>
#include <utility>
#include <vector>

#include "app/operator.h"
#include "app/tilstand.h"
#include "editor/editor.h"
#include "platform/kodeside.h"
#include "platform/tekst.h"
#include "store/batch.h"
#include "store/settings.h"

namespace brul {
namespace {

std::string maskin(const Editor& e) { return e.Seksjon(SeksjonsType::Maskin); }
std::string port(const Editor& e) { return e.Seksjon(SeksjonsType::Port); }

void lesHandShake(Editor& e, const auto& velg) {
  const std::string p = port(e);
  velg(HandShakeValg(LesBool(p, "HandShake", true), LesBool(p, "XonXoff", false),
                     LesBool(p, "SendDelay", false), LesBool(p, "HardwareStart", false)));
}

void lagreHandShake(Editor& e, int item) {
  const std::string p = port(e);
  const HandShakeVerdier v = HandShakeLagring(item);
  LagreBool(p, "HandShake", true, v.handShake);
  LagreBool(p, "XonXoff", false, v.xonXoff);
  LagreBool(p, "SendDelay", false, v.sendDelay);
  LagreBool(p, "HardwareStart", v.hardwareStartForvalg, v.hardwareStart);
}

const std::array<KonverteringFunksjoner, 15> tabell{{
    {nullptr, nullptr},
    {LesStyring, LagreStyring},
    {LesHandShakeBoks, LagreHandShakeBoks},
    {LesHandShakeRadio, LagreHandShakeRadio},
    {LesPortCom, LagrePortCom},
    {LesBaudCom, LagreBaudCom},
    {LesParitet, LagreParitet},
    {LesTimeSize, LagreTimeSize},
    {LesNomReg, LagreNomReg},
    {LesMazatrolAuto, LagreMazatrolAuto},
    {LesMazPrint, LagreMazPrint},
    {LesLinjer2, LagreLinjer2},
    {LesToolGrid, LagreToolGrid},
    {LesBoksGrid, LagreBoksGrid},
    {LesAnnetGrid, LagreAnnetGrid},
}};

// The first `antall` characters of a UTF-8 text.
std::string forsteTegn(const std::string& s, int antall) {
  size_t i = 0;
  for (int n = 0; n < antall && i < s.size(); ++n) {
    ++i;
    while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) ++i;
  }
  return s.substr(0, i);
}

}  // namespace

const KonverteringFunksjoner& KonverteringAv(Konvertering k) {
  return tabell.at(static_cast<size_t>(k));
}

// Loading the controller type refills the variant list (StyringChange) before
// the stored variant is read into it.
void LesStyring(Editor& e, const Nokkel& n) {
  const std::string v = LesStreng(maskin(e), n.nokkel, "");
  e.Styring.setText(v);
  e.Styring.setItemIndex(FinnIndeks(v, e.Styring.items()));
  e.StyringChange();
}

void LagreStyring(Editor& e, const Nokkel& n) { LagreStreng(maskin(e), n.nokkel, "", e.Styring.text()); }

void LesHandShakeBoks(Editor& e, const Nokkel&) {
  lesHandShake(e, [&](int i) { e.HandShake.setItemIndex(i); });
}
void LagreHandShakeBoks(Editor& e, const Nokkel&) { lagreHandShake(e, e.HandShake.itemIndex()); }

void LesHandShakeRadio(Editor& e, const Nokkel&) {
  lesHandShake(e, [&](int i) { e.HandShakeR.setItemIndex(i); });
}
void LagreHandShakeRadio(Editor& e, const Nokkel&) { lagreHandShake(e, e.HandShakeR.itemIndex()); }

void LesPortCom(Editor& e, const Nokkel& n) {
  const std::string v = LesStreng(maskin(e), n.nokkel, e.StandardTekst(n.les));
  e.Com.setText(v);
  const int i = FinnIndeks(v, e.Com.items());
  if (i >= 0) e.Com.setItemIndex(i);
  e.ComPort.setItemIndex(e.Com.itemIndex());
  // Dropping the selection keeps the box's text: a port that is no item would
  // otherwise leave the previous machine's port showing on this page while
  // the keys come from the section the loaded port names.
  if (e.ComPort.itemIndex() < 0) e.ComPort.setText(e.Com.text());
}

void LagrePortCom(Editor& e, const Nokkel& n) {
  LagreStreng(maskin(e), n.nokkel, e.StandardTekst(n.skriv), e.Com.text());
}

void LesBaudCom(Editor& e, const Nokkel& n) {
  const std::string v = LesStreng(port(e), n.nokkel, e.StandardTekst(n.les));
  e.Baud.setText(v);
  const int i = FinnIndeks(v, e.Baud.items());
  if (i >= 0) e.Baud.setItemIndex(i);
  e.BaudRate.setItemIndex(e.Baud.itemIndex());
}

void LagreBaudCom(Editor& e, const Nokkel& n) {
  if (e.BaudRate.itemIndex() < 0) return;  // the stored rate stays
  LagreStreng(port(e), n.nokkel, e.StandardTekst(n.skriv), e.BaudRate.selectedText());
}

void LesParitet(Editor& e, const Nokkel& n) {
  const std::string v = TilStore(LesStreng(port(e), n.nokkel, e.StandardTekst(n.les)));
  const char c = v.empty() ? 'N' : v[0];
  e.Paritet.setItemIndex(c == 'E' ? 0 : c == 'O' ? 2 : 1);
}

void LagreParitet(Editor& e, const Nokkel& n) {
  // Without a selection there is no letter to store; the stored one stays.
  if (e.Paritet.itemIndex() < 0) return;
  LagreStreng(port(e), n.nokkel, e.StandardTekst(n.skriv), e.Paritet.selectedText().substr(0, 1));
}

void LesTimeSize(Editor& e, const Nokkel&) {
  const std::string m = maskin(e);
  const bool ts = LesBool(m, "TimeSize", false);
  const bool t = LesBool(m, "Time", false);
  const bool s = LesBool(m, "Size", false);
  e.TimeSize.setItemIndex(ts ? 3 : t ? 1 : s ? 2 : 0);
}

void LagreTimeSize(Editor& e, const Nokkel&) {
  const std::string m = maskin(e);
  const int i = e.TimeSize.itemIndex();
  LagreBool(m, "TimeSize", false, i == 3);
  LagreBool(m, "Time", i == 3, i == 1 || i == 3);
  LagreBool(m, "Size", i == 3, i == 2 || i == 3);
}

void LesNomReg(Editor& e, const Nokkel& n) {
  e.NomReg.setText(LesStreng(maskin(e), n.nokkel, e.StandardTekst(n.les)));
}

void LagreNomReg(Editor& e, const Nokkel& n) {
  LagreStreng(maskin(e), n.nokkel, e.StandardTekst(n.skriv), e.NomReg.text());
  SjekkNomReg(maskin(e), e.ToolReg.text(), e.NomReg.text());
}

void LesMazatrolAuto(Editor& e, const Nokkel&) {
  const std::string m = maskin(e);
  e.MazatrolAuto.setChecked(LesStreng(m, "ProgLinje", "1") + LesStreng(m, "TekstLinje", "0") == "00");
}

// A ticked box stores both lines as "0". A box cleared by the operator (the
// file still holding "0" and "0") puts both back to their write default "1",
// which removes them; other stored values, which never read as ticked, stay.
void LagreMazatrolAuto(Editor& e, const Nokkel&) {
  const std::string m = maskin(e);
  if (e.MazatrolAuto.checked()) {
    LagreStreng(m, "ProgLinje", "1", "0");
    LagreStreng(m, "TekstLinje", "1", "0");
  } else if (LesStreng(m, "ProgLinje", "1") + LesStreng(m, "TekstLinje", "0") == "00") {
    LagreStreng(m, "ProgLinje", "1", "1");
    LagreStreng(m, "TekstLinje", "1", "1");
  }
}

void LesMazPrint(Editor& e, const Nokkel&) { e.MazPrint.setChecked(!LesBool(port(e), "FjernNull", false)); }

void LagreMazPrint(Editor& e, const Nokkel&) {
  if (e.aktivSide() != SideId::Mazak) return;
  LagreBool(port(e), "FjernNull", false, !e.MazPrint.checked());
  LagreStreng(maskin(e), "FjernTegn", "", e.MazPrint.checked() ? "[NUL]" : "");
}

void LesLinjer2(Editor& e, const Nokkel& n) {
  e.Linjer2.setChecked(TilStore(LesStreng(maskin(e), n.nokkel, e.StandardTekst(n.les))) == "2");
}

void LagreLinjer2(Editor& e, const Nokkel& n) {
  LagreStreng(maskin(e), n.nokkel, e.StandardTekst(n.skriv), e.Linjer2.checked() ? "2" : "4");
}

namespace {

bool TomRad(const Grid& g, int r) {
  for (int c = 0; c < g.colCount(); ++c)
    if (!g.cell(r, c).empty()) return false;
  return true;
}

}  // namespace

void LesToolGrid(Editor& e, const Nokkel&) {
  const std::string m = maskin(e);
  std::vector<std::array<std::string, 7>> rader;
  for (int n = 0; n <= 99; ++n) {
    const std::string nr = std::to_string(n);
    std::string type = LesStreng(m, "System" + nr, "");
    if (type.empty()) continue;
    rader.push_back({nr, type, LesStreng(m, "ProgDiv" + nr, ""), LesStreng(m, "FilNavn" + nr, ""),
                     LesStreng(m, "NomSjekk" + nr, ""), LesStreng(m, "ToolReg" + nr, ""),
                     LesStreng(m, "NomReg" + nr, "")});
  }
  Grid& g = e.ToolGrid;
  g.setRowCount(static_cast<int>(rader.size()) + 21);
  e.ToolGridSystemer.assign(static_cast<size_t>(g.rowCount()), std::string());
  for (size_t i = 0; i < rader.size(); ++i) e.ToolGridSystemer[i + 1] = rader[i][0];
  for (int r = 1; r < g.rowCount(); ++r)
    for (int c = 0; c < g.colCount(); ++c)
      g.setCell(r, c, r <= static_cast<int>(rader.size()) ? rader[static_cast<size_t>(r - 1)][static_cast<size_t>(c)]
                                                           : std::string());
}

void LagreToolGrid(Editor& e, const Nokkel&) {
  const std::string m = maskin(e);
  const Grid& g = e.ToolGrid;
  static const char* const familie[] = {"System", "ProgDiv", "FilNavn", "NomSjekk", "ToolReg", "NomReg"};
  // A loaded row given another valid number moves its system, and one the
  // operator emptied altogether removes it: the keys of the old number go,
  // unless another row now holds that number. Left, they would bring the old
  // row back at the next load. A row whose number is not valid is skipped
  // as always, and keeps what is stored.
  std::set<std::string> numre;
  for (int r = 1; r < g.rowCount(); ++r)
    if (std::string n = SystemNummer(g.cell(r, 0)); !n.empty()) numre.insert(n);
  for (int r = 1; r < g.rowCount() && static_cast<size_t>(r) < e.ToolGridSystemer.size(); ++r) {
    const std::string& gammelt = e.ToolGridSystemer[static_cast<size_t>(r)];
    const std::string n = SystemNummer(g.cell(r, 0));
    if (gammelt.empty() || (n.empty() && !TomRad(g, r)) || n == gammelt || numre.count(gammelt)) continue;
    for (const char* f : familie) LagreStreng(m, f + gammelt, "", "");
  }
  for (int r = 1; r < g.rowCount(); ++r) {
    const std::string n = SystemNummer(g.cell(r, 0));
    if (n.empty()) continue;
    for (int c = 1; c <= 6; ++c) LagreStreng(m, familie[c - 1] + n, "", g.cell(r, c));
    SjekkNomReg("System " + n, g.cell(r, 5), g.cell(r, 6));
  }
}

void ToolGridLagret(Editor& e) {
  const Grid& g = e.ToolGrid;
  e.ToolGridSystemer.resize(static_cast<size_t>(g.rowCount()));
  for (int r = 1; r < g.rowCount(); ++r) {
    std::string& nr = e.ToolGridSystemer[static_cast<size_t>(r)];
    if (std::string n = SystemNummer(g.cell(r, 0)); !n.empty()) {
      nr = std::move(n);
      continue;
    }
    if (TomRad(g, r)) nr.clear();  // a row with a number that is not valid still stands for what is stored
  }
}

std::string SystemNummer(const std::string& celle) {
  if (celle.empty()) return {};
  for (char c : celle)
    if (c < '0' || c > '9') return {};
  size_t i = celle.find_first_not_of('0');
  return i == std::string::npos ? "0" : celle.substr(i);
}

long HendelseKode(const std::string& celle) { return TallFraTekst(forsteTegn(celle, 3)); }

void LesBoksGrid(Editor& e, const Nokkel&) {
  const std::string m = maskin(e);
  Grid& g = e.BoksGrid;
  for (int r = 1; r < g.rowCount(); ++r) {
    const std::string l = g.cell(r, 0);
    if (l.empty()) continue;
    const long kode = LesTall(m, l, 0);
    if (kode < 1) {
      g.setCell(r, 1, "");
      g.setCell(r, 2, "");
    } else {
      g.setCell(r, 1, HendelseTekst(kode));
      g.setCell(r, 2, LesStreng(m, "Parameter" + l, ""));
    }
    g.setCell(r, 3, LesStreng(m, "Kommentar" + l, ""));
  }
}

void LagreBoksGrid(Editor& e, const Nokkel&) {
  const std::string m = maskin(e);
  const Grid& g = e.BoksGrid;
  for (int r = 1; r < g.rowCount(); ++r) {
    const std::string l = g.cell(r, 0);
    if (l.empty()) continue;
    LagreStreng(m, l, "", std::to_string(HendelseKode(g.cell(r, 1))));
    LagreStreng(m, "Parameter" + l, "", g.cell(r, 2));
    LagreStreng(m, "Kommentar" + l, "", g.cell(r, 3));
  }
}

int VariabelPlass(const std::string& nokkel) {
  constexpr std::string_view forran = "Variabel";
  if (nokkel.size() <= forran.size() || nokkel.size() > forran.size() + 4) return 0;
  if (!LikTekst(nokkel.substr(0, forran.size()), std::string(forran))) return 0;
  const std::string tall = nokkel.substr(forran.size());
  if (tall[0] == '0' || tall.find_first_not_of("0123456789") != std::string::npos) return 0;
  return std::stoi(tall);
}

// Every stored slot is shown, the grid growing to the highest one: a slot
// left out of the grid would be emptied or taken by the next save.
void LesAnnetGrid(Editor& e, const Nokkel&) {
  const std::string m = maskin(e);
  Grid& g = e.AnnetGrid;
  int hoyeste = 0;
  for (const std::string& n : LesNokler(m)) {
    const int r = VariabelPlass(n);
    if (r > hoyeste && !LesStreng(m, n, "").empty()) hoyeste = r;
  }
  std::vector<std::pair<std::string, std::string>> plasser(static_cast<size_t>(hoyeste) + 1);
  int k = 0;
  for (int r = 1; r <= hoyeste; ++r) {
    const std::string navn = LesStreng(m, "Variabel" + std::to_string(r), "");
    if (navn.empty()) continue;
    ++k;
    plasser[static_cast<size_t>(r)] = {navn, LesStreng(m, navn, "")};
  }
  g.setRowCount(std::max(k + 21, hoyeste + 1));
  for (int r = 1; r < g.rowCount(); ++r) {
    const bool lagret = r <= hoyeste;
    g.setCell(r, 0, "Variabel" + std::to_string(r));
    g.setCell(r, 1, lagret ? plasser[static_cast<size_t>(r)].first : std::string());
    g.setCell(r, 2, lagret ? plasser[static_cast<size_t>(r)].second : std::string());
  }
}

void LagreAnnetGrid(Editor& e, const Nokkel&) {
  const std::string m = maskin(e);
  const Grid& g = e.AnnetGrid;
  for (int r = 1; r < g.rowCount(); ++r) {
    const std::string navn = g.cell(r, 1);
    if (navn.empty() && !g.cell(r, 2).empty() && LesStreng(m, "Variabel" + std::to_string(r), "").empty()) {
      // A value given in a free slot with no name has no key to go under:
      // refused, not dropped. (A name emptied frees its slot; its variable stays.)
      VisMelding("Lagre", "[" + m + "] Variabel" + std::to_string(r) + " ble ikke lagret i " + IniFil +
                              ": verdien \"" + g.cell(r, 2) + "\" har ikke noe variabelnavn.");
      Batch().avvis();
      continue;
    }
    LagreStreng(m, "Variabel" + std::to_string(r), "", navn);
    if (navn.empty()) continue;
    // The slot holds the name as a value, and a read drops one pair of
    // quotes around a value: a quoted name would come back as another key.
    // A read also returns at most 4095 characters.
    const size_t a = navn.find_first_not_of(" \t"), b = navn.find_last_not_of(" \t");
    const bool sitert = b > a && (navn[a] == '"' || navn[a] == '\'') && navn[b] == navn[a];
    if (sitert || AntallTegn(navn) > 4095) {
      VisMelding("Lagre", "[" + m + "] Variabel" + std::to_string(r) + " ble ikke lagret i " + IniFil +
                              (sitert ? ": variabelnavnet " + navn + " står i anførselstegn, som fjernes når fila leses."
                                      : ": variabelnavnet er lengre enn de 4095 tegnene som leses fra fila."));
      Batch().avvis();
      continue;
    }
    // A name the file could not read back as a key is refused by the store
    // even when its value would remove the variable, so that the slot naming
    // it is not written either.
    if (!GyldigNokkelnavn(navn)) SkrivStreng(m, navn, g.cell(r, 2));
    else LagreStreng(m, navn, navn, g.cell(r, 2));
  }
}

bool GyldigNokkelnavn(const std::string& navn) {
  const size_t a = navn.find_first_not_of(" \t");
  if (a == std::string::npos) return false;
  return navn.find('=') == std::string::npos && navn[a] != ';' && navn[a] != '[' &&
         navn.find_first_of("\r\n") == std::string::npos;
}

}  // namespace brul
