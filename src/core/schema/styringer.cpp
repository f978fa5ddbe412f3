#include "schema/styringer.h"

namespace brul {
namespace {

const std::vector<std::string> fallback{"Standard oppsett"};
const std::vector<std::string> fanuc{"Med parenteser",  "Med kommentarer", "IJK med katalog",
                                     "JK uten katalog", "Med binær FAPT",  "Med ASCII FAPT"};
const std::vector<std::string> heidenhain{"Blokkvis overføring", "Vanlig med BEGIN",
                                          "Vanlig med % & G71"};
const std::vector<std::string> siemens{"Med parenteser", "Med kommentarer", "Med _N_ og kommentarer",
                                       "Med XYZ som filnavn", "Med IJK som filnavn"};
const std::vector<std::string> mazatrolKort{"Med langt navn", "Med kort navn"};

const std::vector<Styringstype> katalog{
    {"Burny", {"Med upload/download"}},
    {"Cincinatti", {"Med Standard-protokoll", "Med DC2-protokoll"}},
    {"Fagor", {"Med ISO-kode", "Med binær-kode & Håndterminal/PC", "Med binær-kode & 4 siffer"}},
    {"Fanuc", fanuc},
    {"Fanuc blokkvis", fanuc},
    {"Fanuc med buffer", fanuc},
    {"Forinstiller", {"Standard oppsett", "Med håndterminal"}},
    {"Haas", {}},
    {"Heidenhain 135/145", {"Med XYZ som filnavn"}},
    {"Heidenhain 150 -->", heidenhain},
    {"Heidenhain 406 -->", heidenhain},
    {"Håndterminal", {}},
    {"Koike Hybrid", {}},
    {"LSV2 (Siemens&Deckel)", {"Siemens uten clear", "Siemens med clear", "Deckel Dialog 4&11"}},
    {"Mazatrol (4 siffer)",
     {"Med langt navn", "Med kort navn", "Uten kommentarer", "Uten ISO mulighet", "Robot"}},
    {"Mazatrol (8 siffer)", mazatrolKort},
    {"Okuma 3000", {"Navn mellom A og %"}},
    {"Okuma 5000 & 7000", {"Normalt oppsett", "Defaulte parameter", "Uten navn i retur"}},
    {"Okuma A,E,U-10/100", {}},
    {"Parallell-kort", {"Fanuc 5, 6 & 7", "Okuma 2000 & 3000"}},
    {"Philips (alle typer)",
     {"Med parenteser", "Med kommentarer", "Med E-koder som filnavn", "Med ekko"}},
    {"Siemens m. subprogram", siemens},
    {"Siemens (samle program)", siemens},
    {"Siemens (splitt program)", siemens},
    {"SMT 220/300", {"Navn bak G6/G7"}},
    {"Standard ISO",
     {"Med parenteser", "Med kommentarer", "Med XYZ som filnavn", "Med IJK som filnavn",
      "Med egendefinert filnavn", "Uten navn i filen"}},
};

}  // namespace

const std::vector<Styringstype>& StyringsKatalog() { return katalog; }

const std::vector<std::string>& StyringsTekster() {
  static const std::vector<std::string> tekster = [] {
    std::vector<std::string> t;
    for (const auto& s : katalog) t.push_back(s.navn);
    return t;
  }();
  return tekster;
}

const std::vector<std::string>& Alternativer(int styringsIndeks) {
  const unsigned indeks = static_cast<unsigned>(styringsIndeks) & 0xFFu;
  if (indeks >= katalog.size() || katalog[indeks].alternativer.empty()) return fallback;
  return katalog[indeks].alternativer;
}

}  // namespace brul
