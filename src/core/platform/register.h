#pragma once
// The key "Software\Brul" that tells start-up where the settings file, the
// program folder and the data folder are. On Windows it is the registry key
// (HKEY_LOCAL_MACHINE, then HKEY_CURRENT_USER); elsewhere it is the [Brul]
// section of a file Brul.conf: $XDG_CONFIG_DIRS/Brul.conf (the first folder
// of the list that holds one, default /etc/xdg) for the whole machine, then
// $XDG_CONFIG_HOME/Brul.conf (default ~/.config) for the user. That file's
// [Stasjoner] section maps drive letters to local folders (C=/srv/brul).
#include <map>
#include <memory>
#include <string>

#include "platform/sti.h"

namespace brul::platform {

class BrulNokkel {
 public:
  virtual ~BrulNokkel() = default;
  // The string value of that name, found without regard to letter case;
  // empty when absent.
  virtual std::string les(const std::string& navn) const = 0;
  // The drive letters this key maps to local folders (empty on Windows).
  virtual Stasjonskart stasjoner() const { return {}; }
};

// The registry's key: the machine-wide key first, the user's key after. Null
// when neither exists, and always on systems without a registry, where the
// store reads the key from Brul.conf instead (store/konfignokkel.h).
std::unique_ptr<BrulNokkel> ApneRegisterNokkel();

// Where the two Brul.conf files are (systems other than Windows): the
// machine-wide one first, then the user's. Either may be empty when the
// environment names no place for it.
struct KonfigFiler {
  std::string maskin;
  std::string bruker;
};
KonfigFiler FinnKonfigFiler();
// The program folder when neither the key nor the settings file names one,
// given the program's own folder and the settings file's folder. On Windows
// the program lies beside its settings file, so it is the program's folder.
// Elsewhere the program lies in a folder of this system (/usr/local/bin)
// that no Windows program reading the file knows, so the settings file's
// folder stands for the installation.
std::string StandardExeKatalog(const std::string& programKatalog, const std::string& iniKatalog);

// A key held in memory: tests give start-up a registry of their own.
class MinneNokkel final : public BrulNokkel {
 public:
  MinneNokkel() = default;
  MinneNokkel(std::map<std::string, std::string> verdier, Stasjonskart stasjoner = {})
      : verdier_(std::move(verdier)), stasjoner_(std::move(stasjoner)) {}
  std::string les(const std::string& navn) const override;
  Stasjonskart stasjoner() const override { return stasjoner_; }

 private:
  std::map<std::string, std::string> verdier_;
  Stasjonskart stasjoner_;
};

}  // namespace brul::platform
