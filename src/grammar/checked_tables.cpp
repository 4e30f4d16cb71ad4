#include "grammar/checked_tables.h"

#include <algorithm>
#include <chrono>
#include <cinttypes>
#include <cstdio>

#include "base/text.h"

namespace kelvo::grammar {

namespace {

constexpr std::string_view kMagic = "kelvo-checked-tables 1";

}  // namespace

CheckedTables CheckedTables::parse(std::string_view text) {
  CheckedTables m;
  if (text.size() > kMaxBytes || take_line(text) != kMagic) return m;
  while (!text.empty() && m.entries_.size() < kMaxFiles) {
    const std::string line(take_line(text));
    unsigned long long sum = 0, device = 0, inode = 0, size = 0;
    long long modified = 0, changed = 0;
    int at = 0;
    if (std::sscanf(line.c_str(), "%llx %llu %llu %llu %lld %lld %n", &sum, &device, &inode, &size,
                    &modified, &changed, &at) != 6 ||
        at <= 0 || static_cast<std::size_t>(at) >= line.size())
      return {};  // not a note this program wrote: trust none of it
    m.entries_.push_back(Entry{line.substr(static_cast<std::size_t>(at)),
                               FileStamp{device, inode, size, modified, changed}, sum});
  }
  return m;
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
  if (file.empty() || file.find('\n') != std::string_view::npos) return;
  if (now_ns - std::max(stamp.modified_ns, stamp.changed_ns) < kSettledNs) return;
  std::erase_if(entries_, [&](const Entry& e) { return e.file == file; });
  if (entries_.size() >= kMaxFiles) entries_.erase(entries_.begin());
  entries_.push_back(Entry{std::string(file), stamp, sum});
  added_ = true;
}

}  // namespace kelvo::grammar
