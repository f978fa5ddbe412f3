#include "editor/kommandoer.h"

#include <cctype>
#include <climits>

#include "app/operator.h"
#include "app/tilstand.h"
#include "editor/controls.h"
#include "editor/editor.h"
#include "platform/prosess.h"
#include "platform/sti.h"

namespace brul {

long HeltallEllerNull(const std::string& t) {
  size_t i = 0;
  while (i < t.size() && (t[i] == ' ' || t[i] == '\t')) ++i;
  bool minus = false;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) minus = t[i++] == '-';
  int base = 10;
  if (i < t.size() && t[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < t.size() && t[i] == '0' && (t[i + 1] == 'x' || t[i + 1] == 'X')) {
    base = 16;
    i += 2;
  } else if (i < t.size() && (t[i] == 'x' || t[i] == 'X')) {
    base = 16;
    ++i;
  }
  if (i >= t.size()) return 0;
  long long v = 0;
  for (; i < t.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(t[i]);
    int d;
    if (std::isdigit(c))
      d = c - '0';
    else if (base == 16 && std::isxdigit(c))
      d = std::toupper(c) - 'A' + 10;
    else
      return 0;
    v = v * base + d;
    if (v > static_cast<long long>(INT_MAX) + 1) return 0;  // beyond a 32-bit integer
  }
  if (minus) v = -v;
  return v > INT_MAX ? 0 : static_cast<long>(v);
}

long OversiktAntall(const Editor& e) { return HeltallEllerNull(e.Maskiner.text()); }

void ApneIniFil() {
  const std::string fil = platform::LokalSti(IniFil);
  if (platform::StartTekstEditor(fil)) return;
  // Nothing could open the file: the operator learns how to choose an editor.
  operatoren().melding("Brul.INI", "Fant ingen tekstbehandler som kunne åpne\r" + fil +
                                       "\rVelg en med miljøvariabelen VISUAL (for eksempel VISUAL=gedit)"
                                       " og start programmet på nytt.",
                       Ikon::Advarsel);
}

bool VelgKatalogFor(Edit& felt, const std::string& maskinNavn) {
  const auto valgt = operatoren().velgKatalog("Velg katalog, " + maskinNavn, "");
  if (!valgt || valgt->empty()) return false;
  // The file is read by Windows programs: the folder goes in as they name
  // it, through the drive map, or not at all.
  std::string grunn;
  const auto lagret = platform::LagretSti(*valgt, grunn);
  if (!lagret) {
    operatoren().melding("Velg katalog", "Katalogen kan ikke brukes: " + grunn);
    return false;
  }
  felt.setText(platform::MedSkilletegn(*lagret));
  return true;
}

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
