// The Preview button's action.
#pragma once

namespace tolvex {

// Opens the windows of the program the last Run wrote, in place of an earlier preview; a click in
// them shows the id it reports in the counts text for a moment. Lines the preview does not
// understand are named among the messages. Does nothing before a Run.
void PREVIEW();

}  // namespace tolvex
