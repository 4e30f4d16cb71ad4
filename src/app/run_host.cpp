#include "app/run_host.h"

#include <QMetaObject>
#include <QThread>

#include "text/translation_run.h"

namespace kelvo::app {

namespace {

QString qtext(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).trimmed();
}

// Progress is sent at most this often: a run of thousands of short sentences
// must not flood the interface thread.
constexpr std::chrono::milliseconds kProgressInterval{40};

}  // namespace

RunHost::RunHost(Prompter* prompter, std::shared_ptr<std::atomic<int>> boxes, QObject* parent)
    : QObject(parent), prompter_(prompter), boxes_(std::move(boxes)) {}

template <typename F>
bool RunHost::on_interface_thread(F&& ask) {
  if (QThread::currentThread() == thread()) return ask();
  bool answer = false;
  QMetaObject::invokeMethod(
      this, [&] { answer = ask(); }, Qt::BlockingQueuedConnection);
  return answer;
}

void RunHost::warning(std::string_view text) {
  if (closing_.load()) return;
  QString t = qtext(text);
  // The end of a run by Escape is the user's own doing, not a warning: it is
  // always shown.
  const bool escape = t == qtext(text::kEscapeMessage);
  if (!escape && boxes_->fetch_add(1) >= kMaxWarningBoxes) {
    emit status_text(t.section('\n', 0, 0));
    return;
  }
  on_interface_thread([&] {
    if (!closing_.load()) prompter_->inform(t);
    return true;
  });
}

bool RunHost::ask_yes_no(std::string_view text) {
  if (closing_.load()) return false;
  QString t = qtext(text);
  return on_interface_thread([&] { return !closing_.load() && prompter_->ask_yes_no(t); });
}

bool RunHost::ask_ok_cancel(std::string_view text) {
  if (closing_.load()) return true;
  QString t = qtext(text);
  return on_interface_thread([&] { return closing_.load() || prompter_->ask_ok_cancel(t); });
}

void RunHost::status(std::string_view text) { emit status_text(qtext(text)); }

bool RunHost::escape_pressed() {
  report_progress(++polls_);
  return stop_.load();
}

void RunHost::report_progress(int done) {
  auto now = std::chrono::steady_clock::now();
  if (now - last_progress_ >= kProgressInterval) {
    last_progress_ = now;
    emit progress(done);
  }
}

void RunHost::begin_run() {
  stop_.store(false);
  polls_.store(0);
  last_progress_ = {};
}

}  // namespace kelvo::app
