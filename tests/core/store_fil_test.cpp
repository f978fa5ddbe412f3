// The file primitives under the store: whole-file reads with their status and
// stamp, atomic replacement, folder creation and copying without overwriting.
#include <gtest/gtest.h>

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
