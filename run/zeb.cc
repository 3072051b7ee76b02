#include "run/zeb.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <type_traits>
#include <utility>

#include "fees/money.h"
#include "fees/precision_scope.h"
#include "report/document.h"
#include "report/figures_json.h"
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
  const char* key;
  Label label;
};

constexpr SingleFeeRow kSingleFeeRows[] = {
    {FeeKind::Court, "court_fee", {"Gerichtsgeb\201hr:", "Gerichtsgeb&uuml;hr:"}},
    {FeeKind::Lawyer, "lawyer_fee", {"Anwaltsgeb\201hr:", "Anwaltsgeb&uuml;hr:"}},
};

// The amount in dispute and the single court and lawyer fees.
template <class Reckoning>
void printBaseRows(const Reckoning& reckoning) {
  Recorded<Way> ways(runState().recordsWays);
  // The amount stands alone: its new value plays no part.
  const auto amount = reckoning.amount(ways[0]);
  printRowOf("amount", {"Streitwert:", "Streitwert:"}, amount, decltype(amount){}, 0, 0, ways[0],
             ways[1]);
  if (reckoning.capped()) printValueCap();
  for (const SingleFeeRow& row : kSingleFeeRows) {
    printRowOf(row.key, row.label, reckoning.fee(Schedule::Old, row.kind, ways[0]),
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
  // Around the lawsuit, what came before it belongs to the first instance
  // too: the business fees, and a payment order that it follows.
  if constexpr (std::is_same_v<Reckoning, ReckoningInCents>) {
    const ReportOptions* around = reckoning.around();
    const bool anyBusinessFee = around != nullptr && (around->claimantCase.businessFeeTenths != 0 ||
                                                      around->defendantCase.businessFeeTenths != 0);
    if (anyBusinessFee && (options.showPaymentOrder || options.showFirstInstance)) {
      printPreTrialSection(reckoning);
    }
  }
  if (options.showPaymentOrder || (options.afterPaymentOrder && options.showFirstInstance)) {
    printPaymentOrderSection(reckoning);
  }
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
  // A lone invocation name has the usage screen; any other line may be
  // refused, as it was written.
  const std::optional<Refusal> refusal =
      count > 1 ? refusalOf(count, arguments, state.options) : std::nullopt;
  // -J: the figures are recorded instead of the report, and written as
  // JSON once the run is done.
  const bool json = state.options.json && !state.figures;
  std::FILE* const out = state.report;
  if (json) {
    state.figures.emplace().withWays = state.options.showDerivations;
    state.report = nullptr;
  }
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
  } else if (refusal) {
    printRefusal(*refusal, count, arguments, state.options);
    state.exitStatus = kRefused;
  } else if (state.options.reform == Reform::Of2013) {
    const std::int64_t amount = parseAmount(arguments[1]);
    printReport(amount, Reckoning2013(amount));
  } else {
    const std::uint64_t amount = *parseReformAmount(arguments[1]);
    printReport(static_cast<std::int64_t>(std::min(amount, kValueCap)),
                ReckoningInCents(state.options.reform, amount, &state.options));
  }
  if (json) {
    state.report = out;
    if (state.exitStatus == kReportWritten) emitUtf8(figuresJson(*state.figures));
    state.figures.reset();
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
  // After the report, on a terminal alone: files and pipes get the bytes
  // they always got.
  if (state.exitStatus == kReportWritten && diagnosticsOnTerminal()) {
    for (const std::string& hint : terminalHints(count, arguments, state.options)) {
      emitDiagnostic("%s\n", hint.c_str());
    }
    std::fflush(state.diagnostics);
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
