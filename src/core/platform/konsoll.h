#pragma once
// The command line's arguments and standard streams. The program works in
// UTF-8; Windows hands a program its arguments in the ANSI code page, opens
// standard output in text mode (every "\n" becomes "\r\n") and shows a
// console's text in the console's OEM code page. This puts that right.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace brul::platform {

// The program's arguments (argv[0] included) in UTF-8. On Windows they are
// taken from the wide command line, so every character arrives; elsewhere
// argv as it is.
std::vector<std::string> Argumenter(int argc, char** argv);

// For its lifetime: standard output and standard error pass their bytes on
// unchanged (binary mode) when they are a file or a pipe, and std::cout and
// std::cerr show their UTF-8 text as characters when they are a console
// window (Windows). Does nothing on other systems.
class Konsoll {
 public:
  Konsoll();
  ~Konsoll();
  Konsoll(const Konsoll&) = delete;
  Konsoll& operator=(const Konsoll&) = delete;

  struct Tilstand;

 private:
  std::unique_ptr<Tilstand> tilstand_;
};

// The text a console shows for the bytes written to it, as UTF-8: a UTF-8
// sequence as it is, any other byte as its Windows-1252 character (decode
// writes Windows-1252 bytes). A sequence cut off at the end of `bytes` waits
// in `rest` for the next write; with `slutt` nothing waits.
std::string KonsollTekst(std::string& rest, std::string_view bytes, bool slutt = false);

}  // namespace brul::platform
