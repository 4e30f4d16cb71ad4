#include <algorithm>
#include <optional>
#include <span>
#include <thread>
#include <utility>

#include "analysis/reading_decode.h"
#include "analysis/token_analyzer.h"
#include "analysis/word_analyzer.h"
#include "analysis/word_driver.h"
#include "english/final_polish.h"
#include "english/sentence_translator.h"
#include "english/standard_phrases.h"
#include "english/word_on_its_own.h"
#include "kelvo/engine_data.h"
#include "kelvo/kelvo.h"
#include "kelvo/log_weave.h"
#include "kelvo/sentence_pipeline.h"
#include "kelvo/text_alignment.h"
#include "shell/option_rules.h"
#include "syntax/details.h"
#include "syntax/sentence_analysis.h"
#include "syntax/sentence_analyzer.h"
#include "text/translation_run.h"

namespace kelvo {

namespace {

// Without a host of the caller's, warnings only reach the result's messages.
class QuietHost : public Host {
 public:
  void warning(std::string_view) override {}
  bool ask_yes_no(std::string_view) override { return false; }
  bool ask_ok_cancel(std::string_view) override { return true; }
};

}  // namespace

struct Translator::Impl {
  Impl(std::shared_ptr<const Engine> e, const TranslationOptions& o, Host* h)
      : engine(std::move(e)),
        data(engine->data()),
        options(o),
        host(h ? *h : quiet),
        gate(host),
        analyzer(data.lexicon, data.home_dir.empty() ? nullptr : &data.user.dictionary, o),
        tokens(analyzer,
               [this](const analysis::AnalysedSentence& s, const std::string& listing) {
                 if (outputs.sentences) keep_sentence(s);
                 if (!outputs.listing) return;
                 if (outputs.on_listing)
                   outputs.on_listing(listing);
                 else
                   current->listing += listing;
               }),
        sentences(analyzer, syntax::Passes::choice,
                  [this](const analysis::AnalysedSentence& s, text::SentenceWords& words,
                         syntax::SyntaxScratch& scratch) { keep_sentence(s, &words, &scratch); }),
        english(analyzer, [this](const english::TranslatedSentence& t) { keep_translation(t); }),
        run(&data.lexicon, o, gate, log) {
    run.set_abbreviations(&data.abbreviations);
    english.set_final_polish([this](std::string& text) {
      index_final_polish();
      final_polish->apply(text);
    });
    // Without phrases the user hears so once, and the matcher stops asking.
    english.set_standard_phrases(
        [this](const english::SentenceInput& in, text::SentenceWords& w, english::OutputWords& out) {
          if (no_phrases) return;
          if (english::match_standard_phrases(data.user.phrases, in, w, out) < 0) {
            no_phrases = true;
            gate.warn(english::kNoPhrasesMessage);
          }
        });
    tokens.set_listing(false);
    sentences.token_pass().set_listing(false);
  }

  // The public sentence, with the sentence analysis's choice when it ran:
  // the choices are read here, while the passes' working storage holds them.
  void keep_sentence(const analysis::AnalysedSentence& s, const text::SentenceWords* words = nullptr,
                     const syntax::SyntaxScratch* scratch = nullptr) {
    choices.clear();
    if (words && scratch) read_choices(s, *words, *scratch, choices);
    // Decoded into the last sentence's place: a caller that does not keep
    // the sentence it is given leaves its strings' room for the next one.
    decode_sentence(s, choices, delivered, spare_tokens);
    give_sentence(delivered);
  }

  // Each word's chosen reading and links, while the passes' storage holds them.
  static void read_choices(const analysis::AnalysedSentence& s, const text::SentenceWords& words,
                           const syntax::SyntaxScratch& scratch,
                           std::vector<syntax::WordChoice>& out) {
    out.assign(s.tokens.size(), {});
    out.resize(static_cast<std::size_t>(syntax::word_choices(words, scratch, out)));
  }

  // Every reading of the sentence, with the choices and links of its words.
  void decode_sentence(const analysis::AnalysedSentence& s,
                       std::span<const syntax::WordChoice> chosen, Sentence& out,
                       std::vector<Token>& spare) const {
    analysis::to_public_sentence(s, analyzer, outputs.senses, out, spare);
    for (std::size_t i = 0; i < chosen.size() && i < out.tokens.size(); ++i) {
      Token& t = out.tokens[i];
      const syntax::WordChoice& c = chosen[i];
      if (c.chosen_candidate >= 0 && c.chosen_candidate < static_cast<int>(t.readings.size()))
        t.chosen = c.chosen_candidate;
      for (int p : c.linked_positions)
        if (p >= 0 && p < static_cast<int>(out.tokens.size()) && p != static_cast<int>(i))
          t.links.push_back(p);
    }
  }

