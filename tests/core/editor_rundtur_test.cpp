// Loading a page and saving it without edits must leave the settings file as
// it was, byte for byte, for every page of every demo machine. The demo file
// is one this editor has saved, so it already holds the keys a save always
// writes (those whose write default no real value has).
#include <set>
#include <sstream>

#include "editor_felles.h"
#include "platform/tekst.h"

namespace brul::test {
namespace {

std::vector<std::string> linjer(const std::string& s) {
  std::vector<std::string> v;
  std::istringstream inn(s);
  for (std::string l; std::getline(inn, l);) v.push_back(l);
  return v;
}

// The lines of `etter` that are not in `for` (in order), or a description of
// the first line of `for` that went missing.
std::vector<std::string> tillagt(const std::string& for_, const std::string& etter, std::string& tapt) {
  const auto a = linjer(for_), b = linjer(etter);
  std::vector<std::string> nye;
  size_t i = 0;
  for (const auto& l : b) {
    if (i < a.size() && l == a[i]) ++i;
    else nye.push_back(l);
  }
  if (i < a.size()) tapt = a[i];
  return nye;
}

TEST(EditorRundtur, LagringUtenEndringerLarDemoFilenVaereUrort) {
  const std::string demo = EditorFilKladd::Les(DemoIni());
  ASSERT_FALSE(demo.empty());
  EditorKladd k(demo);
  Editor& e = k.start();
  const int antall = static_cast<int>(e.MaskinBoks.items().size());
  ASSERT_GE(antall, 5);
  int sider = 0;
  for (int m = 0; m < antall; ++m) {
    if (e.MaskinBoks.itemIndex() != m) e.MaskinBoks.operatorPick(m);
    for (const SideOppsett& s : Sider()) {
      if (!e.side(s.id).shown()) continue;
      ASSERT_TRUE(e.byttSide(s.id)) << s.tekst;
      const std::string for_ = k.les();
      e.FirmaChange();  // as if something was typed and typed back
      ASSERT_TRUE(e.OKBtnClick());
      const std::string etter = k.les();
      std::string tapt;
      for (const auto& l : tillagt(for_, etter, tapt))
        ADD_FAILURE() << "maskin " << m + 1 << ", " << s.tekst << ": ny linje " << l;
      EXPECT_EQ(tapt, "") << "maskin " << m + 1 << ", " << s.tekst;
      e.FirmaChange();
      ASSERT_TRUE(e.OKBtnClick());
      EXPECT_TRUE(k.les() == etter) << "maskin " << m + 1 << ", siden " << s.tekst << " er ikke stabil";
      ++sider;
    }
    e.byttSide(SideId::Maskin);
  }
  EXPECT_GT(sider, 30);
  EXPECT_TRUE(k.op.meldinger().empty());
}

// Saving one page writes only that page's keys: every other key of the file
// stays as it was, whatever the other pages' controls hold.
TEST(EditorRundtur, EnSideLagrerBareSineEgneNokler) {
  struct Tilfelle {
    SideId side;
    std::string kontroll, verdi;
    std::string seksjon, nokkel, forventet;
    size_t nyeLinjer;  // the key itself, and the always-present keys the page writes first
  };
  const std::vector<Tilfelle> tilfeller{
      {SideId::Filer, "IngenFil", "O9999", "Maskin1", "IngenFil", "O9999", 1},
      {SideId::Com, "StoppTid", "7", "Com2", "StoppTid", "7", 1},
      // Protokoll=Standard and StartKode=% are always present after this page is saved.
      {SideId::Protokoll, "StoppKode", "M30", "Maskin1", "StoppKode", "M30", 3},
      {SideId::Logging, "Makro", "X", "Maskin1", "Makro", "X", 1},
      {SideId::Program, "SideLengde", "70", "Program", "SideLengde", "70", 1},
  };
  for (const auto& t : tilfeller) {
    EditorKladd k(ToMaskiner());
    Editor& e = k.start();
    ASSERT_TRUE(e.byttSide(t.side));
    const std::string for_ = k.les();
    // Edits on the other pages' controls without their page being saved.
    e.MaskinNavn.setText("Annet navn");
    e.Hent.setText("M99");
    static_cast<Edit*>(e.find(t.kontroll))->setText(t.verdi);
    ASSERT_TRUE(e.OKBtnClick());
    EXPECT_EQ(k.fil(t.seksjon, t.nokkel), t.forventet);
    EXPECT_EQ(k.fil("Maskin1", "Navn"), "Fres") << t.kontroll;
    EXPECT_EQ(k.fil("Maskin1", "Hent"), "<mangler>") << t.kontroll;
    std::string tapt;
    auto nye = tillagt(for_, k.les(), tapt);
    EXPECT_EQ(tapt, "") << t.kontroll;
    EXPECT_EQ(nye.size(), t.nyeLinjer) << t.kontroll;
  }
}

}  // namespace
}  // namespace brul::test
