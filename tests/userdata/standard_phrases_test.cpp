#include "userdata/standard_phrases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "userdata/temp_folder.h"

namespace u = kelvo::userdata;
using kelvo::testing::TempFolder;

namespace {

struct Fixture {
  kelvo::RecordingHost host;
  kelvo::WarningGate gate{host};
  kelvo::ParseLog log;
  kelvo::TranslationOptions options;
  u::StandardPhrases phrases;
  Fixture() { log.open_memory(); }
  int load(const std::string& folder) { return phrases.load(folder, options, log, gate); }
};

std::vector<std::string> keys(std::span<const u::PhraseEntry> entries) {
  std::vector<std::string> out;
  for (const auto& e : entries) out.push_back(u::phrase_sort_key(e));
  return out;
}

}  // namespace

TEST(PhraseLine, ChecksOfTheLatinAndEnglishParts) {
  const std::string english78(78, 'e'), english79(79, 'e');
  struct Case { std::string line; bool accepted; };
  for (const auto& c : std::vector<Case>{
           {"ad hoc", false},
           {"ad hoc/", false},
           {"ad hoc/for this", true},
           {"a b c d e/five", true},
           {"a b c d e f/six", false},
           {" /nothing Latin", false},
           {"ag.o grati.as/thank", true},
           {"ag.o gratias/thank", false},
           {"a.b.c d/two dots, two words", true},
           {"gratias ago/INF 1 2 to go", true},
           {"gratias ago/INF 0 2 to go", false},
           {"gratias ago/INF 1 0 to go", false},
           {"gratias ago/INF 1 2 go", false},
           {"gratias ago/INF 12 2 to go", false},
           {"gratias ago/INF", false},
           {"gratias ago/INFO 1 2 to", false},
           {"x/" + english78, true},
           {"x/" + english79, false}}) {
    auto r = u::parse_phrase_line(c.line);
    EXPECT_EQ(r.accepted, c.accepted) << c.line << " " << r.reason;
    if (!r.accepted) {
      EXPECT_FALSE(r.reason.empty());
    }
  }

  auto r = u::parse_phrase_line("Iam vero " + std::string(30, 'w') + "/now indeed");
  ASSERT_TRUE(r.accepted);
  EXPECT_EQ(r.entry.word(0), "iam");  // first letter lowered
  EXPECT_EQ(r.entry.word(1), "uero");  // v read as u
  EXPECT_EQ(r.entry.word(2), std::string(22, 'w'));  // cut at 22
  EXPECT_EQ(r.entry.word(3), "");
  EXPECT_EQ(r.entry.word_count(), 3);
  EXPECT_EQ(r.entry.english_text(), "now indeed");
  EXPECT_EQ(u::phrase_sort_key(r.entry), "iam uero " + std::string(22, 'w') + "  ");
}

TEST(PhraseLine, PronounBackslashesBecomeSlashes) {
  struct Case { const char* in; const char* out; };
  for (auto c : {Case{"s\\he\\it goes", "s/he/it goes"}, Case{"may s\\he rest", "may s/he rest"},
                 Case{"his\\her book", "his\\her book"}, Case{"as\\her", "as\\her"},
                 Case{"he\\they go", "he/they go"}, Case{"he\\it is", "he/it is"},
                 Case{"thank him\\it", "thank him/it"}, Case{"his\\their", "his/their"},
                 Case{"him\\them", "him/them"}, Case{"him\\her\\it", "him/her/it"},
                 Case{"thank him\\her", "thank him/her"},
                 Case{"his\\her\\their", "his/her/their"},
                 Case{"him\\her and him\\her", "him/her and him\\her"}})
    EXPECT_EQ(u::rewrite_pronoun_backslashes(c.in), c.out) << c.in;
}

TEST(PhrasesLoad, SkipsRejectsSortsAndIndexes) {
  TempFolder dir;
  dir.write("UserPhrases.TXT",
            "-- comment\n"
            "\n"
            "\x01 control\n"
            "*ABCDEFGHIJKL encoded\n"
            "1 starts with a digit/skip\n"
            "zelus domus tuae/zeal for your house\n"
            "ad hoc/for this purpose\r\n"
            "no slash here\n"
            "ad/to\n"
            "Res publica/the state\n"
            "ad hominem/to the man\n"
            "quam primum/as soon as possible");
  Fixture f;
  EXPECT_EQ(f.load(dir.path()), 6);
  EXPECT_TRUE(f.host.warnings.empty());
  EXPECT_TRUE(f.options.allow_user_phrase);
  EXPECT_EQ(keys(f.phrases.entries()),
            (std::vector<std::string>{"ad    ", "ad hoc   ", "ad hominem   ", "quam primum   ",
                                      "res publica   ", "zelus domus tuae  "}));
  ASSERT_EQ(f.phrases.rejected().size(), 1u);
  EXPECT_EQ(f.phrases.rejected()[0].line_number, 8);
  EXPECT_EQ(f.log.text(),
            "Loading Latin Standard Phrases...Rejected user line 'no slash here' owing to "
            "error.\nDone. Added 6 LSPs.\n");

  const auto& idx = f.phrases.index();
  EXPECT_EQ(idx[0].letter_text(), "a");
  EXPECT_EQ(idx[0].first, 0);
  EXPECT_EQ(idx[1].first, 3);   // b: the first phrase at or after it is "quam primum"
  EXPECT_EQ(idx['q' - 'a'].first, 3);
  EXPECT_EQ(idx['r' - 'a'].first, 4);
  EXPECT_EQ(idx['s' - 'a'].first, 5);
  EXPECT_EQ(idx[25].letter_text(), "z");
  EXPECT_EQ(idx[25].first, 5);
  EXPECT_EQ(idx[26].letter_text(), "MAX_ENTRIES");
  EXPECT_EQ(idx[26].first, 6);
}

