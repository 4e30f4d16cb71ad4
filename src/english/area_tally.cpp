#include "english/area_tally.h"

#include <array>
#include <cstdio>

namespace kelvo::english {

namespace {

constexpr int kAreas = 14;
constexpr std::array<char, kAreas> kLetters{'-', '-', 'B', 'D', 'E', 'G', 'L',
                                            'G', 'S', 'S', 'W', 'D', 'B', 'H'};
constexpr std::array<const char*, kAreas> kNames{
    "General", "General", "Biological",   "Theatre+", "Ecclesiastical", "Grammatical", "Legal",
    "",        "Scientific+", "",         "Military", "",               "Biological+", "Horticultural"};

}  // namespace

char tally_letter(int area_code) {
  return area_code >= 0 && area_code < kAreas ? kLetters[static_cast<std::size_t>(area_code)] : '-';
}

int tally_counter(char letter) {
  switch (letter) {
    case 'B': return 2;
    case 'D': return 3;
    case 'E': return 4;
    case 'G': return 5;
    case 'L': return 6;
    case 'S': return 8;
    case 'W': return 10;
    case 'H': return 13;
    default: return 0;
  }
}

bool tally_sentence(text::AreaState& area, std::span<const int> area_codes) {
  std::array<int, kAreas> count{};
  for (int code : area_codes)
    if (code >= 0 && code < kAreas) ++count[static_cast<std::size_t>(code)];
  int leader = -1, most = 0;
  for (int a = 1; a < kAreas; ++a) {
    const int c = count[static_cast<std::size_t>(a)];
    if (c > most + 2) {
      leader = a;
      most = c;
    } else if (c > most - 2) {
      leader = -1;  // a close second: no clear leader
    }
  }
  bool rerun = false;
  if (leader < 0) {
    if (++area.unclear_sentences > kUnclearSentenceLimit) {
      area.current_area = 0;
      area.unclear_sentences = 0;
    }
  } else {
    const char letter = kLetters[static_cast<std::size_t>(leader)];
    const char current = area.current_area == 0 ? '-' : area.current_area;
    if (letter != current) {
      if (letter == '-') {
        area.current_area = 0;
      } else {
        area.current_area = letter;
        rerun = true;
      }
    }
  }
  if (!rerun) ++area.tally[static_cast<std::size_t>(tally_counter(area.current_area))];
  return rerun;
}

std::optional<std::string> area_report(const text::AreaState& area) {
  int sum = 0, best = -1, largest = 0;
  for (int a = 0; a < kAreas; ++a) sum += area.tally[static_cast<std::size_t>(a)];
  for (int a = 1; a < kAreas; ++a)
    if (area.tally[static_cast<std::size_t>(a)] > largest) {
      largest = area.tally[static_cast<std::size_t>(a)];
      best = a;
    }
  if (sum == 0 || best < 0) return std::nullopt;
  const double ratio = static_cast<double>(largest) / sum;
  if (!(ratio > 0.4)) return std::nullopt;
  char text[200];
  std::snprintf(text, sizeof text,
                "At least %4.1f %% of sentences were of type %s.\nSuggest you re-translate with "
                "this area selected.",
                ratio * 100.0, kNames[static_cast<std::size_t>(best)]);
  return std::string(text);
}

}  // namespace kelvo::english
