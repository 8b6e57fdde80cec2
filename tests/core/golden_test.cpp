// Whole-output tests: every tests/golden/NAME.rc converts to exactly the bytes of NAME.bas, with
// the options of NAME.args when there is one.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "conversion/driver.h"
#include "tests/core/conversion_harness.h"

namespace tolvex::testing {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> GoldenNames() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(TOLVEX_GOLDEN_DIR)) {
    if (entry.path().extension() == ".rc") names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string Visible(const std::string& line) {
  std::string out;
  for (char c : line) out += c == '\t' ? std::string("\\t") : std::string(1, c);
  return "[" + out + "]";
}

// The first lines where the two texts differ, with tabs shown and each line bracketed so that
// trailing blanks show.
std::string FirstDifference(const std::string& expected, const std::string& actual) {
  const auto e = ScriptLines(expected), a = ScriptLines(actual);
  std::ostringstream out;
  const size_t n = std::max(e.size(), a.size());
  for (size_t i = 0, shown = 0; i < n && shown < 5; ++i) {
    const std::string el = i < e.size() ? e[i] : "<none>", al = i < a.size() ? a[i] : "<none>";
    if (el == al) continue;
    out << "line " << i + 1 << "\n  expected " << Visible(el) << "\n  actual   " << Visible(al)
        << "\n";
    ++shown;
  }
  if (out.str().empty()) out << "same lines, different line ends or final line\n";
  return out.str();
}

class GoldenTest : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenTest, ScriptConvertsToTheExpectedProgram) {
  const std::string base = std::string(TOLVEX_GOLDEN_DIR) + "/" + GetParam();
  const std::string script = ReadBytes(base + ".rc");
  const std::string expected = ReadBytes(base + ".bas");
  ASSERT_FALSE(expected.empty()) << base << ".bas is missing";

  LoadLines(ScriptLines(script));
  ApplyOptions(ReadBytes(base + ".args"));
  CONVERT();
  const std::string actual = OutputBytes();
  EXPECT_TRUE(actual == expected) << FirstDifference(expected, actual);
}

INSTANTIATE_TEST_SUITE_P(Golden, GoldenTest, ::testing::ValuesIn(GoldenNames()),
                         [](const ::testing::TestParamInfo<std::string>& p) { return p.param; });

}  // namespace
}  // namespace tolvex::testing
