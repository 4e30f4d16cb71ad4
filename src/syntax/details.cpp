#include "syntax/details.h"

#include <string>

#include "analysis/reading_decode.h"
#include "analysis/word_report.h"

namespace kelvo::syntax {

using namespace grammar;

void write_details(text::SentenceWords& words, SyntaxScratch& scratch,
                   const TranslationOptions& options, char area, ParseLog& log) {
  SyntaxEnv env;
  env.area = area;
  write_details(SentenceView(words, scratch, options, env), log);
}

void write_details(const SentenceView& s, ParseLog& log) {
  const SyntaxScratch& sc = s.scratch;
  log.printf("Clauses: %d%s\n", sc.clause_count, sc.relocated ? " (inserted clause moved)" : "");
  for (int c = 0; c < sc.clause_count; ++c) {
    const Clause& cl = sc.clauses[static_cast<std::size_t>(c)];
    log.printf("Clause %d: analyses %d-%d, words %d-%d\n", c + 1, cl.first, cl.last,
               s.pos(cl.first), s.pos(cl.last));
  }
  for (int i = 0; i < s.count(); ++i) {
    const WordAnalysis& a = s.at(i);
    std::string links;
    for (int k = 0; k < 3; ++k) {
      if (a.link(k) < 0) continue;
      links += links.empty() ? " " : "+";
      links += std::to_string(a.link(k));
    }
    if (links.empty()) links = "  ";
    Reading reading;
    analysis::decode_record(a, reading);
    std::string text = analysis::describe_reading(reading, s.options.easy_latin);
    const Code before = sc.speech_before[static_cast<std::size_t>(i)];
    if (!s.live(i) && before != a.speech) {
      text += " (was ";
      text += speech_name(before);
      text += ')';
    }
    const std::string latin(a.latin_text()), meaning(a.meaning_text());
    log.printf("%d: %d%s %s %s%s\n", i, a.position.get(), links.c_str(), latin.c_str(),
               text.c_str(), meaning.c_str());
  }
  std::string chosen = "Chosen:";
  for (int p = 0; p < s.positions(); ++p)
    chosen += ' ' + std::to_string(sc.chosen[static_cast<std::size_t>(p)]);
  log.write(chosen + "\n\n");
}

}  // namespace kelvo::syntax
