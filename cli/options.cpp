#include "cli/options.h"

#include <algorithm>
#include <iterator>

namespace tolvex::cli {
namespace {

// In the order of the settings file's lines.
constexpr const char* kCoefficientOptions[] = {"--global-x", "--global-y", "--window-x",
                                               "--window-y"};

}  // namespace

std::string CoefficientOptionName(size_t field) {
  return field < std::size(kCoefficientOptions) ? kCoefficientOptions[field] : "";
}

const char* UsageText() {
  return "Usage: tolvex-cli [options] SCRIPT...\n"
         "Converts each resource script into a FreeBASIC program beside it, as Tolvex's Run\n"
         "button does, under the same name with .bas in place of its last three characters.\n"
         "A script named - is read from standard input; it needs -o and has no tolvex.ini.\n"
         "\n"
         "Options:\n"
         "  -o FILE           write the program to FILE (one script only); -o - writes it to\n"
         "                    standard output\n"
         "  --global-x TEXT   the global horizontal coefficient, as typed into its field\n"
         "  --global-y TEXT   the global vertical coefficient\n"
         "  --window-x TEXT   the window horizontal coefficient\n"
         "  --window-y TEXT   the window vertical coefficient\n"
         "  --screen          add the block that reads the screen size\n"
         "  --save-settings   write the coefficients to tolvex.ini beside the script, and the\n"
         "                    line \"complete\" after them when the complete conversion ran\n"
         "  --check           write nothing; exit 1 when the existing program differs\n"
         "  --dump            print the resource-script reader's model of each script and its\n"
         "                    diagnostics; convert nothing\n"
         "  --complete        convert every dialog, control and menu the script holds, by its\n"
         "                    class and style, whatever editor wrote it; the reader's errors\n"
         "                    make the exit status 1 (the program is made of what was read)\n"
         "  --designed        the designed conversion, whatever tolvex.ini asks for\n"
         "  --quiet           print no hints and no warnings\n"
         "  -I DIR            with --dump and the complete conversion, a folder to search for\n"
         "                    included files (repeatable)\n"
         "  --help            show this help and exit\n"
         "  --version         show the version and exit\n"
         "\n"
         "The coefficients default to those of tolvex.ini in the script's folder, else \" 1.000\".\n"
         "The conversion is the one that file asks for: the complete conversion when its fifth\n"
         "line is \"complete\" (the window's ticked \"complete conversion\"), else the designed\n"
         "one; --complete and --designed choose instead.\n"
         "A replaced program whose bytes differ is first kept as NAME.bas.bak beside it (one\n"
         "generation); a line on standard error says so. --check writes nothing.\n"
         "A coefficient that is not a finite number greater than 0 is used as read, with a warning.\n"
         "With the designed conversion, when the script holds windows, controls or menu items\n"
         "that the conversion left out, one line on standard error says so, for example\n"
         "  vs.rc: wrote 9 of 9 windows, 1 of 76 controls, 0 of 30 menu items; --complete\n"
         "  writes 9, 74 and 30\n"
         "Hints and warnings never change the exit status.\n"
         "Exit status: 0 when every script converted, 1 when any failed, 2 on a usage error.\n";
}

ParseResult ParseOptions(const std::vector<std::string>& arguments) {
  ParseResult result;
  Options& o = result.options;
  for (size_t i = 0; i < arguments.size() && result.error.empty(); ++i) {
    const std::string& a = arguments[i];
    // An option's value follows it, or stands after "=" in the same word.
    const auto takes = [&](const std::string& name, std::string& into) {
      if (a.compare(0, name.size() + 1, name + "=") == 0) {
        into = a.substr(name.size() + 1);
        return true;
      }
      if (a != name) return false;
      if (i + 1 < arguments.size()) {
        into = arguments[++i];
      } else {
        result.error = "option " + name + " needs a value";
      }
      return true;
    };
    std::string text;
    if (a == "--help" || a == "-h") {
      o.help = true;
    } else if (a == "--version") {
      o.version = true;
    } else if (a == "--screen") {
      o.screen = true;
    } else if (a == "--save-settings") {
      o.saveSettings = true;
    } else if (a == "--check") {
      o.check = true;
    } else if (a == "--dump") {
      o.dump = true;
    } else if (a == "--complete" || a == "--designed") {
      const auto chosen =
          a == "--complete" ? Options::Conversion::kComplete : Options::Conversion::kDesigned;
      if (o.conversion != Options::Conversion::kFolder && o.conversion != chosen) {
        result.error = "--complete and --designed cannot both be given";
      }
      o.conversion = chosen;
    } else if (a == "--quiet") {
      o.quiet = true;
    } else if (takes("-I", text)) {
      o.includeDirs.push_back(text);
    } else if (takes("-o", text)) {
      o.output = text;
    } else if (a.size() > 1 && a[0] == '-') {
      bool known = false;
      for (size_t field = 0; field < std::size(kCoefficientOptions) && !known; ++field) {
        if (takes(kCoefficientOptions[field], text)) {
          o.coefficients.emplace_back(field, text);
          known = true;
        }
      }
      if (!known) result.error = "unknown option " + a;
    } else {
      o.scripts.push_back(a);
    }
  }
  if (!result.error.empty() || o.help || o.version) return result;
  // A - anywhere among the scripts, not only first.
  const bool fromInput =
      std::find(o.scripts.begin(), o.scripts.end(), kStandardInput) != o.scripts.end();
  if (o.scripts.empty()) {
    result.error = "no script given";
  } else if (o.output && o.scripts.size() > 1) {
    result.error = "-o takes a single script";
  } else if (o.output && o.check && *o.output == "-") {
    result.error = "--check compares with a file, not with standard output";
  } else if (fromInput && !o.output) {
    result.error = "a script on standard input (-) needs -o: its program has no name of its own";
  } else if (fromInput && o.saveSettings) {
    result.error = "--save-settings needs the script's folder: a script on standard input has none";
  }
  return result;
}

}  // namespace tolvex::cli
