// Where start-up finds the settings file, the program folder and the data
// folder: the key's values, the fallbacks and the settings file's own word.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/oppstart.h"
#include "app/tilstand.h"
#include "oppstart_felles.h"
#include "platform/register.h"
#include "platform/tekst.h"
#include "store/konfignokkel.h"

namespace brul {
namespace {

using test::oppstart::BevarTilstand;
using test::oppstart::Kladd;

// In the expected texts: {K} is the scratch folder (with its closing '/'),
// {P} the program's folder, {PU} that folder upper-cased (as it comes back
// through the settings file), {CWD} the current folder ({KU}, {CWDU}: the
// same upper-cased).
std::string Fyll(std::string tekst, const Kladd& kladd) {
  const std::string p = kladd.sti() + "prog/";
  const std::map<std::string, std::string> erstatt = {
      {"{K}", kladd.sti()},
      {"{PU}", TilStore(p)},
      {"{KU}", TilStore(kladd.sti())},
      {"{CWDU}", TilStore(std::filesystem::current_path().string() + "/")},
      {"{P}", p},
      {"{CWD}", std::filesystem::current_path().string() + "/"},
  };
  for (const auto& [merke, verdi] : erstatt)
    for (auto pos = tekst.find(merke); pos != std::string::npos; pos = tekst.find(merke))
      tekst.replace(pos, merke.size(), verdi);
  return tekst;
}

struct FinnTilfelle {
  const char* navn;
  const char* programFil;  // under the scratch folder
  std::optional<std::map<std::string, std::string>> nokkel;
  std::map<char, std::string> stasjoner;                   // folders under the scratch folder
  std::vector<std::pair<std::string, std::string>> filer;  // path under the scratch folder, bytes
  std::optional<std::string> iniFil;                       // --ini
  const char* ini;
  const char* exe;
  const char* data;
};

const std::string kMedExe = "[Program]\r\nExeKatalog=e:\\dnc\\prog\r\n";

TEST(FinnIniFil, FolgerNokkelenOgReserveneIRiktigRekkefolge) {
#ifdef _WIN32
  GTEST_SKIP() << "the rows are local paths of other systems (slashes, drive map); Windows keeps stored paths as they are";
#endif
  const std::vector<FinnTilfelle> tilfeller = {
      {"ingen nøkkel og ingen fil gir standardfilen", "prog/BrulINI.exe", std::nullopt, {}, {},
       std::nullopt, "C:\\Brul\\Brul.ini", "C:\\BRUL\\", "C:\\BRUL\\"},
      {"tom nøkkel gir standardfilen", "prog/BrulINI.exe", std::map<std::string, std::string>{},
       {}, {}, std::nullopt, "C:\\Brul\\Brul.ini", "C:\\BRUL\\", "C:\\BRUL\\"},
      {"INI-Fil uten mappe får programmets mappe foran", "prog/BrulINI.exe",
       std::map<std::string, std::string>{{"INI-Fil", "Brul.ini"}}, {}, {}, std::nullopt,
       "{P}Brul.ini", "{PU}", "{PU}"},
      {"verdien med programmets navn vinner over INI-Fil", "prog/BrulINI.exe",
       std::map<std::string, std::string>{{"brulini", "D:\\Egen.ini"}, {"INI-Fil", "D:\\Felles.ini"}},
       {}, {}, std::nullopt, "D:\\Egen.ini", "D:\\", "D:\\"},
      {"tom verdi med programmets navn faller til INI-Fil", "prog/BrulINI.exe",
       std::map<std::string, std::string>{{"BrulINI", ""}, {"INI-Fil", "D:\\Felles.ini"}}, {}, {},
       std::nullopt, "D:\\Felles.ini", "D:\\", "D:\\"},
      {"program uten etternavn bruker hele filnavnet", "prog/BrulINI",
       std::map<std::string, std::string>{{"BrulINI", "D:\\Uten.ini"}, {"INI-Fil", "D:\\Felles.ini"}},
       {}, {}, std::nullopt, "D:\\Uten.ini", "D:\\", "D:\\"},
      {"verdinavn med etternavnet leses ikke", "prog/BrulINI.exe",
       std::map<std::string, std::string>{{"BrulINI.exe", "D:\\Feil.ini"},
                                          {"INI-Fil", "D:\\Felles.ini"}},
       {}, {}, std::nullopt, "D:\\Felles.ini", "D:\\", "D:\\"},
      {"en kopi under annet navn leser sin egen verdi", "prog/Verksted.exe",
       std::map<std::string, std::string>{{"BrulINI", "D:\\A.ini"}, {"Verksted", "D:\\V.ini"}}, {},
       {}, std::nullopt, "D:\\V.ini", "D:\\", "D:\\"},
      {"bare siste punktum kuttes", "prog/Brul.ini.exe",
       std::map<std::string, std::string>{{"Brul.ini", "D:\\Punkt.ini"}}, {}, {}, std::nullopt,
       "D:\\Punkt.ini", "D:\\", "D:\\"},
      {"Brul.ini ved siden av programmet brukes", "prog/BrulINI.exe", std::nullopt, {},
       {{"prog/Brul.ini", ""}}, std::nullopt, "{P}Brul.ini", "{PU}", "{PU}"},
      {"Brul.ini ved programmet finnes uansett bokstavstørrelse", "prog/BrulINI.exe",
       std::nullopt, {}, {{"prog/BRUL.INI", ""}}, std::nullopt, "{P}Brul.ini", "{PU}", "{PU}"},
      {"filen nøkkelen viser til går foran den ved programmet", "prog/BrulINI.exe",
       std::map<std::string, std::string>{{"INI-Fil", "C:\\Brul\\Brul.ini"}}, {{'C', "c"}},
       {{"c/Brul/Brul.ini", ""}, {"prog/Brul.ini", ""}}, std::nullopt, "C:\\Brul\\Brul.ini",
       "C:\\BRUL\\", "C:\\BRUL\\"},
      {"ExeKatalog D:\\Dnc blir D:\\DNC\\ og gir DataKatalog", "prog/BrulINI.exe",
       std::map<std::string, std::string>{{"ExeKatalog", "D:\\Dnc"}}, {}, {}, std::nullopt,
       "C:\\Brul\\Brul.ini", "D:\\DNC\\", "D:\\DNC\\"},
      {"DataKatalog fra nøkkelen beholder bokstavene", "prog/BrulINI.exe",
       std::map<std::string, std::string>{{"ExeKatalog", "D:\\Dnc\\"},
                                          {"DataKatalog", "d:\\Data\\Maskiner"}},
       {}, {}, std::nullopt, "C:\\Brul\\Brul.ini", "D:\\DNC\\", "d:\\Data\\Maskiner\\"},
      {"ExeKatalog i innstillingsfilen har siste ord", "prog/BrulINI.exe",
       std::map<std::string, std::string>{{"INI-Fil", "C:\\Brul\\Brul.ini"},
                                          {"ExeKatalog", "D:\\Dnc"}},
       {{'C', "c"}}, {{"c/Brul/Brul.ini", kMedExe}}, std::nullopt, "C:\\Brul\\Brul.ini",
       "E:\\DNC\\PROG\\", "E:\\DNC\\PROG\\"},
      {"tom ExeKatalog i filen gir tomme mapper", "prog/BrulINI.exe",
       std::map<std::string, std::string>{{"INI-Fil", "C:\\Brul\\Brul.ini"}}, {{'C', "c"}},
       {{"c/Brul/Brul.ini", "[Program]\r\nExeKatalog=\r\n"}}, std::nullopt, "C:\\Brul\\Brul.ini",
       "", ""},
      {"tom ExeKatalog i filen, DataKatalog fra nøkkelen", "prog/BrulINI.exe",
       std::map<std::string, std::string>{{"INI-Fil", "C:\\Brul\\Brul.ini"},
                                          {"DataKatalog", "D:\\Data"}},
       {{'C', "c"}}, {{"c/Brul/Brul.ini", "[Program]\r\nExeKatalog=\r\n"}}, std::nullopt,
       "C:\\Brul\\Brul.ini", "", "D:\\Data\\"},
      {"--ini erstatter nøkkelens verdi", "prog/BrulINI.exe",
       std::map<std::string, std::string>{{"INI-Fil", "D:\\Felles.ini"}}, {}, {},
       std::string("{K}egen/../Egen.ini"), "{K}Egen.ini", "{KU}", "{KU}"},
      {"--ini relativt til gjeldende mappe", "prog/BrulINI.exe", std::nullopt, {}, {},
       std::string("ikke-her-brul/Brul.ini"), "{CWD}ikke-her-brul/Brul.ini",
       "{CWDU}IKKE-HER-BRUL/", "{CWDU}IKKE-HER-BRUL/"},
      {"--ini som mangler byttes ikke mot filen ved programmet", "prog/BrulINI.exe",
       std::nullopt, {}, {{"prog/Brul.ini", ""}}, std::string("{K}mangler.ini"),
       "{K}mangler.ini", "{KU}", "{KU}"},
      {"--ini med stasjon tas som den er", "prog/BrulINI.exe",
       std::map<std::string, std::string>{}, {{'C', "c"}},
       {{"c/Brul/Brul.ini", kMedExe}}, std::string("C:\\Brul\\Brul.ini"), "C:\\Brul\\Brul.ini",
       "E:\\DNC\\PROG\\", "E:\\DNC\\PROG\\"},
      {"--ini med nettverkssti tas som den er, ikke som en fil her", "prog/BrulINI.exe",
       std::map<std::string, std::string>{}, {}, {}, std::string("\\\\srv\\cnc\\Brul.ini"),
       "\\\\srv\\cnc\\Brul.ini", "\\\\SRV\\CNC\\", "\\\\SRV\\CNC\\"},
      // Folders of this system go into the file as the Windows programs know
      // them, through the drive map: the settings file's folder, and the
      // folders Brul.conf names. The program's own folder (/usr/local/bin)
      // is never the installation's here; one under no mapped folder stays
      // a local path, which nothing is created from.
      {"innstillingsfilens mappe under en stasjon blir en Windows-sti", "prog/BrulINI.exe",
       std::map<std::string, std::string>{}, {{'P', "prog"}}, {}, std::string("{K}prog/Brul.ini"),
       "{K}prog/Brul.ini", "P:\\", "P:\\"},
      {"mapper fra nøkkelen under en stasjon blir Windows-stier", "prog/BrulINI.exe",
       std::map<std::string, std::string>{{"ExeKatalog", "{K}d/Dnc/"}, {"DataKatalog", "{K}d/Data"}},
       {{'D', "d"}}, {{"d/Dnc/x", ""}}, std::nullopt, "C:\\Brul\\Brul.ini", "D:\\DNC\\",
       "D:\\Data\\"},
  };

  for (const auto& t : tilfeller) {
    SCOPED_TRACE(t.navn);
    BevarTilstand bevar;
    Kladd kladd;
    for (const auto& [sti, innhold] : t.filer) kladd.fil(sti, innhold);
    platform::Stasjonskart kart;
    for (const auto& [bokstav, mappe] : t.stasjoner) kart[bokstav] = kladd.sti(mappe);
    std::optional<platform::MinneNokkel> nokkel;
    std::optional<std::map<std::string, std::string>> verdier = t.nokkel;
    if (verdier)
      for (auto& [navn, verdi] : *verdier) verdi = Fyll(verdi, kladd);
    if (verdier) nokkel.emplace(*verdier, kart);

    OppstartKilder kilder;
    kilder.programFil = kladd.sti(t.programFil);
    kilder.nokkel = nokkel ? &*nokkel : nullptr;
    if (t.iniFil) kilder.iniFil = Fyll(*t.iniFil, kladd);
    FinnIniFil(kilder);

    EXPECT_EQ(IniFil, Fyll(t.ini, kladd));
    EXPECT_EQ(ExeKatalog, Fyll(t.exe, kladd));
    EXPECT_EQ(DataKatalog, Fyll(t.data, kladd));
    EXPECT_EQ(platform::Stasjoner(), kart) << "the drive map comes from the key";
  }
}

TEST(FinnIniFil, ProgrammetsMappeOgNavn) {
#ifdef _WIN32
  GTEST_SKIP() << "the rows are local paths of other systems (slashes, drive map); Windows keeps stored paths as they are";
#endif
  struct Tilfelle {
    const char* fil;
    const char* katalog;
    const char* navn;
  } tilfeller[] = {
      {"/opt/brul/BrulINI.exe", "/opt/brul/", "BrulINI"},
      {"/opt/brul/brulini", "/opt/brul/", "brulini"},
      {"C:\\Brul\\BrulINI.EXE", "C:\\Brul\\", "BrulINI"},
      {"C:\\Dir.x\\Prog", "C:\\Dir.x\\", "Prog"},
      {"BrulINI.exe", "", "BrulINI"},
      {"", "", ""},
  };
  for (const auto& t : tilfeller) {
    SCOPED_TRACE(t.fil);
    EXPECT_EQ(ProgramKatalog(t.fil), t.katalog);
    EXPECT_EQ(ProgramNavn(t.fil), t.navn);
  }
}

TEST(FinnIniFil, IniFraArgumenteneFoerKommandoen) {
  struct Tilfelle {
    std::vector<const char*> args;
    std::optional<std::string> ini;
  } tilfeller[] = {
      {{"brulini"}, std::nullopt},
      {{"brulini", "--ini", "demo/Brul.ini"}, std::string("demo/Brul.ini")},
      {{"brulini", "--ini=C:\\Brul\\B.ini", "paths"}, std::string("C:\\Brul\\B.ini")},
      {{"brulini", "--svar", "--ini=x", "paths"}, std::nullopt},
      {{"brulini", "--svar", "A=Ja", "--ini", "a.ini", "get"}, std::string("a.ini")},
      {{"brulini", "get", "--ini", "kommandoens.ini"}, std::nullopt},
      {{"brulini", "--ini"}, std::nullopt},
  };
  for (const auto& t : tilfeller) {
    SCOPED_TRACE(t.args.size());
    EXPECT_EQ(IniFraArgumenter(static_cast<int>(t.args.size()), t.args.data()), t.ini);
  }
}

// Brul.conf stands in for the registry key: the machine-wide file wins when
// it exists at all, the user's is read only without it.
TEST(BrulConf, MaskinFilenGaarForanBrukerensOgGirStasjonene) {
  struct Tilfelle {
    const char* navn;
    const char* maskin;  // contents, nullptr: no such file
    const char* bruker;
    bool apnes;
    const char* iniFil;
    platform::Stasjonskart stasjoner;
  } tilfeller[] = {
      {"ingen filer", nullptr, nullptr, false, "", {}},
      {"bare brukerens", nullptr, "[Brul]\nINI-Fil=C:\\Bruker\\Brul.ini\n", true,
       "C:\\Bruker\\Brul.ini", {}},
      {"maskinens vinner", "[Brul]\nINI-Fil=C:\\Maskin\\Brul.ini\n",
       "[Brul]\nINI-Fil=C:\\Bruker\\Brul.ini\n", true, "C:\\Maskin\\Brul.ini", {}},
      {"maskinens uten verdien slipper ikke brukerens til", "[Annet]\nx=1\n",
       "[Brul]\nINI-Fil=C:\\Bruker\\Brul.ini\n", true, "", {}},
      {"navn uten hensyn til bokstavstørrelse, stasjoner", nullptr,
       "; kommentar\r\n[brul]\r\nini-fil = C:\\Brul\\Brul.ini\r\n[STASJONER]\r\nc=/srv/brul\r\nA = "
       "/media/diskett\r\nQQ=/ikke\r\n",
       true, "C:\\Brul\\Brul.ini", {{'A', "/media/diskett"}, {'C', "/srv/brul"}}},
      {"nettverksstier, første skrivemåte vinner", nullptr,
       "[Stasjoner]\n\\\\SRV\\CNC=/mnt/cnc\n\\\\srv\\cnc\\=/annen\n\\\\Srv\\Cnc\\Fres\\ = /mnt/fres\n"
       "\\\\bare-tjener=/ikke\nC:=/srv/c\n",
       true, "", {{"\\\\SRV\\CNC", "/mnt/cnc"}, {"\\\\SRV\\CNC\\FRES", "/mnt/fres"}, {'C', "/srv/c"}}},
  };
  for (const auto& t : tilfeller) {
    SCOPED_TRACE(t.navn);
    Kladd kladd;
    if (t.maskin) kladd.fil("etc/Brul.conf", t.maskin);
    if (t.bruker) kladd.fil("home/Brul.conf", t.bruker);
    auto nokkel = lager::ApneBrulNokkel({kladd.sti("etc/Brul.conf"), kladd.sti("home/Brul.conf")});
    ASSERT_EQ(nokkel != nullptr, t.apnes);
    if (!nokkel) continue;
    EXPECT_EQ(nokkel->les("INI-Fil"), t.iniFil);
    EXPECT_EQ(nokkel->les("DataKatalog"), "");
    EXPECT_EQ(nokkel->stasjoner(), t.stasjoner);
  }
}

}  // namespace
}  // namespace brul
