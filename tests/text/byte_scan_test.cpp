#include "text/byte_scan.h"

#include <gtest/gtest.h>

#include <string>

namespace a = kelvo::text;

namespace {

std::size_t naive_skip_ascii(std::string_view s, std::size_t i) {
  while (i < s.size() && s[i] != 0 && static_cast<unsigned char>(s[i]) < 0x80) ++i;
  return i;
}

std::size_t naive_find(std::string_view s, char c, std::size_t i, std::size_t end) {
  while (i < end && s[i] != c) ++i;
  return i;
}

}  // namespace

// The eight-byte steps must agree with a byte loop wherever the byte sits:
// inside a block, on its edges, in the tail shorter than a block, or nowhere.
TEST(ByteScan, AgreesWithAByteLoopAtEveryPosition) {
  const char specials[] = {'\0', '\x80', '\xFF', '\x7F', ' ', 'b'};
  for (std::size_t size = 0; size <= 27; ++size) {
    for (std::size_t at = 0; at <= size; ++at) {
      for (char special : specials) {
        std::string s(size, 'a');
        if (at < size) s[at] = special;
        for (std::size_t from = 0; from <= size; ++from) {
          EXPECT_EQ(a::skip_ascii(s, from), naive_skip_ascii(s, from))
              << "size " << size << " at " << at << " byte " << int(special) << " from " << from;
          for (std::size_t end = from; end <= size; ++end)
            ASSERT_EQ(a::find_byte(s, special, from, end), naive_find(s, special, from, end))
                << "size " << size << " at " << at << " from " << from << " end " << end;
        }
      }
    }
  }
}

TEST(ByteScan, MarksExactlyTheMatchingBytes) {
  // Neighbours that differ by one bit or carry must not be marked.
  const std::string s("\x01\x00\xFF\x80 !\x1F\x00", 8);
  const std::uint64_t w = a::load_bytes(s.data());
  EXPECT_EQ(a::zero_bytes(w), 0x8000000000008000ull);
  EXPECT_EQ(a::bytes_equal(w, ' '), 0x0000008000000000ull);
  EXPECT_EQ(a::first_marked(a::zero_bytes(w)), 1u);
}
