#include "cli/messages.h"

#include <cmath>
#include <sstream>

#include "conversion/numbers.h"
#include "rcscript/diagnostics.h"
#include "toolkit/files.h"

namespace tolvex::cli {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

size_t Digits(std::string_view text, size_t i) {
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i;
}

// Whether text, blanks around it aside, is one decimal number as the conversion reads numbers: a
// sign, digits with a decimal point, an exponent after E, e, D or d with digits of its own.
bool WhollyANumber(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return false;
  text = text.substr(first, text.find_last_not_of(' ') - first + 1);
  size_t i = text[0] == '+' || text[0] == '-' ? 1 : 0;
  const size_t wholeEnd = Digits(text, i);
  size_t end = wholeEnd;
  if (end < text.size() && text[end] == '.') end = Digits(text, end + 1);
  if (end - i == (end > wholeEnd ? 1u : 0u)) return false;  // no digit at all
  if (end < text.size() && std::string_view("EeDd").find(text[end]) != std::string_view::npos) {
    i = end + 1;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    end = Digits(text, i);
    if (end == i) return false;
  }
  return end == text.size();
}

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

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
std::string MissingForCheck(const std::string& file) { return file + " does not exist"; }
std::string DiffersFromConversion(const std::string& file) {
  return file + " differs from the conversion";
}

std::optional<std::string> CoefficientWarning(std::string_view text) {
  const double value = LeadingNumber(text);
  if (WhollyANumber(text) && std::isfinite(value) && value > 0) return std::nullopt;
  std::ostringstream reading;
  reading << value;
  return Quoted(text) + " is not a finite number greater than 0; it reads as " + reading.str();
}

std::string OptionWarning(const std::string& option, const std::string& what) {
  return Line(kProgram, 0, 0, rc::Severity::kWarning, option + " " + what);
}

std::string LineWarning(const std::string& file, size_t line, size_t column,
                        const std::string& what) {
  return Line(file, line, column, rc::Severity::kWarning, what);
}

}  // namespace tolvex::cli
