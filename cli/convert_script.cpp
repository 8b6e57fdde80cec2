#include "cli/convert_script.h"

#include <optional>

#include "app/output_file.h"
#include "app/run_inputs.h"
#include "app/script_guard.h"
#include "app/script_loader.h"
#include "app/shell_state.h"
#include "cli/compare_file.h"
#include "cli/complete_run.h"
#include "cli/messages.h"
#include "conversion/designed.h"
#include "generator/program_text.h"
#include "rcscript/script_lines.h"
#include "toolkit/files.h"

namespace tolvex::cli {
namespace {

bool SetByOption(const Options& options, size_t field) {
  for (const auto& given : options.coefficients) {
    if (given.first == field) return true;
  }
  return false;
}

// Warns of each coefficient the conversion will use that is not a sound one: the settings file's
// lines first, then the options, which take the place of the lines they name.
void WarnOfCoefficients(const std::vector<std::string>& settings, const Options& options,
                        std::ostream& errors) {
  for (size_t line = 0; line < settings.size(); ++line) {
    if (SetByOption(options, line)) continue;
    if (const auto doubt = CoefficientWarning(settings[line])) {
      errors << LineWarning(SettingsPath(), line + 1, 1, *doubt);
    }
  }
  for (const auto& [field, text] : options.coefficients) {
    if (const auto doubt = CoefficientWarning(text)) {
      errors << OptionWarning(CoefficientOptionName(field), *doubt);
    }
  }
}

// Every script of the run, standard input's included: none of them is ever an output.
RunScripts ScriptsOfRun(const Options& options) {
  RunScripts scripts;
  for (const std::string& script : options.scripts) {
    if (script == kStandardInput) {
      scripts.AddStandardInput();
    } else {
      scripts.Add(NativePath(script));
    }
  }
  return scripts;
}

// The message for writing target over a script of the run, or nothing when it is none.
std::optional<std::string> ReplacesAScript(const RunScripts& scripts, const std::string& target,
                                           const std::string& script, bool settings) {
  const std::string* replaced = scripts.ReplacedBy(target);
  if (replaced == nullptr) return std::nullopt;
  if (settings) return SettingsWouldReplaceScript(target);
  RunScripts converted;
  if (script == kStandardInput) {
    converted.AddStandardInput();
  } else {
    converted.Add(script);
  }
  if (converted.ReplacedBy(target) != nullptr) return ProgramWouldReplaceScript(target);
  return ProgramWouldReplaceOtherScript(target, *replaced);
}

}  // namespace

bool ConvertScript(const std::string& scriptArgument, const Options& options, std::ostream& out,
                   std::ostream& errors) {
  const bool fromInput = scriptArgument == kStandardInput;
  const std::string script = fromInput ? scriptArgument : NativePath(scriptArgument);
  const auto fail = [&](const std::string& what) {
    errors << ScriptFailure(scriptArgument, what);
    return false;
  };

  // As a load does: the script's lines, then the folder's settings in the fields. A script on
  // standard input has no folder and so no settings.
  NAMEF1040 = fromInput ? "" : script;
  DIR1040 = fromInput ? "" : FolderOf(script);
  files::ClearFailure();
  std::vector<std::string> settings;
  // The bytes come first: the complete conversion's reader and the hint's read them, and the
  // designed conversion's lines are split from them only when those are done.
  std::string bytes;
  RunInputs inputs = DefaultRunInputs();
  if (fromInput) {
    if (!ReadStandardInputBytes(bytes)) return fail(CannotReadScript());
  } else {
    if (!ReadScriptFile(script, bytes)) return fail(CannotReadScript());
    settings = SettingsTexts();
    for (size_t i = 0; i < settings.size(); ++i) inputs.coefficients[i] = FieldText(settings[i]);
    if (const auto why = SettingsUnreadable()) {
      errors << SettingsUnreadableWarning(SettingsPath(), *why);
    }
  }
  WarnOfCoefficients(settings, options, errors);
  for (const auto& [field, text] : options.coefficients) {
    inputs.coefficients[field] = FieldText(text);
  }
  inputs.screen = options.screen;

  bool readWhole = true;
  std::string program;
  if (options.complete) {
    if (!rc::HasScriptLines(bytes)) return fail(EmptyScript());
    program = ProgramBytes(ConvertComplete(script, bytes, inputs, options, errors, readWhole));
  } else {
    // The hint's reading is taken, and let go, before the lines are split; the bytes, before the
    // designed program is made; the lines, before its text is.
    const std::optional<HintFacts> hintFacts = FactsForHint(script, bytes, options, errors);
    std::vector<std::string> lines = rc::SplitScriptLines(bytes);
    std::string().swap(bytes);
    DesignedProgram designed =
        ConvertDesigned(lines, CoefficientsOf(inputs.coefficients), inputs.screen);
    std::vector<std::string>().swap(lines);
    if (!designed.converted) return fail(EmptyScript());
    program = ProgramBytes(designed.lines);
    shapes::Lines().swap(designed.lines);
    if (hintFacts) HintAtLeftOut(script, designed.written, *hintFacts, errors);
  }

  const std::string target =
      options.output ? NativePath(*options.output) : DIR1040 + kPathSeparator + BasFileName(script);
  if (options.check) {
    switch (CompareWithFile(target, program)) {
      case Comparison::kSame: break;
      case Comparison::kDiffers: return fail(DiffersFromConversion(target));
      case Comparison::kMissing: return fail(MissingForCheck(target));
      case Comparison::kUnreadable: return fail(CannotRead(target));
    }
  } else if (target == "-") {
    files::ClearFailure();
    out.write(program.data(), static_cast<std::streamsize>(program.size()));
    if (!out.flush()) return fail(CannotWriteToStandardOutput());
  }
  // Run writes the program and then the settings, each on its own: a program that cannot be
  // written does not keep the settings from being saved.
  bool saved = true;
  const RunScripts scripts = ScriptsOfRun(options);
  if (!options.check && target != "-") {
    files::ClearFailure();
    std::string kept;
    if (const auto refused = ReplacesAScript(scripts, target, script, false)) {
      saved = fail(*refused);
    } else if (!SaveWholeFile(target, program, &kept)) {
      saved = fail(kept.empty() ? CannotWrite(target) : CannotWriteKeeping(target, kept));
    }
  }
  if (options.saveSettings) {
    files::ClearFailure();
    std::string kept;
    if (const auto refused = ReplacesAScript(scripts, SettingsPath(), script, true)) {
      saved = fail(*refused);
    } else if (const auto why = SettingsUnreadable()) {
      saved = fail(SettingsNotReplaced(SettingsPath(), *why));
    } else if (!SaveWholeFile(SettingsPath(), SettingsBytes(inputs.coefficients), &kept)) {
      saved = fail(kept.empty() ? CannotWrite(SettingsPath())
                                : CannotWriteKeeping(SettingsPath(), kept));
    }
  }
  return saved && readWhole;
}

}  // namespace tolvex::cli
