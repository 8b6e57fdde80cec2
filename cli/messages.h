// Every text tolvex-cli writes to its error stream, worded in one place and shaped by the one
// diagnostic function: the failures of a script, usage errors, and the warnings about a
// coefficient given as an option or read from a settings file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tolvex::cli {

// "SCRIPT: error: what", the script named as given ('' for an empty name).
std::string ScriptFailure(const std::string& script, const std::string& what);
// "tolvex-cli: error: what" for a command line that is not understood.
std::string UsageError(const std::string& what);
// ": reason" with the system's wording of the last failure, or nothing when it gave none.
std::string FailureReason();

std::string CannotReadScript();
std::string EmptyScript();
std::string CannotWrite(const std::string& file);
std::string CannotWriteKeeping(const std::string& file, const std::string& temporary);
std::string CannotWriteToStandardOutput();
std::string ProgramWouldReplaceScript(const std::string& file);
// Writing file would replace the script of this run named script (not the one converted).
std::string ProgramWouldReplaceOtherScript(const std::string& file, const std::string& script);
std::string SettingsWouldReplaceScript(const std::string& file);
std::string SettingsNotReplaced(const std::string& file, const std::string& why);
std::string MissingForCheck(const std::string& file);
std::string CannotRead(const std::string& file);
std::string DiffersFromConversion(const std::string& file);

// "tolvex-cli: warning: OPTION what" for an option.
std::string OptionWarning(const std::string& option, const std::string& what);
// "tolvex-cli: error: internal error: what" for a fault of the program itself.
std::string InternalError(const std::string& what);
// "tolvex-cli: error: cannot write to standard output: reason".
std::string StandardOutputFailure();
// "FILE: warning: cannot read it: reason; ..." for a settings file that exists but cannot be read.
std::string SettingsUnreadableWarning(const std::string& file, const std::string& why);

// "FILE:LINE:COLUMN: warning: what" for a line of a file.
std::string LineWarning(const std::string& file, size_t line, size_t column,
                        const std::string& what);

}  // namespace tolvex::cli
