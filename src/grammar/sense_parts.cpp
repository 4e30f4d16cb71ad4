#include "grammar/sense_parts.h"

#include <array>

namespace kelvo::grammar {

namespace {

constexpr std::array<std::string_view, 20> kOpeners{
    "of", "in", "for", "on", "with", "from", "to", "at", "by", "into", "upon", "as", "who",
    "which", "that", "under", "over", "between", "without", "among"};
constexpr std::array<std::string_view, 22> kParticles{
    "up", "down", "in", "out", "on", "off", "away", "back", "at", "over", "forth", "about",
    "through", "upon", "into", "together", "apart", "aside", "around", "across", "after", "by"};

bool is_word_char(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '\'' || c == '-';
}

// The words of the sense as [begin, end) pairs, at most `max`.
template <std::size_t Max>
std::size_t words_of(std::string_view s, std::array<std::pair<std::size_t, std::size_t>, Max>& out) {
  std::size_t n = 0, i = 0;
  while (i < s.size() && n < Max) {
    while (i < s.size() && s[i] == ' ') ++i;
    std::size_t b = i;
    while (i < s.size() && s[i] != ' ') ++i;
    if (i > b) out[n++] = {b, i};
  }
  return n;
}

bool alphabetic(std::string_view w) {
  if (w.empty()) return false;
  for (char c : w)
    if (!is_word_char(c)) return false;
  return true;
}

}  // namespace

bool is_phrase_opener(std::string_view word) {
  for (auto o : kOpeners)
    if (word == o) return true;
  return false;
}

bool is_verb_particle(std::string_view word) {
  for (auto p : kParticles)
    if (word == p) return true;
  return false;
}

SenseParts find_sense_parts(std::string_view sense, Code speech) {
  SenseParts out;
  std::array<std::pair<std::size_t, std::size_t>, 16> w{};
  const std::size_t n = words_of(sense, w);
  if (n == 0) return out;
  auto word = [&](std::size_t k) { return sense.substr(w[k].first, w[k].second - w[k].first); };
  if (speech == pos::verb || speech == pos::vpar) {
    if (!alphabetic(word(0))) return out;
    out.head_begin = w[0].first;
    out.head_length = w[0].second - w[0].first;
    if (n > 1 && is_verb_particle(word(1))) out.particle_length = w[1].second - w[0].second;
    return out;
  }
  if (speech == pos::noun) {
    std::size_t head = n - 1;
    for (std::size_t k = 1; k < n; ++k)
      if (is_phrase_opener(word(k))) {
        head = k - 1;
        break;
      }
    if (!alphabetic(word(head))) return out;
    out.head_begin = w[head].first;
    out.head_length = w[head].second - w[head].first;
  }
  return out;
}

}  // namespace kelvo::grammar
