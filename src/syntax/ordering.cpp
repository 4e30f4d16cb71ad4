#include "syntax/ordering.h"

#include <algorithm>

namespace kelvo::syntax {

using namespace grammar;

namespace {

constexpr int kCaseWeight[8] = {0, 5, 45, 40, 50, 35, 30, 25};
constexpr int kVoiceWeight[8] = {0, 5, 15, 40, 30, 50, 50, 50};
constexpr int kGenderWeight[8] = {5, 3, 2, 1, 4, 0, 0, 0};

int weight(const int (&table)[8], Code c) { return c < 8 ? table[c] : 0; }

// A small bonus by part of speech: a noun reading is the likelier.
int speech_bonus(const WordAnalysis& a) {
  int bonus = 0;
  switch (a.speech) {
    case pos::noun: bonus = 8; break;
    case pos::adj:
    case pos::punct: bonus = 5; break;
    case pos::num: bonus = 6; break;
    case pos::verb:
    case pos::vpar: bonus = 4; break;
    case pos::pron:
    case pos::prep:
    case pos::conj: bonus = 2; break;
    default: break;
  }
  bonus &= 0x0F;
  if ((bonus == 2 && a.entry_kind() == 1) || a.entry_kind() == 2) --bonus;
  return bonus;
}

// Sorts records [start, end) by key, ties in place: the order is worked out
// on indexes and the records moved once.
void sort_run(text::SentenceWords& words, SyntaxScratch& scratch,
              const std::array<int, text::kMaxAnalyses>& key, int start, int end) {
  // Only [0, n) of each is read: left unset past it (a sentence's worth of
  // zeros a run would cost more than the sort).
  std::array<std::int16_t, text::kMaxAnalyses> order;
  const auto n = static_cast<std::size_t>(end - start);
  for (std::size_t k = 0; k < n; ++k) order[k] = static_cast<std::int16_t>(start + static_cast<int>(k));
  std::stable_sort(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(n),
                   [&](std::int16_t x, std::int16_t y) {
                     return key[static_cast<std::size_t>(x)] < key[static_cast<std::size_t>(y)];
                   });
  auto& buffer = scratch.sort_buffer;
  std::array<std::int16_t, text::kMaxAnalyses> token, candidate;
  for (std::size_t k = 0; k < n; ++k) {
    const auto from = static_cast<std::size_t>(order[k]);
    buffer[k] = words.analysis(order[k]);
    token[k] = scratch.origin_token[from];
    candidate[k] = scratch.origin_candidate[from];
  }
  for (std::size_t k = 0; k < n; ++k) {
    const auto to = static_cast<std::size_t>(start) + k;
    words.analysis(static_cast<int>(to)) = buffer[k];
    scratch.origin_token[to] = token[k];
    scratch.origin_candidate[to] = candidate[k];
  }
}

}  // namespace

int ordering_score(const WordAnalysis& a, const TranslationOptions& options, char area) {
  int f = a.rarity;
  const int age = a.age;
  char letter = area_letter(a.area);
  if (letter == '-' && f == 15) {
    letter = 'Z';
  } else if (area == kBotanyAreaLetter && (letter == 'Z' || letter == 'S' || letter == 'T')) {
    f = 0;
  } else if (options.age == Age::all) {
    if (options.neolatin_meanings && age > 6)
      f = 0;
    else if (f == 15)
      f = 3;
  } else if (options.age == Age::medieval) {
    if (options.medieval_meanings && age == 6) f = 0;
  }
  const int w = (f != 10 && area != 0 && letter == area) ? 5 * f : 100 * f;
  if (a.speech == pos::verb) {
    int base = w + weight(kVoiceWeight, a.voice()) - speech_bonus(a);
    return 100 * base + 5 * age + 25 + 2 * a.tense() + a.mood();
  }
  int base = w + weight(kCaseWeight, a.grammatical_case()) - speech_bonus(a);
  return 100 * base + 5 * age + 25 - 2 * weight(kGenderWeight, a.gender()) + a.number();
}

void order_candidates(text::SentenceWords& words, SyntaxScratch& scratch,
                      const TranslationOptions& options, char area) {
  std::array<int, text::kMaxAnalyses> key;  // [0, count) set below
  const int n = scratch.count;
  for (int i = 0; i < n; ++i)
    key[static_cast<std::size_t>(i)] = ordering_score(words.analysis(i), options, area);
  int start = 0;
  while (start < n) {
    int end = start + 1;
    const int p = words.analysis(start).position.get();
    bool sorted = true;
    while (end < n && words.analysis(end).position.get() == p) {
      sorted = sorted && key[static_cast<std::size_t>(end - 1)] <= key[static_cast<std::size_t>(end)];
      ++end;
    }
    if (!sorted) sort_run(words, scratch, key, start, end);
    start = end;
  }
}

}  // namespace kelvo::syntax
