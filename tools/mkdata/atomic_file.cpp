#include "mkdata/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace kelvo::mkdata {

namespace {

std::string temp_name(const std::string& path) { return path + ".tmp"; }

Error io_error(const std::string& path, std::string_view what) {
  return make_error(ErrorKind::io,
                    path + ": " + std::string(what) + ": " + std::strerror(errno));
}

}  // namespace

Status stage_file(const std::string& path, std::span<const unsigned char> bytes) {
  const std::string tmp = temp_name(path);
  std::FILE* f = std::fopen(tmp.c_str(), "wb");
  if (!f) return io_error(tmp, "cannot create");
  bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  ok = (std::fflush(f) == 0) && ok;
  ok = (std::fclose(f) == 0) && ok;
  if (!ok) {
    Error e = io_error(tmp, "cannot write");
    std::remove(tmp.c_str());
    return e;
  }
  return Status::ok();
}

Status commit_staged(const std::string& path) {
  const std::string tmp = temp_name(path);
  if (std::rename(tmp.c_str(), path.c_str()) != 0) {
    Error e = io_error(path, "cannot rename the new file into place");
    std::remove(tmp.c_str());
    return e;
  }
  return Status::ok();
}

void discard_staged(const std::string& path) { std::remove(temp_name(path).c_str()); }

Status write_file_atomic(const std::string& path, std::span<const unsigned char> bytes) {
  Status s = stage_file(path, bytes);
  if (!s) return s;
  return commit_staged(path);
}

}  // namespace kelvo::mkdata
