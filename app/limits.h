// Every bound the shell and the command line keep on what they read and write, in one place; the
// resource-script reader's own are in rcscript/limits.h. Each is met with a message or a sound
// result, never with a crash, a hang or memory without end.
#pragma once

#include <cstddef>

namespace tolvex {

// A line of the settings file keeps what its coefficient field can hold; the rest of a longer
// line is passed over unread into memory.
constexpr size_t kMaxSettingsLineBytes = 1023;
// A script on standard input, which may be a device without end, is read up to this size.
constexpr size_t kMaxStandardInputBytes = size_t{1} << 28;
// The hint reads the script a second time, counting its resources and keeping none: above this
// size it is left out, with a note, so that a default run costs the designed conversion's work
// plus a bounded amount.
constexpr size_t kMaxHintScriptBytes = size_t{1} << 24;
// Names tried for a save's temporary before the save gives up (another run, or a planted file,
// holding each).
constexpr int kMaxTemporaryNames = 16;

}  // namespace tolvex
