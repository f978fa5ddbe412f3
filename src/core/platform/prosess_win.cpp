#include <windows.h>

#include "platform/bred_win.h"

#include <string>
#include <vector>

#include "platform/prosess.h"

namespace brul::platform {
std::string ProgramFil() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return {};
    if (n < buffer.size()) return Smal(std::wstring(buffer.data(), n));
    buffer.resize(buffer.size() * 2);
  }
}

bool StartTekstEditor(const std::string& fil) {
  // Notepad, then the file in double quotes so a path with blanks arrives whole.
  std::wstring kommando = L"Notepad \"" + Bred(fil) + L"\"";
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, kommando.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                      &pi))
    return false;
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return true;
}

bool ApneMappe(const std::string& mappe) {
  std::wstring kommando = L"explorer \"" + Bred(mappe) + L"\"";
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, kommando.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
    return false;
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return true;
}

}  // namespace brul::platform
