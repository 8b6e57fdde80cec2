#include "bench/compact_script.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace tolvex::bench {
namespace {

constexpr const char* kPrefixes[] = {"IDC_BTN", "IDC_STC", "IDC_EDT", "IDC_CBO", "IDC_LST",
                                     "IDC_SCB", "IDC_CHK", "IDC_PGB", "IDC_TRB", "IDC_RBN",
                                     "IDC_GRP", "IDC_DTP", "IDC_IPA", "IDC_IMG"};
constexpr int kPrefixCount = sizeof kPrefixes / sizeof *kPrefixes;

std::string ControlName(int group, int control) {
  return kPrefixes[control % kPrefixCount] + std::to_string(group * 1000 + control);
}

}  // namespace

std::string CompactScript(const ScriptShape& shape) {
  std::string s = "; generated for the benchmarks\r\n";
  for (int g = 0; g < shape.groups; ++g) {
    s += "#define IDD_DLG" + std::to_string(g) + " " + std::to_string(1000 + g) + "\r\n";
    for (int c = 0; c < shape.controlsPerDialog; ++c) {
      s += "#define " + ControlName(g, c) + " " + std::to_string(100000 + g * 1000 + c) + "\r\n";
    }
    if (shape.menus) {
      for (int i = 0; i < 3; ++i) {
        s += "#define IDM_ITEM" + std::to_string(g * 10 + i) + " " +
             std::to_string(500000 + g * 10 + i) + "\r\n";
      }
    }
  }
  for (int g = 0; g < shape.groups; ++g) {
    s += "IDD_DLG" + std::to_string(g) +
         " DIALOGEX 6,6,194,106\r\nCAPTION \"Dialog\"\r\nFONT 8,\"MS Sans Serif\"\r\n"
         "STYLE 0x10CF0000\r\nBEGIN\r\n";
    for (int c = 0; c < shape.controlsPerDialog; ++c) {
      s += "  CONTROL \"Caption\"," + ControlName(g, c) + ",\"Button\",0x5001000" +
           std::to_string(c % 6) + "," + std::to_string(7 + c) + ",7,50,14\r\n";
    }
    s += "END\r\n";
    if (shape.menus) {
      s += "IDR_MENU" + std::to_string(g) +
           " MENU\r\nBEGIN\r\n  POPUP \"&File\"\r\n  BEGIN\r\n"
           "    MENUITEM \"&Open\",IDM_ITEM" +
           std::to_string(g * 10) + "\r\n    MENUITEM \"&Save\",IDM_ITEM" +
           std::to_string(g * 10 + 1) +
           "\r\n  END\r\n  POPUP \"&Help\"\r\n  BEGIN\r\n"
           "    MENUITEM \"&About\",IDM_ITEM" +
           std::to_string(g * 10 + 2) + "\r\n  END\r\nEND\r\n";
    }
  }
  return s;
}

int GroupsForBytes(const ScriptShape& shape, size_t bytes) {
  ScriptShape one = shape;
  one.groups = 10;
  const size_t perTen = CompactScript(one).size();
  return static_cast<int>(bytes * 10 / perTen) + 1;
}

namespace {

// Every "{name}" in `text` replaced by `value`.
void Fill(std::string& text, const std::string& name, int value) {
  const std::string key = "{" + name + "}", to = std::to_string(value);
  for (size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + to.size())) {
    text.replace(at, key.size(), to);
  }
}

}  // namespace

// Each unit is bench/unit.rc, its comment lines left out, with its numbers filled in.
std::string UnitScript(int units) {
  std::ifstream in(TOLVEX_BENCH_UNIT_RC, std::ios::binary);
  std::string unit;
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("//", 0) != 0) unit += line + "\r\n";
  }
  if (unit.empty()) {
    std::fprintf(stderr, "cannot read %s\n", TOLVEX_BENCH_UNIT_RC);
    std::exit(1);
  }
  std::string s = "// generated for the benchmarks: every id fits a .res\r\n\r\n";
  for (int u = 0; u < units; ++u) {
    std::string text = "// unit {U}\r\n" + unit;
    Fill(text, "U", u);
    Fill(text, "MAIN", 100 + 2 * u);
    Fill(text, "MORE", 101 + 2 * u);
    Fill(text, "MENU", 10000 + u);
    for (int k = 0; k < 20; ++k) Fill(text, "ID" + std::to_string(k), 15000 + (u * 20 + k) % 50000);
    s += text;
  }
  return s;
}

}  // namespace tolvex::bench
