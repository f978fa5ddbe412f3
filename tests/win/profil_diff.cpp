// Differential test of the settings file reader and writer against the
// Windows profile functions (GetPrivateProfileStringA and
// WritePrivateProfileStringA, code page 1252), which the transfer programs
// read the file with. Random files with what people leave in them (blanks
// around "=", quotes, comments, duplicate keys and sections, empty values,
// long lines, CR-only and LF-only line ends, Windows-1252 letters) are read
// both ways for random section/key pairs; random writes are made both ways on
// copies of the same file, and the profile function reads both copies back.
//
//   profil_diff [--fro N] [--filer N] [--mappe DIR] [--vis N] [--behold ja]
//
// Every disagreement is put in a class. Classes the project keeps on purpose
// (tests/win/README section of the main README) are counted; any other fails
// the run (exit status 1) and is shown with its file.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "platform/kodeside.h"
#include "store/ini_document.h"

namespace {

using brul::IniDocument;

struct Tilfeldig {
  std::mt19937 g;
  explicit Tilfeldig(unsigned fro) : g(fro) {}
  int tall(int fra, int til) { return std::uniform_int_distribution<int>(fra, til)(g); }
  bool sjanse(int prosent) { return tall(0, 99) < prosent; }
  template <class T>
  const T& velg(const std::vector<T>& v) { return v[static_cast<std::size_t>(tall(0, static_cast<int>(v.size()) - 1))]; }
};

// Names as the file stores them: Windows-1252 bytes (\xE6 is æ, \xC6 is Æ).
const std::vector<std::string> kSeksjoner = {"S", "s", "Maskin1", "MASKIN1", "maskin1", "Com3",
                                             "\xC6" "ble", "\xE6" "ble", "Program", "A B", "X"};
const std::vector<std::string> kNokler = {"k", "K", "key", "Navn", "NAVN", "navn", "\xE6\xF8\xE5",
                                          "\xC6\xD8\xC5", "a b", "\xD8", "x", "Baud"};

std::string Blanke(Tilfeldig& t) {
  static const std::vector<std::string> b = {"", "", "", " ", "  ", "\t", " \t "};
  return t.velg(b);
}

std::string Verdi(Tilfeldig& t, bool forSkriving) {
  static const std::vector<std::string> deler = {
      "", "v", "verdi med blanke", "\"sitert\"", "'enkelt'", "\"ubalansert", "'blandet\"", "a=b",
      ";semi", "#hash", "//skr\xE5", "\xE6\xF8\xE5 \xC6\xD8\xC5", "C:\\Brul\\Maskin1\\", "[DC2]%",
      "\"\"", "''", " indre  blanke ", "\x80\x81\x8D\x9F\xA0\xFF"};
  std::string v;
  const int antall = t.tall(0, 3);
  for (int i = 0; i < antall; ++i) v += t.velg(deler);
  if (t.sjanse(10))
    for (int i = t.tall(1, 6); i > 0; --i) v.push_back(static_cast<char>(t.tall(0x80, 0xFF)));
  if (t.sjanse(forSkriving ? 3 : 6)) v += std::string(static_cast<std::size_t>(t.tall(3000, 6000)), 'L');
  if (t.sjanse(15)) v = Blanke(t) + v + Blanke(t);
  return v;
}

std::string Fil(Tilfeldig& t) {
  static const std::vector<std::string> slutter = {"\r\n", "\r\n", "\n", "\r"};
  const std::string eol = t.velg(slutter);
  const bool blandet = t.sjanse(5);
  std::vector<std::string> linjer;
  auto nokkelLinje = [&] {
    return Blanke(t) + t.velg(kNokler) + Blanke(t) + "=" + Blanke(t) + Verdi(t, false) + Blanke(t);
  };
  for (int i = t.tall(0, 2) - 1; i > 0; --i) linjer.push_back(nokkelLinje());  // before any header
  for (int s = t.tall(0, 6); s > 0; --s) {
    std::string hode = Blanke(t) + "[" + Blanke(t) + t.velg(kSeksjoner) + Blanke(t);
    const int form = t.tall(0, 19);
    if (form == 0) {
      // no closing bracket: no header
    } else if (form == 1) {
      hode += "]etter]" + Blanke(t);
    } else if (form == 2) {
      hode += "] ;kommentar";
    } else {
      hode += "]" + Blanke(t);
    }
    linjer.push_back(hode);
    for (int l = t.tall(0, 8); l > 0; --l) {
      const int slag = t.tall(0, 19);
      if (slag < 12)
        linjer.push_back(nokkelLinje());
      else if (slag < 14)
        linjer.push_back(Blanke(t) + ";" + t.velg(kNokler) + "=kommentert");
      else if (slag < 15)
        linjer.push_back(Blanke(t) + t.velg(kNokler));  // no "="
      else if (slag < 17)
        linjer.push_back(Blanke(t));
      else if (slag < 18)
        linjer.push_back("=" + Verdi(t, false));  // no name
      else
        linjer.push_back(Blanke(t) + "#" + t.velg(kNokler) + "=hash");
    }
  }
  std::string bytes;
  for (std::size_t i = 0; i < linjer.size(); ++i) {
    bytes += linjer[i];
    if (i + 1 < linjer.size() || t.sjanse(85)) bytes += blandet ? t.velg(slutter) : eol;
  }
  return bytes;
}

// A name or text as the project's store takes it: UTF-8.
std::string Utf8(const std::string& win1252) { return brul::Win1252TilUtf8(win1252); }

void SkrivFil(const std::string& sti, const std::string& bytes) {
  std::ofstream(std::filesystem::u8path(sti), std::ios::binary | std::ios::trunc) << bytes;
}
std::string LesFil(const std::string& sti) {
  std::ifstream inn(std::filesystem::u8path(sti), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(inn), {});
}

// What the profile function reads: nullopt for absent.
std::optional<std::string> ProfilLes(const std::string& fil, const std::string& s, const std::string& k) {
  // The transfer programs read into a buffer of 4096 characters.
  std::vector<char> buf(4096, '\0');
  const DWORD n = GetPrivateProfileStringA(s.c_str(), k.c_str(), "\x01", buf.data(),
                                           static_cast<DWORD>(buf.size()), fil.c_str());
  std::string v(buf.data(), n);
  if (v == "\x01") return std::nullopt;
  return v;
}

// What the project's reader reads, as the file's bytes.
std::optional<std::string> VaarLes(const IniDocument& d, const std::string& s, const std::string& k) {
  auto v = d.les(Utf8(s), Utf8(k));
  if (!v) return v;
  if (d.koding() != IniDocument::Koding::Win1252) return v;
  std::string bytes;
  brul::Utf8TilWin1252(*v, bytes);
  return bytes;
}

std::string Vis(const std::optional<std::string>& v) {
  if (!v) return "(fraværende)";
  std::string ut = "\"";
  for (unsigned char c : v->substr(0, 80)) {
    if (c < 0x20 || c >= 0x7F) {
      char b[8];
      std::snprintf(b, sizeof b, "\\x%02X", c);
      ut += b;
    } else {
      ut.push_back(static_cast<char>(c));
    }
  }
  if (v->size() > 80) ut += "…(" + std::to_string(v->size()) + ")";
  return ut + "\"";
}

struct Opptelling {
  long filer = 0, lesinger = 0, skrivinger = 0, avvistAvRegel = 0;
  std::map<std::string, long> kjente;   // class -> count, kept on purpose
  std::map<std::string, long> ukjente;  // class -> count
  int vist = 0;
  int maksVist = 5;
  bool behold = false;  // keep the files of unknown disagreements
};

// The name with the letter case of its Windows-1252 letters above ASCII
// turned round (Æble <-> æble); the name itself when it has none.
std::string AnnenStorrelse(const std::string& navn) {
  std::string ut = navn;
  for (char& c : ut) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0xC0 && b <= 0xDE && b != 0xD7) c = static_cast<char>(b + 0x20);
    else if (b >= 0xE0 && b <= 0xFE && b != 0xF7) c = static_cast<char>(b - 0x20);
  }
  return ut;
}

