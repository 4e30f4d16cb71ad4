// Tackons (a host word followed by an addon such as "que", "ue", "ne", "cum",
// "met") and the enclitics of capitalised words.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/split_off_token.h"
#include "analysis/word_analyzer.h"

namespace kelvo::analysis {

// At most nine addon records of one text are used.
inline constexpr int kMaxAddonMatches = 9;
inline constexpr const char* kTooManyAddons = "Too many addon fields.\n";
// Only the first eight splits of a word are tried (endings of up to seven letters).
inline constexpr int kTackonSplits = 8;

struct TackonResult {
  std::vector<Candidate> host;  // the host word's analyses
  SplitOffToken tackon;         // the tackon's own token; empty text: none (idem)
};

// Analyses the word as a host plus a tackon of the addon table. The first
// tackon (shortest split first) whose host yields analyses wins; returns
// nothing when none does. Words that the indefinite-pronoun rule reads whole
// (quisque, quidam, utrumque) are left to it.
std::optional<TackonResult> try_tackons(const WordAnalyzer& wa, std::string_view word,
                                        AnalysisContext& ctx);

// Whether a tackon is read before its host in English: the enclitic
// conjunctions ("and", "or", the question particle) and "cum" ("with me").
bool tackon_reads_first(std::string_view tackon_text, const grammar::AddonRecord& addon);

// The enclitic of a capitalised word found nowhere: "que" always, "ne" only in
// a question (the sentence's last token is a question mark), when the letter
// before it is not "o" and the word has no "_" in second place. Returns the
// name part (at least five, at most 24 letters) and the enclitic's token, or
// nothing when the word keeps its shape.
struct NameEnclitic {
  std::string name;
  SplitOffToken enclitic;
};
std::optional<NameEnclitic> split_name_enclitic(std::string_view word, bool question,
                                                const AnalysisContext& ctx);

}  // namespace kelvo::analysis
