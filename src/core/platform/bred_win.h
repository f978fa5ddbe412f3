#pragma once
// UTF-8 (the program's text) to and from UTF-16 (the wide Windows API), for the
// Windows implementations of the platform layer only.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>

namespace brul::platform {

inline std::wstring Bred(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring ut(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), ut.data(), n);
  return ut;
}

inline std::string Smal(const std::wstring& tekst) {
  if (tekst.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, tekst.data(), static_cast<int>(tekst.size()), nullptr,
                                    0, nullptr, nullptr);
  std::string ut(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, tekst.data(), static_cast<int>(tekst.size()), ut.data(), n, nullptr,
                      nullptr);
  return ut;
}

}  // namespace brul::platform
