// Scripts written here through the whole designed conversion, each table's rows compared on the
// part of the program its pass writes: the head, the windows and gadgets, the menus, the menu
// branch. Scripts and parts are written as one text, a line ending at each \n. Whole programs are
// the golden cases' (tests/golden, through tolvex-cli).
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "tests/conversion/conversion_harness.h"

namespace tolvex::testing {
namespace {

Lines L(const std::string& text) {
  Lines lines;
  for (size_t start = 0, end; start < text.size(); start = end + 1) {
    end = std::min(text.find('\n', start), text.size());
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

struct Row {
  const char* name;
  std::string script, expected;
  Coefficients coefficients = {};
};

// Every program, whatever its script, also ends with the event loop's tail.
void ExpectParts(const std::vector<Row>& rows, const std::function<Lines(const Lines&)>& part) {
  for (const Row& row : rows) {
    const Lines out = Convert(L(row.script), row.coefficients);
    EXPECT_EQ(part(out), L(row.expected)) << row.name;
    ASSERT_GE(out.size(), 4u) << row.name;
    EXPECT_EQ(out[out.size() - 4], "Loop") << row.name;
  }
}

bool Starts(const std::string& line, const std::string& prefix) {
  return line.rfind(prefix, 0) == 0;
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

std::string Blanks(int n) {
  std::string blanks;
  for (int i = 0; i < n; ++i) blanks += " \n";
  return blanks;
}

const std::string kInclude = "#Include once \"gadgetkit.bi\"\n \n";

TEST(DefinePass, WritesOneDefineLinePerRecordingLineUpToTheFirstDialogex) {
  const struct {
    Row row;
    int entries;
  } cases[] = {
      {{"any letter case, two markers", "#define IDC_A 1\n#DEFINE IDC_B 2\n#Define IDD_C IDC_D 3",
        kInclude + "#define  IDC_A   1\n#define  IDC_B   2\n#define  IDD_C   IDC_D3\n" + Blanks(3) +
            "' code"},
       4},
      {{"a line that only mentions define",
        "#define IDC_A 1\n// define the rest later\n#undef IDC_A",
        kInclude + "#define  IDC_A   1\n" + Blanks(3) + "' code"},
       1},
      // The define after the header is never read.
      {{"after the header", "X DIALOGEX 0,0,10,10\n#define IDC_A 1",
        kInclude + " \nVar hwnd1=OpenWindow(\"\", 0,0,39,45)"},
       0},
      // A lower-case header ends the pass but is no dialog for the reader.
      {{"lower-case header", "#define IDC_A 1\nx dialogex 0,0,10,10\n#define IDC_B 2",
        kInclude + "#define  IDC_A   1\n" + Blanks(3) + "' code"},
       1},
  };
  for (const auto& c : cases) {
    ExpectParts({c.row}, Head);
    EXPECT_EQ(Converted(L(c.row.script)).state.INBEVENTMAX, c.entries) << c.row.name;
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

std::string Dialog(const std::string& header, const std::string& body) {
  return header + "\nCAPTION \"Cap\"\nFONT 8,\"Face\"\nBEGIN\n" + body + "END\n";
}
std::string Button(const std::string& id) {
  return "  CONTROL \"b\"," + id + ",\"Button\",0x50010000,2,2,2,2\n";
}
// The window lines of hwndN and a gadget line and Case line of such a button.
std::string Window(int n, const std::string& caption, const std::string& geometry,
                   const std::string& font) {
  return "Var hwnd" + std::to_string(n) + "=OpenWindow(\"" + caption + "\"," + geometry +
         ")\nSetGadgetFont (,LoadFont (\"" + font + "\"," + (font.empty() ? "" : " 8") + "))\n";
}
std::string Gadget(const std::string& id) { return "   ButtonGadget(" + id + ",3,3,3,3,\"b\")\n"; }
std::string Case(const std::string& id) { return "              Case  " + id + "\n"; }

TEST(DialogReader, EachDialogIsReadFromItsHeaderToItsEnd) {
  Coefficients windowOnly;
  windowOnly.windowX = CoefficientOf("2");
  windowOnly.windowY = CoefficientOf("none");
  const std::string k7(10000, '7'), kC(10000, 'c'), kSmall = " 0,0,25,29";
  ExpectParts(
      {
          {"a window coefficient scales only the window",
           Dialog("D DIALOGEX 6,6,194,106", Button("IDC_BTN1")),
           Window(1, "Cap", " 6,6,625,0", "Face") + Gadget("IDC_BTN1") + Case("IDC_BTN1"),
           windowOnly},
          {"a short header and no caption or font leave their fields empty",
           "D DIALOGEX 5\nSTYLE 1\nBEGIN\n" + Button("IDC_BTN1") + "END",
           Window(1, "", " 5,,24,28", "") + Gadget("IDC_BTN1") + Case("IDC_BTN1")},
          {"controls are read from the third line after the header",
           "D DIALOGEX 0,0,1,1\n" + Button("IDC_BTN1") + Button("IDC_BTN2") + Button("IDC_BTN3") +
               "END",
           Window(1, "", kSmall, "") + Gadget("IDC_BTN3") + Case("IDC_BTN3")},
          // Identifiers and captions holding END do not end the dialog; END with a comment does.
          {"END is a keyword at the start of a line",
           Dialog("D DIALOGEX 0,0,1,1", Button("IDC_BTN_SEND") + "  // ENDS here? no\n  ENDING\n" +
                                            Button("IDC_BTN_END") + "\tEND // of dialog\n" +
                                            Button("IDC_BTN9")),
           Window(1, "Cap", kSmall, "Face") + Gadget("IDC_BTN_SEND") + Gadget("IDC_BTN_END") +
               Case("IDC_BTN_SEND") + Case("IDC_BTN_END")},
          {"a dialog without controls keeps the next dialog whole",
           Dialog("A DIALOGEX 0,0,1,1", "") + Dialog("B DIALOGEX 0,0,1,1", Button("IDC_BTN1")),
           Window(1, "Cap", kSmall, "Face") + Window(2, "Cap", kSmall, "Face") +
               Gadget("IDC_BTN1") + Case("IDC_BTN1")},
          {"without an END line the next header ends the dialog",
           "A DIALOGEX 0,0,1,1\nCAPTION \"a\"\nFONT 8,\"f\"\nBEGIN\nB DIALOGEX 0,0,1,1\n"
           "CAPTION \"b\"\nFONT 8,\"f\"\nBEGIN\n" +
               Button("IDC_BTN1") + "END",
           Window(1, "a", kSmall, "f") + Window(2, "b", kSmall, "f") + Gadget("IDC_BTN1") +
               Case("IDC_BTN1")},
          {"each dialog keeps its controls, the next header right after END",
           Dialog("A DIALOGEX 0,0,1,1", Button("IDC_BTN1") + Button("IDC_BTN2")) +
               Dialog("B DIALOGEX 0,0,1,1", Button("IDC_BTN3")),
           Window(1, "Cap", kSmall, "Face") + Gadget("IDC_BTN1") + Gadget("IDC_BTN2") +
               Window(2, "Cap", kSmall, "Face") + Gadget("IDC_BTN3") + Case("IDC_BTN1") +
               Case("IDC_BTN2") + Case("IDC_BTN3")},
          {"long lines are read whole",
           "#define IDC_BTN1 " + k7 + "\nD DIALOGEX 0,0,1,1\nCAPTION \"" + kC +
               "\"\nFONT 8,\"f\"\nBEGIN\nCONTROL \"" + kC +
               "\",IDC_BTN1,\"Button\",0x5,1,1,1,1\nEND",
           Window(1, kC, kSmall, "f") + "   ButtonGadget(" + k7 + ",2,2,2,2,\"" + kC + "\")\n" +
               Case("IDC_BTN1")},
          {"a dialog running off the end ends there",
           "D DIALOGEX 0,0,1,1\nCAPTION \"c\"\nFONT 8,\"f\"\nBEGIN\n" + Button("IDC_BTN1"),
           Window(1, "c", kSmall, "f") + Gadget("IDC_BTN1") + Case("IDC_BTN1")},
      },
      Windows);
}

// Behind the lines: each dialog numbers its controls from one, a dialog without any holds none.
TEST(DialogReader, EachDialogNumbersItsControlsFromOne) {
  const Converted two(L(Dialog("A DIALOGEX 0,0,1,1", Button("IDC_BTN1") + Button("IDC_BTN2")) +
                        Dialog("B DIALOGEX 0,0,1,1", Button("IDC_BTN3"))));
  EXPECT_EQ(two.state.SIDNAME.get(2, 1, 0), "IDC_BTN3");
  const Converted none(
      L(Dialog("A DIALOGEX 0,0,1,1", "") + Dialog("B DIALOGEX 0,0,1,1", Button("IDC_BTN1"))));
  EXPECT_EQ(none.state.SIDNAME.entryCount(1), 0);
  EXPECT_EQ(none.state.SIDNAME.get(2, 1, 0), "IDC_BTN1");
}

const std::string kIdm = "#define IDM_A 1\n#define IDM_B 2\n#define IDM_C 3\n";
const std::string kDialog = "D DIALOGEX 0,0,10,10\nCAPTION \"c\"\nFONT 8,\"f\"\nBEGIN\nEND\n";
const std::string kMenuA =
    "IDR_MENU1 MENU\nBEGIN\nPOPUP \"&F\"\nBEGIN\nMENUITEM \"&A\",IDM_A\nEND\nEND\n";
std::string Bar(int d, int popups) {
  const std::string n = std::to_string(d);
  std::string lines = "Dim As HMENU hMessages" + n + "\n     hMessages" + n + " = Create_Menu()\n";
  for (int p = 1; p <= popups; ++p) lines += "Dim As HMENU MenName" + n + std::to_string(p) + "\n";
  return lines + " \n";
}
const std::string kItemsA =
    "     MenName11=MenuTitle(hMessages1,\"F\")\n"
    "     MenuItem(11, MenName11,\"A\")\n";

TEST(Menus, EachDialogBeforeAMenuGetsItsItems) {
  ExpectParts(
      {
          {"nothing without an IDM_ define", "#define IDC_A 1\n" + kDialog + kMenuA, Blanks(5)},
          // Only the menu emitter's own empty line stands between the window and the loop.
          {"a menu before every dialog is never found", kIdm + kMenuA + kDialog, Blanks(6)},
          {"every dialog before the menu gets its own copy", kIdm + kDialog + kDialog + kMenuA,
           Blanks(3) + Bar(1, 1) + kItemsA + Blanks(6) + Bar(2, 1) +
               "     MenName21=MenuTitle(hMessages2,\"F\")\n     MenuItem(21, MenName21,\"A\")\n" +
               Blanks(5)},
          {"a sub-menu last in its pop-up stops the menu",
           kIdm + kDialog +
               "IDR_MENU1 MENU\nBEGIN\nPOPUP \"&File\"\nBEGIN\nPOPUP \"&Print\"\nBEGIN\n"
               "MENUITEM \"&Text\",IDM_A\nEND\nEND\nPOPUP \"&Help\"\nBEGIN\n"
               "MENUITEM \"&About\",IDM_B\nEND\nEND",
           Blanks(3) + Bar(1, 3) +
               "     MenName11=MenuTitle(hMessages1,\"File\")\n \n"
               "     MenName12=OpenSubMenu(MenName11,\"Print\")\n"
               "     MenuItem(11, MenName12,\"Text\")\n" +
               Blanks(5)},
          {"a pop-up that is not the first entry puts its items in the parent",
           kIdm + kDialog +
               "IDR_MENU1 MENU\nBEGIN\nMENUITEM \"&Bar\",IDM_C\nPOPUP \"&File\"\nBEGIN\n"
               "MENUITEM \"&New\",IDM_A\nPOPUP \"&Recent\"\nBEGIN\nMENUITEM \"&One\",IDM_B\nEND\n"
               "MENUITEM \"&Exit\",IDM_C\nEND\nEND",
           Blanks(3) + Bar(1, 2) +
               "     MenName11=MenuTitle(hMessages1,\"File\")\n"
               "     MenuItem(11, MenName11,\"New\")\n     MenuItem(12, MenName11,\"One\")\n" +
               Blanks(5)},
          {"items without ampersand, comma or title",
           kIdm + kDialog +
               "IDR_MENU1 MENU\nBEGIN\nPOPUP \"File\"\nBEGIN\nMENUITEM \"Open\",IDM_A\n"
               "MENUITEM SEPARATOR\nMENUITEM \"&Send\",IDM_SEND\nMENUITEM \"&Last\"\nEND\nEND",
           Blanks(3) + Bar(1, 1) +
               "     MenName11=MenuTitle(hMessages1,\"File\")\n"
               "     MenuItem(11, MenName11,\"Open\")\n     MenuItem(12, MenName11,\"Send\")\n"
               "     MenuItem(13, MenName11,\"Last\")\n" +
               Blanks(5)},
          {"an unterminated menu ends with the listing",
           kIdm + kDialog + "IDR_MENU1 MENU\nBEGIN\nPOPUP \"&F\"\nBEGIN\nMENUITEM \"&A\",IDM_A",
           Blanks(3) + Bar(1, 1) + kItemsA + Blanks(5)},
          {"a second menu right after the first is read too",
           kIdm + kDialog + kMenuA +
               "IDR_MENU2 MENU\nBEGIN\nPOPUP \"&G\"\nBEGIN\nMENUITEM \"&B\",IDM_B\nEND\nEND",
           Blanks(3) + Bar(1, 2) + kItemsA + Blanks(3) +
               "     MenName11=MenuTitle(hMessages1,\"G\")\n     MenuItem(11, MenName11,\"B\")\n" +
               Blanks(5)},
      },
      Menus);
}

TEST(Menus, TheBranchListsEveryIdmDefineInOrder) {
  ExpectParts(
      {{"every IDM_ define", "#define IDM_B 2\n#define IDC_X 5\n#define MY_IDM_A 1\n" + kDialog,
        "    If event = EventMenu then \n        \tSelect case EventNumber\n"
        "\t\t          Case IDM_B\n \t\t     '     2\n\t\t          Case IDM_A\n"
        " \t\t     '     1\n\t         End Select\n    EndIf\n'"},
       {"no branch without one", "#define IDC_A 1\n" + kDialog + kMenuA, ""}},
      [](const Lines& out) {
        return Between(out, "    If event = EventMenu then ", "     Select Case event");
      });
}

TEST(Driver, EachCallStartsAfreshAndCountsWhatItWrote) {
  const DesignedProgram none = ConvertDesigned({}, {}, false);
  EXPECT_FALSE(none.converted);
  EXPECT_TRUE(none.lines.empty());
  const PackedLines script = Packed(
      L("#define IDC_BTN1 1\n#define IDM_A 5\n" +
        Dialog("D DIALOGEX 1,2,3,4",
               "CONTROL \"OK\",IDC_BTN1,\"Button\",0x50010000,1,2,3,4\n"
               "CONTROL \"No\",IDC_XYZ1,\"Button\",0x50010000,1,2,3,4\n") +
        "IDR_MENU1 MENU\nBEGIN\nPOPUP \"&F\"\nBEGIN\nMENUITEM \"&A\",IDM_A\nMENUITEM SEPARATOR\n"
        "END\nEND"));
  const DesignedProgram first = ConvertDesigned(script, {}, false);
  EXPECT_EQ(ConvertDesigned(script, {}, false).lines, first.lines);
  // A caller told that the lines are read for the last time may let them go: the program is the
  // same.
  PackedLines held = script;
  int told = 0;
  const auto letGo = [&] {
    ++told;
    held = {};
  };
  EXPECT_EQ(ConvertDesigned(held, {}, false, letGo).lines, first.lines);
  EXPECT_EQ(told, 1);
  EXPECT_EQ(first.written.windows, 1);
  EXPECT_EQ(first.written.controls, 1);  // IDC_XYZ1 names no gadget kind
  EXPECT_EQ(first.written.menuItems, 1);
}

}  // namespace
}  // namespace tolvex::testing
