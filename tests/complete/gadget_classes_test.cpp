// A control's kind: the designed prefix first, then its class (in any case) and style.
#include "complete/gadget_classes.h"

#include <gtest/gtest.h>

#include <string>

namespace tolvex::complete {
namespace {

rc::Control ControlOf(const std::string& id, const std::string& className, std::uint32_t style) {
  rc::Control control;
  control.id.text = id;
  control.className = className;
  control.style.number = style;
  return control;
}

std::string PrefixOf(const rc::Control& control) {
  const GadgetKindLines* kind = KindOfControl(control);
  return kind == nullptr ? "none" : std::string(kind->prefix);
}

TEST(GadgetClasses, KindComesFromPrefixThenClassAndStyle) {
  const struct {
    const char* id;
    const char* className;
    std::uint32_t style;
    const char* prefix;
  } cases[] = {
      {"IDC_BTN1", "Static", 0x50000000, "IDC_BTN"},  // the prefix decides
      {"IDC_X", "Button", 0x50010000, "IDC_BTN"},
      {"IDC_X", "Button", 0x50010001, "IDC_BTN"},
      {"IDC_X", "Button", 0x50010002, "IDC_CHK"},
      {"IDC_X", "Button", 0x50010003, "IDC_CHK"},
      {"IDC_X", "Button", 0x50010005, "IDC_CHK"},
      {"IDC_X", "Button", 0x50010006, "IDC_CHK"},
      {"IDC_X", "Button", 0x50010004, "IDC_RBN"},
      {"IDC_X", "Button", 0x50010009, "IDC_RBN"},
      {"IDC_X", "Button", 0x50010007, "IDC_GRP"},
      {"IDC_X", "Button", 0x5001000B, "IDC_BTN"},
      {"IDC_X", "BUTTON", 0x50010003, "IDC_CHK"},
      {"IDC_X", "Static", 0x50000000, "IDC_STC"},
      {"IDC_X", "Static", 0x50000003, "IDC_IMG"},
      {"IDC_X", "static", 0x5000000E, "IDC_IMG"},
      {"IDC_X", "Static", 0x5000000F, "IDC_IMG"},
      {"IDC_X", "Static", 0x50000012, "IDC_STC"},
      {"IDC_X", "Edit", 0, "IDC_EDT"},
      {"IDC_X", "RichEdit20W", 0, "IDC_EDT"},
      {"IDC_X", "RICHEDIT50W", 0, "IDC_EDT"},
      {"IDC_X", "ComboBox", 0, "IDC_CBO"},
      {"IDC_X", "ListBox", 0, "IDC_LST"},
      {"IDC_X", "ScrollBar", 0, "IDC_SCB"},
      {"IDC_X", "msctls_progress32", 0, "IDC_PGB"},
      {"IDC_X", "msctls_trackbar32", 0, "IDC_TRB"},
      {"IDC_X", "SysDateTimePick32", 0, "IDC_DTP"},
      {"IDC_X", "SysMonthCal32", 0, "IDC_DTP"},
      {"IDC_X", "SysIPAddress32", 0, "IDC_IPA"},
      {"IDC_X", "SysListView32", 0, "IDC_LSV"},
      {"IDC_X", "SysTreeView32", 0, "none"},
      {"IDC_X", "SysTabControl32", 0, "none"},
      {"IDC_X", "msctls_updown32", 0, "none"},
      {"IDC_X", "MyOwnClass", 0, "none"},
      {"IDC_X", "EditPlus", 0, "none"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PrefixOf(ControlOf(c.id, c.className, c.style)), c.prefix)
        << c.id << " " << c.className << " " << c.style;
  }
}

TEST(GadgetClasses, BarsLieAsTheirStyleBitsSay) {
  const struct {
    const char* className;
    std::uint32_t style;
    const char* orientation;
  } cases[] = {
      {"ScrollBar", 0x50000000, "SBS_HORZ"},
      {"ScrollBar", 0x50000001, "SBS_VERT"},
      {"ScrollBar", 0x50000003, "SBS_VERT"},
      {"msctls_progress32", 0x50000000, ""},
      {"msctls_progress32", 0x50000004, "PBS_VERTICAL"},
      {"msctls_trackbar32", 0x50000001, ""},
      {"msctls_trackbar32", 0x50000002, "TRB_VERT"},
      {"Button", 0x50000001, ""},
  };
  for (const auto& c : cases) {
    const rc::Control control = ControlOf("IDC_X", c.className, c.style);
    EXPECT_EQ(BarOrientationOf(*KindOfControl(control), control), c.orientation) << c.className;
  }
}

TEST(GadgetClasses, AStyleLeftUnknownCountsAsNoBits) {
  rc::Control control = ControlOf("IDC_X", "Button", 0);
  control.style.number.reset();
  EXPECT_EQ(PrefixOf(control), "IDC_BTN");
}

}  // namespace
}  // namespace tolvex::complete
