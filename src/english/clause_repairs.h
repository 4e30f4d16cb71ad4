// Polishing steps that mend a verb and the words read with it, before the
// words move: a predicate adjective put behind its "be" ("the State is
// great"), "opus est" as "need", the perfect of a participle and its form of
// "be" as one English tense ("has been taken"), and a subject pronoun that
// the verb phrase already says.
#pragma once
#include "english/output_words.h"
#include "english/sentence_input.h"

namespace kelvo::english {

// The verbs a predicate follows: "be", "become", "be born", "escape", and
// the passives of seeming and naming ("videtur", "appellatur"). At most
// kMaxCopulas positions are kept.
inline constexpr int kMaxCopulas = 9;
struct Copulas {
  int position[kMaxCopulas] = {};
  int count = 0;
  bool has(int p) const {
    for (int k = 0; k < count; ++k)
      if (position[k] == p) return true;
    return false;
  }
};
Copulas collect_copulas(const SentenceInput& in);

void place_predicates(const SentenceInput& in, const Copulas& copulas, OutputWords& out);
void render_opus_est(const SentenceInput& in, OutputWords& out);
void build_compound_tenses(const SentenceInput& in, OutputWords& out);
void drop_doubled_pronouns(const SentenceInput& in, OutputWords& out);

}  // namespace kelvo::english
