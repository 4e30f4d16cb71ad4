// UserSettings.txt: "KEY=value" lines read at start-up and rewritten by
// "Save User Settings". Only keys already in the file are saved; other lines
// are kept as they are.
#pragma once
#include <cstdint>
#include <string>

#include "base/options.h"
#include "base/status.h"

namespace kelvo::shell {

enum class FontType : std::uint8_t { arial = 0, roman = 1, courier = 2 };
enum class Background : std::uint8_t { white = 0, yellow = 1, grey = 2 };

// What the settings file holds for the window alone.
struct WindowSettings {
  FontType font_type = FontType::arial;
  std::int32_t font_size = 9;
  bool font_bold = false;
  Background background = Background::yellow;
};

// Everything the settings file holds.
struct UserSettings {
  TranslationOptions options;
  WindowSettings window;
};

inline constexpr const char* kSettingsFile = "UserSettings.txt";
inline constexpr const char* kSettingsBackupFile = "UserSettings_bak.txt";
inline constexpr const char* kSaveSettingsQuestion =
    "Saves current user settings to file usersettings.txt.";
inline constexpr const char* kSettingsSaved = "Settings saved.";
inline constexpr const char* kSettingsNotSaved = "Error - Settings not saved.";

// Applies the settings file at `path` to the settings, line by line in file
// order. A missing file is an error of kind `missing` and changes nothing.
Status load_settings(const std::string& path, UserSettings& settings);

// Saves into the UserSettings.txt found in `dir` (any case of the name): the
// new contents go to UserSettings_bak.txt, then the settings file is rewritten
// from it through a temporary name and a rename, so an interrupted save leaves
// the old file whole and the backup stays as a copy. Errors carry
// kSettingsNotSaved.
Status save_settings(const std::string& dir, const UserSettings& settings);

// The two steps of save_settings, on their own.
Status write_settings_backup(const std::string& dir, const UserSettings& settings);
Status replace_settings_with_backup(const std::string& dir);

}  // namespace kelvo::shell
