// The two output streams of a run. All output is printf-style formatting
// through these functions, so that a failed write of the report is noticed.
#pragma once
#include <cstdio>

namespace zeb {

// Sends the report to `report` and the HTML mode's banner and progress line
// to `diagnostics`, and forgets earlier write failures.
void openOutput(std::FILE* report, std::FILE* diagnostics);

// Writes to the report stream.
[[gnu::format(printf, 1, 2)]] void emit(const char* format, ...);

// Writes to the diagnostics stream.
[[gnu::format(printf, 1, 2)]] void emitDiagnostic(const char* format, ...);

// Flushes both streams; the errno of the report stream's first failed
// write (EPIPE when its reader has gone, on every platform), or 0 when every
// byte of the report was written.
int closeOutput();

}  // namespace zeb
