#include "platform/fil.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace brul::platform {
namespace {

std::string Grunn(int e) {
  switch (e) {
    case ENOENT: return "mappen finnes ikke";
    case ENOTDIR: return "en del av stien er ikke en mappe";
    case EISDIR: return "det finnes en mappe med dette navnet";
    case EACCES:
    case EPERM: return "ingen tilgang";
    case EROFS: return "filsystemet er skrivebeskyttet";
    case ENOSPC: return "disken er full";
#ifdef EDQUOT
    case EDQUOT: return "diskkvoten er brukt opp";
#endif
    case EFBIG: return "filen blir for stor";
    case EEXIST: return "filen finnes allerede";
    case EIO: return "lese- eller skrivefeil på disken";
    case ENAMETOOLONG: return "stien er for lang";
    case EBUSY: return "filen er i bruk";
    default: return "systemfeil nr. " + std::to_string(e);
  }
}

FilStempel FraStat(const struct stat& st) {
  FilStempel s;
  s.finnes = true;
  s.storrelse = static_cast<std::uint64_t>(st.st_size);
  s.endretNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
  s.inode = static_cast<std::uint64_t>(st.st_ino);
  s.enhet = static_cast<std::uint64_t>(st.st_dev);
  return s;
}

bool SkrivAlt(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

std::string Mappe(const std::string& sti) {
  const std::size_t p = sti.rfind('/');
  if (p == std::string::npos) return ".";
  return p == 0 ? "/" : sti.substr(0, p);
}

// The file a save replaces: a symbolic link is followed to the file it names.
std::string EkteSti(const std::string& sti) {
  struct stat lst {};
  if (::lstat(sti.c_str(), &lst) == 0 && S_ISLNK(lst.st_mode)) {
    if (char* ekte = ::realpath(sti.c_str(), nullptr)) {
      std::string ut = ekte;
      std::free(ekte);
      return ut;
    }
  }
  return sti;
}

bool KanSkrive(const std::string& sti, int& e) {
  if (::faccessat(AT_FDCWD, sti.c_str(), W_OK, AT_EACCESS) == 0) return true;
  e = errno;
  return false;
}

}  // namespace

std::optional<std::string> SkrivebeskyttetGrunn(const std::string& sti) {
  if (sti.empty()) return std::nullopt;
  const std::string mal = EkteSti(sti);
  struct stat st {};
  int e = 0;
  if (::stat(mal.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) return Grunn(EISDIR);
    // The owner's "read-only" is the missing write bits; a user whose rights
    // pass over them (root) must not pass over the owner's decision.
    if ((st.st_mode & 0222) == 0) return "filen er skrivebeskyttet";
    if (!KanSkrive(mal, e)) return e == EROFS ? Grunn(EROFS) : "du har ikke skrivetilgang til filen";
  }
  if (!KanSkrive(Mappe(mal), e)) {
    if (e == ENOENT || e == ENOTDIR) return std::nullopt;  // missing, not protected
    return e == EROFS ? Grunn(EROFS) : "du har ikke skrivetilgang til mappen filen ligger i";
  }
  return std::nullopt;
}

FilLesing LesHeleFil(const std::string& sti) {
  FilLesing r;
  const int fd = ::open(sti.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    const int e = errno;
    r.status = e == ENOENT || e == ENOTDIR ? LeseStatus::Mangler : LeseStatus::Feil;
    if (r.status == LeseStatus::Feil) r.feil = Grunn(e);
    return r;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    r.status = LeseStatus::Feil;
    r.feil = S_ISDIR(st.st_mode) ? Grunn(EISDIR) : Grunn(errno);
    ::close(fd);
    return r;
  }
  r.stempel = FraStat(st);
  r.bytes.reserve(static_cast<std::size_t>(st.st_size));
  char buf[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0) {
      if (errno == EINTR) continue;
      r.status = LeseStatus::Feil;
      r.feil = Grunn(errno);
      r.bytes.clear();
      ::close(fd);
      return r;
    }
    if (n == 0) break;
    r.bytes.append(buf, static_cast<std::size_t>(n));
  }
  ::close(fd);
  r.status = LeseStatus::Ok;
  return r;
}

