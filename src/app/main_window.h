// The main window: the Latin, Translation and lower panes with their labels
// and the Translate button, the menus, tool bar and status bar, and the
// commands behind them. It owns the user's options and the loaded engine;
// translation runs happen on a worker thread with their own translator.
#pragma once
#include <QMainWindow>
#include <QPointer>
#include <QPrinter>
#include <QStringList>
#include <QThread>
#include <atomic>
#include <functional>
#include <memory>
#include <string>

#include "app/file_chooser.h"
#include "app/glossary_window.h"
#include "app/help_window.h"
#include "app/prompter.h"
#include "app/english_index.h"
#include "app/token_index.h"
#include "kelvo/kelvo.h"
#include "shell/file_list_search.h"
#include "shell/single_word.h"
#include "shell/user_settings.h"

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSettings;
class QToolBar;
class QPagedPaintDevice;
class QShortcut;
class QTextDocument;

namespace kelvo::app {

class RunHost;
class RunWorker;
struct RunRequest;
struct RunResult;

struct AppConfig {
  std::string data_dir;  // empty: the usual search (KELVO_DATA_DIR, installed, build tree)
  std::string home_dir;  // empty: the usual user folder (KELVO_HOME, XDG)
  QString open_file;     // a Latin file named on the command line
  // Where Find Medieval Dictionary looks; empty: the user's folder, then home.
  QStringList medieval_roots;
};

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(AppConfig config, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Start-up: the user's folder, the parse log's banner, the settings, the
  // data, the welcome text. Returns false when the program cannot run; the
  // message has been shown and the caller ends the program.
  bool start();

  void set_prompter(std::unique_ptr<Prompter> prompter);
  void set_file_chooser(std::unique_ptr<FileChooser> chooser);

  // The parts that tests and the help pages name.
  QPlainTextEdit* latin_pane() const { return latin_; }
  QPlainTextEdit* translation_pane() const { return translation_; }
  QPlainTextEdit* lower_pane() const { return lower_; }
  QPushButton* translate_button() const { return translate_button_; }
  QAction* command(const char* name) const;
  QMenu* menu(const char* name) const;
  GlossaryWindow* glossary_window() const { return glossary_; }
  const shell::UserSettings& settings() const { return settings_; }
  const QString& user_folder() const { return folder_; }
  QString parse_log_path() const;
  bool run_in_progress() const { return running_; }
  const TokenIndex& token_index() const { return tokens_; }
  const TokenIndex& english_index() const { return english_; }
  // The longest time the interface thread went without handling events
  // during the last run, in milliseconds (measured by a 1 ms timer).
  int longest_stall_ms() const { return longest_stall_ms_; }
  std::int64_t last_run_worker_ms() const { return last_run_worker_ms_; }

  // The commands (public so that tests call them as the menus do).
  void translate();
  void stop_run();
  void open_file(const QString& path);
  void empty_latin();
  void rename_file();
  void reload_translation();
  void save_search_results();
  void save_user_settings();
  void apply_window_settings(const shell::WindowSettings& window);
  void translate_word(const QString& word, bool click);
  void click_at(QPlainTextEdit* pane, int position);
  // The Dictionary and Search menus' tools (main_window_tools.cpp); the long
  // ones run on the worker thread with progress and Escape.
  void search_dictionary();
  void spell_check();
  void create_file_list();
  void search_file_list();
  void find_medieval_dictionary();
  const QString& list_folder() const { return list_folder_; }
  // Prints the parse log on `device` (a printer or a PDF); returns the pages.
  int print_parse_log(QPagedPaintDevice* device);
  QString tooltip_at(int latin_position) const;

 signals:
  void run_finished();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void build_view();
  void build_actions();
  void build_file_menu();
  void build_edit_menu();
  void build_other_menus();
  void build_tool_bar();
  void layout_view();
  void refresh_actions();
  void refresh_recent_files();
  QAction* add_command(QMenu* menu, const char* name, const QString& text, const QString& tip,
                       const QKeySequence& keys = {});
  QAction* add_toggle(QMenu* menu, const char* name, const QString& text, const QString& tip,
                      bool TranslationOptions::*flag, const QKeySequence& keys = {});
  void options_changed();

  bool write_parse_log(const std::string& text);
  std::string parse_log_banner() const;
  void refresh_from_parse_log();
  // The run times itself from its start: the few steps before it take no
  // measurable time.
  void start_run(std::string text, int pane_offset);
  void start_run(std::shared_ptr<RunRequest> request, int pane_offset);
  void install_document(QPlainTextEdit* pane, std::unique_ptr<QTextDocument> document);
  void release_on_worker(std::shared_ptr<void> object);
  void drop_tokens();
  void drop_english();
  // Marks a Latin word in its pane (the word an English word renders).
  void highlight_latin(const TokenIndex::Span& span);
  void finish_run(std::shared_ptr<RunResult> result);
  void fill_translation(std::shared_ptr<RunResult> result, qsizetype from);
  void complete_run(std::shared_ptr<RunResult> result);
  void set_running(bool on);
  void show_translation(const QString& text, bool truncated);
  void show_word(const std::string& word, const std::vector<Reading>& readings, bool click);
  void inform(const QString& text);
  void open_recent(const QString& path);
  void remember_recent(const QString& path);
  void restore_placement();
  void save_placement();
  void print_with_dialog();
  void print_preview();
  void print_setup();
  void show_help();
  void show_about();
  void choose_font();
  void choose_single_word_mode();
  // Runs `work` on the worker thread as a run would (progress, Escape, the
  // stall meter); the function it returns then runs on this thread.
  void run_tool(const QString& status, const QString& progress_format, int total,
                std::function<std::function<void()>()> work);
  void build_file_list(const QString& folder);
  std::vector<std::string> program_folders() const;

  AppConfig config_;
  std::unique_ptr<Prompter> prompter_;
  std::unique_ptr<FileChooser> chooser_;
  shell::UserSettings settings_;
  QString folder_;  // the user's folder: settings, parse log, working files
  QString start_dir_;
  std::unique_ptr<QSettings> store_;  // window placement and recent files
  std::shared_ptr<const Engine> engine_;
  std::unique_ptr<Translator> word_translator_;  // single words, on this thread
  bool hash_loaded_ = false;
  bool fonts_applied_ = false;

  QPlainTextEdit* latin_ = nullptr;
  QPlainTextEdit* translation_ = nullptr;
  QPlainTextEdit* lower_ = nullptr;
  QLabel* latin_label_ = nullptr;
  QLabel* translation_label_ = nullptr;
  QPushButton* translate_button_ = nullptr;
  QWidget* view_ = nullptr;
  QToolBar* tool_bar_ = nullptr;
  QLabel* status_label_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QLabel* progress_label_ = nullptr;
  QString progress_format_;
  QPushButton* stop_button_ = nullptr;
  QMenu* recent_menu_ = nullptr;
  QPointer<GlossaryWindow> glossary_;
  QPointer<HelpWindow> help_;
  QPrinter printer_;

  QThread worker_thread_;
  RunWorker* worker_ = nullptr;
  // One count of warning boxes for the whole program run.
  std::shared_ptr<std::atomic<int>> warning_boxes_ = std::make_shared<std::atomic<int>>(0);
  RunHost* run_host_ = nullptr;
  RunHost* word_host_ = nullptr;
  bool running_ = false;
  bool close_after_run_ = false;
  int sentences_expected_ = 1;
  TokenIndex tokens_;  // valid while the Latin pane keeps the analysed text
  TokenIndex english_;  // valid while the Translation pane keeps the run's English
  int longest_stall_ms_ = 0;
  std::int64_t last_run_worker_ms_ = 0;
  QShortcut* escape_ = nullptr;
  // The tools' state, kept between uses as the dialogs show it.
  QString dictionary_stem_, dictionary_results_;
  shell::SearchSettings search_settings_;
  QString list_folder_;           // the folder of the last directory list
  QString list_folder_this_run_;  // the folder chosen during this program run
  bool medieval_found_ = false;   // copied into place since the start
  class StallMeter* stall_meter_ = nullptr;
};

}  // namespace kelvo::app
