// The file primitives under the store: whole-file reads with their status and
// stamp, atomic replacement, folder creation and copying without overwriting.
#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/fil.h"
#include "store_felles.h"

namespace brul::platform {
namespace {

using test::StoreKladd;

TEST(Fil, LesHeleFilSkillerManglerFraFeil) {
  StoreKladd k;
  const auto rot = k.rot();
  StoreKladd::Skriv(rot / "fil", std::string("a\0b\r\n", 5));
  std::filesystem::create_directory(rot / "mappe");
  struct Rad {
    std::string sti;
    LeseStatus status;
    std::string bytes;
  } rader[] = {
      {(rot / "fil").string(), LeseStatus::Ok, std::string("a\0b\r\n", 5)},
      {(rot / "mangler").string(), LeseStatus::Mangler, ""},
      {(rot / "mangler" / "fil").string(), LeseStatus::Mangler, ""},
      {(rot / "fil" / "under").string(), LeseStatus::Mangler, ""},  // a file where a folder should be
      {(rot / "mappe").string(), LeseStatus::Feil, ""},
  };
  for (const auto& r : rader) {
    const FilLesing l = LesHeleFil(r.sti);
    EXPECT_EQ(l.status, r.status) << r.sti;
    EXPECT_EQ(l.bytes, r.bytes) << r.sti;
    EXPECT_EQ(l.stempel.finnes, r.status == LeseStatus::Ok) << r.sti;
    EXPECT_EQ(l.feil.empty(), r.status != LeseStatus::Feil) << r.sti;
  }
}

TEST(Fil, StempelFolgerInnholdOgIdentitet) {
  StoreKladd k;
  const std::string sti = (k.rot() / "fil").string();
  EXPECT_FALSE(Stempel(sti).finnes);
  StoreKladd::Skriv(sti, "abc");
  const FilStempel a = Stempel(sti);
  EXPECT_TRUE(a.finnes);
  EXPECT_EQ(a.storrelse, 3u);
  EXPECT_EQ(LesHeleFil(sti).stempel, a);
  std::string feil;
  ASSERT_TRUE(ErstattFil(sti, "abc", feil));
  const FilStempel b = Stempel(sti);
  EXPECT_NE(a.inode, b.inode);  // a new file took the place of the old one
  EXPECT_FALSE(a == b);
}

TEST(Fil, ErstattFilErstatterHeleFilen) {
  StoreKladd k;
  const auto rot = k.rot();
  StoreKladd::Skriv(rot / "fil", std::string(1000, 'x'));
  std::filesystem::create_directory(rot / "mappe");
  struct Rad {
    std::string sti, bytes;
    bool ok;
    std::string feil;
  } rader[] = {
      {(rot / "fil").string(), "kort", true, ""},
      {(rot / "ny").string(), "", true, ""},
      {(rot / "mangler" / "fil").string(), "x", false, "mappen finnes ikke"},
      {(rot / "mappe").string(), "x", false, "det finnes en mappe med dette navnet"},
      {(rot / "fil" / "under").string(), "x", false, "en del av stien er ikke en mappe"},
  };
  for (const auto& r : rader) {
    std::string feil;
    EXPECT_EQ(ErstattFil(r.sti, r.bytes, feil), r.ok) << r.sti;
    EXPECT_EQ(feil, r.feil) << r.sti;
    if (r.ok) {
      EXPECT_EQ(StoreKladd::Les(r.sti), r.bytes);
    }
  }
  // Nothing but the files themselves is left in the folder.
  std::size_t antall = 0;
  for (const auto& e : std::filesystem::directory_iterator(rot)) antall += e.path().filename() != "Brul";
  EXPECT_EQ(antall, 3u);  // fil, ny, mappe
}

#ifndef _WIN32
// A save stopped midway leaves its temporary file; the next save of the same
// file removes those of its own naming that no running save holds.
TEST(Fil, ErstattFilFjernerForlatteMidlertidigeFiler) {
  StoreKladd k;
  const auto mappe = k.rot() / "Brul";
  const std::string ini = (mappe / "Brul.ini").string();
  StoreKladd::Skriv(ini, "[S]\r\n");
  struct Rad {
    const char* navn;
    bool fjernes;
  } rader[] = {
      {".Brul.ini.a1B2c3", true},
      {".Brul.ini.XXXXXX", true},
      {".Brul.ini.holdt1", false},  // a running save holds it (below)
      {".Brul.ini.abc12", false},   // not mkstemp's six characters
      {".Brul.ini.abc1234", false},
      {".Brul.ini.ab-123", false},
      {".Andre.ini.abc123", false},  // another file's
      {"Brul.ini.abc123", false},
  };
  for (const auto& r : rader) StoreKladd::Skriv(mappe / r.navn, "rest");
  std::filesystem::create_directory(mappe / ".Brul.ini.mappe1");  // not a file
  const int holdt = ::open((mappe / ".Brul.ini.holdt1").c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_GE(holdt, 0);
  ASSERT_EQ(::flock(holdt, LOCK_EX), 0);
  std::string feil;
  ASSERT_TRUE(ErstattFil(ini, "ny", feil)) << feil;
  EXPECT_EQ(StoreKladd::Les(ini), "ny");
  for (const auto& r : rader) EXPECT_EQ(std::filesystem::exists(mappe / r.navn), !r.fjernes) << r.navn;
  EXPECT_TRUE(std::filesystem::is_directory(mappe / ".Brul.ini.mappe1"));
  // Once its save is gone, the next save takes it away too.
  ::close(holdt);
  ASSERT_TRUE(ErstattFil(ini, "ny igjen", feil)) << feil;
  EXPECT_FALSE(std::filesystem::exists(mappe / ".Brul.ini.holdt1"));
}
#endif

#ifdef _WIN32
// On Windows the clean-up takes only this program's own names, and only old
// ones: a user's file of a similar name stays.
TEST(Fil, ErstattFilFjernerBareEgneGamleMidlertidigeFiler) {
  StoreKladd k;
  const auto mappe = k.rot() / "Brul";
  const std::string ini = (mappe / "Brul.ini").string();
  StoreKladd::Skriv(ini, "[S]\r\n");
  struct Rad {
    const char* navn;
    bool gammel, fjernes;
  } rader[] = {
      {".Brul.ini.a1B2c3", true, true},
      {".Brul.ini.b2C3d4", false, false},  // young: a save may still be writing it
      {"bruABCD.tmp", true, false},        // someone else's
      {"bru1.tmp", true, false},
      {".Andre.ini.abc123", true, false},
  };
  for (const auto& r : rader) {
    StoreKladd::Skriv(mappe / r.navn, "rest");
    if (r.gammel)
      std::filesystem::last_write_time(mappe / r.navn,
                                       std::filesystem::file_time_type::clock::now() - std::chrono::minutes(20));
  }
  std::string feil;
  ASSERT_TRUE(ErstattFil(ini, "ny", feil)) << feil;
  for (const auto& r : rader) EXPECT_EQ(std::filesystem::exists(mappe / r.navn), !r.fjernes) << r.navn;
  // Held by another program without delete sharing: that is the reason
  // given, not a read-only file; and a path past the old 260-character
  // limit is written like any other.
  HANDLE h = CreateFileW(std::filesystem::path(ini).wstring().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(ErstattFil(ini, "igjen", feil));
  EXPECT_EQ(feil, "filen er i bruk av et annet program");
  CloseHandle(h);
  std::filesystem::path lang = mappe;
  while (lang.native().size() < 300) lang /= std::string(40, 'd');
  std::error_code ec;
  std::filesystem::create_directories(L"\\\\?\\" + lang.native(), ec);
  if (!ec) {
    EXPECT_TRUE(ErstattFil((lang / "Brul.ini").string(), "lang", feil)) << feil;
    EXPECT_TRUE(FinnesFil((lang / "Brul.ini").string()));
  }
}
#endif

TEST(Fil, SkrivebeskyttetFilErstattesIkke) {
  namespace fs = std::filesystem;
  StoreKladd k;
  const auto rot = k.rot();
  constexpr fs::perms les = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
  constexpr fs::perms skriv = les | fs::perms::owner_write;
  struct Rad {
    const char* navn;
    fs::perms filModus;         // fs::perms::unknown: no file
    fs::perms mappeModus;       // of the folder the file lies in
    std::optional<std::string> grunn;
    bool annenBruker = false;   // a user without write access (root plays nobody)
  } rader[] = {
      {"vanlig", skriv, fs::perms::all, std::nullopt},
      {"444", les, fs::perms::all, "filen er skrivebeskyttet"},
      {"bare_eier_les", fs::perms::owner_read, fs::perms::all, "filen er skrivebeskyttet"},
      {"mangler", fs::perms::unknown, fs::perms::all, std::nullopt},
      // The owner's write bit on the folder alone: this user (root, too)
      // may still write, so only the file's own bits can refuse.
      {"mappe_555_fil_skrivbar", skriv, fs::perms::owner_read | fs::perms::owner_exec, std::nullopt},
#ifndef _WIN32
      // Write bits for others only: a rename in the shared folder would still
      // replace the file, and hand it to this user.
      {"eier_uten_skriverett", fs::perms::owner_read | fs::perms::group_write, fs::perms::all,
       "du har ikke skrivetilgang til filen", true},
#endif
  };
  for (const auto& r : rader) {
    SCOPED_TRACE(r.navn);
    const fs::path mappe = rot / r.navn;
    fs::create_directory(mappe);
    const std::string sti = (mappe / "Brul.ini").string();
    if (r.filModus != fs::perms::unknown) {
      StoreKladd::Skriv(sti, "[S]\r\n");
      fs::permissions(sti, r.filModus);
    }
    fs::permissions(mappe, r.mappeModus);
#ifdef _WIN32
    const bool rootKanAlt = true;  // a folder's read-only attribute does not stop writing in it
#else
    const bool rootKanAlt = ::geteuid() == 0;
    const bool somNobody = rootKanAlt && r.annenBruker;
    if (somNobody) {
      ASSERT_EQ(::chown(sti.c_str(), 65534, 65534), 0);
      ASSERT_EQ(::seteuid(65534), 0);
    }
#endif
    const auto grunn = SkrivebeskyttetGrunn(sti);
    if (r.mappeModus != fs::perms::all && !rootKanAlt) {
      EXPECT_EQ(grunn, "du har ikke skrivetilgang til mappen filen ligger i");
    } else {
      EXPECT_EQ(grunn, r.grunn);
    }
    if (r.grunn) {
      std::string feil;
      EXPECT_FALSE(ErstattFil(sti, "ny", feil));
      EXPECT_EQ(feil, *r.grunn);
      EXPECT_EQ(StoreKladd::Les(sti), "[S]\r\n") << "left as it was";
#ifdef _WIN32
      // Windows keeps one read-only attribute, not permission bits.
      EXPECT_EQ(fs::status(sti).permissions() & fs::perms::owner_write, fs::perms::none);
#else
      EXPECT_EQ(fs::status(sti).permissions(), r.filModus);
#endif
    }
#ifndef _WIN32
    if (somNobody) {
      ASSERT_EQ(::seteuid(0), 0);
    }
#endif
    fs::permissions(mappe, fs::perms::all);
  }
  // A link is judged by the file it names (a symbolic link needs a
  // privilege on Windows that a test cannot count on).
#ifndef _WIN32
  fs::create_symlink(rot / "444" / "Brul.ini", rot / "Lenke.ini");
  EXPECT_EQ(SkrivebeskyttetGrunn((rot / "Lenke.ini").string()), "filen er skrivebeskyttet");
#endif
  EXPECT_EQ(SkrivebeskyttetGrunn(""), std::nullopt);
  for (const char* n : {"444", "bare_eier_les"}) fs::permissions(rot / n / "Brul.ini", skriv);
}

TEST(Fil, MapperOgKopiering) {
  StoreKladd k;
  const auto rot = k.rot();
  std::string feil;
  EXPECT_TRUE(LagMappe((rot / "a").string(), feil));
  EXPECT_TRUE(FinnesMappe((rot / "a").string()));
  EXPECT_FALSE(FinnesFil((rot / "a").string()));
  EXPECT_FALSE(LagMappe((rot / "a").string(), feil));
  EXPECT_EQ(feil, "filen finnes allerede");
  EXPECT_FALSE(LagMappe((rot / "b" / "c").string(), feil));  // one level only
  EXPECT_EQ(feil, "mappen finnes ikke");

  StoreKladd::Skriv(rot / "kilde", "innhold");
  StoreKladd::Skriv(rot / "finnes", "gammelt");
  EXPECT_TRUE(FinnesFil((rot / "kilde").string()));
  EXPECT_TRUE(KopierFil((rot / "kilde").string(), (rot / "kopi").string(), feil));
  EXPECT_EQ(StoreKladd::Les(rot / "kopi"), "innhold");
  EXPECT_FALSE(KopierFil((rot / "kilde").string(), (rot / "finnes").string(), feil));
  EXPECT_EQ(StoreKladd::Les(rot / "finnes"), "gammelt");  // never overwritten
  EXPECT_FALSE(KopierFil((rot / "borte").string(), (rot / "kopi2").string(), feil));
  EXPECT_EQ(feil, "filen finnes ikke");
  EXPECT_FALSE(std::filesystem::exists(rot / "kopi2"));
}

}  // namespace
}  // namespace brul::platform
