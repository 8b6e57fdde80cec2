#include "rcscript/reader.h"

#include <fstream>

#include "rcscript/parser.h"

namespace tolvex::rc {

FileReader DiskFiles() {
  return [](const std::string& path) -> std::optional<std::string> {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return std::nullopt;
    const std::streamoff size = in.tellg();
    if (size < 0) return std::nullopt;
    std::string bytes(static_cast<size_t>(size), '\0');
    in.seekg(0);
    if (!in.read(bytes.data(), size)) return std::nullopt;
    return bytes;
  };
}

Reading ReadScriptBytes(const std::string& path, std::string_view bytes,
                        const ReadOptions& options) {
  DiagnosticList diagnostics;
  Reading reading;
  {
    Preprocessor preprocessor(path, bytes, options.includeDirs,
                              options.files ? options.files : DiskFiles(), diagnostics);
    ReadResources(preprocessor, reading.model);
    reading.model.defines = std::move(preprocessor.Defines());
    reading.model.unreadIncludes = std::move(preprocessor.UnreadIncludes());
  }
  reading.errors = diagnostics.ErrorCount();
  reading.diagnostics = diagnostics.Take();
  return reading;
}

Reading ReadScript(const std::string& path, const ReadOptions& options) {
  const FileReader files = options.files ? options.files : DiskFiles();
  const std::optional<std::string> bytes = files(path);
  if (!bytes) {
    Reading reading;
    reading.diagnostics.push_back({path, 0, 0, Severity::kError, "cannot read the script"});
    reading.errors = 1;
    return reading;
  }
  return ReadScriptBytes(path, *bytes, options);
}

}  // namespace tolvex::rc
