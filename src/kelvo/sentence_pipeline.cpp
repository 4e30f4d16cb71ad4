#include "kelvo/sentence_pipeline.h"

#include <algorithm>
#include <utility>

namespace kelvo {

SentencePipeline::SentencePipeline(int threads, Prepare prepare, Deliver deliver)
    : prepare_(std::move(prepare)), deliver_(std::move(deliver)) {
  const int n = std::max(1, threads);
  storage_.resize(static_cast<std::size_t>(n));
  for (std::size_t i = 0; i < storage_.size(); ++i) threads_.emplace_back([this, i] { work(i); });
}

SentencePipeline::~SentencePipeline() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  work_ready_.notify_all();
  for (std::thread& t : threads_) t.join();
}

void SentencePipeline::post(const analysis::AnalysedSentence& sentence,
                            const text::SentenceWords& words, const syntax::SyntaxEnv& env,
                            const TranslationOptions& options, Translating translating,
                            bool logging, std::vector<std::string>& warned) {
  std::unique_ptr<Job> job;
  {
    std::unique_lock lock(mutex_);
    // With as many on their way as may be, the caller prepares the next
    // waiting sentence itself rather than sleep while the threads catch up:
    // on a machine with few cores, one thread fewer then keeps them busy.
    while (on_their_way_ >= kMaxOnTheirWay) {
      if (!queue_.empty()) {
        help(lock);
        continue;
      }
      // Woken when a batch has gone, not for each sentence.
      ++callers_waiting_;
      room_.wait(lock, [this] { return on_their_way_ <= kMaxOnTheirWay - kWakeAt; });
      --callers_waiting_;
    }
    ++on_their_way_;
    if (!spare_.empty()) {
      job = std::move(spare_.back());
      spare_.pop_back();
    }
  }
  if (!job) job = std::make_unique<Job>();
  words.copy_sentence(job->words);
  job->sentence = sentence;
  job->env = env;
  job->options = &options;
  job->translating = translating;
  job->warnings.swap(warned);
  warned.clear();
  for (ParseLog* log : {&job->log, &job->english_log}) {
    log->close();
    log->clear_text();
    if (logging) log->open_memory();
  }
  bool wake = false;
  {
    std::lock_guard lock(mutex_);
    job->number = posted_++;
    queue_.push_back(std::move(job));
    wake = sleeping_ > 0 && queue_.size() >= kWakeAt;
  }
  if (wake) work_ready_.notify_all();
}

void SentencePipeline::drain() {
  std::unique_lock lock(mutex_);
  draining_ = true;
  if (sleeping_ > 0) work_ready_.notify_all();
  while (!queue_.empty()) help(lock);
  ++callers_waiting_;
  room_.wait(lock, [this] { return delivered_ == posted_; });
  --callers_waiting_;
  draining_ = false;
}

std::vector<std::string> SentencePipeline::take_warnings() {
  std::lock_guard lock(mutex_);
  return std::exchange(warnings_, {});
}

std::unique_ptr<SentencePipeline::Job> SentencePipeline::take(Storage& storage) {
  std::unique_ptr<Job> job = std::move(queue_.front());
  queue_.pop_front();
  job->prepared_in = &storage;
  for (Token& t : storage.given_back) storage.spare_tokens.push_back(std::move(t));
  storage.given_back.clear();
  return job;
}

void SentencePipeline::help(std::unique_lock<std::mutex>& lock) {
  if (!caller_storage_) caller_storage_ = std::make_unique<Storage>();
  std::unique_ptr<Job> job = take(*caller_storage_);
  lock.unlock();
  prepare_(*job, *caller_storage_);
  lock.lock();
  finish(lock, std::move(job));
}

void SentencePipeline::finish(std::unique_lock<std::mutex>& lock, std::unique_ptr<Job> job) {
  // A prepared sentence waits for those before it; whichever thread finds
  // the next one ready delivers it and the ready ones after it, and the
  // others go on preparing (none sleeps waiting for its turn).
  ready_.push_back(std::move(job));
  if (delivering_) return;
  delivering_ = true;
  for (;;) {
    auto next = std::find_if(ready_.begin(), ready_.end(),
                             [this](const auto& j) { return j->number == delivered_; });
    if (next == ready_.end()) break;
    std::unique_ptr<Job> now = std::move(*next);
    ready_.erase(next);
    lock.unlock();
    deliver_(*now);
    lock.lock();
    // The delivered tokens go back to the thread that decoded them, their
    // readings' room kept for its next sentences; the job waits empty.
    for (Token& t : now->out.tokens) now->prepared_in->given_back.push_back(std::move(t));
    now->out.tokens.clear();
    ++delivered_;
    --on_their_way_;
    for (std::string& w : now->warnings) warnings_.push_back(std::move(w));
    spare_.push_back(std::move(now));
    if (callers_waiting_ > 0 &&
        (on_their_way_ == kMaxOnTheirWay - kWakeAt || delivered_ == posted_))
      room_.notify_all();
  }
  delivering_ = false;
}

void SentencePipeline::work(std::size_t index) {
  std::unique_lock lock(mutex_);
  for (;;) {
    if (queue_.empty()) {
      ++sleeping_;
      work_ready_.wait(lock, [this] {
        return stopping_ || queue_.size() >= kWakeAt || (draining_ && !queue_.empty());
      });
      --sleeping_;
    }
    // Whatever was posted is delivered before the threads stop.
    if (queue_.empty()) return;
    // The thread's storage (half a megabyte to zero) is made when it first
    // has work: a short text is often prepared by the caller alone.
    if (!storage_[index]) {
      lock.unlock();
      auto made = std::make_unique<Storage>();
      lock.lock();
      storage_[index] = std::move(made);
      continue;
    }
    Storage& storage = *storage_[index];
    std::unique_ptr<Job> job = take(storage);
    lock.unlock();
    prepare_(*job, storage);
    lock.lock();
    finish(lock, std::move(job));
  }
}

}  // namespace kelvo
