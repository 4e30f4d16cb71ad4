#include "userdata/user_dictionary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "base/text.h"
#include "userdata/temp_folder.h"

namespace g = kelvo::grammar;
namespace u = kelvo::userdata;
using kelvo::testing::TempFolder;

namespace {

struct Fixture {
  kelvo::RecordingHost host;
  kelvo::WarningGate gate{host};
  kelvo::ParseLog log;
  Fixture() { log.open_memory(); }
  u::UserLineResult parse(std::string_view line, u::UserSource src = u::UserSource::userfile) {
    return u::parse_user_line(line, src, 7, log, gate);
  }
};

bool sorted_by_stem(std::span<const g::DictEntry> stems) {
  return std::is_sorted(stems.begin(), stems.end(), [](const auto& a, const auto& b) {
    return kelvo::compare_bytes(a.stem_text(), b.stem_text()) < 0;
  });
}

// The first record of a lookup; an empty lookup fails the test.
g::DictEntry first_of(std::span<const g::DictEntry> found) {
  if (found.empty()) {
    ADD_FAILURE() << "stem not found";
    return g::DictEntry{};
  }
  return found.front();
}

std::string lines(int n, const std::string& stem_prefix) {
  std::string s;
  for (int i = 0; i < n; ++i) s += stem_prefix + std::to_string(i) + " / N 2 1 M T / thing\n";
  return s;
}

}  // namespace

TEST(UserLine, NounLineGivesOneStemAndSlashedMeaning) {
  Fixture f;
  auto r = f.parse("amic/N 2 1 M P/friend; ally");
  ASSERT_TRUE(r.accepted) << r.reason;
  ASSERT_EQ(r.stems.size(), 1u);
  const auto& e = r.stems[0];
  EXPECT_EQ(e.stem_text(), "amic");
  EXPECT_EQ(e.speech, g::pos::noun);
  EXPECT_EQ(e.which, 2);
  EXPECT_EQ(e.variant, 1);
  EXPECT_EQ(e.byte3, g::gender::masc);
  EXPECT_EQ(e.kind, g::noun_kind::person);
  EXPECT_EQ(e.stem_key, 1);
  EXPECT_EQ(e.meaning_index.get(), 7);
  EXPECT_EQ(e.rarity(), 1);
  EXPECT_EQ(e.area(), 0);
  EXPECT_EQ(e.age, 0);
  EXPECT_EQ(r.meaning.english_text(), "friend/ ally ");
  EXPECT_EQ(r.meaning.latin_text(), "amic");
  EXPECT_TRUE(f.host.warnings.empty());
}

TEST(UserLine, StemKeysSpeechAndSpelling) {
  Fixture f;
  // A verb's fourth stem is a participle stem; j and v are read as i and u.
  auto verb = f.parse("iuv iuv iuv iut / V 1 1 TRANS / help");
  ASSERT_TRUE(verb.accepted);
  ASSERT_EQ(verb.stems.size(), 4u);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(verb.stems[i].stem_key, i + 1);
    EXPECT_EQ(verb.stems[i].speech, i == 3 ? g::pos::vpar : g::pos::verb);
    EXPECT_EQ(verb.stems[i].verb_kind(), g::verb_kind::trans);
  }
  EXPECT_EQ(verb.stems[0].stem_text(), "iuu");
  auto jv = f.parse("Jov / N 3 1 M N / Jupiter");
  EXPECT_EQ(jv.stems.at(0).stem_text(), "Iou");

  // NULL keeps its place without a stem.
  auto null_first = f.parse("NULL amat / V 1 1 / love");
  ASSERT_EQ(null_first.stems.size(), 1u);
  EXPECT_EQ(null_first.stems[0].stem_text(), "amat");
  EXPECT_EQ(null_first.stems[0].stem_key, 2);

  // Comparative and superlative adjectives take stem keys 3 and 4.
  struct Case { const char* line; int key; int comparison; };
  for (auto c : {Case{"meli meli / ADJ 3 2 COMP / better", 3, 2},
                 Case{"optim / ADJ 1 1 SUPER / best", 4, 3},
                 Case{"bene / ADV 0 0 POS / well", 1, 1},
                 Case{"bon / ADJ 1 1 / good", 1, 0}}) {
    auto r = f.parse(c.line);
    ASSERT_TRUE(r.accepted) << c.line;
    for (const auto& e : r.stems) {
      EXPECT_EQ(e.stem_key, c.key) << c.line;
      EXPECT_EQ(e.byte3, c.comparison) << c.line;
    }
  }

  // Pliny words are rarer and later.
  auto pliny = f.parse("amic/N 2 1 M P/friend", u::UserSource::pliny);
  EXPECT_EQ(pliny.stems.at(0).rarity(), 4);
  EXPECT_EQ(pliny.stems.at(0).age, 4);
}

