#include "store/erstatning.h"

#include <optional>

#include "platform/sti.h"
#include "store/historikk.h"

namespace brul::lager {

platform::FilLesing LesInnstillinger(const std::string& lokal, bool* fraDisk) {
  if (fraDisk) *fraDisk = true;
  if (auto torr = torr::LesInnstillinger(lokal, fraDisk)) return std::move(*torr);
  return platform::LesHel(lokal);
}

bool ErstattInnstillinger(const std::string& lokal, const platform::FilLesing& forrige, const std::string& bytes,
                          const IniDocument& dok, const Berort* berort, std::string& delt, std::string& versjonsfeil,
                          std::string& grunn, bool* endretUnderveis) {
  delt.clear();
  versjonsfeil.clear();
  if (auto torr = torr::ErstattInnstillinger(lokal, forrige, bytes)) return *torr;
  // The version is prepared first and given the replaced file itself as it
  // goes (a second name for it, no copy), then completed once the new file
  // stands.
  const std::optional<historikk::NyVersjon> versjon =
      forrige.status == platform::LeseStatus::Ok ? historikk::Forbered(lokal, forrige.bytes, dok, berort)
                                                  : std::nullopt;
  bool lenket = false;
  const bool lenke = versjon && versjon->feil.empty();
  const platform::FilStempel forventet = forrige.status == platform::LeseStatus::Mangler ? platform::FilStempel{}
                                                                                       : forrige.stempel;
  if (!platform::ErstattFil(lokal, bytes, grunn, lenke ? &versjon->lenke : nullptr, &lenket, &forventet,
                            endretUnderveis)) {
    // A save that fails leaves no version behind that was never replaced.
    if (versjon) historikk::Avbryt(*versjon);
    return false;
  }
  if (versjon && historikk::Fullfor(*versjon, forrige.bytes, bytes, lenket, versjonsfeil)) delt = versjon->ini;
  return true;
}

bool FinnesMappe(const std::string& lokal) {
  if (auto torr = torr::FinnesMappe(lokal)) return *torr;
  return platform::FinnesMappe(lokal);
}

bool LagMappe(const std::string& sti, std::string& grunn) {
  const std::string lokal = platform::LokalSti(sti);
  if (auto torr = torr::LagMappe(sti, lokal, grunn)) return *torr;
  return platform::LagMappe(lokal, grunn);
}

bool ErstattTekstfil(const std::string& sti, const std::string& bytes, std::string& grunn) {
  const std::string lokal = platform::LokalSti(sti);
  if (auto torr = torr::ErstattTekstfil(sti, lokal, grunn)) return *torr;
  return platform::ErstattFil(lokal, bytes, grunn);
}

}  // namespace brul::lager
