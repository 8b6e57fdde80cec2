// The gadget library's constructors as the program reader knows them: for each of the generator's
// kinds of gadget, the function its line calls and what follows the id and the four geometry
// values, both read from the kind's gadget line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "generator/gadget_kinds.h"

namespace tolvex::program {

// What stands after the geometry, in order.
enum class GadgetValue {
  kText,         // the caption's literal
  kRange,        // two numbers: minimum and maximum
  kOrientation,  // a bar's orientation, which may be left out
  kStyle,        // a style: a number or a style name
  kImage,        // Load_image ("file")
};

struct GadgetCall {
  std::string_view prefix;  // the generator's kind
  std::string function;     // the constructor's name
  std::vector<GadgetValue> values;
};

const std::vector<GadgetCall>& GadgetCalls();
// The constructor of that name (case aside), or null.
const GadgetCall* FindGadgetCall(std::string_view function);

// The value of a style name the reader knows; false for any other name.
bool StyleValue(std::string_view name, std::int64_t& value);

}  // namespace tolvex::program
