#include "cli/convert_script.h"

#include <iterator>

#include "app/conversion_run.h"
#include "app/output_file.h"
#include "app/run_inputs.h"
#include "app/script_loader.h"
#include "app/shell_state.h"
#include "cli/messages.h"
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

}  // namespace

bool ConvertScript(const std::string& scriptArgument, const Options& options, std::istream& in,
                   std::ostream& out, std::ostream& errors) {
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
  std::vector<std::string> lines;
  // The bytes are kept for the complete conversion's reader, which reads every character.
  std::string bytes;
  Settings settings;
  RunInputs inputs = DefaultRunInputs();
  if (fromInput) {
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    lines = rc::SplitScriptLines(bytes);
  } else {
    if (!ReadScriptLines(script, lines, &bytes)) return fail(CannotReadScript());
    settings = ReadSettings();
    for (size_t i = 0; i < settings.texts.size(); ++i) {
      inputs.coefficients[i] = FieldText(settings.texts[i]);
    }
  }
  WarnOfCoefficients(settings.texts, options, errors);
  for (const auto& [field, text] : options.coefficients) {
    inputs.coefficients[field] = FieldText(text);
  }
  inputs.screen = options.screen;
  // An option forces a conversion; without one the folder's file chooses, as Load.rc does.
  inputs.complete = options.conversion == Options::Conversion::kComplete ||
                    (options.conversion == Options::Conversion::kFolder && settings.complete);
  // The designed conversion and its hint read the lines alone.
  if (!inputs.complete) std::string().swap(bytes);

  // The conversion the window's Run makes, its figures counted only for the hint.
  bool readWhole = true;
  std::string program;
  {
    const ConversionRun run =
        ConvertForRun({script, lines, bytes}, inputs, options.includeDirs, !options.quiet);
    if (!run.converted) return fail(EmptyScript());
    for (const std::string& line : MessageLines(run, options.quiet)) errors << line << "\n";
    program = ProgramBytes(run.lines);
    if (const auto hint = HintLine(script, run); hint && !options.quiet) errors << *hint << "\n";
    readWhole = run.readWhole;
  }

  const std::string target =
      options.output ? NativePath(*options.output) : DIR1040 + kPathSeparator + BasFileName(script);
  if (options.check) {
    std::string existing;
    if (!ReadFileBytes(target, existing)) return fail(MissingForCheck(target));
    if (existing != program) return fail(DiffersFromConversion(target));
  } else if (target == "-") {
    files::ClearFailure();
    out.write(program.data(), static_cast<std::streamsize>(program.size()));
    if (!out.flush()) return fail(CannotWriteToStandardOutput());
  }
  // Run writes the program and then the settings, each on its own: a program that cannot be
  // written does not keep the settings from being saved.
  bool saved = true;
  if (!options.check && target != "-") {
    files::ClearFailure();
    if (!fromInput && files::SameFile(target, script)) {
      saved = fail(ProgramWouldReplaceScript(target));
    } else {
      const ProgramSave save = SaveProgram(target, program);
      if (!save.backup.kept) {
        saved = fail(BackupFailure(target, save.backup));
      } else if (!save.saved) {
        saved = fail(save.keptTemporary.empty() ? CannotWrite(target)
                                                : CannotWriteKeeping(target, save.keptTemporary));
      } else if (!save.backup.name.empty() && !options.quiet) {
        errors << BackupNote(target, save.backup) << "\n";
      }
    }
  }
  if (options.saveSettings) {
    files::ClearFailure();
    std::string kept;
    if (!SaveWholeFile(SettingsPath(), SettingsBytes(inputs.coefficients, inputs.complete),
                       &kept)) {
      saved = fail(kept.empty() ? CannotWrite(SettingsPath())
                                : CannotWriteKeeping(SettingsPath(), kept));
    }
  }
  return saved && readWhole;
}

}  // namespace tolvex::cli
