#include "english/polish.h"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "english/english_fixture.h"
#include "english/real_words.h"
#include "english/word_on_its_own.h"

namespace {

using kelvo::TranslationOptions;
using kelvo::WordOrder;
using kelvo::testing::Translated;
using kelvo::testing::translate_latin;

bool has(const std::string& s, std::string_view part) { return s.find(part) != std::string::npos; }

// Where a word stands in the line (npos when absent).
std::size_t at(const std::string& s, std::string_view word) { return s.find(word); }

std::vector<std::string> translate_in(const kelvo::grammar::Lexicon& lex, const std::string& latin,
                                      WordOrder order, bool ablative_absolute = true) {
  TranslationOptions o;
  o.best_order = order;
  o.ablative_absolute = ablative_absolute;
  Translated t;
  translate_latin(lex, latin, t, o);
  return t.lines;
}

constexpr WordOrder kOrders[] = {WordOrder::none, WordOrder::nomverb, WordOrder::automatic,
                                 WordOrder::svoe};

using PhraseCase = std::pair<const char*, const char*>;

// Each sentence's English (automatic order) holds its phrase and none of the faults.
void expect_phrases(const kelvo::grammar::Lexicon& lex, std::span<const PhraseCase> cases,
                    std::initializer_list<std::string_view> faults = {}) {
  for (const auto& [latin, english] : cases) {
    auto line = translate_in(lex, latin, WordOrder::automatic)[0];
    EXPECT_TRUE(has(line, english)) << latin << " -> " << line;
    for (std::string_view f : faults) EXPECT_FALSE(has(line, f)) << latin << " -> " << line;
  }
}

// Real sentences in every order: printable English that keeps what each says.
TEST(Polish, RealSentencesInEveryOrder) {
  REQUIRE_REAL_LEXICON(lex);
  struct Case {
    const char* latin;
    std::vector<const char*> words;
  };
  const Case cases[] = {
      {"Gallia est omnis divisa in partes tres.", {"Gaul", "divided", "parts"}},
      {"Caesare duce milites urbem ceperunt.", {"Caesar", "leader", "city"}},
      {"Urbs capta est.", {"city", "was taken"}},          // the perfect passive
      {"Milites hostes secuti sunt.", {"have followed"}},  // a deponent's perfect
      {"Ama puellam!", {"Love", "girl"}},                  // an imperative
      {"Quis venit?", {"Who comes?"}},                     // a question
      {"Urbs capta erit.", {"will have been taken"}},      // future perfect passive
  };
  for (WordOrder order : kOrders) {
    for (const Case& c : cases) {
      auto lines = translate_in(*lex, c.latin, order);
      ASSERT_EQ(lines.size(), 1u) << c.latin;
      const std::string& line = lines[0];
      SCOPED_TRACE(std::string(c.latin) + " -> " + line);
      for (const char* w : c.words) EXPECT_TRUE(has(line, w)) << w;
      // No marker is left, and the sentence starts with its capital.
      EXPECT_FALSE(has(line, "^"));
      EXPECT_FALSE(has(line, "+"));
      EXPECT_FALSE(has(line, "  "));
      ASSERT_FALSE(line.empty());
      EXPECT_TRUE(line[0] >= 'A' && line[0] <= 'Z');
    }
  }
}

// NONE keeps the Latin order; NOMVERB puts the verb after its subject;
// SVOE (and the automatic order on a plain sentence) subject, verb, object.
TEST(Polish, WordOrders) {
  REQUIRE_REAL_LEXICON(lex);
  const std::string sov = "Puella nautam amat.";
  const std::string osv = "Nautam puella amat.";
  auto none = translate_in(*lex, sov, WordOrder::none)[0];
  EXPECT_LT(at(none, "girl"), at(none, "sailor")) << none;
  EXPECT_LT(at(none, "sailor"), at(none, "loves")) << none;
  for (WordOrder order : {WordOrder::svoe, WordOrder::automatic}) {
    for (const std::string& latin : {sov, osv}) {
      auto line = translate_in(*lex, latin, order)[0];
      EXPECT_EQ(line, "The girl loves the sailor.") << latin;
    }
  }
  auto nomverb = translate_in(*lex, osv, WordOrder::nomverb)[0];
  EXPECT_LT(at(nomverb, "sailor"), at(nomverb, "girl")) << nomverb;
  EXPECT_LT(at(nomverb, "girl"), at(nomverb, "loves")) << nomverb;
  // A verb that opens its clause follows the subject after it.
  auto first = translate_in(*lex, "In principio aedificavit Romulus urbem et murum.",
                            WordOrder::automatic)[0];
  EXPECT_TRUE(has(first, "In the beginning Romulus has built the city and the wall")) << first;
}

// The adjective before "be" is what the subject is; "res publica" is the
// State, and the adjective's own slot is spent.
TEST(Polish, PredicatesAndIdioms) {
  REQUIRE_REAL_LEXICON(lex);
  auto state = translate_in(*lex, "Res publica magna est.", WordOrder::automatic)[0];
  EXPECT_TRUE(has(state, "State is large")) << state;
  EXPECT_FALSE(has(state, "public")) << state;
  EXPECT_FALSE(has(state, "thing")) << state;
  auto none = translate_in(*lex, "Res publica magna est.", WordOrder::none)[0];
  EXPECT_TRUE(has(none, "State")) << none;
  auto more = translate_in(*lex, "Plus quam decem milites venerunt.", WordOrder::automatic)[0];
  EXPECT_TRUE(has(more, "More than ten")) << more;
  auto need = translate_in(*lex, "Mihi opus est gladio.", WordOrder::automatic)[0];
  EXPECT_TRUE(has(need, "I need")) << need;
  // The pronoun the verb already says is not said twice.
  auto love = translate_in(*lex, "Ego te amo.", WordOrder::automatic)[0];
  EXPECT_EQ(love, "I love you.");
}

// Pronouns as English says them: the person, the possessive before its noun,
// the relative by what it refers to, the intensive and the reflexive.
TEST(Polish, Pronouns) {
  REQUIRE_REAL_LEXICON(lex);
  const PhraseCase cases[] = {
      {"Puella eam amat.", "The girl loves her."},
      {"Vidit nomen eius.", "his name"},
      {"Puellae, quae erant in horto, cantabant.", "who were being in the garden"},
      {"Nautae ipsi venerunt.", "The sailors themselves have come."},
      {"Puellae inter se amant.", "themselves"},
      {"Puellam suam amant.", "their girl"},
      {"Cum illi ipsi venissent, abiit.", "When they themselves"},  // ipse with a pronoun
      {"Nihil tutum videbant.", "Nothing safe"},  // nihil's adjective takes no article
  };
  expect_phrases(*lex, cases);
}

// A preposition's phrase says the preposition once, before all its words,
// even when a word of it stands before the preposition ("magno cum exercitu").
TEST(Polish, PrepositionalPhrases) {
  REQUIRE_REAL_LEXICON(lex);
  const PhraseCase cases[] = {
      {"Magno cum exercitu venit.", "With the large army"},
      {"Cum omnibus copiis venit.", "With all the "},
      {"Ex eo oppido pons ad Helvetios pertinet.", "Out of that town"},
      {"Diviciacus multis cum lacrimis Caesarem obsecrare coepit.", "with many tears"},
      {"His cum sua sponte persuadere non possent, legatos mittunt.", "with their free will"},
      // an adjective whose English brings its own "of"
      {"Catamantaloedis filio, Sequano, persuadet.", "son, of the Sequani"},
      {"Ne tanta multitudine opprimantur.", "of such size multitude"},
  };
  expect_phrases(*lex, cases, {"with with", "the with", "their the", "with of", "to of"});
}

// An ablative of time says when: "on" a day, "in" a night, a month or years;
// its phrase says it once, and a time with its participle stays an ablative
// absolute.
TEST(Polish, AblativeOfTime) {
  REQUIRE_REAL_LEXICON(lex);
  const PhraseCase cases[] = {
      {"Postero die castra movent.", "On the "},
      {"Multis annis regnavit.", "In many years"},
      {"Mense septimo venit.", "In the seventh month"},
      {"Hieme in hibernis manserunt.", "In the winter"},
      {"Triduo intermisso venit.", "Having interrupted"},
  };
  expect_phrases(*lex, cases, {"With", "in the years"});
}

// A short adjective's degree is its ending: "altior" is "higher".
TEST(Polish, DegreesOfShortAdjectives) {
  REQUIRE_REAL_LEXICON(lex);
  const PhraseCase cases[] = {
      {"Flumen altius est.", "higher"},
      {"Via brevior est.", "shorter"},
      {"Homines fortissimi venerunt.", "strongest men"},
  };
  expect_phrases(*lex, cases, {"more high", "more short", "most strong"});
}

// An adjective whose word its noun's English already says is not said again:
// without the sense step "saltus" reads "narrow passage".
TEST(Polish, AdjectiveTheNounAlreadySays) {
  REQUIRE_REAL_LEXICON(lex);
  TranslationOptions o;
  o.neural = false;
  for (const char* latin : {"Per angustos saltus iter fecerunt.", "In saltu angusto pugnatum est.", "Per saltus angustos iter fecerunt."}) {
    Translated t;
    translate_latin(*lex, latin, t, o);
    ASSERT_EQ(t.lines.size(), 1u) << latin;
    EXPECT_TRUE(has(t.lines[0], "narrow passage")) << latin << " -> " << t.lines[0];
    EXPECT_FALSE(has(t.lines[0], "narrow narrow")) << latin << " -> " << t.lines[0];
  }
  // Another adjective stays.
  Translated t;
  translate_latin(*lex, "Per longos saltus iter fecerunt.", t, o);
  EXPECT_TRUE(has(t.lines[0], "long narrow passage")) << t.lines[0];
}

// "Caesare duce": with the option on, a clause of its own; off, the ablatives.
TEST(Polish, AblativeAbsolute) {
  REQUIRE_REAL_LEXICON(lex);
  const std::string latin = "Caesare duce milites urbem ceperunt.";
  for (WordOrder order : kOrders) {
    auto on = translate_in(*lex, latin, order, true)[0];
    EXPECT_TRUE(has(on, "Since Caesar was leader")) << on;
    auto off = translate_in(*lex, latin, order, false)[0];
    EXPECT_FALSE(has(off, "since")) << off;
    EXPECT_TRUE(has(off, "With Caesar")) << off;
  }
}

// The hooks: the sense step only with NEURAL on; the repair sees every word slot.
int sense_calls = 0;
int repair_calls = 0;
void count_senses(const kelvo::english::SentenceInput&, kelvo::english::OutputWords&) {
  ++sense_calls;
}
void count_repairs(const kelvo::english::SentenceInput&, kelvo::english::OutputWords& out,
                   int slot) {
  ++repair_calls;
  if (out.at(slot) == "girl") out.at(slot) = "maiden";
}

TEST(Polish, HooksRunWhereTheyBelong) {
  REQUIRE_REAL_LEXICON(lex);
  kelvo::english::PolishHooks hooks{count_senses, count_repairs};
  TranslationOptions o;
  for (bool neural : {true, false}) {
    sense_calls = repair_calls = 0;
    o.neural = neural;
    Translated t;
    translate_latin(*lex, "Puella nautam amat.", t, o, &hooks);
    EXPECT_EQ(sense_calls, neural ? 1 : 0);
    EXPECT_EQ(repair_calls, 3);  // three words; the stop is no word
    ASSERT_EQ(t.lines.size(), 1u);
  }
}

// A word on its own: rendered as in a sentence, but neither moved nor
// capitalised, its markers left for the single-word texts.
TEST(Polish, WordOnItsOwnStopsAfterRendering) {
  REQUIRE_REAL_LEXICON(lex);
  TranslationOptions o;
  o.batch_mode = true;
  kelvo::analysis::WordAnalyzer wa(*lex, nullptr, o);
  kelvo::english::WordRenderer renderer(wa);
  struct Case {
    const char* word;
    const char* english;  // one of the readings renders this
  };
  for (const Case& c : {Case{"puellam", "the girl"}, Case{"amat", "s/he/it ^loves"},
                        Case{"me", "me"}, Case{"amavisset", "s/he/it might have ^loved"}}) {
    auto candidates = kelvo::testing::word_candidates(*lex, c.word);
    ASSERT_FALSE(candidates.empty()) << c.word;
    auto english = renderer.render(candidates, o);
    ASSERT_EQ(english.size(), candidates.size());
    bool found = false;
    for (const auto& e : english) {
      found = found || e == c.english;
      EXPECT_FALSE(has(e, "+")) << c.word << ": " << e;
      ASSERT_FALSE(e.empty()) << c.word;
      EXPECT_FALSE(e[0] >= 'A' && e[0] <= 'Z' && e != "I") << c.word << ": " << e;
    }
    EXPECT_TRUE(found) << c.word;
  }
  EXPECT_TRUE(renderer.render({}, o).empty());
}

}  // namespace
