#pragma once
// Shared by the preset tests: an editor on a scratch settings file with one
// machine, a scripted operator, and readers that look at the file itself (not
// at the controls), with the read defaults of the keys the tests look at.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/skriptoperator.h"
#include "app/tilstand.h"
#include "editor/editor.h"
#include "platform/sti.h"
#include "platform/tekst.h"
#include "presets/forvalg.h"
#include "store/settings.h"

namespace brul::test {

// The settings file every preset test starts from: machine 1 on Com2, its
// folder C:\Brul\Maskin\M1\ (drive C mapped to a scratch folder).
inline std::string PresetIni(const std::string& maskinEkstra = "", const std::string& ekstra = "") {
  return "[Program]\r\nMaskiner=1\r\nMaskin=1\r\nExt=.NC\r\n\r\n"
         "[Maskin1]\r\nNavn=Fres\r\nPort=Com2\r\nKatalog=C:\\Brul\\Maskin\\M1\\\r\n"
         "Ext=.NC\r\nMazExt=.MAZ\r\n" +
         maskinEkstra + "\r\n[Com2]\r\nBaud=2400\r\nHandShake=True\r\nXonXoff=False\r\n" + ekstra;
}

class PresetMiljo {
 public:
  explicit PresetMiljo(const std::string& ini = PresetIni())
      : ini_(IniFil), kart_(platform::Stasjoner()) {
    std::random_device rd;
    rot_ = std::filesystem::temp_directory_path() /
           ("brul-preset-" + std::to_string(rd()) + "-" + std::to_string(rd()));
    std::filesystem::create_directories(rot_ / "Brul" / "Maskin" / "M1");
    platform::SettStasjoner({{'C', rot_.string()}});
    IniFil = (rot_ / "Brul" / "Brul.ini").string();
    std::ofstream(IniFil, std::ios::binary) << ini;
    med_ = std::make_unique<MedOperator>(op);
    RegistrerForvalg();
    e = std::make_unique<Editor>();
    e->FormCreate();
  }
  ~PresetMiljo() {
    e.reset();
    med_.reset();
    IniFil = ini_;
    platform::SettStasjoner(kart_);
    std::error_code ec;
    std::filesystem::remove_all(rot_, ec);
  }
  PresetMiljo(const PresetMiljo&) = delete;
  PresetMiljo& operator=(const PresetMiljo&) = delete;

  // The operator picks a controller and, when v >= 0, one of its variants.
  void velg(int s, int v) {
    e->Styring.operatorPick(s);
    if (v >= 0) e->Alternativ.operatorPick(v);
  }
  bool lagre() { return e->OKBtnClick(); }

  // A key of the file as stored (letter case kept); an absent key reads as
  // the key's read default from the table below.
  std::string les(const std::string& seksjon, const std::string& nokkel) const {
    static const std::string fravar = "\x01";
    std::string v = LesFraFil(IniFil, seksjon, nokkel, fravar);
    if (v != fravar) return v;
    // Keys whose default is the value of another key of the same section.
    static const std::map<std::string, std::string> folger{
        {"Break", "TimeOut"},         {"StartPrint", "Print"},       {"StartDir", "DirHent"},
        {"Hent2", "Hent"},            {"StartHent2", "StartHent"},   {"StoppHent2", "StoppHent"},
        {"StartLagre2", "StartLagre"}, {"StoppLagre2", "StoppLagre"}, {"BackupKatalog", "Katalog"},
        {"Ext2", "Ext"},              {"FtpExt", "Ext"},             {"NcExt", "Ext"},
        {"FtpKatalog", "Katalog"},     {"SaveTapeMarks", "TapeMarks"},
    };
    if (auto f = folger.find(nokkel); f != folger.end()) return les(seksjon, f->second);
    auto it = Standard().find(nokkel);
    return it == Standard().end() ? std::string() : it->second;
  }
  bool finnes(const std::string& seksjon, const std::string& nokkel) const {
    return LesFraFil(IniFil, seksjon, nokkel, "\x01") != "\x01";
  }
  std::string maskin(const std::string& nokkel) const { return les("Maskin1", nokkel); }
  std::string port(const std::string& nokkel) const { return les("Com2", nokkel); }
  bool boolsk(const std::string& seksjon, const std::string& nokkel, bool standard) const {
    std::string v = TilStore(LesFraFil(IniFil, seksjon, nokkel, standard ? "True" : "False"));
    return v == "TRUE" || v == "1";
  }
  // The handshake choice the four port booleans stand for (0 Ingen ... 4).
  int handShake() const {
    int i = boolsk("Com2", "HandShake", true) ? (boolsk("Com2", "XonXoff", false) ? 2 : 1) : 0;
    if (boolsk("Com2", "SendDelay", false)) i = 3;
    if (i == 3 && boolsk("Com2", "HardwareStart", false)) i = 4;
    return i;
  }
  // Free variables of machine 1: how many slots name `navn`, and its value.
  int antallVariabler(const std::string& navn) const {
    int n = 0;
    for (int r = 1; r <= 60; ++r)
      if (LikTekst(LesFraFil(IniFil, "Maskin1", "Variabel" + std::to_string(r), ""), navn)) ++n;
    return n;
  }
  std::string variabel(const std::string& navn) const {
    return LesFraFil(IniFil, "Maskin1", navn, "\x01");
  }

