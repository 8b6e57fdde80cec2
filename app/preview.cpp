#include "app/preview.h"

#include <windows.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string_view>

#include "program_reader/program_reader.h"
#include "toolkit/win32/preview_windows.h"

namespace tolvex {
namespace {

using program::Gadget;
using program::MenuEntry;
using win32::PreviewControlKind;

// The standard control each kind of gadget shows as.
constexpr struct {
  std::string_view prefix;
  PreviewControlKind kind;
} kControls[] = {
    {"IDC_BTN", PreviewControlKind::kButton},    {"IDC_STC", PreviewControlKind::kStatic},
    {"IDC_EDT", PreviewControlKind::kEdit},      {"IDC_CBO", PreviewControlKind::kComboBox},
    {"IDC_LST", PreviewControlKind::kListBox},   {"IDC_SCB", PreviewControlKind::kScrollBar},
    {"IDC_CHK", PreviewControlKind::kCheckBox},  {"IDC_PGB", PreviewControlKind::kProgressBar},
    {"IDC_TRB", PreviewControlKind::kTrackBar},  {"IDC_RBN", PreviewControlKind::kOption},
    {"IDC_GRP", PreviewControlKind::kGroupBox},  {"IDC_DTP", PreviewControlKind::kDatePicker},
    {"IDC_IPA", PreviewControlKind::kIpAddress}, {"IDC_IMG", PreviewControlKind::kImage},
    {"IDC_LSV", PreviewControlKind::kListView},
};

std::optional<PreviewControlKind> ControlKindOf(const Gadget& gadget) {
  if (gadget.kind == nullptr) return std::nullopt;
  for (const auto& entry : kControls) {
    if (entry.prefix == gadget.kind->prefix) return entry.kind;
  }
  return std::nullopt;
}

// A program's number as Windows takes it: held within what a coordinate, size or range can be.
constexpr std::int64_t kMostMagnitude = 32767;
constexpr std::int64_t kMostPoints = 1000;
int Held(std::int64_t value, std::int64_t low = -kMostMagnitude,
         std::int64_t high = kMostMagnitude) {
  return static_cast<int>(std::clamp(value, low, high));
}

// The control's id: the program's value when it is one, else 0.
int ControlId(const program::Id& id) {
  if (!id.value || *id.value < INT32_MIN || *id.value > INT32_MAX) return 0;
  return static_cast<int>(*id.value);
}

win32::PreviewControl ControlOf(const Gadget& gadget, PreviewControlKind kind, HFONT font) {
  win32::PreviewControl control;
  control.kind = kind;
  control.id = ControlId(gadget.id);
  control.x = Held(gadget.geometry.x);
  control.y = Held(gadget.geometry.y);
  control.width = Held(gadget.geometry.width, 0);
  control.height = Held(gadget.geometry.height, 0);
  if (gadget.text) control.text = gadget.text->value;
  control.font = font;
  control.vertical = gadget.vertical;
  control.ranged = gadget.minimum.has_value() && gadget.maximum.has_value();
  control.minimum = Held(gadget.minimum.value_or(0), INT32_MIN, INT32_MAX);
  control.maximum = Held(gadget.maximum.value_or(0), INT32_MIN, INT32_MAX);
  if (gadget.styleValue > 0 && gadget.styleValue <= 0xFFFFFFFF)
    control.exStyle = static_cast<DWORD>(gadget.styleValue);
  for (const program::ListViewColumn& column : gadget.columns)
    control.columns.emplace_back(column.title.value, Held(column.width, 0));
  if (gadget.ipAddress) control.address = gadget.ipAddress->value;
  return control;
}

// One window of the plan; the keys of its gadgets and items index ids.
void OpenWindowOf(const program::ProgramPlan& plan, const program::Window& window,
                  const PreviewClickHandler& onClick) {
  auto ids = std::make_shared<std::vector<program::Id>>();
  const HWND handle = win32::OpenPreviewWindow(
      window.caption.value, Held(window.geometry.x), Held(window.geometry.y),
      Held(window.geometry.width, 0), Held(window.geometry.height, 0), [ids, onClick](int key) {
        if (onClick && key >= 0 && static_cast<size_t>(key) < ids->size())
          onClick((*ids)[static_cast<size_t>(key)]);
      });
  if (handle == nullptr) return;

  std::vector<HFONT> fonts(plan.fonts.size(), nullptr);
  const auto fontOf = [&](int index) -> HFONT {
    if (index < 0 || static_cast<size_t>(index) >= plan.fonts.size()) return nullptr;
    HFONT& font = fonts[static_cast<size_t>(index)];
    const program::Font& wanted = plan.fonts[static_cast<size_t>(index)];
    if (font == nullptr)
      font = win32::AddPreviewFont(handle, wanted.face.value, Held(wanted.size, 0, kMostPoints));
    return font;
  };
  for (const Gadget& gadget : window.gadgets) {
    const std::optional<PreviewControlKind> kind = ControlKindOf(gadget);
    if (!kind) continue;
    const int key = static_cast<int>(ids->size());
    ids->push_back(gadget.id);
    win32::AddPreviewControl(handle, ControlOf(gadget, *kind, fontOf(gadget.font)), key);
  }

  if (!window.menu) return;
  std::vector<win32::PreviewMenuLine> lines;
  for (const MenuEntry& entry : window.menu->entries) {
    win32::PreviewMenuLine line;
    line.popup = entry.kind != MenuEntry::Kind::kItem;
    line.parent = entry.parent;
    line.text = entry.text.value;
    if (!line.popup) {
      line.key = static_cast<int>(ids->size());
      ids->push_back(entry.id);
    }
    lines.push_back(std::move(line));
  }
  win32::SetPreviewMenu(handle, lines);
}

}  // namespace

int OpenPreview(const program::ProgramPlan& plan, PreviewClickHandler onClick) {
  const size_t before = win32::PreviewWindows().size();
  for (const program::Window& window : plan.windows) OpenWindowOf(plan, window, onClick);
  return static_cast<int>(win32::PreviewWindows().size() - before);
}

PreviewResult PreviewProgram(const std::vector<std::string>& programLines,
                             PreviewClickHandler onClick) {
  ClosePreview();
  const program::ProgramPlan plan = program::ReadProgramLines(programLines);
  PreviewResult result;
  for (const program::UnknownLine& line : plan.unknown)
    result.messages.push_back(program::UnknownLineMessage(line));
  OpenPreview(plan, std::move(onClick));
  result.windows = static_cast<int>(win32::PreviewWindows().size());
  return result;
}

void ClosePreview() { win32::CloseAllPreviewWindows(); }

}  // namespace tolvex
