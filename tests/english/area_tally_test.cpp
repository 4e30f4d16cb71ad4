#include "english/area_tally.h"

#include <gtest/gtest.h>

#include <vector>

#include "english/english_fixture.h"

namespace {

using namespace kelvo;
using namespace kelvo::english;

TEST(AreaTally, AClearLeaderMovesTheAreaOnce) {
  text::AreaState area;
  const std::vector<int> legal{6, 6, 6, 0, 1};
  EXPECT_TRUE(tally_sentence(area, legal));  // the area moves: read again
  EXPECT_EQ(area.current_area, 'L');
  EXPECT_EQ(area.tally[6], 0);
  EXPECT_FALSE(tally_sentence(area, legal));  // the repeat is counted
  EXPECT_EQ(area.tally[6], 1);
  // Two areas close together: no leader.
  const std::vector<int> close{6, 6, 6, 10, 10};
  EXPECT_FALSE(tally_sentence(area, close));
  EXPECT_EQ(area.unclear_sentences, 1);
}

TEST(AreaTally, ReportAboveFortyPercentOnly) {
  text::AreaState area;
  area.tally[6] = 41;
  area.tally[0] = 59;
  auto r = area_report(area);
  ASSERT_TRUE(r);
  EXPECT_NE(r->find("41.0 % of sentences were of type Legal"), std::string::npos) << *r;
  area.tally[6] = 40;
  area.tally[0] = 60;
  EXPECT_FALSE(area_report(area));
  EXPECT_FALSE(area_report(text::AreaState{}));
}

// A sentence of legal words met while the area is general is read twice and
// written once, and the run's area is then legal.
TEST(AreaTally, RerunOnAnAreaChangeWritesOnce) {
  REQUIRE_REAL_LEXICON(lex);
  TranslationOptions o;
  o.auto_adjusting = true;
  kelvo::testing::Translated t;
  kelvo::testing::translate_latin(*lex, "Censor accusationem civitatis abrogat.", t, o);
  ASSERT_EQ(t.lines.size(), 1u);
  // The parse log holds the line once.
  const std::string& line = t.lines[0];
  std::size_t first = t.log.find(line);
  ASSERT_NE(first, std::string::npos);
  EXPECT_EQ(t.log.find(line, first + 1), std::string::npos);
}

}  // namespace
