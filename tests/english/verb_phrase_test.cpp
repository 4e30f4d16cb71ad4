#include "english/verb_phrase.h"

#include <gtest/gtest.h>

#include <string>

#include "english/real_words.h"
#include "english/slot_finish.h"

namespace {

using namespace kelvo;
using namespace kelvo::grammar;

struct Form {
  Code tense, voice, mood, person, number;
  Code kind = 0;  // 0: any verb kind but IMPERS; else the kind wanted
};

// The analysis of `word` with exactly this form, or null.
const WordAnalysis* pick(const std::vector<analysis::Candidate>& cands, const Form& f) {
  for (const auto& c : cands) {
    const WordAnalysis& a = c.analysis;
    if (a.speech != pos::verb) continue;
    if (a.tense() != f.tense || a.voice() != f.voice || a.mood() != f.mood) continue;
    if (f.mood != mood::inf && (a.person() != f.person || a.number() != f.number)) continue;
    if (f.kind ? a.verb_kind() != f.kind : a.verb_kind() == verb_kind::impers) continue;
    return &a;
  }
  return nullptr;
}

std::string english_of(const WordAnalysis& verb, std::string_view meaning, int subjects = 0,
                       english::SubjectFacts subject = {}) {
  std::string s;
  english::build_verb_phrase(meaning, verb, subjects, subject, s);
  english::finish_slot(s, {pos::verb}, kelvo::testing::real_lexicon()->polish());
  return s;
}

struct Case {
  const char* latin;
  const char* meaning;
  Form form;
  const char* english;
};

template <std::size_t N>
void check_cases(const Lexicon& lex, const Case (&cases)[N]) {
  for (const Case& c : cases) {
    auto cands = kelvo::testing::word_candidates(lex, c.latin);
    const WordAnalysis* a = pick(cands, c.form);
    ASSERT_NE(a, nullptr) << c.latin << ": no analysis of that form";
    EXPECT_EQ(english_of(*a, c.meaning), c.english) << c.latin;
  }
}

// Every tense, voice, mood and person the templates know, on real verbs.
TEST(VerbPhrase, RealVerbsInEveryTemplate) {
  REQUIRE_REAL_LEXICON(lex);
  using namespace tense;
  const Code A = voice::active, P = voice::passive, I = mood::ind, S = mood::sub,
             M = mood::imp, N = mood::inf, sg = number::sing, pl = number::plur;
  const Case cases[] = {
      {"amat", "love", {pres, A, I, 3, sg}, "s/he/it loves"},
      {"amo", "love", {pres, A, I, 1, sg}, "I love"},
      {"amamus", "love", {pres, A, I, 1, pl}, "we love"},
      {"amant", "love", {pres, A, I, 3, pl}, "they love"},
      {"amor", "love", {pres, P, I, 1, sg}, "I am loved"},
      {"amatur", "love", {pres, P, I, 3, sg}, "s/he/it is loved"},
      {"amantur", "love", {pres, P, I, 3, pl}, "they are loved"},
      {"amemus", "love", {pres, A, S, 1, pl}, "we may love"},
      {"ameris", "love", {pres, P, S, 2, sg}, "you may be loved"},
      {"amabam", "love", {impf, A, I, 1, sg}, "I was loving"},
      {"amabatis", "love", {impf, A, I, 2, pl}, "you were loving"},
      {"amabatur", "love", {impf, P, I, 3, sg}, "s/he/it was being loved"},
      {"amaret", "love", {impf, A, S, 3, sg}, "s/he/it might love"},
      {"amaretur", "love", {impf, P, S, 3, sg}, "s/he/it might be loved"},
      {"amabo", "love", {fut, A, I, 1, sg}, "I shall love"},
      {"amabit", "love", {fut, A, I, 3, sg}, "s/he/it will love"},
      {"amabimur", "love", {fut, P, I, 1, pl}, "we will be loved"},
      {"amaverunt", "love", {perf, A, I, 3, pl}, "they have loved"},
      {"amavit", "love", {perf, A, I, 3, sg}, "s/he/it has loved"},
      {"amavi", "love", {perf, A, I, 1, sg}, "I have loved"},
      {"amaverim", "love", {perf, A, S, 1, sg}, "I might have loved"},
      {"amaverat", "love", {plup, A, I, 3, sg}, "s/he/it had loved"},
      {"amavissent", "love", {plup, A, S, 3, pl}, "they might have loved"},
      {"amaveris", "love", {futp, A, I, 2, sg}, "you will have loved"},
      {"ama", "love", {pres, A, M, 2, sg}, "love!"},
      {"amate", "love", {pres, A, M, 2, pl}, "love!"},
      {"amare", "love", {pres, A, N, 0, 0}, "to love"},
      {"amari", "love", {pres, P, N, 0, 0}, "to be loved"},
      {"amavisse", "love", {perf, A, N, 0, 0}, "to have loved"},
      {"cepit", "take", {perf, A, I, 3, sg}, "s/he/it has taken"},
      {"capit", "take", {pres, A, I, 3, sg}, "s/he/it takes"},
      {"capitur", "take", {pres, P, I, 3, sg}, "s/he/it is taken"},
      {"videt", "see", {pres, A, I, 3, sg}, "s/he/it sees"},
      {"custodit", "watch", {pres, A, I, 3, sg}, "s/he/it watches"},
      {"sequitur", "follow", {pres, A, I, 3, sg, verb_kind::dep}, "s/he/it follows"},
      {"inquit", "say", {pres, A, I, 3, sg}, "s/he/it says"},
      {"inquit", "say", {pres, A, I, 3, sg, verb_kind::impers}, "one says"},
      {"licet", "is permitted", {pres, A, I, 3, sg, verb_kind::impers}, "it is permitted"},
      {"licuit", "is permitted", {perf, A, I, 3, sg, verb_kind::impers}, "it was permitted"},
      {"liceat", "is permitted", {pres, A, S, 3, sg, verb_kind::impers}, "it may be permitted"},
  };
  check_cases(*lex, cases);
}

// The verb "be" has its own forms, and "fore" its own phrase.
TEST(VerbPhrase, FormsOfBe) {
  REQUIRE_REAL_LEXICON(lex);
  using namespace tense;
  const Code A = voice::active, I = mood::ind, S = mood::sub, N = mood::inf,
             sg = number::sing, pl = number::plur, be = verb_kind::to_be;
  const Case cases[] = {
      {"esse", "be", {pres, A, N, 0, 0, be}, "to be"},
      {"sum", "be", {pres, A, I, 1, sg, be}, "I am"},
      {"es", "be", {pres, A, I, 2, sg, be}, "you are"},
      {"est", "be", {pres, A, I, 3, sg, be}, "s/he/it is"},
      {"sumus", "be", {pres, A, I, 1, pl, be}, "we are"},
      {"sunt", "be", {pres, A, I, 3, pl, be}, "they are"},
      {"eram", "be", {impf, A, I, 1, sg, be}, "I was being"},
      {"fuit", "be", {perf, A, I, 3, sg, be}, "s/he/it has been"},
      {"fuerat", "be", {plup, A, I, 3, sg, be}, "s/he/it had been"},
      {"fuerit", "be", {futp, A, I, 3, sg, be}, "s/he/it will have been"},
      {"erit", "be", {fut, A, I, 3, sg, be}, "s/he/it will be"},
      {"sit", "be", {pres, A, S, 3, sg, be}, "s/he/it may be"},
      {"fuisse", "be", {perf, A, N, 0, 0, be}, "to have been"},
      {"fore", "be", {fut, A, N, 0, 0, be}, "to be about to be"},
  };
  check_cases(*lex, cases);
}

// The third-person pronoun follows what sentence analysis found as subject.
TEST(VerbPhrase, ThirdPersonPronounFromTheSubject) {
  REQUIRE_REAL_LEXICON(lex);
  auto cands = kelvo::testing::word_candidates(*lex, "amat");
  const WordAnalysis* a = pick(cands, {tense::pres, voice::active, mood::ind, 3, number::sing});
  ASSERT_NE(a, nullptr);
  using english::SubjectFacts;
  // A nominative attached to the verb: no pronoun of its own.
  EXPECT_EQ(english_of(*a, "love", 1, SubjectFacts{true, pos::noun, noun_kind::thing, 2}),
            "loves");
  // Linked but not counted: the subject's kind and gender choose.
  EXPECT_EQ(english_of(*a, "love", 0,
                       SubjectFacts{true, pos::noun, noun_kind::person, gender::fem}),
            "she loves");
  EXPECT_EQ(english_of(*a, "love", 0,
                       SubjectFacts{true, pos::noun, noun_kind::proper, gender::masc}),
            "he loves");
  EXPECT_EQ(english_of(*a, "love", 0,
                       SubjectFacts{true, pos::noun, noun_kind::thing, gender::neuter}),
            "it loves");
  EXPECT_EQ(english_of(*a, "love", 0, SubjectFacts{true, pos::pron, 0, gender::masc}), "loves");
  // Two subjects of a singular verb: the pronoun stays.
  EXPECT_EQ(english_of(*a, "love", 2), "s/he/it loves");
}

// Reflexive meanings, tails after the head word, suffix spellings.
TEST(VerbPhrase, ReflexivesAndTails) {
  REQUIRE_REAL_LEXICON(lex);
  auto pl1 = kelvo::testing::word_candidates(*lex, "conferimus");
  const WordAnalysis* a =
      pick(pl1, {tense::pres, voice::active, mood::ind, 1, number::plur});
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(english_of(*a, "betake oneself"), "we betake ourselves");
  EXPECT_EQ(english_of(*a, "lose one's speech"), "we lose our speech");
  auto sg3 = kelvo::testing::word_candidates(*lex, "spectavit");
  const WordAnalysis* b =
      pick(sg3, {tense::perf, voice::active, mood::ind, 3, number::sing});
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(english_of(*b, "look at"), "s/he/it has looked at");
  auto sg3p = kelvo::testing::word_candidates(*lex, "spectat");
  const WordAnalysis* c =
      pick(sg3p, {tense::pres, voice::active, mood::ind, 3, number::sing});
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(english_of(*c, "carry away"), "s/he/it carries away");
  EXPECT_EQ(english_of(*c, "pass by"), "s/he/it passes by");
  EXPECT_EQ(english_of(*c, "fix"), "s/he/it fixes");
}

}  // namespace
