// The Translate button, File Open and the run on the worker thread.
#include <QDateTime>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QFileInfo>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>

#include "app/main_window.h"
#include "app/run_host.h"
#include "app/run_worker.h"
#include "app/stall_meter.h"
#include "app/text_codec.h"
#include "app/window_placement.h"
#include "app/window_texts.h"
#include "shell/option_rules.h"
#include "shell/pane_text.h"
#include "text/translation_run.h"

namespace kelvo::app {

namespace {

// Sentences a text will give, for the progress bar: its stops, at least one.
int expected_sentences(std::string_view text) {
  int n = 0;
  for (char c : text)
    if (c == '.' || c == '?' || c == '!' || c == ':' || c == ';') ++n;
  return n > 0 ? n : 1;
}

}  // namespace

void MainWindow::translate() {
  if (running_ || !engine_) return;
  shell::reset_area_for_run(settings_.options);
  QTextCursor selection = latin_->textCursor();
  bool from_latin = selection.hasSelection();
  if (!from_latin && settings_.options.translate) selection = translation_->textCursor();
  if (selection.hasSelection()) {
    // The pane's paragraph separators are plain line ends to the core.
    QString text = selection.selectedText().replace(QChar::ParagraphSeparator, '\n');
    auto check = shell::check_send(static_cast<std::size_t>(text.size()), true);
    if (check != shell::SendCheck::ok) {
      inform(shell::send_check_message(check));
      return;
    }
    std::string bytes = to_utf8(text);
    if (settings_.options.translate && shell::is_single_word(bytes)) {
      translate_word(text.trimmed(), false);
      return;
    }
    start_run(std::move(bytes), from_latin ? selection.selectionStart() : -1);
    return;
  }
  QString text = latin_->toPlainText();
  auto check = shell::check_send(static_cast<std::size_t>(text.size()), false);
  if (check != shell::SendCheck::ok) {
    inform(shell::send_check_message(check));
    return;
  }
  start_run(to_utf8(text), 0);
}

void MainWindow::open_file(const QString& path) {
  if (running_ || !engine_) return;
  shell::reset_area_for_run(settings_.options);
  if (store_) add_recent_file(*store_, path);
  refresh_recent_files();
  auto request = std::make_shared<RunRequest>();
  request->file_path = path;
  start_run(std::move(request), 0);
}

void MainWindow::empty_latin() {
  if (running_) return;
  latin_->setPlainText(" \n");
  refresh_from_parse_log();
}

void MainWindow::start_run(std::string text, int pane_offset) {
  auto request = std::make_shared<RunRequest>();
  request->text = std::move(text);
  start_run(std::move(request), pane_offset);
}

void MainWindow::start_run(std::shared_ptr<RunRequest> request, int pane_offset) {
  // A file's size stands in for its stops until the worker has read it.
  sentences_expected_ = request->file_path.isEmpty()
                            ? expected_sentences(request->text)
                            : std::max(1, static_cast<int>(QFileInfo(request->file_path).size() / 120));
  request->pane_font = latin_->font();
  request->options = settings_.options;
  request->banner = parse_log_banner();
  request->parse_log_path = parse_log_path();
  request->pane_offset = pane_offset;
  run_host_->begin_run();
  set_running(true);
  RunWorker* worker = worker_;
  QMetaObject::invokeMethod(
      worker,
      [worker, request, this] {
        worker->run(
            request, this,
            [this](std::unique_ptr<QTextDocument>& latin) {
              install_document(latin_, std::move(latin));
            },
            [this](std::shared_ptr<RunResult> r) { finish_run(r); });
      },
      Qt::QueuedConnection);
}

void MainWindow::stop_run() {
  if (running_) run_host_->request_stop();
}

void MainWindow::set_running(bool on) {
  running_ = on;
  progress_->setMaximum(sentences_expected_);
  progress_->setValue(0);
  progress_->setFormat("%v sentences");
  progress_label_->clear();
  progress_label_->hide();
  progress_->setVisible(on);
  stop_button_->setVisible(on);
  // The token offsets will point into the text as it was sent; the
  // Translation pane waits for the new log.
  latin_->setReadOnly(on);
  if (on) translation_->setReadOnly(true);
  if (on) {
    stall_meter_->start();
    status_label_->setText(text::kLoadingStatus);
    // Escape ends the run after the current sentence, wherever the focus is.
    if (!escape_) {
      escape_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
      escape_->setContext(Qt::WindowShortcut);
      connect(escape_, &QShortcut::activated, this, [this] { stop_run(); });
    }
    escape_->setEnabled(true);
  } else if (escape_) {
    escape_->setEnabled(false);
  }
  refresh_actions();
}

void MainWindow::finish_run(std::shared_ptr<RunResult> result) {
  if (close_after_run_) {
    set_running(false);
    emit run_finished();
    close();
    return;
  }
  if (result->unreadable) {
    set_running(false);
    longest_stall_ms_ = stall_meter_->stop();
    status_label_->setText(kReady);
    inform(QString("Cannot open file %1.").arg(result->file_path));
    emit run_finished();
    return;
  }
  install_document(translation_, std::move(result->translation));
  fill_translation(std::move(result), 0);
}

// A piece of the log at each turn of the event loop, cut at a line end.
void MainWindow::fill_translation(std::shared_ptr<RunResult> result, qsizetype from) {
  constexpr qsizetype kPiece = 16'384;
  const QString& text = result->pane_text;
  if (from < text.size()) {
    qsizetype to = std::min(text.size(), from + kPiece);
    if (to < text.size()) {
      const qsizetype line_end = text.lastIndexOf('\n', to);
      if (line_end > from) to = line_end + 1;
    }
    QTextCursor end(translation_->document());
    end.movePosition(QTextCursor::End);
    end.insertText(text.mid(from, to - from));
    if (to < text.size()) {
      QTimer::singleShot(0, this, [this, result, to] { fill_translation(result, to); });
      return;
    }
  }
  complete_run(std::move(result));
}

void MainWindow::complete_run(std::shared_ptr<RunResult> result) {
  set_running(false);
  translation_->moveCursor(QTextCursor::Start);
  if (!result->log_written) inform(text::kCannotOpenParseLog);
  if (!result->analysis->ok()) inform(QString::fromStdString(result->analysis->error.message));
  const bool truncated = result->truncated, latin_cut = result->latin_cut;
  translation_->setReadOnly(truncated || !settings_.options.translate);
  drop_tokens();
  tokens_ = std::move(result->tokens);
  english_ = std::move(result->english);
  lower_->clear();
  latin_->setFocus();
  last_run_worker_ms_ = result->worker_ms;
  release_on_worker(std::move(result));
  longest_stall_ms_ = stall_meter_->stop();
  if (truncated) inform(QString::fromStdString(shell::long_translation_message()));
  if (latin_cut) inform(kLatinTruncated);
  emit run_finished();
}

// A long run's analysis takes a while to free: the worker does it.
void MainWindow::release_on_worker(std::shared_ptr<void> object) {
  if (!object || !worker_) return;
  QMetaObject::invokeMethod(
      worker_, [object]() mutable { object.reset(); }, Qt::QueuedConnection);
}

void MainWindow::drop_tokens() {
  latin_->setExtraSelections({});
  drop_english();
  if (tokens_.empty()) return;
  release_on_worker(std::make_shared<TokenIndex>(std::move(tokens_)));
  tokens_ = TokenIndex();
}

void MainWindow::drop_english() {
  if (english_.empty()) return;
  release_on_worker(std::make_shared<TokenIndex>(std::move(english_)));
  english_ = TokenIndex();
}

// Puts a document built on the worker into a pane; the pane's old document
// goes to the worker thread to be freed there, for the same reason.
void MainWindow::install_document(QPlainTextEdit* pane, std::unique_ptr<QTextDocument> document) {
  if (!document) return;
  QTextDocument* old = pane->document();
  // Taken from its owner first: the pane's own first document would be
  // deleted here by setDocument.
  if (old) old->setParent(nullptr);
  QTextDocument* doc = document.release();
  doc->setParent(pane);
  pane->setDocument(doc);
  if (old) {
    old->moveToThread(&worker_thread_);
    old->deleteLater();
  }
}

}  // namespace kelvo::app
