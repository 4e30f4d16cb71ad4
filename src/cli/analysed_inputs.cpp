#include "cli/analysed_inputs.h"

#include "cli/cli_run.h"
#include "text/input_text.h"

namespace kelvo::cli {

int analyse_inputs(Loaded& loaded, const std::function<void(const Sentence&)>& each_sentence,
                   const std::function<void(const AnalysedInput&)>& after_input) {
  TranslationOptions options = loaded.options;
  options.translate = false;
  options.batch_mode = true;
  Translator translator(loaded.engine, options, &loaded.host);
  RunOutputs outputs;
  outputs.senses = false;
  outputs.on_sentence = [&](Sentence&& s) { each_sentence(s); };
  // A long text's sentence analysis runs on every core; the sentences still
  // come one at a time and in order, and the callers only gather from them.
  outputs.overlap = true;
  translator.set_outputs(outputs);
  install_interrupt_handler();
  int status = 0;
  for (const auto& input : input_names(loaded.cli)) {
    auto raw = read_input(input);
    if (!raw) {
      loaded.host.warning(raw.error().message);
      status = 1;
      continue;
    }
    const TextAnalysis analysis = translator.analyse(*raw);
    if (!analysis.ok()) {
      loaded.host.warning(not_text_message(input));
      status = 1;
      continue;
    }
    text::EncodingDetector detector;
    detector.feed(*raw);
    AnalysedInput done{input == "-" ? "(standard input)" : input, std::move(*raw),
                       detector.encoding() == text::TextEncoding::utf8};
    after_input(done);
    if (analysis.status == RunStatus::cancelled) return 1;
  }
  return status;
}

std::string printable(std::string_view bytes, bool utf8) {
  if (utf8) return std::string(bytes);
  // 8-bit Latin: its few letters beyond ASCII (ae, e with diaeresis) are
  // where Latin-1 has them.
  std::string out;
  for (unsigned char c : bytes) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

}  // namespace kelvo::cli
