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
  char* buffer = nullptr;
  std::size_t size = 0;
  std::FILE* stream = open_memstream(&buffer, &size);
  RunState fresh;
  fresh.options = options;
  fresh.htmlCurrency = htmlCurrencyFor(options);
  fresh.report = fresh.diagnostics = stream;
  runState() = fresh;
  print();
  closeOutput();
  runState() = RunState{};
  std::fclose(stream);
  std::string bytes(buffer, size);
  std::free(buffer);
  return bytes;
}

inline ReportOptions textMode() { return ReportOptions{}; }

inline ReportOptions htmlMode() {
  ReportOptions options;
  options.outputMode = OutputMode::Html;
  return options;
}

}  // namespace zeb::testing
