// A translation run off the interface thread: the worker owns its own
// Translator over the shared engine, analyses the text, writes parser.txt
// (through a temporary name and a rename), and hands back everything the
// window shows, already converted, so that the interface thread only puts it
// in place.
#pragma once
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "app/token_index.h"
#include "kelvo/kelvo.h"

namespace kelvo::app {

struct RunRequest {
  std::string text;  // UTF-8, as sent
  TranslationOptions options;
  std::string banner;  // the opening lines of the parse log
  QString parse_log_path;
  std::int64_t start_ms = 0;
  int pane_offset = -1;  // pane position of the text's start; -1: not from the Latin pane
};

struct RunResult {
  std::shared_ptr<const TextAnalysis> analysis;
  QString pane_text;       // the parse log as the Translation pane shows it
  bool truncated = false;  // cut at the pane's limit
  bool log_written = true;
  TokenIndex tokens;
  std::int64_t worker_ms = 0;  // time spent on the worker thread
};

// What the run produces, whether or not sentences are translated yet: with
// Translate on, a later sentence translation replaces the word listing here.
TextAnalysis run_text(Translator& translator, const RunRequest& request);

class RunWorker : public QObject {
  Q_OBJECT

 public:
  using Done = std::function<void(std::shared_ptr<RunResult>)>;
  RunWorker(std::shared_ptr<const Engine> engine, Host* host);

  // Runs on the worker's thread; `done` is called on the receiver's thread.
  void run(std::shared_ptr<const RunRequest> request, QObject* receiver, Done done);

 private:
  Translator translator_;
};

}  // namespace kelvo::app
