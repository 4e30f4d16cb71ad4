#include "english/degree_forms.h"

#include <string_view>

#include "base/text.h"

namespace kelvo::english {

namespace {

bool vowel(char c) { return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u'; }

// Vowel groups, a final silent "e" not counted ("wide" has one).
int syllables(std::string_view w) {
  int groups = 0;
  bool in_group = false;
  for (std::size_t i = 0; i < w.size(); ++i) {
    const bool v = vowel(w[i]) || (w[i] == 'y' && i > 0);
    if (v && !in_group) ++groups;
    in_group = v;
  }
  if (w.size() > 2 && w.back() == 'e' && !vowel(w[w.size() - 2]) && groups > 1) --groups;
  return groups;
}

// Words that keep "more"/"most": the irregular ones the polishing tables
// give, and short words English does not inflect.
bool keeps_more(std::string_view w) {
  for (std::string_view k : {"good", "bad", "well", "ill", "much", "many", "far", "little",
                             "just", "real", "right", "wrong", "own", "fun", "like", "worth",
                             "due", "apt", "glad", "whole", "prone", "loath", "famed", "the",
                             "a", "an", "of", "than", "to", "with", "so", "too", "all",
                             // already a degree, or none to have
                             "best", "worst", "least", "next", "last", "first", "worse", "less",
                             "most", "more", "chief", "main", "mere", "sole", "prime"})
    if (w == k) return true;
  return false;
}

bool plain_word(std::string_view w) {
  if (w.size() < 3) return false;
  for (char c : w)
    if (!is_ascii_lower(c)) return false;
  // Participles and adverbs keep "more": "more fixed", "more easily".
  return !w.ends_with("ed") && !w.ends_with("ing") && !w.ends_with("ly") && !w.ends_with("est");
}

std::string with_ending(std::string_view w, std::string_view ending) {
  std::string out(w);
  if (out.back() == 'e') {
    out.pop_back();
  } else if (out.back() == 'y' && !vowel(out[out.size() - 2])) {
    out.back() = 'i';
  } else if (out.size() >= 3 && !vowel(out.back()) && out.back() != 'w' && out.back() != 'x' &&
             out.back() != 'y' && vowel(out[out.size() - 2]) && !vowel(out[out.size() - 3])) {
    out.push_back(out.back());  // "big" -> "bigger"
  }
  out.append(ending);
  return out;
}

}  // namespace

void inflect_degree(std::string& slot) {
  for (auto [marker, ending] : {std::pair<std::string_view, std::string_view>{"more ", "er"},
                                {"most ", "est"}}) {
    std::size_t at = slot.rfind(marker);
    if (at == std::string::npos || (at > 0 && slot[at - 1] != ' ')) continue;
    const std::string_view word = std::string_view(slot).substr(at + marker.size());
    if (word.find(' ') != std::string_view::npos || !plain_word(word) || keeps_more(word) ||
        syllables(word) != 1)
      continue;
    slot.replace(at, slot.size() - at, with_ending(word, ending));
    return;
  }
}

}  // namespace kelvo::english
