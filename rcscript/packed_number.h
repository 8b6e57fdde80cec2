// A value's number, when it has one, in five bytes on any address: a model holds eight of them per
// control, and std::optional's alignment padded each to eight bytes and the control's values to
// four more. It reads as std::optional does; a change goes through assignment.
#pragma once

#include <cstring>
#include <optional>
#include <type_traits>

namespace tolvex::rc {

template <class T>
class PackedNumber {
  static_assert(std::is_integral_v<T>, "a packed number holds an integer");

 public:
  PackedNumber() noexcept = default;
  PackedNumber(std::nullopt_t) noexcept {}                 // NOLINT: as std::optional converts
  PackedNumber(T number) noexcept { Set(number); }         // NOLINT
  PackedNumber(const std::optional<T>& number) noexcept {  // NOLINT
    if (number) Set(*number);
  }
  operator std::optional<T>() const noexcept {  // NOLINT: reads as std::optional
    return held_ ? std::optional<T>(Get()) : std::nullopt;
  }

  bool has_value() const noexcept { return held_; }
  explicit operator bool() const noexcept { return held_; }
  T operator*() const noexcept { return Get(); }
  T value_or(T otherwise) const noexcept { return held_ ? Get() : otherwise; }
  void reset() noexcept { held_ = false; }

  friend bool operator==(const PackedNumber& a, const PackedNumber& b) noexcept {
    return a.held_ == b.held_ && (!a.held_ || a.Get() == b.Get());
  }
  friend bool operator!=(const PackedNumber& a, const PackedNumber& b) noexcept {
    return !(a == b);
  }

 private:
  void Set(T number) noexcept {
    std::memcpy(bytes_, &number, sizeof number);
    held_ = true;
  }
  T Get() const noexcept {
    T number;
    std::memcpy(&number, bytes_, sizeof number);
    return number;
  }

  char bytes_[sizeof(T)] = {};
  bool held_ = false;
};

}  // namespace tolvex::rc
