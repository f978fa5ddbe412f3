#include "gui/hurtigtaster.h"

namespace brul::gui {

namespace {

// No letter serves two of what the window can show at once. There are more
// pages and buttons than letters in their captions, so the six pages that
// each belong to one protocol (Mazak, Terminal, Parallell, Forinnst.,
// LoggeBoks, FTP) may share a letter with each other: never two of them are
// shown together, and a hidden page has no key.
constexpr const char* Merket[] = {
    // The bottom bar.
    "&Brul.INI", "&Kontroller", "&Vis endringer", "&Historikk", "A&ngre", "&OK", "Av&slutt",
    // The pages that any protocol may show.
    "&Program", "&Maskin", "F&iler", "&Com", "P&rotokoll", "H&enteprog.", "Henteprog&2", "Tool/&Dir",
    "Lo&gging", "&Annet",
    // One protocol's page each.
    "Ma&zak", "&Terminal", "Para&llell", "&Forinnst.", "&LoggeBoks", "&FTP",
};

}  // namespace

QString MedHurtigtast(const std::string& tekst) {
  const QString t = QString::fromStdString(tekst);
  for (const char* m : Merket) {
    QString merket = QString::fromUtf8(m);
    if (QString(merket).remove(QLatin1Char('&')) == t) return merket;
  }
  return QString(t).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace brul::gui
