#include "mkdata/english_index.h"

#include <algorithm>
#include <array>

#include "base/text.h"

namespace kelvo::mkdata {

namespace {

// Words that say nothing of the meaning: looking them up would list half
// the dictionary.
constexpr std::array<std::string_view, 24> kLittleWords = {
    "a",   "an",  "and",  "as",   "at",  "be",   "by",  "etc", "for",  "from", "in",  "into",
    "is",  "it",  "its",  "of",   "on",  "one",  "or",  "the", "that", "to",   "who", "with"};

constexpr std::size_t kMaxWordChars = 23;

bool little(std::string_view w) {
  return std::find(kLittleWords.begin(), kLittleWords.end(), w) != kLittleWords.end();
}

}  // namespace

std::vector<std::string> index_words(std::string_view meaning) {
  std::vector<std::string> words;
  std::string w;
  auto flush = [&] {
    if (w.size() >= 2 && w.size() <= kMaxWordChars && !little(w) &&
        std::find(words.begin(), words.end(), w) == words.end())
      words.push_back(w);
    w.clear();
  };
  for (char c : meaning) {
    if (is_ascii_letter(c)) {
      w.push_back(ascii_lower(c));
    } else {
      flush();
    }
  }
  flush();
  return words;
}

std::vector<grammar::EnglishIndexRecord> build_english_index(
    std::span<const grammar::DictEntry> entries, std::span<const grammar::MeaningLine> meanings) {
  // The entry of each meaning line with the lowest stem key: for a verb its
  // present stem, not the participle stem that shares the line.
  std::vector<int> entry_of(meanings.size(), -1);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const auto& e = entries[i];
    if (e.area() == grammar::kBotanyAreaCode) continue;  // these index the botany table
    const auto m = e.meaning_index.get();
    if (m < 0 || static_cast<std::size_t>(m) >= meanings.size()) continue;
    int& best = entry_of[static_cast<std::size_t>(m)];
    if (best < 0 || e.stem_key < entries[static_cast<std::size_t>(best)].stem_key)
      best = static_cast<int>(i);
  }
  std::vector<grammar::EnglishIndexRecord> index;
  for (std::size_t m = 0; m < meanings.size(); ++m) {
    if (entry_of[m] < 0) continue;
    for (const std::string& w : index_words(meanings[m].english_text())) {
      grammar::EnglishIndexRecord r{};
      set_field(r.word, w);
      r.meaning.set(static_cast<std::int32_t>(m));
      r.entry.set(entry_of[m]);
      index.push_back(r);
    }
  }
  // Records were made in meaning order: a stable sort by word keeps it.
  std::stable_sort(index.begin(), index.end(), [](const auto& a, const auto& b) {
    return compare_bytes(a.word_text(), b.word_text()) < 0;
  });
  return index;
}

}  // namespace kelvo::mkdata
