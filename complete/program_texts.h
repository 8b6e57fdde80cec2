// The script's texts as the program's bytes: a UTF-16 script's texts, which the model holds as
// UTF-8, in the ANSI code page the script states for them (1252 when it states none), as a program
// compiled on such a system shows them; a byte script's texts as the bytes it wrote.
#pragma once

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "rcscript/diagnostics.h"
#include "rcscript/model.h"

namespace tolvex::complete {

class ProgramTexts {
 public:
  // A code page the platform cannot write gets a warning at its first text, and its texts keep
  // each character below 256 as that byte.
  std::string Of(std::string_view text, const rc::TextCoding& coding, const rc::SourcePlace& place,
                 rc::DiagnosticList& warnings);

  // One warning per script line whose texts hold characters their code page lacks, naming them.
  void LackingWarnings(rc::DiagnosticList& warnings) const;

 private:
  struct Lacking {
    rc::SourcePlace place;
    int codePage = 0;
    std::vector<std::string> characters;  // each once, in order
  };
  std::map<std::pair<std::string, int>, size_t> lackingIndex_;  // by file and line
  std::vector<Lacking> lacking_;
  std::set<int> unwritable_;
};

}  // namespace tolvex::complete
