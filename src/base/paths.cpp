#include "base/paths.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "base/text.h"

namespace fs = std::filesystem;

namespace kelvo {

std::string version_text() { return KELVO_VERSION; }

std::vector<std::string> data_dir_candidates(const std::string& explicit_dir) {
  std::vector<std::string> out;
  if (!explicit_dir.empty()) {
    out.push_back(explicit_dir);
    return out;
  }
  if (const char* env = std::getenv("KELVO_DATA_DIR"); env && *env) out.emplace_back(env);
  out.emplace_back(KELVO_DATA_INSTALL_DIR);
  // An installed tree that was moved: the data beside the program's bin folder.
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) out.push_back((exe.parent_path().parent_path() / "share" / "kelvo").string());
  out.emplace_back(KELVO_DATA_BUILD_DIR);
  return out;
}

namespace {

// Messages name files by their full paths, whatever folder the user gave.
std::string full_path(const fs::path& p) {
  std::error_code ec;
  fs::path full = fs::absolute(p, ec);
  return ec ? p.string() : full.lexically_normal().string();
}

}  // namespace

std::string find_data_dir(const std::string& explicit_dir) {
  auto cands = data_dir_candidates(explicit_dir);
  for (const auto& d : cands) {
    std::error_code ec;
    if (fs::exists(fs::path(d) / "dictUK.dat", ec)) return full_path(d);
  }
  return full_path(cands.empty() ? std::string(".") : cands.front());
}

std::string user_home_dir(const std::string& explicit_dir) {
  if (!explicit_dir.empty()) return full_path(explicit_dir);
  if (const char* env = std::getenv("KELVO_HOME"); env && *env) return full_path(env);
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
    return full_path(fs::path(xdg) / "kelvo");
  const char* home = std::getenv("HOME");
  return full_path(fs::path(home && *home ? home : ".") / ".local" / "share" / "kelvo");
}

std::vector<std::string> starter_file_dirs() {
  return {KELVO_DATA_INSTALL_DIR, KELVO_SOURCE_DATA_DIR};
}

std::string find_file_nocase(const std::string& dir, const std::string& name) {
  std::error_code ec;
  fs::path exact = fs::path(dir) / name;
  if (fs::exists(exact, ec)) return exact.string();
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    if (equals_nocase(it->path().filename().string(), name)) return it->path().string();
  }
  return {};
}

}  // namespace kelvo
