// Presets for LSV2, the two Mazatrol entries, the three Okuma entries and the
// parallel tape-reader card.
#include "editor/editor.h"
#include "platform/tekst.h"
#include "presets/forvalg.h"
#include "presets/forvalg_felles.h"
#include "store/settings.h"

namespace brul {

void ForvalgLsv2(Editor& e, int v) {
  using namespace alternativ::lsv2;
  VelgTekst(e.Protokoll, "LSV2");
  ForvalgVariabel(e, "Status", "False");
  ForvalgVariabel(e, "KortClear", "False");
  if (v == SiemensUtenClear || v == SiemensMedClear) {
    ForvalgVariabel(e, "Clear", v == SiemensMedClear ? "%0001%8999[CR][LF]L000001L49900" : "");
    ForvalgVariabel(e, "Terminator", "[CR][LF]");
    e.MaxLengde.setText("4");
  }
  if (v == DeckelDialog) {
    ForvalgVariabel(e, "Clear", "");
    ForvalgVariabel(e, "Terminator", "*");
    e.MaxLengde.setText("6");
  }
  ForvalgRespons(e, "", "", "", "");
  ForvalgPort(e, {.baud = 9600});
  e.HandShake.setItemIndex(0);
  e.HandShakeR.setItemIndex(0);
  e.MaxLengdeD.setText(e.MaxLengde.text());
}

void ForvalgMazatrol(Editor& e, int s, int v) {
  using namespace alternativ::mazatrol;
  e.MazatrolAuto.setChecked(true);
  ForvalgProtokoll(e, "Mazatrol", "%", "%", "", "");
  if (v == MedLangtNavn || v == MedKortNavn) {
    std::string prefiks;     // between "O" and the program number
    if (s == styring::Mazatrol4) {
      e.MaxLengde.setText("4");
    } else {
      e.MaxLengde.setText("8");
      prefiks = "0000";
    }
    const std::string o = "O" + prefiks;
    ForvalgHenting(e, v == MedLangtNavn ? "MazatrolLangt" : "MazatrolKort", o + "5000", o + "5004",
                   o + "5002", "(", ")");
    if (v == MedLangtNavn) e.MaxLengde.setText("20");
    e.BareTall.setChecked(v == MedKortNavn);
    e.MaxLengdeD.setText(e.MaxLengde.text());
    VelgTekst(e.DirFilType, "Mazatrol");
    const std::string start = "%[LF]" + o;
    ForvalgRespons(e, start + "5008 (FINNER IKKE FILEN)[LF](FINNER IKKE FILEN)[LF]M30[LF]%",
                   start + "5005 (LAGRING OK)[LF](LAGRET #N, #B TEGN)[LF]M30[LF]%",
                   start + "5009 (LAGRING FEILET)[LF](LAGRING AV #N FEILET)[LF]M30[LF]%", "");
    // The fetch programs are ordinary NC programs: they carry the installation's
    // CNC extension, while the machine itself stores Mazatrol files.
    e.Ext.setText(ProgramExt());
    ForvalgKatalog(e, {.dirProgramNr = o + "5006", .katalogMerke = true, .timeSize = true});
    e.MazatrolNavn.setChecked(v == MedKortNavn);
    LagHenteProg(e, MazatrolHenteprogram());
    e.Ext.setText(e.MazExt.text());
    e.Ext2.setText(ProgramExt());
    e.TimeOut.setText("3");
    e.TapeMarks.setChecked(true);
    e.SaveTapeMarks.setChecked(true);
  }
  e.FeilFil.setText(MappeSti(e.Katalog.text()) + "IngenFil" + e.MazExt.text());
  e.HenteProgramNr.setText(v == UtenKommentarer ? "0" : v == Robot ? "10000" : "5000");
  e.Hent5000.setChecked(v == UtenKommentarer);
  ForvalgPort(e, {.baud = s == styring::Mazatrol8 ? 19200 : 4800, .xonXoff = true, .fjernNull = true});
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
  ForvalgKatalog(e, {.timeSize = true});
  ForvalgPort(e, {.baud = 9600, .xonXoff = true});
}

void ForvalgOkuma(Editor& e, int s, int v) {
  using namespace alternativ::okuma;
  const std::string fjernTegn = v == NormaltOppsett ? "" : "[NUL]";
  if (v == NormaltOppsett) ForvalgProtokoll(e, "Okuma", "%[CR][LF]", "%", "[DC4]", "");
  if (v == DefaulteParameter || v == UtenNavnIRetur)
    ForvalgProtokoll(e, "Okuma", "%[CR][LF]", "[NUL]", "[DC4]", "");
  VelgTekst(e.HenteProgram, "OkumaParenteser");
  e.BareTall.setChecked(false);
  VelgTekst(e.DirFilType, "Okuma");
  ForvalgRespons(e, "(FINNER IKKE FILEN)[CR][LF]M30[CR][LF]",
                 "(LAGRET #N, #B TEGN)[CR][LF]M30[CR][LF]",
                 "(LAGRING AV #N FEILET)[CR][LF]M30[CR][LF]", fjernTegn);
  LagHenteProg(e, OkumaHenteprogram());
  ForvalgKatalog(e, {.timeSize = true});
  const bool aeu = s == styring::OkumaAEU;
  ForvalgPort(e, {.baud = 4800, .xonXoff = v == DefaulteParameter || aeu, .fjernNull = aeu});
  e.TimeOut.setText("5");
  e.Break.setText(e.TimeOut.text());
  VelgTekst(e.StoppBit, "2");
  e.MaxLengde.setText("20");
  e.MaxLengdeD.setText("20");
  ForvalgVariabel(e, "OkumaNavn", e.MaxLengde.text());
  ForvalgVariabel(e, "Prefiks", "P");
  ForvalgVariabel(e, "FeedHoles", v >= DefaulteParameter ? "50" : "0");
  ForvalgVariabel(e, "FilNavnUt", v == UtenNavnIRetur ? "False" : "True");
  e.StoreBokstaver.setChecked(true);
  // Characters the control cannot show, replaced one for one.
  e.ByttFra.setText("{}ÆØÅ\\");
  e.ByttTil.setText("()AOA/");
}

void ForvalgParallell(Editor& e, int v) {
  using namespace alternativ::parallell;
  const bool kjentKort = v == Fanuc5Og6Og7 || v == Okuma2000Og3000;
  ForvalgProtokoll(e, "Parallell", "%", "", "", "");
  e.BareFram.setChecked(v == Fanuc5Og6Og7);
  // Both card types punch; a variant the list does not know leaves the tick alone.
  if (kjentKort) e.Punch.setChecked(true);
  e.InvMotor.setChecked(false);
  e.InvRetning.setChecked(v == Okuma2000Og3000);
  e.InvRead.setChecked(false);
  e.InvSpocket.setChecked(e.InvRead.checked());
  if (kjentKort) VelgTekst(e.ParallellKode, LesStreng(e.ValgtSeksjon(), "Kode", "ISO"));
  if (v == Okuma2000Og3000) VelgTekst(e.FilFormat, "Okuma3000");
  e.ParDelay.setText(v == Okuma2000Og3000 ? "3" : "1");
  // The card uses no COM port.
  e.Com.setText("");
  e.Com.setItemIndex(-1);
  e.ComPort.setItemIndex(-1);
}

}  // namespace brul
