#include "tests/rc_compare/res_file.h"

namespace tolvex::rc_compare {

std::string Utf8FromUtf16(const std::u16string& units) {
  std::string out;
  for (size_t i = 0; i < units.size(); ++i) {
    std::uint32_t c = units[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
        units[i + 1] < 0xE000) {
      c = 0x10000 + ((c - 0xD800) << 10) + (units[++i] - 0xDC00u);
    } else if (c >= 0xD800 && c < 0xE000) {
      c = 0xFFFD;
    }
    // The lead byte holds as many high bits set as the sequence has bytes.
    const int tail = c < 0x80 ? 0 : c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
    out += static_cast<char>(tail == 0 ? c : ((0xFFu << (7 - tail)) & 0xFFu) | c >> (6 * tail));
    for (int k = tail - 1; k >= 0; --k) out += static_cast<char>(0x80u | (c >> (6 * k) & 0x3Fu));
  }
  return out;
}

std::string Utf16FromUtf8(const std::string& text) {
  std::string out = "\xFF\xFE";
  for (size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    const size_t length = c < 0xC0 ? 1 : c < 0xE0 ? 2 : 3;
    std::uint32_t code = length == 1 ? c : c & (length == 2 ? 0x1Fu : 0x0Fu);
    for (size_t k = 1; k < length && i + k < text.size(); ++k) {
      code = code << 6 | (static_cast<unsigned char>(text[i + k]) & 0x3Fu);
    }
    out += static_cast<char>(code & 0xFF);
    out += static_cast<char>(code >> 8);
    i += length;
  }
  return out;
}

std::uint32_t Cursor::Read(size_t size) {
  if (failed || size > bytes.size() - at) {
    failed = true;
    return 0;
  }
  std::uint32_t value = 0;
  for (size_t i = 0; i < size; ++i) {
    value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
  }
  at += size;
  return value;
}

std::string Cursor::String() {
  std::u16string units;
  for (std::uint16_t unit = U16(); unit != 0 && !failed; unit = U16()) units += char16_t(unit);
  return Utf8FromUtf16(units);
}

ResName Cursor::Name() {
  ResName name;
  const size_t start = at;
  if (U16() == 0xFFFF) {
    name.ordinal = U16();
  } else {
    at = start;
    name.text = String();
  }
  return name;
}

void Cursor::Align4() {
  while (at % 4 != 0 && at < bytes.size()) ++at;
}

void Cursor::Skip(size_t size) {
  if (size > bytes.size() - at) failed = true;
  at = failed ? bytes.size() : at + size;
}

//  DataSize, HeaderSize, type, name, (align 4) DataVersion, MemoryFlags, LanguageId, Version,
//  Characteristics, then DataSize bytes, aligned to 4
bool ReadResFile(std::string_view bytes, std::vector<ResEntry>& entries, std::string& error) {
  Cursor in{bytes};
  while (in.at < bytes.size()) {
    const size_t start = in.at;
    const std::uint32_t dataSize = in.U32();
    const std::uint32_t headerSize = in.U32();
    ResEntry entry{in.Name(), in.Name(), ""};
    if (in.failed || headerSize < in.at - start || headerSize > bytes.size() - start ||
        dataSize > bytes.size() - start - headerSize) {
      error = "an entry's header at byte " + std::to_string(start) + " is cut short";
      return false;
    }
    entry.data = std::string(bytes.substr(start + headerSize, dataSize));
    in.Skip(start + headerSize + dataSize - in.at);
    in.Align4();
    // The first entry of every .res is an empty one of type 0.
    if (entry.type.ordinal != 0) entries.push_back(std::move(entry));
  }
  return true;
}

}  // namespace tolvex::rc_compare
