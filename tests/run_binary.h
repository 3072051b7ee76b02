// Test helper: runs the built program as a separate process and collects
// what it writes and how it ends.
#pragma once
#include <string>
#include <vector>

namespace zeb::testing {

// Where the program's standard output goes. BrokenPipe: a pipe whose reader
// has closed it, with SIGPIPE ignored, as a write to it fails on Windows.
enum class Sink { Captured, DevFull, Closed, BrokenPipe };

struct ProcessResult {
  std::string out;
  std::string err;
  int status = -1;  // the exit status, or -1 when the process did not exit
};

// Runs the program with `arguments` (element 0 the invocation name).
ProcessResult runProgram(const std::vector<std::string>& arguments, Sink out = Sink::Captured,
                         bool closeErr = false);

// The contents of the golden file `name`.
std::string readGolden(const std::string& name);

}  // namespace zeb::testing
