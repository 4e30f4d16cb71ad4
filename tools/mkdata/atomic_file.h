// Whole-file writes that never leave half a file behind.
#pragma once
#include <span>
#include <string>

#include "base/status.h"

namespace kelvo::mkdata {

// Writes `bytes` to "<path>.tmp", flushes it, then renames it over `path`.
// On any failure the temporary file is removed and `path` is left as it was.
Status write_file_atomic(const std::string& path, std::span<const unsigned char> bytes);

// Two steps for writing several files all-or-nothing: stage every file, then
// commit (rename) them all; discard removes whatever was staged.
Status stage_file(const std::string& path, std::span<const unsigned char> bytes);
Status commit_staged(const std::string& path);
void discard_staged(const std::string& path);

}  // namespace kelvo::mkdata
