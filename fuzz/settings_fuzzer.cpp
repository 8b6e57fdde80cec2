// Feeds arbitrary bytes to the loading of a settings file. The four coefficient fields must take
// the texts of a plain statement of the rule written here (at most four lines, LF ends a line,
// CR is dropped, a text ends at a NUL and at the field's capacity; the others stay as they were),
// and the complete conversion must be asked for exactly when a fifth line reads "complete";
// saving them must write exactly what loading them back restores, and the coefficient warning
// must agree with the number the conversion reads.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "app/output_file.h"
#include "app/run_inputs.h"
#include "app/shell_state.h"
#include "cli/messages.h"
#include "fuzz/fuzz_files.h"
#include "generator/numbers.h"

namespace {

// The fields after a load of the settings file, as the command-line converter fills them.
tolvex::CoefficientTexts LoadedFields(bool& complete) {
  tolvex::CoefficientTexts texts = tolvex::DefaultRunInputs().coefficients;
  const tolvex::Settings settings = tolvex::ReadSettings();
  for (size_t i = 0; i < settings.texts.size(); ++i)
    texts[i] = tolvex::FieldText(settings.texts[i]);
  complete = settings.complete;
  return texts;
}

// The fields, then whether a fifth line asks for the complete conversion ("complete" or "no").
std::vector<std::string> ExpectedFields(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < bytes.size() && lines.size() < 5) {
    size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::string line;
    for (char c : bytes.substr(start, end - start)) {
      if (c != '\r') line += c;
    }
    line = line.substr(0, line.find('\0'));
    lines.push_back(lines.size() < 4 ? line.substr(0, 1023) : line);
    start = end + 1;
  }
  const bool complete = lines.size() == 5 && lines[4] == "complete";
  lines.resize(4, " 1.000");
  lines.push_back(complete ? "complete" : "no");
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tolvex;
  static const std::string folder = fuzzing::FolderOfOurOwn("tolvex-settings-fuzz");
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  DIR1040 = folder;
  std::ofstream(SettingsPath(), std::ios::binary | std::ios::trunc)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));

  bool complete = false;
  const CoefficientTexts loaded = LoadedFields(complete);
  std::vector<std::string> got(loaded.begin(), loaded.end());
  got.push_back(complete ? "complete" : "no");
  if (got != ExpectedFields(bytes)) std::abort();

  // The round trip: what is saved is what the fields and the box hold, and loads back as it was.
  SAVINI(loaded, complete);
  if (fuzzing::BytesOf(SettingsPath()) != SettingsBytes(loaded, complete)) std::abort();
  bool completeAgain = !complete;
  if (LoadedFields(completeAgain) != loaded || completeAgain != complete) std::abort();

  // No warning means a number the conversion can scale by; plain digits around one point always
  // are one.
  for (const std::string& text : loaded) {
    const double value = LeadingNumber(text);
    const bool warned = CoefficientWarning(text).has_value();
    if (!warned && !(std::isfinite(value) && value > 0)) std::abort();
    const bool plain = !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
    if (plain && value > 0 && std::isfinite(value) && warned) std::abort();
  }
  return 0;
}
