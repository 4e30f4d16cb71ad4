// The English-to-Latin index the builder writes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/text.h"
#include "mkdata/english_index.h"

namespace kelvo::mkdata {
namespace {

TEST(EnglishIndex, KeepsTheWordsThatSaySomething) {
  struct Case {
    const char* meaning;
    std::vector<std::string> words;
  };
  const Case cases[] = {
      {"king", {"king"}},
      {"rule/guide/manage/direct", {"rule", "guide", "manage", "direct"}},
      // Little words, single letters, repeats and case go.
      {"The love of a Mother/love (person); X", {"love", "mother", "person"}},
      {"goat's bane", {"goat", "bane"}},
      {"", {}},
      {"abcdefghijklmnopqrstuvwxyz/ok", {"ok"}},  // longer than the field
  };
  for (const auto& c : cases) EXPECT_EQ(index_words(c.meaning), c.words) << c.meaning;
}

grammar::DictEntry entry(const char* stem, int meaning, int speech, int key, int area = 0) {
  grammar::DictEntry e{};
  set_field(e.stem, stem);
  e.speech = static_cast<grammar::Code>(speech);
  e.stem_key = static_cast<grammar::Code>(key);
  e.meaning_index.set(meaning);
  e.set_rarity_area(1, area);
  return e;
}

TEST(EnglishIndex, OneRecordPerWordAndMeaningThroughTheFirstStem) {
  std::vector<grammar::MeaningLine> meanings(3);
  set_field(meanings[0].english, "love/like");
  set_field(meanings[1].english, "king");
  set_field(meanings[2].english, "plant");  // only a Botany entry points here
  std::vector<grammar::DictEntry> entries = {
      entry("am", 0, grammar::pos::verb, 1), entry("amat", 0, grammar::pos::vpar, 4),
      entry("reg", 1, grammar::pos::noun, 2), entry("rex", 1, grammar::pos::noun, 1),
      entry("herb", 2, grammar::pos::noun, 1, grammar::kBotanyAreaCode)};
  const auto index = build_english_index(entries, meanings);
  ASSERT_EQ(index.size(), 3u);
  EXPECT_EQ(index[0].word_text(), "king");
  EXPECT_EQ(index[0].entry.get(), 3);  // rex, stem key 1
  EXPECT_EQ(index[1].word_text(), "like");
  EXPECT_EQ(index[2].word_text(), "love");
  EXPECT_EQ(index[2].meaning.get(), 0);
  EXPECT_EQ(index[2].entry.get(), 0);  // the verb's present stem, not its participle stem
}

}  // namespace
}  // namespace kelvo::mkdata
