// The engine of the web page, as the page's script calls it.
#pragma once
#include <cstddef>

extern "C" {

// Runs zeb on the `count` arguments that follow the invocation name (which
// is "zeb") and returns the exit status. What the run wrote stays readable
// through zebOutput and zebOutputSize until the next run.
int zebRun(int count, const char* const* arguments);

// The bytes the last run wrote to `stream` (0 standard output, 1 standard
// error), and how many there are.
const char* zebOutput(int stream);
std::size_t zebOutputSize(int stream);
}
