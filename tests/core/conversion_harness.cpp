#include "tests/core/conversion_harness.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

#include "conversion/driver.h"
#include "conversion/main_window_ids.h"
#include "conversion/tables.h"
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

std::string OutputBytes() {
  std::string bytes;
  for (const std::string& line : OutputLines()) bytes += line + "\r\n";
  return bytes + "\r\n";
}

std::vector<std::string> ScriptLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::string line;
  for (char c : bytes) {
    if (c == '\n') {
      lines.push_back(line);
      line.clear();
    } else if (c != '\r') {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void ApplyOptions(const std::string& optionLines) {
  const struct {
    const char* option;
    int field;
  } fields[] = {{"--global-x=", kGlobalHorizCoeff},
                {"--global-y=", kGlobalVertCoeff},
                {"--window-x=", kWindowHorizCoeff},
                {"--window-y=", kWindowVertCoeff}};
  for (const std::string& line : ScriptLines(optionLines)) {
    if (line == "--screen") SetCheckBox(kScreenCheck, true);
    for (const auto& f : fields) {
      const std::string option = f.option;
      if (line.compare(0, option.size(), option) == 0) {
        SetGadgetText(f.field, line.substr(option.size()).c_str());
      }
    }
  }
}

std::vector<std::string> Between(const std::vector<std::string>& lines, const std::string& first,
                                 const std::string& stop) {
  auto begin = std::find(lines.begin(), lines.end(), first);
  auto end = begin == lines.end() ? begin : std::find(begin + 1, lines.end(), stop);
  return std::vector<std::string>(begin, end);
}

}  // namespace tolvex::testing
