#include "analysis/unique_headwords.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <cstdint>
#include <optional>
#include <string_view>

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

// Every letter run of an entry's meaning, lower-cased, without a string
// made for each: the forty thousand entries are read at each start-up, and a
// form's words are all two letters or more and none empty, so runs outside
// those rules can never match one.
class RunWords {
 public:
  explicit RunWords(std::string_view meaning) {
    const std::size_t n = std::min(meaning.size(), sizeof text_);
    std::size_t start = 0;
    for (std::size_t i = 0; i <= n; ++i) {
      if (i < n && (is_ascii_upper(meaning[i]) || is_ascii_lower(meaning[i]))) {
        text_[i] = ascii_lower(meaning[i]);
        continue;
      }
      if (i > 1 + start && count_ < sizeof start_) {
        start_[count_] = static_cast<std::uint8_t>(start);
        size_[count_++] = static_cast<std::uint8_t>(i - start);
      }
      start = i + 1;
    }
  }
  bool has(std::string_view w) const {
    for (std::size_t k = 0; k < count_; ++k)
      if (std::string_view(text_ + start_[k], size_[k]) == w) return true;
    return false;
  }

 private:
  // Uninitialised on purpose: only the first count_ runs are read.
  char text_[128];
  std::uint8_t start_[64];
  std::uint8_t size_[64];
  std::size_t count_ = 0;
};

int shared(const std::vector<std::string>& a, const RunWords& b) {
  int n = 0;
  for (const auto& x : a) n += b.has(x);
  return n;
}

// Pronoun packs (qui + tackon) are pronouns to the uniques.
Code entry_speech(const DictEntry& e) {
  const Code s = static_cast<Code>(e.speech & 0x1F);
  return s == pos::pack ? pos::pron : s;
}

// A letter as a bit of a set of first letters; every other byte shares one bit.
std::uint32_t letter_bit(char c) {
  c = ascii_lower(c);
  return 1u << (is_ascii_lower(c) ? c - 'a' : 26);
}

// The first letters of a citation's principal parts as a set: a form may
// belong to an entry only when one of its parts begins with the form's letter
// (eadem: idem eadem; uult: uolo), as a form and its entry's parts share their
// first sound.
std::uint32_t part_initials(const MeaningLine& line) {
  const std::string_view citation = line.latin_text();
  if (citation.empty()) return 0;
  // Eight bytes at a time: the blanks are found as the zero bytes of the
  // text xor blanks, and the byte after each begins a part (or is a blank).
  std::uint32_t out = citation[0] == ' ' ? 0 : letter_bit(citation[0]);
  constexpr std::uint64_t kBlanks = 0x2020202020202020ull, kLow7 = 0x7F7F7F7F7F7F7F7Full;
  static_assert(sizeof line.latin % 8 == 0);
  for (std::size_t i = 0; i < citation.size(); i += 8) {
    // Whole words of the field: a blank past the text's end begins no part.
    std::uint64_t w;
    std::memcpy(&w, line.latin + i, sizeof w);
    const std::uint64_t t = w ^ kBlanks;
    std::uint64_t blanks = ~(((t & kLow7) + kLow7) | t | kLow7);
    while (blanks) {
      const std::size_t next = i + static_cast<std::size_t>(std::countr_zero(blanks)) / 8 + 1;
      if (next < citation.size() && citation[next] != ' ') out |= letter_bit(citation[next]);
      blanks &= blanks - 1;
    }
  }
  return out;
}

