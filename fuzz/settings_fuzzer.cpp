// Feeds arbitrary bytes to the loading of a settings file. The four coefficient fields must take
// the texts of a plain statement of the rule written for the fuzzers (at most four lines, LF ends a
// line, CR is dropped, a text ends at a NUL and at the field's capacity; the others stay as they
// were), and the complete conversion must be asked for exactly when a fifth line reads "complete";
// saving them must write exactly what loading them back restores, and the coefficient warning
// must agree with the number the conversion reads.

#include <cmath>

#include "app/output_file.h"
#include "app/run_inputs.h"
#include "app/shell_state.h"
#include "cli/messages.h"
#include "fuzz/fuzz_target.h"
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
  std::vector<std::string> lines = tolvex::fuzzing::PlainLines(bytes, false);
  const bool complete = lines.size() >= 5 && lines[4] == "complete";
  lines.resize(4, " 1.000");
  for (std::string& line : lines) line = line.substr(0, 1023);
  lines.push_back(complete ? "complete" : "no");
  return lines;
}

}  // namespace

int tolvex::fuzzing::FuzzOne(std::string_view input) {
  const std::string bytes(input);
  DIR1040 = FolderOfOurOwn().string();
  testing::WriteBytes(SettingsPath(), bytes);

  bool complete = false;
  const CoefficientTexts loaded = LoadedFields(complete);
  std::vector<std::string> got(loaded.begin(), loaded.end());
  got.push_back(complete ? "complete" : "no");
  FUZZ_CHECK(got == ExpectedFields(bytes));

  // The round trip: what is saved is what the fields and the box hold, and loads back as it was.
  SAVINI(loaded, complete);
  FUZZ_CHECK(testing::BytesOf(SettingsPath()) == SettingsBytes(loaded, complete));
  bool completeAgain = !complete;
  FUZZ_CHECK(LoadedFields(completeAgain) == loaded && completeAgain == complete);

  // No warning means a number the conversion can scale by; plain digits around one point always
  // are one.
  for (const std::string& text : loaded) {
    const double value = LeadingNumber(text);
    const bool warned = CoefficientWarning(text).has_value();
    FUZZ_CHECK(warned || (std::isfinite(value) && value > 0));
    const bool plain = !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
    FUZZ_CHECK(!(plain && value > 0 && std::isfinite(value) && warned));
  }
  return 0;
}
