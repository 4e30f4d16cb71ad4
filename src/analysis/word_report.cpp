#include "analysis/word_report.h"

#include <cstdio>

namespace kelvo::analysis {

using namespace grammar;

std::string describe_analysis(const WordAnalysis& a, bool easy_latin) {
  std::string out;
  out.reserve(120);
  Code speech = a.speech;
  Code shown = (easy_latin && speech == 0 && a.rarity == 90) ? pos::uncommon : speech;
  bool no_pair = print_speech(out, shown);
  if (!no_pair) {
    int decl = a.declension.get();
    int hi = (decl >> 4) & 0x0F, lo = decl & 0x0F;
    if ((speech == pos::verb || speech == pos::vpar) && hi == 3 && lo == 4) {
      hi = 4;
      lo = 1;
    }
    char pair[16];
    std::snprintf(pair, sizeof pair, " %c %c  ", '0' + hi, '0' + lo);
    out += pair;
  } else {
    out += "  ";
  }
  switch (speech) {
    case 0: case 12: case 14: case 15: case 64: case 99: case 255:
      break;
    case pos::noun:
      print_noun_kind(out, a.b2);
      print_case(out, a.b3);
      print_number(out, a.b4);
      print_gender(out, a.b5);
      break;
    case pos::supine:
      print_case(out, a.b3);
      print_number(out, a.b4);
      print_gender(out, a.b5);
      break;
    case pos::pron:
      print_pronoun_kind(out, a.b2);
      print_case(out, a.b3);
      print_number(out, a.b4);
      print_gender(out, a.b5);
      if (a.b8 == 8) out += "quis-clause ";
      break;
    case pos::pack:
      print_pronoun_kind(out, a.b2);
      break;
    case pos::adj:
    case pos::sadj:
      print_case(out, a.b3);
      print_number(out, a.b4);
      print_gender(out, a.b5);
      print_comparison(out, a.b6);
      print_complement(out, a.b8);
      break;
    case pos::conj:
      print_complement(out, a.b8);
      break;
    case pos::num:
      print_case(out, a.b3);
      print_number(out, a.b4);
      print_gender(out, a.b5);
      print_numeral_sort(out, a.b6);
      break;
    case pos::adv:
    case pos::adv2:
      print_comparison(out, a.stem_key);
      print_complement(out, a.b8);
      if (a.b7 == 1) out += "conj-like ";
      break;
    case pos::verb:
      print_tense(out, a.b3);
      print_voice(out, a.b4);
      print_mood(out, a.b5);
      if (a.b6 != 0) {
        out += std::to_string(a.b6);
        out += "   ";
      }
      print_number(out, a.b7);
      print_verb_kind(out, a.b2);
      print_complement(out, a.b8);
      break;
    case pos::vpar:
      print_case(out, a.b3);
      print_number(out, a.b4);
      print_gender(out, a.b5);
      print_tense(out, a.b6);
      print_voice(out, a.b7);
      print_mood(out, a.b8);
      print_verb_kind(out, a.b2);
      print_complement(out, a.b1);
      break;
    case pos::prep:
      print_case(out, a.b1);
      break;
    case pos::tackon:
      if (a.b7 == 2 && a.b6 == 7) {
        print_tense(out, a.b3);
      } else {
        print_case(out, a.b3);
      }
      break;
    case pos::punct:
      print_punctuation(out, a.b1);
      break;
    default:
      out = "No speechtype found.";
      break;
  }
  if (speech != pos::tackon && speech != pos::punct) {
    char grade[16];
    std::snprintf(grade, sizeof grade, "%c:%d ", 64 + a.rarity, a.age);
    out += grade;
  }
  return out;
}

}  // namespace kelvo::analysis
