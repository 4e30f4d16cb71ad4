#include "grammar/records.h"

#include <gtest/gtest.h>

#include <cstring>

namespace g = kelvo::grammar;

TEST(Records, IntegersAreLittleEndianBytes) {
  g::DictEntry e{};
  e.meaning_index.set(0x01020304);
  const auto* bytes = reinterpret_cast<const unsigned char*>(&e);
  EXPECT_EQ(bytes[8], 0x04);
  EXPECT_EQ(bytes[11], 0x01);
  EXPECT_EQ(e.meaning_index.get(), 0x01020304);
  g::WordAnalysis a{};
  a.link1.set(-1);
  EXPECT_EQ(reinterpret_cast<const unsigned char*>(&a)[14], 0xFF);
  EXPECT_EQ(a.link1.get(), -1);
}

TEST(Records, MeaningOf79CharactersFillsItsField) {
  g::MeaningLine m{};
  std::string text(79, 'x');
  kelvo::set_field(m.english, text);
  EXPECT_EQ(m.english_text().size(), 79u);
  EXPECT_EQ(m.english[79], '\0');
  kelvo::set_field(m.english, std::string(120, 'y'));  // bounded, never overflows
  EXPECT_EQ(m.english_text().size(), 79u);
}

TEST(Records, AnalysisMeaningIsCutWithStar) {
  g::WordAnalysis a{};
  g::set_analysis_meaning(a, "a meaning that is much longer than the field");
  EXPECT_EQ(a.meaning_text(), "a meaning that is much l*");
  g::set_analysis_meaning(a, "love");
  EXPECT_EQ(a.meaning_text(), "love");
}

TEST(AreaSection, PreferredAreaSectionReplacesMeaning) {
  struct Case { const char* text; char pref; int age; int area; const char* out; int out_area; int out_rarity; };
  for (auto c : {
           Case{"soldier L:legion", 'L', 0, 0, "legion", 6, 1},
           Case{"crown S:corona T:halo", 'S', 0, 0, "corona T:halo", 8, 1},
           Case{"thing T:tool", 'S', 0, 0, "tool", 8, 1},
           Case{"plain meaning", 'L', 0, 0, "plain meaning", 0, 5},
           Case{"man H:gardener", 'E', 7, 0, "gardener", 13, 1},  // age fallback to H
           Case{"M:monk", 'Z', 0, 0, "monk", 15, 1},
           Case{"ox B:bull", 'B', 0, 2, "ox B:bull", 2, 5},  // area already B: untouched
       }) {
    std::string m = c.text;
    int area = c.area, rarity = 5;
    g::choose_area_section(m, c.pref, c.age, area, rarity);
    EXPECT_EQ(m, c.out) << c.text;
    EXPECT_EQ(area, c.out_area) << c.text;
    EXPECT_EQ(rarity, c.out_rarity) << c.text;
  }
}
