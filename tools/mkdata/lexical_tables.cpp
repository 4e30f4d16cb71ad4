#include "mkdata/lexical_tables.h"

#include <algorithm>

#include "base/text.h"
#include "mkdata/citation_form.h"
#include "mkdata/code_mapping.h"
#include "mkdata/meaning_shaper.h"
#include "mkdata/sense_shaper.h"

namespace kelvo::mkdata {

namespace {

using grammar::Code;
namespace pos = grammar::pos;

Code u8(int v) { return static_cast<Code>(v & 0xFF); }

std::uint8_t rarity_area_byte(int frequency, int area) {
  return static_cast<std::uint8_t>((rarity_from_frequency(frequency) & 0x0F) |
                                   ((area & 0x0F) << 4));
}

bool is_stem(std::string_view s) { return !s.empty() && s != "zzz"; }

// How much rarer the comparative and superlative stems the builder supplies
// count than their adjective.
constexpr int kSuppliedDegreeRarer = 2;

// Whitaker's byte 3 and 4 of a dictionary entry in our layout.
void set_grammar(const WhitakerEntry& w, grammar::DictEntry& d) {
  d.speech = u8(w.speech);
  switch (w.speech) {
    case pos::noun:
      d.which = u8(w.which);
      d.variant = u8(w.variant);
      d.byte3 = u8(w.attribute);
      d.kind = map_noun_kind(w.noun_kind);
      d.extra = noun_number_flag(w.noun_kind);
      break;
    case pos::pron:
    case pos::pack:
    case pos::num:
      d.which = u8(w.which);
      d.variant = u8(w.variant);
      d.kind = u8(w.attribute);
      if (w.speech == pos::pron) d.extra = quis_clause_flag(d.kind);
      break;
    case pos::adj:
      d.which = u8(w.which);
      d.variant = u8(w.variant);
      d.byte3 = u8(w.attribute);
      break;
    case pos::verb:
      d.which = u8(w.which);
      d.variant = u8(w.variant);
      d.kind = u8(w.attribute & 0x0F);
      break;
    case pos::adv:
    case pos::prep: d.byte3 = u8(w.attribute); break;
    default: break;
  }
}

// The form bytes (3 to 8) of an ending or a unique, by part of speech.
template <typename Record, typename Form>
void set_form_bytes(Record& r, const Form& w) {
  r.speech = u8(w.speech);
  r.which = u8(w.which);
  r.variant = u8(w.variant);
  switch (w.speech) {
    case pos::verb:
      r.b3 = u8(w.tense);
      r.b4 = u8(w.voice);
      r.b5 = u8(w.mood);
      r.b6 = u8(w.person);
      r.b7 = u8(w.number);
      break;
    case pos::vpar:
      r.b3 = u8(w.gcase);
      r.b4 = u8(w.number);
      r.b5 = u8(w.gender);
      r.b6 = u8(w.tense);
      r.b7 = u8(w.voice);
      r.b8 = u8(w.mood);
      break;
    case pos::adv: r.b6 = u8(w.degree); break;
    case pos::prep: r.b3 = u8(w.gcase); break;
    default:
      r.b3 = u8(w.gcase);
      r.b4 = u8(w.number);
      r.b5 = u8(w.gender);
      r.b6 = u8(w.degree);
      break;
  }
}

}  // namespace

std::vector<grammar::InflectionRecord> build_inflections(std::span<const WhitakerInflection> raw) {
  std::vector<grammar::InflectionRecord> out;
  out.reserve(raw.size());
  for (const WhitakerInflection& w : raw) {
    grammar::InflectionRecord f{};
    set_form_bytes(f, w);
    f.stem_key = u8(w.stem_key);
    f.age = u8(w.age);
    f.rarity_inc = u8(rarity_increment(w.frequency));
    set_field(f.ending, normalise_latin(w.ending));
    out.push_back(f);
  }
  std::stable_sort(out.begin(), out.end(), [](const auto& a, const auto& b) {
    int c = compare_bytes(a.ending_text(), b.ending_text());
    return c != 0 ? c < 0 : a.speech < b.speech;
  });
  return out;
}

std::array<grammar::LetterIndexRecord, grammar::kLetterIndexCount> build_letter_index(
    std::span<const grammar::DictEntry> sorted) {
  std::array<grammar::LetterIndexRecord, grammar::kLetterIndexCount> index{};
  for (int k = 0; k < 26; ++k) {
    const unsigned char letter = static_cast<unsigned char>('a' + k);
    auto it = std::lower_bound(sorted.begin(), sorted.end(), letter,
                               [](const grammar::DictEntry& e, unsigned char c) {
                                 std::string_view s = e.stem_text();
                                 return s.empty() || static_cast<unsigned char>(s[0]) < c;
                               });
    index[static_cast<std::size_t>(k)].first.set(static_cast<std::int32_t>(it - sorted.begin()));
  }
  index[26].first.set(static_cast<std::int32_t>(sorted.size()));
  return index;
}

DictionaryTables build_dictionary(std::span<const WhitakerEntry> entries,
                                  std::span<const grammar::InflectionRecord> inflections,
                                  const EnglishWords& words) {
  DictionaryTables t;
  const InflectionIndex index(inflections);
  t.meanings.reserve(entries.size());
  t.entries.reserve(entries.size() * 3);
  for (const WhitakerEntry& w : entries) {
    std::array<std::string, 4> stems;
    bool any = false;
    for (std::size_t k = 0; k < 4; ++k) {
      if (!is_stem(w.stems[k])) {
        // A blank verb stem before a present one is an empty stem (sum: s, -, fu,
        // fut gives es, est, esse): it is stored as "." so that the split of a
        // whole word as an ending finds it.
        if (w.speech == pos::verb && w.stems[k].empty() && k + 1 < 4 &&
            is_stem(w.stems[k + 1])) {
          stems[k] = kEmptyStem;
          any = true;
        }
        continue;
      }
      stems[k] = normalise_latin(w.stems[k]);
      if (stems[k].size() > kMaxStemChars) {
        t.warnings.push_back("record " + std::to_string(w.record) + ": stem \"" + stems[k] +
                             "\" longer than " + std::to_string(kMaxStemChars) +
                             " characters, left out");
        stems[k].clear();
        continue;
      }
      any = true;
    }
    if (!any) continue;  // nothing a word could be analysed by
    // Most adjectives come with their positive stems only; their comparative
    // and superlative are regular, so supply the stems the table's endings
    // attach to (stem 3 + -or, stem 4 + -mus): nigri- nigerri-, utili- utilissi-.
    // The pronominal adjectives (genitive in -ius: 1 3 nullus/solus/totus/
    // ullus/unus, 1 4 alter/neuter/uter, 1 5 alius) have no degrees in Latin.
    const bool pronominal = w.which == 1 && w.variant >= 3 && w.variant <= 5;
    bool supplied_degrees = false;
    if (w.speech == pos::adj && w.attribute == 1 && (w.which == 1 || w.which == 3) &&
        !pronominal &&
        !stems[0].empty() && !stems[1].empty() && stems[2].empty() && stems[3].empty() &&
        w.stems[2] != "zzz" && w.stems[3] != "zzz") {
      stems[2] = stems[1] + "i";
      stems[3] = stems[0].ends_with("er") ? stems[0] + "ri" : stems[1] + "issi";
      supplied_degrees = true;
    }
    // A comparative or superlative entered on its own (maior, maximus) has its
    // stem first, but the endings of its degree attach to stem 3 or 4.
    if (w.speech == pos::adj && w.which == 0 && (w.attribute == 2 || w.attribute == 3) &&
        stems[1].empty() && stems[2].empty() && stems[3].empty())
      std::swap(stems[0], stems[static_cast<std::size_t>(w.attribute)]);

    grammar::DictEntry base{};
    set_grammar(w, base);
    base.meaning_index.set(static_cast<std::int32_t>(t.meanings.size()));
    base.rarity_area = rarity_area_byte(w.frequency, w.area);
    base.age = u8(w.age);

    CitationEntry c;
    c.stems = stems;
    c.speech = base.speech;
    c.which = base.which;
    c.variant = base.variant;
    c.byte3 = base.byte3;
    c.verb_kind = base.speech == pos::verb ? base.kind : Code{0};
    c.number_flag = base.speech == pos::noun ? base.extra : Code{0};
    c.people = base.speech == pos::noun && base.kind == grammar::noun_kind::group;

    grammar::MeaningLine line{};
    std::string citation = build_citation(c, index);
    if (citation.empty()) ++t.citations_missing;
    set_field(line.latin, citation);
    set_field(line.english, shape_meaning(w.meaning));
    t.meanings.push_back(line);
    const grammar::SenseRecord& sense = t.senses.emplace_back(shape_sense(
        w.meaning, EntryFacts{w.speech, w.speech == pos::verb && w.attribute == grammar::verb_kind::impers},
        words));
    if (w.speech == pos::verb || w.speech == pos::noun) {
      const bool verb = w.speech == pos::verb;
      ++(verb ? t.verb_senses : t.noun_senses);
      if (sense.flags & grammar::kSenseNoHead)
        (verb ? t.verbs_without_head : t.nouns_without_head)
            .push_back(w.meaning + " -> " + std::string(sense.text_view()));
    }

    for (std::size_t k = 0; k < 4; ++k) {
      if (stems[k].empty()) continue;
      grammar::DictEntry d = base;
      d.stem_key = u8(static_cast<int>(k) + 1);
      // A verb's fourth stem carries the perfect participle (and the supines):
      // it is stored as a participle so that the participle endings fit it.
      if (d.speech == pos::verb && k == 3) d.speech = pos::vpar;
      // The degrees we supplied are our guess, not the dictionary's word: they
      // count rarer, so a form the dictionary gives (altius, the adverb's
      // comparative) comes before the one we made (altius of altior).
      if (supplied_degrees && k >= 2 && d.rarity() < 10)
        d.set_rarity_area(std::min(d.rarity() + kSuppliedDegreeRarer, 9), d.area());
      set_field(d.stem, stems[k]);
      t.entries.push_back(d);
    }
  }
  std::stable_sort(t.entries.begin(), t.entries.end(), [](const auto& a, const auto& b) {
    return compare_bytes(a.stem_text(), b.stem_text()) < 0;
  });
  t.letter_index = build_letter_index(t.entries);
  return t;
}

std::vector<grammar::UniqueRecord> build_uniques(std::span<const WhitakerUnique> raw,
                                                 std::vector<grammar::SenseRecord>* senses,
                                                 const EnglishWords& words) {
  std::vector<std::pair<grammar::UniqueRecord, grammar::SenseRecord>> out;
  for (const WhitakerUnique& w : raw) {
    grammar::UniqueRecord u{};
    set_form_bytes(u, w);
    if (w.speech == pos::verb) u.b8 = u8(w.kind);  // the entry's verb kind
    if (w.speech == pos::adv) u.b3 = u8(w.degree);  // also the entry's comparison
    if (w.speech == pos::noun) u.extra = noun_number_flag(w.kind);
    u.rarity_area = rarity_area_byte(w.frequency, w.area);
    u.age = u8(w.age);
    set_field(u.meaning, shape_meaning(w.meaning));
    set_field(u.latin, normalise_latin(w.latin));
    grammar::SenseRecord sense{};
    if (senses)
      sense = shape_sense(
          w.meaning, EntryFacts{w.speech, w.speech == pos::verb && w.kind == grammar::verb_kind::impers},
          words);
    out.emplace_back(u, sense);
  }
  std::stable_sort(out.begin(), out.end(), [](const auto& a, const auto& b) {
    return compare_bytes(a.first.latin_text(), b.first.latin_text()) < 0;
  });
  std::vector<grammar::UniqueRecord> records;
  for (auto& [u, sense] : out) {
    records.push_back(u);
    if (senses) senses->push_back(sense);
  }
  return records;
}

std::vector<grammar::AddonRecord> build_addons(std::span<const WhitakerTackon> raw) {
  std::vector<grammar::AddonRecord> out;
  for (const WhitakerTackon& w : raw) {
    grammar::AddonRecord a{};
    a.host_speech = u8(w.host_speech);
    a.host_which = u8(w.host_which);
    a.host_variant = u8(w.host_variant);
    a.addon_kind = pos::tackon;
    // The case a tackon brings, as Whitaker's note names it (mecum: ABL; huiusmodi: GEN).
    if (w.meaning.find("ABL") != std::string::npos) a.b4 = grammar::gcase::abl;
    else if (w.meaning.find("GEN") != std::string::npos) a.b4 = grammar::gcase::gen;
    set_field(a.text, normalise_latin(w.text));
    // "!" marks an emphatic particle (suapte, mepte): no English of its own.
    std::string meaning = !w.meaning.empty() && w.meaning[0] == '!' ? std::string("EMPHATIC")
                                                                     : shape_meaning(w.meaning);
    set_field(a.meaning, meaning);
    out.push_back(a);
  }
  std::stable_sort(out.begin(), out.end(), [](const auto& a, const auto& b) {
    return compare_bytes(a.text_view(), b.text_view()) < 0;
  });
  return out;
}

}  // namespace kelvo::mkdata
