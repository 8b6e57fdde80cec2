#include "rcscript/reader.h"

#include <algorithm>

#include "rcscript/limits.h"
#include "rcscript/parser.h"
#include "toolkit/files.h"

namespace tolvex::rc {
namespace {

// An included file's bytes, up to the bytes a reading takes from included files: a folder, a FIFO
// or a device is never read, and a larger file is refused before it takes any memory. A missing
// file is no fault: the next folder of the search may hold it.
FileBytes ReadIncludedFile(const std::string& path) {
  constexpr size_t most = kMaxIncludedBytes;
  files::ClearFailure();
  const FileHandle handle = files::OpenRegularForReading(path);
  if (handle == kBadFile) {
    if (files::LastFailureWasMissing()) return FileBytes(std::nullopt);
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

FileReader DiskFiles() { return ReadIncludedFile; }

namespace {

// The script's file, a piece at a time, up to the size it had when it was opened: a file that
// grows while it is read is taken as long as it was, and one that ends before it is a failure.
class FileSource : public ScriptSource {
 public:
  FileSource(FileHandle handle, unsigned long long size) : handle_(handle), size_(size) {}
  long Read(char* into, long most) override {
    if (!why_.empty()) return -1;
    const unsigned long long left = size_ - read_;
    if (left == 0) return 0;
    const long ask = static_cast<long>(
        std::min<unsigned long long>({left, static_cast<unsigned long long>(most), kLargestRead}));
    const long part = files::ReadSome(handle_, into, ask);
    if (part <= 0) {
      why_ = part < 0 ? files::LastFailure() : "it ended before its size";
      if (why_.empty()) why_ = "it could not be read";
      return -1;
    }
    read_ += static_cast<unsigned long long>(part);
    return part;
  }
  bool Rewind() override {
    // In steps a position of any width takes.
    while (why_.empty() && read_ > 0) {
      const unsigned long long step = std::min<unsigned long long>(read_, kLargestRead);
      if (!files::SeekBy(handle_, -static_cast<long>(step))) {
        why_ = files::LastFailure();
        if (why_.empty()) why_ = "it could not be read from its start again";
      }
      read_ -= step;
    }
    return why_.empty();
  }
  // Why the file could not be read whole; empty when it was.
  const std::string& failure() const { return why_; }

 private:
  static constexpr unsigned long long kLargestRead = 1 << 20;
  FileHandle handle_;
  unsigned long long size_, read_ = 0;
  std::string why_;
};

Reading CannotRead(const std::string& path, const std::string& why) {
  Reading reading;
  reading.diagnostics.push_back(
      {path, 0, 0, Severity::kError, "cannot read the script" + (why.empty() ? "" : ": " + why)});
  reading.errors = 1;
  return reading;
}

template <class... Script>
Reading Read(const std::string& path, const ReadOptions& options, Script&&... script) {
  DiagnosticList diagnostics;
  Reading reading;
  {
    Preprocessor preprocessor(path, std::forward<Script>(script)..., options.includeDirs,
                              options.files ? options.files : DiskFiles(), diagnostics);
    if (!options.keepDefines) preprocessor.LeaveDefinesOut();
    ReadResources(preprocessor, reading.model, options.takeResources);
    reading.model.defines = std::move(preprocessor.Defines());
    reading.model.unreadIncludes = std::move(preprocessor.UnreadIncludes());
  }
  reading.errors = diagnostics.ErrorCount();
  reading.diagnostics = diagnostics.Take();
  return reading;
}

}  // namespace

Reading ReadScriptBytes(const std::string& path, std::string_view bytes,
                        const ReadOptions& options) {
  return Read(path, options, bytes);
}

Reading ReadScriptSource(const std::string& path, ScriptSource& source, size_t pieceBytes,
                         const ReadOptions& options) {
  return Read(path, options, source, pieceBytes);
}

Reading ReadScript(const std::string& path, const ReadOptions& options) {
  if (options.files) {
    const FileBytes read = options.files(path);
    if (!read.bytes) return CannotRead(path, read.reason);
    return ReadScriptBytes(path, *read.bytes, options);
  }
  // The script itself has no bound but its size; only what it includes shares a budget. It is
  // read a piece at a time: the model never shares the memory with the whole of its bytes.
  files::ClearFailure();
  const FileHandle handle = files::OpenRegularForReading(path);
  if (handle == kBadFile) return CannotRead(path, files::LastFailure());
  const long long size = files::Size(handle);
  if (size < 0) {
    const std::string why = files::LastFailure();
    CLOSE_FILE(handle);
    return CannotRead(path, why);
  }
  FileSource source(handle, static_cast<unsigned long long>(size));
  Reading reading = ReadScriptSource(path, source, kScriptPieceBytes, options);
  CLOSE_FILE(handle);
  if (!source.failure().empty()) return CannotRead(path, source.failure());
  return reading;
}

}  // namespace tolvex::rc
