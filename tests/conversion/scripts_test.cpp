// Scripts written here through the whole designed conversion, each table's rows compared on the
// part of the program its pass writes: the head, the windows and gadgets, the menus, the menu
// branch. Whole programs are the golden cases' (tests/golden, through tolvex-cli).
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "tests/conversion/conversion_harness.h"

namespace tolvex::testing {
namespace {

struct Row {
  const char* name;
  Lines script;
  Lines expected;
  Coefficients coefficients = {};
};
using Part = std::function<Lines(const Lines&)>;

Lines Cat(std::initializer_list<Lines> pieces) {
  Lines all;
  for (const Lines& piece : pieces) all.insert(all.end(), piece.begin(), piece.end());
  return all;
}

Lines Dialog(const std::string& header, const Lines& body) {
  return Cat({{header, "CAPTION \"Cap\"", "FONT 8,\"Face\"", "BEGIN"}, body, {"END"}});
}

std::string Button(const std::string& id) {
  return "  CONTROL \"b\"," + id + ",\"Button\",0x50010000,2,2,2,2";
}

bool Starts(const std::string& line, const std::string& prefix) {
  return line.rfind(prefix, 0) == 0;
}

// Every program, whatever its script, ends with the event loop's tail.
void ExpectParts(const std::vector<Row>& rows, const Part& part) {
  for (const Row& row : rows) {
    const Lines out = Convert(row.script, row.coefficients);
    EXPECT_EQ(part(out), row.expected) << row.name;
    ASSERT_GE(out.size(), 4u) << row.name;
    EXPECT_EQ(out[out.size() - 4], "Loop") << row.name;
  }
}

// The lines up to the first window, or up to the event loop when there is none.
Lines Head(const Lines& out) {
  Lines head;
  for (const std::string& line : out) {
    head.push_back(line);
    if (Starts(line, "Var hwnd") || line == "' code") break;
  }
  return head;
}

// The window, gadget and gadget-branch Case lines, in order.
Lines Windows(const Lines& out) {
  Lines picked;
  for (const std::string& line : out) {
    if (Starts(line, "Var hwnd") || Starts(line, "SetGadgetFont") ||
        (Starts(line, "   ") && line.find("Gadget(") != std::string::npos) ||
        Starts(line, "              Case  ")) {
      picked.push_back(line);
    }
  }
  return picked;
}

// What stands after each window's gadget list up to the next window or the loop: with no
// controls, the window's empty lines and its menu.
Lines Menus(const Lines& out) {
  Lines picked;
  bool in = false;
  for (const std::string& line : out) {
    if (Starts(line, "Var hwnd") || line == "' code") in = false;
    if (in) picked.push_back(line);
    if (Starts(line, "UseGadgetList")) in = true;
  }
  return picked;
}

const Lines kInclude = {"#Include once \"gadgetkit.bi\"", " "};

TEST(DefinePass, WritesOneDefineLinePerRecordingLineUpToTheFirstDialogex) {
  const struct {
    Row row;
    int entries;
  } cases[] = {
      {{"any letter case, two markers",
        {"#define IDC_A 1", "#DEFINE IDC_B 2", "#Define IDD_C IDC_D 3"},
        Cat({kInclude,
             {"#define  IDC_A   1", "#define  IDC_B   2", "#define  IDD_C   IDC_D3", " ", " ",
              " ", "' code"}})},
       4},
      {{"a line that only mentions define",
        {"#define IDC_A 1", "// define the rest later", "#undef IDC_A"},
        Cat({kInclude, {"#define  IDC_A   1", " ", " ", " ", "' code"}})},
       1},
      // The define after the header is never read.
      {{"after the header", {"X DIALOGEX 0,0,10,10", "#define IDC_A 1"}, Cat({kInclude, {" ", "Var hwnd1=OpenWindow(\"\", 0,0,39,45)"}})}, 0},
      // A lower-case header ends the pass but is no dialog for the reader.
      {{"lower-case header",
        {"#define IDC_A 1", "x dialogex 0,0,10,10", "#define IDC_B 2"},
        Cat({kInclude, {"#define  IDC_A   1", " ", " ", " ", "' code"}})},
       1},
  };
  for (const auto& c : cases) {
    ExpectParts({c.row}, Head);
    EXPECT_EQ(Converted(c.row.script).state.INBEVENTMAX, c.entries) << c.row.name;
  }
}

TEST(DefinePass, GlobalCoefficientsScaleInSinglePrecision) {
  const struct {
    const char *x, *y;
    float scaleX, scaleY;
  } cases[] = {{" 1.000", " 1.000", 1.5f, 1.62f},
               {"2", "0.5", 3.0f, 0.81f},
               {"1,5", "abc", 1.5f, 0.0f},
               {"1e309", "-1", INFINITY, -1.62f}};
  for (const auto& c : cases) {
    Coefficients coefficients;
    coefficients.globalX = CoefficientOf(c.x);
    coefficients.globalY = CoefficientOf(c.y);
    const Converted converted({"#define IDC_A 1"}, coefficients);
    EXPECT_EQ(converted.state.SCALEX, c.scaleX) << c.x;
    EXPECT_EQ(converted.state.SCALEY, c.scaleY) << c.y;
  }
}

TEST(DialogReader, EachDialogIsReadFromItsHeaderToItsEnd) {
  Coefficients windowOnly;
  windowOnly.windowX = CoefficientOf("2");
  windowOnly.windowY = CoefficientOf("none");
  const std::string b3 = "   ButtonGadget(IDC_BTN3,3,3,3,3,\"b\")";
  const std::string k7(10000, '7'), kC(10000, 'c');
  ExpectParts(
      {
          {"a window coefficient scales only the window",
           Dialog("D DIALOGEX 6,6,194,106", {Button("IDC_BTN1")}),
           {"Var hwnd1=OpenWindow(\"Cap\", 6,6,625,0)",
            "SetGadgetFont (,LoadFont (\"Face\", 8))", "   ButtonGadget(IDC_BTN1,3,3,3,3,\"b\")",
            "              Case  IDC_BTN1"},
           windowOnly},
          {"a short header and no caption or font leave their fields empty",
           {"D DIALOGEX 5", "STYLE 1", "BEGIN", Button("IDC_BTN1"), "END"},
           {"Var hwnd1=OpenWindow(\"\", 5,,24,28)", "SetGadgetFont (,LoadFont (\"\",))",
            "   ButtonGadget(IDC_BTN1,3,3,3,3,\"b\")", "              Case  IDC_BTN1"}},
          {"controls are read from the third line after the header",
           {"D DIALOGEX 0,0,1,1", Button("IDC_BTN1"), Button("IDC_BTN2"), Button("IDC_BTN3"),
            "END"},
           {"Var hwnd1=OpenWindow(\"\", 0,0,25,29)", "SetGadgetFont (,LoadFont (\"\",))", b3,
            "              Case  IDC_BTN3"}},
          // Identifiers and captions holding END do not end the dialog; END with a comment does.
          {"END is a keyword at the start of a line",
           Dialog("D DIALOGEX 0,0,1,1",
                  {Button("IDC_BTN_SEND"), "  // ENDS here? no", "  ENDING",
                   Button("IDC_BTN_END"), "\tEND // of dialog", Button("IDC_BTN9")}),
           {"Var hwnd1=OpenWindow(\"Cap\", 0,0,25,29)", "SetGadgetFont (,LoadFont (\"Face\", 8))",
            "   ButtonGadget(IDC_BTN_SEND,3,3,3,3,\"b\")",
            "   ButtonGadget(IDC_BTN_END,3,3,3,3,\"b\")", "              Case  IDC_BTN_SEND",
            "              Case  IDC_BTN_END"}},
          {"a dialog without controls keeps the next dialog whole",
           Cat({Dialog("A DIALOGEX 0,0,1,1", {}),
                Dialog("B DIALOGEX 0,0,1,1", {Button("IDC_BTN1")})}),
           {"Var hwnd1=OpenWindow(\"Cap\", 0,0,25,29)", "SetGadgetFont (,LoadFont (\"Face\", 8))",
            "Var hwnd2=OpenWindow(\"Cap\", 0,0,25,29)", "SetGadgetFont (,LoadFont (\"Face\", 8))",
            "   ButtonGadget(IDC_BTN1,3,3,3,3,\"b\")", "              Case  IDC_BTN1"}},
          {"without an END line the next header ends the dialog",
           {"A DIALOGEX 0,0,1,1", "CAPTION \"a\"", "FONT 8,\"f\"", "BEGIN", "B DIALOGEX 0,0,1,1",
            "CAPTION \"b\"", "FONT 8,\"f\"", "BEGIN", Button("IDC_BTN1"), "END"},
           {"Var hwnd1=OpenWindow(\"a\", 0,0,25,29)", "SetGadgetFont (,LoadFont (\"f\", 8))",
            "Var hwnd2=OpenWindow(\"b\", 0,0,25,29)", "SetGadgetFont (,LoadFont (\"f\", 8))",
            "   ButtonGadget(IDC_BTN1,3,3,3,3,\"b\")", "              Case  IDC_BTN1"}},
          {"each dialog numbers its controls from one, the next header right after END",
           Cat({Dialog("A DIALOGEX 0,0,1,1", {Button("IDC_BTN1"), Button("IDC_BTN2")}),
                {"B DIALOGEX 0,0,1,1", "CAPTION \"b\"", "FONT 8,\"f\"", "BEGIN",
                 Button("IDC_BTN3"), "END"}}),
           {"Var hwnd1=OpenWindow(\"Cap\", 0,0,25,29)", "SetGadgetFont (,LoadFont (\"Face\", 8))",
            "   ButtonGadget(IDC_BTN1,3,3,3,3,\"b\")", "   ButtonGadget(IDC_BTN2,3,3,3,3,\"b\")",
            "Var hwnd2=OpenWindow(\"b\", 0,0,25,29)", "SetGadgetFont (,LoadFont (\"f\", 8))", b3,
            "              Case  IDC_BTN1", "              Case  IDC_BTN2",
            "              Case  IDC_BTN3"}},
          {"long lines are read whole",
           {"#define IDC_BTN1 " + k7, "D DIALOGEX 0,0,1,1", "CAPTION \"" + kC + "\"",
            "FONT 8,\"f\"", "BEGIN", "CONTROL \"" + kC + "\",IDC_BTN1,\"Button\",0x5,1,1,1,1",
            "END"},
           {"Var hwnd1=OpenWindow(\"" + kC + "\", 0,0,25,29)", "SetGadgetFont (,LoadFont (\"f\", 8))",
            "   ButtonGadget(" + k7 + ",2,2,2,2,\"" + kC + "\")", "              Case  IDC_BTN1"}},
          {"a dialog running off the end ends there",
           {"D DIALOGEX 0,0,1,1", "CAPTION \"c\"", "FONT 8,\"f\"", "BEGIN", Button("IDC_BTN1")},
           {"Var hwnd1=OpenWindow(\"c\", 0,0,25,29)", "SetGadgetFont (,LoadFont (\"f\", 8))",
            "   ButtonGadget(IDC_BTN1,3,3,3,3,\"b\")", "              Case  IDC_BTN1"}},
      },
      Windows);
}

const Lines kIdm = {"#define IDM_A 1", "#define IDM_B 2", "#define IDM_C 3"};
const Lines kDialog = {"D DIALOGEX 0,0,10,10", "CAPTION \"c\"", "FONT 8,\"f\"", "BEGIN", "END"};
const Lines kMenuA = {"IDR_MENU1 MENU", "BEGIN", "POPUP \"&F\"", "BEGIN", "MENUITEM \"&A\",IDM_A",
                      "END", "END"};
const Lines kMenuA1 = {"Dim As HMENU hMessages1", "     hMessages1 = Create_Menu()",
                       "Dim As HMENU MenName11", " ", "     MenName11=MenuTitle(hMessages1,\"F\")",
                       "     MenuItem(11, MenName11,\"A\")"};
const Lines kBlank = {" "}, kBlanks = {" ", " "};

TEST(Menus, EachDialogBeforeAMenuGetsItsItems) {
  ExpectParts(
      {
          {"nothing without an IDM_ define",
           Cat({{"#define IDC_A 1"}, kDialog, kMenuA}),
           Cat({kBlanks, kBlank, {" ", " "}})},
          // Only the menu emitter's own empty line stands between the window and the loop.
          {"a menu before every dialog is never found", Cat({kIdm, kMenuA, kDialog}),
           Cat({kBlanks, kBlank, kBlanks, kBlank})},
          {"every dialog before the menu gets its own copy",
           Cat({kIdm, kDialog, kDialog, kMenuA}),
           Cat({kBlanks, kBlank, kMenuA1, kBlanks, kBlank, kBlanks, kBlank,
                {"Dim As HMENU hMessages2", "     hMessages2 = Create_Menu()",
                 "Dim As HMENU MenName21", " ", "     MenName21=MenuTitle(hMessages2,\"F\")",
                 "     MenuItem(21, MenName21,\"A\")"},
                kBlanks, kBlank, kBlanks})},
          {"a sub-menu last in its pop-up stops the menu",
           Cat({kIdm, kDialog,
                {"IDR_MENU1 MENU", "BEGIN", "POPUP \"&File\"", "BEGIN", "POPUP \"&Print\"",
                 "BEGIN", "MENUITEM \"&Text\",IDM_A", "END", "END", "POPUP \"&Help\"", "BEGIN",
                 "MENUITEM \"&About\",IDM_B", "END", "END"}}),
           Cat({kBlanks, kBlank,
                {"Dim As HMENU hMessages1", "     hMessages1 = Create_Menu()",
                 "Dim As HMENU MenName11", "Dim As HMENU MenName12", "Dim As HMENU MenName13",
                 " ", "     MenName11=MenuTitle(hMessages1,\"File\")", " ",
                 "     MenName12=OpenSubMenu(MenName11,\"Print\")",
                 "     MenuItem(11, MenName12,\"Text\")"},
                kBlanks, kBlanks, kBlank})},
          {"a pop-up that is not the first entry puts its items in the parent",
           Cat({kIdm, kDialog,
                {"IDR_MENU1 MENU", "BEGIN", "MENUITEM \"&Bar\",IDM_C", "POPUP \"&File\"", "BEGIN",
                 "MENUITEM \"&New\",IDM_A", "POPUP \"&Recent\"", "BEGIN",
                 "MENUITEM \"&One\",IDM_B", "END", "MENUITEM \"&Exit\",IDM_C", "END", "END"}}),
           Cat({kBlanks, kBlank,
                {"Dim As HMENU hMessages1", "     hMessages1 = Create_Menu()",
                 "Dim As HMENU MenName11", "Dim As HMENU MenName12", " ",
                 "     MenName11=MenuTitle(hMessages1,\"File\")",
                 "     MenuItem(11, MenName11,\"New\")", "     MenuItem(12, MenName11,\"One\")"},
                kBlanks, kBlanks, kBlank})},
          {"items without ampersand, comma or title",
           Cat({kIdm, kDialog,
                {"IDR_MENU1 MENU", "BEGIN", "POPUP \"File\"", "BEGIN", "MENUITEM \"Open\",IDM_A",
                 "MENUITEM SEPARATOR", "MENUITEM \"&Send\",IDM_SEND", "MENUITEM \"&Last\"", "END",
                 "END"}}),
           Cat({kBlanks, kBlank,
                {"Dim As HMENU hMessages1", "     hMessages1 = Create_Menu()",
                 "Dim As HMENU MenName11", " ", "     MenName11=MenuTitle(hMessages1,\"File\")",
                 "     MenuItem(11, MenName11,\"Open\")", "     MenuItem(12, MenName11,\"Send\")",
                 "     MenuItem(13, MenName11,\"Last\")"},
                kBlanks, kBlanks, kBlank})},
          {"an unterminated menu ends with the listing",
           Cat({kIdm, kDialog,
                {"IDR_MENU1 MENU", "BEGIN", "POPUP \"&F\"", "BEGIN", "MENUITEM \"&A\",IDM_A"}}),
           Cat({kBlanks, kBlank, kMenuA1, kBlanks, kBlanks, kBlank})},
          {"a second menu right after the first is read too",
           Cat({kIdm, kDialog, kMenuA,
                {"IDR_MENU2 MENU", "BEGIN", "POPUP \"&G\"", "BEGIN", "MENUITEM \"&B\",IDM_B",
                 "END", "END"}}),
           Cat({kBlanks, kBlank,
                {"Dim As HMENU hMessages1", "     hMessages1 = Create_Menu()",
                 "Dim As HMENU MenName11", "Dim As HMENU MenName12", " ",
                 "     MenName11=MenuTitle(hMessages1,\"F\")", "     MenuItem(11, MenName11,\"A\")"},
                kBlanks, kBlank, {"     MenName11=MenuTitle(hMessages1,\"G\")",
                 "     MenuItem(11, MenName11,\"B\")"},
                kBlanks, kBlanks, kBlank})},
      },
      Menus);
}

TEST(Menus, TheBranchListsEveryIdmDefineInOrder) {
  ExpectParts(
      {{"every IDM_ define",
        Cat({{"#define IDM_B 2", "#define IDC_X 5", "#define MY_IDM_A 1"}, kDialog}),
        {"    If event = EventMenu then ", "        \tSelect case EventNumber",
         "\t\t          Case IDM_B", " \t\t     '     2", "\t\t          Case IDM_A",
         " \t\t     '     1", "\t         End Select", "    EndIf", "'"}},
       {"no branch without one", Cat({{"#define IDC_A 1"}, kDialog, kMenuA}), {}}},
      [](const Lines& out) {
        return Between(out, "    If event = EventMenu then ", "     Select Case event");
      });
}

TEST(Driver, EachCallStartsAfreshAndCountsWhatItWrote) {
  const DesignedProgram none = ConvertDesigned({}, {}, false);
  EXPECT_FALSE(none.converted);
  EXPECT_TRUE(none.lines.empty());
  const Lines script = Cat({{"#define IDC_BTN1 1", "#define IDM_A 5"},
                            Dialog("D DIALOGEX 1,2,3,4",
                                   {"CONTROL \"OK\",IDC_BTN1,\"Button\",0x50010000,1,2,3,4",
                                    "CONTROL \"No\",IDC_XYZ1,\"Button\",0x50010000,1,2,3,4"}),
                            {"IDR_MENU1 MENU", "BEGIN", "POPUP \"&F\"", "BEGIN",
                             "MENUITEM \"&A\",IDM_A", "MENUITEM SEPARATOR", "END", "END"}});
  const DesignedProgram first = ConvertDesigned(script, {}, false);
  EXPECT_EQ(ConvertDesigned(script, {}, false).lines, first.lines);
  EXPECT_EQ(first.written.windows, 1);
  EXPECT_EQ(first.written.controls, 1);  // IDC_XYZ1 names no gadget kind
  EXPECT_EQ(first.written.menuItems, 1);
}

}  // namespace
}  // namespace tolvex::testing
