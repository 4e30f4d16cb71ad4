// Where each English word of a translation stands in the Translation pane and
// the Latin token it renders, so that a click on the English finds its Latin.
// The pane shows the parse log, in which each sentence's English is one line;
// the lines are found in order, and each word within its line. Built on the
// worker thread with the run's result.
#pragma once
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "app/token_index.h"
#include "kelvo/kelvo.h"

namespace kelvo::app {

// One sentence's English as the run composed it.
struct EnglishLine {
  std::string english;
  std::vector<EnglishWord> words;  // position: the token among the sentence's
};

// `lines[i]` is the English of `analysis->sentences[i]`; `pane_text` what the
// Translation pane shows. A line the pane does not show (a cut log) ends the
// index there.
TokenIndex english_index(std::shared_ptr<const TextAnalysis> analysis,
                         const std::vector<EnglishLine>& lines, const QString& pane_text);

}  // namespace kelvo::app
