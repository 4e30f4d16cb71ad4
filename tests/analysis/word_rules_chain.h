// The word rules in the order the per-word driver runs them after the core,
// for tests that need a whole word's analyses, and the corpus as sentences of
// tokens.
#pragma once
#include <string>
#include <vector>

#include "analysis/derived_words.h"
#include "analysis/indefinite_pronouns.h"
#include "analysis/medieval_spelling.h"
#include "analysis/prefixes.h"
#include "analysis/tackons.h"
#include "analysis/word_driver.h"
#include "base/text.h"

namespace kelvo::testing {

struct ChainResult {
  std::vector<analysis::Candidate> word;
  std::vector<analysis::SplitOffToken> split_off;
};

inline ChainResult analyse_with_rules(const analysis::WordAnalyzer& wa, std::string_view token,
                                      bool first, bool question) {
  using namespace analysis;
  ChainResult r;
  AnalysisContext ctx;
  std::string word(token);
  std::vector<Candidate> pronouns;
  if (may_be_indefinite_pronoun(word)) {
    PronounResult p = analyse_indefinite_pronoun(wa, word, ctx);
    if (p.enclitic) {
      r.split_off.push_back(std::move(*p.enclitic));
      word = p.word;
    }
    pronouns = std::move(p.readings);
  }
  WordResult wr = analyse_word(wa, word, first, false, r.word, ctx);
  const bool capitalised = is_ascii_upper(word[0]);
  if (r.word.empty() || wr.proper_name) {
    std::vector<Candidate> found;
    if (!capitalised && word.size() > 4) try_prefixes(wa, word, found, ctx);
    const bool derive = derived_word_rule_applies(word, found);
    if (found.empty()) {
      if (auto t = try_tackons(wa, word, ctx)) {
        found = std::move(t->host);
        r.split_off.push_back(std::move(t->tackon));
      }
    }
    if (derive && (found.empty() || word.ends_with("issime")))
      try_derived_words(wa, word, found, ctx);
    if (found.empty() && !capitalised) try_medieval_spellings(wa, word, found, ctx);
    if (found.empty() && capitalised) {
      if (auto e = split_name_enclitic(word, question, ctx)) {
        r.split_off.push_back(std::move(e->enclitic));
        r.word.clear();
        analyse_word(wa, e->name, first, false, r.word, ctx);
      }
    }
    if (!found.empty()) r.word = std::move(found);
  }
  for (auto& c : pronouns) r.word.push_back(std::move(c));
  return r;
}

// The tokens of one corpus text, sentence by sentence; empty when absent.
// (In corpus_tokens_test.cpp: the tokeniser's header cannot share a file with
// the word analyser's, whose word-length constants clash.)
std::vector<std::vector<std::string>> corpus_sentences(const std::string& file);

}  // namespace kelvo::testing
