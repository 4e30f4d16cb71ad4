#include "english/final_polish.h"

#include <algorithm>
#include <array>

#include "base/fnv_hash.h"
#include "base/text.h"

namespace kelvo::english {

using grammar::FinalPolishRecord;

namespace {

bool ends_match(char c) { return c == ' ' || c == '\n' || c == '.' || c == ','; }

// The record's text stands at `at`, the word's first letter compared in
// lower case.
bool matches_at(std::string_view m, const std::string& text, std::size_t at) {
  if (m.empty() || at + m.size() >= text.size()) return false;
  if (ascii_lower(text[at]) != m[0]) return false;
  if (std::string_view(text).substr(at + 1, m.size() - 1) != m.substr(1)) return false;
  return ends_match(text[at + m.size()]);
}

std::uint64_t hash_char(std::uint64_t h, char c) {
  return fnv_step(h, static_cast<unsigned char>(c));
}

std::uint64_t text_hash(std::string_view s) {
  std::uint64_t h = kFnvStart;
  for (char c : s) h = hash_char(h, c);
  return h;
}

unsigned char letter_of(const FinalPolishRecord& r) {
  return static_cast<unsigned char>(ascii_lower(r.match[0]));
}

}  // namespace

FinalPolish::FinalPolish(std::span<const FinalPolishRecord> table) : empty_table_(table.empty()) {
  // A word of letter c tries, in order, the records of letter c that come
  // before the first record of a later letter (in a table ordered by first
  // letter, as the builder writes it, all of them). `stop[c]` is that first
  // record; it never falls as c rises.
  std::array<std::size_t, 256> stop{};
  std::size_t assigned = 0;  // letters below this have their stop
  for (std::size_t i = 0; i < table.size(); ++i)
    for (const std::size_t key = letter_of(table[i]); assigned < key; ++assigned) stop[assigned] = i;
  for (; assigned < stop.size(); ++assigned) stop[assigned] = table.size();
  entries_.reserve(table.size());
  for (std::size_t i = 0; i < table.size(); ++i) {
    const FinalPolishRecord& r = table[i];
    const unsigned char c = letter_of(r);
    const std::string_view match = field_view(r.match).substr(0, r.match_length);
    // An empty text never matches; nor does a record a word never reaches.
    if (i >= stop[c] || match.empty()) continue;
    entries_.push_back({match, &r, text_hash(match), kNone, c});
    longest_ = std::max(longest_, match.size());
  }
  std::size_t size = 16;
  while (size < 2 * entries_.size()) size *= 2;
  buckets_.assign(size, kNone);
  // Filled from the last entry, so that each bucket lists its entries in order.
  for (std::size_t k = entries_.size(); k-- > 0;) {
    std::uint32_t& head = buckets_[entries_[k].hash & (size - 1)];
    entries_[k].next = head;
    head = static_cast<std::uint32_t>(k);
  }
}

int FinalPolish::next_match(const std::string& text, std::size_t at, unsigned char letter,
                            int after) const {
  // Every length at which the text could end a match: the text read so far,
  // its first letter in lower case, hashed as an entry's text is.
  std::uint64_t h = hash_char(kFnvStart, ascii_lower(text[at]));
  int best = -1;
  const std::size_t mask = buckets_.size() - 1;
  for (std::size_t n = 1; n <= longest_ && at + n < text.size(); ++n) {
    if (ends_match(text[at + n])) {
      const std::uint64_t key = h;
      for (std::uint32_t k = buckets_[key & mask]; k != kNone; k = entries_[k].next) {
        const auto i = static_cast<int>(k);
        if (best >= 0 && i >= best) break;  // a bucket lists its entries in order
        const Entry& e = entries_[k];
        if (i > after && e.hash == key && e.letter == letter && matches_at(e.match, text, at))
          best = i;
      }
    }
    h = hash_char(h, text[at + n]);
  }
  return best;
}

void FinalPolish::apply(std::string& text) const {
  if (empty_table_) return;
  std::size_t at = 0;
  while (at < text.size() && text[at] != '\n') {
    const bool capital = is_ascii_upper(text[at]);
    const auto letter = static_cast<unsigned char>(ascii_lower(text[at]));
    std::size_t resume = at;
    for (int k = next_match(text, at, letter, -1); k >= 0; k = next_match(text, at, letter, k)) {
      const FinalPolishRecord& r = *entries_[static_cast<std::size_t>(k)].record;
      const std::string_view replacement =
          field_view(r.replacement).substr(0, r.replacement_length);
      text.replace(at, r.match_length, replacement);
      if (replacement.size() == r.match_length) continue;
      resume = at + replacement.size();
      break;
    }
    if (capital && at < text.size() && is_ascii_lower(text[at])) text[at] = ascii_upper(text[at]);
    const std::size_t space = text.find_first_of(" \n", resume);
    if (space == std::string::npos || text[space] == '\n') break;
    at = space + 1;
  }
}

void final_polish(std::span<const FinalPolishRecord> table, std::string& text) {
  FinalPolish(table).apply(text);
}

}  // namespace kelvo::english
