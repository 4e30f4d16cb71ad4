// Irregular English forms made from WordNet's exception lists (Debian's
// wordnet-base: verb.exc, noun.exc, adj.exc, each "form base" a line): the
// word the suffix rules would spell ("goed", "childs") paired with the real
// one ("gone", "children"), and the irregular comparisons ("more good" ->
// "better"). The keys are spelled by the translator's own suffix rules, so
// they are exactly what the polishing pass will look up.
#pragma once
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "base/status.h"

namespace kelvo::mkdata {

using WordPair = std::pair<std::string, std::string>;  // key, replacement

struct WordNetForms {
  std::vector<WordPair> verb_exc, noun_exc, adj_exc;  // (inflected form, base)
  // Tagged-sense counts of the single-word lemmas (how often WordNet's
  // corpus met them): a rough measure of which of two words is the common one.
  std::unordered_map<std::string, int> verb_tags, noun_tags;
  std::unordered_set<std::string> lemmas;  // every single-word lemma of any part of speech

  static Result<WordNetForms> load(const std::string& dir);
};

// An irregular verb with its past and past participle kept apart ("go",
// "went", "gone"); the two are equal for "bring", "brought", "brought".
struct IrregularVerb {
  std::string base, past, participle;
};
std::vector<IrregularVerb> irregular_verbs(const WordNetForms& wn);

struct IrregularTable {
  std::vector<WordPair> forms;        // for the irregular-form table
  std::vector<WordPair> comparisons;  // "more good" -> "better", "most good" -> "best"
  // Keys left out because a real word is spelled the same ("seed" from
  // see+ed) or a commoner verb's regular form is ("hoped" from hop+ed).
  std::vector<std::string> left_out;
};

IrregularTable build_irregular_table(const WordNetForms& wn);

}  // namespace kelvo::mkdata
