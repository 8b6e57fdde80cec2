#include "app/run_inputs.h"

#include <cmath>
#include <sstream>

#include "app/main_window_layout.h"
#include "generator/numbers.h"
#include "rcscript/diagnostics.h"
#include "toolkit/gadget_ops.h"

namespace tolvex {

RunInputs DefaultRunInputs() {
  RunInputs inputs;
  inputs.coefficients.fill(kDefaultCoefficient);
  return inputs;
}

std::string FieldText(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  const size_t characters = static_cast<size_t>(GadgetTextCapacity(kFieldTextSize) - 1);
  return std::string(text.substr(0, characters));
}

namespace {

// Whether text, blanks around it aside, is one number as the conversion reads numbers.
bool WhollyANumber(std::string_view text) {
  const size_t last = text.find_last_not_of(' ');
  return last != std::string_view::npos && LeadingNumberLength(text) == last + 1;
}

}  // namespace

std::optional<std::string> CoefficientWarning(std::string_view text) {
  const double value = LeadingNumber(text);
  if (WhollyANumber(text) && std::isfinite(value) && value > 0) return std::nullopt;
  std::ostringstream reading;
  reading << value;
  return rc::Quoted(std::string(text)) + " is not a finite number greater than 0; it reads as " +
         reading.str();
}

Coefficients CoefficientsOf(const CoefficientTexts& texts) {
  return {CoefficientOf(texts[0]), CoefficientOf(texts[1]), CoefficientOf(texts[2]),
          CoefficientOf(texts[3])};
}

}  // namespace tolvex