  // Places the sentence's tokens in the text and gives it to the caller.
  void give_sentence(Sentence& out) {
    aligner->align(out);
    if (outputs.on_sentence)
      outputs.on_sentence(std::move(out));
    else
      current->sentences.push_back(std::move(out));
  }

  // Whether this run's sentence passes go through the pipeline: only for
  // sentences that stand alone (the threads read the word analyser's
  // options, which an analysing run never changes; only a translating run's
  // area tally does), and not with the word-by-word listing, which the words
  // alone make.
  bool runs_pipelined(const text::SentenceHandler& h, const TranslationOptions& o,
                      std::string_view text) const {
    // A text of a few sentences is done before the threads would have started.
    if (!outputs.overlap || text.size() < kMinOverlappedText) return false;
    if (&h == &sentences) return true;
    // A translation goes too unless the area is chosen as the text goes:
    // each sentence's tally may move it and have the sentence read again.
    return &h == &english && !o.auto_adjusting;
  }

  // On one of the pipeline's threads: the passes over the sentence's copy,
  // the choices, and the decoding. Its warnings wait for the run's thread.
  void prepare_sentence(SentencePipeline::Job& job, SentencePipeline::Storage& storage) {
    storage.words.load_sentence(job.words);
    WarningGate warnings(quiet);
    warnings.keep_warnings_in(&job.warnings);
    syntax::SyntaxEnv env = job.env;
    env.log = job.log.is_open() ? &job.log : nullptr;  // woven into the run's log when delivered
    env.warnings = &warnings;
    syntax::analyse_sentence(storage.words, *job.options, storage.scratch, env);
    if (job.translating.on) {
      prepare_translation(job, storage, warnings);
      return;
    }
    read_choices(job.sentence, storage.words, storage.scratch, job.choices);
    decode_sentence(job.sentence, job.choices, job.out, storage.spare_tokens);
  }

  // The rest of a translating run's sentence on a pipeline thread: its
  // English, with the translator's own passes, and the caller's sentence.
  // Its log lines are those a run on one thread writes with the English.
  void prepare_translation(SentencePipeline::Job& job, SentencePipeline::Storage& storage,
                           WarningGate& warnings) {
    english::TranslatedSentence t;
    t.analysed = &job.sentence;
    t.choices.assign(job.sentence.tokens.size(), syntax::WordChoice{});
    syntax::word_choices(storage.words, storage.scratch, t.choices);
    if (job.translating.english) {
      const TranslationOptions& o = *job.options;
      english::SentenceInput in{storage.words, storage.scratch, job.sentence, analyzer, o, o.area};
      in.log = &job.english_log;
      if (o.details)
        syntax::write_details(storage.words, storage.scratch, o, in.area, job.english_log);
      english::EnglishPasses passes = english.passes();
      passes.phrases = [&](const english::SentenceInput& i, text::SentenceWords& w,
                           english::OutputWords& out) {
        if (english::match_standard_phrases(data.user.phrases, i, w, out) < 0 &&
            job.translating.warn_no_phrases)
          warnings.warn(english::kNoPhrasesMessage);
      };
      english::english_of(in, storage.words, passes, storage.english, [&](std::string_view text) {
        if (!o.batch_mode) warnings.warn(text);
      });
      job.english_log.write(storage.english.composed.text);
      t.english = &storage.english.composed;
    }
    make_translation(t, job.translated);
  }

  // Hands a read sentence to the pipeline, its log lines' place marked, after
  // showing the warnings of the sentences delivered meanwhile.
  void post(const analysis::AnalysedSentence& s, const text::SentenceWords& w,
            const syntax::SyntaxEnv& env, const TranslationOptions& run_options,
            SentencePipeline::Translating t) {
    show_pipeline_warnings();
    if (outputs.log) log_weave.mark_sentence(log.text().size());
    pipeline->post(s, w, env, run_options, t, outputs.log, held_warnings);
  }

  // Everything warned of so far, in the order of a run on one thread: the
  // delivered sentences' warnings (each after the run's own before it), then
  // the run's own since the last sentence posted. Only after a drain is that
  // all of them.
  void show_warnings_so_far() {
    show_pipeline_warnings();
    for (const std::string& w : held_warnings) gate.warn_now(w);
    held_warnings.clear();
  }

  void index_final_polish() {
    if (!final_polish) final_polish.emplace(data.lexicon.final_polish());
  }

  // The pipeline's warnings so far, shown on the run's thread in their order.
  void show_pipeline_warnings() {
    for (const std::string& w : pipeline->take_warnings()) gate.warn_now(w);
  }

