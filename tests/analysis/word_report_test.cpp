#include "analysis/word_report.h"

#include <gtest/gtest.h>

using namespace kelvo;
using namespace kelvo::grammar;
using kelvo::analysis::describe_analysis;

namespace {

WordAnalysis record(Code speech, int decl, std::initializer_list<Code> bytes1to8) {
  WordAnalysis a{};
  a.speech = speech;
  a.declension.set(static_cast<std::int16_t>(decl));
  Code* b = &a.b1;
  for (Code c : bytes1to8) *b++ = c;
  a.rarity = 1;
  return a;
}

}  // namespace

TEST(WordReport, DescribesEachPartOfSpeech) {
  struct Case { WordAnalysis a; const char* text; };
  WordAnalysis punct = record(pos::punct, 0, {1});
  WordAnalysis verb = record(pos::verb, 0x34, {0, 6, 1, 1, 1, 3, 1, 0});
  WordAnalysis odd = record(200, 0, {});
  odd.rarity = 2;
  odd.age = 3;
  WordAnalysis adv = record(pos::adv2, 0, {0, 0, 0, 0, 0, 0, 1, 0});
  adv.stem_key = 2;
  for (const auto& c : {
           Case{record(pos::noun, 0x11, {2, 0, gcase::nom, number::sing, gender::fem}),
                "NOUN 1 1  NOM    SING    FEM    A:0 "},
           Case{punct, "PUNCT  ,    "},
           Case{verb, "VERB 4 1  PRES    ACTIVE    IND    3   SING    +TRANS    A:0 "},
           Case{odd, "No speechtype found.B:3 "},
           Case{adv, "ADV  COMP    conj-like A:0 "},
           Case{record(pos::prep, 0, {gcase::acc}), "PREP  ACC    A:0 "},
       }) {
    EXPECT_EQ(describe_analysis(c.a, false), c.text);
  }
}

TEST(WordReport, EasyLatinShowsUncommonForStruckRareWords) {
  WordAnalysis a{};
  a.rarity = 90;
  EXPECT_EQ(describe_analysis(a, true).rfind(" UNCOMMON  ", 0), 0u);
  EXPECT_EQ(describe_analysis(a, false).rfind(" DELETED (GRAM)  ", 0), 0u);
}
