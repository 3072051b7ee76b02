#include "run/zeb.h"

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
#include "run/sections.h"
#include "run/totals.h"

namespace zeb {
namespace {

void printReport(std::int64_t amount) {
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
  printBaseRows(amount);
  if (options.showPaymentOrder) printPaymentOrderSection(amount);
  InstanceTotals totals;
  printInstanceSections(amount, totals);
  printInstanceTotals(amount, totals);
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
  // Figures carry the labels of the text report.
  if (state.figures) state.options.outputMode = OutputMode::Text;
  state.htmlCurrency = htmlCurrencyFor(state.options);
  if (count <= 1) {
    // An empty argument vector has no invocation name to show.
    printUsage(count == 1 ? arguments[0] : "zeb");
    state.exitStatus = kUsageShown;
  } else {
    printReport(parseAmount(arguments[1]));
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

void printBaseRows(std::int64_t amount) {
  const float amountValue = moneyFromAmount(amount);
  // The percent basis of these two rows is the amount as handed over in
  // single precision, unlike the amount itself in the sections.
  const std::uint64_t basis = truncateToUnsigned64(amountValue);
  const std::uint64_t unsignedAmount = static_cast<std::uint64_t>(amount);
  printRow("Streitwert:", amountValue, 0, 0, 0);
  printRow(inCurrentMode({"Gerichtsgeb\201hr:", "Gerichtsgeb&uuml;hr:"}),
           toSingle(moneyFromFee(oldScheduleFee(unsignedAmount, FeeKind::Court))),
           toSingle(moneyFromFee(newScheduleFee(unsignedAmount, FeeKind::Court))), basis, 0);
  printRow(inCurrentMode({"Anwaltsgeb\201hr:", "Anwaltsgeb&uuml;hr:"}),
           toSingle(moneyFromFee(oldScheduleFee(unsignedAmount, FeeKind::Lawyer))),
           toSingle(moneyFromFee(newScheduleFee(unsignedAmount, FeeKind::Lawyer))), basis, 0);
}

int runZeb(int count, const char* const* arguments, std::FILE* out, std::FILE* err) {
  RunState fresh;
  fresh.report = out;
  fresh.diagnostics = err;
  return run(count, arguments, fresh);
}

Figures runZebFigures(int count, const char* const* arguments) {
  RunState fresh;
  fresh.report = nullptr;
  fresh.diagnostics = nullptr;
  fresh.figures.emplace();
  const int status = run(count, arguments, fresh);
  Figures figures = std::move(*runState().figures);
  runState().figures.reset();
  figures.status = status;
  return figures;
}

}  // namespace zeb
