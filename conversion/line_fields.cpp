#include "conversion/designed_conversion.h"
#include "conversion/script_text.h"
#include "generator/gadget_kinds.h"
#include "generator/numbers.h"

namespace tolvex {
namespace {

int LengthOf(const std::string& line) { return static_cast<int>(line.size()); }

// The define markers, in the order their entries are recorded.
constexpr const char* kDefineMarkers[] = {"MANIFEST", "IDC_", "IDM_", "IDD_"};

}  // namespace

void DesignedConversion::GatherUntil(char stop) {
  while (ISIGNE >= 1 && ISIGNE <= LengthOf(SLINE) && CharAt(SLINE, ISIGNE) != stop) {
    A += CharAt(SLINE, ISIGNE);
    ++ISIGNE;
  }
}

std::string DesignedConversion::FieldFrom(int position, char stop) {
  A.clear();
  ISIGNE = position;
  GatherUntil(stop);
  return A;
}

std::string DesignedConversion::VALOR() {
  GatherUntil(',');
  return A;
}

std::string DesignedConversion::FONT() { return VALOR(); }

std::string DesignedConversion::CAPTION() {
  while (ISIGNE <= LengthOf(SLINE) && CharAt(SLINE, ISIGNE) != '"') ++ISIGNE;
  ++ISIGNE;
  GatherUntil('"');
  return A;
}

// A CONTROL line reads, with no blank around the caption's closing quote and comma nor before
// the style's 0x:
//   CONTROL "caption",IDENTIFIER,"Class",0xSTYLE,x,y,width,height[,anything]
// The style runs from the first ",0x" to the next comma; its last digit gives a bar's
// orientation. The identifier is taken after the first quote-comma pair, while the lookup text
// is taken after the first comma, so a caption holding a comma yields a lookup text that matches
// no define (kept: that is how such a line has always read).
void DesignedConversion::VALUECTRL(int n) {
  const int d = INODIALOG;
  const int p = InStr(SLINE, ",0x");
  if (p == 0) return;

  // The style ends at the comma after it, or with the line (all geometry is then 0).
  const size_t comma = SLINE.find(',', static_cast<size_t>(p));
  const int styleEnd =
      comma == std::string::npos ? LengthOf(SLINE) + 1 : static_cast<int>(comma) + 1;
  const char orientationDigit = CharAt(SLINE, styleEnd - 1);

  const std::string name = FieldFrom(InStr(SLINE, "\",") + 2, ',');
  SIDNAME.set(d, n, 0, name);

  // Each bar whose prefix the name holds anywhere may set the orientation, in table order.
  for (const GadgetKindLines& kind : GadgetKinds()) {
    if (kind.orientation == nullptr || !Contains(name, kind.prefix)) continue;
    const std::string_view orientation = OrientationOf(kind, orientationDigit);
    if (!orientation.empty()) SIDNAME.set(d, n, 6, std::string(orientation));
  }

  SIDNAME.set(d, n, 7, FieldFrom(InStr(SLINE, "\"") + 1, '"'));

  // An identifier that no define names keeps its own name as its id, so the generated program
  // compiles once the user defines it.
  const std::optional<std::string_view> id = LookupDefine(FieldFrom(InStr(SLINE, ",") + 1, ','));
  SIDNAME.set(d, n, 1, id ? *id : name);

  ISIGNE = styleEnd + 1;
  for (int k = 1; k <= 4; ++k) {
    A.clear();
    VALOR();
    const bool horizontal = k % 2 == 1;
    GADGET = ControlPixels(LeadingNumber(A), horizontal ? SCALEX : SCALEY);
    SIDNAME.set(d, n, k + 1, IntegerText(GADGET));
    ++ISIGNE;
  }
}

void DesignedConversion::CONTROL() {
  for (const char* marker : kDefineMarkers) {
    IIDDIAL = InStr(SLINE, marker);
    if (IIDDIAL > 0) {
      if (std::string_view(marker) == "IDM_") ++INBMENU;
      ++INBEVENT;
      VALUESID();
    }
  }
}

void DesignedConversion::VALUESID() {
  A.clear();
  while (IIDDIAL <= LengthOf(SLINE) && CharAt(SLINE, IIDDIAL) != ' ') {
    A += CharAt(SLINE, IIDDIAL);
    ++IIDDIAL;
  }
  SIDNAME.set(INODIALOG, INBEVENT, 0, A);
  ++IIDDIAL;
  A.clear();
  while (IIDDIAL <= LengthOf(SLINE)) {
    if (CharAt(SLINE, IIDDIAL) != ' ') A += CharAt(SLINE, IIDDIAL);
    ++IIDDIAL;
  }
  SIDNAME.set(INODIALOG, INBEVENT, 1, A);
}

// The first entry holding the name overall is the first among 1 to INBEVENTMAX, if any is.
std::optional<std::string_view> DesignedConversion::LookupDefine(const std::string& name) const {
  const int entry = SIDNAME.firstDefineEntry(name);
  if (entry >= 1 && entry <= INBEVENTMAX) return SIDNAME.get(0, entry, 1);
  return std::nullopt;
}

}  // namespace tolvex
