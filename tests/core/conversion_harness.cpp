#include "tests/core/conversion_harness.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "app/output_file.h"
#include "cli/options.h"
#include "conversion/driver.h"
#include "conversion/main_window_ids.h"
#include "conversion/tables.h"
#include "rcscript/script_lines.h"
#include "tests/support/conversion_window.h"
#include "toolkit/gadget_ops.h"

namespace tolvex::testing {

void LoadLines(const std::vector<std::string>& lines) {
  OpenConversionWindow();
  ResetTablesForLoad();
  for (const std::string& line : lines) AddListBoxItem(kSourceListing, line.c_str(), -1);
}

std::vector<std::string> OutputLines() {
  std::vector<std::string> lines;
  const int count = CountItemListBox(kOutputListing);
  for (int i = 0; i < count; ++i) lines.push_back(ListBoxText(kOutputListing, i));
  return lines;
}

std::vector<std::string> Convert(const std::vector<std::string>& lines) {
  LoadLines(lines);
  CONVERT();
  return OutputLines();
}

std::string OutputBytes() { return ListingBytes(); }

std::vector<std::string> ScriptLines(const std::string& bytes) {
  return rc::SplitScriptLines(bytes);
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void ApplyOptions(const std::string& optionLines) {
  std::vector<std::string> arguments = ScriptLines(optionLines);
  arguments.push_back("script.rc");
  const cli::Options options = cli::ParseOptions(arguments).options;
  for (const auto& [field, text] : options.coefficients) SetGadgetText(field, text.c_str());
  if (options.screen) SetCheckBox(kScreenCheck, true);
}

std::vector<std::string> Between(const std::vector<std::string>& lines, const std::string& first,
                                 const std::string& stop) {
  auto begin = std::find(lines.begin(), lines.end(), first);
  auto end = begin == lines.end() ? begin : std::find(begin + 1, lines.end(), stop);
  return std::vector<std::string>(begin, end);
}

}  // namespace tolvex::testing
