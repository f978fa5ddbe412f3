// Another program writing the settings file: the tests start it while a batch
// is open to check that the batch keeps this program's change.
//   store_skriver FILE SECTION KEY VALUE   writes one key through the store
#include <cstdio>
#include <string>

#include "app/tilstand.h"
#include "store/batch.h"
#include "store/settings.h"

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "bruk: store_skriver FIL SEKSJON NOKKEL VERDI\n");
    return 2;
  }
  brul::IniFil = argv[1];
  brul::Batch b;
  brul::SkrivStreng(argv[2], argv[3], argv[4]);
  return b.commit() && brul::LesFraFil(argv[1], argv[2], argv[3], "\x01") == argv[4] ? 0 : 1;
}
