// The program reader: a generated program's text in, what it builds out (program_plan.h). It reads
// every line shape the generator writes, in any spacing and case, and names each line it does not
// understand instead of guessing what a hand-edited line means. Comment lines are understood.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "program_reader/program_plan.h"

namespace tolvex::program {

// Lines end at LF; a CR before it is dropped.
ProgramPlan ReadProgram(std::string_view text);
ProgramPlan ReadProgramLines(const std::vector<std::string>& lines);

// "line 12 is not understood (REASON): TEXT", the line's text cut after 80 characters.
std::string UnknownLineMessage(const UnknownLine& line);

}  // namespace tolvex::program
