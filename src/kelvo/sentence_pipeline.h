// Runs the sentence passes of a long text on threads of their own. The run
// reads each sentence's words and hands over a copy; the threads, each with
// its own working storage, run the passes, choose the readings and decode
// them into the caller's sentence, several sentences at once, and give the
// sentences to the caller one at a time and in order, while the run reads on
// (and, when it is ahead of them, prepares the waiting sentences itself).
// The passes are more than half of an analysing run, and each sentence's
// depend only on its own words.
#pragma once
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "analysis/analysed_sentence.h"
#include "base/parse_log.h"
#include "english/sentence_translator.h"
#include "kelvo/kelvo.h"
#include "syntax/sentence_analysis.h"
#include "text/sentence_words.h"

namespace kelvo {

class SentencePipeline {
 public:
  struct Storage;
  // What a translating run's sentence asks for beyond the passes.
  struct Translating {
    bool on = false;               // a translating run's: `translated` is filled, not `out`
    bool english = false;          // the sentence is rendered (two tokens or more)
    bool warn_no_phrases = false;  // the first to say that there are no standard phrases
  };
  // One sentence on its way.
  struct Job {
    text::SentenceCopy words;
    analysis::AnalysedSentence sentence;
    syntax::SyntaxEnv env;
    const TranslationOptions* options = nullptr;
    std::vector<syntax::WordChoice> choices;
    Sentence out;                       // decoded, for the caller
    Translating translating;
    TranslatedSentence translated;      // a translating run's, for the caller
    std::vector<std::string> warnings;  // what the run, then the passes, warned of
    // A logging run's: the lines the passes write, and those the English
    // writes (closed, writing nothing, when the run keeps no log).
    ParseLog log;
    ParseLog english_log;
    std::uint64_t number = 0;
    Storage* prepared_in = nullptr;  // whose tokens `out` holds
  };
  // What each thread owns: the working storage the passes run in, and the
  // tokens of the sentences it decoded, given back once delivered, for
  // decoding the next ones into.
  struct Storage {
    text::SentenceWords words;
    syntax::SyntaxScratch scratch;
    english::EnglishScratch english;
    std::vector<Token> spare_tokens;
    std::vector<Token> given_back;  // guarded by the pipeline's mutex
  };
  // `prepare` runs on several threads at once, each with its own storage;
  // `deliver` on one at a time, in the order the sentences were posted.
  using Prepare = std::function<void(Job&, Storage&)>;
  using Deliver = std::function<void(Job&)>;

  // The threads start here and live until destruction, so a run of many
  // short texts (one a line) does not start them for each.
  SentencePipeline(int threads, Prepare prepare, Deliver deliver);
  ~SentencePipeline();
  SentencePipeline(const SentencePipeline&) = delete;
  SentencePipeline& operator=(const SentencePipeline&) = delete;

  // Queues a copy of the sentence; waits while too many are on their way, so
  // a run that outpaces its output holds a few dozen, never the whole text.
  // `logging`: the job's logs collect what is written to them. `warned`:
  // what the run warned of since the last sentence, given before this one's
  // own warnings (taken; left empty).
  void post(const analysis::AnalysedSentence& sentence, const text::SentenceWords& words,
            const syntax::SyntaxEnv& env, const TranslationOptions& options,
            Translating translating, bool logging, std::vector<std::string>& warned);
  // Returns once every sentence posted has been delivered.
  void drain();
  // The warnings of the sentences delivered so far (each sentence's: the
  // run's before it, then its passes'), in their order, for the caller's
  // thread to show (moved out).
  std::vector<std::string> take_warnings();

 private:
  static constexpr std::size_t kMaxOnTheirWay = 32;
  // The threads, faster than the reading, would otherwise sleep after every
  // sentence and be woken for the next: sleeping ones are woken for a batch,
  // or to drain.
  static constexpr std::size_t kWakeAt = 8;

  void work(std::size_t index);
  // These three run with the lock held. The next posted job, for `storage`.
  std::unique_ptr<Job> take(Storage& storage);
  // The caller's thread prepares the next posted job (unlocking meanwhile).
  void help(std::unique_lock<std::mutex>& lock);
  // Files a prepared job and delivers the ready ones in order, unless
  // another thread is delivering.
  void finish(std::unique_lock<std::mutex>& lock, std::unique_ptr<Job> job);

  Prepare prepare_;
  Deliver deliver_;
  std::mutex mutex_;
  std::condition_variable work_ready_;  // sleeping threads wait here for sentences
  std::condition_variable room_;        // post() and drain() wait here
  int sleeping_ = 0;
  int callers_waiting_ = 0;
  std::deque<std::unique_ptr<Job>> queue_;
  // Prepared jobs waiting for those before them to be delivered.
  std::vector<std::unique_ptr<Job>> ready_;
  bool delivering_ = false;  // a thread is delivering the ready ones in order
  // Delivered jobs kept for reuse: a copy into one reuses its storage.
  std::vector<std::unique_ptr<Job>> spare_;
  std::size_t on_their_way_ = 0;  // posted and not yet delivered
  std::uint64_t posted_ = 0;
  std::uint64_t delivered_ = 0;
  std::vector<std::string> warnings_;
  bool draining_ = false;
  bool stopping_ = false;
  std::vector<std::unique_ptr<Storage>> storage_;  // each thread's, made at its first sentence
  std::unique_ptr<Storage> caller_storage_;  // made when the caller first helps
  std::vector<std::thread> threads_;
};

}  // namespace kelvo
