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
  changed_.notify_all();
  thread_.join();
}

void SentenceHandOver::post(const analysis::AnalysedSentence& sentence,
                            std::span<const syntax::WordChoice> choices) {
  std::unique_ptr<Pending> p;
  {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return queue_.size() < kMaxQueued; });
    if (!spare_.empty()) {
      p = std::move(spare_.back());
      spare_.pop_back();
    }
  }
  if (!p) p = std::make_unique<Pending>();
  p->sentence = sentence;
  p->choices.assign(choices.begin(), choices.end());
  {
    std::lock_guard lock(mutex_);
    queue_.push_back(std::move(p));
  }
  changed_.notify_all();
}

void SentenceHandOver::drain() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return queue_.empty() && !busy_; });
}

void SentenceHandOver::work() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
    // Whatever was posted is delivered before the thread stops.
    if (queue_.empty()) return;
    std::unique_ptr<Pending> p = std::move(queue_.front());
    queue_.pop_front();
    busy_ = true;
    lock.unlock();
    changed_.notify_all();  // room in the queue
    deliver_(p->sentence, p->choices);
    lock.lock();
    busy_ = false;
    spare_.push_back(std::move(p));
    changed_.notify_all();  // drain() may be waiting
  }
}

}  // namespace kelvo
