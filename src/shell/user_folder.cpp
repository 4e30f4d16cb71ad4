#include "shell/user_folder.h"

#include <filesystem>
#include <system_error>
#include <unistd.h>

#include "base/paths.h"

namespace fs = std::filesystem;

namespace kelvo::shell {

namespace {

// Copies via a temporary name in the target folder, then renames, so a user
// never finds a half-written starter.
Status copy_starter(const fs::path& from, const fs::path& to) {
  fs::path tmp = to;
  tmp += ".tmp" + std::to_string(::getpid());
  std::error_code ec;
  fs::copy_file(from, tmp, fs::copy_options::overwrite_existing, ec);
  if (!ec) fs::rename(tmp, to, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(tmp, ignored);
    return make_error(ErrorKind::io,
                      "Cannot copy " + from.string() + " to " + to.string() + ": " + ec.message());
  }
  return Status::ok();
}

}  // namespace

Result<std::string> ensure_user_folder(const std::string& dir) {
  return ensure_user_folder(dir, starter_file_dirs());
}

Result<std::string> ensure_user_folder(const std::string& dir,
                                       const std::vector<std::string>& starter_dirs) {
  if (dir.empty()) return make_error(ErrorKind::usage, "No user folder given");
  std::error_code ec;
  fs::create_directories(dir, ec);
  if (ec || !fs::is_directory(dir, ec))
    return make_error(ErrorKind::io, "Cannot create the user folder " + dir +
                                         (ec ? ": " + ec.message() : std::string()));
  for (const char* name : kStarterFiles) {
    if (!find_file_nocase(dir, name).empty()) continue;
    for (const auto& from_dir : starter_dirs) {
      if (fs::equivalent(from_dir, dir, ec)) continue;
      std::string from = find_file_nocase(from_dir, name);
      if (from.empty() || !fs::is_regular_file(from, ec)) continue;
      if (Status s = copy_starter(from, fs::path(dir) / name); !s) return s.error();
      break;
    }
  }
  return dir;
}

}  // namespace kelvo::shell
