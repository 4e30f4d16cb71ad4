#include "analysis/token_analyzer.h"

#include <algorithm>
#include <cstdio>

#include "analysis/reading_decode.h"
#include "analysis/word_driver.h"
#include "analysis/word_report.h"
#include "base/text.h"
#include "grammar/codes.h"

namespace kelvo::analysis {

void TokenAnalyzer::note_precalculated(std::string_view word, ParseLog& log) const {
  // The precomputed translations name their word at byte 52 of a record.
  const auto& words = wa_.lexicon().hash_words();
  auto it = std::lower_bound(words.begin() + (words.empty() ? 0 : 1), words.end(), word,
                             [](const grammar::HashWord& h, std::string_view w) {
                               return compare_bytes(h.word, w) < 0;
                             });
  if (it == words.end() || it->word != word) return;
  const auto& rec = wa_.lexicon().hash_records()[static_cast<std::size_t>(it->first_record)];
  std::string_view text(rec.text, 52);
  text = text.substr(0, std::min(text.find('\0'), text.size()));
  log.printf("%.*s (Pre-calc'd)\n%.*s\n", static_cast<int>(word.size()), word.data(),
             static_cast<int>(text.size()), text.data());
}

TokenAnalyzer::TokenAnalyzer(WordAnalyzer& analyzer, SentenceSink sink)
    : wa_(analyzer), sink_(std::move(sink)) {}

AnalysedToken& TokenAnalyzer::new_token(std::string_view form) {
  if (spare_.empty()) {
    sentence_.tokens.emplace_back();
  } else {
    sentence_.tokens.push_back(std::move(spare_.back()));
    spare_.pop_back();
  }
  AnalysedToken& t = sentence_.tokens.back();
  t.form.assign(form);
  t.punctuation = false;
  t.enclitic_of = -1;
  t.candidates.clear();
  return t;
}

const std::string& TokenAnalyzer::readings_listing(const std::vector<Candidate>& candidates,
                                                   std::uint32_t memo_entry, bool split_off) {
  if (memo_entry == 0) return listing_by_readings(candidates);
  // One memory generation answers alike under one entry, with the same options.
  if (entry_generation_ != memo_.generation()) {
    entry_listings_.clear();
    entry_generation_ = memo_.generation();
  }
  const std::size_t slot = (memo_entry - 1) * std::size_t{2} + (split_off ? 1 : 0);
  if (slot < entry_listings_.size() && entry_listings_[slot]) return *entry_listings_[slot];
  const std::string& made = listing_by_readings(candidates);
  if (&made == &listing_made_) return made;  // not kept: the map is full
  if (entry_listings_.size() <= slot) entry_listings_.resize(std::size_t{memo_entry} * 2, nullptr);
  entry_listings_[slot] = &made;
  return made;
}

const std::string& TokenAnalyzer::listing_by_readings(const std::vector<Candidate>& candidates) {
  const TranslationOptions& o = wa_.options();
  std::string& key = listing_key_;
  key.clear();
  // The options the decoding and the listing read, then each reading.
  key.push_back(static_cast<char>(o.easy_latin));
  key.push_back(static_cast<char>(o.botany));
  key.append(reinterpret_cast<const char*>(&o.area), sizeof o.area);
  for (const Candidate& c : candidates) {
    grammar::WordAnalysis a = c.analysis;
    a.position = {};
    a.word_number = {};
    key.append(reinterpret_cast<const char*>(&a), sizeof a);
    key.push_back(static_cast<char>(c.origin.table));
    key.push_back(static_cast<char>(c.origin.source));
    key.push_back(static_cast<char>(c.origin.capitalised_entry));
    key.append(reinterpret_cast<const char*>(&c.origin.index), sizeof c.origin.index);
    const auto size = static_cast<std::uint32_t>(c.origin.builtin_meaning.size());
    key.append(reinterpret_cast<const char*>(&size), sizeof size);
    key.append(c.origin.builtin_meaning);
  }
  if (auto found = listings_.find(key); found != listings_.end()) return found->second;
  std::string made = list_readings(decode_readings(candidates, wa_, false), o.easy_latin);
  if (listings_.size() >= WordMemo::kMaxWords) {
    listing_made_ = std::move(made);
    return listing_made_;
  }
  return listings_.emplace(key, std::move(made)).first->second;
}

void TokenAnalyzer::analyse(text::SentenceWords& words, text::RunContext& run) {
  sentence_.text = run.sentence;
  while (!sentence_.text.empty() &&
         (sentence_.text.back() == '\n' || sentence_.text.back() == '\r'))
    sentence_.text.pop_back();
  for (auto& t : sentence_.tokens) spare_.push_back(std::move(t));
  sentence_.tokens.clear();
  // Automatic area selection may have chosen an area for this sentence (a
  // repeat after the tally): its meanings come from that area's sections.
  if (run.options.auto_adjusting && wa_.options().area != run.area.current_area) {
    TranslationOptions o = wa_.options();
    o.area = run.area.current_area;
    wa_.set_options(o);
  }
  const bool quiet = run.options.batch_mode;
  const bool listing_on = listing_ && !run.options.translate;
  std::string listing;
  AnalysisContext ctx{&run.log, &run.warnings, 0, 0};
  // No word counted yet: a new run, whose words are not the last run's.
  if (run.file_word_count == 0 && !run.rerun) {
    memo_.clear();
    listings_.clear();
    entry_listings_.clear();
  }
  for (int i = 0; i < run.token_count; ++i) {
    words.set_current_position(i);
    std::string_view token = words.token(i);
    if (grammar::punctuation_token_code(token) >= 0) {
      int idx = words.add_punctuation_analysis(token, run.warnings, run.log, quiet);
      AnalysedToken& at = new_token(
          std::string_view(&grammar::kPunctuationChars[words.analysis(idx).punctuation()], 1));
      at.punctuation = true;
      at.candidates.push_back(Candidate{words.analysis(idx), {}});
      continue;
    }
    run.count_word();
    ctx.position = i;
    ctx.word_number = words.analysed_words();
    // The run remembers words it has read as proper names.
    int slot = text::word_hash_slot(token);
    text::WordHashSlot& hs = words.hash_slot(slot);
    bool known_proper = hs.status == 1 && field_view(hs.text) == token;
    if (listing_on && known_proper) listing += "(Hash #" + std::to_string(slot) + ")  ";
    if (run.options.hash_in_use) note_precalculated(token, run.log);
    scratch_.clear();
    bool question = run.token_count > 0 && words.token(run.token_count - 1) == "PUNCTB";
    // With the listing on, the lines the word's rules write ("+PREFIX",
    // "+ Gerund:", "Modified stem.") go into the listing with their word, not
    // into the log ahead of the whole sentence's listing.
    if (listing_on) {
      rule_lines_.clear_text();
      if (!rule_lines_.is_open()) rule_lines_.open_memory();
      ctx.log = &rule_lines_;
    }
    WordResult r = memo_.analyse(wa_, token, i == 0, known_proper, scratch_, ctx, question);
    ctx.log = &run.log;
    if (r.proper_name && hs.status == -1) {
      set_field(hs.text, token);
      hs.status = 1;
    }
    // A full sentence takes no more split-off tokens. An enclitic (read
    // before its word) has its own limit, noted in the log alone; a tackon's
    // is also shown.
    if (r.split_off) {
      const bool enclitic = r.split_off->before_host;
      if (enclitic ? !may_add_enclitic(run.token_count) : !may_add_tackon(run.token_count)) {
        std::string msg = token_limit_message(!enclitic);
        run.log.write(msg);
        if (!enclitic && !quiet) run.warnings.warn(msg);
        r.split_off.reset();
      }
    }
    // Stores one token's analyses at position `at_pos` in the sentence table.
    // The analyses move into the token; `cands` is left with a spare list.
    auto emit = [&](std::string_view form, std::vector<Candidate>& cands, int at_pos,
                    bool host) {
      words.set_current_position(at_pos);
      AnalysedToken& t = new_token(form);
      for (Candidate& c : cands) {
        int idx = words.append_analysis(run.warnings, run.log, quiet);
        grammar::WordAnalysis& a = words.analysis(idx);
        auto position = a.position;
        auto number = a.word_number;
        a = c.analysis;
        a.position = position;
        a.word_number = number;
        c.analysis = a;
      }
      if (!cands.empty()) words.set_analysed_words(words.analysed_words() + 1);
      t.candidates.swap(cands);
      if (listing_on) {
        listing += t.form;
        listing += '\n';
        if (host) listing += rule_lines_.text();
        if (t.candidates.empty()) listing += "========   UNKNOWN    \n\n";
        listing += readings_listing(t.candidates, r.memo_entry, !host);
      }
    };
    auto insert_token = [&](int at_pos, std::string_view text) {
      for (int j = run.token_count; j > at_pos; --j) words.set_token(j, words.token(j - 1));
      words.set_token(at_pos, text);
      ++run.token_count;
      words.set_token_count(run.token_count);
    };
    std::string host_form(token);
    if (r.split_off && host_form.size() > r.split_off->text.size() &&
        host_form.ends_with(r.split_off->text)) {
      host_form.resize(host_form.size() - r.split_off->text.size());
      words.set_token(i, host_form);
    }
    const int host_token = static_cast<int>(sentence_.tokens.size());
    if (r.split_off && r.split_off->before_host) {
      insert_token(i, r.split_off->text);
      emit(r.split_off->text, r.split_off->candidates, i, false);
      sentence_.tokens.back().enclitic_of = host_token + 1;
      ++i;
      emit(host_form, scratch_, i, true);
    } else {
      emit(host_form, scratch_, i, true);
      if (r.split_off) {
        insert_token(i + 1, r.split_off->text);
        ++i;
        emit(r.split_off->text, r.split_off->candidates, i, false);
        sentence_.tokens.back().enclitic_of = host_token;
      }
    }
  }
  if (listing_on) run.log.write(listing);
  if (sink_) sink_(sentence_, listing);
}

}  // namespace kelvo::analysis
