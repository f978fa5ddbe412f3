// The scripted operator answers the command line's questions: Ja and Nei in
// any letter case, and a clear message for an answer that is neither.
#include <gtest/gtest.h>

#include "app/skriptoperator.h"

namespace brul {
namespace {

TEST(SkriptOperator, JaNeiISomHelstStavingOgMeldingForAnnetSvar) {
  const struct {
    const char* svar;  // nullptr: not answered
    bool ja;
    bool melding;
  } tilfeller[] = {
      {"Ja", true, false},  {"ja", true, false},   {"JA", true, false},     {"Nei", false, false},
      {"nei", false, false}, {nullptr, false, false}, {"Yes", false, true}, {"", false, true},
  };
  for (const auto& t : tilfeller) {
    SCOPED_TRACE(t.svar ? t.svar : "(ikke besvart)");
    SkriptOperator op;
    if (t.svar) op.svar("Indeks", t.svar);
    EXPECT_EQ(op.sporsmal("Indeks", "Generere katalog/extension liste ?"), t.ja);
    EXPECT_EQ(op.meldinger().size(), t.melding ? 1u : 0u);
    if (t.melding) {
      EXPECT_EQ(op.meldinger()[0], std::string("--svar: Svaret \"") + t.svar +
                                       "\" på \"Indeks\" er verken Ja eller Nei; det regnes som Nei");
    }
  }
}

}  // namespace
}  // namespace brul
