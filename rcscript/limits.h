// Every bound the resource-script reader keeps, in one place. Each is met with a diagnostic, never
// with a crash or a hang.
#pragma once

#include <cstddef>

namespace tolvex::rc {

constexpr int kMaxIncludeDepth = 16;      // files open at once, the script included
constexpr int kMaxIncludedFiles = 256;    // files opened by #include in one reading
constexpr int kMaxConditionalDepth = 64;  // #if inside #if
constexpr int kMaxMacroDepth = 32;        // a define whose text names a define ...
constexpr size_t kMaxMacroTokens = 4096;  // tokens one use of a define may become
constexpr int kMaxExpressionDepth = 64;   // parentheses and unary operators inside each other
constexpr int kMaxMenuDepth = 32;         // POPUP inside POPUP
// What one reading may cost in all, however its defines and includes multiply each other: the
// tokens made by replacing defines grow with the bytes read (the script's and its includes'), so
// that a reading's work stays in proportion to its input.
constexpr size_t kMinExpandedTokens = size_t{1} << 20;
constexpr size_t kExpandedTokensPerByte = 4;
constexpr size_t kMaxIncludedBytes = size_t{1} << 24;  // bytes of the files #include brings in
// A text quoted in a message keeps this many of its bytes; a longer one is cut, and says so.
constexpr size_t kMaxQuotedBytes = 80;

}  // namespace tolvex::rc
