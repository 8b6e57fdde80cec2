#include "generator/gadget_kinds.h"

#include <string>

namespace tolvex {
namespace {

// A scroll bar always has an orientation; a progress bar and a track bar only a vertical one. A
// track bar's vertical style is written as its numeric value.
constexpr BarOrientation kScrollBar{"1", "SBS_VERT", "SBS_HORZ", ""};
constexpr BarOrientation kProgressBar{"45", "PBS_VERTICAL", "", ""};
constexpr BarOrientation kTrackBar{"2", "TRB_VERT", "", "2"};

}  // namespace

const std::vector<GadgetKindLines>& GadgetKinds() {
  static const std::vector<GadgetKindLines> kinds = {
      {"IDC_BTN", "   ButtonGadget({geometry},{caption})", {}},
      {"IDC_STC", "   TextGadget({geometry},{caption})", {}},
      {"IDC_EDT", "   StringGadget({geometry},{caption})", {}},
      {"IDC_CBO", "   ComboBoxGadget({geometry})", {}},
      {"IDC_LST", "   ListBoxGadget({geometry}, WS_EX_CLIENTEDGE )", {}},
      {"IDC_SCB", "   ScrollBarGadget({geometry}, 0, 470 {vert})", {}, &kScrollBar},
      {"IDC_CHK", "   CheckBoxGadget({geometry},{caption})", {}},
      {"IDC_PGB", "   ProgressBarGadget({geometry}{vert})", {}, &kProgressBar},
      {"IDC_TRB",
       "   TrackBarGadget({geometry},  0, 10{vert})       ' if '2' -> TRB_VERT ",
       {},
       &kTrackBar},
      {"IDC_RBN", "   OptionGadget({geometry},{caption})", {}},
      {"IDC_GRP", "   GroupGadget({geometry},{caption})", {}},
      {"IDC_DTP", "   DateCalendarGadget({geometry})", {}},
      {"IDC_IPA", "   IpAddressGadget({geometry})", {"   SetIpAddress({id},\"255.10.1.1\")"}},
      {"IDC_IMG", "   ImageGadget({geometry}, Load_image (\"C: \\  \"))", {}},
      {"IDC_LSV",
       "   Var LSV{variant} = ListViewGadget({geometry})",
       {"   AddListViewColumn ({id},\" Column 1\", 0,1,100)    ' Oskel's example",
        "   AddListViewColumn ({id},\" Column 2\", 0,1,100)",
        "   AddListViewColumn ({id},\" Column 3\", 0,1,100)"}},
  };
  return kinds;
}

const GadgetKindLines* FindGadgetKind(std::string_view identifier) {
  if (identifier.size() < 7) return nullptr;
  const std::string_view prefix = identifier.substr(0, 7);
  for (const GadgetKindLines& kind : GadgetKinds()) {
    if (kind.prefix == prefix) return &kind;
  }
  return nullptr;
}

std::string_view OrientationOf(const GadgetKindLines& kind, char lastDigit) {
  if (kind.orientation == nullptr) return {};
  const BarOrientation& rule = *kind.orientation;
  return OrientationKeyword(
      kind, lastDigit != '\0' && rule.verticalDigits.find(lastDigit) != std::string_view::npos);
}

std::string_view OrientationKeyword(const GadgetKindLines& kind, bool vertical) {
  if (kind.orientation == nullptr) return {};
  return vertical ? kind.orientation->vertical : kind.orientation->horizontal;
}

std::string OrientationSuffix(const GadgetKindLines& kind, std::string_view orientation) {
  if (orientation.empty()) return {};
  const bool writtenOtherwise = kind.orientation != nullptr && !kind.orientation->writtenAs.empty();
  return "," + std::string(writtenOtherwise ? kind.orientation->writtenAs : orientation);
}

}  // namespace tolvex
