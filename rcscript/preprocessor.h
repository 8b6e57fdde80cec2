// The preprocessor: the script's lines, with the files they include, become one stream of tokens,
// its #define names replaced by their tokens and the lines of false #if branches left out.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "rcscript/diagnostics.h"
#include "rcscript/expressions.h"
#include "rcscript/macro_table.h"
#include "rcscript/model.h"
#include "rcscript/script_lines.h"
#include "rcscript/tokens.h"

namespace tolvex::rc {

// A file's bytes, or nothing when it cannot be read: without a reason when there is no such file,
// with one when there is a file that cannot be read (a folder, a device, no permission ...).
struct FileBytes {
  FileBytes(std::optional<std::string> read) : bytes(std::move(read)) {}
  FileBytes(std::nullopt_t, std::string why) : reason(std::move(why)) {}
  std::optional<std::string> bytes;
  std::string reason;  // may be empty: no reason known
};
// A file's bytes by its path.
using FileReader = std::function<FileBytes(const std::string& path)>;

// Directives, each on its own line (a backslash at a line's end continues it):
//   #define NAME tokens      #undef NAME        #include "file"     #include <file>
//   #if expression   #ifdef NAME   #ifndef NAME   #elif expression   #else   #endif
//   #pragma code_page(N)   (the code page of the texts after it, in every file)
//   #pragma ...   #error ...   #line ...   (passed over)
// A line whose first non-blank byte is ";" is a comment.
//
// The script's bytes are read where they are: they must outlive the preprocessor. A script read
// from a source comes a piece at a time, and the pieces whose lines are done are freed as the
// reading goes (ReleaseReadLines).
class Preprocessor {
 public:
  Preprocessor(const std::string& scriptPath, std::string_view bytes,
               std::vector<std::string> includeDirs, FileReader reader,
               DiagnosticList& diagnostics);
  Preprocessor(const std::string& scriptPath, ScriptSource& source, size_t pieceBytes,
               std::vector<std::string> includeDirs, FileReader reader,
               DiagnosticList& diagnostics);

  // The next token of the script, or a token of kind kEnd at the end, for ever after.
  Token Next();

  // The reader holds no token of the script's lines before `earliest`, the first token it holds:
  // the bytes of those lines may go.
  void ReleaseReadLines(const Token& earliest);

  // A reading that only counts keeps no define beyond the table its expansions use: Defines()
  // then stays empty.
  void LeaveDefinesOut() { keepDefines_ = false; }

  Reporter& Report() { return reporter_; }
  std::deque<Define>& Defines() { return defines_; }
  std::vector<std::string>& UnreadIncludes() { return unreadIncludes_; }

 private:
  struct Frame {
    int file = 0;
    std::string path;   // as opened: the folder of later includes
    ReaderLines lines;  // views into the script's bytes or texts_
    LexState lex;
    size_t conditionalBase = 0;
  };
  struct Conditional {
    bool parentActive = true;
    bool active = true;
    bool taken = false;
    bool sawElse = false;
    Token at;  // its text the directive's name from the table of directives, not from its line
  };
  bool FillLine();
  void FinishFile();
  void Directive(std::string_view line, size_t hash, int lineNumber);
  void AddDefine(const Token& name, const std::vector<Token>& body, bool functionLike);
  // The define's value when its tokens make a known integer expression.
  std::optional<std::int32_t> NumberOf(const Token& name, const std::vector<Token>& body);
  void Include(std::string_view rest, int lineNumber, int column);
  bool Condition(std::vector<Token> tokens, const Token& at);
  void PushConditional(bool value, const Token& at);
  bool Active() const { return conditionals_.empty() || conditionals_.back().active; }
  void Begin(size_t defineLines, size_t scriptBytes);
  void OpenFile(std::string path, std::string name, ReaderLines lines);
  void Expand(std::vector<Token>&& in, std::vector<Token>& out, Reporter& reporter);
  void AppendExpansion(const Macro& macro, std::string_view name, int depth,
                       std::vector<std::string_view>& active, std::vector<Token>& out, size_t start,
                       bool& overflowed);
  Token EndToken() const;
  size_t ExpansionBudget() const;

  std::vector<std::string> includeDirs_;
  FileReader reader_;
  std::vector<SharedName> fileNames_;
  // The included files' bytes and the text of lines not found whole in a file's bytes, kept for
  // the whole reading: lines and tokens are views into them.
  std::deque<std::string> texts_;
  Reporter reporter_;
  std::vector<Frame> frames_;
  // The lines of the files read to their end: the reader may still hold tokens of their last
  // lines, so their bytes are kept for the whole reading.
  std::vector<ReaderLines> finishedLines_;
  std::vector<Conditional> conditionals_;
  MacroTable macros_;           // keyed by the defines' names, which defines_ holds
  std::deque<Define> defines_;  // where they are made, for ever: the define table names them
  std::vector<std::string> unreadIncludes_;
  std::vector<Token> raw_, pending_;
  // Kept from one line to the next for their room: a directive's tokens, and the defines an
  // expansion is inside.
  std::vector<Token> directive_;
  std::vector<std::string_view> active_;
  size_t pendingNext_ = 0;
  // What this reading has spent of its budgets (rcscript/limits.h).
  size_t expandedTokens_ = 0, scriptBytes_ = 0, includedBytes_ = 0;
  bool expansionsSpent_ = false;
  int endLine_ = 1, endColumn_ = 1;
  int codePage_ = 0;  // the #pragma code_page in force; 0: none
  bool keepDefines_ = true;
};

}  // namespace tolvex::rc
