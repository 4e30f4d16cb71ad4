// One clause: the sweep that strikes what the context rules out, the roles,
// the prepositional phrases, coordination, agreement links and correlatives.
#include <cstdio>
#include <string_view>

#include "syntax/clause_analysis.h"
#include "syntax/operations.h"
#include "syntax/partner.h"
#include "syntax/roles.h"

namespace kelvo::syntax {

using namespace grammar;

namespace {

constexpr Code kQuestionMark = 2;

bool begins_nocase(std::string_view m, std::string_view prefix) {
  if (!m.empty() && m[0] == '~') m.remove_prefix(1);
  return starts_with_nocase(m, prefix);
}

// What the sweep carries from one analysis to the next.
struct SweepState {
  int previous_pos = -1;
  int previous_last = -1;  // last live analysis of the previous word
  int date_pos = -1;       // a noun of years, months or days
  int numeral = -1;        // a cardinal numeral
  int skip_pos = -1;       // rest of the date noun's word
  bool comparative = false;
  int settled_pos = -1;    // a quam/quod/tam word already judged
  int last_prep_pos = -1;
  int cardinal_pos = -100;
  int uti = -1;
  bool question = false;   // the clause asks without -ne
};

void note_word_change(SentenceView& s, SweepState& st, int i) {
  SyntaxScratch& sc = s.scratch;
  const int prev = st.previous_last;
  if (prev < 0 || !s.live(prev)) return;
  const WordAnalysis& a = s.at(prev);
  if ((a.speech == pos::noun || a.speech == pos::pron) && a.grammatical_case() == gcase::nom) {
    sc.subject_candidate = prev;
  } else if (a.speech == pos::verb) {
    if (a.number() == number::sing) sc.verb_candidate = prev;
    if (s.at(i).speech == pos::verb && same_person(s, i))
      sc.verb_candidate = s.first_live_of(a.position.get());
  }
}

void date_rule(SentenceView& s, SweepState& st, int i) {
  const WordAnalysis& a = s.at(i);
  std::string_view m = a.meaning_text();
  if (st.date_pos < 0 &&
      (begins_nocase(m, "year") || begins_nocase(m, "month") || begins_nocase(m, "day"))) {
    st.date_pos = a.position.get();
    st.skip_pos = st.date_pos;
  }
  if (st.numeral < 0 && a.speech == pos::num && a.numeral_sort() == numeral_sort::card)
    st.numeral = i;
  if (st.date_pos < 0 || st.numeral < 0) return;
  const int np = s.pos(st.numeral);
  if (np == st.date_pos - 1) s.at(st.numeral).set_numeral_before_date(true);
  if (np == st.date_pos + 1) s.at(st.numeral).set_numeral_before_date(false);
  st.date_pos = st.numeral = -1;
}

// magis ... quam, fortior quam: "quam" is "than". Without a comparative, quam
// or tam before an adverb or adjective is the adverb "how"/"so".
void comparative_rule(SentenceView& s, SweepState& st, int i) {
  WordAnalysis& a = s.at(i);
  std::string_view t = a.latin_text();
  const int p = a.position.get();
  if (t == "magis." || t == "minus." || t == "mai.or" || t == "pauci.or" ||
      (is_adverb(a.speech) && a.stem_key == 2) ||
      (a.speech == pos::adj && a.comparison() == comparison::comp && s.first_live_of(p) == i))
    st.comparative = true;
  if (t != "quam." && t != "quod." && t != "tam.") return;
  if (st.settled_pos == p) return;
  st.settled_pos = p;
  if (t == "quam." && st.comparative) {
    keep_one(s, i);
    set_analysis_meaning(a, "than");
    a.set_conjunction_like(false);
    st.comparative = false;
    return;
  }
  if (t == "quod.") return;
  for (int j = s.first_of(p + 1); j < s.end_of(p + 1); ++j) {
    if (!s.live(j)) continue;
    WordAnalysis& next = s.at(j);
    if (is_adverb(next.speech) && next.rarity < 4) {
      keep_one(s, i);
      keep_one(s, j);
      a.set_conjunction_like(false);
      next.set_conjunction_like(false);
      return;
    }
    if (next.speech == pos::conj) {
      drop_candidate(s, i);
      return;
    }
  }
}

// In a question, "quo" with an agreeing noun or adjective next asks "which";
// with none it is the adverb "whither".
void question_rule(SentenceView& s, int i) {
  const WordAnalysis& a = s.at(i);
  std::string_view t = a.latin_text();
  if (a.speech != pos::pron || (t != "qu.o" && t != "qu.id" && t != "qu.od")) return;
  const int q = a.position.get() + 1;
  for (int j = s.first_of(q); j < s.end_of(q); ++j) {
    if (!s.live(j)) continue;
    Code js = s.at(j).speech;
    if ((js != pos::noun && js != pos::adj) || !agree(s, i, j)) continue;
    link_pair(s, i, j);
    if (a.grammatical_case() != gcase::nom) {
      keep_one(s, i);
      keep_one(s, j);
    }
    if (s.latin(j) == "quomodo.") set_analysis_meaning(s.at(j), "just-as");
    return;
  }
  if (t == "qu.o") drop_candidate(s, i);
}

// Verb rules of the sweep; false when i was struck.
bool verb_rule(SentenceView& s, SweepState& st, int i) {
  SyntaxScratch& sc = s.scratch;
  WordAnalysis& a = s.at(i);
  ++sc.verb_count;
  if (a.verb_kind() == verb_kind::impers && a.person() != 0 && a.person() != 3 &&
      drop_candidate(s, i))
    return false;
  const int code = sc.explicit_subject;
  if (code != 0 && a.rarity < 4) {
    int person = code == kEgo || code == kNos ? 1 : 2;
    int num = code == kEgo || code == kTu ? 1 : 2;
    bool nominal_before = sc.nominals.count > 0 &&
                          s.pos(sc.nominals[sc.nominals.count - 1]) != a.position.get() - 1;
    if (a.person() == person && a.number() == num && nominal_before) {
      keep_one(s, i);
      sc.explicit_subject = 0;
    }
  }
  if (a.mood() == mood::imp) {
    // An imperative beside an as common vocative or numeral reading of its
    // word stays only when the persons of the text allow it.
    bool rival = false;
    const int p = a.position.get();
    for (int j = s.first_of(p); j < i && !rival; ++j) {
      if (!s.live(j) || s.at(j).rarity > a.rarity) continue;
      const WordAnalysis& o = s.at(j);
      bool voc = (o.speech == pos::noun || o.speech == pos::adj || o.speech == pos::vpar) &&
                 o.grammatical_case() == gcase::voc;
      rival = voc || (o.speech == pos::num && o.numeral_sort() == numeral_sort::card);
    }
    const int mask = sc.person_mask;
    bool conflict = a.number() == number::sing
                        ? (mask == 1 && a.person() != 1) || (mask == 2 && a.person() != 2)
                        : (a.person() == 1 && mask != 4) || (a.person() == 2 && mask != 8);
    if (rival && conflict && drop_candidate(s, i)) {
      --sc.verb_count;
      return false;
    }
  }
  if (is_finite(a))
    sc.verb_number = sc.verb_number < 0 ? a.number() : std::max<int>(sc.verb_number, a.number());
  std::string_view t = a.latin_text();
  if (t.size() == 4 && (t[0] == 'u' || t[0] == 'U') && t.substr(1) == "t.i") {
    st.uti = i;
  } else if (st.uti >= 0 && a.mood() == mood::sub) {
    drop_candidate(s, st.uti);
    st.uti = -1;
  }
  return true;
}

// Appends i to the list of its class; false when the list is full.
bool collect(SentenceView& s, int i) {
  SyntaxScratch& sc = s.scratch;
  const WordAnalysis& a = s.at(i);
  const Code k = a.pronoun_kind();
  const bool modifier_pronoun = k == pronoun_kind::demonst || k == pronoun_kind::adject;
  IndexList<kMaxClauseList>* list = &sc.others;
  if (a.speech == pos::noun || a.speech == pos::sadj || (a.speech == pos::pron && !modifier_pronoun))
    list = &sc.nominals;
  else if (a.speech == pos::adj || a.speech == pos::num || a.speech == pos::pron)
    list = &sc.adjectives;
  else if (a.speech == pos::verb)
    list = &sc.verbs;
  else if (a.speech == pos::vpar)
    list = &sc.participles;
  if (list->push(i)) return true;
  char msg[200];
  std::snprintf(msg, sizeof msg, kTooManyInClauseFormat, kMaxClauseList);
  s.warn(msg);
  return false;
}

void sweep(SentenceView& s, const Clause& cl) {
  SyntaxScratch& sc = s.scratch;
  SweepState st;
  st.question = s.is(cl.last, pos::punct) && s.at(cl.last).punctuation() == kQuestionMark;
  for (int i = cl.first; i <= cl.last && st.question; ++i)
    if (s.live(i) && s.latin(i) == "ne.") st.question = false;
  for (int i = cl.first; i <= cl.last; ++i) {
    if (!s.live(i)) continue;
    WordAnalysis& a = s.at(i);
    const int p = a.position.get();
    const Code sp = a.speech;
    if (sc.relocated && (sp == pos::noun || sp == pos::adj || sp == pos::vpar) &&
        a.grammatical_case() == gcase::voc && a.link(0) < 0 && drop_candidate(s, i))
      continue;
    if (p != st.previous_pos) {
      note_word_change(s, st, i);
      st.previous_pos = p;
    }
    st.previous_last = i;
    if (p != st.skip_pos) date_rule(s, st, i);
    comparative_rule(s, st, i);
    if (!s.live(i)) continue;
    if (st.question) question_rule(s, i);
    if (sp == pos::num && a.numeral_sort() == numeral_sort::card) st.cardinal_pos = p;
    if (p - st.cardinal_pos >= 1 && p - st.cardinal_pos <= 3 &&
        ((sp == pos::noun && a.latin_text().starts_with("mili.")) ||
         (sp == pos::verb && a.latin_text().starts_with("numer.o"))) &&
        drop_candidate(s, i))
      continue;
    bool after_prep = sp == pos::noun && p == st.last_prep_pos + 1 &&
                      (a.grammatical_case() == gcase::abl || a.grammatical_case() == gcase::acc);
    if (!after_prep && fixed_drop(a) && drop_candidate(s, i)) continue;
    if (sp == pos::prep) st.last_prep_pos = p;
    if (sp == pos::pron) sc.explicit_subject = personal_pronoun_code(s, i, sc.explicit_subject);
    if (sp == pos::verb && !verb_rule(s, st, i)) continue;
    if (!s.live(i)) continue;
    if (!collect(s, i)) return;
  }
}

// Verbs whose every reading takes a dative, or an ablative.
void survey_verbs(SentenceView& s, const Clause& cl) {
  SyntaxScratch& sc = s.scratch;
  for (int p = s.pos(cl.first); p <= s.pos(cl.last); ++p) {
    bool any = false, dative = true, ablative = true;
    for (int j = s.first_of(p); j < s.end_of(p); ++j) {
      if (!s.is(j, pos::verb)) continue;
      const WordAnalysis& v = s.at(j);
      any = true;
      dative = dative && (v.verb_kind() == verb_kind::dat || v.complement() == complement::dat);
      ablative = ablative && (v.verb_kind() == verb_kind::abl || v.complement() == complement::abl);
    }
    if (!any) continue;
    if (dative) sc.dative_verb_pos = p;
    if (ablative) sc.ablative_verb_pos = p;
  }
}

void set_roles_and_flags(SentenceView& s, const Clause& cl) {
  for (int p = s.pos(cl.first); p <= s.pos(cl.last); ++p) {
    if (!s.valid_pos(p)) continue;
    std::uint8_t flags = 0;
    const int first = s.first_live_of(p);
    bool imperative = false;
    for (int j = s.first_of(p); j < s.end_of(p); ++j) {
      if (!s.live(j)) continue;
      WordAnalysis& a = s.at(j);
      a.set_role_code(role_code_of(a));
      if (a.rarity > s.at(first).rarity + 3) continue;
      int role = a.role_code();
      if (role == 1) flags |= 1;
      if (role == 4) flags |= 2;
      if (a.speech == pos::prep) flags |= 4;
      if (a.speech == pos::verb && (a.mood() == mood::ind || a.mood() == mood::sub)) flags |= 8;
      if (a.speech == pos::verb && a.mood() == mood::imp) imperative = true;
      if (is_adverb(a.speech)) flags |= 16;
    }
    if (flags == 0 && imperative) flags = 8;
    s.flags_of(p) = flags;
  }
}

// The word after p, past a bare tackon or an indeclinable adjective.
int object_word(const SentenceView& s, int p) {
  int q = p + 1;
  int f = s.first_live_of(q);
  if (f >= 0) {
    const WordAnalysis& w = s.at(f);
    if ((w.speech == pos::tackon && !w.coordination_marker()) ||
        (w.speech == pos::adj && w.grammatical_case() == gcase::invar))
      ++q;
  }
  return q;
}

bool partner_type_fits(Code object, Code partner) {
  switch (object) {
    case pos::noun: return partner == pos::adj || partner == pos::vpar;
    case pos::adj:
    case pos::num:
    case pos::vpar:
    case pos::sadj: return partner == pos::noun;
    case pos::pron: return partner == pos::adj || partner == pos::noun;
    default: return false;
  }
}

// The first analysis of word r that may stand with object o: a few common
// parts of speech of the word are tried.
int phrase_partner(SentenceView& s, int o, int r) {
  const int first = s.first_live_of(r);
  if (first < 0) return -1;
  Code seen[3] = {0, 0, 0};
  int kinds = 0;
  for (int j = first; j < s.end_of(r); ++j) {
    if (!s.live(j)) continue;
    const WordAnalysis& w = s.at(j);
    if (w.rarity > s.at(first).rarity + 3) continue;
    bool new_kind = true;
    for (int k = 0; k < kinds; ++k) new_kind = new_kind && seen[k] != w.speech;
    if (new_kind) {
      if (kinds == 3) break;
      seen[kinds++] = w.speech;
    }
    Code ws = w.speech == pos::sadj ? pos::adj : w.speech;
    if (partner_type_fits(s.at(o).speech, ws) && agree(s, o, j)) return j;
  }
  return -1;
}

void link_prepositions(SentenceView& s, const Clause& cl) {
  int tracked = 0;
  for (int i = cl.first; i <= cl.last && tracked < 10; ++i) {
    // A preposition, or the tackon cum of mecum, nobiscum (read before its
    // host) with the case it brings.
    const bool tackon_case = s.is(i, pos::tackon) && !s.at(i).coordination_marker() &&
                             s.at(i).grammatical_case() != 0;
    if (!s.is(i, pos::prep) && !tackon_case) continue;
    ++tracked;
    const Code c = s.at(i).grammatical_case();
    const int q = object_word(s, s.pos(i));
    if (q > s.pos(cl.last)) continue;
    for (int o = s.first_of(q); o < s.end_of(q); ++o) {
      if (!s.live(o)) continue;
      WordAnalysis& obj = s.at(o);
      if (obj.grammatical_case() != c && obj.grammatical_case() != 0) continue;
      if (obj.speech == pos::punct || obj.speech == pos::verb) continue;
      // The object: a noun, or a pronoun standing for one (cum illis, ab eo).
      if ((obj.speech == pos::noun || obj.speech == pos::sadj || obj.speech == pos::pron) &&
          s.at(i).link(0) < 0) {
        s.at(i).set_link(0, o);
        if (obj.link(0) < 0) obj.set_link(0, i);
      }
      int r = q + 1;
      int conj = s.first_live_of(r);
      bool joined = conj >= 0 && (s.latin(conj) == "et." || s.latin(conj) == "que.");
      if (joined) ++r;
      if (r > s.pos(cl.last)) continue;
      int partner = phrase_partner(s, o, r);
      if (partner < 0) continue;
      if (joined) {
        // in urbem et oppidum: the two objects are coordinated.
        if (coordinate_nominal(s, o, c)) continue;
      }
      WordAnalysis& pw = s.at(partner);
      s.at(i).set_link(0, o);
      obj.set_link(0, partner);
      obj.set_link(1, i);
      if (pw.link(1) < 0) pw.set_link(1, i);
      if (pw.link(0) < 0) pw.set_link(0, o);
      keep_one(s, i);
      keep_one(s, o);
      keep_one(s, partner);
      break;
    }
  }
}

void coordinate_clause(SentenceView& s) {
  SyntaxScratch& sc = s.scratch;
  for (auto* list : {&sc.nominals, &sc.adjectives})
    for (int k = 0; k < list->count; ++k) {
      int i = (*list)[k];
      if (s.live(i)) coordinate_nominal(s, i, s.at(i).grammatical_case());
    }
  for (int k = 0; k < sc.verbs.count; ++k)
    if (s.live(sc.verbs[k])) coordinate_verb(s, sc.verbs[k]);
}

// Two readings of one word that agree alike: same part of speech, pronoun
// kind, case, number and gender, and no links yet.
bool same_features(const SentenceView& s, int a, int b) {
  const WordAnalysis& x = s.at(a);
  const WordAnalysis& y = s.at(b);
  return x.position.get() == y.position.get() && x.speech == y.speech &&
         x.entry_kind() == y.entry_kind() && x.grammatical_case() == y.grammatical_case() &&
         x.number() == y.number() && x.gender() == y.gender() && x.role_code() == y.role_code() &&
         x.link(0) < 0 && y.link(0) < 0 && x.declension.get() == y.declension.get() &&
         x.latin_text() == y.latin_text();
}

// Each nominal, adjective and participle looks for an agreeing neighbour,
// after its word and then before it, trying the kinds of partner in order.
void link_neighbours(SentenceView& s) {
  SyntaxScratch& sc = s.scratch;
  // A noun agrees with an adjective far more often than it stands in
  // apposition to another noun: "Spiritu Sancto" is noun and adjective.
  static constexpr Code kForNominal[] = {pos::sadj, pos::adj, pos::num, pos::vpar, pos::noun,
                                         pos::pron};
  static constexpr Code kForAdjective[] = {pos::noun, pos::pron, pos::sadj};
  auto try_list = [&](const IndexList<kMaxClauseList>& list, std::span<const Code> kinds) {
    int failed = -1;  // the last reading that found no partner
    for (int k = 0; k < list.count; ++k) {
      int i = list[k];
      if (!s.live(i) || s.at(i).link(0) >= 0) continue;
      // Readings of one word with the same form find what the last one found:
      // after a failure the search is not repeated (quam has thirty readings).
      if (failed >= 0 && same_features(s, failed, i)) continue;
      bool found = find_partner(s, i, +1, kinds) == PartnerResult::found ||
                   find_partner(s, i, -1, kinds) == PartnerResult::found;
      failed = found ? -1 : i;
    }
  };
  try_list(sc.nominals, kForNominal);
  try_list(sc.adjectives, kForAdjective);
  try_list(sc.participles, kForAdjective);
}

constexpr int kMaxModifierGap = 6;

bool adverb_reading(const SentenceView& s, int p) {
  for (int j = s.first_of(p); j < s.end_of(p); ++j)
    if (s.live(j) && is_adverb(s.at(j).speech)) return true;
  return false;
}

// The nearest agreeing noun (or pronoun) of the clause for an adjective that
// found none beside it: "magnam habet gloriam".
int distant_partner(SentenceView& s, const Clause& cl, int i) {
  const int p = s.pos(i), low = s.pos(cl.first), high = s.pos(cl.last);
  // Nearest word first; at one distance the word after (the noun usually
  // follows its adjective). Farther than a few words a match is more often
  // chance than agreement.
  for (int d = 1; d <= kMaxModifierGap && (p + d <= high || p - d >= low); ++d) {
    for (int q : {p + d, p - d}) {
      if (q < low || q > high || !s.may_agree_in_case(q, s.at(i).grammatical_case())) continue;
      for (int j = s.first_of(q); j < s.end_of(q); ++j) {
        if (!s.live(j)) continue;
        const WordAnalysis& w = s.at(j);
        if (w.speech != pos::noun && w.speech != pos::sadj &&
            !(w.speech == pos::pron && w.role_code() == 1))
          continue;
        if (w.grammatical_case() != 0 && agree(s, i, j)) return j;
      }
    }
  }
  return -1;
}

// Whether a verb reading already has a subject linked to it.
bool has_subject(const SentenceView& s, int v) {
  for (int k = 0; k < 3; ++k) {
    const int l = s.linked(v, k);
    if (l >= 0 && subject_fits(s, l, v)) return true;
  }
  return false;
}

// Whether every live reading of n's word is nominative.
bool only_nominative(const SentenceView& s, int n) {
  const int p = s.pos(n);
  for (int j = s.first_of(p); j < s.end_of(p); ++j)
    if (s.live(j) && s.at(j).grammatical_case() != gcase::nom) return false;
  return true;
}

// The verb word at p, when none of its readings has a subject yet, takes the
// best-fitting nominative before it (or, on the second pass, after it): one
// that can only be nominative first, then the nearest.
void link_subject(SentenceView& s, const Clause& cl, int p, bool before) {
  int verb = -1;
  for (int v = s.first_of(p); v < s.end_of(p); ++v) {
    if (!s.live(v) || !is_finite(s.at(v))) continue;
    if (has_subject(s, v)) return;
    if (verb < 0) verb = v;
  }
  if (verb < 0) return;
  int best = -1, best_verb = -1, best_cost = 1 << 20;
  const Stretch st = verb_stretch(s, cl.first, cl.last, verb);
  const int from = before ? s.first_of(st.low) : s.first_of(p + 1);
  const int to = before ? s.first_of(p) : s.end_of(st.high);
  for (int v = s.first_of(p); v < s.end_of(p); ++v) {
    if (!s.live(v) || !is_finite(s.at(v))) continue;
    for (int n = from; n < to; ++n) {
      const int np = s.pos(n);
      if (np < st.low || np > st.high) continue;
      if (!subject_fits(s, n, v) || s.at(n).link(1) >= 0) continue;
      if (object_shaped_subject(s, cl.first, cl.last, n, v)) continue;
      const int cost = (before ? p - np : np - p) + (only_nominative(s, n) ? 0 : 4) +
                       (v - s.first_of(p));
      if (cost < best_cost) {
        best_cost = cost;
        best = n;
        best_verb = v;
      }
    }
  }
  if (best >= 0) link_pair(s, best, best_verb);
}

// A perfect participle in the nominative and a form of "be" beside it of its
// number make one verb: "factum est", "missi sunt".
void link_compound_tenses(SentenceView& s, const Clause& cl) {
  for (int i = cl.first; i <= cl.last; ++i) {
    if (!s.is(i, pos::vpar)) continue;
    const WordAnalysis& a = s.at(i);
    if (a.tense() != tense::perf || a.grammatical_case() != gcase::nom) continue;
    const int p = a.position.get();
    for (int q : {p + 1, p - 1, p + 2}) {
      if (q < s.pos(cl.first) || q > s.pos(cl.last)) continue;
      int be = -1;
      for (int j = s.first_of(q); j < s.end_of(q) && be < 0; ++j)
        if (s.live(j) && is_be(s.at(j)) && is_finite(s.at(j)) && s.at(j).number() == a.number())
          be = j;
      if (be < 0) continue;
      link_pair(s, i, be);
      break;
    }
  }
}

// The clause's end: links to struck readings repaired, lone modifiers and
// genitives attached, and each finite verb given its subject (a nominative
// ego, tu, nos, vos for the verbs of their person).
void end_of_clause(SentenceView& s, const Clause& cl) {
  for (int i = cl.first; i <= cl.last; ++i) {
    if (!s.live(i)) continue;
    WordAnalysis& a = s.at(i);
    int l = a.link(0);
    if (l >= 0 && (!s.live(l) || (s.at(l).link(0) >= 0 && !s.live(s.at(l).link(0))))) {
      a.set_link(0, a.link(1));
      a.set_link(1, -1);
    }
  }
  // Adjectives and participles left alone join the nearest agreeing noun.
  for (int i = cl.first; i <= cl.last; ++i) {
    if (!s.live(i) || s.at(i).link(0) >= 0) continue;
    const WordAnalysis& a = s.at(i);
    bool modifier = a.speech == pos::adj || a.speech == pos::vpar ||
                    (a.speech == pos::pron && a.role_code() == 4);
    if (!modifier || a.grammatical_case() == 0) continue;
    // A form that is also an adverb (multum, facile, vero) is one when no
    // noun beside it agrees: it is not joined to a noun farther away.
    if (a.speech == pos::adj && adverb_reading(s, a.position.get())) continue;
    if (a.grammatical_case() == gcase::nom && a.gender() == gender::neuter &&
        a.speech != pos::pron)
      continue;  // a neuter predicate ("utile est") stands alone
    int j = distant_partner(s, cl, i);
    if (j >= 0) link_pair(s, i, j);
  }
  link_compound_tenses(s, cl);
  // Finite verbs and their subjects, looking back first, then ahead.
  for (int pass = 0; pass < 2; ++pass)
    for (int p = s.pos(cl.first); p <= s.pos(cl.last); ++p) link_subject(s, cl, p, pass == 0);
}

struct Correlative {
  std::string_view first, second, first_english, second_english;
};

constexpr Correlative kCorrelatives[] = {
    {"et.", "et.", "both", "and"},          {"aut.", "aut.", "either", "or"},
    {"uel.", "uel.", "either", "or"},       {"nec.", "nec.", "neither", "nor"},
    {"neque.", "neque.", "neither", "nor"}, {"siue.", "siue.", "whether", "or if"},
    {"qua.", "qua.", "partly", "partly"},   {"seu.", "seu.", "either", "or"},
    {"partim.", "partim.", "partly", "partly"}, {"si.", "siue.", "if", "or if"},
    {"utrum.", "an.", "whether", "or"},     {"magis.", "quam.", "more", "than"},
    {"plus.", "quam.", "more", "than"},     {"alter.", "alter.", "one", "the other"},
    {"ne.", "aut.", "neither", "nor"},      {"tam.", "tam.", "so very", "so very"},
    {"neque.", "omnino.", "not", "at all"},
};

void settle_correlative(SentenceView& s, int i, std::string_view english) {
  keep_one(s, i);
  WordAnalysis& a = s.at(i);
  if (a.speech == pos::conj) a.speech = pos::adv;
  a.set_conjunction_like(true);
  set_analysis_meaning(a, english);
}

// et ... et, aut ... aut, neque ... neque: the pair read together.
void pair_correlatives(SentenceView& s, const Clause& cl) {
  IndexList<10> words;
  int last_pos = -1;
  for (int i = cl.first; i <= cl.last && words.count < 9; ++i) {
    if (!s.live(i)) continue;
    const WordAnalysis& a = s.at(i);
    bool joining = is_adverb(a.speech) || a.speech == pos::conj ||
                   (a.coordination_marker() && words.count > 0);
    if (!joining || a.latin_text() == "non." || a.position.get() == last_pos) continue;
    words.push(i);
    last_pos = a.position.get();
  }
  if (words.count > 0) {
    // ", aut" right after the clause's last such word joins the list.
    int comma = s.first_live_of(last_pos + 1);
    int aut = s.first_live_of(last_pos + 2);
    if (s.is(comma, pos::punct) && s.at(comma).punctuation() == 1 && s.latin(aut) == "aut.")
      words.push(aut);
  }
  auto kind = [&](int i) {
    Code sp = s.at(i).speech;
    return s.latin(i) == "neque." ? pos::adv : sp;
  };
  for (int k = 0; k + 1 < words.count; ++k) {
    const int a = words[k];
    if (!s.live(a)) continue;
    const int next = words[k + 1];
    if (s.latin(a) != s.latin(next) && kind(a) != kind(next)) continue;
    for (const Correlative& row : kCorrelatives) {
      if (row.first != s.latin(a)) continue;
      int partner = -1;
      for (int m = k + 1; m < words.count && partner < 0; ++m)
        if (s.latin(words[m]) == row.second && s.live(words[m])) partner = words[m];
      if (partner < 0) continue;
      settle_correlative(s, a, row.first_english);
      settle_correlative(s, partner, row.second_english);
      break;
    }
  }
}

}  // namespace

void analyse_clause(SentenceView& s, int clause) {
  SyntaxScratch& sc = s.scratch;
  const Clause cl = sc.clauses[static_cast<std::size_t>(clause)];
  sc.reset_clause();
  sweep(s, cl);
  survey_verbs(s, cl);
  set_roles_and_flags(s, cl);
  assign_roles(s, cl.first, cl.last);
  link_prepositions(s, cl);
  coordinate_clause(s);
  link_neighbours(s);
  end_of_clause(s, cl);
  pair_correlatives(s, cl);
}

}  // namespace kelvo::syntax
