#include "platform/fil.h"
#include "platform/venting.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

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

void Sov(long mikro) {
  const struct timespec t {mikro / 1000000, (mikro % 1000000) * 1000};
  ::nanosleep(&t, nullptr);
}

enum class Leie { Tatt, Opptatt, Umulig };

// Waits while another program has the file open for writing, then holds a
// read lease on it: until the lease is let go, a program that opens the file
// for writing waits in its open, so what is read meanwhile is whole.
// Opptatt when a writer kept the file open for kVentMs; Umulig when no lease
// can be had at all (a file of another owner, a file system without leases):
// the caller then makes sure another way.
Leie TaLeieavtale(int fd) {
#ifdef F_SETLEASE
  // A broken lease is announced by a signal, SIGIO unless told otherwise,
  // and SIGIO ends the program; SIGURG is ignored unless someone handles it.
  if (::fcntl(fd, F_SETSIG, SIGURG) != 0) return Leie::Umulig;
  Venting v(kVenterSkriver);
  for (;;) {
    if (::fcntl(fd, F_SETLEASE, F_RDLCK) == 0) return Leie::Tatt;
    if (errno != EAGAIN) return Leie::Umulig;
    if (!v.igjen()) return Leie::Opptatt;
  }
#else
  (void)fd;
  return Leie::Umulig;
#endif
}

void SlippLeieavtale(int fd) {
#ifdef F_SETLEASE
  ::fcntl(fd, F_SETLEASE, F_UNLCK);
#else
  (void)fd;
#endif
}

// Every load and save of the settings file takes and frees a few buffers of
// the file's size (its bytes, a document, the check before the rename). By
// default the C library hands blocks of that size back to the system at
// once and takes fresh ones for the next action, which the system must map
// and clear page by page: for a file of a megabyte that costs more processor
// time than reading, parsing and writing it. Freed memory up to these limits
// is kept for the next action instead.
void BeholdFrigjortMinne() {
#if defined(__GLIBC__)
  static const bool gjort = [] {
    ::mallopt(M_MMAP_THRESHOLD, 16 * 1024 * 1024);
    ::mallopt(M_TRIM_THRESHOLD, 32 * 1024 * 1024);
    return true;
  }();
  (void)gjort;
#endif
}

// Reads all of an open file from its start, straight into a string of the
// file's size (one byte more, so the read that finds the end needs no
// growth): a string grown piece by piece would move the whole file several
// times, each time into memory the system must first hand out and clear.
bool LesFraStart(int fd, std::string& ut) {
  struct stat st {};
  const std::size_t ventet = ::fstat(fd, &st) == 0 && st.st_size > 0 ? static_cast<std::size_t>(st.st_size) : 0;
  ut.clear();
  ut.resize(ventet + 1);
  std::size_t lest = 0;
  for (;;) {
    // A file that grew while it is read is read to its new end.
    if (lest == ut.size()) ut.resize(ut.size() < 32768 ? 65536 : ut.size() * 2);
    const ssize_t n = ::pread(fd, ut.data() + lest, ut.size() - lest, static_cast<off_t>(lest));
    if (n < 0) {
      if (errno == EINTR) continue;
      ut.clear();
      return false;
    }
    if (n == 0) {
      ut.resize(lest);
      return true;
    }
    lest += static_cast<std::size_t>(n);
  }
}

// A temporary file of ErstattFil for the file `navn`: "." + navn + "." and
// six characters from mkstemp.
bool ErMidlertidig(const char* oppforing, const std::string& navn) {
  const std::size_t lengde = std::strlen(oppforing);
  if (lengde != navn.size() + 8 || oppforing[0] != '.' || oppforing[navn.size() + 1] != '.') return false;
  if (std::strncmp(oppforing + 1, navn.data(), navn.size()) != 0) return false;
  for (std::size_t i = navn.size() + 2; i < lengde; ++i) {
    const char c = oppforing[i];
    if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
  }
  return true;
}

}  // namespace

