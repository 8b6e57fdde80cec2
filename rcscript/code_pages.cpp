#include "rcscript/code_pages.h"

#include <cstdint>

namespace tolvex::rc {
namespace {

struct Language {
  std::string_view name;
  int id;
  int codePage;
};

// The primary languages and the ANSI code page Windows gives each.
constexpr Language kLanguages[] = {
    {"LANG_NEUTRAL", 0x00, 0},       {"LANG_ARABIC", 0x01, 1256},
    {"LANG_BULGARIAN", 0x02, 1251},  {"LANG_CATALAN", 0x03, 1252},
    {"LANG_CHINESE", 0x04, 950},     {"LANG_CZECH", 0x05, 1250},
    {"LANG_DANISH", 0x06, 1252},     {"LANG_GERMAN", 0x07, 1252},
    {"LANG_GREEK", 0x08, 1253},      {"LANG_ENGLISH", 0x09, 1252},
    {"LANG_SPANISH", 0x0A, 1252},    {"LANG_FINNISH", 0x0B, 1252},
    {"LANG_FRENCH", 0x0C, 1252},     {"LANG_HEBREW", 0x0D, 1255},
    {"LANG_HUNGARIAN", 0x0E, 1250},  {"LANG_ICELANDIC", 0x0F, 1252},
    {"LANG_ITALIAN", 0x10, 1252},    {"LANG_JAPANESE", 0x11, 932},
    {"LANG_KOREAN", 0x12, 949},      {"LANG_DUTCH", 0x13, 1252},
    {"LANG_NORWEGIAN", 0x14, 1252},  {"LANG_POLISH", 0x15, 1250},
    {"LANG_PORTUGUESE", 0x16, 1252}, {"LANG_ROMANIAN", 0x18, 1250},
    {"LANG_RUSSIAN", 0x19, 1251},    {"LANG_CROATIAN", 0x1A, 1250},
    {"LANG_SERBIAN", 0x1A, 1250},    {"LANG_BOSNIAN", 0x1A, 1250},
    {"LANG_SLOVAK", 0x1B, 1250},     {"LANG_ALBANIAN", 0x1C, 1250},
    {"LANG_SWEDISH", 0x1D, 1252},    {"LANG_THAI", 0x1E, 874},
    {"LANG_TURKISH", 0x1F, 1254},    {"LANG_URDU", 0x20, 1256},
    {"LANG_INDONESIAN", 0x21, 1252}, {"LANG_UKRAINIAN", 0x22, 1251},
    {"LANG_BELARUSIAN", 0x23, 1251}, {"LANG_SLOVENIAN", 0x24, 1250},
    {"LANG_ESTONIAN", 0x25, 1257},   {"LANG_LATVIAN", 0x26, 1257},
    {"LANG_LITHUANIAN", 0x27, 1257}, {"LANG_FARSI", 0x29, 1256},
    {"LANG_PERSIAN", 0x29, 1256},    {"LANG_VIETNAMESE", 0x2A, 1258},
    {"LANG_AZERI", 0x2C, 1254},      {"LANG_BASQUE", 0x2D, 1252},
    {"LANG_MACEDONIAN", 0x2F, 1251}, {"LANG_AFRIKAANS", 0x36, 1252},
    {"LANG_FAEROESE", 0x38, 1252},   {"LANG_MALAY", 0x3E, 1252},
    {"LANG_KAZAKH", 0x3F, 1251},     {"LANG_KYRGYZ", 0x40, 1251},
    {"LANG_SWAHILI", 0x41, 1252},    {"LANG_UZBEK", 0x43, 1254},
    {"LANG_TATAR", 0x44, 1251},      {"LANG_MONGOLIAN", 0x50, 1251},
    {"LANG_GALICIAN", 0x56, 1252},
};

// The sublanguages whose script differs from their language's first one.
constexpr struct {
  int language, sublanguage, codePage;
} kSublanguageCodePages[] = {
    {0x04, 0x00, 936},  {0x04, 0x02, 936},  {0x04, 0x04, 936},   // simplified Chinese
    {0x1A, 0x03, 1251}, {0x1A, 0x07, 1251}, {0x1A, 0x08, 1251},  // Serbian, Bosnian Cyrillic
    {0x1A, 0x0A, 1251}, {0x1A, 0x0C, 1251}, {0x2C, 0x02, 1251},  // ... Azeri Cyrillic
    {0x43, 0x02, 1251},                                          // Uzbek Cyrillic
};

constexpr struct {
  std::string_view name;
  int id;
} kSublanguages[] = {
    {"SUBLANG_NEUTRAL", 0x00},
    {"SUBLANG_DEFAULT", 0x01},
    {"SUBLANG_SYS_DEFAULT", 0x02},
    {"SUBLANG_CHINESE_TRADITIONAL", 0x01},
    {"SUBLANG_CHINESE_SIMPLIFIED", 0x02},
    {"SUBLANG_CHINESE_HONGKONG", 0x03},
    {"SUBLANG_CHINESE_SINGAPORE", 0x04},
    {"SUBLANG_CHINESE_MACAU", 0x05},
    {"SUBLANG_SERBIAN_LATIN", 0x02},
    {"SUBLANG_SERBIAN_CYRILLIC", 0x03},
    {"SUBLANG_AZERI_LATIN", 0x01},
    {"SUBLANG_AZERI_CYRILLIC", 0x02},
    {"SUBLANG_UZBEK_LATIN", 0x01},
    {"SUBLANG_UZBEK_CYRILLIC", 0x02},
};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// A token's number, by its value or by its name in the table; -1 when neither.
template <typename Table>
int IdOf(const Token& token, const Table& names) {
  if (token.kind == TokenKind::kNumber && token.numberValid) {
    return static_cast<int>(token.number & 0x3FF);
  }
  for (const auto& entry : names) {
    if (IsKeyword(token, entry.name)) return entry.id;
  }
  return -1;
}

}  // namespace

CodePagePragma ReadCodePagePragma(std::string_view rest) {
  rest = Trimmed(rest.substr(0, rest.find("//")));
  constexpr std::string_view kName = "code_page";
  if (rest.substr(0, kName.size()) != kName) return {};
  rest = Trimmed(rest.substr(kName.size()));
  if (rest.size() < 2 || rest.front() != '(' || rest.back() != ')') return {true, std::nullopt};
  const std::string_view number = Trimmed(rest.substr(1, rest.size() - 2));
  if (number == "DEFAULT") return {true, 0};
  if (number.empty() || number.size() > 5) return {true, std::nullopt};
  int value = 0;
  for (const char c : number) {
    if (c < '0' || c > '9') return {true, std::nullopt};
    value = value * 10 + (c - '0');
  }
  return {true, value};
}

int LanguageCodePage(const Token& language, const Token& sublanguage) {
  const int id = IdOf(language, kLanguages);
  const int sub = IdOf(sublanguage, kSublanguages);
  for (const auto& entry : kSublanguageCodePages) {
    if (entry.language == id && entry.sublanguage == sub) return entry.codePage;
  }
  for (const Language& entry : kLanguages) {
    if (entry.id == id) return entry.codePage;
  }
  return 0;
}

}  // namespace tolvex::rc