  void keep_translation(const english::TranslatedSentence& t) {
    TranslatedSentence out;
    make_translation(t, out);
    give_translation(out);
  }

  // The caller's translated sentence, its Latin not yet placed in the text.
  void make_translation(const english::TranslatedSentence& t, TranslatedSentence& out) const {
    out = TranslatedSentence{};
    if (outputs.sentences)
      out.latin = analysis::to_public_sentence(*t.analysed, analyzer, outputs.senses);
    if (t.english) {
      std::string_view text = t.english->text;
      while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.remove_suffix(1);
      out.english = std::string(text);
      out.words.reserve(t.english->words.size());
      for (const auto& w : t.english->words) out.words.push_back({w.text, w.position});
    }
    out.chosen.reserve(t.choices.size());
    for (const auto& c : t.choices) out.chosen.push_back(c.chosen_candidate);
  }

  // Places the sentence's Latin in the text and gives it to the caller.
  void give_translation(TranslatedSentence& out) {
    if (outputs.sentences) aligner->align(out.latin);
    if (outputs.on_translation)
      outputs.on_translation(std::move(out));
    else
      translation->sentences.push_back(std::move(out));
  }

  std::shared_ptr<const Engine> engine;
  const EngineData& data;
  TranslationOptions options;
  QuietHost quiet;
  Host& host;
  WarningGate gate;
  ParseLog log;
  LogWeave log_weave;  // a pipelined run's log, put together when it ends
  // A pipelined run's own warnings since its last sentence posted: they go
  // with the next one, to be shown after the warnings of those before it.
  std::vector<std::string> held_warnings;
  RunOutputs outputs;
  analysis::WordAnalyzer analyzer;
  analysis::TokenAnalyzer tokens;         // words alone: the listing and the log
  syntax::SentenceAnalyzer sentences;     // words, then the sentence passes
  std::vector<syntax::WordChoice> choices;
  std::unique_ptr<SentencePipeline> pipeline;  // made for the first run that uses it
  Sentence delivered;  // the last sentence given to the caller, decoded anew in its place
  std::vector<Token> spare_tokens;  // tokens a shorter sentence left over
  english::SentenceTranslator english;
  std::optional<english::FinalPolish> final_polish;  // indexed on the first translation
  std::unique_ptr<english::WordRenderer> word_renderer;  // made on the first lookup
  bool no_phrases = false;
  text::TranslationRun run;