TEST(PhrasesLoad, LettersAfterTheLastPhrasePointAtIt) {
  TempFolder dir;
  dir.write("userphrases.txt", "ad hoc/for this\nlapsus linguae/a slip of the tongue\n");
  Fixture f;
  EXPECT_EQ(f.load(dir.path()), 2);
  for (char c = 'm'; c <= 'z'; ++c) EXPECT_EQ(f.phrases.index()[c - 'a'].first, 1) << c;
  EXPECT_EQ(f.phrases.index()['l' - 'a'].first, 1);
  EXPECT_NE(f.log.text().find("indices wrong. k = 12, should be 26.\n"), std::string::npos);
}

TEST(PhrasesLoad, CommentsOnlyOrMissingGiveNoPhrases) {
  {
    TempFolder dir;
    dir.write("userphrases.txt", "-- only\n-- comments\n");
    Fixture f;
    EXPECT_EQ(f.load(dir.path()), 0);
    EXPECT_EQ(f.phrases.capacity(), 2u);
    EXPECT_EQ(f.phrases.index()[26].first, 0);
    EXPECT_EQ(f.phrases.index()[26].letter_text(), "MAX_ENTRIES");
    EXPECT_TRUE(f.host.warnings.empty());
  }
  {
    TempFolder dir;
    Fixture f;
    EXPECT_EQ(f.load(dir.path()), 0);
    ASSERT_EQ(f.host.warnings.size(), 1u);
    // Named by its full path, where it was looked for.
    EXPECT_EQ(f.host.warnings[0], "Cannot open '" + dir.file("userphrases.txt") + "'.\n");
    EXPECT_EQ(f.phrases.index()[26].first, 0);
  }
}

TEST(PhrasesLoad, TooManyLinesTurnsThePhrasesOff) {
  TempFolder dir;
  std::string text;
  for (std::size_t i = 0; i < u::kMaxPhraseCapacity; ++i) text += "a/b\n";
  dir.write("userphrases.txt", text);
  Fixture f;
  EXPECT_EQ(f.load(dir.path()), 0);
  EXPECT_FALSE(f.options.allow_user_phrase);
  ASSERT_EQ(f.host.warnings.size(), 1u);
  EXPECT_EQ(f.host.warnings[0],
            "Cannot load Latin Standard Phrases.\nThere are too many!\nReduce the number in "
            "userphrases.txt.");
}

TEST(PhrasesLoad, LongLinesAreCountedAndCutInPieces) {
  // A 566-character line counts as five pieces of 119 but reads as one piece
  // of 497; the rest of the line is not read as a phrase of its own, and is
  // said once, quoting a little of it.
  TempFolder dir;
  dir.write("userphrases.txt", "ad hoc/" + std::string(490, 'x') + "tail/end " +
                                   std::string(60, 'y') + "\nsine dubio/without doubt\n");
  Fixture f;
  f.load(dir.path());
  EXPECT_EQ(f.phrases.capacity(), 8u);
  ASSERT_EQ(f.phrases.rejected().size(), 2u);  // English of the first piece too long
  EXPECT_EQ(f.phrases.rejected()[1].line_number, 1);
  EXPECT_EQ(f.phrases.rejected()[1].text.substr(0, 8), "tail/end");
  const std::string said = u::format_rejected(f.phrases.rejected()[1]);
  EXPECT_NE(said.find("longer than 497 characters"), std::string::npos) << said;
  EXPECT_LT(said.size(), 200u) << said;
  ASSERT_EQ(f.phrases.count(), 1);
  EXPECT_EQ(f.phrases.entries()[0].word(0), "sine");
}

TEST(PhrasesLoad, RandomBytesLoadHarmlessly) {
  for (unsigned seed : {7u, 8u}) {
    std::mt19937 rng(seed);
    std::string bytes(100'000, '\0');
    for (char& c : bytes) c = static_cast<char>(rng() & 0xFF);
    for (std::size_t i = 0; i < bytes.size(); i += 1 + rng() % 40)
      bytes[i] = (rng() & 1) ? '\n' : '/';
    TempFolder dir;
    dir.write("userphrases.txt", bytes);
    Fixture f;
    int n = f.load(dir.path());
    EXPECT_EQ(n, f.phrases.count());
    EXPECT_LE(f.host.warnings.size(), 2u);
    auto k = keys(f.phrases.entries());
    EXPECT_TRUE(std::is_sorted(k.begin(), k.end(), [](const auto& a, const auto& b) {
      return kelvo::compare_bytes(a, b) < 0;
    }));
    EXPECT_EQ(f.phrases.index()[26].first, n);
  }
}

TEST(PhrasesLoad, StarterFileLoadsCleanly) {
  Fixture f;
  EXPECT_GE(f.load(KELVO_SOURCE_DIR "/data"), 60);
  EXPECT_TRUE(f.phrases.rejected().empty()) << u::format_rejected(f.phrases.rejected());
  EXPECT_EQ(f.log.text().find("indices wrong"), std::string::npos);
  EXPECT_TRUE(f.host.warnings.empty());
  int inf = 0;
  for (const auto& e : f.phrases.entries()) inf += e.english_text().starts_with("INF");
  EXPECT_GE(inf, 5);
}
