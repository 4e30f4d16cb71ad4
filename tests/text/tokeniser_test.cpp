#include "text/tokeniser.h"

#include <gtest/gtest.h>

#include <string>

#include "text/roman_numeral.h"

namespace a = kelvo::text;
using kelvo::TranslationOptions;

namespace {

struct Fixture {
  kelvo::RecordingHost host;
  kelvo::WarningGate gate{host};
  kelvo::ParseLog log;
  a::SentenceWords words;
  a::Tokenised last;
  Fixture() { log.open_memory(); }
  int run(const std::string& line, const TranslationOptions& o = {}) {
    last = a::tokenise(line, words, o, gate, log);
    return last.status == a::TokeniseStatus::cancelled ? -2 : last.tokens;
  }
  std::string joined() const {
    std::string s;
    for (int i = 0; i < words.token_count(); ++i) {
      if (i) s += ' ';
      s += words.token(i);
    }
    return s;
  }
};

}  // namespace

TEST(Tokeniser, TokensOfThePart) {
  struct Case {
    const char* line;
    const char* tokens;
  };
  const Case cases[] = {
      {"Romam, Caesar!\n", "Romam PUNCTA Caesar PUNCTD"},
      {"(uide)\n", "PUNCTI uide PUNCTJ"},
      {"Iulius ivvenis VIVIT.", "Iulius iuuenis uiuit PUNCT@"},
      {"tertius decimus annus.", "tertiusdecimus annus PUNCT@"},
      {"opus est.", "opus_est PUNCT@"},
      {"una cum paulo ante magis quam pater familias.",
       "una_cum paulo_ante magis_quam paterfamilias PUNCT@"},
      {"ius iurandum senatus consultum.", "iusiurandum senatusconsultum PUNCT@"},
      {"legio XIV et CAESAR et DE et IULIUS.", "legio XIU et caesar et De et iulius PUNCT@"},
      {"M_Tullius P_XX M_TULLIUS.", "M_Tullius pondo XX M_tullius PUNCT@"},
      {"amic(us) \"dixit\".", "amicus PUNCTE dixit PUNCTE PUNCT@"},
      {"factumst uigesimus Ymnus yconomus.", "factum est uicesimus Hymnus iconomus PUNCT@"},
      {"R\xE6tia et \x9C" "conomia Caesar's 12.", "Raetia et oeconomia Caesars PUNCT@"},
  };
  for (const auto& c : cases) {
    Fixture f;
    int n = f.run(c.line);
    EXPECT_EQ(n, f.words.token_count());
    EXPECT_EQ(f.joined(), c.tokens) << c.line;
    EXPECT_EQ(f.words.token(f.words.token_count()), "") << "slot after the last is cleared";
  }
}

TEST(Tokeniser, OptionsChangeTheTokens) {
  TranslationOptions o;
  o.plautus = true;
  Fixture f;
  f.run("bonast factust post.", o);
  EXPECT_EQ(f.joined(), "bona est factus est post PUNCT@");
  o = {};
  o.translate = true;
  Fixture g;
  g.run("In hoc autem libro.", o);
  EXPECT_EQ(g.joined(), "autem In hoc libro PUNCT@");
  o = {};
  o.age = kelvo::Age::all;
  Fixture h;
  h.run("ymnus.", o);
  EXPECT_EQ(h.joined(), "ymnus PUNCT@");
}

TEST(Tokeniser, OverlongWordEndsTheSentenceWithAWarning) {
  Fixture f;
  std::string word(101, 'a');
  EXPECT_EQ(f.run("Caesar uenit " + word + " et uicit."), 2);
  EXPECT_EQ(f.joined(), "Caesar uenit");
  ASSERT_EQ(f.host.warnings.size(), 1u);
  EXPECT_EQ(f.host.warnings[0], "More than 100 characters in word " + std::string(100, 'a') + "....\n");
  EXPECT_EQ(f.log.text(), f.host.warnings[0]);
}

