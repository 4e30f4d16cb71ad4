// Sentence analysis: the word analyses of one sentence ordered, cut into
// clauses, pruned and linked by agreement, and one reading chosen per word.
#pragma once
#include <array>
#include <span>

#include "base/options.h"
#include "syntax/sentence_view.h"
#include "syntax/syntax_scratch.h"
#include "text/sentence_words.h"

namespace kelvo::syntax {

// Runs the passes that env.passes names over the sentence in `words` (filled
// by word analysis) and leaves the choice in scratch.chosen. With
// options.details and a log, the clauses, the struck readings and the links
// are listed there.
void analyse_sentence(text::SentenceWords& words, const TranslationOptions& options,
                      SyntaxScratch& scratch, const SyntaxEnv& env = {});

// What the analysis chose for one token, as word analysis stored the tokens.
struct WordChoice {
  int chosen_candidate = -1;  // index among the token's candidates; -1 when none
  // Tokens the chosen reading agrees with or governs (-1 when empty).
  std::array<int, 3> linked_positions{-1, -1, -1};
};

// One entry per token of the analysed sentence (as many as word analysis
// stored, at most out.size()); returns the number written.
int word_choices(const text::SentenceWords& words, const SyntaxScratch& scratch,
                 std::span<WordChoice> out);

}  // namespace kelvo::syntax
