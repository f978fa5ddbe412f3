#!/usr/bin/env python3
"""Writes the help topics of Brul.INI (one HTML file per help context number,
plus index.html) into this folder. Edit the texts here and run it again:
    python3 Hjelp/lag_hjelp.py
"""
import html
import os

M = "maskinens seksjon [MaskinN]"
P = "portseksjonen (seksjonen som maskinens Port-verdi navngir, for eksempel [Com3]; den deles av alle maskiner på samme port)"
PR = "seksjonen [Program]"
KMD = "lagres ikke; det er en kommando som gjelder neste lagring"

# (nummer, sidetittel, beskrivelse, [(nr, kontroll, ledetekst, forklaring, standard, lagring)])
SIDER = [
 (10, "Knappelinjen", "Nederst i vinduet velger du maskin og lagrer eller forkaster endringer. "
  "Så lenge det finnes ulagrede endringer, er maskinvelgeren sperret, og OK og Angre er tilgjengelige.", [
  (1, "MaskinBoks", "Maskin:", "Velger maskinen du redigerer. Listen har én linje per maskin, i nummerrekkefølge, med maskinens navn. "
   "Når du velger en annen maskin, leses alle sidene inn for den maskinen, og nummeret huskes til neste oppstart.",
   "maskin 1, eller maskinen som sist var valgt", f"{PR}, nøkkel Maskin (maskinnummeret skrives straks du velger)"),
  (2, "Brul_INI", "Brul.INI", "Åpner innstillingsfilen i tekstredigereren (Notisblokk på Windows). Endringer du lagrer der, "
   "vises i Brul.INI neste gang en maskin leses inn.", "", "endrer ingenting selv"),
  (3, "Angre", "Angre", "Forkaster endringene på siden som vises, og leser den inn på nytt fra filen.", "", "endrer ingenting i filen"),
  (4, "OKBtn", "OK", "Lagrer endringene på siden som vises. Er en ny styring eller et nytt alternativ valgt, "
   "lagres forvalgene for styringen og alle maskinsidene.", "", "skriver bare nøkler som virkelig er endret"),
  (5, "Avslutt", "Avslutt", "Avslutter programmet. Har du ulagrede endringer, blir du spurt «Lagre endringer ?».", "", ""),
  (50, "PageControl1", "Sidene", "Sidene med innstillinger. Før du bytter side, blir ulagrede endringer enten lagret eller forkastet etter et spørsmål. "
   "Hvilke sider som vises, avhenger av protokollen og henteprogrammet på siden «Maskin».", "", ""),
 ]),
 (100, "Siden «Program»", "Innstillinger for hele installasjonen. De lagres i seksjonen [Program] og gjelder alle maskiner.", [
  (102, "Maskiner", "Maskiner:", "Antall maskiner i installasjonen. Maskinene har seksjonene [Maskin1] til [MaskinN]. "
   "Når du forlater feltet, bygges maskinvelgeren på nytt. Antallet må være fra 1 til 255: et tall utenfor (300, 0 eller tom tekst) "
   "avvises med en melding, og feltet får tilbake antallet som var i bruk. Et lagret antall leses som før: resten etter deling med 256, "
   "og 0 som 1.", "1", f"{PR}, nøkkel Maskiner"),
  (105, "VisMaskiner", "VisMaskiner:", "Hvor mange maskiner overføringsprogrammene viser. Feltet følger Maskiner mens du skriver der.", "samme som Maskiner", f"{PR}, nøkkel VisMaskiner (fjernes når verdien er lik Maskiner)"),
  (106, "Felleskataloger", "Maskinene bruker felles katalognivå", "Kryss av når maskinene deler ett felles katalognivå.", "av", f"{PR}, nøkkel FellesKataloger"),
  (107, "Vis", "Vis programoverføring på skjerm", "Overføringsprogrammene viser overføringene på skjermen.", "på", f"{PR}, nøkkel Vis"),
  (108, "UtKatalog", "Bruke egen utkatalog (Katalog2)", "Maskinene bruker en egen utkatalog, Katalog2 på siden «Henteprog2». "
   "Brukes også når du endrer en maskins katalog.", "av", f"{PR}, nøkkel UtKatalog"),
  (109, "VisAvsluttBoks", "Vis avsluttningsboks (bekrefte)", "Overføringsprogrammene ber om bekreftelse når de avsluttes.", "av", f"{PR}, nøkkel VisAvsluttBoks"),
  (110, "Hendelser", "Lagre hendelser ifm. overføring", "Hendelser ved overføringer lagres.", "av", f"{PR}, nøkkel Hendelser"),
  (111, "TekstFormat", "Tekstformat (gjelder Tarv-Editor)", "Tekstformat for redigeringsprogrammet.", "på", f"{PR}, nøkkel TekstFormat"),
  (112, "Indeks", "CNC oppdaterer filindeks", "Styringene oppdaterer en filindeks. Når du krysser av her, tilbys det å lage katalog/extension-listen: "
   "én seksjon per katalog med nøkkelen FilType (datakatalogen, hver maskins katalog og backupkatalog). Listen lages av maskinoppsettet slik det er lagret, "
   "og skrives med en gang, uavhengig av OK og Angre.", "av", f"{PR}, nøkkel Indeks; listen i seksjoner med katalognavnet"),
  (113, "Skriver", "Skriver:", "Skriverport eller skrivernavn for utskrift.", "LPT1", f"{PR}, nøkkel Skriver"),
  (114, "Matrise", "Matriseskriver (bruker ikke driver)", "Skriveren er en matriseskriver som styres uten skriverdriver.", "av", f"{PR}, nøkkel Matrise"),
  (115, "SideLengde", "Sidelengde:", "Antall linjer per side.", "57", f"{PR}, nøkkel SideLengde"),
  (116, "PJL", "Laserskriveren er utstyrt med PJL", "Laserskriveren forstår PJL-kommandoer.", "av", f"{PR}, nøkkel PJL"),
  (117, "BakFiler", "Opprette .Bak-filer ved lagring", "Det tas en .Bak-kopi når en fil lagres.", "på", f"{PR}, nøkkel BakFiler"),
 ]),
 (200, "Siden «Maskin»", "Grunnoppsettet for maskinen som er valgt nederst: navn, styring, port, protokoll og katalog. "
  "Velger du en ny styring eller et nytt alternativ, legges styringens forvalg inn ved neste OK.", [
  (201, "MaskinNavn", "Navn:", "Maskinens navn, slik det vises i maskinvelgeren.", "seksjonsnavnet, for eksempel MASKIN3", f"{M}, nøkkel Navn (alltid til stede etter lagring)"),
  (202, "Com", "Com-Port:", "Porten maskinen er koblet til, Com1 til Com26. Portens linjeinnstillinger ligger i en egen seksjon med portens navn, "
   "felles for alle maskiner på porten. Knappen «...» ved siden av viser hvilke maskiner som bruker hvilke porter.", "Com + maskinnummer + 2 (maskin 1: COM3)", f"{M}, nøkkel Port"),
  (203, "Styring", "Styring:", "Styringstypen. Når du velger en styring, fylles listen over alternativer, og styringens forvalg legges inn ved neste OK.", "tom", f"{M}, nøkkel Styring"),
  (204, "Baud", "Baud-rate:", "Overføringshastigheten på porten.", "4800", f"{P}, nøkkel Baud (alltid til stede etter lagring)"),
  (205, "Alternativ", "Alternariv:", "Variant av styringen. Listen avhenger av styringen.", "tom", f"{M}, nøkkel Alternativ"),
  (206, "HandShake", "Handshake:", "Håndtrykk på linjen: Ingen, Hardware (RTS/CTS), Software (Xon/Xoff), Forsinket Hardware eller Forsinket, begge. "
   "Valget lagres som fire av/på-verdier.", "Hardware (RTS/CTS)", f"{P}, nøklene HandShake, XonXoff, SendDelay og HardwareStart"),
  (207, "Katalog", "Katalog:", "Maskinens programkatalog. Dobbeltklikk for å velge katalog. Når du endrer katalogen, krysses «Opprett kataloger» av, "
   "og FtpKatalog følger med.", "datakatalogen + MaskinN\\ når den katalogen finnes, ellers datakatalogen", f"{M}, nøkkel Katalog (alltid til stede etter lagring)"),
  (208, "Ext", "Extension:", "Filendelsen til maskinens CNC-programmer.", "installasjonens Ext i [Program], ellers .NC", f"{M}, nøkkel Ext"),
  (209, "OpprettKataloger", "Opprett kataloger", "Når boksen er krysset av, oppretter neste OK maskinens kataloger.", "av", KMD),
  (210, "OpprettHenteprogram", "Opprett henteprogram", "Når boksen er krysset av, skriver forvalget for styringen henteprogrammene inn i maskinens katalog.", "av", KMD),
  (211, "DefaultBaud", "Default baud/handshake for styring", "Når boksen er krysset av, tar forvalget med styringens baud-rate og håndtrykk.", "av", KMD),
  (212, "Protokoll", "Protokoll:", "Overføringsprotokollen. Den bestemmer hvilke sider som vises.", "STANDARD", f"{M}, nøkkel Protokoll (alltid til stede etter lagring)"),
  (213, "ToolProtokoll", "Toolprotokoll:", "Protokollen for verktøydata.", "Ingen", f"{M}, nøkkel ToolProtokoll"),
  (214, "HenteProgram", "Henteprog:", "Typen henteprogram maskinen sender for å be om filer. Den bestemmer hvilke sider som vises.", "STANDARD", f"{M}, nøkkel HenteProgram (alltid til stede etter lagring)"),
  (215, "DirFilType", "DirFilType:", "Formatet på katalogfiler (fillister) til maskinen.", "Ingen", f"{M}, nøkkel DirFilType"),
 ]),
 (300, "Siden «Filer»", "Svar når en fil mangler, kvittering, backup, fjerning og bytting av tegn og filutvidelse for maskinen.", [
  (301, "IngenFil", "IngenFil:", "Svaret som sendes når en etterspurt fil ikke finnes.", "tom", f"{M}, nøkkel IngenFil"),
  (302, "FeilFil", "FeilFil:", "Svaret som sendes ved feil fil.", "tom", f"{M}, nøkkel FeilFil"),
  (303, "Kvittering", "Kvittering:", "Kvitteringsteksten.", "tom", f"{M}, nøkkel Kvittering"),
  (304, "KvitteringsTid", "Kvitteringstid:", "Tiden før kvittering.", "tom", f"{M}, nøkkel KvitteringsTid"),
  (305, "FeilMelding", "FeilMelding:", "Teksten til feilmeldinger.", "tom", f"{M}, nøkkel FeilMelding"),
  (306, "BackupKatalog", "Katalog:", "Backupkatalogen. Dobbeltklikk for å velge katalog. Lik maskinens katalog betyr at nøkkelen ikke lagres. "
   "Ligger backupkatalogen utenfor maskinens katalog, merkes maskinen i oversikten over ComPorter så lenge Antall filer ikke er 0.", "maskinens katalog", f"{M}, nøkkel BackupKatalog"),
  (307, "BackupFiles", "Antall filer:", "Hvor mange backupfiler som tas vare på.", "tom", f"{M}, nøkkel BackupFiles"),
  (308, "Utvid", "Utvid:", "Regel for filutvidelse.", "tom", f"{M}, nøkkel Utvid"),
  (309, "UtvidEkstra", "UtvidEkstra:", "Ekstra regel for filutvidelse.", "tom", f"{M}, nøkkel UtvidEkstra"),
  (310, "FjernLinje", "FjernLinje:", "Linjer som fjernes fra filen.", "tom", f"{M}, nøkkel FjernLinje"),
  (311, "FjernTegn", "FjernTegn:", "Tegn som fjernes. Styretegn skrives i klammer, for eksempel [NUL]. Skrives også fra siden «Mazak».", "tom", f"{M}, nøkkel FjernTegn"),
  (312, "FilFormat", "Filformat:", "Formatering av filen.", "Standard", f"{M}, nøkkel FilFormat"),
  (313, "ByttFra", "ByttFra:", "Tekst som skal byttes ut.", "tom", f"{M}, nøkkel ByttFra"),
  (314, "ByttTil", "ByttTil:", "Teksten den byttes med.", "tom", f"{M}, nøkkel ByttTil"),
  (315, "StoreBokstaver", "StoreBokstaver", "Gjør om til store bokstaver.", "av", f"{M}, nøkkel StoreBokstaver"),
 ]),
 (400, "Siden «Com»", "Linjeinnstillingene for maskinens port. De ligger i portens egen seksjon og gjelder alle maskiner som bruker samme port.", [
  (402, "BaudRate", "BaudRate", "Overføringshastigheten. Samme verdi som Baud-rate på siden «Maskin».", "4800", f"{P}, nøkkel Baud (alltid til stede etter lagring)"),
  (403, "HandShakeR", "HandShake", "Håndtrykk på linjen, som på siden «Maskin».", "Hardware (RTS/CTS)", f"{P}, nøklene HandShake, XonXoff, SendDelay og HardwareStart"),
  (404, "gruppen FjernNull", "FjernNull", "Avkrysningen «Fjerne Null tegn» fjerner null-tegn (NUL) fra det som mottas. Skrives også fra siden «Mazak».", "av", f"{P}, nøkkel FjernNull"),
  (406, "Paritet", "Paritet", "Paritet på linjen: Even, None eller Odd. Lagres som første bokstav.", "None (N)", f"{P}, nøkkel Paritet"),
  (407, "NyBlokkvis", "NyBlokkvis:", "Tegnene som starter en ny blokk ved blokkvis overføring. Styretegn skrives i klammer.", "[DC2]%", f"{P}, nøkkel NyBlokkvis"),
  (408, "BrytBlokkvis", "BrytBlokkvis:", "Tegnene som bryter blokkvis overføring.", "[EOT][ETX][DC4]", f"{P}, nøkkel BrytBlokkvis"),
  (409, "TegnKode", "Kode", "Tegnkoden på linjen.", "Iso", f"{P}, nøkkel Kode"),
  (410, "Bit", "Bit", "Antall databit.", "8", f"{P}, nøkkel Bit"),
  (411, "EOB", "EOB:", "Tegnene som avslutter en blokk (End Of Block).", "[CR][LF]", f"{P}, nøkkel EOB"),
  (412, "StoppBit", "StoppBit", "Antall stoppbit.", "1", f"{P}, nøkkel StoppBit"),
  (413, "TimeOut", "TimeOut:", "Tidsavbrudd, i tidsenheter (se TimeMuliplier).", "3", f"{P}, nøkkel TimeOut"),
  (414, "Break", "Break:", "Tid før brudd, i sekunder.", "samme som TimeOut", f"{P}, nøkkel Break (fjernes når verdien er lik TimeOut)"),
  (415, "TimeMultiplier", "TimeMuliplier (mS):", "Millisekunder per tidsenhet.", "1000", f"{P}, nøkkel TimeMultiplier"),
  (416, "ComDelay", "Delay:", "Forsinkelse på linjen.", "tom", f"{P}, nøkkel Delay"),
  (417, "StoppTid", "StoppTid", "Stopptid.", "tom", f"{P}, nøkkel StoppTid"),
 ]),
 (500, "Siden «Protokoll»", "Tegn som starter og avslutter et program, ekstra tegn og programflyt. Vises for protokollene som bruker dem.", [
  (501, "StartKode", "StartKode:", "Tegnet som starter et program.", "%", f"{M}, nøkkel StartKode (alltid til stede etter lagring mens siden vises)"),
  (502, "StoppTegn", "StoppTegn:", "Stopptegn.", "tom", f"{M}, nøkkel StoppTegn"),
  (503, "StoppKode", "StoppKode:", "Koden som avslutter et program.", "tom", f"{M}, nøkkel StoppKode"),
  (504, "StoppFeil", "StoppFeil:", "Koden ved feil.", "tom", f"{M}, nøkkel StoppFeil"),
  (505, "StartStoppKodeUt", "StartStoppKodeUt:", "Start- og stoppkoder sendes ut. Bare for protokollen BTR.", "motsatt av LagreKoder", f"{M}, nøkkel StartStoppKodeUt"),
  (506, "LagreKoder", "LagreKoder:", "Start- og stoppkoder lagres. Et klikk setter StartStoppKodeUt motsatt. Bare for protokollen BTR.", "av", f"{M}, nøkkel LagreKoder"),
  (507, "LagreAlt", "LagreAlt:", "Alt som mottas, lagres. Bare for protokollen BTR.", "på", f"{M}, nøkkel LagreAlt"),
  (508, "StartEkstra", "StartEkstra:", "Ekstra tegn før et program.", "tom", f"{M}, nøkkel StartEkstra"),
  (509, "StoppEkstra", "StoppEkstra:", "Ekstra tegn etter et program.", "tom", f"{M}, nøkkel StoppEkstra"),
  (510, "Ventetid", "Ventetid:", "Ventetid i programflyten.", "tom", f"{M}, nøkkel VenteTid"),
  (511, "RCC", "RCC (Remote Communication Control)", "Fjernstyrt kommunikasjon. Vises bare for protokollen ECHO.", "av", f"{M}, nøkkel RCC"),
 ]),
 (600, "Siden «Henteprog.»", "Tekstene som rammer inn lagring, henting, utskrift og katalogliste i henteprogrammene maskinen sender.", [
  (601, "BareTall", "Bare tall i filnavnet:", "Filnavnet består bare av tall.", "av", f"{M}, nøkkel BareTall"),
  (602, "StartLagre", "StartLagre:", "Teksten foran filnavnet ved lagring.", "(", f"{M}, nøkkel StartLagre"),
  (603, "StoppLagre", "StoppLagre:", "Teksten etter filnavnet ved lagring.", ")", f"{M}, nøkkel StoppLagre"),
  (604, "Hent", "Hent:", "Koden som ber om en fil.", "M30", f"{M}, nøkkel Hent"),
  (605, "StartHent", "StartHent:", "Teksten foran filnavnet ved henting.", "(", f"{M}, nøkkel StartHent"),
  (606, "StoppHent", "StoppHent:", "Teksten etter filnavnet ved henting.", ")", f"{M}, nøkkel StoppHent"),
  (607, "Print", "Print:", "Koden som ber om utskrift.", "(P)(", f"{M}, nøkkel Print"),
  (608, "StartPrint", "StartPrint:", "Teksten foran filnavnet ved utskrift.", "samme som Print", f"{M}, nøkkel StartPrint (fjernes når verdien er lik Print)"),
  (609, "StoppPrint", "StoppPrint", "Teksten etter filnavnet ved utskrift.", ")", f"{M}, nøkkel StoppPrint"),
  (610, "DirHent", "DirHent:", "Koden som ber om en katalogliste.", "(D)(", f"{M}, nøkkel DirHent"),
  (611, "StartDir", "StartDir:", "Teksten foran katalognavnet.", "samme som DirHent", f"{M}, nøkkel StartDir (fjernes når verdien er lik DirHent)"),
  (612, "StoppDir", "StoppDir:", "Teksten etter katalognavnet.", ")", f"{M}, nøkkel StoppDir"),
  (613, "FilNavnProgram", "FilNavnProg:", "Filnavnet tas fra programmet.", "av", f"{M}, nøkkel FilNavnProgram"),
  (614, "MaxLengde", "MaxLengde:", "Største lengde på filnavnet. Samme verdi som MaxLengde på siden «Tool/Dir».", "20", f"{M}, nøkkel MaxLengde"),
  (615, "MaxLinjer", "MaxLinjer:", "Største antall linjer.", "4", f"{M}, nøkkel MaxLinjer"),
  (616, "Tool", "Tool:", "Koden for verktøydata. StartHent og StoppHent brukes for å finne filnavnet.", "tom", f"{M}, nøkkel Tool"),
  (617, "MaxHent", "MaxHent:", "Største antall tegn i en henteforespørsel.", "100", f"{M}, nøkkel MaxHent"),
  (618, "KatalogTegn", "Katalogtegn:", "Tegnet som skiller kataloger i filnavn.", "/", f"{M}, nøkkel KatalogTegn"),
 ]),
 (700, "Siden «Henteprog2»", "Et andre sett med hentetekster og en egen utkatalog. En verdi som er lik motstykket på «Henteprog.» eller «Maskin», lagres ikke.", [
  (701, "StartLagre2", "StartLagre2:", "Andre sett av StartLagre.", "samme som StartLagre", f"{M}, nøkkel StartLagre2"),
  (702, "StoppLagre2", "StoppLagre2:", "Andre sett av StoppLagre.", "samme som StoppLagre", f"{M}, nøkkel StoppLagre2"),
  (703, "Hent2", "Hent2:", "Andre sett av Hent.", "samme som Hent", f"{M}, nøkkel Hent2"),
  (704, "StartHent2", "StartHent2:", "Andre sett av StartHent.", "samme som StartHent", f"{M}, nøkkel StartHent2"),
  (705, "StoppHent2", "StoppHent2:", "Andre sett av StoppHent.", "samme som StoppHent", f"{M}, nøkkel StoppHent2"),
  (706, "Katalog2", "Katalog2:", "Egen utkatalog, brukt når «Bruke egen utkatalog» er krysset av på siden «Program».", "samme som Katalog", f"{M}, nøkkel Katalog2"),
  (707, "Ext2", "Extension2:", "Filendelse for utkatalogen.", "samme som Ext", f"{M}, nøkkel Ext2"),
 ]),
 (800, "Siden «Tool/Dir»", "Verktøydata og katalogliste for maskinen.", [
  (801, "ToolProgramNr", "ToolProgramNr", "Programnummeret for verktøydata. Ett blankt tegn fjerner nøkkelen.", "tom", f"{M}, nøkkel ToolProgramNr"),
  (802, "DirProgramNr", "DirProgramNr", "Programnummeret for katalogliste.", "tom", f"{M}, nøkkel DirProgramNr"),
  (803, "ToolReg", "ToolReg", "Register eller fil for målte verktøydata.", "tom", f"{M}, nøkkel ToolReg"),
  (804, "TimeSize", "TimeSize", "Hva kataloglisten viser: Ingen, Time (tid), Size (størrelse) eller TimeSize (begge).", "Ingen", f"{M}, nøklene TimeSize, Time og Size"),
  (805, "NomReg", "NomReg", "Register eller fil for nominelle verktøydata. Et register må være likt ToolReg; et filnavn med filendelse kontrolleres ikke.", "tom", f"{M}, nøkkel NomReg"),
  (806, "AutoToolLoad", "AutoToolLoad", "Verktøydata lastes automatisk.", "av", f"{M}, nøkkel AutoToolLoad"),
  (807, "SlettToolReg", "SlettToolReg", "Verktøyregisteret slettes.", "av", f"{M}, nøkkel SlettToolReg"),
  (808, "ToolLagre", "ToolLagre:", "Lagring av verktøydata.", "tom", f"{M}, nøkkel ToolLagre"),
  (809, "ToolMult", "ToolMult:", "Multiplikator for verktøydata.", "tom", f"{M}, nøkkel ToolMult"),
  (810, "ToolDesimaler", "Desimaler:", "Antall desimaler i verktøydata.", "tom", f"{M}, nøkkel ToolDesimaler"),
  (811, "MaxLengdeD", "MaxLengde:", "Største lengde på filnavnet. Samme verdi som MaxLengde på siden «Henteprog.».", "20", f"{M}, nøkkel MaxLengde"),
 ]),
 (900, "Siden «Mazak»", "Innstillinger for Mazatrol-styringer.", [
  (901, "MazatrolAuto", "Autoinstilling", "Fyller både programnummeret og kommentarfeltet med 3-tall. Når boksen er krysset av, lagres ProgLinje=0 og TekstLinje=0; "
   "uten kryss settes begge tilbake til 1 (nøklene fjernes).", "av", f"{M}, nøklene ProgLinje og TekstLinje"),
  (902, "MazPrint", "Printing", "Utskrift. Når boksen er krysset av, slås FjernNull i portseksjonen av og FjernTegn blir [NUL]; uten kryss slås FjernNull på "
   "og FjernTegn fjernes. Lagres bare når siden «Mazak» er den som vises.", "på når FjernNull er av", f"{P}, nøkkel FjernNull, og {M}, nøkkel FjernTegn"),
  (903, "MazExt", "MazatrolExtension:", "Filendelsen til Mazatrol-programmer.", ".Maz", f"{M}, nøkkel MazExt"),
  (904, "MazatrolNavn", "MazatrolNavn", "Mazatrol-navngiving av filer.", "av", f"{M}, nøkkel MazatrolNavn"),
  (905, "HenteProgramNr", "HenteProgramNr:", "Programnummeret for henting.", "tom", f"{M}, nøkkel HenteProgramNr"),
  (906, "Hent5000", "Hent5000", "Henting for Mazatrol 5000.", "av", f"{M}, nøkkel Hent5000"),
  (907, "Robot", "Robot (MaskinNr):", "Maskinnummeret til en robot.", "tom", f"{M}, nøkkel Robot"),
  (908, "SjekkFormat", "SjekkFormat", "Stella/X-Cam konvertering.", "av", f"{M}, nøkkel SjekkFormat"),
 ]),
 (1000, "Siden «Terminal»", "Innstillinger for en håndterminal: maskinene den betjener og funksjonstastene.", [
  (1001, "TerminalMaskiner", "Maskin:", "Maskinen eller maskinene terminalen betjener. Samme nøkkel som Maskin på siden «LoggeBoks».", "tom", f"{M}, nøkkel Maskin"),
  (1002, "OppdaterMaskiner", "Oppdater maskiner", "Når boksen er krysset av, setter neste OK FilNavnProgram på for maskinene som står i F1 til F5.", "av", KMD),
  (1003, "F1", "F1:", "Maskinen som hører til funksjonstast F1.", "tom", f"{M}, nøkkel F1"),
  (1004, "F2", "F2:", "Maskinen som hører til funksjonstast F2.", "tom", f"{M}, nøkkel F2"),
  (1005, "F3", "F3:", "Maskinen som hører til funksjonstast F3.", "tom", f"{M}, nøkkel F3"),
  (1006, "F4", "F4:", "Maskinen som hører til funksjonstast F4.", "tom", f"{M}, nøkkel F4"),
  (1007, "F5", "F5:", "Maskinen som hører til funksjonstast F5.", "tom", f"{M}, nøkkel F5"),
 ]),
 (1100, "Siden «Parallell»", "Det parallelle hullbåndleserkortet. Siden vises for protokollene som bruker kortet.", [
  (1101, "Adresse", "Adresse:", "I/O-adressen til kortet, heksadesimal med $ foran. (Adressen settes i registry for maskiner med NT.)", "$1B0", f"{M}, nøkkel Adresse"),
  (1102, "BareFram", "BareFram", "Båndet går bare forover.", "av", f"{M}, nøkkel BareFram"),
  (1103, "Punch", "Punch", "Stanser er tilgjengelig.", "av", f"{M}, nøkkel Punch"),
  (1104, "ParallellKode", "Kode", "Tegnkoden på kortet.", "Iso", f"{M}, nøkkel Kode"),
  (1105, "InvMotor", "InvMotor", "Motorsignalet er invertert.", "av", f"{M}, nøkkel InvMotor"),
  (1106, "InvRetning", "InvRetning", "Retningssignalet er invertert.", "av", f"{M}, nøkkel InvRetning"),
  (1107, "InvRead", "InvRead", "Lesesignalet er invertert.", "av", f"{M}, nøkkel InvRead"),
  (1108, "InvSpocket", "InvSpocket", "Transporthullsignalet er invertert.", "av", f"{M}, nøkkel InvSpocket"),
  (1109, "TimeOutP", "TimeOut:", "Tidsavbrudd for kortet.", "3", f"{M}, nøkkel TimeOut"),
  (1110, "BreakP", "Break:", "Tid før brudd.", "samme som TimeOut", f"{M}, nøkkel Break (fjernes når verdien er lik TimeOut)"),
  (1111, "ParDelay", "Delay:", "Forsinkelse.", "2", f"{M}, nøkkel Delay"),
  (1112, "StartPos", "Startposisjon", "Startposisjonen på båndet.", "tom", f"{M}, nøkkel StartPos"),
 ]),
 (1200, "Siden «Forinnst.»", "Koblingen til verktøyforinnstilleren. Knappen med tips forklarer kolonnene i tabellen.", [
  (1201, "Forinstiller", "Forinnstiller:", "Modellen av forinnstilleren.", "Ingen", f"{M}, nøkkel Forinstiller (skrives også når verdien er Ingen)"),
  (1202, "SlettTool", "SlettTool:", "Sletting av verktøydata.", "tom", f"{M}, nøkkel SlettTool"),
  (1203, "StortProgNr", "StortProgNr", "Store programnummer.", "av", f"{M}, nøkkel StortProgNr"),
  (1204, "ForInstPrint", "Print", "Utskrift fra forinnstilleren.", "av", f"{M}, nøkkel Print (samme nøkkel som Print på siden «Henteprog.»)"),
  (1205, "ToolGrid", "Tabellen", "Én linje per system: Sys (systemnummer, ett for hver maskin), Type (Drei, Diameter, Radius, Fres, Div2), "
   "ProgDiv (divisjon for å finne filnavn, for eksempel 100), Mask (maskinen som får filnavnet oppdatert), "
   "NomSjekk (0=Aldri, 1=Hvis verktøy, 2=Hvis fil, 3=Alltid), ToolReg (målte data) og NomReg (nominelle data). "
   "Under maskinen bør også Katalog, Ext, ToolReg, NomReg og MaxLengde settes.", "ingen systemer",
   f"{M}, nøklene Systemn, ProgDivn, FilNavnn, NomSjekkn, ToolRegn og NomRegn for system n"),
 ]),
 (1300, "Siden «Annet»", "Frie variabler for maskinen.", [
  (1301, "AnnetGrid", "Tabellen", "Én linje per variabel: VariabelNavn er navnet, Verdi er verdien. En verdi lik navnet fjerner variabelen fra filen; "
   "et tomt navn fjerner bare plassen (nøkkelen Variabelr).", "ingen variabler",
   f"{M}, nøkkelen Variabelr med navnet og en nøkkel med variabelens navn som holder verdien"),
 ]),
 (1400, "Siden «Logging»", "Loggefil og makroprogram for maskinen.", [
  (1401, "LoggeFil", "LoggeFil:", "Filen hendelser logges til.", "tom", f"{M}, nøkkel LoggeFil"),
  (1402, "MakroProgram", "Makroprogram:", "Typen makroprogram: Fanuc, Ingen, Parenteser eller Standard.", "Ingen", f"{M}, nøkkel MakroProgram"),
  (1403, "Makro", "Makro:", "Makroen.", "tom", f"{M}, nøkkel Makro"),
  (1404, "StartHendelse", "StartHendelse:", "Hendelsen som starter makroen.", "tom", f"{M}, nøkkel StartHendelse"),
  (1405, "StoppHendelse", "StoppHendelse:", "Hendelsen som stopper makroen.", "tom", f"{M}, nøkkel StoppHendelse"),
  (1406, "StartParameter", "StartParameter:", "Parameter ved start.", "tom", f"{M}, nøkkel StartParameter"),
  (1407, "StoppParameter", "StoppParameter:", "Parameter ved stopp.", "tom", f"{M}, nøkkel StoppParameter"),
 ]),
 (1500, "Siden «LoggeBoks»", "Loggeboksen melder seksten inngangsbit fra maskinen. Tabellen knytter en hendelse til hver bit av og på.", [
  (1501, "LoggeMaskin", "Maskin:", "Maskinen loggeboksen hører til. Samme nøkkel som Maskin på siden «Terminal».", "tom", f"{M}, nøkkel Maskin"),
  (1502, "MaskeInv", "MaskInv:", "Maske for inverterte inngangsbit.", "tom", f"{M}, nøkkel MaskeInv"),
  (1503, "SjekkTid", "SjekkTid:", "Hvor ofte bitene sjekkes.", "tom", f"{M}, nøkkel SjekkTid"),
  (1504, "BoksGrid", "Tabellen", "Én linje per bit og tilstand (Bit0,1 er bit 0 på, Bit0,0 bit 0 av). Hendelse velges fra listen eller skrives som kode; "
   "Parameter og Kommentar er fri tekst.", "ingen hendelser", f"{M}, nøklene Bitb,t, ParameterBitb,t og KommentarBitb,t"),
 ]),
]


