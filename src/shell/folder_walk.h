// One walk of a folder tree for the directory lists and the search for the
// medieval dictionary: depth first, a set number of levels down, links not
// followed (a link to a parent would never end), unreadable folders noted
// and passed over, and a question before each folder so that the user can
// stop a long walk.
#pragma once
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace kelvo::shell {

struct FolderWalkHooks {
  std::function<bool()> keep_going;  // asked before each folder; false stops
  // Whether to enter a subfolder (null: every one).
  std::function<bool(const std::filesystem::path& folder)> enter;
  // Each file met; false ends the walk (the file sought was found).
  std::function<bool(const std::filesystem::path& file)> file;
};

struct FolderWalk {
  std::size_t folders = 0;  // folders read
  bool cancelled = false;   // keep_going said no
  bool ended = false;       // a file ended it
  std::vector<std::string> unreadable;
};

// Walks `root` (level 0) and its subfolders down to `max_depth` levels.
FolderWalk walk_folders(const std::filesystem::path& root, int max_depth,
                        const FolderWalkHooks& hooks);

}  // namespace kelvo::shell
