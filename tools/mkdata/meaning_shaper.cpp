#include "mkdata/meaning_shaper.h"

#include <algorithm>
#include <array>

#include "base/text.h"
#include "mkdata/whitaker_reader.h"

namespace kelvo::mkdata {

namespace {

// Removes (...) and [...] with their contents; a stray closer is dropped, an
// opener never closed drops the rest.
std::string drop_brackets(std::string_view s) {
  std::string out;
  int depth = 0;
  for (char c : s) {
    if (c == '(' || c == '[') {
      ++depth;
      out.push_back(' ');
    } else if (c == ')' || c == ']') {
      if (depth > 0) --depth;
    } else if (depth == 0) {
      out.push_back(c);
    }
  }
  return out;
}

std::string collapse_blanks(std::string_view s) {
  std::string out;
  for (std::string_view w : split_words(s)) {
    if (!out.empty()) out.push_back(' ');
    out.append(w);
  }
  return out;
}

bool starts_with(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }

bool is_area_tag(std::string_view alt) {
  return alt.size() >= 2 && is_ascii_upper(alt[0]) && alt[1] == ':';
}

// Cross-references and abbreviation notes carry nothing to render.
bool is_reference(std::string_view alt) {
  if (alt.find("abb.") != std::string_view::npos) return true;
  // The verb "see" ("see, look at", "see through") against a cross-reference
  // ("see CONSIDO", "see also ..."): Whitaker's own references are all in
  // brackets, so outside them "see" is nearly always the verb.
  if (starts_with(alt, "see") &&
      (alt.size() == 3 || (alt[3] == ' ' && alt.size() > 4 && is_ascii_lower(alt[4]) &&
                           !starts_with(alt, "see also"))))
    return false;
  for (std::string_view p : {"cf.", "cf ", "see ", "also see", "v.", "=", "?"})
    if (starts_with(alt, p) || alt == trim(p)) return true;
  for (std::string_view w : {"rare", "pl.", "sg.", "pl", "sg", "L+S", "OLD", "Ecc"})
    if (alt == w) return true;
  bool any_letter = false;
  for (char c : alt) any_letter = any_letter || is_ascii_letter(c);
  return !any_letter && alt != "!";
}

// Usage notes ("w/ABL ...", "esp. ...") are kept but rank after plain renderings.
bool is_note(std::string_view alt) {
  for (std::string_view p : {"w/", "esp.", "usu.", "usually ", "also ", "i.e.", "e.g.", "~",
                             "in phrase", "phrase ", "as in ", "sc.", "with ", "w "})
    if (starts_with(alt, p)) return true;
  return alt.find('~') != std::string_view::npos || alt.back() == '-' || alt.front() == '-';
}

// "good/moral/honest woman" -> "good woman", "moral woman", "honest woman";
// "of/pertaining to X" -> "of X", "pertaining to X".
void expand_slashes(const std::string& alt, std::vector<std::string>& out, int depth) {
  std::vector<std::string_view> words = split_words(alt);
  std::size_t at = words.size();
  for (std::size_t i = 0; i < words.size(); ++i) {
    std::string_view w = words[i];
    bool has_digit = std::any_of(w.begin(), w.end(), is_ascii_digit);
    if (w.find('/') != std::string_view::npos && w.front() != '/' && w.back() != '/' &&
        !starts_with(w, "w/") && !has_digit) {
      at = i;
      break;
    }
  }
  if (at == words.size() || depth > 3) {
    out.push_back(alt);
    return;
  }
  std::string_view token = words[at];
  // "of Gaul/the Gauls": an option that opens a phrase ends the options before
  // it at the slash, and it alone takes the words that follow.
  std::vector<std::string_view> options;
  for (std::size_t b = 0; b <= token.size();) {
    std::size_t slash = token.find('/', b);
    options.push_back(token.substr(b, slash == std::string_view::npos ? std::string_view::npos
                                                                     : slash - b));
    if (slash == std::string_view::npos) break;
    b = slash + 1;
  }
  static constexpr std::array<std::string_view, 10> kOpeners{
      "the", "a", "an", "his", "her", "its", "their", "my", "your", "our"};
  // "fall down/in ruin": a preposition after a slash opens a phrase too, when
  // an option before it is no preposition ("at/upon the door" shares its noun).
  static constexpr std::array<std::string_view, 10> kPrepositions{
      "to", "from", "in", "into", "on", "upon", "at", "with", "by", "for"};
  auto is_preposition = [](std::string_view w) {
    return std::find(kPrepositions.begin(), kPrepositions.end(), w) != kPrepositions.end();
  };
  for (std::size_t i = 1; i < options.size(); ++i) {
    const bool opener = std::find(kOpeners.begin(), kOpeners.end(), options[i]) != kOpeners.end();
    const bool phrase = is_preposition(options[i]) && at + 1 < words.size() &&
                        std::any_of(options.begin(), options.begin() + static_cast<long>(i),
                                    [&](std::string_view o) { return !o.empty() && !is_preposition(o); });
    if (!opener && !phrase) continue;
    std::string head;
    for (std::size_t k = 0; k < at; ++k) head.append(words[k]).push_back(' ');
    for (std::size_t k = 0; k < i; ++k)
      if (!options[k].empty()) out.push_back(head + std::string(options[k]));
    // A new preposition's phrase stands in for the one the head ends with:
    // "fall to ground/from height" is "fall to ground", "fall from height".
    std::size_t keep = at;
    if (phrase)
      for (std::size_t k = at; k-- > 0;)
        if (is_preposition(words[k])) {
          keep = k;
          break;
        }
    std::string rest;
    for (std::size_t k = 0; k < keep; ++k) rest.append(words[k]).push_back(' ');
    for (std::size_t k = i; k < options.size(); ++k) {
      rest.append(options[k]);
      rest.push_back(k + 1 < options.size() ? '/' : ' ');
    }
    for (std::size_t k = at + 1; k < words.size(); ++k) rest.append(words[k]).push_back(' ');
    expand_slashes(std::string(trim(rest)), out, depth + 1);
    return;
  }
  std::size_t start = 0;
  while (start <= token.size()) {
    std::size_t slash = token.find('/', start);
    std::string_view option =
        token.substr(start, slash == std::string_view::npos ? std::string_view::npos : slash - start);
    std::size_t after = at + 1;
    if (option == "of" && after < words.size() &&
        (words[after] == "to" || words[after] == "with"))
      ++after;
    std::string r;
    auto add = [&](std::string_view w) {
      if (w.empty()) return;
      if (!r.empty()) r.push_back(' ');
      r.append(w);
    };
    for (std::size_t i = 0; i < at; ++i) add(words[i]);
    add(option);
    for (std::size_t i = after; i < words.size(); ++i) add(words[i]);
    if (!option.empty()) expand_slashes(r, out, depth + 1);
    if (slash == std::string_view::npos) break;
    start = slash + 1;
  }
}

// Cleans one alternative: "X => Y" keeps Y, "-que = and" keeps "and",
// a tackon's leading dash and a trailing query mark go.
std::string clean_alternative(std::string_view raw) {
  std::string alt = collapse_blanks(raw);
  std::size_t arrow = alt.rfind("=>");
  if (arrow != std::string::npos) alt = collapse_blanks(std::string_view(alt).substr(arrow + 2));
  std::size_t eq = alt.find(" = ");
  if (eq != std::string::npos && alt.find(' ') == eq)
    alt = collapse_blanks(std::string_view(alt).substr(eq + 3));
  while (!alt.empty() && (alt.back() == '?' || alt.back() == '.' || alt.back() == ':') &&
         !(alt.size() >= 4 && alt.substr(alt.size() - 4) == "abb.") && !is_area_tag(alt))
    alt.pop_back();
  while (!alt.empty() && alt.front() == '-' && alt.size() > 1 && is_ascii_letter(alt[1]))
    alt.erase(0, 1);
  return std::string(trim(alt));
}

}  // namespace

namespace {

std::vector<std::string> alternatives(std::string_view raw) {
  std::string text = drop_brackets(raw);
  for (char& c : text)
    if (c == '|' || c == ',') c = ';';
  // "behold! see! look!": cries in a row are alternatives, each keeping its "!".
  for (std::size_t at = text.find("! "); at != std::string::npos; at = text.find("! ", at + 2))
    text[at + 1] = ';';
  std::vector<std::string> plain, notes, tagged;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t semi = text.find(';', start);
    std::string_view piece(text.data() + start,
                           (semi == std::string::npos ? text.size() : semi) - start);
    std::string alt = clean_alternative(piece);
    if (!alt.empty() && !is_reference(alt)) {
      std::vector<std::string>& bucket =
          is_area_tag(alt) ? tagged : (is_note(alt) ? notes : plain);
      std::vector<std::string> expanded;
      if (is_area_tag(alt)) expanded.push_back(alt);
      else expand_slashes(alt, expanded, 0);
      for (std::string& e : expanded) {
        e = clean_alternative(e);
        if (!e.empty()) bucket.push_back(std::move(e));
      }
    }
    if (semi == std::string::npos) break;
    start = semi + 1;
  }
  std::vector<std::string> all;
  for (auto* group : {&plain, &notes, &tagged})
    for (std::string& a : *group)
      if (std::find(all.begin(), all.end(), a) == all.end()) all.push_back(std::move(a));
  return all;
}

}  // namespace

