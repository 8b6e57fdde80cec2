// Every gadget kind the generator writes, filled from a table of values, reads back to those
// values. The window, menu, event-loop and define lines, and the further values of the kinds, are
// the cases (tests/program_reader/cases) beside what they read to.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "generator/gadget_kinds.h"
#include "generator/line_shapes.h"
#include "program_reader/program_reader.h"

namespace tolvex::program {
namespace {

using shapes::Lines;

void Append(Lines& to, const Lines& lines) { to.insert(to.end(), lines.begin(), lines.end()); }

// The program's head: its include, a define, and window 1 in Tahoma 9.
Lines Head() {
  Lines lines = shapes::IncludeLines();
  lines.push_back(shapes::DefineLine("IDC_NAMED", "77"));
  Append(lines, shapes::ScreenBlockLines());
  Append(lines, shapes::WindowLines({1, "Head", " 0", "0", "300", "200", "Tahoma", " 9", "", ""}));
  return lines;
}

ProgramPlan ReadClean(const Lines& lines) {
  ProgramPlan plan = ReadProgramLines(lines);
  for (const UnknownLine& unknown : plan.unknown) ADD_FAILURE() << UnknownLineMessage(unknown);
  return plan;
}

std::string Literal(const Text& text) { return text.mark + "\"" + text.written + "\""; }

std::string Numbers(std::initializer_list<std::int64_t> numbers) {
  std::string text;
  for (const std::int64_t n : numbers) text += std::to_string(n) + " ";
  return text;
}
std::string Numbers(const Geometry& g) { return Numbers({g.x, g.y, g.width, g.height}); }
std::int64_t N(std::string_view text) { return text.empty() ? 0 : std::stoll(std::string(text)); }

// Each kind with ids written as numbers and as names, plain and escaped captions, and every
// orientation its kind writes.
TEST(RoundTrip, GadgetLinesOfEveryKindReadBackToTheirValues) {
  struct Row {
    shapes::GadgetShape shape;
    std::optional<std::int64_t> value;
  };
  for (const GadgetKindLines& kind : GadgetKinds()) {
    std::vector<Row> rows = {
        {{"2001", "10", "18", "75", "23", "OK", "", "", ""}, 2001},
        {{"IDC_NAMED", "-4", "0", "0", "1000", "Tab\\there \\\"q\\\"", "", "!", "2"}, 77},
        {{"IDC_LATER", "180", "11", "150", "23", "", "", "", "11"}, std::nullopt},
    };
    for (const bool vertical : {false, true}) {
      const std::string_view orientation = OrientationKeyword(kind, vertical);
      if (!orientation.empty())
        rows.push_back({{"9", "1", "2", "3", "4", "x", orientation, "", ""}, 9});
    }
    Lines lines = Head();
    for (const Row& row : rows) Append(lines, shapes::GadgetLines(kind, row.shape));
    SCOPED_TRACE(kind.prefix);
    const ProgramPlan plan = ReadClean(lines);
    ASSERT_EQ(plan.windows.size(), 1u);
    const std::vector<Gadget>& gadgets = plan.windows[0].gadgets;
    ASSERT_EQ(gadgets.size(), rows.size());
    const bool captioned = kind.gadgetLine.find("{caption}") != std::string_view::npos;
    for (size_t i = 0; i < rows.size(); ++i) {
      const shapes::GadgetShape& shape = rows[i].shape;
      const Gadget& gadget = gadgets[i];
      SCOPED_TRACE(gadget.line);
      EXPECT_EQ(gadget.kind, &kind);
      EXPECT_EQ(gadget.id.written, shape.id);
      EXPECT_EQ(gadget.id.value, rows[i].value);
      EXPECT_EQ(Numbers(gadget.geometry),
                Numbers({N(shape.x), N(shape.y), N(shape.width), N(shape.height)}));
      EXPECT_EQ(gadget.font, plan.windows[0].font);
      ASSERT_EQ(gadget.text.has_value(), captioned);
      if (captioned) {
        EXPECT_EQ(Literal(*gadget.text),
                  Literal({std::string(shape.captionMark), std::string(shape.caption), ""}));
      }
      EXPECT_EQ(gadget.orientation, shape.orientation);
      EXPECT_EQ(gadget.vertical,
                !shape.orientation.empty() && shape.orientation == OrientationKeyword(kind, true));
      if (kind.prefix == "IDC_LSV") {
        EXPECT_EQ(gadget.variable, "LSV" + std::string(shape.variant));
        EXPECT_EQ(gadget.columns.size(), 3u);
      }
    }
    if (captioned) {
      EXPECT_EQ(gadgets[1].text->value, "Tab\there \"q\"");
    }
  }
}

}  // namespace
}  // namespace tolvex::program