TEST(Tokeniser, TooManyWordsTruncatesAndCancelEnds) {
  std::string line;
  for (int i = 0; i < 500; ++i) line += "uerbum ";
  Fixture f;
  EXPECT_EQ(f.run(line), 397);
  ASSERT_EQ(f.host.questions.size(), 1u);
  EXPECT_EQ(f.host.questions[0], "Too many words/punctuation. Truncated at 398.\n");
  Fixture g;
  g.host.ok_answer = false;
  g.run(line);
  EXPECT_EQ(g.last.status, a::TokeniseStatus::cancelled);
  // Words glued by punctuation never overflow the table.
  Fixture h;
  std::string marks(99, ',');
  for (int i = 0; i < 10; ++i) line = "a" + marks + " " + line;
  EXPECT_LE(h.run(line), a::kMaxTokens);
}

TEST(Tokeniser, WarningBoxesStopAfterTwoButTheLogKeepsEverything) {
  Fixture f;
  std::string word(120, 'x');
  for (int i = 0; i < 3; ++i) f.run(word);
  EXPECT_EQ(f.host.warnings.size(), 2u);
  EXPECT_EQ(f.gate.shown(), 2);
  TranslationOptions batch;
  batch.batch_mode = true;
  Fixture g;
  g.run(word, batch);
  EXPECT_TRUE(g.host.warnings.empty());
  EXPECT_FALSE(g.log.text().empty());
}

TEST(RomanNumerals, ValidAndInvalid) {
  struct Case {
    const char* text;
    int value;
  };
  const Case cases[] = {{"XIV", 14}, {"XVI", 16}, {"MCMXCIX", 1999}, {"CLX", 160},
                        {"IIS", 2},  {"IIII", 4}, {"U", 5},          {"MDC", 1600},
                        {"VX", 0},   {"IC", 0},   {"VL", 0},         {"XVV", 0},
                        {"", 0},     {"S", 0},    {"XIA", 0},        {"IULIUS", 0}};
  for (const auto& c : cases) EXPECT_EQ(a::roman_numeral_value(c.text), c.value) << c.text;
}

TEST(SentenceWords, HashSlotsAndPunctuationRecords) {
  EXPECT_EQ(a::word_hash_slot(""), 0);
  // h = 2*(0+'a')-130 = 64 -> slot 32.
  EXPECT_EQ(a::word_hash_slot("a"), 32);
  // Only the first twelve characters count; high bytes are signed.
  EXPECT_EQ(a::word_hash_slot("abcdefghijklmnop"), a::word_hash_slot("abcdefghijklXYZ"));
  EXPECT_NE(a::word_hash_slot("\xE6"), a::word_hash_slot("f"));
  // A high byte counts as negative and the shift keeps the sign:
  // h = 2*(0-1)-130 = -132, -132 >> 1 = -66, and -66 & 511 = 446.
  EXPECT_EQ(a::word_hash_slot("\xFF"), 446);
  // The order of the letters matters.
  EXPECT_NE(a::word_hash_slot("ab"), a::word_hash_slot("ba"));
  kelvo::RecordingHost host;
  kelvo::WarningGate gate(host);
  kelvo::ParseLog log;
  log.open_memory();
  auto words = std::make_unique<a::SentenceWords>();
  EXPECT_EQ(words->hash_slot(511).status, -1);
  words->set_current_position(3);
  int i = words->add_punctuation_analysis("PUNCTI", gate, log, false);
  const auto& r = words->analysis(i);
  EXPECT_EQ(r.speech, 16);
  EXPECT_EQ(r.b1, 9);
  EXPECT_EQ(r.position.get(), 3);
  EXPECT_EQ(r.link1.get(), -1);
  EXPECT_EQ(r.rarity, 1);
  EXPECT_EQ(r.latin_text(), "(");
  EXPECT_EQ(r.meaning_text(), " (");
  // The table restarts at 0 when full, with the message.
  for (int k = 1; k < a::kMaxAnalyses; ++k) words->add_punctuation_analysis("PUNCT@", gate, log, false);
  EXPECT_EQ(words->analysis_count(), 0);
  EXPECT_EQ(log.text(), a::kTooManyAnalysesMessage);
  EXPECT_EQ(host.warnings.size(), 1u);
}

TEST(Tokeniser, OnlyTheFirstLineEndAndCarriageReturnSeparateWords) {
  Fixture f;
  f.run("a\rb\rc d\ne\nf");
  EXPECT_EQ(f.joined(), "a bc d ef");
}