std::vector<std::string> FilnavnI(const std::string& mappe) {
  std::vector<std::string> ut;
  DIR* d = ::opendir(mappe.c_str());
  if (!d) return ut;
  const int fd = ::dirfd(d);
  while (const struct dirent* e = ::readdir(d)) {
    if (e->d_type == DT_UNKNOWN) {
      struct stat st {};
      if (::fstatat(fd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode)) continue;
    } else if (e->d_type != DT_REG) {
      continue;
    }
    ut.emplace_back(e->d_name);
  }
  ::closedir(d);
  return ut;
}

namespace {

// Removes the temporary files of `navn` in `mappe` that a save stopped
// midway left behind. A running save holds a lock on its own from the moment
// it is made, so a file that can be locked has no owner any more; it is
// removed while locked, and a save that finds its new file gone makes another.
void RyddMidlertidige(const std::string& mappe, const std::string& navn) {
  DIR* d = ::opendir(mappe.c_str());
  if (!d) return;
  while (const struct dirent* e = ::readdir(d)) {
    if (!ErMidlertidig(e->d_name, navn)) continue;
    const std::string sti = mappe + "/" + e->d_name;
    const int fd = ::open(sti.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) continue;
    struct stat apen {}, navngitt {};
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &apen) == 0 && S_ISREG(apen.st_mode) &&
        ::lstat(sti.c_str(), &navngitt) == 0 && apen.st_ino == navngitt.st_ino && apen.st_dev == navngitt.st_dev)
      ::unlink(sti.c_str());
    ::close(fd);
  }
  ::closedir(d);
}

}  // namespace

HoldtFil::~HoldtFil() { lukk(); }

void HoldtFil::lukk() {
  if (h_ >= 0) ::close(static_cast<int>(h_));
  h_ = -1;
  leie_ = false;
}

std::optional<std::string> IkkeVanligFil(const std::string& sti) {
  struct stat lst {}, st {};
  if (::lstat(sti.c_str(), &lst) != 0) return std::nullopt;
  if (S_ISLNK(lst.st_mode) && ::stat(sti.c_str(), &st) != 0) {
    if (errno == ELOOP) return "er en symbolsk lenke som peker i ring";
    return "er en symbolsk lenke til noe som ikke finnes";
  }
  if (!S_ISLNK(lst.st_mode)) st = lst;
  if (S_ISREG(st.st_mode)) return std::nullopt;
  if (S_ISDIR(st.st_mode)) return "er en mappe, ikke en fil";
  if (S_ISFIFO(st.st_mode)) return "er et navngitt rør (FIFO), ikke en fil";
  if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode)) return "er en enhet, ikke en fil";
  if (S_ISSOCK(st.st_mode)) return "er en sokkel, ikke en fil";
  return "er ingen vanlig fil";
}

namespace {

// Opens a file for reading and looks at it: -1 with `r` telling why (missing,
// or a failure with its reason) when it cannot be read. Anything but a
// regular file is refused at once: a FIFO would block every read for ever.
int ApneForLesing(const std::string& sti, FilLesing& r, struct stat& st) {
  const int fd = ::open(sti.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) {
    const int e = errno;
    const auto annet = e == ENOENT || e == ELOOP ? IkkeVanligFil(sti) : std::nullopt;
    r.status = (e == ENOENT || e == ENOTDIR) && !annet ? LeseStatus::Mangler : LeseStatus::Feil;
    if (r.status == LeseStatus::Feil) r.feil = annet ? "stien " + *annet : Grunn(e);
    return -1;
  }
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    r.status = LeseStatus::Feil;
    r.feil = S_ISDIR(st.st_mode) ? Grunn(EISDIR) : "stien " + IkkeVanligFil(sti).value_or("er ingen vanlig fil");
    ::close(fd);
    return -1;
  }
  return fd;
}

