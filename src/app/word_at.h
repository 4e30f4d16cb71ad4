// The word under a pane position: letters (with their marks), the underscore
// and the ligatures, and digits except at the clicked character itself.
#pragma once
#include <QString>

namespace kelvo::app {

struct WordAt {
  int begin = 0;  // position in the text
  QString word;   // empty: no word there
};

inline constexpr int kMaxClickedWord = 99;

WordAt word_at(const QString& text, int position);

}  // namespace kelvo::app
