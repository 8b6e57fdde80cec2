#include "generator/control_emitter.h"

#include <string>

#include "conversion/tables.h"
#include "generator/gadget_kinds.h"
#include "generator/output_listing.h"

namespace tolvex {
namespace {

// Fills a kind's template with the current control; inserted text is not scanned again.
std::string Expand(std::string_view line) {
  const std::string geometry = NUMID + "," + XID + "," + YID + "," + WIDTHID + "," + HEIGHTID;
  const struct {
    std::string_view marker;
    const std::string& text;
  } markers[] = {
      {"{geometry}", geometry}, {"{caption}", CAPTIONID}, {"{vert}", VERT}, {"{id}", NUMID}};

  std::string out;
  size_t at = 0;
  while (at < line.size()) {
    bool replaced = false;
    for (const auto& m : markers) {
      if (line.compare(at, m.marker.size(), m.marker) == 0) {
        out += m.text;
        at += m.marker.size();
        replaced = true;
        break;
      }
    }
    if (!replaced) out += line[at++];
  }
  return out;
}

}  // namespace

void AFFCONTROL(int ev, int d) {
  NAMEID = SIDNAME.get(d, ev, 0);
  NUMID = SIDNAME.get(d, ev, 1);
  XID = SIDNAME.get(d, ev, 2);
  YID = SIDNAME.get(d, ev, 3);
  WIDTHID = SIDNAME.get(d, ev, 4);
  HEIGHTID = SIDNAME.get(d, ev, 5);
  CAPTIONID = SIDNAME.get(d, ev, 7);

  const std::string& orientation = SIDNAME.get(d, ev, 6);
  if (orientation.empty()) {
    VERT.clear();
  } else {
    // A track bar's vertical style is written as its numeric value.
    VERT = NAMEID.compare(0, 7, "IDC_TRB") == 0 ? std::string(",2") : "," + orientation;
  }

  if (const GadgetKindLines* kind = FindGadgetKind(NAMEID)) {
    EmitLine(Expand(kind->gadgetLine));
    for (std::string_view line : kind->furtherLines) EmitLine(Expand(line));
  }
  VERT.clear();
}

}  // namespace tolvex