// Reads an open file whole while no other program writes it: under a read
// lease, or, where none can be had, as two reads a moment apart that agree.
// False with `r` telling why (a writer that did not finish in time).
bool LesStabilt(int fd, FilLesing& r, struct stat& st, bool& leie) {
  const Leie l = TaLeieavtale(fd);
  leie = l == Leie::Tatt;
  if (l == Leie::Opptatt) {
    r.status = LeseStatus::Feil;
    r.opptatt = true;
    r.feil = SkriverGrunn();
    return false;
  }
  if (!LesFraStart(fd, r.bytes) || ::fstat(fd, &st) != 0) {
    r.status = LeseStatus::Feil;
    r.feil = Grunn(errno);
    r.bytes.clear();
    return false;
  }
  if (leie) return true;
  // No lease: a writer at work shows as a file that changes under the read.
  Venting v(kVenterSkriver);
  for (std::string igjen;;) {
    Sov(20000);
    struct stat etter {};
    if (!LesFraStart(fd, igjen) || ::fstat(fd, &etter) != 0) {
      r.status = LeseStatus::Feil;
      r.feil = Grunn(errno);
      r.bytes.clear();
      return false;
    }
    if (igjen == r.bytes && FraStat(etter) == FraStat(st)) return true;
    r.bytes.swap(igjen);
    st = etter;
    if (!v.igjen()) {
      r.status = LeseStatus::Feil;
      r.opptatt = true;
      r.feil = SkriverGrunn();
      r.bytes.clear();
      return false;
    }
  }
}

}  // namespace

FilLesing HoldtFil::les(const std::string& sti) {
  lukk();
  BeholdFrigjortMinne();
  FilLesing r;
  struct stat st {};
  const int fd = ApneForLesing(sti, r, st);
  if (fd < 0) return r;
  // The lease stays until the save is done: a program that opens the file
  // for writing meanwhile breaks it, and an unbroken one shows afterwards
  // that the old file still holds what was read.
  bool leie = false;
  if (!LesStabilt(fd, r, st, leie)) {
    if (leie) SlippLeieavtale(fd);
    ::close(fd);
    return r;
  }
  r.stempel = FraStat(st);
  r.status = LeseStatus::Ok;
  h_ = fd;
  leie_ = leie;
  return r;
}

FilLesing LesHel(const std::string& sti) {
  HoldtFil h;
  return h.les(sti);  // the lease ends with h
}

std::optional<std::string> HoldtFil::etterErstatning() {
  if (h_ < 0) return std::nullopt;
  const int fd = static_cast<int>(h_);
  // Held since the read and never broken: no program opened the old file for
  // writing since, and none had it open then, so it holds what was read.
#ifdef F_GETLEASE
  if (leie_ && ::fcntl(fd, F_GETLEASE) == F_RDLCK) {
    lukk();
    return std::nullopt;
  }
#endif
  if (leie_) SlippLeieavtale(fd);
  leie_ = false;
  // Once no program has the old file open for writing, no one can write it
  // any more: it has no name, so no one can open it again.
  const bool leie = TaLeieavtale(fd) == Leie::Tatt;
  std::string ut;
  const bool ok = LesFraStart(fd, ut);
  if (leie) SlippLeieavtale(fd);
  lukk();
  if (!ok) return std::nullopt;
  return ut;
}

Laas::~Laas() { slipp(); }

void Laas::slipp() {
  if (h_ >= 0) ::close(static_cast<int>(h_));  // closing lets go of the lock
  h_ = -1;
}

