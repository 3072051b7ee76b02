// The writers of a report's figures: the text report in code page 850, the
// HTML document, and the banner and progress line that the HTML document
// has on standard error. Each writes what the figures say;
// none computes a value. The figures as JSON: report/figures_json.h.
// A report is written into a buffer that goes out as it is.
#pragma once
#include <cstdint>
#include <string>

#include "report/buffer.h"
#include "report/figures.h"
#include "report/report_options.h"

namespace zeb {

// The six lines framing the program's name and the maker's notice, in code
// page 850: the start of the text report and of the usage screen.
std::string banner();

// The text report of `figures` under `options`: the banner, the table with
// each row's way under -W, and the notes unless -A.
Buffer textReport(const Figures& figures, const ReportOptions& options);

// The HTML document of `figures` under `options`.
Buffer htmlDocument(const Figures& figures, const ReportOptions& options);

// What an HTML report says on standard error before its document, in code
// page 850: the banner and the progress line with the amount.
std::string htmlProgress(const Figures& figures);

}  // namespace zeb
