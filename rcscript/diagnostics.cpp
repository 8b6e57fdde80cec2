#include "rcscript/diagnostics.h"

#include <cstdio>
#include <utility>

#include "rcscript/limits.h"

namespace tolvex::rc {

std::string FormatDiagnostic(const Diagnostic& d) {
  std::string text = d.file;
  if (d.line > 0) {
    text += ":" + std::to_string(d.line);
    if (d.column > 0) text += ":" + std::to_string(d.column);
  }
  static constexpr const char* kWords[] = {": error: ", ": warning: ", ": "};
  text += kWords[static_cast<int>(d.severity)];
  return text + d.message;
}

void DiagnosticList::Add(Diagnostic diagnostic) {
  if (diagnostic.severity == Severity::kError) ++errors_;
  all_.push_back(std::move(diagnostic));
}

void DiagnosticList::Error(const std::string& file, int line, int column, std::string message) {
  Add({file, line, column, Severity::kError, std::move(message)});
}

void DiagnosticList::Warning(const std::string& file, int line, int column, std::string message) {
  Add({file, line, column, Severity::kWarning, std::move(message)});
}

std::string Quoted(const std::string& text) {
  if (text.size() <= kMaxQuotedBytes) return QuotedWhole(text);
  return QuotedWhole(text.substr(0, kMaxQuotedBytes)) + "... (" + std::to_string(text.size()) +
         " bytes)";
}

std::string Listed(const std::vector<std::string>& texts) {
  std::string list;
  for (size_t i = 0; i < texts.size(); ++i) {
    if (i > 0) list += i + 1 == texts.size() ? " and " : ", ";
    list += texts[i];
  }
  return list;
}

std::string QuotedWhole(const std::string& text) {
  std::string quoted = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '"': quoted += "\\\""; break;
      case '\\': quoted += "\\\\"; break;
      case '\n': quoted += "\\n"; break;
      case '\t': quoted += "\\t"; break;
      case '\r': quoted += "\\r"; break;
      default:
        if (byte < 0x20 || byte == 0x7F) {
          char hex[8];
          std::snprintf(hex, sizeof hex, "\\x%02X", byte);
          quoted += hex;
        } else {
          quoted += c;
        }
    }
  }
  return quoted + "\"";
}

}  // namespace tolvex::rc
