#include "grammar/table_sums.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "base/mapped_file.h"
#include "base/text.h"

namespace kelvo::grammar {

namespace {

constexpr std::string_view kMagic = "kelvo-table-sums";

}  // namespace

std::uint64_t table_checksum(std::span<const std::byte> bytes) {
  // Two lanes of two 64-bit sums each: the compiler keeps them in vector
  // registers, four times as fast as plain words (memory keeps up).
  using Lanes = std::uint64_t __attribute__((vector_size(16)));
  Lanes a0 = {1, 2}, a1 = {3, 4}, b0 = {0, 0}, b1 = {0, 0};
  const std::byte* p = bytes.data();
  const std::size_t n = bytes.size();
  std::size_t i = 0;
  for (; i + 32 <= n; i += 32) {
    Lanes w0, w1;
    std::memcpy(&w0, p + i, sizeof w0);
    std::memcpy(&w1, p + i + 16, sizeof w1);
    a0 += w0;
    a1 += w1;
    b0 += a0;
    b1 += a1;
  }
  std::uint64_t a[4] = {a0[0], a0[1], a1[0], a1[1]}, b[4] = {b0[0], b0[1], b1[0], b1[1]};
  for (; i < n; ++i) {
    a[0] += static_cast<std::uint64_t>(p[i]);
    b[0] += a[0];
  }
  std::uint64_t h = n;
  for (int k = 0; k < 4; ++k) {
    h = (h ^ a[k]) * 0x9E3779B97F4A7C15ull;
    h = (h ^ b[k]) * 0xC2B2AE3D27D4EB4Full;
  }
  return h ^ (h >> 29);
}

std::string table_sums_text(const std::vector<TableSum>& sums) {
  std::string out = std::string(kMagic) + " " + std::to_string(kTableSumsVersion) + "\n";
  for (const TableSum& s : sums) {
    char line[128];
    std::snprintf(line, sizeof line, " %" PRIu64 " %016" PRIx64 "\n", s.size, s.sum);
    out += s.file;
    out += line;
  }
  return out;
}

std::vector<TableSum> parse_table_sums(std::string_view text) {
  std::vector<TableSum> out;
  if (take_line(text) != std::string(kMagic) + " " + std::to_string(kTableSumsVersion)) return {};
  while (!text.empty()) {
    const std::string line(take_line(text));
    char name[64];
    unsigned long long size = 0, sum = 0;
    char extra = 0;
    if (std::sscanf(line.c_str(), "%63s %llu %llx %c", name, &size, &sum, &extra) != 3) return {};
    out.push_back(TableSum{name, size, sum});
  }
  return out;
}

TableSums TableSums::read(const std::string& dir) {
  auto file = MappedFile::open((std::filesystem::path(dir) / kTableSumsFile).string());
  if (!file || file->size() > 4096) return {};
  const auto bytes = file->bytes();
  return TableSums(
      parse_table_sums(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size())));
}

const TableSum* TableSums::find(std::string_view file) const {
  for (const TableSum& s : sums_)
    if (s.file == file) return &s;
  return nullptr;
}

bool TableSums::size_matches(std::string_view file, std::size_t size) const {
  const TableSum* s = find(file);
  return s && s->size == size;
}

bool TableSums::vouches(std::string_view file, std::span<const std::byte> bytes) const {
  const TableSum* s = find(file);
  return s && s->size == bytes.size() && s->sum == table_checksum(bytes);
}

bool TableSums::vouches(std::string_view file, const std::string& path, const MappedFile& mapped,
                        CheckedTables* checked) const {
  const TableSum* s = find(file);
  if (!s || s->size != mapped.size()) return false;
  if (checked && checked->knows(path, mapped.stamp(), s->sum)) return true;
  if (s->sum != table_checksum(mapped.bytes())) return false;
  if (checked) checked->add(path, mapped.stamp(), s->sum);
  return true;
}

}  // namespace kelvo::grammar
