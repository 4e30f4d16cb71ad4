// A user-file line that a loader refused, kept for the command line to report.
#pragma once
#include <string>
#include <vector>

namespace kelvo::userdata {

struct RejectedLine {
  std::string file;    // path of the file
  int line_number = 0;
  std::string text;    // the line as read
  std::string reason;  // the message that refused it
};

// "FILE:LINE: rejected 'TEXT' (REASON)", quoting at most kQuoteLimit
// characters of the text, control bytes shown as '?'.
std::string format_rejected(const RejectedLine& r);
std::string format_rejected(const std::vector<RejectedLine>& lines);

}  // namespace kelvo::userdata
