#include "shell/forms_search.h"

#include <algorithm>

namespace kelvo::shell {

std::vector<std::string> lemmas_of(const std::vector<Reading>& readings) {
  std::vector<std::string> out;
  for (const Reading& r : readings)
    if (!r.lemma.empty() && std::find(out.begin(), out.end(), r.lemma) == out.end())
      out.push_back(r.lemma);
  return out;
}

void append_form_hits(const Sentence& sentence, const std::vector<std::string>& lemmas,
                      std::vector<FormHit>& out) {
  for (const Token& t : sentence.tokens) {
    if (t.punctuation) continue;
    for (const Reading& r : t.readings) {
      if (std::find(lemmas.begin(), lemmas.end(), r.lemma) == lemmas.end()) continue;
      out.push_back({t.begin, t.end, r.lemma});
      break;
    }
  }
}

}  // namespace kelvo::shell
