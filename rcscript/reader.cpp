#include "rcscript/reader.h"

#include <algorithm>

#include "rcscript/limits.h"
#include "rcscript/parser.h"
#include "toolkit/files.h"

namespace tolvex::rc {
namespace {

// A regular file's bytes, up to most of them: a folder, a FIFO or a device is never read, and a
// larger file is refused before it takes any memory. A missing file has a reason only when
// missingIsAFault.
FileBytes ReadRegularFile(const std::string& path, size_t most, bool missingIsAFault) {
  files::ClearFailure();
  const FileHandle handle = files::OpenRegularForReading(path);
  if (handle == kBadFile) {
    if (!missingIsAFault && files::LastFailureWasMissing()) return FileBytes(std::nullopt);
    return FileBytes(std::nullopt, files::LastFailure());
  }
  const long long size = files::Size(handle);
  std::string bytes;
  bool whole = size >= 0 && static_cast<unsigned long long>(size) <= most;
  std::string why = whole ? ""
                          : "it is larger than the " + std::to_string(most) +
                                " bytes a reading takes from included files";
  if (whole) {
    bytes.resize(static_cast<size_t>(size));
    size_t got = 0;
    // A file that grows while it is read is taken as long as it was.
    while (got < bytes.size()) {
      const size_t ask = std::min<size_t>(bytes.size() - got, size_t{1} << 20);
      const long part = files::ReadSome(handle, bytes.data() + got, static_cast<long>(ask));
      if (part <= 0) {
        whole = false;
        why = part < 0 ? files::LastFailure() : "it ended before its size";
        break;
      }
      got += static_cast<size_t>(part);
    }
  }
  CLOSE_FILE(handle);
  if (!whole) return FileBytes(std::nullopt, why);
  return FileBytes(std::move(bytes));
}

}  // namespace

FileReader DiskFiles() {
  // No such file is no fault: the next folder of the search may hold it.
  return [](const std::string& path) { return ReadRegularFile(path, kMaxIncludedBytes, false); };
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
  // The script itself has no bound but its size; only what it includes shares a budget.
  const FileBytes read =
      options.files ? options.files(path) : ReadRegularFile(path, SIZE_MAX, true);
  if (!read.bytes) {
    Reading reading;
    reading.diagnostics.push_back(
        {path, 0, 0, Severity::kError,
         "cannot read the script" + (read.reason.empty() ? "" : ": " + read.reason)});
    reading.errors = 1;
    return reading;
  }
  return ReadScriptBytes(path, *read.bytes, options);
}

}  // namespace tolvex::rc
