#include "app/program_backup.h"

#include "app/compare_file.h"
#include "app/output_file.h"
#include "rcscript/diagnostics.h"
#include "toolkit/files.h"

namespace tolvex {

Backup KeepReplacedProgram(const std::string& program, const BytePieces& bytes,
                           const RunScripts& scripts) {
  std::string target;
  // A chain of links without end is not followed here: the save that follows fails with its reason.
  if (!files::FinalName(program, target) || files::KindOf(target) != files::FileKind::kRegular) {
    return {};
  }
  // Compared as it is read, and kept a piece at a time: the old program is never held whole.
  if (CompareWithFile(target, bytes) == Comparison::kSame) return {};
  files::ClearFailure();
  std::string kept;
  // Through the one save of whole files: an earlier backup is replaced whole or not at all.
  Backup backup{true, target + ".bak", ""};
  if (const std::string* script = scripts.ReplacedBy(backup.name)) {
    return {false, backup.name, "it would replace the script " + *script};
  }
  if (SaveWholeFile(backup.name, FilePieces(target), &kept)) return backup;
  backup.kept = false;
  backup.reason = files::LastFailure();
  // The old program is still whole where it was: a temporary copy of it is not needed.
  if (!kept.empty()) files::Remove(kept);
  return backup;
}

std::string BackupNote(const std::string& program, const Backup& backup) {
  return rc::FormatDiagnostic(
      {program, 0, 0, rc::Severity::kHint, "the replaced program is kept in " + backup.name});
}

std::string BackupFailure(const std::string& program, const Backup& backup) {
  return "cannot keep the replaced program in " + backup.name +
         (backup.reason.empty() ? "" : ": " + backup.reason) + "; " + program +
         " is left as it was";
}

}  // namespace tolvex
