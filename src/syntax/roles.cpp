#include "syntax/roles.h"

#include <algorithm>

#include "syntax/operations.h"
#include "syntax/partner.h"

namespace kelvo::syntax {

using namespace grammar;

namespace {

bool nominal_head(const WordAnalysis& a) {
  return a.speech == pos::noun || a.speech == pos::pron || a.speech == pos::sadj ||
         a.speech == pos::num;
}

// A preposition just before n (or before an adjective before it) governs n's case.
bool governed_by_preposition(const SentenceView& s, int n) {
  const Code c = s.at(n).grammatical_case();
  const int p = s.pos(n);
  for (int back = 1; back <= 2; ++back) {
    const int q = p - back;
    bool prep = false, adjective = false;
    for (int j = s.first_of(q); j < s.end_of(q); ++j) {
      if (!s.live(j)) continue;
      const WordAnalysis& w = s.at(j);
      if (w.speech == pos::prep && w.grammatical_case() == c) prep = true;
      if ((w.speech == pos::adj || w.speech == pos::pron || w.speech == pos::num) &&
          w.grammatical_case() == c)
        adjective = true;
    }
    if (prep) return true;
    if (!adjective) return false;
  }
  return false;
}

// A word right after a preposition with a reading in the preposition's case
// is its object, whatever its other readings.
bool after_preposition(const SentenceView& s, int n) {
  const int p = s.pos(n);
  for (int j = s.first_of(p - 1); j < s.end_of(p - 1); ++j) {
    if (!s.is(j, pos::prep)) continue;
    const Code c = s.at(j).grammatical_case();
    for (int k = s.first_of(p); k < s.end_of(p); ++k)
      if (s.live(k) && s.at(k).grammatical_case() == c) return true;
  }
  return false;
}

// A relative or interrogative pronoun (qui, quod, quid, cuius ...) opens a
// clause of its own: it belongs to the verb after it.
bool opens_clause(const WordAnalysis& a) {
  if (a.speech != pos::pron) return false;
  const Code k = a.pronoun_kind();
  if (k == pronoun_kind::rel) return true;
  std::string_view t = a.latin_text();
  bool qu = t.starts_with("qu") || t.starts_with("cu");
  return qu && (k == pronoun_kind::interr || k == pronoun_kind::indef);
}

// What a word is to the search for a verb's subject and object.
enum class Barrier { none, before, after };

Barrier barrier(const SentenceView& s, int q) {
  const int f = s.first_live_of(q);
  if (f < 0) return Barrier::none;
  const WordAnalysis& a = s.at(f);
  if (a.speech == pos::conj) return Barrier::before;
  if (opens_clause(a)) return Barrier::after;
  for (int j = f; j < s.end_of(q); ++j)
    if (s.live(j) && !is_finite(s.at(j))) return Barrier::none;
  return Barrier::before;  // another finite verb
}

}  // namespace

Stretch verb_stretch(const SentenceView& s, int first, int last, int v) {
  const int vp = s.pos(v);
  Stretch st{vp, vp};
  const int lo = s.pos(first), hi = s.pos(last);
  for (int q = vp - 1; q >= lo; --q) {
    Barrier b = barrier(s, q);
    if (b == Barrier::before) break;
    st.low = q;
    if (b == Barrier::after) break;  // a relative pronoun opens the verb's clause
  }
  for (int q = vp + 1; q <= hi; ++q) {
    if (barrier(s, q) != Barrier::none) break;
    st.high = q;
  }
  return st;
}

namespace {

// How far a complement lies from its verb, a word after the verb counting a
// little more than one before it.
int distance(const SentenceView& s, int n, int v) {
  int d = s.pos(n) - s.pos(v);
  return d < 0 ? -2 * d : 2 * d + 1;
}

// The nearest live analysis in [first, last] that `fits`, by distance to v,
// within the stretch of words that belongs to v's clause.
template <typename Fits>
int nearest(const SentenceView& s, int first, int last, int v, Fits fits,
            int (*extra_cost)(const SentenceView&, int) = nullptr) {
  const Stretch st = verb_stretch(s, first, last, v);
  int best = -1, best_cost = 1 << 30;
  const int from = std::max(first, s.first_of(st.low));
  const int to = std::min(last + 1, s.end_of(st.high));
  int rank = 0;
  for (int i = from; i < to; ++i) {
    if (i == from || s.pos(i) != s.pos(i - 1)) rank = 0;
    if (!s.live(i)) continue;
    ++rank;  // live readings of the word up to this one
    if (i == v || !fits(i)) continue;
    const int lead = s.first_live_of(s.pos(i));
    int cost = distance(s, i, v) * 2 + 2 * effective_rarity(s, i) + 2 * (rank - 1) +
               (s.at(lead).speech != s.at(i).speech ? 15 : 0) +
               (extra_cost ? extra_cost(s, i) : 0);
    if (cost < best_cost) {
      best_cost = cost;
      best = i;
    }
  }
  return best;
}

}  // namespace

bool transitive(const WordAnalysis& v) {
  if (v.speech != pos::verb && v.speech != pos::vpar) return false;
  if (v.voice() == voice::passive && v.verb_kind() != verb_kind::dep) return false;
  return v.verb_kind() == verb_kind::trans || v.complement() == complement::trans ||
         (v.role_code() & 32) != 0;
}

bool may_take_object(const WordAnalysis& v) {
  if (v.speech != pos::verb || !is_finite(v) || is_be(v)) return false;
  if (v.voice() == voice::passive && v.verb_kind() != verb_kind::dep) return false;
  const Code k = v.verb_kind();
  if (k == verb_kind::to_be || k == verb_kind::to_being || k == verb_kind::intrans ||
      k == verb_kind::impers)
    return false;
  return v.complement() != complement::intrans;
}

bool object_shaped_subject(const SentenceView& s, int first, int last, int n, int v) {
  if (!may_take_object(s.at(v)) || !may_be_accusative(s, n)) return false;
  // Most verbs are not marked for transitivity: then only a neuter, whose
  // nominative is always its accusative, is taken for the object.
  if (!transitive(s.at(v)) && s.at(n).gender() != gender::neuter) return false;
  // Another word of the verb's stretch can be the object: n may be the subject.
  const Stretch st = verb_stretch(s, first, last, v);
  const int to = std::min(last + 1, s.end_of(st.high));
  for (int j = std::max(first, s.first_of(st.low)); j < to; ++j) {
    const int q = s.pos(j);
    if (!s.live(j) || q == s.pos(n) || q == s.pos(v)) continue;
    const WordAnalysis& o = s.at(j);
    if (nominal_head(o) && o.grammatical_case() == gcase::acc && !after_preposition(s, j))
      return false;
  }
  return true;
}

bool may_be_accusative(const SentenceView& s, int n) {
  const WordAnalysis& a = s.at(n);
  const int p = a.position.get();
  for (int j = s.first_of(p); j < s.end_of(p); ++j) {
    if (!s.live(j) || j == n) continue;
    const WordAnalysis& o = s.at(j);
    if (o.speech == a.speech && o.grammatical_case() == gcase::acc && o.number() == a.number())
      return true;
  }
  return false;
}

bool takes_dative(const WordAnalysis& v) {
  return v.verb_kind() == verb_kind::dat || v.complement() == complement::dat;
}

bool subject_fits(const SentenceView& s, int n, int v) {
  if (!s.live(n) || !s.live(v)) return false;
  const WordAnalysis& a = s.at(n);
  const WordAnalysis& verb = s.at(v);
  if (!nominal_head(a) || a.grammatical_case() != gcase::nom) return false;
  if (a.number() != 0 && verb.number() != 0 && a.number() != verb.number()) return false;
  if (verb.speech != pos::verb || verb.person() == 0) return true;
  int code = personal_pronoun_code(s, n, 0);
  int person = code == kEgo || code == kNos ? 1 : code == kTu || code == kVos ? 2 : 3;
  if (a.speech == pos::pron && a.pronoun_kind() == pronoun_kind::pers && code == 0) return false;
  return verb.person() == person;
}

void assign_roles(SentenceView& s, int first, int last) {
  SyntaxScratch& sc = s.scratch;
  sc.reset_slots();
  // The main verb: a word read first as a finite verb, else any finite verb
  // reading, else a nominative participle standing as a predicate.
  int verb = -1, fallback = -1;
  for (int i = first; i <= last && verb < 0; ++i) {
    if (!s.live(i) || !is_finite(s.at(i))) continue;
    if (sc.aux[kFirstPlural] < 0 && s.at(i).number() == number::plur)
      sc.aux[kFirstPlural] = static_cast<std::int16_t>(i);
    if (s.first_live_of(s.pos(i)) == i)
      verb = i;
    else if (fallback < 0)
      fallback = i;
  }
  if (verb < 0) verb = fallback;
  if (verb < 0) {
    for (int i = first; i <= last && verb < 0; ++i)
      if (s.is(i, pos::vpar) && s.at(i).grammatical_case() == gcase::nom && s.at(i).link(0) < 0)
        verb = i;
  }
  if (verb < 0) return;
  // Among the readings of the verb's word, the one with a subject that fits.
  // A verb that can take an object does not take as its subject a word that
  // may as well be accusative: Latin leaves the subject out more often than
  // it puts an object-shaped subject beside such a verb.
  const int vp = s.pos(verb);
  int subject = -1;
  for (int v = s.first_of(vp); v < s.end_of(vp) && subject < 0; ++v) {
    if (!s.live(v) || (v != verb && !is_finite(s.at(v)))) continue;
    int found = nearest(
        s, first, last, v,
        [&](int n) {
          return subject_fits(s, n, v) && !after_preposition(s, n) &&
                 !object_shaped_subject(s, first, last, n, v);
        },
        [](const SentenceView& sv, int n) { return may_be_accusative(sv, n) ? 8 : 0; });
    if (found >= 0) {
      subject = found;
      verb = v;
    }
  }
  sc.slots[kMainVerb] = static_cast<std::int16_t>(verb);
  if (subject >= 0) {
    sc.slots[kSubject] = static_cast<std::int16_t>(subject);
    sc.aux[kAgreeingVerb] = static_cast<std::int16_t>(verb);
    link_pair(s, subject, verb);
  }
  const WordAnalysis& v = s.at(verb);
  if (transitive(v) || may_take_object(v)) {
    int object = nearest(s, first, last, verb, [&](int n) {
      const WordAnalysis& a = s.at(n);
      return nominal_head(a) && a.grammatical_case() == gcase::acc &&
             s.pos(n) != s.pos(subject) && !after_preposition(s, n) &&
             !governed_by_preposition(s, n);
    });
    if (object >= 0) {
      sc.slots[kObject] = static_cast<std::int16_t>(object);
      link_pair(s, object, verb);
    }
  }
  if (takes_dative(v)) {
    int dative = nearest(s, first, last, verb, [&](int n) {
      const WordAnalysis& a = s.at(n);
      return nominal_head(a) && a.grammatical_case() == gcase::dat;
    });
    if (dative >= 0) sc.slots[kSecond] = static_cast<std::int16_t>(dative);
  }
  if (v.verb_kind() == verb_kind::modal || v.complement() == complement::modal) {
    for (int i = first; i <= last; ++i)
      if (s.is(i, pos::verb) && s.at(i).mood() == mood::inf) {
        sc.aux[kInfinitive] = static_cast<std::int16_t>(i);
        break;
      }
  }
}

}  // namespace kelvo::syntax
