// Every line shape the generator writes, filled from tables of values, reads back to those values.
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

TEST(RoundTrip, WindowLinesReadBackToTheirFields) {
  const shapes::WindowShape rows[] = {
      {1, "All kinds", " 0", "0", "470", "372", "Tahoma", " 9", "", ""},
      {2, "First, with comma", " 6", "-6", "405", "0", "Courier New", "10", "", ""},
      {3, "Say \\\"Hello\\\" && Wave", "12", " 3", "202", "131", "A\\\\B", " 8", "!", "!"},
      {12, "", "0", "0", "1", "1", "", "", "", ""},
  };
  Lines lines;
  for (const auto& row : rows) Append(lines, shapes::WindowLines(row));
  const ProgramPlan plan = ReadClean(lines);
  ASSERT_EQ(plan.windows.size(), std::size(rows));
  for (size_t i = 0; i < std::size(rows); ++i) {
    const auto& row = rows[i];
    const Window& window = plan.windows[i];
    SCOPED_TRACE(window.line);
    EXPECT_EQ(window.variable, "hwnd" + std::to_string(row.number));
    EXPECT_EQ(Literal(window.caption),
              std::string(row.captionMark) + "\"" + std::string(row.caption) + "\"");
    EXPECT_EQ(Numbers(window.geometry), Numbers({N(row.x), N(row.y), N(row.width), N(row.height)}));
    ASSERT_GE(window.font, 0);
    const Font& font = plan.fonts[static_cast<size_t>(window.font)];
    EXPECT_EQ(Literal(font.face),
              std::string(row.fontFaceMark) + "\"" + std::string(row.fontFace) + "\"");
    EXPECT_EQ(font.size, N(row.fontSize));
  }
  EXPECT_EQ(plan.windows[2].caption.value, "Say \"Hello\" && Wave");
  EXPECT_EQ(plan.fonts[2].face.value, "A\\B");
}

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

TEST(RoundTrip, FurtherValuesOfTheKindsAreRead) {
  Lines lines = Head();
  for (const char* prefix : {"IDC_SCB", "IDC_TRB", "IDC_LST", "IDC_IMG", "IDC_IPA", "IDC_LSV"})
    Append(lines,
           shapes::GadgetLines(*FindGadgetKind(prefix), {"5", "1", "2", "3", "4", "", "", "", ""}));
  const ProgramPlan plan = ReadClean(lines);
  const std::vector<Gadget>& g = plan.windows.at(0).gadgets;
  ASSERT_EQ(g.size(), 6u);
  EXPECT_EQ(Numbers({*g[0].minimum, *g[0].maximum, *g[1].minimum, *g[1].maximum}),
            Numbers({0, 470, 0, 10}));
  EXPECT_EQ(g[2].style, "WS_EX_CLIENTEDGE");
  EXPECT_EQ(g[2].styleValue, 0x200);
  EXPECT_EQ(g[3].image->value, "C: \\  ");
  EXPECT_EQ(g[4].ipAddress->value, "255.10.1.1");
  ASSERT_EQ(g[5].columns.size(), 3u);
  EXPECT_EQ(g[5].columns[1].title.value, " Column 2");
  EXPECT_EQ(g[5].columns[1].width, 100);
}

