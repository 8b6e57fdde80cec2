#include "program_reader/gadget_calls.h"

#include <optional>
#include <string>

#include "program_reader/basic_line.h"

namespace tolvex::program {
namespace {

void ReplaceAll(std::string& text, std::string_view marker, std::string_view value) {
  for (size_t at = text.find(marker); at != std::string::npos;
       at = text.find(marker, at + value.size()))
    text.replace(at, marker.size(), value);
}

// The kind's gadget line as the reader reads it back: the generator's template with an id and
// four numbers for {geometry}, an empty literal for {caption} and nothing for the rest, so that a
// kind the generator learns is read back as it is written.
std::optional<GadgetCall> CallOf(const GadgetKindLines& kind) {
  std::string sample(kind.gadgetLine);
  ReplaceAll(sample, "{geometry}", "0,0,0,0,0");
  ReplaceAll(sample, "{caption}", "\"\"");
  ReplaceAll(sample, "{vert}", "");
  ReplaceAll(sample, "{variant}", "");
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
