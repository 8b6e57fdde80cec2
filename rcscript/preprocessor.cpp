#include "rcscript/preprocessor.h"

#include <algorithm>
#include <filesystem>
#include <utility>

#include "rcscript/ascii.h"
#include "rcscript/code_pages.h"
#include "rcscript/keywords.h"
#include "rcscript/limits.h"
#include "rcscript/script_lines.h"

namespace tolvex::rc {
namespace {

// Headers of the system's SDK that scripts include in quotes; the standard constants stand in for
// them, so a missing one is not worth a warning.
constexpr std::string_view kSystemHeaders[] = {
    "windows.h",  "winres.h", "winresrc.h", "afxres.h", "commctrl.h", "winuser.h", "winuser.rh",
    "richedit.h", "dlgs.h",   "winver.h",   "ntverp.h", "prsht.h",    "wingdi.h",  "winnt.h"};

bool IsBlankByte(char c) { return c == ' ' || c == '\t' || c == '\f' || c == '\v'; }

size_t SkipBlanks(std::string_view s, size_t i) {
  while (i < s.size() && IsBlankByte(s[i])) ++i;
  return i;
}

std::string Lowered(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string Joined(const std::string& folder, const std::string& name) {
  return folder.empty() ? name : folder + "/" + name;
}

// A path from the root or a drive ("/x", "C:/x", "//server/x") is sought as it stands.
bool IsAbsolute(const std::string& path) {
  return (!path.empty() && path[0] == '/') || (path.size() > 1 && path[1] == ':');
}

std::string Normal(const std::string& path) {
  return std::filesystem::path(path).lexically_normal().generic_string();
}

// The tokens of a directive line after its name, for a cursor of expressions.
class LineCursor : public TokenCursor {
 public:
  LineCursor(const std::vector<Token>& tokens, Token end) : tokens_(tokens), end_(std::move(end)) {}
  const Token& Peek(size_t ahead) override {
    return next_ + ahead < tokens_.size() ? tokens_[next_ + ahead] : end_;
  }
  Token Take() override { return next_ < tokens_.size() ? tokens_[next_++] : end_; }
  bool AtEnd() const { return next_ >= tokens_.size(); }

 private:
  const std::vector<Token>& tokens_;
  Token end_;
  size_t next_ = 0;
};

// How many #define lines the bytes seem to hold (one in a comment counts too): room is made for the
// script's defines at once rather than by doubling as they come. Only a # that starts its line
// counts, so the room never passes what a script of such lines would take.
size_t DefineLinesIn(std::string_view bytes) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  size_t count = 0;
  for (size_t at = bytes.find("define"); at != std::string_view::npos;
       at = bytes.find("define", at + 1)) {
    size_t before = at;
    while (before > 0 && blank(bytes[before - 1])) --before;
    if (before == 0 || bytes[--before] != '#') continue;
    while (before > 0 && blank(bytes[before - 1])) --before;
    if (before == 0 || bytes[before - 1] == '\n') ++count;
  }
  return count;
}

// How many #define lines a source holds, read to its end a piece at a time; `bytes` counts its
// bytes.
size_t DefineLinesOf(ScriptSource& source, size_t pieceBytes, size_t& bytes) {
  LinePieces pieces(source, pieceBytes);
  size_t count = 0;
  while (!pieces.ended()) {
    const std::string piece = pieces.Next();
    bytes += piece.size();
    count += DefineLinesIn(piece);  // a piece starts where a line does
  }
  return count;
}

}  // namespace

Preprocessor::Preprocessor(const std::string& scriptPath, std::string_view bytes,
                           std::vector<std::string> includeDirs, FileReader reader,
                           DiagnosticList& diagnostics)
    : includeDirs_(std::move(includeDirs)),
      reader_(std::move(reader)),
      reporter_(fileNames_, diagnostics) {
  Begin(DefineLinesIn(bytes), bytes.size());
  OpenFile(scriptPath, scriptPath, ReaderLines(bytes, texts_));
}

Preprocessor::Preprocessor(const std::string& scriptPath, ScriptSource& source, size_t pieceBytes,
                           std::vector<std::string> includeDirs, FileReader reader,
                           DiagnosticList& diagnostics)
    : includeDirs_(std::move(includeDirs)),
      reader_(std::move(reader)),
      reporter_(fileNames_, diagnostics) {
  // The defines are counted in a reading of their own, before the one that reads them.
  size_t bytes = 0;
  const size_t defines = DefineLinesOf(source, pieceBytes, bytes);
  Begin(defines, bytes);
  source.Rewind();  // a source that cannot go back gives nothing more, and says why
  OpenFile(scriptPath, scriptPath, ReaderLines(source, pieceBytes, texts_));
}

void Preprocessor::Begin(size_t defineLines, size_t scriptBytes) {
  macros_.Reserve(defineLines + 2);
  // What the resource compiler defines before it reads a script.
  for (const char* name : {"RC_INVOKED", "_WIN32"}) {
    Token one;
    one.kind = TokenKind::kNumber;
    one.text = one.written = "1";
    one.number = 1;
    one.numberValid = true;
    macros_.Define(name, {one});
  }
  scriptBytes_ = scriptBytes;
}

void Preprocessor::OpenFile(std::string path, std::string name, ReaderLines lines) {
  Frame frame{static_cast<int>(fileNames_.size()),
              std::move(path),
              std::move(lines),
              {},
              conditionals_.size()};
  frame.lex.coding = {frame.lines.fromUtf16(), codePage_};
  fileNames_.emplace_back(std::move(name));
  frames_.push_back(std::move(frame));
}

void Preprocessor::ReleaseReadLines(const Token& earliest) {
  if (frames_.empty()) return;
  // While an included file is read, the script's line is its #include.
  ReaderLines& script = frames_.front().lines;
  script.ReleaseBefore(earliest.file == frames_.front().file ? static_cast<size_t>(earliest.line)
                                                             : script.taken());
}

size_t Preprocessor::ExpansionBudget() const {
  return kMinExpandedTokens + kExpandedTokensPerByte * (scriptBytes_ + includedBytes_);
}

Token Preprocessor::EndToken() const {
  Token end;
  end.kind = TokenKind::kEnd;
  end.line = endLine_;
  end.column = endColumn_;
  end.lineStart = true;
  return end;
}

Token Preprocessor::Next() {
  while (pendingNext_ >= pending_.size()) {
    if (!FillLine()) return EndToken();
  }
  return std::move(pending_[pendingNext_++]);
}

bool Preprocessor::FillLine() {
  pending_.clear();
  pendingNext_ = 0;
  while (!frames_.empty()) {
    Frame& frame = frames_.back();
    std::string_view line;
    if (!frame.lines.Next(line)) {
      FinishFile();
      continue;
    }
    const int lineNumber = static_cast<int>(frame.lines.taken());
    frame.lex.coding.codePage = codePage_;
    const size_t first = SkipBlanks(line, 0);
    if (!frame.lex.inComment && first < line.size() && line[first] == '#') {
      Directive(line, first, lineNumber);
      continue;
    }
    if (!Active()) continue;
    if (!frame.lex.inComment && first < line.size() && line[first] == ';') continue;
    raw_.clear();  // its tokens were moved out last time; the vector keeps its capacity
    LexLine(line, 0, line.size(), frame.file, lineNumber, frame.lex, raw_, texts_,
            *fileNames_[frame.file], reporter_.List());
    Expand(std::move(raw_), pending_, reporter_);
    if (!pending_.empty()) return true;
  }
  return false;
}

void Preprocessor::FinishFile() {
  Frame& frame = frames_.back();
  const std::string& name = *fileNames_[frame.file];
  if (frame.lex.inComment) {
    reporter_.List().Error(name, frame.lex.commentLine, frame.lex.commentColumn,
                           "a /* comment is not closed before the end of the file");
  }
  while (conditionals_.size() > frame.conditionalBase) {
    reporter_.ErrorAt(conditionals_.back().at, "#" + std::string(conditionals_.back().at.text) +
                                                   " has no #endif before the end of the file");
    conditionals_.pop_back();
  }
  // The end of the script is where a statement left open is reported.
  if (frames_.size() == 1) {
    endLine_ = std::max<int>(1, static_cast<int>(frame.lines.taken()));
    endColumn_ = frame.lines.taken() == 0 ? 1 : static_cast<int>(frame.lines.lastSize()) + 1;
  }
  finishedLines_.push_back(std::move(frame.lines));
  frames_.pop_back();
}

void Preprocessor::Directive(std::string_view line, size_t hash, int lineNumber) {
  Frame& frame = frames_.back();
  const int file = frame.file;
  // The directive's name, read by hand: #include takes the rest of its line as it stands.
  size_t i = SkipBlanks(line, hash + 1);
  const size_t nameStart = i;
  while (i < line.size() && IsIdentifierByte(line[i])) ++i;
  Token at;
  at.kind = TokenKind::kIdentifier;
  at.text = at.written = line.substr(nameStart, i - nameStart);
  at.file = file;
  at.line = lineNumber;
  at.column = static_cast<int>(hash + 1);
  const std::string name(at.text);
  const rc::Directive directive = DirectiveOf(name);
  if (directive == rc::Directive::kInclude) {
    if (Active()) Include(line.substr(i), lineNumber, static_cast<int>(i + 1));
    return;
  }
  if (directive == rc::Directive::kPragma && Active()) {
    const CodePagePragma pragma = ReadCodePagePragma(line.substr(i));
    if (pragma.codePage) codePage_ = *pragma.codePage;
    if (pragma.isCodePage && !pragma.codePage) {
      reporter_.WarningAt(at, "#pragma code_page needs a number or DEFAULT; it is passed over");
    }
  }
  const bool passedOver =
      directive == rc::Directive::kPragma || directive == rc::Directive::kPassedOver;
  // Only a directive that is obeyed has its tokens read: the text of #error or of a false branch
  // may be anything.
  const bool read = !passedOver && (Active() || directive == rc::Directive::kElif);
  // The rest of the directive, over the lines that a final backslash joins to it.
  std::vector<Token>& tokens = directive_;
  tokens.clear();
  std::string_view piece = line;
  size_t from = i;
  int pieceLine = lineNumber;
  for (;;) {
    size_t end = piece.size();
    while (end > from && IsBlankByte(piece[end - 1])) --end;
    const bool continued = end > from && piece[end - 1] == '\\';
    if (read) {
      LexLine(piece, from, continued ? end - 1 : piece.size(), file, pieceLine, frame.lex, tokens,
              texts_, *fileNames_[file], reporter_.List());
    }
    if (!continued || !frame.lines.Next(piece)) break;
    pieceLine = static_cast<int>(frame.lines.taken());
    from = 0;
  }
  if (directive == rc::Directive::kIf || directive == rc::Directive::kIfdef ||
      directive == rc::Directive::kIfndef) {
    const bool tooDeep =
        conditionals_.size() - frame.conditionalBase >= static_cast<size_t>(kMaxConditionalDepth);
    if (tooDeep) {
      reporter_.ErrorAt(at, "#if blocks are nested deeper than " +
                                std::to_string(kMaxConditionalDepth) + "; this one is left out");
    }
    if (tooDeep || !Active()) {
      PushConditional(false, at);
      conditionals_.back().parentActive = false;
      conditionals_.back().taken = true;
      return;
    }
    if (directive == rc::Directive::kIf) {
      PushConditional(Condition(std::move(tokens), at), at);
      return;
    }
    if (tokens.empty() || tokens[0].kind != TokenKind::kIdentifier) {
      reporter_.ErrorAt(tokens.empty() ? at : tokens[0], "expected a name after #" + name);
      PushConditional(false, at);
      return;
    }
    const bool defined = macros_.Contains(tokens[0].text);
    PushConditional(directive == rc::Directive::kIfdef ? defined : !defined, at);
    return;
  }
  if (directive == rc::Directive::kElif || directive == rc::Directive::kElse ||
      directive == rc::Directive::kEndif) {
    if (conditionals_.size() <= frame.conditionalBase) {
      reporter_.ErrorAt(at, "#" + name + " without #if");
      return;
    }
    Conditional& c = conditionals_.back();
    if (directive == rc::Directive::kEndif) {
      conditionals_.pop_back();
      return;
    }
    if (c.sawElse) {
      reporter_.ErrorAt(at, "#" + name + " after #else");
      c.active = false;
      return;
    }
    if (directive == rc::Directive::kElse) {
      c.sawElse = true;
      c.active = c.parentActive && !c.taken;
      c.taken = true;
      return;
    }
    const bool value = c.parentActive && !c.taken && Condition(std::move(tokens), at);
    conditionals_.back().active = value;
    conditionals_.back().taken = conditionals_.back().taken || value;
    return;
  }
  if (!Active()) return;
  if (directive == rc::Directive::kDefine || directive == rc::Directive::kUndef) {
    if (tokens.empty() || tokens[0].kind != TokenKind::kIdentifier) {
      reporter_.ErrorAt(tokens.empty() ? at : tokens[0], "expected a name after #" + name);
      return;
    }
    const Token defined = tokens[0];
    if (directive == rc::Directive::kUndef) {
      macros_.Erase(defined.text);
      return;
    }
    const size_t after = static_cast<size_t>(defined.column - 1) + defined.text.size();
    // A "(" right after the name makes a define with arguments. What follows the name is its
    // body, read where it lies: the table keeps its own copy.
    const bool functionLike =
        after < line.size() && line[after] == '(' && defined.line == lineNumber;
    tokens.erase(tokens.begin());
    AddDefine(defined, tokens, functionLike);
    return;
  }
  if (passedOver) return;
  reporter_.WarningAt(at, "unknown directive #" + name + " passed over");
}

void Preprocessor::PushConditional(bool value, const Token& at) {
  Conditional c;
  c.active = value;
  c.taken = value;
  // Reported at the end of its file, when its line may be gone.
  c.at = at;
  c.at.text = c.at.written = DirectiveName(at.text);
  conditionals_.push_back(std::move(c));
}

bool Preprocessor::Condition(std::vector<Token> tokens, const Token& at) {
  // defined NAME and defined(NAME) first, before any name is replaced.
  std::vector<Token> resolved;
  for (size_t i = 0; i < tokens.size(); ++i) {
    if (tokens[i].kind == TokenKind::kIdentifier && tokens[i].text == "defined") {
      const bool paren = i + 1 < tokens.size() && IsOperator(tokens[i + 1], "(");
      const size_t nameAt = paren ? i + 2 : i + 1;
      if (nameAt >= tokens.size() || tokens[nameAt].kind != TokenKind::kIdentifier ||
          (paren && (nameAt + 1 >= tokens.size() || !IsOperator(tokens[nameAt + 1], ")")))) {
        reporter_.ErrorAt(tokens[i], "expected a name after defined");
        return false;
      }
      Token value = tokens[i];
      value.kind = TokenKind::kNumber;
      value.number = macros_.Contains(tokens[nameAt].text) ? 1 : 0;
      value.numberValid = true;
      value.text = value.number ? "1" : "0";
      resolved.push_back(std::move(value));
      i = paren ? nameAt + 1 : nameAt;
      continue;
    }
    resolved.push_back(std::move(tokens[i]));
  }
  std::vector<Token> expanded;
  Expand(std::move(resolved), expanded, reporter_);
  Token end = at;
  end.kind = TokenKind::kEnd;
  LineCursor cursor(expanded, end);
  Expression value;
  if (expanded.empty()) {
    reporter_.ErrorAt(at, "#" + std::string(at.text) + " needs a condition");
    return false;
  }
  if (!ReadExpression(cursor, ExpressionMode::kCondition,
                      "the condition of #" + std::string(at.text), reporter_, value)) {
    return false;
  }
  if (!cursor.AtEnd()) {
    reporter_.ErrorAt(cursor.Peek(0), "unexpected " + Described(cursor.Peek(0)) +
                                          " after the condition of #" + std::string(at.text));
    return false;
  }
  return value.value != 0;
}

void Preprocessor::AddDefine(const Token& name, const std::vector<Token>& body, bool functionLike) {
  if (functionLike) {
    reporter_.WarningAt(name, "the define " + std::string(name.text) +
                                  " takes arguments, which the reader does not replace; it is "
                                  "passed over and its uses stay names");
    return;
  }
  // Worked out whether or not the define is kept: its expansion spends the reading's budget
  // either way, so that a reading that keeps no defines meets the limits of one that does.
  const std::optional<std::int32_t> number = NumberOf(name, body);
  if (!keepDefines_) {
    macros_.DefineOwnName(name.text, body);
    return;
  }
  rc::Define record;
  record.name = name.text;
  record.place = reporter_.PlaceOf(name);
  WrittenText written;
  for (const Token& t : body) written.Append(t);
  record.text = written.Text();
  if (body.size() == 1 && body[0].kind == TokenKind::kString) record.string.emplace(body[0].text);
  record.number = number;
  const Define& kept = defines_.emplace_back(std::move(record));
  macros_.Define(kept.name.c_str(), body, kept.text);
}

std::optional<std::int32_t> Preprocessor::NumberOf(const Token& name,
                                                   const std::vector<Token>& body) {
  if (body.size() == 1 && body[0].kind == TokenKind::kString) return std::nullopt;
  if (body.size() == 1 && body[0].kind == TokenKind::kNumber && body[0].numberValid) {
    return static_cast<std::int32_t>(body[0].number);  // most defines: a plain number
  }
  if (body.empty()) return std::nullopt;
  DiagnosticList quiet;  // a define that is no number is no fault of the define
  Reporter quietReporter(fileNames_, quiet);
  std::vector<Token> expanded;
  Expand(std::vector<Token>(body), expanded, quietReporter);
  Token end = name;
  end.kind = TokenKind::kEnd;
  LineCursor cursor(expanded, end);
  Expression value;
  if (ReadExpression(cursor, ExpressionMode::kStatement, "a define", quietReporter, value) &&
      cursor.AtEnd() && value.known) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value.value));
  }
  return std::nullopt;
}

