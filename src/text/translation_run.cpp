#include "text/translation_run.h"

#include <chrono>
#include <cstdio>
#include <memory>

#include "base/text.h"
#include "text/tokeniser.h"

namespace kelvo::text {

std::string elapsed_time_text(std::int64_t elapsed_ms) {
  double x = static_cast<double>(elapsed_ms) / 1000.0;
  auto m = static_cast<std::int16_t>(x / 60.0);
  char buf[64];
  std::snprintf(buf, sizeof buf, "%2.2d:%2.2d:%05.2f", m / 60, m % 60, x - 60.0 * m);
  return buf;
}

std::string cut_message(const Tokenised& cut) {
  std::string m;
  if (cut.limit == TokenLimit::word_length) {
    m = "A word of ";
    m += std::to_string(kMaxWordLength);
    m += " characters or more ('";
    m += excerpt(cut.cut_word);
    m += "') is left out, with the rest of its sentence.";
  } else {
    m = "A sentence of more than ";
    m += std::to_string(kTokenLimit - 1);
    m += " words and marks is cut: the rest, from '";
    m += excerpt(cut.cut_word);
    m += "', is left out.";
  }
  return m;
}

std::int64_t TranslationRun::steady_clock_ms() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

TranslationRun::TranslationRun(const grammar::Lexicon* lexicon, TranslationOptions options,
                               WarningGate& warnings, ParseLog& log)
    : lexicon_(lexicon),
      options_(options),
      warnings_(warnings),
      log_(log),
      clock_(&TranslationRun::steady_clock_ms),
      words_(std::make_unique<SentenceWords>()) {}

// One prepared line (at most kSentenceBuffer - 1 bytes; a longer line is cut
// at a blank so that no word is split) tokenised into the sentence words.
Tokenised TranslationRun::read_sentence(LineReader& reader, std::string& sentence,
                                        std::uint32_t& line) {
  sentence.swap(carry_);
  carry_.clear();
  if (sentence.size() < kSentenceBuffer - 1 &&
      reader.next(piece_, kSentenceBuffer - 1 - sentence.size()))
    sentence.append(piece_);
  if (sentence.size() >= kSentenceBuffer - 1 && sentence.back() != '\n') {
    std::size_t blank = sentence.rfind(' ');
    if (blank != std::string::npos && blank > 0) {
      carry_.assign(sentence, blank + 1, std::string::npos);
      sentence.resize(blank + 1);
    }
  }
  if (sentence.empty()) {
    Tokenised end;
    end.tokens = -1;
    return end;
  }
  // A prepared line cut at the buffer goes on in the next read.
  if (prepared_line_ < sentence_lines_.size()) line = sentence_lines_[prepared_line_];
  if (sentence.back() == '\n') ++prepared_line_;
  if (!latin_overflow_) {
    if (latin_text_.size() + sentence.size() >= kLatinTextBufferSize)
      latin_overflow_ = true;
    else
      latin_text_.append(sentence);
  }
  return tokenise(sentence, *words_, options_, warnings_, log_);
}

RunOutcome TranslationRun::run(std::string_view raw_text, std::int64_t start_ms,
                               SentenceHandler& handler) {
  RunOutcome outcome;
  if (options_.auto_adjusting) area_ = {};
  words_->clear_word_hash();
  words_->reset_cursors();

  InputPreparation prep(options_, abbreviations_);
  if (Status s = prep.prepare_memory(raw_text, prepared_); !s) {
    outcome.status = RunStatus::bad_input;
    outcome.error = s.error();
    return outcome;
  }
  persons_ = prep.person_counts();
  sentence_lines_ = prep.take_sentence_lines();
  prepared_line_ = 0;

  if (banner_) banner_(log_, options_);
  Host& host = warnings_.host();
  if (!options_.batch_mode) host.status(kLoadingStatus);
  latin_text_.clear();
  // Its whole capacity at once: growing it by doubling would copy it and
  // touch fresh memory again at every step.
  latin_text_.reserve(kLatinTextBufferSize);
  carry_.clear();
  latin_overflow_ = false;

  LineReader reader(std::string_view(prepared_), TextEncoding::windows1252);
  std::string sentence;
  RunContext ctx(options_, lexicon_, log_, warnings_, persons_, sentence);
  ctx.area = area_;
  ctx.token_count = 1;
  int total_tokens = 0;
  while (ctx.token_count != 0) {
    total_tokens += ctx.sentence_length;
    words_->reset_cursors();
    Tokenised line = read_sentence(reader, sentence, ctx.input_line);
    if (line.tokens == -1) break;
    outcome.last_line = ctx.input_line;
    if (host.escape_pressed() || line.status == TokeniseStatus::cancelled) {
      if (!options_.batch_mode) host.warning(kEscapeMessage);
      log_.write(kEscapeMessage);
      outcome.status = RunStatus::cancelled;
      break;
    }
    if (line.status == TokeniseStatus::truncated) {
      outcome.status = RunStatus::limit_reached;
      outcome.cuts.push_back({ctx.input_line, cut_message(line)});
    }
    // A sentence left with no token (cut to nothing at a limit) is passed
    // over: the sentences after it are still read.
    if (line.tokens == 0) {
      ctx.sentence_length = 0;
      continue;
    }
    ctx.token_count = line.tokens;
    const int kept_count = line.tokens;
    ctx.rerun = false;
    handler.analyse(*words_, ctx);
    ctx.sentence_length = ctx.token_count;
    if (!options_.translate) continue;
    if (options_.joint) {
      std::string_view latin = sentence;
      if (!latin.empty() && latin.back() == '\n') latin.remove_suffix(1);
      log_.write(latin);
      log_.write("\n");
    }
    if (ctx.token_count == 2 && options_.single_word_error) log_.write(kOneWordMessage);
    if (ctx.token_count < 2) continue;
    handler.translate(*words_, ctx);
    if (ctx.rerun_requested && ctx.token_count < kRerunTokenLimit) {
      ctx.token_count = kept_count;
      words_->set_token_count(kept_count);
      words_->restore_tokens();
      words_->reset_cursors();
      ctx.rerun = true;
      handler.analyse(*words_, ctx);
      ctx.sentence_length = ctx.token_count;
      handler.translate(*words_, ctx);
      ctx.rerun = false;
    }
    ctx.rerun_requested = false;
  }

  log_.printf(kWordCountFormat, ctx.file_word_count);
  ctx.sentence_length = total_tokens;
  std::int64_t now = clock_ ? clock_() : start_ms;
  log_.printf(kTimeTakenFormat, elapsed_time_text(now - start_ms).c_str());
  if (options_.details) handler.details_listing(*words_, ctx);
  log_.flush();
  host.status(kFinishedStatus);
  area_ = ctx.area;
  if (options_.auto_adjusting) handler.area_report(ctx);

  outcome.file_word_count = ctx.file_word_count;
  outcome.total_tokens = total_tokens;
  return outcome;
}

}  // namespace kelvo::text
