#include "app/run_inputs.h"

#include "app/main_window_layout.h"
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

Coefficients CoefficientsOf(const CoefficientTexts& texts) {
  return {CoefficientOf(texts[0]), CoefficientOf(texts[1]), CoefficientOf(texts[2]),
          CoefficientOf(texts[3])};
}

}  // namespace tolvex
