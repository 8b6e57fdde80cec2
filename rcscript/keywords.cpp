#include "rcscript/keywords.h"

namespace tolvex::rc {
namespace {

constexpr struct {
  std::string_view word;
  Directive directive;
} kDirectives[] = {
#define DIRECTIVE(word, name) {word, Directive::name},
#include "rcscript/keywords.def"
};

constexpr std::string_view kResourceOptions[] = {
#define RESOURCE_OPTION(word) word,
#include "rcscript/keywords.def"
};

constexpr std::string_view kMenuStatements[] = {
#define MENU_STATEMENT(word) word,
#include "rcscript/keywords.def"
};

constexpr std::string_view kDialogOptions[] = {
#define DIALOG_OPTION(word) word,
#include "rcscript/keywords.def"
};

constexpr std::string_view kMenuOptions[] = {
#define MENU_OPTION(word) word,
#include "rcscript/keywords.def"
};

constexpr std::string_view kMemoryOptions[] = {
#define MEMORY_OPTION(word) word,
#include "rcscript/keywords.def"
};

template <size_t N>
bool IsOneOf(const Token& token, const std::string_view (&words)[N]) {
  for (const std::string_view word : words) {
    if (IsKeyword(token, word)) return true;
  }
  return false;
}

}  // namespace

Directive DirectiveOf(std::string_view name) {
  for (const auto& d : kDirectives) {
    if (d.word == name) return d.directive;
  }
  return Directive::kUnknown;
}

std::string_view DirectiveName(std::string_view name) {
  for (const auto& d : kDirectives) {
    if (d.word == name) return d.word;
  }
  return {};
}

bool IsResourceOption(const Token& token) { return IsOneOf(token, kResourceOptions); }

bool IsMenuStatement(const Token& token) { return IsOneOf(token, kMenuStatements); }

bool IsDialogOption(const Token& token) {
  return IsOneOf(token, kDialogOptions) || IsResourceOption(token);
}

bool IsMenuOption(const Token& token) { return IsOneOf(token, kMenuOptions); }

bool IsMemoryOption(const Token& token) { return IsOneOf(token, kMemoryOptions); }

}  // namespace tolvex::rc
