// The report's figures as JSON: what `zeb -J` writes and what the page's
// engine hands the page. doc/figures.schema.json describes the document.
#pragma once
#include <string_view>

#include "report/buffer.h"
#include "report/figures.h"

namespace zeb {

// `figures` as one JSON object in UTF-8, ended by a line feed. A status
// other than 0 has no report: its amount and columns are null.
Buffer figuresJson(const Figures& figures);

// `text`, in UTF-8, as a JSON string at the end of `out`.
void putJsonString(Buffer& out, std::string_view text);

}  // namespace zeb
