// Another program that rewrites the settings file in place, as the profile
// functions do (open, read, write from the start, cut to length, close). For
// every line it reads on its input it waits a random while (so its write
// falls at a random point of the save the test starts at the same time),
// adds the key K<n>=<n> to [Fremmed] and answers with n, so the tests can
// count which of its updates a save lost.
//   store_innskriver FILE SEED MAXWAIT_MICROSECONDS
#ifdef _WIN32
// The test that starts this program runs on other systems only.
int main() { return 2; }
#else
#include <fcntl.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "les_alt.h"
#include "store/ini_document.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "bruk: store_innskriver FIL FRO MAKS_VENTETID_MIKROSEKUNDER\n");
    return 2;
  }
  std::mt19937 tilfeldig(static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)));
  std::uniform_int_distribution<long> vent(0, std::strtol(argv[3], nullptr, 10));
  int n = 0;
  char linje[64];
  while (std::fgets(linje, sizeof linje, stdin)) {
    const long mikro = vent(tilfeldig);
    const struct timespec t {mikro / 1000000, (mikro % 1000000) * 1000};
    ::nanosleep(&t, nullptr);
    const int fd = ::open(argv[1], O_RDWR | O_CLOEXEC);
    if (fd < 0) return 1;
    std::string bytes;
    if (!LesAlt(fd, bytes)) return 1;
    brul::IniDocument d = brul::IniDocument::fraBytes(bytes);
    const std::string nr = std::to_string(++n);
    d.skriv("Fremmed", "K" + nr, nr);
    bytes = d.tilBytes();
    const bool ok = ::pwrite(fd, bytes.data(), bytes.size(), 0) == static_cast<ssize_t>(bytes.size()) &&
                    ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0;
    ::close(fd);
    if (!ok) return 1;
    std::printf("%d\n", n);
    std::fflush(stdout);
  }
  return 0;
}
#endif
