#include "shell/medieval_dictionary.h"

#include <filesystem>
#include <system_error>

#include "base/paths.h"
#include "base/text.h"
#include "shell/folder_walk.h"
#include "shell/whole_file.h"

namespace fs = std::filesystem;

namespace kelvo::shell {

namespace {

constexpr std::size_t kTableBytes = kMedievalRecordBytes * kMedievalRecords;
// A meddict.dat bigger than this is not one.
constexpr std::size_t kMaxMedievalBytes = 64 << 20;

}  // namespace

bool has_medieval_marker(std::string_view table) {
  if (table.size() < kMedievalMarkerOffset + 4 || kMedievalMarkerOffset + 4 > kTableBytes)
    return false;
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i)
    v = (v << 8) | static_cast<unsigned char>(table[kMedievalMarkerOffset + static_cast<std::size_t>(i)]);
  return v == kMedievalMarker;
}

bool medieval_dictionary_present(const std::vector<std::string>& folders) {
  for (const auto& dir : folders) {
    if (dir.empty()) continue;
    const std::string path = find_file_nocase(dir, kMedievalFile);
    if (path.empty()) continue;
    auto bytes = read_whole_file(path, kTableBytes);
    return bytes && has_medieval_marker(*bytes);
  }
  return false;
}

std::string medieval_missing_message(const std::string& user_folder) {
  return "The program cannot find your free copy of 'meddict.dat' (medieval dictionary).\n"
         "It should be placed in your Kelvo folder (" +
         user_folder +
         ").\nMeanwhile, the program cannot use this medieval dictionary.\n"
         "See menu item 'Help', and look for 'meddict'";
}

MedievalSearch find_medieval_dictionary(const std::vector<std::string>& roots,
                                        const std::function<bool()>& keep_going) {
  MedievalSearch out;
  FolderWalkHooks hooks;
  hooks.keep_going = keep_going;
  hooks.file = [&out](const fs::path& file) {
    if (!equals_nocase(file.filename().string(), kMedievalFile)) return true;
    out.found = file.string();
    return false;
  };
  for (const auto& root : roots) {
    if (root.empty()) continue;
    const FolderWalk walk = walk_folders(root, kMedievalSearchDepth, hooks);
    out.folders += walk.folders;
    out.cancelled = walk.cancelled;
    if (walk.cancelled || walk.ended) break;
  }
  return out;
}

Result<MedievalInstall> install_medieval_dictionary(const std::string& found,
                                                    const std::string& user_folder) {
  bool longer = false;
  auto bytes = read_whole_file(found, kMaxMedievalBytes, &longer);
  if (!bytes) return bytes.error();
  if (longer) return make_error(ErrorKind::corrupt, found + " is too big to be meddict.dat.");
  MedievalInstall report;
  report.records = bytes->size() / kMedievalRecordBytes;
  bytes->resize(report.records * kMedievalRecordBytes);  // whole records only
  report.usable = report.records >= kMedievalRecords && has_medieval_marker(*bytes);

  const fs::path home(user_folder);
  const fs::path target = home / kMedievalFile;
  std::error_code ec;
  if (!fs::equivalent(found, target, ec)) {
    if (Status s = write_whole_file(target.string(), *bytes); !s) return s.error();
  }
  const std::string beside = find_file_nocase(fs::path(found).parent_path().string(), kPhrasesFile);
  if (beside.empty()) return report;
  const std::string mine = find_file_nocase(user_folder, kPhrasesFile);
  if (!mine.empty() && fs::equivalent(beside, mine, ec)) return report;
  auto phrases = read_whole_file(beside, kMaxMedievalBytes);
  if (!phrases) return phrases.error();
  if (!mine.empty()) {
    auto own = read_whole_file(mine, kMaxMedievalBytes);
    if (own && *own == *phrases) return report;
    // The user's own phrases are never lost to the copy.
    if (!own) return own.error();
    if (Status s = write_whole_file((home / kPhrasesBackupFile).string(), *own); !s)
      return s.error();
    report.phrases_backed_up = true;
  }
  const std::string dest = mine.empty() ? (home / kPhrasesFile).string() : mine;
  if (Status s = write_whole_file(dest, *phrases); !s) return s.error();
  report.phrases_copied = true;
  return report;
}

}  // namespace kelvo::shell