// Whether the profile function, asked for the section or key in the other
// letter case of its letters above ASCII, reads `svar` from `fil`: the
// disagreement is then only that wine matches such letters in their stored
// case, where Windows (and this project, by its rules) ignores it.
bool BareStorrelseOverAscii(const std::string& fil, const std::string& s, const std::string& k,
                            const std::optional<std::string>& svar) {
  const std::string as = AnnenStorrelse(s), ak = AnnenStorrelse(k);
  if (as == s && ak == k) return false;
  for (const auto& [ss, kk] : {std::pair{as, k}, std::pair{s, ak}, std::pair{as, ak}})
    if ((ss != s || kk != k) && ProfilLes(fil, ss, kk) == svar) return true;
  return false;
}

std::string Stor(std::string navn) {
  for (char& c : navn) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7)) c = static_cast<char>(b - 0x20);
  }
  return navn;
}

std::string Trim(const std::string& t) {
  const auto a = t.find_first_not_of(" \t");
  if (a == std::string::npos) return {};
  return t.substr(a, t.find_last_not_of(" \t") - a + 1);
}

// Whether, in the first section of that name, a line holding only the key's
// name (no "=") comes before the first line that sets the key. wine takes
// such a line as the key without a value and reads the default; the rule
// kept here is that a line without "=" is no key and sets nothing, so the
// later line counts.
bool NavnLinjeForNokkelen(const std::string& bytes, const std::string& s, const std::string& k) {
  std::vector<std::string> linjer;
  std::string l;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c == '\r' || c == '\n') {
      linjer.push_back(l);
      l.clear();
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    } else {
      l.push_back(c);
    }
  }
  linjer.push_back(l);
  bool inne = false, funnet = false;
  for (const auto& linje : linjer) {
    const std::string t = Trim(linje);
    const auto slutt = t.rfind(']');
    if (!t.empty() && t[0] == '[' && slutt != std::string::npos) {
      if (funnet) return false;  // only the first section of the name
      inne = Stor(Trim(t.substr(1, slutt - 1))) == Stor(s);
      funnet = inne;
      continue;
    }
    if (!inne || t.empty() || t[0] == ';') continue;
    const auto lik = t.find('=');
    if (lik == std::string::npos) {
      if (Stor(t) == Stor(k)) return true;
    } else if (Stor(Trim(t.substr(0, lik))) == Stor(k)) {
      return false;
    }
  }
  return false;
}

