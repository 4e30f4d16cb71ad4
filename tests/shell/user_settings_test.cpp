#include "shell/user_settings.h"

#include <gtest/gtest.h>

#include "shell/option_rules.h"
#include "common/test_files.h"

namespace sh = kelvo::shell;
using kelvo::Age;
using kelvo::TranslationOptions;
using kelvo::testing::read_file;
using kelvo::testing::write_file;

namespace {

TranslationOptions load(const std::string& text) {
  kelvo::testing::TempDir dir;
  write_file(dir.file("UserSettings.txt"), text);
  TranslationOptions o;
  EXPECT_TRUE(sh::load_settings(dir.file("UserSettings.txt"), o).is_ok());
  return o;
}

}  // namespace

TEST(UserSettings, LoadingFollowsTheFileOrder) {
  EXPECT_EQ(load("FONTSIZE=20\n").font_size, 9);
  EXPECT_EQ(load("FONTSIZE=14\r\n").font_size, 14);
  EXPECT_EQ(load("FONTSIZE=abc\n").font_size, 9);
  EXPECT_EQ(load("AGE=MEDIEVAL\n").age, Age::medieval);
  EXPECT_EQ(load("AGE=allage\n").age, Age::all);
  EXPECT_EQ(load("AGE=ALLAGES\nEASYLATIN=TRUE\n").age, Age::classical);
  auto o = load("MEDIEVALPHONETICS=TRUE\nMEDIEVALTRICKS=FALSE\n");
  EXPECT_TRUE(o.medieval_phonetics);
  EXPECT_FALSE(o.medieval_tricks);
  o = load("MEDIEVALTRICKS=FALSE\nMEDIEVALPHONETICS=TRUE\n");
  EXPECT_FALSE(o.medieval_phonetics);
  EXPECT_FALSE(load("neural=false\n").neural);
  o = load("MEDIEVALMEANINGS=TRUE\nBESTORDER=SVOE\nBACKGROUND=GREY\nFONTTYPE=courier\n"
           "ALLOWHASH=False\nABBREVIATION=TRUE\nunknown line\nPLAUTUS=maybe\n");
  EXPECT_EQ(o.area, 'M');
  EXPECT_TRUE(o.medieval_meanings);
  EXPECT_EQ(o.best_order, kelvo::WordOrder::svoe);
  EXPECT_EQ(o.background, kelvo::Background::grey);
  EXPECT_EQ(o.font_type, kelvo::FontType::courier);
  EXPECT_FALSE(o.allow_hash);
  EXPECT_TRUE(o.abbreviation);
  EXPECT_FALSE(o.plautus);
}

TEST(UserSettings, MissingFileKeepsTheDefaults) {
  TranslationOptions o;
  auto s = sh::load_settings("/nonexistent/UserSettings.txt", o);
  EXPECT_EQ(s.error().kind, kelvo::ErrorKind::missing);
  EXPECT_EQ(o.age, TranslationOptions{}.age);
}

TEST(UserSettings, SavingRewritesOnlyTheKeysInTheFile) {
  kelvo::testing::TempDir dir;
  write_file(dir.file("usersettings.TXT"),
             "-- my settings\nage=MEDIEVAL\nBESTORDER=NOMVERB\nFONTSIZE=3\nPLAUTUS=FALSE\r\n"
             "SOMETHING=else\n" + std::string(400, 'x') + "\n");
  TranslationOptions o;
  o.age = Age::all;
  o.plautus = true;
  o.font_size = 12;
  ASSERT_TRUE(sh::save_settings(dir.path(), o).is_ok());
  EXPECT_EQ(read_file(dir.file("usersettings.TXT")),
            "-- my settings\nage=ALLAGES\nBESTORDER=NOMVERB\nFONTSIZE=12\nPLAUTUS=TRUE\n"
            "SOMETHING=else\n" + std::string(400, 'x') + "\n");
  EXPECT_FALSE(std::filesystem::exists(dir.file("UserSettings_bak.txt")));
  o.best_order = kelvo::WordOrder::none;
  ASSERT_TRUE(sh::save_settings(dir.path(), o).is_ok());
  EXPECT_NE(read_file(dir.file("usersettings.TXT")).find("BESTORDER=NONE\n"), std::string::npos);
  // The saved file loads back to the same options.
  TranslationOptions back;
  ASSERT_TRUE(sh::load_settings(dir.file("usersettings.TXT"), back).is_ok());
  EXPECT_EQ(back.age, Age::all);
  EXPECT_TRUE(back.plautus);
  EXPECT_EQ(back.font_size, 12);
}

TEST(UserSettings, WithoutAFileNothingIsSaved) {
  kelvo::testing::TempDir dir;
  auto s = sh::save_settings(dir.path(), TranslationOptions{});
  EXPECT_EQ(s.message(), sh::kSettingsNotSaved);
  EXPECT_FALSE(std::filesystem::exists(dir.file("UserSettings.txt")));
}

TEST(UserSettings, ASaveInterruptedBetweenItsStepsLeavesTheOldFileWhole) {
  kelvo::testing::TempDir dir;
  const std::string old = "AGE=CLASSICAL\nPLAUTUS=FALSE\n";
  write_file(dir.file("UserSettings.txt"), old);
  TranslationOptions o;
  o.plautus = true;
  ASSERT_TRUE(sh::write_settings_backup(dir.path(), o).is_ok());
  // Interrupted here: the settings file is untouched, the staging file whole.
  EXPECT_EQ(read_file(dir.file("UserSettings.txt")), old);
  EXPECT_EQ(read_file(dir.file("UserSettings_bak.txt")), "AGE=MEDIEVAL\nPLAUTUS=TRUE\n");
  TranslationOptions loaded;
  ASSERT_TRUE(sh::load_settings(dir.file("UserSettings.txt"), loaded).is_ok());
  EXPECT_EQ(loaded.age, Age::classical);
  // The next save runs to the end over the stale staging file.
  ASSERT_TRUE(sh::save_settings(dir.path(), o).is_ok());
  EXPECT_EQ(read_file(dir.file("UserSettings.txt")), "AGE=MEDIEVAL\nPLAUTUS=TRUE\n");
}

TEST(OptionRules, AreasAgesAndEasyLatin) {
  TranslationOptions o;
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
