// Each program of cases/ is read to what stands beside it (NAME.txt): the lines the reader names
// instead of guessing, with their numbers, then everything it read, field by field. A hand-edited
// program may hold any FreeBASIC, and the rest of it is read as if such a line were not there; the
// lines the generator writes read back to the values that made them.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "program_reader/program_reader.h"
#include "tests/files/scratch_folder.h"

namespace tolvex::program {
namespace {

namespace fs = std::filesystem;
using std::to_string;

// The literal as written, and the text it stands for where that differs.
std::string Literal(const Text& text) {
  const std::string literal = text.mark + "\"" + text.written + "\"";
  return text.value == text.written ? literal : literal + " (" + text.value + ")";
}

std::string Place(const Geometry& g, int font) {
  return " at " + to_string(g.x) + " " + to_string(g.y) + " " + to_string(g.width) + " " +
         to_string(g.height) + " font " + to_string(font);
}

std::string GadgetText(const Gadget& g) {
  std::string told = "  " + std::string(g.kind ? g.kind->prefix : "no kind") + " " + IdText(g.id) +
                     Place(g.geometry, g.font);
  if (g.text) told += " text " + Literal(*g.text);
  if (g.minimum) told += " from " + to_string(*g.minimum) + " to " + to_string(*g.maximum);
  if (!g.orientation.empty()) told += " " + g.orientation + (g.vertical ? " upright" : " flat");
  if (!g.style.empty()) told += " style " + g.style + " = " + to_string(g.styleValue);
  if (g.image) told += " image " + Literal(*g.image);
  if (g.ipAddress) told += " address " + Literal(*g.ipAddress);
  if (!g.variable.empty()) told += " in " + g.variable;
  for (const ListViewColumn& c : g.columns)
    told += " column " + Literal(c.title) + " " + to_string(c.width);
  return told + "\n";
}

// The messages, the defines and fonts, each window with its gadgets and menu entries (an entry's
// parent by its index, -1 the bar), the loop's Case ids, and the counts.
std::string Told(const ProgramPlan& plan) {
  std::string told;
  for (const UnknownLine& unknown : plan.unknown) told += UnknownLineMessage(unknown) + "\n";
  for (const Define& d : plan.defines) told += "define " + d.name + " as " + d.value + "\n";
  for (const Font& f : plan.fonts)
    told += "font " + Literal(f.face) + " " + to_string(f.size) + "\n";
  for (const Window& window : plan.windows) {
    told += window.variable + " " + Literal(window.caption) + Place(window.geometry, window.font) +
            ": " + to_string(window.gadgets.size()) + " gadgets, " +
            to_string(window.menu ? window.menu->entries.size() : 0) + " menu entries\n";
    for (const Gadget& gadget : window.gadgets) told += GadgetText(gadget);
    if (!window.menu) continue;
    told += "  menu " + window.menu->variable + "\n";
    for (const MenuEntry& e : window.menu->entries) {
      const char* kinds[] = {"    title ", "    sub-menu ", "    item "};
      told += kinds[static_cast<int>(e.kind)] + Literal(e.text) + " of " + to_string(e.parent) +
              (e.kind == MenuEntry::Kind::kItem ? " id " + IdText(e.id) : " in " + e.variable) +
              "\n";
    }
  }
  for (const CaseId& c : plan.cases) {
    told +=
        (c.branch == CaseId::Branch::kMenu ? "menu case " : "gadget case ") + IdText(c.id) + "\n";
  }
  return told + to_string(plan.GadgetCount()) + " gadgets, " + to_string(plan.MenuItemCount()) +
         " menu items, " + to_string(plan.cases.size()) + " cases\n";
}

TEST(ReaderCases, EachProgramReadsToWhatStandsBesideIt) {
  int programs = 0;
  for (const fs::path& program : testing::FilesOf({TOLVEX_READER_CASES_DIR}, ".bas")) {
    ++programs;
    fs::path expected = program;
    ASSERT_TRUE(fs::exists(expected.replace_extension(".txt"))) << expected;
    EXPECT_EQ(Told(ReadProgram(testing::BytesOf(program.string()))),
              testing::BytesOf(expected.string()))
        << program;
  }
  EXPECT_GE(programs, 9);
}

}  // namespace
}  // namespace tolvex::program
