#include "shell/option_rules.h"

#include <string_view>

#include "grammar/records.h"

namespace kelvo::shell {

bool is_area_letter(char letter) {
  return letter == 0 || std::string_view("BHEGLWMZSD").find(letter) != std::string_view::npos;
}

bool choose_area(TranslationOptions& o, char letter) {
  if (!is_area_letter(letter)) return false;
  if (letter == 'M' && !medieval_meanings_enabled(o)) return false;
  if (letter == 'Z' && !neolatin_meanings_enabled(o)) return false;
  if (letter == grammar::kBotanyAreaLetter && !botany_area_enabled(o)) return false;
  o.area = letter;
  if (letter != 0) o.auto_adjusting = false;
  o.medieval_meanings = letter == 'M';
  o.neolatin_meanings = letter == 'Z';
  return true;
}

void set_auto_adjusting(TranslationOptions& o, bool on) {
  o.auto_adjusting = on;
  if (on) {
    o.area = 0;
    o.medieval_meanings = false;
    o.neolatin_meanings = false;
  }
}

void reset_area_for_run(TranslationOptions& o) {
  if (o.auto_adjusting) o.area = 0;
}

void set_age(TranslationOptions& o, Age age) {
  o.age = age;
  if (age != Age::all) o.botany = false;
}

std::string set_easy_latin(TranslationOptions& o, bool on) {
  o.easy_latin = on;
  if (on) {
    o.age = Age::classical;
    o.medieval_tricks = false;
    o.medieval_phonetics = false;
    o.botany = false;
    return kEasyLatinOnMessage;
  }
  o.medieval_tricks = true;
  return kEasyLatinOffMessage;
}

void refresh_area_flags(TranslationOptions& o, bool botany_loaded) {
  o.medieval_meanings = o.area == 'M';
  if (o.age == Age::all) {
    o.neolatin_meanings = o.area == 'Z';
    if (o.area != 'Z') {
      o.area = 0;
      o.auto_adjusting = false;
    }
  }
  if (!botany_loaded) o.botany = false;
  if (!o.botany && o.area == grammar::kBotanyAreaLetter) o.area = 0;
}

}  // namespace kelvo::shell
