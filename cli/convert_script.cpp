#include "cli/convert_script.h"

#include <optional>
#include <sstream>

#include "app/compare_file.h"
#include "app/conversion_run.h"
#include "app/output_file.h"
#include "app/run_inputs.h"
#include "app/script_guard.h"
#include "app/script_loader.h"
#include "app/shell_state.h"
#include "cli/messages.h"
#include "conversion/designed.h"
#include "generator/program_text.h"
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

  // As a load does: the script, then the folder's settings in the fields and the box. A script on
  // standard input has no folder and so no settings.
  NAMEF1040 = fromInput ? "" : script;
  DIR1040 = fromInput ? "" : FolderOf(script);
  files::ClearFailure();
  // The bytes are kept for the readers of the complete conversion and of the hint, which read
  // every character.
  std::string bytes;
  Settings settings;
  RunInputs inputs = DefaultRunInputs();
  if (fromInput) {
    if (!ReadStandardInputBytes(bytes)) return fail(CannotReadScript());
  } else {
    if (!ReadScriptFile(script, bytes)) return fail(CannotReadScript());
    settings = ReadSettings();
    for (size_t i = 0; i < settings.texts.size(); ++i) {
      inputs.coefficients[i] = FieldText(settings.texts[i]);
    }
    if (settings.unreadable && !options.quiet) {
      errors << SettingsUnreadableWarning(SettingsPath(), *settings.unreadable);
    }
  }
  if (!options.quiet) WarnOfCoefficients(settings.texts, options, errors);
  for (const auto& [field, text] : options.coefficients) {
    inputs.coefficients[field] = FieldText(text);
  }
  inputs.screen = options.screen;
  // An option forces a conversion; without one the folder's file chooses, as Load.rc does.
  inputs.complete = options.conversion == Options::Conversion::kComplete ||
                    (options.conversion == Options::Conversion::kFolder && settings.complete);

  // The conversion the window's Run makes, its figures counted only for the hint. The designed
  // program is made as it is written, from the script's lines, which stay until it has been; the
  // complete one reads the bytes once and lets them go before its program is written.
  PackedLines lines = inputs.complete ? PackedLines() : ScriptLinesIn(bytes);
  const auto letGo = [&] {
    lines = {};
    std::string().swap(bytes);
  };
  RunScript toConvert{script, lines, bytes};
  if (inputs.complete) toConvert.letGo = letGo;
  toConvert.madeAsWritten = !inputs.complete;
  ConversionRun run = ConvertForRun(toConvert, inputs, options.includeDirs, !options.quiet);
  if (inputs.complete) letGo();
  if (!run.converted) return fail(EmptyScript());
  for (const std::string& line : MessageLines(run, options.quiet)) errors << line << "\n";
  const BytePieces program = ProgramPieces(run.lines);

  // What writing the program says follows the hint, which counts the program once it is made.
  std::ostringstream written;
  const auto failWriting = [&](const std::string& what) {
    written << ScriptFailure(scriptArgument, what);
    return false;
  };
  const std::string target =
      options.output ? NativePath(*options.output) : DIR1040 + kPathSeparator + BasFileName(script);
  bool saved = true;
  if (options.check) {
    switch (CompareWithFile(target, program)) {
      case Comparison::kSame: break;
      case Comparison::kDiffers: saved = failWriting(DiffersFromConversion(target)); break;
      case Comparison::kMissing: saved = failWriting(MissingForCheck(target)); break;
      case Comparison::kUnreadable: saved = failWriting(CannotRead(target)); break;
    }
  } else if (target == "-") {
    files::ClearFailure();
    program([&out](std::string_view piece) {
      return static_cast<bool>(out.write(piece.data(), static_cast<std::streamsize>(piece.size())));
    });
    if (!out.flush()) saved = failWriting(CannotWriteToStandardOutput());
  }
  // Run writes the program and then the settings, each on its own: a program that cannot be
  // written does not keep the settings from being saved.
  const RunScripts scripts = ScriptsOfRun(options);
  if (!options.check && target != "-") {
    files::ClearFailure();
    if (const auto refused = ReplacesAScript(scripts, target, script, false)) {
      saved = failWriting(*refused);
    } else {
      const ProgramSave save = SaveProgram(target, program, scripts);
      if (!save.backup.kept) {
        saved = failWriting(BackupFailure(target, save.backup));
      } else if (!save.saved) {
        saved = failWriting(save.keptTemporary.empty()
                                ? CannotWrite(target)
                                : CannotWriteKeeping(target, save.keptTemporary));
      } else if (!save.backup.name.empty() && !options.quiet) {
        written << BackupNote(target, save.backup) << "\n";
      }
    }
  }
  // A program that was never read through (not written, or compared with a missing file) is made
  // for its counts alone.
  if (!options.quiet && run.made && !*run.made) {
    run.lines.Each([](std::string_view) { return true; });
  }
  letGo();
  if (const auto hint = HintLine(script, run); hint && !options.quiet) errors << *hint << "\n";
  errors << written.str();
  // A failed check or standard output ends the run: the settings are not saved.
  if ((options.check || target == "-") && !saved) return false;

  if (options.saveSettings) {
    files::ClearFailure();
    std::string kept;
    if (const auto refused = ReplacesAScript(scripts, SettingsPath(), script, true)) {
      saved = fail(*refused);
    } else if (const auto why = SettingsUnreadable()) {
      saved = fail(SettingsNotReplaced(SettingsPath(), *why));
    } else if (!SaveWholeFile(SettingsPath(), SettingsBytes(inputs.coefficients, inputs.complete),
                              &kept)) {
      saved = fail(kept.empty() ? CannotWrite(SettingsPath())
                                : CannotWriteKeeping(SettingsPath(), kept));
    }
  }
  return saved && run.readWhole;
}

}  // namespace tolvex::cli
