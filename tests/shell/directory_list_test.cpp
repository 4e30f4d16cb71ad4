// DIRKelvo.TXT: which files a folder tree lists, the list's text, and
// reading it back.
#include "shell/directory_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "shell/folder_tree.h"
#include "userdata/temp_folder.h"

namespace kelvo::shell {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

void touch(const fs::path& p) {
  fs::create_directories(p.parent_path());
  std::ofstream(p) << "Gallia est omnis divisa.\n";
}

const auto kAlways = [] { return true; };

TEST(DirectoryList, TheFilesItTakes) {
  const std::pair<const char*, bool> cases[] = {
      {"NOTES.TXT", true},   {"notes.txt", true},      {"Notes.Txt", true},  {"fails.txt", false},
      {"FAILS.TXT", false},  {"DIRKelvo.TXT", false},  {"parser.txt", false}, {"User.txt", false},
      {"a.txt.bak", false},  {".txt", false},          {"atxt", false},       {"user.txt2", false},
  };
  for (const auto& [name, listed] : cases) EXPECT_EQ(listed_file_name(name), listed) << name;
}

TEST(DirectoryList, TenLevelsDownSortedWithoutTheProgramsFolders) {
  TempFolder root;
  testing::nested_folders(root.path(), 11,
                          [](const fs::path& folder, int) { touch(folder / "level.txt"); });
  touch(fs::path(root.path()) / "b.txt");
  touch(fs::path(root.path()) / "A.TXT");
  touch(fs::path(root.path()) / "kelvo" / "Userfile.txt");  // the user's own folder
  touch(fs::path(root.path()) / "fails.txt");
  fs::create_directory_symlink(root.path(), fs::path(root.path()) / "loop");
  const auto listing = list_text_files(root.path(), {root.file("kelvo")}, kAlways);
  EXPECT_TRUE(listing.sorted);
  ASSERT_EQ(listing.files.size(), 12u);  // A, b and ten levels: not the eleventh
  EXPECT_EQ(listing.files[0], root.file("A.TXT"));
  EXPECT_EQ(listing.files[1], root.file("b.txt"));
  for (const auto& f : listing.files) {
    EXPECT_EQ(f.find("/d11/"), std::string::npos) << f;
    EXPECT_EQ(f.find("kelvo/"), std::string::npos) << f;
  }
  // The Escape key's question, asked before each folder.
  int folders = 0;
  const auto stopped = list_text_files(root.path(), {}, [&] { return ++folders <= 3; });
  EXPECT_TRUE(stopped.cancelled);
  EXPECT_EQ(stopped.folders, 3u);
}

TEST(DirectoryList, ALongListStaysUnsorted) {
  TempFolder root;
  for (int i = 0; i < 1000; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "f%d.txt", 999 - i);
    std::ofstream(root.file(name));
  }
  const auto listing = list_text_files(root.path(), {}, kAlways);
  EXPECT_EQ(listing.files.size(), 1000u);
  EXPECT_FALSE(listing.sorted);
  fs::remove(root.file("f0.txt"));
  EXPECT_TRUE(list_text_files(root.path(), {}, kAlways).sorted);  // 999 are sorted
}

TEST(DirectoryList, ProgramFoldersAreRefusedByWholeComponents) {
  EXPECT_TRUE(inside_folder("/home/u/kelvo", {"/home/u/kelvo"}));
  EXPECT_TRUE(inside_folder("/home/u/kelvo/texts/", {"", "/home/u/kelvo"}));
  EXPECT_FALSE(inside_folder("/home/u/kelvo2", {"/home/u/kelvo"}));
  EXPECT_FALSE(inside_folder("/home/u", {"/home/u/kelvo"}));
}

TEST(DirectoryList, WrittenAndReadBack) {
  TempFolder root;
  touch(fs::path(root.path()) / "x" / "a.txt");
  touch(fs::path(root.path()) / "b.txt");
  const auto listing = list_text_files(root.path(), {}, kAlways);
  ASSERT_TRUE(write_directory_list(root.path(), listing));
  EXPECT_EQ(testing::read_file(root.file(kDirectoryListName)),
            root.path() + "\n" + root.file("b.txt") + "\n" + root.file("x/a.txt") +
                "\n2 = No. of files\n");
  auto list = read_directory_list(root.file(kDirectoryListName));
  ASSERT_TRUE(list);
  EXPECT_EQ(list->folder, root.path());
  EXPECT_EQ(list->files, listing.files);
  EXPECT_EQ(list->declared, 2);
  // The list is written beside the files it lists: a second walk leaves it out.
  EXPECT_EQ(list_text_files(root.path(), {}, kAlways).files.size(), 2u);
  EXPECT_EQ(list_header_mismatch(*list, ""), "");
  EXPECT_EQ(list_header_mismatch(*list, root.path()), "");
  EXPECT_EQ(list_header_mismatch(*list, "/else"),
            "Header for 'DIRKelvo.TXT' (" + root.path() +
                ") does not match subdirectory you selected.");
  EXPECT_FALSE(read_directory_list(root.file("absent.txt")));
  const auto failed = write_directory_list(root.file("no/such"), listing);
  ASSERT_FALSE(failed);
  EXPECT_EQ(failed.message(), "Cannot open file " + root.file("no/such/DIRKelvo.TXT") +
                                  ". Already open elsewhere?");
  EXPECT_EQ(directory_list_done(2),
            "Successfully completed construction of 'DIRKelvo.TXT' look-up files.\n 2 files found.");
}

}  // namespace
}  // namespace kelvo::shell
