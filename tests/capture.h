// Test helper: what a piece of the report writes, caught in memory.
#pragma once
#include <cstdio>
#include <cstdlib>
#include <string>

#include "report/output.h"
#include "report/report_options.h"

namespace zeb::testing {

// The bytes that `print` writes to the report stream under `options`.
template <class Print>
std::string captureReport(const ReportOptions& options, Print print) {
  settings() = Settings{};
  settings().options = options;
  if (options.outputMode == OutputMode::Html && options.euroSign) {
    settings().htmlCurrency = kEuroSignReference;
  }
  char* buffer = nullptr;
  std::size_t size = 0;
  std::FILE* stream = open_memstream(&buffer, &size);
  openOutput(stream, stream);
  print();
  closeOutput();
  std::fclose(stream);
  std::string bytes(buffer, size);
  std::free(buffer);
  openOutput(stdout, stderr);
  return bytes;
}

inline ReportOptions textMode() { return ReportOptions{}; }

inline ReportOptions htmlMode() {
  ReportOptions options;
  options.outputMode = OutputMode::Html;
  return options;
}

}  // namespace zeb::testing
