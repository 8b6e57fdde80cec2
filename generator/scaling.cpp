#include "generator/scaling.h"

#include "generator/numbers.h"

namespace tolvex {
namespace {

// Dialog units to pixels at a coefficient of 1.
constexpr double kHorizontalUnit = 1.5;
constexpr double kVerticalUnit = 1.62;
// A dialog's size grows by this many dialog units before scaling, and the window size is then
// corrected for the frame.
constexpr double kDialogUnitsAdded = 16;
constexpr double kWidthCorrection = 0.992;
constexpr double kHeightCorrection = 1.063;

double WindowPixels(double units, float scale, double windowCoefficient, double correction) {
  const double grown = (units + kDialogUnitsAdded) * scale;
  return RoundHalfEven(windowCoefficient * grown * correction);
}

}  // namespace

double CoefficientOf(std::string_view text) { return LeadingNumber(text); }

float HorizontalScale(double globalCoefficient) {
  return static_cast<float>(globalCoefficient * kHorizontalUnit);
}

float VerticalScale(double globalCoefficient) {
  return static_cast<float>(globalCoefficient * kVerticalUnit);
}

double ControlPixels(double units, float scale) { return RoundHalfEven(units * scale); }

double WindowWidthPixels(double units, float scale, double windowCoefficient) {
  return WindowPixels(units, scale, windowCoefficient, kWidthCorrection);
}

double WindowHeightPixels(double units, float scale, double windowCoefficient) {
  return WindowPixels(units, scale, windowCoefficient, kHeightCorrection);
}

}  // namespace tolvex
