// Feeds arbitrary bytes to the resource-script reader as a script. The first file it includes
// holds the same bytes, so that includes and their cycles are exercised too; every later one holds
// a line that includes a further file, which reaches the nesting limit without reading the input
// again. Every input must be read without a fault and count its errors right; the complete
// conversion then runs on what was read: no fault, every program line one line, and the hint's
// counts the program's own. An input of odd size is read as a file is, in pieces of a line or so,
// each freed when the reading is past it.
//
// Speed, measured before this shape: half the inputs include, and each of their readings read the
// input up to twenty-one times over; every input was also read twice, to compare the two. Those
// made most of the target's time (a second reading of some inputs only also doubles the hit
// counts libFuzzer sees, and its bookkeeping of the many more features cost more than it saved).
#include "complete/counts.h"
#include "complete/program.h"
#include "fuzz/fuzz_target.h"
#include "rcscript/dump.h"
#include "rcscript/reader.h"
#include "tests/rcscript/trickle_source.h"

int tolvex::fuzzing::FuzzOne(std::string_view input) {
  using namespace tolvex::rc;
  const std::string bytes(input);
  ReadOptions options;
  options.includeDirs = {"inc"};
  // Enough opens to reach the include depth limit.
  int opens = 0;
  options.files = [&bytes, &opens](const std::string& path) -> std::optional<std::string> {
    if (path.find('x') != std::string::npos || ++opens > 20) return std::nullopt;
    if (opens == 1) return bytes;
    return "#include \"c" + std::to_string(opens) + "\"\n";
  };
  const auto read = [&](const ReadOptions& how) {
    opens = 0;
    tolvex::testing::TrickleSource source(bytes, 2);
    return bytes.size() % 2 == 1 ? ReadScriptSource("f.rc", source, 5, how)
                                 : ReadScriptBytes("f.rc", bytes, how);
  };
  const Reading reading = read(options);
  DumpModel(reading.model);
  int errors = 0;
  for (const Diagnostic& d : reading.diagnostics) {
    FUZZ_CHECK(d.line >= 0 && d.column >= 0);
    if (d.severity == Severity::kError) ++errors;
    FormatDiagnostic(d);
  }
  FUZZ_CHECK(errors == reading.errors);
  tolvex::complete::CompleteOptions conversion;
  conversion.scriptFile = "f.rc";
  const tolvex::complete::CompleteProgram program =
      tolvex::complete::ConvertModel(reading.model, conversion);
  program.lines.Each([](std::string_view line) {
    FUZZ_CHECK(line.find_first_of("\r\n") == std::string_view::npos);
    return true;
  });
  for (const Diagnostic& d : program.warnings) FormatDiagnostic(d);
  // The hint counts what the conversion writes without writing it.
  tolvex::complete::ResourceCounts counts;
  counts.Add(reading.model);
  FUZZ_CHECK(counts.Complete() == program.written);
  // So does the hint's own reading, which keeps no resource and no define, and it meets the same
  // faults.
  tolvex::complete::ResourceCounts taken;
  ReadOptions counting = options;
  counting.takeResources = [&taken](Model& model) { taken.TakeFrom(model); };
  counting.keepDefines = false;
  const Reading counted = read(counting);
  FUZZ_CHECK(taken.Complete() == program.written && counted.model.defines.empty() &&
             counted.diagnostics.size() == reading.diagnostics.size());
  return 0;
}
