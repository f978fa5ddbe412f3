#pragma once
// The helper programs that play other programs read the settings file the
// way such programs do: through the descriptor they will write with.
#include <unistd.h>

#include <string>

inline bool LesAlt(int fd, std::string& ut) {
  ut.clear();
  char buf[65536];
  for (off_t pos = 0;;) {
    const ssize_t n = ::pread(fd, buf, sizeof buf, pos);
    if (n < 0) return false;
    if (n == 0) return true;
    ut.append(buf, static_cast<std::size_t>(n));
    pos += n;
  }
}
