// The top level of a script: one resource after another, each read by its own statement reader or
// passed over by its grammar.
#include "rcscript/parser.h"

#include <string_view>

#include "rcscript/code_pages.h"
#include "rcscript/keywords.h"
#include "rcscript/resources.h"
#include "rcscript/statement_stream.h"

namespace tolvex::rc {
namespace {

enum class Shape {
  kDialog,
  kMenu,
  kBlock,  // statements up to a BEGIN ... END block, all passed over
  kLine,   // one line (a file name), or a block when the next line begins one
};

struct ResourceType {
  std::string_view keyword;
  Shape shape;
};

constexpr ResourceType kResourceTypes[] = {
#define RESOURCE_TYPE(word, shape) {word, Shape::shape},
#include "rcscript/keywords.def"
};

// Whether `b` follows `a` in the script with no blank between them.
bool Adjacent(const Token& a, const Token& b) {
  return !b.lineStart && a.file == b.file && a.line == b.line && !a.written.empty() &&
         !b.written.empty() && a.column + static_cast<int>(a.written.size()) == b.column;
}

// The bytes besides letters, digits and "_" that a name word may hold (SKIN-3D, TI-73Keymap).
bool ContinuesNameWord(const Token& token) {
  if (token.kind == TokenKind::kIdentifier || token.kind == TokenKind::kNumber) return true;
  return token.text == "-" || token.text == "." || token.text == "/" || token.text == "\\";
}

const ResourceType* FindType(const Token& token) {
  for (const ResourceType& t : kResourceTypes) {
    if (IsKeyword(token, t.keyword)) return &t;
  }
  return nullptr;
}

class TopLevel {
 public:
  TopLevel(StatementStream& tokens, Model& model, const ResourceTaker& take)
      : tokens_(tokens), model_(model), take_(take) {}

  void ReadAll() {
    while (tokens_.Peek().kind != TokenKind::kEnd) {
      tokens_.ReleaseReadLines();
      ReadOne();
    }
  }

 private:
  void Skipped(std::string name, std::string type, const Token& start) {
    model_.skipped.push_back({std::move(name), std::move(type), tokens_.PlaceOf(start)});
  }

  //  STRINGTABLE [options] BEGIN ... END
  //  LANGUAGE lang, sublang | VERSION n | CHARACTERISTICS n
  //  name type ...
  void ReadOne() {
    const Token start = tokens_.Peek();
    if (IsKeyword(start, "STRINGTABLE")) {
      tokens_.Take();
      Skipped("", "STRINGTABLE", start);
      PassOverBlockResource("the string table");
      return;
    }
    if (IsResourceOption(start)) {
      tokens_.Take();
      if (IsKeyword(start, "LANGUAGE")) {
        languageCodePage_ = LanguageCodePage(tokens_.Peek(0), tokens_.Peek(2));
      }
      Skipped("", UpperCase(start.text), start);
      tokens_.SkipStatement(start);
      return;
    }
    if (IsBlockStart(start) || IsBlockEnd(start) ||
        (start.kind != TokenKind::kIdentifier && start.kind != TokenKind::kNumber &&
         start.kind != TokenKind::kString && !IsOperator(start, "(") && !IsOperator(start, "-"))) {
      tokens_.Fail(start, "expected a resource, got " + Described(start));
      if (IsBlockStart(start)) {
        tokens_.SkipBlock("the block");
      } else {
        tokens_.SkipStatement(start);
      }
      return;
    }
    Value name;
    if (!ReadNameWord(name) && !tokens_.ReadName("the resource's name", name)) {
      tokens_.SkipStatement(start);
      return;
    }
    const Token type = tokens_.Peek();
    if (type.kind == TokenKind::kEnd || type.kind == TokenKind::kOperator ||
        type.kind == TokenKind::kOther) {
      tokens_.Expected("a resource type", "after the name " + Quoted(name.text));
      if (IsBlockStart(type)) {
        tokens_.SkipBlock("the block");
      } else {
        tokens_.SkipStatement(start);
      }
      return;
    }
    tokens_.Take();
    const ResourceType* known = FindType(type);
    // The type keyword is read where the resource stands, never from a define.
    const int codePage = type.coding.codePage != 0 ? type.coding.codePage : languageCodePage_;
    const TextCoding texts{type.coding.utf8, codePage};
    if (known && known->shape == Shape::kDialog) {
      ReadDialog(tokens_, start, std::move(name), type, texts, model_, controlRoom_);
      if (take_) take_(model_);
    } else if (known && known->shape == Shape::kMenu) {
      ReadMenu(tokens_, start, std::move(name), type, texts, model_);
      if (take_) take_(model_);
    } else {
      const std::string typeText = known ? UpperCase(type.text) : std::string(type.written);
      Skipped(name.text, typeText, start);
      if (known && known->shape == Shape::kBlock) {
        PassOverBlockResource("the " + typeText + " resource " + Quoted(name.text));
      } else {
        PassOverLineResource("the " + typeText + " resource " + Quoted(name.text));
      }
    }
  }

  // A name that starts with a letter and runs on, with no blank, over more than an identifier
  // (SKIN-3D, TI-73Keymap, X.Y): the resource compiler takes the whole word as a string name.
  bool ReadNameWord(Value& name) {
    if (tokens_.Peek().kind != TokenKind::kIdentifier) return false;
    size_t length = 1;
    while (Adjacent(tokens_.Peek(length - 1), tokens_.Peek(length)) &&
           ContinuesNameWord(tokens_.Peek(length))) {
      ++length;
    }
    if (length == 1) return false;
    std::string word;
    for (size_t i = 0; i < length; ++i) word += tokens_.Take().written;
    name.text = word;
    name.number.reset();
    return true;
  }

  // Statements up to BEGIN, then the block.
  void PassOverBlockResource(const std::string& what) {
    while (!IsBlockStart(tokens_.Peek())) {
      if (tokens_.Peek().kind == TokenKind::kEnd || IsBlockEnd(tokens_.Peek())) {
        tokens_.Expected("BEGIN", "for " + what);
        return;
      }
      tokens_.Take();
    }
    tokens_.SkipBlock(what);
  }

  // The rest of the line; then a block, when the next line starts one.
  void PassOverLineResource(const std::string& what) {
    for (;;) {
      const Token& next = tokens_.Peek();
      if (next.kind == TokenKind::kEnd) return;
      if (IsBlockStart(next)) {
        tokens_.SkipBlock(what);
        return;
      }
      if (next.lineStart) return;
      tokens_.Take();
    }
  }

  StatementStream& tokens_;
  Model& model_;
  const ResourceTaker& take_;
  std::vector<Control> controlRoom_;  // the room every dialog's controls are read into
  int languageCodePage_ = 0;          // of the last LANGUAGE statement outside a resource
};

}  // namespace

bool IsResourceType(const Token& token) { return FindType(token) != nullptr; }

bool StartsStatement(const Token& token) {
  return IsControlStatement(token) || IsDialogOption(token) || IsMenuStatement(token);
}

void ReadResources(Preprocessor& preprocessor, Model& model, const ResourceTaker& take) {
  StatementStream tokens(preprocessor);
  TopLevel(tokens, model, take).ReadAll();
}

}  // namespace tolvex::rc
