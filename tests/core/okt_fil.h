#pragma once
// The settings file as the operator-session test sees it: the raw bytes cut
// into sections (header line and the lines up to the next header), so that a
// change can be told apart section by section without trusting the store.
// Also the odd start files the sessions are played on.
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "platform/kodeside.h"
#include "platform/tekst.h"

namespace brul::test::okt {

struct Blokk {
  std::string navn;                 // folded (upper case, UTF-8); empty for the lines before the first header
  std::vector<std::string> linjer;  // with their line endings, byte for byte
};

inline bool Blank(char c) { return c == ' ' || c == '\t'; }

inline std::string Trim(const std::string& s) {
  size_t a = 0, b = s.size();
  while (a < b && Blank(s[a])) ++a;
  while (b > a && Blank(s[b - 1])) --b;
  return s.substr(a, b - a);
}

inline std::string UtenLinjeslutt(std::string s) {
  while (!s.empty() && (s.back() == '\r' || s.back() == '\n')) s.pop_back();
  return s;
}

// A name of the file folded as the store compares names.
inline std::string Brett(const std::string& raa, bool utf8) {
  return TilStore(utf8 ? raa : Win1252TilUtf8(raa));
}

inline bool ErUtf8Fil(const std::string& bytes) {
  if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) return true;
  bool fler = false;
  return GyldigUtf8(bytes, &fler) && fler;
}

// The header name of a line, or false when the line is no header.
inline bool Overskrift(const std::string& linje, std::string& navn) {
  const std::string t = Trim(UtenLinjeslutt(linje));
  if (t.empty() || t[0] != '[') return false;
  const size_t slutt = t.rfind(']');
  if (slutt == std::string::npos || slutt == 0) return false;
  navn = Trim(t.substr(1, slutt - 1));
  return true;
}

// The key of a line, folded; empty for comments, blank lines and lines without "=".
inline std::string NokkelAv(const std::string& linje, bool utf8) {
  const std::string t = Trim(UtenLinjeslutt(linje));
  if (t.empty() || t[0] == ';') return {};
  const size_t lik = t.find('=');
  if (lik == std::string::npos) return {};
  return Brett(Trim(t.substr(0, lik)), utf8);
}

inline std::vector<Blokk> Blokker(const std::string& bytes) {
  const bool utf8 = ErUtf8Fil(bytes);
  std::vector<Blokk> ut(1);
  size_t i = 0;
  if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) {  // the byte-order mark stands before the first line
    ut[0].linjer.push_back(bytes.substr(0, 3));
    i = 3;
  }
  while (i < bytes.size()) {
    size_t j = i;
    while (j < bytes.size() && bytes[j] != '\r' && bytes[j] != '\n') ++j;
    if (j < bytes.size()) {
      if (bytes[j] == '\r' && j + 1 < bytes.size() && bytes[j + 1] == '\n') ++j;
      ++j;
    }
    std::string linje = bytes.substr(i, j - i);
    std::string navn;
    if (Overskrift(linje, navn)) ut.push_back({Brett(navn, utf8), {}});
    ut.back().linjer.push_back(std::move(linje));
    i = j;
  }
  return ut;
}

// A block as compared: trailing blank lines and the last line ending do not
// count (a section appended after it, or a final line break added, changes them).
inline std::string Kjerne(const Blokk& b) {
  std::vector<std::string> l = b.linjer;
  while (!l.empty() && Trim(UtenLinjeslutt(l.back())).empty()) l.pop_back();
  std::string s;
  for (size_t k = 0; k < l.size(); ++k) s += k + 1 < l.size() ? l[k] : UtenLinjeslutt(l[k]);
  return s;
}

// The block without the lines of one key (the file index's FilType, the
// terminal's FilNavnProgram), for changes that touch only that key.
inline std::string KjerneUten(const Blokk& b, const std::string& nokkel, bool utf8) {
  Blokk k{b.navn, {}};
  for (const std::string& l : b.linjer)
    if (NokkelAv(l, utf8) != nokkel) k.linjer.push_back(l);
  if (!k.linjer.empty()) {
    std::string n;
    if (Overskrift(k.linjer.front(), n)) k.linjer.erase(k.linjer.begin());
  }
  return Kjerne(k);
}

// ---- Odd start files ---------------------------------------------------------

