#include <windows.h>

#include "platform/bred_win.h"

#include <string>
#include <vector>

#include "platform/register.h"

namespace brul::platform {
namespace {

// The registry holds text in the ANSI code page (1252 on the installations);
// the program works in UTF-8, so values are read wide and converted.
class RegisterNokkel final : public BrulNokkel {
 public:
  explicit RegisterNokkel(HKEY nokkel) : nokkel_(nokkel) {}
  ~RegisterNokkel() override { RegCloseKey(nokkel_); }
  RegisterNokkel(const RegisterNokkel&) = delete;
  RegisterNokkel& operator=(const RegisterNokkel&) = delete;

  std::string les(const std::string& navn) const override {
    std::wstring n = Bred(navn);
    DWORD type = 0;
    DWORD storrelse = 0;
    if (RegQueryValueExW(nokkel_, n.c_str(), nullptr, &type, nullptr, &storrelse) != ERROR_SUCCESS)
      return {};
    if (type != REG_SZ && type != REG_EXPAND_SZ) return {};
    std::vector<wchar_t> buffer(storrelse / sizeof(wchar_t) + 1, L'\0');
    DWORD lengde = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
    if (RegQueryValueExW(nokkel_, n.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(buffer.data()), &lengde) != ERROR_SUCCESS)
      return {};
    buffer.back() = L'\0';
    return Smal(std::wstring(buffer.data()));
  }

 private:
  HKEY nokkel_;
};

}  // namespace

KonfigFiler FinnKonfigFiler() { return {}; }

std::unique_ptr<BrulNokkel> ApneRegisterNokkel() {
  const wchar_t* sti = L"Software\\Brul";
  HKEY nokkel = nullptr;
  // Machine-wide first: read and write without creating it, else read-only.
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, sti, 0, KEY_READ | KEY_WRITE, &nokkel) == ERROR_SUCCESS ||
      RegOpenKeyExW(HKEY_LOCAL_MACHINE, sti, 0, KEY_READ, &nokkel) == ERROR_SUCCESS)
    return std::make_unique<RegisterNokkel>(nokkel);
  // Then the user's key, created when absent; read-only when that is refused.
  if (RegCreateKeyExW(HKEY_CURRENT_USER, sti, 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_READ | KEY_WRITE, nullptr, &nokkel, nullptr) == ERROR_SUCCESS ||
      RegOpenKeyExW(HKEY_CURRENT_USER, sti, 0, KEY_READ, &nokkel) == ERROR_SUCCESS)
    return std::make_unique<RegisterNokkel>(nokkel);
  return nullptr;
}

std::string StandardExeKatalog(const std::string& programKatalog, const std::string&) { return programKatalog; }

}  // namespace brul::platform
