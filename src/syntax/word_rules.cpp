// The word-level rules of clause analysis that look at the whole sentence:
// persons, forms that only look like verbs or adjectives, alius ... alius.
#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "syntax/clause_analysis.h"
#include "syntax/operations.h"

namespace kelvo::syntax {

using namespace grammar;

namespace {

// Index into the person counters: first/second singular, first/second plural.
int person_slot(int person, int number) {
  if ((person != 1 && person != 2) || (number != 1 && number != 2)) return -1;
  return (number == 2 ? 2 : 0) + (person - 1);
}

void build_person_mask(SyntaxScratch& sc) {
  sc.person_mask = 0;
  for (int k = 0; k < 4; ++k)
    if (sc.person_counts[static_cast<std::size_t>(k)] > 0) sc.person_mask |= 1 << k;
}

struct DropRow {
  std::string_view text;
  Code speech;
};

// Forms whose reading of this part of speech is (almost) never meant: the verb
// readings of common pronoun and noun forms, the noun readings of adverbs.
// Sorted by text, then part of speech.
constexpr DropRow kDropTable[] = {
    {"ade.o", 7},     {"agite.", 12},   {"ali.a", 1},      {"ali.i", 1},     {"ali.is", 1},
    {"ali.o", 1},     {"ali.orum", 1},  {"ali.um", 1},     {"alt.er", 7},    {"anim.o", 7},
    {"ann.o", 7},     {"ant.e", 1},     {"auct.or", 7},    {"cap.i", 1},     {"capt.a", 7},
    {"capt.us", 1},   {"caus.as", 7},   {"circ.a", 7},     {"clam.or", 7},   {"clang.or", 7},
    {"com.es", 7},    {"comes.", 7},    {"consul.", 7},    {"consul.es", 7}, {"dam.us", 1},
    {"deinceps.", 4}, {"e.a", 7},       {"e.am", 7},       {"e.o", 7},       {"ero.", 1},
    {"err.or", 7},    {"es.t", 7},      {"fals.o", 7},     {"for.e", 1},     {"frug.i", 1},
    {"fur.or", 7},    {"futur.um", 1},  {"har.um", 1},     {"hisc.e", 7},    {"i.am", 7},
    {"i.i", 7},       {"i.s", 7},       {"ib.i", 1},       {"ide.o", 7},     {"iis.", 5},
    {"illud.", 7},    {"imper.ator", 7}, {"ind.e", 7},     {"insidi.as", 7}, {"inter.", 7},
    {"intr.a", 7},    {"ir.e", 1},      {"ir.i", 1},       {"it.a", 8},      {"it.em", 7},
    {"lab.or", 7},    {"lat.a", 7},     {"lib.er", 7},     {"lib.eris", 7},  {"loco", 6},
    {"mag.is", 1},    {"mag.is", 4},    {"magis.", 1},     {"mal.is", 7},    {"me.", 7},
    {"me.a", 7},      {"me.as", 7},     {"me.is", 7},      {"me.o", 7},      {"milit.es", 7},
    {"min.or", 7},    {"min.us", 4},    {"mult.a", 7},     {"n.e", 7},       {"nat.is", 7},
    {"nat.ura", 8},   {"nesci.o", 4},   {"nigr.o", 7},     {"nis.i", 1},     {"nis.i", 8},
    {"numqu.am", 2},  {"par.", 7},      {"part.im", 1},    {"pl.o", 7},      {"pl.us", 4},
    {"poet.as", 7},   {"porr.o", 1},    {"posc.as", 1},    {"posc.is", 1},   {"poti.us", 4},
    {"prior.", 1},    {"prors.us", 4},  {"qui.", 7},       {"qui.s", 7},     {"rat.i", 1},
    {"rat.is", 1},    {"reg.i", 7},     {"saep.e", 1},     {"sat.is", 1},    {"sat.is", 4},
    {"sat.is", 8},    {"sci.o", 4},     {"scit.is", 1},    {"sec.um", 1},    {"ser.o", 7},
    {"sin.e", 7},     {"sol.es", 1},    {"sol.um", 1},     {"su.am", 7},     {"su.as", 7},
    {"su.i", 7},      {"su.is", 7},     {"su.o", 7},       {"subi.to", 7},   {"sum.", 7},
    {"tal.is", 1},    {"uari.o", 7},    {"uel.is", 1},     {"uen.i", 1},     {"uer.o", 1},
    {"uir.es", 7},    {"uit.a", 7},     {"uolo.", 1},      {"ut.", 7},
};

constexpr bool row_less(const DropRow& a, const DropRow& b) {
  return a.text < b.text || (a.text == b.text && a.speech < b.speech);
}
static_assert(std::is_sorted(std::begin(kDropTable), std::end(kDropTable), row_less));

// Which analyses are looked up at all: most parts of speech by any text, a
// few only by the texts the table holds for them.
bool looked_up(const WordAnalysis& a) {
  const std::string_view t = a.latin_text();
  switch (a.speech) {
    case pos::noun:
    case pos::pron:
    case pos::verb:
    case pos::vpar: return true;
    case pos::adj:
      for (std::string_view x : {"mag.is", "sat.is", "sci.o", "nesci.o", "min.us", "pl.us",
                                 "poti.us", "prors.us", "deinceps.", "nat.is"})
        if (t == x) return true;
      return false;
    case pos::num: return t == "iis.";
    case pos::adv: return t == "loco";
    case pos::interj: return t == "agite.";
    default: return false;
  }
}

bool starts_alius(std::string_view t) { return t.starts_with("ali.") || t.starts_with("alter."); }

}  // namespace

// The longest text of the table: longer forms are not looked up.
constexpr std::size_t kLongestDropText = [] {
  std::size_t n = 0;
  for (const DropRow& r : kDropTable) n = r.text.size() > n ? r.text.size() : n;
  return n;
}();

namespace {

constexpr std::uint32_t drop_hash(std::string_view t) {
  std::uint32_t h = 2166136261u;
  for (char c : t) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
  return h & 1023u;
}

// One bit for each table text's hash: most readings of a sentence are told
// they are not in the table without the search (the rule asks of every reading
// on every sweep).
constexpr std::array<std::uint64_t, 16> kDropBits = [] {
  std::array<std::uint64_t, 16> bits{};
  for (const DropRow& r : kDropTable) {
    const std::uint32_t h = drop_hash(r.text);
    bits[h >> 6] |= std::uint64_t{1} << (h & 63u);
  }
  return bits;
}();

}  // namespace

bool fixed_drop(const WordAnalysis& a) {
  const std::string_view t = a.latin_text();
  if (t.size() > kLongestDropText) return false;
  const std::uint32_t h = drop_hash(t);
  if ((kDropBits[h >> 6] & (std::uint64_t{1} << (h & 63u))) == 0 || !looked_up(a)) return false;
  DropRow key{t, a.speech};
  return std::binary_search(std::begin(kDropTable), std::end(kDropTable), key, row_less);
}

void count_verb_persons(SentenceView& s) {
  SyntaxScratch& sc = s.scratch;
  int current = 0;
  int pending = -1;
  for (int i = 0; i < s.count(); ++i) {
    if (!s.live(i)) continue;
    const WordAnalysis& a = s.at(i);
    if (a.speech != pos::verb) {
      pending = -1;
    } else if (pending < 0) {
      pending = person_slot(a.person(), a.number());
    }
    int p = a.position.get();
    if (p == current) {
      if (pending >= 0) ++sc.person_counts[static_cast<std::size_t>(pending)];
      pending = -1;
    } else if (p > current) {
      current = p;
    }
  }
}

void strike_future_imperatives_beside_nouns(SentenceView& s) {
  for (int p = 0; p < s.positions(); ++p) {
    int nouns = 0;
    IndexList<kMaxCollected> verbs;
    for (int i = s.first_of(p); i < s.end_of(p); ++i) {
      if (!s.live(i)) continue;
      const WordAnalysis& a = s.at(i);
      if (a.speech == pos::noun && a.rarity < 10) ++nouns;
      bool future_imperative =
          a.speech == pos::verb && a.tense() == tense::fut && a.mood() == mood::imp &&
          (a.voice() == voice::passive || a.verb_kind() == verb_kind::dep) &&
          a.latin_text().size() > 6;
      if (future_imperative && !verbs.push(i)) {
        // A batch of 19 is judged by the nouns seen so far, then a new one starts.
        if (nouns > 0)
          for (int k = 0; k < verbs.count; ++k) s.strike(verbs[k]);
        verbs.clear();
        verbs.push(i);
      }
    }
    // "amator", "auditor": the noun in -tor is meant, not the future imperative.
    if (nouns > 0)
      for (int k = 0; k < verbs.count; ++k) s.strike(verbs[k]);
  }
}

void strike_adjectives_beside_ime_adverbs(SentenceView& s) {
  for (int i = 0; i < s.count(); ++i) {
    if (!s.live(i) || (s.at(i).speech != pos::adv && s.at(i).speech != pos::adv2)) continue;
    if (s.latin(i).find("ime.") == std::string_view::npos) continue;
    int p = s.pos(i);
    for (int j = s.first_of(p); j < s.end_of(p); ++j)
      if (s.is(j, pos::adj) && s.latin(j).ends_with("im.e")) s.strike(j);
  }
}

void count_pronoun_subjects(SentenceView& s) {
  SyntaxScratch& sc = s.scratch;
  for (int i = 0; i < s.count(); ++i) {
    if (!s.is(i, pos::pron)) continue;
    const WordAnalysis& a = s.at(i);
    if (a.pronoun_kind() != pronoun_kind::pers || a.grammatical_case() != gcase::nom) continue;
    int d = a.declension.get();
    std::string_view t = a.latin_text();
    if (d == kDeclEgo)
      ++sc.person_counts[0];
    else if (d == kDeclTu)
      ++sc.person_counts[1];
    else if (d == kDeclPlural)
      ++sc.person_counts[!t.empty() && (t[0] == 'n' || t[0] == 'N') ? 2 : 3];
  }
  build_person_mask(sc);
}

void pair_alius_alter(SentenceView& s) {
  SyntaxScratch& sc = s.scratch;
  const int clauses = std::min(5, sc.clause_count);
  if (clauses == 0) return;
  const int end = sc.clauses[static_cast<std::size_t>(clauses - 1)].last + 1;
  IndexList<kMaxCollected> found;
  int verb_number = 0;
  for (int i = 0; i < end && i < s.count(); ++i) {
    if (!s.live(i)) continue;
    const WordAnalysis& a = s.at(i);
    if (a.speech == pos::conj && a.latin_text() == "ne.") sc.question_ne = i;
    if (a.speech == pos::verb && a.person() == 3 && a.rarity < 4)
      verb_number = std::max<int>(verb_number, a.number());
    // Our dictionary has alius and alter as adjectives: they are taken with
    // the noun and substantive readings.
    bool nominal = a.speech == pos::noun || a.speech == pos::sadj || a.speech == pos::adj;
    if (!nominal || !starts_alius(a.latin_text()) || found.full()) continue;
    if (found.count > 0) {
      const WordAnalysis& prev = s.at(found[found.count - 1]);
      if (prev.position.get() == a.position.get() && prev.latin_text() == a.latin_text() &&
          prev.grammatical_case() == a.grammatical_case() && prev.number() == a.number() &&
          prev.gender() == a.gender())
        continue;
    }
    found.push(i);
  }
  if (found.count < 2) return;
  int first = -1;
  for (int k = 0; k < found.count && first < 0; ++k) {
    std::string_view m = s.meaning(found[k]);
    if (m == "other" || m == "another") first = found[k];
  }
  if (first < 0) return;
  const WordAnalysis& a = s.at(first);
  const int first_clause = clause_of(s, first);
  for (int k = 0; k < found.count; ++k) {
    int j = found[k];
    if (j <= first) continue;
    const WordAnalysis& b = s.at(j);
    int cj = clause_of(s, j);
    if (b.latin_text() != a.latin_text() || b.position.get() == a.position.get() ||
        b.grammatical_case() != a.grammatical_case() || b.number() != a.number() ||
        b.gender() != a.gender() || b.grammatical_case() == gcase::voc ||
        (cj != first_clause && cj != first_clause + 1))
      continue;
    if (b.grammatical_case() == gcase::nom && b.number() != verb_number) continue;
    keep_one(s, first);
    keep_one(s, j);
    set_analysis_meaning(s.at(first), a.number() == number::plur ? "some" : "one");
    return;
  }
}

}  // namespace kelvo::syntax