constexpr const char* kNavnLinje = "wine tar en linje med bare nøkkelens navn (uten «=») foran nøkkelen som nøkkelen uten verdi; hos oss er en linje uten «=» ingen nøkkel, så vi leser nøkkelen etter";

constexpr const char* kStorrelse = "wine skiller store og små bokstaver over ASCII i navn (Æ/æ), Windows og vi gjør ikke";

void Avvik(Opptelling& o, const std::string& klasse, bool kjent, const std::string& fil, const std::string& hva) {
  (kjent ? o.kjente : o.ukjente)[klasse]++;
  if (!kjent && o.behold) {
    static int nr = 0;
    const std::string kopi = fil + ".avvik" + std::to_string(++nr);
    SkrivFil(kopi, LesFil(fil));
    std::printf("beholdt %s: %s\n", kopi.c_str(), hva.c_str());
  }
  if (!kjent && o.vist < o.maksVist) {
    ++o.vist;
    std::printf("--- avvik (%s): %s\n    fil %s:\n%s\n", klasse.c_str(), hva.c_str(), fil.c_str(),
                Vis(LesFil(fil)).c_str());
    std::printf("%s\n", LesFil(fil).substr(0, 2000).c_str());
  }
}

void EnFil(Opptelling& o, unsigned fro, const std::string& mappe) {
  Tilfeldig t(fro);
  const std::string original = Fil(t);
  const std::string navn = mappe + "\\f" + std::to_string(fro);
  const std::string fil = navn + ".ini";
  SkrivFil(fil, original);
  const IniDocument d = IniDocument::fraBytes(original);
  ++o.filer;

  std::vector<std::pair<std::string, std::string>> par;
  for (int i = 0; i < 20; ++i) par.emplace_back(t.velg(kSeksjoner), t.velg(kNokler));
  for (const auto& [s, k] : par) {
    ++o.lesinger;
    const auto profil = ProfilLes(fil, s, k);
    const auto vaar = VaarLes(d, s, k);
    if (profil == vaar) continue;
    std::string kjent;
    if (d.koding() != IniDocument::Koding::Win1252)
      kjent = "fil lest som UTF-8 (gyldig UTF-8 med flerbytetegn)";
    else if (BareStorrelseOverAscii(fil, s, k, vaar))
      kjent = std::string("lesing: ") + kStorrelse;
    else if (NavnLinjeForNokkelen(original, s, k))
      kjent = std::string("lesing: ") + kNavnLinje;
    Avvik(o, kjent.empty() ? "lesing" : kjent, !kjent.empty(), fil,
          "[" + s + "] " + k + ": profil " + Vis(profil) + ", vår " + Vis(vaar));
  }

  for (int w = 0; w < 3; ++w) {
    const std::string s = t.velg(kSeksjoner);
    const std::string k = t.velg(kNokler);
    const std::string v = Verdi(t, true);
    const std::string a = navn + "_w" + std::to_string(w) + "_profil.ini";
    const std::string b = navn + "_w" + std::to_string(w) + "_vaar.ini";
    SkrivFil(a, original);
    IniDocument vaar = IniDocument::fraBytes(original);
    const auto utfall = vaar.skriv(Utf8(s), Utf8(k), Utf8(v));
    if (utfall != IniDocument::Utfall::Endret && utfall != IniDocument::Utfall::Uendret) {
      ++o.avvistAvRegel;  // refused with a message: a rule of ours, nothing written
      continue;
    }
    ++o.skrivinger;
    WritePrivateProfileStringA(s.c_str(), k.c_str(), v.c_str(), a.c_str());
    SkrivFil(b, vaar.tilBytes());
    std::vector<std::pair<std::string, std::string>> sjekk = par;
    sjekk.emplace_back(s, k);
    for (const auto& [ss, kk] : sjekk) {
      const auto fraProfil = ProfilLes(a, ss, kk);
      const auto fraVaar = ProfilLes(b, ss, kk);
      if (fraProfil == fraVaar) continue;
      const bool sammeNokkel = ss == s && kk == k;
      const bool storrelse = BareStorrelseOverAscii(b, ss, kk, fraProfil) ||
                             BareStorrelseOverAscii(a, ss, kk, fraVaar) ||
                             BareStorrelseOverAscii(b, s, k, ProfilLes(a, s, k));
      const bool navnLinje = !storrelse && (NavnLinjeForNokkelen(original, ss, kk) ||
                                            NavnLinjeForNokkelen(original, s, k));
      Avvik(o, storrelse   ? std::string("skriving: ") + kStorrelse
               : navnLinje ? std::string("skriving: ") + kNavnLinje
               : sammeNokkel ? "skriving: nøkkelen" : "skriving: en annen nøkkel",
            storrelse || navnLinje, b,
            "skrev [" + s + "] " + k + "=" + Vis(v) + "; leser [" + ss + "] " + kk + ": etter profil " +
                Vis(fraProfil) + ", etter vår " + Vis(fraVaar));
    }
    std::error_code ec;
    std::filesystem::remove(std::filesystem::u8path(a), ec);
    std::filesystem::remove(std::filesystem::u8path(b), ec);
  }
  std::error_code ec;
  std::filesystem::remove(std::filesystem::u8path(fil), ec);
}

}  // namespace

