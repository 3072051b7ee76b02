// The explanatory notes that close the report: thirteen, and more with a
// cost risk, the case around the lawsuit, legal aid, how it ends and an
// appeal as a decision; before the labour courts those that hold there.
#pragma once
#include "report/buffer.h"
#include "report/report_options.h"

namespace zeb {

// Appends the notes that `options` ask for, in the rendering `mode`.
void writeNotes(Buffer& out, const ReportOptions& options, OutputMode mode);

}  // namespace zeb
