// Every kind of fault a script can hold, each with its exact message: the reader reports it where
// it stands and reads on.
#include <gtest/gtest.h>

#include <string>

#include "tests/rcscript/reading.h"

namespace tolvex::testing {
namespace {

std::string Repeated(const std::string& text, int times) {
  std::string all;
  for (int i = 0; i < times; ++i) all += text;
  return all;
}

// n0.h includes n1.h, which includes n2.h ... up to n{count-1}.h.
std::map<std::string, std::string> IncludeChain(int count) {
  std::map<std::string, std::string> files;
  for (int i = 0; i < count; ++i) {
    files["n" + std::to_string(i) + ".h"] = "#include \"n" + std::to_string(i + 1) + ".h\"\n";
  }
  return files;
}

// X0 is one token, X1 two, X2 four ...
std::string DoublingDefines(int count) {
  std::string text = "#define X0 1\n";
  for (int i = 1; i < count; ++i) {
    text += "#define X" + std::to_string(i) + " X" + std::to_string(i - 1) + " X" +
            std::to_string(i - 1) + "\n";
  }
  return text;
}

TEST(ErrorCatalogueTest, EachFaultHasItsMessageAtItsPlace) {
  const struct {
    std::string script;
    std::map<std::string, std::string> files;
    std::string messages;
  } cases[] = {
      {"D DIALOG 0,0,1,1\nCAPTION \"x\nBEGIN\nEND\n",
       {},
       "s.rc:2:9: error: a string is not closed before the end of its line\n"},
      {"D DIALOG 0,0,W,1\nBEGIN\nEND\n",
       {},
       "s.rc:1:14: error: expected a number for the dialog's width, got \"W\"\n"},
      {"D DIALOG 12ab,0,1,1\nBEGIN\nEND\n",
       {},
       "s.rc:1:10: error: malformed number \"12ab\" in the dialog's x\n"},
      {"D DIALOG 0,0,1,1\nCAPTION 5\nBEGIN\nEND\n",
       {},
       "s.rc:2:9: error: expected a string for the dialog's caption, got \"5\"\n"},
      {"D DIALOG 0,0,1,1\nBEGIN\n",
       {},
       "s.rc:2:6: error: expected END for the dialog D, got the end of the file\n"},
      {"A DIALOG 0,0,1,1\nB MENU\nBEGIN\nEND\n",
       {},
       "s.rc:2:1: error: expected BEGIN or a dialog statement (CAPTION, FONT, STYLE ...) in the "
       "dialog A, got \"B\"\n"},
      {"D DIALOG " + Repeated("(", 70) + "1" + Repeated(")", 70) + ",0,1,1\nBEGIN\nEND\n",
       {},
       "s.rc:1:74: error: the dialog's x is nested too deeply\n"},
      {"}\n", {}, "s.rc:1:1: error: expected a resource, got \"}\"\n"},
      // The last line's name is still held when the end of the file is looked for.
      {"defin",
       {},
       "s.rc:1:6: error: expected a resource type after the name \"defin\", got the end "
       "of the file\n"},
      {"M MENU\nBEGIN\n  ITEM \"x\", 1\nEND\n",
       {},
       "s.rc:3:3: error: expected MENUITEM, POPUP or END in the menu M, got \"ITEM\"\n"},
      {"/* open\n", {}, "s.rc:1:1: error: a /* comment is not closed before the end of the file\n"},
      {"#frob x\n", {}, "s.rc:1:1: warning: unknown directive #frob passed over\n"},
      {"#error don't \"quote\n#if 0\n#define A \"open\n#endif\n", {}, ""},
      {"#else\n", {}, "s.rc:1:1: error: #else without #if\n"},
      // Told at the end, after the reading is done with the #if's line.
      {"#ifdef RC_INVOKED\n1 RCDATA BEGIN END\n",
       {},
       "s.rc:1:1: error: #ifdef has no #endif before the end of the file\n"},
      {"#if 0\n#else\n#elif 1\n#endif\n", {}, "s.rc:3:1: error: #elif after #else\n"},
      {"#if 1/0\n#endif\n", {}, "s.rc:1:6: error: division by zero in the condition of #if\n"},
      {"#if\n#endif\n", {}, "s.rc:1:1: error: #if needs a condition\n"},
      {"#if 1 2\n#endif\n", {}, "s.rc:1:7: error: unexpected \"2\" after the condition of #if\n"},
      {"#ifdef\n#endif\n", {}, "s.rc:1:1: error: expected a name after #ifdef\n"},
      {"#define\n", {}, "s.rc:1:1: error: expected a name after #define\n"},
      {"#define F(a) a\n",
       {},
       "s.rc:1:9: warning: the define F takes arguments, which the reader does not replace; it "
       "is passed over and its uses stay names\n"},
      {"#pragma code_page(utf8)\n#pragma once\n",
       {},
       "s.rc:1:1: warning: #pragma code_page needs a number or DEFAULT; it is passed over\n"},
      {"#include foo\n", {}, "s.rc:1:10: error: expected \"file\" or <file> after #include\n"},
      {"#include \"gone.h\"\n#include <gone.h>\n#include \"afxres.h\"\n",
       {},
       "s.rc:1:10: warning: cannot open the include file \"gone.h\"; reading goes on\n"},
      {"#include \"a.h\"\n",
       {{"a.h", "#include \"a.h\"\n"}},
       "a.h:1:10: error: the file \"a.h\" includes itself; the #include is passed over\n"},
      {"#include \"n0.h\"\n", IncludeChain(20),
       "n14.h:1:10: error: includes are nested deeper than 16 files; \"n15.h\" is passed over\n"},
      {Repeated("#if 1\n", 65) + Repeated("#endif\n", 65),
       {},
       "s.rc:65:1: error: #if blocks are nested deeper than 64; this one is left out\n"},
      {DoublingDefines(14) + "X13\n",
       {},
       "s.rc:15:1: error: the define X13 expands beyond 4096 tokens or 32 levels; its use is "
       "left out\n"},
      {"D DIALOGEX 0,0,1,1\nBEGIN\nLTEXT \"a\",1,2,3,4,5 6\nEND\n",
       {},
       "s.rc:3:21: error: expected the end of the statement after the control's fields, got "
       "\"6\"\n"},
      {"D DIALOGEX 0,0,1,1\nBEGIN\nLTEXT \"a\",1,2,3,4\nLTEXT \"b\",2,2,3,4,5\nEND\n",
       {},
       "s.rc:4:1: error: expected \",\" before the control's height, got \"LTEXT\"\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.script);
    const rc::Reading reading = ReadText(c.script, c.files);
    EXPECT_EQ(Messages(reading), c.messages);
  }
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
