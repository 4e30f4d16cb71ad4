#include "shell/user_settings.h"

#include <gtest/gtest.h>

#include "shell/option_rules.h"
#include "common/test_files.h"

namespace sh = kelvo::shell;
using kelvo::Age;
using Settings = kelvo::shell::UserSettings;
using kelvo::testing::read_file;
using kelvo::testing::write_file;

namespace {

Settings load(const std::string& text) {
  kelvo::testing::TempDir dir;
  write_file(dir.file("UserSettings.txt"), text);
  Settings o;
  EXPECT_TRUE(sh::load_settings(dir.file("UserSettings.txt"), o).is_ok());
  return o;
}

}  // namespace

TEST(UserSettings, LoadingFollowsTheFileOrder) {
  EXPECT_EQ(load("FONTSIZE=20\n").window.font_size, 9);
  EXPECT_EQ(load("FONTSIZE=14\r\n").window.font_size, 14);
  EXPECT_EQ(load("FONTSIZE=abc\n").window.font_size, 9);
  EXPECT_EQ(load("AGE=MEDIEVAL\n").options.age, Age::medieval);
  EXPECT_EQ(load("AGE=allage\n").options.age, Age::all);
  EXPECT_EQ(load("AGE=ALLAGES\nEASYLATIN=TRUE\n").options.age, Age::classical);
  auto o = load("MEDIEVALPHONETICS=TRUE\nMEDIEVALTRICKS=FALSE\n");
  EXPECT_TRUE(o.options.medieval_phonetics);
  EXPECT_FALSE(o.options.medieval_tricks);
  o = load("MEDIEVALTRICKS=FALSE\nMEDIEVALPHONETICS=TRUE\n");
  EXPECT_FALSE(o.options.medieval_phonetics);
  EXPECT_FALSE(load("neural=false\n").options.neural);
  o = load("MEDIEVALMEANINGS=TRUE\nBESTORDER=SVOE\nBACKGROUND=GREY\nFONTTYPE=courier\n"
           "ALLOWHASH=False\nABBREVIATION=TRUE\nunknown line\nPLAUTUS=maybe\n");
  EXPECT_EQ(o.options.area, 'M');
  EXPECT_TRUE(o.options.medieval_meanings);
  EXPECT_EQ(o.options.best_order, kelvo::WordOrder::svoe);
  EXPECT_EQ(o.window.background, kelvo::shell::Background::grey);
  EXPECT_EQ(o.window.font_type, kelvo::shell::FontType::courier);
  EXPECT_FALSE(o.options.allow_hash);
  EXPECT_TRUE(o.options.abbreviation);
  EXPECT_FALSE(o.options.plautus);
}

TEST(UserSettings, MissingFileKeepsTheDefaults) {
  Settings o;
  auto s = sh::load_settings("/nonexistent/UserSettings.txt", o);
  EXPECT_EQ(s.error().kind, kelvo::ErrorKind::missing);
  EXPECT_EQ(o.options.age, kelvo::TranslationOptions{}.age);
}

TEST(UserSettings, SavingRewritesOnlyTheKeysInTheFile) {
  kelvo::testing::TempDir dir;
  write_file(dir.file("usersettings.TXT"),
             "-- my settings\nage=MEDIEVAL\nBESTORDER=NOMVERB\nFONTSIZE=3\nPLAUTUS=FALSE\r\n"
             "SOMETHING=else\n" + std::string(400, 'x') + "\n");
  Settings o;
  o.options.age = Age::all;
  o.options.plautus = true;
  o.window.font_size = 12;
  ASSERT_TRUE(sh::save_settings(dir.path(), o).is_ok());
  EXPECT_EQ(read_file(dir.file("usersettings.TXT")),
            "-- my settings\nage=ALLAGES\nBESTORDER=NOMVERB\nFONTSIZE=12\nPLAUTUS=TRUE\n"
            "SOMETHING=else\n" + std::string(400, 'x') + "\n");
  // The backup stays: a copy of the settings just saved.
  EXPECT_EQ(read_file(dir.file("UserSettings_bak.txt")), read_file(dir.file("usersettings.TXT")));
  EXPECT_FALSE(std::filesystem::exists(dir.file("usersettings.TXT.tmp")));
  o.options.best_order = kelvo::WordOrder::none;
  ASSERT_TRUE(sh::save_settings(dir.path(), o).is_ok());
  EXPECT_NE(read_file(dir.file("usersettings.TXT")).find("BESTORDER=NONE\n"), std::string::npos);
  // The saved file loads back to the same options.
  Settings back;
  ASSERT_TRUE(sh::load_settings(dir.file("usersettings.TXT"), back).is_ok());
  EXPECT_EQ(back.options.age, Age::all);
  EXPECT_TRUE(back.options.plautus);
  EXPECT_EQ(back.window.font_size, 12);
}

