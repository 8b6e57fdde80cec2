// Where a dialog or a control stands and its size, as written. Nearly every script writes the four
// as plain decimal numbers, so the numbers are held in place and the texts only when one of them
// is written otherwise (a name, an expression, 0x10, or nothing), out of line: a large script's
// model holds four of these per control, and their texts took most of a control's room.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "rcscript/boxed.h"
#include "rcscript/compact_text.h"
#include "rcscript/packed_number.h"

namespace tolvex::rc {

// An expression as written, and its value when every name in it has one (a name that nothing
// defines stays a name: its value is unknown, never guessed).
struct Value {
  CompactText text;
  PackedNumber<std::int32_t> number;
};

class Rect {
 public:
  Value x() const { return At(0); }
  Value y() const { return At(1); }
  Value width() const { return At(2); }
  Value height() const { return At(3); }

  void Set(const Value& x, const Value& y, const Value& width, const Value& height) {
    const Value* values[] = {&x, &y, &width, &height};
    bool plain = true;
    for (int i = 0; i < 4; ++i) {
      numbers_[i] = values[i]->number;
      plain = plain && values[i]->number && values[i]->text == std::to_string(*values[i]->number);
    }
    if (plain) {
      texts_ = {};
      return;
    }
    auto& texts = texts_.emplace();
    for (int i = 0; i < 4; ++i) texts[i] = values[i]->text;
  }

 private:
  Value At(int i) const {
    if (texts_) return {(*texts_)[i], numbers_[i]};
    return {std::to_string(*numbers_[i]), numbers_[i]};
  }

  Boxed<std::array<CompactText, 4>> texts_;  // none when every text is its number in decimal
  PackedNumber<std::int32_t> numbers_[4];
};

}  // namespace tolvex::rc
