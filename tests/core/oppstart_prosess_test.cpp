// The program's own path and starting the operator's text editor.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>

#include "oppstart_felles.h"
#include "platform/prosess.h"
#include "platform/register.h"
#include "plattform_felles.h"

namespace brul {
namespace {

using test::oppstart::Kladd;

TEST(ProgramFil, ErDenneTestensProgramfil) {
  const std::string fil = platform::ProgramFil();
  ASSERT_FALSE(fil.empty());
#ifdef _WIN32
  EXPECT_EQ(fil.substr(1, 2), ":\\") << fil;
  EXPECT_EQ(fil.substr(fil.rfind('\\') + 1), "core_tests.exe");
#else
  EXPECT_EQ(fil.front(), '/');
  EXPECT_EQ(fil.substr(fil.rfind('/') + 1), "core_tests");
#endif
}

using test::MedMiljo;

std::string VentPaa(const Kladd& kladd, const std::string& fil) {
  for (int i = 0; i < 200; ++i) {
    std::string innhold = kladd.les(fil);
    if (!innhold.empty() && innhold.back() == '\n') return innhold;
    std::this_thread::sleep_for(std::chrono::milliseconds(25));
  }
  return kladd.les(fil);
}

TEST(StartTekstEditor, VisualForEditorOgFilnavnetHelt) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows always opens Notepad: VISUAL and EDITOR choose nothing there";
#endif
  struct Tilfelle {
    const char* navn;
    std::optional<std::string> visual;  // {S}: the recording script
    std::optional<std::string> editor;
    bool startet;
    const char* args;  // what the editor got, one a line; {F} is the file
  } tilfeller[] = {
      {"VISUAL vinner", std::string("{S} --visual"), std::string("{S} --editor"), true,
       "--visual\n{F}\n"},
      {"tom VISUAL gir EDITOR", std::string(""), std::string("{S}"), true, "{F}\n"},
      {"EDITOR med blanke mellom ordene", std::nullopt, std::string("  {S}   -n  "), true,
       "-n\n{F}\n"},
      {"et program som ikke finnes", std::string("/finnes/ikke/editor"), std::nullopt, false, ""},
  };
  for (const auto& t : tilfeller) {
    SCOPED_TRACE(t.navn);
    Kladd kladd;
    const std::string skript = kladd.sti("editor.sh");
    kladd.fil("editor.sh", "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + kladd.sti("args.txt") + ".tmp'\n"
                           "mv '" + kladd.sti("args.txt") + ".tmp' '" + kladd.sti("args.txt") + "'\n");
    chmod(skript.c_str(), 0755);
    auto fyll = [&](std::string s) {
      for (auto p = s.find("{S}"); p != std::string::npos; p = s.find("{S}")) s.replace(p, 3, skript);
      for (auto p = s.find("{F}"); p != std::string::npos; p = s.find("{F}"))
        s.replace(p, 3, kladd.sti("Mappe med blanke/Brul.ini"));
      return s;
    };
    MedMiljo visual("VISUAL", t.visual ? std::optional<std::string>(fyll(*t.visual)) : std::nullopt);
    MedMiljo editor("EDITOR", t.editor ? std::optional<std::string>(fyll(*t.editor)) : std::nullopt);

    EXPECT_EQ(platform::StartTekstEditor(kladd.sti("Mappe med blanke/Brul.ini")), t.startet);
    if (t.startet) {
      EXPECT_EQ(VentPaa(kladd, "args.txt"), fyll(t.args));
    }
  }
}

// Where the two Brul.conf files are looked for. {K} is the scratch folder.
TEST(BrulConf, MiljoetVelgerFilene) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows keeps the key in the registry: no Brul.conf is looked for";
#endif
  struct Tilfelle {
    const char* navn;
    std::optional<std::string> dirs;  // XDG_CONFIG_DIRS
    std::optional<std::string> hjem;  // XDG_CONFIG_HOME
    std::optional<std::string> home;  // HOME
    const char* maskinFil;            // a Brul.conf made under {K}, or nullptr
    const char* maskin;
    const char* bruker;
  } tilfeller[] = {
      {"standardmappene", std::nullopt, std::nullopt, std::string("{K}h"), nullptr,
       "/etc/xdg/Brul.conf", "{K}h/.config/Brul.conf"},
      {"tom liste og tom brukermappe", std::string(""), std::string(""), std::string("{K}h"),
       nullptr, "/etc/xdg/Brul.conf", "{K}h/.config/Brul.conf"},
      {"første mappe i listen uten fil", std::string("{K}a:{K}b"), std::string("{K}c"),
       std::nullopt, nullptr, "{K}a/Brul.conf", "{K}c/Brul.conf"},
      {"filen i en senere mappe i listen finnes", std::string("{K}a:{K}b/"), std::nullopt,
       std::string("{K}h"), "b/Brul.conf", "{K}b/Brul.conf", "{K}h/.config/Brul.conf"},
      {"relative mapper teller ikke", std::string("rel:{K}b"), std::string("rel"),
       std::string("{K}h"), nullptr, "{K}b/Brul.conf", "{K}h/.config/Brul.conf"},
      {"uten HOME ingen brukerfil", std::string("::"), std::nullopt, std::nullopt, nullptr,
       "/etc/xdg/Brul.conf", ""},
  };
  for (const auto& t : tilfeller) {
    SCOPED_TRACE(t.navn);
    Kladd kladd;
    const std::string k = kladd.sti();  // ends with '/'
    auto fyll = [&](std::string s) {
      for (auto p = s.find("{K}"); p != std::string::npos; p = s.find("{K}")) s.replace(p, 3, k);
      return s;
    };
    auto valgfri = [&](const std::optional<std::string>& v) {
      return v ? std::optional<std::string>(fyll(*v)) : std::nullopt;
    };
    if (t.maskinFil) kladd.fil(t.maskinFil, "[Brul]\n");
    MedMiljo dirs("XDG_CONFIG_DIRS", valgfri(t.dirs));
    MedMiljo hjem("XDG_CONFIG_HOME", valgfri(t.hjem));
    MedMiljo home("HOME", valgfri(t.home));

    const platform::KonfigFiler filer = platform::FinnKonfigFiler();
    EXPECT_EQ(filer.maskin, fyll(t.maskin));
    EXPECT_EQ(filer.bruker, fyll(t.bruker));
  }
}

}  // namespace
}  // namespace brul
