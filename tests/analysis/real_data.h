// The real lexicon built from the Whitaker data, loaded once for a test suite.
#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "common/requirements.h"

#include "grammar/lexicon.h"

namespace kelvo::testing {

inline const grammar::Lexicon* real_lexicon() {
  static std::unique_ptr<grammar::Lexicon> lex = [] {
    ParseLog log;
    auto r = grammar::load_lexicon(KELVO_TEST_DATA_DIR, log);
    return r ? std::make_unique<grammar::Lexicon>(std::move(*r)) : nullptr;
  }();
  return lex.get();
}

}  // namespace kelvo::testing

#define REQUIRE_REAL_LEXICON(lex)                                              \
  const kelvo::grammar::Lexicon* lex = kelvo::testing::real_lexicon();         \
  KELVO_REQUIRE_DATA(lex, "built data in " KELVO_TEST_DATA_DIR)
