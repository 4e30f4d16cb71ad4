// The built lexicon, loaded once for a benchmark program.
#pragma once
#include <memory>

#include "grammar/lexicon.h"

namespace kelvo::bench {

inline const grammar::Lexicon* lexicon() {
  static std::unique_ptr<grammar::Lexicon> lex = [] {
    ParseLog log;
    auto r = grammar::load_lexicon(KELVO_BENCH_DATA_DIR, log);
    return r ? std::make_unique<grammar::Lexicon>(std::move(*r)) : nullptr;
  }();
  return lex.get();
}

}  // namespace kelvo::bench