bool Laas::ta(const std::string& sti, std::string& feil) {
  slipp();
  int fd = ::open(sti.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0666);
  const bool bareLes = fd < 0 && (errno == EACCES || errno == EROFS);
  if (bareLes) fd = ::open(sti.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
  // No lock file can be made where no file can be written at all (a
  // missing or read-only folder): the save itself then fails and says why.
  if (fd < 0) return true;
  Venting v(kVenterLagring);
  for (;;) {
    // A lock of the open file, not of the process: two threads or two
    // editors in one process exclude each other too.
    struct flock l {};
    l.l_type = bareLes ? F_RDLCK : F_WRLCK;
    l.l_whence = SEEK_SET;
#ifdef F_OFD_SETLK
    int r = bareLes ? ::flock(fd, LOCK_EX | LOCK_NB) : ::fcntl(fd, F_OFD_SETLK, &l);
    if (r != 0 && errno == EINVAL) r = ::flock(fd, LOCK_EX | LOCK_NB);
#else
    int r = ::flock(fd, LOCK_EX | LOCK_NB);
#endif
    if (r == 0) break;
    if (errno != EAGAIN && errno != EACCES && errno != EWOULDBLOCK && errno != EINTR) {
      feil = "låsefilen " + sti + " kan ikke låses (" + Grunn(errno) + ")";
      ::close(fd);
      return false;
    }
    if (!v.igjen()) {
      feil = LagringGrunn();
      ::close(fd);
      return false;
    }
  }
  h_ = fd;
  return true;
}

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
  BeholdFrigjortMinne();
  FilLesing r;
  struct stat st {};
  const int fd = ApneForLesing(sti, r, st);
  if (fd < 0) return r;
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

bool ErstattFil(const std::string& sti, std::string_view bytes, std::string& feil, const std::string* gammelSom,
                bool* lenket, const FilStempel* forventet, bool* endretUnderveis) {
  if (lenket) *lenket = false;
  if (endretUnderveis) *endretUnderveis = false;
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
  // Nor may it replace a file this user cannot write (another user's file in
  // a shared folder): the file would change owner and rights.
  if (int e = 0; finnes && !KanSkrive(mal, e) && e != EROFS) {
    feil = "du har ikke skrivetilgang til filen";
    return false;
  }
  const std::string mappe = Mappe(mal);
  const std::size_t p = mal.rfind('/');
  const std::string navn = p == std::string::npos ? mal : mal.substr(p + 1);
  std::string mal2;
  int fd = -1;
  for (int forsok = 0; fd < 0; ++forsok) {
    mal2 = mappe + "/." + navn + ".XXXXXX";
    fd = ::mkstemp(mal2.data());
    if (fd < 0) {
      feil = Grunn(errno);
      return false;
    }
    // Locked for as long as this save runs, so that another save's clean-up
    // leaves it alone; one removed before the lock was taken is made again.
    struct stat ny {};
    if (::flock(fd, LOCK_EX) == 0 && ::fstat(fd, &ny) == 0 && ny.st_nlink > 0) break;
    ::close(fd);
    fd = -1;
    if (forsok == 10) {
      feil = Grunn(EBUSY);
      return false;
    }
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
  // Another program that replaced the file while this one was written (by a
  // rename of its own) must not lose its content to this rename: the caller
  // reads the file again and applies its edits to that.
  if (forventet) {
    struct stat na {};
    const FilStempel fant = ::stat(mal.c_str(), &na) == 0 ? FraStat(na) : FilStempel{};
    if (!(fant == *forventet)) {
      if (endretUnderveis) *endretUnderveis = true;
      ::close(fd);
      ::unlink(tmp.c_str());
      feil = "et annet program byttet ut filen under lagringen";
      return false;
    }
  }
  // The old file keeps its content under the second name after the rename;
  // another file system, or one without links, leaves the copy to the caller.
  const bool lenke = gammelSom && finnes && ::link(mal.c_str(), gammelSom->c_str()) == 0;
  // Renamed while still open and locked: closing first would let another
  // save's clean-up take the file for one left behind.
  if (::rename(tmp.c_str(), mal.c_str()) != 0) {
    const int e = errno;
    if (lenke) ::unlink(gammelSom->c_str());
    return avbryt(e);
  }
  if (lenket) *lenket = lenke;
  ::close(fd);  // the content is on disk already (fsync above)
  // Make the rename itself durable.
  const int dfd = ::open(mappe.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dfd >= 0) {
    ::fsync(dfd);
    ::close(dfd);
  }
  RyddMidlertidige(mappe, navn);
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
