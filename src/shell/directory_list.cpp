#include "shell/directory_list.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>

#include "base/text.h"
#include "shell/folder_walk.h"
#include "shell/whole_file.h"
#include "userdata/shell_sort.h"

namespace fs = std::filesystem;

namespace kelvo::shell {

namespace {

// Working files of the program that may lie among the user's texts.
constexpr std::array<std::string_view, 4> kOwnFiles = {"fails.txt", "dirkelvo.txt", "parser.txt",
                                                       "user.txt"};

// A list of this size is no list of text files.
constexpr std::size_t kMaxListBytes = 256u << 20;

fs::path normal(const std::string& p) {
  std::error_code ec;
  fs::path abs = fs::weakly_canonical(fs::absolute(p, ec), ec);
  return abs.lexically_normal();
}

}  // namespace

bool inside_folder(const std::string& folder, const std::vector<std::string>& program_folders) {
  const fs::path f = normal(folder);
  for (const auto& p : program_folders) {
    if (p.empty()) continue;
    const fs::path base = normal(p);
    auto [b, _] = std::mismatch(base.begin(), base.end(), f.begin(), f.end());
    if (b == base.end()) return true;
  }
  return false;
}

bool listed_file_name(std::string_view name) {
  if (name.size() <= 4 || !equals_nocase(name.substr(name.size() - 4), ".txt")) return false;
  for (auto own : kOwnFiles)
    if (equals_nocase(name, own)) return false;
  return true;
}

DirectoryListing list_text_files(const std::string& folder, const std::vector<std::string>& skipped,
                                 const std::function<bool()>& keep_going) {
  DirectoryListing out;
  std::vector<fs::path> skip;
  for (const auto& s : skipped)
    if (!s.empty()) skip.push_back(normal(s));
  FolderWalkHooks hooks;
  hooks.keep_going = keep_going;
  hooks.enter = [&skip](const fs::path& dir) {
    return skip.empty() || std::find(skip.begin(), skip.end(), normal(dir.string())) == skip.end();
  };
  hooks.file = [&out](const fs::path& file) {
    if (listed_file_name(file.filename().string())) out.files.push_back(file.string());
    return true;
  };
  const FolderWalk walk = walk_folders(folder, kDirectoryDepth, hooks);
  out.folders = walk.folders;
  out.cancelled = walk.cancelled;
  out.unreadable = walk.unreadable;
  if (out.cancelled || out.files.size() > kMaxSortedFiles) return out;
  userdata::shell_sort(std::span<std::string>(out.files), [](const std::string& a, const std::string& b) {
    return compare_bytes(to_lower(a), to_lower(b)) < 0;
  });
  out.sorted = true;
  return out;
}

std::string directory_list_text(const std::string& folder, const DirectoryListing& listing) {
  std::string text = folder + "\n";
  for (const auto& f : listing.files) text += f + "\n";
  text += std::to_string(listing.files.size()) + kCountSuffix + "\n";
  return text;
}

std::string directory_list_done(std::size_t files) {
  return "Successfully completed construction of 'DIRKelvo.TXT' look-up files.\n " +
         std::to_string(files) + " files found.";
}

Status write_directory_list(const std::string& folder, const DirectoryListing& listing) {
  const std::string path = (fs::path(folder) / kDirectoryListName).string();
  if (!write_whole_file(path, directory_list_text(folder, listing)))
    return make_error(ErrorKind::io, "Cannot open file " + path + ". Already open elsewhere?");
  return Status::ok();
}

Result<DirectoryList> read_directory_list(const std::string& path) {
  auto text = read_whole_file(path, kMaxListBytes);
  if (!text) return text.error();
  DirectoryList list;
  std::string_view rest = *text;
  bool first = true;
  while (!rest.empty()) {
    const std::size_t nl = rest.find('\n');
    std::string_view line = rest.substr(0, nl);
    rest.remove_prefix(nl == std::string_view::npos ? rest.size() : nl + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (first) {
      list.folder = std::string(line);
      first = false;
    } else if (line.find("= No. of file") != std::string_view::npos) {
      list.declared = std::strtol(std::string(line).c_str(), nullptr, 10);
    } else if (!line.empty()) {
      list.files.emplace_back(line);
    }
  }
  return list;
}

std::string list_header_mismatch(const DirectoryList& list, const std::string& chosen_this_run) {
  if (chosen_this_run.empty() || equals_nocase(list.folder, chosen_this_run)) return {};
  return "Header for 'DIRKelvo.TXT' (" + list.folder +
         ") does not match subdirectory you selected.";
}

}  // namespace kelvo::shell
