#include "program_reader/gadget_calls.h"

#include <optional>
#include <string>

#include "generator/line_shapes.h"
#include "program_reader/basic_line.h"

namespace tolvex::program {
namespace {

// The kind's gadget line as the reader reads it back: the generator's own line for an id and four
// numbers, an empty caption and no orientation, so that a kind the generator learns is read back
// as it is written.
std::optional<GadgetCall> CallOf(const GadgetKindLines& kind) {
  const std::string sample =
      shapes::GadgetLines(kind, {"0", "0", "0", "0", "0", "", "", "", ""})[0];
  const LineTokens line = Tokenize(sample);
  Cursor cursor(line.tokens);
  if (cursor.Take("Var") && (cursor.TakeName() == nullptr || !cursor.Take("="))) return {};
  const Token* function = cursor.TakeName();
  std::vector<Argument> arguments;
  if (!line.error.empty() || function == nullptr || !cursor.TakeCallToEnd(arguments)) return {};
  GadgetCall call{kind.prefix, function->written, {}};
  for (size_t i = 5; i < arguments.size(); ++i) {
    switch (arguments[i].kind) {
      case Argument::Kind::kText: call.values.push_back(GadgetValue::kText); break;
      case Argument::Kind::kName: call.values.push_back(GadgetValue::kStyle); break;
      case Argument::Kind::kCall: call.values.push_back(GadgetValue::kImage); break;
      case Argument::Kind::kNumber:
        call.values.push_back(GadgetValue::kRange);
        ++i;
        break;
      case Argument::Kind::kEmpty: return {};
    }
  }
  // A bar's orientation is the last value, and one the line may leave out.
  if (kind.orientation != nullptr) call.values.push_back(GadgetValue::kOrientation);
  return call;
}

}  // namespace

const std::vector<GadgetCall>& GadgetCalls() {
  static const std::vector<GadgetCall> calls = [] {
    std::vector<GadgetCall> read;
    for (const GadgetKindLines& kind : GadgetKinds()) {
      if (std::optional<GadgetCall> call = CallOf(kind)) read.push_back(std::move(*call));
    }
    return read;
  }();
  return calls;
}

const GadgetCall* FindGadgetCall(std::string_view function) {
  for (const GadgetCall& call : GadgetCalls()) {
    if (SameName(call.function, function)) return &call;
  }
  return nullptr;
}

bool StyleValue(std::string_view name, std::int64_t& value) {
  static constexpr struct {
    std::string_view name;
    std::int64_t value;
  } kStyles[] = {{"WS_EX_CLIENTEDGE", 0x200}, {"WS_EX_STATICEDGE", 0x20000}};
  for (const auto& style : kStyles) {
    if (SameName(style.name, name)) {
      value = style.value;
      return true;
    }
  }
  return false;
}

}  // namespace tolvex::program
