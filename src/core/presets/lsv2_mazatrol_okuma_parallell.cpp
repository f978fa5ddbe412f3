// Presets for LSV2, the two Mazatrol entries, the three Okuma entries and the
// parallel tape-reader card.
#include "editor/editor.h"
#include "presets/forvalg.h"
#include "presets/forvalg_felles.h"
#include "store/settings.h"
#include "store/tekst.h"

namespace brul {

void ForvalgLsv2(Editor& e, int v) {
  VelgTekst(e.Protokoll, "LSV2");
  ForvalgVariabel(e, "Status", "False");
  ForvalgVariabel(e, "KortClear", "False");
  if (v == 0 || v == 1) {  // "Siemens uten clear" / "Siemens med clear"
    ForvalgVariabel(e, "Clear", v == 1 ? "%0001%8999[CR][LF]L000001L49900" : "");
    ForvalgVariabel(e, "Terminator", "[CR][LF]");
    e.MaxLengde.setText("4");
  }
  if (v == 2) {  // "Deckel Dialog 4&11"
    ForvalgVariabel(e, "Clear", "");
    ForvalgVariabel(e, "Terminator", "*");
    e.MaxLengde.setText("6");
  }
  ForvalgRespons(e, "", "", "", "");
  ForvalgPort(e, 9600, false, false, false, "", "");
  e.HandShake.setItemIndex(0);
  e.HandShakeR.setItemIndex(0);
  e.MaxLengdeD.setText(e.MaxLengde.text());
}

void ForvalgMazatrol(Editor& e, int s, int v) {
  e.MazatrolAuto.setChecked(true);
  ForvalgProtokoll(e, "Mazatrol", "%", "%", "", "");
  if (v == 0 || v == 1) {  // "Med langt navn" / "Med kort navn"
    std::string prefiks;     // between "O" and the program number
    if (s == styring::Mazatrol4) {
      e.MaxLengde.setText("4");
    } else {
      e.MaxLengde.setText("8");
      prefiks = "0000";
    }
    const std::string o = "O" + prefiks;
    ForvalgHenting(e, v == 0 ? "MazatrolLangt" : "MazatrolKort", o + "5000", o + "5004",
                   o + "5002", "(", ")");
    if (v == 0) e.MaxLengde.setText("20");
    e.BareTall.setChecked(v == 1);
    e.MaxLengdeD.setText(e.MaxLengde.text());
    VelgTekst(e.DirFilType, "Mazatrol");
    const std::string start = "%[LF]" + o;
    ForvalgRespons(e, start + "5008 (FINNER IKKE FILEN)[LF](FINNER IKKE FILEN)[LF]M30[LF]%",
                   start + "5005 (LAGRING OK)[LF](LAGRET #N, #B TEGN)[LF]M30[LF]%",
                   start + "5009 (LAGRING FEILET)[LF](LAGRING AV #N FEILET)[LF]M30[LF]%", "");
    // The fetch programs are ordinary NC programs: they carry the installation's
    // CNC extension, while the machine itself stores Mazatrol files.
    e.Ext.setText(ProgramExt());
    ForvalgKatalog(e, o + "5006", true, true);
    e.MazatrolNavn.setChecked(v == 1);
    LagHenteProg(e, MazatrolHenteprogram());
    e.Ext.setText(e.MazExt.text());
    e.Ext2.setText(ProgramExt());
    e.TimeOut.setText("3");
    e.TapeMarks.setChecked(true);
    e.SaveTapeMarks.setChecked(true);
  }
  e.FeilFil.setText(MappeSti(e.Katalog.text()) + "IngenFil" + e.MazExt.text());
  e.HenteProgramNr.setText(v == 2 ? "0" : v == 4 ? "10000" : "5000");
  e.Hent5000.setChecked(v == 2);
  ForvalgPort(e, s == styring::Mazatrol8 ? 19200 : 4800, true, true, false, "", "");
  VelgTekst(e.StoppBit, "2");
  e.EOB.setText("[LF]");
}

void ForvalgOkuma3000(Editor& e) {
  VelgTekst(e.FilFormat, "Okuma3000");
  ForvalgProtokoll(e, "Buffer", "%", "[NUL]", "[NUL]", "");
  ForvalgHenting(e, "Standard", "M31", "--P", "M02", "A", "");
  e.StoppPrint.setText(e.Print.text());
  e.BareTall.setChecked(false);
  VelgTekst(e.DirFilType, "Okuma3000");
  ForvalgRespons(e, "[NUL]%[LF]N1 (FINNER IKKE FILEN)[LF]N2 M31[LF][NUL]",
                 "[NUL]%[LF]N1 (LAGRET #N, #B TEGN)[LF]N2 M31[LF][NUL]",
                 "[NUL]%[LF]N1 (LAGRING AV #N FEILET)[LF]N2 M31[LF][NUL]", "");
  LagHenteProg(e, Okuma3000Henteprogram());
  ForvalgKatalog(e, "", false, true);
  ForvalgPort(e, 9600, true, false, false, "", "");
}

void ForvalgOkuma(Editor& e, int s, int v) {
  const std::string fjernTegn = v == 0 ? "" : "[NUL]";
  if (v == 0) ForvalgProtokoll(e, "Okuma", "%[CR][LF]", "%", "[DC4]", "");
  if (v == 1 || v == 2) ForvalgProtokoll(e, "Okuma", "%[CR][LF]", "[NUL]", "[DC4]", "");
  VelgTekst(e.HenteProgram, "OkumaParenteser");
  e.BareTall.setChecked(false);
  VelgTekst(e.DirFilType, "Okuma");
  ForvalgRespons(e, "(FINNER IKKE FILEN)[CR][LF]M30[CR][LF]",
                 "(LAGRET #N, #B TEGN)[CR][LF]M30[CR][LF]",
                 "(LAGRING AV #N FEILET)[CR][LF]M30[CR][LF]", fjernTegn);
  LagHenteProg(e, OkumaHenteprogram());
  ForvalgKatalog(e, "", false, true);
  const bool aeu = s == styring::OkumaAEU;
  ForvalgPort(e, 4800, v == 1 || aeu, aeu, false, "", "");
  e.TimeOut.setText("5");
  e.Break.setText(e.TimeOut.text());
  VelgTekst(e.StoppBit, "2");
  e.MaxLengde.setText("20");
  e.MaxLengdeD.setText("20");
  ForvalgVariabel(e, "OkumaNavn", e.MaxLengde.text());
  ForvalgVariabel(e, "Prefiks", "P");
  ForvalgVariabel(e, "FeedHoles", v >= 1 ? "50" : "0");
  ForvalgVariabel(e, "FilNavnUt", v == 2 ? "False" : "True");
  e.StoreBokstaver.setChecked(true);
  // Characters the control cannot show, replaced one for one.
  e.ByttFra.setText("{}ÆØÅ\\");
  e.ByttTil.setText("()AOA/");
}

void ForvalgParallell(Editor& e, int v) {
  ForvalgProtokoll(e, "Parallell", "%", "", "", "");
  e.BareFram.setChecked(v == 0);
  // Both card types punch; a variant the list does not know leaves the tick alone.
  if (v == 0 || v == 1) e.Punch.setChecked(true);
  e.InvMotor.setChecked(false);
  e.InvRetning.setChecked(v == 1);
  e.InvRead.setChecked(false);
  e.InvSpocket.setChecked(e.InvRead.checked());
  if (v == 0 || v == 1) VelgTekst(e.ParallellKode, LesStreng(e.ValgtSeksjon(), "Kode", "ISO"));
  if (v == 1) VelgTekst(e.FilFormat, "Okuma3000");
  e.ParDelay.setText(v == 1 ? "3" : "1");
  // The card uses no COM port.
  e.Com.setText("");
  e.Com.setItemIndex(-1);
  e.ComPort.setItemIndex(-1);
}

}  // namespace brul
