// Presets for the tool presetter, Haas, the three Heidenhain entries, the hand
// terminal and Koike Hybrid.
#include "app/operator.h"
#include "editor/editor.h"
#include "presets/forvalg.h"
#include "presets/forvalg_felles.h"
#include "store/settings.h"

namespace brul {

void ForvalgForinstiller(Editor& e, int v) {
  using namespace alternativ::forinstiller;
  VelgTekst(e.Protokoll, "ForInst");
  ForvalgPort(e, {.baud = 9600});
  // The presetter line has no handshake, whatever the operator chose for the port.
  e.HandShake.setItemIndex(0);
  e.HandShakeR.setItemIndex(0);
  e.TimeMultiplier.setText("250");
  e.Forinstiller.setItemIndex(3);  // "KelchSiriusC"
  ForvalgVariabel(e, "Display", "1");
  e.MaxLengde.setText("4");
  e.MaxLengdeD.setText("4");
  if (v == StandardOppsett) VelgTekst(e.TegnKode, "AsciiISO");

  if (v == MedHandterminal) {
    VelgTekst(e.Protokoll, "ForInstTerm");
    std::string port = "Com";
    // A blank answer names no port; it is treated like Avbryt rather than
    // writing line settings into a section without a name.
    if (operatoren().stillSporsmal("Terminal", "Hvilken Com-port skal benyttes ?", port) &&
        port.find_first_not_of(" \t") != std::string::npos) {
      ForvalgVariabel(e, "TermPort", port);
      ForvalgVariabel(e, "Display", "0");
      // The terminal's own port has no field in the editor: its line settings
      // go straight into that port's section.
      SkrivStreng(port, "Baud", "1200");
      SkrivStreng(port, "TimeMultiplier", "250");
      SkrivStreng(port, "HandShake", "False");
    }
  }
}

void ForvalgHaas(Editor& e) {
  ForvalgProtokoll(e, "Standard", "%", "", "", "");
  ForvalgHenting(e, "Kommentarer", "O05000", "--P)", "O05002", "(", ")");
  e.Ventetid.setText("10");
  ForvalgRespons(e, "%[CR][LF]O05008 (FINNER IKKE FILEN)[CR][LF]M30[CR][LF]%[CR][LF]",
                 "%[CR][LF]O05005 (LAGRET #N, #B TEGN)[CR][LF]M30[CR][LF]%[CR][LF]",
                 "%[CR][LF]5009 (LAGRING AV #N FEILET)[CR][LF]M30[CR][LF]%[CR][LF]", "");
  ForvalgPort(e, {.baud = 9600, .xonXoff = true, .fjernNull = true});
  LagHenteProg(e, HaasHenteprogram());
}

void ForvalgHandterminal(Editor& e) {
  VelgTekst(e.Protokoll, "Terminal");
  ForvalgPort(e, {.baud = 1200});
  e.HandShake.setItemIndex(0);
  e.HandShakeR.setItemIndex(0);
}

void ForvalgHeidenhain135(Editor& e) {
  ForvalgProtokoll(e, "BTR", "[CR][LF]", "[ETX]", "[ETX]", "END");
  ForvalgHenting(e, "XYZ", "[ETX]", "(P)(", "(D)(", "(", ")");
  e.BareTall.setChecked(true);
  VelgTekst(e.DirFilType, "Ingen");
  ForvalgRespons(e, "", "", "", "");
  ForvalgKatalog(e, {});
  ForvalgPort(e, {.baud = 9600, .xonXoff = true});
  LagHenteProg(e, Heidenhain135Henteprogram());
}

void ForvalgHeidenhain(Editor& e, int s, int v) {
  using namespace alternativ::heidenhain;
  const bool tnc150 = s == styring::Heidenhain150;
  if (v <= VanligMedBegin) {  // and BlokkvisOverforing before it
    ForvalgProtokoll(e, v == BlokkvisOverforing ? "Heidenhain" : "Linje", "BEGIN", "END", "[ETX]", "");
    e.StartEkstra.setText("[CR][LF]");
    ForvalgHenting(e, "Standard", "ENDPGM", ";PRINT", "(D)(", "BEGINPGM", "MM");
    e.BareTall.setChecked(tnc150);
    VelgTekst(e.DirFilType, "Heidenhain");
    ForvalgRespons(e, "0 BEGIN PGM 5008 MM [CR][LF]1 END PGM 5008 MM [CR][LF]",
                   "0 BEGIN PGM 5005 MM [CR][LF]1 END PGM 5005 MM [CR][LF]",
                   "0 BEGIN PGM 5009 MM [CR][LF]1 END PGM 5009 MM [CR][LF]", "");
    LagHenteProg(e, HeidenhainBeginHenteprogram());
    ForvalgKatalog(e, {});
    ForvalgPort(e, {.baud = 9600, .xonXoff = true});
    ForvalgVariabel(e, "DefaultExt", "H");
    ForvalgVariabel(e, "StartSjekk", "True");
    ForvalgVariabel(e, "LinjeSjekk", "False");
    if (s == styring::Heidenhain406) {
      ForvalgVariabel(e, "EndSjekk", "False");
      ForvalgVariabel(e, "XoffBrudd", "True");
      e.MaxLengde.setText("16");
    }
    if (tnc150) {
      ForvalgVariabel(e, "EndSjekk", "True");
      ForvalgVariabel(e, "XoffBrudd", "False");
      e.MaxLengde.setText("12");
    }
    ForvalgVariabel(e, "MEModus", "False");
    ForvalgVariabel(e, "Melding", "False");
    ForvalgVariabel(e, "Maaling", "False");
    ForvalgVariabel(e, "Sector", "1024");
    ForvalgVariabel(e, "FilNavnTegn", "$");
    ForvalgVariabel(e, "UnderKataloger", "False");
    // Heidenhain programs have no line to drop: undo the common "*".
    e.FjernLinje.setText("");
    e.MaxLengdeD.setText(e.MaxLengde.text());
  }
  if (v == VanligMedProsentOgG71) {
    ForvalgProtokoll(e, "Linje", "%", "%", "[ETX]", "");
    e.StartEkstra.setText("[CR][LF]");
    ForvalgHenting(e, "Standard", "N9999", ";PRINT", "(D)(", "%", "G71");
    e.BareTall.setChecked(tnc150);
    VelgTekst(e.DirFilType, "Ingen");
    ForvalgRespons(e, "%5008 G71 [CR][LF]N9999 %5008 G71 [CR][LF]",
                   "%5005 G71 [CR][LF]N9999 %5005 G71 [CR][LF]",
                   "%5009 G71 [CR][LF]N9999 %5009 G71 [CR][LF]", "");
    LagHenteProg(e, HeidenhainG71Henteprogram());
    ForvalgKatalog(e, {});
    e.UnderKataloger.setChecked(s == styring::Heidenhain406);
    ForvalgVariabel(e, "FilNavnTegn", "$");
    ForvalgPort(e, {.baud = 9600, .xonXoff = true});
  }
}

void ForvalgKoike(Editor& e) {
  ForvalgProtokoll(e, "Hybrid", "[DC2]", "[DC4]", "[DC4]", "");
  ForvalgHenting(e, "Standard2", "[DC2] 5000", "[DC2] 5004", "[DC2] 5002", "PartNumber", "");
  e.StartLagre2.setText("[DC2][32]");
  e.BareTall.setChecked(true);
  VelgTekst(e.DirFilType, "Ingen");
  ForvalgRespons(e, "", "", "", "");
  ForvalgPort(e, {.baud = 4800, .xonXoff = true});
}

}  // namespace brul
