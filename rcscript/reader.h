// The resource-script reader: a script's file, or its bytes, to the model and the diagnostics.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "rcscript/diagnostics.h"
#include "rcscript/model.h"
#include "rcscript/parser.h"
#include "rcscript/preprocessor.h"

namespace tolvex::rc {

struct ReadOptions {
  std::vector<std::string> includeDirs;  // searched after the including file's and the script's
  FileReader files;                      // empty: files are read from the disk
  // When set, handed the model as each dialog or menu joins it, and may take them out: a reading
  // that only counts its resources then holds one at a time.
  ResourceTaker takeResources;
  // False: the model's defines stay empty, for a reading that has no use for them.
  bool keepDefines = true;
};

struct Reading {
  Model model;
  std::vector<Diagnostic> diagnostics;  // in the order they were met
  int errors = 0;
};

// Reads the script at `path` (named so in diagnostics) with the files it includes.
Reading ReadScript(const std::string& path, const ReadOptions& options);
// The same from a source of the script's bytes, read in pieces of about pieceBytes and freed as
// the reading is done with their lines. A source that fails ends the script there: telling the
// failure is its owner's.
Reading ReadScriptSource(const std::string& path, ScriptSource& source, size_t pieceBytes,
                         const ReadOptions& options);
// The pieces a script file is read in.
constexpr size_t kScriptPieceBytes = 64 * 1024;
// The same over bytes already read; `path` names the script and locates its includes.
Reading ReadScriptBytes(const std::string& path, std::string_view bytes,
                        const ReadOptions& options);

// A file's bytes from the disk.
FileReader DiskFiles();

}  // namespace tolvex::rc
