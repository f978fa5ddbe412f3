#include <cstdlib>
#include <string>
#include <vector>

#include "platform/fil.h"
#include "platform/register.h"

namespace brul::platform {
namespace {

std::string Miljo(const char* navn) {
  const char* v = std::getenv(navn);
  return v ? std::string(v) : std::string();
}

// Only absolute folders count: a relative one would make the key depend on
// the folder the program happens to be started in.
bool Absolutt(const std::string& mappe) { return !mappe.empty() && mappe.front() == '/'; }

}  // namespace

KonfigFiler FinnKonfigFiler() {
  KonfigFiler filer;
  // $XDG_CONFIG_DIRS lists the machine-wide folders in order of preference
  // (desktops often put their own folder before /etc/xdg), so the key is the
  // Brul.conf of the first folder that holds one; without any, it would be the
  // first folder's. An unset or empty list means /etc/xdg.
  std::vector<std::string> mapper;
  const std::string dirs = Miljo("XDG_CONFIG_DIRS");
  for (std::size_t fra = 0; fra <= dirs.size();) {
    std::size_t til = dirs.find(':', fra);
    if (til == std::string::npos) til = dirs.size();
    std::string mappe = dirs.substr(fra, til - fra);
    while (mappe.size() > 1 && mappe.back() == '/') mappe.pop_back();
    if (Absolutt(mappe)) mapper.push_back(mappe);
    fra = til + 1;
  }
  if (mapper.empty()) mapper.push_back("/etc/xdg");
  filer.maskin = mapper.front() + "/Brul.conf";
  for (const std::string& mappe : mapper) {
    if (FinnesFil(mappe + "/Brul.conf")) {
      filer.maskin = mappe + "/Brul.conf";
      break;
    }
  }

  std::string hjem = Miljo("XDG_CONFIG_HOME");
  if (!Absolutt(hjem)) {
    std::string home = Miljo("HOME");
    hjem = Absolutt(home) ? home + "/.config" : std::string();
  }
  if (!hjem.empty()) filer.bruker = hjem + "/Brul.conf";
  return filer;
}

std::unique_ptr<BrulNokkel> ApneRegisterNokkel() { return nullptr; }

std::string StandardExeKatalog(const std::string&, const std::string& iniKatalog) { return iniKatalog; }

}  // namespace brul::platform
