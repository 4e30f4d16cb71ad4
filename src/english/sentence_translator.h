// The sentence translation driver: a sentence handler that reads every word,
// runs the sentence passes (ordering, clauses, choice) and then, for each
// sentence, the English passes in their order: the area tally (which may ask
// the run to read the sentence again), elaboration, the standard phrases,
// polishing, composition and the final polish; the composed line goes to the
// parse log and to the caller's sink.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "english/composition.h"
#include "english/output_words.h"
#include "english/polish.h"
#include "english/sentence_input.h"
#include "syntax/sentence_analysis.h"
#include "syntax/sentence_analyzer.h"

namespace kelvo::english {

inline constexpr const char* kElaboratingMessage = "Elaborating...\n";
inline constexpr const char* kPolishingMessage = "Polishing...\n";
inline constexpr const char* kFinalOutputMessage = "Final output...\n";

// One translated sentence as the caller sees it.
struct TranslatedSentence {
  const analysis::AnalysedSentence* analysed = nullptr;  // tokens and candidates
  const Composed* english = nullptr;                      // null: the sentence was not translated
                                                          // (fewer than two tokens)
  std::vector<syntax::WordChoice> choices;                // per token: the chosen candidate
};

// A pass over the elaborated slots (standard phrases, polishing).
using SlotPass = std::function<void(const SentenceInput&, OutputWords&)>;
using TextPass = std::function<void(std::string&)>;
// The standard phrases also rewrite the readings (a removed word, a phrase verb).
using PhrasePass = std::function<void(const SentenceInput&, text::SentenceWords&, OutputWords&)>;

// The passes that later work fills in (none: the pass is skipped).
struct EnglishPasses {
  PhrasePass phrases;
  SlotPass polish;
  TextPass final_polish;
};

// The working storage of the English passes, one sentence at a time.
struct EnglishScratch {
  std::unique_ptr<OutputWords> out = std::make_unique<OutputWords>();
  std::vector<SlotKind> kinds;
  Composed composed;
};

// The English of one sentence whose sentence passes have run, into
// `scratch.composed`: elaboration, the standard phrases (when the options
// allow them), polishing, composition and the final polish, with the Details
// messages in `in.log`. `warn` hears composition's warnings.
void english_of(const SentenceInput& in, text::SentenceWords& words, const EnglishPasses& passes,
                EnglishScratch& scratch, const std::function<void(std::string_view)>& warn);

class SentenceTranslator : public text::SentenceHandler {
 public:
  using Sink = std::function<void(const TranslatedSentence&)>;
  using SlotPass = english::SlotPass;
  using TextPass = english::TextPass;
  using PhrasePass = english::PhrasePass;

  SentenceTranslator(analysis::WordAnalyzer& analyzer, Sink sink = nullptr);

  void analyse(text::SentenceWords& words, text::RunContext& run) override;
  void translate(text::SentenceWords& words, text::RunContext& run) override;
  void area_report(text::RunContext& run) override;
  // After the run: hands over a last sentence that was read but not translated.
  void finish();

  // The passes that later work fills in: no standard phrases and no final
  // polish by default; polishing is english::polish with the hooks given.
  void set_standard_phrases(PhrasePass pass) { passes_.phrases = std::move(pass); }
  void set_polish(SlotPass pass) { passes_.polish = std::move(pass); }
  void set_polish_hooks(const PolishHooks& hooks) { hooks_ = hooks; }
  void set_final_polish(TextPass pass) { passes_.final_polish = std::move(pass); }
  // The passes it runs (a copy serves another thread when every pass it
  // holds only reads what they share).
  const EnglishPasses& passes() const { return passes_; }
  // Takes each sentence whose words are read in place of the sentence
  // passes and the English: to run them elsewhere (see SentenceAnalyzer).
  // `english_here` is called where the deferred sentence's English would
  // have been made (its place in the log).
  void set_defer(syntax::SentenceAnalyzer::Defer defer,
                 std::function<void()> english_here = nullptr) {
    deferred_ = static_cast<bool>(defer);
    english_here_ = deferred_ ? std::move(english_here) : nullptr;
    syntax_.set_defer(std::move(defer));
  }
  // Without the English: only the readings (word analysis and the passes).
  void set_sentence_sink(syntax::SentenceAnalyzer::Sink sink) { analysed_sink_ = std::move(sink); }

 private:
  analysis::WordAnalyzer& wa_;
  Sink sink_;
  syntax::SentenceAnalyzer::Sink analysed_sink_;
  syntax::SentenceAnalyzer syntax_;
  EnglishPasses passes_;
  PolishHooks hooks_ = default_polish_hooks();
  // The sentence the last analyse() left.
  const analysis::AnalysedSentence* sentence_ = nullptr;
  syntax::SyntaxScratch* scratch_ = nullptr;
  EnglishScratch english_;
  std::vector<int> areas_;
  TranslatedSentence result_;
  bool pending_ = false;  // the last sentence read has not reached the sink yet
  bool deferred_ = false;
  std::function<void()> english_here_;
};

}  // namespace kelvo::english
