// The output of a run. All output is printf-style formatting through these
// functions, into the streams of the run state, so that a failed write of
// the report is noticed.
#pragma once
#include <string_view>

namespace zeb {

// Writes to the report stream.
[[gnu::format(printf, 1, 2)]] void emit(const char* format, ...);

// Writes `text`, in UTF-8, to the report stream: as it is into a file, a
// pipe or a terminal, on a Windows console as the characters it spells.
void emitUtf8(std::string_view text);

// Writes to the diagnostics stream.
[[gnu::format(printf, 1, 2)]] void emitDiagnostic(const char* format, ...);

// Whether the diagnostics stream is a terminal (a Windows console): where
// a person reads it, not a program.
bool diagnosticsOnTerminal();

// Flushes both streams; the errno of the report stream's first failed
// write (EPIPE when its reader has gone, on every platform), or 0 when every
// byte of the report was written.
int closeOutput();

}  // namespace zeb
