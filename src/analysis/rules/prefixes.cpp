#include "analysis/rules/prefixes.h"

#include "base/text.h"

namespace kelvo::analysis {

namespace {

constexpr PrefixRow kPrefixes[kPrefixRows] = {
    {"re", "re-"},         {"per", "very-"},      {"inter", "inter-"},  {"in", "in-"},
    {"ex", "out-"},        {"e", "from-"},        {"im", "in-"},        {"prae", "pre-"},
    {"super", "over-"},    {"pre", "pre-"},       {"sub", "under-"},    {"sesqui", "1 1/2-"},
    {"ante", "before-"},   {"anti", "before-"},   {"pro", "before-"},   {"semi", "semi-"},
    {"ges", "kind-of-"},   {"trans", "trans-"},   {"pseudo", "pseudo"}, {"bi", "bi-"},
    {"di", "di-"},         {"tri", "tri-"},       {"quadru", "four-"},  {"quinqu", "five-"},
    {"sextu", "six-"},     {"septu", "seven-"},   {"octu", "eight-"},   {"nonu", "nine-"},
    {"archi", "highest-"}, {"com", "co-"},        {"contra", "contra-"}, {"multi", "many-"},
    {"hetero", "hetero-"}, {"lepto", "thin-"},    {"pachy", "thick-"},  {"mono", "mono-"},
};

}  // namespace

std::span<const PrefixRow> prefix_table(bool botany) {
  return std::span<const PrefixRow>(kPrefixes, botany ? kPrefixRows : kPrefixRowsOutsideBotany);
}

int try_prefixes(const WordAnalyzer& wa, std::string_view word, std::vector<Candidate>& out,
                 AnalysisContext& ctx, std::string* log_line) {
  if (word.empty()) return 0;
  std::string lower(word);
  lower[0] = ascii_lower(lower[0]);
  const std::size_t before = out.size();
  for (const PrefixRow& row : prefix_table(wa.options().botany)) {
    if (!std::string_view(lower).starts_with(row.latin) || lower.size() == row.latin.size())
      continue;
    // Analysed as a plain word so that the meaning can begin with the gloss;
    // the origin still marks the rule.
    if (wa.analyse_core(std::string_view(lower).substr(row.latin.size()), Source::core, out,
                        ctx) == 0)
      continue;
    for (std::size_t i = before; i < out.size(); ++i) {
      Candidate& c = out[i];
      c.origin.source = Source::prefix;
      std::string latin(row.latin);
      latin += c.analysis.latin_text();
      if (latin.size() > kMaxPrefixedLatin) latin.resize(kMaxPrefixedLatin);
      set_field(c.analysis.latin, latin);
      std::string meaning(row.gloss);
      meaning += c.analysis.meaning_text();
      if (meaning.size() > kMaxPrefixedMeaning) meaning.resize(kMaxPrefixedMeaning);
      set_field(c.analysis.meaning, meaning);
    }
    std::string line = "+PREFIX " + std::string(row.latin) + " = " + std::string(row.gloss) +
                       ".\n\n";
    if (ctx.log && !wa.options().translate) ctx.log->write(line);
    if (log_line) *log_line = std::move(line);
    return static_cast<int>(out.size() - before);
  }
  return 0;
}

}  // namespace kelvo::analysis
