#include "grammar/diphthong_stems.h"

#include <algorithm>
#include <bit>

#include "base/fnv_hash.h"
#include "base/text.h"
#include "grammar/lexicon.h"

namespace kelvo::grammar {

namespace {

// FNV-1a, extended a letter at a time, of a text with its first letter
// lowered; a collision only lets a respelling be analysed that finds nothing.
std::uint64_t hash_step(std::uint64_t h, std::size_t i, char c) {
  return fnv_step(h, static_cast<unsigned char>(i == 0 ? ascii_lower(c) : c));
}
std::uint64_t text_hash(std::string_view s) {
  std::uint64_t h = kFnvStart;
  for (std::size_t i = 0; i < s.size(); ++i) h = hash_step(h, i, s[i]);
  return h;
}

bool holds(const std::vector<std::uint64_t>& slots, std::uint64_t h) {
  h = h == 0 ? 1 : h;
  const std::size_t mask = slots.size() - 1;
  for (std::size_t i = static_cast<std::size_t>(h) & mask;; i = (i + 1) & mask) {
    if (slots[i] == h) return true;
    if (slots[i] == 0) return false;
  }
}

bool is_diphthong(std::string_view s, std::size_t at) {
  return at + 1 < s.size() && (s[at] == 'a' || s[at] == 'o') && s[at + 1] == 'e';
}

}  // namespace

const std::vector<std::uint64_t>& DiphthongStems::holding_stems(const Lexicon& lexicon,
                                                            char letter) const {
  const auto k = static_cast<std::size_t>(letter - 'a');
  std::call_once(letter_once_[k], [&] {
    std::vector<std::uint64_t>& out = letter_stems_[k];
    // The letter's stems and the capitalised ones that begin with it (Iudaeus
    // for iudeus), as the stem search reads both.
    for (const char initial : {letter, static_cast<char>(letter - 'a' + 'A')}) {
      for (const DictEntry& e : lexicon.letter_stems(initial).entries) {
        const std::string_view stem = e.stem_text();
        if (stem.empty()) continue;
        bool holding = stem.back() == 'a' || stem.back() == 'o';  // the "e" may begin the ending
        for (std::size_t p = 0; !holding && p + 1 < stem.size(); ++p) holding = is_diphthong(stem, p);
        if (holding) out.push_back(text_hash(stem));
      }
    }
    // An open-addressed set of a power-of-two size at most half full; 0 marks
    // an empty slot, so a hash of 0 is stored as 1.
    std::vector<std::uint64_t> slots(std::bit_ceil(out.size() * 2 + 2), 0);
    const std::size_t mask = slots.size() - 1;
    for (std::uint64_t h : out) {
      h = h == 0 ? 1 : h;
      std::size_t i = static_cast<std::size_t>(h) & mask;
      while (slots[i] != 0 && slots[i] != h) i = (i + 1) & mask;
      slots[i] = h;
    }
    out = std::move(slots);
  });
  return letter_stems_[k];
}

const std::vector<std::string>& DiphthongStems::endings(const Lexicon& lexicon) const {
  std::call_once(endings_once_, [&] {
    for (const InflectionRecord& r : lexicon.inflections()) {
      const std::string_view e = r.ending_text();
      for (std::size_t p = 0; p + 1 < e.size(); ++p) {
        if (!is_diphthong(e, p)) continue;
        if (std::find(endings_.begin(), endings_.end(), e) == endings_.end()) endings_.emplace_back(e);
        break;
      }
    }
  });
  return endings_;
}

bool DiphthongStems::may_read(const Lexicon& lexicon, std::string_view word, std::size_t at) const {
  if (at + 2 > word.size() || word.empty()) return true;
  const char letter = ascii_lower(word[0]);
  if (letter < 'a' || letter > 'z') return true;
  // The stems the word begins with that reach past the diphthong's "a" or "o".
  const std::vector<std::uint64_t>& known = holding_stems(lexicon, letter);
  std::uint64_t h = kFnvStart;
  for (std::size_t k = 0; k < word.size(); ++k) {
    h = hash_step(h, k, word[k]);
    if (k >= at && holds(known, h)) return true;
  }
  for (const std::string& e : endings(lexicon))
    if (word.ends_with(e) && word.size() - e.size() <= at) return true;
  return false;
}

}  // namespace kelvo::grammar
