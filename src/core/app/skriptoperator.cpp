#include "app/skriptoperator.h"

#include "store/tekst.h"

namespace brul {

std::optional<std::string> SkriptOperator::finn(const std::string& caption) const {
  auto it = svar_.find(caption);
  if (it == svar_.end()) return std::nullopt;
  return it->second;
}

void SkriptOperator::melding(const std::string& caption, const std::string& text, Ikon ikon) {
  logg_.push_back({Hendelse::Type::Melding, caption, text, ikon});
  if (ekko_) *ekko_ << caption << ": " << text << '\n';
}

bool SkriptOperator::sporsmal(const std::string& caption, const std::string& text, Ikon ikon) {
  logg_.push_back({Hendelse::Type::Sporsmal, caption, text, ikon});
  if (ekko_) *ekko_ << caption << ": " << text << " ?\n";
  const auto a = finn(caption);
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
  if (ekko_) *ekko_ << caption << ": " << question << " ?\n";
  auto a = finn(caption);
  if (!a) return false;
  answer = *a;
  return true;
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
