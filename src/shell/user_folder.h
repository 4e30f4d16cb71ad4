// The per-user folder that holds the user's own files and the working files.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "base/status.h"

namespace kelvo::shell {

// Starter copies put into a new (or incomplete) user folder.
inline constexpr std::array<const char*, 4> kStarterFiles = {
    "Userfile.txt", "userphrases.txt", "UserAbbreviations.txt", "UserSettings.txt"};

// Creates `dir` (and its parents) and copies each starter file the user lacks
// (matched ignoring case) from the first of `starter_dirs()` that holds it. A
// file the user has is never touched; a starter found nowhere is left out.
// Returns the folder.
Result<std::string> ensure_user_folder(const std::string& dir);
Result<std::string> ensure_user_folder(const std::string& dir,
                                       const std::vector<std::string>& starter_dirs);

}  // namespace kelvo::shell
