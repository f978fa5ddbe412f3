// Brul.INI opens the settings file in the operator's text editor: the whole
// path reaches the editor as one argument, blanks and all, and the click
// neither waits for the editor nor marks the dialog changed.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>

#include "editor/editor.h"
#include "editor/kommandoer.h"
#include "plattform_felles.h"
#include "port_felles.h"

namespace brul {
namespace {

using test::MedMiljo;

std::string Vent(const std::filesystem::path& fil) {
  for (int i = 0; i < 200; ++i) {
    std::ifstream inn(fil, std::ios::binary);
    std::string tekst(std::istreambuf_iterator<char>(inn), {});
    if (tekst.find("slutt\n") != std::string::npos) return tekst;
    std::this_thread::sleep_for(std::chrono::milliseconds(25));
  }
  return "(editor never ran)";
}

TEST(Brul_INIClick, TheWholePathReachesTheTextEditor) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows always opens Notepad, which this test cannot replace with its recording script";
#endif
  for (const char* mappe : {"enkel", "mappe med blanke", "æøå og 'fnutter'"}) {
    test::IniKladd ini("[Program]\r\nMaskiner=1\r\n");
    ini.kladd.fil(std::string(mappe) + "/Brul.ini", "[Program]\r\nMaskiner=1\r\n");
    IniFil = ini.kladd.sti(std::string(mappe) + "/Brul.ini");
    const auto logg = ini.kladd.rot() / "argumenter.txt";
    ini.kladd.fil("redigerer.sh",
                  "#!/bin/sh\n{ echo \"$#\"; for a in \"$@\"; do echo \"$a\"; done; echo slutt; } > '" +
                      logg.string() + "'\n");
    std::filesystem::permissions(ini.kladd.rot() / "redigerer.sh", std::filesystem::perms::owner_all);
    MedMiljo visual("VISUAL", (ini.kladd.rot() / "redigerer.sh").string());

    Editor e;
    e.FormCreate();
    e.Brul_INI.click();
    EXPECT_EQ(Vent(logg), "1\n" + IniFil + "\nslutt\n") << mappe;
    EXPECT_FALSE(e.Endret()) << mappe;
    EXPECT_TRUE(ini.op.logg().empty()) << mappe;
  }
}

}  // namespace
}  // namespace brul
