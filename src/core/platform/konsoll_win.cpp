#include "platform/konsoll.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <streambuf>

#include "platform/bred_win.h"

namespace brul::platform {
namespace {

// Shows what the program writes in a console window: UTF-8 goes to the
// console as UTF-16 (WriteConsoleW), which every console font shows whatever
// its code page.
class KonsollBuffer final : public std::streambuf {
 public:
  explicit KonsollBuffer(HANDLE konsoll) : konsoll_(konsoll) {}
  ~KonsollBuffer() override { skriv(true); }
  KonsollBuffer(const KonsollBuffer&) = delete;
  KonsollBuffer& operator=(const KonsollBuffer&) = delete;

 protected:
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    buffer_.push_back(traits_type::to_char_type(c));
    if (buffer_.size() >= 4096) skriv(false);
    return c;
  }
  std::streamsize xsputn(const char* s, std::streamsize n) override {
    buffer_.append(s, static_cast<std::size_t>(n));
    if (buffer_.size() >= 4096) skriv(false);
    return n;
  }
  int sync() override {
    skriv(false);
    return 0;
  }

 private:
  void skriv(bool slutt) {
    const std::wstring tekst = Bred(KonsollTekst(rest_, buffer_, slutt));
    buffer_.clear();
    std::size_t pos = 0;
    while (pos < tekst.size()) {
      DWORD skrevet = 0;
      const DWORD antall = static_cast<DWORD>(std::min<std::size_t>(tekst.size() - pos, 8192));
      if (!WriteConsoleW(konsoll_, tekst.data() + pos, antall, &skrevet, nullptr) || skrevet == 0)
        return;
      pos += skrevet;
    }
  }

  HANDLE konsoll_;
  std::string buffer_;
  std::string rest_;
};

HANDLE KonsollHandtak(DWORD strom) {
  HANDLE h = GetStdHandle(strom);
  DWORD modus = 0;
  if (h == nullptr || h == INVALID_HANDLE_VALUE || !GetConsoleMode(h, &modus)) return nullptr;
  return h;
}

}  // namespace

std::vector<std::string> Argumenter(int argc, char** argv) {
  int antall = 0;
  LPWSTR* bred = CommandLineToArgvW(GetCommandLineW(), &antall);
  if (bred == nullptr) return {argv, argv + argc};
  std::vector<std::string> ut;
  ut.reserve(static_cast<std::size_t>(antall));
  for (int i = 0; i < antall; ++i) ut.push_back(Smal(bred[i]));
  LocalFree(bred);
  return ut;
}

struct Konsoll::Tilstand {
  std::unique_ptr<KonsollBuffer> ut;
  std::unique_ptr<KonsollBuffer> feil;
  std::streambuf* forrigeUt = nullptr;
  std::streambuf* forrigeFeil = nullptr;
};

Konsoll::Konsoll() : tilstand_(std::make_unique<Tilstand>()) {
  // Files and pipes get the program's bytes as they are: UTF-8 text with "\n"
  // line ends, the same bytes as on other systems, and decode's bytes unchanged.
  std::fflush(stdout);
  std::fflush(stderr);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  if (HANDLE h = KonsollHandtak(STD_OUTPUT_HANDLE)) {
    std::cout.flush();
    tilstand_->ut = std::make_unique<KonsollBuffer>(h);
    tilstand_->forrigeUt = std::cout.rdbuf(tilstand_->ut.get());
  }
  if (HANDLE h = KonsollHandtak(STD_ERROR_HANDLE)) {
    std::cerr.flush();
    tilstand_->feil = std::make_unique<KonsollBuffer>(h);
    tilstand_->forrigeFeil = std::cerr.rdbuf(tilstand_->feil.get());
  }
}

Konsoll::~Konsoll() {
  if (tilstand_->ut) {
    std::cout.flush();
    std::cout.rdbuf(tilstand_->forrigeUt);
  }
  if (tilstand_->feil) {
    std::cerr.flush();
    std::cerr.rdbuf(tilstand_->forrigeFeil);
  }
}

}  // namespace brul::platform
