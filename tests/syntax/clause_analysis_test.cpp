// Clause analysis on real sentences: what it strikes, links and moves.
#include "syntax/clause_analysis.h"

#include <gtest/gtest.h>

#include "syntax_fixture.h"

using namespace kelvo;
using namespace kelvo::grammar;
using namespace kelvo::syntax;
using kelvo::testing::Probe;
using kelvo::testing::run_latin;

namespace {

// The word position a token has after the passes.
int position_of(const Probe& p, std::string_view form) {
  auto live = p.live(form);
  return live.empty() ? -1 : p.words.analysis(live[0]).position.get();
}

bool linked_to(const Probe& p, int i, std::string_view form) {
  for (int k = 0; k < 3; ++k) {
    int j = p.words.analysis(i).link(k);
    if (j >= 0 && p.scratch.origin_token[static_cast<std::size_t>(j)] == p.token(form)) return true;
  }
  return false;
}

TEST(ClauseAnalysis, PostpositiveConjunctionsMoveToTheFront) {
  REQUIRE_REAL_LEXICON(lex);
  for (const char* latin : {"Caesar autem in Galliam uenit.", "Pueri enim in horto ludunt."}) {
    int n = run_latin(*lex, latin, Passes::clauses, [&](const Probe& p) {
      const std::string_view conj = p.sentence.tokens[1].form;
      EXPECT_EQ(position_of(p, conj), 0) << latin;
      EXPECT_EQ(position_of(p, p.sentence.tokens[0].form), 1) << latin;
      EXPECT_EQ(p.words.analysis(0).latin_text().substr(0, conj.size()), conj);
    });
    EXPECT_EQ(n, 1);
  }
  // "et" after a word it can join to the next stays in place.
  run_latin(*lex, "Caesar et Pompeius uenerunt.", Passes::clauses, [](const Probe& p) {
    EXPECT_EQ(position_of(p, "et"), 1);
    auto et = p.live("et");
    ASSERT_EQ(et.size(), 1u);
    EXPECT_TRUE(p.words.analysis(et[0]).coordination_marker());
  });
}

TEST(ClauseAnalysis, EtBetweenTwoNounsOfOneCase) {
  REQUIRE_REAL_LEXICON(lex);
  run_latin(*lex, "Video uiros et feminas.", Passes::clauses, [](const Probe& p) {
    auto et = p.live("et");
    ASSERT_EQ(et.size(), 1u);
    const WordAnalysis& m = p.words.analysis(et[0]);
    ASSERT_TRUE(m.coordination_marker());
    EXPECT_EQ(m.grammatical_case(), gcase::acc);
    EXPECT_TRUE(linked_to(p, et[0], "uiros"));
    EXPECT_TRUE(linked_to(p, et[0], "feminas"));
  });
}

TEST(ClauseAnalysis, AnAdjectiveJoinsItsNounAcrossAWord) {
  REQUIRE_REAL_LEXICON(lex);
  run_latin(*lex, "Magnam habet gloriam.", Passes::clauses, [](const Probe& p) {
    bool joined = false;
    for (int i : p.live("Magnam")) joined = joined || linked_to(p, i, "gloriam");
    EXPECT_TRUE(joined);
  });
}

TEST(ClauseAnalysis, APrepositionKeepsTheReadingOfItsObjectsCase) {
  REQUIRE_REAL_LEXICON(lex);
  struct Case {
    const char* latin;
    Code governed;
  };
  for (Case c : {Case{"Milites in magnam urbem ueniunt.", gcase::acc},
                 Case{"Milites in magna urbe manent.", gcase::abl}}) {
    run_latin(*lex, c.latin, Passes::clauses, [&](const Probe& p) {
      auto in = p.live("in");
      ASSERT_EQ(in.size(), 1u) << c.latin;
      EXPECT_EQ(p.words.analysis(in[0]).grammatical_case(), c.governed) << c.latin;
      EXPECT_TRUE(linked_to(p, in[0], "urbem") || linked_to(p, in[0], "urbe")) << c.latin;
    });
  }
}

TEST(ClauseAnalysis, APluralVerbFindsItsPluralSubject) {
  REQUIRE_REAL_LEXICON(lex);
  run_latin(*lex, "Hostes celeriter oppidum oppugnant.", Passes::clauses, [](const Probe& p) {
    bool found = false;
    for (int i : p.live("Hostes")) {
      const WordAnalysis& a = p.words.analysis(i);
      if (a.grammatical_case() == gcase::nom && linked_to(p, i, "oppugnant")) found = true;
    }
    EXPECT_TRUE(found);
  });
}

TEST(ClauseAnalysis, AdverbsInImeStrikeTheirAdjectiveReadings) {
  REQUIRE_REAL_LEXICON(lex);
  run_latin(*lex, "Hoc maxime placet.", Passes::clauses, [](const Probe& p) {
    for (int i : p.live("maxime")) EXPECT_FALSE(p.words.analysis(i).latin_text().ends_with("im.e"));
  });
}

TEST(ClauseAnalysis, AnInsertedInquitClauseMovesToTheEnd) {
  REQUIRE_REAL_LEXICON(lex);
  run_latin(*lex, "Quid, inquit, agis?", Passes::clauses, [](const Probe& p) {
    EXPECT_TRUE(p.scratch.relocated);
    EXPECT_EQ(position_of(p, "Quid"), 0);
    EXPECT_EQ(position_of(p, "agis"), 2);
    EXPECT_EQ(position_of(p, "inquit"), 4);
    EXPECT_EQ(position_of(p, "?"), 5);
    EXPECT_EQ(p.scratch.positions, 6);
  });
  // Inside an odd number of quotation marks nothing moves.
  run_latin(*lex, "\"Quid, inquit, agis?", Passes::clauses,
            [](const Probe& p) { EXPECT_FALSE(p.scratch.relocated); });
}

TEST(ClauseAnalysis, ASentenceWithoutMarksIsOneClause) {
  REQUIRE_REAL_LEXICON(lex);
  run_latin(*lex, "puer puellam uidet", Passes::clauses, [](const Probe& p) {
    EXPECT_EQ(p.scratch.clause_count, 1);
  });
}

TEST(ClauseAnalysis, TheFiftiethClauseEndsTheSentence) {
  REQUIRE_REAL_LEXICON(lex);
  std::string latin;
  for (int k = 0; k < 55; ++k) latin += "ueni, ";
  latin += "uici.";
  std::string log;
  run_latin(
      *lex, latin, Passes::choice,
      [](const Probe& p) {
        EXPECT_EQ(p.scratch.clause_count, kMaxClauses);
        EXPECT_EQ(p.scratch.positions, 2 * kMaxClauses);
        EXPECT_EQ(p.chosen("uici"), nullptr);
        EXPECT_NE(p.chosen("ueni", 49), nullptr);
        EXPECT_EQ(p.chosen("ueni", 50), nullptr);
      },
      {}, &log);
  EXPECT_NE(log.find("Too many clauses in sentence (Max. 50)."), std::string::npos);
  // Exactly fifty clauses cut nothing and say nothing.
  latin.clear();
  for (int k = 0; k < 49; ++k) latin += "ueni, ";
  latin += "uici.";
  run_latin(
      *lex, latin, Passes::choice,
      [](const Probe& p) { EXPECT_NE(p.chosen("uici"), nullptr); }, {}, &log);
  EXPECT_EQ(log.find("Too many clauses"), std::string::npos);
}

TEST(ClauseAnalysis, AliusAliusReadsOneAndTheOther) {
  REQUIRE_REAL_LEXICON(lex);
  run_latin(*lex, "Alius alium laudat, alius uituperat.", Passes::clauses, [](const Probe& p) {
    auto first = p.live("Alius");
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(p.words.analysis(first[0]).meaning_text(), "one");
  });
  run_latin(*lex, "Neque hoc omnino uidit.", Passes::clauses, [](const Probe& p) {
    auto neque = p.live("Neque"), omnino = p.live("omnino");
    ASSERT_EQ(neque.size(), 1u);
    ASSERT_EQ(omnino.size(), 1u);
    EXPECT_EQ(p.words.analysis(neque[0]).meaning_text(), "not");
    EXPECT_EQ(p.words.analysis(omnino[0]).meaning_text(), "at all");
  });
}

TEST(ClauseAnalysis, CorrelativesAndQuamAfterMagis) {
  REQUIRE_REAL_LEXICON(lex);
  run_latin(*lex, "Et pueri et puellae magis currunt quam ambulant.", Passes::clauses,
            [](const Probe& p) {
              auto first = p.live("Et"), second = p.live("et"), quam = p.live("quam");
              ASSERT_EQ(first.size(), 1u);
              ASSERT_EQ(quam.size(), 1u);
              EXPECT_EQ(p.words.analysis(first[0]).meaning_text(), "both");
              EXPECT_EQ(p.words.analysis(quam[0]).meaning_text(), "than");
              ASSERT_FALSE(second.empty());
            });
}

}  // namespace
