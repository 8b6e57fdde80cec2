// Valid resource scripts made from a seed: dialogs and menus in every layout the reader reads.
// Each script comes as the reader reads it and as the resource compiler is given it: the same
// resources, where the compiler's text writes in its stricter grammar what the reader's text writes
// as scripts in the wild do (";" comment lines, empty fields, "*" and "/", unquoted class keywords,
// bare menu and class names, menu options without commas, ICON without its size, quoted resource
// names, MENUITEM SEPARATOR in a MENUEX).
#pragma once

#include <cstdint>
#include <string>

namespace tolvex::rc_compare {

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
