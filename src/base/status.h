// Errors travel as values across the core's interface.
#pragma once
#include <string>
#include <utility>
#include <variant>

namespace kelvo {

enum class ErrorKind { io, missing, corrupt, limit, usage, cancelled };

struct Error {
  ErrorKind kind = ErrorKind::io;
  std::string message;
};

class Status {
 public:
  Status() = default;
  Status(Error e) : error_(std::move(e)), ok_(false) {}  // NOLINT: implicit by design
  static Status ok() { return {}; }
  bool is_ok() const { return ok_; }
  explicit operator bool() const { return ok_; }
  const Error& error() const { return error_; }
  const std::string& message() const { return error_.message; }

 private:
  Error error_{};
  bool ok_ = true;
};

template <typename T>
class Result {
 public:
  Result(T value) : v_(std::move(value)) {}  // NOLINT: implicit by design
  Result(Error e) : v_(std::move(e)) {}      // NOLINT
  bool is_ok() const { return std::holds_alternative<T>(v_); }
  explicit operator bool() const { return is_ok(); }
  T& value() { return std::get<T>(v_); }
  const T& value() const { return std::get<T>(v_); }
  T& operator*() { return value(); }
  const T& operator*() const { return value(); }
  T* operator->() { return &value(); }
  const T* operator->() const { return &value(); }
  const Error& error() const { return std::get<Error>(v_); }
  Status status() const { return is_ok() ? Status::ok() : Status(error()); }

 private:
  std::variant<T, Error> v_;
};

inline Error make_error(ErrorKind k, std::string msg) { return Error{k, std::move(msg)}; }

}  // namespace kelvo
