// The report's figures as JSON: what `zeb -J` writes and what the page's
// engine hands the page. doc/figures.schema.json describes the document.
#pragma once

#include "report/buffer.h"
#include "report/figures.h"

namespace zeb {

// `figures` as one JSON object in UTF-8, ended by a line feed. A status
// other than 0 has no report: its amount and columns are null.
Buffer figuresJson(const Figures& figures);

}  // namespace zeb
