#include "analysis/rules/second_parts_of_speech.h"

#include <string_view>

namespace kelvo::analysis {

namespace {

using grammar::Code;
namespace pos = grammar::pos;

struct SecondPart {
  std::string_view headword;
  Code speech;  // as the dictionary files it
  Code second;  // as the grammars also give it
};

constexpr SecondPart kSecondParts[] = {
    {"nemo", pos::noun, pos::pron},
    {"nihil", pos::noun, pos::pron},
    {"nil", pos::noun, pos::pron},
    {"nichil", pos::noun, pos::pron},
    {"amen", pos::adv, pos::interj},
};

const SecondPart* second_part(const WordAnalyzer& wa, const Candidate& c) {
  if (c.origin.source != Source::core || c.origin.table != Origin::Table::dictionary) return nullptr;
  const Code speech = c.analysis.speech;
  if (speech != pos::noun && speech != pos::adv) return nullptr;
  // Only the few forms that can be these words ask for their entry's citation.
  const std::string_view latin = c.analysis.latin_text();
  if (!latin.starts_with("ne") && !latin.starts_with("ni") && !latin.starts_with("am")) return nullptr;
  const std::string_view cited = wa.citation(c.origin);
  const std::string_view head = cited.substr(0, cited.find(' '));
  for (const SecondPart& p : kSecondParts)
    if (p.headword == head && p.speech == speech) return &p;
  return nullptr;
}

}  // namespace

int add_second_parts_of_speech(const WordAnalyzer& wa, std::vector<Candidate>& out,
                               std::size_t from) {
  const std::size_t end = out.size();
  for (std::size_t i = from; i < end; ++i) {
    const SecondPart* p = second_part(wa, out[i]);
    if (!p) continue;
    Candidate c = out[i];
    grammar::WordAnalysis& a = c.analysis;
    a.speech = p->second;
    if (p->second == pos::pron) {
      // Case, number and gender stay where a noun keeps them; the kind is the
      // indefinite pronoun's, and the noun's number flag goes.
      a.b2 = grammar::pronoun_kind::indef;
      a.b6 = 0;
    } else {
      a.b1 = a.b2 = a.b3 = a.b4 = a.b5 = a.b6 = a.b7 = a.b8 = 0;
    }
    count_as_added_reading(a);
    out.push_back(std::move(c));
  }
  return static_cast<int>(out.size() - end);
}

}  // namespace kelvo::analysis