  std::filesystem::path mappe() const { return rot_ / "Brul" / "Maskin" / "M1"; }
  bool harFil(const std::string& navn) const { return std::filesystem::exists(mappe() / navn); }
  std::string fil(const std::string& navn) const {
    std::ifstream inn(mappe() / navn, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(inn), {});
  }
  const std::filesystem::path& rot() const { return rot_; }

  SkriptOperator op;
  std::unique_ptr<Editor> e;

 private:
  static const std::map<std::string, std::string>& Standard() {
    static const std::map<std::string, std::string> s{
        {"Protokoll", "Standard"}, {"HenteProgram", "Standard"}, {"DirFilType", "Ingen"},
        {"StartKode", "%"},        {"Kode", "Iso"},              {"Bit", "8"},
        {"StoppBit", "1"},         {"Paritet", "N"},             {"NyBlokkvis", "[DC2]%"},
        {"BrytBlokkvis", "[EOT][ETX][DC4]"},                     {"EOB", "[CR][LF]"},
        {"TimeOut", "3"},          {"TimeMultiplier", "1000"},   {"FilFormat", "Standard"},
        {"StartLagre", "("},       {"StoppLagre", ")"},          {"Hent", "M30"},
        {"StartHent", "("},        {"StoppHent", ")"},           {"Print", "(P)("},
        {"StoppPrint", ")"},       {"DirHent", "(D)("},          {"StoppDir", ")"},
        {"MaxLengde", "20"},       {"KatalogTegn", "/"},         {"MaxHent", "100"},
        {"MaxLinjer", "4"},        {"MazExt", ".Maz"},           {"Forinstiller", "Ingen"},
        {"FtpFilNavn", "Ingen"},   {"FtpStartLagre", "("},       {"FtpStoppLagre", ")"},
        {"Baud", "4800"},          {"Ext", ".NC"},               {"Delay", ""},
        {"ProgLinje", "1"},        {"TekstLinje", "0"},          {"TapeMarks", "False"},
    };
    return s;
  }

