// The core's host for the window. A run happens on a worker thread, so the
// questions and warnings it raises cross to the interface thread and wait
// there for the user's answer (the run waits too, as it would for a box);
// status texts and progress cross without waiting. Escape and Stop set a flag
// that the run polls between sentences.
#pragma once
#include <QObject>
#include <QString>
#include <atomic>
#include <chrono>
#include <memory>

#include "app/prompter.h"
#include "base/host.h"

namespace kelvo::app {

class RunHost : public QObject, public Host {
  Q_OBJECT

 public:
  // Warning boxes a program run may show, whichever translator raises them;
  // the rest reach the status bar (the parse log has them all).
  static constexpr int kMaxWarningBoxes = WarningGate::kMaxBoxes;

  // Lives on the interface thread; `prompter` is asked only there. Hosts
  // that share `boxes` share the program's count of warning boxes.
  RunHost(Prompter* prompter, std::shared_ptr<std::atomic<int>> boxes, QObject* parent = nullptr);

  void set_prompter(Prompter* prompter) { prompter_ = prompter; }

  void warning(std::string_view text) override;
  bool ask_yes_no(std::string_view text) override;
  bool ask_ok_cancel(std::string_view text) override;
  void status(std::string_view text) override;
  // Called once a sentence: counts the sentences done for the progress bar.
  bool escape_pressed() override;

  // Long work other than a run (walks, searches) counts its own steps: sent
  // at most as often as a run's sentences.
  void report_progress(int done);

  // Before a run: no stop asked, no sentences done.
  void begin_run();
  void request_stop() { stop_.store(true); }
  bool stop_requested() const { return stop_.load(); }
  int sentences_done() const { return polls_.load(); }
  // While the window closes: questions take their safe answers, no box opens.
  void set_closing() { closing_.store(true); }

 signals:
  void status_text(const QString& text);
  void progress(int sentences_done);

 private:
  template <typename F>
  bool on_interface_thread(F&& ask);

  Prompter* prompter_;
  std::shared_ptr<std::atomic<int>> boxes_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> closing_{false};
  std::atomic<int> polls_{0};
  std::chrono::steady_clock::time_point last_progress_{};
};

}  // namespace kelvo::app
