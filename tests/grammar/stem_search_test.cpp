#include "grammar/stem_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "analysis/real_data.h"

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
  g::StemSearch none(std::span<const g::DictEntry>{});
  EXPECT_TRUE(none.find("am").empty());
}

namespace {

// Both searches of one word's stems, longest first, must find the same runs
// at the same places and leave the same lengths open.
void expect_same_searches(g::LetterStems keyed, std::span<const g::DictEntry> plain_entries,
                          std::string_view word) {
  g::StemSearch with_keys(keyed);
  g::StemSearch plain(plain_entries);
  for (std::size_t n = word.size(); n >= 1; --n) {
    const std::string_view stem(word.data(), n);
    ASSERT_EQ(with_keys.may_find(n), plain.may_find(n)) << word << " at " << n;
    const auto a = with_keys.find(stem);
    const auto b = plain.find(stem);
    ASSERT_EQ(a.size(), b.size()) << word << ": " << stem;
    if (!b.empty()) {
      ASSERT_EQ(a.data(), b.data()) << word << ": " << stem;
    }
  }
}


}  // namespace

// The keys hold a stem's bytes after its first, eight of them: stems of
// eight, nine and ten letters, stems sharing their first nine, high bytes,
// fields with other bytes after their stem's end; runs that cross a fence.
// (Every stem begins with "a", as one letter's stems do.)
TEST(StemSearch, KeysFindWhatTheEntriesFindAtTheKeysEdges) {
  std::vector<std::string> stems = {"a", "ab", "abcdefg", "abcdefgh", "abcdefgh", "abcdefghi",
                                    "abcdefghij", "abcdefghijklmnopqrstuvwx", "abcdefghik",
                                    "abcdefghz", "abcdefgi", "abz", "ab\xe9", "ab\xe9z"};
  for (int i = 0; i < 20; ++i) stems.push_back("ac");
  for (int i = 0; i < 20; ++i) stems.push_back("acd" + std::string(static_cast<std::size_t>(i), 'e'));
  // Enough more for four chunks of keys, with runs across their fences.
  for (char x = 'a'; x <= 'z'; ++x)
    for (char y = 'a'; y <= 'z'; ++y)
      for (int k = 0; k < (y == 'k' ? 3 : 1); ++k) stems.push_back(std::string("ad") + x + y);
  std::vector<g::DictEntry> entries;
  for (const std::string& s : stems) {
    g::DictEntry e{};
    std::memset(e.stem, 'q', sizeof e.stem);
    std::memcpy(e.stem, s.c_str(), std::min(s.size() + 1, sizeof e.stem));
    entries.push_back(e);
  }
  for (const auto& e : entries) EXPECT_EQ(g::stem_key(e.stem), g::stem_key(e.stem_text()));
  const g::LetterKeys keys(entries);
  ASSERT_EQ(keys.fences().size(), 4u);
  for (const std::string& word : std::vector<std::string>{
           "abcdefghijklm", "abcdefghijz", "abcdefghik", "abcdefghiz", "abcdefghzz", "abcdefgha",
           "abcdefgh", "abcdefgi", "abcdefgz", "abcdefghijklmnopqrstuvwxyz", "abzz", "ab\xe9zz",
           "ab\xe9", "aa", "a", "ac", "acdeeeeeeeeeeeeeeeeeeeeee", "acdeeeeeeeex", "acdeeeez", "acz",
           "adjk", "adjkz", "adkk", "adjz", "adzz", "adzzz", "ae", std::string("abc\0def", 7)}) {
    SCOPED_TRACE(word);
    expect_same_searches({entries, &keys}, entries, word);
  }
}

// Over the whole dictionary, each letter's keys made on first use (by
// several threads at once) give every stem's searches what the entries give:
// each stem as a word, with a letter more, and with its last letter raised.
// (Every word searched begins with the letter of its stems, as a word's own
// stems do.)
TEST(StemSearch, KeysFindWhatTheEntriesFindOverTheWholeDictionary) {
  REQUIRE_REAL_LEXICON(lex);
  std::string letters;
  for (char c = 'a'; c <= 'z'; ++c) letters += {c, static_cast<char>(c - 'a' + 'A')};
  std::vector<std::vector<g::LetterStems>> seen(4);
  std::vector<std::thread> threads;
  std::atomic<int> wrong{0};
  for (auto& s : seen)
    threads.emplace_back([&] {
      for (char c : letters) {
        s.push_back(lex->letter_stems(c));
        // And every chunk of keys, each made by whichever thread comes first.
        const g::LetterKeys& keys = *s.back().keys;
        for (std::size_t i = 0; i < keys.entries().size(); i += g::kStemChunk)
          if (keys.chunk(i / g::kStemChunk)[0] != g::stem_key(keys.entries()[i].stem)) ++wrong;
      }
    });
  for (auto& t : threads) t.join();
  EXPECT_EQ(wrong.load(), 0);
  for (std::size_t i = 0; i < letters.size(); ++i) {
    for (const auto& s : seen) {
      ASSERT_EQ(s[i].entries.data(), seen[0][i].entries.data());
      ASSERT_EQ(s[i].keys, seen[0][i].keys);
    }
    ASSERT_NE(seen[0][i].keys, nullptr);
    ASSERT_EQ(seen[0][i].keys->fences().size(), (seen[0][i].entries.size() + 255) / 256);
  }

  std::size_t words = 0;
  for (const g::DictEntry& e : lex->entries()) {
    const std::string stem(e.stem_text());
    const char first = stem.empty() ? '\0' : stem[0];
    const bool lower = first >= 'a' && first <= 'z', upper = first >= 'A' && first <= 'Z';
    if (!lower && !upper) continue;
    const g::LetterStems keyed = lex->letter_stems(first);
    ASSERT_NE(keyed.keys, nullptr) << stem;
    auto [lo, hi] = lex->letter_range(first);
    const auto plain = lex->entries().subspan(static_cast<std::size_t>(lo),
                                              static_cast<std::size_t>(hi - lo));
    // (A stem of one letter raised would begin another letter's stems.)
    std::string raised = stem.size() > 1 ? stem : stem + "a";
    raised.back() = static_cast<char>(raised.back() + 1);
    for (const std::string& word : {stem, stem + "s", raised}) {
      expect_same_searches(keyed, plain, word);
      ++words;
    }
  }
  EXPECT_GT(words, 250'000u);
}