TEST(UserLine, RejectionsAndTheirMessages) {
  struct Case {
    const char* line;
    bool accepted;
    std::size_t stems;
    const char* shown;  // box text, "" for none
  };
  const std::string word23(23, 'a'), word24(24, 'b');
  const std::string keep23 = word23 + " / N 1 1 F T / long";
  const std::string first_too_long = word24 + " / N 1 1 F T / long";
  const std::string later_too_long = "amic " + word24 + " amic / N 2 1 M T / cut";
  const std::string grammar_too_long = "amic / " + word24 + " / x";
  for (auto c : {Case{"amic//friend", false, 0, ""},
                 Case{"amic/N 2 1 M P", false, 0, ""},
                 Case{"amic/N 2 1 M P/   ", false, 0, ""},
                 Case{"   / N 2 1 / x", false, 0, ""},
                 Case{"a b c d e / N 1 1 F T / five", true, 5, ""},
                 Case{"a b c d e f / N 1 1 F T / six", false, 0, "Too many user fields.\n"},
                 Case{"amic / N 2 1 M P X / six", false, 0, "Too many user fields.\n"},
                 Case{keep23.c_str(), true, 1, ""},
                 Case{first_too_long.c_str(), false, 0, "User word is too long.\n"},
                 Case{later_too_long.c_str(), true, 1, "User word is too long.\n"},
                 Case{grammar_too_long.c_str(), false, 0, "User word is too long.\n"},
                 Case{"amic / Q 2 1 / x", false, 0, ""}}) {
    Fixture f;
    auto r = f.parse(c.line);
    EXPECT_EQ(r.accepted, c.accepted) << c.line;
    EXPECT_EQ(r.stems.size(), c.stems) << c.line;
    if (*c.shown) {
      ASSERT_EQ(f.host.warnings.size(), 1u) << c.line;
      EXPECT_EQ(f.host.warnings[0], c.shown);
      EXPECT_NE(f.log.text().find(c.shown), std::string::npos);
    } else {
      EXPECT_TRUE(f.host.warnings.empty()) << c.line;
    }
    if (!c.accepted) {
      EXPECT_FALSE(r.reason.empty()) << c.line;
    }
  }
  Fixture f;
  auto r = f.parse(keep23);
  EXPECT_EQ(r.stems.at(0).stem_text(), word23);  // 23 letters and the NUL fill the field
  EXPECT_FALSE(f.parse("amic / Q 2 1 / x").accepted);
  EXPECT_EQ(f.log.text(), "speech_type not found.\n");
}

TEST(UserLine, LongFieldsStayInsideTheRecord) {
  Fixture f;
  std::string english(300, 'e');
  auto r = f.parse("amic / N 2 1 M P / " + english);
  ASSERT_TRUE(r.accepted);
  // The field " eee..." is cut at 78 characters; the closing blank makes 78
  // again, which leaves the record's last byte for the NUL.
  EXPECT_EQ(r.meaning.english_text(), std::string(77, 'e') + " ");
  auto big = f.parse("amic / N 999 -3 M P / x");
  EXPECT_EQ(big.stems.at(0).which, 255);
  EXPECT_EQ(big.stems.at(0).variant, 0);
}

