// Word analysis of one sentence: every token of the sentence word table gets its
// candidate analyses. With sentence translation off each analysis is listed
// in the parse log (dictionary line and word report).
#pragma once
#include <functional>
#include <string>
#include <unordered_map>

#include "analysis/analysed_sentence.h"
#include "analysis/word_memo.h"
#include "text/translation_run.h"
#include "analysis/word_analyzer.h"

namespace kelvo::analysis {

class TokenAnalyzer : public text::SentenceHandler {
 public:
  // Called after each sentence with its analyses (exporters, the listing).
  using SentenceSink = std::function<void(const AnalysedSentence&, const std::string& listing)>;

  TokenAnalyzer(WordAnalyzer& analyzer, SentenceSink sink = nullptr);

  void analyse(text::SentenceWords& words, text::RunContext& run) override;

  const AnalysedSentence& last_sentence() const { return sentence_; }
  // The word-by-word listing (with Translate off) is built only when wanted.
  void set_listing(bool on) { listing_ = on; }

  // The memory of the run's words (on by default): off, every word is
  // analysed anew. It is emptied when a run begins.
  void set_memo(bool on) { memo_.set_enabled(on); }
  const WordMemo& memo() const { return memo_; }

 private:
  // Writes the precomputed translation of a word, when the hash holds it.
  void note_precalculated(std::string_view word, ParseLog& log) const;
  // The next token of the sentence, made from one of the last sentence's, so
  // that its text and analyses reuse their memory.
  AnalysedToken& new_token(std::string_view form);
  // The listing of a token's readings. Running text repeats most of its
  // words, and a repeated word's readings list alike: each distinct list of
  // readings is written once a run (the listing was half of a parse run).
  // A word the memory of words answered is found by its entry there (its
  // host's or its split-off token's readings); any other by its readings.
  const std::string& readings_listing(const std::vector<Candidate>& candidates,
                                      std::uint32_t memo_entry, bool split_off);

  WordAnalyzer& wa_;
  SentenceSink sink_;
  bool listing_ = true;
  AnalysedSentence sentence_;
  std::vector<Candidate> scratch_;
  std::vector<AnalysedToken> spare_;
  WordMemo memo_;
  ParseLog rule_lines_;  // what the rules wrote while one word was read
  // Listings by the readings they list (their records without the places in
  // the sentence, and their origins), emptied with the memory of words.
  std::unordered_map<std::string, std::string> listings_;
  // The same by the memory's entries (two an entry: host, split-off; null
  // until made), for the memory's generation they were made in. They point
  // into listings_, whose values stay where they are until it is emptied.
  std::vector<const std::string*> entry_listings_;
  std::uint64_t entry_generation_ = 0;
  // The listing of these readings, found by the readings themselves.
  const std::string& listing_by_readings(const std::vector<Candidate>& candidates);
  std::string listing_key_;
  std::string listing_made_;  // a listing not kept (the map is full)
};

}  // namespace kelvo::analysis
