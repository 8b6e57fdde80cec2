// The constants that scripts take from the system's headers (which the reader does not read):
// window, dialog and control styles, menu flags and the standard dialog ids, with their
// documented values.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace tolvex::rc {

// The value of a standard constant; names are case-sensitive, as in the headers.
std::optional<std::uint32_t> StandardConstant(std::string_view name);
// Every name of the table, in its order.
std::vector<std::string_view> StandardConstantNames();

}  // namespace tolvex::rc
