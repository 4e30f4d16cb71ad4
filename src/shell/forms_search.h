// Every form of a word's lemma in analysed text: the word's readings give its
// lemmas (the dictionary headwords: regis gives rex and rego), and a token is
// a form when one of its own readings has one of those lemmas. Found through
// the analysis, never by matching letters, so rege and reges are found for
// rex and nothing is found for a word that merely begins alike (regina).
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "kelvo/kelvo.h"

namespace kelvo::shell {

// The lemmas of a word's readings, each once, in the order met.
std::vector<std::string> lemmas_of(const std::vector<Reading>& readings);

struct FormHit {
  std::size_t begin = 0;  // the token's bytes in the analysed text
  std::size_t end = 0;
  std::string lemma;      // the lemma it is a form of
};

// Appends the tokens of `sentence` that are forms of one of `lemmas`.
void append_form_hits(const Sentence& sentence, const std::vector<std::string>& lemmas,
                      std::vector<FormHit>& out);

}  // namespace kelvo::shell
