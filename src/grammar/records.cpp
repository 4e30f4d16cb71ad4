#include "grammar/records.h"

#include <cstring>
#include <string>

namespace kelvo::grammar {

void set_analysis_meaning(WordAnalysis& a, std::string_view text) {
  if (text.size() <= 24) {
    set_field(a.meaning, text);
    return;
  }
  char cut[25];
  std::memcpy(cut, text.data(), 24);
  cut[24] = '*';
  set_field(a.meaning, std::string_view(cut, sizeof cut));
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

namespace kelvo::grammar {

Code WordAnalysis::joining_mark() const {
  return is_adverb(speech) || speech == pos::conj || speech == pos::tackon ? b7 : 0;
}
void WordAnalysis::set_conjunction_like(bool on) {
  if (is_adverb(speech)) b7 = on ? 1 : 0;
}
void WordAnalysis::make_coordination_marker(Code conjunct_case) {
  if (coordination_marker()) return;
  if (is_adverb(speech)) b8 = b7;  // kept for the undo
  b6 = speech;
  b7 = 2;
  b3 = conjunct_case;
  speech = pos::tackon;
}
void WordAnalysis::undo_coordination_marker() {
  if (!coordination_marker()) return;
  speech = b6;
  b6 = 0;
  b7 = is_adverb(speech) ? b8 : 0;
  set_link(0, -1);
  set_link(1, -1);
}
void WordAnalysis::set_numeral_before_date(bool before) {
  if (speech == pos::num) b7 = before ? 1 : 0;
}
void WordAnalysis::clear_quis_clause() {
  if (quis_clause()) b8 = 0;
}

void WordAnalysis::set_grammatical_case(Code c) {
  if (is_nominal(speech) || (speech == pos::tackon && !tackon_with_tense(*this)))
    b3 = c;
  else if (speech == pos::prep)
    b1 = c;
}
void WordAnalysis::set_number(Code c) {
  if (is_nominal(speech))
    b4 = c;
  else if (speech == pos::verb)
    b7 = c;
}
void WordAnalysis::set_gender(Code c) {
  if (is_nominal(speech)) b5 = c;
}
void WordAnalysis::set_comparison(Code c) {
  if (is_adjective_like(speech))
    b6 = c;
  else if (is_adverb(speech))
    stem_key = c;
}
void WordAnalysis::set_tense(Code c) {
  if (speech == pos::verb || tackon_with_tense(*this))
    b3 = c;
  else if (speech == pos::vpar)
    b6 = c;
}
void WordAnalysis::set_voice(Code c) {
  if (speech == pos::verb)
    b4 = c;
  else if (speech == pos::vpar)
    b7 = c;
}
void WordAnalysis::set_mood(Code c) {
  if (speech == pos::verb)
    b5 = c;
  else if (speech == pos::vpar)
    b8 = c;
}
void WordAnalysis::set_person(Code c) {
  if (speech == pos::verb) b6 = c;
}
void WordAnalysis::set_noun_kind(Code c) {
  if (speech == pos::noun) b2 = c;
}
void WordAnalysis::set_verb_kind(Code c) {
  if (speech == pos::verb || speech == pos::vpar) b2 = c;
}
void WordAnalysis::set_numeral_sort(Code c) {
  if (speech == pos::num) b6 = c;
}
void WordAnalysis::set_punctuation(Code c) {
  if (speech == pos::punct) b1 = c;
}

}  // namespace kelvo::grammar
