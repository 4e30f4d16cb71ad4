#include "english/clause_repairs.h"

#include "base/text.h"
#include "english/slot_moves.h"
#include "english/text_edit.h"
#include "english/verb_phrase.h"
#include "english/word_english.h"

namespace kelvo::english {

using namespace grammar;

namespace {

// The passives that take a predicate as "be" does: "is seen (to be)",
// "is believed", "is called".
constexpr std::string_view kPassiveCopulas[] = {"vid.", "uid.", "cre.", "put.", "hab.",
                                                "dic.", "appell.", "adpell.", "nomin."};

bool is_copula(const SentenceInput& in, int c) {
  const WordAnalysis& a = in.at(c);
  if (a.speech != pos::verb) return false;
  if (a.verb_kind() == verb_kind::to_be) return true;
  if (a.voice() == voice::passive) {
    for (std::string_view stem : kPassiveCopulas)
      if (form_of(a, stem)) return true;
  }
  const analysis::Candidate* cand = in.candidate(c);
  if (!cand) return false;
  const std::string e = word_english(in.wa, *cand, in.area).text;
  return e == "be" || begins_with(e, "be born") || begins_with(e, "become") ||
         begins_with(e, "escape");
}

bool nominative_predicate(const WordAnalysis& a) {
  return (a.speech == pos::adj || a.speech == pos::vpar) && a.grammatical_case() == gcase::nom;
}

// The clause (first and last analysis) that holds analysis c.
std::pair<int, int> clause_of(const SentenceInput& in, int c) {
  const auto& sc = in.scratch;
  for (int k = 0; k < sc.clause_count && k < syntax::kMaxClauses; ++k) {
    const auto& cl = sc.clauses[static_cast<std::size_t>(k)];
    if (cl.first <= c && c <= cl.last) return {cl.first, cl.last};
  }
  return {0, sc.count - 1};
}

}  // namespace

Copulas collect_copulas(const SentenceInput& in) {
  Copulas out;
  for (int p = 0; p < in.positions() && out.count < kMaxCopulas; ++p) {
    const int c = in.chosen(p);
    if (c >= 0 && is_copula(in, c)) out.position[out.count++] = p;
  }
  return out;
}

void place_predicates(const SentenceInput& in, const Copulas& copulas, OutputWords& out) {
  for (int k = 0; k < copulas.count; ++k) {
    const int v = copulas.position[k];
    const int p = v - 1;
    if (p < 1) continue;
    const int c = in.chosen(p), cv = in.chosen(v), before = in.chosen(p - 1);
    if (c < 0 || cv < 0) continue;
    const WordAnalysis& a = in.at(c);
    if (!nominative_predicate(a) || out.at(p).empty()) continue;
    if (before >= 0 && nominative_predicate(in.at(before))) continue;
    if (a.number() != in.at(cv).number() && in.at(cv).number() != 0) continue;
    const int link = a.link(0);
    const bool to_earlier = link >= 0 && link < in.scratch.count && in.at(link).position.get() < v;
    if (to_earlier) {
      std::string& slot = out.at(p);
      drop_leading(slot, "the ");
      if (slot == "my") slot = "mine";
      else if (slot == "your") slot = "yours";
      else if (slot == "our") slot = "ours";
    } else if (a.speech != pos::vpar || (link >= 0 && link < in.scratch.count)) {
      continue;
    }
    swap_slots(out, p, v);
  }
}

void render_opus_est(const SentenceInput& in, OutputWords& out) {
  const int p = in.scratch.opus_est_position;
  const int c = in.chosen(p);
  if (c < 0 || !equals_nocase(in.at(c).latin_text(), "opus_est.")) return;
  // The one in need is the dative beside it, said first.
  int d = -1, dative = -1;
  for (int q : {p - 1, p + 1}) {
    const int e = in.chosen(q);
    if (e >= 0 && in.at(e).grammatical_case() == gcase::dat) {
      d = q;
      dative = e;
      break;
    }
  }
  bool singular = false;
  if (d >= 0) {
    const WordAnalysis& w = in.at(dative);
    singular = w.number() != number::plur && w.speech != pos::pron;
    std::string& slot = out.at(d);
    drop_leading(slot, "to ");
    if (w.speech == pos::pron) {
      // The one in need is the subject: "mihi opus est" is "I need".
      for (auto [from, to] : {std::pair<std::string_view, std::string_view>{"me", "I"},
                              {"us", "we"}, {"him", "he"}, {"her", "she"}, {"them", "they"}})
        if (slot == from) slot = to;
    }
    if (d > p) swap_slots(out, p, d);
  }
  // After the swap "need" stands where the dative stood.
  out.at(d > p ? d : p) = singular ? "needs" : "need";
}

void build_compound_tenses(const SentenceInput& in, OutputWords& out) {
  for (int p = 0; p < out.count; ++p) {
    const int c = slot_reading(in, out, p);
    if (c < 0 || out.at(p).empty()) continue;
    const WordAnalysis& q = in.at(c);
    if (q.speech != pos::vpar || q.grammatical_case() != gcase::nom) continue;
    const Code kind = q.verb_kind();
    const bool deponent = kind == verb_kind::dep || kind == verb_kind::semidep;
    if (!deponent && q.voice() != voice::passive) continue;
    if (q.tense() != tense::perf) continue;
    // The participle must not be read with a noun of its own.
    bool attributive = false;
    for (int k = 0; k < 3; ++k) {
      const int j = q.link(k);
      if (j >= 0 && j < in.scratch.count && in.at(j).speech != pos::verb &&
          in.at(j).grammatical_case() != gcase::nom)
        attributive = true;
    }
    if (attributive) continue;
    const auto [first, last] = clause_of(in, c);
    int v = -1;
    for (int r = 0; r < out.count; ++r) {
      const int b = slot_reading(in, out, r);
      if (b < first || b > last || b < 0) continue;
      const WordAnalysis& be = in.at(b);
      if (be.speech != pos::verb || be.verb_kind() != verb_kind::to_be) continue;
      if (be.mood() == mood::inf || (be.number() != q.number() && be.number() != 0)) continue;
      if (!contains(out.at(r), "^")) continue;
      v = r;
      break;
    }
    if (v < 0) continue;
    const WordAnalysis& be = in.at(slot_reading(in, out, v));
    std::string& slot = out.at(v);
    if (deponent) {
      // The deponent's perfect is active: "secutus est" is "has followed".
      std::string phrase;
      build_verb_phrase("have", be, 0, SubjectFacts{}, phrase);
      std::string subject = slot.substr(0, slot.find('^'));
      std::size_t at = phrase.find('^');
      slot = subject + (at == std::string::npos ? phrase : phrase.substr(at));
      replace_first(slot, "^have+s", "^has") || replace_first(slot, "was ^have+ing", "^had") ||
          replace_first(slot, "were ^have+ing", "^had") ||
          replace_first(slot, "have ^have+ed", "^had") ||
          replace_first(slot, "had ^have+ed", "had") || replace_first(slot, "has ^have+ed", "has");
    } else {
      switch (be.tense()) {
        case tense::pres:
          replace_first(slot, "may ^be", "may have ^been") ||
              replace_first(slot, "^is", "has ^been") ||
              replace_first(slot, "I ^be", "I have ^been") ||
              replace_first(slot, "^am", "have ^been") || replace_first(slot, "^be", "have ^been") ||
              replace_first(slot, "^are", "have ^been");
          break;
        case tense::impf:
          replace_first(slot, "might ^be", "might have ^been") ||
              replace_first(slot, "was ^being", "had ^been") ||
              replace_first(slot, "were ^being", "had ^been");
          break;
        case tense::fut:
          replace_first(slot, "will ^be", "will have ^been") ||
              replace_first(slot, "shall ^be", "shall have ^been");
          break;
        default: break;
      }
    }
    // The participle joins its tense: one verb phrase, wherever the words move.
    std::string part = out.at(p);
    std::size_t skip = article_length(part);
    if (begins_with(part, "the ")) part.erase(0, skip);
    slot += ' ';
    slot += part;
    out.at(p).clear();
  }
}

void drop_doubled_pronouns(const SentenceInput& in, OutputWords& out) {
  for (int p = 0; p < out.count; ++p) {
    const int c = slot_reading(in, out, p);
    if (c < 0) continue;
    const WordAnalysis& a = in.at(c);
    if (a.speech != pos::pron || a.pronoun_kind() != pronoun_kind::pers) continue;
    if (a.grammatical_case() != gcase::nom || begins_with(out.at(p), "<")) continue;
    Code person = 0;
    if (form_of(a, "ego.")) person = 1;
    else if (form_of(a, "tu.")) person = 2;
    else if (form_of(a, "n.os")) person = 1;
    else if (form_of(a, "u.os")) person = 2;
    if (person == 0) continue;
    // A verb of the same stretch in the same person says the pronoun already.
    auto same_person = [&](int r) {
      const int v = slot_reading(in, out, r);
      if (v < 0) return false;
      const WordAnalysis& w = in.at(v);
      return w.speech == pos::verb && w.person() == person && w.number() == a.number();
    };
    auto stops = [&](int r) {
      const int w = slot_reading(in, out, r);
      const Code s = w < 0 ? Code{0} : in.at(w).speech;
      return s == pos::conj || s == pos::punct;
    };
    bool found = false;
    for (int r = p + 1; r < out.count && !stops(r) && !found; ++r) found = same_person(r);
    for (int r = p - 1; r >= 0 && !stops(r) && !found; --r) found = same_person(r);
    if (found) out.at(p).clear();
  }
  // The other way round: a third-person verb phrase given "they" or "s/he/it"
  // for want of a subject, when a pronoun before it in its stretch is that
  // subject ("quae erant": which were, not which they were).
  for (int v = 0; v < out.count; ++v) {
    const int c = slot_reading(in, out, v);
    if (c < 0) continue;
    const WordAnalysis& verb = in.at(c);
    if (verb.speech != pos::verb || verb.person() != 3 || verb.mood() == mood::imp) continue;
    std::string& slot = out.at(v);
    std::size_t lead = 0;
    for (std::string_view pronoun : {"they ", "s/he/it ", "s/he ", "he ", "she ", "it "})
      if (begins_with(slot, pronoun)) lead = pronoun.size();
    if (lead == 0) continue;
    for (int r = v - 1; r >= 0; --r) {
      const int w = slot_reading(in, out, r);
      if (w < 0) continue;
      const WordAnalysis& a = in.at(w);
      if (a.speech == pos::punct || a.speech == pos::verb) break;
      if (a.speech == pos::pron && a.grammatical_case() == gcase::nom &&
          a.number() == verb.number() && !out.at(r).empty()) {
        slot.erase(0, lead);
        break;
      }
      if (a.speech == pos::conj) break;
    }
  }
}

}  // namespace kelvo::english
