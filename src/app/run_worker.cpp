#include "app/run_worker.h"

#include <QElapsedTimer>
#include <QMetaObject>
#include <QSaveFile>

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

}  // namespace

TextAnalysis run_text(Translator& translator, const RunRequest& request) {
  TranslationOptions options = request.options;
  // The core lists the words of every sentence; sentence translation will
  // fill the log with English when it arrives, through these same options.
  options.translate = false;
  options.details = false;
  options.joint = false;
  translator.set_options(options);
  translator.set_outputs({.listing = false, .log = true, .log_banner = request.banner});
  return translator.analyse(request.text);
}

RunWorker::RunWorker(std::shared_ptr<const Engine> engine, Host* host)
    : translator_(std::move(engine), TranslationOptions{}, host) {}

void RunWorker::run(std::shared_ptr<const RunRequest> request, QObject* receiver, Done done) {
  QElapsedTimer timer;
  timer.start();
  auto result = std::make_shared<RunResult>();
  auto analysis = std::make_shared<TextAnalysis>(run_text(translator_, *request));
  std::string log = std::move(analysis->log);
  analysis->log.clear();
  if (!analysis->ok()) log += analysis->error.message + "\n";
  result->log_written = write_log(request->parse_log_path, log);
  shell::PaneText pane = shell::cut_for_pane(log);
  result->pane_text = decode_text(pane.text);
  result->truncated = pane.truncated;
  if (request->pane_offset >= 0)
    result->tokens = TokenIndex(analysis, request->text, request->pane_offset);
  result->analysis = std::move(analysis);
  result->worker_ms = timer.elapsed();
  QMetaObject::invokeMethod(
      receiver, [done = std::move(done), result] { done(result); }, Qt::QueuedConnection);
}

}  // namespace kelvo::app
