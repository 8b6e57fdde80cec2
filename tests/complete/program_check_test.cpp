// Every golden program is valid FreeBASIC as far as the conversion can make it: no string left
// open, parentheses balanced, no name declared twice (compared without regard to case), and every
// gadget, menu-item and Case id a number or a defined name, without exception.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "complete/program_names.h"

namespace tolvex::complete {
namespace {

struct CheckResult {
  std::vector<std::string> faults;
  std::set<std::string> undefinedIds;
};

// The line without its comment, with every string literal emptied; a fault when one is open.
std::string Code(const std::string& line, std::vector<std::string>& faults) {
  std::string code;
  for (size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '\'') break;
    if (c != '"') {
      code += c;
      continue;
    }
    const bool escaped = i > 0 && line[i - 1] == '!';
    bool closed = false;
    for (++i; i < line.size(); ++i) {
      if (escaped && line[i] == '\\') {
        ++i;
      } else if (line[i] == '"') {
        if (!escaped && i + 1 < line.size() && line[i + 1] == '"') {
          ++i;
        } else {
          closed = true;
          break;
        }
      }
    }
    if (!closed) faults.push_back("string left open: " + line);
    code += "\"\"";
  }
  return code;
}

std::string Trim(std::string text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.pop_back();
  size_t start = 0;
  while (start < text.size() && std::isspace(static_cast<unsigned char>(text[start]))) ++start;
  return text.substr(start);
}

// The first argument after opening, up to the next comma or parenthesis.
std::string FirstArgument(const std::string& code, size_t opening) {
  const size_t end = code.find_first_of(",)", opening);
  return Trim(code.substr(opening, end - opening));
}

bool IsNumber(const std::string& text) {
  size_t i = text.size() > 1 && text[0] == '-' ? 1 : 0;
  if (i >= text.size()) return false;
  for (; i < text.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
  }
  return true;
}

CheckResult CheckProgram(const std::string& program) {
  CheckResult result;
  std::set<std::string> declared;
  std::vector<std::string> ids;
  const auto declare = [&](const std::string& name) {
    if (!declared.insert(UpperCase(name)).second)
      result.faults.push_back("declared twice: " + name);
  };
  std::istringstream lines(program);
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::string code = Code(line, result.faults);
    int depth = 0;
    for (const char c : code) {
      depth += c == '(' ? 1 : c == ')' ? -1 : 0;
      if (depth < 0) break;
    }
    if (depth != 0) result.faults.push_back("parentheses not balanced: " + line);

    const std::string trimmed = Trim(code);
    std::istringstream words(trimmed);
    std::string first, second, rest;
    words >> first >> second;
    if (first == "#define") declare(second);
    if (first == "Var") declare(Trim(trimmed.substr(4, trimmed.find('=') - 4)));
    if (first == "Dim") {  // Dim As TYPE NAME[,NAME...]
      std::string type;
      words >> type;
      std::getline(words, rest);
      std::istringstream names(rest);
      std::string name;
      while (std::getline(names, name, ',')) declare(Trim(name));
    }
    for (const char* call : {"Gadget(", "MenuItem(", "SetIpAddress(", "AddListViewColumn ("}) {
      const size_t at = code.find(call);
      if (at != std::string::npos)
        ids.push_back(FirstArgument(code, at + std::string(call).size()));
    }
    if (first == "Case" && second != "EventClose" && second != "EventGadget") ids.push_back(second);
  }
  for (const std::string& id : ids) {
    if (!IsNumber(id) && declared.count(UpperCase(id)) == 0) result.undefinedIds.insert(id);
  }
  return result;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ProgramCheck, EveryGoldenProgramPasses) {
  std::vector<std::filesystem::path> programs = {TOLVEX_GOLDEN_DIR "/traced.bas",
                                                 TOLVEX_GOLDEN_DIR "/no_dialogs.bas",
                                                 TOLVEX_GOLDEN_DIR "/all_kinds.bas"};
  for (const auto& entry : std::filesystem::directory_iterator(TOLVEX_COMPLETE_GOLDEN_DIR)) {
    if (entry.path().extension() == ".bas") programs.push_back(entry.path());
  }
  ASSERT_GT(programs.size(), 10u);
  for (const std::filesystem::path& path : programs) {
    const std::string program = ReadFile(path.string());
    ASSERT_FALSE(program.empty()) << path;
    const CheckResult result = CheckProgram(program);
    EXPECT_TRUE(result.faults.empty()) << path << ": " << result.faults.front();
    // Even an identifier the script never gives a value is defined.
    EXPECT_EQ(result.undefinedIds, std::set<std::string>{}) << path;
  }
}

TEST(ProgramCheck, TheCheckerFindsEachFault) {
  const struct {
    const char* program;
    bool faulty;
    std::set<std::string> undefined;
  } cases[] = {
      {"   ButtonGadget(1,0,0,1,1,!\"a\\\")\n", true, {}},
      {"   ButtonGadget(1,0,0,1,1,\"say \"\"hi\"\" (\")\n", false, {}},
      {"   ButtonGadget(1,0,0,1,1,\"OK\"\n", true, {}},
      {"#define  IDC_A   1\nVar idc_a = ListViewGadget(1,0,0,1,1)\n", true, {}},
      {"#define  IDC_A   1\n     MenuItem(idc_a, M,\"A\") ' (\n              Case  IDC_B\n",
       false,
       {"IDC_B"}},
  };
  for (const auto& c : cases) {
    const CheckResult result = CheckProgram(c.program);
    EXPECT_EQ(!result.faults.empty(), c.faulty) << c.program;
    EXPECT_EQ(result.undefinedIds, c.undefined) << c.program;
  }
}

}  // namespace
}  // namespace tolvex::complete
