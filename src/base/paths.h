// Where the data files and the user's files live.
#pragma once
#include <string>
#include <vector>

namespace kelvo {

std::string version_text();

// Candidate data folders in search order: --data, KELVO_DATA_DIR, the installed
// folder, the build tree's generated folder.
std::vector<std::string> data_dir_candidates(const std::string& explicit_dir);

// The first candidate that holds the dictionary, else the first candidate.
std::string find_data_dir(const std::string& explicit_dir);

// The per-user folder: --home, KELVO_HOME, $XDG_DATA_HOME/kelvo, ~/.local/share/kelvo.
std::string user_home_dir(const std::string& explicit_dir);

// The project's own text sources (starter user files), as built or installed.
std::vector<std::string> starter_file_dirs();

// Finds `name` in `dir` ignoring case; returns the full path of the match or "".
std::string find_file_nocase(const std::string& dir, const std::string& name);

}  // namespace kelvo
