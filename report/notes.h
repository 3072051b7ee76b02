// The thirteen explanatory notes that close the report.
#pragma once

namespace zeb {

// Writes the notes in the rendering of the current output mode.
void printNotes();

}  // namespace zeb
