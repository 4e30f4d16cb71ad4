#include "analysis/unique_headwords.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <unordered_map>

#include "analysis/rules/indefinite_pronouns.h"
#include "base/text.h"
#include "grammar/codes.h"

namespace kelvo::analysis {

using namespace grammar;

namespace {

// Words that say nothing of what a meaning is about.
constexpr std::array<std::string_view, 16> kEmptyWords = {
    "the", "and", "of", "to", "an", "in", "on", "with", "for", "or", "as", "by", "it", "be",
    "is", "etc"};

// The distinct lower-case words of a meaning, two letters or more, empty words aside.
std::vector<std::string> meaning_words(std::string_view meaning) {
  std::vector<std::string> out;
  std::string w;
  auto flush = [&] {
    if (w.size() >= 2 && std::find(kEmptyWords.begin(), kEmptyWords.end(), w) == kEmptyWords.end() &&
        std::find(out.begin(), out.end(), w) == out.end())
      out.push_back(w);
    w.clear();
  };
  for (char c : meaning) {
    if (is_ascii_upper(c) || is_ascii_lower(c))
      w.push_back(ascii_lower(c));
    else
      flush();
  }
  flush();
  return out;
}

int shared(const std::vector<std::string>& a, const std::vector<std::string>& b) {
  int n = 0;
  for (const auto& x : a) n += std::find(b.begin(), b.end(), x) != b.end();
  return n;
}

// Pronoun packs (qui + tackon) are pronouns to the uniques.
Code entry_speech(const DictEntry& e) {
  const Code s = static_cast<Code>(e.speech & 0x1F);
  return s == pos::pack ? pos::pron : s;
}

// Whether some principal part begins with the form's letter (eadem: idem
// eadem; uult: uolo): a form and its entry's parts share their first sound.
bool begins_like_a_part(std::string_view form, std::string_view citation) {
  if (form.empty()) return false;
  const char first = ascii_lower(form[0]);
  for (std::size_t at = 0; at < citation.size(); at = citation.find(' ', at)) {
    while (at < citation.size() && citation[at] == ' ') ++at;
    if (at < citation.size() && ascii_lower(citation[at]) == first) return true;
  }
  return false;
}

// The headword of a compound of qui or quis that the uniques spell as the
// text does: the d of quid assimilated to the particle (quicquam, quippiam
// for quidquam, quidpiam) is put back and the compound rule names it
// (quisquam, quispiam); a doubled form (quidquid, quemquem, quodquod) is
// quisquis. "" when neither fits (unusquisque keeps its own).
std::string compound_headword(std::string_view form) {
  std::string w(form);
  for (std::string_view assimilated : {"cq", "pp"})
    if (auto at = w.find(assimilated); at != std::string::npos && at > 0) w[at] = 'd';
  const std::size_t half = w.size() / 2;
  if (w.size() % 2 == 0 && w.starts_with("qu") && w.compare(0, half, w, half, half) == 0)
    return "quisquis";
  return pronoun_headword(w);
}

}  // namespace

std::vector<std::string> unique_citations(const Lexicon& lexicon) {
  const auto uniques = lexicon.uniques();
  const auto meanings = lexicon.meanings();
  std::vector<std::string> out(uniques.size());
  struct Best {
    int score = 0;
    int rank = 0;  // smaller is better: variant fit, then rarity
  };
  std::vector<Best> best(uniques.size());
  std::vector<std::vector<std::string>> words(uniques.size());
  for (std::size_t u = 0; u < uniques.size(); ++u) {
    words[u] = meaning_words(uniques[u].meaning_text());
    if (uniques[u].speech == pos::pron && uniques[u].which == 1)
      out[u] = compound_headword(uniques[u].latin_text());
  }
  // The uniques by part of speech and declension, so each entry meets only
  // the forms it may head (a whole pass of the uniques per entry cost several
  // times the load).
  std::unordered_map<unsigned, std::vector<std::size_t>> by_kind;
  auto kind_of = [](Code speech, Code which) { return static_cast<unsigned>(speech) << 8 | which; };
  for (std::size_t u = 0; u < uniques.size(); ++u) {
    const UniqueRecord& r = uniques[u];
    // The compounds of qui and quis are words of their own, not forms of
    // the plain pronoun (see compound_headword).
    if (r.speech == pos::pron && r.which == 1) continue;
    by_kind[kind_of(r.speech, r.which)].push_back(u);
  }
  for (const DictEntry& e : lexicon.entries()) {
    const auto m = e.meaning_index.get();
    if (m < 0 || static_cast<std::size_t>(m) >= meanings.size()) continue;
    const auto group = by_kind.find(kind_of(entry_speech(e), e.which));
    if (group == by_kind.end()) continue;
    std::vector<std::string> entry_words;
    bool read = false;
    const std::string_view citation = meanings[static_cast<std::size_t>(m)].latin_text();
    for (std::size_t u : group->second) {
      const UniqueRecord& r = uniques[u];
      if (e.variant != r.variant && e.variant != 0 && r.variant != 0) continue;
      if (!begins_like_a_part(r.latin_text(), citation)) continue;
      if (!read) {
        entry_words = meaning_words(meanings[static_cast<std::size_t>(m)].english_text());
        read = true;
      }
      // Most of the form's meaning must be the entry's: one shared word of a
      // long meaning is chance (agantur is no form of accipio).
      const int score = shared(words[u], entry_words);
      if (2 * static_cast<std::size_t>(score) < words[u].size()) continue;
      const int rank = (e.variant == r.variant ? 0 : 16) + e.rarity();
      if (score == 0 || score < best[u].score || (score == best[u].score && rank >= best[u].rank))
        continue;
      best[u] = {score, rank};
      out[u] = std::string(citation);
    }
  }
  return out;
}

}  // namespace kelvo::analysis
