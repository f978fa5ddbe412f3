#pragma once
// What the tests need from the system on every platform: environment
// variables for one scope, and another program run to its end with its
// standard streams in files.
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "platform/bred_win.h"
#else
#include <sys/types.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

extern char** environ;
#endif

namespace brul::test {

#ifdef _WIN32
// The platform layer's own UTF-8 to UTF-16 conversion, so the tests convert
// exactly as the program does.
using platform::Bred;

// One argument of a Windows command line, quoted so that the C runtime and
// CommandLineToArgvW give it back whole: blanks, quotes and backslashes.
inline std::wstring SitertArgument(const std::wstring& a) {
  if (!a.empty() && a.find_first_of(L" \t\n\v\"") == std::wstring::npos) return a;
  std::wstring ut = L"\"";
  std::size_t skraa = 0;
  for (wchar_t c : a) {
    if (c == L'\\') {
      ++skraa;
      continue;
    }
    ut.append(c == L'"' ? skraa * 2 + 1 : skraa, L'\\');
    skraa = 0;
    ut.push_back(c);
  }
  ut.append(skraa * 2, L'\\');
  ut.push_back(L'"');
  return ut;
}
#endif

// Sets (or, with nullopt, removes) an environment variable.
inline void SettMiljo(const char* navn, const std::optional<std::string>& verdi) {
#ifdef _WIN32
  // Both the C runtime's copy (getenv) and the process's own (child programs).
  _putenv_s(navn, verdi ? verdi->c_str() : "");
  SetEnvironmentVariableW(Bred(navn).c_str(), verdi ? Bred(*verdi).c_str() : nullptr);
#else
  if (verdi)
    setenv(navn, verdi->c_str(), 1);
  else
    unsetenv(navn);
#endif
}

// Sets (or removes) an environment variable for one scope.
class MedMiljo {
 public:
  MedMiljo(const char* navn, std::optional<std::string> verdi) : navn_(navn) {
    if (const char* v = std::getenv(navn)) forrige_ = v;
    SettMiljo(navn, verdi);
  }
  ~MedMiljo() { SettMiljo(navn_, forrige_); }
  MedMiljo(const MedMiljo&) = delete;
  MedMiljo& operator=(const MedMiljo&) = delete;

 private:
  const char* navn_;
  std::optional<std::string> forrige_;
};

// Runs the program args[0] with these arguments in the folder `mappe`
// (unchanged when empty), standard input empty, standard output and error
// into the files `ut` and `feil` (discarded when empty), and waits for it.
// Returns its exit status; -1 when it could not start or did not exit.
inline int KjorProgram(const std::vector<std::string>& args, const std::string& mappe = {},
                       const std::string& ut = {}, const std::string& feil = {}) {
#ifdef _WIN32
  std::wstring linje;
  for (const auto& a : args) linje += (linje.empty() ? L"" : L" ") + SitertArgument(Bred(a));
  SECURITY_ATTRIBUTES arv{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  auto apne = [&](const std::string& fil, bool skriv) {
    const std::wstring navn = fil.empty() ? L"NUL" : Bred(fil);
    return CreateFileW(navn.c_str(), skriv ? GENERIC_WRITE : GENERIC_READ,
                       FILE_SHARE_READ | FILE_SHARE_WRITE, &arv, skriv ? CREATE_ALWAYS : OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
  };
  HANDLE inn = apne({}, false);
  HANDLE hut = apne(ut, true);
  HANDLE hfeil = apne(feil, true);
  STARTUPINFOW si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdInput = inn;
  si.hStdOutput = hut;
  si.hStdError = hfeil;
  PROCESS_INFORMATION pi{};
  const std::wstring katalog = Bred(mappe);
  const BOOL startet =
      CreateProcessW(nullptr, linje.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                     katalog.empty() ? nullptr : katalog.c_str(), &si, &pi);
  for (HANDLE h : {inn, hut, hfeil})
    if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
  if (!startet) return -1;
  WaitForSingleObject(pi.hProcess, INFINITE);
  DWORD kode = 0;
  const bool ok = GetExitCodeProcess(pi.hProcess, &kode);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return ok ? static_cast<int>(kode) : -1;
#else
  std::vector<std::string> kopi = args;
  std::vector<char*> a;
  for (auto& s : kopi) a.push_back(s.data());
  a.push_back(nullptr);
  pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork");
  if (pid == 0) {
    int hut = open(ut.empty() ? "/dev/null" : ut.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int hfeil = open(feil.empty() ? "/dev/null" : feil.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int inn = open("/dev/null", O_RDONLY);
    if (hut < 0 || hfeil < 0 || inn < 0 || dup2(hut, 1) < 0 || dup2(hfeil, 2) < 0 || dup2(inn, 0) < 0 ||
        (!mappe.empty() && chdir(mappe.c_str()) != 0))
      _exit(126);
    execve(a[0], a.data(), environ);
    _exit(127);
  }
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

}  // namespace brul::test
