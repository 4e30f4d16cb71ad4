// A list of at most N items kept in place: the per-word work areas of the
// analysis, which must not allocate for every word.
#pragma once
#include <array>
#include <cstddef>

namespace kelvo::analysis {

template <typename T, std::size_t N>
class FixedList {
 public:
  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  static constexpr std::size_t capacity() { return N; }
  void clear() { size_ = 0; }
  // The callers check the room first, as the limits carry their own messages;
  // an item past the end is dropped rather than written out of bounds.
  void push_back(const T& v) {
    if (size_ < N) items_[size_++] = v;
  }
  T& back() { return items_[size_ - 1]; }
  T& operator[](std::size_t i) { return items_[i]; }
  const T& operator[](std::size_t i) const { return items_[i]; }
  T* begin() { return items_.data(); }
  T* end() { return items_.data() + size_; }
  const T* begin() const { return items_.data(); }
  const T* end() const { return items_.data() + size_; }

 private:
  std::array<T, N> items_;
  std::size_t size_ = 0;
};

}  // namespace kelvo::analysis