  std::string ini_;
  platform::Stasjonskart kart_;
  std::filesystem::path rot_;
  std::unique_ptr<MedOperator> med_;
};

// One expectation on the saved file. `hvor`: 'M' a text of the machine
// section, 'P' a text of the port section, 'm'/'p' a boolean there ("True" or
// "False", read with its default False), 'V' a free variable whose slot holds
// exactly the upper-cased name, 'H' the handshake choice as its item index,
// 'Q' how many questions with the caption `nokkel` the operator was asked.
struct Verdi {
  char hvor;
  std::string nokkel;
  std::string verdi;
};

// One preset case: controller, variant, the state of DefaultBaud when saving,
// the operator's answers, extra operator steps before the save, expectations.
struct Rad {
  std::string navn;
  int s;
  int v;
  bool defaultBaud = true;
  std::vector<std::pair<std::string, std::string>> svar = {};
  std::vector<Verdi> forventet = {};
  std::string ini = PresetIni();
  std::function<void(PresetMiljo&)> forLagring = {};
};

inline std::ostream& operator<<(std::ostream& ut, const Rad& r) { return ut << r.navn; }

// Names a row's test after its `navn` in letters, digits and _ only
// ("Siemens m. subprogram" as Siemens_m_subprogram, æ ø å as ae o a), so that
// --gtest_filter and ctest -R pick it by name rather than by position.
struct RadNavn {
  template <class T>
  std::string operator()(const ::testing::TestParamInfo<T>& info) const {
    const std::string navn = info.param.navn;
    std::string ut;
    for (size_t i = 0; i < navn.size(); ++i) {
      const unsigned char c = static_cast<unsigned char>(navn[i]);
      if (std::isalnum(c)) {
        ut += static_cast<char>(c);
        continue;
      }
      static const std::pair<std::string_view, std::string_view> bokstaver[] = {
          {"æ", "ae"}, {"ø", "o"}, {"å", "a"}, {"Æ", "AE"}, {"Ø", "O"}, {"Å", "A"}};
      bool byttet = false;
      for (const auto& [fra, til] : bokstaver)
        if (std::string_view(navn).substr(i, fra.size()) == fra) {
          ut += til;
          i += fra.size() - 1;
          byttet = true;
          break;
        }
      if (!byttet && !ut.empty() && ut.back() != '_') {
        ut += '_';
      }
    }
    while (!ut.empty() && ut.back() == '_') ut.pop_back();
    return ut;
  }
};

// The slot that holds exactly `navn` (upper-cased as the preset stores it).
inline int VariabelPlass(const std::string& navn) {
  for (int r = 1; r <= 60; ++r)
    if (LesFraFil(IniFil, "Maskin1", "Variabel" + std::to_string(r), "") == navn) return r;
  return 0;
}

inline void SjekkVerdier(const PresetMiljo& m, const std::vector<Verdi>& forventet) {
  for (const Verdi& f : forventet) {
    SCOPED_TRACE(std::string(1, f.hvor) + " " + f.nokkel);
    switch (f.hvor) {
      case 'M': EXPECT_EQ(m.maskin(f.nokkel), f.verdi); break;
      case 'P': EXPECT_EQ(m.port(f.nokkel), f.verdi); break;
      case 'm': EXPECT_EQ(m.boolsk("Maskin1", f.nokkel, false) ? "True" : "False", f.verdi); break;
      case 'p': EXPECT_EQ(m.boolsk("Com2", f.nokkel, false) ? "True" : "False", f.verdi); break;
      case 'H': EXPECT_EQ(std::to_string(m.handShake()), f.verdi); break;
      case 'V':
        EXPECT_EQ(m.antallVariabler(f.nokkel), 1);
        EXPECT_GT(VariabelPlass(f.nokkel), 0) << "slot name not in capitals";
        EXPECT_EQ(m.variabel(f.nokkel), f.verdi);
        break;
      case 'Q': {  // how often a question or dialog with this caption was put
        int n = 0;
        for (const auto& h : m.op.logg())
          if (h.type != SkriptOperator::Hendelse::Type::Melding && h.caption == f.nokkel) ++n;
        EXPECT_EQ(std::to_string(n), f.verdi);
        break;
      }
      default: FAIL() << "unknown place " << f.hvor;
    }
  }
}

// Applies the case's preset through the save and checks the file.
inline void KjorRad(const Rad& rad) {
  PresetMiljo m(rad.ini);
  for (const auto& [caption, svar] : rad.svar) m.op.svar(caption, svar);
  m.velg(rad.s, rad.v);
  ASSERT_TRUE(m.e->NyttForvalg);
  ASSERT_TRUE(m.e->DefaultBaud.checked());
  if (!rad.defaultBaud) m.e->DefaultBaud.setChecked(false);
  if (rad.forLagring) rad.forLagring(m);
  ASSERT_TRUE(m.lagre());
  EXPECT_FALSE(m.e->NyttForvalg);
  EXPECT_FALSE(m.e->DefaultBaud.checked());
  EXPECT_FALSE(m.e->OpprettHenteprogram.checked());
  SjekkVerdier(m, rad.forventet);
}

}  // namespace brul::test
