// The clause table, and the two steps that move words: a postpositive
// conjunction to the front, an inserted vocative or "inquit" clause to the end.
#include <algorithm>
#include <cstdio>

#include "syntax/clause_analysis.h"
#include "syntax/operations.h"
#include "syntax/partner.h"

namespace kelvo::syntax {

using namespace grammar;

namespace {

constexpr Code kComma = 1, kDoubleQuote = 5, kSingleQuote = 6;

bool closes_with(const SentenceView& s, const Clause& c, Code punct) {
  return s.is(c.last, pos::punct) && s.at(c.last).punctuation() == punct;
}

template <typename T, std::size_t N>
void rotate_array(std::array<T, N>& a, int to, int from, int end) {
  std::rotate(a.begin() + to, a.begin() + from, a.begin() + end);
}

// Gives the records consecutive word positions from 0, a new one wherever the
// position changes; returns the number of words.
int renumber_positions(SentenceView& s) {
  int words = 0, last = -1;
  for (int i = 0; i < s.count(); ++i) {
    WordAnalysis& a = s.at(i);
    int p = a.position.get();
    if (i == 0 || p != last) ++words;
    last = p;
    a.position.set(static_cast<std::int16_t>(words - 1));
  }
  return words;
}

bool is_head(const WordAnalysis& a) {
  if (a.speech == pos::verb) return a.latin_text() == "inqu.it" || a.latin_text() == "inqu.am";
  if (a.grammatical_case() != gcase::voc) return false;
  if (a.speech == pos::noun) {
    Code k = a.noun_kind();
    return k == noun_kind::proper || k == noun_kind::locale || k == noun_kind::person ||
           k == noun_kind::group;
  }
  return a.speech == pos::adj || (a.speech == pos::vpar && a.mood() == mood::adj_like);
}

// The heads of an inserted clause's words, one per word; false when a word
// has none or the clause is no inserted clause.
bool inserted_heads(const SentenceView& s, const Clause& c, IndexList<3>& heads) {
  const int first_pos = s.pos(c.first), last_pos = s.pos(c.last);
  if (last_pos - first_pos < 1 || last_pos - first_pos > 3) return false;
  int anchors = 0;
  for (int p = first_pos; p < last_pos; ++p) {
    int head = -1;
    for (int i = s.first_of(p); i < s.end_of(p) && head < 0; ++i)
      if (s.live(i) && is_head(s.at(i))) head = i;
    if (head < 0) return false;
    heads.push(head);
    if (s.at(head).speech == pos::noun || s.at(head).speech == pos::verb) ++anchors;
  }
  if (anchors != 1) return false;
  for (int k = 0; k + 1 < heads.count; ++k)
    if (!agree(s, heads[k], heads[k + 1])) return false;
  return true;
}

}  // namespace

int clause_of(const SentenceView& s, int i) {
  for (int c = 0; c < s.scratch.clause_count; ++c) {
    const Clause& cl = s.scratch.clauses[static_cast<std::size_t>(c)];
    if (i >= cl.first && i <= cl.last) return c;
  }
  return -1;
}

void rotate_records(SentenceView& s, int to, int from, int n) {
  const int end = from + n;
  if (n <= 0 || to >= from || to < 0 || end > s.count()) return;
  auto remap = [&](int j) {
    if (j < to || j >= end) return j;
    return j < from ? j + n : to + (j - from);
  };
  for (int i = 0; i < s.count(); ++i)
    for (int k = 0; k < 3; ++k)
      if (s.at(i).link(k) >= 0) s.at(i).set_link(k, remap(s.at(i).link(k)));
  std::rotate(&s.at(to), &s.at(from), &s.at(0) + end);
  SyntaxScratch& sc = s.scratch;
  rotate_array(sc.origin_token, to, from, end);
  rotate_array(sc.origin_candidate, to, from, end);
  rotate_array(sc.speech_before, to, from, end);
  for (auto& slot : sc.slots)
    if (slot >= 0) slot = static_cast<std::int16_t>(remap(slot));
}

bool build_clause_table(SentenceView& s) {
  SyntaxScratch& sc = s.scratch;
  sc.clause_count = 0;
  int quotes = 0, previous_close = -1, last_kept_pos = -1;
  bool rare_kept = false;
  for (int i = 0; i < s.count(); ++i) {
    if (!s.live(i)) continue;
    const WordAnalysis& a = s.at(i);
    const int p = a.position.get();
    // The rarest grade: after a word's first such reading the one right behind
    // it may stay, the rest go when the word has a commoner reading.
    if (a.rarity == 10) {
      if (rare_kept) {
        rare_kept = false;
      } else if (p == last_kept_pos) {
        s.strike(i);
        continue;
      } else {
        rare_kept = true;
      }
    } else {
      rare_kept = false;
    }
    last_kept_pos = p;
    if (a.speech != pos::punct) continue;
    if (a.punctuation() == kDoubleQuote || a.punctuation() == kSingleQuote) ++quotes;
    sc.clauses[static_cast<std::size_t>(sc.clause_count++)] = {
        static_cast<std::int16_t>(previous_close + 1), static_cast<std::int16_t>(i)};
    previous_close = i;
    if (sc.clause_count < kMaxClauses) continue;
    // The 50th clause ends the sentence; words after it are not analysed.
    bool more = false;
    for (int j = i + 1; j < s.count() && !more; ++j) more = s.live(j);
    if (more) {
      char msg[160];
      std::snprintf(msg, sizeof msg, kTooManyClausesFormat, kMaxClauses, kMaxClauses);
      s.warn(msg);
      sc.positions = p + 1;
      sc.count = i + 1;
      sc.truncated = true;
    }
    break;
  }
  // Words after the last mark (a sentence without its full stop) make a
  // clause of their own rather than be left out.
  bool trailing = false;
  for (int j = previous_close + 1; j < s.count() && !trailing; ++j) trailing = s.live(j);
  if (trailing && sc.clause_count < kMaxClauses)
    sc.clauses[static_cast<std::size_t>(sc.clause_count++)] = {
        static_cast<std::int16_t>(previous_close + 1), static_cast<std::int16_t>(s.count() - 1)};
  sc.quotation_odd = quotes % 2 == 1;
  sc.last_close = sc.clause_count > 0 ? sc.clauses[static_cast<std::size_t>(sc.clause_count - 1)].last : -1;
  std::string_view t = s.latin(sc.last_close);
  sc.last_close_char = t.empty() ? '\0' : t[0];
  return !sc.truncated;
}

void move_postpositive_conjunction(SentenceView& s) {
  if (s.count() == 0 || s.at(0).speech == pos::punct) return;
  const int first = s.first_live_of(0);
  if (first < 0) return;
  Code fs = s.at(first).speech;
  if (fs == pos::adv || fs == pos::adv2 || fs == pos::conj) return;
  if (s.live_count_of(1) != 1) return;
  const int c = s.first_live_of(1);
  Code cs = s.at(c).speech;
  if (cs != pos::conj && cs != pos::adv && cs != pos::adv2) return;
  std::string_view t = s.latin(c);
  constexpr std::string_view kPostpositive[] = {"enim.",  "et.",     "quidem.", "autem.",
                                               "tamen.", "quippe.", "etenim.", "itaque.",
                                               "tamquam.", "siue.", "atque."};
  if (std::find(std::begin(kPostpositive), std::end(kPostpositive), t) == std::end(kPostpositive))
    return;
  if (t == "et." || t == "atque.") {
    // "A et B": the first word is a conjunct, not the host of a postpositive.
    for (int j = s.first_of(0); j < s.end_of(0); ++j) {
      if (!s.live(j)) continue;
      bool joined = s.at(j).speech == pos::verb
                        ? coordinate_verb(s, j)
                        : coordinate_nominal(s, j, s.at(j).grammatical_case());
      if (joined) return;
    }
  }
  const int from = s.first_of(1), n = s.end_of(1) - s.first_of(1);
  const int moved_first = s.end_of(0) - s.first_of(0);
  rotate_records(s, 0, from, n);
  for (int i = 0; i < n + moved_first; ++i) {
    WordAnalysis& a = s.at(i);
    if (i < n) {
      a.position.set(0);
      a.word_number.set(0);
    } else {
      a.position.set(1);
      a.word_number.set(static_cast<std::int16_t>(a.word_number.get() + 1));
    }
  }
  s.index_words();
}

void move_inserted_clause(SentenceView& s) {
  SyntaxScratch& sc = s.scratch;
  if (s.positions() >= 50 || (sc.clause_count != 3 && sc.clause_count != 4) || sc.quotation_odd)
    return;
  if (!closes_with(s, sc.clauses[0], kComma)) return;
  for (int c = 1; c + 1 < sc.clause_count; ++c) {
    const Clause cl = sc.clauses[static_cast<std::size_t>(c)];
    if (!closes_with(s, cl, kComma)) continue;
    IndexList<3> heads;
    if (!inserted_heads(s, cl, heads)) continue;
    for (int k = 0; k + 1 < heads.count; ++k) link_pair(s, heads[k], heads[k + 1]);
    for (int k = 0; k < heads.count; ++k) keep_one(s, heads[k]);
    // The clause goes before the sentence's closing mark, its comma first:
    // "Quid, inquit, agis?" reads "Quid, agis, inquit?".
    const Clause last = sc.clauses[static_cast<std::size_t>(sc.clause_count - 1)];
    const int end = s.is(last.last, pos::punct) ? last.last : s.count();
    rotate_records(s, cl.first, cl.last, 1);
    rotate_records(s, cl.first, cl.last + 1, end - (cl.last + 1));
    sc.positions = renumber_positions(s);
    s.index_words();
    sc.relocated = true;
    build_clause_table(s);
    return;
  }
}

}  // namespace kelvo::syntax
