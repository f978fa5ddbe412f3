#include "app/skriptoperator.h"

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
  auto a = finn(caption);
  return a && (*a == "Ja" || *a == "ja" || *a == "JA");
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
