#include "syntax/partner.h"

#include "syntax/operations.h"

namespace kelvo::syntax {

using namespace grammar;

namespace {

// A nominative whose number no verb of the clause can take does not look for
// a partner (nor is taken as one): a plural where every finite verb is singular.
bool nominative_mismatch(const SentenceView& s, const WordAnalysis& a) {
  if (a.grammatical_case() != gcase::nom || s.scratch.verb_count == 0) return false;
  bool subject_like = a.speech == pos::noun || a.speech == pos::sadj ||
                      (a.speech == pos::pron && a.pronoun_kind() != pronoun_kind::pers);
  if (!subject_like) return false;
  int vn = s.scratch.verb_number;
  if (a.number() == number::plur) return vn == 0 || vn == 1;
  if (a.number() == number::sing) return vn == 0;
  return false;
}

// Words a neighbour search looks past: a bare tackon, a lone adverb, a lone
// "and" (the enclitic -que stands before its word here).
bool passable(const SentenceView& s, int q, const WordAnalysis& from) {
  int f = s.first_live_of(q);
  if (f < 0 || s.live_count_of(q) != 1) {
    return f >= 0 && s.at(f).speech == pos::tackon && !s.at(f).coordination_marker();
  }
  const WordAnalysis& w = s.at(f);
  if (w.speech == pos::tackon) return !w.coordination_marker();
  if (is_adverb(w.speech))
    return from.speech != pos::prep && w.latin_text() != "quo." && w.joining_mark() != 1;
  if (w.speech == pos::conj)
    return from.speech != pos::pron && (w.latin_text() == "et." || w.latin_text() == "que.");
  return false;
}

// A finite "be" between a nominative and its predicate: the search goes on
// to the predicate.
bool be_between(const SentenceView& s, int q, const WordAnalysis& from) {
  if (from.grammatical_case() != gcase::nom) return false;
  for (int j = s.first_of(q); j < s.end_of(q); ++j) {
    if (!s.live(j)) continue;
    const WordAnalysis& v = s.at(j);
    if (is_be(v) && is_finite(v) && (from.number() == 0 || v.number() == from.number()))
      return true;
  }
  return false;
}

// The second link away from i: what i's partner is itself bound to.
std::string_view two_links_away(const SentenceView& s, int i) {
  int a = s.linked(i, 0);
  int b = a >= 0 ? s.linked(a, 0) : -1;
  return b >= 0 && b != i ? s.latin(b) : std::string_view();
}

bool candidate_fits(const SentenceView& s, int i, int j, Code want, int dir) {
  const WordAnalysis& a = s.at(i);
  const WordAnalysis& c = s.at(j);
  const Code cs = c.speech;
  if (want == pos::adj ? !is_adjective_like(cs) : cs != want) return false;
  if (cs == pos::num) {
    // A numeral counts a noun; it is no partner of another numeral or an adjective.
    if (a.speech != pos::noun || c.numeral_sort() == numeral_sort::adverb) return false;
  }
  if (cs == pos::pron && (c.declension.get() == kDeclPlural || c.quis_clause()) &&
      a.speech != pos::prep)
    return false;
  // A noun without case (an abbreviation such as "a." for annus) is no
  // partner of a declined word.
  if (cs == pos::noun && c.grammatical_case() == 0 && a.grammatical_case() != 0) return false;
  switch (a.speech) {
    case pos::noun:
      if (cs == pos::noun) {
        Code k = c.noun_kind();
        if (k != noun_kind::proper && k != noun_kind::person && k != noun_kind::group)
          return false;
        // "bonis discipulis": the substantive use of an adjective is no
        // noun in apposition; its adjective reading takes the link.
        if (same_form_reading(s, i, pos::adj) || same_form_reading(s, j, pos::adj)) return false;
      }
      if (dir > 0 && is_adjective_like(cs) &&
          (c.latin_text() == "o." || c.latin_text() == two_links_away(s, i)))
        return false;
      if (cs == pos::pron &&
          ((c.grammatical_case() != gcase::nom && !c.latin_text().empty() &&
            (c.latin_text()[0] == 'q' || c.latin_text()[0] == 'Q')) ||
           c.role_code() == 1))
        return false;
      break;
    case pos::pron: {
      Code k = a.pronoun_kind();
      bool modifier = k == pronoun_kind::demonst || k == pronoun_kind::adject;
      if (modifier && (is_adjective_like(cs) || cs == pos::vpar || cs == pos::prep)) return false;
      if (cs == pos::noun && a.role_code() == 1) return false;
      break;
    }
    case pos::adj:
    case pos::sadj:
    case pos::vpar:
    case pos::prep:
      if (cs == pos::pron &&
          (c.pronoun_kind() == pronoun_kind::demonst ||
           c.pronoun_kind() == pronoun_kind::adject || c.quis_clause()))
        return false;
      break;
    default: break;
  }
  return !nominative_mismatch(s, c);
}

// Case and part-of-speech weights of the cost of a pair that does not agree.
constexpr int kCaseWeight[8] = {0, 5, 45, 40, 50, 35, 30, 25};
constexpr int kSpeechWeight[16] = {0, 4, 1, 0, 3, 3, 0, 2, 2, 0, 1, 1, 0, 0, 0, 0};

int speech_weight(Code s) {
  if (s == pos::sadj) s = pos::adj;  // the adjective's weight serves its substantive use
  return s < 16 ? kSpeechWeight[s] % 16 : 0;
}
int case_weight(Code c) { return c < 8 ? kCaseWeight[c] : 0; }

// Remembers the cheapest pair of a search that found nothing agreeing.
void note_failed_pair(SentenceView& s, int i, int f) {
  const WordAnalysis& a = s.at(i);
  const WordAnalysis& b = s.at(f);
  auto& sc = s.scratch;
  int cost = case_weight(b.grammatical_case()) + case_weight(a.grammatical_case()) +
             100 * (effective_rarity(s, i) + effective_rarity(s, f)) - speech_weight(b.speech) -
             speech_weight(a.speech);
  for (int k = kObject; k <= kSubject; ++k) {
    if (sc.slots[static_cast<std::size_t>(k)] == i) cost -= 200;
    if (sc.slots[static_cast<std::size_t>(k)] == f) cost -= 200;
  }
  int li = s.linked(i, 0);
  if ((a.grammatical_case() == gcase::voc && a.latin_text() != "o.") ||
      (a.speech == pos::prep && li >= 0 &&
       (is_adjective_like(s.speech(li)) || s.speech(li) == pos::vpar)) ||
      (s.options.botany && ((a.speech == pos::noun && effective_rarity(s, i) > 3) ||
                            (b.speech == pos::noun && effective_rarity(s, f) > 3))))
    cost += 2000;
  int subject = sc.slots[kSubject];
  if (a.grammatical_case() == gcase::nom && subject >= 0 && subject != i && subject != f) {
    int vn = sc.verb_number;
    int plural_verb = sc.aux[kFirstPlural];
    if (vn == 0 || (vn == 2 && plural_verb >= 0 && i < plural_verb) ||
        (vn != 0 && vn != 2 && a.number() == number::plur))
      cost += 200;
  }
  if ((a.grammatical_case() == gcase::dat && sc.dative_verb_pos >= 0) ||
      (a.grammatical_case() == gcase::abl && sc.ablative_verb_pos >= 0))
    cost -= 100;
  if (cost >= sc.best_cost) return;
  sc.best_cost = cost;
  sc.best_a = i;
  sc.best_b = f;
  for (int k = kSecond; k <= kMainVerb; ++k) {
    int held = sc.slots[static_cast<std::size_t>(k)];
    if (held >= 0 && held < i && held != f &&
        (s.pos(held) == a.position.get() || s.pos(held) == b.position.get()))
      sc.slots[static_cast<std::size_t>(k)] = -1;
  }
}

void set_free_link(WordAnalysis& a, int target) {
  if (a.link(0) == target || a.link(1) == target) return;
  if (a.link(0) < 0)
    a.set_link(0, target);
  else if (a.link(1) < 0)
    a.set_link(1, target);
  else
    a.set_link(2, target);
}

}  // namespace

void link_pair(SentenceView& s, int a, int b) {
  if (!s.valid(a) || !s.valid(b) || a == b) return;
  set_free_link(s.at(a), b);
  set_free_link(s.at(b), a);
}

int role_code_of(const WordAnalysis& a) {
  switch (a.speech) {
    case pos::pron: {
      Code k = a.pronoun_kind();
      if (k == 0 || k == pronoun_kind::demonst || k == pronoun_kind::adject) {
        std::string_view t = a.latin_text();
        return !t.empty() && (t[0] == 'q' || t[0] == 'Q') ? 0 : 4;
      }
      return k == pronoun_kind::pers || k == pronoun_kind::rel ? 1 : 0;
    }
    case pos::noun: return 1;
    case pos::num: {
      std::string_view t = a.latin_text();
      if (a.numeral_sort() == numeral_sort::card &&
          (t.starts_with("un.") || t.starts_with("du.") || t.starts_with("tr.")))
        return 1;
      if (a.numeral_sort() == numeral_sort::ord || a.numeral_sort() == numeral_sort::dist)
        return 4;
      return 0;
    }
    case pos::adv:
    case pos::adv2: return 6;
    case pos::verb: {
      if (a.mood() == mood::inf) return 0;
      if (is_finite(a) && a.voice() == voice::passive) return 7 + 64;
      Code k = a.verb_kind();
      if (k == verb_kind::trans) return 7 + 32;
      if (k >= 1 && k <= 8) return 7 + 64;
      if (k > 8) {
        Code c = a.complement();
        if (c == complement::trans) return 7 + 32;
        if (c == complement::intrans || c == complement::dat || c >= complement::abl)
          return 7 + 64;
      }
      return 7;
    }
    case pos::vpar:
      return a.mood() == mood::ger || a.mood() == mood::adj_like ? 4 : 0;
    case pos::adj:
    case pos::sadj: return 4;
    case pos::prep: return 10;
    default: return 0;
  }
}

bool pronoun_pair(const SentenceView& s, int a, int b) {
  const WordAnalysis& x = s.at(a);
  const WordAnalysis& y = s.at(b);
  if (x.speech == pos::pron && y.speech == pos::pron) return true;  // agree() judged them
  const WordAnalysis& p = x.speech == pos::pron ? x : y;
  const WordAnalysis& o = x.speech == pos::pron ? y : x;
  Code k = p.pronoun_kind();
  if (k == pronoun_kind::pers || k == pronoun_kind::reflex) return o.speech != pos::noun;
  if ((k == pronoun_kind::rel || k == pronoun_kind::interr) && o.speech == pos::noun)
    return o.position.get() == p.position.get() + 1;  // quae res, quis homo
  return true;
}

PartnerResult find_partner(SentenceView& s, int i, int dir, Code want, LinkMode mode) {
  return find_partner(s, i, dir, std::span<const Code>(&want, 1), mode);
}

PartnerResult find_partner(SentenceView& s, int i, int dir, std::span<const Code> kinds,
                           LinkMode mode) {
  if (!s.live(i)) return PartnerResult::stopped;
  const WordAnalysis& a = s.at(i);
  if (nominative_mismatch(s, a)) return PartnerResult::stopped;
  if (a.speech == pos::noun && a.grammatical_case() == 0) return PartnerResult::stopped;
  int q = a.position.get() + dir;
  while (s.valid_pos(q)) {
    int f = s.first_live_of(q);
    if (f < 0 || s.at(f).speech == pos::punct) return PartnerResult::stopped;
    if (a.speech == pos::prep || !passable(s, q, a)) break;
    q += dir;
  }
  if (!s.valid_pos(q)) return PartnerResult::stopped;
  if (be_between(s, q, a)) {
    q += dir;
    int f = s.first_live_of(q);
    if (f < 0 || s.at(f).speech == pos::punct) return PartnerResult::stopped;
  }
  if (!s.may_agree_in_case(q, a.grammatical_case())) return PartnerResult::not_found;
  // The first kind in the caller's order that has an agreeing reading wins;
  // within a kind, the first such reading.
  const int n = static_cast<int>(kinds.size());
  int best = -1, best_rank = n, failed = -1;
  for (int j = s.first_of(q); j < s.end_of(q); ++j) {
    if (!s.live(j)) continue;
    const Code js = s.at(j).speech;
    int rank = 0;
    while (rank < best_rank &&
           !(kinds[static_cast<std::size_t>(rank)] == js ||
             (kinds[static_cast<std::size_t>(rank)] == pos::adj && js == pos::sadj)))
      ++rank;
    if (rank >= best_rank || !candidate_fits(s, i, j, kinds[static_cast<std::size_t>(rank)], dir))
      continue;
    if (!agree(s, i, j)) {
      if (failed < 0) failed = j;
      continue;
    }
    best = j;
    best_rank = rank;
  }
  if (best < 0) {
    if (failed >= 0) note_failed_pair(s, i, failed);
    return PartnerResult::not_found;
  }
  if ((a.speech == pos::pron || s.at(best).speech == pos::pron) && !pronoun_pair(s, i, best))
    return PartnerResult::pronoun_mismatch;
  if (mode == LinkMode::link) link_pair(s, i, best);
  return PartnerResult::found;
}

int coordinating_word(const SentenceView& s, int p, bool for_verb) {
  for (int j = s.first_of(p); j < s.end_of(p); ++j) {
    if (!s.live(j)) continue;
    const WordAnalysis& w = s.at(j);
    if (!is_adverb(w.speech) && w.speech != pos::conj && w.speech != pos::tackon) continue;
    if (w.coordination_marker()) continue;
    const bool quam = w.latin_text() == "quam.";
    // The meaning read once for the comparisons below (as means_exactly reads it).
    std::string_view m = w.meaning_text();
    if (!m.empty() && m[0] == '~') m.remove_prefix(1);
    if (m == "and" || m == "or" || m == "nor" || m == "both" || m == "not") return j;
    if (!for_verb &&
        (m == "and also" || m == "more-than" || m == "rather-than" || (quam && m == "how")))
      return j;
    if (for_verb && (m == "more than" || (quam && w.speech != pos::conj))) return j;
  }
  return -1;
}

namespace {

// The class two conjuncts must share: participles and substantives count as adjectives.
Code conjunct_class(Code s) {
  if (s == pos::sadj || s == pos::vpar) return pos::adj;
  if (s == pos::adv2) return pos::adv;
  return s;
}

bool genders_join(WordAnalysis& a, WordAnalysis& b) {
  Code ga = a.gender(), gb = b.gender();
  if (ga == 0 || gb == 0 || ga == gb) return true;
  auto resolve = [&](Code wide, Code narrow) -> bool {
    bool fits = (wide == gender::m_nt && (narrow == gender::masc || narrow == gender::neuter)) ||
                (wide == gender::common && (narrow == gender::masc || narrow == gender::fem));
    if (fits) {
      a.set_gender(narrow);
      b.set_gender(narrow);
    }
    return fits;
  };
  return resolve(ga, gb) || resolve(gb, ga);
}

// Marks the coordinating word c between the conjuncts i and j.
void make_marker(SentenceView& s, int c, int i, int j, Code conjunct_case) {
  WordAnalysis& m = s.at(c);
  bool comparative = s.at(i).comparison() == comparison::comp;
  if (means_exactly(m, "how")) set_analysis_meaning(m, comparative ? "than" : "as");
  if (means_exactly(m, "both")) set_analysis_meaning(m, "and");
  m.make_coordination_marker(conjunct_case);
  m.set_link(0, i);
  m.set_link(1, j);
  set_free_link(s.at(i), j);
  WordAnalysis& b = s.at(j);
  if (b.link(1) < 0 || b.link(1) == i)
    b.set_link(1, i);
  else
    set_free_link(b, i);
  // Role slots held by other readings of the two words are let go.
  const int pi = s.pos(i), pj = s.pos(j);
  for (auto& slot : s.scratch.slots) {
    if (slot < 0 || slot == i || slot == j) continue;
    if (s.pos(slot) == pi || s.pos(slot) == pj) slot = -1;
  }
  keep_one(s, c);
}

// The word after the coordinating word at q, past a bare tackon or a lone adverb.
int second_conjunct_word(const SentenceView& s, int q) {
  int r = q + 1;
  while (s.valid_pos(r)) {
    int f = s.first_live_of(r);
    if (f < 0 || s.at(f).speech == pos::punct) return -1;
    const WordAnalysis& w = s.at(f);
    bool bare_tackon = w.speech == pos::tackon && w.joining_mark() != 1;
    bool lone_adverb = is_adverb(w.speech) && s.live_count_of(r) == 1;
    if (!bare_tackon && !lone_adverb) return r;
    ++r;
  }
  return -1;
}

}  // namespace

bool coordinate_nominal(SentenceView& s, int i, Code expected_case) {
  if (!s.live(i)) return false;
  const WordAnalysis& a = s.at(i);
  const Code cls = conjunct_class(a.speech);
  if (a.grammatical_case() == 0 && cls != pos::num && cls != pos::adv) return false;
  if (a.speech == pos::verb || a.latin_text() == "ut.") return false;
  if (s.scratch.verb_number == 1 && a.grammatical_case() == gcase::nom &&
      (a.number() == number::plur || (a.speech == pos::noun && expected_case != gcase::nom)))
    return false;
  const int q = a.position.get() + 1;
  const int c = coordinating_word(s, q, false);
  if (c < 0) return false;
  const int r = second_conjunct_word(s, q);
  if (r < 0) return false;
  for (int j = s.first_of(r); j < s.end_of(r); ++j) {
    if (!s.live(j)) continue;
    WordAnalysis& b = s.at(j);
    if (conjunct_class(b.speech) != cls || b.grammatical_case() != a.grammatical_case()) continue;
    if (a.number() != 0 && b.number() != 0 && a.number() != b.number() &&
        cls != pos::noun)  // two singular nouns make a plural pair: their numbers may differ
      continue;
    if (cls == pos::adj && !genders_join(s.at(i), b)) continue;
    make_marker(s, c, i, j, a.grammatical_case());
    return true;
  }
  return false;
}

bool coordinate_verb(SentenceView& s, int i) {
  if (!s.is(i, pos::verb)) return false;
  const WordAnalysis& a = s.at(i);
  const int p = a.position.get();
  const int before = s.first_live_of(p - 1);
  if (before >= 0 && (s.at(before).speech == pos::prep || s.latin(before) == "non.")) return false;
  const int c = coordinating_word(s, p + 1, true);
  if (c < 0) return false;
  const int r = p + 2;
  for (int j = s.first_of(r); j < s.end_of(r); ++j) {
    if (!s.is(j, pos::verb)) continue;
    const WordAnalysis& b = s.at(j);
    bool infinitives = a.mood() == mood::inf && b.mood() == mood::inf;
    if (b.mood() != a.mood()) continue;
    if (!infinitives && (b.tense() != a.tense() || b.voice() != a.voice() ||
                         b.person() != a.person() || b.number() != a.number()))
      continue;
    if (b.rarity > a.rarity + 2) continue;
    make_marker(s, c, i, j, 0);
    return true;
  }
  return false;
}

}  // namespace kelvo::syntax
