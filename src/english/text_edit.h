// Small in-place edits of an English slot: the verb phrase and polishing
// rules are all "replace the first X by Y" or "does it end with X".
#pragma once
#include <string>
#include <string_view>

namespace kelvo::english {

inline bool ends_with(std::string_view s, std::string_view tail) {
  return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}
inline bool begins_with(std::string_view s, std::string_view head) {
  return s.substr(0, head.size()) == head;
}
inline bool contains(std::string_view s, std::string_view part) {
  return s.find(part) != std::string_view::npos;
}

// Replaces the first occurrence of `from` by `to`; false when there is none.
inline bool replace_first(std::string& s, std::string_view from, std::string_view to) {
  std::size_t at = s.find(from);
  if (at == std::string::npos) return false;
  s.replace(at, from.size(), to);
  return true;
}

// Removes `head` from the start of `s` when it opens it.
inline void drop_leading(std::string& s, std::string_view head) {
  if (begins_with(s, head)) s.erase(0, head.size());
}

// Cuts `s` to at most `limit` bytes.
inline void cut_to(std::string& s, std::size_t limit) {
  if (s.size() > limit) s.resize(limit);
}

}  // namespace kelvo::english
