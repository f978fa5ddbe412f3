#pragma once
// End-to-end tests of the command line: run the real brulini (BRULINI_EXE)
// on a scratch copy of the demo installation (BRUL_DEMO_DIR) and look at what
// it printed, what it returned and what it left in the files.
//
// The scratch folder stands for drive C: the demo lies in c/Brul (so the
// stored C:\Brul\… paths resolve), drive A is the folder a, and the user's
// Brul.conf names C:\Brul\Brul.ini. The machine-wide Brul.conf is pointed at
// an empty folder, so nothing outside the scratch folder takes part.
#include <sys/types.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace brul::test {

struct Utfall {
  int kode = -1;     // exit status; -1 when it did not exit normally
  std::string ut;    // standard output, byte for byte
  std::string feil;  // standard error
};

class DemoInstallasjon {
 public:
  DemoInstallasjon() {
    std::random_device rd;
    rot_ = std::filesystem::temp_directory_path() /
           ("brul-e2e-" + std::to_string(rd()) + "-" + std::to_string(rd()));
    std::filesystem::create_directories(rot_ / "c");
    std::filesystem::create_directories(rot_ / "a");
    std::filesystem::create_directories(rot_ / "xdg-maskin");
    std::filesystem::create_directories(rot_ / "xdg-bruker");
    std::filesystem::copy(BRUL_DEMO_DIR, rot_ / "c" / "Brul",
                          std::filesystem::copy_options::recursive);
    SkrivKonf("[Brul]\r\nINI-Fil=C:\\Brul\\Brul.ini\r\n");
  }
  ~DemoInstallasjon() {
    std::error_code ec;
    std::filesystem::remove_all(rot_, ec);
  }
  DemoInstallasjon(const DemoInstallasjon&) = delete;
  DemoInstallasjon& operator=(const DemoInstallasjon&) = delete;

  const std::filesystem::path& rot() const { return rot_; }
  // The copy of the demo installation (C:\Brul).
  std::filesystem::path brul() const { return rot_ / "c" / "Brul"; }
  std::filesystem::path ini() const { return brul() / "Brul.ini"; }

  // Replaces the user's Brul.conf; the [Stasjoner] section for C and A is
  // always added at its end.
  void SkrivKonf(const std::string& brul) const {
    Skriv(rot_ / "xdg-bruker" / "Brul.conf",
          brul + "\r\n[Stasjoner]\r\nC=" + (rot_ / "c").string() + "\r\nA=" + (rot_ / "a").string() +
              "\r\n");
  }

  static void Skriv(const std::filesystem::path& fil, const std::string& bytes) {
    std::filesystem::create_directories(fil.parent_path());
    std::ofstream(fil, std::ios::binary) << bytes;
  }
  static std::string Les(const std::filesystem::path& fil) {
    std::ifstream inn(fil, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(inn), {});
  }

  // Runs brulini with these arguments in `mappe` (the scratch folder when
  // empty) and waits for it.
  Utfall Kjor(const std::vector<std::string>& args, std::filesystem::path mappe = {}) const {
    if (mappe.empty()) mappe = rot_;
    const std::string utFil = (rot_ / "stdout.txt").string();
    const std::string feilFil = (rot_ / "stderr.txt").string();

    std::vector<std::string> miljo;
    for (char** e = environ; *e; ++e) {
      std::string v = *e;
      if (v.rfind("XDG_CONFIG_HOME=", 0) == 0 || v.rfind("XDG_CONFIG_DIRS=", 0) == 0) continue;
      miljo.push_back(v);
    }
    miljo.push_back("XDG_CONFIG_HOME=" + (rot_ / "xdg-bruker").string());
    miljo.push_back("XDG_CONFIG_DIRS=" + (rot_ / "xdg-maskin").string());

    std::vector<std::string> argv = {BRULINI_EXE};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> a;
    for (auto& s : argv) a.push_back(s.data());
    a.push_back(nullptr);
    std::vector<char*> m;
    for (auto& s : miljo) m.push_back(s.data());
    m.push_back(nullptr);
    const std::string katalog = mappe.string();

    pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork");
    if (pid == 0) {
      int ut = open(utFil.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      int feil = open(feilFil.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      int inn = open("/dev/null", O_RDONLY);
      if (ut < 0 || feil < 0 || inn < 0 || dup2(ut, 1) < 0 || dup2(feil, 2) < 0 || dup2(inn, 0) < 0 ||
          chdir(katalog.c_str()) != 0)
        _exit(126);
      execve(a[0], a.data(), m.data());
      _exit(127);
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    Utfall u;
    u.kode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    u.ut = Les(utFil);
    u.feil = Les(feilFil);
    return u;
  }

 private:
  std::filesystem::path rot_;
};

}  // namespace brul::test
