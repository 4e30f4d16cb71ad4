#include "app/main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QToolTip>
#include <ctime>

#include "app/glossary_window.h"
#include "app/help_window.h"
#include "app/run_host.h"
#include "app/run_worker.h"
#include "app/stall_meter.h"
#include "app/text_codec.h"
#include "app/window_placement.h"
#include "app/window_texts.h"
#include "base/paths.h"
#include "kelvo/load_choices.h"
#include "shell/pane_text.h"
#include "shell/parse_log_banner.h"
#include "shell/user_folder.h"
#include "text/translation_run.h"

namespace kelvo::app {

MainWindow::MainWindow(AppConfig config, QWidget* parent)
    : QMainWindow(parent),
      config_(std::move(config)),
      prompter_(std::make_unique<BoxPrompter>(this)),
      chooser_(std::make_unique<DialogFileChooser>()) {
  setWindowTitle(kDocumentTitle);
  run_host_ = new RunHost(prompter_.get(), warning_boxes_, this);
  stall_meter_ = new StallMeter(this);
  build_view();
  build_actions();
  connect(run_host_, &RunHost::status_text, this,
          [this](const QString& t) { status_label_->setText(t); });
  connect(run_host_, &RunHost::progress, this, [this](int done) {
    // A count without a known end shows as text beside a busy bar.
    if (progress_->maximum() == 0) {
      progress_label_->setText(progress_format_.arg(done));
      return;
    }
    if (done > progress_->maximum()) progress_->setMaximum(done);
    progress_->setValue(done);
  });
}

MainWindow::~MainWindow() {
  run_host_->set_closing();
  run_host_->request_stop();
  if (word_host_) word_host_->set_closing();
  worker_thread_.quit();
  // A run may be waiting for this thread to answer a question: deliver its
  // call (answered at once while closing) until the worker has stopped.
  while (!worker_thread_.wait(QDeadlineTimer(20))) QCoreApplication::sendPostedEvents(run_host_);
  delete worker_;
}

void MainWindow::set_prompter(std::unique_ptr<Prompter> prompter) {
  prompter_ = std::move(prompter);
  run_host_->set_prompter(prompter_.get());
  if (word_host_) word_host_->set_prompter(prompter_.get());
}

void MainWindow::set_file_chooser(std::unique_ptr<FileChooser> chooser) {
  chooser_ = std::move(chooser);
}

void MainWindow::inform(const QString& text) { prompter_->inform(text); }

QString MainWindow::parse_log_path() const { return QDir(folder_).filePath(kParseLogName); }

void MainWindow::build_view() {
  view_ = new QWidget(this);
  setCentralWidget(view_);
  auto label = [this](const char* text) {
    auto* l = new QLabel(text, view_);
    l->setAlignment(Qt::AlignCenter);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return l;
  };
  latin_label_ = label("Latin");
  translation_label_ = label("Translation");
  auto pane = [this](const char* name) {
    auto* p = new QPlainTextEdit(view_);
    p->setObjectName(name);
    p->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    p->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(p, &QWidget::customContextMenuRequested, this, [this, p](const QPoint& at) {
      QMenu menu(this);
      menu.addAction(command("copy"));
      menu.addAction(command("cut"));
      menu.addAction(command("paste"));
      menu.exec(p->mapToGlobal(at));
    });
    return p;
  };
  latin_ = pane("latin_pane");
  translation_ = pane("translation_pane");
  lower_ = pane("lower_pane");
  lower_->setReadOnly(true);
  lower_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  QPalette lower_colours = lower_->palette();
  lower_colours.setColor(QPalette::Base, QColor(192, 192, 240));
  lower_->setPalette(lower_colours);
  translation_->setReadOnly(true);
  translate_button_ = new QPushButton("Translate", view_);
  connect(translate_button_, &QPushButton::clicked, this, [this] { translate(); });
  // The token index maps positions of the text that was analysed; an edit
  // of the Latin pane ends it.
  connect(latin_, &QPlainTextEdit::textChanged, this, [this] { drop_tokens(); });
  connect(translation_, &QPlainTextEdit::textChanged, this, [this] { drop_english(); });
  view_->installEventFilter(this);

  status_label_ = new QLabel(kReady, this);
  statusBar()->addWidget(status_label_, 1);
  progress_ = new QProgressBar(this);
  progress_->setObjectName("run_progress");
  progress_->setMaximumWidth(200);
  progress_->setFormat("%v sentences");
  progress_->hide();
  stop_button_ = new QPushButton("Stop", this);
  stop_button_->setObjectName("stop_button");
  stop_button_->setToolTip("Ends the translation after the current sentence (Escape)");
  stop_button_->hide();
  connect(stop_button_, &QPushButton::clicked, this, [this] { stop_run(); });
  progress_label_ = new QLabel(this);
  progress_label_->setObjectName("progress_count");
  progress_label_->hide();
  statusBar()->addPermanentWidget(progress_label_);
  statusBar()->addPermanentWidget(progress_);
  statusBar()->addPermanentWidget(stop_button_);
}

// The panes keep their proportions of the client area at every size.
void MainWindow::layout_view() {
  const double w = view_->width(), h = view_->height();
  auto place = [&](QWidget* widget, double left, double top, double width, double height) {
    widget->setGeometry(static_cast<int>(left * w), static_cast<int>(top * h),
                        static_cast<int>(width * w), static_cast<int>(height * h));
  };
  place(latin_label_, 0, 0, 0.45, 0.05);
  place(translation_label_, 0.45, 0, 0.55, 0.05);
  place(latin_, 0, 0.05, 0.45, 0.8);
  place(translation_, 0.45, 0.05, 0.55, 0.8);
  place(lower_, 0, 0.85, 0.75, 0.15);
  place(translate_button_, 0.75, 0.85, 0.25, 0.15);
}

bool MainWindow::start() {
  auto folder = shell::ensure_user_folder(user_home_dir(config_.home_dir));
  if (!folder) {
    inform(QString::fromStdString(folder.error().message));
    return false;
  }
  folder_ = QString::fromStdString(*folder);
  start_dir_ = QDir::currentPath();
  store_ = std::make_unique<QSettings>(QDir(folder_).filePath(kWindowSettingsName),
                                       QSettings::IniFormat);
  apply_window_settings(settings_.window);

  // The parse log opens with its banner before anything is loaded.
  if (!write_parse_log(parse_log_banner())) {
    inform(text::kCannotOpenParseLog);
    return false;
  }
  std::string settings_file = find_file_nocase(folder_.toStdString(), shell::kSettingsFile);
  shell::UserSettings loaded = settings_;
  if (!settings_file.empty()) (void)shell::load_settings(settings_file, loaded);
  settings_.options = loaded.options;
  apply_window_settings(loaded.window);

  EngineConfig engine_config;
  engine_config.data_dir = config_.data_dir;
  engine_config.home_dir = folder_.toStdString();
  engine_config.high_speed_hash = settings_.options.allow_hash;
  auto engine = Engine::load(engine_config);
  if (!engine) {
    inform(QString(kLoadFailed) + "\n\n" + QString::fromStdString(engine.error().message));
    return false;
  }
  engine_ = *engine;
  std::string start_log = parse_log_banner();
  {
    WarningGate gate(*run_host_);
    for (const auto& m : engine_->load_messages()) {
      gate.warn(m);
      start_log += m + "\n";
    }
  }
  start_log += engine_->rejected_user_lines();
  apply_load_choices(*engine_, settings_.options, *run_host_);
  hash_loaded_ = settings_.options.hash_in_use;
  (void)write_parse_log(start_log);

  // Single words are analysed here, on this thread, with a host of their own
  // (a stopped run must not stop them).
  word_host_ = new RunHost(prompter_.get(), warning_boxes_, this);
  word_translator_ = std::make_unique<Translator>(engine_, settings_.options, word_host_);
  worker_ = new RunWorker(engine_, run_host_);
  worker_->moveToThread(&worker_thread_);
  worker_thread_.start();

  latin_->viewport()->installEventFilter(this);
  translation_->viewport()->installEventFilter(this);
  latin_->viewport()->setMouseTracking(true);
  refresh_from_parse_log();
  latin_->setPlainText(QString(shell::kWelcomeText) + "\n");
  refresh_actions();
  restore_placement();
  if (!config_.open_file.isEmpty()) {
    QTimer::singleShot(0, this, [this] { open_file(config_.open_file); });
  }
  return true;
}

std::string MainWindow::parse_log_banner() const {
  ParseLog banner;
  banner.open_memory();
  shell::write_parse_log_banner(banner, settings_.options, std::time(nullptr));
  return banner.text();
}

bool MainWindow::write_parse_log(const std::string& text) {
  QSaveFile file(parse_log_path());
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(text.data(), static_cast<qint64>(text.size()));
  return file.commit();
}

// The Translation pane shows parser.txt as it is on disk (start-up, Empty
// Latin); a missing log leaves "English".
void MainWindow::refresh_from_parse_log() {
  QFile file(parse_log_path());
  if (!file.open(QIODevice::ReadOnly)) {
    inform(shell::kCannotReadParseLog);
    show_translation(shell::kEmptyTranslation, false);
    return;
  }
  QByteArray bytes = file.read(static_cast<qint64>(shell::kPaneReadLimit));
  shell::PaneText pane = shell::cut_for_pane(
      std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  show_translation(decode_text(pane.text), pane.truncated);
  lower_->clear();
  latin_->setFocus();
}

// Editable after a translation made with Translate on, unless cut.
void MainWindow::show_translation(const QString& text, bool truncated) {
  translation_->setPlainText(text);
  translation_->setReadOnly(truncated || !settings_.options.translate);
  if (truncated) inform(QString::fromStdString(shell::long_translation_message()));
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (running_) {
    // The run ends at its next sentence; the window closes then.
    close_after_run_ = true;
    run_host_->set_closing();
    run_host_->request_stop();
    event->ignore();
    return;
  }
  save_placement();
  if (glossary_) glossary_->close();
  if (help_) help_->close();
  QMainWindow::closeEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == view_ && event->type() == QEvent::Resize) {
    layout_view();
  } else if (event->type() == QEvent::MouseButtonPress) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    QPlainTextEdit* pane = watched == latin_->viewport()         ? latin_
                           : watched == translation_->viewport() ? translation_
                                                                 : nullptr;
    if (pane && mouse->button() == Qt::LeftButton && !running_) {
      int position = pane->cursorForPosition(mouse->position().toPoint()).position();
      // After the pane has placed its cursor: the click then reads the word.
      QTimer::singleShot(0, this, [this, pane, position] { click_at(pane, position); });
    }
  } else if (watched == latin_->viewport() && event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    QString tip = tooltip_at(latin_->cursorForPosition(help->pos()).position());
    if (tip.isEmpty()) {
      QToolTip::hideText();
    } else {
      QToolTip::showText(help->globalPos(), tip, latin_);
    }
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::restore_placement() {
  Placement p = read_placement(*store_);
  setGeometry(p.rect);
  if (p.minimised) {
    setWindowState(p.maximised ? Qt::WindowMinimized | Qt::WindowMaximized : Qt::WindowMinimized);
  } else if (p.maximised) {
    setWindowState(Qt::WindowMaximized);
  }
}

void MainWindow::save_placement() {
  if (!store_) return;
  Placement p;
  p.rect = normalGeometry();
  p.minimised = isMinimized();
  p.maximised = isMaximized() || (isMinimized() && (windowState() & Qt::WindowMaximized));
  write_placement(*store_, p);
}

}  // namespace kelvo::app
