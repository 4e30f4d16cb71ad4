#include "syntax/ordering.h"

#include <gtest/gtest.h>

#include "syntax/operations.h"
#include "syntax/sentence_analysis.h"
#include "syntax_fixture.h"

using namespace kelvo;
using namespace kelvo::grammar;
using namespace kelvo::syntax;
using kelvo::testing::HandTable;

namespace {

WordAnalysis noun(int rarity, int area = 0, int age = 0, Code c = gcase::nom) {
  WordAnalysis a{};
  a.speech = pos::noun;
  a.set_grammatical_case(c);
  a.set_number(number::sing);
  a.rarity = static_cast<Code>(rarity);
  a.area = static_cast<Code>(area);
  a.age = static_cast<Code>(age);
  return a;
}

TEST(Ordering, ThePreferredAreaWinsAmongEquallyCommonMeanings) {
  TranslationOptions o;
  const WordAnalysis legal = noun(3, 6), general = noun(3, 0);
  EXPECT_LT(ordering_score(legal, o, 'L'), ordering_score(general, o, 'L'));
  EXPECT_EQ(ordering_score(legal, o, 0), ordering_score(general, o, 0));
  // Frequency code 10 is not made commoner by its area.
  EXPECT_EQ(ordering_score(noun(10, 6), o, 'L'), ordering_score(noun(10, 6), o, 0));
}

TEST(Ordering, AllAgesWithNeoLatinMakesLateMeaningsCommonest) {
  TranslationOptions o;
  o.age = Age::all;
  o.neolatin_meanings = true;
  const WordAnalysis late = noun(5, 0, 7), common = noun(1, 0, 0);
  EXPECT_LT(ordering_score(late, o, 0), ordering_score(common, o, 0));
  o.neolatin_meanings = false;
  EXPECT_GT(ordering_score(late, o, 0), ordering_score(common, o, 0));
}

TEST(Ordering, NominativeBeforeObliqueAndActiveBeforePassive) {
  TranslationOptions o;
  EXPECT_LT(ordering_score(noun(1, 0, 0, gcase::nom), o, 0),
            ordering_score(noun(1, 0, 0, gcase::acc), o, 0));
  EXPECT_LT(ordering_score(noun(1, 0, 0, gcase::acc), o, 0),
            ordering_score(noun(1, 0, 0, gcase::voc), o, 0));
  WordAnalysis act{}, pass{};
  act.speech = pass.speech = pos::verb;
  act.set_voice(voice::active);
  pass.set_voice(voice::passive);
  act.rarity = pass.rarity = 1;
  EXPECT_LT(ordering_score(act, o, 0), ordering_score(pass, o, 0));
}

// Every word's run is sorted, the last one of the table too, and each record
// keeps its origin; ties keep the order word analysis gave.
TEST(Ordering, EveryRunSortedWithItsOrigins) {
  HandTable t;
  t.add(0, pos::noun, "a.", gcase::voc, 1, 0, 2);
  t.add(0, pos::noun, "a.", gcase::nom, 1, 0, 2);
  t.add(1, pos::noun, "b.", gcase::abl, 1, 0, 4);
  t.add(1, pos::noun, "b.", gcase::dat, 1, 0, 1);
  t.add(1, pos::noun, "b.", gcase::abl, 1, 0, 1);
  t.view();
  SyntaxScratch& sc = t.scratch();
  for (int i = 0; i < sc.count; ++i) {
    sc.origin_token[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(t.at(i).position.get());
    sc.origin_candidate[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(i < 2 ? i : i - 2);
  }
  order_candidates(t.words(), sc, t.options, 0);
  EXPECT_EQ(t.at(0).grammatical_case(), gcase::nom);
  EXPECT_EQ(sc.origin_candidate[0], 1);
  EXPECT_EQ(t.at(2).grammatical_case(), gcase::abl);
  EXPECT_EQ(t.at(2).rarity, 1);
  EXPECT_EQ(sc.origin_candidate[2], 2);
  EXPECT_EQ(t.at(3).grammatical_case(), gcase::dat);
  EXPECT_EQ(t.at(4).rarity, 4);
  EXPECT_EQ(sc.origin_token[4], 1);
}

// Automatic area selection hands the passes the run's current area, which
// outranks the options' (none here): the legal meaning comes first and counts
// as the commonest.
TEST(Ordering, TheRunsCurrentAreaOrdersTheSentence) {
  HandTable t;
  t.add(0, pos::noun, "ius.", gcase::nom, 1, gender::neuter, 3);
  const int legal = t.add(0, pos::noun, "ius.", gcase::nom, 1, gender::neuter, 3);
  t.at(legal).area = 6;  // L
  t.view();
  t.words().set_token_count(1);
  SyntaxEnv env;
  env.area = 'L';
  analyse_sentence(t.words(), t.options, t.scratch(), env);
  EXPECT_EQ(t.at(0).area, 6);
  EXPECT_EQ(t.scratch().origin_candidate[0], 1);
  SentenceView s(t.words(), t.scratch(), t.options, env);
  EXPECT_EQ(effective_rarity(s, 0), 0);
  env.area = -1;  // the options' area again: none
  EXPECT_EQ(effective_rarity(s, 0), 3);
}

}  // namespace
