// Latin standard phrases (userphrases.txt): fixed Latin word runs with a ready
// English rendering, sorted and indexed by initial letter for the matcher.
#pragma once
#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/host.h"
#include "base/options.h"
#include "base/parse_log.h"
#include "base/text.h"
#include "userdata/rejected_line.h"

namespace kelvo::userdata {

inline constexpr const char* kPhrasesFile = "userphrases.txt";

inline constexpr int kPhraseWords = 5;
// Counting pass and reading pass read in pieces of these lengths.
inline constexpr std::size_t kPhraseCountPiece = 119;
inline constexpr std::size_t kPhraseReadPiece = 497;
// A line is cut at this length before it is parsed.
inline constexpr std::size_t kPhraseLineMax = 119;
inline constexpr std::size_t kPhraseWordMax = 22;
inline constexpr std::size_t kPhraseEnglishMax = 78;
// The table is sized from the file (non-comment lines + 2); past this size the
// reservation is refused as if memory had run out.
inline constexpr std::size_t kMaxPhraseCapacity = 100'000;

struct PhraseEntry {
  char words[kPhraseWords][24];
  char english[80];

  std::string_view word(int i) const { return field_view(words[i]); }
  std::string_view english_text() const { return field_view(english); }
  int word_count() const;
};
static_assert(sizeof(PhraseEntry) == 200 && alignof(PhraseEntry) == 1);

// One letter "a".."z" with the first phrase at or after it; the last record
// holds "MAX_ENTRIES" and the number of phrases.
struct PhraseIndexRecord {
  char letter[12];
  int first = 0;

  std::string_view letter_text() const { return field_view(letter); }
};
inline constexpr int kPhraseIndexCount = 27;
using PhraseIndex = std::array<PhraseIndexRecord, kPhraseIndexCount>;

struct PhraseLineResult {
  bool accepted = false;
  std::string reason;
  PhraseEntry entry{};
};

// Parses one line (already cut at kPhraseLineMax): "latin words/English".
PhraseLineResult parse_phrase_line(std::string_view line);
// The backslash pronoun alternatives turned into slashes (first of each only).
std::string rewrite_pronoun_backslashes(std::string english);
// A phrase word as a sentence's words are compared with it: lower case,
// without the dot between stem and ending.
std::string plain_phrase_word(std::string_view word);
// The five words joined by single blanks, empty words included.
std::string phrase_sort_key(const PhraseEntry& e);
void sort_phrases(std::span<PhraseEntry> entries);
// Builds the letter index of sorted phrases; logs "indices wrong" when some
// letter got no phrase at or after it.
PhraseIndex build_phrase_index(std::span<const PhraseEntry> entries, ParseLog& log);

class StandardPhrases {
 public:
  // Reads userphrases.txt from `folder`; returns the number of phrases. A
  // refused reservation turns options.allow_user_phrase off.
  int load(const std::string& folder, TranslationOptions& options, ParseLog& log,
           WarningGate& gate);

  std::span<const PhraseEntry> entries() const { return entries_; }
  // Each entry's first word as plain_phrase_word gives it.
  std::span<const std::string> first_words() const { return first_words_; }
  int count() const { return static_cast<int>(entries_.size()); }
  std::size_t capacity() const { return capacity_; }
  const PhraseIndex& index() const { return index_; }
  const std::string& path() const { return path_; }
  const std::vector<RejectedLine>& rejected() const { return rejected_; }

 private:
  std::vector<PhraseEntry> entries_;
  std::vector<std::string> first_words_;
  std::size_t capacity_ = 0;
  PhraseIndex index_{};
  std::string path_;
  std::vector<RejectedLine> rejected_;
};

}  // namespace kelvo::userdata
