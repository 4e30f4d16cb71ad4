// A translation run off the interface thread: the worker owns its own
// Translator over the shared engine, analyses the text, writes parser.txt
// (through a temporary name and a rename), and hands back everything the
// window shows, already converted, so that the interface thread only puts it
// in place.
#pragma once
#include <QFont>
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "app/english_index.h"
#include "app/token_index.h"
#include "kelvo/kelvo.h"

class QTextDocument;

namespace kelvo::app {

// A document for a plain-text pane, built wherever the caller is. A run
// builds the Latin pane's on the worker thread; the Translation pane gets an
// empty one that the interface thread fills a piece at a time, since laying
// out thousands of log lines at once in the pane takes longer than a frame.
std::unique_ptr<QTextDocument> make_pane_document(const QString& text, const QFont& font);

struct RunRequest {
  std::string text;  // UTF-8, as sent
  QString file_path;   // instead of `text`: a file the worker reads first
  QFont pane_font;
  TranslationOptions options;
  std::string banner;  // the opening lines of the parse log
  QString parse_log_path;
  int pane_offset = -1;  // pane position of the text's start; -1: not from the Latin pane
};

struct RunResult {
  RunResult();
  ~RunResult();
  std::shared_ptr<const TextAnalysis> analysis;
  std::unique_ptr<QTextDocument> translation;  // an empty document for the Translation pane
  QString pane_text;  // the parse log as the pane shows it, put in by steps
  bool truncated = false;  // cut at the pane's limit
  bool latin_cut = false;  // a file longer than the Latin pane was shown cut
  bool unreadable = false; // the file could not be read
  QString file_path;
  bool log_written = true;
  TokenIndex tokens;
  TokenIndex english;  // with Translate on: the English words' Latin tokens
  std::int64_t worker_ms = 0;  // time spent on the worker thread
};

// What the run produces, whether or not sentences are translated yet: with
// Translate on, a later sentence translation replaces the word listing here.
// With Translate on, `english` (when given) receives each sentence's English.
TextAnalysis run_text(Translator& translator, const RunRequest& request,
                      std::vector<EnglishLine>* english = nullptr);

class RunWorker : public QObject {
  Q_OBJECT

 public:
  using Done = std::function<void(std::shared_ptr<RunResult>)>;
  // Takes the document out of the reference it is given.
  using LatinReady = std::function<void(std::unique_ptr<QTextDocument>&)>;
  RunWorker(std::shared_ptr<const Engine> engine, Host* host);

  // Runs on the worker's thread; `latin` (for a file: its text for the Latin
  // pane, before the analysis starts) and `done` are called on the
  // receiver's thread.
  void run(std::shared_ptr<RunRequest> request, QObject* receiver, LatinReady latin, Done done);

 private:
  Translator translator_;
};

}  // namespace kelvo::app
