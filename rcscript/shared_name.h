// A file's name as the reading knows it, held once and shared by every place in that file. It
// takes one pointer where a shared_ptr takes two: a script's model has a place for every define,
// control and menu item.
#pragma once

#include <atomic>
#include <string>
#include <utility>

namespace tolvex::rc {

class SharedName {
 public:
  SharedName() noexcept = default;
  explicit SharedName(std::string name) : held_(new Held{{1}, std::move(name)}) {}
  SharedName(const SharedName& other) noexcept : held_(other.held_) {
    if (held_ != nullptr) held_->count.fetch_add(1, std::memory_order_relaxed);
  }
  SharedName(SharedName&& other) noexcept : held_(std::exchange(other.held_, nullptr)) {}
  SharedName& operator=(SharedName other) noexcept {
    std::swap(held_, other.held_);
    return *this;
  }
  ~SharedName() {
    if (held_ != nullptr && held_->count.fetch_sub(1, std::memory_order_acq_rel) == 1) {
      delete held_;
    }
  }

  explicit operator bool() const noexcept { return held_ != nullptr; }
  const std::string& operator*() const noexcept { return held_->name; }
  const std::string* operator->() const noexcept { return &held_->name; }

 private:
  struct Held {
    std::atomic<long> count;
    const std::string name;
  };
  Held* held_ = nullptr;
};

}  // namespace tolvex::rc
