#include "analysis/word_memo.h"

#include <utility>

namespace kelvo::analysis {

namespace {

// Every analysis carries the word position and number of its context; a
// remembered one gets those of the context that asks again.
void restamp(std::vector<Candidate>& cands, std::size_t from, const AnalysisContext& ctx) {
  for (std::size_t i = from; i < cands.size(); ++i) {
    cands[i].analysis.position.set(static_cast<std::int16_t>(ctx.position));
    cands[i].analysis.word_number.set(static_cast<std::int16_t>(ctx.word_number));
  }
}

bool stamped_by(const std::vector<Candidate>& cands, std::size_t from,
                const AnalysisContext& ctx) {
  for (std::size_t i = from; i < cands.size(); ++i)
    if (cands[i].analysis.position.get() != ctx.position ||
        cands[i].analysis.word_number.get() != ctx.word_number)
      return false;
  return true;
}

}  // namespace

void WordMemo::set_enabled(bool on) {
  enabled_ = on;
  clear();
}

void WordMemo::clear() {
  entries_.clear();
  analyzer_ = nullptr;
}

void WordMemo::make_key(std::string_view word, bool first_in_sentence, bool known_proper,
                        bool question, bool formation_rules) {
  const char flags = static_cast<char>('@' | (first_in_sentence ? 1 : 0) | (known_proper ? 2 : 0) |
                                       (question ? 4 : 0) | (formation_rules ? 8 : 0));
  key_.assign(1, flags);
  key_.append(word);
}

void WordMemo::answer(const Entry& e, std::vector<Candidate>& out, AnalysisContext& ctx) const {
  if (ctx.log && !e.log.empty()) ctx.log->write(e.log);
  if (ctx.warnings)
    for (const auto& w : e.warnings) ctx.warnings->warn(w);
  const std::size_t before = out.size();
  out.insert(out.end(), e.candidates.begin(), e.candidates.end());
  restamp(out, before, ctx);
}

WordResult WordMemo::analyse(const WordAnalyzer& wa, std::string_view word,
                             bool first_in_sentence, bool known_proper,
                             std::vector<Candidate>& out, AnalysisContext& ctx, bool question) {
  if (!enabled_) return analyse_word(wa, word, first_in_sentence, known_proper, out, ctx, question);
  if (analyzer_ != &wa || !(options_ == wa.options())) {
    entries_.clear();
    analyzer_ = &wa;
    options_ = wa.options();
  }
  make_key(word, first_in_sentence, known_proper, question, ctx.formation_rules);
  if (auto it = entries_.find(key_); it != entries_.end()) {
    ++hits_;
    answer(it->second, out, ctx);
    WordResult r = it->second.result;
    if (r.split_off) restamp(r.split_off->candidates, 0, ctx);
    return r;
  }
  ++misses_;

  // Analysed with the messages caught, so that they can be written again.
  ParseLog* log = ctx.log;
  WarningGate* warnings = ctx.warnings;
  captured_log_.open_memory();
  captured_log_.clear_text();
  captured_host_.warnings.clear();
  WarningGate captured_warnings(captured_host_);
  ctx.log = &captured_log_;
  ctx.warnings = &captured_warnings;
  const std::size_t before = out.size();
  WordResult r = analyse_word(wa, word, first_in_sentence, known_proper, out, ctx, question);
  ctx.log = log;
  ctx.warnings = warnings;
  if (log && !captured_log_.text().empty()) log->write(captured_log_.text());
  if (warnings)
    for (const auto& w : captured_host_.warnings) warnings->warn(w);

  if (entries_.size() < kMaxWords && stamped_by(out, before, ctx) &&
      (!r.split_off || stamped_by(r.split_off->candidates, 0, ctx))) {
    Entry& e = entries_[key_];
    e.candidates.assign(out.begin() + static_cast<std::ptrdiff_t>(before), out.end());
    e.result = r;
    e.log = captured_log_.text();
    e.warnings = captured_host_.warnings;
  }
  return r;
}

}  // namespace kelvo::analysis