// A small installation written the way people and older programs leave it:
// comments, duplicate keys and sections, spacing, quotes, undefined bytes,
// odd counts, variables beyond the grid's rows, mixed line endings.
inline std::string RarFil(std::mt19937_64& rng, int& maskiner) {
  auto en = [&](int n) { return static_cast<int>(rng() % static_cast<uint64_t>(n)); };
  const bool bom = en(8) == 0;
  const char* nl = en(6) == 0 ? "\n" : en(10) == 0 ? "\r" : "\r\n";
  maskiner = 1 + en(6);
  std::string s;
  if (bom) s += "\xEF\xBB\xBF";
  if (en(2)) s += std::string("; Brul.ini fra verkstedet") + nl + nl;
  const char* antall[] = {"", "0", " ", "abc", "3 stk", "300", "-1"};
  std::string ms = std::to_string(maskiner);
  switch (en(6)) {
    case 0: ms = "0" + ms; break;
    case 1: ms = antall[en(7)]; break;
    default: break;
  }
  s += std::string("[Program]") + nl + "Maskiner=" + ms + nl;
  if (en(2)) s += "Maskin=" + std::to_string(1 + en(maskiner + 1)) + nl;
  if (en(3) == 0) s += std::string("VisMaskiner=") + std::to_string(en(9)) + nl;
  if (en(2)) s += std::string("Ext=.NC") + nl + "Vis=True" + nl;
  if (en(3) == 0) s += std::string("Ukjent=beholdes ") + (bom ? "\xC3\xA6" : "\x81\x8D") + nl;
  const char* protokoll[] = {"Standard", "Mazatrol", "Parallell", "LSV2", "ECHO", "BTR", "FTP",
                             "Terminal", "ForInst", "LoggeBoks", "Linje", "ukjent"};
  const char* styring[] = {"Fanuc", "Heidenhain 406 -->", "Mazatrol (8 siffer)", "Ingen slik", ""};
  for (int m = 1; m <= maskiner; ++m) {
    s += nl;
    const std::string navn = "Maskin" + std::to_string(m);
    switch (en(5)) {
      case 0: s += " [ " + navn + " ] ; kommentar" + nl; break;
      case 1: s += "[" + TilStore(navn) + "]" + nl; break;
      default: s += "[" + navn + "]" + nl;
    }
    if (en(2)) s += std::string("; maskin ") + std::to_string(m) + nl;
    s += "Navn=" + std::string(en(3) ? "Maskin nr " : "\"Sitert\" ") + std::to_string(m) +
         (bom ? " \xC3\xB8" : " \xF8") + nl;
    if (en(4) == 0) s += "Navn=duplikat" + std::string(nl);
    s += "Port=Com" + std::to_string(1 + en(4)) + nl;
    if (en(3)) s += "Katalog=" + std::string(en(2) ? "C:\\Brul\\" : "c:\\brul\\") + navn + (en(3) ? "\\" : "") + nl;
    s += std::string("Protokoll") + (en(2) ? "=" : " = ") + protokoll[en(12)] + nl;
    if (en(2)) s += std::string("Styring=") + styring[en(5)] + nl;
    if (en(2)) s += std::string("StartKode=\"%\"") + nl;
    if (en(3) == 0) s += std::string("Egen") + std::to_string(m) + "=a=b " + (bom ? "\xC3\xA5" : "\x81\x9D") + nl;
    if (en(4) == 0) s += std::string("bare tekst uten likhetstegn") + nl;
    if (en(3) == 0) s += std::string("Variabel1=ALFA") + nl + "ALFA=1" + nl;
    if (en(4) == 0) s += std::string("Variabel21=BETA") + nl + "BETA=2" + nl + "Variabel22=GAMMA" + nl;
    if (en(4) == 0) s += std::string("System0=Drei") + nl + "System5=Fres" + nl + "ProgDiv5=2" + nl;
    if (en(4) == 0) s += std::string("Bit0,0=3") + nl + "KommentarBit0,0=lampe" + nl;
    if (en(3) == 0) s += std::string("TimeSize=True") + nl + "ProgLinje=0" + nl + "TekstLinje=0" + nl;
    if (en(5) == 0) s += std::string("[Duplikat") + nl;  // no header: belongs to the section
  }
  for (int p = 1; p <= 4; ++p) {
    if (en(3) == 0) continue;
    s += nl;
    s += (en(3) ? "[Com" : "[COM") + std::to_string(p) + "]" + nl;
    s += std::string("Baud=") + (en(2) ? "9600" : "2400") + nl;
    if (en(2)) s += std::string("HandShake=False") + nl + "XonXoff=True" + nl;
    if (en(2)) s += std::string("Bit=7") + nl + "StoppBit=2" + nl + "Paritet=E" + nl;
    if (en(3) == 0) s += std::string("; delt port") + nl + "PortEgen=x" + nl;
    if (en(3) == 0) s += std::string("TimeOut=5") + nl;
  }
  if (en(3) == 0) s += std::string(nl) + "[Maskin1]" + nl + "Navn=andre seksjon med samme navn" + nl;
  if (en(3) == 0) s += std::string(nl) + "[Fremmed]" + nl + "Noe=annet" + nl;
  if (en(4) == 0) {  // no line break after the last line
    while (!s.empty() && (s.back() == '\r' || s.back() == '\n')) s.pop_back();
  }
  return s;
}

}  // namespace brul::test::okt
