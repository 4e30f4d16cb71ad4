// A word on its own: the click on a word, a one-word selection, the tooltip.
#include <QColor>
#include <QPlainTextEdit>
#include <QTextBlock>

#include "app/glossary_window.h"
#include "app/main_window.h"
#include "app/reading_text.h"
#include "app/run_host.h"
#include "app/text_codec.h"
#include "app/word_at.h"
#include "shell/pane_text.h"

namespace kelvo::app {

namespace {

// The word under `position` in a pane and its place in the pane.
WordAt pane_word_at(QPlainTextEdit* pane, int position) {
  QTextBlock block = pane->document()->findBlock(position);
  if (!block.isValid()) return {};
  WordAt w = word_at(block.text(), position - block.position());
  w.begin += block.position();
  return w;
}

}  // namespace

void MainWindow::click_at(QPlainTextEdit* pane, int position) {
  if (!engine_ || running_) return;
  QString word;
  int begin = 0;
  const std::vector<Reading>* readings = nullptr;
  const TokenIndex::Span* span = pane == latin_ ? tokens_.span_at(position) : nullptr;
  if (pane == translation_) {
    // An English word of the run: its Latin word is marked and read.
    const TokenIndex::Span* english = english_.span_at(position);
    span = english ? tokens_.span_of(english->token) : nullptr;
    if (span) highlight_latin(*span);
  }
  if (span) {
    // The run's own readings of the word, found through its offsets.
    begin = span->begin;
    word = latin_->document()->toPlainText().mid(span->begin, span->end - span->begin);
    readings = &span->token->readings;
  } else {
    WordAt w = pane_word_at(pane, position);
    if (w.word.isEmpty()) return;
    word = w.word;
    begin = w.begin;
  }
  if (pane == latin_ && settings_.options.single_word_underscore) {
    // The word is marked in the pane as one to leave untranslated.
    QTextCursor c(latin_->document());
    c.setPosition(begin);
    c.setPosition(begin + static_cast<int>(word.size()), QTextCursor::KeepAnchor);
    word = "_" + word + "_";
    c.insertText(word);
    readings = nullptr;
  }
  if (readings) {
    show_word(to_utf8(word), *readings, true);
  } else {
    translate_word(word, true);
  }
}

void MainWindow::translate_word(const QString& word, bool click) {
  if (!word_translator_) return;
  shell::PreparedWord prepared = shell::prepare_word(to_latin_8bit(word));
  // Counted with the program's other warning boxes.
  if (!prepared.warning.empty()) word_host_->warning(prepared.warning);
  show_word(to_utf8(decode_text(prepared.word)), word_translator_->lookup(prepared.word), click);
}

void MainWindow::show_word(const std::string& word, const std::vector<Reading>& readings,
                           bool click) {
  const auto choice = static_cast<shell::SingleWordChoice>(settings_.options.single_word_choice);
  const shell::WordRequest request = shell::request_type(click, choice);
  shell::SingleWordTexts texts = shell::compose_single_word(word, word_readings(readings),
                                                            reading_alternatives(readings), request);
  QString lower = decode_text(shell::lower_pane_shows_glossary(request, choice) ? texts.glossary
                                                                                : texts.translation);
  lower_->setPlainText(lower.left(static_cast<qsizetype>(shell::kLowerPaneLimit)));
  if (shell::glossary_window_opens(request, choice)) {
    if (!glossary_) glossary_ = new GlossaryWindow(this);
    glossary_->show_text(decode_text(texts.glossary), settings_.window.font_size);
  }
  QTextCursor c = latin_->textCursor();
  c.clearSelection();
  latin_->setTextCursor(c);
}

void MainWindow::highlight_latin(const TokenIndex::Span& span) {
  QTextEdit::ExtraSelection mark;
  mark.cursor = QTextCursor(latin_->document());
  mark.cursor.setPosition(span.begin);
  mark.cursor.setPosition(span.end, QTextCursor::KeepAnchor);
  mark.format.setBackground(QColor(255, 230, 120));
  latin_->setExtraSelections({mark});
  QTextCursor at(latin_->document());
  at.setPosition(span.begin);
  latin_->setTextCursor(at);
  latin_->ensureCursorVisible();
}

QString MainWindow::tooltip_at(int latin_position) const {
  if (const TokenIndex::Span* span = tokens_.span_at(latin_position)) {
    return decode_text(readings_summary(span->token->text, span->token->readings));
  }
  if (!word_translator_) return {};
  WordAt w = pane_word_at(latin_, latin_position);
  if (w.word.isEmpty()) return {};
  shell::PreparedWord prepared = shell::prepare_word(to_latin_8bit(w.word));
  return decode_text(readings_summary(prepared.word, word_translator_->lookup(prepared.word)));
}

}  // namespace kelvo::app
