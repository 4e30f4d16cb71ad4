#include "english/composition.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace kelvo;
using namespace kelvo::english;
using grammar::pos::punct;
using grammar::pos::noun;

// A slot: its text and, for punctuation, the mark's code.
struct S {
  const char* text;
  int mark = -1;  // -1: a word
};

Composed run(std::initializer_list<S> slots, std::vector<std::string>* warned = nullptr) {
  auto out = std::make_unique<OutputWords>();
  out->reset(static_cast<int>(slots.size()));
  std::vector<SlotKind> kinds;
  int i = 0;
  for (const S& s : slots) {
    out->at(i++) = s.text;
    kinds.push_back(s.mark < 0 ? SlotKind{noun, 0}
                               : SlotKind{punct, static_cast<grammar::Code>(s.mark)});
  }
  Composed c;
  compose(*out, kinds, c, [&](std::string_view t) {
    if (warned) warned->emplace_back(t);
  });
  return c;
}

constexpr int kStop = 0, kComma = 1, kBang = 4, kQuote = 5;

TEST(Composition, SpacingAndPunctuation) {
  EXPECT_EQ(run({{",", kComma}, {"the man"}, {"comes"}, {".", kStop}}).text,
            "The man comes. \n\n");  // an opening comma goes, the next word takes the capital
  EXPECT_EQ(run({{"a"}, {",", kComma}, {",", kComma}, {"b"}, {".", kStop}}).text, "a, b. \n\n");
  EXPECT_EQ(run({{"go"}, {"!", kBang}, {".", kStop}}).text, "go! \n\n");
  EXPECT_EQ(run({{"go"}, {"!", kBang}, {"!", kBang}}).text, "go! \n\n");
  EXPECT_EQ(run({{"he"}, {"said"}, {"\"", kQuote}, {"go"}, {"home"}, {"\"", kQuote}, {"now"},
                 {".", kStop}})
                .text,
            "he said \"go home\" now. \n\n");  // quotation marks tight to what they quote
  EXPECT_EQ(run({{"[12]"}, {"men"}, {".", kStop}}).text, "12 men. \n\n");
  EXPECT_EQ(run({{"the  great   city"}, {".", kStop}}).text, "the great city. \n\n");
  EXPECT_EQ(run({{"a"}, {"the RTB been-loved"}, {".", kStop}}).text,
            "a the requiring-to-have-been-loved. \n\n");
  EXPECT_EQ(run({{"RTB loved"}, {"things"}, {".", kStop}}).text,
            "Requiring-to-be-loved things. \n\n");
  EXPECT_EQ(run({{"love!"}, {".", kStop}}).text, "love! \n\n");
  // Brackets hold tight to what they enclose, with a blank outside them.
  EXPECT_EQ(run({{"sins"}, {"(", 9}, {"he says"}, {")", 10}, {".", kStop}}).text,
            "sins (he says). \n\n");
  EXPECT_EQ(run({{"a"}, {",", kComma}, {"b"}, {",", kComma}, {".", kStop}}).text, "a, b. \n\n");
}

TEST(Composition, EachWordKeepsItsLatinPosition) {
  Composed c = run({{"the man"}, {"s/he/it loves"}, {"the rose"}, {".", kStop}});
  ASSERT_EQ(c.words.size(), 6u);
  const int want[] = {0, 0, 1, 1, 2, 2};
  for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(c.words[i].position, want[i]) << c.words[i].text;
  EXPECT_EQ(c.words[5].text, "rose.");
}

TEST(Composition, LimitsCutTheSentence) {
  std::vector<std::string> warned;
  std::string long_word(81, 'x');
  auto out = std::make_unique<OutputWords>();
  out->reset(3);
  out->at(0) = "a";
  out->at(1) = long_word;
  out->at(2) = "b";
  std::vector<SlotKind> kinds(3, SlotKind{noun, 0});
  Composed c;
  compose(*out, kinds, c, [&](std::string_view t) { warned.emplace_back(t); });
  EXPECT_EQ(c.text, std::string("a ") + kWordTooLong + "\n\n");
  EXPECT_TRUE(c.truncated);
  ASSERT_EQ(warned.size(), 1u);

  // Many words: the sentence stops past 2250 characters with the notice.
  out->reset(200);
  std::vector<SlotKind> many(200, SlotKind{noun, 0});
  for (int i = 0; i < 200; ++i) out->at(i) = "abcdefghijklmnopqrstu";
  compose(*out, many, c);
  EXPECT_TRUE(c.truncated);
  EXPECT_NE(c.text.find(kTooManyCharacters), std::string::npos);
  EXPECT_LT(c.text.size(), 2400u);
}

}  // namespace
