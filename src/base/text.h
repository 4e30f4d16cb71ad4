// Small text helpers for 8-bit Latin and fixed-width record fields.
#pragma once
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace kelvo {

// Text of a NUL-terminated fixed field (never reads past the field).
template <std::size_t N>
std::string_view field_view(const char (&f)[N]) {
  const void* z = std::memchr(f, 0, N);
  return std::string_view(f, z ? static_cast<std::size_t>(static_cast<const char*>(z) - f) : N);
}

// Bounded copy into a fixed field: at most N-1 bytes, the rest zero-filled.
template <std::size_t N>
void set_field(char (&f)[N], std::string_view s) {
  std::size_t n = s.size() < N - 1 ? s.size() : N - 1;
  std::memcpy(f, s.data(), n);
  std::memset(f + n, 0, N - n);
}

inline char ascii_lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }
inline char ascii_upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }
inline bool is_ascii_letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
inline bool is_ascii_upper(char c) { return c >= 'A' && c <= 'Z'; }
inline bool is_ascii_lower(char c) { return c >= 'a' && c <= 'z'; }
inline bool is_ascii_digit(char c) { return c >= '0' && c <= '9'; }

// Latin as the dictionary writes it: j and v as i and u, in either case.
inline char latin_letter(char c) {
  switch (c) {
    case 'j': return 'i';
    case 'J': return 'I';
    case 'v': return 'u';
    case 'V': return 'U';
    default: return c;
  }
}
inline std::string latin_spelling(std::string_view s) {
  std::string r(s);
  for (char& c : r) c = latin_letter(c);
  return r;
}

inline std::string to_lower(std::string_view s) {
  std::string r(s);
  for (char& c : r) c = ascii_lower(c);
  return r;
}

// True when `text` begins with `prefix`, ignoring ASCII case.
inline bool starts_with_nocase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (ascii_lower(text[i]) != ascii_lower(prefix[i])) return false;
  return true;
}

inline bool equals_nocase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && starts_with_nocase(a, b);
}

// Unsigned byte order, as the sorted tables use.
inline int compare_bytes(std::string_view a, std::string_view b) {
  std::size_t n = a.size() < b.size() ? a.size() : b.size();
  int c = n ? std::memcmp(a.data(), b.data(), n) : 0;
  if (c != 0) return c;
  return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

}  // namespace kelvo
