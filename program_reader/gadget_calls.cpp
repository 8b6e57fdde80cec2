#include "program_reader/gadget_calls.h"

#include "program_reader/basic_line.h"

namespace tolvex::program {

const std::vector<GadgetCall>& GadgetCalls() {
  using V = GadgetValue;
  static const std::vector<GadgetCall> calls = {
      {"IDC_BTN", "ButtonGadget", {V::kText}},
      {"IDC_STC", "TextGadget", {V::kText}},
      {"IDC_EDT", "StringGadget", {V::kText}},
      {"IDC_CBO", "ComboBoxGadget", {}},
      {"IDC_LST", "ListBoxGadget", {V::kStyle}},
      {"IDC_SCB", "ScrollBarGadget", {V::kRange, V::kOrientation}},
      {"IDC_CHK", "CheckBoxGadget", {V::kText}},
      {"IDC_PGB", "ProgressBarGadget", {V::kOrientation}},
      {"IDC_TRB", "TrackBarGadget", {V::kRange, V::kOrientation}},
      {"IDC_RBN", "OptionGadget", {V::kText}},
      {"IDC_GRP", "GroupGadget", {V::kText}},
      {"IDC_DTP", "DateCalendarGadget", {}},
      {"IDC_IPA", "IpAddressGadget", {}},
      {"IDC_IMG", "ImageGadget", {V::kImage}},
      {"IDC_LSV", "ListViewGadget", {}},
  };
  return calls;
}

const GadgetCall* FindGadgetCall(std::string_view function) {
  for (const GadgetCall& call : GadgetCalls()) {
    if (SameName(call.function, function)) return &call;
  }
  return nullptr;
}

bool StyleValue(std::string_view name, std::int64_t& value) {
  static constexpr struct {
    std::string_view name;
    std::int64_t value;
  } kStyles[] = {{"WS_EX_CLIENTEDGE", 0x200}, {"WS_EX_STATICEDGE", 0x20000}};
  for (const auto& style : kStyles) {
    if (SameName(style.name, name)) {
      value = style.value;
      return true;
    }
  }
  return false;
}

}  // namespace tolvex::program
