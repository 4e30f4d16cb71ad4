// A list of at most N items kept in place: the per-word work areas of the
// analysis, which must not allocate for every word. The room is left
// uninitialised, as records with zeroed fields would cost a pass over all of
// it on every call.
#pragma once
#include <cstddef>
#include <cstring>
#include <type_traits>

namespace kelvo::analysis {

template <typename T, std::size_t N>
class FixedList {
  static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>);

 public:
  FixedList() {}  // NOLINT: the room stays uninitialised
  FixedList(const FixedList& o) : size_(o.size_) {
    if (size_) std::memcpy(bytes_, o.bytes_, size_ * sizeof(T));
  }
  FixedList& operator=(const FixedList& o) {
    size_ = o.size_;
    if (size_) std::memcpy(bytes_, o.bytes_, size_ * sizeof(T));
    return *this;
  }

  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  static constexpr std::size_t capacity() { return N; }
  void clear() { size_ = 0; }
  // The callers check the room first, as the limits carry their own messages;
  // an item past the end is dropped rather than written out of bounds.
  void push_back(const T& v) {
    if (size_ < N) std::memcpy(bytes_ + size_++ * sizeof(T), &v, sizeof(T));
  }
  T& back() { return begin()[size_ - 1]; }
  T& operator[](std::size_t i) { return begin()[i]; }
  const T& operator[](std::size_t i) const { return begin()[i]; }
  T* begin() { return reinterpret_cast<T*>(bytes_); }
  T* end() { return begin() + size_; }
  const T* begin() const { return reinterpret_cast<const T*>(bytes_); }
  const T* end() const { return begin() + size_; }

 private:
  alignas(T) unsigned char bytes_[N * sizeof(T)];
  std::size_t size_ = 0;
};

}  // namespace kelvo::analysis
