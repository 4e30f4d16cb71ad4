// The tools of the Dictionary and Search menus: Search Dictionary, Spell
// Check, Create File List, Search File List and Find Medieval Dictionary.
// The searches themselves live in the shell; here they get their dialogs,
// and the long ones a turn on the worker thread with progress and Escape.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSettings>
#include <QTextCursor>
#include <QTextDocument>

#include "app/dictionary_dialog.h"
#include "app/main_window.h"
#include "app/run_host.h"
#include "app/run_worker.h"
#include "app/search_dialog.h"
#include "app/stall_meter.h"
#include "app/text_codec.h"
#include "app/window_texts.h"
#include "base/paths.h"
#include "shell/dictionary_search.h"
#include "shell/directory_list.h"
#include "shell/medieval_dictionary.h"
#include "shell/spell_check.h"
#include "shell/whole_file.h"

namespace kelvo::app {

namespace {

constexpr const char* kListFolderKey = "Search/ListFolder";
constexpr const char* kSearchingStatus = "Searching...";
constexpr const char* kCreateListQuestion = "Cannot open 'dirkelvo.txt'.\nShall I create it?";

QString qstr(const std::string& s) { return QString::fromStdString(s); }

// Questions and warnings of an analysis inside a tool go to the run's host;
// Escape is its stop flag, without counting sentences as progress (the tool
// counts its own steps).
class ToolHost : public Host {
 public:
  explicit ToolHost(RunHost& run) : run_(run) {}
  void warning(std::string_view text) override { run_.warning(text); }
  bool ask_yes_no(std::string_view text) override { return run_.ask_yes_no(text); }
  bool ask_ok_cancel(std::string_view text) override { return run_.ask_ok_cancel(text); }
  bool escape_pressed() override { return run_.stop_requested(); }

 private:
  RunHost& run_;
};

// Word analysis only, quietly: a tool reads words, it does not translate.
TranslationOptions reading_options(TranslationOptions o) {
  o.translate = false;
  o.details = false;
  o.joint = false;
  o.batch_mode = true;
  return o;
}

}  // namespace

std::vector<std::string> MainWindow::program_folders() const {
  return {find_data_dir(config_.data_dir), folder_.toStdString()};
}

void MainWindow::run_tool(const QString& status, const QString& progress_format, int total,
                          std::function<std::function<void()>()> work) {
  run_host_->begin_run();
  sentences_expected_ = total;
  set_running(true);
  status_label_->setText(status);
  progress_format_ = progress_format;
  progress_->setFormat(progress_format);
  progress_->setMaximum(total);
  progress_label_->setVisible(total == 0);
  QMetaObject::invokeMethod(
      worker_,
      [this, work = std::move(work)] {
        QElapsedTimer timer;
        timer.start();
        std::function<void()> finish = work();
        const std::int64_t worker_ms = timer.elapsed();
        QMetaObject::invokeMethod(
            this,
            [this, finish = std::move(finish), worker_ms] {
              set_running(false);
              last_run_worker_ms_ = worker_ms;
              if (close_after_run_) {
                emit run_finished();
                close();
                return;
              }
              status_label_->setText(kReady);
              finish();
              longest_stall_ms_ = stall_meter_->stop();
              emit run_finished();
            },
            Qt::QueuedConnection);
      },
      Qt::QueuedConnection);
}

void MainWindow::search_dictionary() {
  if (!engine_) return;
  const bool botany = settings_.options.botany;
  DictionaryDialog dialog(
      dictionary_stem_, dictionary_results_,
      [this, botany](const QString& stem) {
        const auto found = shell::search_stems(*engine_, to_latin_8bit(stem), botany, medieval_found_);
        return decode_text(shell::stem_search_text(found));
      },
      this);
  dialog.exec();
  dictionary_stem_ = dialog.stem();
  dictionary_results_ = dialog.results();
}

void MainWindow::spell_check() {
  QAction* item = command("spell_check");
  item->setChecked(running_ && item->isChecked());
  if (running_ || !engine_) return;
  const QString path = chooser_->choose_open(this, start_dir_);
  if (path.isEmpty()) return;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    inform(QString("Cannot open input file %1.").arg(path));
    return;
  }
  const QByteArray bytes = file.read(static_cast<qint64>(shell::kSpellFileLimit) + 1);
  if (static_cast<std::size_t>(bytes.size()) > shell::kSpellFileLimit) {
    inform(shell::kSpellFileTooLong);
    return;
  }
  const QString text = decode_text(bytes);
  latin_->setPlainText(text);
  item->setChecked(true);  // while the check runs
  auto engine = engine_;
  RunHost* host = run_host_;
  const TranslationOptions options = reading_options(settings_.options);
  const QFont font = translation_->font();
  const QString fails = QDir(folder_).filePath(kFailsName);
  const QString log = parse_log_path();
  QThread* interface_thread = thread();
  run_tool(shell::kSpellingStatus, "%1 sentences read", 0, [=, this]() -> std::function<void()> {
    const std::string utf8 = to_utf8(text);
    std::vector<shell::UnreadWord> unread;
    Translator translator(engine, options, host);
    RunOutputs outputs;
    outputs.senses = false;
    outputs.on_sentence = [&unread](Sentence&& s) { shell::append_unread_words(s, unread); };
    outputs.overlap = true;  // a long text's sentences on every core, still in order
    translator.set_outputs(std::move(outputs));
    const TextAnalysis analysis = translator.analyse(utf8);
    const auto lines = shell::mark_words(utf8, unread);
    const bool fails_written =
        shell::write_whole_file(fails.toStdString(), shell::spell_check_rtf(utf8, lines)).is_ok();
    if (fails_written) (void)shell::write_whole_file(log.toStdString(), shell::kSpellSucceeded);
    // The text with the marked words underlined, laid out here.
    auto doc = make_pane_document(text, font);
    const std::vector<int> at = utf16_positions(utf8);
    QTextCharFormat underline;
    underline.setFontUnderline(true);
    underline.setUnderlineColor(Qt::red);
    for (const auto& line : lines) {
      for (const auto& w : line) {
        if (w.mark == shell::SpellMark::known) continue;
        QTextCursor c(doc.get());
        c.setPosition(at[w.begin]);
        c.setPosition(at[w.end], QTextCursor::KeepAnchor);
        c.mergeCharFormat(underline);
      }
    }
    doc->moveToThread(interface_thread);
    auto shown = std::make_shared<std::unique_ptr<QTextDocument>>(std::move(doc));
    const bool stopped = analysis.status == RunStatus::cancelled;
    return [this, shown, fails_written, stopped] {
      command("spell_check")->setChecked(false);
      drop_tokens();
      install_document(translation_, std::move(*shown));
      translation_->setReadOnly(false);
      if (!fails_written) inform(shell::kCannotOpenFails);
      if (stopped) inform("Escape pressed: the words after it were not checked.");
    };
  });
}

