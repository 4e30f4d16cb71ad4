// Search File List: the text files named in a directory list searched for a
// text (line by line of each file's sentences) or, through the word analysis,
// for the forms that begin with a stem, with filters on part of speech and
// case or tense. The hits go to fails.txt. The analysis of each file comes
// from the caller, so the loop runs wherever the caller wants it (a worker
// thread in the window) and stops when the caller says.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/options.h"
#include "kelvo/kelvo.h"
#include "shell/directory_list.h"

namespace kelvo::shell {

enum class SearchKind : std::uint8_t { text, word };

inline constexpr std::size_t kSearchItemLimit = 30;
inline constexpr std::size_t kExcludeItemLimit = 20;
inline constexpr std::size_t kAndItemLimit = 20;
inline constexpr int kUnknownSpeech = 64;
inline constexpr int kUnknownCase = 8;
inline constexpr int kVerbSpeech = 7;
inline constexpr int kAccusativeCase = 7;
inline constexpr int kPerfectTense = 4;
// A listed file longer than this is searched only so far, and fails.txt says so.
inline constexpr std::size_t kSearchedFileLimit = 64u << 20;

// The search settings, kept by the window between searches.
struct SearchSettings {
  std::string item;
  std::string exclude;
  std::string and_item;  // text search only
  SearchKind kind = SearchKind::text;
  int speech = 0;      // part-of-speech code of the word search; 0 any, 64 unknown words
  int case_tense = 0;  // case code (tense code for verbs); 0 any
};

// The dialog's lists: name and code, in the dialog's order.
struct NamedCode {
  const char* name;
  int code;
};
std::span<const NamedCode> speech_filters();
std::span<const NamedCode> case_filters();

// The message that keeps the dialog open, or "" when the settings can be used.
std::string validate_search(const SearchSettings& s);

// Blanks trimmed; j and v as i and u; an exclude or and item with no lower-case
// letter but j and v is dropped (a stray capital or number would otherwise
// exclude or demand everything).
SearchSettings normalise_search(SearchSettings s);

// The head of fails.txt for these settings.
std::string search_header(const SearchSettings& s);

// Counts hits and writes them as the search goes.
class FileListSearch {
 public:
  explicit FileListSearch(SearchSettings normalised) : s_(std::move(normalised)) {}

  // Text search of one file, given its prepared sentences one a line.
  void search_text(std::string_view path, std::string_view prepared, std::string& out);
  // Word search of one analysed sentence: at most one hit a word.
  void search_sentence(const Sentence& sentence, std::string& out);

  unsigned hits() const { return hits_; }

 private:
  SearchSettings s_;
  unsigned hits_ = 0;
};

struct FileListOutcome {
  std::string fails;         // the whole of fails.txt
  std::size_t searched = 0;  // files searched to their end
  unsigned hits = 0;
  bool cancelled = false;
};

// The sentences of a text, one a line, as the analysis reads them ("" for a
// text that is not text).
std::string prepared_sentences(std::string_view text);

struct FileSearchHooks {
  // The prepared sentences of a text (text search); null: prepared_sentences.
  std::function<std::string(std::string_view text)> prepare;
  // The analysis of a text (word search).
  std::function<TextAnalysis(std::string_view text)> analyse;
  // Asked before each file with its number (from 1): false stops the search.
  std::function<bool(std::size_t file)> keep_going;
};

// Searches every file of the list in order.
FileListOutcome search_file_list(const SearchSettings& settings, const DirectoryList& list,
                                 const FileSearchHooks& hooks);

// The closing report: after Escape, the files fully searched; a count that
// differs from the list's own; otherwise the totals and the time taken.
// "" when the list held no files (its own message has been given).
std::string search_report(const FileListOutcome& outcome, const DirectoryList& list,
                          std::int64_t elapsed_ms);

}  // namespace kelvo::shell
