#include "bench/compact_script.h"

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

void AppendDialog(std::string& s, const std::string& unit, const char* which, int first) {
  s += "IDD_UNIT" + unit + "_" + which +
       " DIALOGEX 0, 0, 260, 180\r\nSTYLE 0x80C80880\r\nCAPTION \"Unit " + unit + " " + which +
       "\"\r\nFONT 8, \"MS Shell Dlg\", 400, 0, 0x1\r\nBEGIN\r\n";
  for (int k = 0; k < 10; ++k) {
    const std::string id = "IDC_UNIT" + unit + "_" + std::to_string(first + k);
    const std::string y = std::to_string(7 + k * 16);
    switch (k % 5) {
      case 0: s += "    LTEXT \"Name\", " + id + ", 7, " + y + ", 60, 8\r\n"; break;
      case 1: s += "    EDITTEXT " + id + ", 70, " + y + ", 120, 12, 0x80 | 0x10000\r\n"; break;
      case 2:
        s += "    CONTROL \"Keep it\", " + id + ", \"Button\", 0x00000003 | 0x00010000, 7, " + y +
             ", 120, 10\r\n";
        break;
      case 3: s += "    COMBOBOX " + id + ", 70, " + y + ", 120, 60, 0x3 | 0x200000\r\n"; break;
      default: s += "    PUSHBUTTON \"Apply\", " + id + ", 200, " + y + ", 50, 14\r\n";
    }
  }
  s += "END\r\n\r\n";
}

}  // namespace

std::string UnitScript(int units) {
  std::string s = "// generated for the benchmarks: every id fits a .res\r\n\r\n";
  for (int u = 0; u < units; ++u) {
    const std::string unit = std::to_string(u);
    s += "// unit " + unit + "\r\n";
    s += "#define IDD_UNIT" + unit + "_MAIN " + std::to_string(100 + 2 * u) + "\r\n";
    s += "#define IDD_UNIT" + unit + "_MORE " + std::to_string(101 + 2 * u) + "\r\n";
    s += "#define IDR_UNIT" + unit + "_MENU " + std::to_string(10000 + u) + "\r\n";
    for (int k = 0; k < 20; ++k) {
      s += "#define IDC_UNIT" + unit + "_" + std::to_string(k) + " " +
           std::to_string(15000 + (u * 20 + k) % 50000) + "\r\n";
    }
    s += "\r\n";
    AppendDialog(s, unit, "MAIN", 0);
    AppendDialog(s, unit, "MORE", 10);
    s +=
        "IDR_UNIT" + unit +
        "_MENU MENU\r\nBEGIN\r\n    POPUP \"&File\"\r\n    BEGIN\r\n        MENUITEM \"&Open\", IDC_UNIT" +
        unit + "_0\r\n        MENUITEM SEPARATOR\r\n        MENUITEM \"E&xit\", IDC_UNIT" + unit +
        "_1\r\n    END\r\nEND\r\n\r\n";
  }
  return s;
}

}  // namespace tolvex::bench
