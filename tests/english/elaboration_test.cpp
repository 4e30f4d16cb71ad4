#include "english/elaboration.h"

#include <gtest/gtest.h>

#include "english/english_fixture.h"

namespace {

using kelvo::testing::elaborate_latin;

// The prefixes of the cases and the plural marker, on real sentences.
TEST(Elaboration, CasesGetTheirArticleOrPreposition) {
  REQUIRE_REAL_LEXICON(lex);
  auto e = elaborate_latin(*lex, "Puella rosas amat.");
  EXPECT_EQ(e.of("Puella"), "the girl");
  EXPECT_EQ(e.of("rosas"), "the rose+s");
  EXPECT_EQ(e.of("."), ".");
  auto g = elaborate_latin(*lex, "Filius regis populo pecuniam dat.");
  EXPECT_EQ(g.of("regis"), "of the king");
  EXPECT_EQ(g.of("populo").substr(0, 7), "to the ");
  auto v = elaborate_latin(*lex, "Marce, gladio pugnas.");
  EXPECT_EQ(v.of("Marce"), "O Marcus");
  EXPECT_EQ(v.of("gladio"), "with the sword");
}

TEST(Elaboration, VerbPhrasesAndTheirSubjects) {
  REQUIRE_REAL_LEXICON(lex);
  // A nominative beside the verb: no pronoun of the verb's own.
  auto e = elaborate_latin(*lex, "Puella rosas amat.");
  EXPECT_EQ(e.of("amat"), "^love+s");
  // No subject: the pronoun of the person.
  auto f = elaborate_latin(*lex, "Rosas amabo.");
  EXPECT_EQ(f.of("amabo"), "I shall ^love");
  auto g = elaborate_latin(*lex, "Rosas amavit.");
  EXPECT_EQ(g.of("amauit"), "s/he/it has ^love+ed");
}

// A perfect participle and its form of "be" make one verb phrase in the
// perfect, pluperfect or future perfect; the participle's own slot is empty.
TEST(Elaboration, CompoundTensesOfThePassiveAndDeponents) {
  REQUIRE_REAL_LEXICON(lex);
  auto e = elaborate_latin(*lex, "Puella laudata est.");
  EXPECT_EQ(e.of("laudata"), "");
  EXPECT_NE(e.of("est").find("^recommend+ed"), std::string::npos) << e.of("est");
  EXPECT_EQ(e.of("est").substr(0, 4), "was ") << e.of("est");
  auto f = elaborate_latin(*lex, "Hoc dictum erat.");
  EXPECT_EQ(f.of("erat").substr(0, 9), "had been ") << f.of("erat");
  auto g = elaborate_latin(*lex, "Eum secutus est.");
  EXPECT_EQ(g.of("est"), "s/he/it has ^follow+ed");
}

TEST(Elaboration, ComparisonAndUnknownWords) {
  REQUIRE_REAL_LEXICON(lex);
  auto e = elaborate_latin(*lex, "Miles fortius pugnat.");
  EXPECT_EQ(e.of("fortius").substr(0, 5), "more ");
  // A word no reading was found for keeps its Latin form.
  auto u = elaborate_latin(*lex, "Miles xyzzyqa venit.");
  EXPECT_EQ(u.of("xyzzyqa"), "xyzzyqa");
}

}  // namespace
