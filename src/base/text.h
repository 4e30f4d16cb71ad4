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

// How much of a bad line or word a message quotes.
inline constexpr std::size_t kQuoteLimit = 80;

// At most `limit` bytes of `text` for a message: control bytes shown as '?',
// no UTF-8 sequence cut in two, "..." when something was left off.
inline std::string excerpt(std::string_view text, std::size_t limit = kQuoteLimit) {
  std::size_t n = text.size();
  if (n > limit) {
    n = limit;
    // A UTF-8 sequence has at most three continuation bytes.
    while (n + 3 > limit && n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
  }
  std::string out;
  out.reserve(n + 3);
  for (char c : text.substr(0, n)) {
    const auto u = static_cast<unsigned char>(c);
    out.push_back(u < 32 || u == 127 ? '?' : c);
  }
  if (n < text.size()) out += "...";
  return out;
}

}  // namespace kelvo
