// Overlaps a run's output with its analysis. The sentence passes hand each
// analysed sentence over (copied, with its choices); a thread of its own
// turns it into the caller's sentence and delivers it, in order, while the
// run reads the next ones. Made for long texts on a machine with a core to
// spare: decoding every reading and formatting the export is a third of an
// analysing run.
#pragma once
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <span>
#include <thread>
#include <vector>

#include "analysis/analysed_sentence.h"
#include "syntax/sentence_analysis.h"

namespace kelvo {

class SentenceHandOver {
 public:
  using Deliver = std::function<void(const analysis::AnalysedSentence&,
                                     std::span<const syntax::WordChoice>)>;

  // The thread starts here and lives until destruction, so a run of many
  // short texts (one a line) does not start one a text.
  explicit SentenceHandOver(Deliver deliver);
  ~SentenceHandOver();
  SentenceHandOver(const SentenceHandOver&) = delete;
  SentenceHandOver& operator=(const SentenceHandOver&) = delete;

  // Queues a copy; waits while the queue is full, so a run that outpaces its
  // output holds a few dozen sentences, never the whole text.
  void post(const analysis::AnalysedSentence& sentence,
            std::span<const syntax::WordChoice> choices);

  // Returns once every sentence posted has been delivered.
  void drain();

 private:
  struct Pending {
    analysis::AnalysedSentence sentence;
    std::vector<syntax::WordChoice> choices;
  };
  static constexpr std::size_t kMaxQueued = 64;
  // The thread, faster than the passes, would otherwise sleep after every
  // sentence and be woken for the next: it is woken for a batch, or to drain.
  static constexpr std::size_t kWakeAt = 16;

  void work();

  Deliver deliver_;
  std::mutex mutex_;
  // Each side is woken only when it sleeps: a wake-up a sentence would cost
  // more than the overlap gains.
  std::condition_variable work_ready_;  // the thread waits here for sentences
  std::condition_variable room_;        // post() and drain() wait here
  bool thread_waiting_ = false;
  int callers_waiting_ = 0;
  std::deque<std::unique_ptr<Pending>> queue_;
  // Delivered sentences kept for reuse: a copy into one reuses its strings'
  // and vectors' storage.
  std::vector<std::unique_ptr<Pending>> spare_;
  bool busy_ = false;      // the thread is delivering one
  bool draining_ = false;  // drain() waits: deliver what is queued, however few
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace kelvo
