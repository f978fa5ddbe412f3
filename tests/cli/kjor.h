#pragma once
// End-to-end tests of the command line: run the real brulini (BRULINI_EXE)
// on a scratch copy of the demo installation (BRUL_DEMO_DIR) and look at what
// it printed, what it returned and what it left in the files.
//
// The scratch folder stands for drive C: the demo lies in c/Brul (so the
// stored C:\Brul\… paths resolve), drive A is the folder a, and the user's
// Brul.conf names C:\Brul\Brul.ini. The machine-wide Brul.conf is pointed at
// an empty folder, so nothing outside the scratch folder takes part.
//
// On Windows the stored paths are real: the demo lies in C:\Brul itself, drive
// A is the scratch folder's a (DefineDosDevice), and the user's registry key
// Software\Brul holds what Brul.conf's [Brul] section says. These tests share
// that one C:\Brul and that key, so ctest runs them one at a time there.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/plattform_felles.h"

namespace brul::test {

struct Utfall {
  int kode = -1;     // exit status; -1 when it did not exit normally
  std::string ut;    // standard output, byte for byte
  std::string feil;  // standard error
};

class DemoInstallasjon {
 public:
  DemoInstallasjon() {
    std::random_device rd;
    rot_ = std::filesystem::temp_directory_path() /
           ("brul-e2e-" + std::to_string(rd()) + "-" + std::to_string(rd()));
    std::filesystem::create_directories(rot_ / "c");
    std::filesystem::create_directories(rot_ / "a");
    std::filesystem::create_directories(rot_ / "xdg-maskin");
    std::filesystem::create_directories(rot_ / "xdg-bruker");
#ifdef _WIN32
    std::error_code ec;
    std::filesystem::remove_all(brul(), ec);  // left behind by a test that crashed
    // Drive A is the folder a unless the system already has a drive A.
    if (GetDriveTypeW(L"A:\\") == DRIVE_NO_ROOT_DIR)
      egenA_ = DefineDosDeviceW(0, L"A:", (rot_ / "a").wstring().c_str());
#endif
    std::filesystem::copy(BRUL_DEMO_DIR, brul(), std::filesystem::copy_options::recursive);
    SkrivKonf("[Brul]\r\nINI-Fil=C:\\Brul\\Brul.ini\r\n");
  }
  ~DemoInstallasjon() {
    std::error_code ec;
#ifdef _WIN32
    std::filesystem::remove(diskett() / "Brul.ini", ec);
    if (egenA_)
      DefineDosDeviceW(DDD_REMOVE_DEFINITION | DDD_EXACT_MATCH_ON_REMOVE, L"A:", (rot_ / "a").wstring().c_str());
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Brul");
    std::filesystem::remove_all(brul(), ec);
#endif
    std::filesystem::remove_all(rot_, ec);
  }
  DemoInstallasjon(const DemoInstallasjon&) = delete;
  DemoInstallasjon& operator=(const DemoInstallasjon&) = delete;

  const std::filesystem::path& rot() const { return rot_; }
  // The copy of the demo installation (C:\Brul).
#ifdef _WIN32
  std::filesystem::path brul() const { return "C:\\Brul"; }
#else
  std::filesystem::path brul() const { return rot_ / "c" / "Brul"; }
#endif
  std::filesystem::path ini() const { return brul() / "Brul.ini"; }
  // The installation diskette, drive A: the folder a here, and on Windows the
  // drive itself (a wine prefix gets it from script/test-windows).
#ifdef _WIN32
  std::filesystem::path diskett() const {
    return egenA_ ? rot_ / "a" : std::filesystem::path("A:\\");
  }
#else
  std::filesystem::path diskett() const { return rot_ / "a"; }
#endif

  // Replaces the user's Brul.conf; the [Stasjoner] section for C and A is
  // always added at its end.
  void SkrivKonf(const std::string& brul) const {
#ifdef _WIN32
    // Windows: the [Brul] section's values go into the user's registry key.
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Brul");
    HKEY nokkel = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Brul", 0, nullptr, 0, KEY_WRITE, nullptr, &nokkel,
                        nullptr) != ERROR_SUCCESS)
      throw std::runtime_error("Software\\Brul");
    std::size_t pos = 0;
    while (pos < brul.size()) {
      std::size_t slutt = brul.find_first_of("\r\n", pos);
      if (slutt == std::string::npos) slutt = brul.size();
      const std::string linje = brul.substr(pos, slutt - pos);
      pos = slutt + 1;
      const auto lik = linje.find('=');
      if (linje.empty() || linje[0] == ';' || linje[0] == '[' || lik == std::string::npos) continue;
      const std::wstring navn = Bred(linje.substr(0, lik));
      const std::wstring verdi = Bred(linje.substr(lik + 1));
      RegSetValueExW(nokkel, navn.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(verdi.c_str()),
                     static_cast<DWORD>((verdi.size() + 1) * sizeof(wchar_t)));
    }
    RegCloseKey(nokkel);
#else
    Skriv(rot_ / "xdg-bruker" / "Brul.conf",
          brul + "\r\n[Stasjoner]\r\nC=" + (rot_ / "c").string() + "\r\nA=" + (rot_ / "a").string() +
              "\r\n");
#endif
  }

  static void Skriv(const std::filesystem::path& fil, const std::string& bytes) {
    std::filesystem::create_directories(fil.parent_path());
    std::ofstream(fil, std::ios::binary) << bytes;
  }
  static std::string Les(const std::filesystem::path& fil) {
    std::ifstream inn(fil, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(inn), {});
  }

  // Runs brulini with these arguments in `mappe` (the scratch folder when
  // empty) and waits for it.
  Utfall Kjor(const std::vector<std::string>& args, std::filesystem::path mappe = {}) const {
    if (mappe.empty()) mappe = rot_;
    // Files of their own for every run: under wine the handles a finished
    // program inherited can stay open in the wine server after the wait for
    // it has returned, so a file shared with the run before could still be
    // held, or written, through the earlier run's handle.
    const std::string nr = std::to_string(++kjoringer_);
    const std::string utFil = (rot_ / ("stdout-" + nr + ".txt")).string();
    const std::string feilFil = (rot_ / ("stderr-" + nr + ".txt")).string();

    // Only this test's Brul.conf files take part (unused on Windows).
    MedMiljo hjem("XDG_CONFIG_HOME", (rot_ / "xdg-bruker").string());
    MedMiljo dirs("XDG_CONFIG_DIRS", (rot_ / "xdg-maskin").string());
    std::vector<std::string> argv = {BRULINI_EXE};
    argv.insert(argv.end(), args.begin(), args.end());
    const int kode = KjorProgram(argv, mappe.string(), utFil, feilFil);
    Utfall u;
    u.kode = kode;
    u.ut = Les(utFil);
    u.feil = Les(feilFil);
    return u;
  }

 private:
  std::filesystem::path rot_;
  mutable int kjoringer_ = 0;  // runs so far, to name their output files
#ifdef _WIN32
  bool egenA_ = false;  // drive A defined by this object
#endif
};

}  // namespace brul::test
