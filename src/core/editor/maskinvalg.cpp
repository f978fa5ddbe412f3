#include "editor/maskinvalg.h"

#include "store/lager.h"
#include "store/settings.h"

namespace brul {

void Maskinvalgskriving::kjor() {
  Batch b;
  // Measured against the pages' base, as when the write shared the load's
  // batch: another program's change since then is merged, or a conflict.
  if (!grunnlag.tomt()) b.settGrunnlag(grunnlag);
  SkrivStreng("Program", "Maskin", verdi);
  utfall = b.commit();
  if (!utfall) {
    b.forkast();  // nothing left for the batch's end to write without an answer
    return;
  }
  if (!utfall.flettet) etter = lager::NaaverendeGrunnlag();
}

}  // namespace brul
