#include <fcntl.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "platform/prosess.h"

namespace brul::platform {
namespace {

// $VISUAL and $EDITOR may hold a command with arguments ("code --wait");
// they are split at blanks, as people write them in the shell.
std::vector<std::string> Ord(const std::string& kommando) {
  std::vector<std::string> ut;
  std::string ord;
  for (char c : kommando) {
    if (c == ' ' || c == '\t') {
      if (!ord.empty()) ut.push_back(ord);
      ord.clear();
    } else {
      ord += c;
    }
  }
  if (!ord.empty()) ut.push_back(ord);
  return ut;
}

// Starts `kommando` (the program and its arguments, each reaching it whole)
// on its own and returns at once; false when it could not be started.
bool Start(std::vector<std::string> kommando) {
  std::vector<char*> argv;
  for (auto& a : kommando) argv.push_back(a.data());
  argv.push_back(nullptr);

  // The program runs on its own: a short-lived child starts it and exits, so
  // the program belongs to init and never lingers as our zombie, and the
  // window never waits for it. A close-on-exec pipe tells whether the exec
  // itself succeeded. Everything is prepared before fork: the children only
  // call what is safe there.
  int ror[2];
  if (pipe2(ror, O_CLOEXEC) != 0) return false;
  pid_t barn = fork();
  if (barn < 0) {
    close(ror[0]);
    close(ror[1]);
    return false;
  }
  if (barn == 0) {
    close(ror[0]);
    pid_t barnebarn = fork();
    if (barnebarn == 0) {
      execvp(argv[0], argv.data());
      int feil = errno;
      ssize_t skrevet = write(ror[1], &feil, sizeof feil);
      (void)skrevet;
      _exit(127);
    }
    _exit(barnebarn < 0 ? 1 : 0);
  }
  close(ror[1]);
  int status = 0;
  while (waitpid(barn, &status, 0) < 0 && errno == EINTR) {
  }
  int feil = 0;
  ssize_t lest;
  while ((lest = read(ror[0], &feil, sizeof feil)) < 0 && errno == EINTR) {
  }
  close(ror[0]);
  const bool startet = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return startet && lest == 0;
}

}  // namespace

std::string ProgramFil() {
  std::error_code ec;
  auto sti = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return {};
  return sti.string();
}

bool StartTekstEditor(const std::string& fil) {
  std::vector<std::string> kommando;
  for (const char* navn : {"VISUAL", "EDITOR"}) {
    const char* v = std::getenv(navn);
    if (v && *v) {
      kommando = Ord(v);
      if (!kommando.empty()) break;
    }
  }
  if (kommando.empty()) kommando = {"xdg-open"};
  kommando.push_back(fil);
  return Start(std::move(kommando));
}

bool ApneMappe(const std::string& mappe) { return Start({"xdg-open", mappe}); }

}  // namespace brul::platform
