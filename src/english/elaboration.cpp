#include "english/elaboration.h"

#include "base/text.h"
#include "english/text_edit.h"
#include "english/verb_phrase.h"
#include "english/word_english.h"

namespace kelvo::english {

using namespace grammar;

namespace {

bool live(Code s) { return s != pos::deleted && s != pos::deleted_ai; }

// The analysis `a` links to by link k, or -1.
int linked(const SentenceInput& in, const WordAnalysis& a, int k) {
  int j = a.link(k);
  return j >= 0 && j < in.scratch.count ? j : -1;
}

// Whether the word linked to `a` stands more than one position before p.
bool linked_far_before(const SentenceInput& in, const WordAnalysis& a, int p) {
  int j = linked(in, a, 0);
  return j >= 0 && in.at(j).position.get() < p - 1;
}

// The article or preposition of a noun's case.
std::string_view noun_prefix(const SentenceInput& in, const WordAnalysis& a, int p) {
  switch (a.grammatical_case()) {
    case gcase::voc: return "O ";
    case gcase::gen: return "of the ";
    case gcase::loc: return "at ";
    case gcase::dat: {
      // A dative that agrees with a word well before it (its verb or noun)
      // is read with that word: "the" alone, except directly after a
      // coordinating marker.
      int prev = in.chosen(p - 1);
      bool after_marker = prev >= 0 && in.at(prev).speech == pos::tackon &&
                          in.at(prev).joining_mark() == 2;
      if (linked(in, a, 0) >= 0 && linked_far_before(in, a, p) && !after_marker) return "the ";
      return "to the ";
    }
    case gcase::abl: return "with the ";
    case gcase::nom:
    case gcase::acc: return "the ";
    default: return "";
  }
}

// Adjectives, numerals and participles: the noun's prefixes, "the" only for
// a word that agrees with another, nothing for one read with a word far before.
std::string_view adjective_prefix(const SentenceInput& in, const WordAnalysis& a, int p,
                                  Code gc) {
  if (linked_far_before(in, a, p)) return "";
  switch (gc) {
    case gcase::voc: return "O ";
    case gcase::gen: return "of the ";
    case gcase::loc: return "at ";
    case gcase::dat: return "to the ";
    case gcase::abl: return "with the ";
    case gcase::nom:
    case gcase::acc: {
      // An adjective of the indeclinable pronoun nihil follows it bare:
      // "nothing safe", "nothing other".
      const int j = linked(in, a, 0);
      if (j < 0) return "";
      const WordAnalysis& head = in.at(j);
      const bool of_nothing = head.speech == pos::pron &&
                              head.pronoun_kind() == pronoun_kind::indef &&
                              head.grammatical_case() == 0;
      return of_nothing ? "" : "the ";
    }
    default: return "";
  }
}

// Inserts a suffix marker after the head word (after the whole text when
// the English has no head).
void add_suffix(WordEnglish& e, std::string_view marker) {
  std::size_t at = e.head_length ? e.head_end() : e.text.size();
  e.text.insert(at, marker);
}

// English pronouns have their own plurals and object forms.
void pronoun_form(WordEnglish& e, const WordAnalysis& a) {
  const bool plural = a.number() == number::plur;
  const Code gc = a.grammatical_case();
  const bool subject = gc == gcase::nom || gc == gcase::voc || gc == 0;
  std::string& t = e.text;
  if (t == "he" || t == "she" || t == "it" || t == "him" || t == "her") {
    if (plural) t = subject ? "they" : "them";
    else if (a.gender() == gender::fem) t = subject ? "she" : "her";
    else if (a.gender() == gender::neuter) t = "it";
    else t = subject ? "he" : "him";
  } else if (plural && t == "this") {
    t = "these";
  } else if (plural && t == "that") {
    t = "those";
  }
  // Other pronouns keep their English as it is: "+s" would make "sames",
  // "whos", "anyones".
}

// Whether a subjunctive verb follows p in its clause before the next CONJ.
bool subjunctive_follows(const SentenceInput& in, int p) {
  for (int q = p + 1; q < in.positions(); ++q) {
    int c = in.chosen(q);
    if (c < 0) continue;
    const WordAnalysis& a = in.at(c);
    if (a.speech == pos::conj || a.speech == pos::punct) return false;
    if (a.speech == pos::verb && a.mood() == mood::sub) return true;
  }
  return false;
}

bool clause_is_question(const SentenceInput& in, int p) {
  for (int q = p + 1; q < in.positions(); ++q) {
    int c = in.chosen(q);
    if (c < 0 || in.at(c).speech != pos::punct) continue;
    Code pc = in.at(c).punctuation();
    if (pc == 2) return true;                 // "?"
    if (pc == 0 || pc == 4 || pc == 7) return false;  // ".", "!", ";"
  }
  return false;
}

// A verb is linked to its subject and to its object alike: its subject is
// the linked word in the nominative (a removed one passes to the next link).
bool compound_pair(const SentenceInput& in, int verb, int part);

int subject_of(const SentenceInput& in, int verb_index) {
  const WordAnalysis& verb = in.at(verb_index);
  for (int k = 0; k < 3; ++k) {
    int j = linked(in, verb, k);
    if (j < 0 || !live(in.at(j).speech)) continue;
    if (compound_pair(in, verb_index, j)) continue;  // the verb's own participle
    const WordAnalysis& w = in.at(j);
    if (w.grammatical_case() == gcase::nom || w.speech == pos::verb) return j;
  }
  return -1;
}

bool linked_pair(const WordAnalysis& a, int ai, const WordAnalysis& b, int bi) {
  for (int k = 0; k < 3; ++k)
    if (a.link(k) == bi || b.link(k) == ai) return true;
  return false;
}

// A perfect participle and the form of "be" it is read with as one verb
// ("facta est", "dictum erat", "secutus est"): linked by the sentence
// passes, or side by side with the participle in the nominative and the same
// number.
bool compound_pair(const SentenceInput& in, int verb, int part) {
  if (verb < 0 || part < 0) return false;
  const WordAnalysis& v = in.at(verb);
  const WordAnalysis& q = in.at(part);
  if (v.speech != pos::verb || v.verb_kind() != verb_kind::to_be) return false;
  if (q.speech != pos::vpar || q.tense() != tense::perf) return false;
  if (linked_pair(v, verb, q, part)) return true;
  const int gap = v.position.get() - q.position.get();
  return (gap == 1 || gap == -1) && q.grammatical_case() == gcase::nom &&
         (v.mood() == mood::inf || q.number() == v.number());
}

// The participle read with the "be" verb at analysis `verb`, or -1.
int compound_participle(const SentenceInput& in, int verb) {
  const int p = in.at(verb).position.get();
  for (int q = p - 3; q <= p + 3; ++q) {
    int c = in.chosen(q);
    if (c >= 0 && compound_pair(in, verb, c)) return c;
  }
  return -1;
}

// The "be" verb a participle is read with, or -1.
int compound_verb(const SentenceInput& in, int part) {
  const int p = in.at(part).position.get();
  for (int q = p - 3; q <= p + 3; ++q) {
    int c = in.chosen(q);
    if (c >= 0 && compound_pair(in, c, part) && compound_participle(in, c) == part) return c;
  }
  return -1;
}

// The tense of the compound: "est" with a perfect participle is a perfect,
// "erat" a pluperfect, "erit" a future perfect.
Code compound_tense(Code be_tense) {
  switch (be_tense) {
    case tense::impf: return tense::plup;
    case tense::fut: return tense::futp;
    case tense::plup: return tense::plup;
    case tense::futp: return tense::futp;
    default: return tense::perf;
  }
}

bool latin_is(const WordAnalysis& a, std::string_view form) {
  return equals_nocase(a.latin_text(), form);
}

// The English of position p into `slot`.
void elaborate_position(const SentenceInput& in, int p, std::string& slot) {
  slot.clear();
  const int c = in.chosen(p);
  if (c < 0) {
    // A word no reading was found for keeps its Latin form (a name, most
    // often); a position beyond the analyses the table could hold is a gap.
    if (static_cast<std::size_t>(p) < in.sentence.tokens.size() &&
        in.sentence.tokens[static_cast<std::size_t>(p)].candidates.empty())
      slot = in.sentence.tokens[static_cast<std::size_t>(p)].form;
    else
      slot = kGapText;
    return;
  }
  const WordAnalysis& a = in.at(c);
  if (a.speech == pos::punct) {
    Code pc = a.punctuation();
    if (pc < kPunctuationCount) slot.assign(1, kPunctuationChars[pc]);
    return;
  }
  const analysis::Candidate* cand = in.candidate(c);
  WordEnglish e = cand ? word_english(in.wa, *cand, in.area)
                       : english_from_text(a.meaning_text(), a.speech);
  const bool plural = a.number() == number::plur;
  switch (a.speech) {
    case pos::noun: {
      if (a.noun_kind() == noun_kind::gerund) add_suffix(e, "+ing");
      slot = noun_prefix(in, a, p);
      if (plural && !a.noun_plural_flag() && !e.plural && a.noun_kind() != noun_kind::gerund)
        add_suffix(e, "+s");
      slot += e.text;
      break;
    }
    case pos::pron: {
      const bool after_prep = in.speech_at(p - 1) == pos::prep;
      switch (a.grammatical_case()) {
        case gcase::voc: slot = "O "; break;
        case gcase::gen: slot = "of "; break;
        case gcase::dat: slot = after_prep ? "" : "to "; break;
        case gcase::abl: slot = after_prep ? "" : "with "; break;
        default: break;
      }
      pronoun_form(e, a);
      slot += e.text;
      break;
    }
    case pos::adj:
    case pos::sadj: {
      Code gc = a.grammatical_case();
      if (gc == gcase::dat && !linked_far_before(in, a, p))
        slot = "to the ";
      else
        slot = adjective_prefix(in, a, p, gc);
      // "of the Sequani", "of such size": an English that opens with its own
      // "of" takes no case preposition ("with of the Sequani").
      if (begins_with(e.text, "of ") && (gc == gcase::abl || gc == gcase::dat)) slot.clear();
      if (a.comparison() == comparison::comp) slot += "more ";
      if (a.comparison() == comparison::super) slot += "most ";
      if (a.speech == pos::sadj && plural) {
        int l0 = linked(in, a, 0), l1 = linked(in, a, 1);
        bool noun_link = (l0 >= 0 && in.at(l0).speech == pos::noun) ||
                         (l1 >= 0 && in.at(l1).speech == pos::noun);
        if (!noun_link) add_suffix(e, "+s");
      }
      slot += e.text;
      break;
    }
    case pos::num: {
      Code gc = a.grammatical_case();
      int l0 = linked(in, a, 0);
      if (gc == 0 && l0 >= 0) gc = in.at(l0).grammatical_case();
      slot = adjective_prefix(in, a, p, gc);
      if ((gc == gcase::nom || gc == gcase::acc) && a.numeral_sort() == numeral_sort::card)
        slot.clear();
      slot += e.text;
      switch (a.numeral_sort()) {
        case numeral_sort::ord: slot += "+th"; break;
        case numeral_sort::dist: slot += "-each"; break;
        case numeral_sort::adverb: slot += "-times"; break;
        default: break;
      }
      break;
    }
    case pos::adv:
    case pos::adv2: {
      if ((latin_is(a, "quam.") && e.text == "than") ||
          (!in.single_word && (latin_is(a, "ut.") || latin_is(a, "uti.")))) {
        slot = clause_is_question(in, p) ? e.text : "as";
        break;
      }
      if (a.comparison() == comparison::comp) slot = "more ";
      if (a.comparison() == comparison::super) slot = "most ";
      slot += e.text;
      break;
    }
    case pos::verb: {
      SubjectFacts subject;
      int s = subject_of(in, c);
      if (s >= 0 && live(in.at(s).speech)) {
        const WordAnalysis& sa = in.at(s);
        subject = SubjectFacts{true, sa.speech, sa.noun_kind(), sa.gender()};
      }
      const int count = in.single_word ? 0 : subject_count(in, c);
      const int part = in.single_word ? -1 : compound_participle(in, c);
      if (part >= 0) {
        // One verb phrase from the participle's meaning in the compound tense.
        const WordAnalysis& q = in.at(part);
        WordAnalysis compound = a;
        compound.set_verb_kind(q.verb_kind());
        compound.set_tense(compound_tense(a.tense()));
        const Code k = q.verb_kind();
        compound.set_voice(k == verb_kind::dep || k == verb_kind::semidep ? voice::active
                                                                           : voice::passive);
        const analysis::Candidate* qc = in.candidate(part);
        WordEnglish qe = qc ? word_english(in.wa, *qc, in.area)
                            : english_from_text(q.meaning_text(), q.speech);
        build_verb_phrase(qe.text, compound, count, subject, slot);
        break;
      }
      build_verb_phrase(e.text, a, count, subject, slot);
      break;
    }
    case pos::vpar: {
      if (!in.single_word && compound_verb(in, c) >= 0) break;  // its verb phrase says it
      slot = adjective_prefix(in, a, p, a.grammatical_case());
      if (a.mood() == mood::ger)
        slot += slot.empty() ? "the RTB " : "RTB ";
      else if (a.tense() == tense::fut)
        slot += "soon ";
      add_suffix(e, a.voice() == voice::active ? "+ing" : "+ed");
      slot += e.text;
      replace_first(slot, "be+ed", "been") || replace_first(slot, "be+ing", "being");
      break;
    }
    case pos::supine: {
      if (a.grammatical_case() != gcase::acc) slot = "with ";
      add_suffix(e, "+ing");
      slot += e.text;
      break;
    }
    case pos::conj: {
      if (!in.single_word && (latin_is(a, "ut.") || latin_is(a, "uti."))) {
        slot = subjunctive_follows(in, p) ? "in order that" : "as";
        break;
      }
      slot = e.text;
      break;
    }
    default:
      slot = e.text;
      break;
  }
}

}  // namespace

int subject_count(const SentenceInput& in, int verb) {
  const syntax::SyntaxScratch& sc = in.scratch;
  int first = 0, last = sc.count - 1;
  for (int k = 0; k < sc.clause_count && k < syntax::kMaxClauses; ++k) {
    const auto& cl = sc.clauses[static_cast<std::size_t>(k)];
    if (cl.first <= verb && verb <= cl.last) {
      first = cl.first;
      last = cl.last;
      break;
    }
  }
  const WordAnalysis& v = in.at(verb);
  int linked_count = 0, agreeing = 0;
  for (int p = 0; p < in.positions(); ++p) {
    int c = in.chosen(p);
    if (c < first || c > last || c == verb) continue;
    const WordAnalysis& a = in.at(c);
    if (a.grammatical_case() != gcase::nom) continue;
    const bool nominal = a.speech == pos::noun ||
                         ((a.speech == pos::pron || a.speech == pos::sadj) && a.entry_kind() == 1);
    if (!nominal) continue;
    const int weight = a.number() == number::plur ? 2 : 1;
    bool to_verb = false;
    for (int k = 0; k < 3; ++k) to_verb = to_verb || a.link(k) == verb;
    if (to_verb) linked_count += weight;
    if (a.number() == v.number()) agreeing += weight;
  }
  return linked_count > 0 ? linked_count : agreeing;
}

void elaborate(const SentenceInput& in, OutputWords& out) {
  out.reset(in.positions());
  for (int p = 0; p < in.positions(); ++p) elaborate_position(in, p, out.at(p));
}

}  // namespace kelvo::english
