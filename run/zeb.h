// The program: command line in, one report or the usage screen out.
#pragma once
#include <cstdint>
#include <cstdio>

#include "report/figures.h"

namespace zeb {

// Exit statuses.
inline constexpr int kReportWritten = 0;
inline constexpr int kUsageShown = 1;
inline constexpr int kWriteFailed = 2;
// The command line is refused: a reform's amount that is no amount, or a
// word of the cost risk that is wrong or alone.
inline constexpr int kRefused = 2;

// Runs the program for the `count` elements of `arguments` (element 0 the
// invocation name), writing the report or the usage screen to `out` and the
// HTML mode's banner and progress line, or a write error, to `err`. Returns
// the exit status. The floating-point settings the cents rely on hold during
// the run; the caller's are restored on return.
int runZeb(int count, const char* const* arguments, std::FILE* out, std::FILE* err);

// Runs the program like runZeb, but takes the report's headings and rows as
// figures instead of writing anything. The rows are those of the text
// report: -h and -E change nothing, -A has nothing to leave out. After the
// usage screen (status 1) there are none. Each row has the way to its
// values where `withWays` says so.
Figures runZebFigures(int count, const char* const* arguments, bool withWays = true);

}  // namespace zeb
