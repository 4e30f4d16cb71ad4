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
      polish_([this](const SentenceInput& in, OutputWords& out) { polish(in, out, hooks_); }),
      out_(std::make_unique<OutputWords>()) {}

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
  if (o.details) {
    syntax::SyntaxEnv env;
    env.area = in.area;
    syntax::SentenceView view(words, *scratch_, o, env);
    syntax::write_details(view, run.log);
    run.log.write(kElaboratingMessage);
  }
  elaborate(in, *out_);
  if (phrases_ && o.allow_user_phrase) phrases_(in, words, *out_);
  if (o.details) run.log.write(kPolishingMessage);
  if (polish_) polish_(in, *out_);

  if (o.details) run.log.write(kFinalOutputMessage);
  kinds_.assign(static_cast<std::size_t>(out_->count), SlotKind{});
  for (int i = 0; i < out_->count; ++i) {
    const int c = in.chosen(out_->source[static_cast<std::size_t>(i)]);
    SlotKind& k = kinds_[static_cast<std::size_t>(i)];
    if (c < 0) {
      // A word with no reading is still a word (its Latin is written).
      k.speech = out_->at(i).empty() ? grammar::Code{0} : grammar::pos::no_inflection;
      continue;
    }
    k.speech = in.at(c).speech;
    k.punctuation = in.at(c).punctuation();
  }
  compose(*out_, kinds_, composed_, [&](std::string_view text) {
    if (!o.batch_mode) run.warnings.warn(text);
  });
  if (final_polish_) final_polish_(composed_.text);
  run.log.write(composed_.text);

  pending_ = false;
  if (sink_) {
    result_.english = &composed_;
    sink_(result_);
  }
}

void SentenceTranslator::area_report(text::RunContext& run) {
  if (auto text = english::area_report(run.area)) {
    run.log.write(*text);
    run.log.write("\n");
    if (!run.options.batch_mode) run.warnings.host().information(kAreaReportTitle, *text);
  }
}

}  // namespace kelvo::english
