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

namespace brul {
namespace {

using test::oppstart::Kladd;

TEST(ProgramFil, ErDenneTestensProgramfil) {
  const std::string fil = platform::ProgramFil();
  ASSERT_FALSE(fil.empty());
  EXPECT_EQ(fil.front(), '/');
  EXPECT_EQ(fil.substr(fil.rfind('/') + 1), "core_tests");
}

// Sets (or, with nullopt, removes) an environment variable for one scope.
class MedMiljo {
 public:
  MedMiljo(const char* navn, std::optional<std::string> verdi) : navn_(navn) {
    if (const char* v = std::getenv(navn)) forrige_ = v;
    if (verdi)
      setenv(navn, verdi->c_str(), 1);
    else
      unsetenv(navn);
  }
  ~MedMiljo() {
    if (forrige_)
      setenv(navn_, forrige_->c_str(), 1);
    else
      unsetenv(navn_);
  }
  MedMiljo(const MedMiljo&) = delete;
  MedMiljo& operator=(const MedMiljo&) = delete;

 private:
  const char* navn_;
  std::optional<std::string> forrige_;
};

std::string VentPaa(const Kladd& kladd, const std::string& fil) {
  for (int i = 0; i < 200; ++i) {
    std::string innhold = kladd.les(fil);
    if (!innhold.empty() && innhold.back() == '\n') return innhold;
    std::this_thread::sleep_for(std::chrono::milliseconds(25));
  }
  return kladd.les(fil);
}

TEST(StartTekstEditor, VisualForEditorOgFilnavnetHelt) {
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

}  // namespace
}  // namespace brul
