#include "conversion/designed_conversion.h"
#include "generator/gadget_kinds.h"
#include "generator/line_shapes.h"

namespace tolvex {

void DesignedConversion::AFFCONTROL(int ev, int d) {
  NAMEID = SIDNAME.get(d, ev, 0);
  NUMID = SIDNAME.get(d, ev, 1);
  XID = SIDNAME.get(d, ev, 2);
  YID = SIDNAME.get(d, ev, 3);
  WIDTHID = SIDNAME.get(d, ev, 4);
  HEIGHTID = SIDNAME.get(d, ev, 5);
  CAPTIONID = SIDNAME.get(d, ev, 7);

  if (const GadgetKindLines* kind = FindGadgetKind(NAMEID)) {
    const std::string_view orientation = SIDNAME.get(d, ev, 6);
    VERT = OrientationSuffix(*kind, orientation);
    shapes::EachGadgetLine(*kind,
                           {NUMID, XID, YID, WIDTHID, HEIGHTID, CAPTIONID, orientation, "", ""},
                           lineScratch_, [this](std::string_view line) { EmitLine(line); });
    ++program_.written.controls;
  }
  VERT.clear();
}

}  // namespace tolvex
