#include "english/standard_phrases.h"

#include <algorithm>

#include "base/text.h"
#include "english/text_edit.h"
#include "english/verb_phrase.h"

namespace kelvo::english {

using namespace grammar;

namespace {

// A sentence word's analysed form as the phrases spell their words: the
// stem-dot-ending notation joined, bracketed extras and digits dropped, lower case.
std::string plain_form(std::string_view form, bool stem_only = false) {
  if (!form.empty() && form[0] == '[') {
    const std::size_t close = form.find(']');
    form = close == std::string_view::npos ? std::string_view() : form.substr(close + 1);
  }
  while (!form.empty() && form[0] == '.') form.remove_prefix(1);
  std::string out;
  for (char c : form) {
    if (c == '.') {
      if (stem_only) break;
      continue;
    }
    if (is_ascii_digit(c)) continue;
    out.push_back(ascii_lower(c));
  }
  return out;
}

bool is_be(const WordAnalysis& a) {
  return a.speech == pos::verb && a.verb_kind() == verb_kind::to_be;
}

// The phrase's remaining words against the positions after `first`, one a
// position; false at the sentence's closing punctuation.
bool rest_matches(const userdata::PhraseEntry& e, const SentenceInput& in, int first) {
  const int n = e.word_count();
  for (int k = 1; k < n; ++k) {
    const int c = in.chosen(first + k);
    if (c < 0) return false;
    const WordAnalysis& a = in.at(c);
    if (a.speech == pos::punct) return false;
    const std::string want = userdata::plain_phrase_word(e.word(k));
    if (want == "esse" && is_be(a)) continue;
    if (plain_form(a.latin_text()) != want) return false;
  }
  return true;
}

// The English of a matched phrase for the first position of its run.
std::string phrase_english(const userdata::PhraseEntry& e, const SentenceInput& in, int first,
                           bool& verb) {
  std::string_view english = e.english_text();
  verb = false;
  if (!begins_with(english, "INF") || english.size() < 7) return std::string(english);
  // The number read from the 4th character on, as the phrase file's reader reads it.
  std::size_t d = 3;
  while (d < english.size() && english[d] == ' ') ++d;
  const int named = d < english.size() && is_ascii_digit(english[d]) ? english[d] - '0' : 0;
  const std::size_t to = english.find("to ", 7);
  const int c = in.chosen(first + named - 1);
  if (named < 1 || named > e.word_count() || to == std::string_view::npos || c < 0)
    return std::string(english.substr(std::min(english.size(), to == std::string_view::npos
                                                                    ? english.size()
                                                                    : to)));
  const WordAnalysis& v = in.at(c);
  std::string meaning(english.substr(to + 3));
  if (v.speech != pos::verb) return "to " + meaning;
  verb = true;
  std::string built;
  build_verb_phrase(meaning, v, 1, SubjectFacts{}, built);
  // "/they" alternatives by the verb's number.
  if (std::size_t alt = built.find("/they"); alt != std::string::npos) {
    if (v.number() == number::plur) {
      std::size_t start = built.rfind(' ', alt);
      start = start == std::string::npos ? 0 : start + 1;
      built.erase(start, alt + 1 - start);
    } else {
      built.erase(alt, 5);
    }
  }
  return built;
}

}  // namespace

int match_standard_phrases(const userdata::StandardPhrases& phrases, const SentenceInput& in,
                           text::SentenceWords& words, OutputWords& out) {
  const auto entries = phrases.entries();
  if (entries.empty()) return -1;
  // No sentence word sorting after the last phrase's first word can start one.
  const std::string upper = std::string(entries.back().word(0)) + ".";
  int removals = 0, matched = 0;
  std::array<std::int16_t, kMaxPhraseRemovals> removed{};
  const int n = std::min(out.count, in.positions());
  for (int p = 0; p < n; ++p) {
    const int c = in.chosen(p);
    if (c < 0) continue;
    const WordAnalysis& a = in.at(c);
    if (a.speech == pos::punct || a.speech == pos::deleted_ai) continue;
    if (out.at(p).empty() && p != n - 1) continue;
    if (compare_bytes(to_lower(a.latin_text()), upper) > 0) continue;
    const userdata::PhraseEntry* hit = nullptr;
    for (bool stem_only : {false, true}) {
      const std::string key = plain_form(a.latin_text(), stem_only);
      if (key.empty() || !is_ascii_lower(key[0])) break;
      const auto firsts = phrases.first_words();
      auto it = std::lower_bound(firsts.begin(), firsts.end(), key,
                                 [](const std::string& w, const std::string& k) {
                                   return compare_bytes(w, k) < 0;
                                 });
      for (; it != firsts.end() && *it == key; ++it) {
        const userdata::PhraseEntry& e = entries[static_cast<std::size_t>(it - firsts.begin())];
        if (p + e.word_count() <= n && rest_matches(e, in, p)) {
          hit = &e;
          break;
        }
      }
      if (hit) break;
    }
    if (!hit) continue;
    bool verb = false;
    std::string english = phrase_english(*hit, in, p, verb);
    WordAnalysis& first = words.analysis(c);
    if (verb) {
      first.speech = pos::phrase_verb;
    }
    if (in.options.show_user_phrase) english = "<" + english + ">";
    cut_to(english, kMaxSlotChars);
    out.at(p) = std::move(english);
    ++matched;
    const int len = hit->word_count();
    for (int k = 1; k < len; ++k) {
      if (removals >= kMaxPhraseRemovals) break;  // (the caller hears of it through the count)
      removed[static_cast<std::size_t>(removals++)] = static_cast<std::int16_t>(p + k);
    }
    p += len - 1;
  }
  for (int r = 0; r < removals; ++r) {
    const int q = removed[static_cast<std::size_t>(r)];
    const int c = in.chosen(q);
    if (c >= 0) words.analysis(c).speech = pos::deleted_ai;
    out.at(q).clear();
  }
  return matched;
}

}  // namespace kelvo::english
