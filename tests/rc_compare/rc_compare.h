// The program that compares the resource-script reader with an independent resource compiler:
// a compiled resource file (.res) read back, the reader's model against its entries field by
// field, the compiler run as programs, and the scripts generated from a seed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rcscript/model.h"

namespace tolvex::rc_compare {

// A compiled resource file (.res): its entries, and a cursor over the fields of an entry's data.

// UTF-16 code units to UTF-8 (a lone surrogate becomes U+FFFD), and UTF-8 of the first plane to
// UTF-16 little-endian bytes after a byte-order mark.
std::string Utf8FromUtf16(const std::u16string& units);
std::string Utf16FromUtf8(const std::string& text);

// A type, name, class or menu as the compiler stores it: a number (0xFFFF, ordinal) or a string.
struct ResName {
  std::optional<std::uint16_t> ordinal;
  std::string text;  // when no ordinal; empty when nothing is named
};

// Little-endian fields of a byte range, texts as UTF-8; a read past the end sets `failed` and
// gives zeros.
struct Cursor {
  std::uint32_t Read(size_t size);
  std::uint32_t U32() { return Read(4); }
  std::uint16_t U16() { return static_cast<std::uint16_t>(Read(2)); }
  std::int16_t I16() { return static_cast<std::int16_t>(U16()); }
  std::string String();  // NUL-ended UTF-16
  ResName Name();        // 0xFFFF and an ordinal, or a string
  void Align4();
  void Skip(size_t size);

  std::string_view bytes;
  size_t at = 0;
  bool failed = false;
};

struct ResEntry {
  ResName type, name;
  std::string data;
};

// The entries of a .res file; false when it is cut short or malformed.
bool ReadResFile(std::string_view bytes, std::vector<ResEntry>& entries, std::string& error);

// The reader's model of a script against what the resource compiler built from it, field by
// field: dialogs with their controls, and menus with their items.

struct Difference {
  std::string script, resource, field, model, compiler;
};

// A difference that is known and allowed: the field it concerns, why, and how it turns the
// model's text and the compiler's into texts that agree when the deviation is all that parts them.
struct KnownDeviation {
  const char* field;
  const char* reason;
  void (*allow)(std::string& model, std::string& compiler);
};
const std::vector<KnownDeviation>& KnownDeviations();

struct Counts {
  int scripts = 0, dialogs = 0, controls = 0, menus = 0, items = 0, fields = 0;
  std::vector<int> allowed = std::vector<int>(KnownDeviations().size());  // by deviation
};

// Compares the model's dialogs and menus with the compiler's entries of the same type and name,
// marking in `matched` the entries it takes. Returns the differences that no known deviation
// allows.
std::vector<Difference> Compare(const std::string& script, const rc::Model& model,
                                const std::vector<ResEntry>& entries, std::vector<bool>& matched,
                                Counts& counts);
// The compiler's dialogs and menus that no model took.
std::vector<Difference> UnmatchedResources(const std::string& label,
                                           const std::vector<ResEntry>& entries,
                                           const std::vector<bool>& matched);

// The independent resource compiler: the C preprocessor over a private copy of the system's
// headers, then llvm-rc, run as programs.

struct CompilerTools {
  std::string cpp;      // the C preprocessor
  std::string llvmRc;   // llvm-rc, 18 or later (MENUEX)
  std::string headers;  // the MinGW-w64 headers (winresrc.h, commctrl.h ...)
  std::string work;     // a folder of our own for the copies and the outputs
};

class Compiler {
 public:
  // Makes the reduced copy of the headers, once per work folder; false with `error` set when the
  // tools or the headers are missing.
  bool Prepare(const CompilerTools& tools, std::string& error);

  // Compiles `text` (UTF-8) as WORK/NAME.rc, its quoted includes sought in `includeDirs` too;
  // the .res bytes, or false with the compiler's messages in `error`.
  bool Compile(const std::string& name, const std::string& text,
               const std::vector<std::string>& includeDirs, std::string& res, std::string& error);

 private:
  CompilerTools tools_;
  std::string includes_;  // the reduced headers
  std::string prelude_;
};

std::string ReadFile(const std::string& path, bool& ok);
bool WriteFile(const std::string& path, const std::string& bytes);

// Valid resource scripts made from a seed: dialogs and menus in every layout the reader reads.
// Each script comes as the reader reads it and as the resource compiler is given it: the same
// resources, where the compiler's text writes in its stricter grammar what the reader's text writes
// as scripts in the wild do (";" comment lines, empty fields, "*" and "/", unquoted class keywords,
// bare menu and class names, menu options without commas, ICON without its size, quoted resource
// names, MENUITEM SEPARATOR in a MENUEX).

struct GeneratedScript {
  std::string name;      // gen-SEED-INDEX.rc
  std::string reader;    // UTF-8; the reader is given it as UTF-16 when `utf16`
  std::string compiler;  // UTF-8
  bool utf16 = false;
};

// The script of one index of a seed. Its names (resources, defines) hold the index, so the scripts
// of one seed can be compiled together; the index stays below 8,000 (16-bit resource numbers).
GeneratedScript GenerateScript(std::uint32_t seed, int index);

// One script that uses every name of the reader's table of standard constants as a style.
GeneratedScript EveryConstantScript();

}  // namespace tolvex::rc_compare
