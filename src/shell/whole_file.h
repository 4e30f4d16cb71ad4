// Files read and written whole. A write goes to a temporary name in the same
// folder and replaces the file by a rename, so a reader never meets half a
// file and a failed write leaves the old one as it was.
#pragma once
#include <string>
#include <string_view>

#include "base/status.h"

namespace kelvo::shell {

Status write_whole_file(const std::string& path, std::string_view bytes);

// At most `limit` bytes of the file; `*longer` (when given) tells whether
// there was more.
Result<std::string> read_whole_file(const std::string& path, std::size_t limit,
                                    bool* longer = nullptr);

}  // namespace kelvo::shell
