#include "english/sentence_translator.h"

#include "english/area_tally.h"
#include "english/elaboration.h"
#include "syntax/details.h"

namespace kelvo::english {

SentenceTranslator::SentenceTranslator(analysis::WordAnalyzer& analyzer, Sink sink)
    : wa_(analyzer),
      sink_(std::move(sink)),
      syntax_(analyzer, syntax::Passes::choice,
              [this](const analysis::AnalysedSentence& s, text::SentenceWords& w,
                     syntax::SyntaxScratch& sc) {
                sentence_ = &s;
                scratch_ = &sc;
                if (analysed_sink_) analysed_sink_(s, w, sc);
              }),
      passes_{nullptr,
              [this](const SentenceInput& in, OutputWords& out) { polish(in, out, hooks_); },
              nullptr} {}

void SentenceTranslator::analyse(text::SentenceWords& words, text::RunContext& run) {
  // A sentence too short to translate still reaches the sink, without English.
  if (!run.rerun) finish();
  sentence_ = nullptr;
  scratch_ = nullptr;
  syntax_.analyse(words, run);
  if (!sentence_ || !scratch_) return;
  result_.analysed = sentence_;
  result_.choices.assign(sentence_->tokens.size(), syntax::WordChoice{});
  syntax::word_choices(words, *scratch_, result_.choices);
  pending_ = true;
}

void SentenceTranslator::finish() {
  if (!pending_) return;
  pending_ = false;
  if (!sink_ || !sentence_) return;
  result_.english = nullptr;
  sink_(result_);
}

void SentenceTranslator::translate(text::SentenceWords& words, text::RunContext& run) {
  if (deferred_) {
    if (english_here_) english_here_();
    return;
  }
  if (!sentence_ || !scratch_) return;
  const TranslationOptions& o = run.options;
  SentenceInput in{words, *scratch_, *sentence_, wa_, o,
                   o.auto_adjusting ? run.area.current_area : o.area};
  in.log = &run.log;

  // The area tally: a sentence that moves the preferred area is read again
  // with it, and only that second reading is written.
  run.rerun_requested = false;
  if (o.auto_adjusting) {
    areas_.clear();
    for (int p = 0; p < in.positions(); ++p) {
      int c = in.chosen(p);
      if (c >= 0) areas_.push_back(in.at(c).area);
    }
    if (tally_sentence(run.area, areas_)) {
      // One repeat at most; a sentence too long to repeat is written at once.
      if (!run.rerun && run.token_count < text::kRerunTokenLimit) {
        run.rerun_requested = true;
        return;
      }
      in.area = run.area.current_area;
    }
  }
  if (o.details) syntax::write_details(words, *scratch_, o, in.area, run.log);
  english_of(in, words, passes_, english_, [&](std::string_view text) {
    if (!o.batch_mode) run.warnings.warn(text);
  });
  run.log.write(english_.composed.text);

  pending_ = false;
  if (sink_) {
    result_.english = &english_.composed;
    sink_(result_);
  }
}

void english_of(const SentenceInput& in, text::SentenceWords& words, const EnglishPasses& passes,
                EnglishScratch& scratch, const std::function<void(std::string_view)>& warn) {
  const TranslationOptions& o = in.options;
  auto say = [&](const char* message) {
    if (o.details && in.log) in.log->write(message);
  };
  OutputWords& out = *scratch.out;
  say(kElaboratingMessage);
  elaborate(in, out);
  if (passes.phrases && o.allow_user_phrase) passes.phrases(in, words, out);
  say(kPolishingMessage);
  if (passes.polish) passes.polish(in, out);

  say(kFinalOutputMessage);
  scratch.kinds.assign(static_cast<std::size_t>(out.count), SlotKind{});
  for (int i = 0; i < out.count; ++i) {
    const int c = in.chosen(out.source[static_cast<std::size_t>(i)]);
    SlotKind& k = scratch.kinds[static_cast<std::size_t>(i)];
    if (c < 0) {
      // A word with no reading is still a word (its Latin is written).
      k.speech = out.at(i).empty() ? grammar::Code{0} : grammar::pos::no_inflection;
      continue;
    }
    k.speech = in.at(c).speech;
    k.punctuation = in.at(c).punctuation();
  }
  compose(out, scratch.kinds, scratch.composed, warn);
  if (passes.final_polish) passes.final_polish(scratch.composed.text);
}

void SentenceTranslator::area_report(text::RunContext& run) {
  if (auto text = english::area_report(run.area)) {
    run.log.write(*text);
    run.log.write("\n");
    if (!run.options.batch_mode) run.warnings.host().information(kAreaReportTitle, *text);
  }
}

}  // namespace kelvo::english
