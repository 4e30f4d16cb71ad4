// The English of one analysis before elaboration dresses it: the sense the
// data builder chose for its dictionary meaning (or, for meanings it never
// saw, the first rendering of the meaning), with the place of its head word.
#pragma once
#include <string>

#include "analysis/word_analyzer.h"
#include "grammar/records.h"

namespace kelvo::english {

struct WordEnglish {
  std::string text;
  std::size_t head_begin = 0;
  std::size_t head_length = 0;  // 0: nothing to inflect
  bool plural = false;          // the head is an English plural already
  std::size_t head_end() const { return head_begin + head_length; }
};

// `area` is the run's current preferred area letter (0 for none): a meaning
// with a section for it renders that section.
WordEnglish word_english(const analysis::WordAnalyzer& wa, const analysis::Candidate& c,
                         char area);

// The same from a meaning text alone (tests, built-in readings).
WordEnglish english_from_text(std::string_view meaning, grammar::Code speech);

}  // namespace kelvo::english
