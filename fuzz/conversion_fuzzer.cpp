// Feeds arbitrary bytes to the conversion as a script. The first byte picks the screen block and
// the coefficients; the rest is split into lines as a load would. Every input must convert
// without a fault, end with the event loop, and convert again to the same lines.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/headless_main_window.h"
#include "conversion/driver.h"
#include "conversion/main_window_ids.h"
#include "conversion/tables.h"
#include "toolkit/gadget_ops.h"
#include "toolkit/headless/headless_gadgets.h"

namespace {

std::vector<std::string> Listing(int id) {
  std::vector<std::string> lines;
  const int count = CountItemListBox(id);
  for (int i = 0; i < count; ++i) lines.push_back(tolvex::ListBoxText(id, i));
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tolvex;
  OpenHeadlessMainWindow();
  ResetTablesForLoad();
  if (size > 0) {
    const char* coefficients[] = {" 1.000", "2", "0", "-1.5", "1e309", "0.001", "abc", "1e-300"};
    headless::SetCheckState(kScreenCheck, data[0] & 1);
    SetGadgetText(kGlobalHorizCoeff, coefficients[(data[0] >> 1) & 7]);
    SetGadgetText(kWindowVertCoeff, coefficients[(data[0] >> 4) & 7]);
    ++data;
    --size;
  }
  std::string line;
  for (std::size_t i = 0; i < size; ++i) {
    const char c = static_cast<char>(data[i]);
    if (c == '\n') {
      AddListBoxItem(kSourceListing, line.c_str(), -1);
      line.clear();
    } else if (c != '\r') {
      line += c;
    }
  }
  if (!line.empty()) AddListBoxItem(kSourceListing, line.c_str(), -1);

  if (!CONVERT()) return 0;
  const std::vector<std::string> first = Listing(kOutputListing);
  if (first.size() < 19 || first[first.size() - 4] != "Loop") std::abort();
  CONVERT();
  if (Listing(kOutputListing) != first) std::abort();
  return 0;
}
