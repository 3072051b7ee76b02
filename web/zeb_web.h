// The engine of the web page, as the page's script calls it. The engine
// keeps nothing between calls: what a call gives back belongs to the page,
// which frees it.
#pragma once
#include <cstddef>

extern "C" {

// What a call wrote: the bytes of standard output (0) and standard error
// (1), each a buffer of `size` bytes that the caller frees with free().
struct ZebOutput {
  char* bytes[2];
  std::size_t size[2];
};

// Runs zeb on the `count` arguments that follow the invocation name (which
// is "zeb"), puts what it wrote into `output` and returns the exit status.
int zebRun(int count, const char* const* arguments, ZebOutput* output);

// Runs zeb on the same arguments for its figures and puts them into
// `output` as one JSON object in UTF-8 (standard error stays empty); returns
// the exit status. Each row has the way to its values unless `ways` is 0,
// and then its derivation is null.
int zebFigures(int count, const char* const* arguments, int ways, ZebOutput* output);
}
