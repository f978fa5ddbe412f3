#include "schema/sider.h"

#include <stdexcept>

namespace brul {
namespace {

Felt F(std::string kontroll, std::string tekst, int hjelp = 0, std::string hint = {},
       std::string label = {}) {
  Felt f;
  f.kontroll = std::move(kontroll);
  f.tekst = std::move(tekst);
  f.hint = std::move(hint);
  f.hjelp = hjelp;
  f.label = std::move(label);
  return f;
}

Gruppe G(std::string tekst, std::vector<Felt> felter, std::vector<Gruppe> grupper = {},
         int hjelp = 0, std::string navn = {}) {
  Gruppe g;
  g.navn = std::move(navn);
  g.tekst = std::move(tekst);
  g.felter = std::move(felter);
  g.hjelp = hjelp;
  g.grupper = std::move(grupper);
  return g;
}

SideOppsett S(SideId id, std::string navn, std::string tekst, int hjelp, std::vector<Gruppe> grupper) {
  return SideOppsett{id, std::move(navn), std::move(tekst), hjelp, std::move(grupper)};
}

std::vector<SideOppsett> lagSider() {
  std::vector<SideOppsett> s;
  s.push_back(S(SideId::Program, "TabProgram", "Program", 100,
                {G("Firmaoppsett", {F("Maskiner", "Maskiner:", 102)}),
                 G("Visning", {F("VisMaskiner", "VisMaskiner:", 105),
                               F("Vis", "Vis programoverføring på skjerm", 107),
                               F("VisAvsluttBoks", "Vis avsluttningsboks (bekrefte)", 109),
                               F("TekstFormat", "Tekstformat (gjelder Tarv-Editor)", 111)}),
                 G("Utskrift", {F("Skriver", "Skriver:", 113), F("SideLengde", "Sidelengde:", 115),
                                F("Matrise", "Matriseskriver (bruker ikke driver)", 114),
                                F("PJL", "Laserskriveren er utstyrt med PJL", 116)}),
                 G("Oppsett", {F("Felleskataloger", "Maskinene bruker felles katalognivå", 106),
                               F("BakFiler", "Opprette .Bak-filer ved lagring", 117),
                               F("Hendelser", "Lagre hendelser ifm. overføring", 110),
                               F("Indeks", "CNC oppdaterer filindeks", 112),
                               F("UtKatalog", "Bruke egen utkatalog (Katalog2)", 108)})}));
  s.push_back(S(SideId::Maskin, "TabMaskin", "Maskin", 200,
                {G("Maskindata", {F("MaskinNavn", "Navn:", 201), F("Styring", "Styring:", 203),
                                  F("Alternativ", "Alternariv:", 205)}),
                 G("Com-Port", {F("Com", "Com-Port:", 202), F("Baud", "Baud-rate:", 204, {}, "BaudL"),
                                F("HandShake", "Handshake:", 206, {}, "HandShakeL"),
                                F("ComPortBtn", "...", 0, "Oversikt over brukte ComPorter")}),
                 G("Grunnoppsett",
                   {F("Protokoll", "Protokoll:", 212, {}, "ProtokollL"),
                    F("HenteProgram", "Henteprog:", 214, {}, "HenteProgL"),
                    F("ToolProtokoll", "Toolprotokoll:", 213, {}, "ToolProtokollL"),
                    F("DirFilType", "DirFilType:", 215, {}, "DirFilTypeL")},
                   {}, 0, "Grunnoppsett"),
                 G("Lagring", {F("Katalog", "Katalog:", 207), F("Ext", "Extension:", 208)}),
                 G("Oppretting", {F("OpprettKataloger", "Opprett kataloger", 209),
                                  F("OpprettHenteprogram", "Opprett henteprogram", 210),
                                  F("DefaultBaud", "Default baud/handshake for styring", 211)})}));
  s.push_back(S(SideId::Filer, "TabFiler", "Filer", 300,
                {G("Respons når fil ikke eksisterer",
                   {F("IngenFil", "IngenFil:", 301), F("FeilFil", "FeilFil:", 302)}),
                 G("Kvitteringsoppsett", {F("KvitteringsTid", "Kvitteringstid:", 304),
                                          F("Kvittering", "Kvittering:", 303),
                                          F("FeilMelding", "FeilMelding:", 305)}),
                 G("Backup", {F("BackupFiles", "Antall filer:", 307), F("BackupKatalog", "Katalog:", 306)}),
                 G("Fjerning av linjer/tegn samt formatering",
                   {F("FjernLinje", "FjernLinje:", 310), F("FjernTegn", "FjernTegn:", 311),
                    F("FilFormat", "Filformat:", 312), F("ByttFra", "ByttFra:", 313),
                    F("ByttTil", "ByttTil:", 314), F("StoreBokstaver", "StoreBokstaver", 315)}),
                 G("Filutviding", {F("Utvid", "Utvid:", 308), F("UtvidEkstra", "UtvidEkstra:", 309)})}));
  s.push_back(S(SideId::Com, "TabComPort", "Com", 400,
                {G("", {F("ComPort", "Port:"), F("BaudRate", "", 402), F("HandShakeR", "", 403),
                        F("Paritet", "", 406), F("TegnKode", "", 409), F("Bit", "", 410),
                        F("StoppBit", "", 412)}),
                 G("FjernNull", {F("FjernNull", "Fjerne Null tegn")}, {}, 404),
                 G("Blokkvis", {F("Blokkvis", "Blokkvis overføring"), F("NyBlokkvis", "NyBlokkvis:", 407),
                                F("BrytBlokkvis", "BrytBlokkvis:", 408)}),
                 G("Tidsavbrudd", {F("TimeOut", "TimeOut:", 413), F("Break", "Break:", 414),
                                   F("TimeMultiplier", "TimeMuliplier (mS):", 415),
                                   F("ComDelay", "Delay:", 416)}),
                 G("End Of Block", {F("EOB", "EOB:", 411)}, {}, 411),
                 G("StoppTid", {F("StoppTid", "", 417)})}));
  s.push_back(S(SideId::Protokoll, "TabProtokoll", "Protokoll", 500,
                {G("Program start/slutt", {F("StartKode", "StartKode:", 501), F("StoppKode", "StoppKode:", 503),
                                           F("StoppTegn", "StoppTegn:", 502), F("StoppFeil", "StoppFeil:", 504)}),
                 G("Ekstra tegn", {F("StartEkstra", "StartEkstra:", 508), F("StoppEkstra", "StoppEkstra:", 509)}),
                 G("Programflyt", {F("Ventetid", "Ventetid:", 510),
                                   F("RCC", "RCC (Remote Communication Control)", 511)}),
                 G("BTR kodekontroll", {F("StartStoppKodeUt", "StartStoppKodeUt:", 505),
                                        F("LagreKoder", "LagreKoder:", 506), F("LagreAlt", "LagreAlt:", 507)})}));
  s.push_back(S(SideId::Henteprog, "TabHenteprogram", "Henteprog.", 600,
                {G("Lagring", {F("BareTall", "Bare tall i filnavnet:", 601), F("StartLagre", "StartLagre:", 602),
                               F("StoppLagre", "StoppLagre:", 603)}),
                 G("Henting", {F("Hent", "Hent:", 604), F("StartHent", "StartHent:", 605, {}, "StartHentL"),
                               F("StoppHent", "StoppHent:", 606, {}, "StoppHentL")}),
                 G("Printing", {F("Print", "Print:", 607), F("StartPrint", "StartPrint:", 608, {}, "StartPrintL"),
                                F("StoppPrint", "StoppPrint", 609, {}, "StoppPrintL")}),
                 G("Katalog", {F("DirHent", "DirHent:", 610), F("StartDir", "StartDir:", 611, {}, "StartDirL"),
                               F("StoppDir", "StoppDir:", 612, {}, "StoppDirL")}),
                 G("Annet", {F("MaxLengde", "MaxLengde:", 614),
                             F("Tool", "Tool:", 616, "StartHent og StoppHent brukes for å finne filnavnet"),
                             F("FilNavnProgram", "FilNavnProg:", 613), F("KatalogTegn", "Katalogtegn:", 618),
                             F("MaxHent", "MaxHent:", 617), F("MaxLinjer", "MaxLinjer:", 615),
                             F("FilNavnNullstill", "NSt:")})}));
  s.push_back(S(SideId::Henteprog2, "TabHenteProgram2", "Henteprog2", 700,
                {G("Lagring", {F("StartLagre2", "StartLagre2:", 701), F("StoppLagre2", "StoppLagre2:", 702)}),
                 G("Henting", {F("Hent2", "Hent2:", 703), F("StartHent2", "StartHent2:", 704),
                               F("StoppHent2", "StoppHent2:", 705)}),
                 G("Annet", {F("Katalog2", "Katalog2:", 706), F("Ext2", "Extension2:", 707)})}));
  s.push_back(S(SideId::ToolDir, "TabToolDir", "Tool/Dir", 800,
                {G("Verktøydata",
                   {F("ToolLagre", "ToolLagre:", 808), F("ToolMult", "ToolMult:", 809),
                    F("ToolDesimaler", "Desimaler:", 810)},
                   {G("ToolReg", {F("ToolReg", "", 803)}), G("NomReg", {F("NomReg", "", 805)}),
                    G("Håndtering", {F("AutoToolLoad", "AutoToolLoad", 806), F("SlettToolReg", "SlettToolReg", 807)}),
                    G("ToolProgramNr", {F("ToolProgramNr", "", 801)})}),
                 G("Katalog", {F("MaxLengdeD", "MaxLengde:", 811)},
                   {G("DirProgramNr", {F("DirProgramNr", "", 802)}),
                    // Untitled: the radio group stands between the inner groups.
                    G("", {F("TimeSize", "", 804)}),
                    G("Fillisting", {F("UnderKataloger", "UnderKataloger")}),
                    G("Fra utforsker (oppgi antall tegn)",
                      {F("Artikkel", "Artikkel:"), F("Beskrivelse", "Beskrivelse:")})})}));
  s.push_back(S(SideId::Mazak, "TabMazatrol", "Mazak", 900,
                {G("Automatisk innstilling",
                   {F("MazatrolAuto", "Autoinstilling: Fyll både programnummeret og kommentarfeltet med 3-tall", 901),
                    F("MazPrint", "Printing", 902)}),
                 G("Navngiving", {F("MazatrolNavn", "MazatrolNavn", 904), F("MazExt", "MazatrolExtension:", 903)}),
                 G("Henting", {F("HenteProgramNr", "HenteProgramNr:", 905), F("Hent5000", "Hent5000", 906)}),
                 G("Annet", {F("Robot", "Robot (MaskinNr):", 907),
                             F("SjekkFormat", "SjekkFormat", 908, "Stella/X-Cam konvertering"),
                             F("TapeMarks", "TapeMarks"), F("LinjeSjekk", "LinjeSjekk", 0, "BCC og linjelengde"),
                             F("SaveTapeMarks", "SaveTapeMarks")})}));
  s.push_back(S(SideId::Terminal, "TabTerminal", "Terminal", 1000,
                {G("Default maskin", {F("TerminalMaskiner", "Maskin:", 1001),
                                      F("OppdaterMaskiner", "Oppdater maskiner", 1002)}),
                 G("Funksjonstaster", {F("F1", "F1:", 1003), F("F2", "F2:", 1004), F("F3", "F3:", 1005),
                                       F("F4", "F4:", 1006), F("F5", "F5:", 1007),
                                       F("Linjer2", "2 linjers håndterminal")})}));
  s.push_back(S(SideId::Parallell, "TabParallell", "Parallell", 1100,
                {G("Inverterte signal", {F("InvMotor", "InvMotor", 1105), F("InvRetning", "InvRetning", 1106),
                                         F("InvRead", "InvRead", 1107), F("InvSpocket", "InvSpocket", 1108)}),
                 G("Tilgjengelige signal", {F("BareFram", "BareFram", 1102), F("Punch", "Punch", 1103)}),
                 G("Timing", {F("TimeOutP", "TimeOut:", 1109), F("BreakP", "Break:", 1110),
                              F("ParDelay", "Delay:", 1111)}),
                 G("", {F("ParallellKode", "", 1104)}),
                 G("Oppsett av PC-kort", {F("Adresse", "Adresse:", 1101),
                                          F("", "(Adressen settes i registry for maskiner med NT)")}),
                 G("Startposisjon", {F("StartPos", "", 1112)})}));
  s.push_back(S(SideId::ForInst, "TabForInst", "Forinnst.", 1200,
                {G("", {F("Forinstiller", "Forinnstiller:", 1201), F("ForInstTips", ""),
                        F("SlettTool", "SlettTool:", 1202), F("ForInstPrint", "Print", 1204),
                        F("StortProgNr", "StortProgNr", 1203), F("ToolGrid", "", 1205)})}));
  s.push_back(S(SideId::Logging, "TabLogging", "Logging", 1400,
                {G("Loggefil", {F("LoggeFil", "LoggeFil:", 1401)}),
                 G("Makroprogram", {F("MakroProgram", "Makroprogram:", 1402), F("Makro", "Makro:", 1403),
                                    F("StartHendelse", "StartHendelse:", 1404),
                                    F("StoppHendelse", "StoppHendelse:", 1405),
                                    F("StartParameter", "StartParameter:", 1406),
                                    F("StoppParameter", "StoppParameter:", 1407)})}));
  s.push_back(S(SideId::LoggeBoks, "TabLoggeBoks", "LoggeBoks", 1500,
                {G("", {F("LoggeMaskin", "Maskin:", 1501), F("MaskeInv", "MaskInv:", 1502),
                        F("SjekkTid", "SjekkTid:", 1503), F("BoksGrid", "", 1504)})}));
  s.push_back(S(SideId::FTP, "TabFTP", "FTP", 0,
                {G("Generelt, filbehandling",
                   {F("FtpKatalog", "FtpKatalog:", 0, "Hvis annen katalog enn standardkatalog skal benyttes"),
                    F("FtpExt", "FtpExt:", 0, ".*"), F("NcExt", "NcExt:", 0, ".Min"),
                    F("FtpUnderKataloger", "FtpUnderKataloger")}),
                 G("Etterbehandling av fil (langt filnavn)",
                   {F("FtpFilNavn", "FtpFilNavn:", 0, "Aktuell for Fanuc"),
                    F("FtpStartLagre", "FtpStartLagre:"), F("FtpStoppLagre", "FtpStoppLagre:")})}));
  s.push_back(S(SideId::Annet, "TabAnnet", "Annet", 1300, {G("", {F("AnnetGrid", "", 1301)})}));
  return s;
}

const Felt* finnIGruppe(const Gruppe& g, const std::string& k) {
  for (const auto& f : g.felter)
    if (!f.kontroll.empty() && f.kontroll == k) return &f;
  for (const auto& u : g.grupper)
    if (const Felt* f = finnIGruppe(u, k)) return f;
  return nullptr;
}

}  // namespace

const std::vector<SideOppsett>& Sider() {
  static const std::vector<SideOppsett> sider = lagSider();
  return sider;
}

const SideOppsett& Side(SideId id) {
  for (const auto& s : Sider())
    if (s.id == id) return s;
  throw std::out_of_range("ukjent side");
}

const Gruppe& BunnLinje() {
  static const Gruppe g = G("", {F("", "Maskin:"), F("MaskinBoks", "", 1), F("Brul_INI", "Brul.INI", 2),
                                 F("Angre", "Angre", 3), F("OKBtn", "OK", 4), F("Avslutt", "Avslutt", 5)},
                            {}, 10);
  return g;
}

const SideOppsett* SideMedKontroll(const std::string& kontroll) {
  for (const auto& s : Sider())
    for (const auto& g : s.grupper)
      if (finnIGruppe(g, kontroll)) return &s;
  return nullptr;
}

const Felt* FinnFelt(const std::string& kontroll) {
  for (const auto& s : Sider())
    for (const auto& g : s.grupper)
      if (const Felt* f = finnIGruppe(g, kontroll)) return f;
  return finnIGruppe(BunnLinje(), kontroll);
}

}  // namespace brul
