#include "generer.h"

#include <ctime>
#include <fstream>
#include <random>
#include <string_view>
#include <vector>

#include "app/tilstand.h"
#include "platform/fil.h"

namespace brul::bench {
namespace {

// The kinds of keys a machine section holds, cycled through to reach the
// wanted count; the mix of short and long values is that of a real file.
const char* const kNavn[] = {"Katalog", "BackupKatalog", "StartKode", "StoppKode", "Hent", "TimeOut",
                             "Protokoll", "Styring", "Alternativ", "Variabel", "Bit", "KommentarBit",
                             "Svar", "ProgDiv", "System", "FtpFilNavn"};

std::string Verdi(int m, int i) {
  switch (i % 6) {
    case 0: return "C:\\Brul\\Maskin" + std::to_string(m) + "\\Under" + std::to_string(i) + "\\";
    case 1: return "[DC2]%[CR][LF]";
    case 2: return std::to_string(i * 7 % 1000);
    case 3: return i % 2 ? "True" : "False";
    case 4: return "";
    default: return "Tekst med blanke og \xE6\xF8\xE5 " + std::to_string(i);
  }
}

}  // namespace

std::string GenerertNokkel(int i) {
  return std::string(kNavn[i % (sizeof kNavn / sizeof *kNavn)]) + std::to_string(i);
}

std::string GenererBrulIni(int maskiner, int nokler) {
  std::string s = "; Brul.ini - generert for ytelsesmaling\r\n[Program]\r\nMaskiner=" + std::to_string(maskiner) +
                  "\r\nMaskin=1\r\nExt=.NC\r\n";
  for (int m = 1; m <= maskiner; ++m) {
    s += "\r\n[Maskin" + std::to_string(m) + "]\r\n; maskin " + std::to_string(m) + "\r\nPort=Com" +
         std::to_string(m % 8 + 1) + "\r\n";
    for (int i = 0; i < nokler; ++i) {
      if (i % 40 == 39) s += ";" + GenerertNokkel(i) + "=gammel verdi\r\n";
      s += GenerertNokkel(i) + (i % 3 ? "=" : " = ") + Verdi(m, i) + "\r\n";
    }
  }
  for (int p = 1; p <= 8; ++p)
    s += "\r\n[Com" + std::to_string(p) +
         "]\r\nBaud=9600\r\nHandShake=True\r\nXonXoff=True\r\nKode=Iso\r\nBit=7\r\nStoppBit=2\r\n"
         "Paritet=E\r\nEOB=[CR][LF]\r\nTimeOut=5\r\n";
  return s;
}

std::size_t LesOgDelLinjer(const std::filesystem::path& fil) {
  const platform::FilLesing lest = platform::LesHeleFil(fil.string());
  const std::string_view b = lest.bytes;
  std::vector<std::string_view> linjer;
  linjer.reserve(b.size() / 24 + 16);
  // At LF, a CR before it dropped: the quickest split there is, so the
  // ratios measured against it are not flattered.
  std::size_t pos = 0;
  while (pos < b.size()) {
    std::size_t slutt = b.find('\n', pos);
    if (slutt == std::string_view::npos) slutt = b.size();
    std::size_t e = slutt;
    if (e > pos && b[e - 1] == '\r') --e;
    linjer.push_back(b.substr(pos, e - pos));
    pos = slutt + 1;
  }
  return linjer.size();
}

double CpuSekunder() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

GenerertInstallasjon::GenerertInstallasjon(int maskiner, int nokler)
    : gammelIni_(IniFil), gammeltKart_(platform::Stasjoner()) {
  std::random_device rd;
  rot_ = std::filesystem::temp_directory_path() /
         ("brul-bench-" + std::to_string(rd()) + "-" + std::to_string(rd()));
  std::filesystem::create_directories(rot_ / "Brul");
  platform::SettStasjoner({{'C', rot_.string()}});
  IniFil = "C:\\Brul\\Brul.ini";
  const std::string innhold = GenererBrulIni(maskiner, nokler);
  storrelse_ = innhold.size();
  std::ofstream(iniFil(), std::ios::binary) << innhold;
}

GenerertInstallasjon::~GenerertInstallasjon() {
  IniFil = gammelIni_;
  platform::SettStasjoner(gammeltKart_);
  std::error_code ec;
  std::filesystem::remove_all(rot_, ec);
}

}  // namespace brul::bench
