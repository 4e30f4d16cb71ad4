#include "app/reading_text.h"

#include <algorithm>

#include "grammar/codes.h"

namespace kelvo::app {

namespace {

using grammar::Code;

template <typename E>
Code code(E e) {
  return static_cast<Code>(e);
}

void add(std::string& out, std::string_view name) {
  if (name.empty()) return;
  if (!out.empty()) out += ' ';
  out += name;
}

// The senses of a reading: its own list, else its meaning cut at the
// separators of the dictionary's meaning lines.
std::vector<std::string> senses_of(const Reading& r) {
  if (!r.senses.empty()) return r.senses;
  std::vector<std::string> out;
  std::string piece;
  auto flush = [&] {
    auto b = piece.find_first_not_of(' ');
    auto e = piece.find_last_not_of(' ');
    if (b != std::string::npos) out.push_back(piece.substr(b, e - b + 1));
    piece.clear();
  };
  for (char c : r.meaning) {
    if (c == '/' || c == ';' || c == ',') {
      flush();
    } else {
      piece += c;
    }
  }
  flush();
  return out;
}

bool is_proper_noun(const Reading& r) {
  if (r.part_of_speech != PartOfSpeech::noun || r.meaning.empty()) return false;
  if (!(r.meaning[0] >= 'A' && r.meaning[0] <= 'Z')) return false;
  switch (r.noun_kind) {
    case NounKind::proper:
    case NounKind::person:
    case NounKind::place:
    case NounKind::country: return true;
    case NounKind::group: return r.number == Number::singular;
    default: return false;
  }
}

}  // namespace

std::string reading_line(const Reading& r) {
  std::string out = r.form;
  std::string grammar;
  add(grammar, grammar::speech_name(code(r.part_of_speech)));
  add(grammar, grammar::case_name(code(r.grammatical_case)));
  add(grammar, grammar::number_name(code(r.number)));
  add(grammar, grammar::gender_name(code(r.gender)));
  add(grammar, grammar::comparison_name(code(r.comparison)));
  add(grammar, grammar::tense_name(code(r.tense)));
  add(grammar, grammar::voice_name(code(r.voice)));
  add(grammar, grammar::mood_name(code(r.mood)));
  if (r.person > 0) add(grammar, std::to_string(r.person));
  if (!grammar.empty()) out += "  " + grammar;
  if (!r.citation.empty()) out += "  [" + r.citation + "]";
  return out;
}

std::string reading_english(const Reading& r) {
  // A word looked up on its own carries the English the sentence passes give it.
  if (!r.english.empty()) return r.english;
  auto senses = senses_of(r);
  return senses.empty() ? std::string() : senses.front();
}

std::vector<std::string> reading_alternatives(const std::vector<Reading>& readings) {
  std::vector<std::string> out;
  for (const Reading& r : readings) {
    auto senses = senses_of(r);
    for (std::size_t i = 1; i < senses.size(); ++i)
      if (std::find(out.begin(), out.end(), senses[i]) == out.end()) out.push_back(senses[i]);
  }
  return out;
}

std::vector<shell::WordReading> word_readings(const std::vector<Reading>& readings) {
  std::vector<shell::WordReading> out;
  for (const Reading& r : readings)
    out.push_back({reading_english(r), reading_line(r), r.meaning, is_proper_noun(r)});
  return out;
}

std::string readings_summary(const std::string& word, const std::vector<Reading>& readings,
                             std::size_t max_readings) {
  std::string out = word;
  if (readings.empty()) return out + ": not found";
  std::size_t n = 0;
  for (const Reading& r : readings) {
    if (n++ == max_readings) {
      out += "\n... " + std::to_string(readings.size() - max_readings) + " more";
      break;
    }
    out += '\n';
    out += reading_line(r);
    if (!r.meaning.empty()) out.append("\n    ").append(r.meaning);
  }
  return out;
}

}  // namespace kelvo::app
