// The frame of the HTML document: head with style sheet, title block and
// table opening; the table end; the closing of body and document.
#pragma once
#include <cstdint>

#include "report/buffer.h"
#include "report/report_options.h"

namespace zeb {

// Appends everything from the document type line to "<table>", with
// `amount` in the title as the `valueName` ("Streitwert: 5000 Euro"), and
// the style of the ways where `options` ask for them.
void writeDocumentHead(Buffer& out, std::int64_t amount, const ReportOptions& options,
                       const char* valueName = "Streitwert");

// Closes the table after its last row.
void writeTableEnd(Buffer& out);

// Closes the body and the document: the last output of an HTML report.
void writeDocumentClosing(Buffer& out);

}  // namespace zeb
