// The bash completion (data/brulini.bash) against the built brulini on a copy
// of the demo installation: what a Tab offers after the words typed so far.
// The lists come from brulini itself, so a change of its output that the
// completion cannot read shows here.
#ifndef _WIN32
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "kjor.h"

namespace brul {
namespace {

using test::DemoInstallasjon;

std::string Sitert(const std::string& s) {
  std::string ut = "'";
  for (char c : s) ut += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return ut + "'";
}

// The completions bash offers when the line holds `ord` (after the program)
// and the cursor stands at the end of the last one.
std::vector<std::string> Fullfor(const DemoInstallasjon& demo, const std::vector<std::string>& ord) {
  const std::string skript =
      "source \"$1\"; cword=$2; shift 2; COMP_WORDS=(\"$@\"); COMP_CWORD=$cword; _brulini; "
      "printf '%s\\n' \"${COMPREPLY[@]}\"";
  std::string kommando = "XDG_CONFIG_HOME=" + Sitert((demo.rot() / "xdg-bruker").string()) +
                         " XDG_CONFIG_DIRS=" + Sitert((demo.rot() / "xdg-maskin").string()) + " bash -c " +
                         Sitert(skript) + " bash " + Sitert(std::string(BRUL_DEMO_DIR) + "/../data/brulini.bash") +
                         " " + std::to_string(ord.size()) + " " + Sitert(BRULINI_EXE);
  for (const auto& o : ord) kommando += " " + Sitert(o);
  std::vector<std::string> linjer;
  FILE* prosess = popen(kommando.c_str(), "r");
  if (!prosess) return linjer;
  std::string alt;
  char buf[4096];
  for (size_t n; (n = fread(buf, 1, sizeof buf, prosess)) > 0;) alt.append(buf, n);
  pclose(prosess);
  for (size_t pos = 0; pos < alt.size();) {
    size_t slutt = alt.find('\n', pos);
    if (slutt == std::string::npos) slutt = alt.size();
    if (slutt > pos) linjer.push_back(alt.substr(pos, slutt - pos));
    pos = slutt + 1;
  }
  return linjer;
}

TEST(CliFullforing, TilbyrKommandoerMaskinerKontrollerOgStyringer) {
  DemoInstallasjon demo;
  const struct {
    std::vector<std::string> ord;
    std::vector<std::string> har;    // offered
    std::vector<std::string> ikke;   // not offered
  } tilfeller[] = {
      {{"sh"}, {"show"}, {"set"}},
      {{""}, {"paths", "set", "preset", "controls", "presets"}, {"Bruk:"}},
      {{"show", ""}, {"1", "5"}, {"6"}},
      {{"--ini", demo.ini().string(), "set", ""}, {"1", "5"}, {}},
      {{"set", "3", "Ba"}, {"Baud=", "BaudRate=", "BackupKatalog="}, {"Paritet=", "Bit="}},
      {{"set", "3", "AnnetG"}, {"AnnetGrid\\["}, {}},
      {{"set", "1", "Paritet", "=", ""}, {"Even", "None", "Odd"}, {}},
      {{"set", "1", "HandShake", "=", "Sof"}, {"Software\\ \\(Xon/Xoff\\)"}, {"Ingen"}},
      {{"set", "1", "Katalog", "=", ""}, {}, {"tekst"}},
      {{"preset", "1", "Sie"}, {"Siemens\\ m.\\ subprogram"}, {"Fanuc"}},
      {{"preset", "1", "Fanuc", "Med\\ p"}, {"Med\\ parenteser"}, {"Med\\ kommentarer"}},
      {{"preset", "1", "\"Siemens m. subprogram\"", ""}, {"Med\\ parenteser"}, {}},
      // In an open quote readline closes the quote: the candidate is the
      // whole word, escaped only as that quote needs.
      {{"preset", "1", "\"Mazatrol (8"}, {"Mazatrol (8 siffer)"}, {"Mazatrol\\ \\(8\\ siffer\\)"}},
      {{"preset", "1", "'Siemens (s"}, {"Siemens (samle program)", "Siemens (splitt program)"}, {}},
      {{"set", "1", "\"HandShake=Sof"}, {"HandShake=Software (Xon/Xoff)"}, {"Software (Xon/Xoff)"}},
      {{"set", "1", "\"Pari"}, {"Paritet="}, {}},
      {{"controls", "Ma"}, {"Maskin", "Mazak"}, {"Com"}},
      {{"ports", "--by-p"}, {"--by-port"}, {"--by-machine"}},
      {{"show", "1", "--sv"}, {"--svar"}, {}},
  };
  for (const auto& t : tilfeller) {
    std::string linje;
    for (const auto& o : t.ord) linje += " " + o;
    SCOPED_TRACE("brulini" + linje);
    const std::vector<std::string> tilbudt = Fullfor(demo, t.ord);
    std::string alle;
    for (const auto& s : tilbudt) alle += s + "\n";
    auto finnes = [&](const std::string& s) {
      for (const auto& x : tilbudt)
        if (x == s) return true;
      return false;
    };
    for (const auto& s : t.har) EXPECT_TRUE(finnes(s)) << s << " among:\n" << alle;
    for (const auto& s : t.ikke) EXPECT_FALSE(finnes(s)) << s << " among:\n" << alle;
    if (t.har.empty()) {
      EXPECT_TRUE(tilbudt.empty()) << alle;
    }
  }
}

}  // namespace
}  // namespace brul
#endif