std::vector<std::string> meaning_alternatives(std::string_view raw) { return alternatives(raw); }

namespace {

std::string cut_at_blank(std::string text, std::size_t limit) {
  if (text.size() > limit) {
    std::size_t cut = text.rfind(' ', limit);
    text.resize(cut == std::string::npos || cut == 0 ? limit : cut);
  }
  return std::string(trim(text));
}

std::string join_within(const std::vector<std::string>& alternatives, std::size_t limit) {
  std::string out;
  for (const std::string& alt : alternatives) {
    std::size_t need = out.empty() ? alt.size() : out.size() + 1 + alt.size();
    if (need > limit) {
      // One long rendering: cut it at the last blank that fits.
      if (out.empty()) out = cut_at_blank(alt, limit);
      break;
    }
    if (!out.empty()) out.push_back('/');
    out += alt;
  }
  return out;
}

}  // namespace

std::string shape_meaning(std::string_view raw, std::size_t limit) {
  std::string out = join_within(meaning_alternatives(raw), limit);
  if (!out.empty()) return out;
  // Whitaker gave only bracketed notes: their words are better than nothing.
  std::string open(raw);
  for (char& c : open)
    if (c == '(' || c == ')' || c == '[' || c == ']') c = ' ';
  out = join_within(meaning_alternatives(open), limit);
  if (!out.empty()) return out;
  for (char& c : open)
    if (c == '|') c = ' ';
  return cut_at_blank(collapse_blanks(open), limit);
}

}  // namespace kelvo::mkdata
