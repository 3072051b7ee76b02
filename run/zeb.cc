#include "run/zeb.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <utility>

#include "case/report.h"
#include "report/figures_json.h"
#include "report/report_options.h"
#include "report/writers.h"
#include "run/command_line.h"
#include "run/output.h"

namespace zeb {
namespace {

// What the command line asks for: the usage screen, a refusal, or a
// report with its options.
struct Request {
  ReportOptions options;
  std::optional<Refusal> refusal;
  bool usage = false;
};

Request requestOf(int count, const char* const* arguments) {
  Request request;
  request.options = parseOptions(count, arguments);
  request.usage = count <= 1;
  // A lone invocation name has the usage screen; any other line may be
  // refused, as it was written.
  if (!request.usage) request.refusal = refusalOf(count, arguments, request.options);
  return request;
}

// The figures of the report that `options` ask for the amount `text`: in
// the report of 2013 as _atoi64 reads it, in a reform as its digits say; a
// divorce has none, its value comes from the incomes.
Figures reportOf(const ReportOptions& options, const char* text, bool withWays) {
  std::int64_t amount = 0;
  if (options.reform == Reform::Of2013) {
    amount = parseAmount(text);
  } else if (options.court != Court::Family) {
    amount = static_cast<std::int64_t>(parseReformAmount(text).value_or(0));
  }
  return computeReport(options, amount, withWays);
}

}  // namespace

int runZeb(int count, const char* const* arguments, std::FILE* out, std::FILE* err) {
  const Request request = requestOf(count, arguments);
  const ReportOptions& options = request.options;
  Output output(out, err, options.reform != Reform::Of2013);
  int status = kReportWritten;
  if (request.usage) {
    // An empty argument vector has no invocation name to show.
    output.report(usageScreen(count == 1 ? arguments[0] : "zeb"));
    status = kUsageShown;
  } else if (request.refusal) {
    output.diagnostic(refusalMessage(*request.refusal, count, arguments, options));
    status = kRefused;
  } else {
    // The way to every value is computed under -W alone.
    const Figures figures = reportOf(options, arguments[1], options.showDerivations);
    if (options.json) {
      output.reportUtf8(figuresJson(figures).view());
    } else if (options.outputMode == OutputMode::Html) {
      output.diagnostic(htmlProgress(figures));
      output.report(htmlDocument(figures, options).view());
    } else {
      output.report(textReport(figures, options).view());
    }
  }
  if (const int reason = output.close(); reason != 0) {
    status = kWriteFailed;
    // A reader that stopped early (zeb 5000 | more) wanted no more: the
    // report is incomplete, but that is no news to the user.
    if (reason != EPIPE && err != nullptr) {
      std::fprintf(err, "zeb: write error: %s\n", std::strerror(reason));
      std::fflush(err);
    }
  }
  // After the report, on a terminal alone: files and pipes get the bytes
  // they always got.
  if (status == kReportWritten && output.diagnosticsOnTerminal()) {
    std::string hints;
    for (const std::string& hint : terminalHints(count, arguments, options)) hints += hint + "\n";
    output.diagnostic(hints);
    std::fflush(err);
  }
  return status;
}

Figures runZebFigures(int count, const char* const* arguments, bool withWays) {
  const Request request = requestOf(count, arguments);
  Figures figures;
  if (request.usage) {
    figures.status = kUsageShown;
  } else if (request.refusal) {
    figures.status = kRefused;
  } else {
    figures = reportOf(request.options, arguments[1], withWays);
    nameFigures(figures);
  }
  return figures;
}

}  // namespace zeb
