#include "schema/lister.h"

namespace brul {

const std::vector<std::string>& PortListe() {
  static const std::vector<std::string> l = [] {
    std::vector<std::string> v;
    for (int i = 1; i <= 26; ++i) v.push_back("Com" + std::to_string(i));
    return v;
  }();
  return l;
}

const std::vector<std::string>& BaudListe() {
  static const std::vector<std::string> l{"300",  "600",   "1200",  "2400", "4800",
                                          "9600", "19200", "38400", "57600"};
  return l;
}

const std::vector<std::string>& HandShakeListe() {
  static const std::vector<std::string> l{"Ingen", "Hardware (RTS/CTS)", "Software (Xon/Xoff)",
                                          "Forsinket Hardware", "Forsinket, begge"};
  return l;
}

const std::vector<std::string>& ProtokollListe() {
  static const std::vector<std::string> l{
      "BTR",        "Buffer", "DC2",    "Echo",     "Fapt",     "Filer",     "FilTemp",
      "ForInst",    "ForInstKartotek",  "ForInstTerm",          "FTP",       "FtpTemp",
      "Heidenhain", "HHLsv2", "Hybrid", "Ingen",    "Linje",    "LoggeBoks", "LSV2",
      "Makino",     "Mazatrol",         "Okuma",    "OkumaLSV2", "Parallell", "Siemens",
      "Standard",   "Terminal"};
  return l;
}

const std::vector<std::string>& HenteProgramListe() {
  static const std::vector<std::string> l{
      "Cincinatti", "FanucIJK",   "FanucJK",    "FAPTKommentarer", "IJK",       "Kommentarer",
      "MazatrolKort", "MazatrolLangt", "Nummer", "Nummer2",        "NummerSerie", "Okuma",
      "OkumaParenteser", "Parenteser", "Philips", "Siemens3",      "Siemens8",  "SiemensIJK",
      "SiemensXYZ", "Standard",   "Standard2",  "Universal",       "Universal2", "XYZ"};
  return l;
}

const std::vector<std::string>& ToolProtokollListe() {
  static const std::vector<std::string> l{
      "ECS",           "EmcoDrei",       "EmcoFres",      "Fanuc",           "FanucDrei",
      "FanucLengde",   "FanucLomme",     "Fanuc15M",      "Fischer",         "Heidenhain",
      "HeidenhainSentral", "Heidenhain407", "Heidenhain415", "Heidenhain426", "Heidenhain430",
      "Hessapp",       "Heynumat",       "Ingen",         "KTM",             "Mandelli",
      "MazatrolMPlus", "Num",            "OkumaDrei",     "OkumaFres",       "Original",
      "PhilipsFres",   "Sajo",           "Schiess",       "Siemens800",      "Siemens800Drei",
      "Siemens800Fres", "Siemens840D",   "Siemens840DFres", "Siemens880Fres", "Siemens8M",
      "SiemensDrei",   "SiemensDreiNull", "SiemensFres",  "SiemensMT",       "Standard",
      "Tosnuc",        "Traub"};
  return l;
}

const std::vector<std::string>& DirFilTypeListe() {
  static const std::vector<std::string> l{"Emco",   "Fanuc",     "Heidenhain", "HeidenhainTDM",
                                          "Ingen",  "Mazatrol",  "Okuma",      "Okuma3000",
                                          "Parentes", "Philips", "Siemens",    "Traub"};
  return l;
}

const std::vector<std::string>& FilFormatListe() {
  static const std::vector<std::string> l{"Emco",      "Fanuc",       "Hakmo",     "KbgCNC200",
                                          "KbgCNC2000", "Kommentarer", "Kopi",     "Okuma3000",
                                          "Okuma5000", "Prosent",     "SiemensClear", "SMT",
                                          "Standard"};
  return l;
}

const std::vector<std::string>& TegnKodeListe() {
  static const std::vector<std::string> l{"Ascii", "AsciiIso", "Eia",    "EiaIso",
                                          "Iso",   "IsoAscii", "IsoEia", "SoftIso"};
  return l;
}

const std::vector<std::string>& BitListe() {
  static const std::vector<std::string> l{"7", "8"};
  return l;
}

const std::vector<std::string>& StoppBitListe() {
  static const std::vector<std::string> l{"1", "2"};
  return l;
}

const std::vector<std::string>& ParitetListe() {
  static const std::vector<std::string> l{"Even", "None", "Odd"};
  return l;
}

const std::vector<std::string>& TimeSizeListe() {
  static const std::vector<std::string> l{"Ingen", "Time", "Size", "TimeSize"};
  return l;
}

const std::vector<std::string>& ParallellKodeListe() {
  static const std::vector<std::string> l{"Ascii", "Eia", "EiaIso", "Iso", "IsoEia", "SoftIso"};
  return l;
}

const std::vector<std::string>& ForinstillerListe() {
  static const std::vector<std::string> l{
      "Bodmer",      "Heidenhain720", "Kelch",        "KelchSiriusC", "Komeg",     "Messma-Kelch",
      "Microset",    "MicrosetUno",   "MicrosetEco2", "ToolMaster3",  "ToolMaster250",
      "ToolSet",     "Zoller",        "Zoller6051",   "Zoller6051Sys", "ZollerZero"};
  return l;
}

const std::vector<std::string>& MakroProgramListe() {
  static const std::vector<std::string> l{"Fanuc", "Ingen", "Parenteser", "Standard"};
  return l;
}

const std::vector<std::string>& FtpFilNavnListe() {
  static const std::vector<std::string> l{"Ingen", "Kommentarer", "Parenteser", "Standard"};
  return l;
}

const std::vector<std::string>& ToolTypeListe() {
  static const std::vector<std::string> l{"Drei", "Diameter", "Radius", "Fres", "Div2"};
  return l;
}

const std::vector<std::string>& ProgDivListe() {
  static const std::vector<std::string> l{"100", "1000"};
  return l;
}

const std::vector<std::string>& NomSjekkListe() {
  static const std::vector<std::string> l{"0", "1", "2", "3"};
  return l;
}

const std::vector<Hendelse>& HendelseKoder() {
  static const std::vector<Hendelse> l{
      {1, "Program start"},    {2, "Program slutt"},     {3, "Program stopp"},
      {4, "Programnavn"},      {5, "Ordrenummer"},       {6, "Opererer"},
      {7, "Kutter"},           {8, "Operatør tilstede"}, {9, "Alarm"},
      {10, "Maskin på"},       {11, "Maskin av"},        {12, "Timer på"},
      {13, "Kjøretid"},        {14, "Antall deler"},     {100, "Maskin feil"},
      {101, "Vedlokehold"},    {102, "Omstilling"},      {103, "Bytte del"},
      {104, "Venter på del"},  {105, "Klokking av del"}, {106, "Verktøy"},
      {107, "Måleverktøy"},    {108, "Vrak"},            {109, "Ferdig"},
      {199, "Diverse"},        {200, "Tarv-Brul stoppet"}, {201, "Mistet kontakt"},
      {202, "Kontakt"}};
  return l;
}

std::vector<std::string> HendelseListe() {
  std::vector<std::string> v;
  for (const auto& h : HendelseKoder()) v.push_back(std::to_string(h.kode) + ":" + h.navn);
  return v;
}

std::string HendelseTekst(long kode) {
  for (const auto& h : HendelseKoder())
    if (h.kode == kode) return std::to_string(h.kode) + ":" + h.navn;
  return std::to_string(kode);
}

}  // namespace brul
