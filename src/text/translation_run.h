// The translation run: Latin text held in memory prepared into sentences, one
// a line, then read back a sentence at a time, tokenised, analysed and (with
// Translate on) translated, everything written to the parse log that the
// caller opened (a file, memory, or nowhere). The word analysis and the
// sentence translation plug in through SentenceHandler. A run writes no file.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "text/input_preparation.h"
#include "text/input_text.h"
#include "text/sentence_words.h"
#include "text/tokeniser.h"
#include "base/status.h"
#include "base/host.h"
#include "base/options.h"
#include "base/parse_log.h"
#include "grammar/lexicon.h"
#include "userdata/abbreviations.h"

namespace kelvo::text {

inline constexpr std::size_t kLatinTextBufferSize = 200'000;
inline constexpr std::size_t kSentenceBuffer = 2'000;
inline constexpr int kRerunTokenLimit = 380;

inline constexpr const char* kCannotOpenParseLog =
    "Error in opening output log file.\nIs it open elsewhere? Program cannot run.";
inline constexpr const char* kLoadingStatus = "Loading words for translation...";
inline constexpr const char* kFinishedStatus = "Finished translation.";
inline constexpr const char* kEscapeMessage = "Escape Pressed. Ending translation.\n";
inline constexpr const char* kOneWordMessage = "Cannot safely sentence-translate one word!\n";
inline constexpr const char* kWordCountFormat = "Done. No. of words translated in file = %d.\n";
inline constexpr const char* kTimeTakenFormat = "\nTime taken = %s.\n";

// "hh:mm:ss.ss" text of an elapsed time in milliseconds.
std::string elapsed_time_text(std::int64_t elapsed_ms);

// Automatic area selection: the current area and the per-area sentence tally.
struct AreaState {
  char current_area = 0;
  std::uint16_t unclear_sentences = 0;
  std::array<std::uint16_t, 16> tally{};
};

// What the per-sentence work sees of the run.
struct RunContext {
  RunContext(const TranslationOptions& o, const grammar::Lexicon* lex, ParseLog& l,
             WarningGate& w, const PersonCounts& p, const std::string& s)
      : options(o), lexicon(lex), log(l), warnings(w), persons(p), sentence(s) {}

  const TranslationOptions& options;
  const grammar::Lexicon* lexicon;  // null when only sentences or tokens are wanted
  ParseLog& log;
  WarningGate& warnings;
  const PersonCounts& persons;
  const std::string& sentence;  // the current sentence text, as read from temp.lat
  int token_count = 0;          // may be changed by the word analysis
  int sentence_length = 0;      // token count after word analysis
  int file_word_count = 0;
  std::uint32_t input_line = 0; // the input line on which the sentence begins
  bool rerun = false;           // a repeated analysis of the sentence is in progress
  bool rerun_requested = false; // set by the area tally to ask for a repeat
  AreaState area;

  // Counts one analysed word in the file total (not during a repeat).
  void count_word() {
    if (!rerun) ++file_word_count;
  }
};

class SentenceHandler {
 public:
  virtual ~SentenceHandler() = default;
  // Word analysis of the tokens (always called).
  virtual void analyse(SentenceWords& words, RunContext& run) = 0;
  // Sentence translation (called with Translate on and two tokens or more).
  virtual void translate(SentenceWords& /*words*/, RunContext& /*run*/) {}
  // After the word count and time: the Details listing.
  virtual void details_listing(SentenceWords& /*words*/, RunContext& /*run*/) {}
  // After the log is closed: the area report of automatic area selection.
  virtual void area_report(RunContext& /*run*/) {}
};

enum class RunStatus : std::uint8_t {
  complete,
  bad_input,      // nothing was read: the text is not Latin text (see `error`)
  cancelled,      // Escape, or Cancel at a limit's question; the sentences before it stand
  limit_reached,  // text was cut at a limit; the parse log says where
};

// A place where a limit cut the text: what was left out, quoting at most
// kQuoteLimit characters of it, and the input line its sentence begins on.
struct TextCut {
  std::uint32_t line = 0;
  std::string message;
};

struct RunOutcome {
  RunStatus status = RunStatus::complete;
  Error error;  // with bad_input
  int file_word_count = 0;
  int total_tokens = 0;
  std::vector<TextCut> cuts;    // every one, in order (the warnings only show two)
  std::uint32_t last_line = 0;  // the input line of the last sentence read
};

// The message of a cut for one who reads the input, not the tokens.
std::string cut_message(const Tokenised& cut);

class TranslationRun {
 public:
  using Clock = std::function<std::int64_t()>;  // milliseconds
  using Banner = std::function<void(ParseLog&, const TranslationOptions&)>;

  TranslationRun(const grammar::Lexicon* lexicon, TranslationOptions options, WarningGate& warnings,
                 ParseLog& log);

  void set_abbreviations(const userdata::AbbreviationTable* table) { abbreviations_ = table; }
  void set_banner(Banner banner) { banner_ = std::move(banner); }
  void set_clock(Clock clock) { clock_ = std::move(clock); }

  // Translates `raw_text` (UTF-8 or Windows-1252); `start_ms` is the clock
  // value taken when the command started.
  RunOutcome run(std::string_view raw_text, std::int64_t start_ms, SentenceHandler& handler);

  void set_options(const TranslationOptions& options) { options_ = options; }
  // The prepared sentences of the last run, one a line.
  const std::string& prepared_text() const { return prepared_; }

  // The Latin text read in this run (for the window), and whether it overflowed.
  const std::string& latin_text() const { return latin_text_; }
  bool latin_text_overflow() const { return latin_overflow_; }
  const PersonCounts& person_counts() const { return persons_; }
  const AreaState& area_state() const { return area_; }
  SentenceWords& sentence_words() { return *words_; }
  static std::int64_t steady_clock_ms();

 private:
  Tokenised read_sentence(LineReader& reader, std::string& sentence, std::uint32_t& line);

  const grammar::Lexicon* lexicon_;
  TranslationOptions options_;
  WarningGate& warnings_;
  ParseLog& log_;
  std::string prepared_;  // the sentences, one a line
  const userdata::AbbreviationTable* abbreviations_ = nullptr;
  Banner banner_;
  Clock clock_;
  std::unique_ptr<SentenceWords> words_;
  PersonCounts persons_;
  AreaState area_;
  std::string latin_text_;
  std::string carry_;  // the rest of a temp.lat line cut at the sentence buffer
  std::string piece_;  // what one read of temp.lat brought
  std::vector<std::uint32_t> sentence_lines_;  // input line of each prepared line
  std::size_t prepared_line_ = 0;               // the prepared line being read
  bool latin_overflow_ = false;
};

}  // namespace kelvo::text
