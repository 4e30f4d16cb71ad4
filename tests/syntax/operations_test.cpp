#include "syntax/operations.h"

#include <gtest/gtest.h>

#include "syntax/clause_analysis.h"
#include "syntax/partner.h"
#include "syntax/sentence_analysis.h"
#include "syntax_fixture.h"

using namespace kelvo;
using namespace kelvo::grammar;
using namespace kelvo::syntax;
using kelvo::testing::HandTable;

namespace {

struct Form {
  Code speech, gcase, number, gender;
};

struct AgreeCase {
  const char* what;
  Form a, b;
  bool agree;
};

class AgreeTable : public ::testing::TestWithParam<AgreeCase> {};

TEST_P(AgreeTable, CaseGenderAndNumber) {
  const AgreeCase& c = GetParam();
  HandTable t;
  int a = t.add(0, c.a.speech, "a.", c.a.gcase, c.a.number, c.a.gender);
  int b = t.add(1, c.b.speech, "b.", c.b.gcase, c.b.number, c.b.gender);
  SentenceView& s = t.view();
  EXPECT_EQ(agree(s, a, b), c.agree) << c.what;
  EXPECT_EQ(agree(s, b, a), c.agree) << c.what << " (reversed)";
}

using namespace gcase;
constexpr Code N = pos::noun, A = pos::adj;
constexpr Code S = number::sing, P = number::plur;

INSTANTIATE_TEST_SUITE_P(
    Agreement, AgreeTable,
    ::testing::Values(
        AgreeCase{"same case, number, gender", {A, acc, S, gender::fem}, {N, acc, S, gender::fem}, true},
        AgreeCase{"cases differ", {A, acc, S, gender::fem}, {N, nom, S, gender::fem}, false},
        AgreeCase{"numbers differ", {A, nom, P, gender::masc}, {N, nom, S, gender::masc}, false},
        AgreeCase{"genders differ", {A, nom, S, gender::masc}, {N, nom, S, gender::fem}, false},
        AgreeCase{"an indeclinable never agrees", {A, invar, S, 0}, {N, invar, S, 0}, false},
        AgreeCase{"common with masculine", {A, acc, P, gender::common}, {N, acc, P, gender::masc}, true},
        AgreeCase{"common with neuter", {A, acc, P, gender::common}, {N, acc, P, gender::neuter}, false},
        AgreeCase{"masc/neuter with neuter", {A, abl, S, gender::m_nt}, {N, abl, S, gender::neuter}, true},
        AgreeCase{"masc/neuter with feminine", {A, abl, S, gender::m_nt}, {N, abl, S, gender::fem}, false},
        AgreeCase{"no gender given", {A, dat, S, 0}, {N, dat, S, gender::fem}, true}));

TEST(Agree, TwoPluralPersonalPronounsNeverAgree) {
  HandTable t;
  int a = t.add(0, pos::pron, "n.os", nom, P, gender::common);
  int b = t.add(1, pos::pron, "u.os", nom, P, gender::common);
  t.at(a).declension.set(kDeclPlural);
  t.at(b).declension.set(kDeclPlural);
  t.at(a).set_role_code(4);
  SentenceView& s = t.view();
  EXPECT_FALSE(agree(s, a, b));
  t.at(a).declension.set(0);
  t.at(b).declension.set(0);
  EXPECT_TRUE(agree(s, a, b));
}

TEST(Agree, NotWithAWordAlreadyBoundToTheOther) {
  HandTable t;
  int a = t.add(0, A, "bon.am", acc, S, gender::fem);
  int b = t.add(1, N, "ros.am", acc, S, gender::fem);
  int b2 = t.add(1, N, "ros.am", acc, S, gender::fem);
  t.at(a).set_link(0, b2);  // a already holds the other reading of b's word
  SentenceView& s = t.view();
  EXPECT_FALSE(agree(s, a, b));
}

TEST(KeepOne, StrikesTheOtherReadingsOfTheWordOnly) {
  HandTable t;
  int before = t.add(0, N, "puell.a", nom, S, gender::fem);
  int x = t.add(1, N, "ros.ae", gen, S, gender::fem);
  int y = t.add(1, N, "ros.ae", dat, S, gender::fem);
  int z = t.add(1, N, "ros.ae", nom, P, gender::fem);
  int after = t.add(2, pos::verb, "uid.et");
  SentenceView& s = t.view();
  keep_one(s, y);
  EXPECT_FALSE(s.live(x));
  EXPECT_TRUE(s.live(y));
  EXPECT_FALSE(s.live(z));
  EXPECT_TRUE(s.live(before));
  EXPECT_TRUE(s.live(after));
  keep_one(s, before);  // a word with one reading: nothing changes
  EXPECT_TRUE(s.live(before));
}

TEST(KeepOne, APrepositionLinkedToTheStruckReadingPassesToTheKeptOne) {
  HandTable t;
  int prep = t.add(0, pos::prep, "in.", abl);
  int acc_reading = t.add(1, N, "urb.e", abl, S, gender::fem);
  int kept = t.add(1, N, "urb.e", abl, S, gender::fem);
  t.at(prep).set_link(0, acc_reading);
  t.at(acc_reading).set_link(0, prep);
  SentenceView& s = t.view();
  keep_one(s, kept);
  EXPECT_FALSE(s.live(acc_reading));
  EXPECT_EQ(t.at(kept).link(0), prep);
  EXPECT_EQ(t.at(prep).link(0), kept);
}

TEST(KeepOne, ANegativeIndexStrikesNothingAndWarnsTwiceAtMost) {
  HandTable t;
  int a = t.add(0, N, "a.");
  int b = t.add(0, N, "b.");
  SentenceView& s = t.view();
  for (int k = 0; k < 3; ++k) keep_one(s, -1);
  EXPECT_TRUE(s.live(a));
  EXPECT_TRUE(s.live(b));
  ASSERT_EQ(t.host_.warnings.size(), 2u);
  EXPECT_EQ(t.host_.warnings[0], kKeepNegativeMessage);
}

TEST(DropCandidate, NeverTheLastLiveReadingNorOneInARoleSlot) {
  HandTable t;
  int a = t.add(0, N, "x.a", nom);
  int b = t.add(0, N, "x.a", abl);
  int c = t.add(0, N, "x.a", voc);
  SentenceView& s = t.view();
  s.scratch.slots[kSubject] = static_cast<std::int16_t>(a);
  EXPECT_FALSE(drop_candidate(s, a));  // held as the subject
  s.scratch.slots[kSubject] = -1;
  EXPECT_TRUE(drop_candidate(s, b));
  // The first reading with only a vocative after it stays: a vocative is no
  // rival until a clause has been moved.
  EXPECT_FALSE(drop_candidate(s, a));
  EXPECT_TRUE(drop_candidate(s, c));
  EXPECT_FALSE(drop_candidate(s, a));  // the last one
  EXPECT_TRUE(s.live(a));
}

TEST(EffectiveRarity, ThePreferredAreaCountsAsCommonest) {
  HandTable t;
  int legal = t.add(0, N, "ius.", nom, S, gender::neuter, 5);
  t.at(legal).area = 6;  // L
  int plain = t.add(1, N, "ius.", nom, S, gender::neuter, 5);
  t.options.area = 'L';
  SentenceView& s = t.view();
  EXPECT_EQ(effective_rarity(s, legal), 0);
  EXPECT_EQ(effective_rarity(s, plain), 5);
  t.options.area = 0;
  EXPECT_EQ(effective_rarity(s, legal), 5);
}

TEST(Persons, SamePersonAndThePersonalPronounCode) {
  HandTable t;
  int ego = t.add(0, pos::pron, "ego.", nom, S);
  t.at(ego).set_entry_kind(pronoun_kind::pers);
  int nos = t.add(1, pos::pron, "n.os", acc, P);
  t.at(nos).set_entry_kind(pronoun_kind::pers);
  int v1 = t.add(2, pos::verb, "am.amus");
  int v2 = t.add(2, pos::verb, "am.amus");
  for (int v : {v1, v2}) {
    t.at(v).set_person(1);
    t.at(v).set_number(P);
    t.at(v).set_mood(mood::ind);
  }
  SentenceView& s = t.view();
  EXPECT_EQ(personal_pronoun_code(s, ego, 0), kEgo);
  EXPECT_EQ(personal_pronoun_code(s, nos, 7), 7);  // not nominative: the code passed in
  EXPECT_TRUE(same_person(s, v1));
  t.at(v2).set_person(3);
  EXPECT_FALSE(same_person(s, v1));
}

TEST(FindPartner, AnAdjectiveBesideItsNounAndNotAcrossAStop) {
  HandTable t;
  int adj_nom = t.add(0, A, "bon.a", nom, S, gender::fem);
  int adj_abl = t.add(0, A, "bon.a", abl, S, gender::fem);
  int noun = t.add(1, N, "puell.am", acc, S, gender::fem);
  int noun_abl = t.add(1, N, "puell.a", abl, S, gender::fem);
  t.add(2, pos::punct, ",");
  int after = t.add(3, N, "ros.a", abl, S, gender::fem);
  SentenceView& s = t.view();
  EXPECT_EQ(find_partner(s, adj_nom, +1, N), PartnerResult::not_found);
  EXPECT_EQ(find_partner(s, adj_abl, +1, N), PartnerResult::found);
  EXPECT_EQ(t.at(adj_abl).link(0), noun_abl);
  EXPECT_EQ(t.at(noun_abl).link(0), adj_abl);
  EXPECT_EQ(t.at(noun).link(0), -1);
  EXPECT_EQ(find_partner(s, noun_abl, +1, N), PartnerResult::stopped);
  EXPECT_EQ(t.at(after).link(0), -1);
}

TEST(Coordination, TwoNounsInOneCaseJoinedThroughTheMarker) {
  HandTable t;
  int a = t.add(0, N, "Gall.os", acc, P, gender::masc);
  int et = t.add(1, pos::conj, "et.");
  set_analysis_meaning(t.at(et), "and");
  int b_nom = t.add(2, N, "Belg.ae", nom, P, gender::masc);
  int b_acc = t.add(2, N, "Belg.as", acc, P, gender::masc);
  SentenceView& s = t.view();
  ASSERT_TRUE(coordinate_nominal(s, a, acc));
  const WordAnalysis& m = t.at(et);
  EXPECT_TRUE(m.coordination_marker());
  EXPECT_EQ(m.marked_speech(), pos::conj);
  EXPECT_EQ(m.link(0), a);
  EXPECT_EQ(m.link(1), b_acc);
  EXPECT_EQ(t.at(a).link(0), b_acc);
  EXPECT_EQ(t.at(b_acc).link(1), a);
  EXPECT_EQ(t.at(b_nom).link(1), -1);
  t.at(et).undo_coordination_marker();
  EXPECT_EQ(t.at(et).speech, pos::conj);
  EXPECT_EQ(t.at(et).link(0), -1);
}

TEST(Coordination, QuamBetweenComparativesMeansThan) {
  HandTable t;
  int a = t.add(0, A, "mai.or", nom, S, gender::common);
  t.at(a).set_comparison(comparison::comp);
  int quam = t.add(1, pos::adv, "quam.");
  set_analysis_meaning(t.at(quam), "how");
  t.add(2, A, "fort.ior", nom, S, gender::common);
  SentenceView& s = t.view();
  ASSERT_TRUE(coordinate_nominal(s, a, nom));
  EXPECT_EQ(t.at(quam).meaning_text(), "than");
}

}  // namespace

