// One #define per name, compared without regard to case, with the value the program uses. A name
// defined in two cases, and names the program declares itself, are the complete cases
// names_any_case and names_declared (tests/complete/cases).
#include "complete/program_names.h"

#include <gtest/gtest.h>

namespace tolvex::complete {
namespace {

rc::Define DefineOf(const std::string& name, const std::string& text, std::int32_t number,
                    const std::string& file = "s.rc", int line = 1) {
  rc::Define define;
  define.name = name;
  define.text = text;
  define.number = number;
  define.place = {file, line};
  return define;
}

// The #define lines, then their warnings, as the program writes them.
shapes::Lines DefineLines(const ProgramNames& names, rc::DiagnosticList& warnings) {
  shapes::Lines lines;
  names.EachDefineLine([&lines](std::string_view line) {
    lines.emplace_back(line);
    return true;
  });
  names.DefineWarnings(warnings);
  return lines;
}

rc::Value Use(const std::string& text, std::optional<std::int32_t> number) {
  return {text, number};
}

struct Names {
  rc::Model model;
  rc::DiagnosticList warnings;
  std::vector<std::string> Messages() {
    std::vector<std::string> messages;
    for (const rc::Diagnostic& d : warnings.All()) messages.push_back(rc::FormatDiagnostic(d));
    return messages;
  }
};

TEST(ProgramNames, TheValueInForceAtTheFirstUseIsKeptEverywhere) {
  Names n;
  n.model.defines = {DefineOf("IDC_A", "5", 5, "s.rc", 1), DefineOf("IDC_A", "6", 6, "s.rc", 2)};
  ProgramNames names(n.model, "s.rc");
  const rc::Value first = Use("IDC_A", 6), second = Use("idc_a", 5);
  EXPECT_EQ(names.Resolve(first, {"s.rc", 9}).Written(), "6");
  const ProgramId later = names.Resolve(second, {"s.rc", 10});
  EXPECT_EQ(later.Written(), "6");
  EXPECT_EQ(later.CaseLabel(), "idc_a");
  EXPECT_EQ(DefineLines(names, n.warnings), shapes::Lines{"#define  IDC_A   6"});
  EXPECT_EQ(n.Messages(), std::vector<std::string>{
                              "s.rc:1: warning: IDC_A is defined with more than one value: the "
                              "program keeps 6"});
}

TEST(ProgramNames, AnIdWithoutValueGetsANumberAboveTheOthersInOrderOfFirstUse) {
  Names n;
  n.model.defines = {DefineOf("IDC_KNOWN", "7", 7)};
  ProgramNames names(n.model, "s.rc");
  const std::vector<rc::Value> uses = {Use("IDC_LATER", std::nullopt),
                                       Use("idc_later", std::nullopt),
                                       Use("IDC_BASE+1", std::nullopt), Use("hwnd2", std::nullopt)};
  ProgramId later = names.Resolve(uses[0], {"s.rc", 4});
  ProgramId again = names.Resolve(uses[1], {"s.rc", 5});
  ProgramId sum = names.Resolve(uses[2], {"s.rc", 6});
  ProgramId own = names.Resolve(uses[3], {"s.rc", 7});
  const rc::Value known = Use("IDC_KNOWN", 7);
  names.Resolve(known, {"s.rc", 8});
  EXPECT_FALSE(later.valued);
  EXPECT_EQ(later.Written(), "");
  names.GiveValues(40011, {"resource.h"}, n.warnings);
  for (ProgramId* id : {&later, &again, &sum, &own}) names.Settle(*id);
  EXPECT_EQ(later.Written(), "40012");
  EXPECT_EQ(later.CaseLabel(), "IDC_LATER");
  EXPECT_EQ(again.Written(), "40012");
  EXPECT_EQ(again.CaseLabel(), "IDC_LATER");
  EXPECT_EQ(sum.CaseLabel(), "40013");
  EXPECT_EQ(own.CaseLabel(), "40014");
  EXPECT_EQ(DefineLines(names, n.warnings),
            (shapes::Lines{"#define  IDC_KNOWN   7", "#define  IDC_LATER   40012"}));
  EXPECT_EQ(
      n.Messages(),
      (std::vector<std::string>{
          "s.rc:4: warning: IDC_LATER has no value (resource.h was not read): defined as "
          "40012",
          "s.rc:6: warning: IDC_BASE+1 has no value (resource.h was not read): written as "
          "40013",
          "s.rc:7: warning: hwnd2 has no value (resource.h was not read): written as 40014"}));
}

}  // namespace
}  // namespace tolvex::complete
