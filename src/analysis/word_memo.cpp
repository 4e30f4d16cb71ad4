#include "analysis/word_memo.h"

#include <algorithm>
#include <functional>
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
  empty();
  analyzer_ = nullptr;
}

void WordMemo::empty() {
  entries_.clear();
  slots_.clear();
  stored_.clear();
  meanings_.clear();
  ++generation_;
}

void WordMemo::make_key(std::string_view word, bool first_in_sentence, bool known_proper,
                        bool question, bool formation_rules) {
  const char flags = static_cast<char>('@' | (first_in_sentence ? 1 : 0) | (known_proper ? 2 : 0) |
                                       (question ? 4 : 0) | (formation_rules ? 8 : 0));
  key_.assign(1, flags);
  key_.append(word);
  key_hash_ = std::hash<std::string_view>{}(key_);
}

const WordMemo::Entry* WordMemo::find() const {
  if (slots_.empty()) return nullptr;
  const std::size_t mask = slots_.size() - 1;
  const auto h = static_cast<std::uint32_t>(key_hash_);
  for (std::size_t i = key_hash_ & mask;; i = (i + 1) & mask) {
    const Slot s = slots_[i];
    if (s.entry == 0) return nullptr;
    if (s.hash == h && entries_[s.entry - 1].key == key_) return &entries_[s.entry - 1];
  }
}

WordMemo::Entry& WordMemo::insert() {
  // Kept under three-quarters full, so every probe ends at an empty slot.
  if ((entries_.size() + 1) * 4 > slots_.size() * 3) {
    slots_.assign(std::max<std::size_t>(1024, slots_.size() * 2), Slot{});
    for (std::size_t e = 0; e < entries_.size(); ++e) {
      std::size_t i = entries_[e].hash & (slots_.size() - 1);
      while (slots_[i].entry != 0) i = (i + 1) & (slots_.size() - 1);
      slots_[i] = Slot{static_cast<std::uint32_t>(entries_[e].hash),
                       static_cast<std::uint32_t>(e + 1)};
    }
  }
  std::size_t i = key_hash_ & (slots_.size() - 1);
  while (slots_[i].entry != 0) i = (i + 1) & (slots_.size() - 1);
  Entry& e = entries_.emplace_back();
  e.key = key_;
  e.hash = key_hash_;
  slots_[i] = Slot{static_cast<std::uint32_t>(key_hash_),
                   static_cast<std::uint32_t>(entries_.size())};
  return e;
}

WordResult WordMemo::answer(const Entry& e, std::vector<Candidate>& out,
                           AnalysisContext& ctx) const {
  WordResult r;
  r.added = e.added;
  r.proper_name = e.proper_name;
  r.memo_entry = static_cast<std::uint32_t>(&e - entries_.data()) + 1;
  if (e.extra) {
    if (ctx.log && !e.extra->log.empty()) ctx.log->write(e.extra->log);
    if (ctx.warnings)
      for (const auto& w : e.extra->warnings) ctx.warnings->warn(w);
    r.split_off = e.extra->split_off;
    if (r.split_off) restamp(r.split_off->candidates, 0, ctx);
  }
  const std::size_t before = out.size();
  for (std::uint32_t i = e.first; i < e.first + e.count; ++i) {
    const Stored& s = stored_[i];
    Candidate& c = out.emplace_back();
    c.analysis = s.analysis;
    c.origin.table = s.table;
    c.origin.source = s.source;
    c.origin.index = s.index;
    if (s.meaning >= 0) c.origin.builtin_meaning = meanings_[static_cast<std::size_t>(s.meaning)];
  }
  restamp(out, before, ctx);
  return r;
}

void WordMemo::remember(const std::vector<Candidate>& out, std::size_t from,
                        const WordResult& r) {
  Entry& e = insert();
  e.first = static_cast<std::uint32_t>(stored_.size());
  e.count = static_cast<std::uint32_t>(out.size() - from);
  e.added = r.added;
  e.proper_name = r.proper_name;
  for (std::size_t i = from; i < out.size(); ++i) {
    const Candidate& c = out[i];
    std::int32_t meaning = -1;
    if (!c.origin.builtin_meaning.empty()) {
      meaning = static_cast<std::int32_t>(meanings_.size());
      meanings_.push_back(c.origin.builtin_meaning);
    }
    stored_.push_back(Stored{c.analysis, c.origin.table, c.origin.source, c.origin.index, meaning});
  }
  if (r.split_off || !captured_log_.text().empty() || !captured_host_.warnings.empty())
    e.extra = std::make_unique<Extra>(
        Extra{r.split_off, captured_log_.text(), captured_host_.warnings});
}

WordResult WordMemo::analyse(const WordAnalyzer& wa, std::string_view word,
                             bool first_in_sentence, bool known_proper,
                             std::vector<Candidate>& out, AnalysisContext& ctx, bool question) {
  if (!enabled_) return analyse_word(wa, word, first_in_sentence, known_proper, out, ctx, question);
  if (analyzer_ != &wa || !(options_ == wa.options())) {
    empty();
    analyzer_ = &wa;
    options_ = wa.options();
  }
  make_key(word, first_in_sentence, known_proper, question, ctx.formation_rules);
  if (const Entry* e = find()) {
    ++hits_;
    return answer(*e, out, ctx);
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
    remember(out, before, r);
    r.memo_entry = static_cast<std::uint32_t>(entries_.size());
  }
  return r;
}

}  // namespace kelvo::analysis
