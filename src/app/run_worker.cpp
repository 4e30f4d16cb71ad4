#include "app/run_worker.h"

#include <QElapsedTimer>
#include <QFile>
#include <QMetaObject>
#include <QPlainTextDocumentLayout>
#include <QSaveFile>
#include <QTextDocument>
#include <QThread>

#include "app/text_codec.h"
#include "shell/pane_text.h"

namespace kelvo::app {

namespace {

bool write_log(const QString& path, const std::string& log) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(log.data(), static_cast<qint64>(log.size()));
  return file.commit();
}

// Hands a document built here to the thread of `receiver`.
template <typename Ptr>
void hand_over(const Ptr& document, QObject* receiver) {
  if (document) document->moveToThread(receiver->thread());
}

}  // namespace

std::unique_ptr<QTextDocument> make_pane_document(const QString& text, const QFont& font) {
  auto doc = std::make_unique<QTextDocument>();
  doc->setDocumentLayout(new QPlainTextDocumentLayout(doc.get()));
  doc->setDefaultFont(font);
  doc->setPlainText(text);
  return doc;
}

RunResult::RunResult() = default;
RunResult::~RunResult() = default;

TextAnalysis run_text(Translator& translator, const RunRequest& request) {
  TranslationOptions options = request.options;
  // The core lists the words of every sentence; sentence translation will
  // fill the log with English when it arrives, through these same options.
  options.translate = false;
  options.details = false;
  options.joint = false;
  translator.set_options(options);
  RunOutputs outputs;
  outputs.log = true;
  outputs.log_banner = request.banner;
  translator.set_outputs(std::move(outputs));
  return translator.analyse(request.text);
}

RunWorker::RunWorker(std::shared_ptr<const Engine> engine, Host* host)
    : translator_(std::move(engine), TranslationOptions{}, host) {}

void RunWorker::run(std::shared_ptr<RunRequest> request, QObject* receiver, LatinReady latin,
                    Done done) {
  QElapsedTimer timer;
  timer.start();
  auto result = std::make_shared<RunResult>();
  if (!request->file_path.isEmpty()) {
    // The run and the pane see the same UTF-8 text, so the token offsets
    // point into the pane; a longer file is translated whole and shown cut.
    QFile file(request->file_path);
    result->file_path = request->file_path;
    if (!file.open(QIODevice::ReadOnly)) {
      result->unreadable = true;
      QMetaObject::invokeMethod(
          receiver, [done = std::move(done), result] { done(result); }, Qt::QueuedConnection);
      return;
    }
    QString text = decode_text(file.readAll());
    request->text = to_utf8(text);
    if (static_cast<std::size_t>(text.size()) > shell::kLatinPaneLimit) {
      text.truncate(static_cast<qsizetype>(shell::kLatinPaneLimit));
      text += shell::kTruncatedMark;
      result->latin_cut = true;
    }
    auto doc = std::make_shared<std::unique_ptr<QTextDocument>>(
        make_pane_document(text, request->pane_font));
    hand_over(*doc, receiver);
    QMetaObject::invokeMethod(
        receiver, [latin = std::move(latin), doc] { latin(*doc); }, Qt::QueuedConnection);
  }
  auto analysis = std::make_shared<TextAnalysis>(run_text(translator_, *request));
  std::string log = std::move(analysis->log);
  analysis->log.clear();
  if (!analysis->ok()) log += analysis->error.message + "\n";
  result->log_written = write_log(request->parse_log_path, log);
  shell::PaneText pane = shell::cut_for_pane(log);
  result->pane_text = decode_text(pane.text);
  result->translation = make_pane_document({}, request->pane_font);
  hand_over(result->translation, receiver);
  result->truncated = pane.truncated;
  if (request->pane_offset >= 0)
    result->tokens = TokenIndex(analysis, request->text, request->pane_offset);
  result->analysis = std::move(analysis);
  result->worker_ms = timer.elapsed();
  QMetaObject::invokeMethod(
      receiver, [done = std::move(done), result] { done(result); }, Qt::QueuedConnection);
}

}  // namespace kelvo::app
