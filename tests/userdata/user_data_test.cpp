#include "userdata/user_data.h"

#include <gtest/gtest.h>

#include "userdata/line_reader.h"
#include "userdata/temp_folder.h"

namespace u = kelvo::userdata;
using kelvo::testing::TempFolder;

TEST(UserData, SummaryNamesTheFolderAndCounts) {
  TempFolder dir;
  dir.write("Userfile.txt", "amic amic / N 2 1 M P / friend\nbad line\n");
  dir.write("userphrases.txt", "ad hoc/for this\n");
  kelvo::RecordingHost host;
  kelvo::WarningGate gate(host);
  kelvo::ParseLog log;
  kelvo::TranslationOptions options;
  u::UserData data;
  u::load_user_data(data, dir.path(), options, log, gate);
  EXPECT_EQ(data.summary(), "user folder: " + dir.path() +
                                "\nuser words: 1 lines, 2 stems\nstandard phrases: 1\n"
                                "abbreviations: not loaded\nrejected user lines: 1\n");
  EXPECT_EQ(data.rejected_report(),
            dir.file("Userfile.txt") + ":2: rejected 'bad line' (fewer than three fields)\n");
}

TEST(LineReader, PiecesLineEndsAndNumbers) {
  TempFolder dir;
  dir.write("f", "abc\r\n" + std::string(12, 'x') + "\n\nlast");
  u::LineReader reader(std::fopen(dir.file("f").c_str(), "rb"), 5);
  std::vector<std::pair<std::string, int>> got;
  std::string piece;
  while (reader.next(piece) == u::LineReader::Next::piece)
    got.emplace_back(piece, reader.line_number());
  EXPECT_EQ(got, (std::vector<std::pair<std::string, int>>{
                     {"abc", 1}, {"xxxxx", 2}, {"xxxxx", 2}, {"xx", 2}, {"", 3}, {"last", 4}}));
  dir.write("bom", "\xEF\xBB\xBF-- comment\n");
  u::LineReader with_bom(std::fopen(dir.file("bom").c_str(), "rb"), 50);
  ASSERT_EQ(with_bom.next(piece), u::LineReader::Next::piece);
  EXPECT_EQ(piece, "-- comment");
  // The file is read in blocks of 8 KB: a line, and its "\r\n", across the first block's end.
  dir.write("long", std::string(8191, 'a') + "\r\nb\n");
  u::LineReader across(std::fopen(dir.file("long").c_str(), "rb"), 10'000);
  got.clear();
  while (across.next(piece) == u::LineReader::Next::piece)
    got.emplace_back(piece, across.line_number());
  EXPECT_EQ(got, (std::vector<std::pair<std::string, int>>{{std::string(8191, 'a'), 1}, {"b", 2}}));
  u::LineReader closed(nullptr, 5);
  EXPECT_EQ(closed.next(piece), u::LineReader::Next::error);
}
