#include "analysis/name_and_number.h"

#include <string>

#include "base/text.h"

namespace kelvo::analysis {

using namespace grammar;

namespace {

// Endings that tell a Latin name's declension, longest first. A plural ending
// marks the name as plural-only (a people, a town such as Athenae); -i is
// either a people (Belgi) or the genitive of a man's name (Marci, Henrici).
enum class NameNumber : std::uint8_t { singular, plural, either };
struct NameEnding {
  std::string_view ending;
  Code which, variant, gender;
  NameNumber number;
  bool fits(Code n) const {
    return number == NameNumber::either || (number == NameNumber::plural) == (n == number::plur);
  }
};
constexpr NameNumber S = NameNumber::singular, P = NameNumber::plural;
constexpr NameEnding kNameEndings[] = {
    {"arum", 1, 1, gender::fem, P},  {"orum", 2, 1, gender::masc, P},
    {"ibus", 3, 1, gender::masc, P}, {"ius", 2, 1, gender::masc, S},
    {"us", 2, 1, gender::masc, S},   {"os", 2, 1, gender::masc, P},
    {"ae", 1, 1, gender::fem, S},    {"am", 1, 1, gender::fem, S},
    {"um", 2, 1, gender::masc, S},   {"es", 3, 1, gender::masc, S},
    {"em", 3, 1, gender::masc, S},   {"im", 3, 1, gender::masc, S},
    {"en", 3, 1, gender::neuter, S}, {"is", 3, 1, gender::masc, S},
    {"a", 1, 1, gender::fem, S},     {"o", 2, 1, gender::masc, S},
    {"i", 2, 1, gender::masc, NameNumber::either}, {"e", 3, 1, gender::masc, S},
};


// The name as a dictionary would head it, guessed from the ending: the
// nominative of its declension (Romam: Roma, Marcum: Marcus, Belgarum:
// Belgae); for the third declension the stem (Simonem: Simon, Caesaris:
// Caesar). A nominative ending (-us, -a, -es, -en) keeps the word, and so does
// -e, as often a Greek nominative (Ioppe) as an ablative.
std::string nominative_of(const std::string& name, const std::string& stem, const NameEnding& ne,
                          bool plural) {
  if (ne.ending == "ius" || ne.ending == "us" || ne.ending == "es" || ne.ending == "en" ||
      ne.ending == "a" || ne.ending == "e")
    return name;
  switch (ne.which) {
    case 1: return stem + (plural ? "ae" : "a");
    case 2: return stem + (plural ? "i" : "us");
    default: return stem;
  }
}

}  // namespace

int analyse_proper_name(const WordAnalyzer& wa, std::string_view word,
                        std::vector<Candidate>& out, AnalysisContext& ctx) {
  if (word.empty() || word.size() > 24) return 0;
  const std::size_t before = out.size();
  std::string name(word);
  for (const NameEnding& ne : kNameEndings) {
    if (name.size() < ne.ending.size() + 2 || !name.ends_with(ne.ending)) continue;
    std::string stem = name.substr(0, name.size() - ne.ending.size());
    DictEntry e{};
    e.speech = pos::noun;
    e.which = ne.which;
    e.variant = ne.variant;
    e.byte3 = ne.gender;
    e.kind = noun_kind::proper;
    // The stem of a guessed name serves every case: its nominative and its
    // oblique endings take stem keys 1 and 2 (Roma, Romam), so the entry
    // accepts both.
    e.stem_key = 0;
    // The plural endings are matched only for a plural name (2).
    e.extra = ne.number == NameNumber::singular ? 0 : 2;
    e.set_rarity_area(1, 0);
    set_field(e.stem, stem);
    std::vector<InflectionRecord> infls;
    if (wa.match_inflections(ne.ending, e, infls, ctx) <= 0) continue;
    Origin o;
    o.table = Origin::Table::builtin;
    o.source = Source::addon;
    for (const auto& r : infls) {
      if (!ne.fits(r.number())) continue;
      const bool plural = r.number() == number::plur;
      // A name read in either number is a people only in the plural.
      e.extra = plural ? 2 : ne.number == NameNumber::plural ? 2 : 0;
      o.builtin_meaning = nominative_of(name, stem, ne, plural);
      wa.build_analysis(e, r, Split{stem, ne.ending}, Source::addon, o, out, ctx);
    }
    if (out.size() > before) break;
  }
  if (out.size() == before) {
    // No telling ending: an indeclinable name, read as a nominative.
    Candidate c = builtin_candidate(pos::noun, name + ".", name, Source::addon, ctx);
    WordAnalysis& a = c.analysis;
    a.set_noun_kind(noun_kind::proper);
    a.set_grammatical_case(gcase::nom);
    a.set_number(number::sing);
    a.set_gender(gender::masc);
    a.declension.set(0x31);
    set_analysis_meaning(a, "~" + name);
    set_field(a.english, name);
    out.push_back(std::move(c));
  }
  return static_cast<int>(out.size() - before);
}

int analyse_roman_numeral(const WordAnalyzer& wa, std::string_view word, int value,
                          std::vector<Candidate>& out, AnalysisContext& ctx) {
  (void)wa;
  std::string digits = std::to_string(value);
  Candidate c = builtin_candidate(pos::num, std::string(word) + ".", digits, Source::numeral, ctx);
  WordAnalysis& a = c.analysis;
  a.set_numeral_sort(numeral_sort::card);
  a.declension.set(0x22);
  out.push_back(std::move(c));
  return 1;
}

int analyse_compound_ordinal(const WordAnalyzer& wa, std::string_view word,
                             std::vector<Candidate>& out, AnalysisContext& ctx) {
  struct Unit { std::string_view stem; int value; };
  static constexpr Unit kUnits[] = {{"prim", 1}, {"secund", 2}, {"alter", 2}, {"terti", 3},
                                    {"quart", 4}, {"quint", 5},  {"sext", 6},  {"septim", 7},
                                    {"octau", 8}, {"non", 9}};
  struct Ten { std::string_view stem; int value; };
  static constexpr Ten kTens[] = {{"decim", 10}, {"uicesim", 20}, {"uigesim", 20}};
  for (const Ten& t : kTens) {
    auto at = word.find(t.stem);
    if (at == std::string_view::npos || at == 0) continue;
    int unit = 0;
    for (const Unit& u : kUnits)
      if (word.substr(0, at).starts_with(u.stem)) unit = u.value;
    if (unit == 0) continue;
    // The case, number and gender come from the tens part ("decimus").
    std::vector<Candidate> tail;
    wa.analyse_core(word.substr(at), Source::numeral, tail, ctx);
    int value = t.value + unit;
    std::string ordinal = std::to_string(value);
    ordinal += (value % 10 == 1 && value != 11) ? "st"
               : (value % 10 == 2 && value != 12) ? "nd"
               : (value % 10 == 3 && value != 13) ? "rd"
                                                   : "th";
    int added = 0;
    for (Candidate& c : tail) {
      Code s = c.analysis.speech;
      if (s != pos::num && s != pos::adj) continue;
      c.origin.table = Origin::Table::builtin;
      c.origin.builtin_meaning = ordinal;
      c.analysis.speech = pos::num;
      c.analysis.set_numeral_sort(numeral_sort::ord);
      set_field(c.analysis.latin, word);
      set_analysis_meaning(c.analysis, "~" + ordinal);
      set_field(c.analysis.english, ordinal);
      out.push_back(std::move(c));
      ++added;
    }
    return added;
  }
  return 0;
}

}  // namespace kelvo::analysis

