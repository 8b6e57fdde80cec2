// What the conversion relies on from the gadgets, held for every backend alike.
#include <gtest/gtest.h>

#include "conversion/main_window_ids.h"
#include "tests/support/conversion_window.h"
#include "toolkit/gadget_ops.h"

namespace tolvex::testing {
namespace {

constexpr int kNoGadget = 4242;

class GadgetBehaviour : public ::testing::Test {
 protected:
  void SetUp() override { OpenConversionWindow(); }
};

TEST_F(GadgetBehaviour, ListBoxAppendsAndReadsBackEveryItemWhole) {
  EXPECT_EQ(AddListBoxItem(kOutputListing, "first", -1), 0);
  EXPECT_EQ(AddListBoxItem(kOutputListing, "", -1), 1);
  EXPECT_EQ(AddListBoxItem(kOutputListing, nullptr, -1), 2);
  const std::string longItem(10000, 'x');
  EXPECT_EQ(AddListBoxItem(kOutputListing, longItem.c_str(), -1), 3);
  EXPECT_EQ(AddListBoxItem(kOutputListing, "zero", 0), 0);
  EXPECT_EQ(CountItemListBox(kOutputListing), 5);
  EXPECT_EQ(ListBoxText(kOutputListing, 0), "zero");
  EXPECT_EQ(ListBoxText(kOutputListing, 2), " ");
  EXPECT_EQ(ListBoxText(kOutputListing, 3), " ");
  EXPECT_EQ(ListBoxText(kOutputListing, 4), longItem);
  EXPECT_EQ(ListBoxText(kOutputListing, 5), "");
  EXPECT_EQ(ListBoxText(kOutputListing, 6), "");
  EXPECT_EQ(ListBoxText(kOutputListing, -1), "");
  ResetAllListBox(kOutputListing);
  EXPECT_EQ(CountItemListBox(kOutputListing), 0);
  EXPECT_EQ(ListBoxText(kOutputListing, 0), "");
}

TEST_F(GadgetBehaviour, FieldTextIsCutAt1023Characters) {
  EXPECT_EQ(GadgetText(kGlobalHorizCoeff, kFieldTextSize), " 1.000");
  const std::string text(1500, '7');
  EXPECT_NE(SetGadgetText(kGlobalHorizCoeff, text.c_str()), 0);
  EXPECT_EQ(GadgetText(kGlobalHorizCoeff, kFieldTextSize), text.substr(0, 1023));
  EXPECT_EQ(GadgetText(kGlobalHorizCoeff, 2), text);
}

TEST_F(GadgetBehaviour, CheckBoxStateAndVisibility) {
  EXPECT_EQ(GETGADGETSTATE(kScreenCheck), 0);
  SetCheckBox(kScreenCheck, true);
  EXPECT_EQ(GETGADGETSTATE(kScreenCheck), 1);
  EXPECT_TRUE(IsShown(kSourceListing));
  EXPECT_FALSE(IsShown(kOutputListing));
  EXPECT_NE(HideGadget(kSourceListing, 1), 0);
  EXPECT_FALSE(IsShown(kSourceListing));
  EXPECT_EQ(HideGadget(kOutputListing, 2), 0);  // any state but 1 shows
  EXPECT_TRUE(IsShown(kOutputListing));
}

TEST_F(GadgetBehaviour, UnknownGadgetAnswersWithTheFailureValues) {
  EXPECT_EQ(AddListBoxItem(kNoGadget, "x", -1), -1);
  EXPECT_EQ(CountItemListBox(kNoGadget), 0);
  EXPECT_EQ(ListBoxText(kNoGadget, 0), "");
  EXPECT_EQ(GadgetText(kNoGadget, 1), "");
  EXPECT_EQ(SetGadgetText(kNoGadget, "x"), 0);
  EXPECT_EQ(GETGADGETSTATE(kNoGadget), 0);
  EXPECT_EQ(HideGadget(kNoGadget, 1), 0);
}

}  // namespace
}  // namespace tolvex::testing
