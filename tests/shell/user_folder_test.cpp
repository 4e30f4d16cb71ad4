#include "shell/user_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/paths.h"
#include "userdata/temp_folder.h"

namespace fs = std::filesystem;
using kelvo::testing::read_file;
using kelvo::testing::TempFolder;

namespace {
std::vector<std::string> names_in(const std::string& dir) {
  std::vector<std::string> out;
  for (const auto& e : fs::directory_iterator(dir)) out.push_back(e.path().filename().string());
  std::sort(out.begin(), out.end());
  return out;
}
}  // namespace

TEST(UserFolder, CreatesTheFolderAndCopiesEachStarter) {
  TempFolder starters, home;
  for (const char* name : kelvo::shell::kStarterFiles)
    starters.write(name, std::string("starter ") + name);
  const std::string dir = home.file("a/b/kelvo");
  auto r = kelvo::shell::ensure_user_folder(dir, {home.file("absent"), starters.path()});
  ASSERT_TRUE(r.is_ok()) << r.error().message;
  EXPECT_EQ(*r, dir);
  EXPECT_EQ(names_in(dir), (std::vector<std::string>{"UserAbbreviations.txt", "UserSettings.txt",
                                                     "Userfile.txt", "userphrases.txt"}));
  EXPECT_EQ(read_file(dir + "/Userfile.txt"), "starter Userfile.txt");
}

TEST(UserFolder, NeverTouchesTheUsersFiles) {
  TempFolder starters, home;
  starters.write("Userfile.txt", "starter");
  starters.write("userphrases.txt", "starter");
  home.write("USERFILE.TXT", "mine");  // another case of the same name
  home.write("userphrases.txt", "mine too");
  auto r = kelvo::shell::ensure_user_folder(home.path(), {starters.path()});
  ASSERT_TRUE(r.is_ok());
  // A starter found nowhere (abbreviations, settings) is simply left out.
  EXPECT_EQ(names_in(home.path()), (std::vector<std::string>{"USERFILE.TXT", "userphrases.txt"}));
  EXPECT_EQ(read_file(home.file("USERFILE.TXT")), "mine");
  EXPECT_EQ(read_file(home.file("userphrases.txt")), "mine too");
}

TEST(UserFolder, AFolderThatCannotBeMadeIsAnError) {
  TempFolder home;
  home.write("file", "x");
  auto r = kelvo::shell::ensure_user_folder(home.file("file/kelvo"), {});
  ASSERT_FALSE(r.is_ok());
  EXPECT_NE(r.error().message.find("file/kelvo"), std::string::npos);
}

TEST(UserFolder, SourceStartersIncludeEverySettingsKey) {
  TempFolder home;
  auto r = kelvo::shell::ensure_user_folder(home.path());
  ASSERT_TRUE(r.is_ok());
  EXPECT_FALSE(kelvo::find_file_nocase(home.path(), "Userfile.txt").empty());
  EXPECT_FALSE(kelvo::find_file_nocase(home.path(), "userphrases.txt").empty());
  const std::string settings = read_file(home.file("UserSettings.txt"));
  for (const char* line :
       {"AGE=MEDIEVAL\n", "MEDIEVALTRICKS=TRUE\n", "MEDIEVALPHONETICS=FALSE\n",
        "MEDIEVALMEANINGS=FALSE\n", "PLAUTUS=FALSE\n", "ALLOWHASH=TRUE\n", "NEURAL=TRUE\n",
        "FORCEPROPER=FALSE\n", "EASYLATIN=FALSE\n", "ABBREVIATION=FALSE\n",
        "ALLOWUSERPHRASE=TRUE\n", "SHOWUSERPHRASE=TRUE\n", "SINGLEWORDERROR=TRUE\n",
        "FONTTYPE=ARIAL\n", "FONTSIZE=9\n", "FONTBOLD=FALSE\n", "BACKGROUND=YELLOW\n"})
    EXPECT_NE(settings.find(std::string("\n") + line), std::string::npos) << line;
  EXPECT_NE(settings.find("\nBESTORDER=AUTOMATIC\n"), std::string::npos);  // kept on save
}
