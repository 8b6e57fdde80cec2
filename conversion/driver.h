// One conversion: the source listing becomes the generated program in the output listing.
#pragma once

namespace tolvex {

// The conversion alone, without saving: false when the source listing is empty (nothing was done).
bool CONVERT();
// The define pass: scales, the include line, the #define lines, the optional screen block.
void START();

}  // namespace tolvex
