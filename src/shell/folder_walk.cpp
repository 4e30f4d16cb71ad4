#include "shell/folder_walk.h"

#include <system_error>

namespace fs = std::filesystem;

namespace kelvo::shell {

namespace {

struct Walker {
  int max_depth;
  const FolderWalkHooks& hooks;
  FolderWalk& out;

  // False once the walk is over.
  bool folder(const fs::path& dir, int depth) {
    if (hooks.keep_going && !hooks.keep_going()) {
      out.cancelled = true;
      return false;
    }
    ++out.folders;
    std::error_code ec;
    fs::directory_iterator it(dir, ec);
    if (ec) {
      out.unreadable.push_back(dir.string());
      return true;
    }
    std::vector<fs::path> subfolders;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
      if (ec) {
        out.unreadable.push_back(dir.string());
        break;
      }
      std::error_code st;
      if (it->is_symlink(st)) continue;
      if (it->is_directory(st)) {
        subfolders.push_back(it->path());
      } else if (it->is_regular_file(st) && hooks.file && !hooks.file(it->path())) {
        out.ended = true;
        return false;
      }
    }
    if (depth >= max_depth) return true;
    for (const auto& sub : subfolders) {
      if (hooks.enter && !hooks.enter(sub)) continue;
      if (!folder(sub, depth + 1)) return false;
    }
    return true;
  }
};

}  // namespace

FolderWalk walk_folders(const fs::path& root, int max_depth, const FolderWalkHooks& hooks) {
  FolderWalk out;
  Walker{max_depth, hooks, out}.folder(root, 0);
  return out;
}

}  // namespace kelvo::shell
