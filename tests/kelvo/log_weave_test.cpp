// The weave puts each sentence's lines at its marks, in place, whatever the
// lengths on either side of a mark.
#include "kelvo/log_weave.h"

#include <gtest/gtest.h>

namespace kelvo {
namespace {

struct Sentence {
  std::size_t passes_at, english_at;
  const char* passes;
  const char* english;
};

std::string weave(std::string log, std::initializer_list<Sentence> sentences) {
  LogWeave w;
  for (const Sentence& s : sentences) {
    w.mark_sentence(s.passes_at);
    if (s.english_at != s.passes_at) w.mark_english(s.english_at);
  }
  for (const Sentence& s : sentences) w.add(s.passes, s.english);
  w.weave_into(log);
  return log;
}

TEST(LogWeave, EachSentencesLinesGoToItsMarks) {
  // Run's text "AAbbCC": the first sentence after "AA", the second's passes
  // after "bb" and its English after "CC" (the Latin written between).
  EXPECT_EQ(weave("AAbbCC", {{2, 2, "p1|", "e1|"}, {4, 6, "p2|", "e2|"}}),
            "AAp1|e1|bbp2|CCe2|");
  // Lines longer than the text they move past, marks at the start and the end.
  EXPECT_EQ(weave("xy", {{0, 0, "", "first line\n"}, {2, 2, "a long passes line\n", ""}}),
            "first line\nxya long passes line\n");
  // Several sentences at one place keep their order; nothing written.
  EXPECT_EQ(weave("z", {{1, 1, "1", "2"}, {1, 1, "3", ""}, {1, 1, "", "4"}}), "z1234");
  EXPECT_EQ(weave("text", {{1, 1, "", ""}}), "text");
  EXPECT_EQ(weave("text", {}), "text");
  // A mark past the end is read as the end.
  EXPECT_EQ(weave("ab", {{1, 9, "P", "E"}}), "aPbE");
}

}  // namespace
}  // namespace kelvo
