#include "analysis/rules/derived_words.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "base/text.h"

namespace kelvo::analysis {

using namespace grammar;

namespace {

constexpr Code N = pos::noun, A = pos::adj, V = pos::verb, VP = pos::vpar, AV = pos::adv,
               SA = pos::sadj;

constexpr SuffixRow kSuffixes[] = {
    {"issime", "-edly", A, 2, AV, 0, 0, 3, 0, 3},
    {"iter", "-ly", A, 2, AV, 0, 0, 1, 0, 1},
    {"abil", "-able", V, 2, A, 3, 2, 1, 0, 0},
    {"ans", "-ing", V, 1, A, 3, 1, 1, 0, 1},
    {"ant", "-ing", V, 1, A, 3, 1, 1, 0, 2},
    {"itat", "-ity", A, 2, N, 3, 1, 2, 7, 2},
    {"ibil", "-able", V, 2, A, 3, 2, 1, 0, 0},
    {"issi", "-ed", VP, 4, A, 1, 1, 3, 0, 4},
    {"ion", "-ing", VP, 4, N, 3, 1, 2, 7, 2},
    {"ior", "-ed", VP, 4, A, 0, 0, 2, 0, 3},
    {"ius", "-ed", VP, 4, A, 0, 0, 2, 0, 3},
    {"ament", "-ment", N, 2, N, 2, 2, 3, 7, 0},
    {"enter", "-ently", V, 2, AV, 0, 0, 1, 0, 1},
    {"enti", "-ence", V, 2, N, 1, 1, 2, 7, 2},
    {"io", "-ing", VP, 4, N, 3, 1, 2, 7, 1},
    {"ari", "-related", N, 2, SA, 1, 1, 1, 0, 0},
    {"ul", "-small", N, 2, SA, 1, 1, 1, 0, 0},
    {"ol", "-small", N, 2, SA, 1, 1, 1, 0, 0},
    {"ori", "-ory", VP, 4, A, 1, 1, 1, 0, 0},
    {"ori", "-ory", N, 2, N, 2, 2, 3, 7, 0},
    {"or", "-er", VP, 4, N, 3, 1, 1, 6, 0},
    {"al", "-al", N, 2, A, 3, 2, 1, 0, 0},
    {"in", "-derived", N, 2, A, 1, 1, 1, 0, 0},
    {"ic", "-ic", N, 2, A, 1, 1, 1, 0, 0},
    {"iu", "-ive", V, 2, A, 1, 1, 1, 0, 0},
    {"iu", "-ive", VP, 4, A, 1, 1, 1, 0, 0},
    // Botany only.
    {"ifer", "-bearing", N, 0, A, 1, 1, 1, 0, 0},
    {"iform", "-like", N, 0, A, 3, 2, 1, 0, 0},
    {"ifoli", "-leaved", N, 0, A, 1, 1, 1, 0, 0},
    {"icephal", "-headed", N, 0, A, 1, 1, 1, 0, 0},
    {"icolor", "-coloured", N, 0, A, 3, 1, 1, 0, 0},
    {"inervi", "-nerved", N, 0, A, 1, 1, 1, 0, 0},
    {"iflor", "-flowered", N, 0, A, 1, 1, 1, 0, 0},
    {"ace", "-family", N, 0, N, 1, 1, 2, 7, 2},
};
static_assert(std::size(kSuffixes) == kSuffixRows);

constexpr std::size_t kMeaningField = 24;

}  // namespace

std::span<const SuffixRow> suffix_table(bool botany) {
  return std::span<const SuffixRow>(kSuffixes, botany ? kSuffixRows : kSuffixRowsOutsideBotany);
}

bool derived_word_rule_applies(std::string_view word, std::span<const Candidate> from_prefixes) {
  if (word.empty() || !is_ascii_lower(word[0])) return false;
  if (from_prefixes.empty()) return true;
  return from_prefixes.size() == 1 && from_prefixes[0].analysis.speech == pos::adj &&
         word.ends_with("issime");
}

std::string derived_meaning(std::string_view base_meaning, std::string_view english_suffix) {
  std::string base(base_meaning.substr(0, base_meaning.find('/')));
  while (!base.empty() && base.back() == ' ') base.pop_back();
  std::replace(base.begin(), base.end(), ' ', '-');
  // "~" + base + suffix; a base too long for the field is cut and marked "*".
  const std::size_t room = kMeaningField - 1 - english_suffix.size();
  if (base.size() > room) {
    base.resize(room - 1);
    base.push_back('*');
  }
  std::string m = "~";
  m += base;
  m += english_suffix;
  return m;
}

int try_derived_words(const WordAnalyzer& wa, std::string_view word, std::vector<Candidate>& out,
                      AnalysisContext& ctx) {
  const auto& opts = wa.options();
  std::vector<DictEntry> entries;
  std::vector<InflectionRecord> infls;
  std::string_view previous_pattern;
  for (const SuffixRow& row : suffix_table(opts.botany)) {
    const bool same_pattern = row.pattern == previous_pattern;
    previous_pattern = row.pattern;
    const std::size_t at = word.find(row.pattern);
    if (at == std::string_view::npos) continue;
    std::string_view stem = word.substr(0, at);
    if (!same_pattern) {
      entries.clear();
      wa.find_stems(stem, entries, ctx);
    }
    if (entries.empty()) continue;
    // "ior" and "ius" keep only their "i" in the stem.
    const std::size_t kept = (row.pattern == "ior" || row.pattern == "ius") ? 1 : row.pattern.size();
    std::string working(word.substr(0, at + kept));
    const std::string ending(word.substr(at + kept));
    if (working.size() > kMaxDerivedStem) {
      working.resize(kMaxDerivedStem);
      working.push_back('*');
    }
    const std::size_t before = out.size();
    for (const DictEntry& found : entries) {
      if (found.area() == grammar::kBotanyAreaCode && !opts.botany) continue;
      if (found.speech != row.base_speech) continue;
      if (row.base_key != 0 && found.stem_key != 0 && found.stem_key != row.base_key) continue;
      DictEntry e = found;
      e.speech = row.speech;
      e.which = row.which;
      e.variant = row.variant;
      e.byte3 = row.byte3;
      e.kind = row.byte4;
      e.stem_key = row.key;
      set_field(e.stem, working);
      infls.clear();
      if (wa.match_inflections(ending, e, infls, ctx) <= 0) continue;
      Origin origin;
      origin.table = e.meaning_index.get() >= userdata::kUserMeaningOffset ? Origin::Table::user
                     : e.area() == grammar::kBotanyAreaCode                         ? Origin::Table::botany
                                                              : Origin::Table::dictionary;
      origin.index = e.meaning_index.get();
      origin.source = Source::derived;
      std::string base(wa.full_meaning(origin));
      int area = e.area(), rarity = e.rarity();
      choose_area_section(base, opts.area, e.age, area, rarity);
      const std::string meaning = derived_meaning(base, row.english);
      for (const InflectionRecord& r : infls) {
        if (ctx.log && !opts.translate) ctx.log->write(kModifiedStem);
        const std::size_t first = out.size();
        wa.build_analysis(e, r, Split{working, ending}, Source::derived, origin, out, ctx);
        for (std::size_t i = first; i < out.size(); ++i) {
          WordAnalysis& a = out[i].analysis;
          set_field(a.meaning, meaning);
          if (a.speech != pos::vpar) set_field(a.english, meaning);
        }
      }
    }
    if (out.size() > before) return static_cast<int>(out.size() - before);
  }
  return 0;
}

}  // namespace kelvo::analysis
