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

TextAnalysis run_text(Translator& translator, const RunRequest& request,
                      std::vector<EnglishLine>* english) {
  TranslationOptions options = request.options;
  translator.set_options(options);
  RunOutputs outputs;
  outputs.log = true;
  outputs.log_banner = request.banner;
  // A long text's sentences are analysed and translated on every core; the
  // result and the log are those of a run on one thread.
  outputs.overlap = true;
  translator.set_outputs(std::move(outputs));
  if (!options.translate) return translator.analyse(request.text);
  // With Translate on the log holds the English; the Latin sentences keep
  // their tokens, so clicks and tooltips find the words as before.
  Translation translation = translator.translate(request.text);
  TextAnalysis result;
  result.sentences.reserve(translation.sentences.size());
  if (english) english->reserve(translation.sentences.size());
  for (auto& s : translation.sentences) {
    result.sentences.push_back(std::move(s.latin));
    if (english) english->push_back({std::move(s.english), std::move(s.words)});
  }
  result.status = translation.status;
  result.messages = std::move(translation.messages);
  result.word_count = translation.word_count;
  result.error = std::move(translation.error);
  result.log = std::move(translation.log);
  return result;
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
  std::vector<EnglishLine> english;
  auto analysis = std::make_shared<TextAnalysis>(run_text(translator_, *request, &english));
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
  if (request->pane_offset >= 0 && !english.empty())
    result->english = english_index(analysis, english, result->pane_text);
  result->analysis = std::move(analysis);
  result->worker_ms = timer.elapsed();
  QMetaObject::invokeMethod(
      receiver, [done = std::move(done), result] { done(result); }, Qt::QueuedConnection);
}

}  // namespace kelvo::app
