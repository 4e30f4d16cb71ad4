// The door to the Kelvo core for a window, the command line, a test or another
// program: load an Engine once, then analyse text with a Translator per thread.
//
//   auto engine = kelvo::Engine::load({});
//   if (!engine) { report(engine.error().message); return; }
//   kelvo::Translator tr(*engine, kelvo::TranslationOptions{});
//   auto result = tr.analyse("Gallia est omnis divisa in partes tres.");
//   for (const auto& s : result.sentences)
//     for (const auto& t : s.tokens) ... t.text, t.begin, t.end, t.readings ...
//   auto english = tr.translate("Gallia est omnis divisa in partes tres.");
//   ... english.sentences[0].english, .words (each with its Latin position) ...
#pragma once
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/host.h"
#include "base/options.h"
#include "base/status.h"
#include "kelvo/reading.h"

namespace kelvo {

struct Token {
  std::string text;       // the word as analysed (8-bit Latin, after the clean-up)
  std::size_t begin = 0;  // byte offsets of the word in the text given to analyse();
  std::size_t end = 0;    // begin == end when the word was made by the clean-up
  bool punctuation = false;
  int enclitic_of = -1;   // an enclitic or tackon split off a word: the index of that word
  std::vector<Reading> readings;
  // What the sentence analysis made of the word: the reading it chose (-1
  // when none) and the tokens that reading agrees with or governs.
  int chosen = -1;
  std::vector<int> links;

  bool operator==(const Token&) const = default;
};

struct Sentence {
  std::string text;  // the prepared sentence, as the analysis read it
  std::vector<Token> tokens;

