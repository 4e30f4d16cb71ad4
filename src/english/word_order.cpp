#include "english/word_order.h"

#include <array>

#include "base/text.h"
#include "english/slot_moves.h"
#include "english/text_edit.h"

namespace kelvo::english {

using namespace grammar;

namespace {

// What a run of slots is to its segment.
enum class Role : unsigned char { pinned, subject, verb, infinitive, object, rest };

struct Unit {
  int first = 0;  // slot range [first, end)
  int end = 0;
  Role role = Role::rest;
};

constexpr int kMaxUnits = text::kMaxTokens;

struct Reader {
  const SentenceInput& in;
  const OutputWords& out;
  // The reading behind slot i, or null.
  const WordAnalysis* at(int i) const {
    const int c = slot_reading(in, out, i);
    return c < 0 ? nullptr : &in.at(c);
  }
  Code speech(int i) const {
    const WordAnalysis* a = at(i);
    return a ? a->speech : Code{0};
  }
  int position(int i) const { return out.source[static_cast<std::size_t>(i)]; }
};

bool nominal(const WordAnalysis& a) {
  switch (a.speech) {
    case pos::noun:
    case pos::pron:
    case pos::adj:
    case pos::sadj:
    case pos::num:
    case pos::vpar: return true;
    default: return false;
  }
}

bool finite(const WordAnalysis& a) {
  return a.speech == pos::verb && a.mood() != mood::inf;
}

// A word that opens a segment of its own and stays at its head.
bool opens_segment(const WordAnalysis& a) {
  if (a.speech == pos::conj) return a.joining_mark() != 2;
  // Every form of qui opens its clause, whatever kind the choice gave it
  // (polishing reads them all as relatives or questions).
  if (a.speech == pos::pron)
    return a.quis_clause() || a.pronoun_kind() == pronoun_kind::rel ||
           a.pronoun_kind() == pronoun_kind::interr || starts_with_nocase(a.latin_text(), "qu.") ||
           starts_with_nocase(a.latin_text(), "cu.");
  return (a.speech == pos::adv || a.speech == pos::adv2) && a.conjunction_like();
}

bool joins(const WordAnalysis& a) {
  return a.speech == pos::tackon || (a.speech == pos::conj && a.joining_mark() == 2);
}

bool possessive(std::string_view s) {
  for (std::string_view w : {"my", "your", "his", "her", "its", "our", "their"})
    if (s == w) return true;
  return false;
}

bool linked_to(const WordAnalysis& a, const Reader& r, int slot) {
  const int c = r.in.chosen(r.position(slot));
  return c >= 0 && links_to(a, c);
}

// English puts an adjective before its noun: "the parts" "three" becomes
// "the three" "parts" (the article goes to the front of the pair).
void adjectives_first(const Reader& r, OutputWords& out, int first, int end) {
  for (int i = first + 1; i < end; ++i) {
    const WordAnalysis* adj = r.at(i);
    const WordAnalysis* noun = r.at(i - 1);
    if (!adj || !noun || noun->speech != pos::noun) continue;
    const std::string& t = out.at(i);
    const bool demonstrative = adj->speech == pos::pron && linked_to(*adj, r, i - 1) &&
                               (t == "this" || t == "that" || t == "these" || t == "those");
    // "the name" "his" (eius): a possessive genitive goes before its noun too.
    const bool owner = adj->speech == pos::pron && adj->grammatical_case() == gcase::gen &&
                       possessive(t);
    if (adj->speech != pos::adj && adj->speech != pos::num && !demonstrative && !owner) continue;
    if ((!owner && adj->grammatical_case() != noun->grammatical_case()) || t.empty()) continue;
    std::string& n = out.at(i - 1);
    std::string& a = out.at(i);
    if (article_length(a) > 0 || contains(a, " ")) continue;  // a phrase of its own
    const std::size_t lead = article_length(n);
    std::string prefix = n.substr(0, lead);
    if (possessive(a) && ends_with(prefix, "the ")) prefix.resize(prefix.size() - 4);
    a.insert(0, prefix);
    n.erase(0, lead);
    swap_slots(out, i - 1, i);
  }
}

// Cuts [first, end) into units: a nominal with the words that agree with it
// (same case, side by side) and the genitives after it; a preposition with
// its object; the verb with a "not" before it.
int make_units(const Reader& r, int first, int end, std::array<Unit, kMaxUnits>& units) {
  int n = 0;
  int i = first;
  while (i < end) {
    Unit u{i, i + 1, Role::rest};
    const WordAnalysis* a = r.at(i);
    if (!a) {
      units[static_cast<std::size_t>(n++)] = u;
      ++i;
      continue;
    }
    auto extend_nominal = [&](Code gc) {
      // (u.end only grows from i, so it never leaves the slots.)
      while (u.end < end && u.end > 0) {
        const WordAnalysis* b = r.at(u.end);
        if (r.out.at(u.end).empty()) {
          ++u.end;
          continue;
        }
        // "the heaven and the earth": a joining word between two words of
        // the case keeps them one unit.
        if (b && joins(*b) && u.end + 1 < end) {
          const WordAnalysis* c = r.at(u.end + 1);
          if (c && nominal(*c) && c->grammatical_case() == gc) {
            u.end += 2;
            continue;
          }
        }
        if (!b || !nominal(*b)) break;
        const Code bc = b->grammatical_case();
        if (bc != gc && bc != gcase::gen) break;
        ++u.end;
      }
    };
    if (i == first && opens_segment(*a)) {
      u.role = Role::pinned;
    } else if (a->speech == pos::prep) {
      extend_nominal(a->grammatical_case());
    } else if (nominal(*a)) {
      Code gc = a->grammatical_case();
      // "his name": a genitive put before its noun belongs to the noun's unit.
      if (gc == gcase::gen && i + 1 < end && r.at(i + 1) && nominal(*r.at(i + 1)))
        gc = r.at(i + 1)->grammatical_case();
      extend_nominal(gc);
      // A possessive alone ("his") names no one: it stays by the words it stood by.
      const bool lone_possessive =
          u.end - u.first == 1 && a->speech == pos::adj && possessive(r.out.at(u.first));
      if (lone_possessive) u.role = Role::rest;
      else if (gc == gcase::nom) u.role = Role::subject;
      else if (gc == gcase::acc) u.role = Role::object;
    } else if (a->speech == pos::verb) {
      u.role = finite(*a) ? Role::verb : Role::infinitive;
    } else if ((a->speech == pos::adv || a->speech == pos::adv2) && i + 1 < end &&
               r.at(i + 1) && finite(*r.at(i + 1)) &&
               (r.out.at(i) == "not" || r.out.at(i) == "never")) {
      u.end = i + 2;
      u.role = Role::verb;
    }
    // Empty slots ride with the unit before them.
    while (u.end < end && r.out.at(u.end).empty()) ++u.end;
    units[static_cast<std::size_t>(n++)] = u;
    i = u.end;
  }
  return n;
}

// Whether the unit holds a noun or pronoun (not only adjectives).
bool names_someone(const Reader& r, const Unit& u) {
  for (int s = u.first; s < u.end; ++s) {
    const WordAnalysis* a = r.at(s);
    if (a && (a->speech == pos::noun || a->speech == pos::pron)) return true;
  }
  return false;
}

int find_verb(const std::array<Unit, kMaxUnits>& units, int n) {
  for (int k = 0; k < n; ++k)
    if (units[static_cast<std::size_t>(k)].role == Role::verb) return k;
  return -1;
}

// "puella pulchra est": before "be", the adjective or participle that ends
// the subject's words is what the subject is, and follows the verb.
int split_predicate(const Reader& r, std::array<Unit, kMaxUnits>& units, int n, int verb) {
  for (int k = 0; k < verb; ++k) {
    Unit& u = units[static_cast<std::size_t>(k)];
    if (u.role != Role::subject || u.end - u.first < 2) continue;
    int last = u.end - 1;
    while (last > u.first && r.out.at(last).empty()) --last;
    const WordAnalysis* a = r.at(last);
    if (last == u.first || !a || (a->speech != pos::adj && a->speech != pos::vpar)) continue;
    if (a->grammatical_case() != gcase::nom || n >= kMaxUnits) continue;
    // The unit splits in two; the units after it shift by one.
    for (int j = n; j > k + 1; --j) units[static_cast<std::size_t>(j)] = units[static_cast<std::size_t>(j - 1)];
    units[static_cast<std::size_t>(k + 1)] = Unit{last, u.end, Role::object};
    u.end = last;
    return n + 1;
  }
  return n;
}

void order_segment(const Reader& r, const Copulas& copulas, bool svoe, OutputWords& out,
                   int first, int end) {
  std::array<Unit, kMaxUnits> units{};
  int n = make_units(r, first, end, units);
  int verb = find_verb(units, n);
  if (verb < 0) return;
  const int verb_slot = units[static_cast<std::size_t>(verb)].end - 1;
  // With "be" only the first nominative is the subject; the others are what
  // it is, and follow it.
  if (copulas.has(r.position(verb_slot))) {
    // A relative or interrogative at the head in the nominative is the subject.
    const WordAnalysis* head = r.at(units[0].first);
    bool subject_seen = units[0].role == Role::pinned && head && head->speech == pos::pron &&
                        head->grammatical_case() == gcase::nom;
    for (int k = 0; k < n; ++k) {
      Unit& u = units[static_cast<std::size_t>(k)];
      if (u.role != Role::subject) continue;
      // An adjective alone is what the subject is, not the subject.
      if (subject_seen || !names_someone(r, u)) u.role = Role::object;
      else subject_seen = true;
    }
    n = split_predicate(r, units, n, verb);
    verb = find_verb(units, n);
    svoe = true;  // subject, "be", what it is
  }
  const Unit& v = units[static_cast<std::size_t>(verb)];
  // Later verbs of the segment stay where they are.
  for (int k = verb + 1; k < n; ++k)
    if (units[static_cast<std::size_t>(k)].role == Role::verb)
      units[static_cast<std::size_t>(k)].role = Role::rest;

  std::array<int, text::kMaxTokens> order{};
  int m = 0;
  auto put = [&](const Unit& u) {
    for (int s = u.first; s < u.end; ++s) order[static_cast<std::size_t>(m++)] = s;
  };
  std::array<bool, kMaxUnits> placed{};
  auto put_role = [&](Role role, int from, int to) {
    for (int k = from; k < to; ++k) {
      const Unit& u = units[static_cast<std::size_t>(k)];
      if (!placed[static_cast<std::size_t>(k)] && u.role == role) {
        put(u);
        placed[static_cast<std::size_t>(k)] = true;
      }
    }
  };
  int first_subject = n;
  for (int k = 0; k < n; ++k)
    if (units[static_cast<std::size_t>(k)].role == Role::subject) {
      first_subject = k;
      break;
    }
  if (first_subject == n && !svoe) return;  // nothing for the verb to follow
  if (svoe) {
    // What stands before the subject and the verb (and is no object) stays in front.
    const int lead = std::min(first_subject, verb);
    put_role(Role::pinned, 0, n);
    for (int k = 0; k < lead; ++k)
      if (units[static_cast<std::size_t>(k)].role == Role::rest) {
        put(units[static_cast<std::size_t>(k)]);
        placed[static_cast<std::size_t>(k)] = true;
      }
    put_role(Role::subject, 0, n);
    put_role(Role::verb, 0, n);
    put_role(Role::infinitive, 0, n);
    put_role(Role::object, 0, n);
    for (int k = 0; k < n; ++k)
      if (!placed[static_cast<std::size_t>(k)]) put(units[static_cast<std::size_t>(k)]);
  } else {
    // NOMVERB: the words in their order, the verb moved behind the last subject.
    int last_subject = -1;
    for (int k = 0; k < n; ++k)
      if (units[static_cast<std::size_t>(k)].role == Role::subject) last_subject = k;
    for (int k = 0; k < n; ++k) {
      if (k == verb) continue;
      put(units[static_cast<std::size_t>(k)]);
      if (k == last_subject) put(v);
    }
  }
  reorder_slots(out, first, std::span<const int>(order.data(), static_cast<std::size_t>(m)));
}

bool segment_break(const WordAnalysis* a) { return a && a->speech == pos::punct; }

}  // namespace

void reduce_doubled_prepositions(std::string& slot) {
  replace_first(slot, "of the of ", "of ") || replace_first(slot, "to the to ", "to ") ||
      replace_first(slot, "with the with ", "with ") || replace_first(slot, "the with ", "with ");
}

void order_words(const SentenceInput& in, const Copulas& copulas, WordOrder order,
                 OutputWords& out) {
  if (order == WordOrder::none) return;
  const Reader r{in, out};
  struct Range {
    int first, end, verbs;
    bool be;
  };
  std::array<Range, kMaxOrderSegments> segments{};
  int count = 0;
  int start = 0;
  auto close = [&](int end) {
    if (end > start && count < kMaxOrderSegments) {
      Range s{start, end, 0, false};
      for (int i = start; i < end; ++i) {
        const WordAnalysis* a = r.at(i);
        if (!a || a->speech != pos::verb) continue;
        ++s.verbs;
        if (copulas.has(r.position(i))) s.be = true;
      }
      segments[static_cast<std::size_t>(count++)] = s;
    }
  };
  for (int i = 0; i < out.count; ++i) {
    const WordAnalysis* a = r.at(i);
    if (segment_break(a)) {
      close(i);
      start = i + 1;
    } else if (a && i > start && opens_segment(*a)) {
      close(i);
      start = i;
    }
  }
  close(out.count);
  int measure = 0;
  for (int k = 0; k < count; ++k) {
    const int v = segments[static_cast<std::size_t>(k)].verbs - 1;
    measure = std::max(measure, 5 * v * v);
  }
  for (int k = 0; k < count; ++k) {
    const Range& s = segments[static_cast<std::size_t>(k)];
    adjectives_first(r, out, s.first, s.end);
    bool svoe = order == WordOrder::svoe;
    if (order == WordOrder::automatic) svoe = measure < 19 && !s.be;
    order_segment(r, copulas, svoe, out, s.first, s.end);
  }
  for (int i = 0; i < out.count; ++i) reduce_doubled_prepositions(out.at(i));
}

}  // namespace kelvo::english
