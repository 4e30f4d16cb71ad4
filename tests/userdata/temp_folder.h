// A fresh folder under the system temporary folder, removed with the fixture.
#pragma once
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace kelvo::testing {

class TempFolder {
 public:
  TempFolder() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "kelvo-test-XXXXXX").string();
    if (char* made = ::mkdtemp(tmpl.data())) path_ = made;
  }
  ~TempFolder() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string file(std::string_view name) const {
    return (std::filesystem::path(path_) / name).string();
  }
  void write(std::string_view name, std::string_view text) const {
    std::ofstream(file(name), std::ios::binary) << text;
  }

 private:
  std::string path_;
};

inline std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace kelvo::testing
