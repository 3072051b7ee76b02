// The explanatory notes that close the report: thirteen, and with a cost
// risk, the case around the lawsuit and how it ends up to sixteen.
#pragma once
#include "report/buffer.h"
#include "report/report_options.h"

namespace zeb {

// Appends the notes that `options` ask for, in the rendering `mode`.
void writeNotes(Buffer& out, const ReportOptions& options, OutputMode mode);

}  // namespace zeb
