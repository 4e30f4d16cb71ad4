// The core never shows a window: it speaks to its host through this interface.
// The window answers with message boxes, the command line with standard error
// and safe defaults, tests with a recorder.
#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvo {

class Host {
 public:
  virtual ~Host() = default;
  virtual void warning(std::string_view text) = 0;
  // Yes/No question; the safe answer is No.
  virtual bool ask_yes_no(std::string_view text) = 0;
  // OK/Cancel question; true for OK.
  virtual bool ask_ok_cancel(std::string_view text) = 0;
  virtual void status(std::string_view /*text*/) {}
  // An information box with a title (never counted as a warning); a host
  // without boxes shows it as it shows a warning.
  virtual void information(std::string_view /*title*/, std::string_view text) { warning(text); }
  // Polled between sentences and in long loops; true when the user asked to stop.
  virtual bool escape_pressed() { return false; }
};

// At most two warning boxes per program run; the rest only reach the log.
class WarningGate {
 public:
  static constexpr int kMaxBoxes = 2;
  explicit WarningGate(Host& host) : host_(&host) {}
  Host& host() const { return *host_; }
  int shown() const { return shown_; }
  bool can_show() const { return shown_ < kMaxBoxes; }
  // Every warning, shown or not, is also kept here while a list is given.
  void keep_warnings_in(std::vector<std::string>* list) { kept_ = list; }
  // While a run's sentences are finished on other threads, the warnings
  // given here wait in `held`, for the run to pass them on with warn_now()
  // in the order of a run on one thread; a question first calls
  // `before_question`, which passes on everything given before it.
  void hold_in(std::vector<std::string>* held, std::function<void()> before_question = nullptr) {
    held_ = held;
    before_question_ = held ? std::move(before_question) : nullptr;
  }
  // Shows the text as a box while under the limit; returns whether it was shown.
  bool warn(std::string_view text) {
    if (held_) {
      held_->emplace_back(text);
      return false;
    }
    return warn_now(text);
  }
  bool warn_now(std::string_view text) {
    if (kept_) kept_->emplace_back(text);
    if (!can_show()) return false;
    ++shown_;
    host_->warning(text);
    return true;
  }
  // OK/Cancel box under the same limit; past the limit the answer is OK.
  bool ok_cancel(std::string_view text) {
    if (before_question_) before_question_();
    if (kept_) kept_->emplace_back(text);
    if (!can_show()) return true;
    ++shown_;
    return host_->ask_ok_cancel(text);
  }

 private:
  Host* host_;
  int shown_ = 0;
  std::vector<std::string>* kept_ = nullptr;
  std::vector<std::string>* held_ = nullptr;
  std::function<void()> before_question_;
};

// A host that answers every question with its safe default and keeps the texts.
class RecordingHost : public Host {
 public:
  std::vector<std::string> warnings, questions, statuses;
  bool yes_answer = false;
  bool ok_answer = true;
  int escape_after_polls = -1;  // -1: never
  int polls = 0;
  void warning(std::string_view t) override { warnings.emplace_back(t); }
  bool ask_yes_no(std::string_view t) override {
    questions.emplace_back(t);
    return yes_answer;
  }
  bool ask_ok_cancel(std::string_view t) override {
    questions.emplace_back(t);
    return ok_answer;
  }
  void status(std::string_view t) override { statuses.emplace_back(t); }
  bool escape_pressed() override {
    ++polls;
    return escape_after_polls >= 0 && polls > escape_after_polls;
  }
};

}  // namespace kelvo