// Whether some part of the citation begins with the form's first byte, for
// forms that begin with no letter (which the set above cannot tell apart).
bool begins_like_a_part(char first, std::string_view citation) {
  bool starts = true;
  for (char c : citation) {
    if (c == ' ') {
      starts = true;
    } else if (starts) {
      if (ascii_lower(c) == first) return true;
      starts = false;
    }
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

// The compounds of qui and quis are words of their own, not forms of the
// plain pronoun: the compound rule names them.
bool is_compound(const UniqueRecord& r) { return r.speech == pos::pron && r.which == 1; }

}  // namespace

std::vector<std::int32_t> unique_entry_lines(std::span<const UniqueRecord> uniques,
                                             std::span<const DictEntry> entries,
                                             std::span<const MeaningLine> meanings) {
  std::vector<std::int32_t> out(uniques.size(), -1);
  struct Best {
    int score = 0;
    int rank = 0;  // smaller is better: variant fit, then rarity
  };
  std::vector<Best> best(uniques.size());
  std::vector<std::vector<std::string>> words(uniques.size());
  for (std::size_t u = 0; u < uniques.size(); ++u) words[u] = meaning_words(uniques[u].meaning_text());
  // The uniques by part of speech and declension, each group with the set of
  // its forms' first letters, so that an entry meets only the forms it may
  // head: a pass of every form of its kind for each entry of the dictionary
  // cost ten times a start-up.
  struct Group {
    std::uint32_t letters = 0;
    std::vector<std::size_t> forms;
  };
  std::vector<Group> groups(1);  // 0: no form of that kind
  std::vector<std::uint8_t> group_of(32 * 256, 0);
  auto kind_of = [](Code speech, Code which) { return (speech & 0x1Fu) << 8 | which; };
  for (std::size_t u = 0; u < uniques.size(); ++u) {
    const UniqueRecord& r = uniques[u];
    if (is_compound(r) || r.latin_text().empty() || r.speech > 0x1F) continue;
    std::uint8_t& g = group_of[kind_of(r.speech, r.which)];
    if (g == 0) {
      if (groups.size() == 256) continue;
      g = static_cast<std::uint8_t>(groups.size());
      groups.emplace_back();
    }
    groups[g].letters |= letter_bit(r.latin_text()[0]);
    groups[g].forms.push_back(u);
  }
  for (const DictEntry& e : entries) {
    const Group& group = groups[group_of[kind_of(entry_speech(e), e.which)]];
    if (group.forms.empty()) continue;
    const auto m = e.meaning_index.get();
    if (m < 0 || static_cast<std::size_t>(m) >= meanings.size()) continue;
    const MeaningLine& line = meanings[static_cast<std::size_t>(m)];
    const std::uint32_t initials = part_initials(line);
    if ((initials & group.letters) == 0) continue;
    std::optional<RunWords> entry_words;
    for (std::size_t u : group.forms) {
      const UniqueRecord& r = uniques[u];
      const char first = ascii_lower(r.latin_text()[0]);
      if ((initials & letter_bit(first)) == 0) continue;
      if (!is_ascii_lower(first) && !begins_like_a_part(first, line.latin_text())) continue;
      if (e.variant != r.variant && e.variant != 0 && r.variant != 0) continue;
      if (!entry_words) entry_words.emplace(line.english_text());
      // Most of the form's meaning must be the entry's: one shared word of a
      // long meaning is chance (agantur is no form of accipio).
      const int score = shared(words[u], *entry_words);
      if (2 * static_cast<std::size_t>(score) < words[u].size()) continue;
      const int rank = (e.variant == r.variant ? 0 : 16) + e.rarity();
      if (score == 0 || score < best[u].score || (score == best[u].score && rank >= best[u].rank))
        continue;
      best[u] = {score, rank};
      out[u] = m;
    }
  }
  return out;
}

std::vector<std::string> unique_citations(const Lexicon& lexicon) {
  const auto uniques = lexicon.uniques();
  const auto meanings = lexicon.meanings();
  std::vector<std::int32_t> found;
  std::span<const LeI32> stored = lexicon.unique_lines();
  if (stored.size() != uniques.size())
    found = unique_entry_lines(uniques, lexicon.entries(), meanings);
  std::vector<std::string> out(uniques.size());
  for (std::size_t u = 0; u < uniques.size(); ++u) {
    const std::int32_t m = found.empty() ? stored[u].get() : found[u];
    if (is_compound(uniques[u]))
      out[u] = compound_headword(uniques[u].latin_text());
    else if (m >= 0 && static_cast<std::size_t>(m) < meanings.size())
      out[u] = std::string(meanings[static_cast<std::size_t>(m)].latin_text());
  }
  return out;
}

}  // namespace kelvo::analysis