// Two bars, the second's first pop-up holding a sub-menu whose handle is reused for a later title,
// as the designed conversion writes them.
TEST(RoundTrip, MenuLinesReadBackToTheirNesting) {
  Lines lines = Head();
  lines.push_back("");
  Append(lines, shapes::MenuBarLines(1));
  Append(
      lines,
      {shapes::PopupHandleLine(11), shapes::PopupHandleLine(12),
       shapes::MenuTitleLine(11, 1, "\"File\""), shapes::SubMenuLine(12, 11, "!\"Print\\tNow\""),
       shapes::MenuItemLine("11", 12, "\"Text\""), shapes::MenuItemLine("IDC_NAMED", 11, "\"xit\""),
       shapes::MenuTitleLine(12, 1, "\"Help\""), shapes::MenuItemLine("-3", 12, "\"About\"")});
  Append(lines, shapes::WindowLines({2, "Second", "0", "0", "10", "10", "", "", "", ""}));
  Append(lines, shapes::MenuBarLines(2));
  Append(lines, {shapes::PopupHandleLine(21), shapes::MenuTitleLine(21, 2, "\"Only\""),
                 shapes::MenuItemLine("3001", 21, "\"One\"")});

  const ProgramPlan plan = ReadClean(lines);
  ASSERT_EQ(plan.windows.size(), 2u);
  ASSERT_TRUE(plan.windows[0].menu && plan.windows[1].menu);
  EXPECT_EQ(plan.windows[0].menu->variable, "hMessages1");
  using K = MenuEntry::Kind;
  const struct {
    K kind;
    int parent;
    std::string literal, variable, id;
    std::optional<std::int64_t> value;
  } expected[] = {
      {K::kTitle, -1, "\"File\"", "MenName11", "", std::nullopt},
      {K::kSubMenu, 0, "!\"Print\\tNow\"", "MenName12", "", std::nullopt},
      {K::kItem, 1, "\"Text\"", "", "11", 11},
      {K::kItem, 0, "\"xit\"", "", "IDC_NAMED", 77},
      {K::kTitle, -1, "\"Help\"", "MenName12", "", std::nullopt},
      {K::kItem, 4, "\"About\"", "", "-3", -3},
  };
  const std::vector<MenuEntry>& entries = plan.windows[0].menu->entries;
  ASSERT_EQ(entries.size(), std::size(expected));
  for (size_t i = 0; i < entries.size(); ++i) {
    SCOPED_TRACE(entries[i].line);
    EXPECT_EQ(entries[i].kind, expected[i].kind);
    EXPECT_EQ(entries[i].parent, expected[i].parent);
    EXPECT_EQ(Literal(entries[i].text), expected[i].literal);
    EXPECT_EQ(entries[i].variable, expected[i].variable);
    EXPECT_EQ(entries[i].id.written, expected[i].id);
    EXPECT_EQ(entries[i].id.value, expected[i].value);
  }
  EXPECT_EQ(entries[1].text.value, "Print\tNow");
  ASSERT_EQ(plan.windows[1].menu->entries.size(), 2u);
  EXPECT_EQ(plan.windows[1].menu->entries[1].id.value, 3001);
  EXPECT_EQ(plan.MenuItemCount(), 4);
}

// The loop's Case ids in order, by branch; and each define's name and value, an alias resolved.
TEST(RoundTrip, EventLoopAndDefineLinesReadBackToTheirIds) {
  Lines lines = Head();
  for (const Lines& part :
       {shapes::LoopHeadLines(), shapes::MenuBranchHeadLines(),
        shapes::MenuCaseLines("IDM_OPEN", "301"), shapes::MenuCaseLines("12", "12"),
        shapes::MenuBranchTailLines(), shapes::GadgetBranchHeadLines(),
        shapes::GadgetCaseLines("IDC_NAMED", "77"),
        shapes::GadgetCaseLines("113", "IDOK in SECOND"), shapes::LoopTailLines()})
    Append(lines, part);
  std::string cases;
  for (const CaseId& id : ReadClean(lines).cases)
    cases += (id.branch == CaseId::Branch::kMenu ? "menu " : "gadget ") + IdText(id.id) + "; ";
  EXPECT_EQ(cases, "menu IDM_OPEN (no value); menu 12; gadget IDC_NAMED = 77; gadget 113; ");

  const std::pair<const char*, const char*> rows[] = {
      {"IDD_KINDS", "2000"}, {"IDC_STATIC", "-1"}, {"IDC_HEX", "&h10"}, {"IDC_ALIAS", "IDD_KINDS"}};
  lines.clear();
  for (const auto& row : rows) lines.push_back(shapes::DefineLine(row.first, row.second));
  Append(lines, {"Var hwnd1=OpenWindow(\"\",0,0,1,1)", "   ButtonGadget(IDC_ALIAS,1,2,3,4,\"\")"});
  const ProgramPlan plan = ReadClean(lines);
  ASSERT_EQ(plan.defines.size(), std::size(rows));
  for (size_t i = 0; i < std::size(rows); ++i) {
    EXPECT_EQ(plan.defines[i].name, rows[i].first);
    EXPECT_EQ(plan.defines[i].value, rows[i].second);
  }
  EXPECT_EQ(plan.windows.at(0).gadgets.at(0).id.value, 2000);
}

}  // namespace
}  // namespace tolvex::program
