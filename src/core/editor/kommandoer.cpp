#include "editor/kommandoer.h"

#include "app/operator.h"
#include "app/tilstand.h"
#include "editor/controls.h"
#include "editor/editor.h"
#include "platform/prosess.h"
#include "platform/sti.h"
#include "platform/tekst.h"

namespace brul {

long HeltallEllerNull(const std::string& t) {
  long v = 0;
  return TolkHeltall(t, v) ? v : 0;
}

long OversiktAntall(const Editor& e) { return HeltallEllerNull(e.Maskiner.text()); }

void ApneIniFil() {
  const std::string fil = platform::LokalSti(IniFil);
  if (platform::StartTekstEditor(fil)) return;
  // Nothing could open the file: the operator learns how to choose an editor.
  operatoren().melding("Brul.INI",
                       "Fant ingen tekstbehandler som kunne åpne " + IniFil +
                           ".\nVelg en med miljøvariabelen VISUAL (for eksempel VISUAL=gedit)"
                           " og start programmet på nytt." + HerPaMaskinen(IniFil),
                       Ikon::Advarsel);
}

std::string HerPaMaskinen(const std::string& lagret) {
  std::string grunn;
  const auto lokal = platform::LokalSti(lagret, grunn);
  if (!lokal || *lokal == lagret) return {};
  return "\n\nHer på maskinen: " + *lokal;
}

bool VelgKatalogFor(Edit& felt, const std::string& maskinNavn) {
  const auto valgt = operatoren().velgKatalog("Velg katalog, " + maskinNavn, "");
  if (!valgt || valgt->empty()) return false;
  // The file is read by Windows programs: the folder goes in as they name
  // it, through the drive map, or not at all.
  std::string grunn;
  const auto lagret = platform::LagretSti(*valgt, grunn);
  if (!lagret) {
    operatoren().melding("Velg katalog", KatalogAvvist(grunn));
    return false;
  }
  felt.setText(platform::MedSkilletegn(*lagret));
  return true;
}

std::string KatalogAvvist(const std::string& grunn) { return "Katalogen kan ikke brukes: " + grunn; }

std::string ForInstTipsTekst(const std::string& valgtSeksjon) {
  return "Sys = Systemnummer (Et for hver maskin)\r"
         "Type = Verktøytype (Drei, Diameter, Radius)\r"
         "ProgDiv = Divisjon for å finne filnavn (Eks. 100)\r"
         "Maskin = Oppdater filnavnet på denne maskinen\r"
         "NomSjekk (0=Aldri, 1=Hvis verktøy, 2=Hvis fil, 3=Alltid)\r"
         "ToolReg = Verktøyregister, målte data (Er-verdier)\r"
         "NomReg = Verktøyregister, nominelle data (Faste)\r"
         "\r"
         "Følgende variabler bør settes under [" +
         valgtSeksjon +
         "]:\r"
         "Katalog, Ext, ToolReg, NomReg og MaxLengde";
}

Flate UtskriftFlate(double bildeBredde, double bildeHoyde, double sideBredde, double sideHoyde) {
  if (bildeBredde <= 0 || bildeHoyde <= 0 || sideBredde <= 0 || sideHoyde <= 0) return {};
  double skala = sideHoyde / bildeHoyde;
  if (bildeBredde * skala > sideBredde) skala = sideBredde / bildeBredde;
  return {0, 0, bildeBredde * skala, bildeHoyde * skala};
}

}  // namespace brul
