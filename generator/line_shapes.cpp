#include "generator/line_shapes.h"

#include <algorithm>
#include <iterator>

namespace tolvex::shapes {
namespace {

void AppendList(std::string& text, std::initializer_list<std::string_view> parts) {
  AppendAll(text, parts.begin(), parts.size());
}

std::string Join(std::initializer_list<std::string_view> parts) {
  std::string text;
  AppendList(text, parts);
  return text;
}

// Fills a kind's template; text put in for a marker is not scanned again. Every marker starts
// with a brace, so the text between braces is copied whole.
void ExpandInto(std::string& out, std::string_view line, const GadgetShape& gadget,
                std::string_view vert) {
  enum class Marker { kGeometry, kCaption, kVert, kVariant, kId };
  static constexpr struct {
    std::string_view text;
    Marker marker;
  } kMarkers[] = {{"{geometry}", Marker::kGeometry},
                  {"{caption}", Marker::kCaption},
                  {"{vert}", Marker::kVert},
                  {"{variant}", Marker::kVariant},
                  {"{id}", Marker::kId}};

  out.clear();
  out.reserve(line.size() + gadget.id.size() * 2 + gadget.caption.size() + 32);
  size_t at = 0;
  while (at < line.size()) {
    const size_t brace = std::min(line.find('{', at), line.size());
    out.append(line.substr(at, brace - at));
    at = brace;
    if (at == line.size()) break;
    const auto* found = std::find_if(std::begin(kMarkers), std::end(kMarkers), [&](const auto& m) {
      return line.compare(at, m.text.size(), m.text) == 0;
    });
    if (found == std::end(kMarkers)) {
      out += line[at++];
      continue;
    }
    at += found->text.size();
    switch (found->marker) {
      case Marker::kGeometry:
        AppendList(
            out, {gadget.id, ",", gadget.x, ",", gadget.y, ",", gadget.width, ",", gadget.height});
        break;
      case Marker::kCaption:
        AppendList(out, {gadget.captionMark, "\"", gadget.caption, "\""});
        break;
      case Marker::kVert: out += vert; break;
      case Marker::kVariant: out += gadget.variant; break;
      case Marker::kId: out += gadget.id; break;
    }
  }
}

template <size_t N>
std::string Joined(const LinePieces<N>& pieces) {
  std::string text;
  AppendAll(text, pieces.data(), N);
  return text;
}

}  // namespace

void AppendAll(std::string& text, const std::string_view* parts, size_t count) {
  size_t size = text.size();
  for (size_t i = 0; i < count; ++i) size += parts[i].size();
  text.reserve(size);
  for (size_t i = 0; i < count; ++i) text += parts[i];
}

Lines IncludeLines() { return {"#Include once \"gadgetkit.bi\"", ""}; }

LinePieces<4> DefineLinePieces(std::string_view name, std::string_view value) {
  return {"#define  ", name, "   ", value};
}

std::string DefineLine(std::string_view name, std::string_view value) {
  return Joined(DefineLinePieces(name, value));
}

Lines ScreenBlockLines() {
  return {"", "Dim as Integer screen_x,screen_y",
          "screen_x = GetSystemMetrics(SM_CXSCREEN)        ' if needed ",
          "screen_y = GetSystemMetrics(SM_CYSCREEN)        ' if needed ", ""};
}

Lines WindowLines(const WindowShape& w) {
  const std::string number = std::to_string(w.number);
  return {"",
          Join({"Var hwnd", number, "=OpenWindow(", w.captionMark, "\"", w.caption, "\",", w.x, ",",
                w.y, ",", w.width, ",", w.height, ")"}),
          Join({"SetGadgetFont (,LoadFont (", w.fontFaceMark, "\"", w.fontFace, "\",", w.fontSize,
                "))"}),
          Join({"UseGadgetList (hwnd", number, ")"}),
          "",
          ""};
}

void EachGadgetLine(const GadgetKindLines& kind, const GadgetShape& gadget, std::string& scratch,
                    const std::function<void(std::string_view)>& take) {
  const std::string vert = OrientationSuffix(kind, gadget.orientation);
  ExpandInto(scratch, kind.gadgetLine, gadget, vert);
  take(scratch);
  for (std::string_view line : kind.furtherLines) {
    ExpandInto(scratch, line, gadget, vert);
    take(scratch);
  }
}

Lines GadgetLines(const GadgetKindLines& kind, const GadgetShape& gadget) {
  Lines lines;
  std::string scratch;
  EachGadgetLine(kind, gadget, scratch,
                 [&lines](std::string_view line) { lines.emplace_back(line); });
  return lines;
}

std::string NoGadgetLine(std::string_view className, std::string_view id, std::string_view x,
                         std::string_view y, std::string_view width, std::string_view height,
                         std::string_view text) {
  return Join({"   ' ", className, " ", id, " ", x, ",", y, ",", width, ",", height, " ", text,
               ": no gadget kind"});
}

Lines LoopHeadLines() { return {"", "' code", "", "", "", "Do", " Var event=WaitEvent()", "'"}; }

Lines GadgetBranchHeadLines() {
  return {"     Select Case event", "        Case EventClose", "         End",
          "        Case EventGadget", "          Select Case EventNumber"};
}

std::array<LinePieces<2>, 2> GadgetCaseLinePieces(std::string_view identifier,
                                                  std::string_view comment) {
  return {{{"              Case  ", identifier}, {"                    '", comment}}};
}

Lines GadgetCaseLines(std::string_view identifier, std::string_view comment) {
  const auto [head, note] = GadgetCaseLinePieces(identifier, comment);
  return {Joined(head), Joined(note)};
}

Lines LoopTailLines() { return {"          End Select", "      End Select", "Loop", "'", "", ""}; }

Lines MenuBarLines(int dialog) {
  const std::string d = std::to_string(dialog);
  return {Join({"Dim As HMENU hMessages", d}), Join({"     hMessages", d, " = Create_Menu()"})};
}

std::string PopupHandleLine(int popup) { return "Dim As HMENU MenName" + std::to_string(popup); }

std::string MenuTitleLine(int popup, int dialog, std::string_view text) {
  return Join({"     MenName", std::to_string(popup), "=MenuTitle(hMessages",
               std::to_string(dialog), ",", text, ")"});
}

std::string SubMenuLine(int popup, int parentPopup, std::string_view text) {
  return Join({"     MenName", std::to_string(popup), "=OpenSubMenu(MenName",
               std::to_string(parentPopup), ",", text, ")"});
}

std::string MenuItemLine(std::string_view id, int popup, std::string_view text) {
  return Join({"     MenuItem(", id, ", MenName", std::to_string(popup), ",", text, ")"});
}

Lines MenuBranchHeadLines() {
  return {"    If event = EventMenu then ", "        \tSelect case EventNumber"};
}

Lines MenuCaseLines(std::string_view identifier, std::string_view comment) {
  return {Join({"\t\t          Case ", identifier}), Join({" \t\t     '     ", comment})};
}

Lines MenuBranchTailLines() { return {"\t         End Select", "    EndIf", "'"}; }

}  // namespace tolvex::shapes
