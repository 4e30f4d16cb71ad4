// A run's memory of the words it has analysed. Running text repeats most of
// its words, so a word met again under the same key is answered from memory
// with what analysing it again would give: the same analyses, the same
// result and the same messages to the parse log and as warnings.
//
// The key is everything an analysis depends on besides the tables: the form,
// whether it opens the sentence, whether the run knows it as a proper name,
// whether the sentence is a question and whether the word-formation rules are
// on. The analyser and its options are the rest: the memory is emptied when
// either changes.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "analysis/word_driver.h"
#include "base/host.h"
#include "base/options.h"
#include "base/parse_log.h"

namespace kelvo::analysis {

class WordMemo {
 public:
  // Past this many words the others are analysed without being kept, which
  // bounds the memory a long text of many rare words can take.
  static constexpr std::size_t kMaxWords = 30'000;

  explicit WordMemo(bool enabled = true) : enabled_(enabled) {}

  bool enabled() const { return enabled_; }
  void set_enabled(bool on);
  void clear();

  // analyse_word (same arguments and effects), or its remembered answer.
  WordResult analyse(const WordAnalyzer& wa, std::string_view word, bool first_in_sentence,
                     bool known_proper, std::vector<Candidate>& out, AnalysisContext& ctx,
                     bool question);

  std::size_t words() const { return entries_.size(); }
  std::size_t hits() const { return hits_; }
  std::size_t misses() const { return misses_; }

 private:
  struct Entry {
    std::vector<Candidate> candidates;
    WordResult result;
    std::string log;                    // what the analysis wrote to the parse log
    std::vector<std::string> warnings;  // and showed as warnings
  };

  void make_key(std::string_view word, bool first_in_sentence, bool known_proper, bool question,
                bool formation_rules);
  void answer(const Entry& e, std::vector<Candidate>& out, AnalysisContext& ctx) const;

  bool enabled_;
  const WordAnalyzer* analyzer_ = nullptr;
  TranslationOptions options_;
  std::unordered_map<std::string, Entry> entries_;
  std::string key_;
  ParseLog captured_log_;
  RecordingHost captured_host_;
  std::size_t hits_ = 0;
  std::size_t misses_ = 0;
};

}  // namespace kelvo::analysis
