// The event loop's lines: its blocks, and the Case lines whose ids its branches answer.
#include "program_reader/reader.h"

namespace tolvex::program {

// Blocks nest this deep at most.
constexpr size_t kMostBlocks = 64;

Reason Reader::WaitEvent(const std::string&, const Arguments& a) {
  return a.empty() ? Reason{} : "WaitEvent takes nothing";
}

Reason Reader::Push(Block block) {
  if (blocks_.size() >= kMostBlocks) return "blocks nested deeper than the reader follows";
  blocks_.push_back(std::move(block));
  return {};
}

Reason Reader::Pop(Block::Kind kind, const char* what) {
  if (blocks_.empty() || blocks_.back().kind != kind) return std::string(what) + " closes nothing";
  blocks_.pop_back();
  return {};
}

Reason Reader::DoLine(Cursor& cursor) {
  return cursor.AtEnd() ? Push({Block::Kind::kDo, "", ""}) : "Do with a condition";
}

Reason Reader::LoopLine(Cursor& cursor) {
  return cursor.AtEnd() ? Pop(Block::Kind::kDo, "Loop") : "Loop with a condition";
}

// Select Case event | EventNumber
Reason Reader::SelectLine(Cursor& cursor) {
  const Token* subject = nullptr;
  if (!cursor.Take("Case") || (subject = cursor.TakeName()) == nullptr || !cursor.AtEnd())
    return "Select Case of anything but a name";
  return Push({Block::Kind::kSelect, Upper(subject->written), ""});
}

// If event = EventMenu Then
Reason Reader::IfLine(Cursor& cursor) {
  const Token* subject = cursor.TakeName();
  const Token* value = nullptr;
  if (subject == nullptr || !cursor.Take("=") || (value = cursor.TakeName()) == nullptr ||
      !cursor.Take("Then") || !cursor.AtEnd())
    return "an If the reader does not know";
  return Push({Block::Kind::kIf, Upper(subject->written), Upper(value->written)});
}

// End, End Select, End If
Reason Reader::EndLine(Cursor& cursor) {
  if (cursor.AtEnd()) return {};
  if (cursor.Take("Select") && cursor.AtEnd()) return Pop(Block::Kind::kSelect, "End Select");
  if (cursor.Take("If") && cursor.AtEnd()) return Pop(Block::Kind::kIf, "End If");
  return "an End the reader does not know";
}

Reason Reader::EndIfLine(Cursor& cursor) {
  return cursor.AtEnd() ? Pop(Block::Kind::kIf, "EndIf") : "EndIf with more";
}

// Case label, ...: the labels of Select Case event name the branch below them; those of Select
// Case EventNumber are the ids a branch answers.
Reason Reader::CaseLine(Cursor& cursor) {
  if (blocks_.empty() || blocks_.back().kind != Block::Kind::kSelect)
    return "Case outside Select Case";
  Block& select = blocks_.back();
  if (cursor.Take("Else")) return cursor.AtEnd() ? Reason{} : "Case Else with more";
  std::vector<Argument> labels;
  do {
    Argument label;
    if (!cursor.TakeArgument(label) || !IsId(label)) return "a Case of anything but ids";
    labels.push_back(label);
  } while (cursor.Take(","));
  if (!cursor.AtEnd()) return "a Case of anything but ids";
  if (select.subject != "EVENTNUMBER") {
    select.label = Upper(labels.back().name);
    return {};
  }
  const Block* outer = blocks_.size() >= 2 ? &blocks_[blocks_.size() - 2] : nullptr;
  CaseId::Branch branch;
  if (outer != nullptr && outer->kind == Block::Kind::kSelect && outer->subject == "EVENT" &&
      outer->label == "EVENTGADGET") {
    branch = CaseId::Branch::kGadget;
  } else if (outer != nullptr && outer->kind == Block::Kind::kIf && outer->subject == "EVENT" &&
             outer->label == "EVENTMENU") {
    branch = CaseId::Branch::kMenu;
  } else {
    return "a Case of EventNumber outside the gadget and menu branches";
  }
  for (const Argument& label : labels) plan_.cases.push_back({line_, branch, IdOf(label)});
  return {};
}

}  // namespace tolvex::program
