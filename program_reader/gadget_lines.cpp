// The lines that open windows, set the gadget font and make gadgets with their further lines.
#include "program_reader/reader.h"

namespace tolvex::program {

// OpenWindow ("caption", x, y, width, height)
Reason Reader::OpenWindow(const std::string& target, const Arguments& a) {
  if (a.size() != 5 || !IsText(a[0]) || !IsNumber(a[1]) || !IsNumber(a[2]) || !IsNumber(a[3]) ||
      !IsNumber(a[4]))
    return "OpenWindow takes a literal and four numbers";
  Window window;
  window.line = line_;
  window.variable = target;
  window.caption = a[0].text;
  window.geometry = {a[1].number, a[2].number, a[3].number, a[4].number};
  window.font = font_;
  plan_.windows.push_back(std::move(window));
  gadgetWindow_ = static_cast<int>(plan_.windows.size()) - 1;
  variables_[Upper(target)] = {Binding::Kind::kWindow, gadgetWindow_, 0};
  return {};
}

// GetSystemMetrics (SM_NAME), as the screen block reads the screen's size.
Reason Reader::SystemMetrics(const std::string&, const Arguments& a) {
  if (a.size() != 1 || !IsName(a[0])) return "GetSystemMetrics takes a metric's name";
  return {};
}

// SetGadgetFont (, LoadFont ("face", size)): the font of every gadget made after it. A window
// whose gadgets are being made and which has none yet takes it as its own. A dialog without a
// FONT line leaves the size empty: 0, the font's default height.
Reason Reader::SetGadgetFont(const std::string&, const Arguments& a) {
  if (a.size() != 2 || a[0].kind != Argument::Kind::kEmpty || a[1].kind != Argument::Kind::kCall ||
      !SameName(a[1].name, "LoadFont") || a[1].arguments.size() != 2 ||
      !IsText(a[1].arguments[0]) ||
      (!IsNumber(a[1].arguments[1]) && a[1].arguments[1].kind != Argument::Kind::kEmpty))
    return "SetGadgetFont takes an empty id and LoadFont of a literal and a size";
  plan_.fonts.push_back({line_, a[1].arguments[0].text, a[1].arguments[1].number});
  font_ = static_cast<int>(plan_.fonts.size()) - 1;
  if (gadgetWindow_ >= 0 && plan_.windows[gadgetWindow_].gadgets.empty())
    plan_.windows[gadgetWindow_].font = font_;
  return {};
}

// UseGadgetList (window)
Reason Reader::UseGadgetList(const std::string&, const Arguments& a) {
  if (a.size() != 1 || !IsName(a[0])) return "UseGadgetList takes a window";
  const Binding* window = Bound(a[0].name, Binding::Kind::kWindow);
  if (window == nullptr) return a[0].name + " holds no window";
  gadgetWindow_ = window->window;
  return {};
}

// SetIpAddress (id, "address")
Reason Reader::SetIpAddress(const std::string&, const Arguments& a) {
  if (a.size() != 2 || !IsId(a[0]) || !IsText(a[1]))
    return "SetIpAddress takes an id and a literal";
  Gadget* gadget = GadgetOf(a[0], "IDC_IPA");
  if (gadget == nullptr) return "no IP address gadget has the id " + a[0].name;
  gadget->ipAddress = a[1].text;
  return {};
}

// AddListViewColumn (id, "title", position, format, width)
Reason Reader::AddListViewColumn(const std::string&, const Arguments& a) {
  if (a.size() != 5 || !IsId(a[0]) || !IsText(a[1]) || !IsNumber(a[2]) || !IsNumber(a[3]) ||
      !IsNumber(a[4]))
    return "AddListViewColumn takes an id, a literal and three numbers";
  Gadget* gadget = GadgetOf(a[0], "IDC_LSV");
  if (gadget == nullptr) return "no list view has the id " + a[0].name;
  gadget->columns.push_back({line_, a[1].text, a[4].number});
  return {};
}

// NAME (id, x, y, width, height, what the kind takes after them)
Reason Reader::GadgetLine(const GadgetCall& call, const std::string& target, const Arguments& a) {
  if (gadgetWindow_ < 0) return "a gadget before any window";
  if (a.size() < 5 || !IsId(a[0]) || !IsNumber(a[1]) || !IsNumber(a[2]) || !IsNumber(a[3]) ||
      !IsNumber(a[4]))
    return std::string(call.function) + " takes an id and four numbers first";
  Gadget gadget;
  gadget.line = line_;
  gadget.kind = FindGadgetKind(call.prefix);
  gadget.function = std::string(call.function);
  gadget.id = IdOf(a[0]);
  gadget.geometry = {a[1].number, a[2].number, a[3].number, a[4].number};
  gadget.font = font_;
  gadget.variable = target;
  size_t next = 5;
  for (const GadgetValue value : call.values) {
    const Reason reason = Further(value, a, next, gadget);
    if (!reason.empty()) return reason;
  }
  if (next != a.size()) return std::string(call.function) + " takes fewer values";
  plan_.windows[gadgetWindow_].gadgets.push_back(std::move(gadget));
  return {};
}

Reason Reader::Further(GadgetValue value, const Arguments& a, size_t& next, Gadget& gadget) {
  const bool present = next < a.size();
  switch (value) {
    case GadgetValue::kText:
      if (!present || !IsText(a[next])) return "a caption's literal is missing";
      gadget.text = a[next++].text;
      return {};
    case GadgetValue::kRange:
      if (next + 1 >= a.size() || !IsNumber(a[next]) || !IsNumber(a[next + 1]))
        return "a range of two numbers is missing";
      gadget.minimum = a[next++].number;
      gadget.maximum = a[next++].number;
      return {};
    case GadgetValue::kOrientation: return Orientation(a, next, gadget);
    case GadgetValue::kStyle:
      if (!present || !IsId(a[next])) return "a style is missing";
      gadget.style = a[next].name;
      if (IsNumber(a[next])) {
        gadget.styleValue = a[next].number;
      } else if (!StyleValue(a[next].name, gadget.styleValue)) {
        return "a style the reader does not know: " + a[next].name;
      }
      ++next;
      return {};
    case GadgetValue::kImage:
      if (!present || a[next].kind != Argument::Kind::kCall ||
          !SameName(a[next].name, "Load_image") || a[next].arguments.size() != 1 ||
          !IsText(a[next].arguments[0]))
        return "Load_image of a file's literal is missing";
      gadget.image = a[next++].arguments[0].text;
      return {};
  }
  return {};
}

// A bar's orientation, when written: its kind's keyword for either way, or what the kind writes
// for upright in its place (a track bar's 2).
Reason Reader::Orientation(const Arguments& a, size_t& next, Gadget& gadget) {
  if (next >= a.size()) return {};
  const Argument& written = a[next++];
  const BarOrientation* rule = gadget.kind != nullptr ? gadget.kind->orientation : nullptr;
  if (rule == nullptr || !IsId(written)) return "an orientation the reader does not know";
  if (!rule->writtenAs.empty() && written.name == rule->writtenAs) {
    gadget.orientation = std::string(rule->vertical);
  } else if (IsName(written) && SameName(written.name, rule->vertical)) {
    gadget.orientation = std::string(rule->vertical);
  } else if (IsName(written) && !rule->horizontal.empty() &&
             SameName(written.name, rule->horizontal)) {
    gadget.orientation = std::string(rule->horizontal);
  } else {
    return "an orientation the reader does not know: " + written.name;
  }
  gadget.vertical = gadget.orientation == rule->vertical;
  return {};
}

// The latest gadget of the kind with that id as written (case aside), in any window.
Gadget* Reader::GadgetOf(const Argument& id, std::string_view prefix) {
  for (auto window = plan_.windows.rbegin(); window != plan_.windows.rend(); ++window) {
    for (auto gadget = window->gadgets.rbegin(); gadget != window->gadgets.rend(); ++gadget) {
      if (gadget->kind != nullptr && gadget->kind->prefix == prefix &&
          SameName(gadget->id.written, id.name))
        return &*gadget;
    }
  }
  return nullptr;
}

}  // namespace tolvex::program
