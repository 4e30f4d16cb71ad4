// The sentence-level steps after the clauses: links to struck readings let
// go, links made two-way, prepositions re-linked to their nouns, quis-clause
// marks checked, and a vocative set off by commas.
#include "syntax/clause_analysis.h"
#include "syntax/operations.h"
#include "syntax/partner.h"

namespace kelvo::syntax {

using namespace grammar;

namespace {

bool bound_reading(const SentenceView& s, int p) {
  for (int j = s.first_of(p); j < s.end_of(p); ++j)
    if (s.live(j) && s.live(s.at(j).link(0))) return true;
  return false;
}

}  // namespace

void clean_up_links(SentenceView& s) {
  for (int i = 0; i < s.count(); ++i) {
    if (!s.live(i)) continue;
    WordAnalysis& a = s.at(i);
    if (a.link(0) >= 0 && !s.live(a.link(0))) a.set_link(0, -1);
    if (a.link(0) < 0) {
      // An unbound reading of hic, ille, is gives way to a bound one; when
      // none of its word's readings is bound, each stays (a pronoun standing
      // alone is ordinary Latin, and striking all but the last would leave
      // the least likely).
      Code k = a.pronoun_kind();
      if (a.speech == pos::pron && (k == pronoun_kind::demonst || k == pronoun_kind::adject) &&
          bound_reading(s, a.position.get()))
        drop_candidate(s, i);
    }
    if (!s.live(i)) continue;
    if (a.link(2) >= 0 && a.link(2) == a.link(1)) a.set_link(2, -1);
    if (a.link(1) >= 0 && !s.live(a.link(1))) a.set_link(1, -1);
    if (a.link(2) >= 0 && !s.live(a.link(2))) a.set_link(2, -1);
    if (a.link(0) < 0 && a.link(1) >= 0) {
      a.set_link(0, a.link(1));
      a.set_link(1, a.link(2));
      a.set_link(2, -1);
    }
    if (a.coordination_marker() && (a.link(0) < 0 || a.link(1) < 0))
      a.undo_coordination_marker();
  }
}

void make_back_links(SentenceView& s) {
  int previous_pos = -1;
  for (int i = 0; i < s.count(); ++i) {
    if (!s.live(i)) continue;
    WordAnalysis& a = s.at(i);
    const int b = s.linked(i, 0);
    if (b >= 0 && s.live(b) && s.at(b).speech != pos::verb) {
      WordAnalysis& w = s.at(b);
      if (a.speech == pos::sadj && w.role_code() == 4) a.set_role_code(1);
      if (w.link(0) < 0) {
        w.set_link(0, i);
      } else if (w.link(0) != i && w.link(1) != i && w.link(2) != i) {
        const int second = s.linked(b, 1);
        bool to_verb = second >= 0 && s.at(second).speech == pos::verb;
        if (a.position.get() == previous_pos || to_verb) {
          if (w.link(1) < 0) w.set_link(1, i);
        } else {
          if (a.speech == pos::verb) w.set_link(2, w.link(1));
          w.set_link(1, i);
        }
      }
    }
    previous_pos = a.position.get();
  }
}

void repair_prepositions(SentenceView& s) {
  // A preposition whose object is an adjective bound to a noun governs the
  // noun: "in magnam urbem" links in with urbem, magnam stays with urbem.
  for (int i = 0; i < s.count(); ++i) {
    if (!s.is(i, pos::prep) || s.at(i).link(1) >= 0) continue;
    const int o = s.linked(i, 0);
    if (o < 0) continue;
    const WordAnalysis& obj = s.at(o);
    bool adjectival = obj.speech == pos::adj ||
                      (obj.speech == pos::vpar && obj.mood() == mood::adj_like);
    if (!adjectival) continue;
    for (int k = 0; k < 3; ++k) {
      const int n = s.linked(o, k);
      if (n < 0 || n == i || s.at(n).speech != pos::noun ||
          s.at(n).grammatical_case() != s.at(i).grammatical_case())
        continue;
      s.at(i).set_link(0, n);
      link_pair(s, n, i);
      break;
    }
  }
  // A preposition left without an object takes the next word's reading in
  // its case.
  for (int i = 0; i < s.count(); ++i) {
    if (!s.is(i, pos::prep) || s.at(i).link(0) >= 0) continue;
    const int q = s.pos(i) + 1;
    for (int j = s.first_of(q); j < s.end_of(q); ++j) {
      if (!s.live(j) || s.at(j).speech == pos::prep || s.at(j).speech == pos::verb) continue;
      if (s.at(j).grammatical_case() != s.at(i).grammatical_case()) continue;
      link_pair(s, i, j);
      break;
    }
  }
}

void clear_quis_marks(SentenceView& s) {
  for (int i = 0; i < s.count(); ++i) {
    if (!s.is(i, pos::pron) || !s.at(i).quis_clause()) continue;
    const int first = s.linked(i, 0);
    if (first < 0 || first >= i) continue;
    const int second = s.linked(i, 1);
    if (second < 0 || second < i || s.at(second).speech != pos::verb) s.at(i).clear_quis_clause();
  }
}

void link_vocative_between_commas(SentenceView& s) {
  SyntaxScratch& sc = s.scratch;
  const int tokens = s.positions();
  const int clauses = sc.clause_count > 0 ? sc.clause_count : 1;
  if (!(tokens < 10 || (sc.clause_count < 6 && tokens / clauses > 3))) return;
  auto comma_at = [&](int p) {
    int f = s.first_live_of(p);
    return f >= 0 && s.at(f).speech == pos::punct && s.at(f).punctuation() == 1;
  };
  for (int v = 0; v < s.count(); ++v) {
    if (!s.is(v, pos::noun) || s.at(v).grammatical_case() != gcase::voc ||
        s.at(v).noun_kind() == noun_kind::thing)
      continue;
    const int p = s.pos(v);
    if (!comma_at(p - 1) || !comma_at(p + 1)) continue;
    const int x = p - 2, y = p + 2;
    for (int a = s.first_of(x); a < s.end_of(x); ++a) {
      if (!s.live(a)) continue;
      for (int b = s.first_of(y); b < s.end_of(y); ++b) {
        if (!s.live(b)) continue;
        int ra = s.at(a).role_code(), rb = s.at(b).role_code();
        if (!((ra == 4 && rb == 1) || (ra == 1 && rb == 4)) || !agree(s, a, b)) continue;
        if (s.at(a).link(0) < 0) s.at(a).set_link(0, b);
        if (s.at(b).link(0) < 0) s.at(b).set_link(0, a);
        sc.vocative_position = y;
        sc.vocative_a = ra == 1 ? a : b;
        sc.vocative_b = ra == 1 ? b : a;
        return;
      }
    }
    return;  // the first such vocative only
  }
}

}  // namespace kelvo::syntax