  bool operator==(const Sentence&) const = default;
};

enum class RunStatus : std::uint8_t {
  complete,
  cancelled,      // the host asked to stop; the sentences before it are kept
  limit_reached,  // text was cut at a limit; messages say where
};

// A place where a limit cut the text: the output lacks what was there.
struct TextCut {
  std::uint32_t line = 0;  // the line of the text (from 1) on which the cut sentence begins
  std::string message;     // what was left out, quoting at most 80 characters of it
};

struct TextAnalysis {
  std::vector<Sentence> sentences;
  RunStatus status = RunStatus::complete;
  std::vector<TextCut> cuts;  // with limit_reached: every place, in order
  std::vector<std::string> messages;  // warnings met on the way, in order
  int word_count = 0;                 // words analysed (punctuation aside)
  Error error;                        // why nothing was read, when the text is not text
  bool ok() const { return error.message.empty(); }
  // Only when asked for (Translator::set_outputs): the word-by-word listing
  // that `kelvo parse` prints, and the whole parse log of the run.
  std::string listing;
  std::string log;
};

// One English word of a translation and the Latin word it renders: the
// index of that word among its sentence's tokens (-1 for words that render
// none, such as a limit's notice).
struct EnglishWord {
  std::string text;
  int position = -1;
};

struct TranslatedSentence {
  Sentence latin;                  // its tokens with every reading
  std::string english;             // the composed line, without the final blank and line feeds
  std::vector<EnglishWord> words;  // the English word by word
  std::vector<int> chosen;         // per token: the index of the chosen reading, -1 for none
};

struct Translation {
  std::vector<TranslatedSentence> sentences;
  RunStatus status = RunStatus::complete;
  std::vector<std::string> messages;
  int word_count = 0;
  Error error;
  bool ok() const { return error.message.empty(); }
  std::string log;  // the parse log, when asked for (RunOutputs::log)
  std::vector<TextCut> cuts;  // with limit_reached: every place, in order
};

// What a run writes beside the analysis; both off by default.
inline constexpr std::size_t kMinOverlappedText = 512;

struct RunOutputs {
  bool sentences = true;  // off: only the listing or the log is wanted (translate():
                          // only the English, without the Latin tokens and readings)
  bool senses = true;     // off: each reading's meaning is not split into senses
  bool listing = false;   // on: the sentences come without the sentence analysis's choice
  bool log = false;
  std::string log_banner;  // the opening lines of the parse log
  // For long texts: each sentence, and each sentence's listing, handed over as
  // soon as it is analysed instead of kept in the result.
  std::function<void(Sentence&&)> on_sentence;
  // On: analyse() runs the sentence passes of several sentences at once on
  // threads of its own while it reads the next sentences (and, when it is
  // ahead of them, on the caller's thread too), and calls on_sentence from
  // any of those threads, one call at a time and in order; it returns after
  // the last call. For callers with cores to spare; on_sentence must then
  // touch nothing the caller's thread uses during the run, and must not call
  // the translator. translate() does the same with the English of each
  // sentence, calling on_translation so, unless the area is chosen as the
  // text goes (each sentence then depends on the ones before it). The log,
  // the messages and the sentences kept in the result are those of a run on
  // one thread, and the host hears the warnings in the same order (each when
  // its sentence is delivered). Not with the word-by-word listing, nor for a
  // text under kMinOverlappedText bytes (a few sentences): that is read on
  // the caller's thread alone, done before the threads would have started.
  bool overlap = false;
  // The threads it may use beside the caller's, fixed at the first run that
  // overlaps; 0: one for each core but one (at least 1, at most 8).
  int overlap_threads = 0;
  std::function<void(std::string_view listing)> on_listing;
  // translate(): each translated sentence as soon as it is made.
  std::function<void(TranslatedSentence&&)> on_translation;
};

struct EngineConfig {
  std::string data_dir;  // empty: --data's usual search (KELVO_DATA_DIR, installed, build tree)
  std::string home_dir;  // the user's folder; empty: no user dictionary, phrases or abbreviations
  bool pliny = false;    // also load PlinyUserfile.txt from the user's folder
  bool high_speed_hash = true;  // load the precomputed translations when present
};

struct EngineData;  // the loaded tables; inside the core only (kelvo/engine_data.h)

// The lexicon and the user's data, loaded once and never changed: share one
// Engine between any number of threads.
class Engine {
 public:
  // Reads the files: no option changes, no questions. The one thing it
  // writes is checkedtables.txt in the user's folder (when there is one and
  // it may), the stamps of the data tables it has read through and found as
  // built, so that the next start need not read them through again.
  static Result<std::shared_ptr<const Engine>> load(const EngineConfig& config);
  ~Engine();
  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;

  const EngineData& data() const { return *data_; }
  bool has_botany() const;
  // Lines of the user files that were refused, "file:line: rejected '...' (reason)".
  const std::string& rejected_user_lines() const;
  // What the load would tell the user, in order (a box each in a window).
  const std::vector<std::string>& load_messages() const;

  explicit Engine(std::unique_ptr<EngineData> data);

 private:
  std::unique_ptr<EngineData> data_;
};

// One translator per thread (or per call): its own options and working storage.
class Translator {
 public:
  // `host` (may be null) hears the warnings and answers the questions of a run;
  // without one warnings only reach TextAnalysis::messages.
  Translator(std::shared_ptr<const Engine> engine, TranslationOptions options,
             Host* host = nullptr);
  ~Translator();
  Translator(Translator&&) noexcept;
  Translator& operator=(Translator&&) noexcept;

  const TranslationOptions& options() const;
  void set_options(const TranslationOptions& options);
  void set_outputs(RunOutputs outputs);

  // Prepares, splits and tokenises the text in memory and reads every word.
  // The text may be UTF-8 or Windows-1252.
  TextAnalysis analyse(std::string_view text);

  // The same road, then each sentence's English: the passes choose a
  // reading per word and the English is composed from them.
  Translation translate(std::string_view text);

  // Every reading of one word on its own.
  std::vector<Reading> lookup(std::string_view word);

  struct Impl;

 private:
  std::unique_ptr<Impl> impl_;
};

}  // namespace kelvo