# What each value does in practice, and a value typical of a real machine.
MER = {
 "MaskinBoks": ("", "maskinen du arbeider med oftest"),
 "Maskiner": ("", "så mange maskiner som verkstedet har koblet til, for eksempel 5"),
 "VisMaskiner": ("Sett et lavere tall for å skjule de siste maskinene i overføringsprogrammene uten å slette oppsettet deres.", "samme som Maskiner"),
 "Felleskataloger": ("Kryss av når alle maskinenes kataloger ligger på samme nivå under én felles katalog.", "av"),
 "Vis": ("Operatøren ser da hvilken fil som sendes eller mottas og hvor langt overføringen er kommet.", "på"),
 "VisAvsluttBoks": ("Det hindrer at en overføring avbrytes ved et uhell.", "av"),
 "Hendelser": ("Hver sending, mottak og feil noteres, slik at du senere kan se hva som ble overført til hvilken maskin.", "på når overføringene skal kunne spores"),
 "TekstFormat": ("Gjelder bare redigeringsprogrammet Tarv-Editor, ikke overføringene til maskinene.", "på"),
 "Skriver": ("Utskrifter av CNC-programmer fra overføringsprogrammene går hit.", "LPT1"),
 "Matrise": ("Kryss av bare for en gammel matriseskriver som får teksten direkte på porten.", "av"),
 "SideLengde": ("Etter så mange linjer begynner utskriften på en ny side.", "57 for A4 med vanlig skrift"),
 "PJL": ("Kryss av når skriveren forstår PJL, så sendes jobben med PJL-kommandoer foran.", "av"),
 "BakFiler": ("Den forrige utgaven av en fil som overskrives, tas vare på som .Bak, slik at den kan hentes tilbake.", "på"),
 "MaskinNavn": ("Gi maskinen et navn operatørene kjenner igjen, gjerne med styringen og plasseringen.", "FRES HERMLE C30 (HEIDENHAIN)"),
 "Com": ("", "Com3"),
 "Styring": ("", "styringen som står på maskinen, for eksempel Fanuc"),
 "Baud": ("Må være den samme som i styringens parametere; er den feil, blir det ingen eller uleselig overføring.", "9600"),
 "Alternativ": ("Velg den varianten som passer hvordan programmene er skrevet på maskinen; forvalget bruker den ved neste OK.", "Normalt oppsett"),
 "HandShake": ("", "Hardware (RTS/CTS)"),
 "Katalog": ("", "C:\\BRUL\\MASKIN1\\"),
 "Ext": ("Programmer som mottas fra maskinen, lagres med denne endelsen, og de som sendes, letes etter med den.", ".NC"),
 "OpprettKataloger": ("Bruk den for en ny maskin, så lages både katalogen og backupkatalogen under den.", "av"),
 "OpprettHenteprogram": ("", "av"),
 "DefaultBaud": ("La den være av når porten allerede er satt opp og skal beholde sine verdier.", "av"),
 "Protokoll": ("Velg protokollen styringen bruker på linjen; sidene for den vises, de andre skjules.", "Standard"),
 "ToolProtokoll": ("Velg formatet styringen bruker for verktøydata; Ingen når maskinen ikke sender eller mottar verktøydata.", "Ingen"),
 "HenteProgram": ("", "Standard"),
 "DirFilType": ("Velg formatet styringen forstår, slik at operatøren kan be om en liste over programmene i maskinens katalog.", "Ingen"),
 "IngenFil": ("Teksten er et lite CNC-program som maskinen får i stedet, slik at operatøren ser at filen mangler.", "%[LF]:5008[LF](FINNER IKKE FILEN)[LF]M30[LF]%"),
 "FeilFil": ("Brukes når det som ble bedt om, ikke kan sendes; enkelte forvalg peker på en fil i maskinens katalog.", "tom, eller C:\\BRUL\\MASKIN3\\IngenFil.Maz"),
 "Kvittering": ("Sendes til maskinen etter at et program er mottatt og lagret; #N settes inn som filnavnet og #B som antall tegn.", "%[LF]:5005[LF](LAGRET #N, #B TEGN)[LF]M30[LF]%"),
 "KvitteringsTid": ("Tiden som hører til kvitteringen; forvalgene setter 10 når de gir en kvittering og lar feltet være tomt ellers.", "10"),
 "FeilMelding": ("Sendes til maskinen når et mottatt program ikke kunne lagres; #N settes inn som filnavnet.", "%[LF]:5009[LF](LAGRING AV #N FEILET)[LF]M30[LF]%"),
 "BackupKatalog": ("", "C:\\BRUL\\MASKIN1\\BACKUP\\"),
 "BackupFiles": ("Når et program overskrives, flyttes den gamle utgaven til backupkatalogen; så mange eldre utgaver beholdes.", "3"),
 "Utvid": ("Tom når mottatte filer ikke skal utvides. Må operatøren trykke «Read» mellom hvert program, bør Break-tiden på siden «Com» være ca. 10 sekunder.", "tom"),
 "UtvidEkstra": ("Brukes i tillegg til Utvid når ett regelsett ikke er nok.", "tom"),
 "FjernLinje": ("Linjer som passer med denne teksten, tas ut av programmene; tom betyr at alle linjer beholdes.", "tom, eller * som enkelte forvalg setter"),
 "FjernTegn": ("", "tom"),
 "FilFormat": ("Bestemmer hvordan linjene i mottatte programmer skrives til disken.", "Standard"),
 "ByttFra": ("Hvert tegn her byttes med tegnet på samme plass i ByttTil når programmet overføres; nyttig for tegn styringen ikke har.", "{}ÆØÅ\\"),
 "ByttTil": ("Må ha like mange tegn som ByttFra.", "()AOA/"),
 "StoreBokstaver": ("Kryss av når styringen bare forstår store bokstaver; programmene sendes da med store bokstaver.", "av"),
 "BaudRate": ("Må være den samme som i styringens parametere.", "9600"),
 "HandShakeR": ("Hardware krever at kabelen har RTS/CTS koblet; Software bruker Xon/Xoff-tegn på linjen.", "Hardware (RTS/CTS)"),
 "Paritet": ("Må stemme med styringens parameter; de fleste styringer bruker Even med 7 databit eller None med 8.", "Even"),
 "NyBlokkvis": ("", "[DC2]%"),
 "BrytBlokkvis": ("Når styringen sender disse tegnene, avbrytes den blokkvise overføringen.", "[EOT][ETX][DC4]"),
 "TegnKode": ("Iso er vanlig; EIA brukes bare av eldre styringer.", "Iso"),
 "Bit": ("Må stemme med styringens parameter; 7 databit går sammen med paritet Even, 8 med None.", "7 med paritet Even, 8 med None"),
 "EOB": ("Tegnene som skrives ved linjeslutt i programmene som sendes; de fleste styringer bruker [CR][LF] eller [LF].", "[CR][LF]"),
 "StoppBit": ("Må stemme med styringens parameter; nesten alle styringer bruker 1 stoppbit.", "1, eller 2 for eldre styringer"),
 "TimeOut": ("Kommer det ikke tegn på så lenge, regnes overføringen som ferdig eller avbrutt.", "3 (med TimeMultiplier 1000: tre sekunder)"),
 "Break": ("Pausen som tåles mellom to programmer i samme overføring; må operatøren trykke «Read» mellom hvert program, sett den til ca. 10 sekunder.", "samme som TimeOut, for eksempel 5"),
 "TimeMultiplier": ("TimeOut og Break ganges med dette tallet; 1000 gjør dem til sekunder.", "1000"),
 "ComDelay": ("Pause mellom tegnene som sendes, for styringer som ikke tåler full fart.", "tom, eller 1"),
 "StoppTid": ("En tid knyttet til stopp på linjen; de fleste maskiner trenger den ikke.", "tom"),
 "StartKode": ("Tegnet som markerer programstart på linjen; det må være det samme som styringen bruker.", "%"),
 "StoppTegn": ("Når styringen sender dette tegnet, regnes overføringen som avsluttet.", "[EOT], eller tom"),
 "StoppKode": ("Koden som markerer slutten av programmet ved mottak.", "M30, eller tom"),
 "StoppFeil": ("Koden styringen sender når overføringen avbrytes med feil.", "tom"),
 "StartStoppKodeUt": ("Kryss av når maskinen skal få start- og stoppkodene sammen med programmet.", "motsatt av LagreKoder"),
 "LagreKoder": ("Kryss av når start- og stoppkodene skal med i filen som lagres.", "av"),
 "LagreAlt": ("Med denne på lagres også tegn utenfor start- og stoppkoden.", "på"),
 "StartEkstra": ("Sendes foran hvert program, for eksempel linjeskift som styringen trenger før starttegnet.", "[CR][LF], eller tom"),
 "StoppEkstra": ("Tegnene sendes etter hvert program, for eksempel linjeskift som skyver programmet ut av styringens buffer.", "[LF][LF], eller tom"),
 "Ventetid": ("En pause i programflyten, slik at styringen rekker å bli klar; forvalgene setter 10 eller 15 der styringen trenger det.", "tom, eller 10"),
 "RCC": ("Kryss av når maskinen styrer overføringene selv med RCC-kommandoer.", "av"),
 "BareTall": ("Kryss av når styringen bruker programnummer i stedet for navn, så filnavnene består av tall.", "av"),
 "StartLagre": ("Filnavnet et mottatt program lagres under, står i programmet mellom StartLagre og StoppLagre.", "("),
 "StoppLagre": ("Avslutter filnavnet som StartLagre begynner.", ")"),
 "Hent": ("Når maskinen sender et program som inneholder denne koden, tolkes det som en forespørsel om å få en fil tilsendt.", "M30"),
 "StartHent": ("Filnavnet i forespørselen står etter denne teksten.", "(MSG,"),
 "StoppHent": ("Filnavnet i forespørselen slutter foran denne teksten.", ")"),
 "Print": ("En forespørsel med denne koden skriver ut filen i stedet for å sende den.", "(P)("),
 "StartPrint": ("Filnavnet i en utskriftsforespørsel står etter denne teksten.", "samme som Print"),
 "StoppPrint": ("Filnavnet i en utskriftsforespørsel slutter foran denne teksten.", ")"),
 "DirHent": ("En forespørsel med denne koden får tilbake en liste over filene i katalogen.", "(D)("),
 "StartDir": ("Katalognavnet i forespørselen står etter denne teksten.", "samme som DirHent"),
 "StoppDir": ("Katalognavnet i forespørselen slutter foran denne teksten.", ")"),
 "FilNavnProgram": ("Kryss av når filnavnet skal tas fra selve programmet som mottas.", "av"),
 "MaxLengde": ("Lengre navn kortes av når filen lagres, slik at styringen kan bruke navnet.", "20"),
 "MaxLinjer": ("Begrenser hvor mange linjer som brukes; forvalgene for styringene setter 4 eller 6.", "4"),
 "Tool": ("", "N5003[32]"),
 "MaxHent": ("Lengre forespørsler regnes som vanlige programmer og lagres.", "300"),
 "KatalogTegn": ("Tegnet operatøren skriver mellom katalog og filnavn i en forespørsel.", "/"),
 "StartLagre2": ("Brukes når programmer lagres i utkatalogen.", "samme som StartLagre"),
 "StoppLagre2": ("Brukes når programmer lagres i utkatalogen.", "samme som StoppLagre"),
 "Hent2": ("Forespørsler med denne koden hentes fra utkatalogen.", "samme som Hent"),
 "StartHent2": ("Filnavnet i en forespørsel etter Hent2 står etter denne teksten.", "samme som StartHent"),
 "StoppHent2": ("Filnavnet i en forespørsel etter Hent2 slutter foran denne teksten.", "samme som StoppHent"),
 "Katalog2": ("", "C:\\BRUL\\MASKIN1\\UT\\"),
 "Ext2": ("Programmer som lagres i eller hentes fra utkatalogen, har denne endelsen.", "samme som Ext, for eksempel .NC"),
 "ToolProgramNr": ("Når maskinen ber om dette programnummeret, får den verktøydataene i stedet for en fil.", "tom"),
 "DirProgramNr": ("Når maskinen ber om dette programnummeret, får den kataloglisten.", "tom, eller :5006"),
 "ToolReg": ("Hit skrives verktøydataene maskinen måler, slik at forinnstilleren og andre programmer kan lese dem.", "tom"),
 "TimeSize": ("", "Ingen"),
 "NomReg": ("", "tom"),
 "AutoToolLoad": ("Kryss av når maskinen skal få verktøydataene uten å be om dem.", "av"),
 "SlettToolReg": ("Kryss av når registeret skal tømmes etter at dataene er sendt.", "av"),
 "ToolLagre": ("Koden som skrives foran verktøydataene når de lagres.", "G10G90"),
 "ToolMult": ("Verktøymålene ganges med dette tallet før de sendes.", "tom"),
 "ToolDesimaler": ("Så mange desimaler skrives i verktøymålene.", "tom, eller 3"),
 "MaxLengdeD": ("Lengre navn kortes av når filen lagres.", "20"),
 "MazatrolAuto": ("", "på"),
 "MazPrint": ("", "av"),
 "MazExt": ("Mazatrol-programmer som mottas, lagres med denne endelsen.", ".Maz"),
 "MazatrolNavn": ("Kryss av når filene skal få navn etter Mazatrol-programmets nummer og navn.", "av"),
 "HenteProgramNr": ("Programnummeret maskinen ber om for å hente et program.", "5000"),
 "Hent5000": ("Kryss av når maskinen er en Mazatrol 5000, som henter programmer på sin egen måte.", "av"),
 "Robot": ("Nummeret til maskinen som roboten betjener.", "tom"),
 "SjekkFormat": ("Kryss av når programmer fra Stella eller X-Cam skal gjøres om ved mottak.", "av"),
 "TerminalMaskiner": ("", "tom"),
 "OppdaterMaskiner": ("", "av"),
 "F1": ("Når operatøren trykker F1 på terminalen, gjelder valget denne maskinen.", "1"),
 "F2": ("Når operatøren trykker F2 på terminalen, gjelder valget denne maskinen.", "2"),
 "F3": ("Når operatøren trykker F3 på terminalen, gjelder valget denne maskinen.", "3"),
 "F4": ("Når operatøren trykker F4 på terminalen, gjelder valget denne maskinen.", "4"),
 "F5": ("Når operatøren trykker F5 på terminalen, gjelder valget denne maskinen.", "5"),
 "Adresse": ("", "$1B0"),
 "BareFram": ("Kryss av for båndlesere som ikke kan spole tilbake.", "av"),
 "Punch": ("Kryss av når det er en båndstanser på kortet.", "av"),
 "ParallellKode": ("Iso er vanlig; EIA brukes for eldre bånd.", "Iso"),
 "InvMotor": ("Kryss av når båndleseren starter motoren på lavt signal.", "av"),
 "InvRetning": ("Kryss av når båndleseren har motsatt retningssignal.", "av"),
 "InvRead": ("Kryss av når båndleseren gir lesesignalet lavt.", "av"),
 "InvSpocket": ("Kryss av når transporthullsignalet er lavt; følger vanligvis InvRead.", "av"),
 "TimeOutP": ("Kommer det ikke signal fra båndleseren på så lenge, avbrytes overføringen.", "3"),
 "BreakP": ("Hvor lenge båndleseren må være stille før det som er lest, regnes som ferdig.", "samme som TimeOut"),
 "ParDelay": ("En pause mellom tegnene mot båndleseren, for lesere som ikke tåler full fart.", "1 eller 3"),
 "StartPos": ("Angir hvor på båndet lesingen begynner; tom når båndet leses fra begynnelsen.", "tom"),
 "Forinstiller": ("Velg forinnstilleren verkstedet bruker; Ingen når verktøy ikke måles på forhånd.", "Ingen"),
 "SlettTool": ("Styrer sletting av gamle verktøydata når nye kommer fra forinnstilleren; tom når ingenting skal slettes.", "tom"),
 "StortProgNr": ("Kryss av når maskinen bruker programnummer med flere sifre enn vanlig.", "av"),
 "ForInstPrint": ("Kryss av når forinnstillerens data også skal skrives ut.", "av"),
 "ToolGrid": ("", "én linje per maskin med systemnummer, type og ProgDiv 100"),
 "AnnetGrid": ("", "ingen, eller for eksempel SPINDEL med en verdi"),
 "LoggeFil": ("Hver hendelse skrives som en linje i denne filen.", "C:\\BRUL\\LOGG\\MASKIN1.LOG"),
 "MakroProgram": ("Velg formatet makroen er skrevet i; Ingen når det ikke kjøres noen makro.", "Ingen"),
 "Makro": ("Programmet eller kommandoen som kjøres mellom start- og stopphendelsen.", "tom"),
 "StartHendelse": ("Når denne hendelsen kommer fra maskinen, startes makroen.", "tom, eller 1 (Program start)"),
 "StoppHendelse": ("Når denne hendelsen kommer fra maskinen, stoppes makroen.", "tom, eller 2 (Program slutt)"),
 "StartParameter": ("Teksten gis videre til makroen når den startes av StartHendelse.", "tom"),
 "StoppParameter": ("Teksten gis videre til makroen når den stoppes av StoppHendelse.", "tom"),
 "LoggeMaskin": ("", "maskinens nummer, for eksempel 5"),
 "MaskeInv": ("Bitene som er satt i masken, leses invertert, for innganger som er aktive lave.", "tom, eller 0"),
 "SjekkTid": ("Kortere tid fanger korte signaler, men gir mer trafikk på linjen.", "tom, eller 1"),
 "UtKatalog": ("", "av"),
 "Indeks": ("", "av"),
 "gruppen FjernNull": ("", "av"),
 "BoksGrid": ("", "Bit0,1 = 1:Program start og Bit0,0 = 2:Program slutt"),
}


