// The sense network against outputs worked out apart from this code (a
// float64 forward pass over the same tables), and the word routines on small
// hand-built sentences whose analyses, links and areas are set directly.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "english/sense_network.h"
#include "english/sense_words.h"

namespace kelvo::english {
namespace {

using grammar::Code;
namespace pos = grammar::pos;
namespace gcase = grammar::gcase;

struct Expected {
  WeightSet set;
  const char* input;
  std::vector<float> outputs;
  int code;
};

// From the reference forward pass (double precision); the network sums in
// float, so agreement to 1e-5 is what it owes.
const Expected kExpected[] = {
    {WeightSet::plaga, "11000000", {0.9868665f, 0.8528377f}, 3},
    {WeightSet::plaga, "00100000", {0.2004505f, 0.8700335f}, 1},
    {WeightSet::plaga, "01001101", {0.4732632f, 0.8425382f}, 1},
    {WeightSet::plaga, "10001010", {0.9965129f, 0.0000811f}, 2},
    {WeightSet::plaga, "00111111", {0.9997660f, 0.0000327f}, 2},
    {WeightSet::contentus, "0000", {0.4820318f}, 0},
    {WeightSet::contentus, "1111", {0.9800068f}, 1},
    {WeightSet::contentus, "0110", {0.0076239f}, 0},
    {WeightSet::saltus, "000000000", {0.9998962f, 0.0000005f}, 2},
    {WeightSet::saltus, "000000010", {0.4529726f, 0.0000005f}, 0},
    {WeightSet::saltus, "000000101", {0.0045786f, 0.9818780f}, 1},
    {WeightSet::saltus, "001100101", {0.5726368f, 0.5902107f}, 3},
    {WeightSet::saltus, "110110101", {0.0000345f, 0.9864564f}, 1},
};

TEST(SenseNetwork, OutputsMatchAnIndependentForwardPass) {
  for (const Expected& e : kExpected) {
    const NetworkWeights* w = weight_set(static_cast<int>(e.set));
    ASSERT_NE(w, nullptr);
    NetworkRequest req{e.input, w->n_inputs, w->n_hidden, w->n_outputs, static_cast<int>(e.set)};
    NetworkResult r;
    ASSERT_EQ(run_network(req, r), NetworkStatus::ok) << e.input;
    ASSERT_EQ(r.n_outputs, static_cast<int>(e.outputs.size()));
    for (std::size_t k = 0; k < e.outputs.size(); ++k)
      EXPECT_NEAR(r.outputs[k], e.outputs[k], 1e-5) << e.input << " output " << k + 1;
    EXPECT_EQ(r.code, e.code) << e.input;
    EXPECT_EQ(r.bits.size(), e.outputs.size());
  }
}

TEST(SenseNetwork, StatusesForBadRequests) {
  NetworkResult r;
  // The code must be as long as the declared inputs.
  EXPECT_EQ(run_network({"1100000", 8, 6, 2, 0}, r), NetworkStatus::input_length);
  EXPECT_EQ(run_network({"", 8, 6, 2, 0}, r), NetworkStatus::input_length);
  const std::string long_code(21, '0');
  EXPECT_EQ(run_network({long_code, 21, 6, 2, 0}, r), NetworkStatus::shape);
  EXPECT_EQ(run_network({"0000", 4, 21, 1, 1}, r), NetworkStatus::shape);
  EXPECT_EQ(run_network({"0000", 4, 3, 11, 1}, r), NetworkStatus::shape);
  EXPECT_EQ(run_network({"0000", 4, 3, 1, 3}, r), NetworkStatus::weight_set);
  EXPECT_EQ(run_network({"0000", 4, 3, 1, -1}, r), NetworkStatus::weight_set);
}

TEST(SenseNetwork, HalfCountsAsOffAndTheFirstOutputIsTheHighBit) {
  NetworkResult r;
  r.n_outputs = 3;
  r.outputs = {0.5f, 0.50001f, 0.9f};
  threshold_outputs(r);
  EXPECT_EQ(r.code, 3);
  EXPECT_EQ(r.bits, "011");
  r.outputs = {0.51f, 0.5f, 0.5f};
  threshold_outputs(r);
  EXPECT_EQ(r.code, 4);
  EXPECT_EQ(r.bits, "100");
}

TEST(SenseNetwork, TraceLine) {
  NetworkResult r;
  std::string trace;
  ASSERT_EQ(run_network({"11000000", 8, 6, 2, 0}, r, &trace), NetworkStatus::ok);
  EXPECT_EQ(trace, "output 1 = 0.99. output 2 = 0.85. ");
}

// One hand-made analysis per word position (analysis i is position i).
struct W {
  const char* latin;
  Code speech;
  Code gcase = 0;
  Code number = 1;
  int link = -1;
  int area = 0;
  const char* meaning = "x";
  Code verb_kind = 0;
};

class Sentence {
 public:
  Sentence(std::initializer_list<W> words, std::initializer_list<const char*> slots)
      : words_(std::make_unique<text::SentenceWords>()),
        scratch_(std::make_unique<syntax::SyntaxScratch>()),
        out_(std::make_unique<OutputWords>()),
        wa_(lex_, nullptr, opts_) {
    int i = 0;
    for (const W& w : words) {
      grammar::WordAnalysis& a = words_->analysis(i);
      a = {};
      a.speech = w.speech;
      a.set_grammatical_case(w.gcase);
      a.set_number(w.number);
      if (w.verb_kind) a.set_verb_kind(w.verb_kind);
      a.position.set(static_cast<std::int16_t>(i));
      a.link1.set(static_cast<std::int16_t>(w.link));
      a.link2.set(-1);
      a.link3.set(-1);
      a.area = static_cast<Code>(w.area);
      std::strncpy(a.latin, w.latin, sizeof a.latin - 1);
      std::strncpy(a.meaning, w.meaning, sizeof a.meaning - 1);
      scratch_->chosen[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(i);
      ++i;
    }
    scratch_->positions = scratch_->count = i;
    out_->reset(i);
    int s = 0;
    for (const char* t : slots) out_->at(s++) = t;
  }
  SentenceInput input() const { return {*words_, *scratch_, sentence_, wa_, opts_}; }
  // The slots after the sense step.
  std::vector<std::string> run() {
    SentenceInput in = input();
    in.log = &log_;
    apply_sense_disambiguation(in, *out_);
    return {out_->slot.begin(), out_->slot.begin() + out_->count};
  }
  std::string slot(int p) const { return out_->at(p); }
  TranslationOptions opts_;
  ParseLog log_;

 private:
  std::unique_ptr<text::SentenceWords> words_;
  std::unique_ptr<syntax::SyntaxScratch> scratch_;
  std::unique_ptr<OutputWords> out_;
  analysis::AnalysedSentence sentence_;
  grammar::Lexicon lex_;
  analysis::WordAnalyzer wa_;
};

constexpr Code kNoun = pos::noun, kVerb = pos::verb, kPrep = pos::prep, kAdj = pos::adj;

// A sentence, a word position in it and what is expected there (its input
// code, or its slot after the sense step).
struct Case {
  const char* what;
  Sentence s;
  int p;
  const char* expected;
};

template <std::size_t N>
void expect_slots(Case (&cases)[N]) {
  for (Case& c : cases) EXPECT_EQ(c.s.run()[static_cast<std::size_t>(c.p)], c.expected) << c.what;
}

TEST(SenseCodes, Plaga) {
  Case cases[] = {
      // -is with no other cue: 110, the case pair, then 000.
      {"plagis alone", Sentence({{"plag.is", kNoun, gcase::abl, 2}, {"uen.it", kVerb}}, {}), 0,
       "11010000"},
      {"plagam, a world word, linked to an adjective",
       Sentence({{"mund.i", kNoun, gcase::gen}, {"plag.am", kNoun, gcase::acc, 1, 2},
                 {"magn.am", kAdj, gcase::acc}}, {}),
       1, "01001110"},
      {"plaga linked to its preposition",
       Sentence({{"in.", kPrep, gcase::abl}, {"plag.a", kNoun, gcase::abl, 1, 0}}, {}), 1,
       "00110101"},
      {"plaga linked to a verb",
       Sentence({{"plag.a", kNoun, gcase::nom, 1, 1}, {"uen.it", kVerb}}, {}), 0, "00100000"},
      {"the preposition links to it, but it links to nothing: not governed",
       Sentence({{"in.", kPrep, gcase::abl, 1, 1}, {"plag.a", kNoun, gcase::abl}}, {}), 1,
       "00110000"},
      {"the preposition links to the word's own head",
       Sentence({{"in.", kPrep, gcase::abl, 1, 2}, {"plag.ae", kNoun, gcase::gen, 1, 2},
                 {"magn.ae", kAdj, gcase::gen, 1, 1}}, {}),
       1, "01111101"},
      {"an adjective of the south", Sentence({{"plag.arum", kNoun, gcase::gen, 2},
                                              {"Meridian.arum", kAdj, gcase::gen}}, {}),
       0, "10111010"},
      {"an ending the network was not taught", Sentence({{"plag.o", kNoun, gcase::dat}}, {}), 0,
       ""},
      {"nor this one", Sentence({{"plag.abus", kNoun, gcase::dat, 2}}, {}), 0, ""},
  };
  for (Case& c : cases) EXPECT_EQ(plaga_code(c.s.input(), c.p), c.expected) << c.what;
}

TEST(SenseCodes, ContentusAndSaltus) {
  {
    Sentence s({{"puer.", kNoun, gcase::nom, 1, -1}, {"content.us", kAdj, gcase::nom, 1, 0},
                {"es.t", kVerb, 0, 1, -1, 0, "x", grammar::verb_kind::to_be}},
               {});
    EXPECT_EQ(contentus_code(s.input(), 1), "1111");  // the noun beside it, by its own link
  }
  {
    Sentence s({{"content.us", kAdj, gcase::nom}, {"et.", pos::conj}, {"puer.", kNoun, gcase::nom, 1, 0}},
               {});
    EXPECT_EQ(contentus_code(s.input(), 0), "1010");  // a noun two places on links to it
  }
  {
    Sentence s({{"puer.um", kNoun, gcase::acc, 1, 1}, {"content.um", kAdj, gcase::acc, 1, 0}},
               {});
    EXPECT_EQ(contentus_code(s.input(), 1), "0110");  // the noun just before
  }
  {
    Sentence s({{"salt.us", kNoun, gcase::nom, 2}, {"Caes.ar", kNoun, gcase::nom, 1, -1, 4, "Caesar"},
                {"silu.a", kNoun, gcase::nom, 1, -1, 4}},
               {});
    EXPECT_EQ(saltus_code(s.input(), 0), "001101001");
  }
  {
    // A capital at the first position is the sentence's, not a name's.
    Sentence s({{"Mult.i", kAdj, gcase::nom, 2, 1, 1, "Many"}, {"salt.us", kNoun, gcase::acc, 2, -1},
                {"angust.i", kAdj, gcase::nom, 1, -1, 3}, {"ui.a", kNoun, gcase::nom, 1, -1, 7}},
               {});
    EXPECT_EQ(saltus_code(s.input(), 1), "011000110");
  }
}

TEST(SenseWords, NetworkWordsRewriteTheirSlots) {
  Case cases[] = {
      // 10001000 -> code 1; a second sense after the comma goes.
      {"plagas: blows", Sentence({{"plag.as", kNoun, gcase::acc, 2}}, {"the blow, stroke"}), 0,
       "the blows"},
      {"plaga of our dictionary reads 'stroke'",
       Sentence({{"plag.as", kNoun, gcase::acc, 2}}, {"the stroke+s"}), 0, "the blows"},
      // 00110101 -> code 2.
      {"plaga in a place: region",
       Sentence({{"in.", kPrep, gcase::abl}, {"plag.a", kNoun, gcase::abl, 1, 0}}, {"in", "the stroke"}),
       1, "the region"},
      {"plaga with area code 3 is left alone",
       Sentence({{"in.", kPrep, gcase::abl}, {"plag.a", kNoun, gcase::abl, 1, 0, 3}}, {"in", "the stroke"}),
       1, "the stroke"},
      {"plaga with an untaught ending", Sentence({{"plag.o", kNoun, gcase::dat}}, {"to the blow"}), 0,
       "to the blow"},
      // 001100101 -> code 3: the woodland stays.
      {"saltus code 3", Sentence({{"salt.us", kNoun, gcase::nom, 2},
                                  {"Caes.ar", kNoun, gcase::nom, 1, -1, 4, "Caesar"},
                                  {"angust.ae", kAdj, gcase::nom, 1, -1, 4}},
                                 {"the woodland+s", "Caesar", "narrow"}),
       0, "the woodlands"},
      // 000000010 -> code 0: our dictionary's "narrow passage" is the woodland.
      {"saltus code 0", Sentence({{"salt.us", kNoun, gcase::nom}, {"ui.a", kNoun, gcase::nom, 1, -1, 3}},
                                 {"the narrow passage", "the road"}),
       0, "the woodland"},
      // 000000000 -> code 2: leap.
      {"saltus code 2", Sentence({{"salt.um", kNoun, gcase::nom}}, {"the narrow passage, defile"}), 0,
       "the leap"},
      // contentus: 0 1 1 0 -> code 0, tense.
      {"contentus tense", Sentence({{"content.um", kAdj, gcase::acc, 1, 1}, {"arc.um", kNoun, gcase::acc, 1, 0}},
                                   {"content", "the bow"}),
       0, "tense"},
      {"contentus content", Sentence({{"puer.", kNoun, gcase::nom}, {"content.us", kAdj, gcase::nom, 1, 0},
                                      {"es.t", kVerb, 0, 1, -1, 0, "x", grammar::verb_kind::to_be}},
                                     {"the boy", "content", "is"}),
       1, "content"},
  };
  expect_slots(cases);
}

TEST(SenseWords, RuleWords) {
  Case cases[] = {
      {"lustrum with wild beasts about",
       Sentence({{"fer.ae", kNoun, gcase::nom, 2}, {"lustr.a", kNoun, gcase::acc, 2}},
                {"the wild beasts", "the purifying ceremony+s"}),
       1, "the dens"},
      {"plural lustra governed by a preposition",
       Sentence({{"in.", kPrep, gcase::abl}, {"lustr.is", kNoun, gcase::abl, 2, 0}},
                {"in", "the ceremony+s"}),
       1, "the dens"},
      {"singular lustrum governed, no beasts",
       Sentence({{"in.", kPrep, gcase::abl}, {"lustr.o", kNoun, gcase::abl, 1, 0}},
                {"in", "the purifying ceremony"}),
       1, "the purifying ceremony"},
      {"pila governed by in, plural",
       Sentence({{"in.", kPrep, gcase::acc, 1, 1}, {"pil.as", kNoun, gcase::acc, 2, 2},
                 {"ponit.", kVerb}},
                {"in", "the ball+s", "puts"}),
       1, "the pounding-vessel"},
      {"pila after another preposition is not a vessel",
       Sentence({{"cum.", kPrep, gcase::abl, 1, 1}, {"pil.a", kNoun, gcase::abl, 1, 2},
                 {"lud.it", kVerb}},
                {"with", "the ball", "plays"}),
       1, "the ball"},
      {"pila at play, plural",
       Sentence({{"pil.as", kNoun, gcase::acc, 2}, {"lus.it", kVerb}}, {"the ball+s", "played"}), 0,
       "the balls"},
      {"pila among soldiers",
       Sentence({{"mil.ites", kNoun, gcase::nom, 2, -1, 10}, {"pil.a", kNoun, gcase::acc, 2},
                 {"iac.iunt", kVerb, 0, 2, -1, 10}},
                {"the soldiers", "the ball+s", "throw"}),
       1, "the javelins"},
      {"pila among buildings",
       Sentence({{"pil.as", kNoun, gcase::acc, 2}, {"templ.um", kNoun, gcase::nom, 1, -1, 9}},
                {"the ball+s", "the temple"}),
       0, "the pillars"},
      {"pila with no cues", Sentence({{"pil.a", kNoun, gcase::nom}, {"es.t", kVerb}}, {"the ball", "is"}),
       0, "the ball"},
      {"pila: a tie between plain and military words stays",
       Sentence({{"pil.a", kNoun, gcase::nom}, {"es.t", kVerb, 0, 1, -1, 1}, {"mil.es", kNoun, gcase::nom, 1, -1, 10}},
                {"the ball", "is", "the soldier"}),
       0, "the ball"},
      {"vocative liber", Sentence({{"liber.", kNoun, gcase::voc}, {"ueni.", kVerb}}, {"O book", "come"}),
       0, "O child"},
      {"nominative liber", Sentence({{"liber.", kNoun, gcase::nom}}, {"the book"}), 0, "the book"},
  };
  expect_slots(cases);
}

TEST(SenseWords, OffWithoutNeuralOrForOneWord) {
  auto make = [] {
    return std::make_unique<Sentence>(
        std::initializer_list<W>{{"liber.", kNoun, gcase::voc}, {"plag.as", kNoun, gcase::acc, 2},
                                 {"pil.as", kNoun, gcase::acc, 2}, {"lus.it", kVerb},
                                 {"fer.ae", kNoun, gcase::nom, 2}, {"lustr.a", kNoun, gcase::acc, 2}},
        std::initializer_list<const char*>{"O book", "the blow+s", "the pillar+s", "played",
                                           "the wild beasts", "the ceremony+s"});
  };
  const std::vector<std::string> before{"O book", "the blow+s", "the pillar+s", "played",
                                        "the wild beasts", "the ceremony+s"};
  auto off = make();
  off->opts_.neural = false;
  EXPECT_EQ(off->run(), before);
  auto on = make();
  EXPECT_EQ(on->run(), (std::vector<std::string>{"O child", "the blows", "the balls", "played",
                                                 "the wild beasts", "the dens"}));
}

TEST(SenseWords, NetworkOutputsGoToTheLogWithDetails) {
  Sentence quiet({{"plag.as", kNoun, gcase::acc, 2}}, {"the blows"});
  quiet.log_.open_memory();
  quiet.run();
  EXPECT_EQ(quiet.log_.text(), "");
  Sentence told({{"plag.as", kNoun, gcase::acc, 2}}, {"the blows"});
  told.opts_.details = true;
  told.log_.open_memory();
  told.run();
  EXPECT_EQ(told.log_.text().rfind("output 1 = ", 0), 0u) << told.log_.text();
  EXPECT_NE(told.log_.text().find("output 2 = "), std::string::npos);
}

}  // namespace
}  // namespace kelvo::english
