#include "grammar/records.h"

#include <string>

namespace kelvo::grammar {

void set_analysis_meaning(WordAnalysis& a, std::string_view text) {
  if (text.size() <= 24) {
    set_field(a.meaning, text);
    return;
  }
  std::string cut(text.substr(0, 24));
  cut.push_back('*');
  set_field(a.meaning, cut);
}

char area_letter(int code) {
  static constexpr char kLetters[] = {'-', '-', 'B', 'D', 'E', 'G', 'L', 'G',
                                      'S', 'S', 'W', 'D', 'B', 'H'};
  if (code >= 0 && code < static_cast<int>(sizeof kLetters)) return kLetters[code];
  return '-';
}

namespace {

// Finds the tag of one preferred-area letter; returns its position or npos and
// the area code it gives.
std::size_t find_area_tag(const std::string& text, char letter, int& code) {
  auto find = [&](const char* tag, int c) {
    auto p = text.find(tag);
    if (p != std::string::npos) code = c;
    return p;
  };
  std::size_t p = std::string::npos;
  switch (letter) {
    case 'B':
      if ((p = find("B:", 2)) == std::string::npos && (p = find("C:", 2)) == std::string::npos)
        p = find("A:", 2);
      return p;
    case 'E': return find("E:", 4);
    case 'G':
      if ((p = find("G:", 5)) == std::string::npos) p = find("P:", 5);
      return p;
    case 'H':
      if ((p = find("H:", 13)) == std::string::npos) p = find("Z:", 15);
      return p;
    case 'L': return find("L:", 6);
    case 'M': return find("M:", 15);
    case 'S':
      if ((p = find("S:", 8)) == std::string::npos) p = find("T:", 8);
      return p;
    case 'W': return find("W:", 10);
    case 'Y':
      if ((p = find("Y:", 3)) == std::string::npos) p = find("D:", 3);
      return p;
    case 'D': return find("D:", 3);
    case 'Z':
      if ((p = find("Z:", 15)) == std::string::npos && text.rfind("M:", 0) == 0) {
        code = 15;
        p = 0;
      }
      return p;
    default: return std::string::npos;
  }
}

}  // namespace

void choose_area_section(std::string& meaning, char preferred, int age_code, int& area_code,
                         int& rarity) {
  if (preferred == 0 || preferred == area_letter(area_code)) return;
  int code = area_code;
  std::size_t p = find_area_tag(meaning, preferred, code);
  if (p == std::string::npos) {
    char fallback = age_code == 6 ? 'M' : (age_code == 7 || age_code == 8) ? 'H' : 0;
    if (fallback) p = find_area_tag(meaning, fallback, code);
  }
  if (p != std::string::npos) {
    meaning.erase(0, p + 2);
    area_code = code;
    rarity = 1;
  }
  for (std::size_t i = 1; i < meaning.size();) {
    char prev = meaning[i - 1];
    if (meaning[i] == ':' && (prev == 'B' || prev == 'L' || prev == 'W')) {
      meaning.erase(i, 1);
    } else {
      ++i;
    }
  }
  if (meaning.rfind("M:", 0) == 0 || meaning.rfind("Z:", 0) == 0) meaning.erase(0, 2);
}

}  // namespace kelvo::grammar