TEST(UserDictionaryLoad, ReadsSortsLogsAndFinds) {
  TempFolder dir;
  dir.write("USERFILE.TXT",  // found whatever its case
            "-- a comment\n"
            "\n"
            "  indented lines are skipped\n"
            "7 numbers too\n"
            "uill uill / N 1 1 F T / villa; country house\r\n"
            "amic / N 2 1 M P / friend\n"
            "bogus line without slashes\n"
            "amic / ADJ 1 1 POS / friendly\n"
            "zyth / N 2 2 N T / beer");  // no line end at the end of the file
  Fixture f;
  u::UserDictionary d;
  EXPECT_EQ(d.load(dir.path(), f.log, f.gate), 5);
  EXPECT_EQ(d.userfile_lines(), 4);
  EXPECT_EQ(d.pliny_lines(), 0);
  EXPECT_TRUE(sorted_by_stem(d.stems()));
  EXPECT_TRUE(f.host.warnings.empty());
  EXPECT_TRUE(f.host.questions.empty());

  ASSERT_EQ(d.rejected().size(), 1u);
  EXPECT_EQ(d.rejected()[0].line_number, 7);
  EXPECT_EQ(d.rejected()[0].text, "bogus line without slashes");

  const std::string& log = f.log.text();
  EXPECT_EQ(log.find("Loading user-defined dictionary "), 0u);
  EXPECT_NE(log.find("Rejected user line 'bogus line without slashes' owing to error.\n"),
            std::string::npos);
  EXPECT_TRUE(log.ends_with("Done. Added 4 user words.\n")) << log;

  auto amic = d.find("amic");
  ASSERT_EQ(amic.size(), 2u);
  EXPECT_TRUE(d.find("ami").empty());
  EXPECT_TRUE(d.find("amicus").empty());
  EXPECT_EQ(d.find("uill").size(), 2u);
  for (const auto& e : amic) {
    const auto* m = d.meaning(e.meaning_index.get() + u::kUserMeaningOffset);
    ASSERT_NE(m, nullptr);
    EXPECT_TRUE(m->english_text() == "friend " || m->english_text() == "friendly ");
  }
  EXPECT_EQ(d.meaning(u::kUserMeaningOffset + 0)->english_text(), "villa/ country house ");
  EXPECT_EQ(first_of(d.find("zyth")).stem_text(), "zyth");
  EXPECT_EQ(d.meaning(u::kUserMeaningOffset + 3)->english_text(), "beer ");
  EXPECT_EQ(d.meaning(u::kUserMeaningOffset + 4), nullptr);
  EXPECT_EQ(d.meaning(-1), nullptr);
}

// A line longer than a read is one line: its rest is never read as a line of
// its own (it could be taken for an entry), and is said once, briefly.
TEST(UserDictionaryLoad, TheRestOfALongLineIsNotALine) {
  TempFolder dir;
  const std::string rest = "amic / N 2 1 M P / friend " + std::string(5'000'000, 'z');
  dir.write("Userfile.txt", "uill / N 1 1 F T / villa " + std::string(150, 'v') + rest +
                                "\nzyth / N 2 2 N T / beer\n");
  Fixture f;
  u::UserDictionary d;
  d.load(dir.path(), f.log, f.gate);
  EXPECT_TRUE(d.find("amic").empty());
  EXPECT_EQ(d.find("uill").size(), 1u);
  EXPECT_EQ(d.find("zyth").size(), 1u);
  ASSERT_EQ(d.rejected().size(), 1u);
  EXPECT_EQ(d.rejected()[0].line_number, 1);
  const std::string said = u::format_rejected(d.rejected());
  EXPECT_NE(said.find("longer than 175 characters"), std::string::npos) << said;
  EXPECT_LT(said.size(), 250u);
}

TEST(UserDictionaryLoad, MissingFileGoesThroughTheGate) {
  TempFolder dir;
  dir.write("PlinyUserfile.txt", "amic / N 2 1 M P / friend\n");
  Fixture f;
  f.gate.warn("one");
  f.gate.warn("two");
  u::UserDictionary d;
  EXPECT_EQ(d.load(dir.path(), f.log, f.gate), 0);
  EXPECT_EQ(f.host.warnings.size(), 2u);  // no third box
  EXPECT_EQ(f.log.text(), "Cannot open " + dir.file("Userfile.txt") + ".\n");
  EXPECT_TRUE(f.host.questions.empty());  // the Pliny file is not tried
}

TEST(UserDictionaryLoad, PlinyFileOnlyWhenTheHostSaysYes) {
  TempFolder dir;
  dir.write("Userfile.txt", "amic / N 2 1 M P / friend\n");
  dir.write("PlinyUserFile.txt", "balaen / N 1 1 F T / whale\nphysal / N 1 1 F T / whale\n");
  {
    Fixture f;
    u::UserDictionary d;
    EXPECT_EQ(d.load(dir.path(), f.log, f.gate), 1);
    ASSERT_EQ(f.host.questions.size(), 1u);
    EXPECT_EQ(f.host.questions[0],
              "KV wants to load your PlinyUser file.\nUseful ONLY for translating the Elder "
              "Pliny.\nDid you intend this?");
    ASSERT_EQ(f.host.warnings.size(), 1u);
    EXPECT_TRUE(f.host.warnings[0].starts_with("Aborting Pliny Load."));
    EXPECT_TRUE(f.log.text().ends_with("Done. Added 1 user words.\n"));
  }
  {
    Fixture f;
    f.host.yes_answer = true;
    u::UserDictionary d;
    EXPECT_EQ(d.load(dir.path(), f.log, f.gate), 3);
    EXPECT_EQ(d.pliny_lines(), 2);
    EXPECT_EQ(first_of(d.find("balaen")).rarity(), 4);
    EXPECT_EQ(first_of(d.find("amic")).rarity(), 1);
    EXPECT_TRUE(f.host.warnings.empty());
    EXPECT_TRUE(f.log.text().ends_with("Done. Added 1 user words. Added 2 extra Pliny words.\n"));
  }
}

