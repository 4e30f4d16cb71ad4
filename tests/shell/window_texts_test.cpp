// The window's rules without a window: the panes' limits and cut, the
// one-word selection, single-word texts and the printed lines.
#include <gtest/gtest.h>

#include "shell/pane_text.h"
#include "shell/print_layout.h"
#include "shell/single_word.h"

namespace sh = kelvo::shell;

TEST(PaneText, ALogIsCutFromItsLimitOn) {
  struct Case {
    std::size_t size;
    bool cut;
  } cases[] = {{0, false}, {199'998, false}, {199'999, true}, {500'000, true}};
  for (const Case& c : cases) {
    sh::PaneText p = sh::cut_for_pane(std::string(c.size, 'x'));
    EXPECT_EQ(p.truncated, c.cut) << c.size;
    if (c.cut) {
      EXPECT_EQ(p.text, std::string(199'999, 'x') + sh::kTruncatedMark);
    } else {
      EXPECT_EQ(p.text.size(), c.size);
    }
  }
  // A reloaded file: 199,998 bytes stay whole, 199,999 are cut to 199,998.
  EXPECT_FALSE(sh::cut_reloaded(std::string(199'998, 'x')).truncated);
  EXPECT_EQ(sh::cut_reloaded(std::string(199'999, 'x')).text,
            std::string(199'998, 'x') + sh::kTruncatedMark);
}

TEST(PaneText, TheCutNeverSplitsALetter) {
  // "ā" is two bytes; the limit falls between them.
  std::string log(199'998, 'x');
  log += "\xC4\x81 more";
  sh::PaneText p = sh::cut_for_pane(log);
  ASSERT_TRUE(p.truncated);
  EXPECT_EQ(p.text, std::string(199'998, 'x') + sh::kTruncatedMark);
}

TEST(PaneText, SendLimitsAndOneWordSelections) {
  EXPECT_EQ(sh::check_send(1'998, true), sh::SendCheck::ok);
  EXPECT_EQ(sh::check_send(1'999, true), sh::SendCheck::selection_too_long);
  EXPECT_EQ(sh::check_send(199'997, false), sh::SendCheck::ok);
  EXPECT_EQ(sh::check_send(199'998, false), sh::SendCheck::text_too_long);
  for (const char* one : {"amo", " amo ", "\tamo\n", "amo."}) EXPECT_TRUE(sh::is_single_word(one)) << one;
  for (const char* not_one : {"", "  ", "amo amas", "amo\nte"})
    EXPECT_FALSE(sh::is_single_word(not_one)) << not_one;
}

TEST(SingleWord, PreparedWords) {
  EXPECT_EQ(sh::prepare_word("Iuuenis").word, "Iuuenis");
  EXPECT_EQ(sh::prepare_word("Juvenis").word, "Iuuenis");
  EXPECT_EQ(sh::prepare_word("\xC6neas").word, "aeneas");  // Windows-1252 Æ
  EXPECT_EQ(sh::prepare_word("c\x9C" "pit").word, "coepit");
  EXPECT_TRUE(sh::prepare_word(std::string(99, 'a')).warning.empty());
  sh::PreparedWord long_word = sh::prepare_word(std::string(120, 'a'));
  EXPECT_EQ(long_word.word, std::string(95, 'a'));
  EXPECT_EQ(long_word.warning.rfind("More than 100 characters in word ", 0), 0u);
}

TEST(SingleWord, TextsFollowTheRequest) {
  std::vector<sh::WordReading> readings = {
      {"^love", "amo  VERB", "love, like", false},
      {"love", "amo  VERB (again)", "love, like", false},
      {"RTB loved", "amandus  PARTICIPLE", "to be loved", false},
      {"the Rome", "Roma  NOUN", "Rome", true},
  };
  auto click = sh::compose_single_word("amo", readings, {"like", "love"}, sh::WordRequest::click);
  // Equal English of consecutive readings is given once; markers are read.
  EXPECT_EQ(click.translation,
            "'amo': love , requiring-to-be-loved , Rome , \nAlternatives: like , love , ");
  EXPECT_EQ(click.glossary.find("VERB"), std::string::npos);
  auto glossary = sh::compose_single_word("amo", readings, {}, sh::WordRequest::glossary);
  EXPECT_EQ(glossary.glossary.rfind("'amo':\namo  VERB love, like\n", 0), 0u);
  EXPECT_NE(glossary.glossary.find("amo  VERB (again)"), std::string::npos);
  // Past the text limit composition stops with a note.
  std::vector<sh::WordReading> many(200, {"word", std::string(40, 'r'), std::string(40, 'm'), false});
  auto cut = sh::compose_single_word("w", many, {}, sh::WordRequest::glossary);
  EXPECT_NE(cut.glossary.find(sh::kWordTextTruncated), std::string::npos);
  EXPECT_LT(cut.glossary.size(), sh::kWordTextLimit + 200);
}

TEST(SingleWord, WhereTheTextsGo) {
  using C = sh::SingleWordChoice;
  using R = sh::WordRequest;
  EXPECT_EQ(sh::request_type(true, C::translation_lower_pane), R::click);
  EXPECT_EQ(sh::request_type(true, C::glossary_window), R::glossary);
  EXPECT_EQ(sh::request_type(false, C::translation_lower_pane), R::glossary);
  EXPECT_FALSE(sh::glossary_window_opens(R::click, C::translation_lower_pane));
  EXPECT_TRUE(sh::glossary_window_opens(R::glossary, C::translation_lower_pane));
  EXPECT_FALSE(sh::glossary_window_opens(R::glossary, C::glossary_lower_pane));
  EXPECT_TRUE(sh::lower_pane_shows_glossary(R::glossary, C::glossary_lower_pane));
  EXPECT_FALSE(sh::lower_pane_shows_glossary(R::glossary, C::glossary_window));
}

TEST(PrintLayout, LongLinesBreakAtBlanksBeforeColumn76) {
  std::string line;
  for (int i = 0; i < 20; ++i) line += "verbum ";  // 140 characters
  line += std::string(60, 'x');                  // 200 in all
  auto lines = sh::printed_lines(line + "\nshort\r\n");
  ASSERT_GE(lines.size(), 4u);
  for (const auto& l : lines) EXPECT_LE(l.size(), sh::kPrintColumns);
  EXPECT_EQ(lines[0], "verbum verbum verbum verbum verbum verbum verbum verbum verbum verbum");
  EXPECT_EQ(lines.back(), "short");
  // A piece with no blank is cut at 76.
  auto solid = sh::printed_lines(std::string(100, 'y'));
  EXPECT_EQ(solid, (std::vector<std::string>{std::string(76, 'y'), std::string(24, 'y')}));
  EXPECT_EQ(sh::page_count(0, 50), 1);
  EXPECT_EQ(sh::page_count(100, 50), 2);
  EXPECT_EQ(sh::page_count(101, 50), 3);
}
