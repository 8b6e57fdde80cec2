// A control's kind: the designed prefix first, then its class (in any case) and style, is the
// complete case gadget_kinds (tests/complete/cases), bars lying as their style bits say among them.
// No program line shows the orientation of a kind that is no bar.
#include "complete/gadget_classes.h"

#include <gtest/gtest.h>

namespace tolvex::complete {
namespace {

TEST(GadgetClasses, AKindThatIsNoBarHasNoOrientationWhateverItsStyle) {
  rc::Control control;
  control.id.text = "IDC_X";
  control.className = "Button";
  control.style.number = 0x50000001;  // the bit a scroll bar stands upright by
  EXPECT_EQ(BarOrientationOf(*KindOfControl(control), control), "");
}

}  // namespace
}  // namespace tolvex::complete