int main(int argc, char** argv) {
  unsigned fro = 1;
  long filer = 300;
  std::string mappe;
  Opptelling o;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string a = argv[i];
    if (a == "--fro") fro = static_cast<unsigned>(std::strtoul(argv[i + 1], nullptr, 10));
    else if (a == "--filer") filer = std::strtol(argv[i + 1], nullptr, 10);
    else if (a == "--mappe") mappe = argv[i + 1];
    else if (a == "--vis") o.maksVist = std::atoi(argv[i + 1]);
    else if (a == "--behold") o.behold = std::string(argv[i + 1]) == "ja";
  }
  if (mappe.empty()) {
    char tmp[MAX_PATH + 1];
    GetTempPathA(MAX_PATH, tmp);
    mappe = std::string(tmp) + "brul-profil-diff-" + std::to_string(GetCurrentProcessId());
  }
  std::filesystem::create_directories(std::filesystem::u8path(mappe));
  for (long i = 0; i < filer; ++i) EnFil(o, fro + static_cast<unsigned>(i), mappe);
  std::error_code ec;
  if (!o.behold) std::filesystem::remove_all(std::filesystem::u8path(mappe), ec);

  long kjente = 0, ukjente = 0;
  for (const auto& [k, n] : o.kjente) kjente += n;
  for (const auto& [k, n] : o.ukjente) ukjente += n;
  std::printf("filer %ld (frø %u-%u), lesinger %ld, skrivinger %ld (+ %ld avvist av egen regel)\n", o.filer, fro,
              fro + static_cast<unsigned>(filer) - 1, o.lesinger, o.skrivinger, o.avvistAvRegel);
  std::printf("avvik: %ld kjente, %ld ukjente\n", kjente, ukjente);
  for (const auto& [k, n] : o.kjente) std::printf("  kjent   %6ld  %s\n", n, k.c_str());
  for (const auto& [k, n] : o.ukjente) std::printf("  UKJENT  %6ld  %s\n", n, k.c_str());
  return ukjente == 0 ? 0 : 1;
}
