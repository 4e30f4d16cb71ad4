#include "analysis/rules/syncope.h"

namespace kelvo::analysis {

namespace {

// A syncopated piece and the full piece it stands for. The piece must be
// followed only by an ending (checked by the analysis of the result).
struct Syncope {
  std::string_view cut;
  std::string_view full;
};

constexpr Syncope kSyncopes[] = {
    {"arunt", "auerunt"}, {"erunt", "euerunt"}, {"orunt", "ouerunt"},
    {"arat", "auerat"},   {"arant", "auerant"}, {"aram", "aueram"},   {"aras", "aueras"},
    {"arit", "auerit"},   {"arint", "auerint"}, {"aro", "auero"},
    {"ierunt", "iuerunt"}, {"ierat", "iuerat"}, {"ierant", "iuerant"}, {"ierit", "iuerit"},
    {"ieram", "iueram"},  {"ierint", "iuerint"},
    {"asse", "auisse"},   {"esse", "euisse"},   {"isse", "iuisse"},   {"osse", "ouisse"},
    {"asti", "auisti"},   {"esti", "euisti"},   {"isti", "iuisti"},
    {"isse", "iisse"},    {"isti", "iisti"},    {"usse", "uisse"},
    {"iit", "iuit"},      {"orant", "ouerant"}, {"orat", "ouerat"},
};

}  // namespace

std::vector<std::string> unsyncopated_spellings(std::string_view word) {
  std::vector<std::string> out;
  if (word.size() < 5) return out;
  for (const Syncope& s : kSyncopes) {
    // The piece sits in the last syllables: after the stem, before the ending.
    auto at = word.rfind(s.cut);
    if (at == std::string_view::npos || word.size() - at > s.cut.size() + 4) continue;
    std::string w(word.substr(0, at));
    w += s.full;
    w += word.substr(at + s.cut.size());
    out.push_back(std::move(w));
  }
  return out;
}

int try_syncope(const WordAnalyzer& wa, std::string_view word, std::vector<Candidate>& out,
                AnalysisContext& ctx) {
  for (const std::string& full : unsyncopated_spellings(word)) {
    const std::size_t before = out.size();
    wa.analyse_core(full, Source::variant, out, ctx);
    // Only perfect-system verb forms explain a syncope.
    std::size_t kept = before;
    for (std::size_t i = before; i < out.size(); ++i) {
      const auto& a = out[i].analysis;
      const grammar::Code t = a.tense();
      bool perfect = (a.speech == grammar::pos::verb &&
                      (t == grammar::tense::perf || t == grammar::tense::plup ||
                       t == grammar::tense::futp));
      if (perfect) out[kept++] = std::move(out[i]);
    }
    out.resize(kept);
    if (kept > before) return static_cast<int>(kept - before);
  }
  return 0;
}

}  // namespace kelvo::analysis
