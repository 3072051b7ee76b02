// Many claims in one run: `zeb -stapel [DATEI] [Wörter] [-csv [SCHLÜSSEL]]`
// reads one claim a line, the words of its command line after `zeb`, and
// writes each claim's figures as a JSON line or a line of a table.
#pragma once
#include <cstdio>

namespace zeb {

// The exit status of a batch in which some claim was refused; every other
// claim was computed and written.
inline constexpr int kClaimsRefused = 3;

// Whether `arguments` (element 0 the invocation name) ask for a batch.
bool isBatch(int count, const char* const* arguments);

// Runs the batch of the `count` elements of `arguments`: the claims of the
// file named there, or of `in`, to `out`; messages and, on a terminal, the
// progress to `err`. Returns the exit status: 0 when every claim was
// computed, kClaimsRefused when some was refused, 2 when the batch's own
// words are refused, its file cannot be read or a write fails.
int runBatch(int count, const char* const* arguments, std::FILE* in, std::FILE* out,
             std::FILE* err);

}  // namespace zeb
