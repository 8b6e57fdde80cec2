// The replaced program kept beside the new one: a program whose Case branches were filled in by
// hand is never lost to the next Run.
#pragma once

#include <string>

#include "app/script_guard.h"
#include "generator/byte_pieces.h"

namespace tolvex {

struct Backup {
  bool kept = true;  // false: the old bytes could not be kept, so the program must not be replaced
  std::string name;  // the backup written, empty when none was needed
  std::string reason;  // why keeping failed, as the system words it (may be empty)
};

// Before `bytes` replace the file at `program`: when that file (its links followed) holds other
// bytes, they go to its name with ".bak", in the folder of the file the name leads to, replacing
// an earlier backup (one generation). A missing file, a device or FIFO, and a file that already
// holds `bytes` need no backup. A backup that would replace one of the run's scripts is not kept.
Backup KeepReplacedProgram(const std::string& program, const BytePieces& bytes,
                           const RunScripts& scripts);

// The line that says a backup was made: "PROGRAM: the replaced program is kept in BACKUP".
std::string BackupNote(const std::string& program, const Backup& backup);
// What a failed backup means, for a message about the script: "cannot keep ...: reason; ...".
std::string BackupFailure(const std::string& program, const Backup& backup);

}  // namespace tolvex
