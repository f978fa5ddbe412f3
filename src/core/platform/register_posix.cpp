#include <cstdlib>
#include <string>

#include "platform/register.h"

namespace brul::platform {
namespace {

std::string Miljo(const char* navn) {
  const char* v = std::getenv(navn);
  return v ? std::string(v) : std::string();
}

}  // namespace

KonfigFiler FinnKonfigFiler() {
  KonfigFiler filer;
  // The machine-wide file lies in the first folder of the list; the base
  // directory rules fall back to /etc/xdg when the list is unset or empty.
  std::string dirs = Miljo("XDG_CONFIG_DIRS");
  std::string forste = dirs.substr(0, dirs.find(':'));
  if (forste.empty()) forste = "/etc/xdg";
  filer.maskin = forste + "/Brul.conf";

  std::string hjem = Miljo("XDG_CONFIG_HOME");
  if (hjem.empty()) {
    std::string home = Miljo("HOME");
    if (!home.empty()) hjem = home + "/.config";
  }
  if (!hjem.empty()) filer.bruker = hjem + "/Brul.conf";
  return filer;
}

std::unique_ptr<BrulNokkel> ApneBrulNokkel() { return ApneBrulNokkel(FinnKonfigFiler()); }

}  // namespace brul::platform
