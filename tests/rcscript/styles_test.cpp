// The number a style becomes: the statement's implied bits, the written terms added, NOT terms
// cleared; and a dialog's style with its defaults.
#include <gtest/gtest.h>

#include <string>

#include "tests/rcscript/reading.h"

namespace tolvex::testing {
namespace {

std::optional<std::uint32_t> ControlStyle(const std::string& control) {
  const rc::Reading reading = ReadText("D DIALOGEX 0,0,10,10\nBEGIN\n" + control + "\nEND\n");
  EXPECT_EQ(reading.errors, 0) << Messages(reading);
  if (reading.model.dialogs.size() != 1 || reading.model.dialogs[0].controls.size() != 1) {
    ADD_FAILURE() << "no control read from " << control;
    return std::nullopt;
  }
  return reading.model.dialogs[0].controls[0].style.number;
}

TEST(StylesTest, AControlsStyleIsItsImpliedBitsWithTheWrittenTermsAddedAndNotTermsCleared) {
  const struct {
    const char* control;
    std::uint32_t style;
  } cases[] = {
      {"CONTROL \"\",1,\"Button\",0,1,2,3,4", 0x50000000},
      {"CONTROL \"\",1,\"Button\",NOT WS_VISIBLE,1,2,3,4", 0x40000000},
      {"CONTROL \"\",1,\"Button\",WS_CHILD|NOT WS_VISIBLE|WS_GROUP,1,2,3,4", 0x40020000},
      {"CONTROL \"\",1,\"Button\",NOT WS_VISIBLE | WS_VISIBLE,1,2,3,4", 0x50000000},
      {"CONTROL \"\",1,\"Button\",,1,2,3,4", 0x50000000},
      {"LTEXT \"\",1,1,2,3,4,NOT WS_GROUP", 0x50000000},
      {"RTEXT \"\",1,1,2,3,4", 0x50020002},
      {"CTEXT \"\",1,1,2,3,4,SS_NOPREFIX", 0x50020081},
      {"PUSHBOX \"\",1,1,2,3,4", 0x5001000A},
      {"AUTOCHECKBOX \"\",1,1,2,3,4", 0x50010003},
      {"STATE3 \"\",1,1,2,3,4", 0x50010005},
      {"AUTO3STATE \"\",1,1,2,3,4", 0x50010006},
      {"RADIOBUTTON \"\",1,1,2,3,4", 0x50000004},
      {"AUTORADIOBUTTON \"\",1,1,2,3,4", 0x50000009},
      {"AUTORADIOBUTTON \"\",1,1,2,3,4,WS_GROUP", 0x50020009},
      {"EDITTEXT 1,1,2,3,4,ES_MULTILINE | NOT WS_BORDER", 0x50010004},
      {"LISTBOX 1,1,2,3,4", 0x50800001},
      {"COMBOBOX 1,1,2,3,4", 0x50000000},
      {"COMBOBOX 1,1,2,3,4,CBS_DROPDOWNLIST", 0x50000003},
      {"COMBOBOX 100, 5, 5, 80, 40, CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP", 0x50210002},
      {"SCROLLBAR 1,1,2,3,4,SBS_VERT", 0x50000001},
      {"CONTROL \"\",1,\"Static\",(DWORD)0x10 + 1,1,2,3,4", 0x50000011},
      {"CONTROL \"\",1,\"msctls_statusbar32\",SBARS_SIZEGRIP | CCS_BOTTOM,1,2,3,4", 0x50000103},
      {"CONTROL \"\",1,\"SysAnimate32\",ACS_CENTER | ACS_TRANSPARENT,1,2,3,4", 0x50000003},
      {"CONTROL \"\",1,\"SysMonthCal32\",MCS_NOTODAY | MCS_WEEKNUMBERS,1,2,3,4", 0x50000014},
      {"CONTROL \"\",1,\"SysLink\",LWS_TRANSPARENT | LWS_RIGHT,1,2,3,4", 0x50000021},
      {"CONTROL \"\",1,\"SysHeader32\",HDS_BUTTONS | HDS_HOTTRACK,1,2,3,4", 0x50000006},
      {"CONTROL \"\",1,\"ReBarWindow32\",RBS_VARHEIGHT | RBS_BANDBORDERS,1,2,3,4", 0x50000600},
      {"CONTROL \"\",1,\"tooltips_class32\",TTS_ALWAYSTIP | TTS_NOPREFIX,1,2,3,4", 0x50000003},
      {"CONTROL \"\",1,\"ToolbarWindow32\",TBSTYLE_FLAT | TBSTYLE_TOOLTIPS,1,2,3,4", 0x50000900},
      {"CONTROL \"\",1,\"SysPager\",PGS_HORZ | PGS_AUTOSCROLL,1,2,3,4", 0x50000003},
      {"CONTROL \"\",1,\"NativeFontCtl\",NFS_EDIT | NFS_ALL,1,2,3,4", 0x50000011},
      {"CONTROL \"\",1,\"SysListView32\",LVS_TYPESTYLEMASK,1,2,3,4", 0x5000FC00},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.control);
    EXPECT_EQ(ControlStyle(c.control), std::optional<std::uint32_t>(c.style));
  }
}

TEST(StylesTest, ADialogsStyleTakesItsDefaultsCaptionAndFontBits) {
  const struct {
    const char* statements;
    std::uint32_t style;
  } cases[] = {
      {"", 0x80880000},                                            // WS_POPUP|WS_BORDER|WS_SYSMENU
      {"FONT 8, \"f\"", 0x80880040},                               // and DS_SETFONT
      {"STYLE WS_CHILD", 0x40000000},                              // STYLE replaces the default
      {"STYLE WS_CHILD\nCAPTION \"c\"", 0x40C00000},               // and WS_CAPTION all the same
      {"CAPTION \"c\"\nSTYLE WS_CHILD | WS_VISIBLE", 0x50C00000},  // in either order
      {"STYLE WS_POPUP | NOT WS_POPUP\nFONT 8,\"f\"", 0x40},       // and DS_SETFONT still
      {"STYLE WS_CHILD | DS_SETFONT", 0x40000000},                 // but never without FONT
      {"STYLE DS_SHELLFONT", 0x08},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.statements);
    const rc::Reading reading =
        ReadText(std::string("D DIALOG 0,0,10,10\n") + c.statements + "\nBEGIN\nEND\n");
    EXPECT_EQ(reading.errors, 0) << Messages(reading);
    ASSERT_EQ(reading.model.dialogs.size(), 1u);
    EXPECT_EQ(reading.model.dialogs[0].style.number, std::optional<std::uint32_t>(c.style));
  }
}

}  // namespace
}  // namespace tolvex::testing
