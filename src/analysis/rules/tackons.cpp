#include "analysis/rules/tackons.h"

#include <algorithm>

#include "analysis/rules/indefinite_pronouns.h"
#include "analysis/name_and_number.h"
#include "base/text.h"

namespace kelvo::analysis {

using namespace grammar;

namespace {

struct HostFilter {
  const AddonRecord* addon;
  bool first_declension_only;  // the medieval "e" for "ae" retry
};

bool fits_host(const DictEntry& e, const void* data) {
  const auto& f = *static_cast<const HostFilter*>(data);
  const AddonRecord& a = *f.addon;
  if (a.host_speech != 0 && (e.speech & 0x1F) != a.host_speech) return false;
  if (a.host_which != 0 && e.which != a.host_which) return false;
  if (a.host_variant != 0 && e.variant != a.host_variant) return false;
  if (f.first_declension_only) {
    const bool noun1 = e.speech == pos::noun && e.which == 1;
    const bool adj11 = (e.speech & 0x1F) == pos::adj && e.which == 1 && e.variant == 1;
    if (!noun1 && !adj11) return false;
  }
  return true;
}

int roman_value(char c) {
  switch (c) {
    case 'u': case 'v': return 5;
    case 'x': return 10;
    case 'l': return 50;
    case 'c': return 100;
    case 'd': return 500;
    case 'm': return 1000;
    default: return 0;
  }
}

// The host's analyses for one addon record.
int analyse_host(const WordAnalyzer& wa, std::string_view host, const AddonRecord& addon,
                 std::vector<Candidate>& out, AnalysisContext& ctx) {
  if (host.size() == 1 && roman_value(host[0]) != 0) {
    if (addon.host_speech != 0 && addon.host_speech != pos::num) return 0;
    return analyse_roman_numeral(wa, host, roman_value(host[0]), out, ctx);
  }
  HostFilter filter{&addon, false};
  int n = wa.analyse_core(host, Source::addon, out, ctx, fits_host, &filter);
  if (n == 0 && is_ascii_upper(host[0])) {
    std::string lower(host);
    lower[0] = ascii_lower(lower[0]);
    n = wa.analyse_core(lower, Source::addon, out, ctx, fits_host, &filter);
  }
  // Medieval "e" for a first-declension "ae" (roseque for rosaeque).
  const auto& o = wa.options();
  if (n == 0 && o.medieval_tricks && o.age == Age::medieval && host.size() > 1 &&
      host.back() == 'e' && host[host.size() - 2] != 'a' && is_ascii_lower(host[0])) {
    std::string ae(host.substr(0, host.size() - 1));
    ae += "ae";
    filter.first_declension_only = true;
    n = wa.analyse_core(ae, Source::addon, out, ctx, fits_host, &filter);
  }
  return n;
}

Candidate tackon_candidate(std::string_view text, const AddonRecord& addon,
                           const AnalysisContext& ctx) {
  std::string meaning(addon.meaning_text());
  if (meaning == "EMPHATIC") meaning.clear();
  std::string full = meaning;
  if (auto slash = meaning.find('/'); slash != std::string::npos) meaning.resize(slash);
  // The coordination rules compare the bare meaning ("and", "or"): no "~" flag.
  Candidate c = builtin_candidate(pos::tackon, std::string(text) + ".", meaning, Source::addon, ctx);
  c.origin.builtin_meaning = std::move(full);
  c.analysis.set_grammatical_case(addon.b4);  // the case the tackon brings (mecum: ABL)
  return c;
}

// idem, eadem, easdem: the pronoun that takes -dem is one word, never the
// host "i" and a token "dem": its readings cover the whole form, and no
// tackon is split off.
void join_same_pronoun(TackonResult& r) {
  const bool all_same = std::all_of(r.host.begin(), r.host.end(), [](const Candidate& c) {
    return c.analysis.speech == pos::pron && c.analysis.which() == 4 && c.analysis.variant() == 2;
  });
  if (r.host.empty() || !all_same) return;
  for (Candidate& c : r.host) {
    FieldText<sizeof(c.analysis.latin)> latin;
    latin.append(c.analysis.latin_text());
    latin.append("dem");
    set_field(c.analysis.latin, latin.view());
  }
  r.tackon.candidates.clear();
  r.tackon.text.clear();
}

}  // namespace

bool tackon_reads_first(std::string_view text, const AddonRecord& addon) {
  const bool any_host = addon.host_speech == 0 && addon.host_which == 0;
  if (any_host && (text == "que" || text == "ue" || text == "ne")) return true;
  return text == "cum";
}

std::optional<TackonResult> try_tackons(const WordAnalyzer& wa, std::string_view word,
                                        AnalysisContext& ctx) {
  if (word.size() < 2 || word.size() > static_cast<std::size_t>(kMaxSplitWordLength)) return {};
  if (may_be_indefinite_pronoun(word) && indefinite_pronoun_reads_whole(word)) return {};
  auto addons = wa.lexicon().addons();
  const auto splits = WordAnalyzer::split_word(word);
  const std::size_t limit = std::min<std::size_t>(kTackonSplits, splits.size());
  for (std::size_t s = 1; s < limit; ++s) {
    const Split& split = splits[s];
    if (split.stem == ".") break;
    std::string_view text = split.ending;
    if (text == "st") {
      if (!wa.options().plautus) continue;
      text = "est";
    }
    auto it = std::lower_bound(addons.begin(), addons.end(), text,
                               [](const AddonRecord& r, std::string_view t) {
                                 return compare_bytes(r.text_view(), t) < 0;
                               });
    TackonResult result;
    result.tackon.text = std::string(text);
    int matched = 0;
    for (; it != addons.end() && it->text_view() == text; ++it) {
      if (++matched > kMaxAddonMatches) {
        if (ctx.log) ctx.log->write(kTooManyAddons);
        if (ctx.warnings) ctx.warnings->warn(kTooManyAddons);
        break;
      }
      if (analyse_host(wa, split.stem, *it, result.host, ctx) == 0) continue;
      result.tackon.candidates.push_back(tackon_candidate(text, *it, ctx));
      if (tackon_reads_first(text, *it)) result.tackon.before_host = true;
    }
    if (!result.tackon.candidates.empty()) {
      if (text == "dem") join_same_pronoun(result);
      return result;
    }
  }
  return {};
}

std::optional<NameEnclitic> split_name_enclitic(std::string_view word, bool question,
                                                const AnalysisContext& ctx) {
  if (word.size() <= 4 || !is_ascii_upper(word[0])) return {};
  std::string_view enclitic;
  if (word.ends_with("que")) {
    enclitic = "que";
  } else if (question && word.ends_with("ne") && word[word.size() - 3] != 'o' &&
             word[1] != '_') {
    enclitic = "ne";
  } else {
    return {};
  }
  std::string_view name = word.substr(0, word.size() - enclitic.size());
  if (name.size() < 5 || name.size() > 24) return {};
  return NameEnclitic{std::string(name), enclitic_token(enclitic, ctx)};
}

}  // namespace kelvo::analysis
