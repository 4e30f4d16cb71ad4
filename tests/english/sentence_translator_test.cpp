#include "english/sentence_translator.h"

#include <gtest/gtest.h>

#include "english/english_fixture.h"

namespace {

using kelvo::testing::Translated;
using kelvo::testing::translate_latin;

bool has(const std::string& s, std::string_view part) { return s.find(part) != std::string::npos; }

// Real sentences end to end: the words a reader needs, in a printable line.
// (The sentence passes keep improving, so only what elaboration and
// composition promise is checked, not every word.)
TEST(SentenceTranslator, RealSentences) {
  REQUIRE_REAL_LEXICON(lex);
  Translated t;
  translate_latin(*lex,
                  "Puella rosas amat. In principio aedificavit Romulus urbem et murum. "
                  "Rosas amabo. Milites in oppido erant.",
                  t);
  ASSERT_EQ(t.lines.size(), 4u);
  EXPECT_TRUE(has(t.lines[0], "The girl")) << t.lines[0];
  EXPECT_TRUE(has(t.lines[0], "roses")) << t.lines[0];
  EXPECT_TRUE(has(t.lines[0], "loves the roses.")) << t.lines[0];  // English order
  EXPECT_TRUE(has(t.lines[1], "In the beginning")) << t.lines[1];
  EXPECT_TRUE(has(t.lines[1], "has built")) << t.lines[1];
  EXPECT_TRUE(has(t.lines[1], "Romulus")) << t.lines[1];
  EXPECT_FALSE(has(t.lines[1], "the Romulus")) << t.lines[1];  // a name reads without "the"
  EXPECT_TRUE(has(t.lines[2], "I shall love")) << t.lines[2];
  EXPECT_TRUE(has(t.lines[3], "soldiers")) << t.lines[3];
  EXPECT_TRUE(has(t.lines[3], "in the town")) << t.lines[3];
  for (const auto& line : t.lines) {
    EXPECT_FALSE(has(line, "^")) << line;
    EXPECT_FALSE(has(line, "+")) << line;
    EXPECT_FALSE(has(line, "  ")) << line;
  }
}

// Each composed line is written to the parse log, followed by an empty line.
TEST(SentenceTranslator, ParseLogGetsEachLine) {
  REQUIRE_REAL_LEXICON(lex);
  Translated t;
  translate_latin(*lex, "Puella rosas amat. Rosas amabo.", t);
  ASSERT_EQ(t.lines.size(), 2u);
  EXPECT_TRUE(has(t.log, t.lines[0] + " \n\n" + t.lines[1] + " \n\n")) << t.log;
  // With Details, the progress lines of the passes come before the line.
  kelvo::TranslationOptions o;
  o.details = true;
  Translated d;
  translate_latin(*lex, "Puella rosas amat.", d, o);
  const std::size_t elab = d.log.find("Elaborating...\n"), fin = d.log.find("Final output...\n");
  ASSERT_NE(elab, std::string::npos);
  ASSERT_NE(fin, std::string::npos);
  EXPECT_LT(elab, fin);
  EXPECT_LT(fin, d.log.find(d.lines[0]));
}

}  // namespace