void Preprocessor::Include(std::string_view rest, int lineNumber, int column) {
  const Frame& frame = frames_.back();
  const int file = frame.file;
  const size_t open = SkipBlanks(rest, 0);
  const int at = column + static_cast<int>(open);
  const std::string& fileName = *fileNames_[file];
  if (open >= rest.size() || (rest[open] != '"' && rest[open] != '<')) {
    reporter_.List().Error(fileName, lineNumber, at, "expected \"file\" or <file> after #include");
    return;
  }
  const char closer = rest[open] == '"' ? '"' : '>';
  const size_t close = rest.find(closer, open + 1);
  if (close == std::string_view::npos || close == open + 1) {
    reporter_.List().Error(fileName, lineNumber, at, "expected \"file\" or <file> after #include");
    return;
  }
  if (closer == '>') return;  // the standard constants stand in for the system's headers
  const std::string name(rest.substr(open + 1, close - open - 1));
  std::string path = name;
  std::replace(path.begin(), path.end(), '\\', '/');
  std::vector<std::string> candidates = {path};
  if (!IsAbsolute(path)) {
    candidates = {Joined(FolderOf(frame.path), path), Joined(FolderOf(frames_.front().path), path)};
    for (const std::string& folder : includeDirs_) candidates.push_back(Joined(folder, path));
  }
  std::string why;
  for (const std::string& candidate : candidates) {
    FileBytes read = reader_ ? reader_(candidate) : FileBytes(std::nullopt);
    if (!read.bytes) {
      if (why.empty()) why = read.reason;
      continue;
    }
    const std::string& bytes = *read.bytes;
    const std::string normal = Normal(candidate);
    for (const Frame& open_frame : frames_) {
      if (Normal(open_frame.path) == normal) {
        reporter_.List().Error(
            fileName, lineNumber, at,
            "the file " + Quoted(name) + " includes itself; the #include is passed over");
        return;
      }
    }
    if (frames_.size() >= static_cast<size_t>(kMaxIncludeDepth)) {
      reporter_.List().Error(fileName, lineNumber, at,
                             "includes are nested deeper than " + std::to_string(kMaxIncludeDepth) +
                                 " files; " + Quoted(name) + " is passed over");
      return;
    }
    if (fileNames_.size() > static_cast<size_t>(kMaxIncludedFiles)) {
      reporter_.List().Error(fileName, lineNumber, at,
                             "more than " + std::to_string(kMaxIncludedFiles) +
                                 " files included; " + Quoted(name) + " is passed over");
      return;
    }
    if (bytes.size() > kMaxIncludedBytes - includedBytes_) {
      reporter_.List().Error(fileName, lineNumber, at,
                             "the included files pass " + std::to_string(kMaxIncludedBytes) +
                                 " bytes in all; " + Quoted(name) + " is passed over");
      return;
    }
    includedBytes_ += bytes.size();
    OpenFile(candidate, name, ReaderLines(texts_.emplace_back(std::move(*read.bytes)), texts_));
    return;
  }
  const std::string lowered = Lowered(path.substr(path.find_last_of('/') + 1));
  for (const std::string_view header : kSystemHeaders) {
    if (lowered == header && why.empty()) return;
  }
  reporter_.List().Warning(fileName, lineNumber, at,
                           "cannot open the include file " + Quoted(name) +
                               (why.empty() ? "" : ": " + why) + "; reading goes on");
  unreadIncludes_.push_back(name);
}

