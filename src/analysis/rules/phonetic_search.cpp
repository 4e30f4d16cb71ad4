#include "analysis/rules/phonetic_search.h"

#include <algorithm>
#include <array>

#include "analysis/rules/medieval_spelling.h"
#include "base/text.h"
#include "grammar/phonetic_key.h"

namespace kelvo::analysis {

using namespace grammar;

namespace {

struct Scored {
  std::string spelling;
  int score;
};

void add(std::vector<Scored>& found, std::string spelling, int score, const std::string& word) {
  if (spelling == word) return;
  auto same = std::find_if(found.begin(), found.end(),
                           [&](const Scored& s) { return s.spelling == spelling; });
  if (same == found.end()) {
    found.push_back(Scored{std::move(spelling), score});
  } else {
    same->score = std::min(same->score, score);
  }
}

std::vector<std::string> from_table(const WordAnalyzer& wa, const std::string& word) {
  const auto& lex = wa.lexicon();
  auto table = lex.phonetics();
  auto entries = lex.entries();
  std::vector<Scored> found;
  for (const Split& split : WordAnalyzer::split_word(word)) {
    if (split.stem == "." || split.stem.size() < kMinPhoneticStem) continue;
    const std::string key = phonetic_key(split.stem);
    auto it = std::lower_bound(table.begin(), table.end(), key,
                               [](const PhoneticRecord& r, const std::string& k) {
                                 return compare_bytes(r.key_text(), k) < 0;
                               });
    for (int read = 0; it != table.end() && it->key_text() == key && read < kMaxKeyMatchesPerStem;
         ++it, ++read) {
      const auto idx = static_cast<std::size_t>(it->entry.get());
      if (idx >= entries.size()) continue;
      std::string_view stem = entries[idx].stem_text();
      if (stem == split.stem) continue;  // the word's own spelling found nothing
      // Fewer letter changes first; among equals the longer stem.
      const int score = spelling_distance(split.stem, stem) * 64 - static_cast<int>(stem.size());
      add(found, std::string(stem).append(split.ending), score, word);
      // The ending may carry the same medieval e for ae (philosophie).
      const std::string_view e = split.ending;
      if (!e.empty() && e.back() == 'e' && (e.size() == 1 || e[e.size() - 2] != 'a'))
        add(found, std::string(stem).append(e.substr(0, e.size() - 1)).append("ae"), score + 1,
            word);
    }
  }
  std::stable_sort(found.begin(), found.end(),
                   [](const Scored& a, const Scored& b) { return a.score < b.score; });
  std::vector<std::string> out;
  for (auto& s : found) {
    if (static_cast<int>(out.size()) >= kMaxPhoneticCandidates) break;
    out.push_back(std::move(s.spelling));
  }
  return out;
}

// Without the table: respellings two changes away from the word (one change
// was tried by the spelling tricks already).
std::vector<std::string> coded(const std::string& word) {
  std::vector<std::string> out;
  const std::vector<Respelling> first = medieval_spellings(word);
  for (const Respelling& r : first) {
    bool full = for_each_medieval_spelling(r.word, [&](const Respelling& second) {
      if (second.word == word) return false;
      auto tried = [&](const std::string& w) {
        return std::find(out.begin(), out.end(), w) != out.end() ||
               std::any_of(first.begin(), first.end(),
                           [&](const Respelling& f) { return f.word == w; });
      };
      if (tried(second.word)) return false;
      out.push_back(second.word);
      return static_cast<int>(out.size()) >= kMaxCodedCandidates;
    });
    if (full) break;
  }
  return out;
}

}  // namespace

int spelling_distance(std::string_view a, std::string_view b) {
  constexpr std::size_t kMax = 32;
  a = a.substr(0, std::min(a.size(), kMax - 1));
  b = b.substr(0, std::min(b.size(), kMax - 1));
  std::array<int, kMax> prev{}, cur{};
  for (std::size_t j = 0; j <= b.size(); ++j) prev[j] = static_cast<int>(j);
  for (std::size_t i = 1; i <= a.size(); ++i) {
    cur[0] = static_cast<int>(i);
    for (std::size_t j = 1; j <= b.size(); ++j) {
      int sub = prev[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
      cur[j] = std::min({prev[j] + 1, cur[j - 1] + 1, sub});
    }
    prev = cur;
  }
  return prev[b.size()];
}

std::vector<std::string> coded_phonetic_candidates(std::string_view word) {
  if (word.empty()) return {};
  std::string w(word);
  w[0] = ascii_lower(w[0]);
  return coded(w);
}

std::vector<std::string> phonetic_candidates(const WordAnalyzer& wa, std::string_view word) {
  if (word.empty()) return {};
  std::string w(word);
  w[0] = ascii_lower(w[0]);
  if (wa.lexicon().has_phonetics()) return from_table(wa, w);
  return coded(w);
}

int phonetic_search(const WordAnalyzer& wa, std::string_view word, std::vector<Candidate>& out,
                    AnalysisContext& ctx, std::string* used) {
  for (const std::string& spelling : phonetic_candidates(wa, word)) {
    int n = wa.analyse_core(spelling, Source::variant, out, ctx);
    if (n > 0) {
      if (used) *used = spelling;
      return n;
    }
  }
  return 0;
}

}  // namespace kelvo::analysis
