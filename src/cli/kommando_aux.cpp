// The auxiliary commands of the editor on the command line: the COM-port
// overview and the file index.
#include <optional>
#include <ostream>
#include <string>

#include "app/skriptoperator.h"
#include "cli/kommandoer.h"
#include "editor/editor.h"
#include "editor/kommandoer.h"
#include "windows/portoversikt.h"

namespace brul::cli {

int KommandoPorts(Kontekst& k) {
  std::optional<bool> etterPort;  // none: ask "Sortere på porter ?" as the window does
  if (!k.args.empty()) {
    const std::string& a = k.args[0];
    if (a != "--by-port" && a != "--by-machine") throw BrukFeil{"ports: ukjent valg \"" + a + "\""};
    etterPort = a == "--by-port";
  }
  // The count the window lists: the Maskiner field, which shows the stored
  // value normalised ("2 maskiner" as 2, 0 or text as 1), as show and index
  // read it too.
  Editor e;
  e.FormCreate();
  const long antall = OversiktAntall(e);
  TPortForm form;
  if (etterPort && antall > 0)
    form.Fyll(antall, *etterPort);
  else
    form.VisOversikt(antall);  // asks "Sortere på porter ?", or warns when there are no machines
  // The clipboard's text has CR LF between rows and none after the last; on
  // the command line each row is a line of its own, ended as every other
  // command's lines are.
  const std::string tekst = form.Tekst();
  for (std::size_t i = 0; i < tekst.size(); ++i)
    if (tekst.compare(i, 2, "\r\n") != 0) k.ut << tekst[i];
  if (!tekst.empty()) k.ut << '\n';
  return 0;
}

int KommandoIndex(Kontekst& k) {
  Editor e;
  e.FormCreate();
  e.settAktivSide(SideId::Program);
  // A box that is already ticked is cleared first, so the tick is a change
  // that raises the handler; neither state is saved. The command is the
  // request, so its question is taken as Yes unless answered otherwise.
  e.Indeks.setChecked(false);
  k.op.standardSvar("Indeks", "Ja");
  e.Indeks.setChecked(true);
  return 0;
}

}  // namespace brul::cli
