// A machine's section name and folder.
#include <gtest/gtest.h>

#include <string>

#include "app/maskin.h"
#include "app/tilstand.h"
#include "oppstart_felles.h"
#include "platform/sti.h"

namespace brul {
namespace {

using test::oppstart::BevarTilstand;
using test::oppstart::Kladd;

TEST(MaskinSeksjon, NummeretSomAttebitsTall) {
  struct Tilfelle {
    int nummer;
    const char* seksjon;
  } tilfeller[] = {{1, "Maskin1"}, {12, "Maskin12"}, {255, "Maskin255"}, {256, "Maskin0"},
                   {259, "Maskin3"}};
  for (const auto& t : tilfeller) {
    SCOPED_TRACE(t.nummer);
    EXPECT_EQ(MaskinSeksjon(t.nummer), t.seksjon);
  }
}

TEST(MaskinKatalog, KatalogSaaEgenMappeSaaDatamappen) {
#ifdef _WIN32
  GTEST_SKIP() << "the rows are local paths of other systems (slashes, drive map); Windows keeps stored paths as they are";
#endif
  BevarTilstand bevar;
  Kladd kladd;
  kladd.fil("c/Brul/Brul.ini",
            "[Maskin1]\r\nKatalog=c:\\cnc\\m1\r\n"
            "[Maskin2]\r\nNavn=Uten katalog\r\n"
            "[Maskin4]\r\nKatalog=\r\n"
            "[Maskin5]\r\nKatalog=C:\\Brul\\Maskin5\\\r\n");
  kladd.mappe("c/Data/Maskin2");
  kladd.mappe("c/Data/maskin4");
  kladd.fil("c/Data/Maskin6", "en fil, ikke en mappe");
  platform::SettStasjoner({{'C', kladd.sti("c")}});
  IniFil = "C:\\Brul\\Brul.ini";

  struct Tilfelle {
    int nummer;
    std::string data;
    std::string katalog;
  } tilfeller[] = {
      {1, "C:\\Data\\", "C:\\CNC\\M1"},
      {2, "C:\\Data\\", "C:\\Data\\Maskin2\\"},
      {3, "C:\\Data\\", "C:\\Data\\"},
      {4, "C:\\Data\\", "C:\\Data\\Maskin4\\"},
      {5, "C:\\Data\\", "C:\\BRUL\\MASKIN5\\"},
      {6, "C:\\Data\\", "C:\\Data\\"},
      {258, "C:\\Data\\", "C:\\Data\\Maskin2\\"},
      {2, kladd.sti("c/Data/"), kladd.sti("c/Data/") + "Maskin2/"},
      {3, "", ""},
  };
  for (const auto& t : tilfeller) {
    SCOPED_TRACE(std::to_string(t.nummer) + " " + t.data);
    DataKatalog = t.data;
    EXPECT_EQ(MaskinKatalog(t.nummer), t.katalog);
  }
}

}  // namespace
}  // namespace brul
