// How one script line becomes a control entry or define entries, and where the scanners stop.
#include <gtest/gtest.h>

#include "tests/conversion/conversion_harness.h"

namespace tolvex::testing {
namespace {

const PackedLines kNoScript;

// The line scanners of a conversion at the default scales, fed one line at a time.
struct Scanners {
  DesignedConversion c{kNoScript, {}, false};
  Scanners() {
    c.SCALEX = 1.5f;
    c.SCALEY = 1.62f;
  }
  void Define(const std::string& line) {
    c.SLINE = line;
    c.INODIALOG = 0;
    c.CONTROL();
    c.INBEVENTMAX = c.INBEVENT;
  }
  // Fills entry 1 of dialog 1 from a CONTROL line and returns its eight fields.
  Lines Control(const std::string& line) {
    c.SLINE = line;
    c.INODIALOG = 1;
    c.VALUECTRL(1);
    Lines fields;
    for (int f = 0; f < 8; ++f) fields.emplace_back(c.SIDNAME.get(1, 1, f));
    return fields;
  }
};

// The fields no program line shows. The bars' orientations the golden all_kinds pins (a last digit
// of 1 or 0 for a scroll bar, 4 or 0 for a progress bar, 2 or 0 for a track bar) and the fields a
// program shows (control_fields: scaled geometry, the orientation digit however long the style,
// no geometry without a comma after the style; control_lookup: the lookup compares whole texts and
// falls back to the identifier, and a caption with a comma gives a piece of itself to look up) are
// golden cases.
TEST(LineFields, ControlLineFillsEveryFieldWithScaledRoundedGeometry) {
  const struct {
    const char *define, *line, *fields;  // the eight fields, each ended by |
  } cases[] = {
      // 10.5 goes to the even 10; the single-precision 1.62 puts 25 x 1.62 above 40.5.
      {"", R"(CONTROL "",IDC_X,"Button",0x50010000,7,25,17,11)", "IDC_X|IDC_X|10|41|26|18|||"},
      // A kind without an orientation takes none from the style's last digit; with no style
      // number there is no entry.
      {"", R"(CONTROL "",IDC_BTN1,"C",0x50000001,1,1,1,1)", "IDC_BTN1|IDC_BTN1|2|2|2|2|||"},
      {"", R"(CONTROL "OK",IDC_BTN1,"Button",WS_TABSTOP,1,2,3,4)", "||||||||"},
      // A blank after a comma stays part of the next field: it matches no define, and the name
      // with its blank no gadget kind.
      {"#define IDC_BTN10 1010", R"(CONTROL "OK", IDC_BTN10,"Button",0x50010000,1,1,1,1)",
       " IDC_BTN10| IDC_BTN10|2|2|2|2||OK|"},
  };
  for (const auto& row : cases) {
    Scanners s;
    if (*row.define) s.Define(row.define);
    std::string fields;
    for (const std::string& field : s.Control(row.line)) fields += field + "|";
    EXPECT_EQ(fields, row.fields) << row.line;
  }
}

TEST(LineFields, DefineLineRecordsOneEntryPerMarkerFromTheMarkerToABlank) {
  const struct {
    const char* line;
    std::vector<Lines> entries;
    int menus;
  } cases[] = {
      {"#define IDD_DLG IDC_X 5", {{"IDC_X", "5"}, {"IDD_DLG", "IDC_X5"}}, 0},
      {"#define IDM_OPEN 201 // IDM_OPEN again", {{"IDM_OPEN", "201//IDM_OPENagain"}}, 1},
      {"#define MY_IDC_X 7", {{"IDC_X", "7"}}, 0},
      {"#define IDC_TAB\t1001", {{"IDC_TAB\t1001", ""}}, 0},
      {"#define IDC_LAST", {{"IDC_LAST", ""}}, 0},
      {"#define CREATEPROCESS_MANIFEST_RESOURCE_ID 1", {{"MANIFEST_RESOURCE_ID", "1"}}, 0},
  };
  for (const auto& row : cases) {
    Scanners s;
    s.Define(row.line);
    std::vector<Lines> entries;
    for (int i = 1; i <= s.c.INBEVENT; ++i)
      entries.push_back(
          {std::string(s.c.SIDNAME.get(0, i, 0)), std::string(s.c.SIDNAME.get(0, i, 1))});
    EXPECT_EQ(entries, row.entries) << row.line;
    EXPECT_EQ(s.c.INBMENU, row.menus) << row.line;
  }
}

TEST(LineFields, ScannersStopAtTheirDelimiterOrTheEndOfTheLine) {
  Scanners s;
  DesignedConversion& c = s.c;
  const auto scan = [&c](const std::string& line, int from,
                         std::string (DesignedConversion::*f)()) {
    if (!line.empty()) c.SLINE = line;
    if (from > 0) c.ISIGNE = from;
    c.A.clear();
    return (c.*f)();
  };
  EXPECT_EQ(scan(R"(X DIALOGEX 6,"cap" tail)", 11, &DesignedConversion::VALOR), " 6");
  EXPECT_EQ(c.ISIGNE, 13);
  EXPECT_EQ(scan("", 0, &DesignedConversion::CAPTION), "cap");
  EXPECT_EQ(c.SLINE[static_cast<size_t>(c.ISIGNE) - 1], '"');
  EXPECT_EQ(scan("", 0, &DesignedConversion::FONT), "\" tail");
  EXPECT_EQ(scan("no quotes", 1, &DesignedConversion::CAPTION), "");
  EXPECT_EQ(scan("open \"quote", 1, &DesignedConversion::CAPTION), "quote");
}

}  // namespace
}  // namespace tolvex::testing
