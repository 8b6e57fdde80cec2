// How fast the resource-script reader turns a generated script of defines, dialogs with controls
// and menus into its model, against the time to read the same file's bytes the way the reader reads
// them. The script is 10 MB, or as many MB as the first argument says: a linear reader keeps the
// same rate at every size. Prints both figures.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "rcscript/reader.h"

namespace {

namespace fs = std::filesystem;

// Blocks of defines, a dialog of twelve controls and a menu, with CR LF ends, up to `bytes`.
std::string Script(size_t bytes) {
  std::string s;
  for (int block = 0; s.size() < bytes; ++block) {
    const std::string b = std::to_string(block);
    const int base = 1000 + (block % 50000) * 20;
    for (int i = 0; i < 12; ++i) {
      s += "#define IDC_" + b + "_" + std::to_string(i) + " " + std::to_string(base + i) + "\r\n";
    }
    s += "IDD_" + b +
         " DIALOGEX 0, 0, 240, 120\r\nSTYLE DS_SETFONT | WS_POPUP | WS_CAPTION | "
         "WS_SYSMENU\r\nCAPTION \"Dialog " +
         b +
         "\"\r\nFONT 8, \"MS Shell Dlg\", 400, 0, 0x1\r\n"
         "BEGIN\r\n";
    for (int i = 0; i < 12; ++i) {
      const std::string id = "IDC_" + b + "_" + std::to_string(i);
      const std::string y = std::to_string(7 + i * 9);
      switch (i % 4) {
        case 0: s += "    LTEXT \"Label " + b + "\"," + id + ",7," + y + ",60,8\r\n"; break;
        case 1: s += "    EDITTEXT " + id + ",70," + y + ",100,12,ES_AUTOHSCROLL\r\n"; break;
        case 2:
          s += "    CONTROL \"Check\"," + id + ",\"Button\",BS_AUTOCHECKBOX | WS_TABSTOP,7," + y +
               ",80,10\r\n";
          break;
        default: s += "    PUSHBUTTON \"Go\"," + id + ",180," + y + "+2,50,14\r\n";
      }
    }
    s += "END\r\n\r\nIDR_" + b +
         " MENU\r\nBEGIN\r\n    POPUP \"&File\"\r\n    BEGIN\r\n"
         "        MENUITEM \"&Open\", IDC_" +
         b +
         "_0\r\n        MENUITEM SEPARATOR\r\n"
         "        MENUITEM \"E&xit\", IDC_" +
         b + "_1\r\n    END\r\nEND\r\n\r\n";
  }
  return s;
}

double Seconds(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  const double wanted = argc > 1 ? std::atof(argv[1]) : 10.0;
  const fs::path path = fs::temp_directory_path() / "tolvex-reader-bench.rc";
  std::ofstream(path, std::ios::binary)
      << Script(static_cast<size_t>(wanted > 0 ? wanted * 1e6 : 1e7));

  auto start = std::chrono::steady_clock::now();
  const std::string bytes = tolvex::rc::DiskFiles()(path.string()).bytes.value_or("");
  const double readSeconds = Seconds(start);

  start = std::chrono::steady_clock::now();
  const tolvex::rc::Reading reading = tolvex::rc::ReadScript(path.string(), {});
  const double readerSeconds = Seconds(start);
  fs::remove(path);

  size_t controls = 0;
  for (const auto& d : reading.model.dialogs) controls += d.controls.size();
  const double megabytes = static_cast<double>(bytes.size()) / 1e6;
  std::printf("script: %.1f MB, %zu defines, %zu dialogs, %zu controls, %zu menus, %zu messages\n",
              megabytes, reading.model.defines.size(), reading.model.dialogs.size(), controls,
              reading.model.menus.size(), reading.diagnostics.size());
  std::printf("reading the file's bytes: %.3f s (%.0f MB/s)\n", readSeconds,
              megabytes / readSeconds);
  std::printf("the reader, file to model: %.3f s (%.1f MB/s)\n", readerSeconds,
              megabytes / readerSeconds);
  return reading.errors == 0 ? 0 : 1;
}
