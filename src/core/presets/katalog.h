#pragma once
// The controller catalogue as the presets address it: each controller type and
// each variant by name, at its position in the Styring and Alternativ lists
// (the texts are in schema/styringer.cpp, in the same order).
#include "schema/styringer.h"

namespace brul {

// Positions of the controller types in the Styring list.
namespace styring {
enum : int {
  Burny = 0, Cincinatti, Fagor, Fanuc, FanucBlokkvis, FanucBuffer, Forinstiller, Haas,
  Heidenhain135, Heidenhain150, Heidenhain406, Handterminal, KoikeHybrid, Lsv2,
  Mazatrol4, Mazatrol8, Okuma3000, Okuma5000, OkumaAEU, ParallellKort, Philips,
  SiemensSub, SiemensSamle, SiemensSplitt, Smt, StandardIso
};
}  // namespace styring

// Positions of the variants in each family's Alternativ list. A type with a
// single variant (or only the fallback "Standard oppsett") has none to tell.
namespace alternativ {

namespace cincinatti {
enum : int { MedStandardProtokoll = 0, MedDc2Protokoll };
}
namespace fagor {
enum : int { MedIsoKode = 0, MedBinaerKodeOgHandterminal, MedBinaerKodeOg4Siffer };
}
// Fanuc, Fanuc blokkvis and Fanuc med buffer.
namespace fanuc {
enum : int { MedParenteser = 0, MedKommentarer, IjkMedKatalog, JkUtenKatalog, MedBinaerFapt, MedAsciiFapt };
}
namespace forinstiller {
enum : int { StandardOppsett = 0, MedHandterminal };
}
// Heidenhain 150 and 406.
namespace heidenhain {
enum : int { BlokkvisOverforing = 0, VanligMedBegin, VanligMedProsentOgG71 };
}
namespace lsv2 {
enum : int { SiemensUtenClear = 0, SiemensMedClear, DeckelDialog };
}
// Mazatrol 4 digits; the 8-digit list holds the first two.
namespace mazatrol {
enum : int { MedLangtNavn = 0, MedKortNavn, UtenKommentarer, UtenIsoMulighet, Robot };
}
// Okuma 5000 & 7000; Okuma A,E,U has the fallback list alone.
namespace okuma {
enum : int { NormaltOppsett = 0, DefaulteParameter, UtenNavnIRetur };
}
namespace parallell {
enum : int { Fanuc5Og6Og7 = 0, Okuma2000Og3000 };
}
namespace philips {
enum : int { MedParenteser = 0, MedKommentarer, MedEKoderSomFilnavn, MedEkko };
}
// The three Siemens types.
namespace siemens {
enum : int { MedParenteser = 0, MedKommentarer, MedNOgKommentarer, MedXyzSomFilnavn, MedIjkSomFilnavn };
}
namespace standardiso {
enum : int {
  MedParenteser = 0, MedKommentarer, MedXyzSomFilnavn, MedIjkSomFilnavn, MedEgendefinertFilnavn,
  UtenNavnIFilen
};
}

}  // namespace alternativ

}  // namespace brul