void Preprocessor::Expand(std::vector<Token>&& in, std::vector<Token>& out, Reporter& reporter) {
  std::vector<std::string_view>& active = active_;
  for (Token& token : in) {
    const Macro* macro = token.kind == TokenKind::kIdentifier ? macros_.Find(token.text) : nullptr;
    if (macro == nullptr) {
      out.push_back(std::move(token));
      continue;
    }
    const size_t start = out.size();
    bool overflowed = false;
    if (expansionsSpent_) continue;
    active.clear();
    AppendExpansion(*macro, token.text, 1, active, out, start, overflowed);
    const size_t made = out.size() - start;
    if (made > ExpansionBudget() - expandedTokens_) {
      // Told once, through the reading's own list: the quiet reading of a define's value spends
      // the budget too.
      out.resize(start);
      expansionsSpent_ = true;
      reporter_.ErrorAt(token, "the defines of this reading expand to more than " +
                                   std::to_string(ExpansionBudget()) +
                                   " tokens in all; this use of " + std::string(token.text) +
                                   " and every later one are left out");
      continue;
    }
    expandedTokens_ += made;
    if (overflowed) {
      out.resize(start);
      reporter.ErrorAt(token, "the define " + std::string(token.text) + " expands beyond " +
                                  std::to_string(kMaxMacroTokens) + " tokens or " +
                                  std::to_string(kMaxMacroDepth) + " levels; its use is left out");
      continue;
    }
    for (size_t i = start; i < out.size(); ++i) {
      Token& t = out[i];
      t.file = token.file;
      t.line = token.line;
      t.column = token.column;
      t.lineStart = i == start && token.lineStart;
      t.written = i == start ? token.written : std::string_view();
    }
  }
}

void Preprocessor::AppendExpansion(const Macro& macro, std::string_view name, int depth,
                                   std::vector<std::string_view>& active, std::vector<Token>& out,
                                   size_t start, bool& overflowed) {
  if (depth > kMaxMacroDepth) {
    overflowed = true;
    return;
  }
  active.push_back(name);
  for (const MacroToken& t : macro) {
    if (overflowed) break;
    const std::string_view text = t.Text();
    const Macro* nested = t.kind == TokenKind::kIdentifier ? macros_.Find(text) : nullptr;
    const bool expands =
        nested != nullptr &&
        std::none_of(active.begin(), active.end(), [&](std::string_view a) { return a == text; });
    if (expands) {
      AppendExpansion(*nested, text, depth + 1, active, out, start, overflowed);
    } else if (out.size() - start >= kMaxMacroTokens) {
      overflowed = true;
    } else {
      out.push_back(t.Placeless());
    }
  }
  active.pop_back();
}

}  // namespace tolvex::rc
