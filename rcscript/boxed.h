// An optional part of the model kept out of line: one pointer where it is absent, as a help id or
// a MENUEX item's type almost always is. It reads as std::optional does and copies what it holds.
#pragma once

#include <memory>
#include <utility>

namespace tolvex::rc {

template <class T>
class Boxed {
 public:
  Boxed() noexcept = default;
  Boxed(const Boxed& other) : held_(other.held_ ? std::make_unique<T>(*other.held_) : nullptr) {}
  Boxed(Boxed&&) noexcept = default;
  Boxed& operator=(const Boxed& other) {
    if (this != &other) held_ = other.held_ ? std::make_unique<T>(*other.held_) : nullptr;
    return *this;
  }
  Boxed& operator=(Boxed&&) noexcept = default;
  ~Boxed() = default;

  template <class... Args>
  T& emplace(Args&&... args) {
    held_ = std::make_unique<T>(std::forward<Args>(args)...);
    return *held_;
  }
  bool has_value() const noexcept { return held_ != nullptr; }
  explicit operator bool() const noexcept { return has_value(); }
  const T& operator*() const noexcept { return *held_; }
  T& operator*() noexcept { return *held_; }
  const T* operator->() const noexcept { return held_.get(); }
  T* operator->() noexcept { return held_.get(); }

 private:
  std::unique_ptr<T> held_;
};

}  // namespace tolvex::rc
