// The reading chosen for each word of real sentences.
#include "syntax/choice.h"

#include <gtest/gtest.h>

#include "syntax/sentence_analysis.h"
#include "syntax_fixture.h"

using namespace kelvo;
using namespace kelvo::grammar;
using namespace kelvo::syntax;
using kelvo::testing::Probe;
using kelvo::testing::run_latin;

namespace {

struct Expect {
  const char* form;
  Code speech;
  Code gcase;  // 0: not checked
};

struct ChoiceCase {
  const char* latin;
  std::vector<Expect> words;
};

class ChosenReadings : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(ChosenReadings, AgreeWithTheirSentence) {
  REQUIRE_REAL_LEXICON(lex);
  const ChoiceCase& c = GetParam();
  run_latin(*lex, c.latin, Passes::choice, [&](const Probe& p) {
    for (const Expect& e : c.words) {
      const WordAnalysis* a = p.chosen(e.form);
      ASSERT_NE(a, nullptr) << c.latin << ": " << e.form;
      EXPECT_EQ(a->speech, e.speech) << c.latin << ": " << e.form << " " << a->latin_text();
      if (e.gcase != 0) {
        EXPECT_EQ(a->grammatical_case(), e.gcase) << c.latin << ": " << e.form;
      }
    }
  });
}

INSTANTIATE_TEST_SUITE_P(
    Sentences, ChosenReadings,
    ::testing::Values(
        // A plural verb and its plural subject; the adjective agrees with it.
        ChoiceCase{"Milites fortes in castra ueniunt.",
                   {{"Milites", pos::noun, gcase::nom},
                    {"fortes", pos::adj, gcase::nom},
                    {"in", pos::prep, gcase::acc},
                    {"castra", pos::noun, gcase::acc}}},
        // "in" with the accusative of motion and the ablative of place.
        ChoiceCase{"Legatus in urbem uenit.",
                   {{"in", pos::prep, gcase::acc}, {"urbem", pos::noun, gcase::acc}}},
        ChoiceCase{"Legatus in urbe manet.",
                   {{"in", pos::prep, gcase::abl}, {"urbe", pos::noun, gcase::abl}}},
        // An adjective joined to its noun across the verb.
        ChoiceCase{"Magnam habet gloriam.",
                   {{"Magnam", pos::adj, gcase::acc}, {"gloriam", pos::noun, gcase::acc}}},
        // Two nouns joined by et take one case.
        ChoiceCase{"Caesar uiros et feminas uidit.",
                   {{"Caesar", pos::noun, gcase::nom},
                    {"uiros", pos::noun, gcase::acc},
                    {"feminas", pos::noun, gcase::acc}}},
        // The object of an active verb, not a second subject.
        ChoiceCase{"Hostes oppidum oppugnant.",
                   {{"Hostes", pos::noun, gcase::nom}, {"oppidum", pos::noun, gcase::acc}}},
        // A compound perfect: the participle, not the noun "deed".
        ChoiceCase{"Hoc factum est.", {{"factum", pos::vpar, gcase::nom}}},
        // A noun's neighbour that can be its adjective is read as one, not as
        // a second noun in apposition (sanctus "saint").
        ChoiceCase{"Homines sancti in templo orabant.",
                   {{"Homines", pos::noun, gcase::nom}, {"sancti", pos::adj, gcase::nom}}},
        // The substantive use of an adjective (omnes "all men", boni "good
        // men") gives way to the adjective beside a noun it agrees with.
        ChoiceCase{"Venerunt omnes feminae flentes.",
                   {{"omnes", pos::adj, gcase::nom}, {"feminae", pos::noun, gcase::nom}}},
        ChoiceCase{"Magister bonis discipulis librum dat.",
                   {{"bonis", pos::adj, gcase::dat}, {"discipulis", pos::noun, gcase::dat}}},
        // cum after the pronoun it governs (mecum written apart); "a" before
        // its ablative is the preposition, not the cry.
        ChoiceCase{"Puer me cum ambulat.",
                   {{"me", pos::pron, gcase::abl}, {"cum", pos::prep, gcase::abl}}},
        ChoiceCase{"Filius a patre uenit.", {{"a", pos::prep, gcase::abl}}},
        // quod after a verb of saying, or after eo and propterea, is "that",
        // "because"; after a neuter word it is that word's relative pronoun.
        ChoiceCase{"Nuntius dicit quod hostes ueniunt.", {{"quod", pos::conj, 0}}},
        ChoiceCase{"Milites laeti erant propterea quod hostes fugerant.",
                   {{"quod", pos::conj, 0}}},
        ChoiceCase{"Oppidum quod uidimus magnum est.", {{"quod", pos::pron, 0}}},
        // An -e or -um form with no noun to agree with is the adverb.
        ChoiceCase{"Puer male scribit.", {{"male", pos::adv, 0}}},
        ChoiceCase{"Tantum unum uerbum dixit.", {{"Tantum", pos::adv, 0}}},
        // quam before a superlative and eo before a comparative measure.
        ChoiceCase{"Venite quam celerrime.", {{"quam", pos::adv, 0}}},
        ChoiceCase{"Milites eo magis pugnabant.", {{"eo", pos::adv, 0}}},
        // A capital inside the sentence marks the name the dictionary has:
        // the Germans, not "genuine"; Marcus, not "wither".
        ChoiceCase{"Agri Germanorum magni sunt.", {{"Germanorum", pos::noun, gcase::gen}}},
        ChoiceCase{"Filius Marci venit.", {{"Marci", pos::noun, gcase::gen}}},
        // At the start of a sentence a capital says nothing.
        ChoiceCase{"Germanum fratrem amat.", {{"Germanum", pos::adj, gcase::acc}}}));

TEST(Choice, AVocativeBetweenCommasBringsItsNeighboursTogether) {
  REQUIRE_REAL_LEXICON(lex);
  run_latin(*lex, "\"Magnum, Marce, periculum est.", Passes::choice, [](const Probe& p) {
    const WordAnalysis* voc = p.chosen("Marce");
    ASSERT_NE(voc, nullptr);
    EXPECT_EQ(voc->grammatical_case(), gcase::voc);
    ASSERT_GE(p.scratch.vocative_position, 0);
    // Chosen order: " , Marce , Magnum periculum est .
    const auto& ch = p.scratch.chosen;
    auto token_at = [&](int k) {
      return p.scratch.origin_token[static_cast<std::size_t>(ch[static_cast<std::size_t>(k)])];
    };
    EXPECT_EQ(token_at(4), p.token("Magnum"));
    EXPECT_EQ(token_at(5), p.token("periculum"));
    EXPECT_EQ(token_at(3), p.token(",", 1));
  });
}

// What the facade and the exports read: per token the chosen candidate (as
// word analysis stored it) and the tokens it is linked to, whatever the
// passes moved.
TEST(Choice, WordChoicesNameTheCandidateAndTheLinkedTokens) {
  REQUIRE_REAL_LEXICON(lex);
  run_latin(*lex, "Caesar autem in Galliam uenit.", Passes::choice, [](const Probe& p) {
    std::vector<WordChoice> out(p.sentence.tokens.size());
    ASSERT_EQ(word_choices(p.words, p.scratch, out), static_cast<int>(out.size()));
    for (std::size_t t = 0; t < out.size(); ++t) {
      const int c = out[t].chosen_candidate;
      ASSERT_GE(c, 0) << p.sentence.tokens[t].form;
      const WordAnalysis& cand =
          p.sentence.tokens[t].candidates[static_cast<std::size_t>(c)].analysis;
      const WordAnalysis* chosen = p.chosen(p.sentence.tokens[t].form);
      ASSERT_NE(chosen, nullptr);
      EXPECT_EQ(cand.latin_text(), chosen->latin_text());
      EXPECT_EQ(cand.grammatical_case(), chosen->grammatical_case());
    }
    const WordChoice& in = out[static_cast<std::size_t>(p.token("in"))];
    EXPECT_NE(std::find(in.linked_positions.begin(), in.linked_positions.end(), p.token("Galliam")),
              in.linked_positions.end());
  });
}

// Each pass on its own: ordering alone leaves every word its first reading.
TEST(Choice, OrderingAloneTakesEachWordsFirstReading) {
  REQUIRE_REAL_LEXICON(lex);
  run_latin(*lex, "Milites fortes in castra ueniunt.", Passes::order, [](const Probe& p) {
    EXPECT_EQ(p.scratch.clause_count, 0);
    for (int pos = 0; pos < p.scratch.positions; ++pos) {
      const int c = p.scratch.chosen[static_cast<std::size_t>(pos)];
      ASSERT_GE(c, 0);
      EXPECT_TRUE(c == 0 || p.words.analysis(c - 1).position.get() != pos);
    }
  });
}

}  // namespace
