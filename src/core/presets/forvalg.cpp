#include "presets/forvalg.h"

#include "app/operator.h"
#include "editor/editor.h"
#include "editor/forvalgspass.h"
#include "platform/sti.h"
#include "platform/tekst.h"
#include "presets/forvalg_felles.h"
#include "store/settings.h"

namespace brul {

void VelgTekst(Combo& boks, const std::string& tekst) {
  boks.setText(tekst);
  boks.setItemIndex(FinnIndeks(tekst, boks.items()));
}

void VelgTekst(RadioGroup& gruppe, const std::string& tekst) {
  gruppe.setItemIndex(FinnIndeks(tekst, gruppe.items()));
}

std::string MappeSti(const std::string& katalog) { return platform::MedSkilletegn(katalog); }

namespace {

// Asks whether the machine's old free variables should go before the preset
// adds its own; the answer No keeps them and the preset updates them by name.
void SporOmVariabler(Editor& e) {
  Grid& g = e.AnnetGrid;
  if (g.rowCount() < 2 || g.cell(1, 1).empty()) return;
  if (!operatoren().sporsmalSlette("Nytt oppsett", "Slette variabler under \"Annet\" først ?")) return;
  for (int r = 1; r < g.rowCount(); ++r) {
    g.setCell(r, 1, "");
    g.setCell(r, 2, "");
  }
}

void KjorStyring(Editor& e, int s, int v) {
  using namespace styring;
  switch (s) {
    case Burny: ForvalgBurny(e); break;
    case Cincinatti: ForvalgCincinatti(e, v); break;
    case Fagor: ForvalgFagor(e, v); break;
    case Fanuc:
    case FanucBlokkvis:
    case FanucBuffer: ForvalgFanuc(e, s, v); break;
    case Forinstiller: ForvalgForinstiller(e, v); break;
    case Haas: ForvalgHaas(e); break;
    case Heidenhain135: ForvalgHeidenhain135(e); break;
    case Heidenhain150:
    case Heidenhain406: ForvalgHeidenhain(e, s, v); break;
    case Handterminal: ForvalgHandterminal(e); break;
    case KoikeHybrid: ForvalgKoike(e); break;
    case Lsv2: ForvalgLsv2(e, v); break;
    case Mazatrol4:
    case Mazatrol8: ForvalgMazatrol(e, s, v); break;
    case Okuma3000: ForvalgOkuma3000(e); break;
    case Okuma5000:
    case OkumaAEU: ForvalgOkuma(e, s, v); break;
    case ParallellKort: ForvalgParallell(e, v); break;
    case Philips: ForvalgPhilips(e, v); break;
    case SiemensSub:
    case SiemensSamle:
    case SiemensSplitt: ForvalgSiemens(e, s, v); break;
    case Smt: ForvalgSmt(e); break;
    case StandardIso: ForvalgStandardIso(e, v); break;
    default: break;  // no controller selected: only the common values apply
  }
}

}  // namespace

void SettForvalg(Editor& e) {
  SporOmVariabler(e);

  if (e.FjernLinje.text().empty()) e.FjernLinje.setText("*");

  // Values every controller starts from; the presets overwrite what differs.
  VelgTekst(e.FilFormat, "Standard");
  e.TimeMultiplier.setText("1000");
  e.TimeOut.setText("3");
  e.Break.setText(e.TimeOut.text());
  e.EOB.setText("[CR][LF]");

  KjorStyring(e, e.Styring.itemIndex(), e.Alternativ.itemIndex());

  e.ProtokollChange();
  e.HenteProgramChange();
  e.OpprettHenteprogram.setChecked(false);
  // Every port preset has taken over the line settings and cleared the tick;
  // the parallel card and an unknown controller have none to take over. Left
  // ticked, the request would keep the baud-rate and handshake boxes locked
  // after the save.
  e.DefaultBaud.setChecked(false);
}

void RegistrerForvalg() { RegistrerForvalgspass(SettForvalg); }

namespace {
[[maybe_unused]] const bool registrert = (RegistrerForvalg(), true);
}  // namespace

void ForvalgProtokoll(Editor& e, const std::string& protokoll, const std::string& startKode,
                      const std::string& stoppKode, const std::string& stoppTegn,
                      const std::string& stoppFeil) {
  VelgTekst(e.Protokoll, protokoll);
  e.StartKode.setText(startKode);
  e.StoppKode.setText(stoppKode);
  e.StoppTegn.setText(stoppTegn);
  e.StoppFeil.setText(stoppFeil);
  e.StartEkstra.setText("");
  e.StoppEkstra.setText("");
  e.Ventetid.setText("");
}

void ForvalgHenting(Editor& e, const std::string& henteProgram, const std::string& hent,
                    const std::string& print, const std::string& dirHent, const std::string& start,
                    const std::string& stopp) {
  VelgTekst(e.HenteProgram, henteProgram);
  e.Hent.setText(hent);
  e.Print.setText(print);
  e.DirHent.setText(dirHent);
  e.Hent2.setText(hent);
  for (Edit* f : {&e.StartHent, &e.StartPrint, &e.StartDir, &e.StartLagre, &e.StartHent2,
                  &e.StartLagre2})
    f->setText(start);
  for (Edit* f : {&e.StoppHent, &e.StoppPrint, &e.StoppDir, &e.StoppLagre, &e.StoppHent2,
                  &e.StoppLagre2})
    f->setText(stopp);
}

void ForvalgHentingNr(Editor& e, const std::string& henteProgram, const std::string& startLagre,
                      const std::string& stoppLagre, const std::string& hent,
                      const std::string& print, const std::string& dirHent) {
  VelgTekst(e.HenteProgram, henteProgram);
  e.StartLagre.setText(startLagre);
  e.StoppLagre.setText(stoppLagre);
  e.Hent.setText(hent);
  e.Print.setText(print);
  e.DirHent.setText(dirHent);
  // The second fetch page and the print and listing starts follow the numbers.
  e.StartLagre2.setText(e.StartLagre.text());
  e.StoppLagre2.setText(e.StoppLagre.text());
  e.Hent2.setText(e.Hent.text());
  e.StartPrint.setText(e.Print.text());
  e.StartDir.setText(e.DirHent.text());
}

void ForvalgRespons(Editor& e, const std::string& ingenFil, const std::string& kvittering,
                    const std::string& feilMelding, const std::string& fjernTegn) {
  e.IngenFil.setText(ingenFil);
  e.FeilFil.setText("");
  e.KvitteringsTid.setText(kvittering.empty() ? "" : "10");
  e.Kvittering.setText(kvittering);
  e.FeilMelding.setText(feilMelding);
  e.BackupFiles.setText("3");
  e.BackupKatalog.setText(MappeSti(e.Katalog.text()) + "Backup\\");
  e.FjernTegn.setText(fjernTegn);
}

void ForvalgPort(Editor& e, const Portverdier& p) {
  if (e.DefaultBaud.checked()) {
    const int handShake = p.xonXoff ? 2 : 1;  // "Software (Xon/Xoff)" or "Hardware (RTS/CTS)"
    e.HandShake.setItemIndex(handShake);
    e.HandShakeR.setItemIndex(handShake);
    const std::string b = std::to_string(p.baud);
    e.Baud.setItemIndex(FinnIndeks(b, e.Baud.items()));
    e.BaudRate.setItemIndex(FinnIndeks(b, e.BaudRate.items()));
    VelgTekst(e.TegnKode, "ISO");
    VelgTekst(e.Bit, "8");
    VelgTekst(e.Paritet, "None");
    VelgTekst(e.StoppBit, "1");
    e.DefaultBaud.setChecked(false);
  }
  e.FjernNull.setChecked(p.fjernNull);
  e.Blokkvis.setChecked(p.blokkvis);
  if (e.Blokkvis.checked() || !p.nyBlokkvis.empty() || !p.brytBlokkvis.empty()) {
    e.NyBlokkvis.setText(p.nyBlokkvis);
    e.BrytBlokkvis.setText(p.brytBlokkvis);
  }
}

void ForvalgKatalog(Editor& e, const Katalogverdier& k) {
  e.DirProgramNr.setText(k.katalogMerke ? k.dirProgramNr + "(KATALOG)" : k.dirProgramNr);
  e.TimeSize.setItemIndex(k.timeSize ? 3 : 0);  // "TimeSize" or "Ingen"
}

void ForvalgVariabel(Editor& e, const std::string& navn, const std::string& verdi) {
  Grid& g = e.AnnetGrid;
  const std::string n = TilStore(navn);
  // A variable of the same name is updated in its slot; a new one takes the
  // first slot after the last one in use, never a gap between kept slots.
  int r = 1;
  while (r < g.rowCount() && !LikTekst(g.cell(r, 1), n)) ++r;
  if (r >= g.rowCount()) {
    r = g.rowCount() - 1;
    while (r >= 1 && g.cell(r, 1).empty()) --r;
    ++r;
  }
  if (r >= g.rowCount()) {
    // A grid full of variables gets one more slot rather than losing the preset value.
    g.setRowCount(r + 1);
    g.setCell(r, 0, "Variabel" + std::to_string(r));
  }
  g.setCell(r, 1, n);
  g.setCell(r, 2, verdi);
}

void LagHenteProg(Editor& e, const std::string& navn, const std::string& innhold) {
  if (!e.OpprettHenteprogram.checked()) return;
  // Without a machine folder the file would land in whatever folder the
  // program was started from.
  if (e.Katalog.text().find_first_not_of(" \t") == std::string::npos) {
    VisMelding("Opprette henteprogram", "Oppretting av fil feilet\n" + navn + e.Ext.text() + "\nMaskinen har ingen katalog.");
    return;
  }
  e.VentendeHenteprogram.emplace_back(MappeSti(e.Katalog.text()) + navn + e.Ext.text(), innhold);
}

void LagHenteProg(Editor& e, const std::vector<Henteprogram>& filer) {
  for (const Henteprogram& f : filer) LagHenteProg(e, f.navn, f.innhold);
}

}  // namespace brul
