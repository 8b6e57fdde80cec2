#include "cli/messages.h"

#include "rcscript/diagnostics.h"
#include "toolkit/files.h"

namespace tolvex::cli {
namespace {

// The program's own name stands where a message is about no file.
constexpr const char* kProgram = "tolvex-cli";

std::string Line(const std::string& file, size_t line, size_t column, rc::Severity severity,
                 const std::string& what) {
  return rc::FormatDiagnostic(
             {file, static_cast<int>(line), static_cast<int>(column), severity, what}) +
         "\n";
}

}  // namespace

std::string ScriptFailure(const std::string& script, const std::string& what) {
  return Line(script.empty() ? std::string("''") : script, 0, 0, rc::Severity::kError, what);
}

std::string UsageError(const std::string& what) {
  return Line(kProgram, 0, 0, rc::Severity::kError, what);
}

std::string FailureReason() {
  const std::string why = files::LastFailure();
  return why.empty() ? "" : ": " + why;
}

std::string CannotReadScript() { return "cannot read the script" + FailureReason(); }
std::string EmptyScript() { return "the script is empty: nothing to convert"; }
std::string CannotWrite(const std::string& file) {
  return "cannot write " + file + FailureReason();
}
std::string CannotWriteKeeping(const std::string& file, const std::string& temporary) {
  return CannotWrite(file) + "; the new text is kept in " + temporary;
}
std::string CannotWriteToStandardOutput() {
  return "cannot write the program to standard output" + FailureReason();
}
std::string ProgramWouldReplaceScript(const std::string& file) {
  return file + " is the script itself: the program is not written over it";
}
std::string ProgramWouldReplaceOtherScript(const std::string& file, const std::string& script) {
  return file + " is the script " + script + ": the program is not written over it";
}
std::string SettingsWouldReplaceScript(const std::string& file) {
  return file + " is the script itself: the settings are not written over it";
}
std::string SettingsNotReplaced(const std::string& file, const std::string& why) {
  return "cannot write " + file + ": it exists but cannot be read (" + why +
         "), so it is not replaced";
}
std::string MissingForCheck(const std::string& file) { return file + " does not exist"; }
std::string CannotRead(const std::string& file) { return "cannot read " + file + FailureReason(); }
std::string DiffersFromConversion(const std::string& file) {
  return file + " differs from the conversion";
}

std::string OptionWarning(const std::string& option, const std::string& what) {
  return Line(kProgram, 0, 0, rc::Severity::kWarning, option + " " + what);
}

std::string InternalError(const std::string& what) { return UsageError("internal error: " + what); }

std::string StandardOutputFailure() {
  return UsageError("cannot write to standard output" + FailureReason());
}

std::string SettingsUnreadableWarning(const std::string& file, const std::string& why) {
  return Line(file, 0, 0, rc::Severity::kWarning,
              "cannot read it: " + why + "; coefficients not given as options are \" 1.000\"");
}

std::string LineWarning(const std::string& file, size_t line, size_t column,
                        const std::string& what) {
  return Line(file, line, column, rc::Severity::kWarning, what);
}

}  // namespace tolvex::cli