void MainWindow::create_file_list() {
  if (running_) return;
  const QString folder = chooser_->choose_folder(
      this, shell::kLocateFolderTitle, list_folder_.isEmpty() ? start_dir_ : list_folder_);
  if (folder.isEmpty()) return;
  if (shell::inside_folder(folder.toStdString(), program_folders())) {
    inform(shell::kProgramFolderRefused);
    return;
  }
  list_folder_ = list_folder_this_run_ = folder;
  if (store_) store_->setValue(kListFolderKey, folder);
  build_file_list(folder);
}

void MainWindow::build_file_list(const QString& folder) {
  RunHost* host = run_host_;
  const std::vector<std::string> skipped = program_folders();
  run_tool(shell::kGeneratingStatus, "%1 folders read", 0, [=, this]() -> std::function<void()> {
    const std::string dir = folder.toStdString();
    auto listing = std::make_shared<shell::DirectoryListing>(
        shell::list_text_files(dir, skipped, [host] { return !host->escape_pressed(); }));
    Status written = Status::ok();
    if (!listing->cancelled) written = shell::write_directory_list(dir, *listing);
    return [this, listing, written] {
      if (listing->cancelled) {
        inform("Escape pressed: 'DIRKelvo.TXT' was not made.");
      } else if (!written) {
        inform(qstr(written.message()));
      } else if (listing->files.empty()) {
        inform(shell::kNoTextFiles);
      } else {
        if (!listing->sorted) inform(shell::kTooManyToSort);
        inform(qstr(shell::directory_list_done(listing->files.size())));
      }
    };
  });
}

