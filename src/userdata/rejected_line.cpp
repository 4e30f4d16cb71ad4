#include "userdata/rejected_line.h"

#include "base/text.h"

namespace kelvo::userdata {

namespace {
std::string one_line(std::string s) {
  while (!s.empty() && (s.back() == '\n' || s.back() == ' ')) s.pop_back();
  for (char& c : s)
    if (c == '\n') c = ' ';
  return s;
}
}  // namespace

std::string format_rejected(const RejectedLine& r) {
  return r.file + ":" + std::to_string(r.line_number) + ": rejected '" + excerpt(r.text) +
         "' (" + one_line(r.reason) + ")";
}

std::string format_rejected(const std::vector<RejectedLine>& lines) {
  std::string out;
  for (const auto& r : lines) out += format_rejected(r) + "\n";
  return out;
}

}  // namespace kelvo::userdata
