#include "schema/nokler.h"

#include <stdexcept>

namespace brul {
namespace {

using ST = Standard::Type;

Standard fast(std::string v) { return {ST::Fast, std::move(v)}; }
Standard fra(std::string kontroll) { return {ST::Kontroll, std::move(kontroll)}; }
Standard av(ST t) { return {t, {}}; }

constexpr auto M = SeksjonsType::Maskin;
constexpr auto P = SeksjonsType::Port;
constexpr auto PR = SeksjonsType::Program;

// A text key shown in an edit box, write default = read default.
Nokkel T(std::string nokkel, std::string kontroll, Standard les = fast(""), SeksjonsType s = M) {
  Nokkel n;
  n.nokkel = std::move(nokkel);
  n.seksjon = s;
  n.kontroll = std::move(kontroll);
  n.les = std::move(les);
  n.skriv = n.les;
  return n;
}

// A boolean key shown in a check box.
Nokkel B(std::string nokkel, std::string kontroll, Standard les, SeksjonsType s = M) {
  Nokkel n = T(std::move(nokkel), std::move(kontroll), std::move(les), s);
  n.type = VerdiType::Bool;
  n.regel = Regel::Tick;
  return n;
}
Nokkel B(std::string nokkel, std::string kontroll, bool les, SeksjonsType s = M) {
  return B(std::move(nokkel), std::move(kontroll), fast(les ? "True" : "False"), s);
}

Nokkel med(Nokkel n, Regel r) {
  n.regel = r;
  return n;
}
Nokkel skriv(Nokkel n, Standard s) {
  n.skriv = std::move(s);
  return n;
}
Nokkel bruk(Nokkel n, Bruk b) {
  n.bruk = b;
  return n;
}
Nokkel sti(Nokkel n, Sti s = Sti::Mappe) {
  n.sti = s;
  return n;
}
Nokkel spesial(Nokkel n, Konvertering k) {
  n.regel = Regel::Spesial;
  n.konvertering = k;
  return n;
}

std::vector<Nokkel> program() {
  return {T("Maskiner", "Maskiner", fast("1"), PR),
          T("VisMaskiner", "VisMaskiner", fra("Maskiner"), PR),
          B("Vis", "Vis", true, PR),
          B("VisAvsluttBoks", "VisAvsluttBoks", false, PR),
          B("TekstFormat", "TekstFormat", true, PR),
          B("FellesKataloger", "Felleskataloger", false, PR),
          B("BakFiler", "BakFiler", true, PR),
          B("Hendelser", "Hendelser", false, PR),
          B("Indeks", "Indeks", false, PR),
          B("UtKatalog", "UtKatalog", false, PR),
          T("Skriver", "Skriver", fast("LPT1"), PR),
          T("SideLengde", "SideLengde", fast("57"), PR),
          B("Matrise", "Matrise", false, PR),
          B("PJL", "PJL", false, PR)};
}

std::vector<Nokkel> maskin() {
  return {
      skriv(T("Navn", "MaskinNavn", av(ST::Seksjon)), av(ST::StrekSeksjon)),
      spesial(T("Styring", "Styring"), Konvertering::Styring),
      med(T("Alternativ", "Alternativ"), Regel::Liste),
      skriv(med(T("Port", "Com", av(ST::PortForvalg)), Regel::ListeTekst), fast("")),
      skriv(med(T("Baud", "Baud", fast("4800"), P), Regel::ListeTekst), fast("48XX")),
      spesial(B("HandShake", "HandShake", true, P), Konvertering::HandShakeBoks),
      sti(skriv(T("Katalog", "Katalog", av(ST::MaskinKatalog)), fast("C:\\Brul\\Maskin0\\"))),
      T("Ext", "Ext", av(ST::ProgramExt)),
      bruk(skriv(med(T("Protokoll", "Protokoll", fast("STANDARD")), Regel::Liste), fast("STANDARDX")),
           Bruk::LagreUtenForvalg),
      bruk(skriv(med(T("HenteProgram", "HenteProgram", fast("STANDARD")), Regel::Liste),
                 fast("STANDARDX")),
           Bruk::LagreUtenForvalg),
      bruk(med(T("ToolProtokoll", "ToolProtokoll", fast("Ingen")), Regel::Liste), Bruk::LagreUtenForvalg),
      bruk(med(T("DirFilType", "DirFilType", fast("Ingen")), Regel::Liste), Bruk::LagreUtenForvalg),
  };
}

std::vector<Nokkel> filer() {
  return {T("IngenFil", "IngenFil"),
          sti(T("FeilFil", "FeilFil"), Sti::Fil),
          T("KvitteringsTid", "KvitteringsTid"),
          T("Kvittering", "Kvittering"),
          T("FeilMelding", "FeilMelding"),
          T("BackupFiles", "BackupFiles"),
          sti(T("BackupKatalog", "BackupKatalog", fra("Katalog"))),
          T("Utvid", "Utvid"),
          T("UtvidEkstra", "UtvidEkstra"),
          T("FjernLinje", "FjernLinje"),
          T("FjernTegn", "FjernTegn"),
          med(T("FilFormat", "FilFormat", fast("Standard")), Regel::ListeValg),
          T("ByttFra", "ByttFra"),
          T("ByttTil", "ByttTil"),
          B("StoreBokstaver", "StoreBokstaver", false)};
}

std::vector<Nokkel> com() {
  return {skriv(spesial(T("Port", "Com", av(ST::PortForvalg)), Konvertering::PortCom), fast("")),
          skriv(spesial(T("Baud", "BaudRate", fast("4800"), P), Konvertering::BaudCom), fast("48XX")),
          spesial(B("HandShake", "HandShakeR", true, P), Konvertering::HandShakeRadio),
          med(T("Kode", "TegnKode", fast("ISO"), P), Regel::Valg),
          med(T("Bit", "Bit", fast("8"), P), Regel::Valg),
          med(T("StoppBit", "StoppBit", fast("1"), P), Regel::Valg),
          spesial(T("Paritet", "Paritet", fast("N"), P), Konvertering::Paritet),
          B("FjernNull", "FjernNull", false, P),
          B("BlokkVis", "Blokkvis", false, P),
          T("NyBlokkvis", "NyBlokkvis", fast("[DC2]%"), P),
          T("BrytBlokkvis", "BrytBlokkvis", fast("[EOT][ETX][DC4]"), P),
          T("EOB", "EOB", fast("[CR][LF]"), P),
          T("TimeOut", "TimeOut", fast("3"), P),
          T("Break", "Break", fra("TimeOut"), P),
          T("TimeMultiplier", "TimeMultiplier", fast("1000"), P),
          T("Delay", "ComDelay", fast(""), P),
          T("StoppTid", "StoppTid", fast(""), P)};
}

std::vector<Nokkel> protokoll() {
  return {bruk(skriv(med(T("Protokoll", "Protokoll", fast("STANDARD")), Regel::Liste), fast("STANDARDX")),
               Bruk::BareLagre),
          skriv(T("StartKode", "StartKode", fast("%")), av(ST::StartKode)),
          T("StoppKode", "StoppKode"),
          T("StoppTegn", "StoppTegn"),
          T("StoppFeil", "StoppFeil"),
          B("LagreKoder", "LagreKoder", false),
          B("StartStoppKodeUt", "StartStoppKodeUt", Standard{ST::IkkeKontroll, "LagreKoder"}),
          B("LagreAlt", "LagreAlt", true),
          bruk(B("BareTall", "BareTall", false), Bruk::BareLes),
          T("StartEkstra", "StartEkstra"),
          T("StoppEkstra", "StoppEkstra"),
          T("VenteTid", "Ventetid"),
          B("RCC", "RCC", false)};
}

std::vector<Nokkel> henteprog() {
  return {bruk(skriv(med(T("HenteProgram", "HenteProgram", fast("STANDARD")), Regel::Liste),
                     fast("STANDARDX")),
               Bruk::BareLagre),
          B("BareTall", "BareTall", false),
          T("StartLagre", "StartLagre", fast("(")),
          T("StoppLagre", "StoppLagre", fast(")")),
          T("Hent", "Hent", fast("M30")),
          T("StartHent", "StartHent", fast("(")),
          T("StoppHent", "StoppHent", fast(")")),
          T("Print", "Print", fast("(P)(")),
          T("StartPrint", "StartPrint", fra("Print")),
          T("StoppPrint", "StoppPrint", fast(")")),
          T("DirHent", "DirHent", fast("(D)(")),
          T("StartDir", "StartDir", fra("DirHent")),
          T("StoppDir", "StoppDir", fast(")")),
          B("FilNavnProgram", "FilNavnProgram", false),
          B("FilNavnNullstill", "FilNavnNullstill", false),
          T("MaxLengde", "MaxLengde", fast("20")),
          T("Tool", "Tool"),
          T("KatalogTegn", "KatalogTegn", fast("/")),
          T("MaxHent", "MaxHent", fast("100")),
          T("MaxLinjer", "MaxLinjer", fast("4"))};
}

std::vector<Nokkel> henteprog2() {
  return {T("StartLagre2", "StartLagre2", fra("StartLagre")), T("StoppLagre2", "StoppLagre2", fra("StoppLagre")),
          T("Hent2", "Hent2", fra("Hent")),                   T("StartHent2", "StartHent2", fra("StartHent")),
          T("StoppHent2", "StoppHent2", fra("StoppHent")),    sti(T("Katalog2", "Katalog2", fra("Katalog"))),
          T("Ext2", "Ext2", fra("Ext"))};
}

std::vector<Nokkel> toolDir() {
  return {bruk(med(T("ToolProtokoll", "ToolProtokoll", fast("Ingen")), Regel::Liste), Bruk::BareLagre),
          skriv(T("ToolProgramNr", "ToolProgramNr"), fast(" ")),
          T("ToolReg", "ToolReg"),
          spesial(T("NomReg", "NomReg"), Konvertering::NomReg),
          B("AutoToolLoad", "AutoToolLoad", false),
          B("SlettToolReg", "SlettToolReg", false),
          T("ToolLagre", "ToolLagre"),
          T("ToolMult", "ToolMult"),
          T("ToolDesimaler", "ToolDesimaler"),
          bruk(med(T("DirFilType", "DirFilType", fast("Ingen")), Regel::Liste), Bruk::BareLagre),
          T("DirProgramNr", "DirProgramNr"),
          spesial(B("TimeSize", "TimeSize", false), Konvertering::TimeSize),
          T("Artikkel", "Artikkel"),
          T("Beskrivelse", "Beskrivelse"),
          B("UnderKataloger", "UnderKataloger", false),
          T("MaxLengde", "MaxLengdeD", fast("20"))};
}

std::vector<Nokkel> mazak() {
  return {spesial(T("ProgLinje", "MazatrolAuto", fast("1")), Konvertering::MazatrolAuto),
          T("MazExt", "MazExt", fast(".Maz")),
          B("MazatrolNavn", "MazatrolNavn", false),
          T("HenteProgramNr", "HenteProgramNr"),
          B("Hent5000", "Hent5000", false),
          T("Robot", "Robot"),
          B("SjekkFormat", "SjekkFormat", false),
          B("LinjeSjekk", "LinjeSjekk", true),
          B("TapeMarks", "TapeMarks", false),
          B("SaveTapeMarks", "SaveTapeMarks", fra("TapeMarks")),
          spesial(B("FjernNull", "MazPrint", false, P), Konvertering::MazPrint)};
}

std::vector<Nokkel> terminal() {
  return {T("Maskin", "TerminalMaskiner"), T("F1", "F1"), T("F2", "F2"), T("F3", "F3"),
          T("F4", "F4"), T("F5", "F5"), spesial(T("Linjer", "Linjer2", fast("4")), Konvertering::Linjer2)};
}

std::vector<Nokkel> parallell() {
  return {T("Adresse", "Adresse", fast("$1B0")),
          B("BareFram", "BareFram", false),
          B("Punch", "Punch", false),
          B("InvMotor", "InvMotor", false),
          B("InvRetning", "InvRetning", false),
          B("InvRead", "InvRead", false),
          B("InvSpocket", "InvSpocket", false),
          T("TimeOut", "TimeOutP", fast("3")),
          T("Break", "BreakP", fra("TimeOutP")),
          T("Delay", "ParDelay", fast("2")),
          med(T("Kode", "ParallellKode", fast("ISO")), Regel::Valg),
          T("StartPos", "StartPos")};
}

std::vector<Nokkel> forInst() {
  return {skriv(med(T("Forinstiller", "Forinstiller", fast("Ingen")), Regel::Liste), fast("")),
          T("SlettTool", "SlettTool"),
          B("StortProgNr", "StortProgNr", false),
          B("Print", "ForInstPrint", false),
          spesial(T("System", "ToolGrid"), Konvertering::ToolGrid)};
}

std::vector<Nokkel> logging() {
  return {sti(T("LoggeFil", "LoggeFil"), Sti::Fil),
          med(T("MakroProgram", "MakroProgram", fast("Ingen")), Regel::Liste),
          T("Makro", "Makro"),
          T("StartHendelse", "StartHendelse"),
          T("StoppHendelse", "StoppHendelse"),
          T("StartParameter", "StartParameter"),
          T("StoppParameter", "StoppParameter")};
}

std::vector<Nokkel> loggeBoks() {
  return {T("Maskin", "LoggeMaskin"), T("MaskeInv", "MaskeInv"), T("SjekkTid", "SjekkTid"),
          spesial(T("Bit", "BoksGrid"), Konvertering::BoksGrid)};
}

std::vector<Nokkel> ftp() {
  return {sti(T("FtpKatalog", "FtpKatalog", fra("Katalog"))),
          T("FtpExt", "FtpExt", fra("Ext")),
          T("NCExt", "NcExt", fra("Ext")),
          B("FtpUnderKataloger", "FtpUnderKataloger", true),
          med(T("FtpFilNavn", "FtpFilNavn", fast("Ingen")), Regel::Liste),
          T("FtpStartLagre", "FtpStartLagre", fast("(")),
          T("FtpStoppLagre", "FtpStoppLagre", fast(")"))};
}

std::vector<Nokkel> annet() { return {spesial(T("Variabel", "AnnetGrid"), Konvertering::AnnetGrid)}; }

}  // namespace

const std::vector<Nokkel>& Nokler(SideId side) {
  static const std::vector<std::vector<Nokkel>> tabeller{
      program(), maskin(),   filer(),     com(),  protokoll(), henteprog(), henteprog2(), toolDir(),
      mazak(),   terminal(), parallell(), forInst(), logging(), loggeBoks(), ftp(),       annet()};
  const auto i = static_cast<size_t>(side);
  if (i >= tabeller.size()) throw std::out_of_range("ukjent side");
  return tabeller[i];
}

HandShakeVerdier HandShakeLagring(int item) {
  switch (item) {
    case 1: return {true, false, false, true, true};
    case 2: return {true, true, false, false, false};
    case 3: return {true, false, true, true, true};
    case 4: return {true, true, true, true, false};
    default: return {false, false, false, false, false};
  }
}

int HandShakeValg(bool handShake, bool xonXoff, bool sendDelay, bool hardwareStart) {
  int i = handShake ? (xonXoff ? 2 : 1) : 0;
  if (sendDelay) i = 3;
  // "Forsinket Hardware" is itself saved with HardwareStart set; only the
  // XonXoff that "Forsinket, begge" adds tells the two apart, so that each
  // item loads back as the item that was saved.
  if (hardwareStart && xonXoff && i == 3) i = 4;
  return i;
}

}  // namespace brul
