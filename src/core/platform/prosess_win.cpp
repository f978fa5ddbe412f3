#include <windows.h>

#include <string>
#include <vector>

#include "platform/prosess.h"

namespace brul::platform {
namespace {

std::wstring Bred(const std::string& utf8) {
  if (utf8.empty()) return {};
  int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring ut(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), ut.data(), n);
  return ut;
}

}  // namespace

std::string ProgramFil() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return {};
    if (n < buffer.size()) {
      std::wstring sti(buffer.data(), n);
      int m = WideCharToMultiByte(CP_UTF8, 0, sti.data(), static_cast<int>(sti.size()), nullptr, 0,
                                  nullptr, nullptr);
      std::string ut(static_cast<std::size_t>(m), '\0');
      WideCharToMultiByte(CP_UTF8, 0, sti.data(), static_cast<int>(sti.size()), ut.data(), m,
                          nullptr, nullptr);
      return ut;
    }
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

}  // namespace brul::platform
