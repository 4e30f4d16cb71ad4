#include "english/word_english.h"

#include "base/text.h"
#include "grammar/sense_parts.h"

namespace kelvo::english {

using namespace grammar;

namespace {

std::string_view trim(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

// Verbs' participles and supines render the verb's meaning.
Code sense_speech(Code speech) {
  return speech == pos::vpar || speech == pos::supine ? pos::verb : speech;
}

WordEnglish from_record(const SenseRecord& r) {
  WordEnglish e;
  e.text = std::string(r.text_view());
  e.head_begin = r.head_begin;
  e.head_length = r.head_length;
  e.plural = (r.flags & kSensePlural) != 0;
  if (e.head_end() > e.text.size()) e.head_begin = e.head_length = 0;
  return e;
}

}  // namespace

WordEnglish english_from_text(std::string_view meaning, Code speech) {
  std::string_view m = trim(meaning);
  while (!m.empty() && m.front() == '~') m.remove_prefix(1);
  m = trim(m.substr(0, m.find('/')));
  WordEnglish e;
  e.text = std::string(m);
  const Code s = sense_speech(speech);
  if (s == pos::verb && e.text.rfind("to ", 0) == 0 && e.text.size() > 3) e.text.erase(0, 3);
  SenseParts parts = find_sense_parts(e.text, s);
  e.head_begin = parts.head_begin;
  e.head_length = parts.head_length;
  return e;
}

WordEnglish word_english(const analysis::WordAnalyzer& wa, const analysis::Candidate& c,
                         char area) {
  using Table = analysis::Origin::Table;
  const analysis::Origin& o = c.origin;
  const Lexicon& lex = wa.lexicon();
  const SenseRecord* sense = nullptr;
  if (o.table == Table::dictionary && o.index >= 0)
    sense = lex.meaning_sense(static_cast<std::size_t>(o.index));
  else if (o.table == Table::unique && o.index >= 0)
    sense = lex.unique_sense(static_cast<std::size_t>(o.index));
  std::string_view full = wa.full_meaning(o);
  if (area != 0 && !full.empty()) {
    // A section for the preferred area replaces the general sense.
    std::string section(full);
    // From the general area, so that a section is found even when the word
    // analysis already took it (and set the analysis's area to it).
    int code = 0, rarity = 1;
    choose_area_section(section, area, c.analysis.age, code, rarity);
    if (code != 0) return english_from_text(section, c.analysis.speech);
  }
  if (sense && !sense->text_view().empty()) return from_record(*sense);
  if (!full.empty()) return english_from_text(full, c.analysis.speech);
  return english_from_text(c.analysis.meaning_text(), c.analysis.speech);
}

}  // namespace kelvo::english
