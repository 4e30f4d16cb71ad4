#include "grammar/stem_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace g = kelvo::grammar;

namespace {

// A table sorted by stem, with runs of one stem and stems that begin others.
std::vector<g::DictEntry> table() {
  std::vector<g::DictEntry> v;
  for (const char* s : {"am", "ama", "ama", "amabil", "amic", "amo", "an", "b", "bell", "bellum"}) {
    g::DictEntry e{};
    kelvo::set_field(e.stem, s);
    v.push_back(e);
  }
  return v;
}

}  // namespace

// The searches that one narrowing search saves must never lose an entry: for
// each word, its stems from the whole word down find what a search of the
// whole table for each stem alone finds.
TEST(StemSearch, FindsWhatSeparateSearchesFind) {
  const auto entries = table();
  const std::span<const g::DictEntry> all(entries);
  for (std::string word : {"amabat", "amabilis", "amicus", "amo", "bellum", "bellorum", "an",
                           "ab", "c", "amaaaaaaaaaaaaaaaaaaaaaaaaaaa"}) {
    SCOPED_TRACE(word);
    g::StemSearch search(all);
    for (std::size_t n = word.size(); n >= 1; --n) {
      const std::string_view stem(word.data(), n);
      const auto found = search.find(stem);
      const auto expected = g::entries_with_stem(all, stem);
      EXPECT_EQ(found.data() == nullptr ? 0 : found.size(), expected.size()) << stem;
      if (!expected.empty()) {
        EXPECT_EQ(found.data(), expected.data()) << stem;
      }
    }
  }
}

TEST(StemSearch, SkipsStemsLongerThanAnyEntrySharesAndOddKeys) {
  const auto entries = table();
  g::StemSearch search(entries);
  EXPECT_TRUE(search.find("amabat").empty());
  // "amabat" shares "ama" with the entry before it: "amab" cannot be a stem.
  EXPECT_TRUE(search.find("amab").empty());
  EXPECT_EQ(search.find("ama").size(), 2u);
  EXPECT_EQ(search.find("am").size(), 1u);

  g::StemSearch odd(entries);
  EXPECT_TRUE(odd.find(std::string("am\0", 3)).empty());
  EXPECT_EQ(odd.find("am").size(), 1u);
  g::StemSearch none({});
  EXPECT_TRUE(none.find("am").empty());
}
