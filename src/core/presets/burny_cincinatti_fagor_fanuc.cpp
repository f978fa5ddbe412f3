// Presets for Burny, Cincinatti, Fagor and the three Fanuc entries.
#include "editor/editor.h"
#include "presets/forvalg.h"
#include "presets/forvalg_felles.h"

namespace brul {

void ForvalgBurny(Editor& e) {
  ForvalgProtokoll(e, "BTR", "[DC2]", "[BEL]", "[DC4]", "");
  e.StartStoppKodeUt.setChecked(false);
  ForvalgHenting(e, "Standard", "DOWNLOAD", "PROGRAM:00005004", "PROGRAM:00005002", "PROGRAM:", "");
  e.BareTall.setChecked(true);
  VelgTekst(e.DirFilType, "Ingen");
  ForvalgRespons(e, "UPLOAD PROGRAM:00005008[CR][LF]%[CR][LF]N10M30[CR][LF]",
                 "UPLOAD PROGRAM:00005005[CR][LF]%[CR][LF]N10M30[CR][LF]",
                 "UPLOAD PROGRAM:00005009[CR][LF]%[CR][LF]N10M30[CR][LF]", "");
  ForvalgKatalog(e, {});
  ForvalgPort(e, {.baud = 1200, .xonXoff = true, .fjernNull = true});
}

void ForvalgCincinatti(Editor& e, int v) {
  using namespace alternativ::cincinatti;
  if (v == MedStandardProtokoll) {
    ForvalgProtokoll(e, "Standard", "(", "", "", "");
    ForvalgVariabel(e, "MaxNull", "0");
    ForvalgVariabel(e, "LagKataloger", "True");
    ForvalgHentingNr(e, "Cincinatti", "\"", "\"", "HENTEPROGRAM", "5004", "5002");
    e.StartHent.setText("(MSG,");
    e.MaxHent.setText("300");
    e.MaxLengde.setText("32");
    e.MaxLengdeD.setText("32");
    VelgTekst(e.DirFilType, "Ingen");
    ForvalgRespons(e, "", "", "", "");
    ForvalgPort(e, {.baud = 9600});
  }
  if (v == MedDc2Protokoll) {
    ForvalgProtokoll(e, "DC2", "[LF]", "[NUL][EOT][DC4]", "[DC4]", "");
    e.EOB.setText("[LF]");
    ForvalgHenting(e, "Standard", "M30", "(P)(", "(D)(", "(MSG", ",");
    e.BareTall.setChecked(false);
    e.MaxLinjer.setText("6");
    VelgTekst(e.DirFilType, "Ingen");
    ForvalgRespons(e, "", "", "", "");
    ForvalgPort(e, {.baud = 9600, .xonXoff = true});
    LagHenteProg(e, CincinattiHenteprogram());
  }
}

void ForvalgFagor(Editor& e, int v) {
  using namespace alternativ::fagor;
  if (v == MedIsoKode) {
    ForvalgProtokoll(e, "Standard", "%", "[EOT]", "[EOT][EOT]", "");
    ForvalgHenting(e, "Standard", "M30", "--P,", "M02", "%", ",");
    e.Ventetid.setText("15");
    ForvalgRespons(e, "%5008,MX,[LF]N10 (FINNER IKKE FILEN)[LF]N20 M30[LF]",
                   "%5005,MX,[LF]N10 (LAGRET #N, #B TEGN)[LF]N20 M30[LF]",
                   "%5009,MX,[LF]N10 (LAGRING AV #N FEILET)[LF]N20 M30[LF]", "");
    ForvalgPort(e, {.baud = 9600, .xonXoff = true, .fjernNull = true});
    VelgTekst(e.TegnKode, "Ascii");  // the control talks Ascii whatever DefaultBaud says
    e.EOB.setText("[LF]");
  }
  if (v >= MedBinaerKodeOgHandterminal) {  // the two binary variants
    ForvalgProtokoll(e, "Standard", "%", "[ESC]", "[ESC]", "");
    if (v == MedBinaerKodeOg4Siffer) {
      VelgTekst(e.HenteProgram, "Standard");
      e.BareTall.setChecked(true);
      e.MaxLengde.setText("4");
      e.MaxLengdeD.setText("4");
      e.StartLagre.setText("%0");
      e.StoppLagre.setText("");
      e.Hent.setText("%5");
      e.StartHent.setText("%5");
      e.StoppHent.setText("");
      ForvalgVariabel(e, "TallSjekk", "False");
    }
    if (v == MedBinaerKodeOgHandterminal) {
      VelgTekst(e.HenteProgram, "Standard");
      e.StartLagre.setText("%");
      e.StoppLagre.setText("");
      e.MaxLengde.setText("5");
      e.MaxLengdeD.setText("5");
      e.BareTall.setChecked(true);
      e.FilNavnProgram.setChecked(true);
    }
    ForvalgRespons(e, "", "", "", "");
    ForvalgPort(e, {.baud = 9600, .fjernNull = true});
    VelgTekst(e.TegnKode, "Ascii");
    e.ComDelay.setText("1");
  }
}

void ForvalgFanuc(Editor& e, int s, int v) {
  using namespace alternativ::fanuc;
  // Binary FAPT sends NUL bytes that must be stripped from the stored file.
  const std::string fjernTegn = v == MedBinaerFapt ? "[NUL]" : "";
  ForvalgRespons(e, "%[LF]:5008[LF](FINNER IKKE FILEN)[LF]M30[LF]%",
                 "%[LF]:5005[LF](LAGRET #N, #B TEGN)[LF]M30[LF]%",
                 "%[LF]:5009[LF](LAGRING AV #N FEILET)[LF]M30[LF]%", fjernTegn);

  const int baud = s == styring::FanucBuffer ? 9600 : 4800;
  if (s == styring::FanucBlokkvis)
    ForvalgPort(e, {.baud = baud,
                    .xonXoff = true,
                    .fjernNull = fjernTegn.empty(),
                    .blokkvis = true,
                    .nyBlokkvis = "[DC2]%",
                    .brytBlokkvis = "[DC4]"});
  else
    ForvalgPort(e, {.baud = baud, .xonXoff = true, .fjernNull = fjernTegn.empty()});

  e.TimeOut.setText("4");
  e.Break.setText(e.TimeOut.text());

  // The protocol follows the handshake as it stands after the port step: a
  // hardware line gets the plain protocol with the delayed handshake.
  const int handShake = e.HandShake.itemIndex();
  if (v == MedBinaerFapt) {
    ForvalgProtokoll(e, "FAPT", "%", "", "[DC4]", "");
  } else if (handShake == 1 || handShake == 3) {
    ForvalgProtokoll(e, "Standard", "%", "", "", "");
    e.HandShake.setItemIndex(3);
    e.HandShakeR.setItemIndex(3);
  } else if (s == styring::FanucBuffer) {
    ForvalgProtokoll(e, "Standard", "%", "", "[DC4]", "");
  } else {
    ForvalgProtokoll(e, "BTR", "[DC2]", "[DC4]", "[DC4]", "");
  }

  switch (v) {
    case MedParenteser:
    case MedBinaerFapt:
      VelgTekst(e.HenteProgram, "Parenteser");
      break;
    case MedKommentarer:
      ForvalgHenting(e, "Kommentarer", "O5000", "--P)", "O5002", "(", ")");
      e.StartLagre.setText("O");
      e.StoppLagre.setText("");
      break;
    case IjkMedKatalog:
      ForvalgHentingNr(e, "FanucIJK", ":", "", ":5000", ":5004", ":5002");
      break;
    case JkUtenKatalog:
      ForvalgHentingNr(e, "FanucJK", ":", "", ":5000", ":5004", ":5002");
      break;
    case MedAsciiFapt:
      ForvalgHenting(e, "FAPTKommentarer", "O5000", "--P)", "O5002", "(", ")");
      e.StartLagre.setText("O");
      e.StoppLagre.setText("");
      break;
    default:
      break;
  }

  e.BareTall.setChecked(v == IjkMedKatalog || v == JkUtenKatalog);
  LagHenteProg(e, FanucHenteprogram(v));
  e.ToolLagre.setText("G10G90");
  ForvalgVariabel(e, "Lommer", "20");
  ForvalgVariabel(e, "MaksParm", "32");
  VelgTekst(e.DirFilType, "Fanuc");

  const std::string maxLengde = v == IjkMedKatalog ? "7" : v == JkUtenKatalog ? "4" : "14";
  e.MaxLengde.setText(maxLengde);
  e.MaxLengdeD.setText(maxLengde);

  if (v == MedAsciiFapt) {
    ForvalgVariabel(e, "MaxHent2", "850");
    ForvalgVariabel(e, "MaxLinjer2", "40");
  }
  ForvalgKatalog(e, {.dirProgramNr = ":5006", .katalogMerke = v == MedKommentarer, .timeSize = true});
  if (v == MedBinaerFapt) {
    ForvalgVariabel(e, "StatusNavn", "True");
    e.Ext2.setText(".FPT");
  }
  if (v == MedParenteser || v == MedKommentarer) {
    e.FtpUnderKataloger.setChecked(false);
    VelgTekst(e.FtpFilNavn, v == MedParenteser ? "Parenteser" : "Kommentarer");
    e.FtpExt.setText(".*");
    e.NcExt.setText("");
  }
}

}  // namespace brul