TEST(UserDictionaryLoad, TwoThousandLinesOverBothFiles) {
  struct Case { int userfile; int pliny; int userfile_taken; int pliny_taken; bool asked; };
  for (auto c : {Case{2'005, 3, 2'000, 0, false}, Case{1'998, 5, 1'998, 2, true},
                 Case{1'999, 0, 1'999, 0, false}}) {
    TempFolder dir;
    dir.write("Userfile.txt", lines(c.userfile, "u"));
    if (c.pliny) dir.write("PlinyUserfile.txt", lines(c.pliny, "p"));
    Fixture f;
    f.host.yes_answer = true;
    u::UserDictionary d;
    EXPECT_EQ(d.load(dir.path(), f.log, f.gate), c.userfile_taken + c.pliny_taken);
    EXPECT_EQ(d.userfile_lines(), c.userfile_taken);
    EXPECT_EQ(d.pliny_lines(), c.pliny_taken);
    EXPECT_EQ(f.host.questions.size(), c.asked ? 1u : 0u);
    const bool full = c.userfile_taken + c.pliny_taken == u::kMaxUserLines;
    EXPECT_EQ(d.limit_reached(), full);
    if (full) {
      // The 2,000th line is kept and named in the message.
      const std::string last = c.pliny_taken ? "p" + std::to_string(c.pliny_taken - 1)
                                             : "u" + std::to_string(c.userfile_taken - 1);
      ASSERT_EQ(f.host.warnings.size(), 1u);
      EXPECT_EQ(f.host.warnings[0], "Exceeded max. no. of entries.\nLast line was " + last +
                                        " / N 2 1 M T / thing\n");
      EXPECT_EQ(d.find(last).size(), 1u);
    } else {
      EXPECT_TRUE(f.host.warnings.empty());
    }
  }
}

TEST(UserDictionaryLoad, RandomBytesLoadHarmlessly) {
  for (unsigned seed : {1u, 2u, 3u}) {
    std::mt19937 rng(seed);
    std::string bytes(200'000, '\0');
    for (char& c : bytes) c = static_cast<char>(rng() & 0xFF);
    // Sprinkle line ends and slashes so that some lines get as far as the parser.
    for (std::size_t i = 0; i < bytes.size(); i += 1 + rng() % 60)
      bytes[i] = (rng() & 1) ? '\n' : '/';
    TempFolder dir;
    dir.write("Userfile.txt", bytes);
    Fixture f;
    u::UserDictionary d;
    int n = d.load(dir.path(), f.log, f.gate);
    EXPECT_EQ(n, static_cast<int>(d.stems().size()));
    EXPECT_LE(f.host.warnings.size(), 2u);
    EXPECT_TRUE(sorted_by_stem(d.stems()));
    for (const auto& e : d.stems()) {
      EXPECT_LE(e.stem_text().size(), u::kUserWordMax);
      EXPECT_NE(d.meaning(e.meaning_index.get()), nullptr);
    }
    EXPECT_NE(f.log.text().find("Done. Added "), std::string::npos);
  }
}

TEST(UserDictionaryLoad, UnreadableFileStopsWithTheMessage) {
  TempFolder dir;
  std::filesystem::create_directory(dir.file("Userfile.txt"));  // opens, but cannot be read
  Fixture f;
  u::UserDictionary d;
  EXPECT_EQ(d.load(dir.path(), f.log, f.gate), 0);
  ASSERT_EQ(f.host.warnings.size(), 1u);
  EXPECT_EQ(f.host.warnings[0], "FGETS error (Error in loading a line of user text).\n");
}

TEST(UserDictionaryLoad, StarterFileLoadsCleanly) {
  Fixture f;
  u::UserDictionary d;
  EXPECT_GT(d.load(KELVO_SOURCE_DIR "/data", f.log, f.gate), 5);
  EXPECT_TRUE(d.rejected().empty()) << u::format_rejected(d.rejected());
  EXPECT_TRUE(f.host.warnings.empty());
  EXPECT_EQ(d.find("guerrizau").size(), 1u);
  EXPECT_EQ(first_of(d.find("guerrizat")).speech, g::pos::vpar);
}
