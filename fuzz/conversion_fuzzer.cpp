// Feeds arbitrary bytes through the whole path of a conversion: the screen box and the four
// coefficient fields, then a script's bytes split as a load splits them, the conversion and the
// .bas file's bytes. Every input must convert without a fault, end with the event loop and the
// file's extra line end, convert again to the same bytes, and count as many windows and menu
// items as its lines show.
//
// Input layout: byte 0, bit 0: the screen box; then for each of the four fields a length byte
// (0 to 15) and that many bytes of its text; the rest is the script file's bytes.
#include "app/run_inputs.h"
#include "conversion/designed.h"
#include "fuzz/fuzz_target.h"
#include "generator/program_text.h"

namespace {

// Takes the next count bytes of the input, fewer at its end.
std::string_view Take(std::string_view& input, size_t count) {
  const std::string_view taken = input.substr(0, count);
  input.remove_prefix(taken.size());
  return taken;
}

bool StartsWith(std::string_view line, std::string_view start) {
  return line.compare(0, start.size(), start) == 0;
}

}  // namespace

int tolvex::fuzzing::FuzzOne(std::string_view input) {
  RunInputs inputs = DefaultRunInputs();
  if (!input.empty()) inputs.screen = Take(input, 1)[0] & 1;
  for (std::string& field : inputs.coefficients) {
    if (input.empty()) break;
    const size_t length = static_cast<unsigned char>(Take(input, 1)[0]) % 16;
    field = FieldText(Take(input, length));
  }
  const PackedLines lines = ScriptLinesOf(input);
  const Coefficients coefficients = CoefficientsOf(inputs.coefficients);

  const DesignedProgram program = ConvertDesigned(lines, coefficients, inputs.screen);
  if (!program.converted) return 0;
  const std::string bytes = ProgramBytes(program.lines);
  const size_t count = program.lines.size();
  FUZZ_CHECK(count >= 19 && program.lines[count - 4] == "Loop" &&
             bytes.compare(bytes.size() - 4, 4, "\r\n\r\n") == 0);
  WrittenCounts seen;
  for (std::string_view line : program.lines) {
    seen.windows += StartsWith(line, "Var hwnd");
    seen.menuItems += StartsWith(line, "     MenuItem(");
  }
  FUZZ_CHECK(seen.windows == program.written.windows &&
             seen.menuItems == program.written.menuItems);
  FUZZ_CHECK(ProgramBytes(ConvertDesigned(lines, coefficients, inputs.screen).lines) == bytes);
  return 0;
}