void MainWindow::search_file_list() {
  if (running_ || !engine_) return;
  SearchDialog dialog(search_settings_, *prompter_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  search_settings_ = dialog.settings();
  if (list_folder_.isEmpty() && store_) list_folder_ = store_->value(kListFolderKey).toString();
  const QString folder = list_folder_;
  auto list = folder.isEmpty()
                  ? Result<shell::DirectoryList>(make_error(ErrorKind::missing, "no list"))
                  : shell::read_directory_list(
                        QDir(folder).filePath(shell::kDirectoryListName).toStdString());
  if (!list) {
    if (!prompter_->ask_yes_no(kCreateListQuestion)) return;
    if (folder.isEmpty()) {
      inform(shell::kNoFolderChosen);
    } else {
      build_file_list(folder);
    }
    return;
  }
  const std::string mismatch =
      shell::list_header_mismatch(*list, list_folder_this_run_.toStdString());
  if (!mismatch.empty()) {
    inform(qstr(mismatch));
    return;
  }
  auto engine = engine_;
  RunHost* host = run_host_;
  const TranslationOptions options = reading_options(settings_.options);
  const shell::SearchSettings settings = search_settings_;
  const QString fails = QDir(folder_).filePath(kFailsName);
  const QString log = parse_log_path();
  const shell::DirectoryList files = std::move(*list);
  run_tool(kSearchingStatus, "%v files", static_cast<int>(files.files.size()),
           [=, this]() -> std::function<void()> {
             QElapsedTimer timer;
             timer.start();
             ToolHost tool_host(*host);
             Translator translator(engine, options, &tool_host);
             RunOutputs outputs;
             outputs.senses = false;
             outputs.overlap = true;  // a long file's sentences on every core
             translator.set_outputs(outputs);
             shell::FileSearchHooks hooks;
             hooks.analyse = [&translator](std::string_view text) { return translator.analyse(text); };
             hooks.keep_going = [host](std::size_t file) {
               host->report_progress(static_cast<int>(file));
               return !host->stop_requested();
             };
             const shell::FileListOutcome outcome = shell::search_file_list(settings, files, hooks);
             const bool written = shell::write_whole_file(fails.toStdString(), outcome.fails).is_ok();
             (void)shell::write_whole_file(log.toStdString(), "");
             const QString report = qstr(shell::search_report(outcome, files, timer.elapsed()));
             const QString shown = decode_text(outcome.fails);
             return [this, written, report, shown] {
               translation_->setPlainText(shown);
               translation_->setReadOnly(true);
               if (!written) inform(shell::kCannotOpenFails);
               if (!report.isEmpty()) inform(report);
             };
           });
}

void MainWindow::find_medieval_dictionary() {
  if (running_ || !engine_) return;
  if (medieval_found_ || shell::has_medieval_dictionary(*engine_)) {
    inform("The medieval dictionary (meddict.dat) is in place.");
    return;
  }
  inform(shell::kMedievalSearching);
  std::vector<std::string> roots;
  for (const QString& r : config_.medieval_roots) roots.push_back(r.toStdString());
  if (roots.empty()) roots = {folder_.toStdString(), QDir::homePath().toStdString()};
  RunHost* host = run_host_;
  const std::string home = folder_.toStdString();
  run_tool(shell::kMedievalSearchingStatus, "%1 folders read", 0, [=, this]() -> std::function<void()> {
    const shell::MedievalSearch search =
        shell::find_medieval_dictionary(roots, [host] { return !host->escape_pressed(); });
    Result<shell::MedievalInstall> installed = make_error(ErrorKind::missing, "");
    if (!search.found.empty()) installed = shell::install_medieval_dictionary(search.found, home);
    return [this, search, installed] {
      if (search.cancelled) {
        inform("Escape pressed: the search for 'meddict.dat' was stopped.");
      } else if (search.found.empty()) {
        inform(qstr(shell::medieval_missing_message(folder_.toStdString())));
      } else if (!installed) {
        inform(qstr(installed.error().message));
      } else if (!installed->usable) {
        inform(QString("%1 holds %2 records without the medieval dictionary's mark: it cannot be "
                       "used.\n")
                   .arg(qstr(search.found))
                   .arg(installed->records) +
               qstr(shell::medieval_missing_message(folder_.toStdString())));
      } else {
        medieval_found_ = true;
        QString text = QString("The medieval dictionary %1 was copied to %2.")
                           .arg(qstr(search.found), folder_);
        if (installed->phrases_copied) text += "\nIts userphrases.txt was copied too";
        if (installed->phrases_backed_up) text += " (yours is kept as userphrases_bak.txt)";
        if (installed->phrases_copied) text += "; it is read at the next start.";
        inform(text);
      }
    };
  });
}

}  // namespace kelvo::app
