// Gadget ids of the main window, by meaning.
#pragma once

namespace tolvex {

enum MainGadget : int {
  kOutputListing = 1003,
  kSourceListing = 1004,
  kGlobalHorizLabel = 1005,
  kGlobalHorizCoeff = 1006,
  kGlobalVertLabel = 1007,
  kGlobalVertCoeff = 1008,
  kWindowHorizLabel = 1009,
  kWindowHorizCoeff = 1010,
  kWindowVertLabel = 1011,
  kWindowVertCoeff = 1012,
  kRunButton = 1014,
  kQuitButton = 1015,
  kLoadButton = 1016,
  kBeforeRunLabel = 1017,
  kScreenCheck = 1018,
  kCompleteCheck = 1019,
  kPreviewButton = 1020,
  kCountsText = 1021,
  kMessagesList = 1022,
};

// GetGadgetText's size class for the coefficient fields: at most 1023 characters.
constexpr int kFieldTextSize = 1;

}  // namespace tolvex
