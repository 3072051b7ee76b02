#include "run/zeb.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "fees/money.h"
#include "fees/precision_scope.h"
#include "report/document.h"
#include "report/notes.h"
#include "report/output.h"
#include "report/report_options.h"
#include "report/rows.h"
#include "run/command_line.h"
#include "run/cost_risk.h"
#include "run/sections.h"
#include "run/totals.h"

namespace zeb {
namespace {

struct SingleFeeRow {
  FeeKind kind;
  Label label;
};

constexpr SingleFeeRow kSingleFeeRows[] = {
    {FeeKind::Court, {"Gerichtsgeb\201hr:", "Gerichtsgeb&uuml;hr:"}},
    {FeeKind::Lawyer, {"Anwaltsgeb\201hr:", "Anwaltsgeb&uuml;hr:"}},
};

// The amount in dispute and the single court and lawyer fees.
template <class Reckoning>
void printBaseRows(const Reckoning& reckoning) {
  Recorded<Way> ways(runState().recordsWays);
  // The amount stands alone: its new value plays no part.
  const auto amount = reckoning.amount(ways[0]);
  printRowOf({"Streitwert:", "Streitwert:"}, amount, decltype(amount){}, 0, 0, ways[0], ways[1]);
  if (reckoning.capped()) printValueCap();
  for (const SingleFeeRow& row : kSingleFeeRows) {
    printRowOf(row.label, reckoning.fee(Schedule::Old, row.kind, ways[0]),
               reckoning.fee(Schedule::New, row.kind, ways[1]), reckoning.feeBasis(), 0, ways[0],
               ways[1]);
  }
}

// The report for `amount`, as its header shows it, with the values of
// `reckoning`.
template <class Reckoning>
void printReport(std::int64_t amount, const Reckoning& reckoning) {
  RunState& state = runState();
  if (state.figures) state.figures->amount = amount;
  const ReportOptions& options = state.options;
  const bool html = options.outputMode == OutputMode::Html;
  if (html) {
    printBanner(emitDiagnostic);
    emitDiagnostic(" HTML-Ausgabe f\201r Streitwert %lli Euro wird erzeugt.\n\n",
                   static_cast<long long>(amount));
    printDocumentHead(amount);
  } else {
    printBanner(emit);
  }
  printColumnHeader();
  printBaseRows(reckoning);
  if (options.showPaymentOrder) printPaymentOrderSection(reckoning);
  TotalsOf<typename Reckoning::Total> totals;
  TotalsOf<Way> ways;
  TotalsOf<Way>* recorded = state.recordsWays ? &ways : nullptr;
  std::optional<CostRisk> risk;
  if (options.shareWon) risk.emplace(options, state.recordsWays);
  printInstanceSections(reckoning, totals, recorded, risk ? &*risk : nullptr);
  printInstanceTotals(reckoning, totals, recorded, risk ? &*risk : nullptr);
  if (html) printTableEnd();
  if (options.showNotes) printNotes();
  if (html) printDocumentClosing();
}

// Runs the program from the state `fresh` and returns its exit status.
int run(int count, const char* const* arguments, const RunState& fresh) {
  const ExtendedPrecisionScope precision;
  RunState& state = runState();
  state = fresh;
  state.options = parseOptions(count, arguments);
  // The way to every value is recorded for the figures that ask for it and
  // under -W alone.
  state.recordsWays = state.figures ? state.figures->withWays : state.options.showDerivations;
  // Figures carry the labels of the text report.
  if (state.figures) state.options.outputMode = OutputMode::Text;
  state.htmlCurrency = htmlCurrencyFor(state.options);
  if (count <= 1) {
    // An empty argument vector has no invocation name to show.
    printUsage(count == 1 ? arguments[0] : "zeb");
    state.exitStatus = kUsageShown;
  } else if (const std::optional<Refusal> refusal = refusalOf(count, arguments, state.options)) {
    printRefusal(*refusal, count, arguments, state.options);
    state.exitStatus = kRefused;
  } else if (state.options.reform == Reform::Of2013) {
    const std::int64_t amount = parseAmount(arguments[1]);
    printReport(amount, Reckoning2013(amount));
  } else {
    const std::uint64_t amount = *parseReformAmount(arguments[1]);
    printReport(static_cast<std::int64_t>(std::min(amount, kValueCap)),
                ReckoningInCents(state.options.reform, amount));
  }
  if (const int reason = closeOutput(); reason != 0) {
    state.exitStatus = kWriteFailed;
    // A reader that stopped early (zeb 5000 | more) wanted no more: the
    // report is incomplete, but that is no news to the user.
    if (reason != EPIPE) {
      std::fprintf(state.diagnostics, "zeb: write error: %s\n", std::strerror(reason));
      std::fflush(state.diagnostics);
    }
  }
  return state.exitStatus;
}

}  // namespace

int runZeb(int count, const char* const* arguments, std::FILE* out, std::FILE* err) {
  RunState fresh;
  fresh.report = out;
  fresh.diagnostics = err;
  return run(count, arguments, fresh);
}

Figures runZebFigures(int count, const char* const* arguments, bool withWays) {
  RunState fresh;
  fresh.report = nullptr;
  fresh.diagnostics = nullptr;
  fresh.figures.emplace().withWays = withWays;
  const int status = run(count, arguments, fresh);
  Figures figures = std::move(*runState().figures);
  runState().figures.reset();
  figures.status = status;
  return figures;
}

}  // namespace zeb
