#include "app/conversion_run.h"

#include <memory>

#include "app/limits.h"
#include "complete/counts.h"
#include "complete/program.h"
#include "conversion/designed.h"
#include "rcscript/reader.h"
#include "rcscript/script_lines.h"

namespace tolvex {
namespace {

complete::CompleteProgram ConvertModel(const std::string& script, const rc::Model& model,
                                       const RunInputs& inputs) {
  complete::CompleteOptions o;
  o.scriptFile = script;
  const Coefficients c = CoefficientsOf(inputs.coefficients);
  o.globalX = c.globalX;
  o.globalY = c.globalY;
  o.windowX = c.windowX;
  o.windowY = c.windowY;
  o.screen = inputs.screen;
  return complete::ConvertModel(model, o);
}

// The script as the source listing shows its lines: the hint's reader then sees the lines the
// designed conversion sees. Its counts do not depend on the characters a UTF-16 script's lines
// lose there.
std::string ListedScript(const PackedLines& lines) {
  std::string bytes;
  for (std::string_view line : lines) {
    bytes += ListedLine(line);
    bytes += '\n';
  }
  return bytes;
}

// The hint's figures, counted as the reading goes, which keeps none of the script's resources.
complete::ResourceCounts CountForHint(const RunScript& script,
                                      const std::vector<std::string>& includeDirs) {
  complete::ResourceCounts counts;
  rc::ReadOptions read{includeDirs, {}, [&counts](rc::Model& model) { counts.TakeFrom(model); }};
  read.keepDefines = false;
  if (!script.bytes.empty() && rc::ReadsAsItsLines(script.bytes)) {
    rc::ReadScriptBytes(script.name, script.bytes, read);
  } else {
    rc::ReadScriptBytes(script.name, ListedScript(script.lines), read);
  }
  return counts;
}

// How many bytes the script holds, as read or as its lines are listed.
size_t ScriptSize(const RunScript& script) {
  if (!script.bytes.empty()) return script.bytes.size();
  size_t size = 0;
  for (std::string_view line : script.lines) size += ListedLine(line).size() + 1;
  return size;
}

void ConvertComplete(const RunScript& script, const RunInputs& inputs,
                     const std::vector<std::string>& includeDirs, ConversionRun& run) {
  // The program's lines read the model as long as they are read: they keep it.
  const auto reading = std::make_shared<rc::Reading>(
      rc::ReadScriptBytes(script.name, script.bytes, {includeDirs, {}, {}}));
  if (script.letGo) script.letGo();
  complete::CompleteProgram program = ConvertModel(script.name, reading->model, inputs);
  run.messages = std::move(reading->diagnostics);
  run.messages.insert(run.messages.end(), program.warnings.begin(), program.warnings.end());
  run.readWhole = reading->errors == 0;
  run.lines = std::move(program.lines);
  run.lines.Keep(reading);
  complete::ResourceCounts held;
  held.Add(reading->model);
  run.counts = RunCounts{program.written, held.Held(), program.written};
}

void ConvertDesigned(const RunScript& script, const RunInputs& inputs,
                     const std::vector<std::string>& includeDirs, bool counted,
                     ConversionRun& run) {
  // The hint's budget: a larger script is left to the designed conversion alone, with a note.
  const size_t size = ScriptSize(script);
  if (counted && size > kMaxHintScriptBytes) {
    run.messages.push_back({script.name, 0, 0, rc::Severity::kHint,
                            "the hint is left out: the script's " + std::to_string(size) +
                                " bytes pass the " + std::to_string(kMaxHintScriptBytes) +
                                " it reads"});
  } else if (counted) {
    const complete::ResourceCounts counts = CountForHint(script, includeDirs);
    run.counts = RunCounts{{}, counts.Held(), counts.Complete()};
  }
  const Coefficients coefficients = CoefficientsOf(inputs.coefficients);
  if (script.madeAsWritten) {
    // Made again each time it is read: a take that refuses a line stops only the taking, so that
    // the counts are always the whole program's.
    auto made = std::make_shared<std::optional<WrittenCounts>>();
    run.made = made;
    const PackedLines& lines = script.lines;
    const bool screen = inputs.screen;
    run.lines.AddMade([&lines, coefficients, screen, made](const ProgramLines::Take& take) {
      LineFeed feed(take);
      const DesignedProgram designed = tolvex::ConvertDesigned(
          lines, coefficients, screen, {}, [&feed](std::string_view line) { feed(line); });
      *made = designed.written;
      return feed.taken();
    });
    return;
  }
  DesignedProgram designed =
      tolvex::ConvertDesigned(script.lines, coefficients, inputs.screen, script.letGo);
  run.lines = ProgramLines(std::move(designed.lines));
  if (run.counts) run.counts->written = designed.written;
}

std::string Counted(int count, const std::string& what) {
  return std::to_string(count) + " " + what + (count == 1 ? "" : "s");
}

}  // namespace

ConversionRun ConvertForRun(const RunScript& script, const RunInputs& inputs,
                            const std::vector<std::string>& includeDirs, bool counted) {
  ConversionRun run;
  // The complete conversion reads the bytes alone, so its caller may leave the lines unsplit.
  if (script.lines.empty() && !(inputs.complete && rc::HoldsALine(script.bytes))) return run;
  run.converted = true;
  run.complete = inputs.complete;
  if (inputs.complete) {
    ConvertComplete(script, inputs, includeDirs, run);
  } else {
    ConvertDesigned(script, inputs, includeDirs, counted, run);
  }
  return run;
}

std::vector<std::string> MessageLines(const ConversionRun& run, bool quiet) {
  std::vector<std::string> text;
  for (const rc::Diagnostic& d : run.messages) {
    if (quiet && d.severity != rc::Severity::kError) continue;
    text.push_back(rc::FormatDiagnostic(d));
  }
  return text;
}

std::optional<std::string> HintLine(const std::string& script, const ConversionRun& run) {
  if (run.complete || !run.counts) return std::nullopt;
  RunCounts c = *run.counts;
  if (run.made && *run.made) c.written = **run.made;
  const auto hint = complete::LeftOutHint(c.written, c.held, c.complete);
  if (!hint) return std::nullopt;
  return rc::FormatDiagnostic({script, 0, 0, rc::Severity::kHint, *hint});
}

std::string CountsText(const ConversionRun& run) {
  if (!run.counts) return "";
  const RunCounts& c = *run.counts;
  const auto of = [](int wrote, int held, const char* what) {
    return std::to_string(wrote) + " of " + std::to_string(held) + " " + what;
  };
  // A figure a line: the column beside the listings is narrow.
  std::string text = "wrote " + of(c.written.windows, c.held.windows, "windows") + ",\r\n" +
                     of(c.written.controls, c.held.controls, "controls") + ",\r\n" +
                     of(c.written.menuItems, c.held.menuItems, "menu items") + "\r\n";
  // Left out by the one rule of the hint line.
  if (!run.complete && complete::LeftOutHint(c.written, c.held, c.complete)) {
    text += "the complete conversion writes " + std::to_string(c.complete.windows) + ", " +
            std::to_string(c.complete.controls) + " and " + std::to_string(c.complete.menuItems) +
            "\r\n";
  }
  int errors = 0, warnings = 0;
  for (const rc::Diagnostic& d : run.messages) {
    if (d.severity == rc::Severity::kError) ++errors;
    if (d.severity == rc::Severity::kWarning) ++warnings;
  }
  if (errors + warnings > 0) {
    text +=
        Counted(errors, "error") + " and " + Counted(warnings, "warning") + ", listed below\r\n";
  }
  return text;
}

}  // namespace tolvex
