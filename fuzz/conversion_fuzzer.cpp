// Feeds arbitrary bytes through the whole path of a conversion: the main window's check box and
// four coefficient fields, then a script's bytes through the loader, the conversion and the .bas
// file's bytes. Every input must convert without a fault, end with the event loop and the file's
// extra line end, and convert again to the same bytes.
//
// Input layout: byte 0, bit 0: the screen check box; then for each of the four fields a length
// byte (0 to 15) and that many bytes of its text; the rest is the script file's bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/headless_main_window.h"
#include "app/output_file.h"
#include "app/script_loader.h"
#include "conversion/driver.h"
#include "conversion/main_window_ids.h"
#include "conversion/tables.h"
#include "toolkit/gadget_ops.h"
#include "toolkit/headless/headless_gadgets.h"

namespace {

// Takes the next count bytes of the input, fewer at its end.
std::string_view Take(std::string_view& input, size_t count) {
  const std::string_view taken = input.substr(0, count);
  input.remove_prefix(taken.size());
  return taken;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tolvex;
  std::string_view input(reinterpret_cast<const char*>(data), size);
  OpenHeadlessMainWindow();
  ClearForLoad();
  if (!input.empty()) headless::SetCheckState(kScreenCheck, Take(input, 1)[0] & 1);
  for (int field : {kGlobalHorizCoeff, kGlobalVertCoeff, kWindowHorizCoeff, kWindowVertCoeff}) {
    if (input.empty()) break;
    const size_t length = static_cast<unsigned char>(Take(input, 1)[0]) % 16;
    SetGadgetText(field, std::string(Take(input, length)).c_str());
  }
  PutScriptIntoListing(input);

  if (!CONVERT()) return 0;
  const std::string program = ListingBytes();
  const int lines = CountItemListBox(kOutputListing);
  if (lines < 19 || ListBoxText(kOutputListing, lines - 4) != "Loop" ||
      program.compare(program.size() - 4, 4, "\r\n\r\n") != 0) {
    std::abort();
  }
  CONVERT();
  if (ListingBytes() != program) std::abort();
  return 0;
}
