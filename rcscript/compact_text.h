// A text of the model in 16 bytes: up to 15 bytes are held in place, a longer text in a buffer of
// its own. A script's model holds a dozen texts per control and most of them are short (a number,
// a keyword, a name), so the model is half the size it is with std::string and most of its texts
// take no allocation at all. It reads as a std::string_view and compares as a std::string does.
#pragma once

#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tolvex::rc {

class CompactText {
 public:
  CompactText() noexcept { Empty(); }
  CompactText(std::string_view text) { Assign(text); }  // NOLINT: reads as its text
  CompactText(const std::string& text) : CompactText(std::string_view(text)) {}  // NOLINT
  CompactText(const char* text) : CompactText(std::string_view(text)) {}         // NOLINT
  CompactText(const CompactText& other) {
    if (other.OnHeap()) {
      Assign(other.view());
    } else {
      std::memcpy(bytes_, other.bytes_, sizeof bytes_);
    }
  }
  CompactText(CompactText&& other) noexcept {
    std::memcpy(bytes_, other.bytes_, sizeof bytes_);
    other.Empty();
  }
  CompactText& operator=(const CompactText& other) {
    if (this != &other) *this = CompactText(other);
    return *this;
  }
  CompactText& operator=(CompactText&& other) noexcept {
    if (this != &other) {
      Free();
      std::memcpy(bytes_, other.bytes_, sizeof bytes_);
      other.Empty();
    }
    return *this;
  }
  CompactText& operator=(std::string_view text) { return *this = CompactText(text); }
  CompactText& operator=(const std::string& text) { return *this = CompactText(text); }
  CompactText& operator=(const char* text) { return *this = CompactText(text); }
  ~CompactText() { Free(); }

  const char* data() const noexcept { return OnHeap() ? Heap().data : bytes_; }
  const char* c_str() const noexcept { return data(); }  // always NUL-terminated
  size_t size() const noexcept {
    return OnHeap() ? Heap().size : kInline - static_cast<unsigned char>(bytes_[kInline]);
  }
  bool empty() const noexcept { return size() == 0; }
  std::string_view view() const noexcept { return {data(), size()}; }
  std::string str() const { return std::string(view()); }
  operator std::string_view() const noexcept { return view(); }  // NOLINT
  operator std::string() const { return str(); }                 // NOLINT
  char operator[](size_t i) const noexcept { return data()[i]; }

  friend bool operator==(const CompactText& a, const CompactText& b) noexcept {
    return a.view() == b.view();
  }
  friend bool operator==(const CompactText& a, std::string_view b) noexcept {
    return a.view() == b;
  }
  friend bool operator==(std::string_view a, const CompactText& b) noexcept {
    return a == b.view();
  }
  friend bool operator==(const CompactText& a, const char* b) noexcept { return a.view() == b; }
  friend bool operator==(const char* a, const CompactText& b) noexcept { return a == b.view(); }
  friend bool operator==(const CompactText& a, const std::string& b) noexcept {
    return a.view() == b;
  }
  friend bool operator==(const std::string& a, const CompactText& b) noexcept {
    return a == b.view();
  }
  template <class T>
  friend bool operator!=(const CompactText& a, const T& b) noexcept {
    return !(a == b);
  }
  friend bool operator<(const CompactText& a, const CompactText& b) noexcept {
    return a.view() < b.view();
  }
  friend std::string operator+(const CompactText& a, std::string_view b) {
    return std::string(a.view()).append(b);
  }
  friend std::string operator+(std::string_view a, const CompactText& b) {
    return std::string(a).append(b.view());
  }
  friend std::string operator+(const CompactText& a, const char* b) {
    return a + std::string_view(b);
  }
  friend std::string operator+(const char* a, const CompactText& b) {
    return std::string_view(a) + b;
  }
  friend std::string operator+(const CompactText& a, char b) { return a.str() + b; }

 private:
  static constexpr size_t kInline = 15;           // the longest text held in place
  static constexpr unsigned char kOnHeap = 0xFF;  // in the last byte, for a text in a buffer
  struct HeapText {
    char* data;
    std::uint32_t size;
    char unused[3];
    unsigned char tag;  // kOnHeap
  };
  static_assert(sizeof(HeapText) == 16);

  bool OnHeap() const noexcept { return static_cast<unsigned char>(bytes_[kInline]) == kOnHeap; }
  HeapText Heap() const noexcept {
    HeapText heap;
    std::memcpy(&heap, bytes_, sizeof heap);
    return heap;
  }
  // The last byte holds kInline minus the size, so a text of 15 bytes ends in its NUL.
  void Empty() noexcept {
    bytes_[0] = '\0';
    bytes_[kInline] = static_cast<char>(kInline);
  }
  void Assign(std::string_view text) {
    if (text.size() <= kInline) {
      std::memcpy(bytes_, text.data(), text.size());
      bytes_[text.size()] = '\0';
      bytes_[kInline] = static_cast<char>(kInline - text.size());
      return;
    }
    if (text.size() > UINT32_MAX) throw std::length_error("a text of the model over 4 GB");
    HeapText heap{new char[text.size() + 1], static_cast<std::uint32_t>(text.size()), {}, kOnHeap};
    std::memcpy(heap.data, text.data(), text.size());
    heap.data[text.size()] = '\0';
    std::memcpy(bytes_, &heap, sizeof heap);
  }
  void Free() noexcept {
    if (OnHeap()) delete[] Heap().data;
  }

  char bytes_[16];
};
static_assert(sizeof(CompactText) == 16);

}  // namespace tolvex::rc
