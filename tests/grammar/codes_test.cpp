#include "grammar/codes.h"

#include <gtest/gtest.h>

#include "base/parse_log.h"

namespace g = kelvo::grammar;

TEST(Keywords, SpeechTypeReadsLongestKeywordsFirst) {
  kelvo::ParseLog log;
  log.open_memory();
  struct Case { const char* text; int code; };
  for (auto c : {Case{"Num", 5}, Case{"Noun", 1}, Case{"Verb", 7}, Case{"N", 1}, Case{"sadj", 36},
                 Case{"ADV", 6}, Case{"PREP", 10}, Case{"interj", 12}, Case{"X", 0},
                 Case{"pron", 2}}) {
    EXPECT_EQ(g::read_speech_keyword(c.text, &log), c.code) << c.text;
  }
  EXPECT_EQ(log.text(), "");
  EXPECT_EQ(g::read_speech_keyword("Q", &log), 255);
  EXPECT_EQ(log.text(), "speech_type not found.\n");
}

TEST(Keywords, LettersAndKinds) {
  EXPECT_EQ(g::read_gender_letter("Q"), 255);
  EXPECT_EQ(g::read_gender_letter("f"), g::gender::fem);
  EXPECT_EQ(g::read_noun_kind_letter("Q"), 0);
  EXPECT_EQ(g::read_noun_kind_letter("X"), 0);
  EXPECT_EQ(g::read_noun_kind_letter("C"), 21);
  EXPECT_EQ(g::read_verb_kind_keyword("TO_BEING"), 2);
  EXPECT_EQ(g::read_verb_kind_keyword("TO_BE"), 1);
  EXPECT_EQ(g::read_verb_kind_keyword("intrans"), 7);
  kelvo::ParseLog log;
  log.open_memory();
  EXPECT_EQ(g::read_verb_kind_keyword("FOO", &log), -1);
  EXPECT_EQ(g::read_comparison_keyword("SUPERB", &log), 3);
  EXPECT_EQ(g::read_comparison_keyword("best", &log), 255);
  EXPECT_EQ(log.text(), "verb_kind_type not found.\ncomparison_type not found.\n");
}

TEST(NamePrinters, NamesWithFourBlanksAndNothingForZero) {
  std::string s;
  g::print_case(s, 9);
  EXPECT_EQ(s, "Unknown case    ");
  s.clear();
  g::print_case(s, 0);
  g::print_gender(s, 0);
  EXPECT_EQ(s, "");
  g::print_gender(s, 5);
  g::print_noun_kind(s, 21);
  g::print_verb_kind(s, 4);
  EXPECT_EQ(s, "M/NT    COUNTRY    +DAT    ");
  s.clear();
  g::print_punctuation(s, 7);
  g::print_punctuation(s, 8);
  EXPECT_EQ(s, ";    -    ");
  s.clear();
  g::print_punctuation(s, 11);
  EXPECT_EQ(s, "Unknown punctuation.    ");
}

TEST(NamePrinters, SpeechNameAndDeclensionPair) {
  struct Case { int code; const char* name; bool leave_out; };
  for (auto c : {Case{1, "NOUN", false}, Case{3, "PACK", true}, Case{36, "SADJ", false},
                 Case{70, "ADV", true}, Case{0, " DELETED (GRAM)  ", true},
                 Case{255, " DELETED (AI)  ", true}, Case{200, "Unknown part", true},
                 Case{9, "SUPINE", false}, Case{16, "PUNCT", true}}) {
    std::string s;
    EXPECT_EQ(g::print_speech(s, static_cast<g::Code>(c.code)), c.leave_out) << c.code;
    EXPECT_EQ(s, c.name);
  }
}

TEST(Punctuation, TokensAndCodes) {
  EXPECT_EQ(g::punctuation_token(0), "PUNCT@");
  EXPECT_EQ(g::punctuation_token(g::punctuation_code('(')), "PUNCTI");
  EXPECT_EQ(g::punctuation_token_code("PUNCTJ"), 10);
  EXPECT_EQ(g::punctuation_token_code("PUNCTZ"), -1);
  EXPECT_EQ(g::punctuation_token_code("Punctum"), -1);
  EXPECT_EQ(g::punctuation_code('a'), -1);
}
