#include "grammar/checked_tables.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <system_error>
#include <thread>

namespace kelvo::grammar {

namespace {

constexpr std::string_view kMagic = "kelvo-checked-tables 1";
// A memory of 64 files is a few kilobytes; anything much larger is not one.
constexpr std::size_t kMaxBytes = std::size_t{64} * 1024;

}  // namespace

CheckedTables CheckedTables::read(std::string path) {
  CheckedTables m;
  m.path_ = std::move(path);
  if (m.path_.empty()) return m;
  auto file = MappedFile::open(m.path_);
  if (!file || file->size() > kMaxBytes) return m;
  std::string_view text(reinterpret_cast<const char*>(file->bytes().data()), file->size());
  auto next_line = [&text]() {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    return line;
  };
  if (next_line() != kMagic) return m;
  while (!text.empty() && m.entries_.size() < kMaxFiles) {
    const std::string line(next_line());
    Entry e;
    unsigned long long sum = 0, device = 0, inode = 0, size = 0;
    long long modified = 0, changed = 0;
    int at = 0;
    if (std::sscanf(line.c_str(), "%llx %llu %llu %llu %lld %lld %n", &sum, &device, &inode, &size,
                    &modified, &changed, &at) != 6 ||
        at <= 0 || static_cast<std::size_t>(at) >= line.size()) {
      m.entries_.clear();  // not a memory this program wrote: trust none of it
      return m;
    }
    e.file = line.substr(static_cast<std::size_t>(at));
    e.stamp = FileStamp{device, inode, size, modified, changed};
    e.sum = sum;
    m.entries_.push_back(std::move(e));
  }
  return m;
}

bool CheckedTables::knows(std::string_view file, const FileStamp& stamp,
                          std::uint64_t sum) const {
  return std::any_of(entries_.begin(), entries_.end(), [&](const Entry& e) {
    return e.sum == sum && e.stamp == stamp && e.file == file;
  });
}

std::int64_t CheckedTables::clock_ns() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

void CheckedTables::add(std::string_view file, const FileStamp& stamp, std::uint64_t sum,
                        std::int64_t now_ns) {
  if (path_.empty() || file.empty() || file.find('\n') != std::string_view::npos) return;
  if (now_ns - std::max(stamp.modified_ns, stamp.changed_ns) < kSettledNs) return;
  std::erase_if(entries_, [&](const Entry& e) { return e.file == file; });
  if (entries_.size() >= kMaxFiles) entries_.erase(entries_.begin());
  entries_.push_back(Entry{std::string(file), stamp, sum});
  added_ = true;
}

std::string CheckedTables::text() const {
  std::string out(kMagic);
  out += '\n';
  for (const Entry& e : entries_) {
    char head[160];
    std::snprintf(head, sizeof head,
                  "%016" PRIx64 " %" PRIu64 " %" PRIu64 " %" PRIu64 " %" PRId64 " %" PRId64 " ",
                  e.sum, e.stamp.device, e.stamp.inode, e.stamp.size, e.stamp.modified_ns,
                  e.stamp.changed_ns);
    out += head;
    out += e.file;
    out += '\n';
  }
  return out;
}

void CheckedTables::save() const {
  if (!added_ || path_.empty()) return;
  // A name of this thread's own: two programs (or two engines of one) loading
  // at once each write their own and the last rename wins, whole.
  const std::size_t thread = std::hash<std::thread::id>{}(std::this_thread::get_id());
  const std::string temp =
      path_ + "." + std::to_string(::getpid()) + "-" + std::to_string(thread) + ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return;
    out << text();
    out.close();
    if (!out) {
      std::error_code ec;
      std::filesystem::remove(temp, ec);
      return;
    }
  }
  std::error_code ec;
  std::filesystem::rename(temp, path_, ec);
  if (ec) std::filesystem::remove(temp, ec);
}

}  // namespace kelvo::grammar
