#pragma once
// A generated installation for the benchmarks: a settings file of 255 machines
// with about 150 keys each, their port sections and comments, in a scratch
// folder that drive C: maps to for as long as the object lives.
#include <filesystem>
#include <string>

#include "platform/sti.h"

namespace brul::bench {

// The settings file's bytes (Windows-1252, CRLF).
std::string GenererBrulIni(int maskiner = 255, int noklerPerMaskin = 150);
// The name of key `i` (0-based) of a machine section in the generated file.
std::string GenerertNokkel(int i);

// One bare read of the file and its split into lines (views into the bytes,
// at CR, LF or CRLF): what any load of the file costs at the least. Returns
// the number of lines.
std::size_t LesOgDelLinjer(const std::filesystem::path& fil);

// The processor time this process has used, in seconds. The machine the
// benchmarks run on is shared; processor time is what a ratio can trust.
double CpuSekunder();

class GenerertInstallasjon {
 public:
  explicit GenerertInstallasjon(int maskiner = 255, int noklerPerMaskin = 150);
  ~GenerertInstallasjon();
  GenerertInstallasjon(const GenerertInstallasjon&) = delete;
  GenerertInstallasjon& operator=(const GenerertInstallasjon&) = delete;

  const std::filesystem::path& rot() const { return rot_; }
  std::filesystem::path iniFil() const { return rot_ / "Brul" / "Brul.ini"; }
  std::size_t storrelse() const { return storrelse_; }

 private:
  std::filesystem::path rot_;
  std::string gammelIni_;
  platform::Stasjonskart gammeltKart_;
  std::size_t storrelse_ = 0;
};

}  // namespace brul::bench
