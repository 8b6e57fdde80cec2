// The lines of the generated program as functions of plain values: no tables, no listing. Every
// conversion builds its program from these, so the same values always give the same bytes.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "generator/gadget_kinds.h"

namespace tolvex::shapes {

using Lines = std::vector<std::string>;
// A line as the pieces it is joined from, for a writer that copies them straight to where the
// program's lines are kept: the lines written once per define and per control make no string
// of their own.
template <size_t N>
using LinePieces = std::array<std::string_view, N>;
// Appends the pieces to text, one after another.
void AppendAll(std::string& text, const std::string_view* parts, size_t count);

// The program's first lines: the gadget library's include line and an empty line.
Lines IncludeLines();
// #define  NAME   VALUE
LinePieces<4> DefineLinePieces(std::string_view name, std::string_view value);
std::string DefineLine(std::string_view name, std::string_view value);
// The block that reads the screen size into screen_x and screen_y.
Lines ScreenBlockLines();

// A dialog's window as hwnd<number>: the fields go in as given, blanks included. A mark goes
// before its text's opening quote ("!" makes the literal read its backslash escapes).
struct WindowShape {
  int number = 0;
  std::string_view caption, x, y, width, height;
  std::string_view fontFace, fontSize;
  std::string_view captionMark, fontFaceMark;
};
Lines WindowLines(const WindowShape& window);

// A control's gadget line and the further lines of its kind; orientation is a bar's keyword, or
// empty. The caption's mark goes before its opening quote; a list view's variant follows its
// variable's name (empty for the program's first list view).
struct GadgetShape {
  std::string_view id, x, y, width, height;
  std::string_view caption;
  std::string_view orientation;
  std::string_view captionMark;
  std::string_view variant;
};
Lines GadgetLines(const GadgetKindLines& kind, const GadgetShape& gadget);
// The same lines handed to take one at a time, each made in scratch, whose room serves the next:
// a program of many gadgets makes no string of its own per line.
void EachGadgetLine(const GadgetKindLines& kind, const GadgetShape& gadget, std::string& scratch,
                    const std::function<void(std::string_view)>& take);
// A control that no gadget kind rebuilds, as a comment where its gadget line would stand: what a
// user needs to place it by hand. The text is the literal as a gadget line would write it.
std::string NoGadgetLine(std::string_view className, std::string_view id, std::string_view x,
                         std::string_view y, std::string_view width, std::string_view height,
                         std::string_view text);

// The event loop: its head, the head of the gadget branch, one Case pair per control, its tail.
Lines LoopHeadLines();
Lines GadgetBranchHeadLines();
Lines GadgetCaseLines(std::string_view identifier, std::string_view comment);
std::array<LinePieces<2>, 2> GadgetCaseLinePieces(std::string_view identifier,
                                                  std::string_view comment);
Lines LoopTailLines();

// A dialog's menu: the bar's handle hMessages<dialog>, a handle MenName<n> per pop-up, a title
// in the bar, a sub-menu of another pop-up, an item. A text is the literal as written in the
// call, its quotes included.
Lines MenuBarLines(int dialog);
std::string PopupHandleLine(int popup);
std::string MenuTitleLine(int popup, int dialog, std::string_view text);
std::string SubMenuLine(int popup, int parentPopup, std::string_view text);
std::string MenuItemLine(std::string_view id, int popup, std::string_view text);

// The menu branch of the event loop: its head, one Case pair per menu item, its tail.
Lines MenuBranchHeadLines();
Lines MenuCaseLines(std::string_view identifier, std::string_view comment);
Lines MenuBranchTailLines();

}  // namespace tolvex::shapes
