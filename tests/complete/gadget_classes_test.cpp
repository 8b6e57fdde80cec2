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

TEST(GadgetClasses, KindComesFromPrefixThenClassAndStyle) {
  const struct {
    const char* id;
    const char* className;
    std::uint32_t style;
    const char* prefix;
  } cases[] = {
      // The prefix decides before the class; the other kinds of the class table are in the
      // golden programs.
      {"IDC_BTN1", "Static", 0x50000000, "IDC_BTN"}, {"IDC_X", "Button", 0x50010001, "IDC_BTN"},
      {"IDC_X", "Button", 0x50010002, "IDC_CHK"},    {"IDC_X", "Button", 0x50010005, "IDC_CHK"},
      {"IDC_X", "Button", 0x50010006, "IDC_CHK"},    {"IDC_X", "Button", 0x50010004, "IDC_RBN"},
      {"IDC_X", "Button", 0x5001000B, "IDC_BTN"},    {"IDC_X", "BUTTON", 0x50010003, "IDC_CHK"},
      {"IDC_X", "Static", 0x50000003, "IDC_IMG"},    {"IDC_X", "Static", 0x5000000F, "IDC_IMG"},
      {"IDC_X", "Static", 0x50000012, "IDC_STC"},    {"IDC_X", "RICHEDIT50W", 0, "IDC_EDT"},
      {"IDC_X", "msctls_updown32", 0, "none"},       {"IDC_X", "EditPlus", 0, "none"},
  };
  for (const auto& c : cases) {
    const GadgetKindLines* kind = KindOfControl(ControlOf(c.id, c.className, c.style));
    EXPECT_EQ(kind == nullptr ? "none" : std::string(kind->prefix), c.prefix)
        << c.id << " " << c.className << " " << c.style;
  }
}

// The bars of the designed all_kinds, which --complete writes byte for byte, are not repeated.
TEST(GadgetClasses, BarsLieAsTheirStyleBitsSay) {
  const struct {
    const char* className;
    std::uint32_t style;
    const char* orientation;
  } cases[] = {
      {"ScrollBar", 0x50000003, "SBS_VERT"},
      {"msctls_trackbar32", 0x50000001, ""},
      {"Button", 0x50000001, ""},
  };
  for (const auto& c : cases) {
    const rc::Control control = ControlOf("IDC_X", c.className, c.style);
    EXPECT_EQ(BarOrientationOf(*KindOfControl(control), control), c.orientation) << c.className;
  }
}

}  // namespace
}  // namespace tolvex::complete
