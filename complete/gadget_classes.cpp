#include "complete/gadget_classes.h"

#include <cstdint>
#include <string_view>

namespace tolvex::complete {
namespace {

// The style bits that choose a kind within a class.
constexpr std::uint32_t kButtonTypeMask = 0xF;   // BS_TYPEMASK
constexpr std::uint32_t kStaticTypeMask = 0x1F;  // SS_TYPEMASK

// A button's type as the low bits of its style hold it: BS_CHECKBOX 2, BS_AUTOCHECKBOX 3,
// BS_RADIOBUTTON 4, BS_3STATE 5, BS_AUTO3STATE 6, BS_GROUPBOX 7, BS_AUTORADIOBUTTON 9.
std::string_view ButtonPrefix(std::uint32_t style) {
  switch (style & kButtonTypeMask) {
    case 2:
    case 3:
    case 5:
    case 6: return "IDC_CHK";
    case 4:
    case 9: return "IDC_RBN";
    case 7: return "IDC_GRP";
    default: return "IDC_BTN";
  }
}

// SS_ICON 3, SS_BITMAP 0xE and SS_ENHMETAFILE 0xF show a picture; every other static a text.
std::string_view StaticPrefix(std::uint32_t style) {
  switch (style & kStaticTypeMask) {
    case 0x3:
    case 0xE:
    case 0xF: return "IDC_IMG";
    default: return "IDC_STC";
  }
}

struct ClassKind {
  std::string_view className;  // lower case
  std::string_view prefix;     // the kind, when the style does not choose it
  std::string_view (*byStyle)(std::uint32_t style);
  bool wholeName;  // false: every class whose name begins so
};

constexpr ClassKind kClassKinds[] = {
    {"button", "", ButtonPrefix, true},
    {"static", "", StaticPrefix, true},
    {"edit", "IDC_EDT", nullptr, true},
    {"richedit", "IDC_EDT", nullptr, false},
    {"combobox", "IDC_CBO", nullptr, true},
    {"listbox", "IDC_LST", nullptr, true},
    {"scrollbar", "IDC_SCB", nullptr, true},
    {"msctls_progress32", "IDC_PGB", nullptr, true},
    {"msctls_trackbar32", "IDC_TRB", nullptr, true},
    {"sysdatetimepick32", "IDC_DTP", nullptr, true},
    {"sysmonthcal32", "IDC_DTP", nullptr, true},
    {"sysipaddress32", "IDC_IPA", nullptr, true},
    {"syslistview32", "IDC_LSV", nullptr, true},
};

// The bits that make each bar upright: SBS_VERT, PBS_VERTICAL, TBS_VERT.
constexpr struct {
  std::string_view prefix;
  std::uint32_t verticalBits;
} kVerticalBits[] = {{"IDC_SCB", 0x1}, {"IDC_PGB", 0x4}, {"IDC_TRB", 0x2}};

std::string LowerCase(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

}  // namespace

const GadgetKindLines* KindOfControl(const rc::Control& control) {
  if (const GadgetKindLines* kind = FindGadgetKind(control.id.text)) return kind;
  const std::string className = LowerCase(control.className);
  const std::uint32_t style = control.style.number.value_or(0);
  for (const ClassKind& entry : kClassKinds) {
    const bool matches = entry.wholeName
                             ? className == entry.className
                             : className.compare(0, entry.className.size(), entry.className) == 0;
    if (!matches) continue;
    return FindGadgetKind(entry.byStyle != nullptr ? entry.byStyle(style) : entry.prefix);
  }
  return nullptr;
}

std::string_view BarOrientationOf(const GadgetKindLines& kind, const rc::Control& control) {
  const std::uint32_t style = control.style.number.value_or(0);
  for (const auto& bar : kVerticalBits) {
    if (bar.prefix == kind.prefix) return OrientationKeyword(kind, (style & bar.verticalBits) != 0);
  }
  return {};
}

}  // namespace tolvex::complete