def side(tittel, kropp, opp=None):
    lenke = f'<p class="nav"><a href="{opp}">Tilbake</a> · <a href="index.html">Innhold</a></p>' if opp else ""
    return ("<!DOCTYPE html>\n<html lang=\"no\">\n<head>\n<meta charset=\"utf-8\">\n"
            f"<title>{html.escape(tittel)}</title>\n</head>\n<body>\n<h1>{html.escape(tittel)}</h1>\n"
            f"{kropp}{lenke}\n</body>\n</html>\n")


def skriv(navn, tekst):
    with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), navn), "w", encoding="utf-8", newline="\n") as f:
        f.write(tekst)


def main():
    innhold = []
    for nr, tittel, beskrivelse, kontroller in SIDER:
        liste = "".join(
            f'<li><a href="{k[0]}.html">{html.escape(k[2])}</a> ({html.escape(k[1])})</li>\n' for k in kontroller)
        skriv(f"{nr}.html", side(tittel, f"<p>{html.escape(beskrivelse)}</p>\n<ul>\n{liste}</ul>\n", "index.html"))
        innhold.append(f'<li><a href="{nr}.html">{html.escape(tittel)}</a></li>\n')
        for knr, navn, ledetekst, forklaring, standard, lagring in kontroller:
            utdyping, typisk = MER.get(navn, ("", ""))
            if utdyping:
                forklaring += " " + utdyping
            rader = ""
            if standard:
                rader += f"<tr><th>Standard</th><td>{html.escape(standard)}</td></tr>\n"
            if typisk:
                rader += f"<tr><th>Typisk</th><td>{html.escape(typisk)}</td></tr>\n"
            if lagring:
                rader += f"<tr><th>Lagres i</th><td>{html.escape(lagring)}</td></tr>\n"
            rader += f"<tr><th>Kontroll</th><td>{html.escape(navn)} (hjelpenummer {knr})</td></tr>\n"
            kropp = f"<p>{html.escape(forklaring)}</p>\n<table>\n{rader}</table>\n"
            skriv(f"{knr}.html", side(f"{ledetekst.rstrip(':')} – {tittel}", kropp, f"{nr}.html"))
    kropp = ("<p>Brul.INI redigerer innstillingsfilen Brul.ini for DNC-installasjonen. Velg maskin nederst i vinduet, "
             "rediger én side om gangen og lagre med OK. Trykk F1 på et felt, eller høyreklikk og velg «Hva er dette ?», "
             "for å få hjelp til feltet.</p>\n<p>Verdier leses tilbake med store bokstaver. En tekstverdi som settes tilbake "
             "til standardverdien, fjernes fra filen; noen nøkler, som Navn, Katalog, Protokoll og Baud, "
             "lagres likevel alltid.</p>\n"
             f"<h2>Emner</h2>\n<ul>\n{''.join(innhold)}</ul>\n")
    skriv("index.html", side("Hjelp til Brul.INI", kropp))


if __name__ == "__main__":
    main()
