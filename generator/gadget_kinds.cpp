#include "generator/gadget_kinds.h"

namespace tolvex {

const std::vector<GadgetKindLines>& GadgetKinds() {
  static const std::vector<GadgetKindLines> kinds = {
      {"IDC_BTN", "   ButtonGadget({geometry},\"{caption}\")", {}},
      {"IDC_STC", "   TextGadget({geometry},\"{caption}\")", {}},
      {"IDC_EDT", "   StringGadget({geometry},\"{caption}\")", {}},
      {"IDC_CBO", "   ComboBoxGadget({geometry})", {}},
      {"IDC_LST", "   ListBoxGadget({geometry}, WS_EX_CLIENTEDGE )", {}},
      {"IDC_SCB", "   ScrollBarGadget({geometry}, 0, 470 {vert})", {}},
      {"IDC_CHK", "   CheckBoxGadget({geometry},\"{caption}\")", {}},
      {"IDC_PGB", "   ProgressBarGadget({geometry}{vert})", {}},
      {"IDC_TRB", "   TrackBarGadget({geometry},  0, 10{vert})       ' if '2' -> TRB_VERT ", {}},
      {"IDC_RBN", "   OptionGadget({geometry},\"{caption}\")", {}},
      {"IDC_GRP", "   GroupGadget({geometry},\"{caption}\")", {}},
      {"IDC_DTP", "   DateCalendarGadget({geometry})", {}},
      {"IDC_IPA", "   IpAddressGadget({geometry})", {"   SetIpAddress({id},\"255.10.1.1\")"}},
      {"IDC_IMG", "   ImageGadget({geometry}, Load_image (\"C: \\  \"))", {}},
      {"IDC_LSV",
       "   Var LSV = ListViewGadget({geometry})",
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

}  // namespace tolvex
