// The check of the installation, the preview of a save and the history of the
// settings file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <set>

#include "app/lagring.h"
#include "editor/filindeks.h"
#include "editor/kontroll.h"
#include "editor/lagringsvisning.h"
#include "editor_felles.h"
#include "platform/fil.h"
#include "platform/tekst.h"
#include "presets/katalog.h"
#include "store/forhandsvisning.h"
#include "store/historikk.h"

namespace brul::test {
namespace {

namespace fs = std::filesystem;

// A small installation the check finds nothing wrong with.
std::string Ren(const std::string& maskin = "", const std::string& com = "", const std::string& program = "") {
  return "[Program]\r\nMaskiner=1\r\n" + program + "\r\n[Maskin1]\r\nNavn=Dreiebenk\r\nKatalog=C:\\Brul\\M1\\\r\n" +
         "Port=Com1\r\nProtokoll=Standard\r\n" + maskin + "\r\n[Com1]\r\nBaud=9600\r\n" + com;
}

struct FunnRad {
  const char* navn;
  std::string ini;
  Alvor alvor;
  std::string hvor, nokkel, tekst;  // tekst: a part of the finding's text
  SideId side = SideId::Maskin;     // checked when `kontroll` is given
  std::string kontroll = "";
};

TEST(Kontroll, EttFunnPerSlagsFeil) {
  const std::string ren = Ren();
  const std::vector<FunnRad> tabell{
      {"DobbelSeksjon", ren + "\r\n[maskin1]\r\nNavn=B\r\n", Alvor::Feil, "maskin1", "", "bare den første (linje 4)"},
      {"DobbelNokkel", Ren("Navn=Fres\r\n"), Alvor::Feil, "Maskin1", "Navn", "bare den første (linje 5, \"Dreiebenk\")"},
      {"LinjeUtenMening", Ren("bare tekst\r\n"), Alvor::Advarsel, "Maskin1", "", "verken seksjon, nøkkel"},
      {"NokkelForSeksjon", "Navn=x\r\n" + ren, Alvor::Advarsel, "Fil", "Navn", "før første seksjon"},
      {"Kontrollkode", Ren("StartKode=[DC2][CRX]\r\n"), Alvor::Feil, "Maskin1", "StartKode", "\"[CRX]\" er ingen",
       SideId::Protokoll, "StartKode"},
      {"KontrollkodeUtenKlamme", Ren("", "EOB=[CR[LF]\r\n"), Alvor::Feil, "Com1", "EOB", "kan ikke tolkes"},
      {"Protokoll", Ren("Protokoll=Standardd\r\n").replace(ren.find("Protokoll=Standard\r\n"), 20, ""),
       Alvor::Feil, "Maskin1", "Protokoll", "står ikke i listen"},
      {"Henteprogram", Ren("HenteProgram=Ingen slik\r\n"), Alvor::Feil, "Maskin1", "HenteProgram", "står ikke i listen"},
      {"Styring", Ren("Styring=Fanuk\r\n"), Alvor::Advarsel, "Maskin1", "Styring", "står ikke i listen"},
      {"Alternativ", Ren("Styring=Fanuc\r\nAlternativ=Med pynt\r\n"), Alvor::Advarsel, "Maskin1", "Alternativ",
       "står ikke i listen"},
      {"Baud", Ren("", "").replace(ren.find("Baud=9600"), 9, "Baud=9601"), Alvor::Feil, "Com1", "Baud",
       "står ikke i listen"},
      {"Paritet", Ren("", "Paritet=X\r\n"), Alvor::Feil, "Com1", "Paritet", "Even, None eller Odd"},
      {"StoppBit", Ren("", "StoppBit=3\r\n"), Alvor::Feil, "Com1", "StoppBit", "står ikke i listen"},
      {"Boolsk", Ren("StoreBokstaver=Ja\r\n"), Alvor::Advarsel, "Maskin1", "StoreBokstaver", "leser den som False"},
      {"PortUtenforListen", Ren().replace(ren.find("Port=Com1"), 9, "Port=Com27"), Alvor::Feil, "Maskin1", "Port",
       "Com1 til Com26", SideId::Maskin, "Com"},
      {"PortUtenSeksjon", Ren().replace(ren.find("Port=Com1"), 9, "Port=Com2"), Alvor::Advarsel, "Maskin1", "Port",
       "ingen seksjon [Com2]"},
      {"DeltPort", Ren("", "", "").replace(ren.find("Maskiner=1"), 10, "Maskiner=2") +
                       "\r\n[Maskin2]\r\nNavn=Fres\r\nKatalog=C:\\Brul\\M2\\\r\nPort=Com1\r\n",
       Alvor::Info, "Com1", "Port", "Maskin1 (Dreiebenk) og Maskin2 (Fres)"},
      {"KatalogMangler", Ren().replace(ren.find("C:\\Brul\\M1\\"), 11, "C:\\Brul\\M9\\"), Alvor::Feil, "Maskin1",
       "Katalog", "finnes ikke", SideId::Maskin, "Katalog"},
      {"UkjentStasjon", Ren().replace(ren.find("C:\\Brul\\M1\\"), 11, "Q:\\Brul\\M1\\"), Alvor::Feil, "Maskin1",
       "Katalog", "stasjon Q: er ikke satt opp i [Stasjoner] i Brul.conf"},
      {"SammeKatalog", Ren("", "", "").replace(ren.find("Maskiner=1"), 10, "Maskiner=2") +
                           "\r\n[Maskin2]\r\nKatalog=c:\\brul\\m1\r\nPort=Com1\r\n",
       Alvor::Advarsel, "Maskin2", "Katalog", "Maskin2 har samme katalog C:\\BRUL\\M1 som Maskin1"},
      {"Henteprogrammer", Ren("Styring=Haas\r\nExt=.NC\r\n"), Alvor::Advarsel, "Maskin1", "",
       "Henteprogrammene 5000.NC, 5002.NC som forvalget for Haas skriver, mangler", SideId::Maskin,
       "OpprettHenteprogram"},
      {"UsynligMaskin", ren + "\r\n[Maskin7]\r\nNavn=Gammel\r\n", Alvor::Advarsel, "Maskin7", "Maskiner",
       "Maskiner er 1", SideId::Program, "Maskiner"},
      {"Feilstavet", Ren("Protokol=BTR\r\n"), Alvor::Advarsel, "Maskin1", "Protokol", "mente du Protokoll?",
       SideId::Maskin, "Protokoll"},
      {"FeilstavetPortnokkel", Ren("", "Buad=2400\r\n"), Alvor::Advarsel, "Com1", "Buad", "mente du Baud?"},
      {"UkjentNokkel", Ren("Egendefinert=1\r\n"), Alvor::Info, "Maskin1", "Egendefinert", "ukjent for redigeringen"},
      {"UdefinertByte", Ren().replace(ren.find("Navn=Dreiebenk"), 14, "Navn=Dreiebenk\x81"),
       Alvor::Advarsel, "Maskin1", "", "byten 0x81"},
      {"Utf8IWindows1252", Ren().replace(ren.find("Navn=Dreiebenk"), 14, "Navn=Dreiebenk \xC3\x98"),
       Alvor::Advarsel, "Maskin1", "", "viser \"Navn=Dreiebenk \xC3\x83\xCB\x9C\""},
      {"BlandetLinjeslutt", Ren("Ext=.NC\n"), Alvor::Advarsel, "Fil", "", "LF: 1, CR: 0"},
      {"Filindeks", Ren("", "", "Indeks=True\r\n"), Alvor::Advarsel, "C:\\BRUL\\M1", "FilType",
       "mangler [C:\\BRUL\\M1] FilType=*.NC", SideId::Program, "Indeks"},
      {"FilindeksUtenKryss", Ren() + "\r\n[C:\\Brul\\M1]\r\nFilType=*.TXT\r\n", Alvor::Advarsel, "C:\\Brul\\M1",
       "FilType", "Kryss av \"CNC oppdaterer filindeks\""},
      {"FilindeksMedKryss", Ren("", "", "Indeks=True\r\n"), Alvor::Advarsel, "C:\\BRUL\\M1", "FilType",
       "Fjern krysset \"CNC oppdaterer filindeks\" på siden Program og sett det igjen"},
      {"BackupMangler", Ren("BackupFiles=3\r\n"), Alvor::Feil, "Maskin1", "BackupKatalog",
       "C:\\BRUL\\M1\\BACKUP\\ finnes ikke, men BackupFiles er 3", SideId::Filer, "BackupKatalog"},
      {"UbruktPort", ren + "\r\n[Com9]\r\nBaud=9601\r\n", Alvor::Feil, "Com9", "Baud", "står ikke i listen"},
      {"LinjeSitertSomUtf8", Ren("bl\xE5 tekst\r\n"), Alvor::Advarsel, "Maskin1", "", "(\"bl\xC3\xA5 tekst\")"},
      {"LinuxForm", Ren("Katalog2=/srv/cnc/\r\n"), Alvor::Feil, "Maskin1", "Katalog2",
       "/srv/cnc/ er en sti på denne maskinen"},
      {"UkjentStasjonBackup", Ren("BackupKatalog=Q:\\B\\\r\n"), Alvor::Feil, "Maskin1", "BackupKatalog",
       "stasjon Q: er ikke satt opp"},
      {"FilindeksFeilType", Ren("", "", "Indeks=True\r\n") + "\r\n[C:\\Brul\\M1]\r\nFilType=*.TXT\r\n" +
                                "[C:\\Brul\\M1\\Backup]\r\nFilType=*.*\r\n",
       Alvor::Advarsel, "C:\\Brul\\M1", "FilType", "har FilType=*.TXT for [C:\\Brul\\M1], men maskinoppsettet gir *.NC"},
  };
  {
    EditorFilKladd k;
    fs::create_directories(k.rot() / "Brul" / "M1");
    k.skriv(ren);
    std::vector<std::string> linjer;
    for (const Funn& f : Kontroller()) linjer.push_back(FunnLinje(f));
    EXPECT_EQ(linjer, std::vector<std::string>{}) << "a sound file gives no finding";
  }
  for (const FunnRad& r : tabell) {
    SCOPED_TRACE(r.navn);
#ifdef _WIN32
    // Windows has no drive map to lack a drive, nor paths of another form.
    if (std::string(r.navn).find("UkjentStasjon") == 0 || std::string(r.navn) == "LinuxForm") continue;
#endif
    EditorFilKladd k;
    SkriptOperator op;
    MedOperator med(op);
    fs::create_directories(k.rot() / "Brul" / "M1");
    fs::create_directories(k.rot() / "Brul" / "M2");
    k.skriv(r.ini);
    const auto funn = Kontroller();
    std::string alle;
    for (const Funn& f : funn) alle += FunnLinje(f) + "\n";
    const auto it = std::find_if(funn.begin(), funn.end(), [&](const Funn& f) {
      return f.alvor == r.alvor && f.hvor == r.hvor && f.nokkel == r.nokkel &&
             f.tekst.find(r.tekst) != std::string::npos;
    });
    ASSERT_NE(it, funn.end()) << alle;
    if (!r.kontroll.empty()) {
      EXPECT_TRUE(it->harSide);
      EXPECT_EQ(it->side, r.side);
      EXPECT_EQ(it->kontroll, r.kontroll);
    }
    // Reading only: the file as it was, nothing beside it, nobody told.
    EXPECT_EQ(k.les(), r.ini);
    EXPECT_FALSE(fs::exists(k.rot() / "Brul" / "Brul.ini.historikk"));
    EXPECT_EQ(op.logg().size(), 0u);
  }
}

// What a save brought in: faults only, each counted, a moved line number
// not making an old one new.
TEST(Kontroll, NyeFunn) {
  auto f = [](Alvor a, const std::string& tekst) { return Funn{a, "Maskin1", 1, false, SideId::Maskin, "", "", tekst}; };
  const std::vector<Funn> for_{f(Alvor::Feil, "Linje 4 og 9: dobbel"), f(Alvor::Advarsel, "x")};
  const auto nye = NyeFunn(for_, {f(Alvor::Feil, "Linje 5 og 10: dobbel"), f(Alvor::Advarsel, "x"),
                                  f(Alvor::Advarsel, "x"), f(Alvor::Info, "y"), f(Alvor::Feil, "Linje 5 og 10: annen")});
  ASSERT_EQ(nye.size(), 2u);
  EXPECT_EQ(nye[0].tekst, "x");
  EXPECT_EQ(nye[1].tekst, "Linje 5 og 10: annen");
}

// Everything but the settings file and its history under the scratch drive,
// with its bytes ("<mappe>" for a folder), by path relative to the drive.
std::map<std::string, std::string> Tre(const fs::path& rot) {
  std::map<std::string, std::string> t;
  for (const auto& d : fs::recursive_directory_iterator(rot)) {
    const std::string rel = fs::relative(d.path(), rot).generic_string();
    if (rel == "Brul/Brul.ini" || rel.rfind("Brul/Brul.ini.historikk", 0) == 0) continue;
    t[rel] = d.is_directory() ? "<mappe>" : SkrapDisk::Les(d.path());
  }
  return t;
}

std::string Rel(const fs::path& rot, const std::string& sti) {
  return fs::relative(fs::path(platform::LokalSti(sti)), rot).generic_string();
}

struct Handling {
  const char* navn;
  std::function<void(Editor&, SkriptOperator&)> gjor;
};

void Preset(Editor& e, const std::string& styring, int alternativ, bool filer) {
  ASSERT_TRUE(e.byttSide(SideId::Maskin));
  e.Styring.operatorPick(FinnIndeks(styring, StyringsTekster()));
  if (e.Alternativ.itemIndex() != alternativ) e.Alternativ.operatorPick(alternativ);
  e.OpprettKataloger.setChecked(filer);
  e.OpprettHenteprogram.setChecked(filer);
  e.OKBtnClick();
}

// The preview lists exactly what the real save then changes: the keys (the
// difference of the file before and after), the folders and the files.
TEST(Forhandsvisning, ErLikDetLagringenGjor) {
  const std::string demo = SkrapDisk::Les(DemoIni());
  const std::vector<Handling> tabell{
      {"Baud", [](Editor& e, SkriptOperator&) {
         e.Baud.operatorPick(FinnIndeks("19200", e.Baud.items()));
         e.OKBtnClick();
       }},
      {"NavnOgKatalog", [](Editor& e, SkriptOperator&) {
         e.MaskinNavn.setText("Ny dreiebenk");
         e.Katalog.setText("C:\\Brul\\Ny\\M1\\");
         e.OpprettKataloger.setChecked(true);
         e.OKBtnClick();
       }},
      {"ComSide", [](Editor& e, SkriptOperator&) {
         ASSERT_TRUE(e.byttSide(SideId::Com));
         e.Paritet.setItemIndex(0);
         e.TimeOut.setText("");
         e.OKBtnClick();
       }},
      {"FanucMedFiler", [](Editor& e, SkriptOperator&) { Preset(e, "Fanuc", 1, true); }},
      {"FanucFilerErstattes", [](Editor& e, SkriptOperator&) {
         Preset(e, "Fanuc", 1, true);
         Preset(e, "Fanuc", 2, true);
       }},
      {"BytteStyringSletterSeksjoner", [](Editor& e, SkriptOperator& op) {
         op.svar("Bytte styringstype", "Ja");
         Preset(e, "Okuma 5000 & 7000", 0, true);
       }},
      {"Filindeks", [](Editor&, SkriptOperator&) { SkrivFilindeks(5); }},
  };
  for (const Handling& h : tabell) {
    SCOPED_TRACE(h.navn);
    Endringer vist;
    {
      EditorKladd k(demo);
      const auto tre = Tre(k.rot());
      Editor& e = k.start();
      {
        Torrkjoring torr;
        h.gjor(e, k.op);
        vist = torr.endringer();
      }
      EXPECT_EQ(k.les(), demo) << "a dry run writes nothing";
      EXPECT_EQ(Tre(k.rot()), tre);
      EXPECT_FALSE(fs::exists(k.rot() / "Brul" / "Brul.ini.historikk"));
    }
    EditorKladd k(demo);
    const auto tre = Tre(k.rot());
    Editor& e = k.start();
    const std::string for_ = k.les();
    h.gjor(e, k.op);
    Endringer nokler = vist;
    nokler.filer.clear();
    nokler.kataloger.clear();
    EXPECT_EQ(Beskrivelse(nokler), Beskrivelse(Forskjell(for_, k.les())));
    // The history kept the file as it was, and describes one save as the
    // whole difference, though it compares only the sections the save touched.
    const auto versjoner = historikk::Liste();
    if (!versjoner.empty()) {
      EXPECT_EQ(historikk::Innhold(versjoner.back().nr), for_);
    }
    if (versjoner.size() == 1) {
      EXPECT_EQ(Beskrivelse(versjoner[0].endringer), Beskrivelse(Forskjell(for_, k.les())));
    }
    // Folders and files: what the preview named is what appeared or changed.
    std::set<std::string> vistMapper, vistFiler, nyeMapper, nyeFiler, erstattet;
    for (const std::string& m : vist.kataloger) vistMapper.insert(Rel(k.rot(), m));
    for (const auto& f : vist.filer) (f.erstattes ? erstattet : vistFiler).insert(Rel(k.rot(), f.sti));
    for (const auto& [p, bytes] : Tre(k.rot())) {
      if (p.ends_with(".lock")) continue;  // the installation's lock file is no change a save makes
      auto gammel = tre.find(p);
      if (gammel == tre.end()) (bytes == "<mappe>" ? nyeMapper : nyeFiler).insert(p);
      else if (gammel->second != bytes) nyeFiler.insert(p);
    }
#ifdef _WIN32
    // Folder names are found without regard to case on Windows: the preview
    // names them as stored (upper-cased), the disk as they were made.
    for (auto* sett : {&vistMapper, &vistFiler, &nyeMapper, &nyeFiler, &erstattet}) {
      std::set<std::string> stor;
      for (std::string s : *sett) {
        for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        stor.insert(s);
      }
      *sett = stor;
    }
#endif
    EXPECT_EQ(vistMapper, nyeMapper);
    for (const std::string& f : erstattet) EXPECT_TRUE(tre.count(f)) << f << " was there before";
    vistFiler.insert(erstattet.begin(), erstattet.end());
    EXPECT_EQ(vistFiler, nyeFiler);
  }
}

// Every control's state, for comparing the editor before and after.
std::vector<std::string> Kontrollene(Editor& e) {
  std::vector<std::string> ut;
  for (Control* c : e.kontroller()) {
    std::string s = c->name() + (c->enabled() ? "" : " av") + (c->visible() ? "" : " skjult") + "=";
    if (c->kind() == ControlKind::Edit) s += static_cast<Edit*>(c)->text();
    if (c->kind() == ControlKind::Check) s += static_cast<Check*>(c)->checked() ? "x" : "-";
    if (c->kind() == ControlKind::Combo)
      s += static_cast<Combo*>(c)->text() + "#" + std::to_string(static_cast<Combo*>(c)->itemIndex()) + "/" +
           std::to_string(static_cast<Combo*>(c)->items().size());
    if (c->kind() == ControlKind::RadioGroup) s += std::to_string(static_cast<RadioGroup*>(c)->itemIndex());
    if (c->kind() == ControlKind::Grid) {
      auto* g = static_cast<Grid*>(c);
      for (int r = 0; r < g->rowCount(); ++r)
        for (int col = 0; col < g->colCount(); ++col) s += g->cell(r, col) + "|";
    }
    ut.push_back(s);
  }
  for (int i = 0; i < AntallSider; ++i) ut.push_back(e.side(static_cast<SideId>(i)).shown() ? "vist" : "skjult");
  ut.push_back(e.NyttForvalg ? "forvalg" : "-");
  ut.push_back(std::to_string(static_cast<int>(e.aktivSide())));
  return ut;
}

// The window's preview: OK in a dry run leaves the editor with everything
// pending; the save that follows asks nothing again and does what was shown.
TEST(Forhandsvisning, EditorenErUendretOgSporsmaaleneStillesEnGang) {
  EditorKladd k(SkrapDisk::Les(DemoIni()));
  Editor& e = k.start();
  ASSERT_TRUE(e.byttSide(SideId::Maskin));
  e.Styring.operatorPick(FinnIndeks("Fanuc", StyringsTekster()));
  e.Alternativ.operatorPick(1);
  e.OpprettKataloger.setChecked(true);
  e.OpprettHenteprogram.setChecked(true);
  const auto for_ = Kontrollene(e);
  const std::string fil = k.les();
  k.op.svar("Bytte styringstype", "Ja");
  const Lagringsvisning v = VisLagring(e);
  EXPECT_EQ(Kontrollene(e), for_);
  EXPECT_EQ(k.les(), fil);
  ASSERT_EQ(k.op.logg().size(), 1u);
  EXPECT_EQ(k.op.logg()[0].caption, "Bytte styringstype");
  EXPECT_EQ(v.svar.size(), 1u);
  EXPECT_EQ(v.endringer.filer.size(), 4u);
  k.op.svar("Bytte styringstype", "Nei");  // the answer given in the preview holds
  ASSERT_TRUE(LagreSomVist(e, v));
  EXPECT_EQ(k.op.logg().size(), 1u);
  Endringer nokler = v.endringer;
  nokler.filer.clear();
  nokler.kataloger.clear();
  EXPECT_EQ(Beskrivelse(nokler), Beskrivelse(Forskjell(fil, k.les())));
  EXPECT_FALSE(e.Endret());
}

TEST(Historikk, LagringGjenopprettingOgEtAnnetProgramsEndring) {
  EditorFilKladd k;
  SkriptOperator op;
  MedOperator med(op);
  // A header with blanks inside its brackets names the same section.
  const std::string v1 = "[Program]\r\nMaskiner=1\r\n\r\n[ Maskin1 ]\r\nNavn=A\r\n; kommentar\r\n";
  k.skriv(v1);
  SkrivStreng("Maskin1", "Navn", "B");
  const std::string v2 = k.les();
  SkrivStreng("Maskin1", "Port", "Com2");
  auto liste = historikk::Liste();
  ASSERT_EQ(liste.size(), 2u);
  EXPECT_EQ(liste[0].nr, 2);
  EXPECT_EQ(liste[0].maskin, "Maskin1 (B)");
  EXPECT_EQ(Beskrivelse(liste[0].endringer), (std::vector<std::string>{"[Maskin1]", "  Port: ny, \"Com2\""}));
  EXPECT_EQ(Beskrivelse(liste[1].endringer), (std::vector<std::string>{"[Maskin1]", "  Navn: \"A\" → \"B\""}));
  EXPECT_EQ(historikk::Innhold(1), v1) << "the file as it was before the save, byte for byte";

  // Restoring goes back byte for byte and is itself a save in the history.
  ASSERT_TRUE(GjenopprettVersjon(2));
  EXPECT_EQ(k.les(), v2);
  liste = historikk::Liste();
  ASSERT_EQ(liste.size(), 3u);
  EXPECT_EQ(liste[0].merknad, "Gjenoppretting av nr. 2");
  EXPECT_EQ(op.logg().size(), 0u);

  // Another program's change since is shown; No keeps the file, Yes keeps
  // the change on top of the restored version.
  const std::string annet = k.les() + "\r\n[Com2]\r\nBaud=9600\r\n";
  k.skriv(annet);
  EXPECT_FALSE(GjenopprettVersjon(1));
  EXPECT_EQ(k.les(), annet);
  ASSERT_EQ(op.logg().size(), 1u);
  EXPECT_EQ(op.logg()[0].caption, "Endret av et annet program");
  EXPECT_NE(op.logg()[0].text.find("[Com2]\n  Baud: ny, \"9600\""), std::string::npos) << op.logg()[0].text;
  op.svar("Endret av et annet program", "Ja");
  ASSERT_TRUE(GjenopprettVersjon(1));
  EXPECT_EQ(k.les(), v1 + "\r\n[Com2]\r\nBaud=9600\r\n");
  EXPECT_FALSE(GjenopprettVersjon(99));
}

// A history as the first release with deltas wrote it (another hash, a
// delta without its length) still restores, and takes the next save.
TEST(Historikk, ForrigeUtgavesVersjonerGjenopprettes) {
  EditorFilKladd k;
  SkriptOperator op;
  MedOperator med(op);
  const std::string v1 = "[S]\r\nk=1\r\n", v2 = "[S]\r\nk=2\r\n";
  k.skriv("[S]\r\nk=3\r\n");
  const auto mappe = k.ini().string() + ".historikk";
  std::filesystem::create_directory(mappe);
  const std::string tid = "tid\t2026-12-01 10:00:00\nmaskin\tS\n";
  SkrapDisk::Skriv(mappe + "/000001.dif", tid + "innhold\t10\t65302f420654b98a\ndelta\t10\t7386e4c4018ac957\n" +
                                             "k 0 5\nn 5\nk=1\r\n");
  SkrapDisk::Skriv(mappe + "/000002.txt", tid + "innhold\t10\t7386e4c4018ac957\n");
  SkrapDisk::Skriv(mappe + "/000002.ini", v2);
  SkrivStreng("S", "k", "4");
  ASSERT_EQ(historikk::Liste().size(), 3u);
  EXPECT_EQ(historikk::Innhold(1), v1);
  EXPECT_EQ(historikk::Innhold(2), v2);
  EXPECT_EQ(historikk::Innhold(3), "[S]\r\nk=3\r\n");
  EXPECT_TRUE(op.logg().empty());
}

TEST(Historikk, BeholderDeSisteHundre) {
  EditorFilKladd k;
  SkriptOperator op;
  MedOperator med(op);
  k.skriv("[S]\r\nk=0\r\n");
  for (int i = 1; i <= historikk::kHistorikkMaks + 2; ++i) SkrivStreng("S", "k", std::to_string(i));
  const auto liste = historikk::Liste();
  ASSERT_EQ(liste.size(), static_cast<std::size_t>(historikk::kHistorikkMaks));
  EXPECT_EQ(liste.front().nr, historikk::kHistorikkMaks + 2);
  EXPECT_EQ(liste.back().nr, 3);
  for (const auto& v : liste) EXPECT_EQ(historikk::Innhold(v.nr), "[S]\r\nk=" + std::to_string(v.nr - 1) + "\r\n");
  // A first name left by a save that was stopped goes with the next save:
  // the folder holds the versions and their descriptions, and the file of a
  // removed one kept for the next description, nothing else.
  const fs::path mappe = fs::path(liste.front().fil).parent_path();
  std::ofstream(mappe / "000007.ini.ny") << "[S]\r\nk=stoppet\r\n";
  {
    // A longer description held the kept file before: none of it is left.
    std::ofstream ledig(mappe / "ledig", std::ios::binary);
    for (int i = 0; i < 9; ++i) ledig << "endret\tS\tgammel" << i << "\t-\t=1\n";
  }
  SkrivStreng("S", "k", "siste");
  EXPECT_EQ(historikk::Liste().front().endringer.nokler.size(), 1u);
  std::size_t antall = 0, fulle = 0, ledige = 0;
  for (const auto& f : fs::directory_iterator(mappe)) {
    const std::string navn = f.path().filename().string();
    ledige += navn == "ledig";
    EXPECT_TRUE(navn == "ledig" ||
                (navn.size() == 10 && (navn.ends_with(".ini") || navn.ends_with(".txt") || navn.ends_with(".dif"))))
        << navn;
    ++antall;
    fulle += navn.ends_with(".ini");
  }
  // A full copy (the newest, and one in a while) with its description, the others a delta each.
  EXPECT_LE(ledige, 1u);
  EXPECT_EQ(antall, historikk::kHistorikkMaks + fulle + ledige);
  EXPECT_LT(fulle, 10u);
  EXPECT_EQ(historikk::Innhold(historikk::Liste().front().nr), "[S]\r\nk=" + std::to_string(historikk::kHistorikkMaks + 2) + "\r\n");
  EXPECT_TRUE(op.logg().empty());
  // A history that cannot be kept is said once, and the save itself stands.
  fs::remove_all(mappe);
  std::ofstream(mappe) << "ingen mappe";
  SkrivStreng("S", "k", "uten historikk");
  EXPECT_EQ(k.les(), "[S]\r\nk=uten historikk\r\n");
  ASSERT_EQ(op.logg().size(), 1u);
  EXPECT_EQ(op.logg()[0].caption, "Historikk");
}

// Random saves of a few machines' and ports' keys, with another program's
// writes between them in the first half, then and a damaged version file: a restore of a version after
// the other program's last write gives it back byte for byte, and every
// version is rebuilt as the file was before its save or not at all (never
// wrong bytes), a damage costing no other version.
TEST(Historikk, TilfeldigeLagringerOgGjenopprettinger) {
  EditorFilKladd k;
  SkriptOperator op;
  MedOperator med(op);
  std::mt19937 r(testing::UnitTest::GetInstance()->random_seed());
  k.skriv("[Program]\r\nMaskiner=2\r\n\r\n[Maskin1]\r\nNavn=A\r\nPort=Com3\r\n\r\n[Com3]\r\nBaud=9600\r\n");
  std::map<int, std::string> for_;  // version -> the file before its save
  std::map<int, std::string> nokkel;  // version -> the key its save wrote
  // Past the count kept, so that descriptions of every length go into the
  // files of removed versions.
  for (int i = 0; i < historikk::kHistorikkMaks + 10; ++i) {
    if (i < 35 && r() % 5 == 0) {
      k.skriv(k.les() + "; et annet program " + std::to_string(i) + "\r\n");
      continue;
    }
    const std::string fil = k.les();
    const std::string seksjon = r() % 3 ? "Maskin" + std::to_string(1 + r() % 2) : "Com3";
    const std::string n = "K" + std::to_string(r() % 12);
    SkrivStreng(seksjon, n, std::string(r() % 40, 'x') + std::to_string(r()));
    for_[historikk::Liste().front().nr] = fil;
    nokkel[historikk::Liste().front().nr] = n;
  }
  while (for_.size() > static_cast<std::size_t>(historikk::kHistorikkMaks)) for_.erase(for_.begin());
  auto liste = historikk::Liste();
  ASSERT_EQ(liste.size(), for_.size());
  for (const auto& v : liste) {
    ASSERT_EQ(v.endringer.nokler.size(), 1u) << v.nr;
    EXPECT_EQ(v.endringer.nokler[0].nokkel, nokkel[v.nr]) << v.nr;
  }
  for (int i = 0; i < 8; ++i) {
    const int nr = liste[r() % 20].nr;
    if (!historikk::Innhold(nr)) continue;
    const std::string fil = k.les();
    ASSERT_TRUE(GjenopprettVersjon(nr)) << nr;
    EXPECT_EQ(k.les(), for_[nr]) << nr;
    if (fil != k.les()) for_[historikk::Liste().front().nr] = fil;  // a restore that changed nothing keeps none
  }
  while (for_.size() > static_cast<std::size_t>(historikk::kHistorikkMaks)) for_.erase(for_.begin());
  liste = historikk::Liste();
  // Every other run the newest, the full copy the others are rebuilt from.
  const int skadet = r() % 2 ? liste.front().nr : liste[r() % liste.size()].nr;
  {
    const std::string f = historikk::Liste()[static_cast<std::size_t>(liste.front().nr - skadet)].fil;
    std::string b = SkrapDisk::Les(f);
    b[r() % b.size()] ^= 0x20;
    std::ofstream(f, std::ios::binary | std::ios::trunc) << b;
  }
  for (const auto& [nr, fil] : for_) {
    const auto innhold = historikk::Innhold(nr);
    if (nr != skadet || innhold) {
      EXPECT_EQ(innhold, fil) << nr << " (damaged: " << skadet << ")";
    }
  }
  EXPECT_TRUE(op.logg().empty());
}

TEST(Historikk, MaskinvalgFortrengerIkkeEnLagring) {
  EditorFilKladd k;
  SkriptOperator op;
  MedOperator med(op);
  const std::string v1 = "[program]\r\nmaskin=1\r\nMaskiner=255\r\n\r\n[Maskin1]\r\nNavn=A\r\n";
  k.skriv(v1);
  SkrivStreng("Maskin1", "Navn", "B");
  // More picks of a machine than the history holds, each remembered at once.
  for (int i = 2; i < 152; ++i) SkrivStreng("Program", "Maskin", std::to_string(i));
  const auto liste = historikk::Liste();
  ASSERT_EQ(liste.size(), 1u) << "a pick of a machine keeps no version";
  EXPECT_EQ(historikk::Innhold(liste[0].nr), v1);
  // The picks are this program's own, not another program's change: nothing
  // is asked, and the save is undone byte for byte but for the remembered
  // machine, which is no part of any version.
  ASSERT_TRUE(GjenopprettVersjon(1));
  EXPECT_EQ(k.les(), "[program]\r\nmaskin=151\r\nMaskiner=255\r\n\r\n[Maskin1]\r\nNavn=A\r\n");
  EXPECT_EQ(op.logg().size(), 0u);
}

}  // namespace
}  // namespace brul::test
