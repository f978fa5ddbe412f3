// Another program that writes the settings file while this one saves, in one
// of the ways such programs do; it adds [Fremmed] <NAVN>=<NAVN> and exits 0
// once that is written.
//   store_fremmed FILE plass NAVN     rewrites the file in place (open, read,
//                                     write from the start, cut, close)
//   store_fremmed treg NAVN ... MS    the same, with a pause of MS
//                                     milliseconds after writing half
//   store_fremmed bytt FILE NAVN      writes a new file and renames it over
//                                     the old one, under the installation's
//                                     lock, as a program that shares it does
#ifdef _WIN32
// The test that starts this program runs on other systems only.
int main() { return 2; }
#else
#include <fcntl.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "les_alt.h"
#include "platform/fil.h"
#include "store/ini_document.h"

namespace {

bool SkrivAlt(int fd, const char* p, std::size_t n, off_t pos) {
  while (n > 0) {
    const ssize_t s = ::pwrite(fd, p, n, pos);
    if (s <= 0) return false;
    p += s;
    n -= static_cast<std::size_t>(s);
    pos += s;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "bruk: store_fremmed plass|treg|bytt FIL NAVN [MS]\n");
    return 2;
  }
  const std::string modus = argv[1], fil = argv[2], navn = argv[3];
  const long pause = argc > 4 ? std::strtol(argv[4], nullptr, 10) : 0;
  if (modus == "bytt") {
    brul::platform::Laas laas;
    std::string feil;
    if (!laas.ta(brul::platform::LaasSti(fil), feil)) return 1;
    const brul::platform::FilLesing l = brul::platform::LesHel(fil);
    if (l.status != brul::platform::LeseStatus::Ok) return 1;
    brul::IniDocument d = brul::IniDocument::fraBytes(l.bytes);
    d.skriv("Fremmed", navn, navn);
    return brul::platform::ErstattFil(fil, d.tilBytes(), feil) ? 0 : 1;
  }
  const int fd = ::open(fil.c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0) return 1;
  std::string bytes;
  if (!LesAlt(fd, bytes)) return 1;
  brul::IniDocument d = brul::IniDocument::fraBytes(bytes);
  d.skriv("Fremmed", navn, navn);
  bytes = d.tilBytes();
  bool ok = ::ftruncate(fd, 0) == 0;
  const std::size_t halv = modus == "treg" ? bytes.size() / 2 : bytes.size();
  ok = ok && SkrivAlt(fd, bytes.data(), halv, 0);
  if (modus == "treg") {
    const struct timespec t {pause / 1000, (pause % 1000) * 1000000};
    ::nanosleep(&t, nullptr);
  }
  ok = ok && SkrivAlt(fd, bytes.data() + halv, bytes.size() - halv, static_cast<off_t>(halv));
  ok = ::close(fd) == 0 && ok;
  return ok ? 0 : 1;
}
#endif
