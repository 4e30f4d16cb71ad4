#include "english/word_rendering.h"

#include "base/text.h"
#include "english/degree_forms.h"
#include "english/irregular_forms.h"
#include "english/slot_moves.h"
#include "english/suffix_rules.h"
#include "english/text_edit.h"

namespace kelvo::english {

using namespace grammar;

namespace {

// The noun read last: relative pronouns after it agree with it.
struct NounMemory {
  Code gcase = 0, number = 0, gender = 0;
  bool person = false;  // a name or a person
  bool set = false;
};

bool has_link(const SentenceInput& in, const WordAnalysis& a) {
  for (int k = 0; k < 3; ++k) {
    int j = a.link(k);
    if (j >= 0 && j < in.scratch.count) return true;
  }
  return false;
}

// Linked to a noun of its own case: the pronoun is used as an adjective
// ("eum hominem": that man), not as a person of its own.
bool with_word_of(const SentenceInput& in, const WordAnalysis& a, Code speech) {
  for (int k = 0; k < 3; ++k) {
    const int j = a.link(k);
    if (j < 0 || j >= in.scratch.count) continue;
    const WordAnalysis& b = in.at(j);
    if (b.speech == speech && b.grammatical_case() == a.grammatical_case()) return true;
  }
  return false;
}

bool with_noun(const SentenceInput& in, const WordAnalysis& a) {
  return with_word_of(in, a, pos::noun);
}

bool in_question(const SentenceInput& in, int p) {
  for (int q = p + 1; q < in.positions(); ++q) {
    const int c = in.chosen(q);
    if (c < 0 || in.at(c).speech != pos::punct) continue;
    const Code pc = in.at(c).punctuation();
    if (pc == 2) return true;
    if (pc == 0 || pc == 4 || pc == 7) return false;
  }
  return false;
}

// The number of the nearest verb of p's stretch (up to punctuation), 0 when none.
Code verb_number(const SentenceInput& in, int p) {
  for (int step : {1, -1}) {
    for (int q = p + step; q >= 0 && q < in.positions(); q += step) {
      const int c = in.chosen(q);
      if (c < 0) continue;
      const WordAnalysis& v = in.at(c);
      if (v.speech == pos::punct) break;
      if (v.speech == pos::verb && v.mood() != mood::inf) return v.number();
    }
  }
  return 0;
}

// Replaces the word after the slot's article or preposition, keeping a
// trailing mark the tokeniser left on it.
void set_word(std::string& slot, std::string_view prefix, std::string_view word) {
  slot.assign(prefix);
  slot += word;
}

// The article or preposition the slot opens with ("to ", "of the ").
std::string_view lead_of(const std::string& slot) {
  for (std::string_view a : {"with the ", "to the ", "of the ", "the ", "with ", "to ", "of ",
                             "O "})
    if (begins_with(slot, a)) return std::string_view(slot).substr(0, a.size());
  return {};
}

bool subject_case(Code gc) { return gc == gcase::nom || gc == gcase::voc; }

std::string_view third_person(const WordAnalysis& a, bool subject) {
  if (a.number() == number::plur) return subject ? "they" : "them";
  if (a.gender() == gender::fem) return subject ? "she" : "her";
  if (a.gender() == gender::neuter) return "it";
  return subject ? "he" : "him";
}

std::string_view reflexive(const WordAnalysis& a) {
  if (a.number() == number::plur) return "themselves";
  if (a.gender() == gender::fem) return "herself";
  if (a.gender() == gender::neuter) return "itself";
  return "himself";
}

void render_pronoun(const SentenceInput& in, int p, const WordAnalysis& a,
                    const NounMemory& memory, std::string& slot) {
  std::string prefix(lead_of(slot));
  const Code gc = a.grammatical_case();
  // The dative beside "opus est" is the one in need, said as its subject.
  const int opus = in.scratch.opus_est_position;
  const bool needer = opus >= 0 && gc == gcase::dat && (p == opus - 1 || p == opus + 1);
  if (needer) prefix.clear();
  const bool subject = subject_case(gc) || needer;
  const bool plural = a.number() == number::plur;
  const bool linked = with_noun(in, a);
  if (form_of(a, "qu.") || form_of(a, "cu.")) {
    if (ends_with(slot, "whichs")) slot.pop_back();
    // Outside a question every form of qui (the interrogative too) is read as
    // the relative: "quarum unam" is "one of which".
    if (in_question(in, p)) {
      if (a.gender() == gender::neuter && !linked) set_word(slot, prefix, "what");
      return;
    }
    // A relative: "which" for things, "who"/"whom" for people.
    const bool people = a.gender() != gender::neuter && (!memory.set || memory.person);
    if (!people) {
      if (gc == gcase::gen) slot = "of which";
      else set_word(slot, prefix, "which");
    } else if (gc == gcase::gen) {
      slot = "whose";
    } else {
      set_word(slot, prefix, subject ? "who" : "whom");
    }
    return;
  }
  if (form_of(a, "ego.") || form_of(a, "m.")) {
    set_word(slot, prefix, subject ? "I" : "me");
  } else if (form_of(a, "n.o")) {
    set_word(slot, prefix, subject ? "we" : "us");
  } else if (form_of(a, "tu.") || form_of(a, "t.") || form_of(a, "u.o")) {
    set_word(slot, prefix, "you");
  } else if (form_of(a, "s.") && a.pronoun_kind() == pronoun_kind::reflex) {
    // "se" has no number of its own: its verb's subject gives it.
    WordAnalysis self = a;
    if (self.number() == 0) self.set_number(verb_number(in, p));
    set_word(slot, prefix, reflexive(self));
  } else if (form_of(a, "ips.")) {
    // ipse alone as the subject is the person ("ipsa conteret": she will crush).
    // With its noun it stresses it: "nautae ipsi", the sailors themselves.
    // With another pronoun too: "illi ipsi", they themselves.
    if (linked || with_word_of(in, a, pos::pron)) set_word(slot, prefix, reflexive(a));
    else set_word(slot, prefix, subject ? third_person(a, true) : reflexive(a));
  } else if ((form_of(a, "ill.") || form_of(a, "e.")) && gc == gcase::gen &&
             in.speech_at(p - 1) == pos::noun) {
    // "nomen eius" is "his name" (word order puts it before the noun).
    slot = plural ? "their" : a.gender() == gender::fem ? "her"
                            : a.gender() == gender::neuter ? "its" : "his";
  } else if (form_of(a, "ill.") || form_of(a, "e.")) {
    // With the noun it points to: "that man"; alone it is the person.
    if (linked) set_word(slot, prefix, plural ? "those" : "that");
    else set_word(slot, prefix, third_person(a, subject));
  } else if (form_of(a, "ist.") || form_of(a, "h.")) {
    set_word(slot, prefix, plural ? "these" : "this");
  } else if (form_of(a, "aliqu.")) {
    set_word(slot, prefix, a.gender() == gender::neuter ? "something" : "someone");
  } else if (form_of(a, "quidqu.") || form_of(a, "quodqu.")) {
    set_word(slot, prefix, "whatever");
  }
}

void render_adjective(const SentenceInput& in, int p, const WordAnalysis& a, std::string& slot) {
  const bool plural = a.number() == number::plur;
  const bool linked = has_link(in, a);
  std::string prefix(lead_of(slot));
  // "all", "many", "much", "no" stand before the noun's own article:
  // "with the all" is "with all".
  const bool bare = prefix == "the ";
  if (ends_with(prefix, "the ")) prefix.resize(prefix.size() - 4);
  if (form_of(a, "omn.") || form_of(a, "cunct.")) {
    set_word(slot, prefix, plural || !linked ? "all" : "every");
  } else if (form_of(a, "mult.")) {
    if (!plural) set_word(slot, prefix, "much");
    else set_word(slot, prefix, linked ? "many" : "the many-people");
  } else if (form_of(a, "null.")) {
    if (linked) set_word(slot, prefix, "no");
    else set_word(slot, prefix, a.gender() == gender::neuter ? "nothing" : "the no-one");
  } else if (form_of(a, "bon.") && plural && !linked && a.gender() == gender::neuter) {
    set_word(slot, bare ? "the " : prefix, "goods");
  } else if (form_of(a, "su.") && a.pronoun_kind() == 0) {
    // suus is the subject's own: "their" when its verb is plural.
    set_word(slot, prefix, verb_number(in, p) == number::plur ? "their" : "his");
  } else if (form_of(a, "ceter.")) {
    set_word(slot, bare ? "the " : prefix, linked ? "other" : "rest");
  } else if (form_of(a, "plurim.")) {
    set_word(slot, prefix, plural ? "very many" : "most");
  } else if (form_of(a, "pler.")) {
    set_word(slot, prefix, "most");
  }
}

}  // namespace

void render_slots(const SentenceInput& in, OutputWords& out) {
  const auto irregular = in.wa.lexicon().polish();
  NounMemory memory;
  for (int i = 0; i < out.count; ++i) {
    // Earlier steps may have swapped slots: each keeps its own word's reading.
    const int p = out.source[static_cast<std::size_t>(i)];
    const int c = in.chosen(p);
    if (c < 0) continue;
    const WordAnalysis& a = in.at(c);
    if (skipped(a.speech)) continue;
    std::string& slot = out.at(i);
    SuffixContext ctx{a.speech, a.noun_kind(), a.number(), false};
    const int next = slot_reading(in, out, i + 1);
    ctx.next_is_ordinal_numeral = next >= 0 && in.at(next).speech == pos::num &&
                                  in.at(next).numeral_sort() == numeral_sort::ord;
    resolve_suffix(slot, ctx);
    if (!begins_with(slot, "<")) {
      switch (a.speech) {
        case pos::noun:
          memory = {a.grammatical_case(), a.number(), a.gender(),
                    a.noun_kind() == noun_kind::proper || a.noun_kind() == noun_kind::person,
                    true};
          break;
        case pos::pron:
          render_pronoun(in, p, a, memory, slot);
          break;
        case pos::adj:
          render_adjective(in, p, a, slot);
          if (a.comparison() == comparison::comp || a.comparison() == comparison::super)
            inflect_degree(slot);
          break;
        case pos::num:
          replace_first(slot, "tyth", "tieth");
          replace_first(slot, "times-times", "times");
          break;
        case pos::vpar:
          if (form_of(a, "sublat.") && a.voice() == voice::passive) {
            std::string prefix(lead_of(slot));
            set_word(slot, prefix, "died");
          }
          break;
        default: break;
      }
    }
    apply_irregular_forms(irregular, slot);
  }
}

}  // namespace kelvo::english
