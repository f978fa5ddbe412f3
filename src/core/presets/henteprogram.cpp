#include "presets/henteprogram.h"

#include "presets/katalog.h"

namespace brul {

std::string Linjer(std::initializer_list<std::string_view> deler) {
  std::string ut;
  bool etterLinje = false;  // a line was the last piece, so the next line needs a separator
  for (std::string_view del : deler) {
    if (del == LF || del == CRLF) {
      ut += del;
      etterLinje = false;
      continue;
    }
    if (etterLinje) ut += CRLF;
    ut += del;
    etterLinje = true;
  }
  return ut;
}

std::vector<Henteprogram> CincinattiHenteprogram() {
  return {{"5000", Linjer({"%", LF, "(MSG5002,)", LF, "M30"})}};
}

std::vector<Henteprogram> FanucHenteprogram(int v) {
  using namespace alternativ::fanuc;
  std::vector<Henteprogram> filer;
  if (v == MedKommentarer || v == MedAsciiFapt) {
    filer = {
        {"5000", Linjer({"%", ":5000 (5002)", "(HENTEPROGRAM)", "M30", "%"})},
        {"5002", Linjer({"%", ":5002 (5)", "(KATALOG-HENTEPROGRAM)", "M30", "%"})},
        {"5003", Linjer({"%", ":5003 (TOOLS)", "(TOOLDATA-HENTEPROGRAM)", "M30", "%"})},
    };
  } else if (v == IjkMedKatalog || v == JkUtenKatalog) {
    filer = {
        {"5000", Linjer({"%", ":5000", "K5002", "(HENTEPROGRAM)", "M30", "%"})},
        {"5002", Linjer({"%", ":5002", "K5", "(KATALOG-HENTEPROGRAM)", "M30", "%"})},
        {"5003", Linjer({"%", ":5003", "KTOOLS", "(TOOLDATA-HENTEPROGRAM)", "M30", "%"})},
    };
  } else if (v == MedParenteser || v == MedBinaerFapt) {
    filer = {
        {"5000", Linjer({"%", ":5000", "(L)()(5002)", "(HENTEPROGRAM)", "M30", "%"})},
        {"5002", Linjer({"%", ":5002", "(D)()(5)", "(KATALOG-HENTEPROGRAM)", "M30", "%"})},
        {"5003", Linjer({"%", ":5003", "(T)()(TOOLS)", "(TOOLDATA-HENTEPROGRAM)", "M30", "%"})},
    };
  }
  // The print macro does not depend on how files are addressed.
  filer.push_back({"9020", Linjer({"%", ":9020", "POPEN", "DPRNT [MAKRO 4]",
                                   "DPRNT [PARAM#4115[40]]", "PCLOS", "M99", "%"})});
  return filer;
}

std::vector<Henteprogram> HaasHenteprogram() {
  return {
      {"5000", Linjer({"%", "O05000 (5002)", "(HENTEPROGRAM)", "M30", "%", CRLF})},
      {"5002", Linjer({"%", "O05002 (5)", "(KATALOG-HENTEPROGRAM)", "M30", "%", CRLF})},
  };
}

std::vector<Henteprogram> Heidenhain135Henteprogram() {
  return {{"5000", Linjer({"", "X5002", CRLF})}};
}

std::vector<Henteprogram> HeidenhainBeginHenteprogram() {
  return {{"5000", Linjer({"0 BEGIN PGM 5000 MM ", "1 END PGM 5000 MM "})}};
}

std::vector<Henteprogram> HeidenhainG71Henteprogram() {
  return {{"5000", Linjer({"%5000 G71 ", "N9999 %5000 G71 ", CRLF})}};
}

std::vector<Henteprogram> MazatrolHenteprogram() {
  return {
      {"5000", Linjer({"%", LF, "O5000 (5002)", LF, "(HENTEPROGRAM)", LF, "M30", LF, "%"})},
      {"5002",
       Linjer({"%", LF, "O5002 (5)", LF, "(KATALOG-HENTEPROGRAM)", LF, "M30", LF, "%"})},
  };
}

std::vector<Henteprogram> Okuma3000Henteprogram() {
  return {
      {"5000", Linjer({"A5002", "%", "N1 (HENTEPROGRAM)", "N2 M31"})},
      {"5002", Linjer({"A5", "%", "N1 (KATALOG-HENTEPROGRAM)", "N2 M02"})},
  };
}

std::vector<Henteprogram> OkumaHenteprogram() {
  return {
      {"H", Linjer({"(L)()(D)", "(HENTEPROGRAM)", "M30"})},
      {"D", Linjer({"(D)()()", "(KATALOG-HENTEPROGRAM)", "M30"})},
  };
}

std::vector<Henteprogram> PhilipsHenteprogram(int v) {
  using namespace alternativ::philips;
  switch (v) {
    case MedParenteser:
      return {
          {"5000", Linjer({"%PM5000", "N5000 (HENTEPROGRAM)", "N1 (L)()(5002)", "N2 M30"})},
          {"5002",
           Linjer({"%PM5002", "N5002 (KATALOG-HENTEPROGRAM)", "N1 (D)()(5)", "N2 M30"})},
          {"5003",
           Linjer({"%PM5003", "N5003 (TOOLDATA-HENTEPROGRAM)", "N1 (T)()(TOOLS)", "N2 M30"})},
      };
    case MedKommentarer:
      return {
          {"5000", Linjer({"%PM5000", "N5000 (5002)", "N1 (HENTEPROGRAM)", "N2 M30"})},
          {"5002", Linjer({"%PM5002", "N5002 (5)", "N1 (KATALOG-HENTEPROGRAM)", "N2 M30"})},
          {"5003",
           Linjer({"%PM5003", "N5003 (TOOLS)", "N1 (TOOLDATA-HENTEPROGRAM)", "N2 M30"})},
      };
    case MedEKoderSomFilnavn:
      return {
          {"5000",
           Linjer({"%PM5000", "N5000 (HENTEPROGRAM)", "N1 E97=1 E98=5002", LF, "N2 M30"})},
          {"5002", Linjer({"%PM5002", "N5002 (KATALOG-HENTEPROGRAM)", LF, "N1 E97=2 E98=5", LF,
                           "N2 M30"})},
          {"5003", Linjer({"%PM5003", "N5003 (TOOLDATA-HENTEPROGRAM)", LF,
                           "N1 E97=2 E98=TOOLS", LF, "N2 M30"})},
      };
    default:
      return {};
  }
}

std::vector<Henteprogram> SiemensHenteprogram(int v, const std::string& p, const std::string& x) {
  using namespace alternativ::siemens;
  // The first line names the program: "%", the prefix, the number, and the
  // suffix only for the _N_ form, the only one that has a suffix.
  const auto navn = [&](const std::string& nr) {
    return "%" + p + nr + (v == MedNOgKommentarer ? x : "");
  };
  const std::string h = navn("5000"), d = navn("5002"), t = navn("5003");
  switch (v) {
    case MedParenteser:
      return {
          {"5000", Linjer({h, "(L)()(5002)", "(HENTEPROGRAM)", "M30"})},
          {"5002", Linjer({d, "(D)()(5)", "(KATALOG-HENTEPROGRAM)", "M30"})},
          {"5003", Linjer({t, "(T)()(TOOLS)", "(TOOLDATA-HENTEPROGRAM)", "M30"})},
      };
    case MedKommentarer:
    case MedNOgKommentarer:
      return {
          {"5000", Linjer({h, "(5002)", "(HENTEPROGRAM)", "M30"})},
          {"5002", Linjer({d, "(5)", "(KATALOG-HENTEPROGRAM)", "M02"})},
          {"5003", Linjer({t, "(TOOLS)", "(TOOLDATA-HENTEPROGRAM)", "M02"})},
      };
    case MedXyzSomFilnavn:
      return {
          {"5000", Linjer({h, "N1 G7 X5002", "N2 (HENTEPROGRAM)", "N3 M30"})},
          {"5002", Linjer({d, "N1 G8 X5", "N2 (KATALOG-HENTEPROGRAM)", "N3 M30"})},
          {"5003", Linjer({t, "N1 G6 XTOOLS", "N2 (TOOLDATA-HENTEPROGRAM)", "N3 M30"})},
      };
    case MedIjkSomFilnavn:
      return {
          {"5000", Linjer({h, "N1 K5002", "N2 (HENTEPROGRAM)", "N3 M30"})},
          {"5002", Linjer({d, "N1 K5", "N2 (KATALOG-HENTEPROGRAM)", "N3 M30"})},
          {"5003", Linjer({t, "N1 KTOOLS", "N2 (TOOLDATA-HENTEPROGRAM)", "N3 M30"})},
      };
    default:
      return {};
  }
}

}  // namespace brul