FilStempel Stempel(const std::string& sti) {
  struct stat st {};
  if (::stat(sti.c_str(), &st) != 0) return {};
  return FraStat(st);
}

bool ErstattFil(const std::string& sti, std::string_view bytes, std::string& feil) {
  if (sti.empty()) {
    feil = Grunn(ENOENT);
    return false;
  }
  // A symbolic link is followed: the file it names is replaced, the link stays.
  const std::string mal = EkteSti(sti);
  struct stat st {};
  const bool finnes = ::stat(mal.c_str(), &st) == 0;
  if (finnes && S_ISDIR(st.st_mode)) {
    feil = Grunn(EISDIR);
    return false;
  }
  // The rename below would replace a file its owner made read-only: the
  // folder's permission decides a rename, not the file's own.
  if (finnes && (st.st_mode & 0222) == 0) {
    feil = "filen er skrivebeskyttet";
    return false;
  }
  const std::string mappe = Mappe(mal);
  const std::size_t p = mal.rfind('/');
  std::string mal2 = mappe + "/." + (p == std::string::npos ? mal : mal.substr(p + 1)) + ".XXXXXX";
  const int fd = ::mkstemp(mal2.data());
  if (fd < 0) {
    feil = Grunn(errno);
    return false;
  }
  const std::string& tmp = mal2;
  auto avbryt = [&](int e) {
    ::close(fd);
    ::unlink(tmp.c_str());
    feil = Grunn(e);
    return false;
  };
  mode_t modus;
  if (finnes) {
    modus = st.st_mode & 07777;
    if (::fchown(fd, st.st_uid, st.st_gid) != 0) {
      // Another owner cannot be kept without privileges; the content matters more.
    }
  } else {
    const mode_t maske = ::umask(0);
    ::umask(maske);
    modus = 0666 & ~maske;
  }
  if (::fchmod(fd, modus) != 0) return avbryt(errno);
  if (!SkrivAlt(fd, bytes)) return avbryt(errno);
  if (::fsync(fd) != 0) return avbryt(errno);
  if (::close(fd) != 0) {
    const int e = errno;
    ::unlink(tmp.c_str());
    feil = Grunn(e);
    return false;
  }
  if (::rename(tmp.c_str(), mal.c_str()) != 0) {
    const int e = errno;
    ::unlink(tmp.c_str());
    feil = Grunn(e);
    return false;
  }
  // Make the rename itself durable.
  const int dfd = ::open(mappe.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dfd >= 0) {
    ::fsync(dfd);
    ::close(dfd);
  }
  return true;
}

bool FinnesMappe(const std::string& sti) {
  struct stat st {};
  return ::stat(sti.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool FinnesFil(const std::string& sti) {
  struct stat st {};
  return ::stat(sti.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool LagMappe(const std::string& sti, std::string& feil) {
  if (::mkdir(sti.c_str(), 0777) == 0) return true;
  feil = Grunn(errno);
  return false;
}

bool KopierFil(const std::string& fra, const std::string& til, std::string& feil) {
  FilLesing inn = LesHeleFil(fra);
  if (inn.status != LeseStatus::Ok) {
    feil = inn.status == LeseStatus::Mangler ? "filen finnes ikke" : inn.feil;
    return false;
  }
  const int fd = ::open(til.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) {
    feil = Grunn(errno);
    return false;
  }
  if (!SkrivAlt(fd, inn.bytes) || ::fsync(fd) != 0) {
    const int e = errno;
    ::close(fd);
    ::unlink(til.c_str());
    feil = Grunn(e);
    return false;
  }
  if (::close(fd) != 0) {
    feil = Grunn(errno);
    ::unlink(til.c_str());
    return false;
  }
  return true;
}

}  // namespace brul::platform
