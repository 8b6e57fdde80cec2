// The faults a case script cannot hold: a chain of twenty included files, and a script that cannot
// be read. The reader reports each where it stands and reads on.
#include <gtest/gtest.h>

#include <string>

#include "tests/rcscript/reading.h"

namespace tolvex::testing {
namespace {

// The fault of every other kind is a case beside its dump and messages (tests/rcscript/cases).
TEST(ErrorCatalogueTest, IncludesNestedTooDeeplyAreToldAtTheDeepestFile) {
  std::map<std::string, std::string> files;  // n0.h includes n1.h ... up to n19.h
  for (int i = 0; i < 20; ++i) {
    files["n" + std::to_string(i) + ".h"] = "#include \"n" + std::to_string(i + 1) + ".h\"\n";
  }
  const rc::Reading reading = ReadText("#include \"n0.h\"\n", files);
  EXPECT_EQ(
      Messages(reading),
      "n14.h:1:10: error: includes are nested deeper than 16 files; \"n15.h\" is passed over\n");
}

TEST(ErrorCatalogueTest, AMissingScriptIsAMessageAboutTheWholeFile) {
  rc::ReadOptions options;
  options.files = [](const std::string&) { return std::optional<std::string>(); };
  const rc::Reading reading = rc::ReadScript("gone.rc", options);
  EXPECT_EQ(Messages(reading), "gone.rc: error: cannot read the script\n");
  EXPECT_EQ(reading.errors, 1);
}

}  // namespace
}  // namespace tolvex::testing
