#include "app/ingen_konfig.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "app/operator.h"
#include "app/tilstand.h"
#include "platform/fil.h"
#include "platform/prosess.h"
#include "platform/sti.h"

namespace brul {

namespace {

std::string Mappe(const std::string& fil) {
  const auto skille = fil.rfind('/');
  return skille == std::string::npos || skille == 0 ? fil.substr(0, skille + 1) : fil.substr(0, skille);
}

}  // namespace

bool SiFraOmIngenKonfig(Operator& op, const platform::KonfigFiler& filer) {
  if (filer.maskin.empty() && filer.bruker.empty()) return false;
  for (const std::string& f : {filer.maskin, filer.bruker})
    if (!f.empty() && platform::FinnesFil(f)) return false;
  std::string grunn;
  if (IniFil.empty() || platform::LokalSti(IniFil, grunn)) return false;

  // The user's own file is the one to make: it needs no administrator.
  const std::string ny = filer.bruker.empty() ? filer.maskin : filer.bruker;
  const std::string mappe = Mappe(ny);
  std::string tekst = "Innstillingsfilen " + IniFil + " kan ikke åpnes: " + grunn +
                      ".\n\nDet finnes ingen Brul.conf. Programmet så etter";
  if (!filer.maskin.empty()) tekst += "\n" + filer.maskin + " (for hele maskinen)";
  if (!filer.bruker.empty()) tekst += "\n" + filer.bruker + " (for deg)";
  tekst += "\n\nLag " + ny +
           " med innstillingsfilens navn og mappen hver stasjon står for, for eksempel:\n"
           "[Brul]\nINI-Fil=" + IniFil + "\n\n[Stasjoner]\nC=/srv/brul\n\nÅpne mappen " + mappe + " nå ?";
  if (!op.sporsmal("Fant ingen Brul.conf", tekst)) return true;

  std::error_code ec;
  std::filesystem::create_directories(mappe, ec);
  if (ec || !platform::ApneMappe(mappe))
    op.melding("Fant ingen Brul.conf", "Mappen " + mappe + " kunne ikke åpnes. Lag " + ny + " med en teksteditor.",
               Ikon::Advarsel);
  return true;
}

}  // namespace brul