namespace kelvo::analysis {

int analyse_joined_expression(const WordAnalyzer& wa, std::string_view word,
                              std::vector<Candidate>& out, AnalysisContext& ctx) {
  struct Joined { std::string_view text; Code speech; std::string_view meaning; };
  static constexpr Joined kJoined[] = {
      {"aequum_est", pos::verb, "it is fair"},   {"gratum_est", pos::verb, "it is pleasing"},
      {"id_est", pos::conj, "that is"},           {"magis_quam", pos::conj, "rather than"},
      {"necesse_est", pos::verb, "it is necessary"}, {"opus_est", pos::adv, "need"},
      {"paulo_ante", pos::adv, "a little before"}, {"plus_quam", pos::conj, "more than"},
      {"potius_quam", pos::conj, "rather than"},   {"sat_est", pos::verb, "it is enough"},
      {"solitum_est", pos::verb, "it is customary"}, {"una_cum", pos::prep, "together with"},
      {"P_C", pos::noun, "senators"},             {"S_C", pos::noun, "decree of the senate"},
      {"Tr_pleb", pos::noun, "tribune of the people"}};
  for (const Joined& j : kJoined) {
    if (word != j.text) continue;
    Candidate c = builtin_candidate(j.speech, std::string(word) + ".", std::string(j.meaning), Source::core, ctx);
    c.origin.source = Source::core;
    WordAnalysis& a = c.analysis;
    switch (j.speech) {
      case pos::verb:
        a.set_tense(tense::pres);
        a.set_voice(voice::active);
        a.set_mood(mood::ind);
        a.set_person(3);
        a.set_number(number::sing);
        a.set_verb_kind(verb_kind::impers);
        break;
      case pos::prep: a.set_grammatical_case(gcase::abl); break;
      case pos::adv: a.set_comparison(comparison::pos); break;
      case pos::noun:
        a.set_grammatical_case(gcase::nom);
        a.set_number(number::sing);
        a.set_gender(gender::neuter);
        break;
      default: break;
    }
    out.push_back(std::move(c));
    return 1;
  }
  // An initial joined to a name (M_Tullius): the name carries the analysis.
  auto us = word.find('_');
  if (us != std::string_view::npos && us >= 1 && us <= 3 && us + 1 < word.size() &&
      is_ascii_upper(word[0])) {
    std::vector<Candidate> name;
    std::string rest(word.substr(us + 1));
    if (!rest.empty()) rest[0] = ascii_upper(rest[0]);
    wa.analyse_core(rest, Source::addon, name, ctx);
    if (name.empty()) analyse_proper_name(wa, rest, name, ctx);
    for (Candidate& c : name) {
      std::string latin = std::string(word.substr(0, us + 1)) + std::string(c.analysis.latin_text());
      set_field(c.analysis.latin, latin);
      out.push_back(std::move(c));
    }
    return static_cast<int>(name.size());
  }
  return 0;
}

}  // namespace kelvo::analysis
