// Spell-check: which words are marked, fails.txt, and where a word stands.
#include "shell/spell_check.h"

#include <gtest/gtest.h>

#include "shell/text_lines.h"

namespace kelvo::shell {
namespace {

TEST(SpellCheck, TheCheckedFormOfAWord) {
  const std::pair<const char*, const char*> cases[] = {
      {"(uiuus),", "uiuus"}, {"vivus", "uiuus"},  {"'Iam!'", "Iam"}, {"((a", "(a"},
      {"...", ""},           {"123,", "123"},     {"[Jovi]", "Ioui"}, {"-que", "-que"},
  };
  for (const auto& [word, checked] : cases) EXPECT_EQ(checked_form(word), checked) << word;
}

Token word(const std::string& text, std::size_t begin, bool read) {
  Token t;
  t.text = text;
  t.begin = begin;
  t.end = begin + text.size();
  if (read) t.readings.emplace_back();
  return t;
}

TEST(SpellCheck, OnlyWordsWithoutAReadingAreUnread) {
  Sentence s;
  s.tokens = {word("Rex", 0, true), word("xqz", 4, false), word(",", 7, false), word("que", 9, true)};
  s.tokens[2].punctuation = true;
  Token made = word("Marcus", 12, false);
  made.end = made.begin;  // made by the clean-up: no place in the text
  s.tokens.push_back(made);
  std::vector<UnreadWord> unread;
  append_unread_words(s, unread);
  ASSERT_EQ(unread.size(), 2u);
  const std::string text = "Rex xqz, ibique M.";
  EXPECT_EQ(written_form(text, unread[0]), "xqz");
  EXPECT_EQ(written_form(text, unread[1]), "Marcus");
}

TEST(SpellCheck, EveryWordOfEveryLineIsMarked) {
  const std::string text = "Rex (uiuus), 3a -- xqz\r\nnouus\n\nibique";
  // An enclitic comes before its word in the analysis, but stands after it.
  const std::vector<UnreadWord> unread = {{text.find("ibique") + 4, text.find("ibique") + 6, "que"},
                                          {text.find("xqz"), text.find("xqz") + 3, "xqz"}};
  const auto lines = mark_words(text, unread);
  ASSERT_EQ(lines.size(), 4u);
  std::vector<std::pair<std::string, SpellMark>> first;
  for (const auto& w : lines[0]) first.emplace_back(text.substr(w.begin, w.end - w.begin), w.mark);
  EXPECT_EQ(first, (std::vector<std::pair<std::string, SpellMark>>{
                       {"Rex", SpellMark::known},
                       {"(uiuus),", SpellMark::known},
                       {"3a", SpellMark::not_a_word},
                       {"--", SpellMark::not_a_word},
                       {"xqz", SpellMark::unread}}));
  ASSERT_EQ(lines[1].size(), 1u);
  EXPECT_EQ(lines[1][0].mark, SpellMark::known);
  EXPECT_TRUE(lines[2].empty());
  ASSERT_EQ(lines[3].size(), 1u);
  EXPECT_EQ(lines[3][0].mark, SpellMark::unread);  // an unread part of the word marks it
  // No word of a long line is left out.
  std::string many;
  for (int i = 0; i < 60; ++i) many += "et ";
  many += "xqz";
  const auto long_line = mark_words(many, {{many.size() - 3, many.size(), "xqz"}});
  ASSERT_EQ(long_line[0].size(), 61u);
  EXPECT_EQ(long_line[0].back().mark, SpellMark::unread);
}

TEST(SpellCheck, FailsFileIsRichTextWithTheMarkedWordsUnderlined) {
  const std::string text = "Rex xqz,\n{a}\\ 7";
  const auto lines = mark_words(text, {{4, 7, "xqz"}});
  EXPECT_EQ(spell_check_rtf(text, lines),
            "{\\rtf1 {SPELL-CHECK\\par}\n"
            "{Rex  \\ul xqz,}{ \\par }\n"
            "{\\{a\\}\\\\  \\ul 7}{ \\par }\n"
            "\\par }\n");
  // UTF-8 letters as Unicode escapes; 8-bit text as hexadecimal bytes.
  const std::string utf8 = "r\xC4\x81x";  // rāx
  EXPECT_EQ(spell_check_rtf(utf8, mark_words(utf8, {})),
            "{\\rtf1 {SPELL-CHECK\\par}\n{r\\u257?x \\par }\n\\par }\n");
  const std::string latin1 = "\xE6quor";
  EXPECT_EQ(spell_check_rtf(latin1, mark_words(latin1, {})),
            "{\\rtf1 {SPELL-CHECK\\par}\n{\\'e6quor \\par }\n\\par }\n");
}

TEST(TextLines, LinesAndColumnsCountCharacters) {
  const std::string utf8 = "r\xC4\x81x est\r\nsecunda";
  LineIndex idx(utf8);
  EXPECT_EQ(idx.lines(), 2u);
  EXPECT_EQ(idx.at(utf8.find("est")).column, 5u);  // ā is one character
  EXPECT_EQ(idx.at(utf8.find("secunda")).line, 2u);
  EXPECT_EQ(idx.at(utf8.find("secunda")).column, 1u);
  EXPECT_EQ(idx.line(1), "r\xC4\x81x est");
  EXPECT_EQ(idx.line(3), "");
  const std::string latin1 = "\xE6quor est";  // 8-bit: a byte is a character
  EXPECT_EQ(LineIndex(latin1).at(latin1.find("est")).column, 7u);
  EXPECT_EQ(LineIndex("").at(5).line, 1u);
}

}  // namespace
}  // namespace kelvo::shell
