// Folder trees for the walks: a chain of nested folders d1/d2/...
#pragma once
#include <cstdio>
#include <filesystem>
#include <functional>

namespace kelvo::testing {

// Creates root/d1/.../dN and calls `at_level(folder, level)` for each.
inline std::filesystem::path nested_folders(
    const std::filesystem::path& root, int levels,
    const std::function<void(const std::filesystem::path&, int)>& at_level = {}) {
  std::filesystem::path deep = root;
  for (int level = 1; level <= levels; ++level) {
    char name[16];
    std::snprintf(name, sizeof name, "d%d", level);
    deep /= name;
    std::filesystem::create_directories(deep);
    if (at_level) at_level(deep, level);
  }
  return deep;
}

}  // namespace kelvo::testing
