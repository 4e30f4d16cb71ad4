#include "app/word_at.h"

namespace kelvo::app {

namespace {

bool letter_like(QChar c) {
  return c.isLetter() || c == '_' || c.category() == QChar::Mark_NonSpacing;
}

bool word_char(QChar c) { return letter_like(c) || c.isDigit(); }

}  // namespace

WordAt word_at(const QString& text, int position) {
  WordAt out;
  if (position < 0 || position >= text.size()) {
    // A click past the end of a line reads the character before it.
    if (position > 0 && position == text.size()) --position;
    else return out;
  }
  if (!letter_like(text[position])) {
    if (position > 0 && letter_like(text[position - 1])) --position;  // just after a word
    else return out;
  }
  int begin = position;
  while (begin > 0 && word_char(text[begin - 1])) --begin;
  int end = position + 1;
  while (end < text.size() && word_char(text[end]) && end - position <= kMaxClickedWord - 1) ++end;
  out.begin = begin;
  out.word = text.mid(begin, end - begin);
  return out;
}

}  // namespace kelvo::app
