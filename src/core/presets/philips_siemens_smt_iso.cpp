// Presets for Philips, the three Siemens entries, SMT 220/300 and Standard ISO.
#include "app/operator.h"
#include "editor/editor.h"
#include "presets/forvalg.h"
#include "presets/forvalg_felles.h"

namespace brul {

void ForvalgPhilips(Editor& e, int v) {
  if (v <= 2) {
    ForvalgProtokoll(e, "Standard", "%", "[EOT]", "[EOT]", "");
    if (v == 0) VelgTekst(e.HenteProgram, "Parenteser");
    if (v == 1)
      ForvalgHenting(e, "Kommentarer", "M30", "--P)", "(KATALOG-HENTEPROGRAM)", "(", ")");
    if (v == 2) VelgTekst(e.HenteProgram, "Philips");
    e.BareTall.setChecked(v == 2);
    VelgTekst(e.DirFilType, "Philips");
    ForvalgRespons(e, "%PM5008[LF]N5008 (FINNER IKKE FILEN)[LF]N1 M30[LF]",
                   "%PM5005[LF]N5005 (LAGRET #N, #B TEGN)[LF]N1 M30[LF]",
                   "%PM5009[LF]N5009 (LAGRING AV #N FEILET)[LF]N1 M30[LF]", "");
    LagHenteProg(e, PhilipsHenteprogram(v));
    e.Tool.setText("N5003[32]");
    e.ToolLagre.setText("%TM");
    ForvalgKatalog(e, "5006", false, true);
    ForvalgPort(e, 4800, false, true, false, "", "");
  }
  if (v == 3) {  // "Med ekko"
    ForvalgProtokoll(e, "Echo", "%", "[NUL]", "[EOT]", "");
    ForvalgHenting(e, "Standard", "M30", "(P)(", "(D)(", "N", "");
    e.BareTall.setChecked(true);
    VelgTekst(e.DirFilType, "Ingen");
    ForvalgPort(e, 600, true, false, false, "", "");
  }
}

void ForvalgSiemens(Editor& e, int s, int v) {
  // Program names: "%", prefix, number, suffix.
  std::string prefiks, suffiks;
  if (v == 2) {  // "Med _N_ og kommentarer"
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
    case 0:  // "Med parenteser"
      VelgTekst(e.HenteProgram, "Parenteser");
      break;
    case 1:  // "Med kommentarer"
      ForvalgHenting(e, "Kommentarer", "M30", "--P)", "M02", "(", ")");
      break;
    case 2:  // "Med _N_ og kommentarer": a type of its own, saved as text
      ForvalgHenting(e, "Siemens_N", program("5000"), "--P)", program("5002"), "(", ")");
      break;
    case 3:  // "Med XYZ som filnavn"
      VelgTekst(e.HenteProgram, "SiemensXYZ");
      break;
    case 4:  // "Med IJK som filnavn"
      ForvalgHentingNr(e, "SiemensIJK", "%" + prefiks, "", "%" + prefiks + "5000",
                       "%" + prefiks + "5004", "%" + prefiks + "5002");
      break;
    default:
      break;
  }

  e.MaxLengde.setText(suffiks.empty() ? "16" : "40");
  e.BareTall.setChecked(v == 3 || v == 4);
  VelgTekst(e.DirFilType, "Siemens");
  ForvalgRespons(e, program("5008") + "[CR][LF]N1 (FINNER IKKE FILEN)[CR][LF]N2 M30[CR][LF]",
                 program("5005") + "[CR][LF]N1 (LAGRET #N, #B TEGN)[CR][LF]N2 M30[CR][LF]",
                 program("5009") + "[CR][LF]N1 (LAGRING AV #N FEILET)[CR][LF]N2 M30[CR][LF]",
                 "");
  LagHenteProg(e, SiemensHenteprogram(v, prefiks, suffiks));
  e.Tool.setText(program("5003"));
  e.ToolLagre.setText("%TO");
  ForvalgKatalog(e, program("5006"), v == 1, true);
  ForvalgPort(e, 9600, false, true, false, "", "");
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
  ForvalgPort(e, 9600, true, true, false, "", "");
  e.EOB.setText("");
}

void ForvalgStandardIso(Editor& e, int v) {
  ForvalgProtokoll(e, "Standard", "%", "", "", "");
  switch (v) {
    case 0:  // "Med parenteser"
      VelgTekst(e.HenteProgram, "Parenteser");
      break;
    case 1:  // "Med kommentarer"
      ForvalgHenting(e, "Kommentarer", "M30", "--P)", "M02", "(", ")");
      break;
    case 2:  // "Med XYZ som filnavn"
      ForvalgHenting(e, "XYZ", "M30", "N5004", "M02", "(", ")");
      break;
    case 3:  // "Med IJK som filnavn"
      ForvalgHenting(e, "IJK", "M30", "N5004", "M02", "(", ")");
      break;
    case 4:  // "Med egendefinert filnavn"
    case 5:  // "Uten navn i filen"
      ForvalgHenting(e, "Standard", "M30", "(P)(", "(D)(", "(", ")");
      break;
    default:
      break;
  }
  e.BareTall.setChecked(v == 2 || v == 3);
  e.FilNavnProgram.setChecked(v == 5);
  VelgTekst(e.DirFilType, "Ingen");
  ForvalgRespons(e, "%[CR][LF](FINNER IKKE FILEN)[CR][LF]M30[CR][LF]",
                 "%[CR][LF](LAGRET #N, #B TEGN)[CR][LF]M30[CR][LF]",
                 "%[CR][LF](LAGRING AV #N FEILET)[CR][LF]M30[CR][LF]", "");
  ForvalgKatalog(e, "", v == 1, false);
  ForvalgPort(e, 4800, false, false, false, "", "");
}

}  // namespace brul
