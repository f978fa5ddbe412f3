// A file as people and other programs leave it: reading every key changes
// nothing, and writing one key changes exactly the bytes of its line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/ini_document.h"

namespace brul {
namespace {

struct Del {
  std::string linje;    // raw bytes of the line
  std::string seksjon;  // for an addressable key: its section
  std::string nokkel;   // the key as a caller names it (other case)
  std::string lagret;   // the key as stored
  std::string verdi;    // what it reads as (UTF-8)
};

Del L(std::string linje) { return {std::move(linje), "", "", "", ""}; }
Del K(std::string linje, std::string s, std::string k, std::string lagret, std::string v) {
  return {std::move(linje), std::move(s), std::move(k), std::move(lagret), std::move(v)};
}

std::vector<Del> Fiksstur() {
  return {
      L("; Brul.ini - laget for hand"),
      L("Versjon=3"),  // before the first header: never addressable
      L(""),
      L("[Program]"),
      K("Maskiner = 3", "PROGRAM", "maskiner", "Maskiner", "3"),
      K("  Ext=\t.nc  ", "program", "EXT", "Ext", ".nc"),
      L(";Gammel=1"),
      K("Sti=\"C:\\Brul\\Data\"", "Program", "sti", "Sti", "C:\\Brul\\Data"),
      L("UtenVerdi"),
      L(""),
      L("[ Maskin1 ] gammel merknad"),
      K("Navn=Fres \x81\x8D\x8F\x90\x9D", "maskin1", "NAVN", "Navn", "Fres \xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"),
      K("StartKode=[DC2]%", "Maskin1", "startkode", "StartKode", "[DC2]%"),
      L("startkode=[CR]"),  // duplicate: the first wins
      K("Kommentar = v ;x", "Maskin1", "Kommentar", "Kommentar", "v ;x"),
      K("Tom=", "Maskin1", "tom", "Tom", ""),
      K("\xC6\x62le=\xF8l", "Maskin1", "æble", "\xC6\x62le", "øl"),
      L("   "),
      L("[COM1]"),
      K("Baud=9600", "com1", "baud", "Baud", "9600"),
      L("[maskin1]"),  // duplicate section: never addressed
      L("Navn=Dreiebenk"),
  };
}

std::string Bygg(const std::vector<Del>& deler, const std::string& bom, const std::string& eol, bool sisteSkift) {
  std::string ut = bom;
  for (std::size_t i = 0; i < deler.size(); ++i) {
    ut += deler[i].linje;
    if (i + 1 < deler.size() || sisteSkift) ut += eol;
  }
  return ut;
}

struct Variant {
  const char* navn;
  std::string bom, eol;
  bool sisteSkift;
};

class Bevaring : public ::testing::TestWithParam<Variant> {};

TEST_P(Bevaring, LesingOgSkrivingRorBareEnLinje) {
  const Variant& v = GetParam();
  const std::vector<Del> deler = Fiksstur();
  const std::string fil = Bygg(deler, v.bom, v.eol, v.sisteSkift);
  const IniDocument les = IniDocument::fraBytes(fil);
  for (const Del& d : deler) {
    if (d.seksjon.empty()) continue;
    // The fixture is written in Windows-1252; reading it gives UTF-8.
    EXPECT_EQ(les.les(d.seksjon, d.nokkel), d.verdi) << d.linje;
  }
  EXPECT_FALSE(les.les("Maskin1", "Versjon").has_value());
  EXPECT_EQ(les.tilBytes(), fil);

  for (std::size_t i = 0; i < deler.size(); ++i) {
    if (deler[i].seksjon.empty()) continue;
    IniDocument d = IniDocument::fraBytes(fil);
    ASSERT_EQ(d.skriv(deler[i].seksjon, deler[i].nokkel, "NY"), IniDocument::Utfall::Endret);
    std::vector<Del> ventet = deler;
    ventet[i].linje = deler[i].lagret + "=NY";
    // A changed file always ends with a line break.
    EXPECT_EQ(d.tilBytes(), Bygg(ventet, v.bom, v.eol, true)) << deler[i].linje;
  }
}

INSTANTIATE_TEST_SUITE_P(Filer, Bevaring,
                         ::testing::Values(Variant{"crlf", "", "\r\n", true}, Variant{"lf", "", "\n", true},
                                           Variant{"cr", "", "\r", true},
                                           Variant{"uten_siste_skift", "", "\r\n", false}),
                         [](const auto& info) { return std::string(info.param.navn); });

TEST(Bevaring, Utf8MedBomRorBareEnLinje) {
  const std::string fil =
      "\xEF\xBB\xBF; kommentar\r\n[Maskin1]\r\nNavn = S\xC3\xB8rli \r\nX=\xE2\x82\xAC\r\n\r\n[COM1]\r\nBaud=1\r\n";
  IniDocument d = IniDocument::fraBytes(fil);
  EXPECT_EQ(d.les("MASKIN1", "navn"), "S\xC3\xB8rli");
  EXPECT_EQ(d.les("maskin1", "x"), "\xE2\x82\xAC");
  ASSERT_EQ(d.skriv("Maskin1", "X", "\xE2\x84\x96"), IniDocument::Utfall::Endret);
  EXPECT_EQ(d.tilBytes(),
            "\xEF\xBB\xBF; kommentar\r\n[Maskin1]\r\nNavn = S\xC3\xB8rli \r\nX=\xE2\x84\x96\r\n\r\n[COM1]\r\nBaud=1\r\n");
}

}  // namespace
}  // namespace brul
