#include "shell/whole_file.h"

#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace kelvo::shell {

namespace {

struct Closer {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

Error cannot(const char* what, const std::string& path) {
  return make_error(ErrorKind::io, std::string("Cannot ") + what + " " + path + ".");
}

}  // namespace

Status write_whole_file(const std::string& path, std::string_view bytes) {
  // A name of this thread's own: two writers at once (two programs, or two
  // threads of one) each write their own, and the last rename wins, whole.
  const std::size_t thread = std::hash<std::thread::id>{}(std::this_thread::get_id());
  const std::string staging =
      path + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(thread);
  std::FILE* f = std::fopen(staging.c_str(), "wb");
  if (!f) return cannot("write", path);
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  ok = std::fflush(f) == 0 && ok;
  ok = ::fsync(::fileno(f)) == 0 && ok;
  ok = std::fclose(f) == 0 && ok;
  std::error_code ec;
  if (ok) std::filesystem::rename(staging, path, ec);
  if (!ok || ec) {
    std::filesystem::remove(staging, ec);
    return cannot("write", path);
  }
  return Status::ok();
}

Result<std::string> read_whole_file(const std::string& path, std::size_t limit, bool* longer) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return cannot("read", path);
  std::unique_ptr<std::FILE, Closer> f(std::fopen(path.c_str(), "rb"));
  if (!f) return make_error(ErrorKind::missing, "Cannot open " + path + ".");
  std::string text;
  char buf[1 << 16];
  while (text.size() <= limit) {
    const std::size_t n = std::fread(buf, 1, sizeof buf, f.get());
    if (n == 0) break;
    text.append(buf, n);
  }
  if (std::ferror(f.get())) return cannot("read", path);
  if (longer) *longer = text.size() > limit;
  if (text.size() > limit) text.resize(limit);
  return text;
}

}  // namespace kelvo::shell
