#include "analysis/word_report.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "grammar/codes.h"

namespace kelvo::analysis {

using namespace grammar;

namespace {

// The public enumerators keep the values of the codes the printers name.
template <typename Enum>
Code code(Enum e) {
  return static_cast<Code>(e);
}

void print_nominal(std::string& out, const Reading& r) {
  print_case(out, code(r.grammatical_case));
  print_number(out, code(r.number));
  print_gender(out, code(r.gender));
}

// The attributes in the order the report gives them for each part of speech.
void print_attributes(std::string& out, const Reading& r) {
  using P = PartOfSpeech;
  switch (r.part_of_speech) {
    case P::none: case P::interjection: case P::prefix: case P::suffix:
    case P::removed: case P::uninflected: case P::struck_out:
      break;
    case P::noun:
      print_noun_kind(out, code(r.noun_kind));
      print_nominal(out, r);
      break;
    case P::supine:
      print_nominal(out, r);
      break;
    case P::pronoun:
      print_pronoun_kind(out, code(r.pronoun_kind));
      print_nominal(out, r);
      if (r.quis_clause) out += "quis-clause ";
      break;
    case P::pronoun_pack:
      print_pronoun_kind(out, code(r.pronoun_kind));
      break;
    case P::adjective:
    case P::substantive_adjective:
      print_nominal(out, r);
      print_comparison(out, code(r.comparison));
      print_complement(out, code(r.complement));
      break;
    case P::conjunction:
      print_complement(out, code(r.complement));
      break;
    case P::numeral:
      print_nominal(out, r);
      print_numeral_sort(out, code(r.numeral_sort));
      break;
    case P::adverb:
    case P::conjunctive_adverb:
      print_comparison(out, code(r.comparison));
      print_complement(out, code(r.complement));
      if (r.conjunction_like) out += "conj-like ";
      break;
    case P::verb:
      print_tense(out, code(r.tense));
      print_voice(out, code(r.voice));
      print_mood(out, code(r.mood));
      if (r.person != 0) {
        out += std::to_string(r.person);
        out += "   ";
      }
      print_number(out, code(r.number));
      print_verb_kind(out, code(r.verb_kind));
      print_complement(out, code(r.complement));
      break;
    case P::participle:
      print_nominal(out, r);
      print_tense(out, code(r.tense));
      print_voice(out, code(r.voice));
      print_mood(out, code(r.mood));
      print_verb_kind(out, code(r.verb_kind));
      print_complement(out, code(r.complement));
      break;
    case P::preposition:
      print_case(out, code(r.grammatical_case));
      break;
    case P::tackon:
      // A tackon carries a case, or the tense of the verb form it marks.
      print_tense(out, code(r.tense));
      print_case(out, code(r.grammatical_case));
      break;
    case P::punctuation: {
      const int c = r.punctuation != 0 ? punctuation_code(r.punctuation) : -1;
      print_punctuation(out, static_cast<Code>(c >= 0 ? c : kPunctuationCount));
      break;
    }
    default:
      out = "No speechtype found.";
      break;
  }
}

}  // namespace

std::string describe_reading(const Reading& r, bool easy_latin) {
  std::string out;
  out.reserve(120);
  const Code speech = code(r.part_of_speech);
  // Easy Latin shows a rare word struck out by grammar as merely uncommon.
  const Code shown = (easy_latin && speech == pos::deleted && r.rarity == 90) ? pos::uncommon
                                                                             : speech;
  if (!print_speech(out, shown)) {
    int which = r.declension, variant = r.variant;
    // The stored 3 4 pair is the fourth conjugation.
    const bool verbal =
        r.part_of_speech == PartOfSpeech::verb || r.part_of_speech == PartOfSpeech::participle;
    if (verbal && which == 3 && variant == 4) {
      which = 4;
      variant = 1;
    }
    out += ' ';
    out += static_cast<char>('0' + which);
    out += ' ';
    out += static_cast<char>('0' + variant);
    out += "  ";
  } else {
    out += "  ";
  }
  print_attributes(out, r);
  if (r.part_of_speech != PartOfSpeech::tackon && r.part_of_speech != PartOfSpeech::punctuation) {
    char age[16];
    out += static_cast<char>(64 + r.rarity);
    out += ':';
    out.append(age, static_cast<std::size_t>(std::to_chars(age, age + sizeof age, r.age).ptr - age));
    out += ' ';
  }
  return out;
}

std::string list_readings(std::span<const Reading> readings, bool easy_latin) {
  std::string out;
  std::vector<std::string> listed;  // a reading that would list as one before it is left out
  for (const Reading& r : readings) {
    if (r.part_of_speech == PartOfSpeech::punctuation) continue;
    std::string block = r.form;
    block += " - ";
    // A reading made by rule has no principal parts: its meaning stands there.
    const bool no_parts = r.citation.empty() && r.entry == EntrySource::built_in;
    block += no_parts ? r.meaning : r.citation;
    block += '\n';
    block += r.meaning;
    block += '\n';
    block += describe_reading(r, easy_latin);
    block += "\n\n";
    if (std::find(listed.begin(), listed.end(), block) != listed.end()) continue;
    out += block;
    listed.push_back(std::move(block));
  }
  return out;
}

}  // namespace kelvo::analysis
