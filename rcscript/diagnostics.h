// The reader's messages: one shape, built in one function.
#pragma once

#include <string>
#include <vector>

namespace tolvex::rc {

// A hint tells about the conversion, not about a fault of the script.
enum class Severity { kError, kWarning, kHint };

// A message about a place in a script. FILE is the path as given on the command line or the name
// as an #include wrote it. LINE and COLUMN count from 1, the column in bytes (a tab is one); line 0
// is a message about the whole file.
struct Diagnostic {
  std::string file;
  int line = 0;
  int column = 0;
  Severity severity = Severity::kError;
  std::string message;
};

// "FILE:LINE:COLUMN: error: message", or "FILE: warning: message" for a whole file; a hint has
// no severity word: "FILE: message".
std::string FormatDiagnostic(const Diagnostic& diagnostic);

// The messages of one reading, in the order they were met.
class DiagnosticList {
 public:
  void Add(Diagnostic diagnostic);
  void Error(const std::string& file, int line, int column, std::string message);
  void Warning(const std::string& file, int line, int column, std::string message);
  const std::vector<Diagnostic>& All() const { return all_; }
  std::vector<Diagnostic> Take() { return std::move(all_); }
  int ErrorCount() const { return errors_; }

 private:
  std::vector<Diagnostic> all_;
  int errors_ = 0;
};

// A text as it appears in a message: in double quotes, with quotes, backslashes and control bytes
// escaped so that a message stays on one line, and cut after its first kMaxQuotedBytes bytes
// ("the first bytes"... (N bytes)) so that it stays short.
std::string Quoted(const std::string& text);
// The same, whole, for the model's dump.
std::string QuotedWhole(const std::string& text);

// Texts as a message lists them: "a", "a and b", "a, b and c".
std::string Listed(const std::vector<std::string>& texts);

}  // namespace tolvex::rc
