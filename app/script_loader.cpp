#include "app/script_loader.h"

#include <string>

#include "conversion/main_window_ids.h"
#include "conversion/tables.h"
#include "rcscript/script_lines.h"
#include "toolkit/files.h"
#include "toolkit/gadget_ops.h"

namespace tolvex {
namespace {

// Files are read in large blocks: one read per byte costs seconds for a large script on Windows.
constexpr long kBlock = 1 << 16;

}  // namespace

void ClearForLoad() {
  HideGadget(kOutputListing, 1);
  HideGadget(kSourceListing, 0);
  ResetAllListBox(kSourceListing);
  ResetAllListBox(kOutputListing);
  ResetTablesForLoad();
}

void PutScriptLinesIntoListing(std::string_view bytes) {
  for (const std::string& line : rc::SplitScriptLines(bytes)) {
    AddListBoxItem(kSourceListing, line.c_str(), -1);
  }
}

bool ReadScriptIntoListing(const std::string& path) {
  const FileHandle HDL40 = READ_FILE(path.c_str(), kNormalFile);
  if (HDL40 == kBadFile) {
    CLOSE_FILE(HDL40);
    return false;
  }
  // Read to the end rather than to the size: a pipe or a terminal has none.
  std::string bytes, block(kBlock, '\0');
  long got;
  while ((got = files::ReadSome(HDL40, block.data(), kBlock)) > 0) {
    bytes.append(block, 0, static_cast<size_t>(got));
  }
  CLOSE_FILE(HDL40);
  if (got < 0) return false;
  PutScriptLinesIntoListing(bytes);
  return true;
}

}  // namespace tolvex
