// Every controller and variant of the catalogue through a save: the protocol
// each one stores and the fetch programs each one writes.
#include <filesystem>
#include <set>

#include "preset_felles.h"
#include "presets/katalog.h"

namespace brul::test {
namespace {

struct Forventet {
  std::string protokoll;
  std::set<std::string> filer;
};

// By controller and variant, with the default line settings (software
// handshake for the Fanuc entries).
Forventet For(int s, int v) {
  const std::set<std::string> fanuc{"5000.NC", "5002.NC", "5003.NC", "9020.NC"};
  const std::set<std::string> tre{"5000.NC", "5002.NC", "5003.NC"};
  const std::set<std::string> to{"5000.NC", "5002.NC"};
  const std::set<std::string> en{"5000.NC"};
  switch (s) {
    case 0: return {"BTR", {}};
    case 1: return v == 0 ? Forventet{"Standard", {}} : Forventet{"DC2", en};
    case 2: return {"Standard", {}};
    case 3:
    case 4: return {v == 4 ? "Fapt" : "BTR", fanuc};
    case 5: return {v == 4 ? "Fapt" : "Standard", fanuc};
    case 6: return {v == 0 ? "ForInst" : "ForInstTerm", {}};
    case 7: return {"Standard", to};
    case 8: return {"BTR", en};
    case 9:
    case 10: return {v == 0 ? "Heidenhain" : "Linje", en};
    case 11: return {"Terminal", {}};
    case 12: return {"Hybrid", {}};
    case 13: return {"LSV2", {}};
    case 14:
    case 15: return {"Mazatrol", v <= 1 ? to : std::set<std::string>{}};
    case 16: return {"Buffer", to};
    case 17:
    case 18: return {"Okuma", {"H.NC", "D.NC"}};
    case 19: return {"Parallell", {}};
    case 20: return v <= 2 ? Forventet{"Standard", tre} : Forventet{"Echo", {}};
    case 21: return {"Siemens", tre};
    case 22: return {"Standard", tre};
    case 23: return {"Linje", tre};
    case 24: return {"Standard", {}};
    case 25: return {"Standard", {}};
    default: return {};
  }
}

TEST(AllePresets, EveryPairSavesItsProtocolAndFetchPrograms) {
  int par = 0;
  for (int s = 0; s < static_cast<int>(StyringsTekster().size()); ++s) {
    const auto& alternativer = Alternativer(s);
    for (int v = 0; v < static_cast<int>(alternativer.size()); ++v, ++par) {
      SCOPED_TRACE(StyringsTekster()[static_cast<size_t>(s)] + " / " +
                   alternativer[static_cast<size_t>(v)]);
      PresetMiljo m;
      m.op.svar("Siemens", "Ja");
      m.op.svar("Terminal", "Com3");
      m.velg(s, v);
      m.e->OpprettHenteprogram.setChecked(true);
      ASSERT_TRUE(m.lagre());
      const Forventet f = For(s, v);
      EXPECT_EQ(m.maskin("Styring"), StyringsTekster()[static_cast<size_t>(s)]);
      EXPECT_EQ(m.maskin("Alternativ"), alternativer[static_cast<size_t>(v)]);
      EXPECT_EQ(m.maskin("Protokoll"), f.protokoll);
      std::set<std::string> filer;
      for (const auto& d : std::filesystem::directory_iterator(m.mappe()))
        filer.insert(d.path().filename().string());
      EXPECT_EQ(filer, f.filer);
      EXPECT_TRUE(m.op.meldinger().empty());
      EXPECT_FALSE(m.e->NyttForvalg);
      EXPECT_FALSE(m.e->DefaultBaud.checked());
      EXPECT_TRUE(m.e->Baud.enabled());
    }
  }
  EXPECT_EQ(par, 79);
}

}  // namespace
}  // namespace brul::test
