#include "grammar/phonetic_key.h"

#include "base/text.h"

namespace kelvo::grammar {

namespace {

bool is_vowel(char c) {
  return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u';
}

// Letters that Latin spellings use interchangeably.
char plain_letter(char c) {
  c = ascii_lower(c);
  switch (c) {
    case 'j': return 'i';
    case 'v': return 'u';
    case 'y': return 'i';
    case 'k': return 'c';
    case 'w': return 'u';
    case 'z': return 's';
    default: return c;
  }
}

}  // namespace

std::string phonetic_key(std::string_view spelling) {
  std::string t;
  t.reserve(spelling.size());
  for (char c : spelling) t.push_back(plain_letter(c));
  const std::size_t n = t.size();
  auto at = [&](std::size_t i) { return i < n ? t[i] : '\0'; };
  std::string k;
  k.reserve(n);
  for (std::size_t i = 0; i < n; ++i) {
    const char c = t[i], next = at(i + 1);
    if ((c == 'a' || c == 'o') && next == 'e') {  // ae, oe: e
      k.push_back('e');
      ++i;
    } else if (c == 'p' && next == 'h') {
      k.push_back('f');
      ++i;
    } else if ((c == 't' || c == 'r') && next == 'h') {
      k.push_back(c);
      ++i;
    } else if (c == 'c' && next == 'h') {
      // Between vowels "ch" stands for "h" (michi, nichil); elsewhere for "c".
      if (!(k.empty() || !is_vowel(k.back())) && is_vowel(at(i + 2))) {
        // dropped, like h
      } else {
        k.push_back('c');
      }
      ++i;
    } else if (c == 'h') {
      // silent
    } else if (c == 'q' && next == 'u') {
      k += "cu";
      ++i;
    } else if (c == 't' && next == 'i' && is_vowel(at(i + 2))) {
      k.push_back('c');  // gratia, gracia
    } else if (c == 'm' && next == 'p' &&
               (at(i + 2) == 's' || at(i + 2) == 't' || at(i + 2) == 'n')) {
      k.push_back('m');  // sumpsi, sumsi; dampnum, damnum
      ++i;
    } else {
      k.push_back(c);
    }
  }
  // Doubled letters sound single.
  std::string key;
  key.reserve(k.size());
  for (char c : k)
    if (key.empty() || key.back() != c) key.push_back(c);
  if (key.size() > kPhoneticKeyLength) key.resize(kPhoneticKeyLength);
  return key;
}

}  // namespace kelvo::grammar
