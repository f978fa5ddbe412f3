// Presets for Philips, the three Siemens entries, SMT 220/300 and Standard ISO.
#include "app/operator.h"
#include "editor/editor.h"
#include "presets/forvalg.h"
#include "presets/forvalg_felles.h"

namespace brul {

void ForvalgPhilips(Editor& e, int v) {
  using namespace alternativ::philips;
  if (v <= MedEKoderSomFilnavn) {  // and the two before it
    ForvalgProtokoll(e, "Standard", "%", "[EOT]", "[EOT]", "");
    if (v == MedParenteser) VelgTekst(e.HenteProgram, "Parenteser");
    if (v == MedKommentarer)
      ForvalgHenting(e, "Kommentarer", "M30", "--P)", "(KATALOG-HENTEPROGRAM)", "(", ")");
    if (v == MedEKoderSomFilnavn) VelgTekst(e.HenteProgram, "Philips");
    e.BareTall.setChecked(v == MedEKoderSomFilnavn);
    VelgTekst(e.DirFilType, "Philips");
    ForvalgRespons(e, "%PM5008[LF]N5008 (FINNER IKKE FILEN)[LF]N1 M30[LF]",
                   "%PM5005[LF]N5005 (LAGRET #N, #B TEGN)[LF]N1 M30[LF]",
                   "%PM5009[LF]N5009 (LAGRING AV #N FEILET)[LF]N1 M30[LF]", "");
    LagHenteProg(e, PhilipsHenteprogram(v));
    e.Tool.setText("N5003[32]");
    e.ToolLagre.setText("%TM");
    ForvalgKatalog(e, {.dirProgramNr = "5006", .timeSize = true});
    ForvalgPort(e, {.baud = 4800, .fjernNull = true});
  }
  if (v == MedEkko) {
    ForvalgProtokoll(e, "Echo", "%", "[NUL]", "[EOT]", "");
    ForvalgHenting(e, "Standard", "M30", "(P)(", "(D)(", "N", "");
    e.BareTall.setChecked(true);
    VelgTekst(e.DirFilType, "Ingen");
    ForvalgPort(e, {.baud = 600, .xonXoff = true});
  }
}

void ForvalgSiemens(Editor& e, int s, int v) {
  using namespace alternativ::siemens;
  // Program names: "%", prefix, number, suffix.
  std::string prefiks, suffiks;
  if (v == MedNOgKommentarer) {
    prefiks = "_N_";
    suffiks = "_MPF";
  } else if (operatoren().sporsmal("Siemens", "Benyttes %MPF som hovedprogram (Nei = %)?")) {
    prefiks = "MPF";
  }
  const auto program = [&](const std::string& nr) { return "%" + prefiks + nr + suffiks; };

  if (s == styring::SiemensSub) {
    e.TimeMultiplier.setText("3000");
    e.TimeOut.setText("10");
    e.Break.setText("1");
  }
  if (s == styring::SiemensSub) ForvalgProtokoll(e, "Siemens", "%", "", "[ETX]", "");
  if (s == styring::SiemensSamle) ForvalgProtokoll(e, "Standard", "%", "", "[ETX]", "");
  if (s == styring::SiemensSplitt) ForvalgProtokoll(e, "Linje", "%", "M30", "[ETX]", "M02");

  switch (v) {
    case MedParenteser:
      VelgTekst(e.HenteProgram, "Parenteser");
      break;
    case MedKommentarer:
      ForvalgHenting(e, "Kommentarer", "M30", "--P)", "M02", "(", ")");
      break;
    case MedNOgKommentarer:  // a fetch-program type of its own, saved as text
      ForvalgHenting(e, "Siemens_N", program("5000"), "--P)", program("5002"), "(", ")");
      break;
    case MedXyzSomFilnavn:
      VelgTekst(e.HenteProgram, "SiemensXYZ");
      break;
    case MedIjkSomFilnavn:
      ForvalgHentingNr(e, "SiemensIJK", "%" + prefiks, "", "%" + prefiks + "5000",
                       "%" + prefiks + "5004", "%" + prefiks + "5002");
      break;
    default:
      break;
  }

  e.MaxLengde.setText(suffiks.empty() ? "16" : "40");
  e.BareTall.setChecked(v == MedXyzSomFilnavn || v == MedIjkSomFilnavn);
  VelgTekst(e.DirFilType, "Siemens");
  ForvalgRespons(e, program("5008") + "[CR][LF]N1 (FINNER IKKE FILEN)[CR][LF]N2 M30[CR][LF]",
                 program("5005") + "[CR][LF]N1 (LAGRET #N, #B TEGN)[CR][LF]N2 M30[CR][LF]",
                 program("5009") + "[CR][LF]N1 (LAGRING AV #N FEILET)[CR][LF]N2 M30[CR][LF]",
                 "");
  LagHenteProg(e, SiemensHenteprogram(v, prefiks, suffiks));
  e.Tool.setText(program("5003"));
  e.ToolLagre.setText("%TO");
  ForvalgKatalog(e, {.dirProgramNr = program("5006"), .katalogMerke = v == MedKommentarer, .timeSize = true});
  ForvalgPort(e, {.baud = 9600, .fjernNull = true});
}

void ForvalgSmt(Editor& e) {
  ForvalgProtokoll(e, "Standard", "N", "", "", "");
  ForvalgHenting(e, "Standard", "G7X", "G9X", "G8X", "X", "");
  e.StartLagre.setText("G6X");
  e.StartPrint.setText("G9X");
  e.StartDir.setText("G8X");
  e.BareTall.setChecked(true);
  ForvalgRespons(e, "%5008[CR][LF]N1 G2 X5008[CR][LF]N2 M02[CR][LF]",
                 "%5005[CR][LF]N1 G3 X5005[CR][LF]N2 M02[CR][LF]",
                 "%5009[CR][LF]N1 G3 X5009[CR][LF]N2 M02[CR][LF]", "");
  e.StoppEkstra.setText("[LF][LF]");
  VelgTekst(e.DirFilType, "Ingen");
  ForvalgPort(e, {.baud = 9600, .xonXoff = true, .fjernNull = true});
  e.EOB.setText("");
}

void ForvalgStandardIso(Editor& e, int v) {
  using namespace alternativ::standardiso;
  ForvalgProtokoll(e, "Standard", "%", "", "", "");
  switch (v) {
    case MedParenteser:
      VelgTekst(e.HenteProgram, "Parenteser");
      break;
    case MedKommentarer:
      ForvalgHenting(e, "Kommentarer", "M30", "--P)", "M02", "(", ")");
      break;
    case MedXyzSomFilnavn:
      ForvalgHenting(e, "XYZ", "M30", "N5004", "M02", "(", ")");
      break;
    case MedIjkSomFilnavn:
      ForvalgHenting(e, "IJK", "M30", "N5004", "M02", "(", ")");
      break;
    case MedEgendefinertFilnavn:
    case UtenNavnIFilen:
      ForvalgHenting(e, "Standard", "M30", "(P)(", "(D)(", "(", ")");
      break;
    default:
      break;
  }
  e.BareTall.setChecked(v == MedXyzSomFilnavn || v == MedIjkSomFilnavn);
  e.FilNavnProgram.setChecked(v == UtenNavnIFilen);
  VelgTekst(e.DirFilType, "Ingen");
  ForvalgRespons(e, "%[CR][LF](FINNER IKKE FILEN)[CR][LF]M30[CR][LF]",
                 "%[CR][LF](LAGRET #N, #B TEGN)[CR][LF]M30[CR][LF]",
                 "%[CR][LF](LAGRING AV #N FEILET)[CR][LF]M30[CR][LF]", "");
  ForvalgKatalog(e, {.katalogMerke = v == MedKommentarer});
  ForvalgPort(e, {.baud = 4800});
}

}  // namespace brul
