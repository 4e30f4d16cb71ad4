// A run's memory of the words it has analysed. Running text repeats most of
// its words, so a word met again under the same key is answered from memory
// with what analysing it again would give: the same analyses, the same
// result and the same messages to the parse log and as warnings.
//
// The key is everything an analysis depends on besides the tables: the form,
// whether it opens the sentence, whether the run knows it as a proper name,
// whether the sentence is a question and whether the word-formation rules are
// on. The analyser and its options are the rest: the memory is emptied when
// either changes. The tables (lexicon, user dictionary) must not change while
// it is kept; the sentence pass empties it when a run begins.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/word_driver.h"
#include "base/host.h"
#include "base/options.h"
#include "base/parse_log.h"

namespace kelvo::analysis {

class WordMemo {
 public:
  // Past this many words the others are analysed without being kept, which
  // bounds the memory a long text of many rare words can take (about 700
  // bytes a word).
  static constexpr std::size_t kMaxWords = 20'000;

  explicit WordMemo(bool enabled = true) : enabled_(enabled) {}

  bool enabled() const { return enabled_; }
  void set_enabled(bool on);
  void clear();

  // analyse_word (same arguments and effects), or its remembered answer.
  WordResult analyse(const WordAnalyzer& wa, std::string_view word, bool first_in_sentence,
                     bool known_proper, std::vector<Candidate>& out, AnalysisContext& ctx,
                     bool question);

  std::size_t words() const { return entries_.size(); }
  // Changes whenever the memo is emptied: a WordResult's memo_entry names the
  // same answer only within one generation.
  std::uint64_t generation() const { return generation_; }
  // Answers from memory and analyses made, since the memo was made.
  std::size_t hits() const { return hits_; }
  std::size_t misses() const { return misses_; }

 private:
  // One remembered analysis, without the string of a Candidate's origin: a
  // built-in meaning is kept once in meanings_.
  struct Stored {
    grammar::WordAnalysis analysis;
    Origin::Table table;
    Source source;
    std::int32_t index;
    std::int32_t meaning;  // in meanings_, or -1
  };
  // What a word's answer holds beyond its analyses, which few words have.
  struct Extra {
    std::optional<SplitOffToken> split_off;
    std::string log;                    // what the analysis wrote to the parse log
    std::vector<std::string> warnings;  // and showed as warnings
  };
  struct Entry {
    std::string key;
    std::size_t hash = 0;
    std::uint32_t first = 0;  // its analyses in stored_
    std::uint32_t count = 0;
    int added = 0;
    bool proper_name = false;
    std::unique_ptr<Extra> extra;
  };

  void empty();
  void make_key(std::string_view word, bool first_in_sentence, bool known_proper, bool question,
                bool formation_rules);
  // The entry under key_ (hash key_hash_), or nullptr.
  const Entry* find() const;
  Entry& insert();
  WordResult answer(const Entry& e, std::vector<Candidate>& out, AnalysisContext& ctx) const;
  void remember(const std::vector<Candidate>& out, std::size_t from, const WordResult& r);

  bool enabled_;
  const WordAnalyzer* analyzer_ = nullptr;
  TranslationOptions options_;
  // An open table over entries_: a lookup touches one slot and one entry,
  // where a node map's bucket, node and key each missed the cache on a long
  // run. A slot holds an entry's hash and its index + 1 (0: empty).
  struct Slot {
    std::uint32_t hash = 0;
    std::uint32_t entry = 0;
  };
  std::vector<Entry> entries_;
  std::vector<Slot> slots_;
  std::vector<Stored> stored_;
  std::vector<std::string> meanings_;
  std::string key_;
  std::size_t key_hash_ = 0;
  ParseLog captured_log_;
  RecordingHost captured_host_;
  std::size_t hits_ = 0;
  std::size_t misses_ = 0;
  std::uint64_t generation_ = 0;
};

}  // namespace kelvo::analysis
