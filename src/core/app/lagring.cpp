#include "app/lagring.h"

#include "app/operator.h"
#include "app/tilstand.h"
#include "store/historikk.h"

namespace brul {
namespace {

std::string Vist(const std::optional<std::string>& v) { return v ? "«" + *v + "»" : "(ingen verdi)"; }

std::string Sporsmal(const Konflikt& k) {
  if (k.nokkel.empty())
    return "Seksjonen [" + k.seksjon + "] skal slettes, men et annet program har endret den etter at siden ble "
           "lastet.\n\nSlette den likevel (Behold min), eller beholde den slik det andre programmet lagret den?";
  return "[" + k.seksjon + "] " + k.nokkel + " er endret av et annet program etter at siden ble lastet.\n\n" +
         "Din verdi: " + Vist(k.min) + "\nDet andre programmets verdi: " + Vist(k.deres) +
         "\nDa siden ble lastet: " + Vist(k.grunnlag) + "\n\nHvilken verdi skal lagres?";
}

}  // namespace

bool LagreHandling(Batch& b, bool* flettet) {
  if (flettet) *flettet = false;
  for (int runde = 0; runde < 10; ++runde) {
    const Lagreutfall u = b.commit();
    if (u.type == Lagreutfall::Type::Konflikt) {
      for (const Konflikt& k : u.konflikter) {
        const int svar = operatoren().velgEn(kKonfliktCaption, Sporsmal(k), {kBeholdMin, kBeholdDeres});
        if (svar < 0) return false;
        b.velg(k.seksjon, k.nokkel, svar == 0 ? KonfliktValg::Min : KonfliktValg::Deres);
      }
      continue;  // the file may have changed again meanwhile: asked anew then
    }
    if (!u) {
      VisMelding("Lagre", "Kunne ikke lagre " + IniFil + ": " + u.grunn + ".");
      return false;
    }
    if (flettet) *flettet = u.flettet;
    if (!u.historikkfeil.empty()) VisMelding("Historikk", u.historikkfeil);
    return true;
  }
  VisMelding("Lagre", "Kunne ikke lagre " + IniFil + ": filen endres hele tiden av et annet program; prøv igjen.");
  return false;
}

bool GjenopprettVersjon(int nr) {
  const historikk::Gjenoppretting g = historikk::Gjenopprett(
      nr, [](const std::string& tekst) { return operatoren().sporsmal("Endret av et annet program", tekst); });
  if (!g.feil.empty()) VisMelding("Gjenopprett", g.feil);
  if (!g.historikkfeil.empty()) VisMelding("Historikk", g.historikkfeil);
  return g.ok;
}

}  // namespace brul
