// Small text helpers for 8-bit Latin and fixed-width record fields.
#pragma once
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace kelvo {

// Text of a NUL-terminated fixed field (never reads past the field). Asked
// for every analysis many times over, so a short field is read eight bytes at
// a time in line rather than through a library call: the lowest byte that the
// zero-byte test marks is the first zero (a false mark only follows a zero).
template <std::size_t N>
std::string_view field_view(const char (&f)[N]) {
  if constexpr (N <= 128 && std::endian::native == std::endian::little) {
    std::size_t i = 0;
    for (; i + 8 <= N; i += 8) {
      std::uint64_t w;
      std::memcpy(&w, f + i, sizeof w);
      const std::uint64_t zero = (w - 0x0101010101010101ull) & ~w & 0x8080808080808080ull;
      if (zero) return std::string_view(f, i + static_cast<std::size_t>(std::countr_zero(zero) / 8));
    }
    for (; i < N; ++i)
      if (f[i] == '\0') return std::string_view(f, i);
    return std::string_view(f, N);
  } else {
    const void* z = std::memchr(f, 0, N);
    return std::string_view(f, z ? static_cast<std::size_t>(static_cast<const char*>(z) - f) : N);
  }
}

// The text of a zero-ended field up to its first `stop` byte, looked at no
// further than `limit` bytes (a multiple of eight: a caller that keeps no
// more of the text need not find its end), eight bytes at a time.
template <std::size_t N>
std::string_view field_view_until(const char (&f)[N], char stop, std::size_t limit) {
  static_assert(N % 8 == 0);
  if constexpr (std::endian::native == std::endian::little) {
    const std::uint64_t stops = 0x0101010101010101ull * static_cast<unsigned char>(stop);
    const std::size_t end = limit < N ? limit : N;
    for (std::size_t i = 0; i < end; i += 8) {
      std::uint64_t w;
      std::memcpy(&w, f + i, sizeof w);
      const std::uint64_t s = w ^ stops;
      // The lowest mark of either test is a true one (a false mark only
      // follows a true one of its own test).
      const std::uint64_t marks = ((w - 0x0101010101010101ull) & ~w) |
                                  ((s - 0x0101010101010101ull) & ~s);
      if (const std::uint64_t m = marks & 0x8080808080808080ull)
        return std::string_view(f, i + static_cast<std::size_t>(std::countr_zero(m) / 8));
    }
    return std::string_view(f, end);
  } else {
    std::string_view t = field_view(f);
    t = t.substr(0, t.find(stop));
    return t.substr(0, limit);
  }
}

// Whether a short text (a word, a stem) holds a zero byte, which no field's
// text can: tested in line, as every stem search asks it.
inline bool has_zero_byte(std::string_view s) {
  for (char c : s)
    if (c == '\0') return true;
  return false;
}

// Zero-ended fields of N bytes (N a multiple of 8) against one key, for the
// searches of sorted tables: no search for a field's end, and eight bytes
// compared at a time. The key is read into words once; a field's bytes past
// the key's length are masked off, so the answers are those of comparing the
// field's text with the key. The key must hold no zero byte (a word's letters
// never do); a key longer than N is not supported (no field can equal it).
template <std::size_t N>
class FieldKey {
  static_assert(N % 8 == 0);

 public:
  explicit FieldKey(std::string_view key) : size_(key.size() < N ? key.size() : N) {
    unsigned char bytes[N] = {};
    if (size_) std::memcpy(bytes, key.data(), size_);
    for (std::size_t w = 0; w < N / 8; ++w) words_[w] = load(bytes + 8 * w);
    used_ = (size_ + 7) / 8;
    const std::size_t tail = size_ % 8;
    last_mask_ = tail ? ~std::uint64_t{0} << (8 * (8 - tail)) : ~std::uint64_t{0};
  }

  bool field_less(const char (&f)[N]) const {
    for (std::size_t w = 0; w < used_; ++w) {
      const std::uint64_t v = load(f + 8 * w) & mask(w);
      if (v != words_[w]) return v < words_[w];
    }
    return false;
  }

  bool field_equals(const char (&f)[N]) const {
    for (std::size_t w = 0; w < used_; ++w)
      if ((load(f + 8 * w) & mask(w)) != words_[w]) return false;
    return size_ == N || f[size_] == '\0';
  }

 private:
  std::uint64_t mask(std::size_t w) const {
    return w + 1 == used_ ? last_mask_ : ~std::uint64_t{0};
  }
  // Eight bytes as a number in their byte order, the first the most significant.
  static std::uint64_t load(const void* p) {
    std::uint64_t v;
    std::memcpy(&v, p, 8);
    if constexpr (std::endian::native == std::endian::little) v = __builtin_bswap64(v);
    return v;
  }

  std::uint64_t words_[N / 8];
  std::size_t size_;
  std::size_t used_;
  std::uint64_t last_mask_;
};

// Two zero-ended fields of one size in the order of their texts (as
// compare_bytes orders them), in one pass that stops at the first difference
// or at the end of both, without looking for either field's end first.
template <std::size_t N>
int compare_fields(const char (&a)[N], const char (&b)[N]) {
  std::size_t i = 0;
  if constexpr (std::endian::native == std::endian::little) {
    // Eight bytes at a time: the first differing byte decides, unless a
    // zero (the same in both up to there) ends the texts before it.
    for (; i + 8 <= N; i += 8) {
      std::uint64_t x, y;
      std::memcpy(&x, a + i, 8);
      std::memcpy(&y, b + i, 8);
      // The lowest bit set marks x's first zero byte (the ones above may be false).
      const std::uint64_t zero = (x - 0x0101010101010101ull) & ~x & 0x8080808080808080ull;
      const std::uint64_t diff = x ^ y;
      if (diff == 0) {
        if (zero) return 0;
        continue;
      }
      const int d = __builtin_ctzll(diff) / 8;
      if (zero && __builtin_ctzll(zero) / 8 < d) return 0;
      const auto xa = static_cast<unsigned char>(a[i + static_cast<std::size_t>(d)]);
      const auto yb = static_cast<unsigned char>(b[i + static_cast<std::size_t>(d)]);
      return xa < yb ? -1 : 1;
    }
  }
  for (; i < N; ++i) {
    const auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (x != y) return x < y ? -1 : 1;
    if (x == 0) return 0;
  }
  return 0;
}

// Bounded copy into a fixed field: at most N-1 bytes, the rest zero-filled.
template <std::size_t N>
void set_field(char (&f)[N], std::string_view s) {
  std::size_t n = s.size() < N - 1 ? s.size() : N - 1;
  std::memcpy(f, s.data(), n);
  std::memset(f + n, 0, N - n);
}

// Text put together in place for a fixed field: it keeps the first N bytes of
// what is appended, as much as the field takes (or one byte more, to tell
// that the text is longer), and never allocates.
template <std::size_t N>
class FieldText {
 public:
  void append(std::string_view s) {
    const std::size_t n = s.size() < N - size_ ? s.size() : N - size_;
    if (n) std::memcpy(data_ + size_, s.data(), n);
    size_ += n;
  }
  std::string_view view() const { return std::string_view(data_, size_); }

 private:
  char data_[N];
  std::size_t size_ = 0;
};

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

// How much of a bad line or word a message quotes.
inline constexpr std::size_t kQuoteLimit = 80;

// The first line of `text` (without its '\n'), taken off `text`.
inline std::string_view take_line(std::string_view& text) {
  const std::size_t end = text.find('\n');
  const std::string_view line = text.substr(0, end);
  text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  return line;
}

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
