#pragma once
// The fixed item lists of the editor's combo boxes, radio groups and grid
// columns, in the order the transfer programs' documentation and the presets
// rely on (the presets address several of them by position).
#include <string>
#include <vector>

namespace brul {

const std::vector<std::string>& PortListe();          // "Com1" .. "Com26"
const std::vector<std::string>& BaudListe();          // "300" .. "57600"
const std::vector<std::string>& HandShakeListe();     // "Ingen" .. "Forsinket, begge"
const std::vector<std::string>& ProtokollListe();     // 27 protocols
const std::vector<std::string>& HenteProgramListe();  // 24 fetch-program types
const std::vector<std::string>& ToolProtokollListe();
const std::vector<std::string>& DirFilTypeListe();
const std::vector<std::string>& FilFormatListe();
const std::vector<std::string>& TegnKodeListe();      // radio group TegnKode
const std::vector<std::string>& BitListe();
const std::vector<std::string>& StoppBitListe();
const std::vector<std::string>& ParitetListe();
const std::vector<std::string>& TimeSizeListe();
const std::vector<std::string>& ParallellKodeListe();
const std::vector<std::string>& ForinstillerListe();
const std::vector<std::string>& MakroProgramListe();
const std::vector<std::string>& FtpFilNavnListe();

// The presetter grid's drop-down lists of the columns Type, ProgDiv, NomSjekk
// (column 3, the machine numbers, is built when the editor is created).
const std::vector<std::string>& ToolTypeListe();
const std::vector<std::string>& ProgDivListe();
const std::vector<std::string>& NomSjekkListe();

// The 28 log-box events, ascending by code.
struct Hendelse {
  int kode;
  std::string navn;
};
const std::vector<Hendelse>& HendelseKoder();
// "code:name" for each event, the drop-down list of the log-box grid.
std::vector<std::string> HendelseListe();
// The list entry of a code ("100:Maskin feil"), or the code alone when it is no event.
std::string HendelseTekst(long kode);

}  // namespace brul
