#include "app/skriptoperator.h"

#include "platform/tekst.h"

namespace brul {
namespace {

// A message box breaks its text at CR, LF or CR LF; the echo is read in a
// terminal, which shows a bare CR as a jump back over the line.
std::string MedLinjeskift(const std::string& tekst) {
  std::string ut;
  for (size_t i = 0; i < tekst.size(); ++i) {
    if (tekst[i] != '\r') {
      ut += tekst[i];
      continue;
    }
    ut += '\n';
    if (i + 1 < tekst.size() && tekst[i + 1] == '\n') ++i;
  }
  return ut;
}

// The question is shown as the dialog shows it: its text carries its own
// question mark.
void Ekko(std::ostream* ut, const std::string& caption, const std::string& tekst) {
  if (ut) *ut << caption << ": " << MedLinjeskift(tekst) << '\n';
}

// A question's text as a key: without the closing question mark and the
// blanks around it.
std::string UtenSporsmalstegn(std::string tekst) {
  while (!tekst.empty() && (tekst.back() == '?' || tekst.back() == ' ')) tekst.pop_back();
  return tekst;
}

}  // namespace

std::optional<std::string> SkriptOperator::finn(const std::string& caption, const std::string& tekst) const {
  if (auto it = svar_.find(caption); it != svar_.end()) return it->second;
  const std::string nokkel = UtenSporsmalstegn(tekst);
  if (!nokkel.empty())
    for (const auto& [gitt, svar] : svar_)
      if (UtenSporsmalstegn(gitt) == nokkel) return svar;
  if (auto it = standard_.find(caption); it != standard_.end()) return it->second;
  return std::nullopt;
}

void SkriptOperator::melding(const std::string& caption, const std::string& text, Ikon ikon) {
  logg_.push_back({Hendelse::Type::Melding, caption, text, ikon});
  Ekko(ekko_, caption, text);
}

bool SkriptOperator::sporsmal(const std::string& caption, const std::string& text, Ikon ikon) {
  logg_.push_back({Hendelse::Type::Sporsmal, caption, text, ikon});
  Ekko(ekko_, caption, text);
  const auto a = finn(caption, text);
  if (!a) return false;
  const std::string svar = TilStore(*a);
  if (svar == "JA") return true;
  // A scripted answer that is neither is taken as No, the safe answer to every
  // question here, but never silently: the run then reports a failure.
  if (svar != "NEI")
    melding("--svar", "Svaret \"" + *a + "\" på \"" + caption + "\" er verken Ja eller Nei; det regnes som Nei");
  return false;
}

bool SkriptOperator::stillSporsmal(const std::string& caption, const std::string& question,
                                   std::string& answer) {
  logg_.push_back({Hendelse::Type::Dialog, caption, question});
  Ekko(ekko_, caption, question);
  auto a = finn(caption, question);
  if (!a) return false;
  answer = *a;
  return true;
}

int SkriptOperator::velgEn(const std::string& caption, const std::string& text, const std::vector<std::string>& valg) {
  logg_.push_back({Hendelse::Type::Sporsmal, caption, text});
  Ekko(ekko_, caption, text);
  const auto a = finn(caption, text);
  if (!a) return -1;
  for (std::size_t i = 0; i < valg.size(); ++i)
    if (LikTekst(valg[i], *a)) return static_cast<int>(i);
  if (!LikTekst(*a, "Avbryt")) {
    std::string liste;
    for (const std::string& v : valg) liste += (liste.empty() ? "\"" : ", \"") + v + "\"";
    melding("--svar", "Svaret \"" + *a + "\" på \"" + caption + "\" er ikke ett av " + liste + " (eller \"Avbryt\"); det regnes som Avbryt");
  }
  return -1;
}

std::optional<std::string> SkriptOperator::velgKatalog(const std::string& title, const std::string&) {
  logg_.push_back({Hendelse::Type::Katalog, title, ""});
  return finn(title);
}

std::vector<std::string> SkriptOperator::meldinger() const {
  std::vector<std::string> ut;
  for (const auto& h : logg_)
    if (h.type == Hendelse::Type::Melding) ut.push_back(h.caption + ": " + h.text);
  return ut;
}

}  // namespace brul
