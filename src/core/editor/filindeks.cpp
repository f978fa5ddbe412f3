#include "editor/filindeks.h"

#include <algorithm>
#include <string>

#include "app/lagring.h"
#include "app/operator.h"
#include "app/oppstart.h"
#include "app/tilstand.h"
#include "editor/editor.h"
#include "editor/kommandoer.h"
#include "platform/sti.h"
#include "store/batch.h"
#include "store/settings.h"

namespace brul {
namespace {

// The section of a folder is the folder less its closing separator. A folder
// typed without one names the same folder, so only a separator is dropped.
std::string FolderSeksjon(const std::string& katalog) {
  if (!katalog.empty() && platform::ErSkilletegn(katalog.back())) return katalog.substr(0, katalog.size() - 1);
  return katalog;
}

void SkrivFilType(const std::string& katalog, const std::string& filType) {
  const std::string seksjon = FolderSeksjon(katalog);
  if (seksjon.empty()) return;  // no folder, no section to name
  SkrivStreng(seksjon, "FilType", filType);
}

}  // namespace

bool SkrivFilindeks(long antall) {
  antall = std::clamp(antall, 0L, 255L);
  Batch batch;
  // A program folder under no mapped drive stays a local path (/opt/brulini/),
  // which no Windows program reading the index can use: it names no section,
  // and the operator is told which Brul.conf entry would make it usable.
  const std::string data = DataKatalog.rfind('/', 0) == 0 ? std::string() : FolderSeksjon(DataKatalog);
  if (platform::ErLokalForm(DataKatalog)) VisMelding("Indeks", UbruktMappe());
  if (!data.empty()) SkrivStreng(data, "FilType", LesStreng(data, "FilType", "*.Exe"));
  for (long k = 1; k <= antall; ++k) {
    const std::string s = "Maskin" + std::to_string(k);
    std::string katalog = LesStreng(s, "Katalog", "");
    if (katalog.empty()) continue;
    SkrivFilType(katalog, "*" + LesStreng(s, "Ext", ProgramExt()));
    // The default backup folder lies inside the machine folder, also when
    // the folder was stored without its closing backslash.
    katalog = platform::MedSkilletegn(katalog);
    SkrivFilType(LesStreng(s, "BackupKatalog", katalog + "Backup\\"), "*.*");
  }
  // The index is worked out from the file as it is: should another program
  // have changed a key of it meanwhile, the newest computation wins.
  batch.velgAlle(KonfliktValg::Min);
  return LagreHandling(batch);
}

void IndeksClick(Editor& e) {
  e.FirmaChange();
  // Loading sets the box too; only a tick on the page the operator looks at
  // offers the list (a reload there after clearing it asks again).
  if (!e.Indeks.checked() || e.aktivSide() != SideId::Program) return;
  if (!operatoren().sporsmal("Indeks", "Generere katalog/extension liste ?")) return;
  SkrivFilindeks(HeltallEllerNull(e.Maskiner.text()));
}

}  // namespace brul
