// Search Dictionary and `kelvo lookup`: stems by their start, entries by an
// English word of their meaning.
#include "shell/dictionary_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "analysis/real_data.h"
#include "grammar/lexicon_fixture.h"
#include "userdata/temp_folder.h"

namespace kelvo::shell {
namespace {

using grammar::DictEntry;

// A data folder whose dictionary holds `entries` (sorted here) with one
// meaning line each (or, without `own_meanings`, the lines they name), and a
// Botany table of one line.
class SmallDictionary : public ::testing::Test {
 protected:
  grammar::Lexicon load(std::vector<DictEntry> entries, bool own_meanings = true) {
    std::sort(entries.begin(), entries.end(), [](const DictEntry& a, const DictEntry& b) {
      return compare_bytes(a.stem_text(), b.stem_text()) < 0;
    });
    testing::write_minimal_data(dir.path());
    std::vector<grammar::LetterIndexRecord> index(grammar::kLetterIndexCount);
    for (int k = 0; k < grammar::kLetterIndexCount; ++k) {
      auto first = std::find_if(entries.begin(), entries.end(), [k](const DictEntry& e) {
        return k == 26 || static_cast<unsigned char>(e.stem[0]) >= 'a' + k;
      });
      index[static_cast<std::size_t>(k)].first.set(
          static_cast<std::int32_t>(k == 26 ? entries.size() : first - entries.begin()));
    }
    std::vector<grammar::MeaningLine> meanings(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
      set_field(meanings[i].latin, std::string(entries[i].stem_text()) + "us");
      set_field(meanings[i].english, "meaning of " + std::string(entries[i].stem_text()));
      if (own_meanings && entries[i].area() != grammar::kBotanyAreaCode)
        entries[i].meaning_index.set(static_cast<std::int32_t>(i));
    }
    std::filesystem::path d(dir.path());
    testing::write_records(d / grammar::kDictFile, entries, &index);
    testing::write_records(d / grammar::kMeaningsFile, meanings);
    std::vector<grammar::MeaningLine> botany(1);
    set_field(botany[0].english, "a plant");
    testing::write_records(d / grammar::kBotanyFile, botany);
    ParseLog log;
    auto lex = grammar::load_lexicon(dir.path(), log);
    EXPECT_TRUE(lex) << lex.error().message;
    return std::move(*lex);
  }