namespace {

// A marker that loses a conjunct is its conjunction again.
TEST(Coordination, AMarkerThatLostAConjunctIsAConjunctionAgain) {
  HandTable t;
  int a = t.add(0, N, "Gall.os", acc, P, gender::masc);
  int et = t.add(1, pos::conj, "et.");
  set_analysis_meaning(t.at(et), "and");
  int b = t.add(2, N, "Belg.as", acc, P, gender::masc);
  t.add(2, N, "Belg.ae", nom, P, gender::masc);
  SentenceView& s = t.view();
  ASSERT_TRUE(coordinate_nominal(s, a, acc));
  s.strike(b);
  clean_up_links(s);
  EXPECT_EQ(t.at(et).speech, pos::conj);
  EXPECT_EQ(t.at(et).link(0), -1);
}

// A table out of word order (word analysis restarted it at its limit) is
// only ordered: no clause pass runs over it, and every word still gets a reading.
TEST(SentenceAnalysis, ATableOutOfWordOrderIsLeftToTheOrdering) {
  HandTable t;
  t.add(0, N, "a.", nom);
  t.add(1, N, "b.", nom);
  t.add(0, N, "c.", acc);
  t.view();
  t.words().set_token_count(2);
  SyntaxEnv env;
  analyse_sentence(t.words(), t.options, t.scratch(), env);
  EXPECT_EQ(t.scratch().clause_count, 0);
  EXPECT_GE(t.scratch().chosen[0], 0);
  EXPECT_GE(t.scratch().chosen[1], 0);
}

}  // namespace