  // Sentences for the caller go through the sentence passes; a run that
  // writes the word-by-word listing reads the words alone.
  text::SentenceHandler& handler() {
    if (outputs.sentences && !outputs.listing) return sentences;
    return tokens;
  }
  TextAnalysis* current = nullptr;
  Translation* translation = nullptr;
  TokenAligner* aligner = nullptr;
};

Translator::Translator(std::shared_ptr<const Engine> engine, TranslationOptions options,
                       Host* host)
    : impl_(std::make_unique<Impl>(std::move(engine), options, host)) {}
Translator::~Translator() = default;
Translator::Translator(Translator&&) noexcept = default;
Translator& Translator::operator=(Translator&&) noexcept = default;

const TranslationOptions& Translator::options() const { return impl_->options; }

void Translator::set_options(const TranslationOptions& options) {
  impl_->options = options;
  impl_->analyzer.set_options(options);
}

void Translator::set_outputs(RunOutputs outputs) {
  impl_->outputs = std::move(outputs);
  impl_->tokens.set_listing(impl_->outputs.listing || impl_->outputs.log);
  impl_->sentences.token_pass().set_listing(impl_->outputs.log);
}

// One run over the text with `handler`; `result` (a TextAnalysis or a
// Translation) gets the messages, the log, the status and the word count.
template <typename Result>
void run_text(Translator::Impl& m, std::string_view text, bool translating,
              text::SentenceHandler& handler, Result& result) {
  TokenAligner aligner(text);
  m.aligner = &aligner;
  m.gate.keep_warnings_in(&result.messages);
  TranslationOptions o = m.options;
  if (translating) o.translate = true;
  shell::reset_area_for_run(o);
  // Only a translating run's re-run changes the area; word analysis always
  // starts from the run's own options.
  m.analyzer.set_options(o);
  m.run.set_options(o);
  if (m.outputs.log) {
    m.log.open_memory();
    m.log.write(m.outputs.log_banner);
  }
  const bool pipelined = m.runs_pipelined(handler, o, text);
  if (pipelined) {
    if (!m.pipeline) {
      const int cores = static_cast<int>(std::thread::hardware_concurrency());
      const int threads =
          m.outputs.overlap_threads > 0 ? m.outputs.overlap_threads : std::clamp(cores - 1, 1, 8);
      m.pipeline = std::make_unique<SentencePipeline>(
          threads,
          [&m](SentencePipeline::Job& job, SentencePipeline::Storage& storage) {
            m.prepare_sentence(job, storage);
          },
          [&m](SentencePipeline::Job& job) {
            if (m.outputs.log) m.log_weave.add(job.log.text(), job.english_log.text());
            if (job.translating.on)
              m.give_translation(job.translated);
            else
              m.give_sentence(job.out);
          });
    }
    m.log_weave.clear();
    m.held_warnings.clear();
    // A question (a sentence cut at its limit) waits for every sentence
    // before it, so that what was said before it is shown before it.
    m.gate.hold_in(&m.held_warnings, [&m] {
      m.pipeline->drain();
      m.show_warnings_so_far();
    });
    if (translating) {
      // The threads share the final polish's index: made before they start.
      m.index_final_polish();
      m.english.set_defer([&m](const analysis::AnalysedSentence& s, const text::SentenceWords& w,
                               const syntax::SyntaxEnv& env,
                               const TranslationOptions& run_options) {
        SentencePipeline::Translating t;
        t.on = true;
        // As the run translates a sentence: with two tokens or more.
        t.english = run_options.translate && w.token_count() >= 2;
        // Without phrases the user hears so once, at the first sentence that asks.
        if (t.english && run_options.allow_user_phrase && !m.no_phrases &&
            m.data.user.phrases.entries().empty()) {
          m.no_phrases = true;
          t.warn_no_phrases = true;
        }
        m.post(s, w, env, run_options, t);
      }, [&m] {
        if (m.outputs.log) m.log_weave.mark_english(m.log.text().size());
      });
    } else {
      m.sentences.set_defer([&m](const analysis::AnalysedSentence& s,
                                 const text::SentenceWords& w, const syntax::SyntaxEnv& env,
                                 const TranslationOptions& run_options) {
        m.post(s, w, env, run_options, SentencePipeline::Translating{});
      });
    }
  }
  auto outcome = m.run.run(text, text::TranslationRun::steady_clock_ms(), handler);
  if (pipelined) {
    m.pipeline->drain();
    m.gate.hold_in(nullptr);
    m.show_warnings_so_far();
    m.sentences.set_defer(nullptr);
    m.english.set_defer(nullptr);
  }
  if (translating) m.english.finish();
  if (m.outputs.log) {
    result.log = m.log.take_text();
    if (pipelined) {
      m.log_weave.weave_into(result.log);
      m.log_weave = LogWeave{};  // a long run's lines are not kept till the next
    }
    m.log.close();
  }
  m.gate.keep_warnings_in(nullptr);
  m.aligner = nullptr;
  switch (outcome.status) {
    case text::RunStatus::complete: break;
    case text::RunStatus::bad_input: result.error = outcome.error; break;
    case text::RunStatus::cancelled: result.status = RunStatus::cancelled; break;
    case text::RunStatus::limit_reached: result.status = RunStatus::limit_reached; break;
  }
  result.word_count = outcome.file_word_count;
  result.cuts.reserve(outcome.cuts.size());
  for (auto& c : outcome.cuts) result.cuts.push_back({c.line, std::move(c.message)});
}

TextAnalysis Translator::analyse(std::string_view text) {
  Impl& m = *impl_;
  TextAnalysis result;
  m.current = &result;
  run_text(m, text, false, m.handler(), result);
  m.current = nullptr;
  return result;
}

Translation Translator::translate(std::string_view text) {
  Impl& m = *impl_;
  Translation result;
  m.translation = &result;
  run_text(m, text, true, m.english, result);
  m.translation = nullptr;
  return result;
}

std::vector<Reading> Translator::lookup(std::string_view word) {
  Impl& m = *impl_;
  std::vector<analysis::Candidate> found;
  ParseLog quiet_log;
  analysis::AnalysisContext ctx{&quiet_log, &m.gate, 0, 0};
  analysis::analyse_word(m.analyzer, word, false, false, found, ctx);
  std::vector<Reading> out;
  out.reserve(found.size());
  for (const auto& c : found) out.push_back(analysis::decode_reading(c, m.analyzer));
  // The same English passes as a sentence, as far as a word on its own goes.
  if (!m.word_renderer) m.word_renderer = std::make_unique<english::WordRenderer>(m.analyzer);
  TranslationOptions o = m.options;
  o.translate = true;
  std::vector<std::string> english = m.word_renderer->render(found, o, o.area);
  for (std::size_t i = 0; i < out.size() && i < english.size(); ++i)
    out[i].english = std::move(english[i]);
  return out;
}

}  // namespace kelvo
