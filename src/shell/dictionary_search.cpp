#include "shell/dictionary_search.h"

#include <algorithm>
#include <cstdio>

#include "base/text.h"
#include "kelvo/engine_data.h"

namespace kelvo::shell {

namespace {

using grammar::DictEntry;
namespace pos = grammar::pos;

std::string grammar_word(const DictEntry& e) {
  switch (e.speech) {
    case pos::noun: return e.byte3 ? std::string(grammar::gender_name(e.byte3)) : std::string();
    case pos::adj:
    case pos::adv:
      return e.byte3 == grammar::comparison::comp    ? "COMP"
             : e.byte3 == grammar::comparison::super ? "SUPER"
                                                     : "";
    case pos::verb:
    case pos::vpar: return e.stem_key == 3 ? "PERF" : "";
    default: return {};
  }
}

// The meaning line of an entry, from the Botany table for Botany records;
// null when the index points past its table.
const grammar::MeaningLine* meaning_of(const grammar::Lexicon& lex, const DictEntry& e) {
  const auto table = e.area() == grammar::kBotanyAreaCode ? lex.botany_meanings() : lex.meanings();
  const auto m = e.meaning_index.get();
  if (m < 0 || static_cast<std::size_t>(m) >= table.size()) return nullptr;
  return &table[static_cast<std::size_t>(m)];
}

// Appends the records whose stem begins with `prefix`; false once the list
// is full and a further record matched.
bool collect(const grammar::Lexicon& lex, std::string_view prefix, const StemSearchOptions& o,
             std::vector<StemHit>& hits) {
  const auto entries = lex.entries();
  auto it = std::lower_bound(entries.begin(), entries.end(), prefix,
                             [](const DictEntry& e, std::string_view p) {
                               return compare_bytes(e.stem_text(), p) < 0;
                             });
  const int age_limit = o.medieval_dictionary ? kMedievalAgeLimit : kStemSearchAgeLimit;
  for (; it != entries.end() && it->stem_text().starts_with(prefix); ++it) {
    if (it->age > age_limit) continue;
    if (it->area() == grammar::kBotanyAreaCode && !o.botany) continue;
    // One entry's stems are often the same (amic- of amica, amicae): one line.
    if (!hits.empty() && hits.back().stem == it->stem_text() &&
        hits.back().meaning_line == it->meaning_index.get() && hits.back().speech == it->speech &&
        hits.back().grammar_word == grammar_word(*it))
      continue;
    if (hits.size() == kMaxStemHits) return false;
    const grammar::MeaningLine* line = meaning_of(lex, *it);
    StemHit h;
    h.meaning_line = it->meaning_index.get();
    h.stem = std::string(it->stem_text());
    h.speech = it->speech;
    h.which = it->which;
    h.variant = it->variant;
    h.grammar_word = grammar_word(*it);
    h.rarity = it->rarity();
    h.age = it->age;
    if (line) {
      h.citation = std::string(line->latin_text());
      h.meaning = std::string(line->english_text());
    }
    h.entry = static_cast<std::size_t>(it - entries.begin());
    hits.push_back(std::move(h));
  }
  return true;
}

// Does `sense` (one of the "/"-separated senses) consist of the word alone,
// or hold it as a whole word?
bool holds_word(std::string_view text, std::string_view word) {
  for (std::size_t at = 0; (at = text.find(word, at)) != std::string_view::npos; ++at) {
    const bool starts = at == 0 || !is_ascii_letter(text[at - 1]);
    const std::size_t end = at + word.size();
    if (starts && (end == text.size() || !is_ascii_letter(text[end]))) return true;
  }
  return false;
}

int rank_of(std::string_view meaning, std::string_view word) {
  const std::string lower = to_lower(meaning);
  std::string_view rest = lower;
  int best = 3;
  for (bool first = true; !rest.empty(); first = false) {
    const std::size_t slash = rest.find('/');
    std::string_view sense = rest.substr(0, slash);
    while (!sense.empty() && sense.front() == ' ') sense.remove_prefix(1);
    while (!sense.empty() && sense.back() == ' ') sense.remove_suffix(1);
    if (sense == word) return first ? 0 : 1;
    if (first && holds_word(sense, word)) best = 2;
    if (slash == std::string_view::npos) break;
    rest.remove_prefix(slash + 1);
  }
  return best;
}

// Words to try for an English query: the word, then its singular.
std::vector<std::string> english_candidates(std::string_view word) {
  const std::string w = to_lower(word);
  std::vector<std::string> out{w};
  if (w.size() > 4 && w.ends_with("ies")) out.push_back(w.substr(0, w.size() - 3) + "y");
  if (w.size() > 3 && w.ends_with("es")) out.push_back(w.substr(0, w.size() - 2));
  if (w.size() > 2 && w.ends_with('s') && !w.ends_with("ss")) out.push_back(w.substr(0, w.size() - 1));
  return out;
}

}  // namespace

StemSearch search_stems(const grammar::Lexicon& lexicon, std::string_view stem,
                        const StemSearchOptions& options) {
  StemSearch out;
  std::string s = latin_spelling(stem);
  if (s.empty()) return out;
  s[0] = ascii_lower(s[0]);
  bool room = collect(lexicon, s, options, out.hits);
  const char upper = ascii_upper(s[0]);
  if (room && upper != s[0]) {
    s[0] = upper;
    room = collect(lexicon, s, options, out.hits);
  }
  out.too_many = !room;
  return out;
}

std::string stem_hit_line(const StemHit& h) {
  // The record's age 20 (the medieval dictionary's own) is shown as 6.
  const int age = h.age == 20 ? 6 : h.age;
  char head[160];
  std::snprintf(head, sizeof head, "%-20s %-5s %d %d %-9s %c:%d ", h.stem.c_str(),
                std::string(grammar::speech_name(h.speech)).c_str(), h.which, h.variant,
                h.grammar_word.c_str(), static_cast<char>(h.rarity + 64), age);
  return head + h.meaning;
}

std::string stem_search_text(const StemSearch& search) {
  if (search.hits.empty()) return kNoStemsFound;
  std::string text;
  for (const auto& h : search.hits) text += stem_hit_line(h) + "\n";
  if (search.too_many) text += "Too many stems found (>" + std::to_string(kMaxStemHits) + ").\n";
  return text;
}

std::vector<EnglishHit> search_english(const grammar::Lexicon& lexicon, std::string_view word) {
  const auto index = lexicon.english_index();
  std::vector<EnglishHit> hits;
  for (const std::string& w : english_candidates(word)) {
    auto it = std::lower_bound(index.begin(), index.end(), w, [](const auto& r, const std::string& k) {
      return compare_bytes(r.word_text(), k) < 0;
    });
    for (; it != index.end() && it->word_text() == w; ++it) {
      const auto& e = lexicon.entries()[static_cast<std::size_t>(it->entry.get())];
      const auto& line = lexicon.meanings()[static_cast<std::size_t>(it->meaning.get())];
      if (std::any_of(hits.begin(), hits.end(),
                      [&](const EnglishHit& o) { return o.meaning_line == it->meaning.get(); }))
        continue;  // found through the plural already
      EnglishHit h;
      h.meaning_line = it->meaning.get();
      h.citation = std::string(line.latin_text());
      h.speech = e.speech;
      h.meaning = std::string(line.english_text());
      h.rarity = e.rarity();
      h.entry = static_cast<std::size_t>(it->entry.get());
      h.rank = rank_of(h.meaning, w);
      hits.push_back(std::move(h));
    }
  }
  std::stable_sort(hits.begin(), hits.end(), [](const EnglishHit& a, const EnglishHit& b) {
    if (a.rank != b.rank) return a.rank < b.rank;
    if (a.rarity != b.rarity) return a.rarity < b.rarity;
    return a.citation < b.citation;
  });
  return hits;
}

StemSearch search_stems(const Engine& engine, std::string_view stem, bool botany,
                        bool medieval_found) {
  return search_stems(engine.data().lexicon, stem,
                      {.medieval_dictionary = medieval_found || has_medieval_dictionary(engine),
                       .botany = botany});
}

std::vector<EnglishHit> search_english(const Engine& engine, std::string_view word) {
  return search_english(engine.data().lexicon, word);
}

bool has_english_index(const Engine& engine) {
  return !engine.data().lexicon.english_index().empty();
}

bool has_medieval_dictionary(const Engine& engine) { return engine.data().medieval_dictionary; }

}  // namespace kelvo::shell
