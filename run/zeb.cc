#include "run/zeb.h"

#include <cerrno>
#include <cstring>

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

// The settings for `options`: -E gives the euro sign in HTML only.
Settings settingsFor(const ReportOptions& options) {
  Settings run;
  run.options = options;
  if (options.euroSign && options.outputMode == OutputMode::Html) {
    run.htmlCurrency = kEuroSignReference;
  }
  return run;
}

void printReport(std::int64_t amount) {
  const ReportOptions& options = settings().options;
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
  const ExtendedPrecisionScope precision;
  openOutput(out, err);
  settings() = settingsFor(parseOptions(count, arguments));
  int status = kReportWritten;
  if (count <= 1) {
    // An empty argument vector has no invocation name to show.
    printUsage(count == 1 ? arguments[0] : "zeb");
    status = kUsageShown;
  } else {
    printReport(parseAmount(arguments[1]));
  }
  if (const int reason = closeOutput(); reason != 0) {
    // A reader that stopped early (zeb 5000 | more) wanted no more: the
    // report is incomplete, but that is no news to the user.
    if (reason == EPIPE) return kWriteFailed;
    std::fprintf(err, "zeb: write error: %s\n", std::strerror(reason));
    std::fflush(err);
    return kWriteFailed;
  }
  return status;
}

}  // namespace zeb
