#include "conversion/designed_conversion.h"
#include "conversion/script_text.h"
#include "generator/line_shapes.h"
#include "rcscript/ascii.h"
#include "rcscript/script_lines.h"

#include <algorithm>
#include <utility>

namespace tolvex {

DesignedConversion::DesignedConversion(const PackedLines& scriptLines,
                                       const Coefficients& coefficients, bool screen, LineSink sink)
    : script_(scriptLines), coefficients_(coefficients), screen_(screen), sink_(std::move(sink)) {}

std::string DesignedConversion::SourceLine(int index) const {
  if (index < 0 || index >= SourceLineCount()) return {};
  return std::string(ListedLine(script_[static_cast<size_t>(index)]));
}

void DesignedConversion::START() {
  SCALEX = HorizontalScale(coefficients_.globalX);
  SCALEY = VerticalScale(coefficients_.globalY);
  INODIALOG = 0;
  EmitLines(shapes::IncludeLines());

  ITM = 0;
  const int lineCount = SourceLineCount();
  while (ITM <= lineCount) {
    SLINE = SourceLine(ITM);
    const std::string upper = rc::UpperCase(SLINE);
    if (Contains(upper, "DIALOGEX")) break;
    if (Contains(upper, "DEFINE")) {
      const int before = INBEVENT;
      CONTROL();
      // A line that merely mentions "define" records nothing and writes nothing.
      if (INBEVENT > before) {
        NAMEID = SIDNAME.get(0, INBEVENT, 0);
        NUMID = SIDNAME.get(0, INBEVENT, 1);
        EmitLine(shapes::DefineLinePieces(NAMEID, NUMID));
      }
    }
    ++ITM;
  }
  INBEVENTMAX = INBEVENT;

  if (screen_) EmitLines(shapes::ScreenBlockLines());
}

DesignedProgram DesignedConversion::CONVERT(const std::function<void()>& scriptRead) {
  if (SourceLineCount() == 0) return {};

  START();
  if (INBMENU != 0) IndexMenuLines();
  DIAL();
  if (scriptRead) scriptRead();
  EmitLines({"", ""});
  DOEVENT1();
  if (INBMENU != 0) {
    DOMENU1();
    DOMENU2();
  }
  DOEVENT2();
  const int dialogs = INBDIAMAX;
  for (INODIALOG = 1; INODIALOG <= dialogs; ++INODIALOG) DOEVENT3();
  DOEVENT4();

  program_.converted = true;
  return std::move(program_);
}

namespace {

PackedLines SplitLines(std::string_view bytes, bool borrow) {
  PackedLines lines;
  rc::ForEachScriptLine(bytes, [&](std::string_view line) {
    if (borrow && Within(line, bytes)) {
      lines.push_back_borrowed(line);
    } else {
      lines.push_back(line);
    }
  });
  return lines;
}

}  // namespace

PackedLines ScriptLinesOf(std::string_view bytes) { return SplitLines(bytes, false); }

PackedLines ScriptLinesIn(std::string_view bytes) { return SplitLines(bytes, true); }

DesignedProgram ConvertDesigned(const PackedLines& scriptLines, const Coefficients& coefficients,
                                bool screen, const std::function<void()>& scriptRead,
                                const LineSink& sink) {
  return DesignedConversion(scriptLines, coefficients, screen, sink).CONVERT(scriptRead);
}

}  // namespace tolvex
