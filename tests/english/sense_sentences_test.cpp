// The sense step on real sentences: each of the five words in two of its
// senses with the sense network on, and the earlier English with it off.
#include <gtest/gtest.h>

#include "english_fixture.h"

namespace kelvo::english {
namespace {

using kelvo::testing::translate_latin;
using kelvo::testing::Translated;

struct SenseSentence {
  const char* latin;
  const char* on;   // in the English with NEURAL on (the noun phrase, articles aside)
  const char* off;  // in the English with it off
};

const SenseSentence kSentences[] = {
    {"Servus plagas multas accepit.", "blows", "strokes"},
    {"Nautae ad plagam septentrionalem navigant.", "region", "stroke"},
    {"Contento semper animo vivimus.", "content", "content"},
    {"Contento enim animo vivit.", "tense mind", "content mind"},
    {"Milites per saltum angustum iter faciunt.", "defile", "narrow passage"},
    {"Caesar saltus silvasque occupavit.", "woodlands", "narrow passages"},
    {"Cervus saltu flumen transit.", "leap", "narrow passage"},
    {"Ferae in lustris dormiunt.", "dens", "purifying ceremonies"},
    {"Censor lustrum condidit.", "purifying ceremony", "purifying ceremony"},
    {"Pueri pila ludunt.", "balls", "javelins"},
    {"Milites pila iaciunt.", "javelins", "javelins"},
    {"Frumentum in pila tundit.", "pounding-vessel", "javelins"},
};

TEST(SenseSentences, TwoSensesOfEachWordAndNoneWithoutTheNetwork) {
  REQUIRE_REAL_LEXICON(lex);
  for (const SenseSentence& s : kSentences) {
    Translated on, off;
    translate_latin(*lex, s.latin, on);
    TranslationOptions o;
    o.neural = false;
    translate_latin(*lex, s.latin, off, o);
    ASSERT_EQ(on.lines.size(), 1u) << s.latin;
    ASSERT_EQ(off.lines.size(), 1u) << s.latin;
    EXPECT_NE(on.lines[0].find(s.on), std::string::npos) << s.latin << " -> " << on.lines[0];
    EXPECT_NE(off.lines[0].find(s.off), std::string::npos) << s.latin << " -> " << off.lines[0];
  }
}

TEST(SenseSentences, NetworkOutputsInTheLogOnlyWithDetails) {
  REQUIRE_REAL_LEXICON(lex);
  Translated plain, detailed;
  translate_latin(*lex, "Servus plagas multas accepit.", plain);
  TranslationOptions o;
  o.details = true;
  translate_latin(*lex, "Servus plagas multas accepit.", detailed, o);
  EXPECT_EQ(plain.log.find("output 1 = "), std::string::npos);
  EXPECT_NE(detailed.log.find("output 1 = "), std::string::npos) << detailed.log;
}

}  // namespace
}  // namespace kelvo::english
