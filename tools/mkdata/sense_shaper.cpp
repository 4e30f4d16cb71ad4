#include "mkdata/sense_shaper.h"

#include <algorithm>

#include "base/text.h"
#include "grammar/sense_parts.h"
#include "mkdata/meaning_shaper.h"
#include "mkdata/whitaker_reader.h"

namespace kelvo::mkdata {

using namespace grammar;

namespace {

// Latin grammar, notes and abbreviations that a sentence must never show.
bool has_note(std::string_view alt) {
  for (std::string_view n : {"w/", "~", "...", "etc", "esp.", "usu.", "e.g.", "i.e.", "=", ":",
                             "+", "?", "\"", ".", "/", "(", ")", "[", "]", ";", "!"})
    if (alt.find(n) != std::string_view::npos) return true;
  for (std::string_view w : split_words(alt)) {
    // All-capital words name grammar (PASSIVE, ABL, NOM), not English.
    int upper = 0;
    for (char c : w) upper += is_ascii_upper(c) ? 1 : 0;
    if (upper >= 2 && upper == static_cast<int>(w.size())) return true;
    if (std::any_of(w.begin(), w.end(), is_ascii_digit)) return true;
  }
  return false;
}

std::string drop_leading(std::string s, std::string_view word) {
  if (s.size() > word.size() && s.compare(0, word.size(), word) == 0 && s[word.size()] == ' ')
    s.erase(0, word.size() + 1);
  return s;
}

std::string cut_to_field(std::string s) {
  if (s.size() <= kMaxSenseChars) return s;
  std::size_t cut = s.rfind(' ', kMaxSenseChars);
  s.resize(cut == std::string::npos || cut == 0 ? kMaxSenseChars : cut);
  return s;
}

bool ends_plural(std::string_view w) {
  if (w.size() < 3 || w.back() != 's') return false;
  for (std::string_view e : {"ss", "us", "is", "as", "os", "ys"})
    if (w.substr(w.size() - 2) == e) return false;
  return true;
}

// "rains" -> "rain", "pities" -> "pity": an impersonal's meaning names the
// third person, the phrase builder wants the base form.
void base_form(std::string& alt, const EnglishWords& words) {
  std::size_t end = alt.find(' ');
  if (end == std::string::npos) end = alt.size();
  std::string first = alt.substr(0, end);
  if (first == "is" || first.size() < 3 || first.back() != 's' || words.empty() ||
      words.is_verb(first))
    return;
  std::string base;
  if (first.size() > 3 && first.compare(first.size() - 3, 3, "ies") == 0 &&
      words.is_verb(first.substr(0, first.size() - 3) + "y"))
    base = first.substr(0, first.size() - 3) + "y";
  else if (words.is_verb(first.substr(0, first.size() - 1)))
    base = first.substr(0, first.size() - 1);
  else if (first.size() > 3 && first.compare(first.size() - 2, 2, "es") == 0 &&
           words.is_verb(first.substr(0, first.size() - 2)))
    base = first.substr(0, first.size() - 2);
  if (!base.empty()) alt.replace(0, end, base);
}

// "take or receive in advance": only the head verb is inflected, so the
// sentence would read "had taken or receive"; the first verb takes the words
// after the choice ("take in advance").
std::string first_of_or_choice(std::string alt) {
  const std::vector<std::string_view> w = split_words(alt);
  if (w.size() < 3 || w[1] != "or") return alt;
  std::string out(w[0]);
  for (std::size_t k = 3; k < w.size(); ++k) out.append(" ").append(w[k]);
  return out;
}

struct Candidate {
  std::string text;
  SenseParts parts;
  bool plural = false;
  bool fits = false;  // the head is a word of the right kind
};

Candidate try_alternative(std::string alt, const EntryFacts& e, const EnglishWords& words) {
  Candidate c;
  const bool verb = e.speech == pos::verb;
  if (verb) {
    alt = drop_leading(std::move(alt), "to");
    if (e.impersonal) {
      alt = drop_leading(drop_leading(std::move(alt), "it"), "one");
      base_form(alt, words);
    }
    alt = first_of_or_choice(std::move(alt));
  }
  alt = cut_to_field(std::move(alt));
  c.parts = find_sense_parts(alt, static_cast<Code>(e.speech));
  if (c.parts.head_length > 0 && e.speech == pos::noun) {
    std::string head = alt.substr(c.parts.head_begin, c.parts.head_length);
    std::string lower = to_lower(head);
    std::string single = words.empty() ? std::string() : words.singular(lower);
    if (!single.empty() && !is_ascii_upper(head[0])) {
      alt.replace(c.parts.head_begin, c.parts.head_length, single);
      c.parts = find_sense_parts(alt, pos::noun);
      lower = single;
    } else if (ends_plural(lower) ||
               (is_ascii_upper(head[0]) && lower.size() > 3 && lower.ends_with("ae"))) {
      // "riches"; a people named in the plural ("Germans", "Belgae").
      c.plural = true;
    }
    c.fits = words.empty() || is_ascii_upper(head[0]) || words.is_noun(lower);
  } else if (c.parts.head_length > 0 && verb) {
    std::string head = to_lower(alt.substr(c.parts.head_begin, c.parts.head_length));
    c.fits = words.empty() || head == "be" || words.is_verb(head) ||
             (e.impersonal && head == "is");
  } else {
    c.fits = !alt.empty();
  }
  c.text = std::move(alt);
  return c;
}

}  // namespace

// "create/bring into being/make": a verb whose first sense opens with a
// choice of verbs reads best as the first verb alone, because the words after
// the choice may belong to its last option only.
std::string first_verb_of_choice(std::string_view raw, const EnglishWords& words) {
  std::string_view sense = raw.substr(0, raw.find_first_of(";,("));
  std::size_t slash = sense.find('/');
  if (slash == std::string_view::npos || words.empty()) return {};
  std::string first(trim(sense.substr(0, slash)));
  if (first.empty() || first.find(' ') != std::string::npos || !words.is_verb(first)) return {};
  // One word after the choice ("look/see at", "place/put together") belongs
  // to every option; a longer phrase only to the last.
  std::string_view after = sense.substr(slash);
  std::size_t blank = after.find(' ');
  if (blank == std::string_view::npos) return {};
  std::vector<std::string_view> tail = split_words(after.substr(blank));
  return tail.size() >= 2 ? first : std::string();
}

SenseRecord shape_sense(std::string_view raw_meaning, const EntryFacts& entry,
                        const EnglishWords& words) {
  SenseRecord r{};
  std::vector<std::string> alts = meaning_alternatives(raw_meaning);
  if (entry.speech == pos::verb && !entry.impersonal)
    if (std::string v = first_verb_of_choice(raw_meaning, words); !v.empty())
      alts.insert(alts.begin(), std::move(v));
  Candidate chosen;
  bool have = false;
  for (const std::string& a : alts) {
    if (a.size() >= 2 && is_ascii_upper(a[0]) && a[1] == ':') break;  // area sections come last
    if (has_note(a)) continue;
    Candidate c = try_alternative(a, entry, words);
    if (c.text.empty()) continue;
    if (c.fits) {
      chosen = std::move(c);
      have = true;
      break;
    }
    if (!have && chosen.text.empty()) chosen = std::move(c);
  }
  if (chosen.text.empty()) {
    // Only notes: the shaped meaning's first rendering, with nothing to inflect.
    std::string shaped = shape_meaning(raw_meaning, kMaxSenseChars);
    chosen.text = shaped.substr(0, shaped.find('/'));
    for (char& c : chosen.text)
      if (c == ';' || c == '(' || c == ')' || c == '[' || c == ']' || c == '~') c = ' ';
    chosen.text = std::string(trim(chosen.text));
    chosen.parts = {};
  }
  set_field(r.text, chosen.text);
  const bool inflecting = entry.speech == pos::verb || entry.speech == pos::noun;
  // A head that is no known word is still the best guess the generator has;
  // the flag counts it among the senses that may not inflect.
  r.head_begin = static_cast<Code>(chosen.parts.head_begin);
  r.head_length = static_cast<Code>(chosen.parts.head_length);
  r.particle_length = static_cast<Code>(chosen.parts.particle_length);
  if (inflecting && (!have || chosen.parts.head_length == 0)) r.flags |= kSenseNoHead;
  if (chosen.plural) r.flags |= kSensePlural;
  return r;
}

}  // namespace kelvo::mkdata
