// Coefficients to pixels: the one home of the dialog-unit sizes, the window corrections, the
// reading of a coefficient's text and the scale-and-round step.
#pragma once

#include <string_view>

namespace tolvex {

// The four scale coefficients: the global ones scale windows and controls, the window ones only
// windows.
struct Coefficients {
  double globalX = 1, globalY = 1, windowX = 1, windowY = 1;
};

// A coefficient as its field's text reads: its leading number, 0 when it has none.
double CoefficientOf(std::string_view text);

// The global scales, in single precision like the coefficient arithmetic: pixels per dialog unit
// across and down.
float HorizontalScale(double globalCoefficient);
float VerticalScale(double globalCoefficient);

// A control's position or size in pixels: the dialog units times the scale, rounded.
double ControlPixels(double units, float scale);
// A window's width and height in pixels: the dialog's size grown by a margin, scaled, times the
// window coefficient and the frame correction, in this order, rounded.
double WindowWidthPixels(double units, float scale, double windowCoefficient);
double WindowHeightPixels(double units, float scale, double windowCoefficient);

}  // namespace tolvex
