#include "kelvo/sentence_hand_over.h"

#include <utility>

namespace kelvo {

SentenceHandOver::SentenceHandOver(Deliver deliver)
    : deliver_(std::move(deliver)), thread_([this] { work(); }) {}

SentenceHandOver::~SentenceHandOver() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  work_ready_.notify_one();
  thread_.join();
}

void SentenceHandOver::post(const analysis::AnalysedSentence& sentence,
                            std::span<const syntax::WordChoice> choices) {
  std::unique_ptr<Pending> p;
  {
    std::unique_lock lock(mutex_);
    if (queue_.size() >= kMaxQueued) {
      ++callers_waiting_;
      room_.wait(lock, [this] { return queue_.size() < kMaxQueued; });
      --callers_waiting_;
    }
    if (!spare_.empty()) {
      p = std::move(spare_.back());
      spare_.pop_back();
    }
  }
  if (!p) p = std::make_unique<Pending>();
  p->sentence = sentence;
  p->choices.assign(choices.begin(), choices.end());
  bool wake = false;
  {
    std::lock_guard lock(mutex_);
    queue_.push_back(std::move(p));
    wake = thread_waiting_ && queue_.size() >= kWakeAt;
  }
  if (wake) work_ready_.notify_one();
}

void SentenceHandOver::drain() {
  std::unique_lock lock(mutex_);
  draining_ = true;
  if (thread_waiting_) work_ready_.notify_one();
  ++callers_waiting_;
  room_.wait(lock, [this] { return queue_.empty() && !busy_; });
  --callers_waiting_;
  draining_ = false;
}

void SentenceHandOver::work() {
  std::unique_lock lock(mutex_);
  for (;;) {
    if (queue_.empty() && !stopping_) {
      thread_waiting_ = true;
      work_ready_.wait(lock, [this] {
        return stopping_ || queue_.size() >= kWakeAt || (draining_ && !queue_.empty());
      });
      thread_waiting_ = false;
    }
    // Whatever was posted is delivered before the thread stops.
    if (queue_.empty()) return;
    std::unique_ptr<Pending> p = std::move(queue_.front());
    queue_.pop_front();
    busy_ = true;
    bool wake = callers_waiting_ > 0;
    lock.unlock();
    if (wake) room_.notify_all();  // room in the queue
    deliver_(p->sentence, p->choices);
    lock.lock();
    busy_ = false;
    spare_.push_back(std::move(p));
    if (callers_waiting_ > 0) room_.notify_all();  // drain() may be waiting
  }
}

}  // namespace kelvo
