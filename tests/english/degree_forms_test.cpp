#include "english/degree_forms.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Short adjectives take -er/-est with English spelling; long words,
// participles, adverbs, irregular and already graded words keep "more"/"most".
TEST(DegreeForms, ShortAdjectivesTakeTheirEnding) {
  const std::pair<const char*, const char*> cases[] = {
      {"the more thick", "the thicker"},
      {"with the most noble", "with the noblest"},
      {"more wide", "wider"},
      {"most big", "biggest"},
      {"more dry", "drier"},
      {"most great", "greatest"},
      {"more beautiful", "more beautiful"},   // three syllables
      {"more fixed", "more fixed"},           // a participle
      {"more easily", "more easily"},         // an adverb
      {"most good", "most good"},             // the polishing tables' "best"
      {"most worst", "most worst"},           // already a degree
      {"more next", "more next"},
      {"more high ground", "more high ground"},  // not the slot's last word
      {"evermore thick", "evermore thick"},
  };
  for (const auto& [in, out] : cases) {
    std::string slot = in;
    kelvo::english::inflect_degree(slot);
    EXPECT_EQ(slot, out) << in;
  }
}

}  // namespace
