#include "cli/convert_script.h"

#include <fstream>
#include <iterator>

#include "app/headless_main_window.h"
#include "app/output_file.h"
#include "app/script_loader.h"
#include "app/shell_state.h"
#include "cli/complete_run.h"
#include "conversion/driver.h"
#include "conversion/main_window_ids.h"
#include "toolkit/files.h"
#include "toolkit/gadget_ops.h"
#include "toolkit/headless/headless_gadgets.h"

namespace tolvex::cli {
namespace {

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

std::string Reason() {
  const std::string why = files::LastFailure();
  return why.empty() ? "" : ": " + why;
}

}  // namespace

bool ConvertScript(const std::string& scriptArgument, const Options& options, std::ostream& out,
                   std::ostream& errors) {
  const std::string script = NativePath(scriptArgument);
  const auto fail = [&](const std::string& what) {
    errors << "tolvex-cli: " << scriptArgument << ": " << what << "\n";
    return false;
  };

  // As a load does: fresh window and tables, the script's lines, the folder's settings.
  OpenHeadlessMainWindow();
  ClearForLoad();
  NAMEF1040 = script;
  DIR1040 = FolderOf(script);
  files::ClearFailure();
  if (!ReadScriptIntoListing(script)) return fail("cannot read the script" + Reason());
  INI();
  for (const auto& [field, text] : options.coefficients) SetGadgetText(field, text.c_str());
  if (options.screen) headless::SetCheckState(kScreenCheck, 1);

  bool readWhole = true;
  if (options.complete) {
    if (CountItemListBox(kSourceListing) == 0)
      return fail("the script is empty: nothing to convert");
    readWhole = ConvertCompleteIntoListing(script, options, errors);
  } else if (!CONVERT()) {
    return fail("the script is empty: nothing to convert");
  }
  const std::string program = ListingBytes();
  if (!options.complete) HintAtLeftOut(script, program, options, errors);

  const std::string target =
      options.output ? NativePath(*options.output) : DIR1040 + kPathSeparator + BasFileName(script);
  if (options.check) {
    std::string existing;
    if (!ReadWholeFile(target, existing)) return fail(target + " does not exist");
    if (existing != program) return fail(target + " differs from the conversion");
  } else if (target == "-") {
    out.write(program.data(), static_cast<std::streamsize>(program.size()));
    out.flush();
  }
  // Run writes the program and then the settings, each on its own: a program that cannot be
  // written does not keep the settings from being saved.
  bool saved = true;
  if (!options.check && target != "-") {
    files::ClearFailure();
    if (!SaveWholeFile(target, program)) saved = fail("cannot write " + target + Reason());
  }
  if (options.saveSettings) {
    const std::string settings = DIR1040 + kPathSeparator + "tolvex.ini";
    files::ClearFailure();
    if (!SaveWholeFile(settings, SettingsBytes()))
      saved = fail("cannot write " + settings + Reason());
  }
  return saved && readWhole;
}

}  // namespace tolvex::cli