  testing::TempFolder dir;
};

std::vector<std::string> stems(const StemSearch& s) {
  std::vector<std::string> out;
  for (const auto& h : s.hits) out.push_back(h.stem);
  return out;
}

TEST_F(SmallDictionary, AgeLimitAndBotanyRecords) {
  DictEntry old_word = testing::dict_entry("amb", 0);
  old_word.age = 20;  // beyond every ordinary age setting
  DictEntry plant = testing::dict_entry("amc", 0);
  plant.set_rarity_area(1, grammar::kBotanyAreaCode);
  const auto lex = load({testing::dict_entry("ama", 0), old_word, plant});
  EXPECT_EQ(stems(search_stems(lex, "am", {})), (std::vector<std::string>{"ama"}));
  // The medieval dictionary opens every age; Botany mode its own records,
  // with their meaning from the Botany table.
  const auto all = search_stems(lex, "am", {.medieval_dictionary = true, .botany = true});
  ASSERT_EQ(stems(all), (std::vector<std::string>{"ama", "amb", "amc"}));
  EXPECT_EQ(all.hits[2].meaning, "a plant");
  EXPECT_EQ(stem_hit_line(all.hits[1]),
            "amb                  NOUN  1 1           A:6 meaning of amb");
}

TEST_F(SmallDictionary, AnEntrysRecordsWithOneStemGiveOneLine) {
  DictEntry first = testing::dict_entry("amic", 0);
  DictEntry second = first;
  second.stem_key = 2;  // the same stem again for the other cases
  DictEntry other = testing::dict_entry("amic", 0, grammar::pos::adj);
  const auto lex = load({first, second, other}, false);
  const auto found = search_stems(lex, "amic", {});
  ASSERT_EQ(found.hits.size(), 2u);
  EXPECT_EQ(found.hits[0].speech, grammar::pos::noun);
  EXPECT_EQ(found.hits[1].speech, grammar::pos::adj);
}

TEST_F(SmallDictionary, TheListHoldsFiftyAndSaysSoOnlyWhenThereWereMore) {
  std::vector<DictEntry> entries;
  for (int i = 0; i < 51; ++i) {
    char stem[16];
    std::snprintf(stem, sizeof stem, "ab%02d", i);
    entries.push_back(testing::dict_entry(stem, 0));
  }
  auto fifty = entries;
  fifty.pop_back();
  const auto exact = search_stems(load(fifty), "ab", {});
  EXPECT_EQ(exact.hits.size(), 50u);
  EXPECT_FALSE(exact.too_many);
  EXPECT_EQ(stem_search_text(exact).find("Too many"), std::string::npos);
  const auto more = search_stems(load(entries), "ab", {});
  EXPECT_EQ(more.hits.size(), 50u);
  EXPECT_TRUE(more.too_many);
  EXPECT_EQ(more.hits.back().stem, "ab49");
  EXPECT_TRUE(stem_search_text(more).ends_with("Too many stems found (>50).\n"));
}

TEST(StemSearch, RealDictionary) {
  REQUIRE_REAL_LEXICON(lex);
  // A prefix lists common words first, then the proper names of the same start.
  const auto am = search_stems(*lex, "am", {});
  EXPECT_TRUE(am.too_many);
  ASSERT_EQ(am.hits.size(), kMaxStemHits);
  for (const auto& h : am.hits) EXPECT_TRUE(h.stem.starts_with("am")) << h.stem;
  const auto caes = search_stems(*lex, "caesar", {});
  ASSERT_FALSE(caes.hits.empty());
  EXPECT_TRUE(caes.hits.front().stem.starts_with("caesar"));
  EXPECT_TRUE(caes.hits.back().stem.starts_with("Caesar")) << caes.hits.back().stem;
  // j and v are the dictionary's i and u.
  const auto vir = search_stems(*lex, "vir", {});
  ASSERT_FALSE(vir.hits.empty());
  EXPECT_EQ(vir.hits.front().stem.substr(0, 3), "uir");
  // rex is a noun and the perfect stem of rego.
  const auto rex = search_stems(*lex, "rex", {});
  std::vector<std::string> lines;
  for (const auto& h : rex.hits) lines.push_back(h.citation + " | " + stem_hit_line(h));
  EXPECT_NE(std::find(lines.begin(), lines.end(),
                      "rex regis | rex                  NOUN  3 1 MASC      A:0 king"),
            lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(),
                      "rego regere rexi rectus | rex                  VERB  3 1 PERF      A:0 "
                      "rule/guide/manage/direct"),
            lines.end());
  EXPECT_EQ(stem_search_text(search_stems(*lex, "xqzt", {})), "No matching stems found.");
  EXPECT_TRUE(search_stems(*lex, "", {}).hits.empty());
}

TEST(EnglishSearch, BestMatchesFirstAndPluralsFindTheirSingular) {
  REQUIRE_REAL_LEXICON(lex);
  ASSERT_FALSE(lex->english_index().empty());
  const auto king = search_english(*lex, "King");
  ASSERT_FALSE(king.empty());
  EXPECT_EQ(king.front().citation, "rex regis");
  EXPECT_EQ(king.front().rank, 0);
  for (const auto& h : king) EXPECT_NE(to_lower(h.meaning).find("king"), std::string::npos);
  for (std::size_t i = 1; i < king.size(); ++i) EXPECT_LE(king[i - 1].rank, king[i].rank);
  // A word that is a later sense of many entries: the entry whose first
  // sense it is comes first.
  const auto love = search_english(*lex, "love");
  ASSERT_FALSE(love.empty());
  EXPECT_EQ(love.front().citation, "amo amare amaui amatus");
  const auto kings = search_english(*lex, "kings");
  ASSERT_GE(kings.size(), king.size());
  EXPECT_EQ(kings.front().citation, "rex regis");
  EXPECT_FALSE(search_english(*lex, "cities").empty());  // city
  EXPECT_TRUE(search_english(*lex, "xqztw").empty());
  EXPECT_TRUE(search_english(*lex, "the").empty());  // not indexed
}

}  // namespace
}  // namespace kelvo::shell