TEST(UserSettings, WithoutAFileNothingIsSaved) {
  kelvo::testing::TempDir dir;
  auto s = sh::save_settings(dir.path(), Settings{});
  EXPECT_EQ(s.message(), sh::kSettingsNotSaved);
  EXPECT_FALSE(std::filesystem::exists(dir.file("UserSettings.txt")));
}

TEST(UserSettings, ASaveInterruptedBetweenItsStepsLeavesTheOldFileWhole) {
  kelvo::testing::TempDir dir;
  const std::string old = "AGE=CLASSICAL\nPLAUTUS=FALSE\n";
  write_file(dir.file("UserSettings.txt"), old);
  Settings o;
  o.options.plautus = true;
  ASSERT_TRUE(sh::write_settings_backup(dir.path(), o).is_ok());
  // Interrupted here: the settings file is untouched, the staging file whole.
  EXPECT_EQ(read_file(dir.file("UserSettings.txt")), old);
  EXPECT_EQ(read_file(dir.file("UserSettings_bak.txt")), "AGE=MEDIEVAL\nPLAUTUS=TRUE\n");
  Settings loaded;
  ASSERT_TRUE(sh::load_settings(dir.file("UserSettings.txt"), loaded).is_ok());
  EXPECT_EQ(loaded.options.age, Age::classical);
  // The next save runs to the end over the stale staging file.
  ASSERT_TRUE(sh::save_settings(dir.path(), o).is_ok());
  EXPECT_EQ(read_file(dir.file("UserSettings.txt")), "AGE=MEDIEVAL\nPLAUTUS=TRUE\n");
}

TEST(OptionRules, AreasAgesAndEasyLatin) {
  kelvo::TranslationOptions o;
  o.auto_adjusting = true;
  EXPECT_TRUE(sh::choose_area(o, 'L'));
  EXPECT_FALSE(o.auto_adjusting);
  EXPECT_TRUE(sh::choose_area(o, 'M'));  // AGE medieval by default
  EXPECT_TRUE(o.medieval_meanings);
  EXPECT_FALSE(sh::choose_area(o, 'Z'));
  EXPECT_FALSE(sh::choose_area(o, 'H'));
  EXPECT_FALSE(sh::choose_area(o, 'Q'));
  sh::set_auto_adjusting(o, true);
  EXPECT_EQ(o.area, 0);
  o.area = 'E';
  sh::reset_area_for_run(o);
  EXPECT_EQ(o.area, 0);

  o = {};
  o.age = Age::all;
  o.botany = true;
  EXPECT_TRUE(sh::choose_area(o, 'H'));
  sh::refresh_area_flags(o, true);  // under AGE all only 'Z' survives a refresh
  EXPECT_EQ(o.area, 0);
  EXPECT_TRUE(sh::choose_area(o, 'Z'));
  sh::refresh_area_flags(o, true);
  EXPECT_TRUE(o.neolatin_meanings);
  sh::set_age(o, Age::all);
  EXPECT_TRUE(o.botany);
  sh::set_age(o, Age::classical);
  EXPECT_FALSE(o.botany);

  o = {};
  o.botany = true;
  o.medieval_phonetics = true;
  EXPECT_EQ(sh::set_easy_latin(o, true).substr(0, 27), "EASY (TEACHING) LATIN MODE.");
  EXPECT_EQ(o.age, Age::classical);
  EXPECT_FALSE(o.medieval_tricks || o.medieval_phonetics || o.botany);
  EXPECT_EQ(sh::set_easy_latin(o, false), sh::kEasyLatinOffMessage);
  EXPECT_TRUE(o.medieval_tricks);
}
