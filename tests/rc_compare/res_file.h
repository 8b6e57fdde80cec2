// A compiled resource file (.res) read back: its entries, and the dialog and menu templates among
// them, with every text as UTF-8.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvex::rc_compare {

// A type, name, class or menu as a template holds it: a number (0xFFFF, ordinal) or a string.
struct ResName {
  std::optional<std::uint16_t> ordinal;
  std::string text;  // when no ordinal; empty when the template names nothing
};

struct ResEntry {
  ResName type, name;
  std::string data;
};

// What a dialog and each of its controls hold alike.
struct ResFrame {
  std::uint32_t style = 0, exStyle = 0, helpId = 0;
  std::int16_t x = 0, y = 0, width = 0, height = 0;
};

struct ResControl : ResFrame {
  std::uint32_t id = 0;
  ResName className, text;
};

struct ResFont {
  std::uint16_t size = 0, weight = 0;
  std::uint8_t italic = 0, charset = 0;
  std::string face;
};

struct ResDialog : ResFrame {
  bool extended = false;
  ResName menu, className;
  std::string caption;
  std::optional<ResFont> font;
  std::vector<ResControl> controls;
};

// One item of a MENU or MENUEX template, its pop-up's items after it at depth + 1.
struct ResMenuItem {
  int depth = 0;
  std::uint16_t flags = 0;  // MENU: MF_ flags; MENUEX: 0x01 pop-up, 0x80 last of its level
  std::uint32_t id = 0, type = 0, state = 0;
  std::string text;
};

struct ResMenu {
  bool extended = false;
  std::vector<ResMenuItem> items;  // in order, pop-ups before their items
};

// The entries of a .res file; false when it is cut short or malformed.
bool ReadResFile(std::string_view bytes, std::vector<ResEntry>& entries, std::string& error);
bool ReadTemplate(std::string_view data, ResDialog& dialog, std::string& error);
bool ReadTemplate(std::string_view data, ResMenu& menu, std::string& error);

// UTF-16 code units to UTF-8 (a lone surrogate becomes U+FFFD), and UTF-8 of the first plane to
// UTF-16 little-endian bytes after a byte-order mark.
std::string Utf8FromUtf16(const std::u16string& units);
std::string Utf16FromUtf8(const std::string& text);

}  // namespace tolvex::rc_compare
