#include "mkdata/citation_form.h"

#include <algorithm>
#include <functional>
#include <optional>

namespace kelvo::mkdata {

namespace {

using grammar::Code;
using grammar::InflectionRecord;
namespace pos = grammar::pos;

// Classical and unmarked endings first, archaic ones last.
int age_rank(int age) {
  static constexpr int kRank[9] = {0, 8, 3, 1, 2, 4, 5, 6, 7};
  return age >= 0 && age <= 8 ? kRank[age] : 9;
}

bool fits_declension(const CitationEntry& e, const InflectionRecord& f) {
  return (f.which == 0 || f.which == e.which) && (f.variant == 0 || f.variant == e.variant);
}

// The noun gender rule of word analysis: 0 takes the entry's gender, COMMON
// fits a masculine or feminine entry.
bool fits_noun_gender(Code entry_gender, Code ending_gender) {
  if (entry_gender == 0 || ending_gender == 0) return true;
  if (ending_gender == grammar::gender::common)
    return entry_gender == grammar::gender::masc || entry_gender == grammar::gender::fem ||
           entry_gender == grammar::gender::common;
  return ending_gender == entry_gender;
}

struct Want {
  Code speech;
  int preferred_key;  // 0: any
  std::function<bool(const InflectionRecord&)> fits;
  std::function<int(const InflectionRecord&)> penalty;  // extra ranking, smaller is better
};

std::optional<std::string> best_form(const CitationEntry& e, const InflectionIndex& index,
                                     const Want& want) {
  const InflectionRecord* best = nullptr;
  std::array<int, 5> best_rank{};
  for (const InflectionRecord* f : index.of(want.speech)) {
    if (!fits_declension(e, *f)) continue;
    if (f->stem_key < 1 || f->stem_key > 4) continue;
    if (e.stems[f->stem_key - 1].empty()) continue;
    if (!want.fits(*f)) continue;
    std::array<int, 5> rank{want.preferred_key != 0 && f->stem_key != want.preferred_key ? 1 : 0,
                            want.penalty ? want.penalty(*f) : 0, f->rarity_inc,
                            age_rank(f->age), f->variant == e.variant ? 0 : 1};
    if (!best || rank < best_rank) {
      best = f;
      best_rank = rank;
    }
  }
  if (!best) return std::nullopt;
  const std::string& stem = e.stems[best->stem_key - 1];
  return (stem == kEmptyStem ? std::string() : stem) + std::string(best->ending_text());
}

void add_word(std::vector<std::string>& words, std::optional<std::string> w) {
  if (w && !w->empty() && std::find(words.begin(), words.end(), *w) == words.end())
    words.push_back(std::move(*w));
}

void noun_parts(const CitationEntry& e, const InflectionIndex& ix, std::vector<std::string>& w) {
  auto form = [&](Code gcase, Code number, int key) {
    return best_form(e, ix, Want{pos::noun, key, [&](const InflectionRecord& f) {
                                   return f.b3 == gcase && f.b4 == number &&
                                          fits_noun_gender(e.byte3, f.b5);
                                 }, nullptr});
  };
  const bool plural = e.number_flag == 2 || (e.people && e.number_flag != 1);
  Code number = plural ? grammar::number::plur : grammar::number::sing;
  auto nominative = form(grammar::gcase::nom, number, 1);
  if (!nominative && plural && e.number_flag != 2) {  // a people without plural endings
    number = grammar::number::sing;
    nominative = form(grammar::gcase::nom, number, 1);
  }
  add_word(w, std::move(nominative));
  add_word(w, form(grammar::gcase::gen, number, 2));
}

// Nominative of each gender (bonus bona bonum, hic haec hoc); a form the same
// for all genders takes its genitive too (felix felicis).
void gendered_parts(const CitationEntry& e, Code speech, const InflectionIndex& ix,
                    std::vector<std::string>& w) {
  Code degree = 0;
  if (speech == pos::adj)
    degree = (e.byte3 == grammar::comparison::comp || e.byte3 == grammar::comparison::super)
                 ? e.byte3
                 : grammar::comparison::pos;
  auto form = [&](Code gcase, Code number, Code gender) {
    return best_form(e, ix, Want{speech, 0, [&](const InflectionRecord& f) {
                                   if (f.b3 != gcase || f.b4 != number) return false;
                                   if (speech == pos::adj && f.b6 != degree && f.b6 != 0)
                                     return false;
                                   return gender == 0 || f.b5 == gender || f.b5 == 0 ||
                                          (f.b5 == grammar::gender::common &&
                                           gender != grammar::gender::neuter);
                                 },
                                 [&](const InflectionRecord& f) {
                                   return f.b5 == gender ? 0 : 1;
                                 }});
  };
  for (Code number : {grammar::number::sing, grammar::number::plur}) {
    for (Code g : {grammar::gender::masc, grammar::gender::fem, grammar::gender::neuter})
      add_word(w, form(grammar::gcase::nom, number, g));
    if (!w.empty()) {
      if (w.size() == 1) add_word(w, form(grammar::gcase::gen, number, 0));
      return;
    }
  }
}

void numeral_parts(const CitationEntry& e, const InflectionIndex& ix,
                   std::vector<std::string>& w) {
  for (int key = 1; key <= 4; ++key) {
    if (e.stems[static_cast<std::size_t>(key - 1)].empty()) continue;
    add_word(w, best_form(e, ix, Want{pos::num, key, [&](const InflectionRecord& f) {
                                        return f.stem_key == key;
                                      },
                                      [](const InflectionRecord& f) {
                                        int p = 0;
                                        if (f.b3 != grammar::gcase::nom && f.b3 != 0) p += 4;
                                        if (f.b5 != grammar::gender::masc && f.b5 != 0 &&
                                            f.b5 != grammar::gender::common)
                                          p += 2;
                                        if (f.b4 == grammar::number::plur) p += 1;
                                        return p;
                                      }}));
  }
}

void verb_parts(const CitationEntry& e, const InflectionIndex& ix, std::vector<std::string>& w) {
  auto finite = [&](Code tense, Code voice, Code mood, Code person, int key) {
    return best_form(e, ix, Want{pos::verb, key, [=](const InflectionRecord& f) {
                                   return f.b3 == tense && f.b4 == voice && f.b5 == mood &&
                                          (mood == grammar::mood::inf ||
                                           (f.b6 == person && f.b7 == grammar::number::sing));
                                 }, nullptr});
  };
  auto participle = [&]() {
    return best_form(e, ix, Want{pos::vpar, 4, [](const InflectionRecord& f) {
                                   return f.b3 == grammar::gcase::nom &&
                                          f.b4 == grammar::number::sing &&
                                          (f.b5 == grammar::gender::masc ||
                                           f.b5 == grammar::gender::common || f.b5 == 0) &&
                                          f.b6 == grammar::tense::perf &&
                                          f.b7 == grammar::voice::passive &&
                                          f.b8 == grammar::mood::ppl;
                                 },
                                 [](const InflectionRecord& f) {
                                   return f.b5 == grammar::gender::masc ? 0 : 1;
                                 }});
  };
  using namespace grammar;
  const Code act = voice::active, pas = voice::passive;
  switch (e.verb_kind) {
    case verb_kind::dep:
      add_word(w, finite(tense::pres, pas, mood::ind, 1, 1));
      add_word(w, finite(tense::pres, pas, mood::inf, 0, 2));
      add_word(w, participle());
      break;
    case verb_kind::impers:
      // Impersonal verbs have no first person and no participles.
      add_word(w, finite(tense::pres, act, mood::ind, 3, 1));
      add_word(w, finite(tense::pres, act, mood::inf, 0, 2));
      add_word(w, finite(tense::perf, act, mood::ind, 3, 3));
      break;
    case verb_kind::perfdef:
      add_word(w, finite(tense::perf, act, mood::ind, 1, 3));
      add_word(w, finite(tense::perf, act, mood::inf, 0, 3));
      add_word(w, participle());
      break;
    default:
      add_word(w, finite(tense::pres, act, mood::ind, 1, 1));
      add_word(w, finite(tense::pres, act, mood::inf, 0, 2));
      if (e.verb_kind != verb_kind::semidep) add_word(w, finite(tense::perf, act, mood::ind, 1, 3));
      // The fourth stem of "be" is the future participle's, not a passive one.
      if (e.verb_kind != verb_kind::to_be) add_word(w, participle());
      break;
  }
}

// Adverbs give each stem's form (bene melius optime); particles their bare stem.
void keyed_parts(const CitationEntry& e, Code speech, const InflectionIndex& ix,
                 std::vector<std::string>& w) {
  for (int key = 1; key <= 4; ++key) {
    if (e.stems[static_cast<std::size_t>(key - 1)].empty()) continue;
    add_word(w, best_form(e, ix, Want{speech, key, [&](const InflectionRecord& f) {
                                        return f.stem_key == key;
                                      },
                                      [&](const InflectionRecord& f) {
                                        return speech == pos::prep && f.b3 != e.byte3 ? 1 : 0;
                                      }}));
    if (speech != pos::adv) break;
  }
}

}  // namespace

InflectionIndex::InflectionIndex(std::span<const InflectionRecord> table) {
  for (const InflectionRecord& f : table)
    if (f.speech < by_speech_.size()) by_speech_[f.speech].push_back(&f);
}

std::span<const InflectionRecord* const> InflectionIndex::of(Code speech) const {
  if (speech >= by_speech_.size()) return {};
  return by_speech_[speech];
}

std::string build_citation(const CitationEntry& e, const InflectionIndex& ix) {
  std::vector<std::string> words;
  // Pronoun packs (qui + tackon) decline as pronouns.
  const Code speech = e.speech == pos::pack ? pos::pron : e.speech;
  switch (speech) {
    case pos::noun: noun_parts(e, ix, words); break;
    case pos::pron:
    case pos::adj: gendered_parts(e, speech, ix, words); break;
    case pos::num: numeral_parts(e, ix, words); break;
    case pos::verb: verb_parts(e, ix, words); break;
    default: keyed_parts(e, speech, ix, words); break;
  }
  // An entry that the table declines in the neuter only (quid, aliquid: the
  // interrogative and indefinite quis) is cited as dictionaries cite it, by
  // the masculine "-is" that its declension has beside "-id": quis quid.
  if (speech == pos::pron && words.size() == 1 && words[0].ends_with("id") &&
      !e.stems[0].empty() && e.stems[0] != kEmptyStem) {
    for (const InflectionRecord* f : ix.of(pos::pron)) {
      if (f->which != e.which || f->stem_key != 1 || f->b3 != grammar::gcase::nom ||
          f->b4 != grammar::number::sing || f->ending_text() != "is" ||
          (f->b5 != grammar::gender::masc && f->b5 != grammar::gender::common))
        continue;
      words.insert(words.begin(), e.stems[0] + "is");
      break;
    }
  }
  // The pronoun that always takes -dem (is + dem) is cited as idem, eadem,
  // idem: its forms join the tackon, id- losing its d, -m becoming -n.
  if (speech == pos::pron && e.which == 4 && e.variant == 2) {
    for (std::string& word : words) {
      if (word.ends_with('d')) word.pop_back();
      if (word.ends_with('m')) word.back() = 'n';
      word += "dem";
    }
  }
  if (words.empty()) {
    // Nothing of the usual shape: any form the entry has, its first stem first.
    add_word(words, best_form(e, ix, Want{speech, 1, [](const InflectionRecord&) { return true; },
                                          nullptr}));
  }
  std::string out;
  std::size_t used = 0;
  for (const std::string& word : words) {
    if (used == kMaxCitationWords) break;
    std::size_t need = out.empty() ? word.size() : out.size() + 1 + word.size();
    if (need > kMaxCitationChars) break;
    if (!out.empty()) out.push_back(' ');
    out += word;
    ++used;
  }
  return out;
}

}  // namespace kelvo::mkdata
