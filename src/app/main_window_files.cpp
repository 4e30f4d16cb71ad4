// The file commands (Rename File, Reload Translation, Save Search Results),
// printing, settings and the dialogs of the View and Help menus.
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QShortcut>
#include <QSaveFile>

#include "app/font_dialog.h"
#include "app/help_window.h"
#include "app/main_window.h"
#include "app/single_word_options.h"
#include "app/text_codec.h"
#include "app/window_texts.h"
#include "shell/pane_text.h"
#include "shell/print_layout.h"
#include "text/translation_run.h"

namespace kelvo::app {

namespace {

bool save_bytes(const QString& path, const QByteArray& bytes) {
  QSaveFile out(path);
  if (!out.open(QIODevice::WriteOnly)) return false;
  out.write(bytes);
  return out.commit();
}

QFont pane_font(const shell::WindowSettings& w) {
  QFont font;
  switch (w.font_type) {
    case shell::FontType::arial:
      font.setFamily("Sans Serif");
      font.setStyleHint(QFont::SansSerif);
      break;
    case shell::FontType::roman:
      font.setFamily("Serif");
      font.setStyleHint(QFont::Serif);
      break;
    case shell::FontType::courier:
      font.setFamily("Monospace");
      font.setStyleHint(QFont::TypeWriter);
      font.setFixedPitch(true);
      break;
  }
  font.setPointSize(w.font_size);
  font.setBold(w.font_bold);
  return font;
}

QColor background_colour(shell::Background b) {
  switch (b) {
    case shell::Background::white: return {255, 255, 255};
    case shell::Background::yellow: return {240, 240, 192};
    case shell::Background::grey: return {240, 240, 240};
  }
  return {255, 255, 255};
}

}  // namespace

// Rename File: the pane's own text when the user may have edited it, else
// the parse log as written.
void MainWindow::rename_file() {
  QString path = chooser_->choose_save(this, start_dir_);
  if (path.isEmpty()) return;
  QByteArray bytes;
  const QString shown = translation_->toPlainText();
  if (!translation_->isReadOnly() &&
      static_cast<std::size_t>(shown.size()) < shell::kReloadReadLimit) {
    bytes = shown.toUtf8().replace('\r', '\n');
  } else {
    QFile log(parse_log_path());
    if (!log.open(QIODevice::ReadOnly)) {
      save_bytes(path, {});  // the chosen file stays, empty
      inform(kCannotCopyParseLog);
      return;
    }
    bytes = log.readAll();
  }
  if (!save_bytes(path, bytes)) inform(kCannotOpenChosen);
}

void MainWindow::reload_translation() {
  QString path = chooser_->choose_open(this, start_dir_);
  if (path.isEmpty()) return;
  QFile in(path);
  if (!in.open(QIODevice::ReadOnly)) {
    inform(QString("Cannot open input file %1.").arg(path));
    return;
  }
  QByteArray bytes = in.read(static_cast<qint64>(shell::kReloadReadLimit));
  if (!save_bytes(parse_log_path(), bytes)) inform(text::kCannotOpenParseLog);
  shell::PaneText pane = shell::cut_reloaded(
      std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  translation_->setPlainText(decode_text(pane.text));
  translation_->setReadOnly(pane.truncated);
  if (pane.truncated) inform(QString::fromStdString(shell::long_reload_message()));
}

void MainWindow::save_search_results() {
  QString path = chooser_->choose_save(this, start_dir_);
  if (path.isEmpty()) return;
  QFile fails(QDir(folder_).filePath(kFailsName));
  if (!fails.open(QIODevice::ReadOnly)) {
    save_bytes(path, {});
    inform(kCannotCopyFails);
    return;
  }
  if (!save_bytes(path, fails.readAll())) inform(kCannotOpenChosen);
}

void MainWindow::save_user_settings() {
  if (!prompter_->ask_ok_cancel(shell::kSaveSettingsQuestion)) return;
  Status saved = shell::save_settings(folder_.toStdString(), settings_);
  inform(saved ? shell::kSettingsSaved : shell::kSettingsNotSaved);
}

void MainWindow::apply_window_settings(const shell::WindowSettings& window) {
  const bool font_changed = window.font_type != settings_.window.font_type ||
                            window.font_size != settings_.window.font_size ||
                            window.font_bold != settings_.window.font_bold;
  const bool colour_changed = window.background != settings_.window.background;
  settings_.window = window;
  if (font_changed || !fonts_applied_) {
    const QFont font = pane_font(window);
    for (QPlainTextEdit* p : {latin_, translation_, lower_}) p->setFont(font);
  }
  if (colour_changed || !fonts_applied_) {
    for (QPlainTextEdit* p : {latin_, translation_}) {
      QPalette colours = p->palette();
      colours.setColor(QPalette::Base, background_colour(window.background));
      p->setPalette(colours);
    }
  }
  fonts_applied_ = true;
}

void MainWindow::choose_font() {
  FontDialog dialog(settings_.window, this);
  if (dialog.exec() == QDialog::Accepted) apply_window_settings(dialog.chosen());
}

void MainWindow::choose_single_word_mode() {
  SingleWordOptions dialog(static_cast<shell::SingleWordChoice>(settings_.options.single_word_choice),
                           this);
  if (dialog.exec() == QDialog::Accepted)
    settings_.options.single_word_choice = static_cast<std::uint8_t>(dialog.choice());
}

// The parse log on pages: lines broken at blanks before column 76, as many
// lines a page as the printer's font allows.
int MainWindow::print_parse_log(QPagedPaintDevice* device) {
  QFile log(parse_log_path());
  if (!log.open(QIODevice::ReadOnly)) return 0;
  const QByteArray bytes = log.readAll();
  const auto lines =
      shell::printed_lines(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  QPainter painter;
  if (!painter.begin(device)) return 0;
  QFont font("Monospace");
  font.setStyleHint(QFont::TypeWriter);
  font.setPointSize(10);
  painter.setFont(font);
  const QFontMetrics metrics(painter.font(), device);
  const int line_height = metrics.lineSpacing();
  const int page_height = device->height();
  const int per_page = line_height > 0 ? std::max(1, page_height / line_height) : 1;
  const int pages = shell::page_count(lines.size(), per_page);
  for (int page = 0; page < pages; ++page) {
    if (page > 0) device->newPage();
    for (int i = 0; i < per_page; ++i) {
      const std::size_t at = static_cast<std::size_t>(page) * static_cast<std::size_t>(per_page) +
                             static_cast<std::size_t>(i);
      if (at >= lines.size()) break;
      painter.drawText(0, metrics.ascent() + i * line_height, decode_text(lines[at]));
    }
  }
  painter.end();
  return pages;
}

void MainWindow::print_with_dialog() {
  QPrintDialog dialog(&printer_, this);
  dialog.setMinMax(1, 999);
  if (dialog.exec() == QDialog::Accepted) print_parse_log(&printer_);
}

void MainWindow::print_preview() {
  QPrintPreviewDialog preview(&printer_, this);
  connect(&preview, &QPrintPreviewDialog::paintRequested, this,
          [this](QPrinter* printer) { print_parse_log(printer); });
  // Page Down and Page Up turn the pages; Escape closes, as in any dialog.
  if (auto* pages = preview.findChild<QPrintPreviewWidget*>()) {
    auto turn = [&preview, pages](Qt::Key key, int step) {
      connect(new QShortcut(QKeySequence(key), &preview), &QShortcut::activated, pages,
              [pages, step] { pages->setCurrentPage(pages->currentPage() + step); });
    };
    turn(Qt::Key_PageDown, 1);
    turn(Qt::Key_PageUp, -1);
  }
  preview.exec();
}

void MainWindow::print_setup() {
  QPageSetupDialog dialog(&printer_, this);
  dialog.exec();
}

void MainWindow::show_help() {
  if (!help_) help_ = new HelpWindow(this);
  help_->show();
  help_->raise();
}

void MainWindow::show_about() {
  prompter_->about(
      "About Kelvo",
      "<p><b>Kelvo 2.30A (LSP)</b></p>"
      "<p>Copyright &copy; 2001-2025 the Kelvo developers. All rights reserved.</p>"
      "<p>Program code: the Kelvo developers.<br>"
      "Latin dictionary and inflections: William Whitaker's WORDS, version 1.97F.<br>"
      "Second dictionary: the supplementary medieval and NeoLatin dictionary.<br>"
      "Standard phrases: the Kelvo developers and users.</p>");
}

}  // namespace kelvo::app
