// show, set and preset end to end on copies of the demo installation.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kjor.h"

namespace brul {
namespace {

using test::DemoInstallasjon;
using test::Utfall;

// A value as get prints it; a get that failed gives its status and message
// instead, so that an assertion on it says why.
std::string Hent(DemoInstallasjon& demo, const std::string& s, const std::string& k) {
  const Utfall u = demo.Kjor({"get", s, k, "-"});
  return u.kode == 0 ? u.ut : "(get: " + std::to_string(u.kode) + ": " + u.feil + ")";
}

bool har(const std::string& ut, const std::string& linje) { return ut.find("\n" + linje + "\n") != std::string::npos || ut.rfind(linje + "\n", 0) == 0; }

TEST(CliEditor, ShowViserSiderOgKontroller) {
  DemoInstallasjon demo;
  Utfall u = demo.Kjor({"show", "1"});
  ASSERT_EQ(u.kode, 0) << u.feil;
  EXPECT_EQ(u.ut.substr(0, u.ut.find("MaskinBoks=")),
            "[Program] shown\n[Maskin] shown\n[Filer] shown\n[Com] shown\n[Protokoll] shown\n"
            "[Henteprog.] hidden\n[Henteprog2] hidden\n[Tool/Dir] shown\n[Mazak] hidden\n[Terminal] hidden\n"
            "[Parallell] hidden\n[Forinnst.] hidden\n[Logging] shown\n[LoggeBoks] hidden\n[FTP] hidden\n"
            "[Annet] shown\n");
  for (const char* linje : {"Styring=Fanuc", "Com=Com3", "Baud=9600", "HandShake=Software (Xon/Xoff)",
                            "Paritet=Even", "Bit=7", "StoppBit=2", "Vis=True", "PJL=False",
                            "OpprettHenteprogram=False (disabled)", "DefaultBaud=False (disabled)",
                            "Katalog=C:\\BRUL\\MASKIN1\\", "BoksGrid[1,0]=Bit0,1",
                            "AnnetGrid[20,0]=Variabel20", "StartHent=(", "TimeOut=5", "Break=5",
                            "RCC=False (hidden)"})
    EXPECT_TRUE(har(u.ut, linje)) << linje;
  EXPECT_FALSE(har(u.ut, "ToolGrid[0,0]=Sys")) << "the header row is not listed";
  // A look at a machine records nothing: reading commands never write.
  Utfall g = demo.Kjor({"get", "Program", "Maskin"});
  EXPECT_EQ(g.ut, "2\n");
}

TEST(CliEditor, FeilBrukGirKode2OgRorIkkeFilen) {
  DemoInstallasjon demo;
  const std::string for_ = DemoInstallasjon::Les(demo.ini());
  const std::vector<std::vector<std::string>> tilfeller{
      {"show", "9"},
      {"show", "x"},
      {"set", "1", "Ukjent=1"},
      {"set", "1", "Vis=Kanskje"},
      {"set", "1", "Paritet=Mark"},
      {"set", "1", "HandShake=Full"},
      {"set", "1", "IngenFil"},
      {"set", "1", "ToolGrid=1"},
      {"set", "1", "IngenFil[1,1]=1"},
      {"set", "1", "OKBtn=True"},
      // Refused after the machine was chosen: not even the choice is kept.
      {"set", "1", "Robot=1"},
      // A control its page hides is refused like a disabled one.
      {"set", "1", "RCC=True"},
      // A port setting with no port to store it under would be dropped.
      {"set", "1", "Com=", "Baud=4800"},
      {"set", "1", "Com=", "HandShake=Ingen"},
      {"preset", "1", "Ukjent", "X"},
      {"preset", "1", "Fanuc", "Ukjent"},
      {"preset", "1", "Fanuc"},
  };
  for (const auto& args : tilfeller) {
    Utfall u = demo.Kjor(args);
    EXPECT_EQ(u.kode, 2) << args.back() << ": " << u.feil;
    EXPECT_FALSE(u.feil.empty());
    EXPECT_EQ(DemoInstallasjon::Les(demo.ini()), for_) << args.back();
  }
  // The names that would do, one a line; the nearest named first.
  Utfall u = demo.Kjor({"preset", "1", "Ukjent", "X"});
  EXPECT_NE(u.feil.find("; gyldige:\n  Burny\n"), std::string::npos) << u.feil;
  u = demo.Kjor({"preset", "1", "fanuc", "X"});
  EXPECT_NE(u.feil.find("\n  Med parenteser\n"), std::string::npos) << u.feil;
  u = demo.Kjor({"preset", "1", "Mazatrol 8 siffer", "X"});
  EXPECT_EQ(u.feil.rfind("brulini: ukjent styring \"Mazatrol 8 siffer\"; mente du Mazatrol (8 siffer)? Gyldige:\n", 0),
            0u) << u.feil;
}

TEST(CliEditor, SetRedigererSideForSideOgTrykkerOK) {
  DemoInstallasjon demo;
  Utfall u = demo.Kjor({"set", "2", "IngenFil=O100", "TimeOut=9", "Paritet=odd", "Vis=False", "Hent=M99"});
  ASSERT_EQ(u.kode, 0) << u.feil;
  auto get = [&](const std::string& s, const std::string& k) { return Hent(demo, s, k); };
  EXPECT_EQ(get("Maskin2", "IngenFil"), "O100\n");
  EXPECT_EQ(get("COM1", "TimeOut"), "9\n");
  EXPECT_EQ(get("COM1", "Paritet"), "O\n");
  EXPECT_EQ(get("Program", "Vis"), "FALSE\n");
  EXPECT_EQ(get("Maskin2", "Hent"), "M99\n");
  // The questions before each page change were answered Yes.
  EXPECT_NE(u.feil.find("Maskin2: Oppsettet er endret"), std::string::npos) << u.feil;
  // A machine may be left with no port when no port setting is asked for.
  u = demo.Kjor({"set", "2", "Com=", "MaskinNavn=Uten port"});
  ASSERT_EQ(u.kode, 0) << u.feil;
  EXPECT_EQ(get("Maskin2", "Navn"), "UTEN PORT\n");
}

TEST(CliEditor, SetMaskinerOgTabellceller) {
  DemoInstallasjon demo;
  Utfall u = demo.Kjor({"set", "2", "Maskiner=44", "AnnetGrid[1,1]=Spindel", "AnnetGrid[1,2]=12000"});
  ASSERT_EQ(u.kode, 0) << u.feil;
  auto get = [&](const std::string& s, const std::string& k) { return Hent(demo, s, k); };
  EXPECT_EQ(get("Program", "Maskiner"), "44\n");
  // A count beyond 255 is refused, not taken as its remainder by 256.
  u = demo.Kjor({"set", "2", "Maskiner=300"});
  EXPECT_EQ(u.kode, 1) << u.feil;
  EXPECT_NE(u.feil.find("fra 1 til 255"), std::string::npos) << u.feil;
  EXPECT_EQ(get("Program", "Maskiner"), "44\n");
  EXPECT_EQ(get("Maskin2", "Variabel1"), "SPINDEL\n");
  EXPECT_EQ(get("Maskin2", "Spindel"), "12000\n");
  // A page the protocol hides cannot be edited.
  u = demo.Kjor({"set", "2", "Robot=1"});
  EXPECT_EQ(u.kode, 2) << u.feil;
  EXPECT_NE(u.feil.find("Mazak"), std::string::npos) << u.feil;
}

TEST(CliEditor, SetUtenEndringLarFilenVaereUrort) {
  DemoInstallasjon demo;
  const std::string for_ = DemoInstallasjon::Les(demo.ini());
  Utfall u = demo.Kjor({"set", "2", "IngenFil=X", "IngenFil="});
  ASSERT_EQ(u.kode, 0) << u.feil;
  EXPECT_EQ(DemoInstallasjon::Les(demo.ini()), for_);
}

TEST(CliEditor, PresetLagrerStyringOgAlternativ) {
  DemoInstallasjon demo;
  Utfall u = demo.Kjor({"preset", "2", "heidenhain 406 -->", "VANLIG MED % & G71", "--behold-port"});
  ASSERT_EQ(u.kode, 0) << u.feil;
  auto get = [&](const std::string& s, const std::string& k) { return Hent(demo, s, k); };
  EXPECT_EQ(get("Maskin2", "Alternativ"), "VANLIG MED % & G71\n");
  EXPECT_EQ(get("Maskin2", "Styring"), "HEIDENHAIN 406 -->\n");
  EXPECT_EQ(get("COM1", "Baud"), "38400\n") << "--behold-port keeps the line settings";
  // A new controller type asks before the old sections go; unanswered is No.
  u = demo.Kjor({"preset", "2", "Haas", "Standard oppsett", "--behold-port"});
  ASSERT_EQ(u.kode, 0) << u.feil;
  EXPECT_NE(u.feil.find("Bytte styringstype"), std::string::npos) << u.feil;
  EXPECT_EQ(get("Maskin2", "Styring"), "HAAS\n");
  EXPECT_EQ(get("Maskin2", "Navn"), "FRES HERMLE C30 (HEIDENHAIN)\n");
}

}  // namespace
}  // namespace brul
