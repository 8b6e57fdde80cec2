// One #define per name, compared without regard to case, with the value the program uses.
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
  EXPECT_EQ(names.Resolve(Use("IDC_A", 6), {"s.rc", 9}, n.warnings).written, "6");
  const ProgramId later = names.Resolve(Use("idc_a", 5), {"s.rc", 10}, n.warnings);
  EXPECT_EQ(later.written, "6");
  EXPECT_EQ(later.caseLabel, "idc_a");
  EXPECT_EQ(names.DefineLines(n.warnings), shapes::Lines{"#define  IDC_A   6"});
  EXPECT_EQ(n.Messages(), std::vector<std::string>{
                              "s.rc:1: warning: IDC_A is defined with more than one value: the "
                              "program keeps 6"});
}

TEST(ProgramNames, ANameIsDefinedOnceWhateverItsCase) {
  Names n;
  n.model.defines = {DefineOf("IdcB", "7", 7), DefineOf("IDCB", "7", 7),
                     DefineOf("IDC_HEX", "0x10", 16)};
  ProgramNames names(n.model, "s.rc");
  EXPECT_EQ(names.DefineLines(n.warnings),
            (shapes::Lines{"#define  IdcB   7", "#define  IDC_HEX   16"}));
  EXPECT_TRUE(n.Messages().empty());
}

TEST(ProgramNames, ANameTheProgramDeclaresIsNeverDefined) {
  Names n;
  n.model.defines = {DefineOf("hwnd1", "4", 4), DefineOf("Lsv", "5", 5), DefineOf("LSV2x", "6", 6),
                     DefineOf("MenName12", "7", 7)};
  ProgramNames names(n.model, "s.rc");
  EXPECT_EQ(names.Resolve(Use("Lsv", 5), {}, n.warnings).caseLabel, "5");
  EXPECT_EQ(names.DefineLines(n.warnings), shapes::Lines{"#define  LSV2x   6"});
  EXPECT_EQ(n.Messages().size(), 3u);
  EXPECT_EQ(n.Messages().front(),
            "s.rc:1: warning: hwnd1 is a name the program declares itself: its #define is not "
            "written and its uses are written as 4");
}

TEST(ProgramNames, AnUnknownNameIsWrittenAsItselfAndWarnedAboutOnce) {
  Names n;
  ProgramNames names(n.model, "s.rc");
  const ProgramId id = names.Resolve(Use("IDC_NONE", std::nullopt), {"s.rc", 4}, n.warnings);
  names.Resolve(Use("idc_none", std::nullopt), {"s.rc", 5}, n.warnings);
  EXPECT_EQ(id.written, "IDC_NONE");
  EXPECT_FALSE(id.number);
  EXPECT_EQ(n.Messages(),
            std::vector<std::string>{"s.rc:4: warning: IDC_NONE has no value: the program will not "
                                     "compile until it is defined"});
}

}  // namespace
}  // namespace tolvex::complete
